#include "files/wetter_info.h"
#include "wetter_test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

TEST(WetterInfo, FiguresOfAConstructedYear) {
    auto jahr = std::make_unique<TWetterJahr>();
    jahr->Tein.fill(10.0);
    jahr->TTaupunkt.fill(4.0);
    jahr->Tein[0] = -40.0;   // the value before hour 1 is no hour of the year
    jahr->Tein[1417] = -5.0; // 01.03. hour 1
    jahr->Tein[5000] = -5.0; // as cold, later: the first hour is the extreme
    jahr->Tein[8760] = 30.0; // 31.12. hour 24
    jahr->Tein[744] = 0.0;   // 31.01. hour 24: not below 0 °C
    jahr->TTaupunkt[8000] = 4.0 + 8760.0;
    const TWetterKennwerte k = WetterKennwerteBerechnen(*jahr);
    // (8760 * 10 - 15 - 15 + 20 - 10) / 8760
    EXPECT_NEAR(k.JahresMittel, (87600.0 - 20.0) / 8760.0, 1e-12);
    EXPECT_NEAR(k.TaupunktMittel, 5.0, 1e-12);
    EXPECT_EQ(k.StundenUnterNull, 2);
    struct TFall {
        const char* Name;
        const TWetterExtrem& Extrem;
        double Wert;
        int Stunde, Tag, Monat, TagesStunde;
    };
    const TFall faelle[] = {{"Minimum", k.Minimum, -5.0, 1417, 1, 3, 1},
                            {"Maximum", k.Maximum, 30.0, 8760, 31, 12, 24}};
    for (const TFall& f : faelle) {
        EXPECT_EQ(f.Extrem.Wert, f.Wert) << f.Name;
        EXPECT_EQ(f.Extrem.Stunde, f.Stunde) << f.Name;
        EXPECT_EQ(f.Extrem.Tag, f.Tag) << f.Name;
        EXPECT_EQ(f.Extrem.Monat, f.Monat) << f.Name;
        EXPECT_EQ(f.Extrem.TagesStunde, f.TagesStunde) << f.Name;
    }
    // January holds hour 744, March hour 1417, December hour 8760 (744 hours each)
    EXPECT_NEAR(k.MonatsMittel[1], (7440.0 - 10.0) / 744.0, 1e-12);
    EXPECT_EQ(k.MonatsMittel[2], 10.0);
    EXPECT_NEAR(k.MonatsMittel[3], (7440.0 - 15.0) / 744.0, 1e-12);
    EXPECT_NEAR(k.MonatsMittel[12], (7440.0 + 20.0) / 744.0, 1e-12);
}

TEST(WetterInfo, TextOfARealYear) {
    // figures from the raw rows with awk: mean 9.98799, coldest -22.8 on line 159 (07.01.
    // hour 7), warmest 35.0 on line 4799 (19.07. hour 15), 1788 hours below 0 °C, mean dew
    // point 4.31106, January mean -4.6465, December -3.6862
    test::TArbeitsVerzeichnis ort;
    std::filesystem::copy_file(test::WetterDatei(test::Chicago), "chicago.epw");
    const test::TGelesen g = test::WetterGelesen("chicago.epw");
    EXPECT_EQ(WetterInfoText(g.Info), "Datei: chicago.epw\n"
                                      "Format: EnergyPlus-Wetterdatei (EPW)\n"
                                      "Standort: Chicago Ohare Intl Ap, IL, USA, WMO 725300\n"
                                      "Lage: 41,9800° N, 87,9200° W, 201 m ü. M.\n"
                                      "Datenquelle: TMY3\n"
                                      "Datenzeilen: 8760\n"
                                      "Ergänzte Stunden: keine\n"
                                      "Feuchte: relative Feuchte und Taupunkt aus der Datei\n"
                                      "Jahresmittel: 9,99 °C\n"
                                      "Minimum: -22,8 °C am 07.01., Stunde 7 (6 bis 7 Uhr)\n"
                                      "Maximum: 35,0 °C am 19.07., Stunde 15 (14 bis 15 Uhr)\n"
                                      "Stunden unter 0 °C: 1788\n"
                                      "Mittlerer Taupunkt: 4,31 °C\n"
                                      "Monatsmittel in °C:\n"
                                      "  Jan -4,6 Feb -2,5 Mär 3,8 Apr 10,0 Mai 15,3 Jun 21,1\n"
                                      "  Jul 24,1 Aug 21,8 Sep 18,1 Okt 11,0 Nov 4,7 Dez -3,7\n");
}

TEST(WetterInfo, TextSaysHowTheRowsWereTakenOver) {
    TWetterInfo info;
    info.Datei = "w.txt";
    info.Format = TWetterFormat::Tabelle;
    info.DatenZeilen = 8760;
    info.StundenErgaenzt = 3;
    info.Kennwerte.Minimum = {-0.004, 1, 1, 1, 1};
    info.Kennwerte.TaupunktMittel = 0.0;
    std::string text = WetterInfoText(info);
    struct TFall {
        const char* Zeile;
        bool Enthalten;
    };
    const TFall tabelle[] = {
        {"Format: Stundentabelle (CSV/Text)\n", true},
        {"Ergänzte Stunden: 3 (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)\n", true},
        {"Feuchte: keine Angaben in der Datei (relative Feuchte 10 %, Taupunkt 0 °C wie im "
         "eingebauten Jahr)\n",
         true},
        {"Minimum: 0,0 °C am 01.01., Stunde 1 (0 bis 1 Uhr)\n", true},
        {"Mittlerer Taupunkt", false},
        {"Standort", false},
        {"Lage", false},
    };
    for (const TFall& f : tabelle)
        EXPECT_EQ(text.find(f.Zeile) != std::string::npos, f.Enthalten) << f.Zeile << text;

    info.Format = TWetterFormat::Try2011;
    info.DatenZeilen = 8785;
    info.SchalttagZeilen = 24;
    info.TryKopieVerworfen = true;
    info.HatFeuchte = true;
    info.TaupunktBerechnet = true;
    info.HatHoehe = true;
    info.Hoehe = 152;
    info.Breite = -33.5;
    info.Laenge = -70.25;
    info.HatKoordinaten = true;
    text = WetterInfoText(info);
    const TFall try2011[] = {
        {"Datenzeilen: 8785, nicht übernommen: 24 vom 29. Februar, die Kopie von 31.12. Stunde "
         "24 vor der ersten Stunde\n",
         true},
        {"Feuchte: relative Feuchte aus der Datei, Taupunkt aus Mischungsverhältnis und "
         "Luftdruck berechnet (Magnus-Formel über Wasser)\n",
         true},
        {"Lage: 33,5000° S, 70,2500° W, 152 m ü. M.\n", true},
        {"Mittlerer Taupunkt: 0,00 °C\n", true},
    };
    for (const TFall& f : try2011)
        EXPECT_EQ(text.find(f.Zeile) != std::string::npos, f.Enthalten) << f.Zeile << text;
}

TEST(WetterInfo, ShortNameOfTheSite) {
    struct TFall {
        const char *Ort, *Region, *Land, *Datei, *Name;
    };
    const TFall faelle[] = {
        {"Chicago Ohare Intl Ap", "IL", "USA", "/a/c.epw", "Chicago Ohare Intl Ap, USA"},
        {"Essen", "Niederrheinische Bucht", "", "/a/try.dat", "Essen"},
        {"", "Klimaregion 5", "", "/a/try.dat", "Klimaregion 5"},
        {"", "", "", "/daten/wetter/tmy_45.000_8.000_2005_2023.epw",
         "tmy_45.000_8.000_2005_2023.epw"},
        {"", "", "", "stunden.csv", "stunden.csv"},
    };
    for (const TFall& f : faelle) {
        TWetterInfo info;
        info.Ort = f.Ort;
        info.Region = f.Region;
        info.Land = f.Land;
        info.Datei = f.Datei;
        EXPECT_EQ(WetterOrtsName(info), f.Name) << f.Datei;
    }
}

} // namespace
} // namespace kov
