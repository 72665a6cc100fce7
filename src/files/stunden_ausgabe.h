#pragma once
// Hourly part of the report, its decimal-comma rewrite, and the line-by-line file copy.

#include "model/modell.h"

#include <string>
#include <string_view>

namespace kov {

// Appends rows 1..8760.
void AusgabeStundenSchreiben(std::string& bericht, const TStundenReihen& r,
                             const TRegisterParameter& p);
// A report with decimal commas in its hourly part and energy block, as the rewrite through
// dummy.txt leaves that file: the 100 header lines each with CR LF, the rest with "," for ".".
std::string DezimalKommaText(std::string_view bericht);
// True for the country codes that write decimal commas: "D", "d", "A", "a".
bool LandMitDezimalKomma(const std::string& land);
// The text as the line-by-line copy writes it: every line ended by CR LF (LF, CR LF and a lone
// CR end a line), at least one line.
std::string ZeilenweiseKopie(std::string_view text);
// Copies quelle line by line to ziel, atomically; reading quelle completely first, so that a
// fault or a copy onto itself never destroys anything.
void DateiKopieren(const std::string& quelle, const std::string& ziel);

} // namespace kov
