#include "ground/erd_scheibe.h"

#include "ground/gitter_grenzen.h"
#include "ground/schritt_matrix.h"
#include "ground/schritt_vektor.h"

namespace kov {

namespace {

// The reference: each row summed on its own, from a copy of the row.
void ScheibeSkalarRechnen(TErdZustand& e, int n, bool inBetrieb, int a, unsigned sektoren) {
    if (sektoren & SektorErde) {
        const TGitterZeile v = e.GitterErde[a];
        MatrixVektorSchrittUngeprueft(inBetrieb ? e.MatrixErdeBetrieb : e.MatrixErdeStillstand, v,
                                      e.GitterErde[a], n);
    }
    if (sektoren & SektorKeller) {
        const TGitterZeile v = e.GitterKeller[a];
        MatrixVektorSchrittUngeprueft(inBetrieb ? e.MatrixKellerBetrieb : e.MatrixKellerStillstand,
                                      v, e.GitterKeller[a], n);
    }
    if (sektoren & SektorAdiabat) {
        const TGitterZeile v = e.GitterAdiabat[a];
        MatrixVektorSchrittUngeprueft(inBetrieb ? e.MatrixAdiabatBetrieb
                                                : e.MatrixAdiabatStillstand,
                                      v, e.GitterAdiabat[a], n);
    }
}

void Schritt(TErdZustand& e, int n, bool inBetrieb, int a, unsigned sektoren) {
    if (e.Pfad == TSimdPfad::Skalar)
        ScheibeSkalarRechnen(e, n, inBetrieb, a, sektoren);
    else
        ErdScheibeVektoriellRechnen(e.Pfad, e, n, inBetrieb, a, sektoren);
}

} // namespace

void ErdScheibeRechnen(TErdZustand& e, int n, bool inBetrieb, int a) {
    GitterzahlPruefen(n);
    AxialzellePruefen(a, n);
    Schritt(e, n, inBetrieb, a, AlleSektoren);
}

// Only a branch and a jump on the way in: the scalar path's row copies stay in its own frame.
void ErdScheibeSchritt(TErdZustand& e, int n, bool inBetrieb, int a) {
    Schritt(e, n, inBetrieb, a, e.Sektoren);
}

} // namespace kov
