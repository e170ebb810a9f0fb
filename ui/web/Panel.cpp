// The panel below the window, over the page's controls: its events, which panel.js sends
// here, answered by the panel's model (ui/model/WherePanel.hpp), and OSTN15's shift tables,
// which panel.js loads and hands over.

#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/ShiftLoading.hpp"
#include "ui/layout/PanelLayout.hpp"
#include "ui/model/WherePanel.hpp"

// The page's side, in panel.js: Module.showWhere(id, text). Texts cross as UTF-8.
EM_JS(void, quorvane_show_where, (const char* id, int idBytes, const char* text, int bytes),
      { Module.showWhere(UTF8ToString(id, idBytes), UTF8ToString(text, bytes)); });

namespace {

namespace layout = ui::layout;

void Show(const layout::ControlDesign& control, std::string_view text) {
    quorvane_show_where(control.name.data(), static_cast<int>(control.name.size()), text.data(),
                        static_cast<int>(text.size()));
}

void Show(const ui::PanelView& view) {
    Show(layout::kWhereGrid, view.grid);
    Show(layout::kWhereLatLon, view.latLon);
    Show(layout::kWhereLocator, view.locator);
    Show(layout::kWhereWAB, view.wab);
    Show(layout::kWhereNote, view.note);
    Show(layout::kWhereMessage, view.message);
}

bool ShiftsReady() {
    return Surveyed::Shifts().has_value();
}

}  // namespace

extern "C" {

// A change of txtWhere's text (UTF-8, `bytes` long): the panel answers it; a typed place has
// no accuracy.
EMSCRIPTEN_KEEPALIVE void quorvane_where_text(const char* text, int bytes) {
    Show(ui::AnswerText(std::string_view(text, static_cast<std::size_t>(bytes)), ShiftsReady()));
    Show(layout::kWhereAccuracy, "");
}

// A fix from the phone: WGS84 degrees and its accuracy in metres.
EMSCRIPTEN_KEEPALIVE void quorvane_where_fix(double latitude, double longitude, double accuracy) {
    Show(ui::AnswerFix(latitude, longitude, accuracy, ShiftsReady()));
    Show(layout::kWhereAccuracy, ui::AccuracyText(accuracy));
}

// No fix (a ui::FixFault): only the message changes.
EMSCRIPTEN_KEEPALIVE void quorvane_where_fault(int fault) {
    Show(layout::kWhereMessage, ui::FixFaultText(static_cast<ui::FixFault>(fault)));
}

// How long the phone may take for a fix, in milliseconds.
EMSCRIPTEN_KEEPALIVE int quorvane_fix_timeout_ms() {
    constexpr int kMillisecondsPerSecond = 1000;
    return ui::kFixTimeoutSeconds * kMillisecondsPerSecond;
}

// The shift tables could not be loaded: the message says so.
EMSCRIPTEN_KEEPALIVE void quorvane_shifts_missing() {
    Show(layout::kWhereMessage, ui::kShiftsMissing);
}

// The shift tables, encoded (ShiftEncoding.hpp): 1 once they are there, 0 when the bytes are
// not whole.
EMSCRIPTEN_KEEPALIVE int quorvane_provide_shifts(const std::uint8_t* bytes, std::size_t size) {
    return Surveyed::ProvideShifts(std::span(bytes, size)) ? 1 : 0;
}

// The tables the conversions read (0 the east, 1 the north; Surveyed::kShiftNodes values
// each), for the page's tests to compare with the package's files; none before they are there.
EMSCRIPTEN_KEEPALIVE const std::uint16_t* quorvane_shift_table(int north) {
    const auto tables = Surveyed::Shifts();
    if (!tables)
        return nullptr;
    return north != 0 ? tables->north : tables->east;
}

}  // extern "C"
