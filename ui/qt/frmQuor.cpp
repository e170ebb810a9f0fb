#include "frmQuor.hpp"

#include <QColor>
#include <QPalette>
#include <limits>

#include "ApplicationFont.hpp"
#include "Geometry.hpp"

namespace {

// A text box takes text of any length (Qt's default stops at 32767 characters).
constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

namespace layout = ui::layout;

// Names and places `control`, and draws its text as the design says: bold, in its colour.
void Place(QWidget& control, const layout::ControlDesign& design) {
    control.setObjectName(layout::ToQString(design.name));
    control.setGeometry(layout::ToQRect(design.place));
    if (design.bold) {
        control.setFont(ui::Bold(control.font()));
    }
    if (design.colour) {
        QPalette palette = control.palette();
        palette.setColor(QPalette::WindowText,
                         QColor(design.colour->red, design.colour->green, design.colour->blue));
        control.setPalette(palette);
    }
}

Qt::Alignment ToQtAlignment(layout::Alignment alignment) {
    switch (alignment) {
        case layout::Alignment::kCentre:
            return Qt::AlignHCenter;
        case layout::Alignment::kRight:
            return Qt::AlignRight;
        case layout::Alignment::kLeft:
            break;
    }
    return Qt::AlignLeft;
}

void SetUpLabel(QLabel& label, const layout::ControlDesign& design) {
    Place(label, design);
    label.setTextFormat(Qt::PlainText);
    label.setText(layout::ToQString(design.caption));
    label.setAlignment(ToQtAlignment(design.alignment) | Qt::AlignVCenter);
}

// A text box, named for screen readers by the caption of the label beside it.
void SetUpTextBox(QLineEdit& box, const layout::ControlDesign& design,
                  const layout::ControlDesign& label) {
    Place(box, design);
    box.setMaxLength(kUnlimitedLength);
    box.setAccessibleName(layout::ToQString(label.caption));
}

// The control of `window` that `design` names; every control of the design exists.
QWidget& Child(const QWidget& window, const layout::ControlDesign& design) {
    return *window.findChild<QWidget*>(layout::ToQString(design.name));
}

}  // namespace

frmQuor::frmQuor(const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      handlers_(fields_, locale.decimalPoint().toStdString(), [this] { close(); }) {
    setObjectName(QStringLiteral("frmQuor"));
    setWindowTitle(layout::ToQString(layout::kTitle));
    setFixedSize(layout::ToQRect(layout::kClientArea).size());

    SetUpLabel(Label1, layout::kLabel1);
    SetUpTextBox(txtNGR, layout::kTxtNGR, layout::kLabel1);
    txtNGR.setToolTip(layout::ToQString(layout::kTxtNGRToolTip));

    SetUpLabel(labError, layout::kLabError);
    SetUpLabel(Label2, layout::kLabel2);
    SetUpTextBox(txtLoc, layout::kTxtLoc, layout::kLabel2);

    Place(cmdQuit, layout::kCmdQuit);
    cmdQuit.setText(layout::ToQString(layout::kCmdQuit.caption));

    Place(Frame1, layout::kFrame1);
    Frame1.setTitle(layout::ToQString(layout::kFrame1.caption));
    SetUpLabel(Label3, layout::kLabel3);
    SetUpTextBox(latin, layout::kLatin, layout::kLabel3);
    SetUpLabel(Label4, layout::kLabel4);
    SetUpTextBox(lonin, layout::kLonin, layout::kLabel4);
    Place(latlon, layout::kLatlon);
    latlon.setText(layout::ToQString(layout::kLatlon.caption));

    // The keyboard order of the design, each control after the one before it.
    for (std::size_t i = 1; i < layout::kFocusOrder.size(); ++i) {
        setTabOrder(&Child(*this, *layout::kFocusOrder.at(i - 1)),
                    &Child(*this, *layout::kFocusOrder.at(i)));
    }
    Child(*this, *layout::kFocusOrder.front()).setFocus();

    connect(&txtNGR, &QLineEdit::textChanged, this, [this] { handlers_.ChangeTxtNGR(); });
    connect(&latlon, &QPushButton::clicked, this, [this] { handlers_.ClickLatlon(); });
    connect(&cmdQuit, &QPushButton::clicked, this, [this] { handlers_.ClickCmdQuit(); });
}
