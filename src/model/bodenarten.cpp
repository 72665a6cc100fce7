#include "model/bodenarten.h"

#include <array>

namespace kov {

namespace {
constexpr std::array<TBodenart, 12> Liste{{
    {"", "", "", ""},
    {"Erde trocken  (lambda 0.35 W/mK)", "0.35", "1500", "840"},
    {"Erde feucht     (lambda 1.5 W/mK)", "1.5", "1500", "1000"},
    {"Erde nass       (lambda 2.5 W/mK)", "2.5", "1500", "1260"},
    {"Erde tonig       (lambda 1.5 W/mK)", "1.5", "1500", "1080"},
    {"Lehm trocken (lambda 0.4 W/mK)", "0.4", "1000", "760"},
    {"Lehm nass      (lambda 1.6 W/mK)", "1.6", "1300", "1130"},
    {"Magerbeton   (lambda 0.93 W/mK)", "0.93", "2300", "660"},
    {"Sand, trocken (lambda 0.4 W/mK)", "0.4", "1500", "660"},
    {"Sand feucht    (lambda 1.0 W/mK)", "1.0", "1700", "700"},
    {"Sand feucht, gewalzt  (lambda 1.2 W/mK)", "1.2", "2130", "800"},
    {"Stahlbeton      (lambda 1.8 W/mK)", "1.8", "2400", "1100"},
}};
} // namespace

std::span<const TBodenart> Bodenarten() {
    return Liste;
}

} // namespace kov
