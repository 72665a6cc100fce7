#pragma once
// Moist air for the register model: saturation over water, humidity ratio, the density of the
// intake air and the pressure at a site's height.

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

} // namespace kov
