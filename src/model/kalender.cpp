#include "model/kalender.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace kov {

namespace {
constexpr std::array<int, 13> Tage{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 13> ErsteStunde{0,    1,    745,  1417, 2161, 2881, 3625,
                                          4345, 5089, 5833, 6553, 7297, 8017};
constexpr std::array<std::string_view, 13> Namen{
    "",     "Januar", "Februar",   "Maerz",   "April",    "Mai",     "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember"};

constexpr std::array<std::int8_t, 8761> MonatsTabelle = [] {
    std::array<std::int8_t, 8761> tabelle{};
    int monat = 1;
    for (int h = 1; h <= 8760; ++h) {
        if (monat < 12 && h >= ErsteStunde[static_cast<std::size_t>(monat) + 1]) ++monat;
        tabelle[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(monat);
    }
    return tabelle;
}();
} // namespace

int MonatDerStunde(int stunde) {
    return MonatsTabelle[static_cast<std::size_t>(stunde)];
}

int TageImMonat(int m) {
    return Tage[static_cast<std::size_t>(m)];
}

int ErsteStundeImMonat(int m) {
    return ErsteStunde[static_cast<std::size_t>(m)];
}

int LetzteStundeImMonat(int m) {
    return ErsteStundeImMonat(m) - 1 + 24 * TageImMonat(m);
}

std::string_view MonatsName(int m) {
    return Namen[static_cast<std::size_t>(m)];
}

double Hoch(double basis, double exponent) {
    return std::exp(exponent * std::log(std::fabs(basis)));
}

} // namespace kov
