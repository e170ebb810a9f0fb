#include "frmQuor.hpp"

#include <QColor>
#include <QPalette>
#include <limits>

#include "ApplicationFont.hpp"
#include "Layout.hpp"

namespace {

// The message line's colour: pure red.
const QColor kMessageColour(255, 0, 0);

// A text box takes text of any length (Qt's default stops at 32767 characters).
constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

void Place(QWidget& control, const char* name, ui::layout::TwipRect place) {
    control.setObjectName(QLatin1String(name));
    control.setGeometry(ui::layout::Pixels(place));
}

void SetUpLabel(QLabel& label, const QString& caption, Qt::Alignment alignment) {
    label.setTextFormat(Qt::PlainText);
    label.setText(caption);
    label.setAlignment(alignment | Qt::AlignVCenter);
}

void SetUpTextBox(QLineEdit& box, const QString& accessibleName) {
    box.setMaxLength(kUnlimitedLength);
    box.setAccessibleName(accessibleName);
}

}  // namespace

frmQuor::frmQuor(const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      handlers_(fields_, locale.decimalPoint().toStdString(), [this] { close(); }) {
    namespace layout = ui::layout;
    setObjectName(QStringLiteral("frmQuor"));
    setWindowTitle(layout::kTitle);
    setFixedSize(layout::Pixels(layout::kClientArea).size());

    Place(Label1, "Label1", layout::kLabel1);
    SetUpLabel(Label1, layout::kLabel1Caption, Qt::AlignRight);
    Label1.setFont(ui::Bold(font()));

    Place(txtNGR, "txtNGR", layout::kTxtNGR);
    SetUpTextBox(txtNGR, layout::kLabel1Caption);
    txtNGR.setToolTip(layout::kTxtNGRToolTip);

    Place(labError, "labError", layout::kLabError);
    SetUpLabel(labError, QString(), Qt::AlignHCenter);
    QPalette red = labError.palette();
    red.setColor(QPalette::WindowText, kMessageColour);
    labError.setPalette(red);

    Place(Label2, "Label2", layout::kLabel2);
    SetUpLabel(Label2, layout::kLabel2Caption, Qt::AlignRight);
    Label2.setFont(ui::Bold(font()));

    Place(txtLoc, "txtLoc", layout::kTxtLoc);
    SetUpTextBox(txtLoc, layout::kLabel2Caption);

    Place(cmdQuit, "cmdQuit", layout::kCmdQuit);
    cmdQuit.setText(layout::kCmdQuitCaption);

    Place(Frame1, "Frame1", layout::kFrame1);
    Frame1.setTitle(layout::kFrame1Caption);

    Place(Label3, "Label3", layout::kLabel3);
    SetUpLabel(Label3, layout::kLabel3Caption, Qt::AlignLeft);

    Place(latin, "latin", layout::kLatin);
    SetUpTextBox(latin, layout::kLabel3Caption);

    Place(Label4, "Label4", layout::kLabel4);
    SetUpLabel(Label4, layout::kLabel4Caption, Qt::AlignLeft);

    Place(lonin, "lonin", layout::kLonin);
    SetUpTextBox(lonin, layout::kLabel4Caption);

    Place(latlon, "latlon", layout::kLatlon);
    latlon.setText(layout::kLatlonCaption);

    // Keyboard order: the longitude box comes before the latitude box, as it always has.
    setTabOrder(&txtNGR, &txtLoc);
    setTabOrder(&txtLoc, &cmdQuit);
    setTabOrder(&cmdQuit, &latlon);
    setTabOrder(&latlon, &lonin);
    setTabOrder(&lonin, &latin);
    txtNGR.setFocus();

    connect(&txtNGR, &QLineEdit::textChanged, this, [this] { handlers_.ChangeTxtNGR(); });
    connect(&latlon, &QPushButton::clicked, this, [this] { handlers_.ClickLatlon(); });
    connect(&cmdQuit, &QPushButton::clicked, this, [this] { handlers_.ClickCmdQuit(); });
}
