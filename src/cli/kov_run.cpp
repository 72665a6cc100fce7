#include "cli/kov_run.h"

#include "ablauf/lauf_pruefung.h"
#include "ablauf/simulation.h"
#include "cli/parameter_felder.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "model/version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace kov {

namespace {

constexpr const char* Aufruf = "Aufruf: kov-run [-C VERZEICHNIS] [--json] [NAME=WERT ...]\n";

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
        << "\nBerechnet ein Luft-Erdregister ueber das Auslegungsjahr mit den Standardwerten,\n"
           "geaendert durch die Zuweisungen NAME=WERT in ihrer Reihenfolge, und schreibt den\n"
           "Bericht (OutputFile) ins Arbeitsverzeichnis.\n\n"
           "  -C VERZEICHNIS  Dateien des Laufs in VERZEICHNIS statt im Arbeitsverzeichnis\n"
           "  --json          Ergebnis als JSON-Objekt statt als Text\n"
           "  --version       Programmversion\n"
           "  --help          diese Hilfe\n\n"
           "Zahlen mit Dezimalpunkt; Wahrheitswerte true/false oder 1/0; Monatsfelder als\n"
           "NAME[1..12]=WERT fuer einen Monat oder NAME=WERT fuer alle zwoelf.\n"
           "Exit-Status: 0 Erfolg, 1 Dateifehler im Lauf, 2 Aufruf- oder Parameterfehler.\n\n"
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

} // namespace

int KovRun(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    std::string verzeichnis;
    bool json = false;
    std::vector<std::string> zuweisungen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (argument == "--help" || argument == "-h") {
            HilfeSchreiben(aus);
            return ExitErfolg;
        } else if (argument == "--version") {
            aus << VersionText("kov-run") << "\n";
            return ExitErfolg;
        } else if (argument == "--json") {
            json = true;
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

    auto k = std::make_unique<TKontext>();
    StandardwerteSetzen(*k);
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

    const std::vector<std::string> meldungen = LaufPruefen(k->Parameter, verzeichnis);
    if (!meldungen.empty()) {
        fehler << "kov-run: Parametersatz abgelehnt, nichts berechnet:\n";
        for (const std::string& meldung : meldungen)
            fehler << "  " << SicherText(meldung) << "\n";
        return ExitAufruf;
    }

    int durchlaeufe = 0;
    std::vector<std::string> hinweise;
    try {
        SimulationAusfuehren(
            *k,
            [&](int durchlauf, int monat) {
                if (monat == 12) durchlaeufe = durchlauf;
            },
            verzeichnis, &hinweise);
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    } catch (const TParameterFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    for (const std::string& hinweis : hinweise)
        fehler << "kov-run: Hinweis: " << SicherText(hinweis) << "\n";
    ErgebnisSchreiben(*k, durchlaeufe, json, aus);
    return ExitErfolg;
}

} // namespace kov
