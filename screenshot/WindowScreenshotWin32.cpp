// Saves a picture of the native Windows window with a grid reference converted, for the
// README: the window with its title bar as the screen shows it.
// Usage (under wine or on Windows): window_screenshot.exe OUTPUT.png

#include <windows.h>
// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out of windows.h.
#include <gdiplus.h>
#include <objidl.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "frmQuor.hpp"

namespace {

// The grid reference shown: central London, whose locator every user can check.
constexpr wchar_t kShownReference[] = L"TQ300800";

// GDI+'s PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Handles every message that is waiting, so that the window is painted.
void HandleWaitingMessages(const ui::win32::frmQuor& window) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        window.Dispatch(message);
    }
}

// Writes what the screen shows of `window` (its frame included) to `path` as PNG.
bool SavePicture(HWND window, const wchar_t* path) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) != FALSE;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    bool saved = false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (copied && Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        Gdiplus::GpBitmap* image = nullptr;
        if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) ==
            Gdiplus::Ok) {
            saved = Gdiplus::DllExports::GdipSaveImageToFile(image, path, &kPngEncoder, nullptr) ==
                    Gdiplus::Ok;
            Gdiplus::DllExports::GdipDisposeImage(image);
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(bitmap);
    return saved;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCommand*/) {
    if (__argc != 2) {
        MessageBoxW(nullptr, L"usage: window_screenshot OUTPUT.png", L"window_screenshot", MB_OK);
        return EXIT_FAILURE;
    }
    // Shown as an English-speaking user sees it, whatever the locale it is made in.
    const ui::win32::frmQuor window(".");
    window.Show(SW_SHOWNORMAL);
    HWND txtNGR = window.Control(ui::win32::ControlId::txtNGR);
    // Typed one character at a time, as the user would.
    for (const wchar_t c : std::wstring_view(kShownReference)) {
        SendMessageW(txtNGR, WM_CHAR, c, 0);
    }
    HandleWaitingMessages(window);
    return SavePicture(window.Handle(), __wargv[1]) ? EXIT_SUCCESS : EXIT_FAILURE;
}
