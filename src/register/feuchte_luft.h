#pragma once
// Moist air for the register model and the condensate of the design figures: saturation over
// plane water by the Magnus formula with the constants of the WMO guide (Sonntag 1990), the one
// the weather readers derive dew points with, so that a dew point read back gives the vapour
// pressure it came from: e_w(t) = 611.2 Pa * exp(17.62 t / (243.12 °C + t)); humidity ratio
// x = 0.622 e / (p - e); dry air density (p - e) / (R_L T), R_L = 287.05 J/kgK.

#include "model/wetter_jahr.h"

namespace kov {

// J/kg, water condensing at the walls of a register (about 12 °C)
inline constexpr double Verdampfungsenthalpie = 2.47e6;
// J/kgK, water vapour
inline constexpr double CpDampf = 1860.0;
// Pa at sea level
inline constexpr double NormLuftdruck = 101325.0;

// Saturation pressure over water, Pa (Magnus, -45..60 °C).
double Saettigungsdruck(double t);
// Its derivative, Pa/K.
double SaettigungsdruckAbleitung(double t);
// kg water per kg dry air at vapour pressure pd (Pa) and total pressure druck (Pa).
double Feuchtegehalt(double pd, double druck);
// The same at saturation at t °C, and its derivative, 1/K.
double SaettigungsFeuchte(double t, double druck);
double SaettigungsFeuchteAbleitung(double t, double druck);
// Dry air in the intake, kg per m3 of moist air at t °C, vapour pressure pd and pressure druck.
double DichteTrockeneLuft(double t, double pd, double druck);
// Pressure of the standard atmosphere at hoehe m above sea level, Pa.
double LuftdruckInHoehe(double hoehe);

// True when the year carries humidity: the built-in year and files without it carry the
// placeholders 10 % and 0 °C in every hour.
bool HatFeuchtedaten(const TWetterJahr& w);

// Water that condenses in one hour as air at tEin with dew point tTaupunkt is cooled to tAus in
// the pipes, kg: the inlet humidity ratio (capped at saturation at tEin) less the saturation
// humidity ratio at tAus, times the dry air flowing, volumenstrom m3/h measured at the inlet
// with the dry air's density there. druckHpa as the weather gives it, hPa; 0 or less: the
// standard atmosphere.
double KondensatStunde(double tEin, double tAus, double tTaupunkt, double druckHpa,
                       double volumenstrom);

} // namespace kov
