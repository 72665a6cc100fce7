#pragma once
// The design check: rules of common practice a register design should keep, each with its
// figure, its limit and a verdict. The limits are parameters (group "Auslegungsprüfung"); the
// figures come from the parameter set and a finished run (TPruefDaten).

#include "register/kennwerte.h"
#include "register/kontext.h"

#include <string>
#include <string_view>
#include <vector>

namespace kov {

enum class TUrteil { Erfuellt, Hinweis, NichtErfuellt };
// "erfüllt", "Hinweis", "nicht erfüllt"
std::string_view UrteilText(TUrteil urteil);

struct TPruefRegel {
    std::string Schluessel;  // "Luftgeschwindigkeit", the key of kov-run's --json
    std::string Bezeichnung; // German, "Luftgeschwindigkeit bei Nenn-Volumenstrom"
    bool HatWert = true;     // false for a rule that only states something (the weather)
    double Wert = 0.0;
    double Grenze = 0.0;
    std::string_view Vergleich; // "<=" or ">=": what the figure must keep against the limit
    std::string_view Einheit;   // UTF-8
    int Dezimalen = 1;          // for showing Wert and Grenze
    TUrteil Urteil = TUrteil::Erfuellt;
    std::string Erlaeuterung; // one German sentence: what the verdict means, what to do
};

// The figures of a finished run the rules judge.
struct TPruefDaten {
    double Geschwindigkeit = 0.0;  // m/s in one pipe at nominal flow
    double Druckverlust = 0.0;     // Pa at nominal flow, the whole register
    bool Gelaufen = false;         // the register ran at least one hour
    double TausMinBetrieb = 0.0;   // °C, lowest outlet of the running hours
    double RelVolumenstromMin = 1; // lowest relative flow of the running hours
    double KondensatJahr = 0.0;    // kg
    // heat transfer units per metre of pipe, 1/m: conductance air -> ground per metre
    // (air side at nominal flow, wall, ground to the simulated radius in series) over the
    // air's capacity flow in one pipe
    double NtuJeMeter = 0.0;
};

// Mean air velocity in one pipe, m/s, at nominal flow; pi as in every model formula.
double NennGeschwindigkeit(const TRegisterParameter& p);
// Air side, wall and ground to SimRadius in series, per metre of pipe, over W of one pipe.
double NtuJeMeterBerechnen(const TRegisterParameter& p);
// The NTU of a pipe at which its last 10 % add 3 % of its energy (about 2.22): with the air
// approaching the wall temperature as 1 - exp(-NTU), (e^-0.9N - e^-N) / (1 - e^-N) = 0.03.
double NutzbareNtu();

TPruefDaten PruefDatenSammeln(const TKontext& k, const TKennwerte& kw);

// The rules in a fixed order: velocity, frost, pressure drop, depth, spacing, flow regime,
// condensate, useful length, weather.
std::vector<TPruefRegel> AuslegungPruefen(const TRegisterParameter& p, const TPruefDaten& d);

// The worst verdict of the rules.
TUrteil GesamtUrteil(const std::vector<TPruefRegel>& regeln);
// "Die Auslegung erfüllt alle Prüfungen." or what it violates and what it notes.
std::string AuslegungsAussage(const std::vector<TPruefRegel>& regeln);

} // namespace kov
