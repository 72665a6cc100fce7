#pragma once
// The design report as a PDF document (A4): on the first page the project, its site and
// climate, the design in one table, the statement of the design check, the key figures and the
// costs; then the check rule by rule, the design figures, the costs with their assumptions, the
// ventilation unit, the model of the run, the weather, the climate check, the charts as vector
// graphics and the inputs as an appendix, changed values first. Page numbers in the foot of every
// page. Every text is translatable (context "PdfBericht"); numbers follow the locale of the header.

#include "ablauf/auswertungs_lauf.h"
#include "ablauf/klima_check.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kov {

struct TBerichtKopf {
    QString Projektname;  // empty: the run's Projektname
    QString Projektdatei; // empty: the run had no project file
    QDate Datum;          // invalid: today
    // decimal sign of every number; digits grouped by a narrow no-break space either way
    QLocale Zahlenformat{QLocale::German};
    // a page with the variant the study chose and why (rank, Pareto front, conditions met),
    // lines of text; empty: none
    QStringList Variantenbegruendung;
    // the climate check of the run's region when the caller already holds it (the evaluation
    // window); empty: a run on a built-in climate has it computed by the report
    std::vector<TKlimaCheckJahr> KlimaCheck;
};

// The 168 hours (von, bis; 1..8760) around the run's coldest outdoor hour, within the year: the
// week the report's hourly chart of the ventilation unit shows.
std::pair<int, int> KaeltesteWoche(const TAuswertung& a);

// Writes the report to datei atomically; returns its number of pages. Faults raise TDateiFehler
// naming the file.
int PdfBerichtSchreiben(const TAuswertung& auswertung, const TBerichtKopf& kopf,
                        const QString& datei);

} // namespace kov
