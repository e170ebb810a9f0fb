#pragma once

// What the application carries before its window is built.

#include <QApplication>

namespace ui {

// Gives `app` the window's style and font, its name, version, desktop file name and icon. Call it
// before any widget exists, so that every control takes this font and not a desktop theme's.
//
// The style is Qt's own Fusion, whatever the desktop: the fixed layout leaves room only
// for thin control borders, which a desktop theme's style need not keep to.
void SetUpApplication(QApplication& app);

}  // namespace ui
