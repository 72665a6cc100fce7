#include "ground/schritt_matrix.h"
#include "ground/schritt_vektor.h"
#include "ground/simd_pfad.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kov {
namespace {

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

// A quiet NaN with a payload no arithmetic produces: a write over it always shows.
const double Marke = std::bit_cast<double>(std::uint64_t{0x7FF80000DEADBEEF});

// The vector paths this processor runs; the others are named once so a skipped path is seen.
std::vector<TSimdPfad> VektorPfade() {
    const TSimdAusstattung ausstattung = SimdAusstattungDesProzessors();
    std::vector<TSimdPfad> pfade;
    for (TSimdPfad pfad : AlleSimdPfade) {
        if (pfad == TSimdPfad::Skalar) continue;
        if (ausstattung[static_cast<int>(pfad)])
            pfade.push_back(pfad);
        else
            std::printf("  (path %s: not on this processor, not tested)\n", SimdPfadName(pfad));
    }
    return pfade;
}

// Values of one kind for the matrix entries and the row, each drawn with a random sign.
struct TWerteArt {
    const char* Name;
    double (*Matrix)(std::mt19937&);
    double (*Zeile)(std::mt19937&);
};

double Zufall(std::mt19937& z, double von, double bis) {
    return std::uniform_real_distribution<double>(von, bis)(z);
}

double Vorzeichen(std::mt19937& z, double x) {
    return z() % 2 ? -x : x;
}

const TWerteArt WerteArten[] = {
    // as in the ground model: factors of many orders of magnitude, temperatures of both signs
    {"gemischt", [](std::mt19937& z) { return Zufall(z, -1, 1) * std::exp2(Zufall(z, -30, 30)); },
     [](std::mt19937& z) { return Zufall(z, -20, 40); }},
    // subnormal factors, and normal ones whose products fall below 2^-1022
    {"subnormal",
     [](std::mt19937& z) {
         const double klein = z() % 2 ? std::exp2(Zufall(z, -1074, -1023)) : std::exp2(-600.0);
         return Vorzeichen(z, klein * Zufall(z, 1, 2));
     },
     [](std::mt19937& z) { return Vorzeichen(z, std::exp2(Zufall(z, -470, 2))); }},
    // products near and beyond the largest double: infinities and inf - inf
    {"gross", [](std::mt19937& z) { return Vorzeichen(z, std::exp2(Zufall(z, 900, 1023))); },
     [](std::mt19937& z) { return Vorzeichen(z, std::exp2(Zufall(z, 0, 110))); }},
    // signed zeros and ones: 0 + (-0) must come out +0 as in the scalar sum
    {"nullen", [](std::mt19937& z) { return Vorzeichen(z, z() % 3 ? 0.0 : 1.0); },
     [](std::mt19937& z) { return Vorzeichen(z, z() % 3 ? 0.0 : 2.0); }},
};

TEST(SchrittVektor, EveryPathGivesTheBitsOfTheScalarRowStep) {
    std::mt19937 zufall(2024);
    int geprueft = 0;
    for (const TWerteArt& art : WerteArten) {
        for (int m = 0; m <= MaxGitter; ++m) {
            for (int versuch = 0; versuch < 40; ++versuch) {
                // entries outside the block are NaN: reading one would poison a sum
                TSchrittMatrix P;
                for (auto& zeile : P)
                    zeile.fill(std::numeric_limits<double>::quiet_NaN());
                for (int i = 0; i <= m + 1; ++i)
                    for (int j = 0; j <= m + 1; ++j)
                        P[i][j] = art.Matrix(zufall);
                TGitterZeile v;
                v.fill(Marke);
                for (int j = 0; j <= m + 1; ++j)
                    v[j] = art.Zeile(zufall);
                TSpaltenMatrix Q;
                SpaltenMatrixBilden(P, Q, m);

                TGitterZeile soll;
                soll.fill(Marke);
                MatrixVektorSchrittUngeprueft(P, v, soll, m);
                for (TSimdPfad pfad : AlleSimdPfade) {
                    if (!SimdAusstattungDesProzessors()[static_cast<int>(pfad)]) continue;
                    TGitterZeile ist;
                    ist.fill(Marke);
                    MatrixVektorSchrittVektoriell(pfad, Q, v, ist, m);
                    TGitterZeile anOrt = v; // the row advanced in place
                    MatrixVektorSchrittVektoriell(pfad, Q, anOrt, anOrt, m);
                    for (int i = 0; i < 12; ++i) {
                        // beyond m+1 the marks of soll and v are the same: untouched
                        ASSERT_EQ(Bits(ist[i]), Bits(soll[i]))
                            << art.Name << " " << SimdPfadName(pfad) << " m " << m << " versuch "
                            << versuch << " knoten " << i;
                        ASSERT_EQ(Bits(anOrt[i]), Bits(soll[i]))
                            << art.Name << " in place " << SimdPfadName(pfad) << " m " << m
                            << " versuch " << versuch << " knoten " << i;
                    }
                    ++geprueft;
                }
            }
        }
    }
    EXPECT_GE(geprueft, 4 * 11 * 40 * (1 + static_cast<int>(VektorPfade().size())));
}

// The kinds above must really reach the ranges they are named for, or the test proves less.
TEST(SchrittVektor, ValueKindsReachTheirRanges) {
    std::mt19937 zufall(7);
    int subnormal = 0, unendlich = 0, nan = 0, negativeNull = 0;
    for (const TWerteArt& art : WerteArten) {
        for (int versuch = 0; versuch < 200; ++versuch) {
            TSchrittMatrix P{};
            TGitterZeile v{};
            for (int i = 0; i <= 11; ++i) {
                v[i] = art.Zeile(zufall);
                for (int j = 0; j <= 11; ++j)
                    P[i][j] = art.Matrix(zufall);
            }
            TGitterZeile t{};
            MatrixVektorSchrittUngeprueft(P, v, t, MaxGitter);
            for (int i = 0; i <= 11; ++i) {
                for (double x : {P[i][0], P[i][i], v[i], P[i][1] * v[1]})
                    subnormal += std::fpclassify(x) == FP_SUBNORMAL;
                unendlich += std::isinf(t[i]);
                nan += std::isnan(t[i]);
                negativeNull += P[i][0] * v[0] == 0.0 && std::signbit(P[i][0] * v[0]);
            }
        }
    }
    EXPECT_GT(subnormal, 100);
    EXPECT_GT(unendlich, 100);
    EXPECT_GT(nan, 100);
    EXPECT_GT(negativeNull, 100);
}

TEST(SchrittVektor, SumsKeepTheirOrderOnEveryPath) {
    // 1 + 2^-53 + 2^-53 in ascending j: each small term is lost against 1 on its own (ties to
    // even), so the sum is 1; any other grouping would give 1 + 2^-52.
    const double klein = std::exp2(-53);
    for (int m = 1; m <= MaxGitter; ++m) {
        TSchrittMatrix P{};
        TGitterZeile v{};
        for (int i = 1; i <= m; ++i) {
            P[i][0] = 1.0;
            P[i][1] = klein;
            P[i][m + 1] = klein;
        }
        v.fill(1.0);
        TSpaltenMatrix Q;
        SpaltenMatrixBilden(P, Q, m);
        for (TSimdPfad pfad : AlleSimdPfade) {
            if (!SimdAusstattungDesProzessors()[static_cast<int>(pfad)]) continue;
            TGitterZeile t{};
            MatrixVektorSchrittVektoriell(pfad, Q, v, t, m);
            for (int i = 1; i <= m; ++i)
                EXPECT_EQ(t[i], 1.0) << SimdPfadName(pfad) << " m " << m << " knoten " << i;
        }
    }
}

} // namespace
} // namespace kov
