// One conduction sub-step of an axial slice (three sector columns) for the grid counts 6 and 10,
// on a ground state set up like a run's and carried through a realistic temperature field; beside
// it the clock and the vector peak of the path, to tell how much of the machine the step uses.
// The path is the one of the process, so one run per path:
//   for p in skalar sse2 avx2 avx512; do KOV_SIMD=$p ./build/erd_scheibe_bench; done

#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "ground/simd_pfad.h"
#include "register/kontext.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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
    // A winter field: cold surface, warmer boundary, graded in between. No surface sits at
    // exactly 0 °C: the running adiabatic column would decay towards it into subnormal numbers,
    // and the figure would time the processor's subnormal assists instead of the step.
    for (auto* gitter : {&k->Erde.GitterErde, &k->Erde.GitterAdiabat, &k->Erde.GitterKeller})
        for (int a = 1; a <= n; ++a)
            for (int i = 0; i <= n + 1; ++i)
                (*gitter)[a][i] = -5.25 + 15.0 * std::sqrt(static_cast<double>(i) / (n + 1)) + a;
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
    // three sectors, n rows of n+2 products and as many additions
    state.counters["FLOP"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 3 * n * (n + 2) * 2, benchmark::Counter::kIsRate);
    state.SetLabel(std::string(betrieb ? "Betrieb " : "Stillstand ") + kov::SimdPfadName(e.Pfad));
}
BENCHMARK(ErdScheibeEinSchritt)->ArgsProduct({{6, 10}, {1, 0}});

#if defined(__x86_64__)

// Clock of the core: a chain of dependent register additions takes one cycle each (an
// immediate operand would not do: newer cores fold chains of those at renaming).
void Takt(benchmark::State& state) {
    std::uint64_t x = 0;
    std::uint64_t eins = 1;
    benchmark::DoNotOptimize(eins);
    for (auto _ : state)
        asm volatile(".rept 1000\n\tadd %1, %0\n\t.endr" : "+r"(x) : "r"(eins));
    benchmark::DoNotOptimize(x);
    state.counters["Hz"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1000,
                                              benchmark::Counter::kIsRate);
}
BENCHMARK(Takt);

// Peak of separate multiplications and additions on a path: twelve independent chains
// s = s + s*c keep both arithmetic ports busy (c = 0 is hidden from the compiler, so the values
// stay put and no chain can be folded away).
constexpr int Ketten = 12;
constexpr int RundenJeSchritt = 100;

double SpitzeSkalar(double c) {
    double s[Ketten];
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        s[k] = 1.0 + k;
    for (int r = 0; r < RundenJeSchritt; ++r)
#pragma GCC unroll 12
        for (int k = 0; k < Ketten; ++k) {
            s[k] = s[k] + s[k] * c;
            asm("" : "+x"(s[k])); // one lane each: keeps the compiler from pairing chains
        }
    double summe = 0.0;
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        summe += s[k];
    return summe;
}

double SpitzeSse2(double c) {
    __m128d s[Ketten];
    const __m128d f = _mm_set1_pd(c);
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        s[k] = _mm_set1_pd(1.0 + k);
    for (int r = 0; r < RundenJeSchritt; ++r)
#pragma GCC unroll 12
        for (int k = 0; k < Ketten; ++k)
            s[k] = _mm_add_pd(s[k], _mm_mul_pd(s[k], f));
    __m128d summe = _mm_setzero_pd();
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        summe = _mm_add_pd(summe, s[k]);
    return _mm_cvtsd_f64(summe);
}

__attribute__((target("avx2"))) double SpitzeAvx2(double c) {
    __m256d s[Ketten];
    const __m256d f = _mm256_set1_pd(c);
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        s[k] = _mm256_set1_pd(1.0 + k);
    for (int r = 0; r < RundenJeSchritt; ++r)
#pragma GCC unroll 12
        for (int k = 0; k < Ketten; ++k)
            s[k] = _mm256_add_pd(s[k], _mm256_mul_pd(s[k], f));
    __m256d summe = _mm256_setzero_pd();
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        summe = _mm256_add_pd(summe, s[k]);
    return _mm256_cvtsd_f64(summe);
}

__attribute__((target("avx512f"))) double SpitzeAvx512(double c) {
    __m512d s[Ketten];
    const __m512d f = _mm512_set1_pd(c);
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        s[k] = _mm512_set1_pd(1.0 + k);
    for (int r = 0; r < RundenJeSchritt; ++r)
#pragma GCC unroll 12
        for (int k = 0; k < Ketten; ++k)
            s[k] = _mm512_add_pd(s[k], _mm512_mul_pd(s[k], f));
    __m512d summe = _mm512_setzero_pd();
#pragma GCC unroll 12
    for (int k = 0; k < Ketten; ++k)
        summe = _mm512_add_pd(summe, s[k]);
    alignas(64) double lanes[8];
    _mm512_store_pd(lanes, summe);
    return lanes[0];
}

void VektorSpitze(benchmark::State& state) {
    const kov::TSimdPfad pfad = kov::SimdPfadDesProzesses();
    double (*spitze)(double) = SpitzeSkalar;
    int breite = 1;
    switch (pfad) {
    case kov::TSimdPfad::Skalar:
        break;
    case kov::TSimdPfad::Sse2:
        spitze = SpitzeSse2;
        breite = 2;
        break;
    case kov::TSimdPfad::Avx2:
        spitze = SpitzeAvx2;
        breite = 4;
        break;
    case kov::TSimdPfad::Avx512:
        spitze = SpitzeAvx512;
        breite = 8;
        break;
    }
    double c = 0.0;
    benchmark::DoNotOptimize(c);
    for (auto _ : state)
        benchmark::DoNotOptimize(spitze(c));
    state.counters["FLOP"] = benchmark::Counter(static_cast<double>(state.iterations()) *
                                                    RundenJeSchritt * Ketten * 2 * breite,
                                                benchmark::Counter::kIsRate);
    state.SetLabel(kov::SimdPfadName(pfad));
}
BENCHMARK(VektorSpitze);

#endif

} // namespace

BENCHMARK_MAIN();
