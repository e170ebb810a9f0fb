#pragma once

// The window's fields as the texts of its Windows controls.

#include <windows.h>

#include "Controls.hpp"
#include "ui/model/WindowFields.hpp"

namespace ui::win32 {

// Reads and writes the fields straight from and to the controls of `window`, so what the
// handlers write is on screen at once. Setting txtNGR's text runs the Change handler through
// the box's EN_CHANGE notification, which Windows sends before SetWindowText returns; a text
// equal to the one the control holds is not set, so it runs nothing. A message appearing in
// labError is announced to screen readers as an alert.
class ControlFields final : public WindowFields {
  public:
    explicit ControlFields(HWND window) : window_(window) {}

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, std::string_view text) override;

  private:
    [[nodiscard]] HWND Control(Field field) const;

    HWND window_;
};

// The control that holds `field`.
[[nodiscard]] ControlId IdOf(Field field);

}  // namespace ui::win32
