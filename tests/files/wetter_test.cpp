#include "files/wetter.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace kov {
namespace {

class Wetter : public ::testing::Test {
protected:
    void SetUp() override { StandardwerteSetzen(*k); }
    std::unique_ptr<TKontext> k = test::NeuerKontext();
};

TEST_F(Wetter, DefaultsGiveTheMonthlyGroundTemperatures) {
    WetterLesen(*k);
    const double erwartet[13] = {0,      2.913,  2.660,  3.995,  6.765, 10.054, 13.159,
                                 15.076, 15.397, 13.944, 11.229, 7.828, 4.845};
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(k->Werte.ErdTemperaturMonat[m], erwartet[m], 0.0005) << "Monat " << m;
    EXPECT_EQ(k->Werte.StartTemperatur, k->Werte.ErdTemperaturMonat[1]);
    EXPECT_NEAR(k->Werte.JahresMittelTemperatur, 790441.0 / 87600, 1e-9);
    EXPECT_NEAR(k->Werte.MittelTemperaturMonat[1], -0.1122 + 0.8, 0.00005);

    // the Tiefe = 0 July value isolates the amplitude A
    k->Parameter.Tiefe = 0;
    WetterLesen(*k);
    EXPECT_NEAR(k->Werte.ErdTemperaturMonat[7] - k->Werte.JahresMittelTemperatur, 9.28058,
                0.000005);

    const double a = 1.5 / 1400.0 / 1400.0;
    EXPECT_NEAR(a, 7.653061e-7, 1e-13);
    EXPECT_NEAR(std::sqrt(3.14159 / a / 365 / 24 / 3600), 0.360789, 0.0000005);
}

TEST_F(Wetter, BuiltInSourceResetsHumidityAndDewPoint) {
    k->Reihen.TTaupunkt.fill(5.0);
    k->Reihen.RelFeuchte.fill(50.0);
    k->Reihen.RelVolumenstrom.fill(0.25);
    WetterLesen(*k);
    EXPECT_EQ(k->Reihen.TTaupunkt[1], 0.0);
    EXPECT_EQ(k->Reihen.TTaupunkt[8760], 0.0);
    EXPECT_EQ(k->Reihen.RelFeuchte[4000], 10.0);
    EXPECT_EQ(k->Reihen.RelVolumenstrom[100], 0.25); // not the weather step's business
}

TEST_F(Wetter, SolarWarmingMovesMeansButNotTheGroundTemperatures) {
    WetterLesen(*k);
    const TArbeitswerte vorher = k->Werte;
    k->Parameter.Sonnenerwaermung = 3.0;
    WetterLesen(*k);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(k->Werte.MittelTemperaturMonat[m], vorher.MittelTemperaturMonat[m] + 2.2,
                    1e-12);
        EXPECT_NEAR(k->Werte.ErdTemperaturMonat[m], vorher.ErdTemperaturMonat[m], 1e-12);
    }
}

TEST_F(Wetter, LargerConductivitySwingsMore) {
    WetterLesen(*k);
    const double schwankung = k->Werte.ErdTemperaturMonat[8] - k->Werte.ErdTemperaturMonat[2];
    k->Parameter.LambdaErde = 2.5;
    WetterLesen(*k);
    EXPECT_GT(k->Werte.ErdTemperaturMonat[8] - k->Werte.ErdTemperaturMonat[2], schwankung);
}

TEST_F(Wetter, SpecialBoundaryReplacesEveryMonth) {
    k->Parameter.SpezielleRandbedingung = true;
    k->Parameter.ErdTemperaturSpeziell[1] = 7.5;
    WetterLesen(*k);
    EXPECT_EQ(k->Werte.StartTemperatur, 7.5);
    for (int m = 2; m <= 12; ++m)
        EXPECT_EQ(k->Werte.ErdTemperaturMonat[m], 10.0) << m;
}

// A report-shaped file: 100 header lines, then rows of Tein Taus RelVol RelFeuchte TTaupunkt.
std::string BerichtMitZeilen(const std::string& zeilen) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "Kopf 1.0 x\r\n";
    return text + zeilen;
}

TEST_F(Wetter, ReadBackFromAPreviousReport) {
    test::TArbeitsVerzeichnis ort;
    std::string zeilen;
    for (int h = 1; h <= 8760; ++h)
        zeilen += (h % 2 ? "1.5\t9.9\t0.50\t60.0\t-2.0\t4.0\t1.0\t0.00\r\n"
                         : "-0.5 9.9 1 70 3 4 1 0\r\n");
    test::DateiSchreiben("dummy.txt", BerichtMitZeilen(zeilen));
    k->Parameter.EingebautesWetter = false;
    k->Reihen.Tein[0] = 42.0;
    WetterLesen(*k);
    EXPECT_EQ(k->Reihen.Tein[0], 42.0);
    EXPECT_EQ(k->Reihen.Tein[1], 1.5);
    EXPECT_EQ(k->Reihen.RelVolumenstrom[1], 0.5);
    EXPECT_EQ(k->Reihen.RelFeuchte[1], 60.0);
    EXPECT_EQ(k->Reihen.TTaupunkt[1], -2.0);
    EXPECT_EQ(k->Reihen.Tein[8760], -0.5);
    EXPECT_EQ(k->Reihen.TTaupunkt[8760], 3.0);
    EXPECT_NEAR(k->Werte.JahresMittelTemperatur, 0.5, 1e-9);
    EXPECT_NEAR(k->Werte.MittelTemperaturMonat[1], 0.5 + 0.8, 1e-9);
}

TEST_F(Wetter, ShortRowTakesItsNumbersFromTheNextLine) {
    test::TArbeitsVerzeichnis ort;
    std::string zeilen = "1 2 3\r\n4 5 6 7 8\r\n";
    for (int h = 2; h <= 8760; ++h)
        zeilen += "9 9 9 9 9\r\n";
    test::DateiSchreiben("dummy.txt", BerichtMitZeilen(zeilen));
    k->Parameter.EingebautesWetter = false;
    WetterLesen(*k);
    EXPECT_EQ(k->Reihen.Tein[1], 1);
    EXPECT_EQ(k->Reihen.RelVolumenstrom[1], 3);
    EXPECT_EQ(k->Reihen.RelFeuchte[1], 4);
    EXPECT_EQ(k->Reihen.TTaupunkt[1], 5);
    EXPECT_EQ(k->Reihen.Tein[2], 9); // the rest of line 2 is lost
    EXPECT_EQ(k->Reihen.Tein[8760], 9);
}

TEST_F(Wetter, AReportThatEndsBeforeTheYearIsRefused) {
    test::TArbeitsVerzeichnis ort;
    std::string zeilen;
    for (int h = 1; h <= 4711; ++h)
        zeilen += "1.5\t9.9\t0.50\t60.0\t-2.0\t4.0\t1.0\t0.00\r\n";
    test::DateiSchreiben("dummy.txt", BerichtMitZeilen(zeilen) + "\r\n   \r\n");
    k->Parameter.EingebautesWetter = false;
    try {
        WetterLesen(*k);
        FAIL() << "a year of 0 degC must never be read from a cut-off report";
    } catch (const TDateiFehler& f) {
        EXPECT_STREQ(f.what(),
                     "Der Bericht endet nach Stunde 4711 von 8760: dummy.txt, Zeile 4814");
    }
}

TEST_F(Wetter, ReadBackFaults) {
    test::TArbeitsVerzeichnis ort;
    k->Parameter.EingebautesWetter = false;
    try {
        WetterLesen(*k);
        FAIL() << "no dummy.txt must fail";
    } catch (const TDateiFehler& f) {
        EXPECT_STREQ(f.what(), "File not found: dummy.txt");
    }
    test::DateiSchreiben("dummy.txt", BerichtMitZeilen("1.0\t2.0\t1.00\r\n3,2\t2,0\r\n"));
    try {
        WetterLesen(*k);
        FAIL() << "a decimal comma must fail";
    } catch (const TDateiFehler& f) {
        EXPECT_STREQ(f.what(), "Invalid numeric input: dummy.txt, Zeile 102");
    }
    EXPECT_EQ(k->Reihen.Tein[1], 1.0); // what was read stays
}

TEST_F(Wetter, AnEmptyColumnOrADecimalCommaInAnHourIsNamedWithItsLine) {
    test::TArbeitsVerzeichnis ort;
    k->Parameter.EingebautesWetter = false;
    const std::string gut = "1.5\t9.9\t0.50\t60.0\t-2.0\t4.0\t1.0\t0.00\r\n";
    const struct {
        std::string Zeile, Meldung;
    } faelle[] = {
        {"1.5\t\t0.50\t60.0\t-2.0\t4.0\t1.0\t0.00\r\n",
         "Invalid numeric input: dummy.txt, Zeile 103 (Spalte 2 ist leer)"},
        {"\t9.9\t0.50\t60.0\t-2.0\t4.0\t1.0\t0.00\r\n",
         "Invalid numeric input: dummy.txt, Zeile 103 (Spalte 1 ist leer)"},
        {"1.5\t9.9\t0.50\t60.0\t-2.0\t4.0\t1.0\t \r\n",
         "Invalid numeric input: dummy.txt, Zeile 103 (Spalte 8 ist leer)"},
        {"1,5\t9,9\t0,50\t60,0\t-2,0\t4,0\t1,0\t0,00\r\n",
         "Invalid numeric input: dummy.txt, Zeile 103 (der Bericht ist mit Dezimalkomma "
         "geschrieben (Land=D oder A); sein Wetter lässt sich nur aus einem Bericht mit "
         "Dezimalpunkt lesen)"},
    };
    for (const auto& f : faelle) {
        std::string zeilen = gut + gut + f.Zeile;
        for (int h = 4; h <= 8760; ++h)
            zeilen += gut;
        test::DateiSchreiben("dummy.txt", BerichtMitZeilen(zeilen));
        try {
            WetterLesen(*k);
            ADD_FAILURE() << f.Meldung << ": read";
        } catch (const TDateiFehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()), f.Meldung);
            EXPECT_EQ(fehler.Meldung(), "Invalid numeric input") << "the classic text stays";
        }
    }
}

} // namespace
} // namespace kov
