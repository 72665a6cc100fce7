#include "ui/grafik_zeichnung.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace kov {
namespace {

constexpr double Massstab = 0.8;

QImage LeeresBild(Qt::GlobalColor farbe = Qt::white) {
    QImage bild(632, 440, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

void MonatsAchsen(QImage& bild, int tage) {
    Achsen(bild, Massstab, QStringLiteral("Januar"),
           QStringLiteral("Ein- und Austrittstemperaturen Erdregister"), 0, tage, -15, 35,
           QStringLiteral("Tage"), QStringLiteral("Temperatur [°C]"), 0);
}

bool IstFarbe(const QImage& bild, int x, int y, Qt::GlobalColor farbe) {
    return bild.pixel(x, y) == QColor(farbe).rgb();
}

TEST(GrafikZeichnung, PixelAbbildung) {
    struct TFall {
        double Lage;
        bool Waagrecht;
        int Pixel;
    };
    const TFall faelle[] = {{0.3, true, 190},   {0.95, true, 600},  {0.29, true, 183},
                            {0.9, true, 569},   {0.01, true, 6},    {0.2, true, 126},
                            {0.21, true, 133},  {0.99, true, 626},  {0.1, false, 396},
                            {0.9, false, 44},   {0.11, false, 392}, {0.09, false, 400},
                            {0.01, false, 436}, {0.99, false, 4},   {0.5, false, 220}};
    for (const TFall& f : faelle)
        EXPECT_EQ(f.Waagrecht ? PixelX(f.Lage, Massstab) : PixelY(f.Lage, Massstab), f.Pixel)
            << (f.Waagrecht ? "x = " : "y = ") << f.Lage;
    // a diverged value maps far outside the bitmap instead of overflowing
    EXPECT_LT(PixelY(1e300, Massstab), -100000);
    EXPECT_GT(PixelX(1e300, Massstab), 100000);
    EXPECT_LT(PixelX(std::numeric_limits<double>::quiet_NaN(), Massstab), 0);
}

TEST(GrafikZeichnung, AchsenBeschriftungen) {
    struct TFall {
        const char* Name;
        double Min, Max;
        int Dezimalen;
        std::vector<std::string> Erwartet;
    };
    const TFall faelle[] = {
        {"Januar", 0, 31, 0, {" 0", " 3", " 6", " 9", "12", "16", "19", "22", "25", "28", "31"}},
        {"Februar", 0, 28, 0, {" 0", " 3", " 6", " 8", "11", "14", "17", "20", "22", "25", "28"}},
        {"April", 0, 30, 0, {" 0", " 3", " 6", " 9", "12", "15", "18", "21", "24", "27", "30"}},
        {"Temperatur",
         -15,
         35,
         0,
         {"-15", "-10", "-5", " 0", " 5", "10", "15", "20", "25", "30", "35"}},
        {"eine Dezimale",
         0,
         1,
         1,
         {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}},
    };
    for (const TFall& f : faelle)
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(AchsenBeschriftung(f.Min, f.Max, i, f.Dezimalen).toStdString(),
                      f.Erwartet[static_cast<std::size_t>(i)])
                << f.Name << ", Marke " << i;
}

TEST(GrafikZeichnung, AchsenUndGitterLiegenAufDenPixeln) {
    QImage bild = LeeresBild();
    MonatsAchsen(bild, 31);
    for (int x = 190; x <= 600; ++x)
        ASSERT_TRUE(IstFarbe(bild, x, 396, Qt::black)) << "Zeitachse, Spalte " << x;
    for (int y = 44; y <= 396; ++y)
        ASSERT_TRUE(IstFarbe(bild, 190, y, Qt::black)) << "Temperaturachse, Zeile " << y;
    // the top grid line from 0.29 on; further right the subtitle's background covers it
    for (int x = 183; x < 300; ++x)
        ASSERT_TRUE(IstFarbe(bild, x, 44, Qt::black)) << "oberste Gitterlinie, Spalte " << x;
    // the grid ends at 0.9 (column 569), the time axis at 0.95 (column 600)
    EXPECT_TRUE(IstFarbe(bild, 569, 361, Qt::black));
    EXPECT_TRUE(IstFarbe(bild, 580, 361, Qt::white));
    EXPECT_TRUE(IstFarbe(bild, 183, 361, Qt::black));
    EXPECT_TRUE(IstFarbe(bild, 181, 361, Qt::white));
    // ticks from 0.09 to 0.11 at every tenth of the time axis
    for (int i = 0; i <= 10; ++i) {
        const int x = PixelX(0.3 + 0.065 * i, Massstab);
        EXPECT_TRUE(IstFarbe(bild, x, 399, Qt::black)) << "Marke " << i;
        EXPECT_TRUE(IstFarbe(bild, x, 392, Qt::black)) << "Marke " << i;
    }
    // inside the plot between two grid lines stays white
    EXPECT_TRUE(IstFarbe(bild, 400, 300, Qt::white));
}

TEST(GrafikZeichnung, AchsenLoeschenDieVorigeGrafikInBeidenFeldern) {
    QImage bild = LeeresBild(Qt::green);
    MonatsAchsen(bild, 30);
    EXPECT_TRUE(IstFarbe(bild, 60, 200, Qt::white)) << "Feld hinter den Knöpfen";
    EXPECT_TRUE(IstFarbe(bild, 400, 300, Qt::white)) << "Zeichenfeld";
    EXPECT_TRUE(IstFarbe(bild, 6, 200, Qt::black)) << "Rahmen links";
    EXPECT_TRUE(IstFarbe(bild, 125, 200, Qt::black)) << "Rahmen des ersten Felds rechts";
    EXPECT_TRUE(IstFarbe(bild, 133, 200, Qt::black)) << "Rahmen des Zeichenfelds links";
    EXPECT_TRUE(IstFarbe(bild, 400, 4, Qt::black)) << "Rahmen oben";
    // outside the panels the bitmap keeps what it had
    EXPECT_TRUE(IstFarbe(bild, 129, 200, Qt::green)) << "Spalt zwischen den Feldern";
    EXPECT_TRUE(IstFarbe(bild, 2, 2, Qt::green)) << "Ecke";
    EXPECT_TRUE(IstFarbe(bild, 630, 438, Qt::green)) << "Ecke unten rechts";
}

TEST(GrafikZeichnung, KurvenVonDerStundeVorMonatsbeginnBisZurLetztenStunde) {
    auto reihen = std::make_unique<TStundenReihen>();
    const int h0 = 745; // February, 672 hours
    const int n = 672;
    for (int h = h0; h < h0 + n; ++h) {
        reihen->Tein[static_cast<std::size_t>(h)] = 10.0; // row 220
        reihen->Taus[static_cast<std::size_t>(h)] = 30.0; // row 79
    }
    reihen->Tein[h0 - 1] = 35.0;      // the first point: row 44
    reihen->Tein[h0 - 1 + n] = -15.0; // the last point: row 396
    reihen->Taus[h0 - 1] = 30.0;
    reihen->Tein[h0 + n] = 0.0; // March, not part of February's curve
    QImage bild = LeeresBild();
    ZeichneGrafik(bild, Massstab, *reihen, h0, n, 35, -15);

    EXPECT_TRUE(IstFarbe(bild, 190, 44, Qt::blue)) << "erster Punkt des Eintritts";
    EXPECT_TRUE(IstFarbe(bild, 600, 396, Qt::blue)) << "letzter Punkt des Eintritts";
    EXPECT_TRUE(IstFarbe(bild, 400, 220, Qt::blue));
    EXPECT_FALSE(IstFarbe(bild, 188, 220, Qt::blue)) << "nichts links der Temperaturachse";
    EXPECT_TRUE(IstFarbe(bild, 190, 79, Qt::red) || IstFarbe(bild, 190, 78, Qt::red))
        << "erster Punkt des Austritts";
    int rot = 0;
    int blau = 0;
    for (int y = 0; y < bild.height(); ++y) {
        rot += IstFarbe(bild, 400, y, Qt::red) ? 1 : 0;
        blau += IstFarbe(bild, 400, y, Qt::blue) ? 1 : 0;
    }
    EXPECT_EQ(blau, 1) << "Eintritt mit Strichbreite 1";
    EXPECT_EQ(rot, 2) << "Austritt mit Strichbreite 2";
    for (int x = 602; x < bild.width(); ++x)
        ASSERT_TRUE(IstFarbe(bild, x, 220, Qt::white) && IstFarbe(bild, x, 396, Qt::white))
            << "Spalte " << x << ": die Kurven enden bei 0.95";
}

TEST(GrafikZeichnung, KurvenAusserhalbDerReihenZeichnenNichts) {
    auto reihen = std::make_unique<TStundenReihen>();
    reihen->Taus[8760] = std::numeric_limits<double>::quiet_NaN();
    const QImage leer = LeeresBild();
    struct TFall {
        int ErsteStunde;
        int Stunden;
    };
    for (const TFall f : {TFall{8017, 745}, TFall{0, 744}, TFall{1, 0}}) {
        QImage bild = leer;
        ZeichneGrafik(bild, Massstab, *reihen, f.ErsteStunde, f.Stunden, 35, -15);
        EXPECT_EQ(bild, leer) << f.ErsteStunde << " mit " << f.Stunden << " Stunden";
    }
    // an undefined temperature is drawn off the bitmap, not into it
    QImage bild = leer;
    ZeichneGrafik(bild, Massstab, *reihen, 8017, 744, 35, -15);
    EXPECT_TRUE(IstFarbe(bild, 400, 290, Qt::red) || IstFarbe(bild, 400, 289, Qt::red));
}

} // namespace
} // namespace kov
