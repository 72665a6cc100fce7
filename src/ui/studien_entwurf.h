#pragma once
// The variant study as the Variantenvergleich window holds it while the user types: the
// parameter rows with their lists, the chosen soil types and the conditions, as texts. Each row
// is checked on its own with the reason of its fault, the whole gives the count of variants,
// and the study is built from it. No Qt here: the window only shows what this decides.

#include "model/modell.h"
#include "model/parameter_katalog.h"
#include "register/variantenstudie.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

inline constexpr std::size_t EntwurfZeilen = MaxVariierteParameter;

// The parameters the window offers: the usual design parameters first, then every other number
// of the catalogue a study can vary, in the catalogue's order. Derived fields, the texts other
// than the ground model and the built-in climate, and the switches of the data sources (the
// study brings its own weather and schedule) are left out.
std::vector<const TKatalogEintrag*> StudienParameter();

struct TParameterZeile {
    std::string Name;  // a field of StudienParameter(); empty: the row is not used
    std::string Liste; // "10,12,15", "von:bis:schritt", "0,15; 0,2", "klassisch, register"
};

struct TBedingungsZeile {
    std::string Kennwert; // a figure of StudienKennwerte(); empty: the row is not used
    bool Hoechstens = true;
    std::string Grenze; // the number as typed, "." or ","
};

struct TStudienEntwurf {
    std::array<TParameterZeile, EntwurfZeilen> Zeilen;
    std::vector<std::size_t> Boeden; // indices into Bodenarten(); empty: the soil is not varied
    std::vector<TBedingungsZeile> Bedingungen;
};

struct TEntwurfsPruefung {
    std::array<std::string, EntwurfZeilen> ZeilenFehler;  // "" for a good or unused row
    std::array<std::size_t, EntwurfZeilen> ZeilenWerte{}; // number of values of a good row
    std::vector<std::string> BedingungsFehler;            // one per condition row
    // what is wrong with the whole: nothing varied, a parameter twice, the soil fields with the
    // soil, more than MaxVarianten variants
    std::string Fehler;
    std::size_t Varianten = 0; // 0 while anything is wrong

    bool Gueltig() const { return Varianten > 0; }
    // every fault as one line, in the order of the window
    std::vector<std::string> Meldungen() const;
};

TEntwurfsPruefung EntwurfPruefen(const TStudienEntwurf& entwurf);

// The study of a valid draft on the base set; throws TStudienFehler with the first fault.
TStudie StudieAufbauen(const TRegisterParameter& basis, const TStudienEntwurf& entwurf);

// The conditions of the draft's used rows; throws TStudienFehler with the first fault. The
// window applies them again to a finished study when the user changes them.
std::vector<TBedingung> BedingungenAufbauen(const TStudienEntwurf& entwurf);

// A list as typed, in the engine's form: blanks dropped; when ";" separates the values, and in
// a range, a decimal comma stands for the point ("0,15; 0,2" -> "0.15,0.2", "0,1:0,3:0,1").
std::string ListeNormieren(std::string_view liste);
// "alle" when every soil type is chosen, else the indices "1,4,7".
std::string BodenListe(const std::vector<std::size_t>& boeden);

// Copies the values variant nummer has in the study's varied fields into p (the soil as its three
// fields) and derives AnteilErde again; every other field of p stays. Returns the soil type's
// index when the soil is varied, else 0.
std::size_t VarianteUebernehmen(TRegisterParameter& p, const TStudie& studie, std::size_t nummer);

// The time still needed when fertig of gesamt variants took sekunden; negative while nothing is
// finished.
double RestzeitSchaetzen(std::size_t fertig, std::size_t gesamt, double sekunden);
// "noch etwa 45 s", "noch etwa 3 min 05 s", "noch etwa 2 h 10 min"; "" for a negative time.
std::string RestzeitText(double sekunden);

} // namespace kov
