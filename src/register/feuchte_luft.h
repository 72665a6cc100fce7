#pragma once
// Moist air for the condensate of the design figures: saturation over plane water by the Magnus
// formula with the constants of the WMO guide (Sonntag 1990), the one the weather readers derive
// dew points with, so that a dew point read back gives the vapour pressure it came from:
//   e_w(t) = 6.112 hPa * exp(17.62 t / (243.12 °C + t))
// Humidity ratio x = 0.622 e / (p - e); dry air density (p - e) / (R_L T), R_L = 287.06 J/kgK.

namespace kov {

// hPa, when the weather gives no air pressure
inline constexpr double Normdruck = 1013.25;

// saturation vapour pressure over water at t °C, hPa
double Saettigungsdruck(double t);
// kg water per kg dry air at vapour pressure e and total pressure p, both hPa
double Wassergehalt(double e, double p);

// Water that condenses in one hour as air at tEin with dew point tTaupunkt is cooled to tAus in
// the pipes, kg: the inlet humidity ratio (capped at saturation at tEin) less the saturation
// humidity ratio at tAus, times the dry air flowing, volumenstrom m3/h measured at the inlet
// with the dry air's density there. druck in hPa; 0 or less means Normdruck.
double KondensatStunde(double tEin, double tAus, double tTaupunkt, double druck,
                       double volumenstrom);

} // namespace kov
