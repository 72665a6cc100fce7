#include "cli/klima_liste.h"

#include "ablauf/klima_check.h"
#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "files/klima.h"
#include "files/text_datei.h"
#include "model/fehler.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace kov {

namespace {

std::string Links(std::string_view text, std::size_t breite) {
    return Ausgerichtet(text, breite, false);
}

std::string Rechts(std::string_view text, std::size_t breite) {
    return Ausgerichtet(text, breite, true);
}

std::string Zahl(double wert, int dezimalen) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.*f", dezimalen, wert);
    return puffer;
}

std::string ZeitraumText(int periode) {
    return std::string(KlimaPeriodenText(periode));
}

} // namespace

int KlimaListeZeigen(bool json, std::ostream& aus, std::ostream& fehler) {
    std::vector<TKlimaJahrUebersicht> liste;
    try {
        liste = KlimaUebersichtLesen();
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    if (json) {
        nlohmann::ordered_json j = nlohmann::ordered_json::array();
        for (const TKlimaJahrUebersicht& e : liste) {
            const TKlimaRegion& r = KlimaRegion(e.Wahl.Region);
            j.push_back({{"Klima", KlimaName(e.Wahl)},
                         {"Region", r.Nummer},
                         {"Station", r.Station},
                         {"RegionName", r.Region},
                         {"Art", KlimaArtText(e.Wahl.Art)},
                         {"Zeitraum", ZeitraumText(e.Wahl.Periode)},
                         {"JahresMittel", e.Kennwerte.JahresMittel},
                         {"Minimum", e.Kennwerte.Minimum.Wert},
                         {"Maximum", e.Kennwerte.Maximum.Wert},
                         {"StundenUnterNull", e.Kennwerte.StundenUnterNull}});
        }
        aus << j.dump(2) << "\n";
        return ExitErfolg;
    }
    aus << "Eingebaute Klimata: Testreferenzjahre der 15 Regionen des Deutschen Wetterdienstes\n"
        << "(" << KlimaQuellenHinweis
        << "; CC BY 4.0).\nWahl mit Klima=NAME, Klima=REGION oder Klima=REGION:ART:ZEITRAUM.\n\n"
        << Links("Klima", 17) << Links("Station", 24) << Links("Art", 17) << Links("Zeitraum", 11)
        << Rechts("Mittel °C", 10) << Rechts("Min °C", 8) << Rechts("Max °C", 8)
        << Rechts("Stunden < 0 °C", 16) << "\n";
    for (const TKlimaJahrUebersicht& e : liste) {
        const TWetterKennwerte& k = e.Kennwerte;
        aus << Links(KlimaName(e.Wahl), 17) << Links(KlimaRegion(e.Wahl.Region).Station, 24)
            << Links(KlimaArtText(e.Wahl.Art), 17) << Links(ZeitraumText(e.Wahl.Periode), 11)
            << Rechts(Zahl(k.JahresMittel, 2), 10) << Rechts(Zahl(k.Minimum.Wert, 1), 8)
            << Rechts(Zahl(k.Maximum.Wert, 1), 8) << Rechts(std::to_string(k.StundenUnterNull), 16)
            << "\n";
    }
    return ExitErfolg;
}

int KlimaCheckZeigen(const TRegisterParameter& p, const std::string& eingabeOrdner, bool json,
                     unsigned faeden, std::ostream& aus, std::ostream& fehler) {
    TKlimaWahl wahl;
    if (!KlimaWahlLesen(p.Klima, wahl)) {
        fehler << "kov-run: --klimacheck braucht ein eingebautes Klima, dessen Region er rechnet "
                  "(z. B. Klima=5; Liste: kov-run --klima-liste).\n";
        return ExitAufruf;
    }
    std::vector<TKlimaCheckJahr> jahre;
    try {
        // the schedule as every run reads it; each year of the check is its own weather
        const TLaufDaten daten = LaufDatenSammeln(p, {{}, eingabeOrdner}, TLaufZweck::Studie);
        for (const std::string& hinweis : daten.Hinweise)
            fehler << "kov-run: Hinweis: " << SicherText(hinweis) << "\n";
        jahre = KlimaCheckRechnen(p, wahl.Region,
                                  p.FahrplanGelesen ? daten.Fahrplan.get() : nullptr, faeden);
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    } catch (const TParameterFehler& f) {
        fehler << "kov-run: Klimacheck abgelehnt, nichts berechnet: " << SicherText(f.what())
               << "\n";
        return ExitAufruf;
    }

    const TKlimaRegion& region = KlimaRegion(wahl.Region);
    if (json) {
        nlohmann::ordered_json liste = nlohmann::ordered_json::array();
        for (const TKlimaCheckJahr& j : jahre)
            liste.push_back({{"Klima", KlimaName(j.Wahl)},
                             {"Art", KlimaArtText(j.Wahl.Art)},
                             {"Zeitraum", ZeitraumText(j.Wahl.Periode)},
                             {"TeinMin", j.Kennwerte.TeinMin},
                             {"TausMin", j.Kennwerte.TausMin},
                             {"FrostStundenAussen", j.Kennwerte.FrostStundenAussen},
                             {"FrostStundenNachRegister", j.Kennwerte.FrostStundenNachRegister},
                             {"Heizenergie", j.Ergebnis.Heizenergie},
                             {"Kuehlenergie", j.Ergebnis.Kuehlenergie},
                             {"HeizenergieNutzbar", j.Kennwerte.HeizenergieNutzbar},
                             {"KuehlenergieNutzbar", j.Kennwerte.KuehlenergieNutzbar}});
        const nlohmann::ordered_json j = {{"Region", region.Nummer},
                                          {"Station", region.Station},
                                          {"Datenbasis", "Deutscher Wetterdienst"},
                                          {"Jahre", liste}};
        aus << j.dump(2) << "\n";
        return ExitErfolg;
    }

    constexpr std::size_t Breite = 17;
    aus << "Klimacheck: Region " << region.Nummer << " " << region.Station << " (" << region.Region
        << "), " << KlimaQuellenHinweis << "\n\n";
    std::string namen = Links("", 34), arten = Links("", 34), zeitraeume = Links("", 34);
    for (const TKlimaCheckJahr& j : jahre) {
        namen += Rechts(KlimaName(j.Wahl), Breite);
        arten += Rechts(KlimaArtText(j.Wahl.Art), Breite);
        zeitraeume += Rechts(ZeitraumText(j.Wahl.Periode), Breite);
    }
    aus << namen << "\n" << arten << "\n" << zeitraeume << "\n";
    const auto zeile = [&](std::string_view name, auto wert) {
        aus << Links(name, 34);
        for (const TKlimaCheckJahr& j : jahre)
            aus << Rechts(wert(j), Breite);
        aus << "\n";
    };
    zeile("Tiefste Außentemperatur °C",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Kennwerte.TeinMin, 1); });
    zeile("Tiefste Austrittstemperatur °C",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Kennwerte.TausMin, 2); });
    zeile("Froststunden außen h",
          [](const TKlimaCheckJahr& j) { return std::to_string(j.Kennwerte.FrostStundenAussen); });
    zeile("Froststunden nach Register h", [](const TKlimaCheckJahr& j) {
        return std::to_string(j.Kennwerte.FrostStundenNachRegister);
    });
    zeile("Heizenergie kWh",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Ergebnis.Heizenergie, 1); });
    zeile("Kühlenergie kWh",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Ergebnis.Kuehlenergie, 1); });
    zeile("Heizenergie nutzbar kWh",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Kennwerte.HeizenergieNutzbar, 1); });
    zeile("Kühlenergie nutzbar kWh",
          [](const TKlimaCheckJahr& j) { return Zahl(j.Kennwerte.KuehlenergieNutzbar, 1); });
    return ExitErfolg;
}

} // namespace kov
