#include "ui/model/WindowModel.hpp"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using ui::Field;

}  // namespace

namespace ui {
// Names the field in failure messages.
void PrintTo(Field field, std::ostream* out) {
    static constexpr std::array kNames = {"txtNGR", "txtLoc", "latin", "lonin", "labError"};
    *out << kNames.at(static_cast<std::size_t>(field));
}
}  // namespace ui

namespace {

// The window model, with every write recorded in order.
class RecordingModel : public ui::WindowModel {
  public:
    explicit RecordingModel(std::string decimalSeparator = ".")
        : WindowModel(std::move(decimalSeparator), [this] { ++endRequests; }) {}

    void SetText(Field field, std::string_view text) override {
        writes.emplace_back(field, std::string(text));
        WindowModel::SetText(field, text);
    }

    // The user types `text` one character at a time at the end of the grid reference box.
    void Type(std::string_view text) {
        for (const char c : text) {
            SetText(Field::txtNGR, Text(Field::txtNGR) + c);
        }
    }

    // The user sets the position boxes and presses Calculate.
    void Calculate(std::string_view latitude, std::string_view longitude) {
        SetText(Field::latin, latitude);
        SetText(Field::lonin, longitude);
        writes.clear();
        Handlers().ClickLatlon();
    }

    std::vector<std::pair<Field, std::string>> writes;
    int endRequests = 0;
};

struct Shown {
    std::string txtNGR, txtLoc, latin, lonin, labError;
    bool operator==(const Shown&) const = default;
};

Shown ShownBy(const ui::WindowModel& model) {
    return {model.Text(Field::txtNGR), model.Text(Field::txtLoc), model.Text(Field::latin),
            model.Text(Field::lonin), model.Text(Field::labError)};
}

TEST(WindowModel, StartsEmpty) {
    const RecordingModel model;
    EXPECT_EQ(ShownBy(model), Shown{});
}

TEST(ChangeTxtNGR, NothingUntilTheEighthCharacterThenTheAnswer) {
    RecordingModel model;
    model.Type("TQ30080");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ30080", "", "", "", ""}));

    model.Type("0");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ300800", "IO91WM", "51.503", "-.127", ""}));
}

TEST(ChangeTxtNGR, WritesInOrder) {
    RecordingModel model;
    model.Type("SU00050");
    model.writes.clear();
    model.Handlers().ChangeTxtNGR();
    const std::vector<std::pair<Field, std::string>> shortText = {{Field::txtLoc, ""},
                                                                  {Field::labError, ""}};
    EXPECT_EQ(model.writes, shortText);

    model.writes.clear();
    model.Type("0");
    const std::vector<std::pair<Field, std::string>> valid = {
        {Field::txtNGR, "SU000500"}, {Field::labError, ""}, {Field::txtLoc, "IO91AF"},
        {Field::lonin, "-2."},  // the pattern keeps the point with no decimals
        {Field::latin, "51.248"},
    };
    EXPECT_EQ(model.writes, valid);

    model.writes.clear();
    model.Type("1");
    const std::vector<std::pair<Field, std::string>> invalid = {
        {Field::txtNGR, "SU0005001"}, {Field::labError, "Invalid NGR"}, {Field::txtLoc, ""}};
    EXPECT_EQ(model.writes, invalid);
}

TEST(ChangeTxtNGR, InvalidReferenceKeepsThePositionUntilShortened) {
    RecordingModel model;
    model.Type("TQ3008009");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ3008009", "", "51.503", "-.127", "Invalid NGR"}));

    model.SetText(Field::txtNGR, "TQ30080");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ30080", "", "51.503", "-.127", ""}));

    for (const std::string_view bad : {"TQ30080X", "HP123456", "TI123456", "TQ 300800"}) {
        model.SetText(Field::txtNGR, bad);
        EXPECT_EQ(model.Text(Field::labError), "Invalid NGR") << bad;
        EXPECT_EQ(model.Text(Field::txtLoc), "") << bad;
        EXPECT_EQ(model.Text(Field::latin), "51.503") << bad;
    }

    // However long the text, the answer is the same message.
    model.SetText(Field::txtNGR, std::string(100'000, '7'));
    EXPECT_EQ(model.Text(Field::labError), "Invalid NGR");
}

TEST(ChangeTxtNGR, PastingEqualsTyping) {
    for (const std::string_view ngr : {"TQ300800", "nn166712", "SU000500", "TQ30080X"}) {
        RecordingModel typed;
        typed.Type(ngr);
        RecordingModel pasted;
        pasted.SetText(Field::txtNGR, ngr);
        EXPECT_EQ(ShownBy(typed), ShownBy(pasted)) << ngr;
    }
}

TEST(ChangeTxtNGR, LocatorComesFromTheUnroundedPosition) {
    // TQ014651 lies at 51.374959 N, just south of the subsquare edge at 51.375 that its
    // three shown decimals reach.
    RecordingModel model;
    model.SetText(Field::txtNGR, "TQ014651");
    EXPECT_EQ(model.Text(Field::latin), "51.375");
    EXPECT_EQ(model.Text(Field::txtLoc), "IO91RI");

    // Calculate on the shown numbers lands in the next subsquare north.
    model.Handlers().ClickLatlon();
    EXPECT_EQ(model.Text(Field::txtLoc), "IO91RJ");
}

TEST(ChangeTxtNGR, ShowsTheLocalesDecimalSeparator) {
    RecordingModel model(",");
    model.SetText(Field::txtNGR, "TQ300800");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ300800", "IO91WM", "51,503", "-,127", ""}));
}

TEST(ClickLatlon, EmptiesTheGridReferenceAndShowsTheLocator) {
    RecordingModel model;
    model.SetText(Field::txtNGR, "TQ300800");
    model.Calculate("52", "-2");
    const std::vector<std::pair<Field, std::string>> writes = {
        {Field::txtNGR, ""},    // runs the Change handler:
        {Field::txtLoc, ""},    //
        {Field::labError, ""},  //
        {Field::labError, ""},  // then Calculate's own answer
        {Field::txtLoc, "IO92AA"},
    };
    EXPECT_EQ(model.writes, writes);
    EXPECT_EQ(ShownBy(model), (Shown{"", "IO92AA", "52", "-2", ""}));
}

TEST(ClickLatlon, LeavesTheTypedNumbersAsTyped) {
    RecordingModel model;
    model.Calculate(" 51.5 ", "-0.1");
    EXPECT_EQ(ShownBy(model), (Shown{"", "IO91WM", " 51.5 ", "-0.1", ""}));
}

TEST(ClickLatlon, RangeLimitsHaveLocators) {
    RecordingModel model;
    model.Calculate("90", "180");
    EXPECT_EQ(model.Text(Field::txtLoc), "AR09AX");
    model.Calculate("-90", "-180");
    EXPECT_EQ(model.Text(Field::txtLoc), "AA00AA");
}

TEST(ClickLatlon, ReportsWhatIsNotAPositionLatitudeFirst) {
    struct Case {
        std::string_view latitude, longitude, message;
    };
    for (const Case& c : {
             Case{"abc", "-2", "Invalid latitude"},
             Case{"", "-2", "Invalid latitude"},
             Case{"91", "-2", "Invalid latitude"},
             Case{"-90.0001", "0", "Invalid latitude"},
             Case{"1e999", "0", "Invalid latitude"},
             Case{"abc", "abc", "Invalid latitude"},
             Case{"52", "abc", "Invalid longitude"},
             Case{"52", "", "Invalid longitude"},
             Case{"52", "180.5", "Invalid longitude"},
             Case{"52", "-181", "Invalid longitude"},
         }) {
        RecordingModel model;
        model.SetText(Field::txtNGR, "TQ300800");
        model.Calculate(c.latitude, c.longitude);
        EXPECT_EQ(ShownBy(model), (Shown{"", "", std::string(c.latitude), std::string(c.longitude),
                                         std::string(c.message)}))
            << c.latitude << " " << c.longitude;
    }
}

TEST(ClickLatlon, ClearsAnEarlierAnswerWhenTheGridReferenceWasAlreadyEmpty) {
    RecordingModel model;
    model.Calculate("52", "-2");
    model.Calculate("52", "x");
    EXPECT_EQ(ShownBy(model), (Shown{"", "", "52", "x", "Invalid longitude"}));

    model.Calculate("52", "-2");
    EXPECT_EQ(ShownBy(model), (Shown{"", "IO92AA", "52", "-2", ""}));

    // And the window keeps working for grid references.
    model.Type("TQ300800");
    EXPECT_EQ(ShownBy(model), (Shown{"TQ300800", "IO91WM", "51.503", "-.127", ""}));
}

TEST(ClickLatlon, ReadsTheLocalesDecimalSeparator) {
    RecordingModel model(",");
    model.Calculate("52,5", "-2");
    EXPECT_EQ(model.Text(Field::txtLoc), "IO92AM");
    model.Calculate("52.5", "-2");
    EXPECT_EQ(model.Text(Field::labError), "Invalid latitude");
}

TEST(ClickCmdQuit, AsksToEndTheProgramOnce) {
    RecordingModel model;
    model.Handlers().ClickCmdQuit();
    EXPECT_EQ(model.endRequests, 1);
    EXPECT_TRUE(model.writes.empty());
}

}  // namespace
