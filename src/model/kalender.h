#pragma once
// Calendar of the design year (365 days, no leap day) and the power function shared by the
// air side, the grid set-up and the condensate.

#include <string_view>

namespace kov {

// m in 1..12
int TageImMonat(int m);
// first hour (1-based) of month m
int ErsteStundeImMonat(int m);
// last hour of month m
int LetzteStundeImMonat(int m);
// month 1..12 of hour 1..8760
int MonatDerStunde(int stunde);
// "Januar" .. "Dezember", with "Maerz" for March (the report's spelling)
std::string_view MonatsName(int m);
// e^(exponent * ln|basis|): the power of the magnitude of the base
double Hoch(double basis, double exponent);

} // namespace kov
