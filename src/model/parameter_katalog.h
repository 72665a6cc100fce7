#pragma once
// The catalogue of the parameter set: every field of TRegisterParameter once, with its name,
// member, unit, German label, admissible range, report line and input-window field. The report
// header, kov-run's NAME=VALUE and help, the parameter check, the project file and the
// parameter dialog are all driven from it, so a new parameter is one entry.

#include "model/modell.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace kov {

// A field of the parameter set, or for a value the run derives (printed beside the inputs, never
// set) a field of the run's working values.
using TFeldZeiger = std::variant<double TRegisterParameter::*, std::int32_t TRegisterParameter::*,
                                 bool TRegisterParameter::*, std::string TRegisterParameter::*,
                                 TMonatsFeld TRegisterParameter::*, double TArbeitswerte::*>;

// The groups of the report header, in their order.
enum class TParameterGruppe {
    RohreUndLuftstrom,
    Stoffwerte,
    Regelung,
    UmgebungUndKeller,
    NumerikUndMonitor,
    DatenUndAusgabe,
    LueftungsanlageUndBetrieb,
    Wirtschaftlichkeit,
    Auslegungspruefung,
};
std::string_view GruppenName(TParameterGruppe gruppe);

// What values a field admits. Every number must also be finite.
enum class TBereichsArt {
    Frei,                // any value (texts, flags) or any finite number
    Positiv,             // > 0
    NichtNegativ,        // >= 0
    Anteil,              // 0..1
    Wirkungsgrad,        // > 0 and <= 1
    Ganzzahl,            // Von..Bis (Bis < Von: no upper limit)
    MonitorAxial,        // 1..AnzahlGitter
    MonitorRadial,       // 0..AnzahlGitter+1
    Temperatur,          // Von..Bis °C
    TemperaturDifferenz, // Von..Bis K
    Datei, // the name of an input file of the run; a project stores it relative to itself
    Spanne // Min..Max, both included
};

struct TBereich {
    TBereichsArt Art = TBereichsArt::Frei;
    std::int32_t Von = 0;
    std::int32_t Bis = -1;
    double Min = 0.0; // Spanne only
    double Max = 0.0;
};

// The report header line of a field. Zeile 0: not printed. Month fields take twelve lines from
// Zeile on, each with the month's name after Text.
struct TBerichtZeile {
    int Zeile = 0;
    int Breite = 0; // w:d of numbers
    int Dezimalen = 0;
    std::string_view Einheit; // bytes as printed, the degree sign as 0xF8
    std::string_view Text;
};

struct TKatalogEintrag {
    std::string_view Name;
    TFeldZeiger Feld;
    TParameterGruppe Gruppe;
    std::string_view Einheit;      // UTF-8, "°C", "m3/h"; empty for plain numbers
    std::string_view Bezeichnung;  // short German label, "Rohrdurchmesser"
    std::string_view Beschreibung; // one German sentence for help texts and tooltips
    bool Abgeleitet = false;       // computed by the program, never set by the user
    TBereich Bereich;
    TBerichtZeile Bericht;
    std::string_view EingabeFeld; // the input window's field, "EDRohr"; empty for none
    int EingabeDezimalen = 0;     // decimals the input window shows at least
};

// Every field, in the order of the report header (fields it does not print in their places).
std::span<const TKatalogEintrag> ParameterKatalog();
// The entry of a field name, nullptr for an unknown name.
const TKatalogEintrag* KatalogEintrag(std::string_view name);

enum class TFeldTyp { Zahl, Ganzzahl, Wahrheitswert, Text, Monate };
// a run's working value is a number too
TFeldTyp FeldTyp(const TKatalogEintrag& eintrag);
// True for a value the run derives into its working values (velocity, grid factor, monitor
// distances): it has no place in a parameter set.
bool IstLaufWert(const TKatalogEintrag& eintrag);
// The number such an entry shows for a run.
double LaufWert(const TArbeitswerte& werte, const TKatalogEintrag& eintrag);

// Direct access to the member an entry names.
template <class T> T& FeldWert(TRegisterParameter& p, const TKatalogEintrag& eintrag) {
    return p.*std::get<T TRegisterParameter::*>(eintrag.Feld);
}
template <class T> const T& FeldWert(const TRegisterParameter& p, const TKatalogEintrag& eintrag) {
    return p.*std::get<T TRegisterParameter::*>(eintrag.Feld);
}

// The rule a single value breaks, as the end of a German sentence ("muss größer als 0 m sein."),
// "" when it keeps its field's range. Numbers must be finite; the monitor cells are judged
// against anzahlGitter only when that is a grid count the model has (3..10).
std::string BereichsVerstoss(const TKatalogEintrag& eintrag, double wert);
std::string BereichsVerstoss(const TKatalogEintrag& eintrag, long wert, long anzahlGitter);
// The range of a field as the help and the tooltips state it, "" for a free field.
std::string BereichsText(const TKatalogEintrag& eintrag);

// True when the two parameter sets hold the same value (bit for bit for numbers) in the field.
bool FeldGleich(const TRegisterParameter& a, const TRegisterParameter& b,
                const TKatalogEintrag& eintrag);

} // namespace kov
