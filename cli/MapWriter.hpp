#pragma once

// Maps of points and lines for GIS programs, GPS receivers and globes: GeoJSON (RFC 7946),
// GPX 1.1 and KML 2.2, written as they go, in bounded memory, with the same calls for each.
//
// Positions are WGS84 degrees, written to 7 decimals (about a centimetre). Each point and line
// carries a name and properties (cells: text, whole numbers or numbers with their decimals;
// empty cells are left out). Text may be any bytes: the output is valid UTF-8, each malformed
// byte U+FFFD, as is each control character XML does not allow in GPX and KML.
//  - GeoJSON: a FeatureCollection, one Feature a point or line, its properties the name
//    ("name", unless a property of that name is given, which stands instead) and those given.
//    A line across the antimeridian is a MultiLineString cut there (RFC 7946, 3.1.9), its
//    latitude at the cut taken on the straight line in degrees.
//  - GPX: a waypoint (wpt) a point, with its name and its properties as lines
//    "name: value" of its description (desc); a longitude of 180 is written -180, as GPX's
//    range has it. GPX holds routes only after all the waypoints, so a map written as it goes
//    holds none: a line is left out.
//  - KML: a Document of Placemarks, each with its name, its properties as ExtendedData and a
//    Point or a LineString that follows the ground (tessellate).
//
// The features may be written in parts (on several cores) and joined in order: each is written
// whole, and starts with what stands between two features (FeatureSeparator), which the map's
// first goes without.

#include <span>
#include <string>
#include <string_view>

#include "cli/Options.hpp"
#include "cli/Record.hpp"
#include "conversions/surveyed/Coordinates.hpp"

namespace cli {

struct MapProperty {
    std::string_view name;
    Cell value;
};

// In each of these `format` is a map's (IsMap).

// Appends the start of a map, named `title` unless it is empty.
void AppendMapStart(Format format, std::string_view title, std::string& out);
// Appends a point, FeatureSeparator first.
void AppendMapPoint(Format format, std::string_view name, Surveyed::GeodeticPosition position,
                    std::span<const MapProperty> properties, std::string& out);
// Appends a straight line from `from` to `to`, FeatureSeparator first (nothing in GPX).
void AppendMapLine(Format format, std::string_view name, Surveyed::GeodeticPosition from,
                   Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                   std::string& out);
void AppendMapEnd(Format format, std::string& out);
// What stands between two features, which each starts with and the map's first goes without:
// GeoJSON's ",\n"; nothing in GPX and KML.
[[nodiscard]] std::string_view FeatureSeparator(Format format) noexcept;

// A map written into one text as it goes: its start, its features, its end.
class MapWriter {
  public:
    explicit MapWriter(Format format) noexcept : format_(format) {}

    void Begin(std::string_view title, std::string& out) const;
    void Point(std::string_view name, Surveyed::GeodeticPosition position,
               std::span<const MapProperty> properties, std::string& out);
    void Line(std::string_view name, Surveyed::GeodeticPosition from, Surveyed::GeodeticPosition to,
              std::span<const MapProperty> properties, std::string& out);
    void End(std::string& out) const;

  private:
    // Takes the separator off the feature appended from `at`, when it is the map's first.
    void Joined(std::size_t at, std::string& out);

    Format format_;
    bool first_ = true;
};

}  // namespace cli
