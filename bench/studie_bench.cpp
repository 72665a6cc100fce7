// A variant study of 1000 default-sized registers (AnzahlRohre x Rohrlaenge x DRohr, built-in
// year) on 1 and 2 threads, and what one variant of it costs against a plain run; the same size
// with the register model (AnzahlRohre x Rohrlaenge x Volumenstrom on one soil), what of a
// register run is the ground's set-up the variants share, and a run with and without the shared
// set-up; 10000 cheap
// variants (no settling year, three grids) as kov-run writes them, streamed through the table
// file, against the same study held whole in memory and written at the end.
#include "ablauf/studie_csv.h"
#include "ablauf/studie_strom.h"
#include "files/wetter.h"
#include "register/register_lauf.h"
#include "register/register_vorrat.h"
#include "register/variantenstudie.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

namespace {

using namespace kov;

TStudie TausendVarianten() {
    TStudie studie;
    ParameterStandardwerteSetzen(studie.Basis);
    studie.Variationen = {VariationLesen("AnzahlRohre", "10:19:1"),
                          VariationLesen("Rohrlaenge", "30:75:5"),
                          VariationLesen("DRohr", "0.15:0.24:0.01")};
    return studie;
}

// the whole study on state.range(0) threads, the variants counted as items
void StudieMessen(benchmark::State& state, const TStudie& studie) {
    const auto faeden = static_cast<unsigned>(state.range(0));
    std::vector<TVariantenErgebnis> ergebnis;
    for (auto _ : state) {
        StudieRechnen(studie, EingebautesWetterJahr(), nullptr, faeden, ergebnis);
        benchmark::DoNotOptimize(ergebnis.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(ergebnis.size()));
    state.SetLabel(std::to_string(faeden) + " Threads");
}

void StudieTausend(benchmark::State& state) {
    StudieMessen(state, TausendVarianten());
}
BENCHMARK(StudieTausend)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// one variant as the study runs it (its context made once) and a plain run of the same set
void StudieEineVariante(benchmark::State& state) {
    TStudie studie = TausendVarianten();
    studie.Variationen = {VariationLesen("AnzahlRohre", "15")};
    std::vector<TVariantenErgebnis> ergebnis;
    for (auto _ : state)
        StudieRechnen(studie, EingebautesWetterJahr(), nullptr, 1, ergebnis);
}
BENCHMARK(StudieEineVariante)->Unit(benchmark::kMillisecond);

void EinfacherLauf(benchmark::State& state) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    auto k = std::make_unique<TKontext>();
    for (auto _ : state) {
        SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k);
        benchmark::DoNotOptimize(KennwerteBerechnen(*k));
    }
}
BENCHMARK(EinfacherLauf)->Unit(benchmark::kMillisecond);

TStudie TausendRegister() {
    TStudie studie;
    ParameterStandardwerteSetzen(studie.Basis);
    studie.Basis.Modell = "register";
    studie.Variationen = {VariationLesen("AnzahlRohre", "6:15:1"),
                          VariationLesen("Rohrlaenge", "30:75:5"),
                          VariationLesen("Volumenstrom", "2000:4700:300")};
    return studie;
}

void RegisterStudieTausend(benchmark::State& state) {
    StudieMessen(state, TausendRegister());
}
BENCHMARK(RegisterStudieTausend)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// the check of every variant before the study runs, which kov-run and the window do first
void RegisterStudiePruefen(benchmark::State& state) {
    const TStudie studie = TausendRegister();
    std::size_t meldungen = 0;
    for (auto _ : state)
        meldungen = StudiePruefen(studie, EingebautesWetterJahr(), 2).size();
    state.counters["Meldungen"] = static_cast<double>(meldungen);
}
BENCHMARK(RegisterStudiePruefen)->Unit(benchmark::kMillisecond)->UseRealTime();

TRegisterParameter StandardRegister() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    return p;
}

// the two pieces of a register run's set-up that do not depend on flow or length
void RegisterRohrAntwort(benchmark::State& state) {
    const TRegisterParameter p = StandardRegister();
    for (auto _ : state) {
        TRegisterVorrat vorrat;
        benchmark::DoNotOptimize(vorrat.RohrAntwort(p, {})->Lambda.data());
    }
}
BENCHMARK(RegisterRohrAntwort)->Unit(benchmark::kMillisecond);

void RegisterUngestoert(benchmark::State& state) {
    const TRegisterParameter p = StandardRegister();
    auto mittel = std::make_unique<TStundenFeld>();
    for (auto _ : state) {
        UngestoertRechnen(p, EingebautesWetterJahr().Tein, {}, *mittel);
        benchmark::DoNotOptimize(mittel->data());
    }
}
BENCHMARK(RegisterUngestoert)->Unit(benchmark::kMillisecond);

// one register run building its own set-up (0) or taking it over from a filled vorrat (1)
void RegisterLauf(benchmark::State& state) {
    const TRegisterParameter p = StandardRegister();
    auto k = std::make_unique<TKontext>();
    TRegisterVorrat vorrat;
    TRegisterVorrat* geteilt = state.range(0) != 0 ? &vorrat : nullptr;
    if (geteilt != nullptr)
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k, {}, {}, 0.0, geteilt);
    for (auto _ : state) {
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k, {}, {}, 0.0, geteilt);
        benchmark::DoNotOptimize(k->RegisterErgebnis.Heizenergie);
    }
    state.counters["Durchlaeufe"] = k->RegisterErgebnis.Einschwingjahre + 1;
}
BENCHMARK(RegisterLauf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

TStudie ZehntausendBillige() {
    TStudie studie;
    ParameterStandardwerteSetzen(studie.Basis);
    studie.Basis.Einschwingjahre = 0;
    studie.Basis.AnzahlGitter = 3;
    studie.Variationen = {VariationLesen("AnzahlRohre", "1:100:1"),
                          VariationLesen("Rohrlaenge", "10:1000:10")};
    studie.Bedingungen = {BedingungLesen("TausMin>=-8")};
    return studie;
}

void StudieGestroemt(benchmark::State& state) {
    const TStudie studie = ZehntausendBillige();
    std::size_t laenge = 0;
    for (auto _ : state) {
        TStudienStrom strom("", StudienKopf(studie));
        TStudienBewertung bewertung(studie.Bedingungen);
        std::string zeile;
        StudieStroemen(studie, EingebautesWetterJahr(), nullptr, 2, {0, 1, VariantenZahl(studie)},
                       [&](std::size_t nummer, TVariantenErgebnis& v) {
                           bewertung.Aufnehmen(nummer, v);
                           zeile.clear();
                           StudienZeileAnhaengen(studie, nummer, v, false, zeile);
                           strom.ZeileSchreiben(nummer, zeile, bewertung.Fronten());
                       });
        std::ostringstream aus;
        strom.Abschliessen(bewertung.Fronten(), &aus);
        laenge = aus.str().size();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(VariantenZahl(studie)));
    state.counters["Bytes"] = static_cast<double>(laenge);
}
BENCHMARK(StudieGestroemt)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();

void StudieImSpeicher(benchmark::State& state) {
    const TStudie studie = ZehntausendBillige();
    std::size_t laenge = 0;
    std::vector<TVariantenErgebnis> ergebnis;
    for (auto _ : state) {
        StudieRechnen(studie, EingebautesWetterJahr(), nullptr, 2, ergebnis);
        laenge = StudieAlsCsv(studie, ergebnis).size();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(ergebnis.size()));
    state.counters["Bytes"] = static_cast<double>(laenge);
}
BENCHMARK(StudieImSpeicher)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
