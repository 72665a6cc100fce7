#pragma once
// The settable fields of the parameter set by their names, for batch runs and studies.

#include "model/modell.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kov {

// A command line the runner cannot carry out; what() is the German message.
class TAufrufFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TParameterFeld {
    std::string_view Name;
    std::variant<double TRegisterParameter::*, std::int32_t TRegisterParameter::*,
                 bool TRegisterParameter::*, std::string TRegisterParameter::*,
                 TMonatsFeld TRegisterParameter::*>
        Feld;
    std::string_view Einheit;
    std::string_view Bedeutung;
};

const std::vector<TParameterFeld>& ParameterFelder();

// Applies one NAME=VALUE: "DRohr=0.25", "Land=D", "FahrplanGelesen=true",
// "KellerTemperatur[3]=12.5" (one month) or "KellerTemperatur=12.5" (all twelve).
// Throws TAufrufFehler for an unknown or derived name and for a malformed value.
void ParameterZuweisen(TRegisterParameter& p, std::string_view zuweisung);

// The value of a field as the runner's help shows it.
std::string FeldWertText(const TRegisterParameter& p, const TParameterFeld& feld);

} // namespace kov
