#include "symbol/symbol_zeichnen.h"
#include "ui/anwendung.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace kov {
namespace {

// Largest difference of one channel of one pixel. Qt's raster engine blends antialiased edges
// with the processor's vector units, which may round an edge pixel one level apart.
int GroessteAbweichung(const QImage& a, const QImage& b) {
    int groesste = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            groesste =
                std::max({groesste, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return groesste;
}

TEST(Symbol, GespeicherteBilderGleichenDerZeichnung) {
    for (const int groesse : SymbolGroessen) {
        const QImage gespeichert(QStringLiteral(":/bilder/kov_%1.png").arg(groesse));
        ASSERT_FALSE(gespeichert.isNull()) << groesse;
        EXPECT_EQ(gespeichert.size(), QSize(groesse, groesse));
        // after a change of the drawing: build/tools/symbol/symbol_erzeugen src/ui/bilder
        const QImage gezeichnet = SymbolZeichnen(groesse).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(gespeichert.size(), gezeichnet.size()) << groesse;
        EXPECT_LE(
            GroessteAbweichung(gespeichert.convertToFormat(QImage::Format_ARGB32), gezeichnet), 1)
            << "kov_" << groesse << ".png is not the drawing";
    }
}

TEST(Symbol, DasProgrammTraegtJedeGroesse) {
    const QList<QSize> groessen = ProgrammSymbol().availableSizes();
    for (const int groesse : SymbolGroessen)
        EXPECT_TRUE(groessen.contains(QSize(groesse, groesse))) << groesse;
}

} // namespace
} // namespace kov
