#include "Escaping.hpp"

#include <algorithm>
#include <array>

#include "runtime/Text.hpp"

namespace cli {
namespace {

// U+FFFD in UTF-8.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Appends `text`, each malformed byte as U+FFFD and each ASCII byte for which `escape` gives
// a text as that text; runs of other bytes are copied whole. `escape` is a lambda, which is
// inlined, as a function pointer would not be.
template <typename Escape>
void AppendUtf8(std::string_view text, std::string& out, Escape escape) {
    while (!text.empty()) {
        std::size_t run = 0;
        std::string_view replacement;
        while (run < text.size()) {
            const auto c = static_cast<unsigned char>(text[run]);
            const std::size_t length = c < 0x80 ? 1 : runtime::Utf8SequenceLength(text.substr(run));
            replacement = length == 0 ? kReplacement : c < 0x80 ? escape(c) : std::string_view();
            if (!replacement.empty())
                break;
            run += length;
        }
        out.append(text.substr(0, run));
        out.append(replacement);
        text.remove_prefix(std::min(run + 1, text.size()));
    }
}

// Appends `text`, each byte for which `escape` gives a text as that text, runs of the others
// whole.
template <typename Escape>
void AppendBytes(std::string_view text, std::string& out, Escape escape) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view escaped = escape(static_cast<unsigned char>(text[i]));
        if (escaped.empty())
            continue;
        out.append(text.substr(run, i - run)).append(escaped);
        run = i + 1;
    }
    out.append(text.substr(run));
}

std::string_view TextEscape(unsigned char c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            return {};
    }
}

// JSON escapes of the control characters U+0000 to U+001F without a short form: \u00XX.
constexpr std::size_t kControlCount = 0x20;
constexpr std::size_t kEscapeLength = 6;
constexpr auto kJsonControlEscapes = [] {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::array<std::array<char, kEscapeLength>, kControlCount> table{};
    for (std::size_t c = 0; c < kControlCount; ++c)
        table[c] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
    return table;
}();

std::string_view JsonEscape(unsigned char c) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            if (c < kControlCount)
                return {kJsonControlEscapes[c].data(), kEscapeLength};
            return {};
    }
}

}  // namespace

void AppendTextField(std::string_view text, std::string& out) {
    AppendBytes(text, out, [](unsigned char c) { return TextEscape(c); });
}

void AppendCsvField(std::string_view text, std::string& out, char delimiter) {
    const std::array<char, 4> special = {delimiter, '"', '\r', '\n'};
    if (text.find_first_of(std::string_view(special.data(), special.size())) ==
        std::string_view::npos) {
        out.append(text);
        return;
    }
    out += '"';
    AppendBytes(text, out, [](unsigned char c) { return c == '"' ? "\"\"" : std::string_view(); });
    out += '"';
}

void AppendXmlText(std::string_view text, std::string& out) {
    const auto append = [&out](std::string_view characters) {
        AppendUtf8(characters, out, [](unsigned char c) -> std::string_view {
            switch (c) {
                case '&':
                    return "&amp;";
                case '<':
                    return "&lt;";
                case '>':
                    return "&gt;";
                case '"':
                    return "&quot;";
                case '\'':
                    return "&apos;";
                case '\t':
                case '\n':
                case '\r':
                    return {};
                default:
                    return c < kControlCount ? kReplacement : std::string_view();
            }
        });
    };
    // U+FFFE and U+FFFF are well-formed UTF-8 but no characters of XML 1.0: U+FFFD too. Their
    // first byte starts a sequence wherever it stands, so a search finds them.
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\xEF\xBF", from)) != std::string_view::npos;) {
        from = at + 2;
        if (from < text.size() && (text[from] == '\xBE' || text[from] == '\xBF')) {
            append(text.substr(0, at));
            out.append(kReplacement);
            text.remove_prefix(from + 1);
            from = 0;
        }
    }
    append(text);
}

void AppendJsonString(std::string_view text, std::string& out) {
    out += '"';
    AppendUtf8(text, out, [](unsigned char c) { return JsonEscape(c); });
    out += '"';
}

}  // namespace cli
