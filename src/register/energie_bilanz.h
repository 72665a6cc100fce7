#pragma once
// Power given to the air in an hour and the yearly energy sums of the recorded pass.

#include "ground/erd_zustand.h"
#include "model/modell.h"

namespace kov {

// kW given to the air by the whole register at relative flow R when its air leaves at tAus
// and enters at tEin; negative when the air is cooled.
double StundenLeistung(const TRegisterParameter& p, double tAus, double tEin, double R);

// Called once per hour after its last sub-step with the hour's relative flow R.
void EnergieBilanz(TModell& m, const TErdZustand& e, double R);
// The same for a grid count the caller has checked (3..MaxGitter).
void EnergieBilanzStunde(TModell& m, const TErdZustand& e, double R);

} // namespace kov
