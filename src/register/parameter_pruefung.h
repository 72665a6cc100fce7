#pragma once
// Check of a whole parameter set before a run.

#include "model/modell.h"

#include <string>
#include <vector>

namespace kov {

// One German sentence per offending field, naming the field and its admissible range, e.g.
// "Rohrdurchmesser (DRohr) muss größer als 0 m sein."; empty when the set can be run.
std::vector<std::string> ParameterPruefen(const TRegisterParameter& p);

} // namespace kov
