#pragma once
// What the result views draw, read from a finished run: the daily range of the inlet and
// outlet temperature over the year with the ground temperature at the outer boundary, and the
// duration curves of both temperatures. The monthly energies, the fan electricity and the
// condensate are among the design figures (TKennwerte).

#include "model/modell.h"

#include <array>

namespace kov {

constexpr int TageImJahr = 365;
// index 1..365 = day of the design year, element 0 unused
using TTagesFeld = std::array<double, TageImJahr + 1>;

// Smallest, mean and largest value of the 24 hours of each day: day d holds hours
// 24 (d - 1) + 1 .. 24 d.
struct TTagesWerte {
    TTagesFeld Min{};
    TTagesFeld Mittel{};
    TTagesFeld Max{};
};
TTagesWerte TagesWerteBerechnen(const TStundenFeld& reihe);

struct TJahresVerlauf {
    TTagesWerte Eintritt; // °C, outdoor air = register inlet
    TTagesWerte Austritt; // °C, register outlet
    // °C, the monthly temperature the run held at the outer boundary of the ground: the
    // undisturbed ground at pipe depth, or the given one with SpezielleRandbedingung
    TMonatsFeld ErdTemperatur{};
};
// From the series, the working values and the parameter set of a run.
TJahresVerlauf JahresVerlaufBerechnen(const TModell& m);

// The hourly values sorted from warm to cold: element n (1..8760) is the temperature that n
// hours of the year reach or exceed. Element 0 is unused (0).
TStundenFeld DauerlinieBerechnen(const TStundenFeld& reihe);

struct TDauerlinien {
    TStundenFeld Eintritt{}; // °C
    TStundenFeld Austritt{}; // °C
    double Frostgrenze = 0;  // °C
};
TDauerlinien DauerlinienBerechnen(const TModell& m);

} // namespace kov
