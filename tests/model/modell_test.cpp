#include "model/kalender.h"
#include "model/modell.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Standardwerte, DerivedFieldsAndSeries) {
    auto k = test::NeuerKontext();
    StandardwerteSetzen(*k);
    const TRegisterParameter& p = k->Parameter;
    EXPECT_DOUBLE_EQ(StroemungsGeschwindigkeit(p),
                     3700.0 / 3600 / 3.14159 / (0.1922 * 0.1922) * 4 / 15);
    EXPECT_NEAR(StroemungsGeschwindigkeit(p), 2.3616290537, 1e-10);
    EXPECT_EQ(p.AnteilErde, 1.0);
    EXPECT_EQ(k->Reihen.Tein[0], 3.2);
    EXPECT_EQ(k->Reihen.Tein[1], 3.2);
    EXPECT_EQ(k->Reihen.Tein[8760], 3.6);
    EXPECT_EQ(k->Reihen.RelFeuchte[0], 10.0);
    EXPECT_EQ(k->Reihen.RelFeuchte[8760], 10.0);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(p.KellerTemperatur[m], 10.0) << m;
        EXPECT_EQ(p.ErdTemperaturSpeziell[m], 10.0) << m;
    }
    EXPECT_EQ(p.Projektname, "Testlauf1");
    EXPECT_EQ(p.Land, "CH");
    EXPECT_EQ(p.AnzahlGitter, 6);
    EXPECT_EQ(p.ViskositaetLuft, 0.0000145);
}

TEST(Standardwerte, EarthShareNeverNegative) {
    TRegisterParameter p;
    p.AnteilAdiabat = 0.7;
    p.AnteilKeller = 0.5;
    AnteilErdeBerechnen(p);
    EXPECT_EQ(p.AnteilErde, 0.0);
    p.AnteilAdiabat = 0.25;
    p.AnteilKeller = 0.25;
    AnteilErdeBerechnen(p);
    EXPECT_EQ(p.AnteilErde, 0.5);
}

TEST(Kalender, MonthsCoverTheYearWithoutGaps) {
    const int erste[13] = {0, 1, 745, 1417, 2161, 2881, 3625, 4345, 5089, 5833, 6553, 7297, 8017};
    int tage = 0;
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(ErsteStundeImMonat(m), erste[m]) << "Monat " << m;
        EXPECT_EQ(ErsteStundeImMonat(m), 24 * tage + 1) << "Monat " << m;
        tage += TageImMonat(m);
        if (m < 12) {
            EXPECT_EQ(LetzteStundeImMonat(m) + 1, ErsteStundeImMonat(m + 1)) << m;
        }
    }
    EXPECT_EQ(tage, 365);
    EXPECT_EQ(TageImMonat(2), 28);
    EXPECT_EQ(LetzteStundeImMonat(12), 8760);
    EXPECT_EQ(MonatsName(1), "Januar");
    EXPECT_EQ(MonatsName(3), "Maerz");
    EXPECT_EQ(MonatsName(12), "Dezember");
}

TEST(Hoch, PowerOfTheMagnitude) {
    struct Fall {
        double basis, exponent, erwartet;
    } faelle[] = {{-2, 2, 4}, {-8, 1.0 / 3, 2}, {2, 10, 1024}, {1.8825, 0, 1}, {0.25, 0.5, 0.5}};
    for (const Fall& f : faelle)
        EXPECT_NEAR(Hoch(f.basis, f.exponent), f.erwartet, 1e-12)
            << "Hoch(" << f.basis << ", " << f.exponent << ")";
}

} // namespace
} // namespace kov
