// quorvane-convert: converts grid references, latitudes and longitudes, or locators given as
// arguments, or read from files or standard input line by line or as tables, one output line
// per input, or one map of them all.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/Encoding.hpp"
#include "cli/Files.hpp"
#include "cli/LineConversion.hpp"
#include "cli/Options.hpp"
#include "cli/Program.hpp"
#include "cli/Stream.hpp"
#include "cli/TableConversion.hpp"

namespace {

// The inputs given as arguments that are no inputs but name files: a hint for each.
void HintAtFiles(const cli::Command& command, const cli::Program& program) {
    for (const std::string& input : command.inputs) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(input, error))
            continue;
        cli::Answer answer;
        if (!cli::AnswerInput(cli::TrimInput(input), false, command.options, answer))
            program.Say("'" + input + "' is a file: to read its lines, use --input " + input);
    }
}

// Converts the inputs given as arguments, or else each source's lines or table, in order,
// into `output`, saying each source's notes; a read or write error stops it.
cli::StreamResult ConvertAll(const cli::Command& command,
                             const std::vector<cli::InputFile>& sources, cli::TextOutput& output,
                             const cli::Program& program) {
    const cli::Options& options = command.options;
    if (!command.inputs.empty())
        return cli::ConvertInputs(command.inputs, options, output);
    cli::StreamResult result;
    std::optional<cli::TableConversion> table;
    if (options.table)
        table.emplace(options);
    for (const cli::InputFile& source : sources) {
        cli::TextInput input(source.stream, options.encoding);
        const cli::StreamResult part =
            table ? cli::ConvertTable(input, source.name, output, *table)
                  : cli::ConvertStream(input, output, options, &source == &sources.front());
        for (const std::string& note : part.notes)
            program.Say(source.name + ": " + note);
        result.Add(part.inputs, part.unanswered);
        if (!part.error.empty()) {
            result.error = part.error;
            break;
        }
    }
    return result;
}

int Convert(const cli::Command& command, const cli::Program& program) {
    const cli::Options& options = command.options;
    std::vector<cli::InputFile> sources;
    std::string error;
    for (const std::string& name : command.files.empty() && command.inputs.empty()
                                       ? std::vector<std::string>{"-"}
                                       : command.files) {
        std::optional<cli::InputFile> source = cli::OpenInput(name, error);
        if (!source)
            return program.Fail(error);
        sources.push_back(std::move(*source));
    }

    if (const auto output = command.output ? cli::IdentityOf(*command.output) : std::nullopt) {
        for (const cli::InputFile& source : sources) {
            if (cli::IdentityOf(source.stream) == output)
                return program.Fail("--output '" + *command.output + "' is the input " +
                                    (source.stream == stdin ? "(standard input)" : source.name) +
                                    ": it would be lost");
        }
    }
    std::optional<cli::ReplacingOutput> replacing =
        command.output ? cli::ReplacingOutput::Create(*command.output, error) : std::nullopt;
    if (command.output && !replacing)
        return program.Fail(error);
    std::FILE* const out = replacing ? replacing->File() : stdout;
    cli::TextOutput output(out, cli::KeepsInputText(options.format));
    HintAtFiles(command, program);

    // A map is one for the whole run: its start before every input, its end after them all.
    cli::StreamResult result;
    const bool map = cli::IsMap(options.format);
    if (!map || cli::WriteMapStart(options, output, result)) {
        result = ConvertAll(command, sources, output, program);
        if (map && result.error.empty() && cli::WriteMapEnd(options, output, result)) {
            if (const std::string note = cli::MapNote(result, options); !note.empty())
                program.Say(note);
        }
    }
    return program.Finish(out, replacing, result.error,
                          result.allConverted ? cli::kExitOk : cli::kExitShortfall);
}

}  // namespace

int main(int argc, char** argv) {
    const cli::Program program("quorvane-convert");
    const cli::Command command = cli::ParseArguments(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    switch (command.action) {
        case cli::Action::kUsageError:
            return program.Fail(command.error);
        case cli::Action::kHelp:
            return program.Print(cli::UsageText());
        case cli::Action::kVersion:
            return program.Print(cli::VersionText());
        case cli::Action::kConvert:
            break;
    }
    return Convert(command, program);
}
