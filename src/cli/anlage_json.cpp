#include "cli/anlage_json.h"

#include "ablauf/andere_regelung.h"
#include "model/fehler.h"
#include "register/regelung.h"

#include <string>

namespace kov {

namespace {

std::vector<double> Monatswerte(const TMonatsFeld& feld) {
    return {feld.begin() + 1, feld.end()};
}

nlohmann::ordered_json SeiteJson(const TAnlagenSeite& s) {
    nlohmann::ordered_json j;
    j["FrostschutzStunden"] = s.FrostschutzStunden;
    j["Vorheizenergie"] = s.Vorheizenergie;
    j["Nachheizenergie"] = s.Nachheizenergie;
    j["ZuluftNachWRGMin"] = s.ZuluftNachWRGMin;
    j["ZuluftNachWRGMinStunde"] = s.ZuluftNachWRGMinStunde;
    j["ZuluftSommerMax"] = s.ZuluftSommerMax;
    j["ZuluftSommerMaxStunde"] = s.ZuluftSommerMaxStunde;
    j["StundenUeberKomfort"] = s.StundenUeberKomfort;
    j["FrostschutzStundenMonat"] = Monatswerte(s.FrostschutzStundenMonat);
    j["VorheizenergieMonat"] = Monatswerte(s.VorheizenergieMonat);
    return j;
}

struct TSchluessel {
    const char* Name;
    const char* Einheit;
    const char* Bedeutung;
};
// ASCII like the rest of the help
constexpr TSchluessel Schluessel[] = {
    {"LeistungszahlBrutto", "", "(alle Heiz- + Kuehlenergie) / Ventilatorstrom"},
    {"HeizenergieUnerwuenscht", "kWh", "Heizenergie der Stunden ueber der Heizgrenze"},
    {"KuehlenergieUnerwuenscht", "kWh",
     "Kuehlenergie der Stunden unter Kuehlgrenze (mit WRG: Komfortgrenze)"},
    {"StundenHeizperiode", "h", "Stunden mit Aussenluft bis Heizgrenze"},
    {"WirkungsgradHeizperiode", "",
     "Sum R(Taus-Tein) / Sum R(TErde-Tein), Betriebsstunden der Heizperiode"},
    {"TausMittelHeizperiode", "C", "mittlere Ansaugtemperatur nach Register, Heizperiode"},
    {"TeinMittelHeizperiode", "C", "mittlere Aussentemperatur, Heizperiode"},
    {"KondensatBekannt", "", "false: Wetter ohne Feuchtedaten, Kondensat-Schluessel null"},
    {"Anlage", "", "Lueftungsgeraet (nur mit WRG=true, sonst null):"},
    {"  OhneRegister, MitRegister", "", "je FrostschutzStunden [h], Vorheizenergie [kWh],"},
    {"", "", "Nachheizenergie [kWh], ZuluftNachWRGMin [C] und Stunde,"},
    {"", "", "ZuluftSommerMax [C] und Stunde, StundenUeberKomfort [h],"},
    {"", "", "FrostschutzStundenMonat, VorheizenergieMonat"},
    {"  FrostschutzStundenGespart", "h", "ohne - mit Register"},
    {"  VorheizenergieGespart", "kWh", "ohne - mit Register"},
    {"  WaermeErspartGebaeude", "kWh", "Vor- + Nachheizung ohne - mit Register"},
    {"  KuehlungUeberKomfort", "kWh", "Kuehlung in Stunden mit Zuluft ohne Register ueber"},
    {"", "", "der Komfortgrenze"},
    {"Regelungsvergleich", "", "dieselben Eingaben mit beiden Regelungsarten:"},
    {"  Klassisch, Bedarf", "", "je HeizenergieNutzbar, KuehlenergieNutzbar,"},
    {"", "", "HeizenergieUnerwuenscht, KuehlenergieUnerwuenscht [kWh],"},
    {"", "", "Ventilatorenergie [kWh], Leistungszahl, LeistungszahlBrutto"},
    {"  Fehler", "", "statt der anderen Spalte, wenn deren Lauf scheitert"},
};

nlohmann::ordered_json VergleichsSpalte(const TKennwerte& kw) {
    nlohmann::ordered_json j;
    j["HeizenergieNutzbar"] = kw.HeizenergieNutzbar;
    j["KuehlenergieNutzbar"] = kw.KuehlenergieNutzbar;
    j["HeizenergieUnerwuenscht"] = kw.HeizenergieUnerwuenscht;
    j["KuehlenergieUnerwuenscht"] = kw.KuehlenergieUnerwuenscht;
    j["Ventilatorenergie"] = kw.Ventilatorenergie;
    j["Leistungszahl"] = kw.Leistungszahl;
    j["LeistungszahlBrutto"] = kw.LeistungszahlBrutto;
    return j;
}

} // namespace

void NutzenJsonErgaenzen(const TKennwerte& kw, nlohmann::ordered_json& kennwerte) {
    kennwerte["LeistungszahlBrutto"] = kw.LeistungszahlBrutto;
    kennwerte["HeizenergieUnerwuenscht"] = kw.HeizenergieUnerwuenscht;
    kennwerte["KuehlenergieUnerwuenscht"] = kw.KuehlenergieUnerwuenscht;
    kennwerte["StundenHeizperiode"] = kw.StundenHeizperiode;
    kennwerte["WirkungsgradHeizperiode"] = kw.WirkungsgradHeizperiode;
    kennwerte["TausMittelHeizperiode"] = kw.TausMittelHeizperiode;
    kennwerte["TeinMittelHeizperiode"] = kw.TeinMittelHeizperiode;
    kennwerte["KondensatBekannt"] = kw.KondensatBekannt;
    if (!kw.KondensatBekannt)
        for (const char* name :
             {"KondensatJahr", "KondensatStunden", "KondensatMax", "KondensatMonat"})
            kennwerte[name] = nullptr;
}

nlohmann::ordered_json AnlageJson(const TKennwerte& kw) {
    if (!kw.MitAnlage) return nullptr;
    const TAnlagenKennwerte& a = kw.Anlage;
    nlohmann::ordered_json j;
    j["OhneRegister"] = SeiteJson(a.OhneRegister);
    j["MitRegister"] = SeiteJson(a.MitRegister);
    j["FrostschutzStundenGespart"] = a.FrostschutzStundenGespart;
    j["VorheizenergieGespart"] = a.VorheizenergieGespart;
    j["WaermeErspartGebaeude"] = a.WaermeErspartGebaeude;
    j["KuehlungUeberKomfort"] = a.KuehlungUeberKomfort;
    return j;
}

nlohmann::ordered_json RegelungsVergleichJson(const TLaufDaten& daten, const TKennwerte& kw) {
    const bool bedarf = BedarfsRegelung(daten.Parameter);
    nlohmann::ordered_json j;
    j["Klassisch"] = nullptr;
    j["Bedarf"] = nullptr;
    j[bedarf ? "Bedarf" : "Klassisch"] = VergleichsSpalte(kw);
    try {
        if (const std::optional<TKennwerte> andere = AndereRegelungRechnen(daten))
            j[bedarf ? "Klassisch" : "Bedarf"] = VergleichsSpalte(*andere);
    } catch (const TParameterFehler& f) {
        j["Fehler"] = f.what();
    }
    return j;
}

void AnlageHilfeSchreiben(std::ostream& aus) {
    for (const auto& [name, einheit, bedeutung] : Schluessel) {
        std::string zeile = "  ";
        zeile.append(name);
        if (*einheit != '\0') zeile.append(" [").append(einheit).append("]");
        if (zeile.size() < 44) zeile.resize(44, ' ');
        aus << zeile << "  " << bedeutung << "\n";
    }
}

} // namespace kov
