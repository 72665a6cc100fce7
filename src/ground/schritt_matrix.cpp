#include "ground/schritt_matrix.h"

#include "ground/gitter_grenzen.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kov {

namespace {

void BlockLeeren(TSchrittMatrix& M, int m) {
    for (int i = 0; i <= m + 1; ++i)
        for (int j = 0; j <= m + 1; ++j)
            M[i][j] = 0.0;
}

} // namespace

void LinksMatrixAufbauen(const TGitterZeile& g, const TGitterZeile& C, TSchrittMatrix& M, double dt,
                         int m) {
    MatrixgroessePruefen(m);
    BlockLeeren(M, m);
    // surface node 0 and boundary node m+1 are held during the step
    M[0][0] = 1.0;
    M[m + 1][m + 1] = 1.0;
    for (int i = 1; i <= m; ++i) {
        M[i][i] = 2 * C[i] + dt * g[i] + dt * g[i + 1];
        M[i][i - 1] = -dt * g[i];
        M[i][i + 1] = -dt * g[i + 1];
    }
}

void RechtsMatrixAufbauen(const TGitterZeile& g, const TGitterZeile& C, TSchrittMatrix& M,
                          double dt, int m) {
    MatrixgroessePruefen(m);
    BlockLeeren(M, m);
    M[0][0] = 1.0;
    M[m + 1][m + 1] = 1.0;
    for (int i = 1; i <= m; ++i) {
        M[i][i] = 2 * C[i] - dt * g[i] - dt * g[i + 1];
        M[i][i - 1] = dt * g[i];
        M[i][i + 1] = dt * g[i + 1];
    }
}

void MatrixInvertieren(const TSchrittMatrix& A, TSchrittMatrix& B, int m) {
    MatrixgroessePruefen(m);
    const int ende = m + 1;
    for (int i = 0; i <= ende; ++i)
        for (int j = 0; j <= ende; ++j)
            B[i][j] = A[i][j];

    // Exchange steps on the diagonal in ascending order. The matrices of the ground columns are
    // strictly diagonally dominant, so no pivot search is needed; the order of the steps fixes
    // the rounding of the result.
    for (int k = 0; k <= ende; ++k) {
        const double p = B[k][k];
        for (int j = 0; j <= ende; ++j)
            B[k][j] = -B[k][j] / p;
        for (int i = 0; i <= ende; ++i) {
            if (i == k) continue;
            for (int j = 0; j <= ende; ++j) {
                if (j == k) continue;
                B[i][j] = B[i][j] + B[k][j] * B[i][k];
            }
        }
        for (int i = 0; i <= ende; ++i)
            B[i][k] = B[i][k] / p;
        B[k][k] = 1 / p;
    }
}

void MatrixMultiplizieren(const TSchrittMatrix& A, const TSchrittMatrix& B, TSchrittMatrix& D,
                          int m) {
    MatrixgroessePruefen(m);
    // D may be A or B itself: the block is formed aside first
    TSchrittMatrix produkt;
    for (int i = 0; i <= m + 1; ++i) {
        for (int j = 0; j <= m + 1; ++j) {
            double summe = 0.0;
            for (int k = 0; k <= m + 1; ++k)
                summe = summe + A[i][k] * B[k][j];
            produkt[i][j] = summe;
        }
    }
    for (int i = 0; i <= m + 1; ++i)
        for (int j = 0; j <= m + 1; ++j)
            D[i][j] = produkt[i][j];
}

namespace {

// Row step for a block size known at compile time: the loops unroll completely and the m row
// sums run side by side, each one added up in ascending j from 0 as a chain of doubles.
template <int m>
void ZeilenSchritt(const TSchrittMatrix& P, const TGitterZeile& v, TGitterZeile& zeile) {
    TGitterZeile t;
    for (int i = 1; i <= m; ++i) {
        double summe = 0.0;
        for (int j = 0; j <= m + 1; ++j)
            summe = summe + P[i][j] * v[j];
        t[i] = summe;
    }
    zeile[0] = v[0];
    for (int i = 1; i <= m; ++i)
        zeile[i] = t[i];
    zeile[m + 1] = v[m + 1];
}

using TZeilenSchritt = void (*)(const TSchrittMatrix&, const TGitterZeile&, TGitterZeile&);

template <std::size_t... m>
constexpr std::array<TZeilenSchritt, sizeof...(m)> ZeilenSchritte(std::index_sequence<m...>) {
    return {&ZeilenSchritt<static_cast<int>(m)>...};
}

constexpr auto ZeilenSchrittFuer = ZeilenSchritte(std::make_index_sequence<MaxGitter + 1>{});

} // namespace

void MatrixVektorSchrittUngeprueft(const TSchrittMatrix& P, const TGitterZeile& v,
                                   TGitterZeile& zeile, int m) {
    ZeilenSchrittFuer[static_cast<std::size_t>(m)](P, v, zeile);
}

void SpaltenMatrixBilden(const TSchrittMatrix& P, TSpaltenMatrix& Q, int m) {
    MatrixgroessePruefen(m);
    // the zeros beyond the block keep the unused vector lanes free of anything slow or undefined
    Q = TSpaltenMatrix{};
    for (int j = 0; j <= m + 1; ++j)
        for (int i = 1; i <= m; ++i)
            Q.Spalte[j][i - 1] = P[i][j];
}

void MatrixVektorSchritt(const TSchrittMatrix& P, const TGitterZeile& v, TErdGitter& T, int m,
                         int a) {
    MatrixgroessePruefen(m);
    if (a < 0 || a > MaxGitter + 1) BereichsFehler("Die Gitterzeile", a, 0, MaxGitter + 1);
    MatrixVektorSchrittUngeprueft(P, v, T[a], m);
}

} // namespace kov
