#pragma once
// Check of a whole parameter set before a run: nothing is computed or written with a set that
// does not pass.

#include "model/modell.h"
#include "model/wetter_jahr.h"

#include <string>
#include <vector>

namespace kov {

// One German sentence per offending field, naming the field and its admissible range, e.g.
// "Rohrdurchmesser (DRohr) muss größer als 0 m sein."; empty when the set can be run. When
// every single value is admissible, the ground model is built on a copy and its first hour
// simulated with the weather given (a constant 10 °C year without one); a part that comes out
// not finite is named with the fields it depends on.
std::vector<std::string> ParameterPruefen(const TRegisterParameter& p,
                                          const TWetterJahr* wetter = nullptr);

} // namespace kov
