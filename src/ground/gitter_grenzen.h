#pragma once
// Range guards of the fixed 12-entry grid rows: a grid count or a cell index outside its range
// would read and write beyond the arrays. Each guard throws TParameterFehler.

#include "ground/erd_zustand.h"

namespace kov {

// "<was> <wert> liegt nicht im Bereich <von>..<bis>."
[[noreturn]] void BereichsFehler(const char* was, int wert, int von, int bis);

// grid count n of the model
inline void GitterzahlPruefen(int n) {
    if (n < 3 || n > MaxGitter)
        BereichsFehler("Die Anzahl Rechengitter (AnzahlGitter)", n, 3, MaxGitter);
}

// block size m of the matrix routines: indices 0..m+1 must fit into 12 entries
inline void MatrixgroessePruefen(int m) {
    if (m < 0 || m > MaxGitter) BereichsFehler("Die Matrixgröße", m, 0, MaxGitter);
}

// axial cell a of a grid with n cells
inline void AxialzellePruefen(int a, int n) {
    if (a < 1 || a > n) BereichsFehler("Die axiale Zelle", a, 1, n);
}

} // namespace kov
