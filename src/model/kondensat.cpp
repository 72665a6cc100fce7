#include "model/kondensat.h"

#include "model/kalender.h"

namespace kov {

namespace {

// Water content of saturated air at T °C, kg/kg: saturation pressure 288.68 Pa *
// (1.098 + T/100)^8.02 over a total pressure of 100000 Pa.
double Saettigung(double t) {
    return Hoch(t / 100 + 1.098, 8.02) * 0.0028868;
}

} // namespace

double Kondensat(const TStundenReihen& r, const TRegisterParameter& p, int h) {
    const auto i = static_cast<std::size_t>(h);
    if (r.KondensatGerechnet) return r.KondensatLauf[i];
    if (!(r.Taus[i] < r.TTaupunkt[i] && r.Betrieb[i] > 0)) return 0;
    const double x1 = Saettigung(r.TTaupunkt[i]);
    const double x2 = Saettigung(r.Taus[i]);
    // drop of the water content, kg water per kg dry air
    const double dx = (x1 / (1 - x1) - x2 / (1 - x2)) * 0.622;
    // kg/h with an air density of 1.2 kg/m3
    return r.Betrieb[i] * r.RelVolumenstrom[i] * dx * 1.2 * p.Volumenstrom;
}

} // namespace kov
