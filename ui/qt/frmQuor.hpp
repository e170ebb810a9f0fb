#pragma once

// The Quorvane window.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QWidget>

#include "WidgetFields.hpp"
#include "ui/model/WindowHandlers.hpp"

// The one window: the grid reference and locator rows, the red message line, Quit, and the
// "Lat-Long" frame with Calculate, at fixed places and a fixed size. Typing in txtNGR,
// Calculate and Quit run the window's handlers; closing the window or Quit ends the program
// (the application quits when its last window closes). Numbers are shown and read with
// `locale`'s decimal separator.
class frmQuor final : public QWidget {
    Q_OBJECT

  public:
    explicit frmQuor(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

  private:
    // Declared in the order they are built; children after their frame, so that they are
    // destroyed before it.
    QLabel Label1{this};
    QLineEdit txtNGR{this};
    QLabel labError{this};
    QLabel Label2{this};
    QLineEdit txtLoc{this};
    QPushButton cmdQuit{this};
    QGroupBox Frame1{this};
    QLabel Label3{&Frame1};
    QLineEdit latin{&Frame1};
    QLabel Label4{&Frame1};
    QLineEdit lonin{&Frame1};
    QPushButton latlon{&Frame1};

    ui::WidgetFields fields_{txtNGR, txtLoc, latin, lonin, labError};
    ui::WindowHandlers handlers_;
};
