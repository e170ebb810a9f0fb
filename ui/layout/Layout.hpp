#pragma once

// The window's fixed design, the same in every front end: where each control sits, what it
// says and how (kind, alignment, weight, colour), the keyboard order, and the font and how
// it is found. It is data, not toolkit calls: each front end turns it into its own controls.
//
// The design is measured in twips, 1/1440 inch: 15 twips make one pixel at 96 dots per inch
// (Qt's device-independent pixel, Windows at 100 % scaling, and a CSS pixel).

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui::layout {

inline constexpr int kTwipsPerInch = 1440;
// The dots per inch at which one pixel is one device-independent pixel.
inline constexpr int kStandardDpi = 96;

// A rectangle of the design: left, top, width and height in twips. Controls inside Frame1
// are placed relative to the frame's top-left corner.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// A rectangle in pixels.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// `twips` (0 or more) in whole pixels at `dpi`, to the nearest pixel, halves rounded up.
constexpr int Pixels(int twips, int dpi = kStandardDpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Each side rounded on its own, so that controls of equal sizes stay equal.
constexpr PixelRect Pixels(TwipRect r, int dpi = kStandardDpi) {
    return {Pixels(r.left, dpi), Pixels(r.top, dpi), Pixels(r.width, dpi), Pixels(r.height, dpi)};
}

// What a control is; each front end makes it of its toolkit's own kind.
enum class Kind { kLabel, kTextBox, kButton, kFrame };

// Where a label's text sits across its rectangle. A label's text is one line, centred
// vertically like the text in the boxes beside it.
enum class Alignment { kLeft, kCentre, kRight };

// A colour by its red, green and blue, 0 to 255 each.
struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kPureRed{255, 0, 0};

// One control: its name (the same in every front end), its kind, its place and its caption
// (the label's text, the button's text or the frame's title; empty for text boxes and the
// message line, whose texts are the window's fields), whether it lies in Frame1, and how its
// text is drawn: a label's alignment, bold or regular, and its colour (none: the system's
// colour for text).
struct ControlDesign {
    std::string_view name;
    Kind kind;
    TwipRect place;
    std::string_view caption = {};
    bool inFrame = false;
    Alignment alignment = Alignment::kLeft;
    bool bold = false;
    std::optional<Colour> colour = std::nullopt;
};

inline constexpr std::string_view kTitle = "Quorvane NGR by Q9ZXQ";
// The client area: 4032 x 3000 twips, 269 x 200 pixels at 96 dpi.
inline constexpr TwipRect kClientArea{0, 0, 4032, 3000};

inline constexpr ControlDesign kLabel1{.name = "Label1",
                                       .kind = Kind::kLabel,
                                       .place = {120, 240, 2175, 255},
                                       .caption = "National Grid Reference",
                                       .alignment = Alignment::kRight,
                                       .bold = true};
inline constexpr ControlDesign kTxtNGR{
    .name = "txtNGR", .kind = Kind::kTextBox, .place = {2400, 240, 1335, 285}};
// The message line, in pure red.
inline constexpr ControlDesign kLabError{.name = "labError",
                                         .kind = Kind::kLabel,
                                         .place = {240, 480, 2055, 255},
                                         .alignment = Alignment::kCentre,
                                         .colour = kPureRed};
inline constexpr ControlDesign kLabel2{.name = "Label2",
                                       .kind = Kind::kLabel,
                                       .place = {240, 840, 2055, 255},
                                       .caption = "IARU Locator",
                                       .alignment = Alignment::kRight,
                                       .bold = true};
inline constexpr ControlDesign kTxtLoc{
    .name = "txtLoc", .kind = Kind::kTextBox, .place = {2400, 840, 1335, 285}};
inline constexpr ControlDesign kCmdQuit{
    .name = "cmdQuit", .kind = Kind::kButton, .place = {3000, 1320, 735, 252}, .caption = "Quit"};
inline constexpr ControlDesign kFrame1{.name = "Frame1",
                                       .kind = Kind::kFrame,
                                       .place = {120, 1680, 3732, 1212},
                                       .caption = "Lat-Long"};
// In Frame1, placed relative to its top-left corner:
inline constexpr ControlDesign kLabel3{.name = "Label3",
                                       .kind = Kind::kLabel,
                                       .place = {240, 360, 372, 252},
                                       .caption = "Lat",
                                       .inFrame = true};
inline constexpr ControlDesign kLatin{
    .name = "latin", .kind = Kind::kTextBox, .place = {720, 360, 1095, 285}, .inFrame = true};
inline constexpr ControlDesign kLabel4{.name = "Label4",
                                       .kind = Kind::kLabel,
                                       .place = {240, 720, 372, 252},
                                       .caption = "Lon",
                                       .inFrame = true};
inline constexpr ControlDesign kLonin{
    .name = "lonin", .kind = Kind::kTextBox, .place = {720, 720, 1095, 285}, .inFrame = true};
inline constexpr ControlDesign kLatlon{.name = "latlon",
                                       .kind = Kind::kButton,
                                       .place = {2160, 720, 852, 252},
                                       .caption = "Calculate",
                                       .inFrame = true};

// Every control, in the order above.
inline constexpr std::array<const ControlDesign*, 12> kControls = {
    &kLabel1, &kTxtNGR, &kLabError, &kLabel2, &kTxtLoc, &kCmdQuit,
    &kFrame1, &kLabel3, &kLatin,    &kLabel4, &kLonin,  &kLatlon};

inline constexpr std::string_view kTxtNGRToolTip = "Enter full NGR";

// The keyboard order, where the focus starts first. The longitude box comes before the
// latitude box, as it always has. Labels and the frame take no focus.
inline constexpr std::array<const ControlDesign*, 6> kFocusOrder = {&kTxtNGR, &kTxtLoc, &kCmdQuit,
                                                                    &kLatlon, &kLonin,  &kLatin};

// The font: one family at 8 points for every control, bold (weight 700) where the design
// says. The design's bold labels were 7.8 points, which the same family at 8 points bold fills
// alike. Where no family of kFontFamilies is installed, or the captions do not fit in one, the
// system's own font for dialog text shrinks in half points from 8, but never below 6, where
// text stops being legible.
inline constexpr double kPointSize = 8;
inline constexpr double kPointSizeStep = 0.5;
inline constexpr double kSmallestPointSize = 6;
inline constexpr int kBoldWeight = 700;

// The families the window is drawn in, best first: the outline font of the classic Windows
// dialogs, then those with the metrics of Arial, for which the design was drawn elsewhere.
inline constexpr std::array<std::string_view, 4> kFontFamilies = {
    "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"};

// Whether every caption of the design (each control's with one) fits whole in its control:
// `fits(control)` measures one, in the front end's own font and with its control's borders.
template <typename Fits>
[[nodiscard]] bool EveryCaptionFits(Fits fits) {
    return std::all_of(kControls.begin(), kControls.end(), [&](const ControlDesign* control) {
        return control->caption.empty() || fits(*control);
    });
}

// A font of the window: a family at a size.
struct FontChoice {
    // One of the families searched; empty for the system's own font for dialog text.
    std::string_view family;
    double pointSize = kPointSize;
};

// The font search of every front end: the first of `families` that `installed(family)` finds
// and in which `captionsFit(choice)` says every caption fits (EveryCaptionFits), at
// kPointSize; otherwise the system's font at the largest size from kPointSize down in steps
// of kPointSizeStep at which every caption fits, or at the smallest size tried when none does.
template <typename Installed, typename CaptionsFit>
[[nodiscard]] FontChoice ChooseFont(std::span<const std::string_view> families, Installed installed,
                                    CaptionsFit captionsFit) {
    for (const std::string_view family : families) {
        if (installed(family) && captionsFit(FontChoice{family, kPointSize})) {
            return {family, kPointSize};
        }
    }
    FontChoice system{{}, kPointSize};
    while (!captionsFit(system) && system.pointSize - kPointSizeStep >= kSmallestPointSize) {
        system.pointSize -= kPointSizeStep;
    }
    return system;
}

}  // namespace ui::layout
