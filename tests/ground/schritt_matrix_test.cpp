#include "ground/schritt_matrix.h"
#include "model/fehler.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace kov {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

// A column of m cells with conductances and capacities in the range of the ground model.
struct TSaeule {
    TGitterZeile g{};
    TGitterZeile C{};
};

TSaeule ZufallsSaeule(int m, std::mt19937& zufall) {
    std::uniform_real_distribution<double> leitwert(20.0, 1000.0);
    std::uniform_real_distribution<double> kapazitaet(1e4, 6e7);
    TSaeule s;
    for (int i = 1; i <= m + 1; ++i)
        s.g[i] = leitwert(zufall);
    for (int i = 1; i <= m; ++i)
        s.C[i] = kapazitaet(zufall);
    return s;
}

TSchrittMatrix SchrittMatrix(const TSaeule& s, double dt, int m) {
    TSchrittMatrix L{}, R{}, Linv{}, P{};
    LinksMatrixAufbauen(s.g, s.C, L, dt, m);
    RechtsMatrixAufbauen(s.g, s.C, R, dt, m);
    MatrixInvertieren(L, Linv, m);
    MatrixMultiplizieren(Linv, R, P, m);
    return P;
}

TEST(SchrittMatrix, InverseOfWorkedTwoByTwoAndOfIdentity) {
    TSchrittMatrix A{}, B{};
    A[0] = {4, 1};
    A[1] = {2, 3};
    MatrixInvertieren(A, B, 0);
    EXPECT_NEAR(B[0][0], 0.3, 1e-15);
    EXPECT_NEAR(B[0][1], -0.1, 1e-15);
    EXPECT_NEAR(B[1][0], -0.2, 1e-15);
    EXPECT_NEAR(B[1][1], 0.4, 1e-15);
    EXPECT_EQ(A[0][0], 4.0) << "the input stays unchanged";
    EXPECT_EQ(A[1][0], 2.0);

    for (int m = 0; m <= 10; ++m) {
        TSchrittMatrix I{}, J{};
        for (int i = 0; i <= m + 1; ++i)
            I[i][i] = 1.0;
        MatrixInvertieren(I, J, m);
        for (int i = 0; i <= m + 1; ++i)
            for (int j = 0; j <= m + 1; ++j)
                EXPECT_EQ(J[i][j], i == j ? 1.0 : 0.0)
                    << "m " << m << " [" << i << "][" << j << "]";
    }
}

TEST(SchrittMatrix, LeftAndRightMatricesOfASmallColumn) {
    // g(1..3) = 1, 2, 3 W/K, C(1..2) = 10, 20 J/K, dt = 0.5 s
    TGitterZeile g{0, 1, 2, 3};
    TGitterZeile C{0, 10, 20};
    TSchrittMatrix L{}, R{};
    LinksMatrixAufbauen(g, C, L, 0.5, 2);
    RechtsMatrixAufbauen(g, C, R, 0.5, 2);
    const double links[4][4] = {
        {1, 0, 0, 0}, {-0.5, 21.5, -1, 0}, {0, -1, 42.5, -1.5}, {0, 0, 0, 1}};
    const double rechts[4][4] = {{1, 0, 0, 0}, {0.5, 18.5, 1, 0}, {0, 1, 37.5, 1.5}, {0, 0, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(L[i][j], links[i][j]) << "links [" << i << "][" << j << "]";
            EXPECT_EQ(R[i][j], rechts[i][j]) << "rechts [" << i << "][" << j << "]";
        }
    }
}

TEST(SchrittMatrix, InverseTimesColumnMatrixIsIdentity) {
    std::mt19937 zufall(7);
    for (int m = 1; m <= 10; ++m) {
        const TSaeule s = ZufallsSaeule(m, zufall);
        TSchrittMatrix L{}, Linv{}, E{};
        LinksMatrixAufbauen(s.g, s.C, L, 1800.0, m);
        MatrixInvertieren(L, Linv, m);
        MatrixMultiplizieren(Linv, L, E, m);
        for (int i = 0; i <= m + 1; ++i)
            for (int j = 0; j <= m + 1; ++j)
                EXPECT_NEAR(E[i][j], i == j ? 1.0 : 0.0, 1e-12)
                    << "m " << m << " [" << i << "][" << j << "]";
    }
}

TEST(SchrittMatrix, ProductSumsInAscendingOrder) {
    TSchrittMatrix A{}, B{}, D{};
    A[0] = {1, 2, 3};
    A[1] = {4, 5, 6};
    A[2] = {7, 8, 9};
    B[0] = {1, 0, 2};
    B[1] = {0, 1, 0};
    B[2] = {3, 0, 1};
    MatrixMultiplizieren(A, B, D, 1);
    const double erwartet[3][3] = {{10, 2, 5}, {22, 5, 14}, {34, 8, 23}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(D[i][j], erwartet[i][j]) << "[" << i << "][" << j << "]";

    // (1 + 1e16) - 1e16 is 0; summed from the other end it would be 1
    TSchrittMatrix X{}, Y{}, Z{};
    X[0] = {1, 1e16, -1e16};
    Y[0][0] = Y[1][0] = Y[2][0] = 1;
    MatrixMultiplizieren(X, Y, Z, 1);
    EXPECT_EQ(Z[0][0], 0.0);

    // the product may overwrite one of its factors
    MatrixMultiplizieren(A, B, A, 1);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(A[i][j], erwartet[i][j]) << "in place [" << i << "][" << j << "]";
}

TEST(SchrittMatrix, EntriesOutsideTheBlockAreNeitherReadNorWritten) {
    const int m = 4; // block 0..5
    std::mt19937 zufall(3);
    TSaeule s = ZufallsSaeule(m, zufall);
    for (int i = m + 2; i < 12; ++i)
        s.g[i] = s.C[i] = NaN;
    s.C[0] = NaN; // entries 0 and m+1 of the capacities are not read
    s.C[m + 1] = NaN;

    const double marke = -12345.0;
    auto markiert = [&] {
        TSchrittMatrix M;
        for (auto& zeile : M)
            zeile.fill(marke);
        return M;
    };
    auto pruefen = [&](const TSchrittMatrix& M, const char* fall) {
        for (int i = 0; i < 12; ++i)
            for (int j = 0; j < 12; ++j) {
                if (i <= m + 1 && j <= m + 1) {
                    EXPECT_TRUE(std::isfinite(M[i][j])) << fall << " [" << i << "][" << j << "]";
                } else {
                    EXPECT_EQ(M[i][j], marke) << fall << " [" << i << "][" << j << "]";
                }
            }
    };

    TSchrittMatrix L = markiert(), R = markiert(), Linv = markiert(), P = markiert();
    LinksMatrixAufbauen(s.g, s.C, L, 1800.0, m);
    RechtsMatrixAufbauen(s.g, s.C, R, 1800.0, m);
    pruefen(L, "links");
    pruefen(R, "rechts");
    // the marks outside the block would poison the results if they were read
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j)
            if (i > m + 1 || j > m + 1) L[i][j] = R[i][j] = NaN;
    MatrixInvertieren(L, Linv, m);
    pruefen(Linv, "invertieren");
    MatrixMultiplizieren(Linv, R, P, m);
    pruefen(P, "multiplizieren");

    TErdGitter T;
    for (auto& zeile : T)
        zeile.fill(marke);
    TGitterZeile v;
    v.fill(NaN);
    for (int j = 0; j <= m + 1; ++j)
        v[j] = 5.0 + j;
    P[1][m + 2] = NaN; // for the product
    MatrixVektorSchritt(P, v, T, m, 3);
    for (int a = 0; a < 12; ++a)
        for (int i = 0; i < 12; ++i) {
            if (a == 3 && i <= m + 1) {
                EXPECT_TRUE(std::isfinite(T[a][i])) << "zeile [" << a << "][" << i << "]";
            } else {
                EXPECT_EQ(T[a][i], marke) << "zeile [" << a << "][" << i << "]";
            }
        }
}

// The plain row-by-row product the step must reproduce bit for bit.
void ZeilenweiseSchritt(const TSchrittMatrix& P, const TGitterZeile& v, TErdGitter& T, int m,
                        int a) {
    T[a][0] = v[0];
    T[a][m + 1] = v[m + 1];
    for (int i = 1; i <= m; ++i) {
        double summe = 0.0;
        for (int j = 0; j <= m + 1; ++j)
            summe = summe + P[i][j] * v[j];
        T[a][i] = summe;
    }
}

TEST(SchrittMatrix, StepIsBitForBitTheRowByRowSum) {
    std::mt19937 zufall(11);
    std::uniform_real_distribution<double> wert(-1.0, 1.0);
    std::uniform_real_distribution<double> temperatur(-20.0, 40.0);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int m = 0; m <= 10; ++m) {
        for (int versuch = 0; versuch < 200; ++versuch) {
            TSchrittMatrix P;
            TGitterZeile v;
            for (auto& zeile : P)
                for (double& x : zeile)
                    x = versuch % 2 ? wert(zufall) : wert(zufall) * std::exp2(exponent(zufall));
            for (double& x : v)
                x = temperatur(zufall);
            if (versuch == 3) P[1][0] = -0.0; // signed zeros must come out the same as well
            TErdGitter ist{}, soll{};
            const int a = versuch % 12;
            MatrixVektorSchritt(P, v, ist, m, a);
            ZeilenweiseSchritt(P, v, soll, m, a);
            for (int i = 0; i <= m + 1; ++i)
                ASSERT_EQ(Bits(ist[a][i]), Bits(soll[a][i]))
                    << "m " << m << " versuch " << versuch << " knoten " << i;
        }
    }

    // a real step matrix of the ground model as well
    TSaeule s = ZufallsSaeule(6, zufall);
    const TSchrittMatrix P = SchrittMatrix(s, 1800.0, 6);
    TGitterZeile v{};
    for (double& x : v)
        x = temperatur(zufall);
    TErdGitter ist{}, soll{};
    MatrixVektorSchritt(P, v, ist, 6, 1);
    ZeilenweiseSchritt(P, v, soll, 6, 1);
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(Bits(ist[1][i]), Bits(soll[1][i])) << "knoten " << i;
}

TEST(SchrittMatrix, ColumnCopyHoldsTheBlockByColumnsAndZerosElsewhere) {
    for (int m = 0; m <= 10; ++m) {
        TSchrittMatrix P;
        for (int i = 0; i < 12; ++i)
            for (int j = 0; j < 12; ++j)
                P[i][j] = i <= m + 1 && j <= m + 1 ? 100.0 * i + j : NaN;
        TSpaltenMatrix Q;
        for (auto& spalte : Q.Spalte)
            spalte.fill(-1.0); // whatever was there before is cleared
        SpaltenMatrixBilden(P, Q, m);
        for (int j = 0; j < 12; ++j)
            for (int l = 0; l < 16; ++l) {
                // lane l of column j is row l+1; rows 0 and m+1 are the held nodes, not stored
                const double soll = j <= m + 1 && l < m ? 100.0 * (l + 1) + j : 0.0;
                EXPECT_EQ(Bits(Q.Spalte[j][l]), Bits(soll))
                    << "m " << m << " [" << j << "][" << l << "]";
            }
    }
    TSchrittMatrix P{};
    TSpaltenMatrix Q;
    EXPECT_THROW(SpaltenMatrixBilden(P, Q, 11), TParameterFehler);
    EXPECT_THROW(SpaltenMatrixBilden(P, Q, -1), TParameterFehler);
}

TEST(SchrittMatrix, UniformColumnStaysUniform) {
    std::mt19937 zufall(5);
    for (int m = 1; m <= 10; ++m) {
        for (double dt : {60.0, 1800.0, 3600.0}) {
            const TSaeule s = ZufallsSaeule(m, zufall);
            const TSchrittMatrix P = SchrittMatrix(s, dt, m);
            TGitterZeile v{};
            v.fill(13.7);
            TErdGitter T{};
            MatrixVektorSchritt(P, v, T, m, 1);
            for (int i = 0; i <= m + 1; ++i)
                EXPECT_NEAR(T[1][i], 13.7, 1e-12) << "m " << m << " dt " << dt << " knoten " << i;
        }
    }
}

TEST(SchrittMatrix, SizesBeyondTheRowsAreRefused) {
    TGitterZeile g{}, C{}, v{};
    TSchrittMatrix A{}, B{};
    TErdGitter T{};
    for (int m : {-1, 11, 1000}) {
        EXPECT_THROW(LinksMatrixAufbauen(g, C, A, 1.0, m), TParameterFehler) << "m " << m;
        EXPECT_THROW(RechtsMatrixAufbauen(g, C, A, 1.0, m), TParameterFehler) << "m " << m;
        EXPECT_THROW(MatrixInvertieren(A, B, m), TParameterFehler) << "m " << m;
        EXPECT_THROW(MatrixMultiplizieren(A, A, B, m), TParameterFehler) << "m " << m;
        EXPECT_THROW(MatrixVektorSchritt(A, v, T, m, 1), TParameterFehler) << "m " << m;
    }
    for (int a : {-1, 12}) {
        EXPECT_THROW(MatrixVektorSchritt(A, v, T, 6, a), TParameterFehler) << "a " << a;
    }
}

} // namespace
} // namespace kov
