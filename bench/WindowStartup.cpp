// Quorvane's start, exactly as the program does it, ending at the first painted frame.

#include <QApplication>

#include "ApplicationSetup.hpp"
#include "FirstPaint.hpp"
#include "frmQuor.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::SetUpApplication(app);
    frmQuor window;
    const FirstPaint firstPaint(window);
    window.show();
    return QApplication::exec();
}
