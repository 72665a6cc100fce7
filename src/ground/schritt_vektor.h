#pragma once
// The conduction step across the radial rows: for each column j in ascending order the
// products of all rows are formed and added to each row's own sum, which starts at 0. Every
// row's sum is thus the same chain of roundings as in MatrixVektorSchrittUngeprueft, so the
// results agree bit for bit on every path. Multiplications and additions stay separate.

#include "ground/erd_zustand.h"
#include "ground/simd_pfad.h"

namespace kov {

// zeile[1..m] = rows 1..m of P * v with Q the column copy of P; zeile[0] = v[0],
// zeile[m+1] = v[m+1]; nothing beyond m+1 is written. zeile may be v itself. m in 0..MaxGitter
// unchecked; the path must be one this processor runs (SimdAusstattungDesProzessors).
void MatrixVektorSchrittVektoriell(TSimdPfad pfad, const TSpaltenMatrix& Q, const TGitterZeile& v,
                                   TGitterZeile& zeile, int m);

// ErdScheibeRechnen on the column copies of the step matrices, the sectors of sektoren (bits
// SektorErde, SektorKeller, SektorAdiabat) side by side: nodes 1..n of row a of their grids;
// nodes 0 and n+1 are not written. n (0..MaxGitter) and a unchecked; the path as above.
void ErdScheibeVektoriellRechnen(TSimdPfad pfad, TErdZustand& e, int n, bool inBetrieb, int a,
                                 unsigned sektoren);

} // namespace kov
