#pragma once
// kov-run's JSON of the useful energy, the heating period, the condensate's availability and
// the ventilation unit behind the register.

#include "register/kennwerte.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace kov {

// Adds the keys of the useful energy and the heating period to the object "Kennwerte"; without
// humidity data the condensate keys become null.
void NutzenJsonErgaenzen(const TKennwerte& kw, nlohmann::ordered_json& kennwerte);
// The object "Anlage": the unit's figures without and with the register; null without WRG.
nlohmann::ordered_json AnlageJson(const TKennwerte& kw);
// The help lines of these keys, in the layout of the other keys.
void AnlageHilfeSchreiben(std::ostream& aus);

} // namespace kov
