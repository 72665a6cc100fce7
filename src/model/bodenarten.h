#pragma once
// The soil types of the input window's list: conductivity, density and specific heat as the
// window writes them into its fields. Item 0 is the empty entry that leaves the fields alone.

#include <span>
#include <string_view>

namespace kov {

struct TBodenart {
    std::string_view Text;   // the list's text, blanks included
    std::string_view Lambda; // W/mK
    std::string_view Rho;    // kg/m3
    std::string_view Cp;     // J/kgK
};

std::span<const TBodenart> Bodenarten();

} // namespace kov
