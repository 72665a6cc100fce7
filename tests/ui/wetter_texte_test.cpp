// The weather summary in the interface's language: German exactly as the core writes it,
// English with the file's own names and the weather service's attribution kept.

#include "files/klima.h"
#include "files/wetter_datei.h"
#include "files/wetter_info.h"
#include "sprach_umgebung.h"
#include "ui/sprache.h"
#include "ui/wetter_texte.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kov {
namespace {

std::string Datei(const char* name) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + name;
}

std::string InfoText(const std::string& pfad) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    WetterDateiLesen(pfad, *jahr, info);
    return WetterInfoText(info);
}

std::string KlimaText(const std::string& klima) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    KlimaJahrLesen(klima, *jahr, info);
    return WetterInfoText(info);
}

const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QLocale Englisch(QLocale::English, QLocale::UnitedKingdom);

// the summaries of every kind of source the program reads, and the core's composed lines that
// the test files do not produce: a leap day, filled gaps, a file without humidity
std::vector<std::string> Zusammenfassungen() {
    return {InfoText(Datei("TRY2010_05_Jahr.dat")),
            InfoText(Datei("TRY2015_494414066370_Jahr.dat")),
            InfoText(Datei("USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw")),
            InfoText(Datei("tmy_45.000_8.000_2005_2023.epw")),
            KlimaText("5:Wint:2045"),
            "Format: Stundentabelle (CSV/Text)\n"
            "Lage: 12,5000° S, 70,2500° W, 1234 m ü. M.\n"
            "Datenzeilen: 8784, nicht übernommen: 24 vom 29. Februar, die Kopie von 31.12. "
            "Stunde 24 vor der ersten Stunde\n"
            "Ergänzte Stunden: 17 (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)\n"
            "Feuchte: keine Angaben in der Datei (relative Feuchte 10 %, Taupunkt 0 °C wie im "
            "eingebauten Jahr)\n"
            "Jahresmittel: -0,25 °C\n",
            "Quelle: im Programm eingebautes Auslegungsjahr, 8760 Stunden der "
            "Aussenlufttemperatur; ohne Feuchte (relative Feuchte 10 %, Taupunkt 0 °C)\n",
            "Quelle: Aussentemperatur, relative Feuchte und Taupunkt der Stundenzeilen des "
            "vorigen Berichts alt/kov.txt\n"};
}

TEST(WetterText, DeutschBleibtWieDerKernSchreibt) {
    for (const std::string& text : Zusammenfassungen())
        EXPECT_EQ(WetterText(text, Deutsch).toStdString(), text);
    EXPECT_EQ(KlimaBezeichnungText("5:Wint:2045").toStdString(), KlimaBezeichnung("5:Wint:2045"));
    TKlimaWahl wahl;
    ASSERT_TRUE(KlimaWahlLesen("TRY2015-13-Somm", wahl));
    EXPECT_EQ(KlimaBeschreibungText(wahl).toStdString(), KlimaBeschreibung(wahl));
    EXPECT_EQ(WetterBezeichnungText("Wetterdatei Essen (essen.dat)"),
              QStringLiteral("Wetterdatei Essen (essen.dat)"));
}

TEST(WetterText, EnglischMitPunktDatumUndMonatsnamen) {
    test::TSprachUmgebung englisch(QStringLiteral("en"));
    const QString essen = WetterText(InfoText(Datei("TRY2010_05_Jahr.dat")), Englisch);
    // figures of the file as `kov-run --wetter-info` prints them, in English form
    for (const char* zeile :
         {"Format: DWD test reference year, 2011 edition\n",
          "Site: Essen, Niederrheinisch-westfaelische Bucht und Emsland (climate region 5), WMO "
          "10410\n",
          "Location: 51.4000° N, 6.9667° E, 152 m above sea level\n",
          "Data source: mean year, reference period 1988-2007\n",
          "Data rows: 8761, not taken over: the copy of 31 December, hour 24, in front of the "
          "first hour\n",
          "Filled hours: none\n", "Annual mean: 10.36 °C\n",
          "Minimum: -8.9 °C on 1 Feb, hour 9 (8:00 to 9:00)\n",
          "Maximum: 31.4 °C on 7 Aug, hour 14 (13:00 to 14:00)\n", "Hours below 0 °C: 498\n",
          "Mean dew point: 6.19 °C\n", "Monthly means in °C:\n",
          "  Jan 3.1 Feb 3.5 Mar 6.6 Apr 9.5 May 13.7 Jun 15.9\n",
          "  Jul 18.2 Aug 18.2 Sep 14.6 Oct 10.8 Nov 6.1 Dec 3.5\n"})
        EXPECT_TRUE(essen.contains(QString::fromUtf8(zeile))) << zeile << essen.toStdString();

    const QString klima = WetterText(KlimaText("5:Wint:2045"), Englisch);
    // the attribution the data's licence asks for stands as the weather service wrote it
    EXPECT_TRUE(klima.contains(QStringLiteral("Data source: extreme winter, reference period "
                                              "2031-2060; Datenbasis: Deutscher Wetterdienst")))
        << klima.toStdString();
    EXPECT_EQ(KlimaBezeichnungText("5:Wint:2045"),
              QStringLiteral("Built-in climate TRY2045-05-Wint: Region 5 Essen, extreme winter "
                             "2031–2060 (Datenbasis: Deutscher Wetterdienst)"));
    EXPECT_EQ(WetterBezeichnungText("Wetterdatei Essen (essen.dat)"),
              QStringLiteral("Weather file Essen (essen.dat)"));

    // no German word of the summaries' own texts is left in any of them
    const char* const deutsch[] = {"Datei",
                                   "Standort",
                                   "Lage",
                                   "Datenzeilen",
                                   "Ergänzte",
                                   "Feuchte",
                                   "Jahresmittel",
                                   "Stunde",
                                   " am ",
                                   "Uhr",
                                   "ü. M.",
                                   "Taupunkt",
                                   "Monatsmittel",
                                   "Mär ",
                                   "Mai ",
                                   "Okt ",
                                   "Dez ",
                                   "keine",
                                   "mittleres",
                                   "extremer",
                                   "Bezugszeitraum",
                                   "Klimaregion",
                                   "übernommen",
                                   "29. Februar",
                                   "Quelle",
                                   "eingebaut",
                                   "Testreferenzjahr",
                                   "Stundentabelle",
                                   "vorigen",
                                   "° O"};
    for (const std::string& text : Zusammenfassungen()) {
        const QString uebersetzt = WetterText(text, Englisch);
        for (const char* wort : deutsch)
            EXPECT_FALSE(uebersetzt.contains(QString::fromUtf8(wort))) << wort << " in\n"
                                                                       << uebersetzt.toStdString();
        // one line of output for each line of the core's text, names before ": " intact
        EXPECT_EQ(uebersetzt.count(QLatin1Char('\n')),
                  QString::fromStdString(text).count(QLatin1Char('\n')));
    }
    const QString gebaut = WetterText(Zusammenfassungen()[5], Englisch);
    EXPECT_TRUE(gebaut.contains(QStringLiteral("Location: 12.5000° S, 70.2500° W, 1234 m above "
                                               "sea level\n")))
        << gebaut.toStdString();
    EXPECT_TRUE(
        gebaut.contains(QStringLiteral("Data rows: 8784, not taken over: 24 of 29 February, "
                                       "the copy of 31 December")))
        << gebaut.toStdString();
    EXPECT_TRUE(gebaut.contains(QStringLiteral("Filled hours: 17 (missing values")));
    EXPECT_TRUE(gebaut.contains(QStringLiteral("Annual mean: -0.25 °C")));
}

TEST(WetterText, UnbekanntesBleibtStehen) {
    test::TSprachUmgebung englisch(QStringLiteral("en"));
    // a site name that looks like a label, an unknown line and a text without a name
    const std::string text = "Standort: Keine, Lage\nWindrichtung: 270 Grad\nfreier Text, 3,5\n";
    EXPECT_EQ(WetterText(text, Englisch),
              QStringLiteral("Site: Keine, Lage\nWindrichtung: 270 Grad\nfreier Text, 3,5\n"));
    // a date that is none stays as the core wrote it
    EXPECT_EQ(WetterText("Minimum: -3,0 °C am 31.02., Stunde 1 (0 bis 1 Uhr)\n", Englisch),
              QStringLiteral("Minimum: -3.0 °C on 31.02., hour 1 (0:00 to 1:00)\n"));
}

} // namespace
} // namespace kov
