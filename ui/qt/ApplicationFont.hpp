#pragma once

// The one font the window is drawn with.

#include <QFont>
#include <span>
#include <string_view>

#include "ui/layout/Layout.hpp"

namespace ui {

// The font for every control, as the design's search (layout::ChooseFont) finds it among
// `families`, the system's general font standing for the system's own. Needs the
// application object and its style.
[[nodiscard]] QFont ChooseApplicationFont(
    std::span<const std::string_view> families = layout::kFontFamilies);

// Whether every caption of the window, drawn in `font` (bold where the design says), fits
// within its control with the current style's padding.
[[nodiscard]] bool CaptionsFit(const QFont& font);

// `font` made bold, as the design's bold controls are.
[[nodiscard]] QFont Bold(QFont font);

}  // namespace ui
