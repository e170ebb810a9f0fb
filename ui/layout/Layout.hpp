#pragma once

// The window's fixed design, the same in every front end: where each control sits, what it
// says, the keyboard order and the font size.
//
// The design is measured in twips, 1/1440 inch: 15 twips make one pixel at 96 dots per inch
// (Qt's device-independent pixel, and Windows at 100 % scaling).

#include <array>
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

// One control: its name (the same in every front end), its place and its caption (the
// label's text, the button's text or the frame's title; empty for text boxes and the
// message line, whose texts are the window's fields).
struct ControlDesign {
    std::string_view name;
    TwipRect place;
    std::string_view caption;
};

inline constexpr std::string_view kTitle = "Quorvane NGR by Q9ZXQ";
// The client area: 4032 x 3000 twips, 269 x 200 pixels at 96 dpi.
inline constexpr TwipRect kClientArea{0, 0, 4032, 3000};

inline constexpr ControlDesign kLabel1{"Label1", {120, 240, 2175, 255}, "National Grid Reference"};
inline constexpr ControlDesign kTxtNGR{"txtNGR", {2400, 240, 1335, 285}, ""};
inline constexpr ControlDesign kLabError{"labError", {240, 480, 2055, 255}, ""};
inline constexpr ControlDesign kLabel2{"Label2", {240, 840, 2055, 255}, "IARU Locator"};
inline constexpr ControlDesign kTxtLoc{"txtLoc", {2400, 840, 1335, 285}, ""};
inline constexpr ControlDesign kCmdQuit{"cmdQuit", {3000, 1320, 735, 252}, "Quit"};
inline constexpr ControlDesign kFrame1{"Frame1", {120, 1680, 3732, 1212}, "Lat-Long"};
// In Frame1:
inline constexpr ControlDesign kLabel3{"Label3", {240, 360, 372, 252}, "Lat"};
inline constexpr ControlDesign kLatin{"latin", {720, 360, 1095, 285}, ""};
inline constexpr ControlDesign kLabel4{"Label4", {240, 720, 372, 252}, "Lon"};
inline constexpr ControlDesign kLonin{"lonin", {720, 720, 1095, 285}, ""};
inline constexpr ControlDesign kLatlon{"latlon", {2160, 720, 852, 252}, "Calculate"};

inline constexpr std::string_view kTxtNGRToolTip = "Enter full NGR";

// The keyboard order, where the focus starts first. The longitude box comes before the
// latitude box, as it always has. Labels and the frame take no focus.
inline constexpr std::array<const ControlDesign*, 6> kFocusOrder = {&kTxtNGR, &kTxtLoc, &kCmdQuit,
                                                                    &kLatlon, &kLonin,  &kLatin};

// The font: 8 points, bold (weight 700) for Label1 and Label2. The design's bold labels
// were 7.8 points, which the same family at 8 points bold fills alike. Where the captions
// do not fit in the preferred family, the fallback font shrinks in half points from 8, but
// never below 6, where text stops being legible.
inline constexpr double kPointSize = 8;
inline constexpr double kPointSizeStep = 0.5;
inline constexpr double kSmallestPointSize = 6;
inline constexpr int kBoldWeight = 700;

}  // namespace ui::layout
