#pragma once

// Text between the window's model (UTF-8) and Windows' wide-character functions (UTF-16).

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

// `utf8` as UTF-16; each malformed byte becomes U+FFFD.
[[nodiscard]] std::wstring Widen(std::string_view utf8);

// `utf16` as UTF-8; each unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string Narrow(std::wstring_view utf16);

// The whole text of `window` (a control's text, a window's title).
[[nodiscard]] std::wstring WindowText(HWND window);

// The user's decimal separator, from the regional settings ("." when they have none).
[[nodiscard]] std::string UserDecimalSeparator();

}  // namespace ui::win32
