#pragma once
// The program without a window, for scripts and tests: runs a project and writes the PDF
// design report, the pictures of every view and the hourly CSV.
//
//   kov --bericht PROJEKT [AUSGABE.pdf] [--bilder ORDNER] [--groesse BREITExHOEHE]
//       [--csv DATEI] [--dezimalkomma]
//
// PROJEKT is a project file (.kov) or "-" for the default parameter set. A project's schedule
// and weather file are read beside it, a previous report to read the weather from in the
// working directory.

#include "files/stunden_csv.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <ostream>
#include <stdexcept>

namespace kov {

struct TKopflosAufruf {
    QString Projekt;
    QString Pdf;    // empty: no report
    QString Bilder; // empty: no pictures
    QString Csv;    // empty: no table
    QSize Groesse{1600, 1000};
    TDezimalZeichen Zeichen = TDezimalZeichen::Punkt;
};

// A command line kov cannot carry out; what() is the German message.
class TKopflosFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True when the arguments (without the program name) ask for the program without a window.
bool KopflosGewuenscht(const QStringList& argumente);
// Reads the arguments; throws TKopflosFehler.
TKopflosAufruf KopflosAufrufLesen(const QStringList& argumente);
// The usage text, lines ended by '\n'.
std::string KopflosHilfe();

// Runs and writes what the call asks for, reporting each file written to aus and notes and
// faults to fehler. Exit status: 0 done, 1 a fault of a file or of the run, 2 a project file or
// a parameter set that is refused (nothing written).
int KopflosAusfuehren(const TKopflosAufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace kov
