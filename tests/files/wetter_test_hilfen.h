#pragma once
// The real weather files of tests/daten/wetter, their raw lines and columns (split here, not by
// the readers), and variants of them written into the scratch folder.

#include "datei_fehler_hilfen.h"
#include "files/wetter_datei.h"
#include "test_hilfen.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kov::test {

inline constexpr const char* Pvgis = "tmy_45.000_8.000_2005_2023.epw";
inline constexpr const char* Chicago = "USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw";
inline constexpr const char* Try2015 = "TRY2015_494414066370_Jahr.dat";
inline constexpr const char* Try2011 = "TRY2010_05_Jahr.dat";

// header lines in front of the first data row
inline constexpr int EpwKopf = 8;
inline constexpr int Try2015Kopf = 34;
inline constexpr int Try2011Kopf = 38;

inline std::string WetterDatei(const std::string& name) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + name;
}

// the lines of a file split at LF, without the LF
inline std::vector<std::string> RohZeilen(const std::string& pfad) {
    std::vector<std::string> zeilen;
    const std::string inhalt = DateiInhalt(pfad);
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find('\n', anfang);
        if (ende == std::string::npos) ende = inhalt.size();
        zeilen.push_back(inhalt.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return zeilen;
}

inline std::string ZeilenText(const std::vector<std::string>& zeilen,
                              const std::string& ende = "\n") {
    std::string text;
    for (const std::string& zeile : zeilen)
        text += zeile + ende;
    return text;
}

inline std::vector<std::string> Teilen(const std::string& zeile, char trenner) {
    std::vector<std::string> felder;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = zeile.find(trenner, anfang);
        felder.push_back(zeile.substr(anfang, ende == std::string::npos ? ende : ende - anfang));
        if (ende == std::string::npos) return felder;
        anfang = ende + 1;
    }
}

inline std::vector<std::string> Worte(const std::string& zeile) {
    std::vector<std::string> worte;
    std::istringstream ein(zeile);
    std::string wort;
    while (ein >> wort)
        worte.push_back(wort);
    return worte;
}

inline std::string Verbinden(const std::vector<std::string>& felder, const std::string& trenner) {
    std::string text;
    for (std::size_t i = 0; i < felder.size(); ++i)
        text += (i > 0 ? trenner : "") + felder[i];
    return text;
}

// field nummer (1-based) of a comma-separated row replaced by text
inline std::string EpwFeldSetzen(const std::string& zeile, int nummer, const std::string& text) {
    std::vector<std::string> felder = Teilen(zeile, ',');
    felder[static_cast<std::size_t>(nummer - 1)] = text;
    return Verbinden(felder, ",");
}

// column nummer (1-based) of a blank-separated row replaced, the others kept in place
inline std::string WortSetzen(const std::string& zeile, int nummer, const std::string& text) {
    std::string neu = zeile;
    std::size_t p = 0;
    for (int spalte = 1;; ++spalte) {
        p = neu.find_first_not_of(' ', p);
        const std::size_t ende = std::min(neu.find(' ', p), neu.size());
        if (spalte == nummer) return neu.replace(p, ende - p, text);
        p = ende;
    }
}

// column nummer (1-based) of the raw rows from the first data line on, as numbers
inline std::vector<double> Spalte(const std::vector<std::string>& zeilen, int kopf, int nummer,
                                  char trenner) {
    std::vector<double> werte;
    for (std::size_t i = static_cast<std::size_t>(kopf); i < zeilen.size(); ++i) {
        const std::vector<std::string> felder =
            trenner == ' ' ? Worte(zeilen[i]) : Teilen(zeilen[i], trenner);
        werte.push_back(std::stod(felder[static_cast<std::size_t>(nummer - 1)]));
    }
    return werte;
}

struct TGelesen {
    std::unique_ptr<TWetterJahr> Jahr = std::make_unique<TWetterJahr>();
    TWetterInfo Info;
};

inline TGelesen WetterGelesen(const std::string& pfad) {
    TGelesen g;
    WetterDateiLesen(pfad, *g.Jahr, g.Info);
    return g;
}

// the what() of the TDateiFehler reading the file ends with, "" when it is read
inline std::string WetterFehlerText(const std::string& pfad) {
    return FehlerMeldung([&pfad] { WetterGelesen(pfad); });
}

} // namespace kov::test
