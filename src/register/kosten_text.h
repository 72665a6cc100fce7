#pragma once
// Costs and the design check as the user reads them: German labels, numbers with a decimal
// point and units, for kov-run's text and the GUI's "Kennwerte".

#include "register/auslegungs_pruefung.h"
#include "register/kennwerte_text.h"
#include "register/wirtschaftlichkeit.h"

#include <string>
#include <vector>

namespace kov {

// Investment, its parts and the annuities, one figure a line.
std::vector<TKennwertZeile> KostenZeilen(const TWirtschaftlichkeit& w);
// The ten figures a client asks for, with short labels, for a view beside the design figures.
std::vector<TKennwertZeile> KostenUebersicht(const TWirtschaftlichkeit& w);

struct TPruefZeile {
    std::string Bezeichnung;
    std::string Wert;   // "2.36 m/s", "–" for a rule without a figure
    std::string Grenze; // "<= 3.00 m/s", "" for a rule without a limit
    std::string Urteil; // "erfüllt", "Hinweis", "nicht erfüllt"
    std::string Erlaeuterung;
};
std::vector<TPruefZeile> PruefZeilen(const std::vector<TPruefRegel>& regeln);
// The statement and the rules as tab-separated lines ending in "\n", after a blank line and
// a heading line, to follow KennwerteAlsText.
std::string PruefungAlsText(const std::vector<TPruefRegel>& regeln);
// The cost lines the same way, after a blank line and a heading line.
std::string KostenAlsText(const TWirtschaftlichkeit& w);

} // namespace kov
