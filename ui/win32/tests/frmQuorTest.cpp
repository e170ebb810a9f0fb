// The native Windows window driven through its window messages, as its user drives it:
// keys, clicks and the clipboard; and the window as its user sees it: places, order, colour,
// fonts and whole captions. Runs under wine on a virtual display (or on Windows).
//
// Usage: frmQuorTest [GoogleTest options] [PATH-OF-quorvane.exe]
// With the program's path it also checks the program's own icon, version block and manifest.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Dpi.hpp"
#include "Text.hpp"
#include "frmQuor.hpp"
#include "ui/layout/Layout.hpp"

namespace {

using ui::win32::ControlId;
using ui::win32::frmQuor;
using ui::win32::WindowText;

// The program under test, when given on the command line.
std::wstring programPath;

// Every control, by name, in the order of the design's table.
constexpr std::array<std::pair<std::string_view, ControlId>, 12> kControls = {{
    {"Label1", ControlId::Label1},
    {"txtNGR", ControlId::txtNGR},
    {"labError", ControlId::labError},
    {"Label2", ControlId::Label2},
    {"txtLoc", ControlId::txtLoc},
    {"cmdQuit", ControlId::cmdQuit},
    {"Frame1", ControlId::Frame1},
    {"Label3", ControlId::Label3},
    {"latin", ControlId::latin},
    {"Label4", ControlId::Label4},
    {"lonin", ControlId::lonin},
    {"latlon", ControlId::latlon},
}};

// The window shown, with its controls at hand and its messages handled as the program's
// message loop handles them.
class Window {
  public:
    explicit Window(std::string decimalSeparator = ".",
                    std::span<const std::string_view> families = ui::layout::kFontFamilies)
        : form(std::move(decimalSeparator), families) {
        form.Show(SW_SHOWNORMAL);
        SetForegroundWindow(form.Handle());
        Pump();
    }

    [[nodiscard]] HWND operator[](ControlId id) const { return form.Control(id); }

    [[nodiscard]] std::wstring Text(ControlId id) const { return WindowText(form.Control(id)); }

    [[nodiscard]] std::string NameOf(HWND control) const {
        for (const auto& [name, id] : kControls) {
            if (form.Control(id) == control) {
                return std::string(name);
            }
        }
        return control == nullptr ? "nothing" : "another window";
    }

    // Handles every message waiting, as RunMessageLoop does; notes WM_QUIT.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitCode = static_cast<int>(message.wParam);
                continue;
            }
            form.Dispatch(message);
        }
    }

    // A key pressed and released while `control` has the focus, through the message loop.
    void Key(UINT virtualKey, bool shift = false) {
        std::array<BYTE, 256> keys{};
        GetKeyboardState(keys.data());
        const std::array<BYTE, 256> before = keys;
        constexpr BYTE kDown = 0x80;
        keys[VK_SHIFT] = shift ? kDown : 0;
        SetKeyboardState(keys.data());
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
        Pump();
        PostMessageW(GetFocus(), WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001U));
        Pump();
        SetKeyboardState(const_cast<BYTE*>(before.data()));
    }

    // Characters typed into `box` at its caret, one at a time, as the keyboard sends them.
    void Type(ControlId box, std::wstring_view text) {
        for (const wchar_t c : text) {
            PostMessageW(form.Control(box), WM_CHAR, c, 1);
            Pump();
        }
    }

    // Sets a box as the user would: select all, type over it.
    void Retype(ControlId box, std::wstring_view text) {
        SendMessageW(form.Control(box), EM_SETSEL, 0, -1);
        SendMessageW(form.Control(box), WM_CLEAR, 0, 0);
        Type(box, text);
    }

    void Click(ControlId button) {
        SendMessageW(form.Control(button), BM_CLICK, 0, 0);
        Pump();
    }

    void Calculate(std::wstring_view latitude, std::wstring_view longitude) {
        Retype(ControlId::latin, latitude);
        Retype(ControlId::lonin, longitude);
        Click(ControlId::latlon);
    }

    frmQuor form;
    int quitCode = -1;
};

// `text` put on the clipboard.
void CopyToClipboard(std::wstring_view text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(copy, text.size());
    copy[text.size()] = L'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// The user's decimal separator set to `separator` (as the regional settings do) for as long
// as this lives.
class UserDecimalSeparator {
  public:
    explicit UserDecimalSeparator(const wchar_t* separator) {
        std::array<wchar_t, 4> held{};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, held.data(), 4);
        before_ = held.data();
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
    }
    UserDecimalSeparator(const UserDecimalSeparator&) = delete;
    UserDecimalSeparator& operator=(const UserDecimalSeparator&) = delete;
    ~UserDecimalSeparator() {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before_.c_str());
    }

  private:
    std::wstring before_;
};

// --- Behaviour ---------------------------------------------------------------------------

TEST(Behaviour, TypingShowsTheAnswerAtTheEighthCharacter) {
    Window w;
    w.Type(ControlId::txtNGR, L"TQ30080");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"");
    EXPECT_EQ(w.Text(ControlId::latin), L"");
    EXPECT_EQ(w.Text(ControlId::lonin), L"");
    EXPECT_EQ(w.Text(ControlId::labError), L"");

    w.Type(ControlId::txtNGR, L"0");
    EXPECT_EQ(w.Text(ControlId::latin), L"51.503");
    EXPECT_EQ(w.Text(ControlId::lonin), L"-.127");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
    EXPECT_EQ(w.Text(ControlId::labError), L"");

    w.Type(ControlId::txtNGR, L"1");
    EXPECT_EQ(w.Text(ControlId::labError), L"Invalid NGR");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"");
    EXPECT_EQ(w.Text(ControlId::latin), L"51.503");
    EXPECT_EQ(w.Text(ControlId::lonin), L"-.127");

    w.Type(ControlId::txtNGR, L"\b");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
    EXPECT_EQ(w.Text(ControlId::labError), L"");
}

// On the central meridian the longitude is -2 to within the last bits: the edge between
// locator squares IO81 and IO91, east of which every build puts the point (the 32-bit build
// too, whose arithmetic is in double precision as everywhere else).
TEST(Behaviour, TheCentralMeridianIsInTheSquaresEastOfIt) {
    for (const auto& [ngr, locator] :
         {std::pair{L"SU000500", L"IO91AF"}, std::pair{L"NZ000726", L"IO95AB"}}) {
        Window w;
        w.Type(ControlId::txtNGR, ngr);
        EXPECT_EQ(w.Text(ControlId::txtLoc), locator) << ngr;
        EXPECT_EQ(w.Text(ControlId::lonin), L"-2.") << ngr;
    }
}

TEST(Behaviour, PastingEqualsTyping) {
    Window typed;
    typed.Type(ControlId::txtNGR, L"SU000500");
    Window pasted;
    CopyToClipboard(L"SU000500");
    SendMessageW(pasted[ControlId::txtNGR], WM_PASTE, 0, 0);
    pasted.Pump();
    EXPECT_EQ(pasted.Text(ControlId::txtNGR), L"SU000500");
    for (const ControlId shown : {ControlId::txtLoc, ControlId::latin, ControlId::lonin}) {
        EXPECT_EQ(pasted.Text(shown), typed.Text(shown));
    }
    EXPECT_EQ(pasted.Text(ControlId::lonin), L"-2.");
    EXPECT_EQ(pasted.Text(ControlId::latin), L"51.248");
}

TEST(Behaviour, AnythingPastedIsTakenWhole) {
    Window w;
    // More than the 32767 characters an edit box takes by default.
    const std::wstring huge(40'000, L'7');
    CopyToClipboard(huge);
    SendMessageW(w[ControlId::txtNGR], WM_PASTE, 0, 0);
    w.Pump();
    EXPECT_EQ(w.Text(ControlId::txtNGR).size(), huge.size());
    EXPECT_EQ(w.Text(ControlId::labError), L"Invalid NGR");
}

TEST(Behaviour, TextOutsideTheBasicPlaneRoundTrips) {
    Window w;
    // Eight characters, one of them a surrogate pair: a wrong grid letter, not a crash.
    w.Type(ControlId::txtNGR, L"T\U0001F4E1300800");
    EXPECT_EQ(w.Text(ControlId::labError), L"Invalid NGR");
    EXPECT_EQ(w.Text(ControlId::txtNGR), L"T\U0001F4E1300800");
}

TEST(Behaviour, CalculateEmptiesTheGridReferenceAndShowsTheLocator) {
    Window w;
    w.Type(ControlId::txtNGR, L"TQ300800");
    w.Calculate(L"52", L"-2");
    EXPECT_EQ(w.Text(ControlId::txtNGR), L"");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO92AA");
    EXPECT_EQ(w.Text(ControlId::labError), L"");
    EXPECT_EQ(w.Text(ControlId::latin), L"52");
}

TEST(Behaviour, CalculateReportsWhatIsNotAPositionAndTheWindowStillWorks) {
    struct Case {
        const wchar_t* latitude;
        const wchar_t* longitude;
        const wchar_t* message;
    };
    for (const Case& c :
         {Case{L"abc", L"-2", L"Invalid latitude"}, Case{L"", L"-2", L"Invalid latitude"},
          Case{L"91", L"-2", L"Invalid latitude"}, Case{L"52", L"abc", L"Invalid longitude"}}) {
        SCOPED_TRACE(ui::win32::Narrow(std::wstring(c.latitude) + L" " + c.longitude));
        Window w;
        w.Type(ControlId::txtNGR, L"TQ300800");
        w.Calculate(c.latitude, c.longitude);
        EXPECT_EQ(w.Text(ControlId::labError), c.message);
        EXPECT_EQ(w.Text(ControlId::txtLoc), L"");

        w.Calculate(L"52", L"-2");
        EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO92AA");
        EXPECT_EQ(w.Text(ControlId::labError), L"");
        w.Type(ControlId::txtNGR, L"TQ300800");
        EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
    }
}

TEST(Behaviour, TheUsersDecimalCommaIsShownAndRead) {
    const UserDecimalSeparator german(L",");
    Window w(ui::win32::UserDecimalSeparator());
    w.Type(ControlId::txtNGR, L"TQ300800");
    EXPECT_EQ(w.Text(ControlId::latin), L"51,503");
    EXPECT_EQ(w.Text(ControlId::lonin), L"-,127");

    w.Calculate(L"52,5", L"-2");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO92AM");
    EXPECT_EQ(w.Text(ControlId::labError), L"");
}

TEST(Behaviour, SettingTheTextItHoldsRunsNothing) {
    Window w;
    w.Type(ControlId::txtNGR, L"TQ3008009");
    SetWindowTextW(w[ControlId::labError], L"");
    // The box's text set to what it holds: no Change handler, so no message comes back.
    ui::win32::ControlFields fields(w.form.Handle());
    fields.SetText(ui::Field::txtNGR, "TQ3008009");
    EXPECT_EQ(w.Text(ControlId::labError), L"");
    fields.SetText(ui::Field::txtNGR, "TQ300800");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
}

// The windows that raised an alert, as a screen reader hears of them. A hook has no
// argument of its own to report to.
std::vector<HWND> alerted;

void CALLBACK NoteAlert(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG /*object*/,
                        LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    alerted.push_back(window);
}

TEST(Behaviour, AMessageIsAnnouncedToScreenReaders) {
    alerted.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, NoteAlert,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Window w;
    w.Type(ControlId::txtNGR, L"TQ3008009");
    w.Type(ControlId::txtNGR, L"\b");
    UnhookWinEvent(hook);
    // The message appearing, not it going.
    EXPECT_EQ(alerted, std::vector<HWND>{w[ControlId::labError]});
}

// --- Layout ------------------------------------------------------------------------------

TEST(Layout, WindowIsFixedTitledAndIconed) {
    Window w;
    EXPECT_EQ(WindowText(w.form.Handle()), L"Quorvane NGR by Q9ZXQ");
    if (w.form.Dpi() == 96) {  // other sizes: Scaling
        RECT client{};
        GetClientRect(w.form.Handle(), &client);
        EXPECT_EQ(client.right, 269);
        EXPECT_EQ(client.bottom, 200);
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(w.form.Handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_THICKFRAME, 0U) << "resizable";
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0U) << "maximisable";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0U) << "not minimisable";
    for (const int size : {ICON_SMALL, ICON_BIG}) {
        EXPECT_NE(SendMessageW(w.form.Handle(), WM_GETICON, static_cast<WPARAM>(size), 0), 0)
            << size;
    }
}

TEST(Layout, EveryControlInItsPlaceAtNinetySixDpi) {
    struct Place {
        ControlId id;
        bool inFrame;
        RECT pixels;  // left, top, right, bottom
    };
    // The design's twips divided by 15, to the nearest pixel; relative to Frame1 inside it.
    constexpr std::array<Place, 12> kPlaces = {{
        {ControlId::Label1, false, {8, 16, 8 + 145, 16 + 17}},
        {ControlId::txtNGR, false, {160, 16, 160 + 89, 16 + 19}},
        {ControlId::labError, false, {16, 32, 16 + 137, 32 + 17}},
        {ControlId::Label2, false, {16, 56, 16 + 137, 56 + 17}},
        {ControlId::txtLoc, false, {160, 56, 160 + 89, 56 + 19}},
        {ControlId::cmdQuit, false, {200, 88, 200 + 49, 88 + 17}},
        {ControlId::Frame1, false, {8, 112, 8 + 249, 112 + 81}},
        {ControlId::Label3, true, {16, 24, 16 + 25, 24 + 17}},
        {ControlId::latin, true, {48, 24, 48 + 73, 24 + 19}},
        {ControlId::Label4, true, {16, 48, 16 + 25, 48 + 17}},
        {ControlId::lonin, true, {48, 48, 48 + 73, 48 + 19}},
        {ControlId::latlon, true, {144, 48, 144 + 57, 48 + 17}},
    }};
    Window w;
    if (w.form.Dpi() != 96) {
        GTEST_SKIP() << "these places are for 96 dpi; the display has " << w.form.Dpi();
    }
    const auto placeOf = [&w](ControlId id) {
        RECT r{};
        GetWindowRect(w[id], &r);
        MapWindowPoints(HWND_DESKTOP, w.form.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const RECT frame = placeOf(ControlId::Frame1);
    for (const Place& p : kPlaces) {
        RECT r = placeOf(p.id);
        if (p.inFrame) {
            OffsetRect(&r, -frame.left, -frame.top);
        }
        EXPECT_TRUE(EqualRect(&r, &p.pixels))
            << w.NameOf(w[p.id]) << " at " << r.left << "," << r.top << " " << r.right - r.left
            << "x" << r.bottom - r.top;
    }
}

TEST(Layout, KindsCaptionsAndAlignment) {
    Window w;
    const auto className = [&w](ControlId id) {
        std::array<wchar_t, 32> name{};
        GetClassNameW(w[id], name.data(), static_cast<int>(name.size()));
        return std::wstring(name.data());
    };
    const auto style = [&w](ControlId id) {
        return static_cast<DWORD>(GetWindowLongPtrW(w[id], GWL_STYLE));
    };
    struct Expected {
        ControlId id;
        const wchar_t* className;
        const wchar_t* caption;
    };
    for (const Expected& e : {
             Expected{ControlId::Label1, L"Static", L"National Grid Reference"},
             Expected{ControlId::Label2, L"Static", L"IARU Locator"},
             Expected{ControlId::Label3, L"Static", L"Lat"},
             Expected{ControlId::Label4, L"Static", L"Lon"},
             Expected{ControlId::labError, L"Static", L""},
             Expected{ControlId::cmdQuit, L"Button", L"Quit"},
             Expected{ControlId::latlon, L"Button", L"Calculate"},
             Expected{ControlId::Frame1, L"Button", L"Lat-Long"},
             Expected{ControlId::txtNGR, L"Edit", L""},
             Expected{ControlId::txtLoc, L"Edit", L""},
             Expected{ControlId::latin, L"Edit", L""},
             Expected{ControlId::lonin, L"Edit", L""},
         }) {
        EXPECT_EQ(className(e.id), e.className) << w.NameOf(w[e.id]);
        EXPECT_EQ(w.Text(e.id), e.caption) << w.NameOf(w[e.id]);
    }
    EXPECT_EQ(style(ControlId::Frame1) & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_EQ(style(ControlId::Label1) & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    EXPECT_EQ(style(ControlId::Label2) & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    EXPECT_EQ(style(ControlId::labError) & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    // No access keys: an "&" would show as itself.
    for (const ControlId label : {ControlId::Label1, ControlId::Label2, ControlId::Label3,
                                  ControlId::Label4, ControlId::labError}) {
        EXPECT_NE(style(label) & SS_NOPREFIX, 0U) << w.NameOf(w[label]);
    }
    // No length limits.
    for (const ControlId box :
         {ControlId::txtNGR, ControlId::txtLoc, ControlId::latin, ControlId::lonin}) {
        EXPECT_GE(SendMessageW(w[box], EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << w.NameOf(w[box]);
    }
}

BOOL CALLBACK NoteToolTip(HWND window, LPARAM found) {
    std::array<wchar_t, 32> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    if (std::wstring_view(name.data()) == TOOLTIPS_CLASSW) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

TEST(Layout, TheGridReferenceBoxHasItsToolTip) {
    Window w;
    // The tooltip control is a window of its own, owned by frmQuor.
    HWND toolTip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), NoteToolTip, reinterpret_cast<LPARAM>(&toolTip));
    ASSERT_NE(toolTip, nullptr);
    EXPECT_EQ(GetWindow(toolTip, GW_OWNER), w.form.Handle());
    std::array<wchar_t, 80> text{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = w.form.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(w[ControlId::txtNGR]);
    tool.lpszText = text.data();
    SendMessageW(toolTip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring_view(text.data()), L"Enter full NGR");
}

TEST(Layout, MessageLineIsPureRed) {
    Window w;
    w.Type(ControlId::txtNGR, L"TQ3008009");
    ASSERT_EQ(w.Text(ControlId::labError), L"Invalid NGR");
    RedrawWindow(w.form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    w.Pump();

    // What the screen shows of the message line.
    RECT line{};
    GetWindowRect(w[ControlId::labError], &line);
    const int width = line.right - line.left;
    const int height = line.bottom - line.top;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, line.left, line.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const RGBQUAD*>(bits);
    int red = 0;
    int neutral = 0;  // drawn darker than the background and not red: text in another colour
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < width * height; ++i) {
        const RGBQUAD p = pixels[i];
        if (p.rgbRed == 255 && p.rgbGreen == 0 && p.rgbBlue == 0) {
            ++red;
        } else if (p.rgbGreen < GetGValue(face) && p.rgbRed <= p.rgbGreen) {
            ++neutral;
        }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    EXPECT_GT(red, 20) << "pure red pixels in the message";
    EXPECT_EQ(neutral, 0) << "pixels in another colour than red";
}

TEST(Layout, ScreenReadersFindEachBoxsLabelJustBeforeIt) {
    // Windows names a text box without a name of its own by the label before it in the
    // window's child order.
    Window w;
    for (const auto& [box, label] :
         {std::pair{ControlId::txtNGR, L"National Grid Reference"},
          std::pair{ControlId::txtLoc, L"IARU Locator"}, std::pair{ControlId::latin, L"Lat"},
          std::pair{ControlId::lonin, L"Lon"}}) {
        HWND before = GetWindow(w[box], GW_HWNDPREV);
        EXPECT_EQ(WindowText(before), label) << w.NameOf(w[box]);
    }
}

// --- Keyboard ----------------------------------------------------------------------------

TEST(Keyboard, FocusStartsInTheGridReferenceAndTabsInOrder) {
    Window w;
    ASSERT_EQ(w.NameOf(GetFocus()), "txtNGR");
    std::vector<std::string> forward;
    for (int i = 0; i < 6; ++i) {
        w.Key(VK_TAB);
        forward.push_back(w.NameOf(GetFocus()));
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"txtLoc", "cmdQuit", "latlon", "lonin", "latin",
                                                 "txtNGR"}));
    std::vector<std::string> backward;
    for (int i = 0; i < 6; ++i) {
        w.Key(VK_TAB, true);
        backward.push_back(w.NameOf(GetFocus()));
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"latin", "lonin", "latlon", "cmdQuit", "txtLoc",
                                                  "txtNGR"}));
}

TEST(Keyboard, TabbingIntoABoxSelectsItsText) {
    Window w;
    w.Type(ControlId::lonin, L"-2.5");
    SetFocus(w[ControlId::latlon]);
    w.Key(VK_TAB);
    ASSERT_EQ(w.NameOf(GetFocus()), "lonin");
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(w[ControlId::lonin], EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 4U);
}

TEST(Keyboard, EnterAndEscapeDoNothing) {
    Window w;
    w.Type(ControlId::txtNGR, L"TQ300800");
    w.Key(VK_RETURN);
    w.Key(VK_ESCAPE);
    EXPECT_NE(w.form.Handle(), nullptr);
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
}

// --- Fonts -------------------------------------------------------------------------------

// Fails the running test, with the reason, when any caption or the longest text of a box is
// cut off in the font its control actually draws with.
void ExpectEveryTextWhole(const Window& w) {
    const UINT dpi = w.form.Dpi();
    HDC context = CreateCompatibleDC(nullptr);
    const auto measure = [context](HWND control, std::wstring_view text) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const HGDIOBJ old = SelectObject(context, font);
        SIZE size{};
        GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
        TEXTMETRICW metrics{};
        GetTextMetricsW(context, &metrics);
        SelectObject(context, old);
        return SIZE{size.cx, metrics.tmHeight};
    };
    const auto room = [](HWND control) {
        RECT r{};
        GetClientRect(control, &r);
        return SIZE{r.right, r.bottom};
    };
    // Room a push button's border and focus rectangle take on each side, and a group box
    // before and after its title (pixels at 96 dpi).
    const int kButtonSide = MulDiv(3, static_cast<int>(dpi), 96);
    const int kButtonEdge = MulDiv(2, static_cast<int>(dpi), 96);
    const int kFrameSide = MulDiv(8, static_cast<int>(dpi), 96);
    // The longest text each control shows.
    struct Text {
        ControlId id;
        std::wstring_view longest;
        int side;
        int edge;
    };
    for (const Text& t : {
             Text{ControlId::Label1, L"National Grid Reference", 0, 0},
             Text{ControlId::Label2, L"IARU Locator", 0, 0},
             Text{ControlId::Label3, L"Lat", 0, 0},
             Text{ControlId::Label4, L"Lon", 0, 0},
             Text{ControlId::labError, L"Invalid longitude", 0, 0},
             Text{ControlId::cmdQuit, L"Quit", kButtonSide, kButtonEdge},
             Text{ControlId::latlon, L"Calculate", kButtonSide, kButtonEdge},
             Text{ControlId::Frame1, L"Lat-Long", kFrameSide, 0},
         }) {
        const SIZE text = measure(w[t.id], t.longest);
        const SIZE space = room(w[t.id]);
        EXPECT_LE(text.cx + 2 * t.side, space.cx) << w.NameOf(w[t.id]);
        EXPECT_LE(text.cy + 2 * t.edge, space.cy) << w.NameOf(w[t.id]);
    }
    for (const auto& [box, longest] :
         {std::pair{ControlId::txtNGR, L"TQ300800"}, std::pair{ControlId::txtLoc, L"IO91WM"},
          std::pair{ControlId::latin, L"-89.999"}, std::pair{ControlId::lonin, L"-179.999"}}) {
        const SIZE text = measure(w[box], longest);
        const SIZE space = room(w[box]);
        const auto margins = static_cast<DWORD>(SendMessageW(w[box], EM_GETMARGINS, 0, 0));
        EXPECT_LE(text.cx + LOWORD(margins) + HIWORD(margins), space.cx) << w.NameOf(w[box]);
        EXPECT_LE(text.cy, space.cy) << w.NameOf(w[box]);
    }
    // The frame's title lies above its first row.
    RECT frame{};
    RECT latin{};
    GetWindowRect(w[ControlId::Frame1], &frame);
    GetWindowRect(w[ControlId::latin], &latin);
    EXPECT_LT(frame.top + measure(w[ControlId::Frame1], L"Lat-Long").cy, latin.top);
    DeleteDC(context);
}

// The height GDI is asked for, in pixels, for 8 points at `dpi` (-11 at 96 dpi).
LONG EightPoints(UINT dpi) {
    return -std::lround(8.0 * dpi / 72);
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font;
}

TEST(Fonts, TheFirstInstalledDesignFamilyElseTheMessageFont) {
    Window w;
    const ui::win32::WindowFonts& fonts = w.form.Fonts();
    std::wstring expected = ui::win32::MessageFontFamily();
    for (const std::string_view family : ui::layout::kFontFamilies) {
        if (ui::win32::IsInstalled(ui::win32::Widen(family))) {
            expected = ui::win32::Widen(family);
            break;
        }
    }
    std::printf("The window is drawn in %s at %.1f points\n",
                ui::win32::Narrow(fonts.family).c_str(), fonts.pointSize);
    EXPECT_EQ(fonts.family, expected);
    EXPECT_EQ(FontOf(w[ControlId::Label1]).lfWeight, 700);
    EXPECT_EQ(FontOf(w[ControlId::Label2]).lfWeight, 700);
    EXPECT_EQ(FontOf(w[ControlId::Label3]).lfWeight, FW_NORMAL);
    EXPECT_EQ(FontOf(w[ControlId::txtNGR]).lfWeight, FW_NORMAL);
    ExpectEveryTextWhole(w);
}

TEST(Fonts, AnInstalledFamilyIsTakenAtEightPointsWhenTheCaptionsFit) {
    // A family every wine prefix and every Windows has, standing in for the design's.
    for (const std::string_view family : {"Liberation Sans", "Arial", "Tahoma"}) {
        if (!ui::win32::IsInstalled(ui::win32::Widen(family))) {
            continue;
        }
        const std::array families{family};
        Window w(".", families);
        if (w.form.Fonts().family == ui::win32::Widen(family)) {
            EXPECT_EQ(w.form.Fonts().pointSize, 8.0);
            EXPECT_EQ(FontOf(w[ControlId::Label3]).lfHeight, EightPoints(w.form.Dpi()));
        }
        ExpectEveryTextWhole(w);
        return;
    }
    GTEST_SKIP() << "none of the stand-in families is installed";
}

TEST(Fonts, EveryTextFitsWithTheFallbackFont) {
    constexpr std::array<std::string_view, 1> kNoSuchFamily{"No Such Family"};
    Window w(".", kNoSuchFamily);
    EXPECT_EQ(w.form.Fonts().family, ui::win32::MessageFontFamily());
    EXPECT_FALSE(ui::win32::IsInstalled(L"No Such Family"));
    ExpectEveryTextWhole(w);
}

// --- Scaling -----------------------------------------------------------------------------

// Every control at the design's place converted with `dpi`, relative to Frame1 inside it,
// and the fonts at 8 points for `dpi`.
void ExpectTheDesignAt(const Window& w, UINT dpi) {
    namespace layout = ui::layout;
    struct Design {
        ControlId id;
        const layout::ControlDesign& design;
    };
    const int dots = static_cast<int>(dpi);
    const layout::PixelRect frame = layout::Pixels(layout::kFrame1.place, dots);
    for (const Design& d : {
             Design{ControlId::Label1, layout::kLabel1},
             Design{ControlId::txtNGR, layout::kTxtNGR},
             Design{ControlId::labError, layout::kLabError},
             Design{ControlId::Label2, layout::kLabel2},
             Design{ControlId::txtLoc, layout::kTxtLoc},
             Design{ControlId::cmdQuit, layout::kCmdQuit},
             Design{ControlId::Frame1, layout::kFrame1},
             Design{ControlId::Label3, layout::kLabel3},
             Design{ControlId::latin, layout::kLatin},
             Design{ControlId::Label4, layout::kLabel4},
             Design{ControlId::lonin, layout::kLonin},
             Design{ControlId::latlon, layout::kLatlon},
         }) {
        layout::PixelRect expected = layout::Pixels(d.design.place, dots);
        if (d.design.inFrame) {
            expected.left += frame.left;
            expected.top += frame.top;
        }
        RECT r{};
        GetWindowRect(w[d.id], &r);
        MapWindowPoints(HWND_DESKTOP, w.form.Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((layout::PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top}), expected)
            << w.NameOf(w[d.id]) << " at " << dpi << " dpi";
        EXPECT_EQ(FontOf(w[d.id]).lfHeight, -std::lround(w.form.Fonts().pointSize * dpi / 72))
            << w.NameOf(w[d.id]);
    }
}

TEST(Scaling, WholeAtTheDisplaysDpi) {
    Window w;
    const UINT dpi = w.form.Dpi();
    std::printf("The display has %u dpi\n", dpi);
    const ui::layout::PixelRect area =
        ui::layout::Pixels(ui::layout::kClientArea, static_cast<int>(dpi));
    RECT client{};
    GetClientRect(w.form.Handle(), &client);
    EXPECT_EQ(client.right, area.width);
    EXPECT_EQ(client.bottom, area.height);
    ExpectTheDesignAt(w, dpi);
    ExpectEveryTextWhole(w);
    // The title bar's icon drawn for this dpi, not scaled from the 96 dpi one.
    const auto icon =
        reinterpret_cast<HICON>(SendMessageW(w.form.Handle(), WM_GETICON, ICON_SMALL, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(bitmap.bmWidth, MulDiv(16, static_cast<int>(dpi), 96));
}

TEST(Scaling, FollowsTheWindowToAMonitorOfAnotherDpi) {
    Window w;
    const UINT dpi = w.form.Dpi() * 3 / 2;
    // What Windows asks first, then tells, when the window moves onto such a monitor.
    SIZE size{};
    EXPECT_TRUE(SendMessageW(w.form.Handle(), ui::win32::kWmGetDpiScaledSize, dpi,
                             reinterpret_cast<LPARAM>(&size)));
    RECT suggested{};
    GetWindowRect(w.form.Handle(), &suggested);
    suggested.right = suggested.left + size.cx;
    suggested.bottom = suggested.top + size.cy;
    SendMessageW(w.form.Handle(), ui::win32::kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(w.form.Dpi(), dpi);
    ExpectTheDesignAt(w, dpi);
    ExpectEveryTextWhole(w);
    // And the window still works.
    w.Type(ControlId::txtNGR, L"TQ300800");
    EXPECT_EQ(w.Text(ControlId::txtLoc), L"IO91WM");
}

// --- Ending ------------------------------------------------------------------------------

TEST(Ending, QuitEndsTheProgram) {
    Window w;
    w.Click(ControlId::cmdQuit);
    EXPECT_EQ(w.form.Handle(), nullptr);
    EXPECT_EQ(w.quitCode, 0);
}

TEST(Ending, ClosingTheWindowEndsTheProgram) {
    Window w;
    SendMessageW(w.form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    w.Pump();
    EXPECT_EQ(w.form.Handle(), nullptr);
    EXPECT_EQ(w.quitCode, 0);
}

// --- The program -------------------------------------------------------------------------

// The resource `name` of `type` in the program, as bytes.
std::string ProgramResource(const wchar_t* type, const wchar_t* name) {
    HMODULE program = LoadLibraryExW(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr) {
        return {};
    }
    std::string bytes;
    if (HRSRC found = FindResourceW(program, name, type); found != nullptr) {
        const auto* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
        bytes.assign(data, SizeofResource(program, found));
    }
    FreeLibrary(program);
    return bytes;
}

TEST(Program, CarriesItsIconVersionAndManifest) {
    if (programPath.empty()) {
        GTEST_SKIP() << "the path of quorvane.exe was not given";
    }
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &unused);
    ASSERT_GT(size, 0U) << ui::win32::Narrow(programPath);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(programPath.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));  // 2.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    for (const auto& [key, expected] :
         {std::pair{L"ProductVersion", L"2.00"}, std::pair{L"FileVersion", L"2.00"},
          std::pair{L"ProductName", L"Quorvane"},
          std::pair{L"OriginalFilename", L"quorvane.exe"}}) {
        wchar_t* value = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080904b0\\") + key;
        ASSERT_TRUE(
            VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << ui::win32::Narrow(key);
        EXPECT_EQ(std::wstring_view(value), expected);
    }
    EXPECT_FALSE(ProgramResource(RT_GROUP_ICON, MAKEINTRESOURCEW(1)).empty());
    const std::string manifest = ProgramResource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    for (const char* promise : {"PerMonitorV2", "true/pm", "Microsoft.Windows.Common-Controls",
                                "version=\"6.0.0.0\"", "asInvoker"}) {
        EXPECT_NE(manifest.find(promise), std::string::npos) << promise;
    }
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        programPath = argv[1];
    }
    return RUN_ALL_TESTS();
}
