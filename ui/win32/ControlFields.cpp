#include "ControlFields.hpp"

#include "Text.hpp"

namespace ui::win32 {

ControlId IdOf(Field field) {
    switch (field) {
        case Field::txtNGR:
            return ControlId::txtNGR;
        case Field::txtLoc:
            return ControlId::txtLoc;
        case Field::latin:
            return ControlId::latin;
        case Field::lonin:
            return ControlId::lonin;
        case Field::labError:
            return ControlId::labError;
    }
    return ControlId::labError;
}

HWND ControlFields::Control(Field field) const {
    return GetDlgItem(window_, static_cast<int>(IdOf(field)));
}

std::string ControlFields::Text(Field field) const {
    return Narrow(WindowText(Control(field)));
}

void ControlFields::SetText(Field field, std::string_view text) {
    HWND control = Control(field);
    const std::wstring wide = Widen(text);
    if (WindowText(control) == wide) {
        return;
    }
    SetWindowTextW(control, wide.c_str());
    // A message appearing is news a screen reader should speak, wherever the focus is.
    if (field == Field::labError && !wide.empty()) {
        NotifyWinEvent(EVENT_SYSTEM_ALERT, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace ui::win32
