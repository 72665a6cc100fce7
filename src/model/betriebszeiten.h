#pragma once
// Weekly operating times of the ventilation: in which hours of each weekday the air flows and at
// what share of the nominal flow, and the hourly relative flow of a year they give.
//
// Short form (the parameter Betriebszeiten, kov-run Betriebszeiten="Mo-Fr 7-18"):
//   Eintrag { ";" Eintrag }
//   Eintrag  = Tage Von "-" Bis [Anteil "%"]   e.g. "Mo-Fr 7-18", "Sa 8-12 50%", "Mo,Mi 6-9"
//            | "Nacht" Von "-" Bis [Anteil "%"] night flushing in June to August, e.g. "Nacht 22-6"
//   Tage     = Tag ["-" Tag] { "," Tag ["-" Tag] }, Tag = Mo Di Mi Do Fr Sa So
//   Von, Bis = whole hours 0..24 of the clock: "7-18" is 07:00 to 18:00, 11 hours; a day entry
//              needs Von < Bis, a night entry may run over midnight ("22-6")
//   Anteil   = share of the nominal flow in percent, above 0 and at most 100; 100 without one
// Outside every entry the ventilation is off (0). Where entries overlap the larger share counts.

#include "model/modell.h"

#include <array>
#include <string>
#include <string_view>

namespace kov {

// Weekdays are counted from Monday = 0 to Sunday = 6.
inline constexpr int Montag = 0;

struct TBetriebszeiten {
    // relative flow by [weekday][hour of the day 0..23], hour 0 = 00:00 to 01:00
    std::array<std::array<double, 24>, 7> Woche{};
    // night flushing by hour of the day, on every day of the summer months
    std::array<double, 24> Nacht{};
};

// The summer months in which the night flushing runs.
inline constexpr int NachtSpuelungVon = 6;
inline constexpr int NachtSpuelungBis = 8;

// Reads the short form. Throws TParameterFehler with a German sentence that names the position
// (character 1.. of the text) and what was expected there.
TBetriebszeiten BetriebszeitenLesen(std::string_view text);
// The message of BetriebszeitenLesen, "" when the text reads.
std::string BetriebszeitenFehler(std::string_view text);

// The relative flow of hours 1..8760 of a year whose 1 January is weekday ersterWochentag
// (0 = Monday); element 0 is left as it is.
void BetriebszeitenFahrplan(const TBetriebszeiten& zeiten, int ersterWochentag,
                            TStundenFeld& fahrplan);

// The run follows the hourly relative flow: a schedule file or operating times.
bool FahrplanFolgen(const TRegisterParameter& p);

} // namespace kov
