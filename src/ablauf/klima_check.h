#pragma once
// The climate check: one design over the six built-in years of its region (mean year, extreme
// winter, extreme summer; 1995-2012 and 2031-2060) side by side, so that a design chosen on
// the mean year is seen against the extreme winter and the climate of its lifetime.

#include "model/klima_regionen.h"
#include "register/kennwerte.h"

#include <atomic>
#include <string>
#include <vector>

namespace kov {

struct TKlimaCheckJahr {
    TKlimaWahl Wahl;
    TJahresErgebnis Ergebnis;
    TKennwerte Kennwerte;
};

// The six years in the order of the table: 2015 Jahr, Wint, Somm, then 2045 the same.
std::vector<TKlimaWahl> KlimaCheckJahre(int region);

// Runs p on each of the region's six years, each on a context of its own, on up to faeden
// threads (0: all cores); the results do not depend on the number of threads. p's own weather
// (Klima, WetterDatei) is replaced by each year in turn; fahrplan is the schedule when
// p.FahrplanGelesen. Throws TParameterFehler with the messages of the parameter check (one per
// line, the year named) or for results that are not finite, TDateiFehler for a damaged archive.
// abbruch, looked at before every hour, ends the check early with an empty result.
std::vector<TKlimaCheckJahr> KlimaCheckRechnen(const TRegisterParameter& p, int region,
                                               const TStundenFeld* fahrplan, unsigned faeden = 0,
                                               const std::atomic<bool>* abbruch = nullptr);

// One figure of the design in each year of the check, for a table with the years as columns.
struct TKlimaCheckZeile {
    std::string Name;    // German, "Tiefste Austrittstemperatur"
    std::string Einheit; // "°C", "h", "kWh"
    int Dezimalen = 0;   // for the display; Werte are not rounded
    std::vector<double> Werte;
};

// The column heads in the order of jahre: kind and period, "extremer Winter 2031–2060".
std::vector<std::string> KlimaCheckSpalten(const std::vector<TKlimaCheckJahr>& jahre);

// The rows the evaluation window and the design report show: lowest outdoor and outlet
// temperature, frost hours outside and after the register, useful heating and cooling energy.
std::vector<TKlimaCheckZeile> KlimaCheckZeilen(const std::vector<TKlimaCheckJahr>& jahre);

} // namespace kov
