#include "symbol/symbol_zeichnen.h"
#include "ui/anwendung.h"

#include <QImage>

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Symbol, GespeicherteBilderGleichenDerZeichnung) {
    for (const int groesse : SymbolGroessen) {
        const QImage gespeichert(QStringLiteral(":/bilder/kov_%1.png").arg(groesse));
        ASSERT_FALSE(gespeichert.isNull()) << groesse;
        EXPECT_EQ(gespeichert.size(), QSize(groesse, groesse));
        // after a change of the drawing: build/tools/symbol/symbol_erzeugen src/ui/bilder
        EXPECT_EQ(gespeichert.convertToFormat(QImage::Format_ARGB32),
                  SymbolZeichnen(groesse).convertToFormat(QImage::Format_ARGB32))
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
