#pragma once
// Report file: the 100-line header, the closing energy block and the whole report of a run.

#include "model/modell.h"

#include <string>

namespace kov {

inline constexpr int BerichtKopfZeilen = 100;

// Appends the 100 header lines: the parameter set and what the run derived (m.Werte).
void AusgabeKopfSchreiben(std::string& bericht, const TModell& m);
// Appends an empty line and the four yearly totals.
void AusgabeEnergieSchreiben(std::string& bericht, const TJahresErgebnis& e);

// The report of a run: header, the hourly rows when the evaluated year was simulated, energy
// block, and for the countries with a decimal comma the rewrite of the hourly part, which also
// leaves its copy in hilfsDatei. Both files are written atomically: a fault leaves them as
// they were.
void BerichtSchreiben(const TModell& m, bool mitStunden, const std::string& datei,
                      const std::string& hilfsDatei);

} // namespace kov
