#include "cli/MapWriter.hpp"

#include <cmath>
#include <utility>

#include "cli/Escaping.hpp"
#include "cli/RecordWriter.hpp"

namespace cli {
namespace {

// About a centimetre.
constexpr int kCoordinateDecimals = 7;
constexpr double kHalfCircle = 180;

void AppendNumber(double value, std::string& out) {
    AppendCell(Cell::Number(value, kCoordinateDecimals), Format::kJson, ',', kCoordinateDecimals,
               out);
}

// [longitude,latitude], RFC 7946's order.
void AppendPosition(Surveyed::GeodeticPosition position, std::string& out) {
    out += '[';
    AppendNumber(position.longitude, out);
    out += ',';
    AppendNumber(position.latitude, out);
    out += ']';
}

// longitude,latitude, KML's order.
void AppendKmlPosition(Surveyed::GeodeticPosition position, std::string& out) {
    AppendNumber(position.longitude, out);
    out += ',';
    AppendNumber(position.latitude, out);
}

}  // namespace

void GeoJsonWriter::Begin(std::string_view, std::string& out) {
    out += "{\"type\":\"FeatureCollection\",\"features\":[\n";
    first_ = true;
}

void GeoJsonWriter::Feature(std::string_view name, std::span<const MapProperty> properties,
                            std::string& out) {
    out += "},\"properties\":{\"name\":";
    AppendJsonString(name, out);
    for (const MapProperty& property : properties) {
        if (property.value.kind == Cell::Kind::kEmpty)
            continue;
        out += ',';
        AppendJsonString(property.name, out);
        out += ':';
        AppendCell(property.value, Format::kJson, ',', kCoordinateDecimals, out);
    }
    out += "}}";
}

void GeoJsonWriter::Point(std::string_view name, Surveyed::GeodeticPosition position,
                          std::span<const MapProperty> properties, std::string& out) {
    out += std::exchange(first_, false) ? "" : ",\n";
    out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":";
    AppendPosition(position, out);
    Feature(name, properties, out);
}

void GeoJsonWriter::Line(std::string_view name, Surveyed::GeodeticPosition from,
                         Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                         std::string& out) {
    out += std::exchange(first_, false) ? "" : ",\n";
    out += "{\"type\":\"Feature\",\"geometry\":{\"type\":";
    const double span = to.longitude - from.longitude;
    if (std::fabs(span) <= kHalfCircle) {
        out += "\"LineString\",\"coordinates\":[";
        AppendPosition(from, out);
        out += ',';
        AppendPosition(to, out);
        out += ']';
    } else {
        // The short way crosses the antimeridian: cut the line there.
        const double edge = span > 0 ? -kHalfCircle : kHalfCircle;
        const double unwrapped = to.longitude + (span > 0 ? -2 : 2) * kHalfCircle;
        const double share = (edge - from.longitude) / (unwrapped - from.longitude);
        const double latitude = from.latitude + share * (to.latitude - from.latitude);
        out += "\"MultiLineString\",\"coordinates\":[[";
        AppendPosition(from, out);
        out += ',';
        AppendPosition({latitude, edge}, out);
        out += "],[";
        AppendPosition({latitude, -edge}, out);
        out += ',';
        AppendPosition(to, out);
        out += "]]";
    }
    Feature(name, properties, out);
}

void GeoJsonWriter::End(std::string& out) {
    out += "\n]}\n";
}

void KmlWriter::Begin(std::string_view title, std::string& out) {
    out +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>";
    AppendXmlText(title, out);
    out += "</name>\n";
}

namespace {

void BeginPlacemark(std::string_view name, std::span<const MapProperty> properties,
                    std::string& out) {
    out += "<Placemark><name>";
    AppendXmlText(name, out);
    out += "</name><ExtendedData>";
    for (const MapProperty& property : properties) {
        if (property.value.kind == Cell::Kind::kEmpty)
            continue;
        out += "<Data name=\"";
        AppendXmlText(property.name, out);
        out += "\"><value>";
        if (property.value.kind == Cell::Kind::kText)
            AppendXmlText(property.value.text, out);
        else
            AppendCell(property.value, Format::kText, ',', kCoordinateDecimals, out);
        out += "</value></Data>";
    }
    out += "</ExtendedData>";
}

}  // namespace

void KmlWriter::Point(std::string_view name, Surveyed::GeodeticPosition position,
                      std::span<const MapProperty> properties, std::string& out) {
    BeginPlacemark(name, properties, out);
    out += "<Point><coordinates>";
    AppendKmlPosition(position, out);
    out += "</coordinates></Point></Placemark>\n";
}

void KmlWriter::Line(std::string_view name, Surveyed::GeodeticPosition from,
                     Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                     std::string& out) {
    BeginPlacemark(name, properties, out);
    out += "<LineString><tessellate>1</tessellate><coordinates>";
    AppendKmlPosition(from, out);
    out += ' ';
    AppendKmlPosition(to, out);
    out += "</coordinates></LineString></Placemark>\n";
}

void KmlWriter::End(std::string& out) {
    out += "</Document>\n</kml>\n";
}

std::unique_ptr<MapWriter> MakeMapWriter(MapFormat format) {
    if (format == MapFormat::kKml)
        return std::make_unique<KmlWriter>();
    return std::make_unique<GeoJsonWriter>();
}

}  // namespace cli
