#pragma once
// The design figures as the user reads them: German labels, values with a decimal point and
// units, in one order for kov-run's text, the GUI's table and what its "Kopieren" copies.

#include "register/kennwerte.h"

#include <string>
#include <vector>

namespace kov {

struct TKennwertZeile {
    std::string Bezeichnung;
    std::string Wert;
    std::string Einheit;   // UTF-8, "Pa", "°C"; "–" for plain numbers
    std::string Zeitpunkt; // "22. Januar, 07–08 Uhr (Stunde 512)" for extremes, else empty
};

// What the condensate rows say instead of a number when the weather has no humidity data.
inline constexpr const char* KeineFeuchteDaten = "Wetter ohne Feuchtedaten";

// The figures of one value each (the monthly ones are in KennwerteMonatsZeilen); with a
// ventilation unit (WRG) its figures follow.
std::vector<TKennwertZeile> KennwerteZeilen(const TKennwerte& kw, const TRegisterParameter& p);

struct TKennwertMonat {
    std::string Monat;                     // "Januar" .. "Dezember", "Jahr" for the sums
    std::string Heizenergie, Kuehlenergie; // kWh
    std::string Kondensat;                 // kg
};
// Twelve months and the year.
std::vector<TKennwertMonat> KennwerteMonatsZeilen(const TKennwerte& kw, const TJahresErgebnis& e);

// Hour 1..8760 of the design year as a date: "22. Januar, 07–08 Uhr (Stunde 512)".
std::string StundeAlsDatum(int stunde);
// Fixed point with the given decimals and a decimal point whatever the locale; no "-0.0".
std::string KennwertZahl(double wert, int dezimalen);

// Both tables as tab-separated lines ending in "\n", with a heading line each.
std::string KennwerteAlsText(const TKennwerte& kw, const TRegisterParameter& p,
                             const TJahresErgebnis& e);

} // namespace kov
