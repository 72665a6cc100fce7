// The PDF design report written in the process: its pages, the marks of changed inputs, a
// project name too long for a line wrapped and not cut, and its faults. The text is read
// back with pdftotext where poppler-utils are installed.
#include "ui/pdf_bericht.h"

#include "auswertungs_hilfen.h"
#include "datei_fehler_hilfen.h"
#include "test_hilfen.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

// the text of the PDF, "" without pdftotext
QString PdfText(const QString& datei, const QStringList& optionen = {}) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), optionen + QStringList{datei, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString OhneLeerraum(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

TEST(PdfBericht, DefaultsOnSixPagesChangedInputsMarked) {
    test::TArbeitsVerzeichnis ort;
    // the parameter list runs onto a sixth page with the costs and the limits of the check
    EXPECT_EQ(PdfBerichtSchreiben(*test::StandardAuswertung(), {}, QStringLiteral("a.pdf")), 6);
    EXPECT_EQ(test::DateiInhalt("a.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(test::OrdnerInhalt(ort.Ort()), std::vector<std::string>{"a.pdf"});

    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Rohrlaenge = 60;
    p.Heizgrenze = 8;
    const TAuswertung geaendert = AuswertungsLaufRechnen(p);
    TBerichtKopf kopf;
    kopf.Projektname = QStringLiteral("Schulhaus Nord");
    kopf.Projektdatei = QStringLiteral("/daten/projekte/schulhaus.kov");
    kopf.Datum = QDate(2024, 3, 7);
    EXPECT_EQ(PdfBerichtSchreiben(geaendert, kopf, QStringLiteral("a.pdf")), 6);
    // in the layout of the page, a table row on one line
    const QString text = PdfText(QStringLiteral("a.pdf"), {QStringLiteral("-layout")});
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    const QString flach = text.simplified();
    for (const QString& teil :
         {QStringLiteral("Projekt Schulhaus Nord"),
          QStringLiteral("Projektdatei /daten/projekte/schulhaus.kov"),
          QStringLiteral("Erstellt 07.03.2024 mit KOV"),
          QStringLiteral("Rohrlänge Rohrlaenge * 60 m 50"),
          QStringLiteral("Heizgrenze Heizgrenze * 8 °C 12"),
          QStringLiteral("Rohrdurchmesser DRohr 0.1922 m 0.1922"),
          QStringLiteral("Zinssatz Zinssatz 0.03 1/a 0.03"),
          QStringLiteral("KOV – Auslegungsbericht Schulhaus Nord Seite 6 von 6")})
        EXPECT_TRUE(flach.contains(teil)) << teil.toStdString();
    // the legend's "mit * markiert" and the two changed values
    EXPECT_EQ(flach.count(QStringLiteral(" * ")), 3);
}

TEST(PdfBericht, ALongProjectNameIsWrappedNotCut) {
    test::TArbeitsVerzeichnis ort;
    TAuswertung a = *test::StandardAuswertung();
    TBerichtKopf kopf;
    kopf.Projektname = QStringLiteral("Erweiterung der Wohnüberbauung am Sonnenhang mit "
                                      "Tiefgarage, Gewerbe und Kindertagesstätte, Etappe 3 ") +
                       QString(90, QLatin1Char('X'));
    kopf.Projektdatei = QStringLiteral("/sehr/tiefer/ordner/") + QString(120, QLatin1Char('p')) +
                        QStringLiteral(".kov");
    const int seiten = PdfBerichtSchreiben(a, kopf, QStringLiteral("lang.pdf"));
    EXPECT_GE(seiten, 5);
    const QString text = PdfText(QStringLiteral("lang.pdf"));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    EXPECT_TRUE(OhneLeerraum(text).contains(OhneLeerraum(kopf.Projektname)));
    EXPECT_TRUE(OhneLeerraum(text).contains(OhneLeerraum(kopf.Projektdatei)));
    // every word within the page, 15 mm from the sides
    const QString bbox = PdfText(QStringLiteral("lang.pdf"), {QStringLiteral("-bbox")});
    const double rand = 15 / 25.4 * 72;
    const QRegularExpression wort(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\""));
    int woerter = 0;
    for (auto it = wort.globalMatch(bbox); it.hasNext(); ++woerter) {
        const QRegularExpressionMatch m = it.next();
        EXPECT_GE(m.captured(1).toDouble(), rand) << m.captured(0).toStdString();
        EXPECT_LE(m.captured(2).toDouble(), 595.0 - rand) << m.captured(0).toStdString();
    }
    EXPECT_GT(woerter, 1000);
}

TEST(PdfBericht, FaultsNameTheFileAndKeepTheOldOne) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("alt.pdf", "alt");
    std::filesystem::create_directory("ordner.pdf");
    const TAuswertung& a = *test::StandardAuswertung();
    EXPECT_EQ(test::FehlerMeldung(
                  [&] { PdfBerichtSchreiben(a, {}, QStringLiteral("fehlt/bericht.pdf")); }),
              "File not found: fehlt/bericht.pdf");
    EXPECT_EQ(
        test::FehlerMeldung([&] { PdfBerichtSchreiben(a, {}, QStringLiteral("ordner.pdf")); }),
        "Keine gewöhnliche Datei, sondern ein Ordner: ordner.pdf");
    EXPECT_EQ(test::DateiInhalt("alt.pdf"), "alt");
    EXPECT_EQ(test::OrdnerInhalt(ort.Ort()), (std::vector<std::string>{"alt.pdf", "ordner.pdf"}));
    // a link planted as the report is replaced; the file it pointed to stays as it was
    std::filesystem::create_symlink("alt.pdf", "link.pdf");
    PdfBerichtSchreiben(a, {}, QStringLiteral("link.pdf"));
    EXPECT_FALSE(std::filesystem::is_symlink("link.pdf"));
    EXPECT_EQ(test::DateiInhalt("link.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(test::DateiInhalt("alt.pdf"), "alt");
}

} // namespace
} // namespace kov
