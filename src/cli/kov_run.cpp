#include "cli/kov_run.h"

#include "ablauf/lauf_pruefung.h"
#include "ablauf/simulation.h"
#include "cli/parameter_felder.h"
#include "files/projekt_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "files/wetter_info.h"
#include "model/fehler.h"

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
    "        kov-run [--json] --wetter-info WETTERDATEI\n";

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

void HilfeSchreiben(std::ostream& aus) {
    TRegisterParameter standard;
    ParameterStandardwerteSetzen(standard);
    aus << Aufruf
        << "\nBerechnet ein Luft-Erdregister ueber das Auslegungsjahr mit den Standardwerten\n"
           "(oder denen eines Projekts), geaendert durch die Zuweisungen NAME=WERT in ihrer\n"
           "Reihenfolge, und schreibt den Bericht (OutputFile) ins Arbeitsverzeichnis.\n\n"
           "  -C VERZEICHNIS         Dateien des Laufs in VERZEICHNIS statt im Arbeitsverzeichnis\n"
           "  --json                 Ergebnis als JSON-Objekt statt als Text\n"
           "  --projekt DATEI        mit den Parametern der Projektdatei (.kov) beginnen; "
           "relative\n"
           "                         Namen von Fahrplan- und Wetterdatei gelten relativ zur\n"
           "                         Projektdatei, auch wenn NAME=WERT sie setzt\n"
           "  --speichern DATEI      den Parametersatz nach dem Lauf als Projekt speichern\n"
           "  --nur-speichern        mit --speichern: nur pruefen und speichern, nicht rechnen\n"
           "  --wetter-info DATEI    Kennwerte einer Wetterdatei zeigen (EPW, DWD-TRY, Tabelle),\n"
           "                         ohne zu rechnen\n"
           "  --help                 diese Hilfe\n\n"
           "WetterDatei=PFAD rechnet mit dem Wetter eines Standorts statt mit dem eingebauten\n"
           "Auslegungsjahr (Aussentemperatur, relative Feuchte in %, Taupunkt).\n"
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
}

std::string JsonText(const std::string& text) {
    std::string ergebnis = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            ergebnis += '\\';
            ergebnis += static_cast<char>(c);
        } else if (c < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
            ergebnis += puffer;
        } else {
            ergebnis += static_cast<char>(c);
        }
    }
    return ergebnis + "\"";
}

std::string Voll(double wert) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.17g", wert);
    return puffer;
}

std::string Kwh(double wert) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%12.1f kWh", wert);
    return puffer;
}

void ErgebnisSchreiben(const TKontext& k, int durchlaeufe, bool json, std::ostream& aus) {
    const TJahresErgebnis& e = k.Ergebnis;
    const TRegisterParameter& p = k.Parameter;
    if (json) {
        aus << "{\"WaermeentzugKeller\": " << Voll(e.WaermeentzugKeller)
            << ", \"WaermeentzugErde\": " << Voll(e.WaermeentzugErde)
            << ", \"Kuehlenergie\": " << Voll(e.Kuehlenergie)
            << ", \"Heizenergie\": " << Voll(e.Heizenergie)
            << ", \"Gitterfaktor\": " << Voll(p.Gitterfaktor)
            << ", \"StartTemperatur\": " << Voll(k.Werte.StartTemperatur)
            << ", \"JahresMittelTemperatur\": " << Voll(k.Werte.JahresMittelTemperatur)
            << ", \"Durchlaeufe\": " << durchlaeufe
            << ", \"OutputFile\": " << JsonText(p.OutputFile) << "}\n";
        return;
    }
    aus << "Wärmeentzug aus Keller: " << Kwh(e.WaermeentzugKeller) << "\n"
        << "Wärmeentzug aus Erde:   " << Kwh(e.WaermeentzugErde) << "\n"
        << "Kühlenergie Erdregister:" << Kwh(e.Kuehlenergie) << "\n"
        << "Heizenergie Erdregister:" << Kwh(e.Heizenergie) << "\n"
        << "Durchläufe: " << durchlaeufe << "\n"
        << "Bericht: " << p.OutputFile << "\n";
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

int KovRun(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    std::string verzeichnis;
    bool json = false;
    std::string projekt;
    std::string speichern;
    bool nurSpeichern = false;
    std::string wetterInfo;
    std::vector<std::string> zuweisungen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (argument == "--help" || argument == "-h") {
            HilfeSchreiben(aus);
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

    if (!wetterInfo.empty()) {
        if (!projekt.empty() || !speichern.empty() || nurSpeichern || !zuweisungen.empty()) {
            fehler << "kov-run: --wetter-info steht allein (mit --json).\n" << Aufruf;
            return ExitAufruf;
        }
        return WetterInfoZeigen(wetterInfo, json, aus, fehler);
    }
    if (nurSpeichern && speichern.empty()) {
        fehler << "kov-run: --nur-speichern braucht --speichern DATEI.\n" << Aufruf;
        return ExitAufruf;
    }

    auto k = std::make_unique<TKontext>();
    StandardwerteSetzen(*k);
    // input files of a project are found beside it
    std::string eingabeOrdner;
    if (!projekt.empty()) {
        try {
            k->Parameter = ProjektLesen(projekt);
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
            ParameterZuweisen(k->Parameter, zuweisung);
    } catch (const TAufrufFehler& f) {
        fehler << "kov-run: " << f.what() << "\n";
        return ExitAufruf;
    }
    AnteilErdeBerechnen(k->Parameter);

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

    // only a run needs the weather file; a project may be saved before its file is there
    std::unique_ptr<TWetterJahr> wetter;
    if (k->Parameter.EingebautesWetter && !nurSpeichern) {
        try {
            wetter = LaufWetterLesen(k->Parameter, verzeichnis, {eingabeOrdner, nullptr});
        } catch (const TDateiFehler& f) {
            fehler << "kov-run: Wetterdatei nicht lesbar, nichts berechnet: "
                   << SicherText(f.what()) << "\n";
            return ExitLauffehler;
        }
    }

    const std::vector<std::string> meldungen =
        LaufPruefen(k->Parameter, verzeichnis, wetter.get(), eingabeOrdner);
    if (!meldungen.empty()) {
        fehler << "kov-run: Parametersatz abgelehnt, nichts berechnet:\n";
        for (const std::string& meldung : meldungen)
            fehler << "  " << SicherText(meldung) << "\n";
        return ExitAufruf;
    }

    // the set as given, before the run adds what it derives
    const TRegisterParameter eingestellt = k->Parameter;
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
    if (nurSpeichern) {
        if (!projektSpeichern()) return ExitLauffehler;
        aus << "Projekt gespeichert: " << SicherText(speichern) << "\n";
        return ExitErfolg;
    }

    int durchlaeufe = 0;
    std::vector<std::string> hinweise;
    try {
        SimulationAusfuehren(*k,
                             [&](int durchlauf, int monat) {
                                 if (monat == 12) durchlaeufe = durchlauf;
                             },
                             verzeichnis, &hinweise, {eingabeOrdner, wetter.get()});
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    } catch (const TParameterFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    for (const std::string& hinweis : hinweise)
        fehler << "kov-run: Hinweis: " << SicherText(hinweis) << "\n";
    if (!speichern.empty() && !projektSpeichern()) return ExitLauffehler;
    ErgebnisSchreiben(*k, durchlaeufe, json, aus);
    return ExitErfolg;
}

} // namespace kov
