#include "conversions/surveyed/NationalGrid.hpp"

#include <GeographicLib/TransverseMercator.hpp>

#include "conversions/surveyed/Ellipsoids.hpp"

namespace Surveyed {
namespace {

// The National Grid's projection, from the Ordnance Survey's "A guide to coordinate systems
// in Great Britain" (section 6.6 and annexe A): scale on the central meridian F0, true origin
// 49 degrees north 2 degrees west, and the false origin's offsets from it in metres.
constexpr double kCentralScale = 0.9996012717;
constexpr double kTrueOriginLatitude = 49;
constexpr double kTrueOriginLongitude = -2;
constexpr double kFalseEasting = 400'000;
constexpr double kFalseNorthing = -100'000;

// GeographicLib measures northings from the equator; the grid measures them from the true
// origin's parallel, shifted by the false northing.
class Projection {
  public:
    Projection() : mercator_(kAiryMajorAxis, kAiryFlattening, kCentralScale) {
        double easting = 0;
        mercator_.Forward(kTrueOriginLongitude, kTrueOriginLatitude, kTrueOriginLongitude, easting,
                          originNorthing_);
    }

    GeodeticPosition Reverse(GridPoint point) const {
        GeodeticPosition position;
        mercator_.Reverse(kTrueOriginLongitude, point.easting - kFalseEasting,
                          point.northing - kFalseNorthing + originNorthing_, position.latitude,
                          position.longitude);
        return position;
    }

  private:
    GeographicLib::TransverseMercator mercator_;
    double originNorthing_ = 0;
};

}  // namespace

GeodeticPosition GridToOsgb36(GridPoint point) {
    // Built once (the series coefficients), then only read.
    static const Projection projection;
    return projection.Reverse(point);
}

}  // namespace Surveyed
