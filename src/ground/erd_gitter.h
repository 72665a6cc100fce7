#pragma once
// Set-up of the ground model once per run: radial geometry of the three sectors, capacities,
// conductances, the six step matrices, the uniform start field and the monitor point.

#include "ground/erd_zustand.h"
#include "model/modell.h"

namespace kov {

// Growth factor of the ring widths so that n-1 rings, the first one F wall thicknesses wide,
// fill the simulation radius. Throws TParameterFehler when it does not settle.
double GitterfaktorBerechnen(const TRegisterParameter& p);
// The same, also giving the number of iterations the fixed point took.
double GitterfaktorBerechnen(const TRegisterParameter& p, int& iterationen);

// Builds the ground state of a run into z without judging it or taking it over (the parameter
// check looks at its parts); returns the grid factor. Throws TParameterFehler for a grid count,
// wall thickness or monitor cell it cannot build from, when the grid factor does not settle, and
// for a KOV_SIMD this processor cannot follow; z.Pfad becomes the path of the process.
double ErdGitterBerechnen(const TModell& m, TErdZustand& z, double dt);

// dt: sub-step length in s. Needs Zellenlaenge, Stroemungsgeschwindigkeit and StartTemperatur.
// Also clears Durchlauf and the yearly sums and sets InBetrieb. Throws TParameterFehler for a
// parameter set it cannot build a grid from (grid count, wall thickness, monitor indices) and
// for a KOV_SIMD this processor cannot follow.
void ErdGitterAufbauen(TModell& m, TErdZustand& e, double dt);

} // namespace kov
