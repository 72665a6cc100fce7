#include "cli/parameter_felder.h"

#include "files/zahl_leser.h"
#include "model/klima_regionen.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <type_traits>

namespace kov {

namespace {

using P = TRegisterParameter;

double ZahlAus(std::string_view name, std::string_view text) {
    double wert = 0.0;
    const TZahlErgebnis ergebnis = text.empty()
                                       ? TZahlErgebnis::KeineZahl
                                       : ZahlPruefen(text.data(), text.data() + text.size(), wert);
    if (ergebnis == TZahlErgebnis::AusserhalbBereich)
        throw TAufrufFehler(SicherText(name) + ": " + SicherText(text) +
                            " liegt ausserhalb des Zahlenbereichs.");
    if (ergebnis != TZahlErgebnis::Zahl)
        throw TAufrufFehler(SicherText(name) + ": " + Zitat(text) +
                            " ist keine Zahl (Dezimalpunkt verwenden, z. B. 0.25).");
    return wert;
}

std::int32_t GanzzahlAus(std::string_view name, std::string_view text) {
    std::int32_t wert = 0;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (anfang != ende && *anfang == '+') ++anfang;
    auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (anfang != ende && rest == ende && fehler == std::errc::result_out_of_range)
        throw TAufrufFehler(SicherText(name) + ": " + SicherText(text) +
                            " liegt ausserhalb des Zahlenbereichs ganzer Zahlen.");
    if (anfang == ende || rest != ende || fehler != std::errc())
        throw TAufrufFehler(SicherText(name) + ": " + Zitat(text) + " ist keine ganze Zahl.");
    return wert;
}

bool WahrheitswertAus(std::string_view name, std::string_view text) {
    std::string klein(text);
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (klein == "true" || klein == "1") return true;
    if (klein == "false" || klein == "0") return false;
    throw TAufrufFehler(SicherText(name) + ": " + Zitat(text) +
                        " ist kein Wahrheitswert (true/false oder 1/0).");
}

// the shortest text that reads back to the same double ("%g" would cut 12000.25 to 12000.2)
std::string ZahlText(double wert) {
    char puffer[32];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

} // namespace

std::string SicherText(std::string_view text) {
    std::string sicher;
    sicher.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            char ersatz[8];
            std::snprintf(ersatz, sizeof ersatz, "\\x%02X", b);
            sicher.append(ersatz);
        } else {
            sicher.push_back(c);
        }
    }
    return sicher;
}

std::string Zitat(std::string_view text) {
    std::string zitat = "\"";
    zitat.append(SicherText(text));
    zitat.push_back('"');
    return zitat;
}

std::string Ausgerichtet(std::string_view text, std::size_t breite, bool rechts) {
    std::size_t zeichen = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++zeichen;
    const std::string fuellung(zeichen < breite ? breite - zeichen : 0, ' ');
    return rechts ? fuellung + std::string(text) : std::string(text) + fuellung;
}

const std::vector<TParameterFeld>& ParameterFelder() {
    static const std::vector<TParameterFeld> felder = [] {
        std::vector<TParameterFeld> einstellbar;
        for (const TKatalogEintrag& eintrag : ParameterKatalog())
            if (!eintrag.Abgeleitet) einstellbar.push_back(eintrag);
        return einstellbar;
    }();
    return felder;
}

void ParameterZuweisen(TRegisterParameter& p, std::string_view zuweisung) {
    const std::size_t gleich = zuweisung.find('=');
    if (gleich == std::string_view::npos || gleich == 0)
        throw TAufrufFehler(Zitat(zuweisung) + " hat nicht die Form NAME=WERT.");
    std::string_view name = zuweisung.substr(0, gleich);
    const std::string_view wert = zuweisung.substr(gleich + 1);

    int monat = 0; // 0: every month of a month field
    const std::size_t klammer = name.find('[');
    if (klammer != std::string_view::npos) {
        const std::string_view index = name.substr(klammer + 1);
        if (index.size() < 2 || index.back() != ']')
            throw TAufrufFehler(Zitat(name) + ": Monatsindex in der Form NAME[1..12] angeben.");
        monat = GanzzahlAus(name, index.substr(0, index.size() - 1));
        if (monat < 1 || monat > 12)
            throw TAufrufFehler(Zitat(name) + ": der Monat muss zwischen 1 und 12 liegen.");
        name = name.substr(0, klammer);
    }

    const TKatalogEintrag* feld = KatalogEintrag(name);
    if (feld == nullptr)
        throw TAufrufFehler("Unbekannter Parameter " + Zitat(name) + " (Liste: kov-run --help).");
    if (feld->Abgeleitet)
        throw TAufrufFehler(SicherText(name) +
                            " wird vom Programm berechnet und kann nicht gesetzt werden.");
    const bool istMonatsFeld = std::holds_alternative<TMonatsFeld P::*>(feld->Feld);
    if (monat != 0 && !istMonatsFeld)
        throw TAufrufFehler(SicherText(name) + " ist kein Monatsfeld und hat keinen Index.");

    std::visit(
        [&](auto glied) {
            // a run's working value is never set nor listed (refused above)
            if constexpr (std::is_same_v<decltype(glied), double TArbeitswerte::*>)
                return;
            else {
                using T = std::remove_cvref_t<decltype(p.*glied)>;
                if constexpr (std::is_same_v<T, double>) {
                    p.*glied = ZahlAus(name, wert);
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    p.*glied = GanzzahlAus(name, wert);
                } else if constexpr (std::is_same_v<T, bool>) {
                    p.*glied = WahrheitswertAus(name, wert);
                } else if constexpr (std::is_same_v<T, std::string>) {
                    p.*glied = std::string(wert);
                } else {
                    const double zahl = ZahlAus(name, wert);
                    for (int m = 1; m <= 12; ++m)
                        if (monat == 0 || monat == m) (p.*glied)[m] = zahl;
                }
            }
        },
        feld->Feld);
    // a built-in climate is kept by its name ("5" -> "TRY2015-05-Jahr"); a text that names none
    // stays as given for the parameter check to refuse
    TKlimaWahl klima;
    if (feld->Name == "Klima" && KlimaWahlLesen(p.Klima, klima)) p.Klima = KlimaName(klima);
}

std::string FeldWertText(const TRegisterParameter& p, const TParameterFeld& feld) {
    return std::visit(
        [&](auto glied) -> std::string {
            if constexpr (std::is_same_v<decltype(glied), double TArbeitswerte::*>)
                return {};
            else {
                using T = std::remove_cvref_t<decltype(p.*glied)>;
                if constexpr (std::is_same_v<T, double>) {
                    return ZahlText(p.*glied);
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    return std::to_string(p.*glied);
                } else if constexpr (std::is_same_v<T, bool>) {
                    return p.*glied ? "true" : "false";
                } else if constexpr (std::is_same_v<T, std::string>) {
                    return Zitat(p.*glied);
                } else {
                    const auto& monate = p.*glied;
                    const bool gleich = std::all_of(monate.begin() + 2, monate.end(),
                                                    [&](double v) { return v == monate[1]; });
                    if (gleich) return ZahlText(monate[1]) + " (alle Monate)";
                    std::string text;
                    for (int m = 1; m <= 12; ++m) {
                        if (m > 1) text.push_back(' ');
                        text.append(ZahlText(monate[m]));
                    }
                    return text;
                }
            }
        },
        feld.Feld);
}

} // namespace kov
