#pragma once
// Numbers in the views and tables in the interface's language, by the rule of the design report
// (ui/bericht_format.h): German views write a decimal comma and group from five digits with a
// narrow no-break space (12 345,6); other languages keep the point and the ungrouped digits the
// report file and kov-run write. Edit fields and files are not touched by this.

#include <QString>

namespace kov {

// Fixed point with `dezimalen` digits after the decimal sign; "-0" is shown as "0".
QString ZahlAnsicht(double wert, int dezimalen);
// A number as the core writes it ("-1234.5", "20") in the interface's format; any other text
// ("–", "12.5 °C", "nicht berechnet") comes back unchanged.
QString ZahlTextAnsicht(const QString& text);
// The numbers standing alone in a sentence ("übliche Praxis: 0.8 m") in the interface's format;
// dates, versions and lists like "0.1:25;0.15:35" stay as they are.
QString ZahlenAnsicht(const QString& text);
// A quantity as the design check writes it, a number with an optional comparison before and a
// unit after it ("≤ 3.00 m/s", "27.0 Pa"), with its number in the interface's format.
QString GroesseTextAnsicht(const QString& text);

} // namespace kov
