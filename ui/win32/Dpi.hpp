#pragma once

// Dots per inch on every Windows from 7 on: the functions of later versions are looked up
// when the program runs, with the older equivalents where they are missing.

#include <windows.h>

namespace ui::win32 {

// Messages of Windows 8.1 and 10 1607, not declared for Windows 7.
inline constexpr UINT kWmDpiChanged = 0x02E0;
inline constexpr UINT kWmGetDpiScaledSize = 0x02E4;

// The dots per inch of the monitor `window` is on (Windows 10 1607 and later), or else
// the system's.
[[nodiscard]] UINT WindowDpi(HWND window);

// The size of a window with these styles whose client area is `client` at `dpi` (the
// title bar and borders at `dpi` on Windows 10 1607 and later, at the system's before).
[[nodiscard]] SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// `pixels` at 96 dpi, scaled to `dpi`.
[[nodiscard]] int Scale(int pixels, UINT dpi);

}  // namespace ui::win32
