// The map writers: RFC 7946's order and its cut at the antimeridian, GPX's waypoints alone and
// its range of longitudes, XML's escapes, and text of any bytes made valid.

#include "cli/MapWriter.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using cli::Cell;
using cli::MapProperty;

const std::array<MapProperty, 4> kProperties = {
    {{"call", Cell::Text("G4<A>\"B\"&\x01\xFF\xEF\xBF\xBF\xEF\xBF\xBD")},
     {"date", Cell{}},
     {"distance_km", Cell::Number(140.06, 1)},
     {"points", Cell::Integer(141)}}};

TEST(MapWriter, GeoJsonPointsAndLinesCutAtTheAntimeridian) {
    cli::MapWriter map(cli::Format::kGeoJson);
    std::string out;
    map.Begin("log", out);
    map.Point("G4ABC", {52.0625, -1.9583333333}, kProperties, out);
    map.Line("ZL1AB", {10, 170}, {20, -170}, {}, out);
    // A property called "name" stands for the name.
    const std::array<MapProperty, 1> named = {{{"name", Cell::Text("Ben Nevis")}}};
    map.Point("NN166712", {56.8, -5}, named, out);
    map.End(out);
    EXPECT_EQ(out,
              "{\"type\":\"FeatureCollection\",\"features\":[\n"
              "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":"
              "[-1.9583333,52.0625000]},\"properties\":{\"name\":\"G4ABC\",\"call\":"
              "\"G4<A>\\\"B\\\"&\\u0001\xEF\xBF\xBD\xEF\xBF\xBF\xEF\xBF\xBD\","
              "\"distance_km\":140.1,\"points\":141}},\n"
              "{\"type\":\"Feature\",\"geometry\":{\"type\":\"MultiLineString\",\"coordinates\":"
              "[[[170.0000000,10.0000000],[180.0000000,15.0000000]],[[-180.0000000,15.0000000],"
              "[-170.0000000,20.0000000]]]},\"properties\":{\"name\":\"ZL1AB\"}},\n"
              "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":"
              "[-5.0000000,56.8000000]},\"properties\":{\"name\":\"Ben Nevis\"}}\n]}\n");
}

TEST(MapWriter, GpxWaypointsAloneWithTheirPropertiesDescribed) {
    cli::MapWriter map(cli::Format::kGpx);
    std::string out;
    map.Begin("log", out);
    map.Line("G4ABC", {51.5, 0}, {52, -1}, {}, out);
    map.Point("G4<ABC>", {52.0625, -1.9583333333}, kProperties, out);
    map.Point("RR99XX", {89.99, 180}, {}, out);
    map.End(out);
    EXPECT_EQ(out,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" "
              "creator=\"Quorvane\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
              "<metadata><name>log</name></metadata>\n"
              "<wpt lat=\"52.0625000\" lon=\"-1.9583333\"><name>G4&lt;ABC&gt;</name><desc>call: "
              "G4&lt;A&gt;&quot;B&quot;&amp;"
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\ndistance_km: 140.1\n"
              "points: 141</desc></wpt>\n"
              "<wpt lat=\"89.9900000\" lon=\"-180.0000000\"><name>RR99XX</name></wpt>\n"
              "</gpx>\n");
}

TEST(MapWriter, KmlPlacemarksWithEscapedText) {
    cli::MapWriter map(cli::Format::kKml);
    std::string out;
    map.Begin("a&b.adi", out);
    map.Point("G4ABC", {52.0625, -1.9583333333}, kProperties, out);
    map.Line("G4ABC", {51.5, 0}, {52, -1}, {}, out);
    map.End(out);
    EXPECT_EQ(
        out,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>a&amp;b.adi</name>\n"
        "<Placemark><name>G4ABC</name><ExtendedData><Data name=\"call\"><value>"
        "G4&lt;A&gt;&quot;B&quot;&amp;\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
        "</value></Data>"
        "<Data name=\"distance_km\"><value>140.1</value></Data><Data name=\"points\">"
        "<value>141</value></Data></ExtendedData><Point><coordinates>-1.9583333,52.0625000"
        "</coordinates></Point></Placemark>\n"
        "<Placemark><name>G4ABC</name><ExtendedData></ExtendedData><LineString><tessellate>1"
        "</tessellate><coordinates>0.0000000,51.5000000 -1.0000000,52.0000000</coordinates>"
        "</LineString></Placemark>\n</Document>\n</kml>\n");
}

}  // namespace
