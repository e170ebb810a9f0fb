#include "conversions/surveyed/Surveyed.hpp"

#include "conversions/Module1.hpp"
#include "conversions/surveyed/DatumShift.hpp"
#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/NationalGrid.hpp"

namespace Surveyed {

Answer Convert(std::string_view ngr) {
    Answer answer;
    const GridReading reading = ReadGridReference(ngr);
    answer.result = reading.result;
    if (reading.result != Module1::kValid) {
        return answer;
    }
    const GeodeticPosition wgs84 = Osgb36ToWgs84(GridToOsgb36(reading.centre));
    answer.latitude = wgs84.latitude;
    answer.longitude = wgs84.longitude;
    Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
    return answer;
}

std::string_view WhyUnavailable() noexcept {
    return {};
}

}  // namespace Surveyed
