#pragma once
// The state of one simulation: the model data, the ground and what the hour loop computes once
// per run. The GUI keeps one for the program's life; tests, kov-run and every variant of a study
// make their own (on the heap: the hourly series alone are about half a megabyte).

#include "ground/erd_zustand.h"
#include "model/modell.h"
#include "register/luftseite.h"

namespace kov {

struct TKontext : TModell {
    TErdZustand Erde;
    TLuftKonstanten Luft; // set with the ground at the start of a run
};

} // namespace kov
