#pragma once
// Hourly operating decision of the register: ventilation schedule and bypass release limits.

#include "ground/erd_zustand.h"
#include "model/modell.h"

namespace kov {

// Start of the hour: with a schedule the register runs when R > 0, without one it runs.
void BetriebEntscheiden(const TRegisterParameter& p, TSimulationsLauf& lauf, double R);
// Release limits: inside Heizgrenze < t < Kuehlgrenze the register is bypassed. Only ever
// switches InBetrieb off, and only in controlled operation (Geregelt).
void GrenzenPruefen(const TRegisterParameter& p, TSimulationsLauf& lauf, double t);

// Regelung=bedarf instead of the limits.
bool BedarfsRegelung(const TRegisterParameter& p);
// Mean temperature of the pipe wall the air meets, °C: the wall cells (radial node 1) of every
// axial cell, each sector weighted by its share of the circumference.
double RohrwandTemperatur(const TRegisterParameter& p, const TErdZustand& erde);
// Control that follows the need: the register runs only when it moves the intake t toward what
// the building wants, that is when the pipe wall is warmer than t in the heating period or
// cooler than t when cooling is wanted; otherwise it is bypassed. Only ever switches InBetrieb
// off, like the limits.
void BedarfPruefen(const TRegisterParameter& p, const TErdZustand& erde, TSimulationsLauf& lauf,
                   double t);

} // namespace kov
