#pragma once

// The two kinds of position a surveyed conversion passes along.

namespace Surveyed {

// A point on a grid, in metres east and north of its false origin (on the National Grid the
// south-west corner of square SV).
struct GridPoint {
    double easting = 0;
    double northing = 0;
};

// Geodetic latitude and longitude in degrees, north and east positive, on the datum the
// function that produces it names.
struct GeodeticPosition {
    double latitude = 0;
    double longitude = 0;
};

}  // namespace Surveyed
