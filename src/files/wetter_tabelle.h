#pragma once
// The built-in design year: outdoor air temperature of every hour, °C, 0.1 K resolution.
// Index h = hour h of the year (1..8760); index 0 repeats hour 1.

#include <array>

namespace kov {

extern const std::array<double, 8761> EingebauteWetterTabelle;

} // namespace kov
