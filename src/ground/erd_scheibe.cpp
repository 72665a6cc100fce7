#include "ground/erd_scheibe.h"

#include "ground/gitter_grenzen.h"
#include "ground/schritt_matrix.h"
#include "ground/schritt_vektor.h"

namespace kov {

void ErdScheibeRechnen(TErdZustand& e, int n, bool inBetrieb, int a) {
    GitterzahlPruefen(n);
    AxialzellePruefen(a, n);
    ErdScheibeSchritt(e, n, inBetrieb, a);
}

void ErdScheibeSchritt(TErdZustand& e, int n, bool inBetrieb, int a) {
    if (e.Pfad != TSimdPfad::Skalar) {
        ErdScheibeVektoriellRechnen(e.Pfad, e, n, inBetrieb, a);
        return;
    }
    const TGitterZeile vErde = e.GitterErde[a];
    const TGitterZeile vAdiabat = e.GitterAdiabat[a];
    const TGitterZeile vKeller = e.GitterKeller[a];

    const TSchrittMatrix& pErde = inBetrieb ? e.MatrixErdeBetrieb : e.MatrixErdeStillstand;
    const TSchrittMatrix& pKeller = inBetrieb ? e.MatrixKellerBetrieb : e.MatrixKellerStillstand;
    const TSchrittMatrix& pAdiabat = inBetrieb ? e.MatrixAdiabatBetrieb : e.MatrixAdiabatStillstand;

    MatrixVektorSchrittUngeprueft(pErde, vErde, e.GitterErde[a], n);
    MatrixVektorSchrittUngeprueft(pKeller, vKeller, e.GitterKeller[a], n);
    MatrixVektorSchrittUngeprueft(pAdiabat, vAdiabat, e.GitterAdiabat[a], n);
}

} // namespace kov
