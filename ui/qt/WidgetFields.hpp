#pragma once

// The window's fields as the texts of its Qt controls.

#include <QLabel>
#include <QLineEdit>

#include "ui/model/WindowFields.hpp"

namespace ui {

// Reads and writes the fields straight from and to the controls, so what the handlers
// write is on screen at once. Setting txtNGR's text runs the Change handler through the
// box's textChanged signal, which Qt emits synchronously and only when the text changes.
class WidgetFields final : public WindowFields {
  public:
    WidgetFields(QLineEdit& txtNGR, QLineEdit& txtLoc, QLineEdit& latin, QLineEdit& lonin,
                 QLabel& labError);

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, std::string_view text) override;

  private:
    QLineEdit& txtNGR_;
    QLineEdit& txtLoc_;
    QLineEdit& latin_;
    QLineEdit& lonin_;
    QLabel& labError_;
};

}  // namespace ui
