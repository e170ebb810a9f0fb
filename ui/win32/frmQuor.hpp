#pragma once

// The Quorvane window, native on Windows.

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "ControlFields.hpp"
#include "Controls.hpp"
#include "Fonts.hpp"
#include "Text.hpp"
#include "ui/model/WindowHandlers.hpp"

namespace ui::win32 {

// The one window: the grid reference and locator rows, the red message line, Quit, and the
// "Lat-Long" frame with Calculate, at the design's places in twips converted with the
// monitor's dots per inch, at a fixed size (it can be minimised, not resized or maximised).
// Typing in txtNGR, Calculate and Quit run the window's handlers; Quit or closing the window
// destroys it, which ends the thread's message loop (WM_QUIT, exit code 0). Tab and
// Shift+Tab move through the design's keyboard order when messages go through Dispatch.
class frmQuor {
  public:
    // Creates the window and its controls, hidden, with the focus to start in txtNGR.
    // Numbers are shown and read with `decimalSeparator`; the fonts are chosen by
    // ChooseFonts among `fontFamilies`, which must outlive the window. Throws
    // std::runtime_error when Windows cannot create the window.
    explicit frmQuor(std::string decimalSeparator = UserDecimalSeparator(),
                     std::span<const std::string_view> fontFamilies = layout::kFontFamilies);
    frmQuor(const frmQuor&) = delete;
    frmQuor& operator=(const frmQuor&) = delete;
    // Destroys the window if the user has not.
    ~frmQuor();

    // Shows the window as `showCommand` says (wWinMain's last argument).
    void Show(int showCommand) const;

    // Handles one message of the thread's queue: the window's keyboard first (Tab,
    // Shift+Tab), then the usual translation and dispatch.
    void Dispatch(const MSG& message) const;

    // The window, or nullptr once it is destroyed.
    [[nodiscard]] HWND Handle() const noexcept { return window_; }
    [[nodiscard]] HWND Control(ControlId id) const;
    [[nodiscard]] UINT Dpi() const noexcept { return dpi_; }
    [[nodiscard]] const WindowFonts& Fonts() const noexcept { return fonts_; }

  private:
    struct IconDeleter {
        void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
    };
    using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    // Sizes the window and places the controls, with fonts and icons for `dpi`.
    void Arrange(UINT dpi);
    [[nodiscard]] SIZE WindowSize(UINT dpi) const;

    HWND window_;
    UINT dpi_;
    std::span<const std::string_view> fontFamilies_;
    WindowFonts fonts_;
    UniqueIcon smallIcon_;
    UniqueIcon bigIcon_;
    HWND lastFocus_ = nullptr;
    ControlFields fields_;
    WindowHandlers handlers_;
};

// Runs the thread's message loop for `window` until it ends; returns the program's exit code.
int RunMessageLoop(const frmQuor& window);

}  // namespace ui::win32
