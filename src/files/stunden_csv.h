#pragma once
// The hourly series of a run as a CSV table for spreadsheets: one row per hour with its date
// and time and every column of the report's hourly part, the numbers in full precision (the
// shortest decimal that reads back to the same double). With a decimal point the fields are
// separated by commas, with a decimal comma by semicolons. UTF-8, CR LF, a heading line.

#include "model/modell.h"

#include <span>
#include <string>

namespace kov {

enum class TDezimalZeichen { Punkt, Komma };

// The German titles of the columns, in their order ("Stunde", "Datum", ...).
std::span<const char* const> StundenCsvSpalten();

// The table as text; titles, when given, replace the German ones (one per column, in their
// order).
std::string StundenCsvText(const TStundenReihen& r, const TRegisterParameter& p,
                           TDezimalZeichen zeichen, std::span<const std::string> titel = {});
// The table into datei, atomically; faults raise TDateiFehler naming the file.
void StundenCsvSchreiben(const std::string& datei, const TStundenReihen& r,
                         const TRegisterParameter& p, TDezimalZeichen zeichen,
                         std::span<const std::string> titel = {});

// "01.01." and "00:00-01:00" for hour 1, "31.12." and "23:00-24:00" for hour 8760.
std::string StundenDatum(int stunde);
std::string StundenUhrzeit(int stunde);

} // namespace kov
