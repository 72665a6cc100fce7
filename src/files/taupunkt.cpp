#include "files/taupunkt.h"

#include <cmath>

namespace kov {

double SaettigungsDampfdruck(double t) {
    return MagnusDruck * std::exp(MagnusFaktor * t / (MagnusGrenze + t));
}

double TaupunktAusDampfdruck(double e) {
    const double g = std::log(e / MagnusDruck);
    return MagnusGrenze * g / (MagnusFaktor - g);
}

double TaupunktAusFeuchte(double t, double rf) {
    return TaupunktAusDampfdruck(rf / 100.0 * SaettigungsDampfdruck(t));
}

double TaupunktAusMischungsverhaeltnis(double x, double p) {
    return TaupunktAusDampfdruck(p * x / (1000.0 * MolmassenVerhaeltnis + x));
}

} // namespace kov
