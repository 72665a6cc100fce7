#pragma once
// One way from a project to a run: the gatherer reads and checks everything a run needs (the
// weather year, the schedule, the places of the run's files) once, and every caller (kov-run,
// its variant study, kov --bericht, the window's run, the evaluation, the live figures) runs from
// what it gathered. What it returns is read-only afterwards and may be shared between threads.

#include "ablauf/auswertungs_lauf.h"
#include "ablauf/lauf_pruefung.h"
#include "files/wetter_info.h"
#include "model/fehler.h"
#include "model/modell.h"
#include "model/wetter_jahr.h"
#include "register/lauf.h"

#include <memory>
#include <string>
#include <vector>

namespace kov {

// Where the files of a run are. A project names its weather file and schedule relative to its
// own folder (ProjektOrdner); the report and the scratch file go to ArbeitsOrdner (kov-run -C,
// else the project's folder). Empty: the working directory; an empty ProjektOrdner means
// ArbeitsOrdner. ProjektDatei is the project file the parameters were read from, which no file
// of the run may replace.
struct TLaufOrte {
    std::string ArbeitsOrdner;
    std::string ProjektOrdner;
    std::string ProjektDatei = {};
};

// What a run is for: the classic run writes its report, so its files must not be one another;
// a calculation writes nothing (evaluation, live figures); a study reads the inputs once and
// checks each of its variants itself.
enum class TLaufZweck { Bericht, Rechnung, Studie };

// The inputs of a run that are read from files.
enum class TEingabeArt { Wetterdatei, Fahrplan, VorigerBericht };

// An input file of the run that cannot be read; the fault of the reader, with which input it was.
class TEingabeFehler : public TDateiFehler {
public:
    TEingabeFehler(const TDateiFehler& fehler, TEingabeArt art) : TDateiFehler(fehler), Art(art) {}
    TEingabeArt Art;
};

// A parameter set the check refuses; what() holds every message, one per line.
class TLaufAbgelehnt : public TParameterFehler {
public:
    explicit TLaufAbgelehnt(std::vector<std::string> meldungen);
    std::vector<std::string> Meldungen;
};

// Everything a run needs, gathered by LaufDatenSammeln.
struct TLaufDaten {
    TRegisterParameter Parameter; // as given: no run writes into it
    TLaufOrte Orte;
    std::shared_ptr<const TWetterJahr> Wetter;     // never null
    std::shared_ptr<const TWetterInfo> WetterInfo; // the site file's summary; null for other years
    std::shared_ptr<const TStundenFeld> Fahrplan;  // hourly relative flow with FahrplanGelesen
    std::vector<std::string> Hinweise;             // notes beyond faults (a short schedule)
    std::string Bericht;                           // the report's path
    std::string Hilfsdatei;                        // the scratch file's path
};

// Reads and checks the inputs of a run of p: the site weather file first (the check probes the
// model with its year), then the check (TLaufAbgelehnt; for a report also that no two files of
// the run are one file), then the schedule or the previous report (TEingabeFehler naming file
// and line). Nothing is written.
TLaufDaten LaufDatenSammeln(const TRegisterParameter& p, const TLaufOrte& orte,
                            TLaufZweck zweck = TLaufZweck::Bericht);

// The files a run of p reads, with their roles: the project file, the site weather file, the
// schedule and the previous report, as far as p reads them. Nothing is read.
std::vector<TDateiRolle> LaufEingaben(const TRegisterParameter& p, const TLaufOrte& orte);

// Every file of a run of p that a file written beside the run (a saved project, an exported
// view, the PDF report) must not replace: the inputs of LaufEingaben, then the report and the
// scratch file in orte.ArbeitsOrdner. Nothing is read.
std::vector<TDateiRolle> LaufDateien(const TRegisterParameter& p, const TLaufOrte& orte);

// The files that saving the project p into zielOrdner must not replace: those of its run from
// eingabeOrdner (the project file itself excepted: a project is saved over itself), and the
// report and scratch file its next run writes beside the saved file.
std::vector<TDateiRolle> BeimSpeichernGeschuetzt(const TRegisterParameter& p,
                                                 const std::string& eingabeOrdner,
                                                 const std::string& zielOrdner);

// The same set of inputs with other parameters that read the same files (a study's variant).
// The weather and schedule are shared, not copied.
TLaufDaten LaufDatenMitParametern(const TLaufDaten& basis, const TRegisterParameter& p);

// The run on a context of the caller's: the year simulated from the gathered inputs; k holds
// the series, totals and working values afterwards. No file is touched.
TLaufStatus LaufRechnen(const TLaufDaten& daten, TKontext& k,
                        const TLaufRueckmeldung& rueckmeldung = {});

// The classic run: the run, its results checked, then the report (and the scratch copies of the
// classic sequence) written atomically. A cancelled or failed run writes nothing; the previous
// report stays as it was. Throws TDateiFehler / TParameterFehler.
TLaufStatus BerichtsLaufAusfuehren(const TLaufDaten& daten, TKontext& k,
                                   const TLaufRueckmeldung& rueckmeldung = {});

// The result views' evaluation of a finished run on k.
TAuswertung LaufAuswerten(const TLaufDaten& daten, const TKontext& k);

} // namespace kov
