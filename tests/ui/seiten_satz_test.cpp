// Setting text and tables on pages: wrapping, the shrunk font of a cell with a word too wide,
// page breaks between lines and rows with the heading row repeated, headings kept with what
// follows, and the same pages in the counting and the drawing pass.
#include "ui/seiten_satz.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

class SeitenSatz : public ::testing::Test {
protected:
    QImage Seite{800, 1000, QImage::Format_RGB32};
    QPainter Maler{&Seite};
    QFont Schrift = BerichtSchrift(9);
    double Zeile() { return QFontMetricsF(Schrift, &Seite).height(); }
};

TEST_F(SeitenSatz, TextWrapsAtWordsAndInsideAWordTooWide) {
    const QString kurz = QStringLiteral("Rohrlänge");
    const QString satz = QStringLiteral("Die Luft durchströmt sechs axiale Zellen von je acht "
                                        "Metern und tauscht Wärme mit der Rohrwand.");
    EXPECT_NEAR(TextHoehe(Maler, Schrift, 700, kurz), Zeile(), 0.5);
    EXPECT_NEAR(TextHoehe(Maler, Schrift, 700, satz), Zeile(), 0.5);
    const QFontMetricsF masse(Schrift, &Seite);
    // a third of the sentence's width: three or four lines, never a cut line
    const double drittel = masse.horizontalAdvance(satz) / 3;
    const double hoehe = TextHoehe(Maler, Schrift, drittel, satz);
    EXPECT_GE(std::lround(hoehe / Zeile()), 3);
    EXPECT_LE(std::lround(hoehe / Zeile()), 4);
    // a word wider than the space wraps inside it
    const QString wort(60, QLatin1Char('x'));
    const double breite = masse.horizontalAdvance(wort) / 2.5;
    EXPECT_EQ(std::lround(TextHoehe(Maler, Schrift, breite, wort) / Zeile()), 3);
}

TEST_F(SeitenSatz, CellWithAWordTooWideGetsASmallerFontBeforeItWraps) {
    const QFontMetricsF masse(Schrift, &Seite);
    const QString name = QStringLiteral("Stroemungsgeschwindigkeit");
    const double wort = masse.horizontalAdvance(name);
    const double polster = 2 * Zeile() / 5;
    const struct {
        const char* Fall;
        double Spalte;      // width of the cell
        bool OhneWortbruch; // fits at the table's font
        int Zeilen;         // lines of the row
    } faelle[] = {{"passt", wort + polster + 2, true, 1},
                  {"80 %: kleinere Schrift, eine Zeile", wort * 0.8 + polster, false, 1},
                  {"60 %: bei 75 % Schrift umgebrochen", wort * 0.6 + polster, false, 2}};
    for (const auto& f : faelle) {
        const QVector<TSpalte> spalten{{QString(), 0.5}, {QString(), 0.5}};
        const QVector<TTabellenZeile> zeilen{{{QStringLiteral("Name"), name}}};
        EXPECT_EQ(TabelleOhneWortbruch(Maler, Schrift, 2 * f.Spalte, spalten, zeilen),
                  f.OhneWortbruch)
            << f.Fall;
        const double hoehe =
            TabelleSetzen(Maler, Schrift, QRectF(0, 0, 2 * f.Spalte, 0), spalten, zeilen, false);
        // one line of the table's font and the padding; a smaller font's lines are lower
        const double zeilen_ = (hoehe - 2 * Zeile() / 5) / Zeile();
        if (f.Zeilen == 1)
            EXPECT_LE(zeilen_, 1.01) << f.Fall;
        else
            EXPECT_GT(zeilen_, 1.1) << f.Fall;
    }
}

TEST_F(SeitenSatz, PagesBreakBetweenLinesAndRowsTheSameWhenCountedAndDrawn) {
    const double zeile = Zeile();
    // 20 lines a page
    const QRectF spiegel(50, 50, 700, 20 * zeile + 0.5);
    QString text;
    for (int i = 1; i <= 50; ++i)
        text += QStringLiteral("Zeile %1\n").arg(i);
    text.chop(1);

    const auto setzen = [&](bool zeichnen, int& neueSeiten, QList<int>& fuesse) {
        TSeitenSatz satz(
            Maler, spiegel, zeichnen, [&] { ++neueSeiten; },
            [&](int seite) { fuesse.append(seite); });
        satz.Absatz(text, Schrift, 0); // 50 lines: pages 1, 2 and half of 3
        satz.Ueberschrift(QStringLiteral("Tabelle"), 9);
        QVector<TTabellenZeile> zeilen;
        for (int i = 1; i <= 40; ++i)
            zeilen.append({{QStringLiteral("Reihe %1").arg(i)}});
        satz.Tabelle({{QStringLiteral("Kopf"), 1.0}}, zeilen, Schrift, 0);
        return satz.Abschliessen();
    };
    int neueSeitenGezaehlt = 0, neueSeiten = 0;
    QList<int> fuesseGezaehlt, fuesse;
    const int gezaehlt = setzen(false, neueSeitenGezaehlt, fuesseGezaehlt);
    const int gezeichnet = setzen(true, neueSeiten, fuesse);
    EXPECT_EQ(gezaehlt, gezeichnet);
    EXPECT_EQ(neueSeitenGezaehlt, 0) << "counting starts no page";
    EXPECT_TRUE(fuesseGezaehlt.isEmpty());
    EXPECT_EQ(neueSeiten, gezeichnet - 1);
    QList<int> alle;
    for (int i = 1; i <= gezeichnet; ++i)
        alle.append(i);
    EXPECT_EQ(fuesse, alle);

    // rows of a table are a line and their padding; a page holds its heading row and n rows
    const double reihe = zeile * 1.4;
    const int jeSeite = static_cast<int>((spiegel.height() - reihe) / reihe);
    // page 3 holds lines 41..50 and the heading with the table's first rows
    const double rest = spiegel.height() - 10 * zeile;
    QFont fett = BerichtSchrift(9, true);
    const double ueberschrift = QFontMetricsF(fett, &Seite).height() + 2 / 25.4 * 96;
    const int aufSeite3 = static_cast<int>((rest - ueberschrift - reihe) / reihe);
    const int uebrig = 40 - aufSeite3;
    EXPECT_EQ(gezeichnet, 3 + (uebrig + jeSeite - 1) / jeSeite);
}

TEST_F(SeitenSatz, AHeadingAtTheFootOfAPageMovesToTheNext) {
    const double zeile = Zeile();
    const QRectF spiegel(50, 50, 700, 20 * zeile + 0.5);
    TSeitenSatz satz(Maler, spiegel, false, {}, {});
    QString text;
    for (int i = 1; i <= 17; ++i)
        text += QStringLiteral("Zeile\n");
    text.chop(1);
    satz.Absatz(text, Schrift, 0);
    EXPECT_NEAR(satz.Rest(), 3 * zeile, 1);
    satz.Ueberschrift(QStringLiteral("Kapitel"), 9);
    // the heading and four lines after it do not fit in three: next page
    EXPECT_LT(satz.Rest(), spiegel.height() - zeile);
    EXPECT_GT(satz.Rest(), spiegel.height() - 3 * zeile);
    EXPECT_EQ(satz.Abschliessen(), 2);
}

} // namespace
} // namespace kov
