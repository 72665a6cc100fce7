#pragma once
// The classic run with its files, as kov-run and the window start it: the inputs gathered from
// the parameter set in the context (lauf_daten.h), the year simulated, the report with its
// header, hourly rows, energy block and decimal comma written atomically. A run that fails
// leaves the previous report exactly as it was.

#include "ablauf/lauf_daten.h"

#include <functional>
#include <string>
#include <vector>

namespace kov {

// Called after each simulated month of each pass.
using TMonatsMeldung = std::function<void(int durchlauf, int monat)>;

// The complete classic run of k.Parameter: report and scratch file in ordner (the working
// directory when empty), weather file and schedule relative to projektOrdner (a project's
// folder; empty: ordner). What a run has to say beyond its faults (a schedule shorter than the
// year) is appended to hinweise when given. Throws TLaufAbgelehnt for a refused parameter set,
// TEingabeFehler / TDateiFehler for a file fault, TParameterFehler for results that are not
// finite.
void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat = {},
                          const std::string& ordner = {},
                          std::vector<std::string>* hinweise = nullptr,
                          const std::string& projektOrdner = {});

} // namespace kov
