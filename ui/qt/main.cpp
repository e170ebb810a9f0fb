// Quorvane's start: the application, the one window, the event loop.

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "ApplicationSetup.hpp"
#include "frmQuor.hpp"

namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Whether Qt has somewhere to show the window. Without an X or Wayland display (and no
// platform chosen by hand) Qt would abort with a long message about platform plugins.
bool HasDisplay(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return true;
        }
    }
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay(argc, argv)) {
        std::cerr << "quorvane: no display to show the window on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set)\n";
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    ui::SetUpApplication(app);
    frmQuor window;
    window.show();
    return QApplication::exec();
}
