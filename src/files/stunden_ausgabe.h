#pragma once
// Hourly part of the report, its decimal-comma rewrite, and the line-by-line file copy.

#include "model/modell.h"

#include <string>

namespace kov {

// Condensate of hour h in kg/h, from the outlet and dew-point temperature.
double Kondensat(const TStundenReihen& r, const TRegisterParameter& p, int h);
// Appends rows 1..8760 to the report.
void AusgabeStundenSchreiben(const std::string& name, const TStundenReihen& r,
                             const TRegisterParameter& p);
// Rewrites the report's hourly part and energy block with decimal commas (via dummy.txt).
void DezimalKommaSetzen(const std::string& name, const std::string& hilfsDatei = HilfsDatei);
// True for the country codes that write decimal commas: "D", "d", "A", "a".
bool LandMitDezimalKomma(const std::string& land);
// Copies quelle line by line to ziel (created or emptied), each line ended by CR LF.
void DateiKopieren(const std::string& quelle, const std::string& ziel);

} // namespace kov
