#pragma once
// kov-run --klima-liste and --klimacheck: the built-in climates with their figures, and the
// current design computed over the six years of its region.

#include "model/modell.h"

#include <ostream>
#include <string>

namespace kov {

// The 90 built-in years, one line each (or a JSON array): name, region, station, kind, period,
// annual mean, lowest and highest hour, hours below 0 °C. Returns the exit status.
int KlimaListeZeigen(bool json, std::ostream& aus, std::ostream& fehler);

// The design p over the six years of the region of p.Klima side by side; eingabeOrdner is where
// a schedule is found. Returns the exit status; refuses a set without a built-in climate.
int KlimaCheckZeigen(const TRegisterParameter& p, const std::string& eingabeOrdner, bool json,
                     unsigned faeden, std::ostream& aus, std::ostream& fehler);

} // namespace kov
