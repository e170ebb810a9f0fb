// The real window under a long run of random user actions: typing every kind of character,
// backspaces, pasting a megabyte, select-all and replace, Calculate with any texts. After
// every action the window must be in a state its handlers can leave it in.
//
// Seeded and reproducible: QUORVANE_SOAK_SEED (default kDefaultSeed) seeds the actions and
// QUORVANE_SOAK_ACTIONS (default kDefaultActions, the short run ctest makes) sets how many.
// A failure names the seed and the action. The full run:
//   QT_QPA_PLATFORM=offscreen QUORVANE_SOAK_ACTIONS=20000 build/debug/ui/qt/tests/frmQuorSoakTest

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "ApplicationSetup.hpp"
#include "Controls.hpp"
#include "conversions/Module1.hpp"
#include "frmQuor.hpp"
#include "runtime/DecimalFormat.hpp"
#include "runtime/Text.hpp"

namespace {

constexpr std::uint64_t kDefaultSeed = 20'240'521;
constexpr long kDefaultActions = 2'000;

// The pasted text: a megabyte of characters.
constexpr qsizetype kPasteCharacters = 1'000'000;
// Each paste into a box, and each later keystroke while the box holds the megabyte, lays out
// the whole text again (tens of milliseconds): pastes are rare, and at most one per this many
// actions, so that the run's time grows only with its length.
constexpr long kActionsPerPaste = 1'000;

constexpr std::size_t kGridReferenceLength = 8;

// The window speaks English; numbers with the other common separator are garbage to it.
const QLocale kLocale(QLocale::English, QLocale::UnitedKingdom);
constexpr std::string_view kDecimalSeparator = ".";

const QStringList kMessages = {QString(), QStringLiteral("Invalid NGR"),
                               QStringLiteral("Invalid latitude"),
                               QStringLiteral("Invalid longitude")};
const QRegularExpression kLocatorPattern(QStringLiteral("^[A-R]{2}[0-9]{2}[A-X]{2}$"));

std::uint64_t SeedFromEnvironment() {
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("QUORVANE_SOAK_SEED").toULongLong(&ok);
    return ok ? seed : kDefaultSeed;
}

long ActionsFromEnvironment() {
    bool ok = false;
    const long actions = qEnvironmentVariable("QUORVANE_SOAK_ACTIONS").toLong(&ok);
    return ok && actions > 0 ? actions : kDefaultActions;
}

// Random choices, all drawn from one seeded generator.
class Chance {
  public:
    explicit Chance(std::uint64_t seed) : engine_(seed) {}

    // 0 to count - 1.
    std::size_t Below(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
    }
    bool OneIn(std::size_t count) { return Below(count) == 0; }
    double Between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& choices) {
        return choices[Below(N)];
    }

  private:
    std::mt19937_64 engine_;
};

// Characters a user may type: most of them those of grid references and numbers, so that
// valid references and positions come up often, and then everything else.
constexpr std::array<std::string_view, 5> kReferenceLetters = {"N", "S", "T", "n", "s"};
constexpr std::array<std::string_view, 8> kOtherAscii = {"I", "z", " ", ".", ",", "-", "e", "\""};
constexpr std::array<std::string_view, 8> kAccented = {"é", "ü", "ß", "Å",
                                                       "ç", "ñ", "ø", "e\u0301"};
constexpr std::array<std::string_view, 5> kEmoji = {"📡", "😀", "🇬🇧", "👍🏽", "\u200d"};
constexpr std::array<char, 8> kControls = {'\t', '\r', '\n', '\x01', '\x1b', '\x7f', '\b', '\0'};

// The key that types a control character; Key_unknown for the others.
Qt::Key KeyOf(QChar c) {
    switch (c.unicode()) {
        case '\t':
            return Qt::Key_Tab;
        case '\r':
            return Qt::Key_Return;
        case '\n':
            return Qt::Key_Enter;
        case '\b':
            return Qt::Key_Backspace;
        case 0x1B:
            return Qt::Key_Escape;
        case 0x7F:
            return Qt::Key_Delete;
        default:
            return Qt::Key_unknown;
    }
}

QString RandomCharacter(Chance& chance) {
    switch (chance.Below(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return QString(QChar('0' + static_cast<int>(chance.Below(10))));
        case 4:
            return QString(QChar('A' + static_cast<int>(chance.Below(26))));
        case 5:
            return QString::fromUtf8(chance.Pick(kReferenceLetters));
        case 6:
            return QString::fromUtf8(chance.Pick(kOtherAscii));
        case 7:
            return QString::fromUtf8(chance.Pick(kAccented));
        case 8:
            return QString::fromUtf8(chance.Pick(kEmoji));
        default:
            return QString(QChar::fromLatin1(chance.Pick(kControls)));
    }
}

QString RandomText(Chance& chance, std::size_t maxCharacters) {
    QString text;
    for (std::size_t n = chance.Below(maxCharacters + 1); n > 0; --n) {
        text += RandomCharacter(chance);
    }
    return text;
}

// A grid reference the window accepts, letters in either case now and then.
QString ValidReference(Chance& chance) {
    QString reference;
    reference += QLatin1Char("NST"[chance.Below(3)]);
    char second = static_cast<char>('A' + chance.Below(26));
    if (second == 'I') {
        second = 'J';
    }
    reference += QLatin1Char(second);
    for (std::size_t i = 2; i < kGridReferenceLength; ++i) {
        reference += QChar('0' + static_cast<int>(chance.Below(10)));
    }
    return chance.OneIn(4) ? reference.toLower() : reference;
}

// A latitude or longitude text: numbers in and out of range, with and without decimals,
// huge and tiny ones, the other locale's separator, and garbage.
QString RandomCoordinate(Chance& chance) {
    constexpr std::array<std::string_view, 14> kOddities = {
        "",     " ",       "1e308", "1e400", "-1e999",      "1e-400", "nan",
        "-inf", "1,234.5", "90",    "-180",  "180.0000001", ".",      "- 5"};
    switch (chance.Below(5)) {
        case 0:
            return QString::number(chance.Between(-90, 90), 'f', static_cast<int>(chance.Below(8)));
        case 1:
            return QString::number(chance.Between(-400, 400), 'g', 12);
        case 2:
            // The other locale's separator.
            return QString::number(chance.Between(-90, 90), 'f', 3).replace('.', ',');
        case 3:
            return QString::fromUtf8(chance.Pick(kOddities));
        default:
            return RandomText(chance, 12);
    }
}

// The megabyte that is pasted: a grid reference at its start, so that only its length is
// wrong, then random characters.
QString PasteText(Chance& chance) {
    QString text = ValidReference(chance);
    while (text.size() < kPasteCharacters) {
        text += RandomCharacter(chance);
    }
    return text;
}

}  // namespace

class frmQuorSoakTest : public QObject {
    Q_OBJECT

  private slots:
    static void initTestCase() { ui::SetUpApplication(*qApp); }

    void randomActionsLeaveTheWindowConsistent();

  private:
    // What an action did, for the failure message, and whether it was Calculate (which
    // writes the message line and locator after txtNGR's handler has run).
    struct Action {
        QString what;
        bool calculate = false;
    };
    Action Act();
    void Type(QLineEdit& box, const QString& text);
    QLineEdit& RandomBox();
    // Whether the window is in a state its handlers can leave it in; `why` says what is not.
    bool Consistent(const QString& ngrBefore, bool calculated, QString& why);

    Chance chance_{0};
    QLineEdit* txtNGR_ = nullptr;
    QLineEdit* txtLoc_ = nullptr;
    QLineEdit* latin_ = nullptr;
    QLineEdit* lonin_ = nullptr;
    QLabel* labError_ = nullptr;
    QPushButton* latlon_ = nullptr;
    QString paste_;
    long pastesLeft_ = 0;
    // What the run did, printed at its end: it shows that the run reached what it tests.
    long pastes_ = 0;
    long calculations_ = 0;
    long referencesShown_ = 0;
};

void frmQuorSoakTest::randomActionsLeaveTheWindowConsistent() {
    const std::uint64_t seed = SeedFromEnvironment();
    const long actions = ActionsFromEnvironment();
    chance_ = Chance(seed);
    paste_ = PasteText(chance_);
    pastesLeft_ = std::max(1L, actions / kActionsPerPaste);

    frmQuor form(kLocale);
    form.show();
    txtNGR_ = &Control<QLineEdit>(form, "txtNGR");
    txtLoc_ = &Control<QLineEdit>(form, "txtLoc");
    latin_ = &Control<QLineEdit>(form, "latin");
    lonin_ = &Control<QLineEdit>(form, "lonin");
    labError_ = &Control<QLabel>(form, "labError");
    latlon_ = &Control<QPushButton>(form, "latlon");

    for (long action = 1; action <= actions; ++action) {
        const QString ngrBefore = txtNGR_->text();
        const Action done = Act();
        QString why;
        if (!Consistent(ngrBefore, done.calculate, why)) {
            QFAIL(qPrintable(QStringLiteral("QUORVANE_SOAK_SEED=%1, action %2 of %3 (%4): %5")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(actions)
                                 .arg(done.what, why)));
        }
    }
    qInfo(
        "seed %llu: %ld actions, %ld Calculate, %ld pastes of %lld characters, %ld valid "
        "references checked",
        static_cast<unsigned long long>(seed), actions, calculations_, pastes_,
        static_cast<long long>(kPasteCharacters), referencesShown_);
}

QLineEdit& frmQuorSoakTest::RandomBox() {
    // The grid reference box most of the time: it is the one with a handler.
    switch (chance_.Below(4)) {
        case 0:
            return *latin_;
        case 1:
            return *lonin_;
        default:
            return *txtNGR_;
    }
}

void frmQuorSoakTest::Type(QLineEdit& box, const QString& text) {
    // QTest::keyClicks sends Latin-1 only: other characters go as key events carrying their
    // text, as an input method sends them (a surrogate pair as one keystroke), and control
    // characters as the keys that type them.
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (c.unicode() >= ' ' && c.unicode() < 0x7F) {
            QTest::keyClick(&box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, &box, KeyOf(c), text.mid(i, length), Qt::NoModifier);
        }
        i += length;
    }
}

frmQuorSoakTest::Action frmQuorSoakTest::Act() {
    QLineEdit& box = RandomBox();
    const QString name = box.objectName();
    box.setFocus();
    switch (chance_.Below(10)) {
        case 0:
        case 1:
        case 2: {
            const QString text = RandomText(chance_, 6);
            Type(box, text);
            return {QStringLiteral("typed %1 into %2").arg(text.toHtmlEscaped(), name)};
        }
        case 3: {
            const std::size_t count = 1 + chance_.Below(9);
            for (std::size_t i = 0; i < count; ++i) {
                QTest::keyClick(&box, Qt::Key_Backspace);
            }
            return {QStringLiteral("%1 backspaces in %2").arg(count).arg(name)};
        }
        case 4:
        case 5: {
            const QString reference = ValidReference(chance_);
            txtNGR_->setFocus();
            QTest::keySequence(txtNGR_, QKeySequence::SelectAll);
            Type(*txtNGR_, reference);
            return {QStringLiteral("select all, typed %1 over txtNGR").arg(reference)};
        }
        case 6: {
            const QString text =
                chance_.OneIn(2) ? RandomCoordinate(chance_) : RandomText(chance_, 10);
            QTest::keySequence(&box, QKeySequence::SelectAll);
            Type(box, text);
            return {QStringLiteral("select all, typed %1 over %2").arg(text.toHtmlEscaped(), name)};
        }
        case 7:
        case 8: {
            const QString latitude = RandomCoordinate(chance_);
            const QString longitude = RandomCoordinate(chance_);
            for (const auto& [target, text] : {std::pair{latin_, latitude}, {lonin_, longitude}}) {
                target->setFocus();
                QTest::keySequence(target, QKeySequence::SelectAll);
                QTest::keyClick(target, Qt::Key_Delete);
                Type(*target, text);
            }
            QTest::mouseClick(latlon_, Qt::LeftButton);
            ++calculations_;
            return {QStringLiteral("Calculate with %1 and %2 (as typed: %3 and %4)")
                        .arg(latitude.toHtmlEscaped(), longitude.toHtmlEscaped(),
                             latin_->text().toHtmlEscaped(), lonin_->text().toHtmlEscaped()),
                    true};
        }
        default: {
            if (pastesLeft_ == 0 || !chance_.OneIn(kActionsPerPaste / 10)) {
                QTest::keyClick(&box, Qt::Key_Home);
                Type(box, RandomText(chance_, 2));
                return {QStringLiteral("typed at the start of %1").arg(name)};
            }
            --pastesLeft_;
            ++pastes_;
            QApplication::clipboard()->setText(paste_);
            QTest::keySequence(&box, QKeySequence::SelectAll);
            QTest::keySequence(&box, QKeySequence::Paste);
            return {QStringLiteral("pasted a megabyte into %1").arg(name)};
        }
    }
}

bool frmQuorSoakTest::Consistent(const QString& ngrBefore, bool calculated, QString& why) {
    if (!kMessages.contains(labError_->text())) {
        why = QStringLiteral("labError shows %1").arg(labError_->text());
        return false;
    }
    if (!txtLoc_->text().isEmpty() && !kLocatorPattern.match(txtLoc_->text()).hasMatch()) {
        why = QStringLiteral("txtLoc shows %1").arg(txtLoc_->text());
        return false;
    }
    const QString ngr = txtNGR_->text();
    if (calculated) {
        if (!ngr.isEmpty()) {
            why = QStringLiteral("Calculate leaves txtNGR %1").arg(ngr);
            return false;
        }
        return true;
    }
    if (ngr == ngrBefore) {
        return true;
    }
    // txtNGR changed: its handler ran last, so the window shows its answer.
    const std::string text = ngr.toStdString();
    if (runtime::Length(text) < kGridReferenceLength) {
        if (!labError_->text().isEmpty() || !txtLoc_->text().isEmpty()) {
            why = QStringLiteral("a short grid reference leaves a message or locator");
            return false;
        }
        return true;
    }
    double latitude = 0;
    double longitude = 0;
    std::int16_t result = Module1::kValid;
    Module1::ConvertNGR(text, latitude, longitude, result);
    if (result != Module1::kValid) {
        if (labError_->text() != QLatin1String("Invalid NGR") || !txtLoc_->text().isEmpty()) {
            why = QStringLiteral("an invalid grid reference is not reported");
            return false;
        }
        return true;
    }
    std::string locator;
    Module1::CalcLocator(latitude, longitude, locator);
    const QString expected =
        QStringLiteral("%1 %2 %3")
            .arg(QString::fromStdString(runtime::FormatThreeDecimals(latitude, kDecimalSeparator)),
                 QString::fromStdString(runtime::FormatThreeDecimals(longitude, kDecimalSeparator)),
                 QString::fromStdString(locator));
    const QString shown =
        QStringLiteral("%1 %2 %3").arg(latin_->text(), lonin_->text(), txtLoc_->text());
    if (shown != expected || !labError_->text().isEmpty()) {
        why = QStringLiteral("%1 shows %2 (message '%3'), expected %4")
                  .arg(ngr, shown, labError_->text(), expected);
        return false;
    }
    ++referencesShown_;
    return true;
}

QTEST_MAIN(frmQuorSoakTest)
#include "frmQuorSoakTest.moc"
