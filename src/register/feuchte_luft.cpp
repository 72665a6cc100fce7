#include "register/feuchte_luft.h"

#include <algorithm>
#include <cmath>

namespace kov {

double Saettigungsdruck(double t) {
    return 611.2 * std::exp(17.62 * t / (243.12 + t));
}

double SaettigungsdruckAbleitung(double t) {
    const double n = 243.12 + t;
    return Saettigungsdruck(t) * 17.62 * 243.12 / (n * n);
}

double Feuchtegehalt(double pd, double druck) {
    return 0.622 * pd / (druck - pd);
}

double SaettigungsFeuchte(double t, double druck) {
    return Feuchtegehalt(Saettigungsdruck(t), druck);
}

double SaettigungsFeuchteAbleitung(double t, double druck) {
    const double ps = Saettigungsdruck(t);
    const double n = druck - ps;
    return 0.622 * druck / (n * n) * SaettigungsdruckAbleitung(t);
}

double DichteTrockeneLuft(double t, double pd, double druck) {
    // gas constant of dry air 287.05 J/kgK
    return (druck - pd) / (287.05 * (t + 273.15));
}

double LuftdruckInHoehe(double hoehe) {
    return NormLuftdruck * std::pow(1 - 2.25577e-5 * hoehe, 5.25588);
}

bool HatFeuchtedaten(const TWetterJahr& w) {
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        if (w.RelFeuchte[i] != 10.0 || w.TTaupunkt[i] != 0.0) return true;
    }
    return false;
}

double KondensatStunde(double tEin, double tAus, double tTaupunkt, double druckHpa,
                       double volumenstrom) {
    const double druck = druckHpa > 0 ? druckHpa * 100 : NormLuftdruck;
    const double pdEin = std::min(Saettigungsdruck(tTaupunkt), Saettigungsdruck(tEin));
    const double xEin = Feuchtegehalt(pdEin, druck);
    const double xAus = SaettigungsFeuchte(tAus, druck);
    if (!(xEin > xAus)) return 0;
    return DichteTrockeneLuft(tEin, pdEin, druck) * volumenstrom * (xEin - xAus);
}

} // namespace kov
