#pragma once

// Finding the window's controls by their object names, as the tests see them.

#include <QByteArray>
#include <QWidget>
#include <stdexcept>

// The child of `window` of type T named `name`; throws when there is none, which fails the
// test that asked.
template <typename T>
T& Control(const QWidget& window, const char* name) {
    T* const control = window.findChild<T*>(QLatin1String(name));
    if (control == nullptr) {
        throw std::runtime_error(QByteArray("no control named ").append(name).toStdString());
    }
    return *control;
}
