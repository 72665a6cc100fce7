#pragma once
// The charts of the ventilation unit behind the register and of any period of hours: the
// duration curves of the supply after heat recovery with and without the register, the
// frost-protection hours and the preheater energy per month, and the hourly temperatures of
// outdoor air, register outlet and supply. They are drawn from a finished run's series in the
// look of the other result views; they can be drawn into any painter and written as PNG or SVG.

#include "ablauf/auswertungs_lauf.h"

#include <QChart>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace kov {

// The supply after heat recovery of every hour in which the unit ran (its flow above 0), sorted
// from warm to cold: element n - 1 is the temperature that n running hours reach or exceed.
struct TZuluftDauerlinien {
    std::vector<double> MitRegister;  // °C
    std::vector<double> OhneRegister; // °C
};
TZuluftDauerlinien ZuluftDauerlinienBerechnen(const TModell& m);

// The three charts of the view "Anlage"; they are meaningful only with a unit (WRG).
std::unique_ptr<QChart> ZuluftDauerlinienDiagramm(const TAuswertung& a, double schrift = 12);
std::unique_ptr<QChart> FrostschutzDiagramm(const TAuswertung& a, double schrift = 12);
std::unique_ptr<QChart> VorheizDiagramm(const TAuswertung& a, double schrift = 12);

// The three charts of the view "Anlage" in their order on the screen.
enum class TAnlagenDiagramm { Dauerlinien, Frostschutz, Vorheizung };
// What the chart shows at the axis values wert under the mouse: the rank of the running hour
// or the month with the values without and with the register; empty outside the data.
QString AnlagenWertText(const TAuswertung& a, const TZuluftDauerlinien& d,
                        TAnlagenDiagramm diagramm, QPointF wert);

// What the view "Anlage" says instead of its charts for a run without a unit.
QString AnlageOhneWrgHinweis();

// Hours von..bis (1..8760, von <= bis) of outdoor air, register outlet and, with a unit, the
// supply after heat recovery, drawn only while the unit runs (a line for each run of hours with
// flow, named once in the legend); x is the hour of the year.
std::unique_ptr<QChart> StundenDiagramm(const TAuswertung& a, int von, int bis,
                                        double schrift = 12);
// The values of hour stunde as one German line, empty outside 1..8760.
QString StundenWertText(const TAuswertung& a, int stunde);
// "1. Januar bis 7. Januar (168 Stunden)"
QString ZeitraumText(int von, int bis);

// The view "Anlage" into ziel of maler: the duration curves above, the two monthly charts side
// by side below; without a unit its note. schrift as in AnsichtZeichnen, relative to the width.
void AnlageZeichnen(const TAuswertung& a, QPainter& maler, const QRectF& ziel,
                    double schrift = 1.0 / 80);
void StundenZeichnen(const TAuswertung& a, int von, int bis, QPainter& maler, const QRectF& ziel,
                     double schrift = 1.0 / 80);

} // namespace kov
