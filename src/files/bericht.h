#pragma once
// Report file: creation, the 100-line header and the closing energy block.

#include "model/modell.h"

#include <string>

namespace kov {

inline constexpr int BerichtKopfZeilen = 100;

// Creates the file or empties an existing one.
void AusgabeAnlegen(const std::string& name);
// Appends the 100 header lines to OutputFile.
void AusgabeKopfSchreiben(const TRegisterParameter& p);
// The same to the file datei (OutputFile in its folder).
void AusgabeKopfSchreiben(const TRegisterParameter& p, const std::string& datei);
// Appends an empty line and the four yearly totals.
void AusgabeEnergieSchreiben(const std::string& name, const TJahresErgebnis& e);

} // namespace kov
