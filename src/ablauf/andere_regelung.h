#pragma once
// The same project run with the other control mode: the classic release limits (Heizgrenze,
// Kuehlgrenze) against the control that follows the building's need (Regelung=bedarf), so that
// both can be shown side by side. Nothing is written.

#include "ablauf/lauf_daten.h"
#include "register/kennwerte.h"

#include <atomic>
#include <optional>

namespace kov {

// The parameter set with the other control mode: "bedarf" for "klassisch" and back.
TRegisterParameter AndereRegelung(const TRegisterParameter& p);

// The design figures of the inputs of daten run with the other control mode of
// daten.Parameter. Empty when abbruch was set during the run; TParameterFehler when the run
// fails its result check.
std::optional<TKennwerte> AndereRegelungRechnen(const TLaufDaten& daten,
                                                const std::atomic<bool>* abbruch = nullptr);

} // namespace kov
