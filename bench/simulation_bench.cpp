// Whole runs: the simulated hours alone, the default run with its report, and the largest case.
// The conduction step takes the path of the process (label), so one run per path:
//   for p in skalar sse2 avx2 avx512; do KOV_SIMD=$p ./build/simulation_bench; done

#include "ablauf/simulation.h"
#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/simd_pfad.h"
#include "model/kalender.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace kov;

// Runs every benchmark in a scratch directory so reports land there.
struct TBenchVerzeichnis {
    TBenchVerzeichnis() {
        std::string muster = (std::filesystem::temp_directory_path() / "kov-bench-XXXXXX").string();
        if (::mkdtemp(muster.data()) == nullptr) std::abort();
        Pfad = muster;
        std::filesystem::current_path(Pfad);
    }
    ~TBenchVerzeichnis() {
        std::filesystem::current_path("/");
        std::filesystem::remove_all(Pfad);
    }
    std::filesystem::path Pfad;
};

void StundenOhneBericht(benchmark::State& state) {
    TBenchVerzeichnis ort;
    auto k = std::make_unique<TKontext>();
    StandardwerteSetzen(*k);
    const int durchlaeufe = LaufVorbereiten(k->Parameter, EingebautesWetterJahr(), nullptr, *k);
    for (auto _ : state) {
        ErdGitterAufbauen(*k, k->Erde, k->Werte.SubZeitschritt);
        k->Lauf.TAusAktuell = k->Werte.StartTemperatur;
        k->Lauf.Einschwingen = true;
        for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf)
            for (int m = 1; m <= 12; ++m)
                SimuliereStunden(*k, ErsteStundeImMonat(m), LetzteStundeImMonat(m), durchlauf);
        benchmark::DoNotOptimize(k->Ergebnis.Heizenergie);
        benchmark::ClobberMemory();
    }
    state.SetLabel(SimdPfadName(k->Erde.Pfad));
}
BENCHMARK(StundenOhneBericht)->Unit(benchmark::kMillisecond);

void StandardLaufMitBericht(benchmark::State& state) {
    TBenchVerzeichnis ort;
    auto k = std::make_unique<TKontext>();
    for (auto _ : state) {
        StandardwerteSetzen(*k);
        SimulationAusfuehren(*k);
        benchmark::DoNotOptimize(k->Ergebnis.Heizenergie);
    }
    state.SetLabel(SimdPfadName(k->Erde.Pfad));
}
BENCHMARK(StandardLaufMitBericht)->Unit(benchmark::kMillisecond);

void GrosserLauf(benchmark::State& state) {
    TBenchVerzeichnis ort;
    auto k = std::make_unique<TKontext>();
    for (auto _ : state) {
        StandardwerteSetzen(*k);
        k->Parameter.AnzahlGitter = 10;
        k->Parameter.AnzahlSubSchritte = 20;
        k->Parameter.Einschwingjahre = 10;
        SimulationAusfuehren(*k);
        benchmark::DoNotOptimize(k->Ergebnis.Heizenergie);
    }
    state.SetLabel(SimdPfadName(k->Erde.Pfad));
}
BENCHMARK(GrosserLauf)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
