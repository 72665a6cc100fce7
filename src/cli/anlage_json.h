#pragma once
// kov-run's JSON of the useful energy, the heating period, the condensate's availability and
// the ventilation unit behind the register.

#include "ablauf/lauf_daten.h"
#include "register/kennwerte.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace kov {

// Adds the keys of the useful energy and the heating period to the object "Kennwerte"; without
// humidity data the condensate keys become null.
void NutzenJsonErgaenzen(const TKennwerte& kw, nlohmann::ordered_json& kennwerte);
// The object "Anlage": the unit's figures without and with the register; null without WRG.
nlohmann::ordered_json AnlageJson(const TKennwerte& kw);
// The object "Regelungsvergleich": useful and unwanted energies, fan electricity and both
// Leistungszahlen of the run (figures kw of daten) and of its inputs run with the other control
// mode, under "Klassisch" and "Bedarf"; a failing other run gives its message as "Fehler".
nlohmann::ordered_json RegelungsVergleichJson(const TLaufDaten& daten, const TKennwerte& kw);
// The help lines of these keys, in the layout of the other keys.
void AnlageHilfeSchreiben(std::ostream& aus);

} // namespace kov
