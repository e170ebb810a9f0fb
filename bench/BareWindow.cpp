// The toolkit's floor: a Qt window with Quorvane's controls at the same places and nothing
// else (no font, style, icon, names or handlers), ending at the first painted frame.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "FirstPaint.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(269, 200);

    QLabel label1(QStringLiteral("National Grid Reference"), &window);
    label1.setGeometry(8, 16, 145, 17);
    QLineEdit ngr(&window);
    ngr.setGeometry(160, 16, 89, 19);
    QLabel message(&window);
    message.setGeometry(16, 32, 137, 17);
    QLabel label2(QStringLiteral("IARU Locator"), &window);
    label2.setGeometry(16, 56, 137, 17);
    QLineEdit locator(&window);
    locator.setGeometry(160, 56, 89, 19);
    QPushButton quit(QStringLiteral("Quit"), &window);
    quit.setGeometry(200, 88, 49, 17);
    QGroupBox frame(QStringLiteral("Lat-Long"), &window);
    frame.setGeometry(8, 112, 249, 81);
    QLabel label3(QStringLiteral("Lat"), &frame);
    label3.setGeometry(16, 24, 25, 17);
    QLineEdit latitude(&frame);
    latitude.setGeometry(48, 24, 73, 19);
    QLabel label4(QStringLiteral("Lon"), &frame);
    label4.setGeometry(16, 48, 25, 17);
    QLineEdit longitude(&frame);
    longitude.setGeometry(48, 48, 73, 19);
    QPushButton calculate(QStringLiteral("Calculate"), &frame);
    calculate.setGeometry(144, 48, 57, 17);

    const FirstPaint firstPaint(window);
    window.show();
    return QApplication::exec();
}
