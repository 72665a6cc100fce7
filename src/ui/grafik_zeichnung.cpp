#include "ui/grafik_zeichnung.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>

namespace kov {

namespace {

constexpr double SeitenBreite = 790.0;
constexpr double SeitenHoehe = 550.0;

// Keeps a wild value (a diverged temperature, NaN) from overflowing the pixel conversion;
// such points land far outside the bitmap and are cut off by its edges.
double Begrenzen(double wert) {
    constexpr double Grenze = 1.0e6;
    if (!(wert > -Grenze)) return -Grenze;
    if (!(wert < Grenze)) return Grenze;
    return wert;
}

// Drawing in page fractions with the pen and brush state of the chart. Lines are drawn
// without antialiasing, so every stroke lands on whole pixels.
class TZeichenflaeche {
public:
    TZeichenflaeche(QImage& bild, double massstab) : Maler(&bild), Massstab(massstab) {
        Maler.setRenderHint(QPainter::Antialiasing, false);
        QFont schrift = Maler.font();
        schrift.setPixelSize(12);
        Maler.setFont(schrift);
        StiftSetzen(Qt::black, 1);
        PinselSetzen(Qt::white);
    }

    void StiftSetzen(const QColor& farbe, int breite) {
        QPen stift(farbe, breite);
        // wide strokes end round, so the joints of the curves close without gaps
        stift.setCapStyle(breite > 1 ? Qt::RoundCap : Qt::SquareCap);
        stift.setJoinStyle(Qt::RoundJoin);
        Maler.setPen(stift);
    }
    void PinselSetzen(const QColor& farbe) {
        PinselFarbe = farbe;
        Maler.setBrush(farbe);
    }

    int X(double x) const { return PixelX(x, Massstab); }
    int Y(double y) const { return PixelY(y, Massstab); }

    // Filled and outlined; the right and bottom pixel row of the corner points stay outside.
    void Rechteck(double x1, double y1, double x2, double y2) {
        const int links = std::min(X(x1), X(x2));
        const int rechts = std::max(X(x1), X(x2));
        const int oben = std::min(Y(y1), Y(y2));
        const int unten = std::max(Y(y1), Y(y2));
        Maler.drawRect(QRect(links, oben, rechts - links - 1, unten - oben - 1));
    }

    void Linie(double x1, double y1, double x2, double y2) {
        Maler.drawLine(X(x1), Y(y1), X(x2), Y(y2));
    }

    // The point is the top-left corner of the text; the background is the brush colour.
    void Text(double x, double y, const QString& text) {
        const QFontMetrics masse(Maler.font());
        const int links = X(x);
        const int oben = Y(y);
        Maler.fillRect(QRect(links, oben, masse.horizontalAdvance(text), masse.height()),
                       PinselFarbe);
        const QPen stift = Maler.pen();
        Maler.setPen(Qt::black);
        Maler.drawText(links, oben + masse.ascent(), text);
        Maler.setPen(stift);
    }

    void Polylinie(const QPolygon& punkte) { Maler.drawPolyline(punkte); }

private:
    QPainter Maler;
    double Massstab;
    QColor PinselFarbe;
};

} // namespace

int PixelX(double x, double massstab) {
    return static_cast<int>(Begrenzen(x * massstab * SeitenBreite + 0.5));
}

int PixelY(double y, double massstab) {
    return static_cast<int>(Begrenzen((1 - y) * massstab * SeitenHoehe + 0.5));
}

QString AchsenBeschriftung(double min, double max, int i, int dezimalen) {
    const double wert = min + (max - min) * i / 10;
    return QString::number(wert, 'f', dezimalen).rightJustified(2, QLatin1Char(' '));
}

void Achsen(QImage& bild, double massstab, const QString& titel, const QString& untertitel,
            double xMin, double xMax, double yMin, double yMax, const QString& xText,
            const QString& yText, int dezimalen) {
    TZeichenflaeche f(bild, massstab);
    f.PinselSetzen(Qt::white);
    f.StiftSetzen(Qt::black, 1);
    f.Rechteck(0.01, 0.01, 0.2, 0.99);
    f.Rechteck(0.21, 0.01, 0.99, 0.99);

    f.StiftSetzen(Qt::black, 2);
    f.Linie(0.3, 0.1, 0.95, 0.1);
    f.Linie(0.3, 0.1, 0.3, 0.9);

    f.StiftSetzen(Qt::black, 1);
    for (int i = 0; i <= 10; ++i) {
        f.Linie(0.3 + 0.065 * i, 0.09, 0.3 + 0.065 * i, 0.11);
        f.Text(0.29 + 0.065 * i, 0.08, AchsenBeschriftung(xMin, xMax, i, dezimalen));
        // the grid stops short of the time axis' end
        f.Linie(0.29, 0.1 + 0.08 * i, 0.9, 0.1 + 0.08 * i);
        f.Text(0.23, 0.115 + 0.08 * i, AchsenBeschriftung(yMin, yMax, i, dezimalen));
    }

    f.Text(0.6, 0.96, titel);
    f.Text(0.5, 0.92, untertitel);
    f.Text(0.85, 0.16, xText);
    f.Text(0.23, 0.97, yText);
    f.Text(0.22, 0.04,
           QCoreApplication::translate("kov::TForm1",
                                       "KOV 1.2 - Erdregister, Stundenwerte des Auslegungsjahres"));
}

void ZeichneGrafik(QImage& bild, double massstab, const TStundenReihen& reihen, int ersteStunde,
                   int stunden, double yMax, double yMin) {
    if (ersteStunde < 1 || stunden < 1 || ersteStunde - 1 + stunden > StundenImJahr) return;
    TZeichenflaeche f(bild, massstab);
    const auto kurve = [&](const TStundenFeld& reihe) {
        QPolygon punkte(stunden + 1);
        for (int j = 0; j <= stunden; ++j) {
            const double u = 0.65 / stunden * j + 0.3;
            const double v = (reihe[static_cast<std::size_t>(ersteStunde - 1 + j)] - yMin) /
                                 (yMax - yMin) * 0.8 +
                             0.1;
            punkte.setPoint(j, f.X(u), f.Y(v));
        }
        return punkte;
    };
    f.StiftSetzen(Qt::blue, 1);
    f.Polylinie(kurve(reihen.Tein));
    f.StiftSetzen(Qt::red, 2);
    f.Polylinie(kurve(reihen.Taus));
    f.StiftSetzen(Qt::black, 1);
}

} // namespace kov
