#pragma once
// The state of one simulation: the model data, the ground and what the hour loop computes once
// per run. The GUI keeps one for the program's life; tests, kov-run and every variant of a study
// make their own (on the heap: the hourly series alone are about half a megabyte).

#include "ground/erd_zustand.h"
#include "model/modell.h"
#include "register/luftseite.h"
#include "register/register_modell.h"

namespace kov {

// Heating and cooling energy of the last settling pass over the hours the yearly totals
// cover (2..8760), kWh: compared with the recorded pass they show whether the ground settled.
struct TEinschwingSummen {
    double Heizenergie = 0.0;
    double Kuehlenergie = 0.0;
};

// The air side of the last running hour: with the run's geometry fixed it depends on the
// hour's relative flow alone, so an hour with the same flow takes it over unchanged.
struct TLuftVorrat {
    double R = -1.0; // no hour yet
    double Alpha = 0.0;
    double KZelle = 0.0;
    TLuftStunde Stunde;
};

struct TKontext : TModell {
    TErdZustand Erde;
    TLuftKonstanten Luft; // set with the ground at the start of a run
    TLuftVorrat LuftVorrat;
    TEinschwingSummen LetzterEinschwingDurchlauf;
    // the register model's own state and results (Modell=register)
    TRegisterZustand Register;
    TRegisterErgebnis RegisterErgebnis;
};

} // namespace kov
