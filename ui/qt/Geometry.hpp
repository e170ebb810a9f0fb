#pragma once

// The window's design (ui/layout/Layout.hpp) in Qt's types. Qt measures in device-independent
// pixels of 1/96 inch and scales them itself on high-density screens.

#include <QRect>
#include <QString>
#include <string_view>

#include "ui/layout/Layout.hpp"

namespace ui::layout {

inline QRect ToQRect(TwipRect place) {
    const PixelRect r = Pixels(place);
    return {r.left, r.top, r.width, r.height};
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui::layout
