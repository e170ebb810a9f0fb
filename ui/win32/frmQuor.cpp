#include "frmQuor.hpp"

#include <commctrl.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <utility>

#include "Dpi.hpp"
#include "ui/layout/Layout.hpp"

namespace ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"frmQuor";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

// The executable's icon: the first of its resource script (packaging/windows/version.rc.in),
// loaded at the sizes of the title bar and the task switcher at 96 dpi, scaled.
constexpr WORD kIconResource = 1;
constexpr int kSmallIconPixels = 16;
constexpr int kBigIconPixels = 32;

using layout::Kind;

struct ControlPlan {
    ControlId id;
    const layout::ControlDesign* design;
};

// Every control, in the order it is made. Tab moves through the controls that take the
// focus in that order, and screen readers name a text box by the label made just before it;
// the frame comes last, beneath the controls it holds.
constexpr std::array kPlan = {
    ControlPlan{ControlId::Label1, &layout::kLabel1},
    ControlPlan{ControlId::txtNGR, &layout::kTxtNGR},
    ControlPlan{ControlId::Label2, &layout::kLabel2},
    ControlPlan{ControlId::txtLoc, &layout::kTxtLoc},
    ControlPlan{ControlId::cmdQuit, &layout::kCmdQuit},
    ControlPlan{ControlId::latlon, &layout::kLatlon},
    ControlPlan{ControlId::Label4, &layout::kLabel4},
    ControlPlan{ControlId::lonin, &layout::kLonin},
    ControlPlan{ControlId::Label3, &layout::kLabel3},
    ControlPlan{ControlId::latin, &layout::kLatin},
    ControlPlan{ControlId::labError, &layout::kLabError},
    ControlPlan{ControlId::Frame1, &layout::kFrame1},
};
static_assert(kPlan.size() == layout::kControls.size(), "every control of the design is made");

constexpr bool TakesFocus(Kind kind) {
    return kind == Kind::kTextBox || kind == Kind::kButton;
}

constexpr bool MadeInFocusOrder() {
    std::size_t next = 0;
    for (const ControlPlan& plan : kPlan) {
        if (TakesFocus(plan.design->kind)) {
            if (next == layout::kFocusOrder.size() || layout::kFocusOrder.at(next) != plan.design) {
                return false;
            }
            ++next;
        }
    }
    return next == layout::kFocusOrder.size();
}
static_assert(MadeInFocusOrder(), "the controls that take the focus are made in keyboard order");

// Every control is a group of its own, so the arrow keys never move the focus; no caption
// has an access key (SS_NOPREFIX, and no "&" in the buttons' texts).
const wchar_t* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::kLabel:
            return WC_STATICW;
        case Kind::kTextBox:
            return WC_EDITW;
        case Kind::kButton:
        case Kind::kFrame:
            return WC_BUTTONW;
    }
    return WC_STATICW;
}

DWORD AlignmentOf(layout::Alignment alignment) {
    switch (alignment) {
        case layout::Alignment::kCentre:
            return SS_CENTER;
        case layout::Alignment::kRight:
            return SS_RIGHT;
        case layout::Alignment::kLeft:
            break;
    }
    return SS_LEFT;
}

DWORD StyleOf(const layout::ControlDesign& design) {
    constexpr DWORD kEvery = WS_CHILD | WS_VISIBLE | WS_GROUP;
    switch (design.kind) {
        case Kind::kLabel:
            // One line, centred vertically.
            return kEvery | SS_NOPREFIX | SS_CENTERIMAGE | AlignmentOf(design.alignment);
        case Kind::kTextBox:
            return kEvery | WS_TABSTOP | ES_AUTOHSCROLL;
        case Kind::kButton:
            return kEvery | WS_TABSTOP | BS_PUSHBUTTON;
        case Kind::kFrame:
            return kEvery | BS_GROUPBOX;
    }
    return kEvery;
}

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("cannot create ") + what + " (Windows error " +
                             std::to_string(GetLastError()) + ")");
}

HINSTANCE Program() {
    return GetModuleHandleW(nullptr);
}

HWND CreateFrame(WNDPROC procedure) {
    // Once for the process: the common controls and the window class.
    static const bool registered = [procedure] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = Program();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) {
        Fail("the window class");
    }
    HWND window =
        CreateWindowExW(kWindowExStyle, kClassName, Widen(layout::kTitle).c_str(), kWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, Program(), nullptr);
    if (window == nullptr) {
        Fail("the window");
    }
    return window;
}

// The design's colour for the text of `control`, if it has one of its own.
std::optional<layout::Colour> ColourOf(HWND control) {
    const auto id = static_cast<ControlId>(GetDlgCtrlID(control));
    for (const ControlPlan& plan : kPlan) {
        if (plan.id == id) {
            return plan.design->colour;
        }
    }
    return std::nullopt;
}

HICON LoadProgramIcon(int pixels) {
    return static_cast<HICON>(LoadImageW(Program(), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                         pixels, pixels, LR_DEFAULTCOLOR));
}

}  // namespace

frmQuor::frmQuor(std::string decimalSeparator, std::span<const std::string_view> fontFamilies)
    : window_(CreateFrame(Procedure)),
      dpi_(WindowDpi(window_)),
      fontFamilies_(fontFamilies),
      fields_(window_),
      handlers_(fields_, std::move(decimalSeparator), [this] { DestroyWindow(window_); }) {
    try {
        for (const ControlPlan& plan : kPlan) {
            const layout::ControlDesign& design = *plan.design;
            HWND control = CreateWindowExW(
                design.kind == Kind::kTextBox ? WS_EX_CLIENTEDGE : 0, ClassOf(design.kind),
                Widen(design.caption).c_str(), StyleOf(design), 0, 0, 0, 0, window_,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(plan.id)), Program(), nullptr);
            if (control == nullptr) {
                Fail("a control");
            }
            if (design.kind == Kind::kTextBox) {
                // No length limit: as long as Windows allows (0x7FFFFFFE characters).
                SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            }
        }

        HWND toolTip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, Program(), nullptr);
        if (toolTip == nullptr) {
            Fail("the tooltip");
        }
        std::wstring tip = Widen(layout::kTxtNGRToolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(Control(ControlId::txtNGR));
        tool.lpszText = tip.data();
        SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }

    lastFocus_ = Control(ControlId::txtNGR);
    Arrange(dpi_);
    // From here on the window's messages reach this object; the focus goes to txtNGR when
    // the window is first activated.
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

frmQuor::~frmQuor() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void frmQuor::Show(int showCommand) const {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

void frmQuor::Dispatch(const MSG& message) const {
    MSG copy = message;
    if (window_ != nullptr && IsDialogMessageW(window_, &copy)) {
        return;
    }
    TranslateMessage(&copy);
    DispatchMessageW(&copy);
}

HWND frmQuor::Control(ControlId id) const {
    return GetDlgItem(window_, static_cast<int>(id));
}

SIZE frmQuor::WindowSize(UINT dpi) const {
    const layout::PixelRect client = layout::Pixels(layout::kClientArea, static_cast<int>(dpi));
    return WindowSizeFor({client.width, client.height}, kWindowStyle, kWindowExStyle, dpi);
}

void frmQuor::Arrange(UINT dpi) {
    dpi_ = dpi;
    WindowFonts fonts = ChooseFonts(dpi, fontFamilies_);
    const SIZE size = WindowSize(dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const int dots = static_cast<int>(dpi);
    const layout::PixelRect frame = layout::Pixels(layout::kFrame1.place, dots);
    for (const ControlPlan& plan : kPlan) {
        layout::PixelRect place = layout::Pixels(plan.design->place, dots);
        if (plan.design->inFrame) {
            place.left += frame.left;
            place.top += frame.top;
        }
        HWND control = Control(plan.id);
        MoveWindow(control, place.left, place.top, place.width, place.height, FALSE);
        HFONT font = plan.design->bold ? fonts.bold.get() : fonts.regular.get();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // The controls hold the new fonts before the old ones are deleted.
    fonts_ = std::move(fonts);
    InvalidateRect(window_, nullptr, TRUE);

    UniqueIcon smallIcon(LoadProgramIcon(Scale(kSmallIconPixels, dpi)));
    UniqueIcon bigIcon(LoadProgramIcon(Scale(kBigIconPixels, dpi)));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
    smallIcon_ = std::move(smallIcon);
    bigIcon_ = std::move(bigIcon);
}

LRESULT CALLBACK frmQuor::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* const self = reinterpret_cast<frmQuor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT frmQuor::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) {  // from a control
                OnCommand(LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            // A label of the design's own colour.
            if (const auto colour = ColourOf(reinterpret_cast<HWND>(lParam))) {
                const LRESULT brush = DefWindowProcW(window_, message, wParam, lParam);
                SetTextColor(reinterpret_cast<HDC>(wParam),
                             RGB(colour->red, colour->green, colour->blue));
                return brush;
            }
            break;
        case WM_ACTIVATE:
            // As a dialog does: the focus goes back where it was when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus != nullptr && IsChild(window_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (HIWORD(wParam) == 0) {  // not minimised
                SetFocus(lastFocus_);
            }
            return 0;
        case WM_SETFOCUS:
            SetFocus(lastFocus_);
            return 0;
        case kWmGetDpiScaledSize:
            // The size the window will have at the new dots per inch, for Windows to keep.
            *reinterpret_cast<SIZE*>(lParam) = WindowSize(LOWORD(wParam));
            return TRUE;
        case kWmDpiChanged: {
            const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
            Arrange(LOWORD(wParam));
            SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(EXIT_SUCCESS);
            return 0;
        case WM_NCDESTROY: {
            HWND window = std::exchange(window_, nullptr);
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void frmQuor::OnCommand(int id, int notification) {
    switch (static_cast<ControlId>(id)) {
        case ControlId::txtNGR:
            if (notification == EN_CHANGE) {
                handlers_.ChangeTxtNGR();
            }
            break;
        case ControlId::latlon:
            if (notification == BN_CLICKED) {
                handlers_.ClickLatlon();
            }
            break;
        case ControlId::cmdQuit:
            if (notification == BN_CLICKED) {
                handlers_.ClickCmdQuit();
            }
            break;
        default:
            break;
    }
}

int RunMessageLoop(const frmQuor& window) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return EXIT_FAILURE;
        }
        window.Dispatch(message);
    }
}

}  // namespace ui::win32
