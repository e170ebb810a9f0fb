// Quorvane's start on Windows: the one window and its message loop.

#include <windows.h>

#include <cstdlib>
#include <exception>

#include "Text.hpp"
#include "frmQuor.hpp"
#include "ui/layout/Layout.hpp"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    try {
        const ui::win32::frmQuor window;
        window.Show(showCommand);
        return ui::win32::RunMessageLoop(window);
    } catch (const std::exception& failure) {
        // Only the window itself failing to appear gets here: say so, since nothing else can.
        MessageBoxW(nullptr, ui::win32::Widen(failure.what()).c_str(),
                    ui::win32::Widen(ui::layout::kTitle).c_str(), MB_ICONERROR | MB_OK);
        return EXIT_FAILURE;
    }
}
