#pragma once
// A run for the result views and the design report: the inputs of the parameter set read as
// the classic run reads them (the built-in year or the previous report, the schedule), the
// year simulated on a context of its own, the results checked and the design figures formed.
// No file is written.

#include "ablauf/lauf_pruefung.h"
#include "files/wetter_info.h"
#include "register/bewertung.h"
#include "register/kennwerte.h"
#include "register/register_modell.h"
#include "register/register_text.h"

#include <memory>
#include <string>
#include <vector>

namespace kov {

// Where the weather of a run came from, for the report's weather section.
struct TWetterQuelle {
    std::string Bezeichnung; // one German line, "Eingebautes Auslegungsjahr (zurihour.dat)"
    std::string Text;        // the summary, lines ended by '\n'
};

// The source of the weather in the series of m: the built-in year, the hourly part of a
// previous report, or the site file info describes (given when the run read one).
TWetterQuelle WetterQuelleBeschreiben(const TModell& m, const TWetterInfo* standortDatei = nullptr);

// What the result views, the exports and the design report read of a finished run.
struct TAuswertung {
    // parameters with the derived fields, series, totals and working values of the run
    std::shared_ptr<const TModell> Modell;
    TKennwerte Kennwerte;
    TWetterQuelle Wetter;
    std::vector<std::string> Hinweise; // notes beyond faults (a schedule shorter than the year)
    // the files the run read and wrote, which no export of its results may replace
    std::vector<TDateiRolle> Dateien;
    TBewertung Bewertung; // costs and the design check of the run
    TRegisterAngaben RegisterAngaben;
    double Hoehe = 0.0; // m, the site's height the register model took its air pressure for
};

// The evaluation of the finished run held in k (a copy: k may run again).
TAuswertung AuswertungBilden(const TKontext& k, TWetterQuelle wetter);

// Reads the inputs (TDateiFehler naming the file): the previous report relative to ordner, the
// schedule and the site weather file relative to eingabeOrdner (a project's folder; empty:
// ordner); checks p against that weather (TParameterFehler with every message of
// ParameterPruefen, one per line), runs the year and checks its results (TParameterFehler).
TAuswertung AuswertungsLaufRechnen(const TRegisterParameter& p, const std::string& ordner = {},
                                   const std::string& eingabeOrdner = {});

} // namespace kov
