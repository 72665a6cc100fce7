// Time to write the 8760 hourly rows of a report, and of the field format alone.

#include "files/bericht.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_tabelle.h"
#include "files/zahl_format.h"
#include "model/modell.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Series as a controlled run leaves them: the outlet follows the ground, the register runs
// when the outdoor air is below the heating or above the cooling limit.
std::unique_ptr<kov::TModell> LaufErgebnis() {
    auto m = std::make_unique<kov::TModell>();
    kov::StandardwerteSetzen(*m);
    kov::TStundenReihen& r = m->Reihen;
    for (std::size_t h = 1; h <= kov::StundenImJahr; ++h) {
        const double tein = kov::EingebauteWetterTabelle[h];
        const double erde = 9.0 + 6.0 * std::sin(6.28318 * (static_cast<double>(h) - 2500) / 8760);
        const bool laeuft = tein < 12.0 || tein > 24.0;
        r.Betrieb[h] = laeuft ? 1.0 : 0.0;
        r.RelVolumenstrom[h] = r.Betrieb[h];
        r.Taus[h] = laeuft ? erde + 0.35 * (tein - erde) : tein;
        r.TTaupunkt[h] = tein < -5 ? 0.0 : tein - 3.0;
        r.RelFeuchte[h] = 10.0;
        r.TMonitor[h] = erde + 0.1 * (tein - erde);
    }
    return m;
}

std::string ArbeitsDatei() {
    std::string muster = (std::filesystem::temp_directory_path() / "kov-bench-XXXXXX").string();
    const int d = ::mkstemp(muster.data());
    if (d < 0) std::abort();
    ::close(d);
    return muster;
}

void StundenZeilenSchreiben(benchmark::State& state) {
    const auto m = LaufErgebnis();
    const std::string datei = ArbeitsDatei();
    std::string zeilen;
    for (auto _ : state) {
        zeilen.clear();
        kov::AusgabeStundenSchreiben(zeilen, m->Reihen, m->Parameter);
        kov::DateiSchreiben(datei, zeilen);
    }
    state.counters["Bytes"] = static_cast<double>(std::filesystem::file_size(datei));
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr);
    std::filesystem::remove(datei);
}
BENCHMARK(StundenZeilenSchreiben)->Unit(benchmark::kMillisecond);

// the seven series fields of every hour, formatted into one reused line
void FelderFormatieren(benchmark::State& state) {
    const auto m = LaufErgebnis();
    const kov::TStundenReihen& r = m->Reihen;
    std::string zeile;
    zeile.reserve(128);
    for (auto _ : state) {
        for (std::size_t h = 1; h <= kov::StundenImJahr; ++h) {
            zeile.clear();
            kov::FeldAnhaengen(zeile, r.Tein[h], 1, 1);
            kov::FeldAnhaengen(zeile, r.Taus[h], 1, 1);
            kov::FeldAnhaengen(zeile, r.RelVolumenstrom[h], 1, 2);
            kov::FeldAnhaengen(zeile, r.RelFeuchte[h], 1, 1);
            kov::FeldAnhaengen(zeile, r.TTaupunkt[h], 1, 1);
            kov::FeldAnhaengen(zeile, r.TMonitor[h], 1, 1);
            kov::FeldAnhaengen(zeile, r.Betrieb[h], 1, 1);
            benchmark::DoNotOptimize(zeile.data());
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * kov::StundenImJahr * 7);
}
BENCHMARK(FelderFormatieren)->Unit(benchmark::kMillisecond);

// one field of a typical hourly value
void FeldFormatierenEinzeln(benchmark::State& state) {
    double wert = -12.34;
    for (auto _ : state) {
        std::string text = kov::FeldFormatieren(wert, 1, 1);
        benchmark::DoNotOptimize(text.data());
        wert += 0.0137;
        if (wert > 35) wert = -12.34;
    }
}
BENCHMARK(FeldFormatierenEinzeln);

} // namespace

BENCHMARK_MAIN();
