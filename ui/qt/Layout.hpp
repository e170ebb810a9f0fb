#pragma once

// The window's fixed design: where each control sits and what it says.
//
// The design is measured in twips, 1/1440 inch. Qt measures in device-independent pixels of
// 1/96 inch (it scales them on high-density screens), so 15 twips make one pixel.

#include <QRect>
#include <QString>

namespace ui::layout {

inline constexpr int kTwipsPerPixel = 15;

// A rectangle of the design: left, top, width and height in twips. Controls inside Frame1
// are placed relative to the frame's top-left corner.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// The nearest whole pixel.
constexpr int Pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect Pixels(TwipRect r) {
    return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)};
}

// The client area: 4032 x 3000 twips, 269 x 200 pixels.
inline constexpr TwipRect kClientArea{0, 0, 4032, 3000};

inline constexpr TwipRect kLabel1{120, 240, 2175, 255};
inline constexpr TwipRect kTxtNGR{2400, 240, 1335, 285};
inline constexpr TwipRect kLabError{240, 480, 2055, 255};
inline constexpr TwipRect kLabel2{240, 840, 2055, 255};
inline constexpr TwipRect kTxtLoc{2400, 840, 1335, 285};
inline constexpr TwipRect kCmdQuit{3000, 1320, 735, 252};
inline constexpr TwipRect kFrame1{120, 1680, 3732, 1212};
inline constexpr TwipRect kLabel3{240, 360, 372, 252};   // in Frame1
inline constexpr TwipRect kLatin{720, 360, 1095, 285};   // in Frame1
inline constexpr TwipRect kLabel4{240, 720, 372, 252};   // in Frame1
inline constexpr TwipRect kLonin{720, 720, 1095, 285};   // in Frame1
inline constexpr TwipRect kLatlon{2160, 720, 852, 252};  // in Frame1

inline const QString kTitle = QStringLiteral("Quorvane NGR by Q9ZXQ");
inline const QString kLabel1Caption = QStringLiteral("National Grid Reference");
inline const QString kLabel2Caption = QStringLiteral("IARU Locator");
inline const QString kLabel3Caption = QStringLiteral("Lat");
inline const QString kLabel4Caption = QStringLiteral("Lon");
inline const QString kCmdQuitCaption = QStringLiteral("Quit");
inline const QString kFrame1Caption = QStringLiteral("Lat-Long");
inline const QString kLatlonCaption = QStringLiteral("Calculate");
inline const QString kTxtNGRToolTip = QStringLiteral("Enter full NGR");

}  // namespace ui::layout
