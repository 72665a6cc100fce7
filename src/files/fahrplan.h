#pragma once
// Ventilation schedule: relative volume flow of every hour, one number at the start of each line.

#include "model/modell.h"

#include <string>

namespace kov {

// Reads series[1..8760]; index 0 is not touched. Hours after the end of the file get 0 (the
// register stays off in them). Returns the number of hours the file gives a value for.
int FahrplanLesen(const std::string& name, TStundenFeld& series);
// The same from text in memory; name is what faults name.
int FahrplanTextLesen(const std::string& name, std::string inhalt, TStundenFeld& series);

// The note for a schedule that ends early, or "" when it covers the year.
std::string FahrplanHinweis(const std::string& name, int stunden);

} // namespace kov
