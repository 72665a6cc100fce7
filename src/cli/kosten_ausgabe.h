#pragma once
// kov-run's costs and design check of a finished run: the JSON objects "Kosten" and "Pruefung"
// and the text block after "Kennwerte".

#include "register/kennwerte.h"
#include "register/kontext.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace kov {

void KostenUndPruefungJson(const TKontext& k, const TKennwerte& kw, nlohmann::ordered_json& j);
void KostenUndPruefungSchreiben(const TKontext& k, const TKennwerte& kw, std::ostream& aus);
// the keys of both objects for --help
void KostenUndPruefungHilfe(std::ostream& aus);

} // namespace kov
