#pragma once
// Numbers in the edit fields of the windows: shown in fixed point with "." whatever the
// desktop's locale, read back with "." or a decimal comma.

#include <QString>

#include <cstdint>

namespace kov {

// Fixed point with exactly `dezimalen` digits after a "." (none and no point for 0), no
// thousands separator, rounded half away from zero at the last digit.
QString ZahlAnzeigen(double wert, int dezimalen);
// An edit field's number: fixed point with at least `dezimalen` digits after the "." and as many
// more as the value needs to read back as the same double (0.1922 at 1 decimal is "0.1922",
// 50 is "50.0"), so that showing a value never changes it.
QString ZahlZeigen(double wert, int dezimalen);

// Leading and trailing blanks, an optional sign, digits with an optional fraction (".5" and
// "5." included) and an optional exponent "E"/"e" with optional sign. A single decimal comma
// stands for the point. Writes wert only when the whole text is such a finite number.
bool EingabeZahlLesen(const QString& text, double& wert);
// Blanks, an optional sign and decimal digits within the 32-bit range.
bool EingabeGanzzahlLesen(const QString& text, std::int32_t& wert);
// The text is written as a number of that kind but lies beyond what a double (or a 32-bit
// whole number) holds: "1e400", "3000000000". The range as text, "-2147483648 bis 2147483647".
bool EingabeAusserhalbBereich(const QString& text, bool ganzzahl, QString& bereich);

} // namespace kov
