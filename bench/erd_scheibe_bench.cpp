// One conduction sub-step of an axial slice (three sector columns) for the grid counts 6 and 10,
// on a ground state set up like a run's and carried through a realistic temperature field.

#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "register/kontext.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<kov::TKontext> KontextAufbauen(int n) {
    auto k = std::make_unique<kov::TKontext>();
    kov::StandardwerteSetzen(*k);
    k->Parameter.AnzahlGitter = n;
    k->Parameter.AnteilAdiabat = 0.3;
    k->Parameter.AnteilKeller = 0.2;
    kov::AnteilErdeBerechnen(k->Parameter);
    k->Werte.Zellenlaenge = k->Parameter.Rohrlaenge / n;
    k->Werte.StartTemperatur = 2.913;
    kov::ErdGitterAufbauen(*k, k->Erde, k->Parameter.Zeitschritt / k->Parameter.AnzahlSubSchritte);
    // a winter field: cold surface, warmer boundary, graded in between
    for (auto* gitter : {&k->Erde.GitterErde, &k->Erde.GitterAdiabat, &k->Erde.GitterKeller})
        for (int a = 1; a <= n; ++a)
            for (int i = 0; i <= n + 1; ++i)
                (*gitter)[a][i] = -5.0 + 15.0 * std::sqrt(static_cast<double>(i) / (n + 1)) + a;
    return k;
}

void ErdScheibeEinSchritt(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const bool betrieb = state.range(1) != 0;
    auto k = KontextAufbauen(n);
    kov::TErdZustand& e = k->Erde;
    int a = 1;
    for (auto _ : state) {
        kov::ErdScheibeRechnen(e, n, betrieb, a);
        benchmark::DoNotOptimize(e.GitterErde[a][1]);
        benchmark::ClobberMemory();
        a = a == n ? 1 : a + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(betrieb ? "Betrieb" : "Stillstand");
}
BENCHMARK(ErdScheibeEinSchritt)->ArgsProduct({{6, 10}, {1, 0}});

} // namespace

BENCHMARK_MAIN();
