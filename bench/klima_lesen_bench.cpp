// Reading a built-in climate year against reading the same year from a file: the built-in year
// lies as text inside the program and is read like the file where it lies, so the two differ by
// opening and reading 0.7 MB from the page cache. The original file of TRY2015-05-Jahr is
// written to a scratch folder first; the median of the repetitions is the figure.
//   build-ci/klima_lesen_bench --benchmark_filter=Klima

#include "files/klima.h"
#include "files/wetter_datei.h"
#include "model/wetter_jahr.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const kov::TKlimaWahl Essen{5, kov::TKlimaArt::Jahr, 2015};

void KlimaEingebaut(benchmark::State& state) {
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    for (auto _ : state) {
        kov::KlimaJahrLesen(Essen, *jahr, info);
        benchmark::DoNotOptimize(jahr->Tein.data());
        benchmark::ClobberMemory();
    }
    state.counters["Jahresmittel"] = info.Kennwerte.JahresMittel;
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr);
}

// The original file read by the reader of site files, from the page cache.
void KlimaAusDatei(benchmark::State& state) {
    std::string ordner = (std::filesystem::temp_directory_path() / "kov-bench-XXXXXX").string();
    if (::mkdtemp(ordner.data()) == nullptr) std::abort();
    const std::string pfad = ordner + "/TRY2015_514562070568_Jahr.dat";
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << kov::KlimaDateiText(Essen);
    }
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    for (auto _ : state) {
        kov::WetterDateiLesen(pfad, *jahr, info);
        benchmark::DoNotOptimize(jahr->Tein.data());
        benchmark::ClobberMemory();
    }
    std::filesystem::remove_all(ordner);
    state.counters["Jahresmittel"] = info.Kennwerte.JahresMittel;
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr);
}

// Repetitions on a shared machine: the median and, less disturbed by other processes, the
// smallest of the repetitions.
void Wiederholt(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        });
}

// the parse alone, from the bytes already in memory
void KlimaTextLesen(benchmark::State& state) {
    const std::string text = kov::KlimaDateiText(Essen);
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    for (auto _ : state) {
        kov::WetterTextLesen(text, "TRY2015-05-Jahr", *jahr, info);
        benchmark::DoNotOptimize(jahr->Tein.data());
        benchmark::ClobberMemory();
    }
}

// the built-in text copied out, as kov-run --klima-liste and the tests take it
void KlimaTextKopieren(benchmark::State& state) {
    for (auto _ : state) {
        const std::string text = kov::KlimaDateiText(Essen);
        benchmark::DoNotOptimize(text.data());
    }
}

BENCHMARK(KlimaEingebaut)->Apply(Wiederholt);
BENCHMARK(KlimaAusDatei)->Apply(Wiederholt);
BENCHMARK(KlimaTextLesen)->Apply(Wiederholt);
BENCHMARK(KlimaTextKopieren)->Apply(Wiederholt);

} // namespace

BENCHMARK_MAIN();
