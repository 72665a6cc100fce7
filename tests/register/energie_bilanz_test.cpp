#include "register/energie_bilanz.h"

#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

class EnergieBilanzTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandardwerteSetzen(*k);
        k->Werte.Zellenlaenge = 50.0 / 6;
        k->Werte.StartTemperatur = 10.0;
        ErdGitterAufbauen(*k, k->Erde, 1800.0);
        k->Lauf.Einschwingen = false;
    }
    void Stunde(double tEin, double tAus, bool betrieb, double R = 1.0) {
        k->Lauf.TEinAktuell = tEin;
        k->Lauf.TAusAktuell = tAus;
        k->Lauf.InBetrieb = betrieb;
        EnergieBilanz(*k, k->Erde, R);
    }
    std::unique_ptr<TKontext> k = test::NeuerKontext();
    TJahresErgebnis& summe = k->Ergebnis;
};

TEST_F(EnergieBilanzTest, PowerAndHeatingAndCoolingEnergy) {
    // 1005 * 1.2 * 3700 / 3600 / 1000 = 1.2395 kW per kelvin
    Stunde(0.0, 1.0, true);
    EXPECT_NEAR(k->Lauf.Leistung, 1.2395, 1e-12);
    EXPECT_NEAR(summe.Heizenergie, 1.2395, 1e-12);

    summe = {};
    Stunde(-3.0, 2.0, true);
    EXPECT_NEAR(k->Lauf.Leistung, 6.1975, 1e-12);
    EXPECT_NEAR(summe.Heizenergie, 6.1975, 1e-12);
    EXPECT_EQ(summe.Kuehlenergie, 0.0);

    Stunde(-3.0, 2.0, true, 0.5); // half the flow of a schedule hour
    EXPECT_NEAR(k->Lauf.Leistung, 6.1975 / 2, 1e-12);
    EXPECT_NEAR(summe.Heizenergie, 6.1975 * 1.5, 1e-12);

    Stunde(28.0, 20.0, true); // precooling counts its magnitude
    EXPECT_NEAR(k->Lauf.Leistung, -8 * 1.2395, 1e-12);
    EXPECT_NEAR(summe.Kuehlenergie, 8 * 1.2395, 1e-12);
    EXPECT_NEAR(summe.Heizenergie, 6.1975 * 1.5, 1e-12);

    Stunde(15.0, 15.0, true);
    EXPECT_EQ(k->Lauf.Leistung, 0.0);
    EXPECT_NEAR(summe.Kuehlenergie, 8 * 1.2395, 1e-12);
    EXPECT_NEAR(summe.Heizenergie, 6.1975 * 1.5, 1e-12);

    // a stopped hour has no power even if the run state still holds two temperatures
    Stunde(-3.0, 2.0, false);
    EXPECT_EQ(k->Lauf.Leistung, 0.0);
    EXPECT_NEAR(summe.Heizenergie, 6.1975 * 1.5, 1e-12);
}

TEST_F(EnergieBilanzTest, HeatAcrossTheOuterBoundaries) {
    TRegisterParameter& p = k->Parameter;
    p.AnteilKeller = 0.25;
    AnteilErdeBerechnen(p); // 0.75
    const double gErde = k->Erde.LeitwertErde[7];
    const double gKeller = k->Erde.LeitwertKeller[7];
    EXPECT_NEAR(gErde, 131.942, 5e-4);
    EXPECT_NEAR(gKeller, 24.4868, 5e-5);
    for (int a = 1; a <= 6; ++a) {
        k->Erde.GitterErde[a][6] = 9.0;
        k->Erde.GitterErde[a][7] = 10.0 + (a == 3 ? 2.0 : 0.0); // 1 K, 3 K in cell 3
        k->Erde.GitterKeller[a][6] = 12.0;
        k->Erde.GitterKeller[a][7] = 10.0; // the ground gives heat back to the cellar
    }
    // stopped hour: no power, the boundary flows are counted all the same
    Stunde(0.0, 5.0, false);
    const double erde = 0.75 * 15 * gErde * (5 * 1.0 + 3.0) / 1000; // kWh in one hour
    const double keller = 0.25 * 15 * gKeller * (6 * -2.0) / 1000;
    EXPECT_NEAR(summe.WaermeentzugErde, erde, 1e-12);
    EXPECT_NEAR(summe.WaermeentzugKeller, keller, 1e-12);
    EXPECT_NEAR(summe.WaermeentzugErde, 11.8748, 5e-4);
    EXPECT_EQ(summe.Heizenergie, 0.0);
    Stunde(0.0, 5.0, true);
    EXPECT_NEAR(summe.WaermeentzugErde, 2 * erde, 1e-12);
    EXPECT_NEAR(summe.WaermeentzugKeller, 2 * keller, 1e-12);

    // with the default shares the cellar sum stays 0
    p.AnteilKeller = 0.0;
    AnteilErdeBerechnen(p);
    summe = {};
    Stunde(0.0, 5.0, true);
    EXPECT_EQ(summe.WaermeentzugKeller, 0.0);
    EXPECT_NEAR(summe.WaermeentzugErde, erde / 0.75, 1e-12);
}

TEST_F(EnergieBilanzTest, SettlingHoursSetThePowerButSumNothing) {
    for (int a = 1; a <= 6; ++a)
        k->Erde.GitterErde[a][7] = 20.0;
    k->Lauf.Einschwingen = true;
    Stunde(-3.0, 2.0, true);
    EXPECT_NEAR(k->Lauf.Leistung, 6.1975, 1e-12);
    Stunde(28.0, 20.0, true);
    EXPECT_EQ(summe.Heizenergie, 0.0);
    EXPECT_EQ(summe.Kuehlenergie, 0.0);
    EXPECT_EQ(summe.WaermeentzugErde, 0.0);
    EXPECT_EQ(summe.WaermeentzugKeller, 0.0);
}

TEST_F(EnergieBilanzTest, GridCountBeyondTheRowsIsRefused) {
    for (int n : {2, 11}) {
        k->Parameter.AnzahlGitter = n;
        EXPECT_THROW(Stunde(0.0, 1.0, true), TParameterFehler) << n;
        EXPECT_EQ(summe.Heizenergie, 0.0) << n;
    }
}

} // namespace
} // namespace kov
