#include "cli/kov_run.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/lauf_pruefung.h"
#include "cli/anlage_json.h"
#include "cli/klima_liste.h"
#include "cli/kosten_ausgabe.h"
#include "cli/parameter_felder.h"
#include "cli/register_json.h"
#include "cli/studie_lauf.h"
#include "cli/studie_teile.h"
#include "files/klima.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "files/wetter_info.h"
#include "model/fehler.h"
#include "model/version.h"
#include "register/kennwerte_text.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace kov {

namespace {

constexpr const char* Aufruf =
    "Aufruf: kov-run [-C VERZEICHNIS] [--json] [--projekt DATEI] [--speichern DATEI]\n"
    "                [--nur-speichern] [NAME=WERT ...]\n"
    "        kov-run [--json] --wetter-info WETTERDATEI\n"
    "        kov-run [--json] --klima-liste\n"
    "        kov-run --klimacheck [--json] [--jobs N] [--projekt DATEI] Klima=REGION [NAME=WERT "
    "...]\n"
    "        kov-run --variiere NAME=LISTE [--variiere NAME=LISTE ...] [--jobs N]\n"
    "                [--bedingung KENNWERT<=WERT ...] [--berichte ORDNER] [NAME=WERT ...]\n"
    "                [--aus DATEI | --fortsetzen DATEI] [--teil K/N] [--still]\n"
    "        kov-run --zusammenfuehren TEIL.csv ...\n";

// The help is plain ASCII so that it reads the same in every terminal: umlauts are spelled
// out, the degree sign of a unit is dropped ("°C" -> "C").
std::string AsciiText(std::string_view utf8) {
    static constexpr std::pair<std::string_view, std::string_view> Ersatz[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"},
        {"Ü", "Ue"}, {"ß", "ss"}, {"°", ""},   {"−", "-"},  {"–", "-"}};
    std::string text;
    for (std::size_t i = 0; i < utf8.size();) {
        bool ersetzt = false;
        for (const auto& [von, nach] : Ersatz) {
            if (utf8.substr(i, von.size()) == von) {
                text += nach;
                i += von.size();
                ersetzt = true;
                break;
            }
        }
        if (!ersetzt) text += utf8[i++];
    }
    return text;
}

struct TKennwertSchluessel {
    const char* Name;
    const char* Einheit;
    const char* Bedeutung;
};
// the keys of the JSON object "Kennwerte" with their units, in its order
constexpr TKennwertSchluessel KennwertSchluessel[] = {
    {"DruckverlustRohr", "Pa", "Rohrreibung bei Nenn-Volumenstrom"},
    {"DruckverlustGesamt", "Pa", "Rohrreibung, Einzelwiderstaende (Zeta) und Zusatz"},
    {"Ventilatorleistung", "W", "elektrische Leistung bei Nenn-Volumenstrom"},
    {"Ventilatorenergie", "kWh", "Ventilatorstrom der Betriebsstunden, je mit ihrem Volumenstrom"},
    {"Leistungszahl", "", "nutzbare (Heiz- + Kuehlenergie) / Ventilatorstrom; 0 ohne Strom"},
    {"TausMin, TausMax", "C", "tiefste und hoechste Austrittstemperatur"},
    {"TausMinStunde, TausMaxStunde", "", "ihre Stunde 1..8760"},
    {"TeinMin, TeinMax", "C", "tiefste und hoechste Eintrittstemperatur"},
    {"TeinMinStunde, TeinMaxStunde", "", "ihre Stunde 1..8760"},
    {"FrostStundenAussen", "h", "Stunden mit Aussenluft unter der Frostgrenze"},
    {"FrostStundenNachRegister", "h", "Betriebsstunden mit Austritt unter der Frostgrenze"},
    {"HeizleistungMax, KuehlleistungMax", "kW", "groesste Heiz- und Kuehlleistung"},
    {"HeizenergieMonat, KuehlenergieMonat", "kWh", "je 12 Monatswerte, Januar zuerst"},
    {"HeizenergieNutzbar", "kWh", "Heizenergie der Stunden mit Aussenluft bis Heizgrenze"},
    {"KuehlenergieNutzbar", "kWh", "Kuehlenergie, Aussenluft ab Kuehlgrenze (WRG: Komfortgrenze)"},
    {"ErtragJeRohrflaeche", "kWh/m2", "nutzbare Energie je m2 Rohrinnenflaeche"},
    {"ErtragJeRohrmeter", "kWh/m", "nutzbare Energie je m Rohr"},
    {"KondensatJahr", "kg", "Kondensat aus Feuchte, Luftdruck und Dichte des Wetters"},
    {"KondensatStunden", "h", "Stunden mit Kondensat"},
    {"KondensatMax", "kg/h", "groesste Kondensatmenge einer Stunde"},
    {"KondensatMonat", "kg", "12 Monatswerte"},
    {"EinschwingAenderungHeizen", "", "(Jahr - letztes Einschwingjahr) / groesseres, Heizen"},
    {"EinschwingAenderungKuehlen", "", "dasselbe fuer die Kuehlenergie"},
};

void HilfeSchreiben(std::ostream& aus) {
    TRegisterParameter standard;
    ParameterStandardwerteSetzen(standard);
    aus << Aufruf
        << "\nBerechnet ein Luft-Erdregister ueber das Auslegungsjahr mit den Standardwerten\n"
           "(oder denen eines Projekts), geaendert durch die Zuweisungen NAME=WERT in ihrer\n"
           "Reihenfolge, und schreibt den Bericht (OutputFile) ins Arbeitsverzeichnis (mit\n"
           "--projekt neben die Projektdatei). Keine Datei des Laufs darf eine andere sein.\n\n"
           "  -C VERZEICHNIS         Dateien des Laufs in VERZEICHNIS statt im Arbeitsverzeichnis\n"
           "  --json                 Ergebnis als JSON-Objekt statt als Text\n"
           "  --projekt DATEI        mit den Parametern der Projektdatei (.kov) beginnen; "
           "relative\n"
           "                         Namen von Fahrplan-, Wetter- und Ausgabedatei gelten\n"
           "                         relativ zur Projektdatei, auch wenn NAME=WERT sie setzt\n"
           "                         (die Ausgabedatei nur ohne -C)\n"
           "  --speichern DATEI      den Parametersatz nach dem Lauf als Projekt speichern\n"
           "  --nur-speichern        mit --speichern: nur pruefen und speichern, nicht rechnen\n"
           "  --wetter-info DATEI    Kennwerte einer Wetterdatei zeigen (EPW, DWD-TRY, Tabelle),\n"
           "                         ohne zu rechnen\n"
           "  --klima-liste          die 90 eingebauten Klimata (Testreferenzjahre des DWD) mit\n"
           "                         Jahresmittel, Extremen und Stunden unter 0 C\n"
           "  --klimacheck           den Entwurf ueber die sechs Jahre der Region von Klima\n"
           "                         rechnen (mittleres Jahr, extremer Winter und Sommer, heute\n"
           "                         und 2031-2060) und nebeneinander zeigen; --jobs N Threads\n"
           "  --version              Programmversion\n"
           "  --help                 diese Hilfe\n\n"
           "WetterDatei=PFAD rechnet mit dem Wetter eines Standorts statt mit dem eingebauten\n"
           "Auslegungsjahr (Aussentemperatur, relative Feuchte in %, Taupunkt).\n"
           "Klima=5, Klima=5:Wint:2045 oder Klima=TRY2015-05-Jahr rechnet mit einem eingebauten\n"
           "Testreferenzjahr des DWD (Region 1..15; Art Jahr, Somm, Wint; Zeitraum 2015, 2045).\n"
           "Datenbasis: Deutscher Wetterdienst.\n\n"
           "Variantenstudie: --variiere NAME=LISTE rechnet jede Kombination der Werte (bis zu "
           "vier\n"
           "Parameter, dazu Boden=1,3,5 oder Boden=alle aus der Liste der Bodenarten; LISTE als\n"
           "10,12,15 oder von:bis:schritt, fuer Modell und Klima Texte wie klassisch,register "
           "oder\n"
           "5,5:Wint:2045; hoechstens 100000 Varianten) und schreibt eine "
           "CSV-Tabelle\n"
           "auf stdout: die variierten Werte und die Kennwerte (Namen wie die Schluessel von "
           "--json),\n"
           "dann die verletzten Bedingungen und die Pareto-Marken (nutzbare Energie gegen gesamte\n"
           "Rohrlaenge, gegen Ventilatorstrom und gegen Annuitaet der Kosten). --jobs N: Threads\n"
           "(Standard: alle Kerne),\n"
           "--bedingung KENNWERT<=WERT oder >=WERT (z. B. Stroemungsgeschwindigkeit<=3,\n"
           "TausMin>=0, DruckverlustGesamt<=50), --berichte ORDNER: je Variante ein Bericht.\n"
           "--aus DATEI: die Tabelle in DATEI statt auf stdout (daneben DATEI.studie: welche\n"
           "Studie, welches Basisprojekt, welche Programmversion); --fortsetzen DATEI rechnet "
           "eine\n"
           "unterbrochene Studie zu Ende; --teil K/N rechnet nur die Varianten K, K+N, K+2N, ...;\n"
           "--zusammenfuehren TEIL.csv ... fuegt die Teile zur Tabelle der ganzen Studie\n"
           "zusammen. Am Terminal zeigt eine Studie ihren Fortschritt auf stderr (--still: "
           "nicht).\n\n"
           "Zahlen mit Dezimalpunkt; Wahrheitswerte true/false oder 1/0; Monatsfelder als\n"
           "NAME[1..12]=WERT fuer einen Monat oder NAME=WERT fuer alle zwoelf.\n"
           "Exit-Status: 0 Erfolg, 1 Dateifehler (Lauf, Wetterdatei, Speichern), 2 Aufruf-,\n"
           "Parameter- oder Projektdateifehler.\n\n"
           "Parameter (Standardwert, Einheit, Bedeutung):\n";
    for (const TParameterFeld& feld : ParameterFelder()) {
        std::string zeile = "  ";
        zeile.append(feld.Name).append(" = ").append(FeldWertText(standard, feld));
        if (!feld.Einheit.empty()) zeile.append(" ").append(AsciiText(feld.Einheit));
        if (zeile.size() < 44) zeile.resize(44, ' ');
        aus << zeile << "  " << AsciiText(feld.Beschreibung) << "\n";
    }
    aus << "\nKennwerte (Text: Block \"Kennwerte\", --json: Objekt \"Kennwerte\"; Energien und\n"
           "Ventilatorstrom ueber die Stunden 2..8760 wie die Jahressummen, Extremwerte, Stunden\n"
           "und Kondensat ueber alle 8760 Zeilen des Berichts):\n";
    for (const auto& [name, einheit, bedeutung] : KennwertSchluessel) {
        std::string zeile = "  ";
        zeile.append(name);
        if (*einheit != '\0') zeile.append(" [").append(einheit).append("]");
        if (zeile.size() < 44) zeile.resize(44, ' ');
        aus << zeile << "  " << bedeutung << "\n";
    }
    AnlageHilfeSchreiben(aus);
    KostenUndPruefungHilfe(aus);
}

std::string Kwh(double wert) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%12.1f kWh", wert);
    return puffer;
}

void KennwerteSchreiben(const TKontext& k, const TKennwerte& kw, std::ostream& aus) {
    aus << "\nKennwerte (Energien und Ventilatorstrom der Stunden 2..8760 wie die Jahressummen):\n";
    for (const TKennwertZeile& z : KennwerteZeilen(kw, k.Parameter)) {
        aus << "  " << Ausgerichtet(z.Bezeichnung, 66, false) << Ausgerichtet(z.Wert, 10, true)
            << " " << z.Einheit;
        if (!z.Zeitpunkt.empty()) aus << "  " << z.Zeitpunkt;
        aus << "\n";
    }
    aus << "  " << Ausgerichtet("Monat", 10, false) << Ausgerichtet("Heizenergie kWh", 17, true)
        << Ausgerichtet("Kühlenergie kWh", 17, true) << Ausgerichtet("Kondensat kg", 14, true)
        << "\n";
    for (const TKennwertMonat& m : KennwerteMonatsZeilen(kw, k.Ergebnis))
        aus << "  " << Ausgerichtet(m.Monat, 10, false) << Ausgerichtet(m.Heizenergie, 17, true)
            << Ausgerichtet(m.Kuehlenergie, 17, true) << Ausgerichtet(m.Kondensat, 14, true)
            << "\n";
}

std::vector<double> Monatswerte(const TMonatsFeld& feld) {
    return {feld.begin() + 1, feld.end()};
}

nlohmann::ordered_json KennwerteJson(const TKennwerte& kw) {
    nlohmann::ordered_json j;
    j["DruckverlustRohr"] = kw.DruckverlustNenn.Reibung;
    j["DruckverlustGesamt"] = kw.DruckverlustNenn.Gesamt;
    j["Ventilatorleistung"] = kw.Ventilatorleistung;
    j["Ventilatorenergie"] = kw.Ventilatorenergie;
    j["Leistungszahl"] = kw.Leistungszahl;
    j["TausMin"] = kw.TausMin;
    j["TausMinStunde"] = kw.TausMinStunde;
    j["TausMax"] = kw.TausMax;
    j["TausMaxStunde"] = kw.TausMaxStunde;
    j["TeinMin"] = kw.TeinMin;
    j["TeinMinStunde"] = kw.TeinMinStunde;
    j["TeinMax"] = kw.TeinMax;
    j["TeinMaxStunde"] = kw.TeinMaxStunde;
    j["FrostStundenAussen"] = kw.FrostStundenAussen;
    j["FrostStundenNachRegister"] = kw.FrostStundenNachRegister;
    j["HeizleistungMax"] = kw.HeizleistungMax;
    j["KuehlleistungMax"] = kw.KuehlleistungMax;
    j["HeizenergieMonat"] = Monatswerte(kw.HeizenergieMonat);
    j["KuehlenergieMonat"] = Monatswerte(kw.KuehlenergieMonat);
    j["HeizenergieNutzbar"] = kw.HeizenergieNutzbar;
    j["KuehlenergieNutzbar"] = kw.KuehlenergieNutzbar;
    j["ErtragJeRohrflaeche"] = kw.ErtragJeRohrflaeche;
    j["ErtragJeRohrmeter"] = kw.ErtragJeRohrmeter;
    j["KondensatJahr"] = kw.KondensatJahr;
    j["KondensatStunden"] = kw.KondensatStunden;
    j["KondensatMax"] = kw.KondensatMax;
    j["KondensatMonat"] = Monatswerte(kw.KondensatMonat);
    j["EinschwingAenderungHeizen"] = kw.EinschwingAenderungHeizen;
    j["EinschwingAenderungKuehlen"] = kw.EinschwingAenderungKuehlen;
    return j;
}

void ErgebnisSchreiben(const TKontext& k, const TLaufDaten& daten, int durchlaeufe, bool json,
                       std::ostream& aus) {
    const TJahresErgebnis& e = k.Ergebnis;
    const TRegisterParameter& p = k.Parameter;
    const TKennwerte kw = KennwerteBerechnen(k);
    if (json) {
        // doubles are written so that they read back to the same double
        nlohmann::ordered_json j;
        j["WaermeentzugKeller"] = e.WaermeentzugKeller;
        j["WaermeentzugErde"] = e.WaermeentzugErde;
        j["Kuehlenergie"] = e.Kuehlenergie;
        j["Heizenergie"] = e.Heizenergie;
        j["Gitterfaktor"] = k.Werte.Gitterfaktor;
        j["StartTemperatur"] = k.Werte.StartTemperatur;
        j["JahresMittelTemperatur"] = k.Werte.JahresMittelTemperatur;
        j["Durchlaeufe"] = durchlaeufe;
        j["OutputFile"] = p.OutputFile;
        j["Kennwerte"] = KennwerteJson(kw);
        NutzenJsonErgaenzen(kw, j["Kennwerte"]);
        j["Anlage"] = AnlageJson(kw);
        j["Regelungsvergleich"] = RegelungsVergleichJson(daten, kw);
        RegisterJsonErgaenzen(k, j);
        KostenUndPruefungJson(k, kw, j);
        // a file name that is not UTF-8 is written with replacement characters, not refused
        aus << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
        return;
    }
    aus << "Wärmeentzug aus Keller: " << Kwh(e.WaermeentzugKeller) << "\n"
        << "Wärmeentzug aus Erde:   " << Kwh(e.WaermeentzugErde) << "\n"
        << "Kühlenergie Erdregister:" << Kwh(e.Kuehlenergie) << "\n"
        << "Heizenergie Erdregister:" << Kwh(e.Heizenergie) << "\n"
        << "Durchläufe: " << durchlaeufe << "\n"
        << "Bericht: " << p.OutputFile << "\n";
    if (!p.Klima.empty()) aus << "Wetter: " << KlimaBezeichnung(p.Klima) << "\n";
    KennwerteSchreiben(k, kw, aus);
    KostenUndPruefungSchreiben(k, kw, aus);
}

nlohmann::ordered_json ExtremJson(const TWetterExtrem& e) {
    return {{"Wert", e.Wert},
            {"Stunde", e.Stunde},
            {"Tag", e.Tag},
            {"Monat", e.Monat},
            {"TagesStunde", e.TagesStunde}};
}

// The summary of a weather file as one JSON object; texts that are no UTF-8 become U+FFFD.
std::string WetterInfoJson(const TWetterInfo& info) {
    const TWetterKennwerte& k = info.Kennwerte;
    nlohmann::ordered_json monate = nlohmann::ordered_json::array();
    for (std::size_t m = 1; m <= 12; ++m)
        monate.push_back(k.MonatsMittel[m]);
    nlohmann::ordered_json json = {
        {"Datei", info.Datei},
        {"Format", info.FormatName},
        {"Ort", info.Ort},
        {"Region", info.Region},
        {"Land", info.Land},
        {"Wmo", info.Wmo},
        {"Datenquelle", info.Datenquelle},
        {"Breite", info.HatKoordinaten ? nlohmann::ordered_json(info.Breite) : nullptr},
        {"Laenge", info.HatKoordinaten ? nlohmann::ordered_json(info.Laenge) : nullptr},
        {"Hoehe", info.HatHoehe ? nlohmann::ordered_json(info.Hoehe) : nullptr},
        {"Stunden", StundenImJahr},
        {"DatenZeilen", info.DatenZeilen},
        {"ZeilenVerworfen", info.ZeilenVerworfen},
        {"SchalttagZeilen", info.SchalttagZeilen},
        {"TryKopieVerworfen", info.TryKopieVerworfen},
        {"StundenErgaenzt", info.StundenErgaenzt},
        {"HatFeuchte", info.HatFeuchte},
        {"TaupunktBerechnet", info.TaupunktBerechnet},
        {"JahresMittel", k.JahresMittel},
        {"Minimum", ExtremJson(k.Minimum)},
        {"Maximum", ExtremJson(k.Maximum)},
        {"MonatsMittel", monate},
        {"StundenUnterNull", k.StundenUnterNull},
        {"TaupunktMittel", info.HatFeuchte ? nlohmann::ordered_json(k.TaupunktMittel) : nullptr}};
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int WetterInfoZeigen(const std::string& pfad, bool json, std::ostream& aus, std::ostream& fehler) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    try {
        WetterDateiLesen(pfad, *jahr, info);
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    if (json)
        aus << WetterInfoJson(info) << "\n";
    else
        aus << WetterInfoText(info);
    return ExitErfolg;
}

// The value of an option that takes one; "" and a message when it is missing.
bool OptionsWert(const std::vector<std::string>& argumente, std::size_t& i, std::string& wert,
                 std::ostream& fehler) {
    if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
        fehler << "kov-run: " << argumente[i] << " braucht einen Dateinamen.\n" << Aufruf;
        return false;
    }
    wert = argumente[++i];
    return true;
}

} // namespace

int EingabeFehlerMelden(const TEingabeFehler& f, std::ostream& fehler) {
    fehler << "kov-run: "
           << (f.Art == TEingabeArt::Wetterdatei ? "Wetterdatei nicht lesbar, nichts berechnet: "
                                                 : "")
           << SicherText(f.what()) << "\n";
    return ExitLauffehler;
}

int KovRun(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
           bool fortschritt) {
    std::string verzeichnis;
    bool json = false;
    std::string projekt;
    std::string speichern;
    bool nurSpeichern = false;
    std::string wetterInfo;
    bool klimaListe = false, klimaCheck = false;
    std::vector<std::string> zuweisungen;
    TStudienAufruf studie;
    bool still = false;
    bool zusammenfuehren = false;
    std::string teil;
    // the value of an option that takes one; false (and said) when it is missing
    const auto wert = [&](std::size_t& i, std::string& ziel) {
        if (i + 1 < argumente.size()) {
            ziel = argumente[++i];
            return true;
        }
        fehler << "kov-run: " << argumente[i] << " braucht einen Wert.\n" << Aufruf;
        return false;
    };
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        std::string text;
        if (argument == "--help" || argument == "-h") {
            HilfeSchreiben(aus);
            return ExitErfolg;
        } else if (argument == "--version") {
            aus << VersionText("kov-run") << "\n";
            return ExitErfolg;
        } else if (argument == "--json") {
            json = true;
        } else if (argument == "--projekt") {
            if (!OptionsWert(argumente, i, projekt, fehler)) return ExitAufruf;
        } else if (argument == "--speichern") {
            if (!OptionsWert(argumente, i, speichern, fehler)) return ExitAufruf;
        } else if (argument == "--nur-speichern") {
            nurSpeichern = true;
        } else if (argument == "--wetter-info") {
            if (!OptionsWert(argumente, i, wetterInfo, fehler)) return ExitAufruf;
        } else if (argument == "--klima-liste") {
            klimaListe = true;
        } else if (argument == "--klimacheck") {
            klimaCheck = true;
        } else if (argument == "--variiere") {
            if (!wert(i, text)) return ExitAufruf;
            studie.Variationen.push_back(text);
        } else if (argument == "--bedingung") {
            if (!wert(i, text)) return ExitAufruf;
            studie.Bedingungen.push_back(text);
        } else if (argument == "--aus") {
            if (!wert(i, studie.Aus)) return ExitAufruf;
        } else if (argument == "--fortsetzen") {
            if (!wert(i, studie.Aus)) return ExitAufruf;
            studie.Fortsetzen = true;
        } else if (argument == "--teil") {
            if (!wert(i, teil)) return ExitAufruf;
        } else if (argument == "--still") {
            still = true;
        } else if (argument == "--zusammenfuehren") {
            zusammenfuehren = true;
        } else if (argument == "--berichte") {
            if (!wert(i, studie.Berichte)) return ExitAufruf;
        } else if (argument == "--jobs") {
            if (!wert(i, text)) return ExitAufruf;
            if (text.empty() || text.size() > 4 ||
                text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < 1) {
                fehler << "kov-run: --jobs braucht eine Zahl von Threads ab 1, nicht "
                       << Zitat(text) << ".\n";
                return ExitAufruf;
            }
            studie.Faeden = static_cast<unsigned>(std::stoi(text));
        } else if (argument == "-C") {
            if (i + 1 >= argumente.size()) {
                fehler << "kov-run: -C braucht ein Verzeichnis.\n" << Aufruf;
                return ExitAufruf;
            }
            verzeichnis = argumente[++i];
        } else if (argument.rfind("-C", 0) == 0) {
            verzeichnis = argument.substr(2);
        } else if (!argument.empty() && argument[0] == '-') {
            fehler << "kov-run: unbekannte Option " << Zitat(argument) << ".\n" << Aufruf;
            return ExitAufruf;
        } else {
            zuweisungen.push_back(argument);
        }
    }

    if (zusammenfuehren) {
        if (!projekt.empty() || !studie.Variationen.empty() || !studie.Aus.empty() ||
            !teil.empty()) {
            fehler << "kov-run: --zusammenfuehren nimmt nur die Tabellen der Teile.\n" << Aufruf;
            return ExitAufruf;
        }
        return StudieZusammenfuehren(zuweisungen, aus, fehler);
    }
    if (!teil.empty()) {
        const std::size_t strich = teil.find('/');
        const auto zahl = [&](std::string_view text, std::size_t& ziel) {
            if (text.empty() || text.size() > 6 ||
                text.find_first_not_of("0123456789") != std::string_view::npos)
                return false;
            ziel = std::stoul(std::string(text));
            return true;
        };
        if (strich == std::string::npos ||
            !zahl(std::string_view(teil).substr(0, strich), studie.Teil) ||
            !zahl(std::string_view(teil).substr(strich + 1), studie.Teile) || studie.Teil < 1 ||
            studie.Teil > studie.Teile) {
            fehler << "kov-run: --teil braucht K/N mit 1 <= K <= N, nicht " << Zitat(teil) << ".\n";
            return ExitAufruf;
        }
        if (studie.Aus.empty()) {
            fehler << "kov-run: --teil braucht --aus DATEI: neben der Tabelle steht, welcher "
                      "Teil welcher Studie sie ist.\n";
            return ExitAufruf;
        }
    }
    studie.Fortschritt = fortschritt && !still;

    if (!wetterInfo.empty()) {
        if (!projekt.empty() || !speichern.empty() || nurSpeichern || !zuweisungen.empty()) {
            fehler << "kov-run: --wetter-info steht allein (mit --json).\n" << Aufruf;
            return ExitAufruf;
        }
        return WetterInfoZeigen(wetterInfo, json, aus, fehler);
    }
    if (klimaListe) {
        if (!projekt.empty() || !speichern.empty() || nurSpeichern || !zuweisungen.empty() ||
            klimaCheck) {
            fehler << "kov-run: --klima-liste steht allein (mit --json).\n" << Aufruf;
            return ExitAufruf;
        }
        return KlimaListeZeigen(json, aus, fehler);
    }
    if (nurSpeichern && speichern.empty()) {
        fehler << "kov-run: --nur-speichern braucht --speichern DATEI.\n" << Aufruf;
        return ExitAufruf;
    }

    TRegisterParameter parameter;
    ParameterStandardwerteSetzen(parameter);
    // input files of a project are found beside it
    std::string eingabeOrdner;
    if (!projekt.empty()) {
        try {
            parameter = ProjektLesen(projekt);
        } catch (const TDateiFehler& f) {
            fehler << "kov-run: Projektdatei abgelehnt, nichts berechnet: " << SicherText(f.what())
                   << "\n";
            return ExitAufruf;
        }
        std::string ordner = ProjektOrdner(projekt);
        eingabeOrdner = ordner.empty() ? std::string(1, '.') : std::move(ordner);
    }
    try {
        for (const std::string& zuweisung : zuweisungen)
            ParameterZuweisen(parameter, zuweisung);
    } catch (const TAufrufFehler& f) {
        fehler << "kov-run: " << f.what() << "\n";
        return ExitAufruf;
    }
    AnteilErdeBerechnen(parameter);

    if (!verzeichnis.empty()) {
        struct stat ordner {};
        int fehlerNummer = 0;
        if (::stat(verzeichnis.c_str(), &ordner) != 0)
            fehlerNummer = errno;
        else if (!S_ISDIR(ordner.st_mode))
            fehlerNummer = ENOTDIR;
        if (fehlerNummer != 0) {
            fehler << "kov-run: das Verzeichnis " << Zitat(verzeichnis)
                   << " ist nicht zu gebrauchen: " << std::strerror(fehlerNummer) << "\n";
            return ExitAufruf;
        }
    }

    if (klimaCheck) {
        if (!studie.Variationen.empty() || !studie.Bedingungen.empty() ||
            !studie.Berichte.empty() || !speichern.empty()) {
            fehler << "kov-run: --klimacheck rechnet ohne Studie und speichert nichts.\n";
            return ExitAufruf;
        }
        return KlimaCheckZeigen(parameter, eingabeOrdner.empty() ? verzeichnis : eingabeOrdner,
                                json, studie.Faeden, aus, fehler);
    }
    // a project's report goes beside it, like its input files are found there; -C overrides
    const std::string berichtOrdner = verzeichnis.empty() ? eingabeOrdner : verzeichnis;
    const TLaufOrte orte{berichtOrdner, eingabeOrdner, projekt};
    if (!studie.Variationen.empty()) {
        if (nurSpeichern) {
            fehler << "kov-run: --nur-speichern rechnet keine Studie; --variiere weglassen oder "
                      "ohne --nur-speichern die Studie rechnen und ihr Basisprojekt speichern.\n";
            return ExitAufruf;
        }
        studie.Orte = orte;
        studie.Speichern = speichern;
        return StudieAusfuehren(parameter, studie, aus, fehler);
    }
    if (!studie.Bedingungen.empty() || !studie.Berichte.empty() || studie.Faeden != 0 ||
        !studie.Aus.empty() || !teil.empty() || still) {
        fehler << "kov-run: --bedingung, --berichte, --jobs, --aus, --fortsetzen, --teil und "
                  "--still gehören zu einer Studie (--variiere).\n";
        return ExitAufruf;
    }

    const auto abgelehnt = [&](const std::vector<std::string>& meldungen) {
        fehler << "kov-run: Parametersatz abgelehnt, nichts berechnet:\n";
        for (const std::string& meldung : meldungen)
            fehler << "  " << SicherText(meldung) << "\n";
        return ExitAufruf;
    };
    const TRegisterParameter& eingestellt = parameter;
    const auto projektSpeichern = [&]() {
        try {
            ProjektSpeichern(speichern, eingestellt,
                             eingabeOrdner.empty() ? verzeichnis : eingabeOrdner);
        } catch (const TDateiFehler& f) {
            fehler << "kov-run: Projekt nicht gespeichert: " << SicherText(f.what()) << "\n";
            return false;
        }
        return true;
    };
    if (!speichern.empty()) {
        // the project may be saved over the file it was read from, over no other file of the run
        std::vector<TDateiRolle> dateien =
            LaufEingaben(eingestellt, {berichtOrdner, eingabeOrdner});
        if (!nurSpeichern) {
            dateien.push_back({"Der Bericht", "den Bericht", eingestellt.OutputFile,
                               PfadImOrdner(berichtOrdner, eingestellt.OutputFile)});
            dateien.push_back({"Die Hilfsdatei", "die Hilfsdatei", HilfsDatei,
                               PfadImOrdner(berichtOrdner, HilfsDatei)});
        }
        const std::vector<std::string> meldungen = UeberschreibenPruefen(
            {{"Das gespeicherte Projekt", "das gespeicherte Projekt", speichern, speichern}},
            dateien);
        if (!meldungen.empty()) return abgelehnt(meldungen);
    }
    // only a run needs its input files; a project may be saved before they are there
    if (nurSpeichern) {
        const std::vector<std::string> meldungen =
            LaufPruefen(eingestellt, berichtOrdner, nullptr, eingabeOrdner, projekt);
        if (!meldungen.empty()) return abgelehnt(meldungen);
        if (!projektSpeichern()) return ExitLauffehler;
        aus << "Projekt gespeichert: " << SicherText(speichern) << "\n";
        return ExitErfolg;
    }

    TLaufDaten daten;
    try {
        daten = LaufDatenSammeln(eingestellt, orte);
    } catch (const TLaufAbgelehnt& f) {
        return abgelehnt(f.Meldungen);
    } catch (const TEingabeFehler& f) {
        return EingabeFehlerMelden(f, fehler);
    }

    int durchlaeufe = 0;
    auto lauf = std::make_unique<TKontext>();
    StandardwerteSetzen(*lauf);
    try {
        TLaufRueckmeldung rueckmeldung;
        rueckmeldung.NachMonat = [&](int durchlauf, int monat, const TStundenReihen&) {
            if (monat == 12) durchlaeufe = durchlauf;
        };
        BerichtsLaufAusfuehren(daten, *lauf, rueckmeldung);
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    } catch (const TParameterFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    const std::vector<std::string>& hinweise = daten.Hinweise;
    for (const std::string& hinweis : hinweise)
        fehler << "kov-run: Hinweis: " << SicherText(hinweis) << "\n";
    if (!speichern.empty() && !projektSpeichern()) return ExitLauffehler;
    ErgebnisSchreiben(*lauf, daten, durchlaeufe, json, aus);
    return ExitErfolg;
}

} // namespace kov
