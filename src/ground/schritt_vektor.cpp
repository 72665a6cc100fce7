#include "ground/schritt_vektor.h"

#include <array>
#include <bit>
#include <cstddef>
#include <utility>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kov {

namespace {

// One sector's share of a step: its column matrix, the row it reads and the row it writes
// (the same row when the grid is advanced in place; all reads come before the first write).
struct TSektorZeile {
    const TSpaltenMatrix* Q;
    const double* v;
    double* t;
};

// The sums of the scalar path, read from the column copy.
template <int m, int S> inline void SchrittSkalar(const std::array<TSektorZeile, S>& sektor) {
    double summe[S][m + 1];
    for (int s = 0; s < S; ++s)
        for (int i = 1; i <= m; ++i) {
            summe[s][i] = 0.0;
            for (int j = 0; j <= m + 1; ++j)
                summe[s][i] = summe[s][i] + sektor[s].Q->Spalte[j][i - 1] * sektor[s].v[j];
        }
    for (int s = 0; s < S; ++s)
        for (int i = 1; i <= m; ++i)
            sektor[s].t[i] = summe[s][i];
}

#if defined(__x86_64__)

// In the three vector paths below, lane l of vector k holds row 1 + W*k + l (W lanes). All
// sectors are worked in one pass over the columns, which gives the processor S independent
// chains of additions to overlap.

template <int m, int S> inline void SchrittSse2(const std::array<TSektorZeile, S>& sektor) {
    constexpr int K = (m + 1) / 2;
    __m128d summe[S][K + 1];
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 8
        for (int k = 0; k < K; ++k)
            summe[s][k] = _mm_setzero_pd();
#pragma GCC unroll 12
    for (int j = 0; j <= m + 1; ++j)
#pragma GCC unroll 4
        for (int s = 0; s < S; ++s) {
            const __m128d x = _mm_set1_pd(sektor[s].v[j]);
#pragma GCC unroll 8
            for (int k = 0; k < K; ++k)
                summe[s][k] = _mm_add_pd(
                    summe[s][k], _mm_mul_pd(_mm_load_pd(&sektor[s].Q->Spalte[j][2 * k]), x));
        }
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 8
        for (int k = 0; k < K; ++k) {
            double* ziel = sektor[s].t + 1 + 2 * k;
            if (m - 2 * k >= 2)
                _mm_storeu_pd(ziel, summe[s][k]);
            else
                _mm_store_sd(ziel, summe[s][k]);
        }
}

template <int m, int S>
__attribute__((target("avx2"), always_inline)) inline void
SchrittAvx2(const std::array<TSektorZeile, S>& sektor) {
    constexpr int K = (m + 3) / 4;
    __m256d summe[S][K + 1];
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 4
        for (int k = 0; k < K; ++k)
            summe[s][k] = _mm256_setzero_pd();
#pragma GCC unroll 12
    for (int j = 0; j <= m + 1; ++j)
#pragma GCC unroll 4
        for (int s = 0; s < S; ++s) {
            const __m256d x = _mm256_set1_pd(sektor[s].v[j]);
#pragma GCC unroll 4
            for (int k = 0; k < K; ++k)
                summe[s][k] = _mm256_add_pd(
                    summe[s][k], _mm256_mul_pd(_mm256_load_pd(&sektor[s].Q->Spalte[j][4 * k]), x));
        }
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 4
        for (int k = 0; k < K; ++k) {
            double* ziel = sektor[s].t + 1 + 4 * k;
            const int rest = m - 4 * k;
            const __m128d unten = _mm256_castpd256_pd128(summe[s][k]);
            if (rest >= 4) {
                _mm256_storeu_pd(ziel, summe[s][k]);
            } else if (rest >= 2) {
                _mm_storeu_pd(ziel, unten);
                if (rest == 3) _mm_store_sd(ziel + 2, _mm256_extractf128_pd(summe[s][k], 1));
            } else {
                _mm_store_sd(ziel, unten);
            }
        }
}

template <int m, int S>
__attribute__((target("avx512f"), always_inline)) inline void
SchrittAvx512(const std::array<TSektorZeile, S>& sektor) {
    constexpr int K = (m + 7) / 8;
    __m512d summe[S][K + 1];
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 2
        for (int k = 0; k < K; ++k)
            summe[s][k] = _mm512_setzero_pd();
#pragma GCC unroll 12
    for (int j = 0; j <= m + 1; ++j)
#pragma GCC unroll 4
        for (int s = 0; s < S; ++s) {
            const __m512d x = _mm512_set1_pd(sektor[s].v[j]);
#pragma GCC unroll 2
            for (int k = 0; k < K; ++k)
                summe[s][k] = _mm512_add_pd(
                    summe[s][k], _mm512_mul_pd(_mm512_load_pd(&sektor[s].Q->Spalte[j][8 * k]), x));
        }
#pragma GCC unroll 4
    for (int s = 0; s < S; ++s)
#pragma GCC unroll 2
        for (int k = 0; k < K; ++k) {
            const int rest = m - 8 * k;
            const __mmask8 maske = rest >= 8 ? 0xFF : static_cast<__mmask8>((1u << rest) - 1);
            _mm512_mask_storeu_pd(sektor[s].t + 1 + 8 * k, maske, summe[s][k]);
        }
}

#endif

// The sectors of the mask in row a with the running or the standing matrices, each advanced in
// place, in the order earth, cellar, adiabatic.
template <unsigned maske>
inline std::array<TSektorZeile, std::popcount(maske)> ScheibenSektoren(TErdZustand& e,
                                                                       bool inBetrieb, int a) {
    std::array<TSektorZeile, std::popcount(maske)> sektoren{};
    std::size_t s = 0;
    if constexpr ((maske & SektorErde) != 0) {
        double* erde = e.GitterErde[a].data();
        sektoren[s++] = {inBetrieb ? &e.SpaltenErdeBetrieb : &e.SpaltenErdeStillstand, erde, erde};
    }
    if constexpr ((maske & SektorKeller) != 0) {
        double* keller = e.GitterKeller[a].data();
        sektoren[s++] = {inBetrieb ? &e.SpaltenKellerBetrieb : &e.SpaltenKellerStillstand, keller,
                         keller};
    }
    if constexpr ((maske & SektorAdiabat) != 0) {
        double* adiabat = e.GitterAdiabat[a].data();
        sektoren[s++] = {inBetrieb ? &e.SpaltenAdiabatBetrieb : &e.SpaltenAdiabatStillstand,
                         adiabat, adiabat};
    }
    return sektoren;
}

// Per path and block size m the two entry points: one row (zeile may be v), and the slice.
// Each carries its path's instruction set, so the kernel is inlined without a further call.
#define KOV_ZIEL_Skalar
#define KOV_ZIEL_Sse2
#define KOV_ZIEL_Avx2 __attribute__((target("avx2")))
#define KOV_ZIEL_Avx512 __attribute__((target("avx512f")))
#define KOV_EINSTIEGE(Pfad)                                                                        \
    template <int m>                                                                               \
    KOV_ZIEL_##Pfad void Zeile##Pfad(const TSpaltenMatrix& Q, const TGitterZeile& v,               \
                                     TGitterZeile& zeile) {                                        \
        const double innen = v[0];                                                                 \
        const double aussen = v[m + 1];                                                            \
        Schritt##Pfad<m, 1>({{&Q, v.data(), zeile.data()}});                                       \
        zeile[0] = innen;                                                                          \
        zeile[m + 1] = aussen;                                                                     \
    }                                                                                              \
    template <int m, unsigned maske>                                                               \
    KOV_ZIEL_##Pfad void Scheibe##Pfad(TErdZustand& e, bool inBetrieb, int a) {                    \
        if constexpr (maske != 0)                                                                  \
            Schritt##Pfad<m, std::popcount(maske)>(ScheibenSektoren<maske>(e, inBetrieb, a));      \
    }

KOV_EINSTIEGE(Skalar)
#if defined(__x86_64__)
KOV_EINSTIEGE(Sse2)
KOV_EINSTIEGE(Avx2)
KOV_EINSTIEGE(Avx512)
#endif
#undef KOV_EINSTIEGE
#undef KOV_ZIEL_Skalar
#undef KOV_ZIEL_Sse2
#undef KOV_ZIEL_Avx2
#undef KOV_ZIEL_Avx512

using TZeilenKern = void (*)(const TSpaltenMatrix&, const TGitterZeile&, TGitterZeile&);
using TScheibenKern = void (*)(TErdZustand&, bool, int);
template <typename TKern>
using TKernTabelle = std::array<std::array<TKern, MaxGitter + 1>, AnzahlSimdPfade>;

// [path][m], in the order of TSimdPfad; off x86-64 every path runs the scalar sums
template <std::size_t... m>
constexpr TKernTabelle<TZeilenKern> ZeilenKerneBilden(std::index_sequence<m...>) {
#if defined(__x86_64__)
    return {{{&ZeileSkalar<static_cast<int>(m)>...},
             {&ZeileSse2<static_cast<int>(m)>...},
             {&ZeileAvx2<static_cast<int>(m)>...},
             {&ZeileAvx512<static_cast<int>(m)>...}}};
#else
    return {{{&ZeileSkalar<static_cast<int>(m)>...},
             {&ZeileSkalar<static_cast<int>(m)>...},
             {&ZeileSkalar<static_cast<int>(m)>...},
             {&ZeileSkalar<static_cast<int>(m)>...}}};
#endif
}

// [path][m][sector mask]
template <typename TKern>
using TScheibenTabelle =
    std::array<std::array<std::array<TKern, AlleSektoren + 1>, MaxGitter + 1>, AnzahlSimdPfade>;

template <int m, std::size_t... maske>
constexpr std::array<TScheibenKern, AlleSektoren + 1> MaskenBilden(int pfad,
                                                                   std::index_sequence<maske...>) {
#if defined(__x86_64__)
    switch (pfad) {
    case 1:
        return {{&ScheibeSse2<m, static_cast<unsigned>(maske)>...}};
    case 2:
        return {{&ScheibeAvx2<m, static_cast<unsigned>(maske)>...}};
    case 3:
        return {{&ScheibeAvx512<m, static_cast<unsigned>(maske)>...}};
    default:
        break;
    }
#endif
    static_cast<void>(pfad);
    return {{&ScheibeSkalar<m, static_cast<unsigned>(maske)>...}};
}

template <std::size_t... m>
constexpr TScheibenTabelle<TScheibenKern> ScheibenKerneBilden(std::index_sequence<m...>) {
    TScheibenTabelle<TScheibenKern> tabelle{};
    for (int pfad = 0; pfad < static_cast<int>(AnzahlSimdPfade); ++pfad)
        tabelle[static_cast<std::size_t>(pfad)] = {{MaskenBilden<static_cast<int>(m)>(
            pfad, std::make_index_sequence<AlleSektoren + 1>{})...}};
    return tabelle;
}

constexpr auto ZeilenKernFuer = ZeilenKerneBilden(std::make_index_sequence<MaxGitter + 1>{});
constexpr auto ScheibenKernFuer = ScheibenKerneBilden(std::make_index_sequence<MaxGitter + 1>{});

} // namespace

void MatrixVektorSchrittVektoriell(TSimdPfad pfad, const TSpaltenMatrix& Q, const TGitterZeile& v,
                                   TGitterZeile& zeile, int m) {
    ZeilenKernFuer[static_cast<std::size_t>(pfad)][static_cast<std::size_t>(m)](Q, v, zeile);
}

void ErdScheibeVektoriellRechnen(TSimdPfad pfad, TErdZustand& e, int n, bool inBetrieb, int a,
                                 unsigned sektoren) {
    ScheibenKernFuer[static_cast<std::size_t>(pfad)][static_cast<std::size_t>(n)][sektoren](
        e, inBetrieb, a);
}

} // namespace kov
