#include "ApplicationFont.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "Layout.hpp"

namespace ui {
namespace {

// The design's font was 8 points; its bold labels were 7.8 points, which the same family
// at 8 points bold fills alike.
constexpr qreal kDesignPointSize = 8;
// The fallback shrinks in half points, but never below this, where text stops being legible.
constexpr qreal kPointSizeStep = 0.5;
constexpr qreal kSmallestPointSize = 6;

// The width `text` takes in `metrics`, counting glyphs that overhang their advance.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

bool LabelFits(const QFontMetrics& metrics, const QString& caption, layout::TwipRect place) {
    const QRect box = layout::Pixels(place);
    return TextWidth(metrics, caption) <= box.width() && metrics.height() <= box.height();
}

bool ButtonFits(const QFontMetrics& metrics, const QString& caption, layout::TwipRect place) {
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), layout::Pixels(place).size());
    option.text = caption;
    option.fontMetrics = metrics;
    const QRect contents =
        QApplication::style()->subElementRect(QStyle::SE_PushButtonContents, &option, nullptr);
    return TextWidth(metrics, caption) <= contents.width() && metrics.height() <= contents.height();
}

}  // namespace

QFont Bold(QFont font) {
    font.setWeight(QFont::Bold);
    return font;
}

bool CaptionsFit(const QFont& font) {
    const QFontMetrics regular(font);
    const QFontMetrics bold(Bold(font));
    return LabelFits(bold, layout::kLabel1Caption, layout::kLabel1) &&
           LabelFits(bold, layout::kLabel2Caption, layout::kLabel2) &&
           LabelFits(regular, layout::kLabel3Caption, layout::kLabel3) &&
           LabelFits(regular, layout::kLabel4Caption, layout::kLabel4) &&
           ButtonFits(regular, layout::kCmdQuitCaption, layout::kCmdQuit) &&
           ButtonFits(regular, layout::kLatlonCaption, layout::kLatlon);
}

QFont ChooseApplicationFont(const QStringList& families) {
    for (const QString& family : families) {
        if (!QFontDatabase::hasFamily(family)) {
            continue;
        }
        QFont font(family);
        font.setPointSizeF(kDesignPointSize);
        if (CaptionsFit(font)) {
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(kDesignPointSize);
    while (!CaptionsFit(font) && font.pointSizeF() - kPointSizeStep >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
    }
    return font;
}

}  // namespace ui
