#pragma once
// Conduction step of one axial slice of the three sector grids over one sub-step.

#include "ground/erd_zustand.h"

namespace kov {

// Advances row a (1..n) of GitterErde, GitterKeller and GitterAdiabat with the running or the
// standing step matrices; nodes 0 and n+1 stay as they are. e.Pfad chooses the instruction set;
// every path gives the same bits.
void ErdScheibeRechnen(TErdZustand& e, int n, bool inBetrieb, int a);
// The hour loop's form, for a grid count and a cell the caller has checked (n in 3..MaxGitter,
// a in 1..n): only the sectors of e.Sektoren are advanced.
void ErdScheibeSchritt(TErdZustand& e, int n, bool inBetrieb, int a);

} // namespace kov
