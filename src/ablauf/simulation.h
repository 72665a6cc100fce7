#pragma once
// The classic run with its files: the weather read back from the previous report through
// dummy.txt, the report with its header, hourly rows, energy block and decimal comma, and the
// ventilation schedule. Built from the pieces of the run (register/lauf.h) and the file steps
// of the I/O layer; the GUI and kov-run call it.

#include "register/lauf.h"

#include <functional>
#include <string>

namespace kov {

// Every file of the run is named relative to ordner, the working directory when it is empty.
// Prepares a run from the context's parameter set; returns the number of passes
// (Einschwingjahre + 1). Throws TDateiFehler / TParameterFehler.
int SimulationVorbereiten(TKontext& k, const std::string& ordner = {});
// Hourly rows (after a recorded pass), energy block and decimal comma.
void SimulationAbschliessen(TKontext& k, const std::string& ordner = {});

// The complete run: set-up, every month of every pass, finishing. nachMonat is called after
// each simulated month (the GUI draws it, kov-run may report progress).
using TMonatsMeldung = std::function<void(int durchlauf, int monat)>;
void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat = {},
                          const std::string& ordner = {});

} // namespace kov
