#include "register/lauf.h"

#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "ground/gitter_grenzen.h"
#include "model/betriebszeiten.h"
#include "model/erd_temperaturen.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "register/energie_bilanz.h"
#include "register/kennwerte.h"
#include "register/luftseite.h"
#include "register/regelung.h"
#include "register/register_lauf.h"

#include <algorithm>
#include <cmath>

namespace kov {

namespace {

const TErdGitter* MonitorGitter(const TKontext& k) {
    switch (k.Parameter.MonitorSektor) {
    case 1:
        return &k.Erde.GitterErde;
    case 2:
        return &k.Erde.GitterAdiabat;
    case 3:
        return &k.Erde.GitterKeller;
    default:
        return nullptr;
    }
}

// One hour of the loop: control, air side, the sub-steps of the ground, the balance.
void StundeRechnen(TKontext& k, const TErdGitter* monitor) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    TStundenReihen& r = k.Reihen;
    const int n = p.AnzahlGitter;
    const auto h = static_cast<std::size_t>(lauf.Stunde);

    MonatsRandSetzen(k);
    lauf.TEinAktuell = r.Tein[h];

    const double R = FahrplanFolgen(p) ? r.RelVolumenstrom[h] : 1.0;
    BetriebEntscheiden(p, lauf, R);
    TLuftVorrat& luft = k.LuftVorrat;
    if (lauf.InBetrieb) {
        if (R != luft.R) {
            luft.Alpha = Waermeuebergang(k.Luft, k.Werte.Stroemungsgeschwindigkeit, p.DRohr,
                                         p.ViskositaetLuft, p.LambdaLuft, R);
            const double r0 = p.DRohr / 2;
            luft.KZelle = 2 * 3.14159 * r0 * k.Werte.Zellenlaenge * luft.Alpha;
            luft.Stunde = LuftStundeBerechnen(luft.KZelle, k.Erde.LeitwertWand,
                                              k.Erde.KapazitaetsstromLuft, R);
            luft.R = R;
        }
        lauf.Alpha = luft.Alpha;
        lauf.KZelle = luft.KZelle;
    }

    for (int s = 1; s <= p.AnzahlSubSchritte; ++s) {
        if (p.Geregelt && !BedarfsRegelung(p)) GrenzenPruefen(p, lauf, lauf.TEinAktuell);
        if (p.Geregelt && BedarfsRegelung(p) && s == 1)
            BedarfPruefen(p, k.Erde, lauf, lauf.TEinAktuell);
        if (lauf.InBetrieb)
            lauf.TAusAktuell = LuftDurchlaufSchritt(p, k.Erde, luft.Stunde, lauf.TEinAktuell);
        else
            lauf.TAusAktuell = lauf.TEinAktuell; // bypass
        for (int a = 1; a <= n; ++a)
            ErdScheibeSchritt(k.Erde, n, lauf.InBetrieb, a);
    }

    EnergieBilanzStunde(k, k.Erde, R);
    EinschwingStundeZaehlen(p, lauf, k.LetzterEinschwingDurchlauf);

    r.Taus[h] = lauf.TAusAktuell;
    if (monitor != nullptr) r.TMonitor[h] = (*monitor)[p.MonitorAxial][p.MonitorRadial];
    r.Betrieb[h] = lauf.InBetrieb ? 1.0 : 0.0;
    if (!FahrplanFolgen(p)) r.RelVolumenstrom[h] = lauf.InBetrieb ? 1.0 : 0.0;
}

// The grid rows hold 12 nodes: a grid count outside 3..MaxGitter must never reach the loop.
void StundenbereichPruefen(const TRegisterParameter& p, int ersteStunde, int letzteStunde) {
    GitterzahlPruefen(p.AnzahlGitter);
    if (ersteStunde < 1 || letzteStunde > StundenImJahr)
        throw TParameterFehler("Die Stunden " + std::to_string(ersteStunde) + ".." +
                               std::to_string(letzteStunde) + " liegen nicht im Jahr.");
}

// Hours ersteStunde..letzteStunde of pass durchlauf on a checked context. False when abbruch
// was set before an hour.
bool StundenSchleife(TKontext& k, int ersteStunde, int letzteStunde, int durchlauf,
                     const std::atomic<bool>* abbruch) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    const TErdGitter* monitor = MonitorGitter(k);
    lauf.Durchlauf = durchlauf;
    // the chart's first point of January reads the value before hour 1: the outlet
    // temperature carried over from the previous pass, the ground's start value in the first
    if (ersteStunde == 1) k.Reihen.Taus[0] = lauf.TAusAktuell;
    lauf.Stunde = ersteStunde - 1;
    while (lauf.Stunde < letzteStunde) {
        if (abbruch != nullptr && abbruch->load(std::memory_order_relaxed)) return false;
        ++lauf.Stunde;
        StundeRechnen(k, monitor);
        if (durchlauf > p.Einschwingjahre) lauf.Einschwingen = false;
    }
    return true;
}

} // namespace

std::string ErgebnisPruefen(const TKontext& k) {
    const TStundenReihen& r = k.Reihen;
    const struct {
        const TStundenFeld& Reihe;
        const char* Name;
    } reihen[] = {{r.Taus, "Austrittstemperatur"},
                  {r.TMonitor, "Temperatur am Monitorpunkt"},
                  {r.Tein, "Aussentemperatur"},
                  {r.RelVolumenstrom, "relativer Volumenstrom"}};
    for (const auto& [reihe, name] : reihen)
        for (int h = 1; h <= StundenImJahr; ++h)
            if (!std::isfinite(reihe[static_cast<std::size_t>(h)]))
                return "Der Lauf ergibt in Stunde " + std::to_string(h) + " keine endliche Zahl (" +
                       name + "); die Parameter liegen ausserhalb dessen, was das Modell rechnet.";
    const TJahresErgebnis& e = k.Ergebnis;
    for (double summe : {e.WaermeentzugKeller, e.WaermeentzugErde, e.Kuehlenergie, e.Heizenergie})
        if (!std::isfinite(summe))
            return "Der Lauf ergibt keine endlichen Jahressummen; die Parameter liegen ausserhalb "
                   "dessen, was das Modell rechnet.";
    return {};
}

int Durchlaeufe(const TRegisterParameter& p) {
    return p.Einschwingjahre + 1;
}

void WetterSchritt(TModell& m, const TWetterJahr& w) {
    WetterUebernehmen(w, m.Reihen);
    ErdTemperaturenBerechnen(m.Parameter, m.Reihen.Tein, m.Werte);
}

void LaufGroessenSetzen(TModell& m) {
    const TRegisterParameter& p = m.Parameter;
    m.Werte.Zellenlaenge = p.Rohrlaenge / p.AnzahlGitter;
    m.Werte.SubZeitschritt = p.Zeitschritt / p.AnzahlSubSchritte;
}

void LaufZustandAufbauen(TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    ErdGitterAufbauen(k, k.Erde, k.Werte.SubZeitschritt);
    k.Luft = LuftKonstantenBerechnen(p.ViskositaetLuft, p.RhoLuft, p.CpLuft, p.LambdaLuft);
    k.LuftVorrat = TLuftVorrat{};
    k.LetzterEinschwingDurchlauf = {};
    k.RegisterErgebnis.Gerechnet = false; // a classic run has no register results
    k.Lauf.TAusAktuell = k.Werte.StartTemperatur;
    k.Lauf.Einschwingen = true;
    k.Lauf.TEinAktuell = k.Reihen.Tein[1];
}

void MonatsRandSetzen(TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    TSimulationsLauf& lauf = k.Lauf;
    lauf.Monat = MonatDerStunde(lauf.Stunde);
    if (lauf.Stunde != ErsteStundeImMonat(lauf.Monat)) return;
    const int n = p.AnzahlGitter;
    const auto monat = static_cast<std::size_t>(lauf.Monat);
    const double erdRand = p.SpezielleRandbedingung ? p.ErdTemperaturSpeziell[monat]
                                                    : k.Werte.ErdTemperaturMonat[monat];
    for (int a = 1; a <= n; ++a) {
        k.Erde.GitterErde[a][n + 1] = erdRand;
        k.Erde.GitterKeller[a][n + 1] = p.KellerTemperatur[monat];
    }
}

void SimuliereStunden(TKontext& k, int ersteStunde, int letzteStunde, int durchlauf) {
    StundenbereichPruefen(k.Parameter, ersteStunde, letzteStunde);
    StundenSchleife(k, ersteStunde, letzteStunde, durchlauf, nullptr);
}

void LaufEingabenUebernehmen(const TRegisterParameter& p, const TWetterJahr& wetter,
                             const TStundenFeld* fahrplan, TKontext& k) {
    if (&k.Parameter != &p) k.Parameter = p;
    k.Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(k.Parameter);
    WetterSchritt(k, wetter);
    k.Reihen.KondensatGerechnet = false;
    if (fahrplan != nullptr && fahrplan != &k.Reihen.RelVolumenstrom)
        std::copy(fahrplan->begin() + 1, fahrplan->end(), k.Reihen.RelVolumenstrom.begin() + 1);
    else if (fahrplan == nullptr && !p.Betriebszeiten.empty())
        BetriebszeitenFahrplan(BetriebszeitenLesen(p.Betriebszeiten), wetter.ErsterWochentag,
                               k.Reihen.RelVolumenstrom);
}

int LaufVorbereiten(const TRegisterParameter& p, const TWetterJahr& wetter,
                    const TStundenFeld* fahrplan, TKontext& k) {
    if (p.FahrplanGelesen && fahrplan == nullptr)
        throw TParameterFehler("Der Lauf braucht einen Lüftungsfahrplan (FahrplanGelesen).");
    LaufEingabenUebernehmen(p, wetter, fahrplan, k);
    LaufGroessenSetzen(k);
    LaufZustandAufbauen(k);
    StundenbereichPruefen(k.Parameter, 1, StundenImJahr);
    return Durchlaeufe(k.Parameter);
}

TLaufStatus SimulationRechnen(const TRegisterParameter& p, const TWetterJahr& wetter,
                              const TStundenFeld* fahrplan, TKontext& k,
                              const TLaufRueckmeldung& rueckmeldung) {
    if (RegisterModell(p)) return RegisterLaufRechnen(p, wetter, fahrplan, k, rueckmeldung);
    const int durchlaeufe = LaufVorbereiten(p, wetter, fahrplan, k);
    for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf) {
        for (int monat = 1; monat <= 12; ++monat) {
            if (!StundenSchleife(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat),
                                 durchlauf, rueckmeldung.Abbruch))
                return TLaufStatus::Abgebrochen;
            if (rueckmeldung.NachMonat) rueckmeldung.NachMonat(durchlauf, monat, k.Reihen);
        }
    }
    return TLaufStatus::Fertig;
}

} // namespace kov
