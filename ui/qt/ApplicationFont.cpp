#include "ApplicationFont.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

#include "Geometry.hpp"

namespace ui {
namespace {

// The width `text` takes in `metrics`, counting glyphs that overhang their advance.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

// Whether `design`'s caption fits in `metrics` within its control: a label's rectangle, a
// button's contents less its style's padding, a frame's title place inside the frame.
bool Fits(const QFontMetrics& metrics, const layout::ControlDesign& design) {
    const QRect box(QPoint(0, 0), layout::ToQRect(design.place).size());
    const QString caption = layout::ToQString(design.caption);
    const int width = TextWidth(metrics, caption);
    switch (design.kind) {
        case layout::Kind::kButton: {
            QStyleOptionButton option;
            option.rect = box;
            option.text = caption;
            option.fontMetrics = metrics;
            const QRect contents = QApplication::style()->subElementRect(
                QStyle::SE_PushButtonContents, &option, nullptr);
            return width <= contents.width() && metrics.height() <= contents.height();
        }
        case layout::Kind::kFrame: {
            QStyleOptionGroupBox option;
            option.rect = box;
            option.text = caption;
            option.fontMetrics = metrics;
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect title = QApplication::style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, nullptr);
            return width <= title.width() && box.contains(title);
        }
        case layout::Kind::kLabel:
        case layout::Kind::kTextBox:
            break;
    }
    return width <= box.width() && metrics.height() <= box.height();
}

}  // namespace

QFont Bold(QFont font) {
    font.setWeight(static_cast<QFont::Weight>(layout::kBoldWeight));
    return font;
}

bool CaptionsFit(const QFont& font) {
    const QFontMetrics regular(font);
    const QFontMetrics bold(Bold(font));
    return layout::EveryCaptionFits([&](const layout::ControlDesign& design) {
        return Fits(design.bold ? bold : regular, design);
    });
}

QFont ChooseApplicationFont(std::span<const std::string_view> families) {
    const auto font = [](const layout::FontChoice& choice) {
        QFont chosen = choice.family.empty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                             : QFont(layout::ToQString(choice.family));
        chosen.setPointSizeF(choice.pointSize);
        return chosen;
    };
    return font(layout::ChooseFont(
        families,
        [](std::string_view family) { return QFontDatabase::hasFamily(layout::ToQString(family)); },
        [&](const layout::FontChoice& choice) { return CaptionsFit(font(choice)); }));
}

}  // namespace ui
