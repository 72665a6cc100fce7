#pragma once
// One year of outdoor air, the weather input of a run: the built-in design year, a site's
// weather file or the hourly part of an earlier report.

#include "model/modell.h"

namespace kov {

// Index h = hour 1..8760 of a year without leap day, element 0 = the value before hour 1.
struct TWetterJahr {
    TStundenFeld Tein{};       // °C
    TStundenFeld RelFeuchte{}; // % from weather files; the built-in year carries 10.0
    TStundenFeld TTaupunkt{};  // °C
    TStundenFeld Luftdruck{};  // hPa, 0 where the file gives none
    bool HatFeuchte = false;   // false: RelFeuchte and TTaupunkt are placeholders
    int ErsterWochentag = 0;   // weekday of 1 January, 0 = Monday
};

// The weather columns of a run: Tein with its element 0, humidity and dew point of hours
// 1..8760 (their element 0 is left as it is), the air pressure and whether the humidity is real.
void WetterUebernehmen(const TWetterJahr& w, TStundenReihen& r);

} // namespace kov
