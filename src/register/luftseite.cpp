#include "register/luftseite.h"

#include "ground/gitter_grenzen.h"
#include "model/kalender.h"

#include <cmath>

namespace kov {

TLuftKonstanten LuftKonstantenBerechnen(double nu, double rho, double cp, double lambda) {
    TLuftKonstanten c;
    c.Pr = nu * rho * cp / lambda;
    c.PrHoch13 = Hoch(c.Pr, 1.0 / 3);
    c.PrHoch23 = Hoch(c.Pr, 2.0 / 3);
    c.K2 = 11.7 + 1.8 / c.PrHoch13;
    // 0.031437 and 1.106886 are xi and K1 at Re = 10000
    c.Nu10000 = (0.031437 / 8) * 10000 * c.Pr /
                (1.106886 + c.K2 * std::sqrt(0.031437 / 8) * (c.PrHoch23 - 1));
    return c;
}

double Waermeuebergang(const TLuftKonstanten& c, double w, double d, double nu, double lambda,
                       double R) {
    // the velocity scales with the relative flow of the hour
    const double Re = R * w * d / nu;

    double Nu = 0.0;
    if (Re <= 2300) {
        Nu = 4.36;
    } else if (Re >= 10000) {
        // Petukhov, with the friction factor of smooth pipes
        const double nenner = 1.82 * std::log10(Re) - 1.64;
        const double xi = 1 / (nenner * nenner);
        const double K1 = 1 + 27.2 * xi / 8;
        Nu = (xi / 8) * Re * c.Pr / (K1 + c.K2 * std::sqrt(xi / 8) * (c.PrHoch23 - 1));
    } else {
        // geometric interpolation between the laminar value at 2300 and the turbulent value at
        // 10000; the divisor is ln(10000 / 2300)
        Nu = 4.36 * Hoch(c.Nu10000 / 4.36, std::log(Re / 2300) / std::log(4.3478260869565215));
    }
    return Nu * lambda / d;
}

double Waermeuebergang(double w, double d, double nu, double rho, double cp, double lambda,
                       double R) {
    return Waermeuebergang(LuftKonstantenBerechnen(nu, rho, cp, lambda), w, d, nu, lambda, R);
}

double AnteilLuft(double W, double Keff, double R) {
    return R * W / (R * W + Keff);
}

double AnteilBoden(double W, double Keff, double R) {
    return Keff / (R * W + Keff);
}

TLuftStunde LuftStundeBerechnen(double K, double Kw, double W, double R) {
    TLuftStunde s;
    s.K = K;
    s.Kw = Kw;
    s.KplusKw = K + Kw;
    // air-side convection in series with the inner half of the pipe wall
    s.Keff = K * Kw / (K + Kw);
    s.a = AnteilLuft(W, s.Keff, R);
    s.b = AnteilBoden(W, s.Keff, R);
    return s;
}

namespace {

// The air pass; the inner surface is written in the grids of the sectors given.
double Durchlauf(const TRegisterParameter& p, TErdZustand& e, const TLuftStunde& s, double tEin,
                 unsigned sektoren) {
    const int n = p.AnzahlGitter;
    const double wE = p.AnteilErde;
    const double wA = p.AnteilAdiabat;
    const double wK = p.AnteilKeller;
    double T = tEin;
    for (int i = 1; i <= n; ++i) {
        const double Tg =
            wE * e.GitterErde[i][1] + wA * e.GitterAdiabat[i][1] + wK * e.GitterKeller[i][1];
        // implicit cell balance R*W*(T(i-1) - Ti) = Keff*(Ti - Tg), taken at the cell outlet
        const double Ti = s.a * T + s.b * Tg;
        // inner surface between the conductances K (air) and Kw (wall)
        if (sektoren & SektorErde)
            e.GitterErde[i][0] = (e.GitterErde[i][1] * s.Kw + Ti * s.K) / s.KplusKw;
        if (sektoren & SektorAdiabat)
            e.GitterAdiabat[i][0] = (e.GitterAdiabat[i][1] * s.Kw + Ti * s.K) / s.KplusKw;
        if (sektoren & SektorKeller)
            e.GitterKeller[i][0] = (e.GitterKeller[i][1] * s.Kw + Ti * s.K) / s.KplusKw;
        T = Ti;
    }
    return T;
}

} // namespace

double LuftDurchlaufSchritt(const TRegisterParameter& p, TErdZustand& e, const TLuftStunde& s,
                            double tEin) {
    return Durchlauf(p, e, s, tEin, e.Sektoren);
}

double LuftDurchlauf(const TRegisterParameter& p, TErdZustand& e, double K, double R, double tEin) {
    GitterzahlPruefen(p.AnzahlGitter);
    return Durchlauf(p, e, LuftStundeBerechnen(K, e.LeitwertWand, e.KapazitaetsstromLuft, R), tEin,
                     AlleSektoren);
}

} // namespace kov
