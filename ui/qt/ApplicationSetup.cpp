#include "ApplicationSetup.hpp"

#include <QIcon>

#include "ApplicationFont.hpp"

namespace ui {

void SetUpApplication(QApplication& app) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(ChooseApplicationFont());
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    // The application id of the installed desktop entry and icon: the desktop matches the
    // running window to its menu entry by it, and takes the icon from its theme, where the
    // drawing carried in the program stands in when Quorvane is not installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quorvane.Quorvane"),
                                       QIcon(QStringLiteral(":/icons/quorvane.svg"))));
}

}  // namespace ui
