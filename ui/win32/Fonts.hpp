#pragma once

// The window's fonts.

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "ui/layout/Layout.hpp"

namespace ui::win32 {

struct FontDeleter {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The two fonts of the window: regular, and bold for the design's bold controls.
struct WindowFonts {
    std::wstring family;
    double pointSize = 0;
    UniqueFont regular;
    UniqueFont bold;
};

// Whether a font family named exactly `family` is installed (a substitute does not count).
[[nodiscard]] bool IsInstalled(std::wstring_view family);

// The family of the system's message font, the user's choice for dialog text.
[[nodiscard]] std::wstring MessageFontFamily();

// `family` at `pointSize` points and `dpi` dots per inch, regular and bold (weight 700).
[[nodiscard]] WindowFonts MakeFonts(std::wstring_view family, double pointSize, UINT dpi);

// Whether every caption of the design fits its control at `dpi` in `fonts` (bold where the
// design says), with the room the controls' borders take.
[[nodiscard]] bool CaptionsFit(const WindowFonts& fonts, UINT dpi);

// The window's fonts at `dpi`, as the design's search (layout::ChooseFont) finds them among
// `families`, the system's message font standing for the system's own.
[[nodiscard]] WindowFonts ChooseFonts(
    UINT dpi, std::span<const std::string_view> families = layout::kFontFamilies);

}  // namespace ui::win32
