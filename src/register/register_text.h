#pragma once
// The register model in words for the design report: which model ran, how finely it resolved
// the ground, the air and the time, and how far its figures are converged.

#include "register/register_modell.h"

#include <string>

namespace kov {

struct TRegisterModellText {
    std::string Modell;     // the model and what it computes
    std::string Aufloesung; // cross-section cells, time constants, axial cells, steps an hour
    std::string Konvergenz; // the refinement bound it is tested to and the run's settling
};

// German sentences for a register run's results e of parameters p; for a classic run (e not
// Gerechnet) the model sentence alone.
TRegisterModellText RegisterModellBeschreiben(const TRegisterParameter& p,
                                              const TRegisterErgebnis& e);

} // namespace kov
