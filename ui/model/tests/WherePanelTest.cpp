#include "ui/model/WherePanel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace ui {
// As a failed expectation shows it.
void PrintTo(const PanelView& v, std::ostream* out) {
    *out << '{' << v.grid << " | " << v.latLon << " | " << v.locator << " | " << v.wab << " | "
         << v.note << " | " << v.message << '}';
}
}  // namespace ui

namespace {

using ui::PanelView;

// Inputs as people type and paste them, with the shifts at hand and while they load: the
// National Grid waits for them, the Irish Grid, UTM 30 and the open sea do not.
TEST(WherePanel, AnswersEveryKindOfText) {
    const struct {
        const char* text;
        bool shiftsReady;
        PanelView view;
    } kCases[] = {
        {"NC477501",
         true,
         {"NC4775050150 (National Grid)", "58.413105, -4.607862", "IO78QJ 79BD", "NC45",
          "For NC477501 the window above shows IO78QK; the true locator is IO78QJ.", ""}},
        {" nn 166 712\t",
         true,
         {"NN1665071250 (National Grid)", "56.796540, -5.003917", "IO76LT 91ME", "NN17", "", ""}},
        {"NC477501", false, {.message = std::string(ui::kShiftsLoading)}},
        {"56.7969 -5.0036", false, {.message = std::string(ui::kShiftsLoading)}},
        {"J 338 742",
         false,
         {"J3385074250 (Irish Grid)", "54.598753, -5.929691", "IO74AO 83KQ", "J37", "", ""}},
        {"49.1868 -2.1065",
         false,
         {"WV6510748606 (UTM 30)", "49.186800, -2.106500", "IN89WE 74FT", "WV64", "", ""}},
        {"IO78qj",
         true,
         {"NC4667448266 (National Grid)", "58.395833, -4.625000", "IO78QJ 55AA", "NC44", "", ""}},
        {"5130.22N/00007.63W",
         true,
         {"TQ3008179965 (National Grid)", "51.503667, -0.127167", "IO91WM 40RV", "TQ37", "", ""}},
        {"0 0", false, {"on no grid", "0.000000, 0.000000", "JJ00AA 00AA", "", "", ""}},
        {"NC477",
         true,
         {.message = "bad grid reference: '477' has 3 digits, which do not split into easting "
                     "and northing: a grid reference has 0, 2, 4, 6, 8 or 10"}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ui::AnswerText(c.text, c.shiftsReady), c.view) << c.text;
}

// A fix: its reference to the figures its accuracy allows, and whereAccuracy.
TEST(WherePanel, FollowsTheFixAndItsAccuracy) {
    const PanelView nevis = ui::AnswerFix(56.796849, -5.003508, 4, true);
    EXPECT_EQ(nevis.grid, "NN16677128 (National Grid)");
    EXPECT_EQ(nevis.wab, "NN17");
    EXPECT_EQ(ui::AnswerFix(56.796849, -5.003508, 4, false).message, ui::kShiftsLoading);
    for (const auto& [accuracy, digits] :
         {std::pair{0.5, 10}, {1.0, 10}, {1.01, 8}, {10.0, 8}, {99.9, 6}, {600.0, 4}, {NAN, 4}})
        EXPECT_EQ(ui::DigitsForAccuracy(accuracy), digits) << accuracy;
    EXPECT_EQ(ui::AccuracyText(4), "\u00B14 m");
    EXPECT_EQ(ui::AccuracyText(3.2), "\u00B14 m");
    EXPECT_EQ(ui::FixFaultText(ui::FixFault::kNoFix),
              "No position: the phone found no fix within 30 s.");
}

}  // namespace
