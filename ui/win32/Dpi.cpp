#include "Dpi.hpp"

#include <type_traits>

#include "ui/layout/Layout.hpp"

namespace ui::win32 {
namespace {

// The function `name` of user32.dll, or nullptr where this Windows has none.
template <typename Function>
Function* User32Function(const char* name) {
    static_assert(std::is_function_v<Function>);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // FARPROC is the generic function pointer GetProcAddress returns for every signature.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : layout::kStandardDpi;
}

}  // namespace

UINT WindowDpi(HWND window) {
    static auto* const getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    static auto* const adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int Scale(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), layout::kStandardDpi);
}

}  // namespace ui::win32
