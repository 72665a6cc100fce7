#include "register/luftseite.h"

#include "ground/gitter_grenzen.h"
#include "model/kalender.h"

#include <cmath>

namespace kov {

double Waermeuebergang(double w, double d, double nu, double rho, double cp, double lambda,
                       double R) {
    // the velocity scales with the relative flow of the hour
    const double Re = R * w * d / nu;
    const double Pr = nu * rho * cp / lambda;
    const double PrHoch13 = Hoch(Pr, 1.0 / 3);
    const double PrHoch23 = Hoch(Pr, 2.0 / 3);

    double Nu = 0.0;
    if (Re <= 2300) {
        Nu = 4.36;
    } else if (Re >= 10000) {
        // Petukhov, with the friction factor of smooth pipes
        const double nenner = 1.82 * std::log10(Re) - 1.64;
        const double xi = 1 / (nenner * nenner);
        const double K1 = 1 + 27.2 * xi / 8;
        const double K2 = 11.7 + 1.8 / PrHoch13;
        Nu = (xi / 8) * Re * Pr / (K1 + K2 * std::sqrt(xi / 8) * (PrHoch23 - 1));
    } else {
        // geometric interpolation between the laminar value at 2300 and the turbulent value at
        // 10000; 0.031437 and 1.106886 are xi and K1 at Re = 10000
        const double K2 = 11.7 + 1.8 / PrHoch13;
        const double Nu10000 = (0.031437 / 8) * 10000 * Pr /
                               (1.106886 + K2 * std::sqrt(0.031437 / 8) * (PrHoch23 - 1));
        Nu = 4.36 * Hoch(Nu10000 / 4.36, std::log(Re / 2300) / std::log(4.3478260869565215));
    }
    return Nu * lambda / d;
}

double AnteilLuft(double W, double Keff, double R) {
    return R * W / (R * W + Keff);
}

double AnteilBoden(double W, double Keff, double R) {
    return Keff / (R * W + Keff);
}

double LuftDurchlauf(const TRegisterParameter& p, TErdZustand& e, double K, double R, double tEin) {
    const int n = p.AnzahlGitter;
    GitterzahlPruefen(n);
    const double W = e.KapazitaetsstromLuft;
    const double Kw = e.LeitwertWand;
    // air-side convection in series with the inner half of the pipe wall
    const double Keff = K * Kw / (K + Kw);
    const double a = AnteilLuft(W, Keff, R);
    const double b = AnteilBoden(W, Keff, R);

    double T = tEin;
    for (int i = 1; i <= n; ++i) {
        const double Tg = p.AnteilErde * e.GitterErde[i][1] +
                          p.AnteilAdiabat * e.GitterAdiabat[i][1] +
                          p.AnteilKeller * e.GitterKeller[i][1];
        // implicit cell balance R*W*(T(i-1) - Ti) = Keff*(Ti - Tg), taken at the cell outlet
        const double Ti = a * T + b * Tg;
        // inner surface between the conductances K (air) and Kw (wall)
        e.GitterErde[i][0] = (e.GitterErde[i][1] * Kw + Ti * K) / (K + Kw);
        e.GitterAdiabat[i][0] = (e.GitterAdiabat[i][1] * Kw + Ti * K) / (K + Kw);
        e.GitterKeller[i][0] = (e.GitterKeller[i][1] * Kw + Ti * K) / (K + Kw);
        T = Ti;
    }
    return T;
}

} // namespace kov
