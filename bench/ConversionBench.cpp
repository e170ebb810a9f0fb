// Cost of a grid reference's whole road (ConvertNGR, then CalcLocator) against the same
// formula evaluated without checks, from the characters of a reference known to be valid to
// the locator's, with no text services: the difference is what validation and text handling
// add. A regression guard, run by hand:
//
//   build/release/bench/conversion_bench
//
// prints nanoseconds per conversion for both and their ratio. BM_ConvertNGR and
// BM_CalcLocator time the two halves on their own.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "conversions/GridLetters.hpp"
#include "conversions/Module1.hpp"
#include "conversions/Sphere.hpp"

namespace {

constexpr std::size_t kReferences = 1 << 16;
constexpr unsigned kSeed = 20261208;

// Easting and northing in kilometres of a reference, from its letters' indices (I skipped)
// and its two three-digit numbers, by ConvertNGR's grid arithmetic.
struct GridKm {
    double easting;
    double northing;
};
GridKm GridKilometres(int L1, int L2, int e, int n) {
    const int A = 5 * (L1 / 5);
    const int B = 5 * (L2 / 5);
    return {(L1 - A) * 500 + -1000 + (L2 - B) * 100 + e / 10.0, 1900 - A * 100 - B * 20 + n / 10.0};
}

struct Position {
    double latitude;
    double longitude;
};
// ConvertNGR's trigonometry, from the easting and northing.
Position Trigonometry(GridKm grid) {
    const double phi = (grid.northing + Sphere::kEquatorToOriginKm) / Sphere::kNorthingRadiusKm;
    const double lambda =
        2 *
        std::atan(std::exp((grid.easting - Sphere::kCentralEastingKm) / Sphere::kEastingRadiusKm));
    const double lon =
        std::atan(-1 / std::tan(lambda) / std::cos(phi)) * Sphere::kDegreesPerRadian -
        Sphere::kCentralMeridianDeg;
    const double s = std::sin(phi) * std::sin(lambda);
    return {std::atan(s / std::sqrt(1 - s * s)) * Sphere::kDegreesPerRadian, lon};
}

// Random valid references and the position ConvertNGR gives for each.
struct Workload {
    std::vector<std::string> references;
    std::vector<double> latitudes;
    std::vector<double> longitudes;
};

const Workload& GetWorkload() {
    static const Workload workload = [] {
        Workload w;
        std::mt19937 rng(kSeed);
        const std::string_view first = Module1::kFirstLetters;
        const std::string_view second = GridLetters::kLetters;
        std::uniform_int_distribution<std::size_t> pickFirst(0, first.size() - 1);
        std::uniform_int_distribution<std::size_t> pickSecond(0, second.size() - 1);
        std::uniform_int_distribution<int> pickDigits(0, 999);
        for (std::size_t i = 0; i < kReferences; ++i) {
            const std::size_t l1 = pickFirst(rng);
            const std::size_t l2 = pickSecond(rng);
            const int e = pickDigits(rng);
            const int n = pickDigits(rng);
            char text[16];
            std::snprintf(text, sizeof text, "%c%c%03d%03d", first[l1], second[l2], e, n);
            w.references.emplace_back(text);
            double latitude = 0;
            double longitude = 0;
            std::int16_t result = 0;
            Module1::ConvertNGR(w.references.back(), latitude, longitude, result);
            w.latitudes.push_back(latitude);
            w.longitudes.push_back(longitude);
        }
        return w;
    }();
    return workload;
}

void BM_ConvertAndLocate(benchmark::State& state) {
    const Workload& w = GetWorkload();
    std::size_t i = 0;
    std::string locator;
    for (auto _ : state) {
        double lat = 0;
        double lon = 0;
        std::int16_t result = 0;
        Module1::ConvertNGR(w.references[i], lat, lon, result);
        Module1::CalcLocator(lat, lon, locator);
        benchmark::DoNotOptimize(locator.data());
        benchmark::ClobberMemory();
        i = (i + 1) % kReferences;
    }
}
BENCHMARK(BM_ConvertAndLocate);

// Whole numbers of the locator's non-negative intermediate values, the cheapest way.
double Truncate(double x) {
    return static_cast<double>(static_cast<std::int64_t>(x));
}

// How close an implementation could come: the whole formula, from the characters of a
// reference known to be valid and upper case to the six characters of its locator, with no
// checks, no text services and truncation for every floor (all values are non-negative).
// It is not a replacement for Module1, which must also refuse what is not a reference and
// take any text; it is here to show what the formula's own arithmetic costs over the floor.
void FormulaWithoutChecks(const std::string& reference, std::array<char, 6>& locator) {
    const auto letter = GridLetters::IndexOf;
    const auto digits = [&](std::size_t at) {
        return 100 * (reference[at] - '0') + 10 * (reference[at + 1] - '0') +
               (reference[at + 2] - '0');
    };
    const auto [lat, lon] = Trigonometry(
        GridKilometres(letter(reference[0]), letter(reference[1]), digits(2), digits(5)));

    const double la = lat + 90;
    const double lo = lon + 180;
    const double fLo = Truncate(lo / 20);
    const double fLa = Truncate(la / 10);
    locator[0] = static_cast<char>('A' + fLo);
    locator[1] = static_cast<char>('A' + fLa);
    locator[2] = static_cast<char>('0' + Truncate((lo - fLo * 20) / 2));
    locator[3] = static_cast<char>('0' + Truncate(la - fLa * 10));
    locator[4] = static_cast<char>(Truncate((lo - Truncate(lo / 2) * 2) * 12 + 'A'));
    locator[5] = static_cast<char>(Truncate((la - Truncate(la)) * 24 + 'A'));
}

void BM_FormulaWithoutChecks(benchmark::State& state) {
    const Workload& w = GetWorkload();
    std::size_t i = 0;
    std::array<char, 6> locator{};
    for (auto _ : state) {
        FormulaWithoutChecks(w.references[i], locator);
        benchmark::DoNotOptimize(locator.data());
        benchmark::ClobberMemory();
        i = (i + 1) % kReferences;
    }
}
BENCHMARK(BM_FormulaWithoutChecks);

void BM_ConvertNGR(benchmark::State& state) {
    const Workload& w = GetWorkload();
    std::size_t i = 0;
    for (auto _ : state) {
        double lat = 0;
        double lon = 0;
        std::int16_t result = 0;
        Module1::ConvertNGR(w.references[i], lat, lon, result);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
        i = (i + 1) % kReferences;
    }
}
BENCHMARK(BM_ConvertNGR);

void BM_CalcLocator(benchmark::State& state) {
    const Workload& w = GetWorkload();
    std::size_t i = 0;
    std::string locator;
    for (auto _ : state) {
        Module1::CalcLocator(w.latitudes[i], w.longitudes[i], locator);
        benchmark::DoNotOptimize(locator.data());
        benchmark::ClobberMemory();
        i = (i + 1) % kReferences;
    }
}
BENCHMARK(BM_CalcLocator);

// Console output as usual, plus the nanoseconds of each benchmark kept for the ratio: of its
// run, or with --benchmark_repetitions of the repetitions' median (the other aggregates, such
// as the standard deviation, are not times of a run).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            nanoseconds_[run.run_name.function_name] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    const std::map<std::string, double>& Nanoseconds() const { return nanoseconds_; }

  private:
    std::map<std::string, double> nanoseconds_;
};

// Prints the whole road's time and its ratio to the formula without checks, when both ran.
void PrintRatio(const std::map<std::string, double>& ns) {
    const auto road = ns.find("BM_ConvertAndLocate");
    const auto formula = ns.find("BM_FormulaWithoutChecks");
    if (road != ns.end() && formula != ns.end()) {
        std::printf("conversion: %.1f ns, formula without checks: %.1f ns, ratio %.3f\n",
                    road->second, formula->second, road->second / formula->second);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    GetWorkload();  // built before timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter.Nanoseconds());
    benchmark::Shutdown();
    return 0;
}
