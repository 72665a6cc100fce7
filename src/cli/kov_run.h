#pragma once
// The headless runner: kov-run [-C DIR] [--json] [NAME=VALUE ...]

#include "ablauf/lauf_daten.h"

#include <ostream>
#include <string>
#include <vector>

namespace kov {

// Exit codes in the manner of Unix tools.
inline constexpr int ExitErfolg = 0;
inline constexpr int ExitLauffehler = 1; // a file fault during the run
inline constexpr int ExitAufruf = 2;     // bad command line or refused parameter set

int KovRun(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

// Says that an input file of a run cannot be read (a weather file as such) and returns the exit
// status: nothing was computed.
int EingabeFehlerMelden(const TEingabeFehler& f, std::ostream& fehler);

} // namespace kov
