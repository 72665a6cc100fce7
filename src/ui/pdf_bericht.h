#pragma once
// The design report as a PDF document (A4, German): title with project, file and date, the
// inputs with the values that differ from the defaults marked, the weather source and its
// summary, the design figures, the year, duration-curve and energy charts as vector graphics,
// and a note on the method. Page numbers in the foot of every page.

#include "ablauf/auswertungs_lauf.h"

#include <QDate>
#include <QString>

namespace kov {

struct TBerichtKopf {
    QString Projektname;  // empty: the run's Projektname
    QString Projektdatei; // empty: the run had no project file
    QDate Datum;          // invalid: today
};

// Writes the report to datei atomically; returns its number of pages. Faults raise TDateiFehler
// naming the file.
int PdfBerichtSchreiben(const TAuswertung& auswertung, const TBerichtKopf& kopf,
                        const QString& datei);

} // namespace kov
