#pragma once
// Numbers and file names as the design report and the views print them. One rule for every
// number: the decimal sign of the locale, and from five digits before it on the digits grouped
// in threes by a narrow no-break space (U+202F, "12 345,6"; four-digit numbers and years stay
// whole, and a group never parts at a line end). The C locale is the machine form that the
// report file and kov-run write: a point and no groups. File names relative to the project.

#include <QLocale>
#include <QString>

namespace kov {

inline constexpr QChar SchmalesLeerzeichen(0x202F);

// wert with dezimalen places in the locale's form, "-0" shown as "0".
QString BerichtZahl(const QLocale& ort, double wert, int dezimalen);

// The numbers of a text written with decimal points ("2.36 m/s", "<= 50.0 Pa", "18148.2") in
// the locale's form. Dates, versions and names ("07.03.2024", "2.0.0", "TRY2015") stay as they
// are: only a number standing alone is changed.
QString ZahlenOertlich(const QLocale& ort, const QString& text);

// A file as the report names it: relative to the project's folder when it lies inside it, its
// bare name otherwise (also for a relative path leading above the folder); never an absolute
// path. projektOrdner empty: no project.
QString BerichtDateiName(const QString& pfad, const QString& projektOrdner);

} // namespace kov
