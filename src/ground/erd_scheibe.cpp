#include "ground/erd_scheibe.h"

#include "ground/gitter_grenzen.h"
#include "ground/schritt_matrix.h"
#include "ground/schritt_vektor.h"

namespace kov {

namespace {

// The reference: each row summed on its own, from copies of the three rows.
void ScheibeSkalarRechnen(TErdZustand& e, int n, bool inBetrieb, int a) {
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

} // namespace

void ErdScheibeRechnen(TErdZustand& e, int n, bool inBetrieb, int a) {
    GitterzahlPruefen(n);
    AxialzellePruefen(a, n);
    ErdScheibeSchritt(e, n, inBetrieb, a);
}

// Only a branch and a jump on the way in: the scalar path's row copies stay in its own frame.
void ErdScheibeSchritt(TErdZustand& e, int n, bool inBetrieb, int a) {
    if (e.Pfad == TSimdPfad::Skalar)
        ScheibeSkalarRechnen(e, n, inBetrieb, a);
    else
        ErdScheibeVektoriellRechnen(e.Pfad, e, n, inBetrieb, a);
}

} // namespace kov
