#include "WindowHandlers.hpp"

#include <cstdint>
#include <optional>
#include <utility>

#include "conversions/Module1.hpp"
#include "runtime/DecimalFormat.hpp"
#include "runtime/NumberReading.hpp"
#include "runtime/Text.hpp"

namespace ui {
namespace {

// The number `text` writes when it lies within -limit..limit.
std::optional<double> ReadCoordinate(std::string_view text, std::string_view decimalSeparator,
                                     double limit) {
    const std::optional<double> value = runtime::ReadNumber(text, decimalSeparator);
    if (!value || *value < -limit || *value > limit) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

WindowHandlers::WindowHandlers(WindowFields& fields, std::string decimalSeparator,
                               std::function<void()> endProgram)
    : fields_(fields),
      decimalSeparator_(std::move(decimalSeparator)),
      endProgram_(std::move(endProgram)) {}

void WindowHandlers::ChangeTxtNGR() {
    const std::string ngr = fields_.Text(Field::txtNGR);
    // A grid reference shorter than its eight characters is still being typed.
    if (runtime::Length(ngr) < Module1::kGridReferenceLength) {
        fields_.SetText(Field::txtLoc, "");
        fields_.SetText(Field::labError, "");
        return;
    }
    double latitude = 0;
    double longitude = 0;
    std::int16_t result = Module1::kValid;
    Module1::ConvertNGR(ngr, latitude, longitude, result);
    if (result > Module1::kValid) {
        fields_.SetText(Field::labError, kInvalidNGR);
        fields_.SetText(Field::txtLoc, "");
        return;
    }
    std::string locator;
    Module1::CalcLocator(latitude, longitude, locator);
    fields_.SetText(Field::labError, "");
    fields_.SetText(Field::txtLoc, locator);
    fields_.SetText(Field::lonin, runtime::FormatThreeDecimals(longitude, decimalSeparator_));
    fields_.SetText(Field::latin, runtime::FormatThreeDecimals(latitude, decimalSeparator_));
}

void WindowHandlers::ClickLatlon() {
    fields_.SetText(Field::txtNGR, "");

    std::string_view message;
    std::string locator;
    const std::optional<double> latitude =
        ReadCoordinate(fields_.Text(Field::latin), decimalSeparator_, Module1::kMaxLatitude);
    if (!latitude) {
        message = kInvalidLatitude;
    } else if (const std::optional<double> longitude = ReadCoordinate(
                   fields_.Text(Field::lonin), decimalSeparator_, Module1::kMaxLongitude);
               !longitude) {
        message = kInvalidLongitude;
    } else {
        Module1::CalcLocator(*latitude, *longitude, locator);
    }
    // Written even when txtNGR was already empty and the Change handler did not run, so
    // that no earlier locator or message is left beside the new answer.
    fields_.SetText(Field::labError, message);
    fields_.SetText(Field::txtLoc, locator);
}

void WindowHandlers::ClickCmdQuit() {
    endProgram_();
}

}  // namespace ui
