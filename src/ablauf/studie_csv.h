#pragma once
// The table of a variant study as CSV: one line per variant in the order of the combinations,
// the varied values under the parameters' names and the figures under the names of kov-run's
// --json keys, then the broken conditions and the two Pareto marks.

#include "register/variantenstudie.h"

#include <string>

namespace kov {

// The header line and a variant's line (its marks as they stand in v), each ending in "\n". A
// mark is one character, "0" or "1", so a line's marks can be set in place once the fronts are
// known.
std::string StudienKopf(const TStudie& studie, bool dezimalkomma = false);
void StudienZeileAnhaengen(const TStudie& studie, std::size_t nummer, const TVariantenErgebnis& v,
                           bool dezimalkomma, std::string& csv);

// With dezimalkomma the fields are separated by ";" and numbers written with ","; otherwise
// "," and ".". Numbers are the shortest text that reads back to the same double. Variants that
// were not computed (a cancelled study) are left out.
std::string StudieAlsCsv(const TStudie& studie, const std::vector<TVariantenErgebnis>& ergebnis,
                         bool dezimalkomma = false);

} // namespace kov
