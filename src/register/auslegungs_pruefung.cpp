#include "register/auslegungs_pruefung.h"

#include "register/luftseite.h"

#include <cmath>

namespace kov {

namespace {

// Reynolds number at which the heat transfer and the friction factor are fully turbulent
constexpr double ReTurbulent = 10000;
// useful length: the last tenth of the pipe must add at least this share of its energy
constexpr double LetzterTeil = 0.1;
constexpr double MindestZuwachs = 0.03;

// share of the energy the last tenth of a pipe with NTU n adds
double ZuwachsLetzterTeil(double n) {
    return (std::exp(-(1 - LetzterTeil) * n) - std::exp(-n)) / (1 - std::exp(-n));
}

TPruefRegel Regel(std::string schluessel, std::string bezeichnung, double wert, double grenze,
                  std::string_view vergleich, std::string_view einheit, int dezimalen) {
    TPruefRegel r;
    r.Schluessel = std::move(schluessel);
    r.Bezeichnung = std::move(bezeichnung);
    r.Wert = wert;
    r.Grenze = grenze;
    r.Vergleich = vergleich;
    r.Einheit = einheit;
    r.Dezimalen = dezimalen;
    return r;
}

void Urteilen(TPruefRegel& r, TUrteil urteil, std::string erlaeuterung) {
    r.Urteil = urteil;
    r.Erlaeuterung = std::move(erlaeuterung);
}

} // namespace

std::string_view UrteilText(TUrteil urteil) {
    switch (urteil) {
    case TUrteil::Erfuellt:
        return "erfüllt";
    case TUrteil::Hinweis:
        return "Hinweis";
    case TUrteil::NichtErfuellt:
        return "nicht erfüllt";
    }
    return {};
}

double NennGeschwindigkeit(const TRegisterParameter& p) {
    return p.Volumenstrom / 3600 / 3.14159 / (p.DRohr * p.DRohr) * 4 / p.AnzahlRohre;
}

double NtuJeMeterBerechnen(const TRegisterParameter& p) {
    const double w = NennGeschwindigkeit(p);
    const double alpha =
        Waermeuebergang(w, p.DRohr, p.ViskositaetLuft, p.RhoLuft, p.CpLuft, p.LambdaLuft, 1.0);
    const double r0 = p.DRohr / 2;
    const double r1 = r0 + p.WandstaerkeRohr;
    // resistances of one metre of pipe, mK/W; the ground as steady conduction through the
    // simulated ring, which leaves out its storage: the figure is for the long run
    const double luft = 1 / (alpha * 3.14159 * p.DRohr);
    const double wand = std::log(r1 / r0) / (6.28318 * p.LambdaRohr);
    const double erde = std::log((r1 + p.SimRadius) / r1) / (6.28318 * p.LambdaErde);
    const double W = p.RhoLuft * p.CpLuft * p.Volumenstrom / 3600 / p.AnzahlRohre; // W/K
    return 1 / (luft + wand + erde) / W;
}

double NutzbareNtu() {
    // the share falls monotonically with n: 0.1 at n -> 0, 0 for n -> infinity
    double unten = 0.1, oben = 50;
    for (int i = 0; i < 200; ++i) {
        const double mitte = (unten + oben) / 2;
        (ZuwachsLetzterTeil(mitte) > MindestZuwachs ? unten : oben) = mitte;
    }
    return (unten + oben) / 2;
}

TPruefDaten PruefDatenSammeln(const TKontext& k, const TKennwerte& kw) {
    const TRegisterParameter& p = k.Parameter;
    const TStundenReihen& r = k.Reihen;
    TPruefDaten d;
    d.Geschwindigkeit = NennGeschwindigkeit(p);
    d.Druckverlust = kw.DruckverlustNenn.Gesamt;
    d.KondensatJahr = kw.KondensatJahr;
    d.NtuJeMeter = NtuJeMeterBerechnen(p);
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        if (!(r.Betrieb[i] > 0)) continue;
        const double R = p.FahrplanGelesen ? r.RelVolumenstrom[i] : 1.0;
        if (!d.Gelaufen || r.Taus[i] < d.TausMinBetrieb) d.TausMinBetrieb = r.Taus[i];
        if (!d.Gelaufen || R < d.RelVolumenstromMin) d.RelVolumenstromMin = R;
        d.Gelaufen = true;
    }
    return d;
}

std::vector<TPruefRegel> AuslegungPruefen(const TRegisterParameter& p, const TPruefDaten& d) {
    std::vector<TPruefRegel> regeln;

    TPruefRegel v = Regel("Luftgeschwindigkeit", "Luftgeschwindigkeit bei Nenn-Volumenstrom",
                          d.Geschwindigkeit, p.MaxGeschwindigkeit, "<=", "m/s", 2);
    if (d.Geschwindigkeit <= p.MaxGeschwindigkeit)
        Urteilen(v, TUrteil::Erfuellt, "Die Luft strömt langsam genug.");
    else
        Urteilen(v, TUrteil::NichtErfuellt,
                 "Zu schnell: Druckverlust, Geräusch und Ventilatorstrom steigen; mehr oder "
                 "größere Rohre wählen.");
    regeln.push_back(std::move(v));

    TPruefRegel f = Regel("Frost", "Tiefste Austrittstemperatur im Betrieb", d.TausMinBetrieb,
                          p.Frostgrenze, ">=", "°C", 1);
    if (!d.Gelaufen) {
        f.HatWert = false;
        Urteilen(f, TUrteil::Erfuellt, "Das Register lief in keiner Stunde.");
    } else if (d.TausMinBetrieb >= p.Frostgrenze) {
        Urteilen(f, TUrteil::Erfuellt, "Die Luft hinter dem Register bleibt über der Frostgrenze.");
    } else {
        Urteilen(f, TUrteil::NichtErfuellt,
                 "Die Luft hinter dem Register fällt unter die Frostgrenze: Vorwärmung, längere "
                 "oder tiefer liegende Rohre vorsehen.");
    }
    regeln.push_back(std::move(f));

    TPruefRegel dp = Regel("Druckverlust", "Druckverlust bei Nenn-Volumenstrom", d.Druckverlust,
                           p.DruckverlustBudget, "<=", "Pa", 1);
    if (d.Druckverlust <= p.DruckverlustBudget)
        Urteilen(dp, TUrteil::Erfuellt, "Der Druckverlust bleibt im Budget.");
    else
        Urteilen(dp, TUrteil::NichtErfuellt,
                 "Der Druckverlust übersteigt das Budget: langsamere Strömung oder kürzere Rohre.");
    regeln.push_back(std::move(dp));

    TPruefRegel t = Regel("Verlegetiefe", "Verlegetiefe", p.Tiefe, p.FrostfreieTiefe, ">=", "m", 2);
    if (p.Tiefe >= p.FrostfreieTiefe)
        Urteilen(t, TUrteil::Erfuellt, "Die Rohre liegen frostfrei.");
    else
        Urteilen(t, TUrteil::NichtErfuellt,
                 "Die Rohre liegen im Frostbereich: Kondensat kann gefrieren, der Boden ist "
                 "im Winter kalt.");
    regeln.push_back(std::move(t));

    TPruefRegel a = Regel("Rohrabstand", "Achsabstand der Rohre", p.Rohrabstand,
                          p.MindestRohrabstand, ">=", "m", 2);
    // the representative pipe owns a ring of ground out to SimRadius beyond its wall; closer
    // neighbours draw on the same ground, which the one-pipe model does not see
    const double eigenerBoden = 2 * (p.DRohr / 2 + p.WandstaerkeRohr + p.SimRadius);
    if (p.Rohrabstand < p.MindestRohrabstand)
        Urteilen(a, TUrteil::NichtErfuellt,
                 "Die Rohre liegen zu eng: sie entziehen einander den Boden.");
    else if (p.Rohrabstand < eigenerBoden)
        Urteilen(a, TUrteil::Hinweis,
                 "Der Abstand ist kleiner als der gerechnete Erdbereich zweier Rohre (" +
                     std::to_string(static_cast<int>(std::lround(eigenerBoden * 100))) +
                     " cm): die Rechnung mit einem Rohr überschätzt den Ertrag.");
    else
        Urteilen(a, TUrteil::Erfuellt, "Jedes Rohr hat seinen gerechneten Erdbereich für sich.");
    regeln.push_back(std::move(a));

    const double reMin = d.Geschwindigkeit * d.RelVolumenstromMin * p.DRohr / p.ViskositaetLuft;
    TPruefRegel re = Regel("Turbulenz", "Reynoldszahl beim kleinsten Volumenstrom", reMin,
                           p.MindestReynolds, ">=", "", 0);
    if (reMin < p.MindestReynolds)
        Urteilen(re, TUrteil::NichtErfuellt,
                 "Die Strömung ist beim kleinsten Volumenstrom laminar: der Wärmeübergang bricht "
                 "ein.");
    else if (reMin < ReTurbulent)
        Urteilen(re, TUrteil::Hinweis,
                 "Die Strömung ist beim kleinsten Volumenstrom im Übergangsbereich (unter 10000).");
    else
        Urteilen(re, TUrteil::Erfuellt,
                 "Die Strömung ist auch beim kleinsten Volumenstrom "
                 "turbulent.");
    regeln.push_back(std::move(re));

    TPruefRegel k = Regel("Kondensat", "Kondensat im Jahr", d.KondensatJahr, 0, "<=", "kg", 1);
    if (d.KondensatJahr > 0)
        Urteilen(k, TUrteil::Hinweis,
                 "Es fällt Kondensat an: Rohre mit Gefälle (üblich 1 bis 2 %) und einen "
                 "Kondensatablauf vorsehen.");
    else
        Urteilen(k, TUrteil::Erfuellt, "Es fällt kein Kondensat an.");
    regeln.push_back(std::move(k));

    const double nutzlaenge = NutzbareNtu() / d.NtuJeMeter;
    TPruefRegel l = Regel("Rohrlaenge", "Rohrlänge gegen nützliche Länge", p.Rohrlaenge, nutzlaenge,
                          "<=", "m", 1);
    if (p.Rohrlaenge <= nutzlaenge)
        Urteilen(l, TUrteil::Erfuellt, "Jeder Teil des Rohrs trägt merklich bei.");
    else
        Urteilen(l, TUrteil::Hinweis,
                 "Das Rohr ist länger als nützlich: die letzten 10 % bringen weniger als 3 % "
                 "der Energie; mehr kürzere Rohre wären wirksamer.");
    regeln.push_back(std::move(l));

    TPruefRegel w = Regel("Wetter", "Wetter des Standorts", 0, 0, "", "", 0);
    w.HatWert = false;
    // in the order the run looks for its weather
    if (!p.EingebautesWetter)
        Urteilen(w, TUrteil::Hinweis,
                 "Gerechnet mit dem Wetter aus dem vorigen Bericht, nicht mit einer Wetterdatei "
                 "des Standorts.");
    else if (!p.Klima.empty())
        Urteilen(w, TUrteil::Erfuellt,
                 "Gerechnet mit dem Testreferenzjahr der Region des Standorts (eingebautes "
                 "Klima).");
    else if (!p.WetterDatei.empty())
        Urteilen(w, TUrteil::Erfuellt, "Gerechnet mit dem Wetter des Standorts.");
    else
        Urteilen(w, TUrteil::Hinweis,
                 "Gerechnet mit dem eingebauten Schweizer Auslegungsjahr, nicht mit dem Wetter "
                 "des Standorts.");
    regeln.push_back(std::move(w));
    return regeln;
}

TUrteil GesamtUrteil(const std::vector<TPruefRegel>& regeln) {
    TUrteil schlechtestes = TUrteil::Erfuellt;
    for (const TPruefRegel& r : regeln)
        if (static_cast<int>(r.Urteil) > static_cast<int>(schlechtestes)) schlechtestes = r.Urteil;
    return schlechtestes;
}

std::string AuslegungsAussage(const std::vector<TPruefRegel>& regeln) {
    std::string verletzt, hinweise;
    for (const TPruefRegel& r : regeln) {
        if (r.Urteil == TUrteil::Erfuellt) continue;
        std::string& liste = r.Urteil == TUrteil::NichtErfuellt ? verletzt : hinweise;
        (liste.empty() ? liste : liste.append(", ")).append(r.Bezeichnung);
    }
    std::string aussage = verletzt.empty() ? "Die Auslegung erfüllt alle Prüfungen."
                                           : "Die Auslegung erfüllt nicht: " + verletzt + ".";
    if (!hinweise.empty()) aussage.append(" Hinweise: ").append(hinweise).append(".");
    return aussage;
}

} // namespace kov
