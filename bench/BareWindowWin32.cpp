// The window system's floor: a Win32 window with Quorvane's controls at the same places at
// 96 dpi and nothing else (the default GUI font, no icon, tooltip, fonts chosen, DPI
// handling, names or handlers), shown and painted, then waiting in its message loop.

#include <windows.h>

#include <array>
#include <string_view>

namespace {

struct Control {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    RECT place;  // left, top, width, height
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kBox = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr std::array<Control, 12> kControls = {{
        {L"STATIC", L"National Grid Reference", kChild | SS_RIGHT, {8, 16, 145, 17}},
        {L"EDIT", L"", kBox, {160, 16, 89, 19}},
        {L"STATIC", L"IARU Locator", kChild | SS_RIGHT, {16, 56, 137, 17}},
        {L"EDIT", L"", kBox, {160, 56, 89, 19}},
        {L"BUTTON", L"Quit", kButton, {200, 88, 49, 17}},
        {L"BUTTON", L"Calculate", kButton, {152, 160, 57, 17}},
        {L"STATIC", L"Lon", kChild, {24, 160, 25, 17}},
        {L"EDIT", L"", kBox, {56, 160, 73, 19}},
        {L"STATIC", L"Lat", kChild, {24, 136, 25, 17}},
        {L"EDIT", L"", kBox, {56, 136, 73, 19}},
        {L"STATIC", L"", kChild | SS_CENTER, {16, 32, 137, 17}},
        {L"BUTTON", L"Lat-Long", kChild | BS_GROUPBOX, {8, 112, 249, 81}},
    }};

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 269, 200};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", kStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const Control& c : kControls) {
        HWND control =
            CreateWindowExW(c.className == std::wstring_view(L"EDIT") ? WS_EX_CLIENTEDGE : 0,
                            c.className, c.text, c.style, c.place.left, c.place.top, c.place.right,
                            c.place.bottom, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, font, FALSE);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
