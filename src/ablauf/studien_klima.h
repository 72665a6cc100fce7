#pragma once
// The weather years of a study that varies the built-in climate.

#include "ablauf/lauf_daten.h"
#include "register/variantenstudie.h"

namespace kov {

// Reads the year of every value of studie's Klima dimension into studie.KlimaWetter, in the
// dimension's order, as a run of the base project with that climate would read it; nothing
// without a Klima dimension. Throws TEingabeFehler naming the climate that cannot be read.
void StudienKlimaLesen(TStudie& studie, const TLaufOrte& orte);

} // namespace kov
