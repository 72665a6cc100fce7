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

// Weights of the implicit cell balance: the inlet share a and the ground share b = 1 - a.
double AnteilLuft(double W, double Keff, double R);
double AnteilBoden(double W, double Keff, double R);

// Carries air of temperature tEin through the n cells with the convective cell conductance K
// (W/K) and relative flow R; writes node 0 of rows 1..n of all three grids and returns the
// outlet temperature.
double LuftDurchlauf(const TRegisterParameter& p, TErdZustand& e, double K, double R, double tEin);

} // namespace kov
