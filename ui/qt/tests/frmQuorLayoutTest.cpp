// The window as its user sees it: places, names, order, colour, fonts and whole captions.

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>

#include "ApplicationFont.hpp"
#include "ApplicationSetup.hpp"
#include "Controls.hpp"
#include "frmQuor.hpp"

namespace {

// The width `text` takes in `metrics`, counting glyphs that overhang their advance.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

// What a line edit leaves around its text inside its contents rectangle (Qt's fixed
// horizontal margin of 2 pixels a side).
constexpr int kLineEditTextMargins = 4;

// Fails the running test, with the reason, when any text of `window` is cut off.
void ExpectEveryTextWhole(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(TextWidth(metrics, label->text()) <= label->contentsRect().width(),
                 qPrintable(label->objectName()));
        QVERIFY2(metrics.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName()));
    }
    // The longest message.
    const auto& labError = Control<QLabel>(window, "labError");
    QVERIFY(TextWidth(labError.fontMetrics(), QStringLiteral("Invalid longitude")) <=
            labError.contentsRect().width());

    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        QVERIFY2(TextWidth(metrics, button->text()) <= contents.width(),
                 qPrintable(button->objectName()));
        QVERIFY2(metrics.height() <= contents.height(), qPrintable(button->objectName()));
    }

    // Each box shows the longest text it is given whole.
    const std::initializer_list<std::pair<const char*, const char*>> boxes = {
        {"txtNGR", "TQ300800"}, {"txtLoc", "IO91WM"}, {"latin", "-89.999"}, {"lonin", "-179.999"}};
    for (const auto& [name, longest] : boxes) {
        const auto& box = Control<QLineEdit>(window, name);
        QStyleOptionFrame option;
        option.initFrom(&box);
        option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
        const QRect contents =
            box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
        const QFontMetrics metrics(box.font());
        QVERIFY2(
            TextWidth(metrics, QLatin1String(longest)) + kLineEditTextMargins <= contents.width(),
            name);
        QVERIFY2(metrics.height() <= contents.height(), name);
    }

    // The frame's title lies inside the frame, above its first row.
    const auto& frame = Control<QGroupBox>(window, "Frame1");
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = frame.alignment();
    const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    QVERIFY(TextWidth(frame.fontMetrics(), frame.title()) <= title.width());
    QVERIFY(frame.rect().contains(title));
    QVERIFY(title.bottom() < Control<QLineEdit>(window, "latin").y());
}

}  // namespace

class frmQuorLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    static void initTestCase() { ui::SetUpApplication(*qApp); }

    static void windowIsFixedAndTitled() {
        frmQuor w;
        QCOMPARE(w.objectName(), QStringLiteral("frmQuor"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane NGR by Q9ZXQ"));
        QCOMPARE(w.size(), QSize(269, 200));
        QCOMPARE(w.minimumSize(), w.maximumSize());
    }

    static void everyControlInItsPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        // The design's twips divided by 15, to the nearest pixel.
        QTest::newRow("Label1") << "Label1"
                                << "frmQuor" << QRect(8, 16, 145, 17);
        QTest::newRow("txtNGR") << "txtNGR"
                                << "frmQuor" << QRect(160, 16, 89, 19);
        QTest::newRow("labError") << "labError"
                                  << "frmQuor" << QRect(16, 32, 137, 17);
        QTest::newRow("Label2") << "Label2"
                                << "frmQuor" << QRect(16, 56, 137, 17);
        QTest::newRow("txtLoc") << "txtLoc"
                                << "frmQuor" << QRect(160, 56, 89, 19);
        QTest::newRow("cmdQuit") << "cmdQuit"
                                 << "frmQuor" << QRect(200, 88, 49, 17);
        QTest::newRow("Frame1") << "Frame1"
                                << "frmQuor" << QRect(8, 112, 249, 81);
        QTest::newRow("Label3") << "Label3"
                                << "Frame1" << QRect(16, 24, 25, 17);
        QTest::newRow("latin") << "latin"
                               << "Frame1" << QRect(48, 24, 73, 19);
        QTest::newRow("Label4") << "Label4"
                                << "Frame1" << QRect(16, 48, 25, 17);
        QTest::newRow("lonin") << "lonin"
                               << "Frame1" << QRect(48, 48, 73, 19);
        QTest::newRow("latlon") << "latlon"
                                << "Frame1" << QRect(144, 48, 57, 17);
    }

    static void everyControlInItsPlace() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        frmQuor w;
        const auto& control = Control<QWidget>(w, qPrintable(name));
        QCOMPARE(control.parentWidget()->objectName(), parent);
        QCOMPARE(control.geometry(), pixels);
    }

    static void captionsKindsAndAlignment() {
        frmQuor w;
        const auto caption = [&w](const char* name) { return Control<QLabel>(w, name).text(); };
        QCOMPARE(caption("Label1"), QStringLiteral("National Grid Reference"));
        QCOMPARE(caption("Label2"), QStringLiteral("IARU Locator"));
        QCOMPARE(caption("Label3"), QStringLiteral("Lat"));
        QCOMPARE(caption("Label4"), QStringLiteral("Lon"));
        QCOMPARE(caption("labError"), QString());
        QCOMPARE(Control<QPushButton>(w, "cmdQuit").text(), QStringLiteral("Quit"));
        QCOMPARE(Control<QPushButton>(w, "latlon").text(), QStringLiteral("Calculate"));
        QCOMPARE(Control<QGroupBox>(w, "Frame1").title(), QStringLiteral("Lat-Long"));
        QCOMPARE(Control<QLineEdit>(w, "txtNGR").toolTip(), QStringLiteral("Enter full NGR"));

        QVERIFY(Control<QLabel>(w, "Label1").alignment() & Qt::AlignRight);
        QVERIFY(Control<QLabel>(w, "Label2").alignment() & Qt::AlignRight);
        QVERIFY(Control<QLabel>(w, "labError").alignment() & Qt::AlignHCenter);

        for (const QLineEdit* box : w.findChildren<QLineEdit*>()) {
            QCOMPARE(box->text(), QString());
            QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        }
    }

    static void messageLineIsPureRed() {
        frmQuor w;
        const auto& labError = Control<QLabel>(w, "labError");
        QCOMPARE(labError.palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(labError.palette().color(QPalette::Inactive, QPalette::WindowText),
                 QColor(255, 0, 0));
    }

    static void textBoxesAreNamedForScreenReaders() {
        frmQuor w;
        QCOMPARE(Control<QLineEdit>(w, "txtNGR").accessibleName(),
                 QStringLiteral("National Grid Reference"));
        QCOMPARE(Control<QLineEdit>(w, "txtLoc").accessibleName(), QStringLiteral("IARU Locator"));
        QCOMPARE(Control<QLineEdit>(w, "latin").accessibleName(), QStringLiteral("Lat"));
        QCOMPARE(Control<QLineEdit>(w, "lonin").accessibleName(), QStringLiteral("Lon"));
    }

    static void focusStartsInTheGridReferenceAndTabsInOrder() {
        frmQuor w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtNGR"));

        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txtLoc", "cmdQuit", "latlon", "lonin", "latin", "txtNGR"}));
    }

    static void designFontAndBoldLabels() {
        if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
            QSKIP("Liberation Sans is not installed");
        }
        frmQuor w;
        QCOMPARE(QFontInfo(w.font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(w.font().pointSizeF(), 8.0);
        QCOMPARE(Control<QLabel>(w, "Label1").font().weight(), QFont::Bold);
        QCOMPARE(Control<QLabel>(w, "Label2").font().weight(), QFont::Bold);
        QCOMPARE(Control<QLabel>(w, "Label3").font().weight(), QFont::Normal);
    }

    static void everyTextFitsWithTheFontInUse() {
        frmQuor w;
        w.show();
        ExpectEveryTextWhole(w);
    }

    static void everyTextFitsWithTheFallbackFont() {
        const QFont design = QApplication::font();
        constexpr std::array<std::string_view, 1> kNoSuchFamily{"No Such Family"};
        QApplication::setFont(ui::ChooseApplicationFont(kNoSuchFamily));
        {
            frmQuor w;
            w.show();
            ExpectEveryTextWhole(w);
        }
        QApplication::setFont(design);
    }

    static void iconNameAndVersion() {
        frmQuor w;
        QVERIFY(!w.windowIcon().pixmap(32).isNull());
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quorvane"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("2.00"));
    }
};

QTEST_MAIN(frmQuorLayoutTest)
#include "frmQuorLayoutTest.moc"
