#pragma once
// The one object that holds everything of a simulation: the model data and the ground state.
// The GUI keeps one for the program's life; tests and kov-run make their own (on the heap:
// the hourly series alone are about half a megabyte).

#include "ground/erd_zustand.h"
#include "model/modell.h"

namespace kov {

struct TKontext : TModell {
    TErdZustand Erde;
};

} // namespace kov
