#pragma once
// The result views of a run as Qt charts: the year's daily ranges with the ground temperature,
// the duration curves with the frost limit, the monthly energies with the fan electricity,
// and the condensate. The data comes computed from the evaluation (register/auswertung.h and
// the design figures); a chart only draws it. Fonts are set in pixels of the chart's own
// coordinates, so that a chart drawn into a larger picture or onto a page keeps its
// proportions.

#include "ablauf/auswertungs_lauf.h"

#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QLineSeries>
#include <QPointF>
#include <QString>
#include <QValueAxis>

#include <array>
#include <memory>

namespace kov {

enum class TAnsicht { Jahr, Dauerlinie, Energie, Kondensat, Kennwerte };
inline constexpr std::array<TAnsicht, 5> AlleAnsichten{TAnsicht::Jahr, TAnsicht::Dauerlinie,
                                                       TAnsicht::Energie, TAnsicht::Kondensat,
                                                       TAnsicht::Kennwerte};

// The tab caption, "Jahr" .. "Kennwerte".
QString AnsichtTitel(TAnsicht ansicht);
// The file name without suffix of the exported picture, "jahr" .. "kennwerte".
QString AnsichtDateiName(TAnsicht ansicht);
// False for the table of the design figures.
bool IstDiagramm(TAnsicht ansicht);

// A new chart of the view (not Kennwerte). schrift: pixel size of the tick labels; titles and
// legend are sized from it.
std::unique_ptr<QChart> DiagrammErzeugen(TAnsicht ansicht, const TAuswertung& auswertung,
                                         double schrift = 12);

// Month m (1..12) short ("Jan") and long ("Januar") in the interface's language.
QString MonatKurzName(int m);
QString MonatLangName(int m);

// A round step that divides 0..max into about five parts: 1, 2 or 5 times a power of ten.
double RunderSchritt(double max);
// A line series named name in farbe, breite wide, with flat ends.
QLineSeries* Linie(const QString& name, const QColor& farbe, double breite,
                   Qt::PenStyle stil = Qt::SolidLine);
// reihe into chart on the axes x and y
void Anhaengen(QChart& chart, QAbstractSeries* reihe, QAbstractAxis* x, QAbstractAxis* y);
// A value axis from min..max widened to whole steps of schritt, never an empty range.
QValueAxis* WertAchse(double min, double max, double schritt, const QString& titel, double schrift,
                      const char* format = "%.0f");
// The months 1..12 of werte as a bar set named name in farbe.
QBarSet* Balken(const QString& name, const QColor& farbe, const TMonatsFeld& werte);

// An empty chart in the look of the result views: white, square corners, no animation, the
// legend below; schrift as for DiagrammErzeugen.
std::unique_ptr<QChart> LeeresDiagramm(const QString& titel, double schrift = 12);
// Title, fonts and grid lines of an axis in the same look.
void AchseGestalten(QAbstractAxis* achse, const QString& titel, double schrift = 12);

// What the view shows at the position wert (in the chart's axis values) under the mouse:
// the day, hour rank or month and its values. Empty outside the data.
QString WertBeschreibung(TAnsicht ansicht, const TAuswertung& auswertung, QPointF wert);

} // namespace kov
