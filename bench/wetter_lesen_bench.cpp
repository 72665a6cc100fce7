// Time to read a site weather file into a weather year. A planner's EPW (PVGIS, 1.8 MB) must
// be read in at most 20 ms; the median of the repetitions is the figure.

#include "files/wetter_datei.h"
#include "model/wetter_jahr.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::string TestDatei(const char* name) {
    return (std::filesystem::path(__FILE__).parent_path() / ".." / "tests" / "daten" / "wetter" /
            name)
        .lexically_normal()
        .string();
}

void DateiLesen(benchmark::State& state, const char* name) {
    const std::string pfad = TestDatei(name);
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    for (auto _ : state) {
        kov::WetterDateiLesen(pfad, *jahr, info);
        benchmark::DoNotOptimize(jahr->Tein.data());
        benchmark::ClobberMemory();
    }
    state.counters["Bytes"] = static_cast<double>(std::filesystem::file_size(pfad));
    state.counters["Jahresmittel"] = info.Kennwerte.JahresMittel;
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr);
}

// the parse alone, from bytes already in memory
void TextLesen(benchmark::State& state, const char* name) {
    std::ifstream ein(TestDatei(name), std::ios::binary);
    const std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    for (auto _ : state) {
        kov::WetterTextLesen(inhalt, name, *jahr, info);
        benchmark::DoNotOptimize(jahr->Tein.data());
        benchmark::ClobberMemory();
    }
    state.counters["Jahresmittel"] = info.Kennwerte.JahresMittel;
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr);
}

constexpr const char* Pvgis = "tmy_45.000_8.000_2005_2023.epw";
constexpr const char* Try2015 = "TRY2015_494414066370_Jahr.dat";

BENCHMARK_CAPTURE(DateiLesen, PvgisEpw, Pvgis)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TextLesen, PvgisEpw, Pvgis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DateiLesen, Try2015, Try2015)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
