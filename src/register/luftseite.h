#pragma once
// Air side of the register pipe: heat transfer coefficient of the hour and the air pass of a
// sub-step through the axial cells.

#include "ground/erd_zustand.h"
#include "model/modell.h"

namespace kov {

// Heat transfer coefficient air to inner pipe surface, W/m2K, from velocity w (m/s), diameter
// d (m), viscosity nu (m2/s), density rho, specific heat cp, conductivity lambda of the air and
// the relative flow R (laminar, transition or turbulent).
double Waermeuebergang(double w, double d, double nu, double rho, double cp, double lambda,
                       double R);

// The Prandtl-number terms of the heat transfer: fixed by the air's material data for a run.
struct TLuftKonstanten {
    double Pr = 0.0;
    double PrHoch13 = 0.0;
    double PrHoch23 = 0.0;
    double K2 = 0.0;      // Petukhov's 11.7 + 1.8 / Pr^(1/3)
    double Nu10000 = 0.0; // turbulent Nusselt number at Re = 10000, end of the transition
};
TLuftKonstanten LuftKonstantenBerechnen(double nu, double rho, double cp, double lambda);
// The same coefficient as above with the run's constants, for the hour loop.
double Waermeuebergang(const TLuftKonstanten& c, double w, double d, double nu, double lambda,
                       double R);

// Weights of the implicit cell balance: the inlet share a and the ground share b = 1 - a.
double AnteilLuft(double W, double Keff, double R);
double AnteilBoden(double W, double Keff, double R);

// Carries air of temperature tEin through the n cells with the convective cell conductance K
// (W/K) and relative flow R; writes node 0 of rows 1..n of all three grids and returns the
// outlet temperature.
double LuftDurchlauf(const TRegisterParameter& p, TErdZustand& e, double K, double R, double tEin);

// What the air pass needs of one running hour: the convective conductance K, the wall
// conductance Kw, their series value Keff and the cell weights a (inlet) and b (ground).
struct TLuftStunde {
    double K = 0.0;
    double Kw = 0.0;
    double KplusKw = 0.0;
    double Keff = 0.0;
    double a = 0.0;
    double b = 0.0;
};
TLuftStunde LuftStundeBerechnen(double K, double Kw, double W, double R);
// The air pass of one sub-step for a grid count the caller has checked (3..MaxGitter); the inner
// surface is written only in the sectors the hour loop advances (e.Sektoren).
double LuftDurchlaufSchritt(const TRegisterParameter& p, TErdZustand& e, const TLuftStunde& s,
                            double tEin);

} // namespace kov
