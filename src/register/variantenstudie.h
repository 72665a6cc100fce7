#pragma once
// A variant study: a base parameter set, up to four varied parameters and the soil as a further
// dimension, every combination run by the run function on a pool of worker threads, each with
// its own context. The results come in the order of the combinations (the first dimension
// varies slowest), the same whatever the number of threads.

#include "model/wetter_jahr.h"
#include "register/kennwerte.h"
#include "register/lauf.h"
#include "register/wirtschaftlichkeit.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

inline constexpr std::size_t MaxVarianten = 100000;
inline constexpr std::size_t MaxVariierteParameter = 4;
// the name of the soil dimension: its values are indices into Bodenarten()
inline constexpr std::string_view BodenDimension = "Boden";

// A study definition that cannot be carried out; what() is the German message.
class TStudienFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TVariation {
    std::string Name;               // a settable catalogue field, or BodenDimension
    std::vector<double> Werte;      // in the order given; of a text dimension the indices 0, 1, ...
    std::vector<std::string> Texte; // the values of a text dimension, empty for numbers
};

// The text fields a study can vary, each value a choice of its own: the ground model and the
// built-in climate.
bool TextDimension(std::string_view name);
// The text a variant has in a text dimension, the value as written in a numeric one.
std::string VariationsText(const TVariation& v, double wert);

// "10,12,15" or "von:bis:schritt" for the field name; "alle" or "1,4,7" for the soil;
// "klassisch,register" or "5,5:Wint:2045" for a text dimension (no ranges, no value twice). Range
// values are taken to the decimals the three numbers are written with, so 0.1:0.3:0.1 gives
// 0.1, 0.2 and 0.3, not 0.30000000000000004. Throws TStudienFehler.
TVariation VariationLesen(std::string_view name, std::string_view liste);

// "NAME<=WERT" or "NAME>=WERT" on a figure of StudienKennwerte().
struct TBedingung {
    std::string Kennwert;
    bool Hoechstens = true; // <=; false: >=
    double Grenze = 0.0;
};
TBedingung BedingungLesen(std::string_view text);

struct TStudie {
    TRegisterParameter Basis;
    std::vector<TVariation> Variationen;
    std::vector<TBedingung> Bedingungen;
    // m above sea level of the site of the study's weather year: the register model takes the
    // air's pressure from it
    double Hoehe = 0.0;
    // with a Klima dimension: the weather year of each of its values and its site's height, in
    // its order, read by the caller; the variants of a climate run on its year
    std::vector<std::shared_ptr<const TWetterJahr>> KlimaWetter;
    std::vector<double> KlimaHoehe;
};

// The weather year variant nummer runs on: its climate's, or basis; hoehe, when given, gets the
// height of its site.
const TWetterJahr& VarianteWetter(const TStudie& studie, std::size_t nummer,
                                  const TWetterJahr& basis, double* hoehe = nullptr);

// Product of the value counts; refuses more than MaxVarianten, more than four varied
// parameters, an empty list, a name twice. Throws TStudienFehler.
std::size_t VariantenZahl(const TStudie& studie);
// The parameter set of variant nummer (0-based) and, when werte is given, its varied values.
TRegisterParameter VarianteParameter(const TStudie& studie, std::size_t nummer,
                                     std::vector<double>* werte = nullptr);

struct TVariantenErgebnis {
    bool Berechnet = false;
    std::vector<double> Werte; // the varied values
    TJahresErgebnis Ergebnis;
    TKennwerte Kennwerte;
    double Stroemungsgeschwindigkeit = 0.0; // m/s
    double RohrlaengeGesamt = 0.0;          // m, all pipes
    TWirtschaftlichkeit Kosten;             // of the variant's set and its useful energies
    std::vector<std::string> Verletzt;      // the figures whose condition the variant breaks
    bool ParetoRohrlaenge = false;          // most useful energy for the least pipe
    bool ParetoVentilator = false;          // most useful energy for the least fan electricity
    bool ParetoAnnuitaet = false;           // most useful energy for the least annuity of costs
};

// The scalar figures of a variant, by the names of kov-run's --json keys.
struct TStudienKennwert {
    std::string_view Name;
    std::string_view Einheit;
    std::string_view Bezeichnung;
    double (*Wert)(const TVariantenErgebnis&);
};
std::span<const TStudienKennwert> StudienKennwerte();
const TStudienKennwert* StudienKennwert(std::string_view name);

// A Pareto front of the study: the most useful energy (EnergieNutzbar) for the least of a cost
// figure. The marks are the last columns of the study's table, in this order.
struct TParetoAchse {
    std::string_view Name;   // the column of the mark
    std::string_view Kosten; // a figure of StudienKennwerte()
    bool TVariantenErgebnis::*Marke;
};
std::span<const TParetoAchse> ParetoAchsen();
inline constexpr std::string_view EnergieKennwert = "EnergieNutzbar";

// The admissible variants no other beats in both: more useful energy at no more cost, or less
// cost at no less energy; variants equal in both stand or fall together. Kept online, one
// variant at a time, so a study never has to hold its variants to know the front: the set
// holds only the current front, and the order of Aufnehmen does not change it.
class TParetoFront {
public:
    struct TPunkt {
        std::size_t Nummer;
        double Kosten;
        double Energie;
    };
    void Aufnehmen(std::size_t nummer, double kosten, double energie);
    const std::vector<TPunkt>& Punkte() const { return Front; }
    bool Enthaelt(std::size_t nummer) const;

private:
    std::vector<TPunkt> Front;
};

// The conditions and every front of ParetoAchsen() over the variants as they come.
class TStudienBewertung {
public:
    explicit TStudienBewertung(const std::vector<TBedingung>& bedingungen);
    // Sets v.Verletzt; a variant that keeps every condition enters the fronts.
    void Aufnehmen(std::size_t nummer, TVariantenErgebnis& v);
    // The same from a table's row: the costs in the order of ParetoAchsen().
    void Aufnehmen(std::size_t nummer, std::span<const double> kosten, double energie);
    const std::vector<TParetoFront>& Fronten() const { return FrontenListe; }

private:
    std::vector<TBedingung> Bedingungen;
    std::vector<TParetoFront> FrontenListe;
};

struct TStudienRueckmeldung;

// Every variant's parameter set through ParameterPruefen before anything runs: one message per
// refused variant, "Variante 12 (DRohr=0, AnzahlRohre=3): ...", at most grenze of them. With a
// rueckmeldung, Fertig counts the checked variants and Abbruch ends the check early (the
// variants not reached are then neither checked nor named).
std::vector<std::string> StudiePruefen(const TStudie& studie, const TWetterJahr& wetter,
                                       unsigned faeden, std::size_t grenze,
                                       const TStudienRueckmeldung& rueckmeldung);
std::vector<std::string> StudiePruefen(const TStudie& studie, const TWetterJahr& wetter,
                                       unsigned faeden, std::size_t grenze = 20);

struct TStudienRueckmeldung {
    // the number of variants finished so far; written by the workers
    std::atomic<std::size_t>* Fertig = nullptr;
    // true stops every worker at its next hour; finished variants stay
    const std::atomic<bool>* Abbruch = nullptr;
    // called in the worker's thread after each finished variant, with its context
    std::function<void(std::size_t nummer, const TKontext& k)> NachVariante;
};

// Runs every variant on faeden worker threads (0: one per core). ergebnis gets one entry per
// variant; a cancelled study leaves the unfinished ones with Berechnet false. Conditions and the
// Pareto marks are set for the finished variants.
void StudieRechnen(const TStudie& studie, const TWetterJahr& wetter, const TStundenFeld* fahrplan,
                   unsigned faeden, std::vector<TVariantenErgebnis>& ergebnis,
                   const TStudienRueckmeldung& rueckmeldung = {});

// The same for the variants of ergebnis (one entry per variant) that are not Berechnet, the
// others kept as they are: a cancelled study continued ends with what it would have given
// uninterrupted. Throws TStudienFehler when ergebnis does not have the study's size.
void StudieFortsetzen(const TStudie& studie, const TWetterJahr& wetter,
                      const TStundenFeld* fahrplan, unsigned faeden,
                      std::vector<TVariantenErgebnis>& ergebnis,
                      const TStudienRueckmeldung& rueckmeldung = {});

// The variants numbered Anfang, Anfang + Schritt, ... (Anzahl of them) of a study: the whole
// study, an interleaved part of it, or the rest of one.
struct TVariantenFolge {
    std::size_t Anfang = 0;
    std::size_t Schritt = 1;
    std::size_t Anzahl = 0;
};

// Runs the variants of folge on faeden worker threads and hands each result to geordnet in the
// order of folge, one call at a time (under a lock, in whichever worker filled the gap). A
// finished variant is held back only until the ones before it are done, and a worker does not
// start a variant more than a few threads' worth ahead of the last one handed on, so memory
// does not grow with the study. A cancel or fault stops the workers; results held back behind
// an unfinished variant are dropped, so what was handed on is always a prefix of folge.
void StudieStroemen(const TStudie& studie, const TWetterJahr& wetter, const TStundenFeld* fahrplan,
                    unsigned faeden, const TVariantenFolge& folge,
                    const std::function<void(std::size_t nummer, TVariantenErgebnis& v)>& geordnet,
                    const TStudienRueckmeldung& rueckmeldung = {});

// The conditions and both Pareto fronts over the finished variants that keep every condition.
void StudieBewerten(const std::vector<TBedingung>& bedingungen,
                    std::vector<TVariantenErgebnis>& ergebnis);

} // namespace kov
