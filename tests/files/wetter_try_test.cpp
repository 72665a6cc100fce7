#include "files/taupunkt.h"
#include "wetter_test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

using test::WortSetzen;
using TZeilen = std::vector<std::string>;

class WetterTry : public ::testing::Test {
protected:
    std::string Variante(const char* datei, const std::function<void(TZeilen&)>& aendern) {
        TZeilen zeilen = test::RohZeilen(test::WetterDatei(datei));
        aendern(zeilen);
        test::DateiSchreiben("w.dat", test::ZeilenText(zeilen));
        return "w.dat";
    }
    test::TArbeitsVerzeichnis ort;
};

// line index of hour h in the 2015 file (34 lines before the first hour)
std::size_t Index2015(int h) {
    return static_cast<std::size_t>(test::Try2015Kopf + h - 1);
}

TEST_F(WetterTry, RealFilesGiveTheFiguresOfTheirRawColumns) {
    // figures taken from the raw rows with awk (t is column 6 of the 2015 rows, column 9 of the
    // 2011 rows; the 2011 copy has one row more, its line 39):
    //   awk 'NR>34{n++; s+=$6; if(n==1||$6<m){m=$6; r=NR}} END{printf "%.10f %s %d", s/n, m, r}'
    //   awk 'NR>39{n++; s+=$9; ...}'
    struct TFall {
        const char* Datei;
        TWetterFormat Format;
        double Mittel, Minimum;
        int MinimumStunde, MinimumTag, MinimumMonat, UnterNull, Zeilen;
        bool Kopie;
        double T1, Rf1;
        const char *Ort, *Region, *Wmo, *Quelle;
        double Breite, Laenge, Hoehe;
        const char* Name;
    };
    const TFall faelle[] = {
        {test::Try2015, TWetterFormat::Try2015, 10.4705821918, -8.6, 105, 5, 1, 559, 8760, false,
         3.5, 92, "", "", "", "mittleres Jahr, Bezugszeitraum 1995-2012",
         // the file name carries the site: 49.4414° N 6.6370° E (the header gives the Lambert
         // coordinates 3764500 m / 2530500 m)
         49.4414, 6.6370, 175, test::Try2015},
        {test::Try2011, TWetterFormat::Try2011, 10.3619863014, -8.9, 753, 1, 2, 498, 8761, true,
         2.1, 96, "Essen", "Niederrheinisch-westfaelische Bucht und Emsland (Klimaregion 5)",
         "10410", "mittleres Jahr, Bezugszeitraum 1988-2007",
         // "Lage: 51°24'N <- B.   6°58'O <- L.   152 Meter ueber NN"
         51.4, 6.0 + 58.0 / 60.0, 152, "Essen"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Datei);
        const test::TGelesen g = test::WetterGelesen(test::WetterDatei(f.Datei));
        const TWetterInfo& i = g.Info;
        const TWetterKennwerte& k = i.Kennwerte;
        EXPECT_EQ(i.Format, f.Format);
        EXPECT_NEAR(k.JahresMittel, f.Mittel, 1e-9);
        EXPECT_EQ(k.Minimum.Wert, f.Minimum);
        EXPECT_EQ(k.Minimum.Stunde, f.MinimumStunde);
        EXPECT_EQ(k.Minimum.Tag, f.MinimumTag);
        EXPECT_EQ(k.Minimum.Monat, f.MinimumMonat);
        EXPECT_EQ(k.Minimum.TagesStunde, 9);
        EXPECT_EQ(k.StundenUnterNull, f.UnterNull);
        EXPECT_EQ(i.DatenZeilen, f.Zeilen);
        EXPECT_EQ(i.TryKopieVerworfen, f.Kopie);
        EXPECT_EQ(i.ZeilenVerworfen, f.Kopie ? 1 : 0);
        EXPECT_EQ(i.StundenErgaenzt, 0);
        EXPECT_EQ(g.Jahr->Tein[1], f.T1);
        EXPECT_EQ(g.Jahr->Tein[0], f.T1);
        EXPECT_EQ(g.Jahr->RelFeuchte[1], f.Rf1);
        EXPECT_EQ(i.Ort, f.Ort);
        EXPECT_EQ(i.Region, f.Region);
        EXPECT_EQ(i.Wmo, f.Wmo);
        EXPECT_EQ(i.Datenquelle, f.Quelle);
        EXPECT_TRUE(i.HatKoordinaten);
        EXPECT_NEAR(i.Breite, f.Breite, 0.00006);
        EXPECT_NEAR(i.Laenge, f.Laenge, 0.00006);
        EXPECT_EQ(i.Hoehe, f.Hoehe);
        EXPECT_EQ(WetterOrtsName(i), f.Name);
        EXPECT_TRUE(i.HatFeuchte);
        EXPECT_TRUE(i.TaupunktBerechnet);
    }
}

TEST_F(WetterTry, DewPointFromMixingRatioAndPressure) {
    // e = p x / (622 + x); g = ln(e / 6.112); Td = 243.12 g / (17.62 - g), worked by hand:
    //   2015, 01.01. hour 1: t 3.5, p 975, x 4.6, RF 92
    //     e = 4485 / 626.6 = 7.157676 hPa, g = 0.1579313, Td = 2.198838 °C
    //   2011, 23.03. hour 17 (line 2000, hour 1961): t 11.2, p 979.3, x 7.4, RF 88
    //     e = 7246.82 / 629.4 = 11.513855 hPa, g = 0.6333107, Td = 9.063982 °C
    // The dew point from t and RF must agree within the rounding of x to 0.1 g/kg (about
    // 0.3 K): 2.3218 °C and 9.2844 °C.
    struct TFall {
        const char* Datei;
        int Stunde;
        double Taupunkt, AusFeuchte;
    };
    const TFall faelle[] = {{test::Try2015, 1, 2.198838, 2.3218},
                            {test::Try2011, 1961, 9.063982, 9.2844}};
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Datei);
        const test::TGelesen g = test::WetterGelesen(test::WetterDatei(f.Datei));
        const auto h = static_cast<std::size_t>(f.Stunde);
        EXPECT_NEAR(g.Jahr->TTaupunkt[h], f.Taupunkt, 1e-6);
        EXPECT_NEAR(TaupunktAusFeuchte(g.Jahr->Tein[h], g.Jahr->RelFeuchte[h]), f.AusFeuchte, 1e-4);
        EXPECT_NEAR(g.Jahr->TTaupunkt[h], f.AusFeuchte, 0.3);
    }
}

TEST_F(WetterTry, LeadingCopyOfTheLastHourIsDroppedOnlyWhenItIsOne) {
    const test::TGelesen mitKopie = test::WetterGelesen(test::WetterDatei(test::Try2011));
    // line 39 is the copy, line 40 the first hour, the last line the last hour
    const TZeilen roh = test::RohZeilen(test::WetterDatei(test::Try2011));
    ASSERT_EQ(roh[38], roh.back());
    EXPECT_EQ(mitKopie.Jahr->Tein[1], 2.1);
    EXPECT_EQ(mitKopie.Jahr->Tein[8760], 3.6);

    const test::TGelesen ohneKopie = test::WetterGelesen(
        Variante(test::Try2011, [](TZeilen& z) { z.erase(z.begin() + test::Try2011Kopf); }));
    EXPECT_FALSE(ohneKopie.Info.TryKopieVerworfen);
    EXPECT_EQ(ohneKopie.Info.DatenZeilen, 8760);
    EXPECT_EQ(ohneKopie.Jahr->Tein, mitKopie.Jahr->Tein);
    EXPECT_EQ(ohneKopie.Jahr->TTaupunkt, mitKopie.Jahr->TTaupunkt);

    const test::TGelesen neu2015 = test::WetterGelesen(Variante(
        test::Try2015, [](TZeilen& z) { z.insert(z.begin() + test::Try2015Kopf, z.back()); }));
    const test::TGelesen original2015 = test::WetterGelesen(test::WetterDatei(test::Try2015));
    EXPECT_TRUE(neu2015.Info.TryKopieVerworfen);
    EXPECT_EQ(neu2015.Info.DatenZeilen, 8761);
    EXPECT_EQ(neu2015.Jahr->Tein, original2015.Jahr->Tein);

    // a first row of 31.12. hour 24 that differs from the last hour is no copy
    EXPECT_EQ(test::WetterFehlerText(
                  Variante(test::Try2011, [](TZeilen& z) { z[38] = WortSetzen(z[38], 9, "9.9"); })),
              "Die erste Datenzeile ist 31.12. Stunde 24, aber keine Kopie der letzten Stunde; "
              "das Jahr beginnt mit 01.01. Stunde 1: w.dat, Zeile 39");
}

TEST_F(WetterTry, MissingValueCodesComeFromTheHeader) {
    // the t line of the header lists the code 99 after its range, like N lists {0..8;9}
    auto mitCode = [](TZeilen& z) { z[18] += " {-60..60;99}"; };
    const TZeilen roh = test::RohZeilen(test::WetterDatei(test::Try2015));
    ASSERT_EQ(roh[18], "t  Lufttemperatur in 2m Hoehe ueber Grund                        [GradC]");
    const std::vector<double> t = test::Spalte(roh, test::Try2015Kopf, 6, ' ');

    const test::TGelesen g = test::WetterGelesen(Variante(test::Try2015, [&](TZeilen& z) {
        mitCode(z);
        for (int h = 200; h <= 205; ++h)
            z[Index2015(h)] = WortSetzen(z[Index2015(h)], 6, "99");
    }));
    EXPECT_EQ(g.Info.StundenErgaenzt, 6);
    // between hour 199 and hour 206
    for (int h = 200; h <= 205; ++h)
        EXPECT_NEAR(g.Jahr->Tein[static_cast<std::size_t>(h)],
                    t[198] + (t[205] - t[198]) * (h - 199) / 7.0, 1e-12)
            << "hour " << h;

    struct TFall {
        const char* Name;
        bool Code;
        int Anzahl;
        const char* Meldung;
    };
    const TFall faelle[] = {
        {"7 Stunden mit Code", true, 7,
         "Fehlwert der Lufttemperatur in 7 aufeinanderfolgenden Stunden ab dieser Zeile, "
         "höchstens 6 werden überbrückt: w.dat, Zeile 234"},
        {"ohne Code im Kopf ist 99 ein Wert", false, 1,
         "Feld 6 (Lufttemperatur) liegt mit 99 °C außerhalb von -70 bis 70 °C: w.dat, Zeile 234"},
    };
    for (const TFall& f : faelle) {
        const std::string datei = Variante(test::Try2015, [&](TZeilen& z) {
            if (f.Code) mitCode(z);
            for (int h = 200; h < 200 + f.Anzahl; ++h)
                z[Index2015(h)] = WortSetzen(z[Index2015(h)], 6, "99");
        });
        EXPECT_EQ(test::WetterFehlerText(datei), f.Meldung) << f.Name;
    }
}

TEST_F(WetterTry, FaultyFilesAreRefusedNamingLineAndField) {
    struct TFall {
        const char* Name;
        const char* Datei;
        std::function<void(TZeilen&)> Aendern;
        const char* Meldung;
    };
    auto wort = [](int h, int spalte, const char* text) {
        return [=](TZeilen& z) { z[Index2015(h)] = WortSetzen(z[Index2015(h)], spalte, text); };
    };
    const TFall faelle[] = {
        {"Stunde fehlt", test::Try2015,
         [](TZeilen& z) { z.erase(z.begin() + static_cast<long>(Index2015(300))); },
         "Zeitfolge unterbrochen: erwartet 13.01. Stunde 12, gelesen 13.01. Stunde 13, davor "
         "fehlt 1 Stunde: w.dat, Zeile 334"},
        {"Stunde doppelt", test::Try2015,
         [](TZeilen& z) {
             z.insert(z.begin() + static_cast<long>(Index2015(300)), z[Index2015(300)]);
         },
         "Zeitfolge unterbrochen: erwartet 13.01. Stunde 13, gelesen 13.01. Stunde 12, Stunde "
         "wiederholt oder außer der Reihe: w.dat, Zeile 335"},
        {"eine Zeile zu wenig", test::Try2015, [](TZeilen& z) { z.pop_back(); },
         "Nur 8759 Stunden, ein Jahr hat 8760 Stunden: w.dat, Zeile 8793"},
        {"eine Zeile zu viel", test::Try2015, [](TZeilen& z) { z.push_back(z.back()); },
         "Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres: w.dat, Zeile "
         "8795"},
        {"Dezimalkomma", test::Try2015, wort(10, 6, "3,5"),
         "Feld 6 (Lufttemperatur) ist keine Zahl: \"3,5\": w.dat, Zeile 44"},
        {"Mischungsverhältnis 2011", test::Try2011,
         [](TZeilen& z) { z[1000] = WortSetzen(z[1000], 11, "x"); },
         "Feld 11 (Mischungsverhältnis) ist keine Zahl: \"x\": w.dat, Zeile 1001"},
        {"Mischungsverhältnis 0", test::Try2015, wort(10, 11, "0.0"),
         "Feld 11 (Mischungsverhältnis) ist 0 g/kg, der Taupunkt braucht einen Wert über 0: "
         "w.dat, Zeile 44"},
        {"Luftdruck zu klein", test::Try2015, wort(11, 7, "97"),
         "Feld 7 (Luftdruck) liegt mit 97 hPa außerhalb von 300 bis 1100 hPa: w.dat, Zeile 45"},
        {"Feld fehlt", test::Try2015,
         [](TZeilen& z) { z[Index2015(12)].resize(z[Index2015(12)].rfind(' ')); },
         "Datenzeile hat 16 Felder, der Spaltenkopf 17: w.dat, Zeile 46"},
        {"unbekannter Spaltenkopf", test::Try2015,
         [](TZeilen& z) { z[32].replace(z[32].find("RW"), 2, "XX"); },
         "Spaltenkopf des Testreferenzjahrs nicht erkannt: erwartet \"RG IS MM DD HH ...\" "
         "(Ausgabe 2011) oder \"RW HW MM DD HH ...\" (Ausgabe 2015/2017): w.dat, Zeile 33"},
        {"Spalte x fehlt", test::Try2015,
         [](TZeilen& z) { z[32].replace(z[32].find(" x "), 3, " X "); },
         "Spalte \"x\" (Mischungsverhältnis) fehlt im Spaltenkopf: w.dat, Zeile 33"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(test::WetterFehlerText(Variante(f.Datei, f.Aendern)), f.Meldung) << f.Name;
}

} // namespace
} // namespace kov
