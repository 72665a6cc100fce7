#pragma once
// Annual and monthly mean air temperatures of the weather in the series, and from them the
// undisturbed ground temperature at pipe depth of each month and the ground's start value.

#include "model/modell.h"

namespace kov {

// Tein[1..8760] -> JahresMittelTemperatur, MittelTemperaturMonat, ErdTemperaturMonat,
// StartTemperatur. The yearly wave of the monthly means (with the sun's warming) is damped and
// delayed with depth by the soil's diffusivity around the plain annual mean of the air.
void ErdTemperaturenBerechnen(const TRegisterParameter& p, const TStundenFeld& tein,
                              TArbeitswerte& w);

} // namespace kov
