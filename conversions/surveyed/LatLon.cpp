#include "conversions/surveyed/LatLon.hpp"

#include "conversions/Module1.hpp"
#include "runtime/NumberReading.hpp"
#include "runtime/Text.hpp"

namespace Surveyed {

std::optional<GeodeticPosition> ReadLatLon(std::string_view text) {
    // Numbers in files and on command lines are written with a decimal point, whatever the
    // user's locale.
    constexpr std::string_view kDecimalPoint = ".";
    std::size_t split = text.find(',');
    std::size_t skip = 1;
    if (split == std::string_view::npos) {
        split = runtime::FindBlank(text);
        skip = 0;  // the blanks stay with the longitude, which may have blanks around it
        if (split == std::string_view::npos)
            return std::nullopt;
    }
    const auto latitude = runtime::ReadNumber(text.substr(0, split), kDecimalPoint);
    const auto longitude = runtime::ReadNumber(text.substr(split + skip), kDecimalPoint);
    if (!latitude || !longitude || !Module1::HasLocator(*latitude, *longitude))
        return std::nullopt;
    return GeodeticPosition{*latitude, *longitude};
}

}  // namespace Surveyed
