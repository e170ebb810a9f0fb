// The window driven as its user drives it: keys, clicks and the clipboard.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ApplicationSetup.hpp"
#include "Controls.hpp"
#include "frmQuor.hpp"

namespace {

// The window in an English-speaking locale, shown, with its controls at hand.
struct Window {
    explicit Window(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
        : form(locale) {
        form.show();
    }

    // Sets a position box as the user would: select all, type over it.
    void Retype(QLineEdit& box, const QString& text) {
        box.selectAll();
        box.del();
        QTest::keyClicks(&box, text);
    }

    void Calculate(const QString& latitude, const QString& longitude) {
        Retype(latin, latitude);
        Retype(lonin, longitude);
        QTest::mouseClick(&latlon, Qt::LeftButton);
    }

    frmQuor form;
    QLineEdit& txtNGR = Control<QLineEdit>(form, "txtNGR");
    QLineEdit& txtLoc = Control<QLineEdit>(form, "txtLoc");
    QLineEdit& latin = Control<QLineEdit>(form, "latin");
    QLineEdit& lonin = Control<QLineEdit>(form, "lonin");
    QLabel& labError = Control<QLabel>(form, "labError");
    QPushButton& latlon = Control<QPushButton>(form, "latlon");
    QPushButton& cmdQuit = Control<QPushButton>(form, "cmdQuit");
};

}  // namespace

class frmQuorBehaviourTest : public QObject {
    Q_OBJECT

  private slots:
    static void initTestCase() { ui::SetUpApplication(*qApp); }

    static void typingShowsTheAnswerAtTheEighthCharacter() {
        Window w;
        QTest::keyClicks(&w.txtNGR, QStringLiteral("TQ30080"));
        QCOMPARE(w.txtLoc.text(), QString());
        QCOMPARE(w.latin.text(), QString());
        QCOMPARE(w.lonin.text(), QString());
        QCOMPARE(w.labError.text(), QString());

        QTest::keyClick(&w.txtNGR, '0');
        QCOMPARE(w.latin.text(), QStringLiteral("51.503"));
        QCOMPARE(w.lonin.text(), QStringLiteral("-.127"));
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO91WM"));
        QCOMPARE(w.labError.text(), QString());

        QTest::keyClick(&w.txtNGR, '1');
        QCOMPARE(w.labError.text(), QStringLiteral("Invalid NGR"));
        QCOMPARE(w.txtLoc.text(), QString());
        QCOMPARE(w.latin.text(), QStringLiteral("51.503"));
        QCOMPARE(w.lonin.text(), QStringLiteral("-.127"));

        QTest::keyClick(&w.txtNGR, Qt::Key_Backspace);
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO91WM"));
        QCOMPARE(w.labError.text(), QString());
    }

    static void pastingEqualsTyping() {
        Window typed;
        QTest::keyClicks(&typed.txtNGR, QStringLiteral("SU000500"));
        Window pasted;
        QApplication::clipboard()->setText(QStringLiteral("SU000500"));
        QTest::keySequence(&pasted.txtNGR, QKeySequence::Paste);
        QCOMPARE(pasted.txtNGR.text(), QStringLiteral("SU000500"));
        QCOMPARE(pasted.txtLoc.text(), typed.txtLoc.text());
        QCOMPARE(pasted.latin.text(), typed.latin.text());
        QCOMPARE(pasted.lonin.text(), typed.lonin.text());
        QCOMPARE(pasted.lonin.text(), QStringLiteral("-2."));
        QCOMPARE(pasted.latin.text(), QStringLiteral("51.248"));
    }

    static void anythingPastedIsTakenWhole() {
        Window w;
        const QString huge(100'000, QLatin1Char('7'));
        QApplication::clipboard()->setText(huge);
        QTest::keySequence(&w.txtNGR, QKeySequence::Paste);
        QCOMPARE(w.txtNGR.text().size(), huge.size());
        QCOMPARE(w.labError.text(), QStringLiteral("Invalid NGR"));
    }

    static void calculateEmptiesTheGridReferenceAndShowsTheLocator() {
        Window w;
        QTest::keyClicks(&w.txtNGR, QStringLiteral("TQ300800"));
        w.Calculate(QStringLiteral("52"), QStringLiteral("-2"));
        QCOMPARE(w.txtNGR.text(), QString());
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO92AA"));
        QCOMPARE(w.labError.text(), QString());
        QCOMPARE(w.latin.text(), QStringLiteral("52"));
    }

    static void calculateReportsWhatIsNotAPosition_data() {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "abc"
                                 << "-2"
                                 << "Invalid latitude";
        QTest::newRow("empty") << ""
                               << "-2"
                               << "Invalid latitude";
        QTest::newRow("north of the pole") << "91"
                                           << "-2"
                                           << "Invalid latitude";
        QTest::newRow("longitude") << "52"
                                   << "abc"
                                   << "Invalid longitude";
    }

    static void calculateReportsWhatIsNotAPosition() {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, message);
        Window w;
        QTest::keyClicks(&w.txtNGR, QStringLiteral("TQ300800"));
        w.Calculate(latitude, longitude);
        QCOMPARE(w.labError.text(), message);
        QCOMPARE(w.txtLoc.text(), QString());

        // The window still works, both ways.
        w.Calculate(QStringLiteral("52"), QStringLiteral("-2"));
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO92AA"));
        QCOMPARE(w.labError.text(), QString());
        QTest::keyClicks(&w.txtNGR, QStringLiteral("TQ300800"));
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO91WM"));
    }

    static void germanLocaleShowsAndReadsTheDecimalComma() {
        Window w(QLocale(QLocale::German, QLocale::Germany));
        QTest::keyClicks(&w.txtNGR, QStringLiteral("TQ300800"));
        QCOMPARE(w.latin.text(), QStringLiteral("51,503"));
        QCOMPARE(w.lonin.text(), QStringLiteral("-,127"));

        w.Calculate(QStringLiteral("52,5"), QStringLiteral("-2"));
        QCOMPARE(w.txtLoc.text(), QStringLiteral("IO92AM"));
        QCOMPARE(w.labError.text(), QString());
    }

    // Last: these run the application's event loop to its end.
    static void quitEndsTheProgram() {
        Window w;
        QTimer::singleShot(0, &w.cmdQuit, [&w] { QTest::mouseClick(&w.cmdQuit, Qt::LeftButton); });
        QCOMPARE(RunUntilTheProgramEnds(), 0);
        QVERIFY(!w.form.isVisible());
    }

    static void closingTheWindowEndsTheProgram() {
        Window w;
        QTimer::singleShot(0, &w.form, [&w] { w.form.close(); });
        QCOMPARE(RunUntilTheProgramEnds(), 0);
    }

  private:
    // The event loop's exit code: 0 when the program ended by itself, 1 when it was still
    // running after a generous wait.
    static int RunUntilTheProgramEnds() {
        constexpr int kGiveUpMs = 10'000;
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, qApp, [] { QApplication::exit(1); });
        giveUp.start(kGiveUpMs);
        return QApplication::exec();
    }
};

QTEST_MAIN(frmQuorBehaviourTest)
#include "frmQuorBehaviourTest.moc"
