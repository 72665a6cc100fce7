#pragma once
// What a finished run is worth and whether its design holds: the energies the costs are made of,
// the costs and annuities, and the design check. One place for kov-run and the windows, so that
// both judge a run from the same energies.

#include "register/auslegungs_pruefung.h"
#include "register/kennwerte.h"
#include "register/kontext.h"
#include "register/wirtschaftlichkeit.h"

#include <vector>

namespace kov {

struct TBewertung {
    TEnergieJahr Energien; // kWh a year
    TWirtschaftlichkeit Kosten;
    std::vector<TPruefRegel> Pruefung;
};

// The run held in k with its design figures kw; k's parameter set must have passed
// ParameterPruefen (a readable price table).
TBewertung BewertungBilden(const TKontext& k, const TKennwerte& kw);

} // namespace kov
