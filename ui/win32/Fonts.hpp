#pragma once

// The window's fonts.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace ui::win32 {

struct FontDeleter {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The two fonts of the window: regular for every control, bold for Label1 and Label2.
struct WindowFonts {
    std::wstring family;
    double pointSize = 0;
    UniqueFont regular;
    UniqueFont bold;
};

// The family the window is drawn in where it is installed: the outline font of the classic
// Windows dialogs ("MS Sans Serif" is a bitmap font on current Windows, blurred when scaled).
inline constexpr std::wstring_view kPreferredFamily = L"Microsoft Sans Serif";

// Whether a font family named exactly `family` is installed (a substitute does not count).
[[nodiscard]] bool IsInstalled(std::wstring_view family);

// The family of the system's message font, the user's choice for dialog text.
[[nodiscard]] std::wstring MessageFontFamily();

// `family` at `pointSize` points and `dpi` dots per inch, regular and bold (weight 700).
[[nodiscard]] WindowFonts MakeFonts(std::wstring_view family, double pointSize, UINT dpi);

// Whether every caption, button text and the frame's title fit their controls at `dpi` in
// `fonts`, with the room the controls' borders take.
[[nodiscard]] bool CaptionsFit(const WindowFonts& fonts, UINT dpi);

// The window's fonts at `dpi`: `preferred` at 8 points where it is installed and every
// caption fits in it; otherwise the system's message font at 8 points, or at the largest
// size from 8 points down in half points at which every caption fits (the smallest size
// tried, 6 points, when none does).
[[nodiscard]] WindowFonts ChooseFonts(UINT dpi, std::wstring_view preferred = kPreferredFamily);

}  // namespace ui::win32
