#include "ApplicationSetup.hpp"

#include <QIcon>

#include "ApplicationFont.hpp"

namespace ui {

void SetUpApplication(QApplication& app) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(ChooseApplicationFont());
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.svg")));
}

}  // namespace ui
