#include "cli/MapWriter.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "cli/Escaping.hpp"
#include "cli/RecordWriter.hpp"

namespace cli {
namespace {

// About a centimetre.
constexpr int kCoordinateDecimals = 7;
constexpr double kHalfCircle = 180;

constexpr std::string_view kGeoJsonSeparator = ",\n";

void AppendNumber(double value, std::string& out) {
    AppendCell(Cell::Number(value, kCoordinateDecimals), Format::kJson, ',', kCoordinateDecimals,
               out);
}

// <element>text</element>, the text as XML character data.
void AppendXmlElement(std::string_view element, std::string_view text, std::string& out) {
    out.append("<").append(element).append(">");
    AppendXmlText(text, out);
    out.append("</").append(element).append(">");
}

// A property's value as XML character data.
void AppendXmlValue(const Cell& value, std::string& out) {
    if (value.kind == Cell::Kind::kText)
        AppendXmlText(value.text, out);
    else
        AppendCell(value, Format::kText, ',', kCoordinateDecimals, out);
}

// ---- GeoJSON

// [longitude,latitude], RFC 7946's order.
void AppendPosition(Surveyed::GeodeticPosition position, std::string& out) {
    out += '[';
    AppendNumber(position.longitude, out);
    out += ',';
    AppendNumber(position.latitude, out);
    out += ']';
}

// The end of a Feature after its geometry: its properties.
void AppendProperties(std::string_view name, std::span<const MapProperty> properties,
                      std::string& out) {
    out += "},\"properties\":{";
    const bool named = std::any_of(properties.begin(), properties.end(),
                                   [](const MapProperty& p) { return p.name == "name"; });
    bool first = true;
    if (!named) {
        out += "\"name\":";
        AppendJsonString(name, out);
        first = false;
    }
    for (const MapProperty& property : properties) {
        if (property.value.kind == Cell::Kind::kEmpty)
            continue;
        if (!std::exchange(first, false))
            out += ',';
        AppendJsonString(property.name, out);
        out += ':';
        AppendCell(property.value, Format::kJson, ',', kCoordinateDecimals, out);
    }
    out += "}}";
}

void AppendGeoJsonPoint(std::string_view name, Surveyed::GeodeticPosition position,
                        std::span<const MapProperty> properties, std::string& out) {
    out += kGeoJsonSeparator;
    out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":";
    AppendPosition(position, out);
    AppendProperties(name, properties, out);
}

void AppendGeoJsonLine(std::string_view name, Surveyed::GeodeticPosition from,
                       Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                       std::string& out) {
    out += kGeoJsonSeparator;
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
    AppendProperties(name, properties, out);
}

// ---- GPX

void AppendGpxPoint(std::string_view name, Surveyed::GeodeticPosition position,
                    std::span<const MapProperty> properties, std::string& out) {
    out += "<wpt lat=\"";
    AppendNumber(position.latitude, out);
    out += "\" lon=\"";
    // GPX's longitudes run from -180 up to 180, which is left out.
    AppendNumber(position.longitude == kHalfCircle ? -kHalfCircle : position.longitude, out);
    out += "\">";
    AppendXmlElement("name", name, out);
    bool first = true;
    for (const MapProperty& property : properties) {
        if (property.value.kind == Cell::Kind::kEmpty)
            continue;
        out += std::exchange(first, false) ? "<desc>" : "\n";
        AppendXmlText(property.name, out);
        out += ": ";
        AppendXmlValue(property.value, out);
    }
    out += first ? "</wpt>\n" : "</desc></wpt>\n";
}

// ---- KML

// longitude,latitude, KML's order.
void AppendKmlPosition(Surveyed::GeodeticPosition position, std::string& out) {
    AppendNumber(position.longitude, out);
    out += ',';
    AppendNumber(position.latitude, out);
}

void AppendPlacemarkStart(std::string_view name, std::span<const MapProperty> properties,
                          std::string& out) {
    out += "<Placemark>";
    AppendXmlElement("name", name, out);
    out += "<ExtendedData>";
    for (const MapProperty& property : properties) {
        if (property.value.kind == Cell::Kind::kEmpty)
            continue;
        out += "<Data name=\"";
        AppendXmlText(property.name, out);
        out += "\"><value>";
        AppendXmlValue(property.value, out);
        out += "</value></Data>";
    }
    out += "</ExtendedData>";
}

void AppendKmlPoint(std::string_view name, Surveyed::GeodeticPosition position,
                    std::span<const MapProperty> properties, std::string& out) {
    AppendPlacemarkStart(name, properties, out);
    out += "<Point><coordinates>";
    AppendKmlPosition(position, out);
    out += "</coordinates></Point></Placemark>\n";
}

void AppendKmlLine(std::string_view name, Surveyed::GeodeticPosition from,
                   Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                   std::string& out) {
    AppendPlacemarkStart(name, properties, out);
    out += "<LineString><tessellate>1</tessellate><coordinates>";
    AppendKmlPosition(from, out);
    out += ' ';
    AppendKmlPosition(to, out);
    out += "</coordinates></LineString></Placemark>\n";
}

}  // namespace

void AppendMapStart(Format format, std::string_view title, std::string& out) {
    switch (format) {
        case Format::kGpx:
            out +=
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<gpx version=\"1.1\" creator=\"Quorvane\" "
                "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
            if (!title.empty()) {
                out += "<metadata>";
                AppendXmlElement("name", title, out);
                out += "</metadata>\n";
            }
            return;
        case Format::kKml:
            out +=
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
            if (!title.empty()) {
                AppendXmlElement("name", title, out);
                out += '\n';
            }
            return;
        default:
            out += "{\"type\":\"FeatureCollection\",\"features\":[\n";
            return;
    }
}

void AppendMapPoint(Format format, std::string_view name, Surveyed::GeodeticPosition position,
                    std::span<const MapProperty> properties, std::string& out) {
    switch (format) {
        case Format::kGpx:
            AppendGpxPoint(name, position, properties, out);
            return;
        case Format::kKml:
            AppendKmlPoint(name, position, properties, out);
            return;
        default:
            AppendGeoJsonPoint(name, position, properties, out);
            return;
    }
}

void AppendMapLine(Format format, std::string_view name, Surveyed::GeodeticPosition from,
                   Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                   std::string& out) {
    switch (format) {
        case Format::kGpx:
            return;
        case Format::kKml:
            AppendKmlLine(name, from, to, properties, out);
            return;
        default:
            AppendGeoJsonLine(name, from, to, properties, out);
            return;
    }
}

void AppendMapEnd(Format format, std::string& out) {
    switch (format) {
        case Format::kGpx:
            out += "</gpx>\n";
            return;
        case Format::kKml:
            out += "</Document>\n</kml>\n";
            return;
        default:
            out += "\n]}\n";
            return;
    }
}

std::string_view FeatureSeparator(Format format) noexcept {
    return format == Format::kGeoJson ? kGeoJsonSeparator : std::string_view();
}

void MapWriter::Begin(std::string_view title, std::string& out) const {
    AppendMapStart(format_, title, out);
}

void MapWriter::Point(std::string_view name, Surveyed::GeodeticPosition position,
                      std::span<const MapProperty> properties, std::string& out) {
    const std::size_t at = out.size();
    AppendMapPoint(format_, name, position, properties, out);
    Joined(at, out);
}

void MapWriter::Line(std::string_view name, Surveyed::GeodeticPosition from,
                     Surveyed::GeodeticPosition to, std::span<const MapProperty> properties,
                     std::string& out) {
    const std::size_t at = out.size();
    AppendMapLine(format_, name, from, to, properties, out);
    Joined(at, out);
}

void MapWriter::End(std::string& out) const {
    AppendMapEnd(format_, out);
}

void MapWriter::Joined(std::size_t at, std::string& out) {
    if (out.size() > at && std::exchange(first_, false))
        out.erase(at, FeatureSeparator(format_).size());
}

}  // namespace cli
