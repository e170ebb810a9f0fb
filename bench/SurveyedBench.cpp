// Cost of the surveyed conversion and of each of its steps, on the same random positions of
// the shift grid, so that a slow whole can be laid at the door of one part:
//
//   build/release/bench/surveyed_bench
//
// BM_ReadGridPosition: the text to a National Grid position (ten-figure references);
// BM_NationalGridToEtrs89: OSTN15's iterated shifts; BM_Unproject: the inverse projection;
// BM_FromText: the three together, as quorvane-convert --surveyed runs them. The way back:
// BM_Project, BM_Etrs89ToNationalGrid, and BM_FromWgs84 for both.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace {

constexpr std::size_t kPositions = 1 << 14;
constexpr unsigned kSeed = 20161209;

// The same positions in each form the steps take, all of them inside the shift grid.
struct Positions {
    std::vector<std::string> references;
    std::vector<Surveyed::GridPoint> nationalGrid;
    std::vector<Surveyed::GridPoint> etrs89Grid;
    std::vector<Surveyed::GeodeticPosition> wgs84;
};

const Positions& TestPositions() {
    static const Positions positions = [] {
        Positions p;
        std::mt19937_64 random(kSeed);
        std::uniform_real_distribution<double> easting(1'000,
                                                       Surveyed::kShiftGridMaxEasting - 1'000);
        std::uniform_real_distribution<double> northing(1'000,
                                                        Surveyed::kShiftGridMaxNorthing - 1'000);
        while (p.references.size() < kPositions) {
            const Surveyed::GridPoint etrs89{easting(random), northing(random)};
            const Surveyed::GeodeticPosition wgs84 = Surveyed::Unproject(etrs89);
            const auto grid = Surveyed::Etrs89ToNationalGrid(etrs89);
            const std::string reference =
                Surveyed::GridReferenceOf(Surveyed::Grid::kGreatBritain, *grid, 10);
            if (reference.empty())
                continue;
            p.references.push_back(reference);
            p.nationalGrid.push_back(*grid);
            p.etrs89Grid.push_back(etrs89);
            p.wgs84.push_back(wgs84);
        }
        return p;
    }();
    return positions;
}

// Runs `step` over `inputs` in turn, one a benchmark iteration.
template <typename Input, typename Step>
void RunOver(benchmark::State& state, const std::vector<Input>& inputs, Step step) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(inputs[i]));
        i = (i + 1) % inputs.size();
    }
}

void BM_ReadGridPosition(benchmark::State& state) {
    RunOver(state, TestPositions().references,
            [](const std::string& text) { return Surveyed::ReadGridPosition(text).position; });
}
BENCHMARK(BM_ReadGridPosition);

void BM_NationalGridToEtrs89(benchmark::State& state) {
    RunOver(state, TestPositions().nationalGrid, Surveyed::NationalGridToEtrs89);
}
BENCHMARK(BM_NationalGridToEtrs89);

void BM_Unproject(benchmark::State& state) {
    RunOver(state, TestPositions().etrs89Grid, Surveyed::Unproject);
}
BENCHMARK(BM_Unproject);

void BM_FromText(benchmark::State& state) {
    RunOver(state, TestPositions().references,
            [](const std::string& text) { return Surveyed::FromText(text); });
}
BENCHMARK(BM_FromText);

void BM_Project(benchmark::State& state) {
    RunOver(state, TestPositions().wgs84, Surveyed::Project);
}
BENCHMARK(BM_Project);

void BM_Etrs89ToNationalGrid(benchmark::State& state) {
    RunOver(state, TestPositions().etrs89Grid, Surveyed::Etrs89ToNationalGrid);
}
BENCHMARK(BM_Etrs89ToNationalGrid);

void BM_FromWgs84(benchmark::State& state) {
    RunOver(state, TestPositions().wgs84, Surveyed::FromWgs84);
}
BENCHMARK(BM_FromWgs84);

}  // namespace

BENCHMARK_MAIN();
