#pragma once
// The run as a function: parameter set, weather year and, with a schedule, the hourly relative
// flow in; hourly series, yearly totals and working values out. No file, no working directory,
// no shared state: two runs on two contexts may go on in two threads at once. The pieces it is
// made of are also what the classic sequence with its report file is built from.

#include "model/wetter_jahr.h"
#include "register/kontext.h"

#include <atomic>
#include <functional>
#include <string>

namespace kov {

struct TLaufRueckmeldung {
    // after each simulated month of each pass; the series hold what is computed so far
    std::function<void(int durchlauf, int monat, const TStundenReihen& reihen)> NachMonat;
    // looked at before every hour; true ends the run there
    const std::atomic<bool>* Abbruch = nullptr;
};

enum class TLaufStatus { Fertig, Abgebrochen };

// Runs parameters p over the weather year. fahrplan, when given, becomes the series
// RelVolumenstrom (hours 1..8760), which the run follows when p.FahrplanGelesen is set; a run
// with FahrplanGelesen needs it. Without one, p.Betriebszeiten gives the series, the year
// starting on the weather's first weekday. Afterwards k holds: Parameter = p with the derived
// fields the run computed (velocity, grid factor, monitor distances), the series, the yearly
// totals, the working values and the state of the last hour. Throws TParameterFehler for a
// parameter set the ground model cannot be built from; check with ParameterPruefen first.
TLaufStatus SimulationRechnen(const TRegisterParameter& p, const TWetterJahr& wetter,
                              const TStundenFeld* fahrplan, TKontext& k,
                              const TLaufRueckmeldung& rueckmeldung = {});

// "" when every result of the run is a finite number, else a German sentence naming the first
// value that is not: such results are never reported.
std::string ErgebnisPruefen(const TKontext& k);

// Passes of a run: the settling years and the recorded year.
int Durchlaeufe(const TRegisterParameter& p);

// The inputs of a run taken into k, for either ground model: p, its velocity, the weather with
// the monthly ground temperatures, and the hourly flow of the schedule (or of the operating
// times when no schedule is given).
void LaufEingabenUebernehmen(const TRegisterParameter& p, const TWetterJahr& wetter,
                             const TStundenFeld* fahrplan, TKontext& k);

// The set-up of SimulationRechnen without its hours: p, the weather and the schedule taken into
// k, the ground built and the hour loop started. Returns the number of passes; the hours follow
// with SimuliereStunden.
int LaufVorbereiten(const TRegisterParameter& p, const TWetterJahr& wetter,
                    const TStundenFeld* fahrplan, TKontext& k);

// The pieces, in the order a run takes them, each on the context's own parameter set:
// the weather columns and from them the monthly ground temperatures
void WetterSchritt(TModell& m, const TWetterJahr& w);
// axial cell length and sub-step length
void LaufGroessenSetzen(TModell& m);
// ground grids, step matrices, the run's air constants and the start of the hour loop
void LaufZustandAufbauen(TKontext& k);
// outer boundary nodes at the first hour of a month
void MonatsRandSetzen(TKontext& k);
// the hours ersteStunde..letzteStunde of pass durchlauf, continuing from the last hour simulated
void SimuliereStunden(TKontext& k, int ersteStunde, int letzteStunde, int durchlauf);

} // namespace kov
