#pragma once
// The w:d field format of the report: fixed point with d decimals, right-aligned to at least
// w characters, never cut. The value is first taken to 18 significant digits, then rounded
// half up in magnitude after d decimals; negative values keep their sign also when they
// round to zero ("-0.0"). A negative zero is zero and prints without a sign; NaN and the
// infinities print as "NAN", "INF" and "-INF", right-aligned like a number.

#include <string>
#include <string_view>

namespace kov {

// Appends the formatted value to ziel (no allocation once ziel has capacity).
void FeldAnhaengen(std::string& ziel, double wert, int breite, int dezimalen);
std::string FeldFormatieren(double wert, int breite, int dezimalen);
// An integer in decimal, no leading blanks.
void GanzzahlAnhaengen(std::string& ziel, long long wert);
// "TRUE" or "FALSE".
std::string_view WahrheitswertText(bool wert);

} // namespace kov
