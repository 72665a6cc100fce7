#pragma once
// The register model's results in kov-run's JSON object.

#include "register/kontext.h"

#include <nlohmann/json.hpp>

namespace kov {

// Adds the object "Register" to j when k holds a run of the register model; j stays as it is
// after a classic run.
void RegisterJsonErgaenzen(const TKontext& k, nlohmann::ordered_json& j);

} // namespace kov
