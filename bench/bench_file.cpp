// Load and save of the largest competition.
#include "large_competition.h"

#include "core/model/kzb_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace rondaxa;

void BM_SerializeLargest(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    for (auto _ : state)
        benchmark::DoNotOptimize(SerializeCompetition(*comp));
}
BENCHMARK(BM_SerializeLargest)->Unit(benchmark::kMillisecond);

void BM_ParseLargest(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const Bytes bytes = SerializeCompetition(*comp);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseCompetition(bytes));
}
BENCHMARK(BM_ParseLargest)->Unit(benchmark::kMillisecond);

// The whole save as the program does it: temporary file, flush to disk,
// backup and rename.
void BM_SaveLargestToDisk(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const auto folder = std::filesystem::temp_directory_path() / "rondaxa-bench";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "groot.kzb").string();
    for (auto _ : state)
        SaveCompetition(*comp, file);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveLargestToDisk)->Unit(benchmark::kMillisecond);

void BM_LoadLargestFromDisk(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const auto folder = std::filesystem::temp_directory_path() / "rondaxa-bench-load";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "groot.kzb").string();
    SaveCompetition(*comp, file);
    for (auto _ : state) {
        Competition loaded;
        benchmark::DoNotOptimize(LoadCompetition(loaded, file));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadLargestFromDisk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
