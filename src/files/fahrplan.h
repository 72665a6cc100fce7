#pragma once
// Ventilation schedule: relative volume flow of every hour, one number at the start of each line.

#include "model/modell.h"

#include <string>

namespace kov {

// Reads series[1..8760]; index 0 is not touched. Hours after the end of the file get 0.
void FahrplanLesen(const std::string& name, TStundenFeld& series);

} // namespace kov
