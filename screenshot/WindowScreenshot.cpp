// Saves a picture of the Quorvane window with a grid reference converted, for the README.
// Usage: window_screenshot OUTPUT.png

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <cstdlib>
#include <iostream>

#include "ApplicationSetup.hpp"
#include "frmQuor.hpp"

namespace {

// The grid reference shown: central London, whose locator every user can check.
constexpr const char* kShownReference = "TQ300800";

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::cerr << "usage: window_screenshot OUTPUT.png\n";
        return EXIT_FAILURE;
    }
    ui::SetUpApplication(app);
    // Shown as an English-speaking user sees it, whatever the locale it is made in.
    frmQuor window{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    window.show();
    auto* txtNGR = window.findChild<QLineEdit*>(QStringLiteral("txtNGR"));
    if (txtNGR == nullptr) {
        std::cerr << "window_screenshot: the window has no txtNGR\n";
        return EXIT_FAILURE;
    }
    // Typed one character at a time, as the user would.
    for (const QChar c : QString::fromLatin1(kShownReference)) {
        txtNGR->insert(QString(c));
    }
    QApplication::processEvents();
    if (!window.grab().save(arguments.at(1), "PNG")) {
        std::cerr << "window_screenshot: cannot write " << arguments.at(1).toStdString() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
