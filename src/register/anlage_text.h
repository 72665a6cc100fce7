#pragma once
// The figures of the ventilation unit behind the register as rows of the design figures.

#include "register/lueftungsanlage.h"

#include <vector>

namespace kov {

struct TKennwertZeile;

// Appends the unit's rows: each figure without and with the register, and what it saves.
void AnlagenZeilenAnfuegen(const TAnlagenKennwerte& a, const TRegisterParameter& p,
                           std::vector<TKennwertZeile>& zeilen);

} // namespace kov
