#pragma once
// Water that condenses in the pipes when the air leaves them below its dew point: the
// report's column 8 and the design figures read the same function.

#include "model/modell.h"

namespace kov {

// Condensate of hour h (1..8760) in kg/h, from the outlet and dew-point temperature, the
// operating state and the relative flow of the series and the nominal flow of p; the run's own
// balance instead when the series carry one (KondensatGerechnet).
double Kondensat(const TStundenReihen& r, const TRegisterParameter& p, int h);

} // namespace kov
