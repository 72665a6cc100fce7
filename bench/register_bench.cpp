// Whole runs of the register model (set-up of the ground, every settling year and the recorded
// year) on the built-in year: the default design, and how the cost grows with the number of
// pipes, the depth and the length. The counters give the passes each run took, since the
// settling years depend on the design.
//   ./build/register_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "files/wetter.h"
#include "register/register_lauf.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace kov;

TRegisterParameter Register() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    return p;
}

void Rechnen(benchmark::State& state, const TRegisterParameter& p) {
    auto k = std::make_unique<TKontext>();
    for (auto _ : state) {
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k);
        benchmark::DoNotOptimize(k->RegisterErgebnis.Heizenergie);
        benchmark::ClobberMemory();
    }
    state.counters["Durchlaeufe"] = k->RegisterErgebnis.Einschwingjahre + 1;
    state.counters["Moden"] = k->Register.K;
}

void StandardRegister(benchmark::State& state) {
    Rechnen(state, Register());
}
BENCHMARK(StandardRegister)->Unit(benchmark::kMillisecond);

// the flow per pipe kept at the default's, so that only the row grows
void Rohrzahl(benchmark::State& state) {
    TRegisterParameter p = Register();
    p.AnzahlRohre = static_cast<std::int32_t>(state.range(0));
    p.Volumenstrom = 3700.0 / 15 * p.AnzahlRohre;
    Rechnen(state, p);
}
BENCHMARK(Rohrzahl)->Arg(1)->Arg(5)->Arg(15)->Arg(30)->Unit(benchmark::kMillisecond);

void Tiefe(benchmark::State& state) {
    TRegisterParameter p = Register();
    p.Tiefe = static_cast<double>(state.range(0));
    Rechnen(state, p);
}
BENCHMARK(Tiefe)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

void Rohrlaenge(benchmark::State& state) {
    TRegisterParameter p = Register();
    p.Rohrlaenge = static_cast<double>(state.range(0));
    Rechnen(state, p);
}
BENCHMARK(Rohrlaenge)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
