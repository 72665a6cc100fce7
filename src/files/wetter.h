#pragma once

#include "model/modell.h"

namespace kov {

// Scratch copy of the previous report that the weather read-back and the decimal-comma
// rewrite use; it stays in the working directory.
inline constexpr const char* HilfsDatei = "dummy.txt";

// Weather step of a run: fills Tein (and, from a previous report, RelVolumenstrom, RelFeuchte,
// TTaupunkt), the annual and monthly mean air temperatures, the monthly undisturbed ground
// temperatures at pipe depth and StartTemperatur.
void WetterLesen(TModell& m);

} // namespace kov
