#include "register/feuchte_luft.h"

#include <algorithm>
#include <cmath>

namespace kov {

namespace {

constexpr double GaskonstanteLuft = 287.06; // J/kgK, dry air
constexpr double Nullpunkt = 273.15;        // K

} // namespace

double Saettigungsdruck(double t) {
    return 6.112 * std::exp(17.62 * t / (243.12 + t));
}

double Wassergehalt(double e, double p) {
    return 0.622 * e / (p - e);
}

double KondensatStunde(double tEin, double tAus, double tTaupunkt, double druck,
                       double volumenstrom) {
    const double p = druck > 0 ? druck : Normdruck;
    const double eEin = std::min(Saettigungsdruck(tTaupunkt), Saettigungsdruck(tEin));
    const double xEin = Wassergehalt(eEin, p);
    const double xAus = Wassergehalt(Saettigungsdruck(tAus), p);
    if (!(xEin > xAus)) return 0;
    // kg dry air per m3 of the moist inlet air; hPa * 100 = Pa
    const double dichte = (p - eEin) * 100 / (GaskonstanteLuft * (tEin + Nullpunkt));
    return dichte * volumenstrom * (xEin - xAus);
}

} // namespace kov
