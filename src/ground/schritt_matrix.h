#pragma once
// Small dense matrix routines of the radial conduction columns. Every routine works only on
// the index block 0..m+1; entries outside it are neither read nor written.

#include "ground/erd_zustand.h"

namespace kov {

// 2C + dt*K: the implicit side of the Crank-Nicolson step of a column with conductances
// g(1..m+1) (W/K) and capacities C(1..m) (J/K); rows 0 and m+1 are identity rows.
void LinksMatrixAufbauen(const TGitterZeile& g, const TGitterZeile& C, TSchrittMatrix& M, double dt,
                         int m);
// 2C - dt*K: the explicit side.
void RechtsMatrixAufbauen(const TGitterZeile& g, const TGitterZeile& C, TSchrittMatrix& M,
                          double dt, int m);
// B = A^-1 by Gauss-Jordan exchange steps on the diagonal, without pivot search.
void MatrixInvertieren(const TSchrittMatrix& A, TSchrittMatrix& B, int m);
// D = A * B, each entry summed over k in ascending order.
void MatrixMultiplizieren(const TSchrittMatrix& A, const TSchrittMatrix& B, TSchrittMatrix& D,
                          int m);
// Row a of T = P * v for the nodes 1..m; nodes 0 and m+1 are taken over from v unchanged.
void MatrixVektorSchritt(const TSchrittMatrix& P, const TGitterZeile& v, TErdGitter& T, int m,
                         int a);
// The same on one grid row, for callers that have already checked m (0..MaxGitter).
void MatrixVektorSchrittUngeprueft(const TSchrittMatrix& P, const TGitterZeile& v,
                                   TGitterZeile& zeile, int m);
// Q = P by columns over the rows 1..m and the columns 0..m+1; every other entry of Q becomes 0.
void SpaltenMatrixBilden(const TSchrittMatrix& P, TSpaltenMatrix& Q, int m);

} // namespace kov
