// Cost of a grid reference's whole road (ConvertNGR, then CalcLocator) against its floor:
// the trigonometric part of the formula alone, evaluated on the same references. The
// difference is what validation, text handling and the locator add.
//
//   build/release/bench/conversion_bench
//
// prints nanoseconds per conversion for both and their ratio (target: at most 1.25).

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "conversions/Module1.hpp"

namespace {

constexpr std::size_t kReferences = 1 << 16;
constexpr unsigned kSeed = 20261208;

// Random valid references, and the easting and northing in kilometres each stands for.
struct Workload {
    std::vector<std::string> references;
    std::vector<double> eastings;
    std::vector<double> northings;
};

const Workload& GetWorkload() {
    static const Workload workload = [] {
        Workload w;
        std::mt19937 rng(kSeed);
        const std::string first = "NST";
        const std::string second = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
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
            // Same grid arithmetic as ConvertNGR: indices of N, S, T after skipping I are
            // 12, 17, 18; the second letter's index is its place in `second`.
            const double L1 = std::array{12.0, 17.0, 18.0}[l1];
            const auto L2 = static_cast<double>(l2);
            const double A = 5 * std::floor(L1 / 5);
            const double B = 5 * std::floor(L2 / 5);
            w.eastings.push_back((L1 - A) * 500 + -1000 + (L2 - B) * 100 + e / 10.0);
            w.northings.push_back(1900 - A * 100 - B * 20 + n / 10.0);
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

// The same trigonometry as ConvertNGR, from the precomputed easting and northing.
void BM_TrigonometryFloor(benchmark::State& state) {
    const Workload& w = GetWorkload();
    std::size_t i = 0;
    for (auto _ : state) {
        const double phi = (w.northings[i] + 5548.79) / 6371.28;
        const double lambda = 2 * std::atan(std::exp((w.eastings[i] - 400) / 6389.7));
        double lon = std::atan(-1 / std::tan(lambda) / std::cos(phi)) * 57.295780490442965 - 2;
        const double s = std::sin(phi) * std::sin(lambda);
        double lat = std::atan(s / std::sqrt(1 - s * s)) * 57.295780490442965;
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(lon);
        i = (i + 1) % kReferences;
    }
}
BENCHMARK(BM_TrigonometryFloor);

// Console output as usual, plus the nanoseconds of each run kept for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
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

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    GetWorkload();  // built before timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& ns = reporter.Nanoseconds();
    const auto road = ns.find("BM_ConvertAndLocate");
    const auto floor = ns.find("BM_TrigonometryFloor");
    if (road != ns.end() && floor != ns.end()) {
        std::printf(
            "conversion: %.1f ns, trigonometry floor: %.1f ns, ratio %.3f (target <= 1.25)\n",
            road->second, floor->second, road->second / floor->second);
    }
    benchmark::Shutdown();
    return 0;
}
