#pragma once
// Run driver: set-up, the hours of one pass, and the finishing of the report.

#include "register/kontext.h"

#include <functional>

namespace kov {

// Prepares a run from the current parameter set; returns the number of passes
// (Einschwingjahre + 1). Throws TDateiFehler / TParameterFehler.
int SimulationVorbereiten(TKontext& k);
// Outer boundary nodes at the first hour of a month.
void MonatsRandSetzen(TKontext& k);
// Simulates the hours ersteStunde..letzteStunde of pass durchlauf.
void SimuliereStunden(TKontext& k, int ersteStunde, int letzteStunde, int durchlauf);
// Hourly rows (after a recorded pass), energy block and decimal comma.
void SimulationAbschliessen(TKontext& k);

// The complete run: set-up, every month of every pass, finishing. nachMonat is called after
// each simulated month (the GUI draws it, kov-run may report progress).
using TMonatsMeldung = std::function<void(int durchlauf, int monat)>;
void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat = {});

} // namespace kov
