// Pictures of the views: PNG and SVG at the size asked for, every view into a folder, the
// Kennwerte table drawn at small and large sizes, and faults that name the file and leave an
// old file whole.
#include "ui/ansicht_export.h"

#include "auswertungs_hilfen.h"
#include "datei_fehler_hilfen.h"
#include "test_hilfen.h"

#include <QImage>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

// the share of pixels that are not white
double Bedeckt(const QImage& bild) {
    long farbig = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2)
            if (bild.pixel(x, y) != qRgb(255, 255, 255)) ++farbig;
    return static_cast<double>(farbig) / ((bild.width() / 2) * (bild.height() / 2));
}

TEST(AnsichtExport, EveryViewAsPngAndSvgOfTheRequestedSize) {
    test::TArbeitsVerzeichnis ort;
    const TAuswertung& a = *test::StandardAuswertung();
    for (const QSize groesse : {QSize(1600, 1000), QSize(640, 400), QSize(400, 700)}) {
        for (const TAnsicht ansicht : AlleAnsichten) {
            const std::string fall = AnsichtTitel(ansicht).toStdString() + " " +
                                     std::to_string(groesse.width()) + "x" +
                                     std::to_string(groesse.height());
            AnsichtSpeichern(ansicht, a, QStringLiteral("bild.png"), groesse);
            const QImage png(QStringLiteral("bild.png"));
            EXPECT_EQ(png.size(), groesse) << fall;
            // a chart or table was drawn, not an empty page; the built-in year has no
            // humidity data, so its condensate chart is axes and a title saying so
            if (ansicht != TAnsicht::Kondensat || a.Kennwerte.KondensatBekannt) {
                EXPECT_GT(Bedeckt(png), 0.02) << fall;
            }

            AnsichtSpeichern(ansicht, a, QStringLiteral("bild.SVG"), groesse);
            QSvgRenderer svg(QStringLiteral("bild.SVG"));
            ASSERT_TRUE(svg.isValid()) << fall;
            EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), groesse)) << fall;
        }
    }
    // the texts are text in the SVG: axis titles and the table's labels
    AnsichtSpeichern(TAnsicht::Jahr, a, QStringLiteral("jahr.svg"));
    EXPECT_NE(test::DateiInhalt("jahr.svg").find("Temperatur [°C]"), std::string::npos);
    AnsichtSpeichern(TAnsicht::Kennwerte, a, QStringLiteral("kennwerte.svg"));
    EXPECT_NE(test::DateiInhalt("kennwerte.svg").find("Druckverlust gesamt"), std::string::npos);
}

TEST(AnsichtExport, AllViewsIntoAFolder) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("bilder");
    const QStringList dateien =
        AlleAnsichtenSpeichern(*test::StandardAuswertung(), QStringLiteral("bilder"), {320, 200});
    EXPECT_EQ(dateien,
              (QStringList{"bilder/jahr.png", "bilder/jahr.svg", "bilder/dauerlinie.png",
                           "bilder/dauerlinie.svg", "bilder/energie.png", "bilder/energie.svg",
                           "bilder/kondensat.png", "bilder/kondensat.svg", "bilder/kennwerte.png",
                           "bilder/kennwerte.svg"}));
    EXPECT_EQ(test::OrdnerInhalt("bilder").size(), 10u);
    EXPECT_EQ(QImage(QStringLiteral("bilder/kondensat.png")).size(), QSize(320, 200));
}

TEST(AnsichtExport, FaultsNameTheFileAndKeepTheOldOne) {
    test::TArbeitsVerzeichnis ort;
    const TAuswertung& a = *test::StandardAuswertung();
    test::DateiSchreiben("alt.png", "alt");
    std::filesystem::create_directory("ordner.svg");
    const struct {
        const char* Datei;
        const char* Meldung;
    } faelle[] = {
        {"bild.gif",
         "Bilder werden als PNG oder SVG gespeichert (Endung .png oder .svg): bild.gif"},
        {"fehlt/jahr.png", "File not found: fehlt/jahr.png"},
        {"ordner.svg", "Keine gewöhnliche Datei, sondern ein Ordner: ordner.svg"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(test::FehlerMeldung(
                      [&] { AnsichtSpeichern(TAnsicht::Jahr, a, QString::fromUtf8(f.Datei)); }),
                  f.Meldung)
            << f.Datei;
    EXPECT_EQ(test::FehlerMeldung([&] {
                  AnsichtSpeichern(TAnsicht::Jahr, a, QStringLiteral("alt.png"), QSize(0, 10));
              }),
              "Die Bildgröße muss mindestens 1 × 1 Pixel sein: alt.png");
    EXPECT_EQ(test::DateiInhalt("alt.png"), "alt");
    // a picture that is written replaces the old file, no temporary file stays behind
    AnsichtSpeichern(TAnsicht::Energie, a, QStringLiteral("alt.png"), QSize(200, 100));
    EXPECT_EQ(QImage(QStringLiteral("alt.png")).size(), QSize(200, 100));
    EXPECT_EQ(test::OrdnerInhalt(ort.Ort()), (std::vector<std::string>{"alt.png", "ordner.svg"}));
}

// A link planted where a picture is to go is replaced by the picture; the file it pointed to is
// not touched (written through the link, an export would overwrite any file of the user's).
TEST(AnsichtExport, APlantedLinkIsReplacedNotWrittenThrough) {
    test::TArbeitsVerzeichnis ort;
    const TAuswertung& a = *test::StandardAuswertung();
    test::DateiSchreiben("fremd.txt", "fremd");
    for (const char* datei : {"jahr.png", "jahr.svg"}) {
        std::filesystem::create_symlink("fremd.txt", datei);
        AnsichtSpeichern(TAnsicht::Jahr, a, QString::fromUtf8(datei), QSize(160, 100));
        EXPECT_FALSE(std::filesystem::is_symlink(datei)) << datei;
    }
    EXPECT_EQ(QImage(QStringLiteral("jahr.png")).size(), QSize(160, 100));
    EXPECT_EQ(QSvgRenderer(QStringLiteral("jahr.svg")).viewBox(), QRect(0, 0, 160, 100));
    EXPECT_EQ(test::DateiInhalt("fremd.txt"), "fremd");
}

} // namespace
} // namespace kov
