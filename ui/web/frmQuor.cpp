#include "frmQuor.hpp"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "ui/layout/Layout.hpp"

// The page's side, in page.js: Module.controlText(id), Module.showControlText(id, text),
// Module.decimalSeparator and Module.endProgram(). Texts cross as UTF-8; those from the page
// are allocated with malloc, for the caller to free.
EM_JS(char*, quorvane_control_text, (const char* id, int idBytes),
      { return allocateUTF8(Module.controlText(UTF8ToString(id, idBytes))); });
EM_JS(void, quorvane_show_control_text, (const char* id, int idBytes, const char* text, int bytes),
      { Module.showControlText(UTF8ToString(id, idBytes), UTF8ToString(text, bytes)); });
EM_JS(char*, quorvane_decimal_separator, (), { return allocateUTF8(Module.decimalSeparator); });
EM_JS(void, quorvane_end_program, (), { Module.endProgram(); });

namespace ui::web {
namespace {

std::string Taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned ? std::string(owned.get()) : std::string();
}

// The control that shows `field`.
std::string_view ControlName(Field field) {
    switch (field) {
        case Field::txtNGR:
            return layout::kTxtNGR.name;
        case Field::txtLoc:
            return layout::kTxtLoc.name;
        case Field::latin:
            return layout::kLatin.name;
        case Field::lonin:
            return layout::kLonin.name;
        case Field::labError:
            return layout::kLabError.name;
    }
    return {};
}

int Bytes(std::string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

frmQuor::frmQuor() : handlers_(*this, Taken(quorvane_decimal_separator()), quorvane_end_program) {}

std::string frmQuor::Text(Field field) const {
    const std::string_view id = ControlName(field);
    return Taken(quorvane_control_text(id.data(), Bytes(id)));
}

void frmQuor::SetText(Field field, std::string_view text) {
    // The page, like the other windows, runs the Change handler when the program changes
    // the grid reference; a browser raises no event for it.
    const bool changesTxtNGR = field == Field::txtNGR && Text(field) != text;
    const std::string_view id = ControlName(field);
    quorvane_show_control_text(id.data(), Bytes(id), text.data(), Bytes(text));
    if (changesTxtNGR) {
        handlers_.ChangeTxtNGR();
    }
}

}  // namespace ui::web
