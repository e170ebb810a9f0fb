#include "Text.hpp"

#include <array>

namespace ui::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int bytes = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, utf16.data(), units);
    return utf16;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int units = static_cast<int>(utf16.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), units, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), units, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    // The length may overstate the text (it can count a multi-byte conversion); the copy
    // says how much there is.
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string UserDecimalSeparator() {
    // LOCALE_SDECIMAL holds at most three characters.
    std::array<wchar_t, 4> separator{};
    const int written = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                       static_cast<int>(separator.size()));
    if (written <= 1) {
        return ".";
    }
    return Narrow({separator.data(), static_cast<std::size_t>(written - 1)});
}

}  // namespace ui::win32
