#pragma once
// Hourly operating decision of the register: ventilation schedule and bypass release limits.

#include "model/modell.h"

namespace kov {

// Start of the hour: with a schedule the register runs when R > 0, without one it runs.
void BetriebEntscheiden(const TRegisterParameter& p, TSimulationsLauf& lauf, double R);
// Release limits: inside Heizgrenze < t < Kuehlgrenze the register is bypassed. Only ever
// switches InBetrieb off, and only in controlled operation (Geregelt).
void GrenzenPruefen(const TRegisterParameter& p, TSimulationsLauf& lauf, double t);

} // namespace kov
