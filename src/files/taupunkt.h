#pragma once
// Dew point of moist air from the quantities weather files give: relative humidity, or the
// mixing ratio with the air pressure. Saturation over plane water by the Magnus formula with
// the constants of the WMO guide to instruments (CIMO guide, annex 4.B, after Sonntag 1990):
//   e_w(t) = 6.112 hPa * exp(17.62 t / (243.12 °C + t)),  fit for -45 .. 60 °C.
// The enhancement factor of moist air (about 1.0045 near 1000 hPa) is left out: it would lower
// the dew point from a mixing ratio by less than 0.1 K.

namespace kov {

inline constexpr double MagnusDruck = 6.112;   // hPa
inline constexpr double MagnusFaktor = 17.62;  // 1
inline constexpr double MagnusGrenze = 243.12; // °C
// ratio of the molar masses of water vapour and dry air, 18.015 / 28.965
inline constexpr double MolmassenVerhaeltnis = 0.622;

// saturation vapour pressure over water at t °C, hPa
double SaettigungsDampfdruck(double t);
// dew point of the vapour pressure e > 0 hPa: the Magnus formula solved for t, °C
double TaupunktAusDampfdruck(double e);
// t °C, relative humidity rf > 0 in %
double TaupunktAusFeuchte(double t, double rf);
// mixing ratio x > 0 in g water per kg dry air, air pressure p in hPa:
// e = p x / (1000 g/kg * 0.622 + x)
double TaupunktAusMischungsverhaeltnis(double x, double p);

} // namespace kov
