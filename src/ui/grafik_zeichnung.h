#pragma once
// The month chart on the off-screen bitmap. Positions are fractions of a virtual 790 x 550
// page, x from the left and y from the bottom, scaled by Massstab to bitmap pixels.

#include "model/modell.h"

#include <QImage>
#include <QString>

namespace kov {

int PixelX(double x, double massstab);
int PixelY(double y, double massstab);

// Label i (0..10) of an axis running from min to max, with the given decimals, right-aligned
// to two characters (longer numbers are not cut).
QString AchsenBeschriftung(double min, double max, int i, int dezimalen);

// Erases the chart and draws both panels, the axes with ticks, grid lines and labels, and
// the title, subtitle, axis texts and credit line.
void Achsen(QImage& bild, double massstab, const QString& titel, const QString& untertitel,
            double xMin, double xMax, double yMin, double yMax, const QString& xText,
            const QString& yText, int dezimalen);

// Inlet (blue) and outlet (red) temperature of `stunden` hours from ersteStunde on, as
// polylines of stunden + 1 points from the value of the hour before ersteStunde on.
void ZeichneGrafik(QImage& bild, double massstab, const TStundenReihen& reihen, int ersteStunde,
                   int stunden, double yMax, double yMin);

} // namespace kov
