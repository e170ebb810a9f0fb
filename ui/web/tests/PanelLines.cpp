// panel_lines < LINES: the panel's answer (WherePanel's ConvertText) for each line of standard
// input, as quorvane-convert writes it, after the kind the panel read it as: first the header,
// "kind" and the panel's columns; then for each line its kind (ngr, latlon or locator, as
// --from names them) and its record. For compare-with-convert, which runs the same lines
// through the native quorvane-convert; run under node, with OSTN15's tables as the page loads
// them (QUORVANE_OSTN15_ENCODED_FILE).

#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RecordWriter.hpp"
#include "conversions/surveyed/ShiftLoading.hpp"
#include "ui/model/WherePanel.hpp"

int main() {
    std::ifstream shifts(QUORVANE_OSTN15_ENCODED_FILE, std::ios::binary);
    const std::vector<std::uint8_t> encoded((std::istreambuf_iterator<char>(shifts)),
                                            std::istreambuf_iterator<char>());
    if (!Surveyed::ProvideShifts(encoded)) {
        std::cerr << "panel_lines: " << QUORVANE_OSTN15_ENCODED_FILE << " is not whole\n";
        return 1;
    }
    constexpr std::array<std::string_view, 3> kFromNames = {"ngr", "latlon", "locator"};
    std::string out = "kind\t";
    const cli::Options first = ui::PanelOptions(cli::From::kGridReference, ui::kTypedDigits);
    cli::AppendHeader(first.Columns(), cli::Format::kText, out);
    for (std::string line; std::getline(std::cin, line);) {
        cli::Options options;
        cli::Answer answer;
        ui::ConvertText(line, options, answer);
        out += kFromNames[static_cast<std::size_t>(options.from)];
        out += '\t';
        cli::AppendRecord(answer, options.Columns(), options.format, options.decimals, out);
    }
    std::cout << out;
    return std::cout.flush() ? 0 : 1;
}
