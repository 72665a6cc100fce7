// A variant study of 1000 default-sized registers (AnzahlRohre x Rohrlaenge x DRohr, built-in
// year) on 1 and 2 threads, and what one variant of it costs against a plain run.
#include "files/wetter.h"
#include "register/variantenstudie.h"

#include <benchmark/benchmark.h>

#include <memory>

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

void StudieTausend(benchmark::State& state) {
    const TStudie studie = TausendVarianten();
    const auto faeden = static_cast<unsigned>(state.range(0));
    std::vector<TVariantenErgebnis> ergebnis;
    for (auto _ : state) {
        StudieRechnen(studie, EingebautesWetterJahr(), nullptr, faeden, ergebnis);
        benchmark::DoNotOptimize(ergebnis.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(ergebnis.size()));
    state.SetLabel(std::to_string(faeden) + " Threads");
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

} // namespace

BENCHMARK_MAIN();
