#pragma once

// The one font the window is drawn with.

#include <QFont>
#include <QStringList>

namespace ui {

// Families with the metrics the window was drawn for (those of Arial), best first.
inline const QStringList kDesignFamilies = {QStringLiteral("Liberation Sans"),
                                            QStringLiteral("Arimo"), QStringLiteral("Arial")};

// The font for every control: the first of `families` that is installed and in which every
// caption fits its control, at 8 points. When there is none, the system's general font at
// the largest size from 8 points down, in half points, at which every caption fits (or the
// smallest size tried, when none does). Needs the application object and its style.
[[nodiscard]] QFont ChooseApplicationFont(const QStringList& families = kDesignFamilies);

// Whether every caption and button text of the window, drawn in `font` (bold where the
// window makes it bold), fits within its control with the current style's padding.
[[nodiscard]] bool CaptionsFit(const QFont& font);

// `font` made bold, as the window's two main labels are.
[[nodiscard]] QFont Bold(QFont font);

}  // namespace ui
