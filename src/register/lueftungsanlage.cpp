#include "register/lueftungsanlage.h"

#include "model/betriebszeiten.h"
#include "model/kalender.h"

#include <algorithm>

namespace kov {

namespace {

// Relative flow of hour i as the run used it: without a schedule the unit takes the nominal
// flow in every hour, also when the register is bypassed.
double StundenFluss(const TRegisterParameter& p, const TStundenReihen& r, std::size_t i) {
    return FahrplanFolgen(p) ? r.RelVolumenstrom[i] : 1.0;
}

void StundeZaehlen(const TRegisterParameter& p, const TAnlagenStunde& a, bool heizperiode, double R,
                   int h, TAnlagenSeite& s) {
    const auto m = static_cast<std::size_t>(MonatDerStunde(h));
    if (a.Frostschutz) {
        ++s.FrostschutzStunden;
        s.FrostschutzStundenMonat[m] += 1;
    }
    const double vorheizung = LuftEnergie(p, a.Vorheizung, R);
    s.Vorheizenergie += vorheizung;
    s.VorheizenergieMonat[m] += vorheizung;
    s.Nachheizenergie += LuftEnergie(p, a.Nachheizung, R);
    if (s.ZuluftNachWRGMinStunde == 0 || a.NachWRG < s.ZuluftNachWRGMin) {
        s.ZuluftNachWRGMin = a.NachWRG;
        s.ZuluftNachWRGMinStunde = h;
    }
    if (!heizperiode && (s.ZuluftSommerMaxStunde == 0 || a.Zuluft > s.ZuluftSommerMax)) {
        s.ZuluftSommerMax = a.Zuluft;
        s.ZuluftSommerMaxStunde = h;
    }
    if (a.Zuluft > p.Komfortgrenze) ++s.StundenUeberKomfort;
}

} // namespace

std::vector<std::string> AnlagenParameterPruefen(const TRegisterParameter& p) {
    std::vector<std::string> meldungen;
    if (!p.Betriebszeiten.empty()) {
        std::string fehler = BetriebszeitenFehler(p.Betriebszeiten);
        if (!fehler.empty()) meldungen.push_back(std::move(fehler));
        if (p.FahrplanGelesen)
            meldungen.emplace_back("Betriebszeiten (Betriebszeiten) und Lüftungsfahrplan "
                                   "(FahrplanGelesen) schließen einander aus: der Volumenstrom "
                                   "kommt aus dem Wochenplan oder aus der Fahrplandatei.");
    }
    if (p.Regelung != "klassisch" && p.Regelung != "bedarf")
        meldungen.push_back("Regelungsart (Regelung) muss \"klassisch\" oder \"bedarf\" sein, "
                            "nicht \"" +
                            p.Regelung + "\".");
    return meldungen;
}

bool WaermeGewuenscht(const TRegisterParameter& p, double tAussen) {
    return tAussen <= p.Heizgrenze;
}

bool KuehlungGewuenscht(const TRegisterParameter& p, double tAussen) {
    return tAussen >= (p.WRG ? p.Komfortgrenze : p.Kuehlgrenze);
}

double LuftEnergie(const TRegisterParameter& p, double dT, double R) {
    // kW per kelvin at relative flow R, times one time step in hours
    return dT * p.CpLuft * p.RhoLuft * p.Volumenstrom * R / 3600 / 1000 * p.Zeitschritt / 3600;
}

TAnlagenStunde AnlagenStundeRechnen(const TRegisterParameter& p, double ansaug, bool heizperiode) {
    TAnlagenStunde a;
    a.Ansaug = ansaug;
    a.Frostschutz = ansaug < p.WRGFrostgrenze;
    const double vorgeheizt = a.Frostschutz ? p.WRGFrostgrenze : ansaug;
    a.Vorheizung = vorgeheizt - ansaug;
    const double zurueckgewonnen =
        vorgeheizt + p.WRGWirkungsgrad * (p.Ablufttemperatur - vorgeheizt);
    a.NachWRG = zurueckgewonnen;
    if (p.WRGSommerBypass && !heizperiode) {
        // the bypass opens fully for intake at or above ZuluftSoll and otherwise lets only as
        // much air through the heat recovery as lifts the supply to ZuluftSoll
        a.WRGUmgangen = vorgeheizt >= p.ZuluftSoll;
        a.NachWRG = a.WRGUmgangen ? vorgeheizt : std::min(zurueckgewonnen, p.ZuluftSoll);
    }
    a.Nachheizung = heizperiode && a.NachWRG < p.ZuluftSoll ? p.ZuluftSoll - a.NachWRG : 0.0;
    a.Zuluft = a.NachWRG + a.Nachheizung;
    return a;
}

TAnlagenKennwerte LueftungsanlageRechnen(const TRegisterParameter& p, const TStundenReihen& r) {
    TAnlagenKennwerte kw;
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const double R = StundenFluss(p, r, i);
        if (!(R > 0)) continue; // the unit is off
        const bool heizperiode = WaermeGewuenscht(p, r.Tein[i]);
        const TAnlagenStunde ohne = AnlagenStundeRechnen(p, r.Tein[i], heizperiode);
        const TAnlagenStunde mit = AnlagenStundeRechnen(p, r.Taus[i], heizperiode);
        StundeZaehlen(p, ohne, heizperiode, R, h, kw.OhneRegister);
        StundeZaehlen(p, mit, heizperiode, R, h, kw.MitRegister);
        if (ohne.NachWRG > p.Komfortgrenze && mit.NachWRG < ohne.NachWRG)
            kw.KuehlungUeberKomfort += LuftEnergie(p, ohne.NachWRG - mit.NachWRG, R);
    }
    kw.FrostschutzStundenGespart =
        kw.OhneRegister.FrostschutzStunden - kw.MitRegister.FrostschutzStunden;
    kw.VorheizenergieGespart = kw.OhneRegister.Vorheizenergie - kw.MitRegister.Vorheizenergie;
    kw.WaermeErspartGebaeude = kw.OhneRegister.Vorheizenergie + kw.OhneRegister.Nachheizenergie -
                               (kw.MitRegister.Vorheizenergie + kw.MitRegister.Nachheizenergie);
    return kw;
}

void ZuluftReihenRechnen(const TRegisterParameter& p, const TStundenReihen& r,
                         TStundenFeld& mitRegister, TStundenFeld& ohneRegister) {
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        if (!(StundenFluss(p, r, i) > 0)) {
            mitRegister[i] = r.Taus[i];
            ohneRegister[i] = r.Tein[i];
            continue;
        }
        const bool heizperiode = WaermeGewuenscht(p, r.Tein[i]);
        mitRegister[i] = AnlagenStundeRechnen(p, r.Taus[i], heizperiode).NachWRG;
        ohneRegister[i] = AnlagenStundeRechnen(p, r.Tein[i], heizperiode).NachWRG;
    }
}

} // namespace kov
