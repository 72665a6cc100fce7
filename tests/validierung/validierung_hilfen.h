#pragma once
// Helpers of the validation tests: a whole run, on the built-in or on a test's own weather year,
// and the hour loop rebuilt from the run's public pieces (boundary, control, air side,
// conduction step, energy balance) in the run's order, so that a test can look at every
// sub-step. HourLoopRebuiltFromItsPiecesIsTheRun checks the rebuild against SimulationRechnen
// bit for bit.

#include "files/wetter.h"
#include "ground/erd_scheibe.h"
#include "register/energie_bilanz.h"
#include "register/lauf.h"
#include "register/luftseite.h"
#include "register/regelung.h"
#include "test_hilfen.h"

namespace kov::test {

// A case of a validation table: its name in failure messages and what it changes of the defaults.
struct TParameterFall {
    const char* name;
    void (*setzen)(TRegisterParameter&);
};

// The design that exercises every path of the control and every sector at once: release limits
// 5/20 °C (so the register bypasses), cellar 0.3 and adiabatic 0.2 of the circumference, heat
// transfer at standstill 5 W/m2K.
inline void GemischterBetriebSetzen(TRegisterParameter& p) {
    p.Heizgrenze = 5;
    p.Kuehlgrenze = 20;
    p.AnteilKeller = 0.3;
    p.AnteilAdiabat = 0.2;
    p.AlphaStillstand = 5;
}

// A whole run of the parameters in k on the weather year w (the built-in design year when none
// is given).
inline void JahrRechnen(TKontext& k, const TWetterJahr& w = EingebautesWetterJahr()) {
    AnteilErdeBerechnen(k.Parameter);
    SimulationRechnen(k.Parameter, w, nullptr, k);
}

// The set-up of SimulationRechnen on the built-in year; returns the number of passes.
inline int LaufVorbereiten(TKontext& k) {
    AnteilErdeBerechnen(k.Parameter);
    k.Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(k.Parameter);
    WetterSchritt(k, EingebautesWetterJahr());
    LaufGroessenSetzen(k);
    LaufZustandAufbauen(k);
    return Durchlaeufe(k.Parameter);
}

// The hours 1..8760 of pass durchlauf, step by step as the run takes them (no schedule).
// vorLuft(k) runs after the limit check of a sub-step and before its air pass, nachErde(k) after
// the conduction steps of the sub-step, nachStunde(k) after the energy balance of the hour.
template <class FVorLuft, class FNachErde, class FNachStunde>
void DurchlaufRechnen(TKontext& k, int durchlauf, FVorLuft&& vorLuft, FNachErde&& nachErde,
                      FNachStunde&& nachStunde) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    const int n = p.AnzahlGitter;
    const double R = 1.0;
    lauf.Durchlauf = durchlauf;
    for (lauf.Stunde = 1; lauf.Stunde <= StundenImJahr; ++lauf.Stunde) {
        MonatsRandSetzen(k);
        lauf.TEinAktuell = k.Reihen.Tein[lauf.Stunde];
        BetriebEntscheiden(p, lauf, R);
        TLuftStunde luft;
        if (lauf.InBetrieb) {
            lauf.Alpha = Waermeuebergang(k.Luft, k.Werte.Stroemungsgeschwindigkeit, p.DRohr,
                                         p.ViskositaetLuft, p.LambdaLuft, R);
            lauf.KZelle = 2 * 3.14159 * (p.DRohr / 2) * k.Werte.Zellenlaenge * lauf.Alpha;
            luft = LuftStundeBerechnen(lauf.KZelle, k.Erde.LeitwertWand,
                                       k.Erde.KapazitaetsstromLuft, R);
        }
        for (int s = 1; s <= p.AnzahlSubSchritte; ++s) {
            if (p.Geregelt) GrenzenPruefen(p, lauf, lauf.TEinAktuell);
            vorLuft(k);
            lauf.TAusAktuell = lauf.InBetrieb
                                   ? LuftDurchlaufSchritt(p, k.Erde, luft, lauf.TEinAktuell)
                                   : lauf.TEinAktuell;
            for (int a = 1; a <= n; ++a)
                ErdScheibeSchritt(k.Erde, n, lauf.InBetrieb, a);
            nachErde(k);
        }
        EnergieBilanzStunde(k, k.Erde, R);
        const int h = lauf.Stunde;
        k.Reihen.Taus[h] = lauf.TAusAktuell;
        k.Reihen.Betrieb[h] = lauf.InBetrieb ? 1.0 : 0.0;
        nachStunde(k);
        if (durchlauf > p.Einschwingjahre) lauf.Einschwingen = false;
    }
    lauf.Stunde = StundenImJahr;
}

inline void DurchlaufRechnen(TKontext& k, int durchlauf) {
    auto nichts = [](TKontext&) {};
    DurchlaufRechnen(k, durchlauf, nichts, nichts, nichts);
}

} // namespace kov::test
