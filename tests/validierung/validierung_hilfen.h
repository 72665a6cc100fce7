#pragma once
// Helpers of the validation tests: a whole run in a scratch directory, a run on a weather year
// of the test's own, and the hour loop rebuilt from the run's public pieces (boundary, control,
// air side, conduction step, energy balance) in the driver's order, so that a test can look at
// every sub-step. HourLoopRebuiltFromItsPiecesIsTheRun checks the rebuild against
// SimulationAusfuehren bit for bit.

#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "model/kalender.h"
#include "register/energie_bilanz.h"
#include "register/luftseite.h"
#include "register/regelung.h"
#include "register/simulation.h"
#include "test_hilfen.h"

#include <cstdio>
#include <string>

namespace kov::test {

// A whole classic run of the parameters in k, its report written in a scratch directory.
inline void JahrRechnen(TKontext& k) {
    TArbeitsVerzeichnis ort;
    AnteilErdeBerechnen(k.Parameter);
    SimulationAusfuehren(k);
}

// A whole classic run on the outdoor temperatures tein[1..8760]: they reach the weather step as
// the hourly part of an earlier report, the run's own way of taking a weather year other than
// the built-in one.
inline void JahrRechnen(TKontext& k, const TStundenFeld& tein) {
    TArbeitsVerzeichnis ort;
    std::string bericht;
    for (int zeile = 0; zeile < 100; ++zeile)
        bericht += "Kopf\r\n";
    char puffer[64];
    for (int h = 1; h <= StundenImJahr; ++h) {
        // full precision, so that the reader gets back exactly the double written
        std::snprintf(puffer, sizeof puffer, "%.17g\t0\t1\t10\t0\r\n", tein[h]);
        bericht += puffer;
    }
    DateiSchreiben(k.Parameter.OutputFile, bericht);
    k.Parameter.EingebautesWetter = false;
    AnteilErdeBerechnen(k.Parameter);
    SimulationAusfuehren(k);
}

// The preparation of SimulationVorbereiten without the report file (built-in weather, no
// schedule); returns the number of passes.
inline int LaufVorbereiten(TKontext& k) {
    TRegisterParameter& p = k.Parameter;
    AnteilErdeBerechnen(p);
    GeschwindigkeitBerechnen(p);
    WetterLesen(k);
    k.Werte.Zellenlaenge = p.Rohrlaenge / p.AnzahlGitter;
    k.Werte.SubZeitschritt = p.Zeitschritt / p.AnzahlSubSchritte;
    ErdGitterAufbauen(k, k.Erde, k.Werte.SubZeitschritt);
    k.Lauf.TAusAktuell = k.Werte.StartTemperatur;
    k.Lauf.Einschwingen = true;
    k.Lauf.TEinAktuell = k.Reihen.Tein[1];
    return p.Einschwingjahre + 1;
}

// The hours 1..8760 of pass durchlauf, step by step as the driver takes them (no schedule).
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
        if (lauf.InBetrieb) {
            lauf.Alpha = Waermeuebergang(p.Stroemungsgeschwindigkeit, p.DRohr, p.ViskositaetLuft,
                                         p.RhoLuft, p.CpLuft, p.LambdaLuft, R);
            lauf.KZelle = 2 * 3.14159 * (p.DRohr / 2) * k.Werte.Zellenlaenge * lauf.Alpha;
        }
        for (int s = 1; s <= p.AnzahlSubSchritte; ++s) {
            if (p.Geregelt) GrenzenPruefen(p, lauf, lauf.TEinAktuell);
            vorLuft(k);
            lauf.TAusAktuell = lauf.InBetrieb
                                   ? LuftDurchlauf(p, k.Erde, lauf.KZelle, R, lauf.TEinAktuell)
                                   : lauf.TEinAktuell;
            for (int a = 1; a <= n; ++a)
                ErdScheibeRechnen(k.Erde, n, lauf.InBetrieb, a);
            nachErde(k);
        }
        EnergieBilanz(k, k.Erde, R);
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
