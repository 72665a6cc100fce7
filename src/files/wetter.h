#pragma once
// The weather sources of the classic run: the built-in design year and the hourly part of a
// previous report, and the classic weather step that puts either into the series.

#include "model/modell.h"
#include "model/wetter_jahr.h"

#include <string>

namespace kov {

// The built-in design year: the table's temperatures (element 0 repeats hour 1), relative
// humidity 10.0 and dew point 0.0 in every hour.
const TWetterJahr& EingebautesWetterJahr();

// Defaults of every parameter, the built-in year in Tein, 10.0 in RelFeuchte[0..8760] and the
// velocity of the defaults in the working values.
void StandardwerteSetzen(TModell& m);

// Hours 1..8760 of a previous report: Tein, Taus (dropped), RelVolumenstrom, RelFeuchte and
// TTaupunkt of each row after the 100 header lines. Elements 0 are left as they are; after a
// fault the series keep what was read up to it.
void BerichtWetterLesen(const std::string& datei, TStundenFeld& tein, TStundenFeld& relVolumenstrom,
                        TStundenFeld& relFeuchte, TStundenFeld& tTaupunkt);
// The same from text in memory; datei is what faults name.
void BerichtWetterTextLesen(const std::string& datei, std::string inhalt, TStundenFeld& tein,
                            TStundenFeld& relVolumenstrom, TStundenFeld& relFeuchte,
                            TStundenFeld& tTaupunkt);

// Weather step of a run: fills Tein (and, from the previous report copied to dummy.txt,
// RelVolumenstrom, RelFeuchte, TTaupunkt), the annual and monthly mean air temperatures, the
// monthly undisturbed ground temperatures at pipe depth and StartTemperatur.
void WetterLesen(TModell& m, const std::string& hilfsDatei = HilfsDatei);

} // namespace kov
