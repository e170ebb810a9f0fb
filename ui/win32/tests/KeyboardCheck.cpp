// Drives a running quorvane.exe from outside, with the keyboard as its user would, and reads
// back what its window shows: typing TQ300800 shows 51.503, -.127 and IO91WM; a ninth
// character shows "Invalid NGR" in red; Tab and Shift+Tab move through txtNGR, txtLoc,
// cmdQuit, latlon, lonin, latin; Calculate with 52 and -2 (typed over the selected boxes)
// empties the grid reference and shows IO92AA; Tab to Quit and Space end the program.
// Prints each step; exits 0 when every one showed what it should.
//
// Usage: KeyboardCheck.exe   (with quorvane.exe started, on the same desktop)

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Controls.hpp"
#include "Text.hpp"
#include "ui/layout/Layout.hpp"

namespace {

using ui::win32::ControlId;

// How long the program may take to answer, in milliseconds.
constexpr DWORD kPatience = 20'000;
constexpr DWORD kStep = 50;

constexpr std::array<std::pair<const char*, ControlId>, 6> kFocusable = {{
    {"txtNGR", ControlId::txtNGR},
    {"txtLoc", ControlId::txtLoc},
    {"cmdQuit", ControlId::cmdQuit},
    {"latlon", ControlId::latlon},
    {"lonin", ControlId::lonin},
    {"latin", ControlId::latin},
}};

class Check {
  public:
    explicit Check(HWND window)
        : window_(window), thread_(GetWindowThreadProcessId(window, nullptr)) {}

    [[nodiscard]] int Failures() const { return failures_; }

    // The text of a control of the other program (WM_GETTEXT crosses processes).
    [[nodiscard]] std::wstring Text(ControlId id) const {
        HWND control = GetDlgItem(window_, static_cast<int>(id));
        std::array<wchar_t, 256> text{};
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kPatience, &copied);
        return {text.data(), static_cast<std::size_t>(copied)};
    }

    // The name of the control that has the keyboard focus.
    [[nodiscard]] std::string Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread_, &info);
        for (const auto& [name, id] : kFocusable) {
            if (info.hwndFocus == GetDlgItem(window_, static_cast<int>(id))) {
                return name;
            }
        }
        return "something else";
    }

    // Keys pressed and released, each with Shift held down when `shift` says so.
    static void Press(WORD virtualKey, bool shift = false) {
        std::vector<INPUT> inputs;
        const auto key = [&inputs](WORD vk, bool up) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        };
        if (shift) {
            key(VK_SHIFT, false);
        }
        key(virtualKey, false);
        key(virtualKey, true);
        if (shift) {
            key(VK_SHIFT, true);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    // `text` typed on the keyboard: each character's key, with Shift where it needs it.
    static void Type(std::wstring_view text) {
        for (const wchar_t c : text) {
            const SHORT key = VkKeyScanW(c);
            Press(static_cast<WORD>(LOBYTE(key)), (HIBYTE(key) & 1) != 0);
        }
    }

    // Waits until the program has handled everything sent to it.
    void Settle() const {
        DWORD_PTR unused = 0;
        Sleep(kStep);
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatience, &unused);
    }

    void Expect(const char* what, const std::wstring& shown, std::wstring_view expected) {
        const bool ok = shown == expected;
        std::printf("%-50s %-14s %s\n", what, ui::win32::Narrow(shown).c_str(),
                    ok ? "ok" : ("FAILED, expected " + ui::win32::Narrow(expected)).c_str());
        failures_ += ok ? 0 : 1;
    }

    void ExpectFocus(const char* after, const char* expected) {
        const std::string shown = Focus();
        const bool ok = shown == expected;
        std::printf("%-50s %-14s %s\n", after, shown.c_str(),
                    ok ? "ok" : (std::string("FAILED, expected ") + expected).c_str());
        failures_ += ok ? 0 : 1;
    }

    // Whether the screen shows pure red (255, 0, 0) pixels within the message line.
    [[nodiscard]] bool MessageIsRed() const {
        RECT line{};
        GetWindowRect(GetDlgItem(window_, static_cast<int>(ControlId::labError)), &line);
        HDC screen = GetDC(nullptr);
        int red = 0;
        for (int y = line.top; y < line.bottom; ++y) {
            for (int x = line.left; x < line.right; ++x) {
                red += GetPixel(screen, x, y) == RGB(255, 0, 0) ? 1 : 0;
            }
        }
        ReleaseDC(nullptr, screen);
        return red > 0;
    }

  private:
    HWND window_;
    DWORD thread_;
    int failures_ = 0;
};

HWND FindTheWindow() {
    const std::wstring title = ui::win32::Widen(ui::layout::kTitle);
    for (DWORD waited = 0; waited < kPatience; waited += kStep) {
        if (HWND window = FindWindowW(L"frmQuor", title.c_str()); window != nullptr) {
            return window;
        }
        Sleep(kStep);
    }
    return nullptr;
}

}  // namespace

int wmain() {
    HWND window = FindTheWindow();
    if (window == nullptr) {
        std::printf("no window titled \"%s\" appeared\n", std::string(ui::layout::kTitle).c_str());
        return EXIT_FAILURE;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    SetForegroundWindow(window);
    Check check(window);
    check.Settle();

    check.ExpectFocus("focus at the start", "txtNGR");
    Check::Type(L"TQ30080");
    check.Settle();
    check.Expect("TQ30080: txtLoc", check.Text(ControlId::txtLoc), L"");
    check.Expect("TQ30080: labError", check.Text(ControlId::labError), L"");
    Check::Type(L"0");
    check.Settle();
    check.Expect("TQ300800: latin", check.Text(ControlId::latin), L"51.503");
    check.Expect("TQ300800: lonin", check.Text(ControlId::lonin), L"-.127");
    check.Expect("TQ300800: txtLoc", check.Text(ControlId::txtLoc), L"IO91WM");
    check.Expect("TQ300800: labError", check.Text(ControlId::labError), L"");
    Check::Type(L"1");
    check.Settle();
    check.Expect("TQ3008001: labError", check.Text(ControlId::labError), L"Invalid NGR");
    check.Expect("TQ3008001: txtLoc", check.Text(ControlId::txtLoc), L"");
    check.Expect("TQ3008001: latin", check.Text(ControlId::latin), L"51.503");
    check.Expect("TQ3008001: \"Invalid NGR\" in pure red on screen",
                 check.MessageIsRed() ? L"red" : L"not red", L"red");

    for (const auto& [name, id] :
         {std::pair{"Tab: txtLoc", "txtLoc"}, std::pair{"Tab: cmdQuit", "cmdQuit"},
          std::pair{"Tab: latlon", "latlon"}, std::pair{"Tab: lonin", "lonin"},
          std::pair{"Tab: latin", "latin"}, std::pair{"Tab: txtNGR", "txtNGR"}}) {
        Check::Press(VK_TAB);
        check.Settle();
        check.ExpectFocus(name, id);
    }
    for (const auto& [name, id] :
         {std::pair{"Shift+Tab: latin", "latin"}, std::pair{"Shift+Tab: lonin", "lonin"},
          std::pair{"Shift+Tab: latlon", "latlon"}}) {
        Check::Press(VK_TAB, true);
        check.Settle();
        check.ExpectFocus(name, id);
    }

    // Back to latin and type over what it shows (tabbing in selected it), then lonin.
    Check::Press(VK_TAB);
    Check::Press(VK_TAB);
    check.Settle();
    check.ExpectFocus("Tab, Tab: latin", "latin");
    Check::Type(L"52");
    Check::Press(VK_TAB, true);
    check.Settle();
    check.ExpectFocus("Shift+Tab: lonin", "lonin");
    Check::Type(L"-2");
    Check::Press(VK_TAB, true);
    check.Settle();
    check.ExpectFocus("Shift+Tab: latlon", "latlon");
    Check::Press(VK_SPACE);  // presses the focused button
    check.Settle();
    check.Expect("Calculate 52 -2: latin", check.Text(ControlId::latin), L"52");
    check.Expect("Calculate 52 -2: lonin", check.Text(ControlId::lonin), L"-2");
    check.Expect("Calculate 52 -2: txtNGR", check.Text(ControlId::txtNGR), L"");
    check.Expect("Calculate 52 -2: txtLoc", check.Text(ControlId::txtLoc), L"IO92AA");
    check.Expect("Calculate 52 -2: labError", check.Text(ControlId::labError), L"");

    Check::Press(VK_TAB, true);
    check.Settle();
    check.ExpectFocus("Shift+Tab: cmdQuit", "cmdQuit");
    Check::Press(VK_SPACE);
    const bool ended =
        program != nullptr && WaitForSingleObject(program, kPatience) == WAIT_OBJECT_0;
    DWORD exitCode = 1;
    if (ended) {
        GetExitCodeProcess(program, &exitCode);
    }
    check.Expect("Space on Quit: the program ends, exit code",
                 ended ? std::to_wstring(exitCode) : L"running", L"0");
    return check.Failures() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
