#pragma once

// Maps of points and lines for GIS programs and globes: GeoJSON (RFC 7946) and KML 2.2,
// written as they go, in bounded memory, with the same calls for both.
//
// Positions are WGS84 degrees, written to 7 decimals (about a centimetre). Each point and line
// carries a name and properties (cells: text, whole numbers or numbers with their decimals;
// empty cells are left out). Text may be any bytes: the output is valid UTF-8, each malformed
// byte U+FFFD.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "cli/Record.hpp"
#include "conversions/surveyed/Coordinates.hpp"

namespace cli {

enum class MapFormat { kGeoJson, kKml };

struct MapProperty {
    std::string_view name;
    Cell value;
};

class MapWriter {
  public:
    virtual ~MapWriter() = default;
    // The start of the map, named `title` where the format names maps.
    virtual void Begin(std::string_view title, std::string& out) = 0;
    virtual void Point(std::string_view name, Surveyed::GeodeticPosition position,
                       std::span<const MapProperty> properties, std::string& out) = 0;
    // A straight line from `from` to `to`.
    virtual void Line(std::string_view name, Surveyed::GeodeticPosition from,
                      Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                      std::string& out) = 0;
    virtual void End(std::string& out) = 0;
};

// A FeatureCollection, one Feature a point or line, its properties those given and "name".
// A line across the antimeridian is a MultiLineString cut there (RFC 7946, 3.1.9), its
// latitude at the cut taken on the straight line in degrees.
class GeoJsonWriter final : public MapWriter {
  public:
    void Begin(std::string_view title, std::string& out) override;
    void Point(std::string_view name, Surveyed::GeodeticPosition position,
               std::span<const MapProperty> properties, std::string& out) override;
    void Line(std::string_view name, Surveyed::GeodeticPosition from, Surveyed::GeodeticPosition to,
              std::span<const MapProperty> properties, std::string& out) override;
    void End(std::string& out) override;

  private:
    void Feature(std::string_view name, std::span<const MapProperty> properties, std::string& out);
    bool first_ = true;
};

// A Document of Placemarks, each with its name, its properties as ExtendedData and a Point or
// a LineString that follows the ground (tessellate).
class KmlWriter final : public MapWriter {
  public:
    void Begin(std::string_view title, std::string& out) override;
    void Point(std::string_view name, Surveyed::GeodeticPosition position,
               std::span<const MapProperty> properties, std::string& out) override;
    void Line(std::string_view name, Surveyed::GeodeticPosition from, Surveyed::GeodeticPosition to,
              std::span<const MapProperty> properties, std::string& out) override;
    void End(std::string& out) override;
};

[[nodiscard]] std::unique_ptr<MapWriter> MakeMapWriter(MapFormat format);

}  // namespace cli
