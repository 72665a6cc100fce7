#pragma once
// The ground of the register model: the undisturbed ground under the open surface as a column,
// and the disturbance one buried pipe adds in the half-space under a surface coefficient. Both are
// linear and time-invariant, so a run superposes the column with the fields of all pipes; each is
// a set of decoupled modes that an hour advances exactly.

#include "model/modell.h"

#include <array>
#include <span>
#include <vector>

namespace kov {

// Soil and surface of the register model.
struct TErdreichDaten {
    double Lambda = 1.5;            // W/mK
    double RhoC = 1400.0 * 1400.0;  // J/m3K
    double AlphaOberflaeche = 15.0; // W/m2K, surface to outdoor air
    double Tiefe = 1.0;             // m, pipe axis below the surface
    double RadiusAussen = 0.1;      // m, outer pipe radius
};

// How finely the ground is resolved; the defaults are converged (docs/validierung.md).
struct TErdreichAufloesung {
    int ZellenWinkel = 40;      // cells of the half cross-section around the pipe (bipolar sigma)
    int ZellenRadial = 20;      // cells from the surface to the pipe wall (bipolar tau)
    int Zeitkonstanten = 8;     // shifts of the reduction, log-spaced time constants
    double ErsteSchicht = 0.02; // m, top cell of the column, growing by 10 % downwards
};

// y_k' = -Lambda_k y_k + Eingang_k u for every mode k; output o = sum_k Ausgang[o][k] y_k +
// Direkt[o] u.
struct TModalSystem {
    std::vector<double> Lambda;               // 1/s
    std::vector<double> Eingang;              // per mode
    std::vector<std::vector<double>> Ausgang; // [output][mode]
    std::vector<double> Direkt;               // [output]
};

// Eigenvalues and eigenvectors of the symmetric n x n matrix a (row-major, destroyed):
// vektoren[i * n + k] is component i of vector k.
void SymmetrischZerlegen(int n, std::vector<double>& a, std::vector<double>& werte,
                         std::vector<double>& vektoren);

// Output o after the input u has been held long enough for every mode to settle, per unit u.
double StationaereAntwort(const TModalSystem& s, int o);

// The disturbance of one pipe carrying the heat flux q (W per metre of pipe, into the ground) in
// the half-space; outputs: 0 = mean temperature of the pipe's outer wall (an isotherm), 1.. = the
// temperature at the depth of the axis and the lateral distances given (m), each in K per W/m.
// The surface exchanges with air at the undisturbed temperature (disturbance 0) through
// AlphaOberflaeche. The cross-section is meshed in bipolar coordinates, in which the surface and
// the pipe wall are coordinate lines and conduction keeps its form; the grid's modes are reduced
// by a Galerkin projection on its responses at log-spaced time constants, which keeps the steady
// state exact.
TModalSystem RohrAntwortBerechnen(const TErdreichDaten& d, std::span<const double> abstaende,
                                  const TErdreichAufloesung& a = {});

// The disturbance of one pipe carrying q (W per metre of pipe) alone in soil whose circle of
// radius ring (m, from the axis) is held at the undisturbed temperature, as in the classic
// model; output 0 as in RohrAntwortBerechnen. Radial cells spaced evenly in ln r, twice
// ZellenRadial of them, reduced the same way.
TModalSystem RingAntwortBerechnen(const TErdreichDaten& d, double ring,
                                  const TErdreichAufloesung& a = {});

// The soil inside that ring without the pipe's flux: input the ring's temperature, output 0 the
// pipe's outer wall, every mode of the rings kept. The undisturbed part of the ring problem,
// which follows its boundary with the lag of the soil between.
TModalSystem RingRandBerechnen(const TErdreichDaten& d, double ring,
                               const TErdreichAufloesung& a = {});

// The shapes of RohrAntwortBerechnen's modes (the same d and a give the same modes in the same
// order) at points {lateral distance from the axis, depth below the surface} (m): K per W/m,
// [point * modes + mode]; NaN above the surface and inside the pipe.
std::vector<double> RohrModenAnPunkten(const TErdreichDaten& d,
                                       std::span<const std::array<double, 2>> punkte,
                                       const TErdreichAufloesung& a = {});

// The undisturbed ground as a column under the surface, its bottom adiabatic at a depth where
// the yearly wave has died out (Tiefe + 8 damping depths); input: the air temperature plus the
// solar offset, output 0: the temperature at tiefeAusgabe.
TModalSystem SaeuleAufbauen(const TErdreichDaten& d, double tiefeAusgabe,
                            const TErdreichAufloesung& a = {});

// The same with an output o for each of tiefen, the bottom placed for tiefeAusgabe.
TModalSystem SaeuleAufbauen(const TErdreichDaten& d, double tiefeAusgabe,
                            std::span<const double> tiefen, const TErdreichAufloesung& a = {});

// Every output of a column at the end of hour stunde (1..8760) of its periodic state under the
// hourly input antrieb.
std::vector<double> PeriodischAmStundenende(const TModalSystem& saeule, const TStundenFeld& antrieb,
                                            int stunde);

// Hourly means of output 0 of a column in its periodic state under the hourly input antrieb
// (hours 1..8760, the year repeating), written to hours 1..8760 of mittel.
void PeriodischRechnen(const TModalSystem& saeule, const TStundenFeld& antrieb,
                       TStundenFeld& mittel);

} // namespace kov
