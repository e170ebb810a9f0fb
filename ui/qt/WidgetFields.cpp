#include "WidgetFields.hpp"

#include <QAccessible>

namespace ui {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

WidgetFields::WidgetFields(QLineEdit& txtNGR, QLineEdit& txtLoc, QLineEdit& latin, QLineEdit& lonin,
                           QLabel& labError)
    : txtNGR_(txtNGR), txtLoc_(txtLoc), latin_(latin), lonin_(lonin), labError_(labError) {}

std::string WidgetFields::Text(Field field) const {
    switch (field) {
        case Field::txtNGR:
            return txtNGR_.text().toStdString();
        case Field::txtLoc:
            return txtLoc_.text().toStdString();
        case Field::latin:
            return latin_.text().toStdString();
        case Field::lonin:
            return lonin_.text().toStdString();
        case Field::labError:
            return labError_.text().toStdString();
    }
    return {};
}

void WidgetFields::SetText(Field field, std::string_view text) {
    const QString qtext = FromUtf8(text);
    switch (field) {
        case Field::txtNGR:
            txtNGR_.setText(qtext);
            return;
        case Field::txtLoc:
            txtLoc_.setText(qtext);
            return;
        case Field::latin:
            latin_.setText(qtext);
            return;
        case Field::lonin:
            lonin_.setText(qtext);
            return;
        case Field::labError:
            if (labError_.text() == qtext) {
                return;
            }
            labError_.setText(qtext);
            // A message appearing is news a screen reader should speak, wherever the focus is.
            if (!qtext.isEmpty()) {
                QAccessibleEvent alert(&labError_, QAccessible::Alert);
                QAccessible::updateAccessibility(&alert);
            }
            return;
    }
}

}  // namespace ui
