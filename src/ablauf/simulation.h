#pragma once
// The classic run with its files: the weather read back from the previous report through
// dummy.txt, the report with its header, hourly rows, energy block and decimal comma, and the
// ventilation schedule. Built from the pieces of the run (register/lauf.h) and the file steps
// of the I/O layer; the GUI and kov-run call it. Nothing is written before the run's results
// are complete and finite, and every file is written atomically: a run that fails leaves the
// previous report exactly as it was.

#include "model/wetter_jahr.h"
#include "register/lauf.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kov {

struct TWetterInfo;

// Where the input files of a run are found. A project names its schedule and weather file
// relative to itself, so its folder is Ordner; empty: the folder of the run's other files.
// Wetter, when given, is the year of p.WetterDatei already read (and checked), so that the
// file is read once.
struct TLaufEingaben {
    std::string Ordner;
    const TWetterJahr* Wetter = nullptr;
};

// The path of an input file of the run (schedule, weather file).
std::string EingabePfad(const std::string& ordner, const TLaufEingaben& eingaben,
                        const std::string& name);

// The year of p.WetterDatei, nullptr when the run uses no weather file. Throws TDateiFehler
// naming the file, line and field.
std::unique_ptr<TWetterJahr> LaufWetterLesen(const TRegisterParameter& p, const std::string& ordner,
                                             const TLaufEingaben& eingaben = {},
                                             TWetterInfo* info = nullptr);

// Every file of the run is named relative to ordner, the working directory when it is empty.
// What a run has to say beyond its faults (a schedule shorter than the year) is appended to
// hinweise when given.

// Reads the inputs and prepares a run from the context's parameter set; returns the number of
// passes (Einschwingjahre + 1). With a weather file its year is read (unless eingaben holds it);
// with the weather read back, the previous report is copied to dummy.txt first. Throws TDateiFehler
// / TParameterFehler.
int SimulationVorbereiten(TKontext& k, const std::string& ordner = {},
                          std::vector<std::string>* hinweise = nullptr,
                          const TLaufEingaben& eingaben = {});
// Writes the report (and with a decimal comma its copy in dummy.txt). Throws TParameterFehler,
// writing nothing, when the results are not finite.
void SimulationAbschliessen(TKontext& k, const std::string& ordner = {});

// The complete run: set-up, every month of every pass, finishing. nachMonat is called after
// each simulated month (the GUI draws it, kov-run may report progress).
using TMonatsMeldung = std::function<void(int durchlauf, int monat)>;
void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat = {},
                          const std::string& ordner = {},
                          std::vector<std::string>* hinweise = nullptr,
                          const TLaufEingaben& eingaben = {});

} // namespace kov
