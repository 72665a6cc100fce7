#pragma once
// The weather of a study: the base project's year with its site's height, and the years of a
// Klima dimension.

#include "ablauf/lauf_daten.h"
#include "register/variantenstudie.h"

namespace kov {

// The site's height of daten's weather (0 when it has none), as a single run takes it for the
// register model's air pressure.
double StandortHoehe(const TLaufDaten& daten);

// Takes the height of the base weather daten gathered into studie and reads the year of every
// value of studie's Klima dimension into studie.KlimaWetter and KlimaHoehe, in the dimension's
// order, as a run of the base project with that climate would read it. Throws TEingabeFehler
// naming the climate that cannot be read.
void StudienWetterSammeln(TStudie& studie, const TLaufDaten& daten);

} // namespace kov
