#include "model/modell.h"

namespace kov {

double StroemungsGeschwindigkeit(const TRegisterParameter& p) {
    return p.Volumenstrom / 3600 / 3.14159 / (p.DRohr * p.DRohr) * 4 / p.AnzahlRohre;
}

void AnteilErdeBerechnen(TRegisterParameter& p) {
    p.AnteilErde = 1.0 - p.AnteilAdiabat - p.AnteilKeller;
    if (p.AnteilErde < 0) p.AnteilErde = 0;
}

void ParameterStandardwerteSetzen(TRegisterParameter& p) {
    p = TRegisterParameter{};
    for (int monat = 1; monat <= 12; ++monat)
        p.KellerTemperatur[monat] = 10.0;
    for (int monat = 1; monat <= 12; ++monat)
        p.ErdTemperaturSpeziell[monat] = 10.0;
    AnteilErdeBerechnen(p);
}

} // namespace kov
