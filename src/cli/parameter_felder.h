#pragma once
// The settable fields of the parameter set by their names, for batch runs and studies.

#include "model/modell.h"
#include "model/parameter_katalog.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

// A command line the runner cannot carry out; what() is the German message.
class TAufrufFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field of the parameter set as kov-run knows it: the catalogue's entry.
using TParameterFeld = TKatalogEintrag;

// The settable fields of the catalogue, in its order.
const std::vector<TParameterFeld>& ParameterFelder();

// Applies one NAME=VALUE: "DRohr=0.25", "Land=D", "FahrplanGelesen=true",
// "KellerTemperatur[3]=12.5" (one month) or "KellerTemperatur=12.5" (all twelve).
// Throws TAufrufFehler for an unknown or derived name and for a malformed value.
void ParameterZuweisen(TRegisterParameter& p, std::string_view zuweisung);

// A text as kov-run may echo it: control characters written as \xNN, never raw.
std::string SicherText(std::string_view text);
// The same in double quotes.
std::string Zitat(std::string_view text);
// A UTF-8 text filled with spaces to breite characters, on the right (text left) or on the
// left (rechts): columns of kov-run's tables line up whatever umlauts they hold.
std::string Ausgerichtet(std::string_view text, std::size_t breite, bool rechts);

// The value of a field as the runner's help shows it.
std::string FeldWertText(const TRegisterParameter& p, const TParameterFeld& feld);

} // namespace kov
