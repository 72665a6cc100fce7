#pragma once
// The texts of the design report, apart from how they are laid out on a page: the inputs as
// the catalogue names them with the values that differ from the defaults marked, and the note
// on the method of the run.

#include "model/parameter_katalog.h"
#include "register/kennwerte.h"

#include <string>
#include <vector>

namespace kov {

struct TEingabeZeile {
    std::string Gruppe;      // "Rohre und Luftstrom"
    std::string Bezeichnung; // "Rohrdurchmesser"
    std::string Name;        // "DRohr"
    std::string Wert;        // "0.2"
    std::string Einheit;     // UTF-8, "m"; empty for plain numbers
    std::string Standard;    // the default's value; empty for a field the program computes
    bool Abweichend = false; // the value is not the default (never for a computed field)
    bool Abgeleitet = false; // computed by the program
    bool IstText = false;    // a text field: its value is printed as it is
};

// Every field of the catalogue, grouped in the order of the groups and within a group in the
// catalogue's order; the values a run derives from werte (a run's working values, "–" without).
std::vector<TEingabeZeile> EingabeZeilen(const TRegisterParameter& p,
                                         const TArbeitswerte* werte = nullptr);

// The value of a field as the report prints it: numbers in the shortest form that reads back
// to the same value (computed ones to 6 significant digits), "ja"/"nein", a text as it is
// ("–" when empty), the months as "alle Monate 0" when equal, else "Jan 1; Feb 2; …".
std::string EingabeWertText(const TRegisterParameter& p, const TKatalogEintrag& eintrag,
                            const TArbeitswerte* werte = nullptr);

// Paragraphs on the model, the grid, the time steps and the settling of the run held in m.
std::vector<std::string> MethodenAbsaetze(const TModell& m, const TKennwerte& kw);

} // namespace kov
