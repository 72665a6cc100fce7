// The PDF design report written in the process: its first page with the design statement, German
// numbers and no absolute path, the changed inputs first, the weather named once, a project name
// too long for a line wrapped and not cut, and its faults. The text is read
// back with pdftotext where poppler-utils are installed.
#include "ui/pdf_bericht.h"

#include "auswertungs_hilfen.h"
#include "datei_fehler_hilfen.h"
#include "pdf_text.h"
#include "test_hilfen.h"
#include "ui/bericht_format.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

using test::PdfText;

QString OhneLeerraum(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// the words of pages von..bis on one line each, blanks collapsed
QString Seiten(const QString& datei, int von, int bis) {
    return PdfText(datei, {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(von),
                           QStringLiteral("-l"), QString::number(bis)})
        .simplified();
}

TEST(PdfBericht, FirstPageSummaryGermanNumbersChangedInputsFirst) {
    test::TArbeitsVerzeichnis ort;
    // summary, check, figures, costs, model and weather, two pages of charts, three of the
    // appendix
    EXPECT_EQ(PdfBerichtSchreiben(*test::StandardAuswertung(), {}, QStringLiteral("a.pdf")), 10);
    EXPECT_EQ(test::DateiInhalt("a.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(test::OrdnerInhalt(ort.Ort()), std::vector<std::string>{"a.pdf"});

    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Rohrlaenge = 60;
    p.Heizgrenze = 8;
    p.Zinssatz = 0.025;
    const TAuswertung geaendert = AuswertungsLaufRechnen(p);
    TBerichtKopf kopf;
    kopf.Projektname = QStringLiteral("Schulhaus Nord");
    kopf.Projektdatei = QStringLiteral("/daten/projekte/schulhaus.kov");
    kopf.Datum = QDate(2024, 3, 7);
    const int seiten = PdfBerichtSchreiben(geaendert, kopf, QStringLiteral("a.pdf"));
    const QString alles = Seiten(QStringLiteral("a.pdf"), 1, seiten);
    if (alles.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    const QString erste = Seiten(QStringLiteral("a.pdf"), 1, 1);
    struct TFall {
        const char* Wo;
        QString Text;
    };
    // investment by hand: 900 m of pipe at 47.66 EUR/m (35 + 0.0422/0.05 * 15 between the
    // points 0.15 and 0.2 of the price table) = 42 894 EUR; trench 15 * 1.0 m wide, 1.1 m deep,
    // 60 m long = 990 m3 at 40 EUR = 39 600 EUR; fixed 8000 EUR; together 90 494 EUR
    for (const TFall& f : std::initializer_list<TFall>{
             {"Titel", QStringLiteral("Projekt Schulhaus Nord")},
             {"Projektdatei ohne Ordner", QStringLiteral("Projektdatei schulhaus.kov")},
             {"Datum", QStringLiteral("Erstellt 07.03.2024 mit KOV")},
             {"Auslegung", QStringLiteral("Rohre 15 parallele Rohre, je 60,0 m lang (zusammen "
                                          "900,0 m)")},
             {"Durchmesser", QStringLiteral("Durchmesser innen 192,2 mm, Wandstärke 3,9 mm")},
             {"Erdreich", QStringLiteral("Erdreich λ 1,50 W/mK")},
             {"Modell", QStringLiteral("Rechenmodell Klassisch")},
             {"Aussage", QStringLiteral("Die Auslegung erfüllt nicht: Tiefste Austrittstemperatur "
                                        "im Betrieb (-")},
             {"Kosten", QStringLiteral("Investition 90 494 EUR")},
             {"Annahmen", QStringLiteral("14 Kostenansätze stehen auf ihrem Standardwert")}})
        EXPECT_TRUE(erste.contains(f.Text)) << "Seite 1, " << f.Wo << ": " << f.Text.toStdString();
    for (const TFall& f : std::initializer_list<TFall>{
             {"Anhang abweichend", QStringLiteral("Rohrlänge Rohrlaenge * 60 m 50")},
             {"Anhang Dezimalkomma", QStringLiteral("Rohrdurchmesser DRohr 0,1922 m 0,1922")},
             {"Zins vom Planer", QStringLiteral("Zinssatz 0,025 1/a vom Planer gesetzt")},
             {"Annahme", QStringLiteral("Strompreis 0,3 EUR/kWh Annahme (Standardwert), zu "
                                        "prüfen")},
             {"Fusszeile", QStringLiteral("KOV – Auslegungsbericht Schulhaus Nord Seite %1 von %1")
                               .arg(seiten)}})
        EXPECT_TRUE(alles.contains(f.Text)) << f.Wo << ": " << f.Text.toStdString();
    // the appendix lists the changed values before the groups of the others
    const qsizetype geaendertAb = alles.indexOf(QStringLiteral("Vom Standardwert abweichend"));
    EXPECT_GT(geaendertAb, 0);
    EXPECT_LT(geaendertAb, alles.indexOf(QStringLiteral("Heizgrenze Heizgrenze * 8 °C 12")));
    EXPECT_LT(alles.indexOf(QStringLiteral("Zinssatz Zinssatz * 0,025")),
              alles.indexOf(QStringLiteral("Projektname Projektname Testlauf1")));
    // the legend's "mit * markiert" and the three changed values
    EXPECT_EQ(alles.count(QStringLiteral(" * ")), 4);
    // no absolute path, no number with a decimal point (dates and versions have two dots)
    EXPECT_FALSE(alles.contains(QStringLiteral("/daten")));
    EXPECT_FALSE(alles.contains(QRegularExpression(QStringLiteral("(^|\\s)/\\w"))));
    const QRegularExpression punktZahl(QStringLiteral("(?<![\\w.])\\d+\\.\\d+(?![\\w.])"));
    for (auto it = punktZahl.globalMatch(alles); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ADD_FAILURE() << "Dezimalpunkt: ..." << alles.mid(m.capturedStart() - 40, 80).toStdString();
    }
}

TEST(PdfBericht, NumbersFollowTheLocaleOfTheHeader) {
    test::TArbeitsVerzeichnis ort;
    TBerichtKopf kopf;
    kopf.Zahlenformat = QLocale(QLocale::English);
    const int seiten =
        PdfBerichtSchreiben(*test::StandardAuswertung(), kopf, QStringLiteral("e.pdf"));
    const QString alles = Seiten(QStringLiteral("e.pdf"), 1, seiten);
    if (alles.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    // the default design: 750 m of pipe, 76 745 EUR, outlet down to -2.1 °C
    for (const QString& teil : {QStringLiteral("je 50.0 m lang (zusammen 750.0 m)"),
                                QStringLiteral("Investition 76 745 EUR"),
                                QStringLiteral("Tiefste Austrittstemperatur -2.1 °C"),
                                QStringLiteral("Rohrdurchmesser DRohr 0.1922 m 0.1922")})
        EXPECT_TRUE(alles.contains(teil)) << teil.toStdString();
    EXPECT_FALSE(alles.contains(QStringLiteral("0,1922")));
}

TEST(PdfBericht, TheStatementNamesWhatFailsOnPageOne) {
    test::TArbeitsVerzeichnis ort;
    struct TFall {
        const char* Fall;
        double Frostgrenze; // °C; the default design's outlet falls to -2.1 °C
        double MaxGeschwindigkeit;
        QString Aussage;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {"Frost", 0.0, 3.0,
              QStringLiteral("Die Auslegung erfüllt nicht: Tiefste Austrittstemperatur im Betrieb "
                             "(-2,1 °C, Grenze ≥ 0,0 °C). Hinweise:")},
             // 2.36 m/s in each pipe at 3700 m3/h
             {"Geschwindigkeit", -5.0, 2.0,
              QStringLiteral("Die Auslegung erfüllt nicht: Luftgeschwindigkeit bei "
                             "Nenn-Volumenstrom (2,36 m/s, Grenze ≤ 2,00 m/s). Hinweise:")},
             // the spacing at its limit and the built-in Swiss year stay notes
             {"alles erfüllt", -5.0, 3.0,
              QStringLiteral("Die Auslegung erfüllt alle Prüfungen. Hinweise: Achsabstand der "
                             "Rohre (1,00 m, Grenze ≥ 1,00 m); Wetter des Standorts.")}}) {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        p.Frostgrenze = f.Frostgrenze;
        p.MaxGeschwindigkeit = f.MaxGeschwindigkeit;
        PdfBerichtSchreiben(AuswertungsLaufRechnen(p), {}, QStringLiteral("p.pdf"));
        const QString erste = Seiten(QStringLiteral("p.pdf"), 1, 1);
        if (erste.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
        EXPECT_TRUE(erste.contains(f.Aussage)) << f.Fall << "\n" << erste.toStdString();
    }
}

TEST(PdfBericht, TheWeatherOfTheRunIsNamedOnceAndTheOthersMarkedUnused) {
    test::TArbeitsVerzeichnis ort;
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Klima = "TRY2015-05-Jahr";
    const int seiten = PdfBerichtSchreiben(AuswertungsLaufRechnen(p), {}, QStringLiteral("k.pdf"));
    const QString erste = Seiten(QStringLiteral("k.pdf"), 1, 1);
    if (erste.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    EXPECT_TRUE(erste.contains(QStringLiteral("Standort und Klima Eingebautes Klima TRY2015-05")))
        << erste.toStdString();
    EXPECT_TRUE(erste.contains(QStringLiteral("Datenbasis: Deutscher Wetterdienst")));
    EXPECT_FALSE(erste.contains(QStringLiteral("zurihour")));
    // the check judges the weather the run used
    EXPECT_TRUE(Seiten(QStringLiteral("k.pdf"), 1, seiten)
                    .contains(QStringLiteral("Gerechnet mit dem Testreferenzjahr der Region")));
    // the appendix's table cells wrap; read without the layout and without blanks
    const QString alles = OhneLeerraum(PdfText(QStringLiteral("k.pdf")));
    EXPECT_TRUE(alles.contains(QStringLiteral("ja(gerechnetmitdemeingebautenKlima)")));
    EXPECT_TRUE(alles.contains(QStringLiteral("zurihour.dat(nichtverwendet)")));
}

TEST(PdfBericht, RegisterModelVentilationUnitAndTheStudysVariant) {
    test::TArbeitsVerzeichnis ort;
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    p.WRG = true;
    const TAuswertung a = AuswertungsLaufRechnen(p);
    ASSERT_TRUE(a.RegisterAngaben.Gerechnet);
    TBerichtKopf kopf;
    kopf.Variantenbegruendung = {QStringLiteral("Variante 3 von 4 der Studie: Rohrlaenge = 50."),
                                 QStringLiteral("Rang 1 von 3 nach nutzbarer Energie.")};
    const int seiten = PdfBerichtSchreiben(a, kopf, QStringLiteral("r.pdf"));
    const QString alles = Seiten(QStringLiteral("r.pdf"), 1, seiten);
    if (alles.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    const TRegisterAufloesung& auf = a.RegisterAngaben.Aufloesung;
    const TAnlagenKennwerte& an = a.Kennwerte.Anlage;
    // the run's own figures in their places, with or without the register in their columns
    for (const QString& teil :
         {QStringLiteral("Rechenmodell Register: die Rohrreihe im Erdreich"),
          // letters, not the fl ligature
          QStringLiteral("Auflösung: Querschnitt %1 × %2 Zellen")
              .arg(auf.Erdreich.ZellenWinkel)
              .arg(auf.Erdreich.ZellenRadial),
          // the register's own sentences, their numbers in the report's form
          QStringLiteral("Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens "
                         "0,5 %"),
          QStringLiteral("nach %1 Jahr").arg(a.RegisterAngaben.Einschwingjahre),
          // the unit's charts after the year's: the duration curves and the coldest week
          QStringLiteral("Die Woche um die kälteste Stunde des Jahres."),
          QStringLiteral("Dauerlinien der Zuluft nach der Wärmerückgewinnung"),
          QStringLiteral("Vorheizenergie je Monat"),
          QStringLiteral("Frostschutzstunden %1 %2 h")
              .arg(an.OhneRegister.FrostschutzStunden)
              .arg(an.MitRegister.FrostschutzStunden),
          QStringLiteral("Frostschutzstunden weniger %1 h").arg(an.FrostschutzStundenGespart),
          QStringLiteral("Gewählte Variante der Studie Variante 3 von 4 der Studie: "
                         "Rohrlaenge = 50. Rang 1 von 3")})
        EXPECT_TRUE(alles.contains(teil)) << teil.toStdString();
    EXPECT_FALSE(alles.contains(QStringLiteral("Crank–Nicolson"))) << "the classic grid's text";
    // without WRG and without a study neither section
    const QString klassisch = [] {
        PdfBerichtSchreiben(*test::StandardAuswertung(), {}, QStringLiteral("k.pdf"));
        return Seiten(QStringLiteral("k.pdf"), 1, 20);
    }();
    EXPECT_FALSE(klassisch.contains(QStringLiteral("Lüftungsgerät mit Wärmerückgewinnung")));
    EXPECT_FALSE(klassisch.contains(QStringLiteral("Dauerlinien der Zuluft")));
    EXPECT_FALSE(klassisch.contains(QStringLiteral("Gewählte Variante")));
    EXPECT_TRUE(klassisch.contains(QStringLiteral("Crank–Nicolson")));
}

// the values of a climate check row as the report's table prints them, blanks collapsed
QString KlimaZeile(const TKlimaCheckZeile& z) {
    QStringList werte;
    for (const double wert : z.Werte)
        werte << BerichtZahl(QLocale(QLocale::German), wert, z.Dezimalen);
    return werte.join(QLatin1Char(' ')).simplified();
}

TEST(PdfBericht, ClimateCheckOfTheRegionGivenOrComputedAndTheSentenceWithoutOne) {
    test::TArbeitsVerzeichnis ort;
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Klima = "TRY2015-05-Jahr";
    const TAuswertung a = AuswertungsLaufRechnen(p);
    std::vector<TKlimaCheckJahr> jahre = KlimaCheckRechnen(p, 5, nullptr);
    ASSERT_EQ(jahre.size(), 6u);

    // computed by the report: the rows the evaluation window shows for the same design
    const int seiten = PdfBerichtSchreiben(a, {}, QStringLiteral("gerechnet.pdf"));
    const QString gerechnet = Seiten(QStringLiteral("gerechnet.pdf"), 1, seiten);
    if (gerechnet.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    EXPECT_TRUE(gerechnet.contains(QStringLiteral("Klimacheck")));
    EXPECT_TRUE(gerechnet.contains(QStringLiteral("Region 5")));
    for (const TKlimaCheckZeile& z : KlimaCheckZeilen(jahre))
        EXPECT_TRUE(gerechnet.contains(KlimaZeile(z)))
            << z.Name << ": " << KlimaZeile(z).toStdString();

    // given by the caller: taken as they are, not computed a second time
    jahre[3].Kennwerte.TausMin -= 7.25;
    jahre[3].Kennwerte.FrostStundenAussen += 1111;
    TBerichtKopf kopf;
    kopf.KlimaCheck = jahre;
    PdfBerichtSchreiben(a, kopf, QStringLiteral("gegeben.pdf"));
    const QString gegeben = Seiten(QStringLiteral("gegeben.pdf"), 1, seiten + 1);
    int geaendert = 0;
    for (const TKlimaCheckZeile& z : KlimaCheckZeilen(jahre)) {
        EXPECT_TRUE(gegeben.contains(KlimaZeile(z))) << z.Name;
        if (!gerechnet.contains(KlimaZeile(z))) ++geaendert;
    }
    EXPECT_GE(geaendert, 2) << "the changed years must show";

    // a run on the design year has no region to check
    PdfBerichtSchreiben(*test::StandardAuswertung(), {}, QStringLiteral("ohne.pdf"));
    EXPECT_TRUE(OhneLeerraum(PdfText(QStringLiteral("ohne.pdf")))
                    .contains(QStringLiteral("brauchtdafüreineingebautesKlima")));
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
    EXPECT_TRUE(OhneLeerraum(text).contains(QString(120, QLatin1Char('p')) + ".kov"));
    // every word within the page, 15 mm from the sides
    // the project file by its name, never the folders above it
    EXPECT_FALSE(text.contains(QStringLiteral("/sehr/tiefer")));
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
