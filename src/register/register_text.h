#pragma once
// The register model in words for the design report: which model ran, how finely it resolved
// the ground, the air and the time, and how far its figures are converged.

#include "register/register_modell.h"

#include <string>

namespace kov {

// What a finished run keeps to describe its model (Gerechnet false for the classic model).
struct TRegisterAngaben {
    bool Gerechnet = false;
    int Einschwingjahre = 0;
    int VerschiedeneRohre = 0;
    TRegisterAufloesung Aufloesung;
    double EinschwingAenderung = 0.0; // relative change of the energies in the recorded year
    bool Feuchtedaten = false;
};
TRegisterAngaben RegisterAngabenAus(const TRegisterErgebnis& e);

struct TRegisterModellText {
    std::string Modell;     // the model and what it computes
    std::string Aufloesung; // cross-section cells, time constants, axial cells, steps an hour
    std::string Konvergenz; // the refinement bound it is tested to and the run's settling
};

// German sentences for a register run r of parameters p, numbers with a decimal point as the
// core writes them (the report puts them in its locale's form); for a classic run (r not
// Gerechnet) the model sentence alone.
TRegisterModellText RegisterModellBeschreiben(const TRegisterParameter& p,
                                              const TRegisterAngaben& r);

} // namespace kov
