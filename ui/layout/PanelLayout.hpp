#pragma once

// The design of the panel below the window on the web page, in the window's units, font and
// style (Layout.hpp): a frame like the window's Lat-Long frame, with the box that reads any
// place (txtWhere), the Here button that follows the phone's position, and the answer's
// fields. Each control's name is its element's id.

#include <array>

#include "ui/layout/Layout.hpp"

namespace ui::layout {

// The panel's area, as wide as the window's client area and directly below it.
inline constexpr TwipRect kPanelArea{0, 0, 4032, 3420};

inline constexpr ControlDesign kFrameWhere{.name = "FrameWhere",
                                           .kind = Kind::kFrame,
                                           .place = {120, 0, 3732, 3300},
                                           .caption = "Where: the Ordnance Survey's answer"};

// In FrameWhere, placed relative to its top-left corner: a row of 300 twips for each field,
// the labels in a column on the left as the frame's Lat and Lon are.
inline constexpr int kLabelLeft = 240;
inline constexpr int kLabelWidth = 700;
inline constexpr int kFieldLeft = 960;
inline constexpr int kFieldWidth = 2652;  // to 120 twips inside the frame's right edge
inline constexpr int kRowHeight = 252;

constexpr ControlDesign PanelLabel(std::string_view name, std::string_view caption, int top) {
    return {.name = name,
            .kind = Kind::kLabel,
            .place = {kLabelLeft, top, kLabelWidth, kRowHeight},
            .caption = caption,
            .inFrame = true};
}
constexpr ControlDesign PanelField(std::string_view name, int top) {
    return {.name = name,
            .kind = Kind::kLabel,
            .place = {kFieldLeft, top, kFieldWidth, kRowHeight},
            .inFrame = true};
}

inline constexpr ControlDesign kLabWhere = PanelLabel("labWhere", "Where", 360);
inline constexpr ControlDesign kTxtWhere{
    .name = "txtWhere", .kind = Kind::kTextBox, .place = {960, 360, 1812, 285}, .inFrame = true};
inline constexpr ControlDesign kCmdHere{.name = "cmdHere",
                                        .kind = Kind::kButton,
                                        .place = {2880, 360, 732, 252},
                                        .caption = "Here",
                                        .inFrame = true};
inline constexpr ControlDesign kLabGrid = PanelLabel("labGrid", "Grid", 720);
inline constexpr ControlDesign kWhereGrid = PanelField("whereGrid", 720);
inline constexpr ControlDesign kLabLatLon = PanelLabel("labLatLon", "Lat-Long", 1020);
inline constexpr ControlDesign kWhereLatLon = PanelField("whereLatLon", 1020);
inline constexpr ControlDesign kLabLocator = PanelLabel("labLocator", "Locator", 1320);
inline constexpr ControlDesign kWhereLocator = PanelField("whereLocator", 1320);
inline constexpr ControlDesign kLabWAB = PanelLabel("labWAB", "WAB", 1620);
inline constexpr ControlDesign kWhereWAB{
    .name = "whereWAB", .kind = Kind::kLabel, .place = {960, 1620, 780, 252}, .inFrame = true};
inline constexpr ControlDesign kLabAccuracy{.name = "labAccuracy",
                                            .kind = Kind::kLabel,
                                            .place = {1800, 1620, 960, 252},
                                            .caption = "Accuracy",
                                            .inFrame = true,
                                            .alignment = Alignment::kRight};
inline constexpr ControlDesign kWhereAccuracy{.name = "whereAccuracy",
                                              .kind = Kind::kLabel,
                                              .place = {2880, 1620, 732, 252},
                                              .inFrame = true};
// The note and the message take up to two and three lines, wrapped; the message in the
// window's red.
inline constexpr ControlDesign kWhereNote{
    .name = "whereNote", .kind = Kind::kLabel, .place = {240, 1920, 3372, 510}, .inFrame = true};
inline constexpr ControlDesign kWhereMessage{.name = "whereMessage",
                                             .kind = Kind::kLabel,
                                             .place = {240, 2460, 3372, 720},
                                             .inFrame = true,
                                             .colour = kPureRed};
inline constexpr std::array<const ControlDesign*, 2> kWrappedControls = {&kWhereNote,
                                                                         &kWhereMessage};

// Every control of the panel, in the order above.
inline constexpr std::array<const ControlDesign*, 16> kPanelControls = {
    &kFrameWhere,  &kLabWhere,      &kTxtWhere,   &kCmdHere,      &kLabGrid, &kWhereGrid,
    &kLabLatLon,   &kWhereLatLon,   &kLabLocator, &kWhereLocator, &kLabWAB,  &kWhereWAB,
    &kLabAccuracy, &kWhereAccuracy, &kWhereNote,  &kWhereMessage};

// The keyboard order, which continues after the window's.
inline constexpr std::array<const ControlDesign*, 2> kPanelFocusOrder = {&kTxtWhere, &kCmdHere};

}  // namespace ui::layout
