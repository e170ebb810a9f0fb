#include "ApplicationFont.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "Geometry.hpp"

namespace ui {
namespace {

// The width `text` takes in `metrics`, counting glyphs that overhang their advance.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

bool LabelFits(const QFontMetrics& metrics, const layout::ControlDesign& label) {
    const QRect box = layout::ToQRect(label.place);
    const QString caption = layout::ToQString(label.caption);
    return TextWidth(metrics, caption) <= box.width() && metrics.height() <= box.height();
}

bool ButtonFits(const QFontMetrics& metrics, const layout::ControlDesign& button) {
    const QString caption = layout::ToQString(button.caption);
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), layout::ToQRect(button.place).size());
    option.text = caption;
    option.fontMetrics = metrics;
    const QRect contents =
        QApplication::style()->subElementRect(QStyle::SE_PushButtonContents, &option, nullptr);
    return TextWidth(metrics, caption) <= contents.width() && metrics.height() <= contents.height();
}

}  // namespace

QFont Bold(QFont font) {
    font.setWeight(static_cast<QFont::Weight>(layout::kBoldWeight));
    return font;
}

bool CaptionsFit(const QFont& font) {
    const QFontMetrics regular(font);
    const QFontMetrics bold(Bold(font));
    return LabelFits(bold, layout::kLabel1) && LabelFits(bold, layout::kLabel2) &&
           LabelFits(regular, layout::kLabel3) && LabelFits(regular, layout::kLabel4) &&
           ButtonFits(regular, layout::kCmdQuit) && ButtonFits(regular, layout::kLatlon);
}

QFont ChooseApplicationFont(const QStringList& families) {
    for (const QString& family : families) {
        if (!QFontDatabase::hasFamily(family)) {
            continue;
        }
        QFont font(family);
        font.setPointSizeF(layout::kPointSize);
        if (CaptionsFit(font)) {
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(layout::kPointSize);
    while (!CaptionsFit(font) &&
           font.pointSizeF() - layout::kPointSizeStep >= layout::kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - layout::kPointSizeStep);
    }
    return font;
}

}  // namespace ui
