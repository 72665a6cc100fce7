#include "register/simulation.h"

#include "files/bericht.h"
#include "files/fahrplan.h"
#include "files/stunden_ausgabe.h"
#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "model/kalender.h"
#include "register/energie_bilanz.h"
#include "register/luftseite.h"
#include "register/regelung.h"

namespace kov {

namespace {

int MonatDerStunde(int stunde) {
    int monat = 1;
    while (monat < 12 && ErsteStundeImMonat(monat + 1) <= stunde)
        ++monat;
    return monat;
}

void StundenReihenSchreiben(TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    TStundenReihen& r = k.Reihen;
    const int h = k.Lauf.Stunde;
    r.Taus[h] = k.Lauf.TAusAktuell;
    const TErdGitter* monitorGitter = nullptr;
    switch (p.MonitorSektor) {
    case 1:
        monitorGitter = &k.Erde.GitterErde;
        break;
    case 2:
        monitorGitter = &k.Erde.GitterAdiabat;
        break;
    case 3:
        monitorGitter = &k.Erde.GitterKeller;
        break;
    default:
        break;
    }
    if (monitorGitter != nullptr) r.TMonitor[h] = (*monitorGitter)[p.MonitorAxial][p.MonitorRadial];
    r.Betrieb[h] = k.Lauf.InBetrieb ? 1.0 : 0.0;
    if (!p.FahrplanGelesen) r.RelVolumenstrom[h] = k.Lauf.InBetrieb ? 1.0 : 0.0;
}

} // namespace

int SimulationVorbereiten(TKontext& k) {
    TRegisterParameter& p = k.Parameter;
    if (!p.EingebautesWetter) DateiKopieren(p.OutputFile, HilfsDatei);
    GeschwindigkeitBerechnen(p);
    WetterLesen(k);
    k.Werte.Zellenlaenge = p.Rohrlaenge / p.AnzahlGitter;
    k.Werte.SubZeitschritt = p.Zeitschritt / p.AnzahlSubSchritte;
    AusgabeAnlegen(p.OutputFile);
    ErdGitterAufbauen(k, k.Erde, k.Werte.SubZeitschritt);
    k.Lauf.TAusAktuell = k.Werte.StartTemperatur;
    AusgabeKopfSchreiben(p);
    k.Lauf.Einschwingen = true;
    if (p.FahrplanGelesen && p.EingebautesWetter)
        FahrplanLesen(p.FahrplanFile, k.Reihen.RelVolumenstrom);
    k.Lauf.TEinAktuell = k.Reihen.Tein[1];
    return p.Einschwingjahre + 1;
}

void MonatsRandSetzen(TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    lauf.Monat = MonatDerStunde(lauf.Stunde);
    if (lauf.Stunde != ErsteStundeImMonat(lauf.Monat)) return;
    const int n = p.AnzahlGitter;
    const double erdRand = p.SpezielleRandbedingung ? p.ErdTemperaturSpeziell[lauf.Monat]
                                                    : k.Werte.ErdTemperaturMonat[lauf.Monat];
    for (int a = 1; a <= n; ++a) {
        k.Erde.GitterErde[a][n + 1] = erdRand;
        k.Erde.GitterKeller[a][n + 1] = p.KellerTemperatur[lauf.Monat];
    }
}

void SimuliereStunden(TKontext& k, int ersteStunde, int letzteStunde, int durchlauf) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    const int n = p.AnzahlGitter;
    lauf.Durchlauf = durchlauf;
    // the chart's first point of January reads the value before hour 1: the outlet
    // temperature carried over from the previous pass, the ground's start value in the first
    if (ersteStunde == 1) k.Reihen.Taus[0] = lauf.TAusAktuell;
    lauf.Stunde = ersteStunde - 1;
    while (lauf.Stunde < letzteStunde) {
        ++lauf.Stunde;
        MonatsRandSetzen(k);
        lauf.TEinAktuell = k.Reihen.Tein[lauf.Stunde];

        const double R = p.FahrplanGelesen ? k.Reihen.RelVolumenstrom[lauf.Stunde] : 1.0;
        BetriebEntscheiden(p, lauf, R);
        if (lauf.InBetrieb) {
            lauf.Alpha = Waermeuebergang(p.Stroemungsgeschwindigkeit, p.DRohr, p.ViskositaetLuft,
                                         p.RhoLuft, p.CpLuft, p.LambdaLuft, R);
            const double r0 = p.DRohr / 2;
            lauf.KZelle = 2 * 3.14159 * r0 * k.Werte.Zellenlaenge * lauf.Alpha;
        }

        for (int s = 1; s <= p.AnzahlSubSchritte; ++s) {
            if (p.Geregelt) GrenzenPruefen(p, lauf, lauf.TEinAktuell);
            if (lauf.InBetrieb)
                lauf.TAusAktuell = LuftDurchlauf(p, k.Erde, lauf.KZelle, R, lauf.TEinAktuell);
            else
                lauf.TAusAktuell = lauf.TEinAktuell; // bypass
            for (int a = 1; a <= n; ++a)
                ErdScheibeRechnen(k.Erde, n, lauf.InBetrieb, a);
        }

        EnergieBilanz(k, k.Erde, R);
        StundenReihenSchreiben(k);
        if (durchlauf > p.Einschwingjahre) lauf.Einschwingen = false;
    }
}

void SimulationAbschliessen(TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    if (!k.Lauf.Einschwingen) AusgabeStundenSchreiben(p.OutputFile, k.Reihen, p);
    AusgabeEnergieSchreiben(p.OutputFile, k.Ergebnis);
    if (LandMitDezimalKomma(p.Land)) DezimalKommaSetzen(p.OutputFile);
}

void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat) {
    const int durchlaeufe = SimulationVorbereiten(k);
    for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf) {
        for (int monat = 1; monat <= 12; ++monat) {
            SimuliereStunden(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat), durchlauf);
            if (nachMonat) nachMonat(durchlauf, monat);
        }
    }
    SimulationAbschliessen(k);
}

} // namespace kov
