#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace kov {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class ErdGitter : public ::testing::Test {
protected:
    void SetUp() override { StandardwerteSetzen(*k); }
    void Aufbauen(double dt = 1800.0) {
        k->Werte.Zellenlaenge = k->Parameter.Rohrlaenge / k->Parameter.AnzahlGitter;
        k->Werte.StartTemperatur = 2.913;
        k->Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(k->Parameter);
        ErdGitterAufbauen(*k, k->Erde, dt);
    }
    std::unique_ptr<TKontext> k = test::NeuerKontext();
    const TErdZustand& e = k->Erde;
};

// Relative closeness for values printed with six significant digits.
void SechsStellen(double ist, double gedruckt, const std::string& was) {
    EXPECT_NEAR(ist, gedruckt, std::fabs(gedruckt) * 5e-6) << was;
}

TEST_F(ErdGitter, DefaultGridFactorAndRadii) {
    int iterationen = 0;
    const double q = GitterfaktorBerechnen(k->Parameter, iterationen);
    EXPECT_NEAR(q, 1.8825, 0.00005);
    EXPECT_EQ(iterationen, 9);

    Aufbauen();
    EXPECT_EQ(k->Werte.Gitterfaktor, q);
    const double radienErde[7] = {0.0961, 0.1000, 0.1468, 0.2348, 0.4006, 0.7126, 1.3000};
    const double radienKeller[7] = {0.0961, 0.1000, 0.1390, 0.2124, 0.3505, 0.6105, 1.1000};
    for (int i = 0; i <= 6; ++i) {
        EXPECT_NEAR(e.RadienErde[i], radienErde[i], 0.00005) << "Erde r" << i;
        EXPECT_NEAR(e.RadienKeller[i], radienKeller[i], 0.00005) << "Keller r" << i;
    }
    // the first ground ring is twelve wall thicknesses wide
    EXPECT_NEAR(e.RadienErde[2] - e.RadienErde[1], 12 * 0.0039, 0.00005);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_GT(e.MittelradienErde[i], e.RadienErde[i - 1]) << i;
        EXPECT_LT(e.MittelradienErde[i], e.RadienErde[i]) << i;
        // the node halves the area of its ring
        const double innen = e.MittelradienErde[i] * e.MittelradienErde[i] -
                             e.RadienErde[i - 1] * e.RadienErde[i - 1];
        const double aussen =
            e.RadienErde[i] * e.RadienErde[i] - e.MittelradienErde[i] * e.MittelradienErde[i];
        EXPECT_NEAR(innen, aussen, 1e-12) << i;
    }
    EXPECT_EQ(e.MittelradienErde[0], 0.0);
    EXPECT_EQ(e.MittelradienErde[7], 0.0);
    EXPECT_EQ(e.MittelradienKeller[7], 0.0);
}

TEST_F(ErdGitter, DefaultCoefficients) {
    Aufbauen();
    const TRegisterParameter& p = k->Parameter;
    SechsStellen(e.KapazitaetsstromLuft, 82.6333, "KapazitaetsstromLuft");
    // pi cancels against the velocity
    EXPECT_NEAR(e.KapazitaetsstromLuft, p.Volumenstrom * p.RhoLuft * p.CpLuft / (3600 * 15), 1e-10);
    EXPECT_EQ(e.LeitwertErde[0], e.KapazitaetsstromLuft);
    EXPECT_EQ(e.LeitwertKeller[0], e.KapazitaetsstromLuft);
    SechsStellen(e.LeitwertWand, 903.381, "LeitwertWand");
    EXPECT_EQ(e.LeitwertStillstand, 0.0);

    const double GE[8] = {0, 903.381, 252.256, 176.818, 151.952, 138.855, 131.942, 131.942};
    const double GK[8] = {0, 903.381, 212.087, 133.036, 109.276, 96.7721, 90.1805, 24.4868};
    const double CE[7] = {0, 17619.5, 592269, 1724080, 5404240, 17823300, 60661400};
    const double CK[7] = {0, 17619.5, 477966, 1322780, 3989200, 12822000, 42963200};
    for (int i = 1; i <= 7; ++i) {
        SechsStellen(e.LeitwertErde[i], GE[i], "G_E(" + std::to_string(i) + ")");
        SechsStellen(e.LeitwertKeller[i], GK[i], "G_K(" + std::to_string(i) + ")");
    }
    for (int i = 1; i <= 6; ++i) {
        SechsStellen(e.KapazitaetErde[i], CE[i], "C_E(" + std::to_string(i) + ")");
        SechsStellen(e.KapazitaetKeller[i], CK[i], "C_K(" + std::to_string(i) + ")");
    }
    EXPECT_EQ(e.LeitwertErde[7], e.LeitwertErde[6]);
}

TEST_F(ErdGitter, GridFactorForTheExtremeGridCounts) {
    struct TFall {
        int n;
        double q;
        double toleranz;
    };
    for (const TFall& f : {TFall{3, 24.64, 0.005}, TFall{10, 1.2491, 0.00005}}) {
        k->Parameter.AnzahlGitter = f.n;
        Aufbauen();
        EXPECT_NEAR(k->Werte.Gitterfaktor, f.q, f.toleranz) << "n " << f.n;
    }
    // every grid count fills the simulation radius and the depth below the cellar
    for (int n = 3; n <= 10; ++n) {
        k->Parameter.AnzahlGitter = n;
        Aufbauen();
        const double r1 = e.RadienErde[1];
        EXPECT_NEAR(e.RadienErde[n], r1 + 1.2, 0.01) << "n " << n;
        EXPECT_NEAR(e.RadienKeller[n], r1 + 1.0, 0.01) << "n " << n;
        for (int i = 1; i <= n; ++i) {
            EXPECT_GT(e.RadienErde[i], e.RadienErde[i - 1]) << "n " << n << " i " << i;
            EXPECT_GT(e.KapazitaetErde[i], 0.0) << "n " << n << " i " << i;
            EXPECT_GT(e.LeitwertKeller[i], 0.0) << "n " << n << " i " << i;
        }
    }
}

TEST_F(ErdGitter, StartFieldAndRunState) {
    for (auto* gitter : {&k->Erde.GitterErde, &k->Erde.GitterAdiabat, &k->Erde.GitterKeller})
        for (auto& zeile : *gitter)
            zeile.fill(-99.0);
    k->Ergebnis = {1, 2, 3, 4};
    k->Lauf.Durchlauf = 3;
    k->Lauf.InBetrieb = false;
    Aufbauen();
    const int n = 6;
    for (const auto* gitter : {&e.GitterErde, &e.GitterAdiabat, &e.GitterKeller})
        for (int a = 0; a <= n + 1; ++a)
            for (int i = 0; i <= n + 1; ++i)
                EXPECT_EQ((*gitter)[a][i], 2.913) << "[" << a << "][" << i << "]";
    EXPECT_EQ(k->Ergebnis.WaermeentzugKeller, 0.0);
    EXPECT_EQ(k->Ergebnis.WaermeentzugErde, 0.0);
    EXPECT_EQ(k->Ergebnis.Kuehlenergie, 0.0);
    EXPECT_EQ(k->Ergebnis.Heizenergie, 0.0);
    EXPECT_EQ(k->Lauf.Durchlauf, 0);
    EXPECT_TRUE(k->Lauf.InBetrieb);
}

TEST_F(ErdGitter, MonitorPoint) {
    Aufbauen();
    EXPECT_NEAR(k->Werte.MonitorAchsAbstand, 0.1211, 0.00005);
    EXPECT_NEAR(k->Werte.MonitorAbstandEinlass, 4.1667, 0.00005);

    struct TFall {
        int axial, radial, sektor;
        double abstand; // from the axis; -1: the earth mid radius, -3: the cellar one
        double einlass; // m
    };
    const double dx = 50.0 / 6;
    const TFall faelle[] = {
        {1, 2, 1, -1, dx / 2},          {1, 2, 2, -1, dx / 2},    {6, 6, 3, -3, 5 * dx + dx / 2},
        {6, 6, 7, -1, 5 * dx + dx / 2}, {3, 0, 3, 0.0, 2.5 * dx}, {3, 7, 1, 0.0, 2.5 * dx},
    };
    for (const TFall& f : faelle) {
        k->Parameter.MonitorAxial = f.axial;
        k->Parameter.MonitorRadial = f.radial;
        k->Parameter.MonitorSektor = f.sektor;
        Aufbauen();
        const double abstand = f.abstand == -1   ? e.MittelradienErde[f.radial]
                               : f.abstand == -3 ? e.MittelradienKeller[f.radial]
                                                 : f.abstand;
        const std::string fall = "axial " + std::to_string(f.axial) + " radial " +
                                 std::to_string(f.radial) + " sektor " + std::to_string(f.sektor);
        EXPECT_EQ(k->Werte.MonitorAchsAbstand, abstand) << fall;
        EXPECT_NEAR(k->Werte.MonitorAbstandEinlass, f.einlass, 1e-12) << fall;
    }
}

TEST_F(ErdGitter, StandstillAndCellarCouplings) {
    const double dx = 50.0 / 6;
    for (double alpha : {0.0, 0.01, -3.0}) {
        k->Parameter.AlphaStillstand = alpha;
        Aufbauen();
        EXPECT_EQ(e.LeitwertStillstand, 0.0) << "alpha " << alpha;
        // the standing matrices leave the wall decoupled from the surface node
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(e.MatrixErdeStillstand[i][0], 0.0) << "alpha " << alpha << " i " << i;
            EXPECT_EQ(e.MatrixAdiabatStillstand[i][0], 0.0) << "alpha " << alpha << " i " << i;
            EXPECT_EQ(e.MatrixKellerStillstand[i][0], 0.0) << "alpha " << alpha << " i " << i;
        }
    }
    // above the threshold the still-air film at r0 lies in series with the inner wall half
    k->Parameter.AlphaStillstand = 5.0;
    Aufbauen();
    const double film = 6.28318 * 5.0 * (0.1922 / 2) * dx;
    EXPECT_NEAR(e.LeitwertStillstand, 1 / (1 / e.LeitwertWand + 1 / film), 1e-9);
    EXPECT_NEAR(e.LeitwertStillstand, 24.4772, 0.0001);
    EXPECT_GT(e.MatrixErdeStillstand[1][0], 0.0);

    // without a floor k-value the cellar sector is an adiabatic sector of slab material
    k->Parameter.KWertKeller = 0.0;
    Aufbauen();
    EXPECT_EQ(e.LeitwertKeller[7], 0.0);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(e.MatrixKellerBetrieb[i][7], 0.0) << i;
        EXPECT_EQ(e.MatrixAdiabatBetrieb[i][7], 0.0) << i;
    }
    k->Parameter.KWertKeller = 0.99e-7;
    Aufbauen();
    EXPECT_EQ(e.LeitwertKeller[7], 0.0);
    k->Parameter.KWertKeller = 1e-7;
    Aufbauen();
    EXPECT_GT(e.LeitwertKeller[7], 0.0);
}

TEST_F(ErdGitter, DegenerateParametersAreRefusedAndChangeNothing) {
    struct TFall {
        const char* name;
        std::function<void(TRegisterParameter&)> setzen;
        double dt = 1800.0;
    };
    const std::vector<TFall> faelle = {
        {"Wandstaerke 0", [](TRegisterParameter& p) { p.WandstaerkeRohr = 0; }},
        {"Wandstaerke negativ", [](TRegisterParameter& p) { p.WandstaerkeRohr = -0.0039; }},
        {"Wandstaerke NaN", [](TRegisterParameter& p) { p.WandstaerkeRohr = NaN; }},
        {"Wandstaerke unendlich",
         [](TRegisterParameter& p) {
             p.WandstaerkeRohr = std::numeric_limits<double>::infinity();
         }},
        {"Gitter 2", [](TRegisterParameter& p) { p.AnzahlGitter = 2; }},
        {"Gitter 0", [](TRegisterParameter& p) { p.AnzahlGitter = 0; }},
        {"Gitter -4", [](TRegisterParameter& p) { p.AnzahlGitter = -4; }},
        {"Gitter 11", [](TRegisterParameter& p) { p.AnzahlGitter = 11; }},
        {"Gitter 1000", [](TRegisterParameter& p) { p.AnzahlGitter = 1000; }},
        {"MonitorAxial 0", [](TRegisterParameter& p) { p.MonitorAxial = 0; }},
        {"MonitorAxial 7", [](TRegisterParameter& p) { p.MonitorAxial = 7; }},
        {"MonitorRadial -1", [](TRegisterParameter& p) { p.MonitorRadial = -1; }},
        {"MonitorRadial 8", [](TRegisterParameter& p) { p.MonitorRadial = 8; }},
        // the fixed point iteration swings between two values for ever
        {"Simulationsradius -0.1, n 3",
         [](TRegisterParameter& p) {
             p.SimRadius = -0.1;
             p.AnzahlGitter = 3;
         }},
        // settles, but only after some 2700 iterations
        {"Simulationsradius -1.2, n 10",
         [](TRegisterParameter& p) {
             p.SimRadius = -1.2;
             p.AnzahlGitter = 10;
         }},
        {"Simulationsradius NaN", [](TRegisterParameter& p) { p.SimRadius = NaN; }},
        {"Radiusteiler 0", [](TRegisterParameter& p) { p.Radiusteiler = 0; }},
        {"Simulationsradius 0", [](TRegisterParameter& p) { p.SimRadius = 0; }},
        {"Rohrlaenge 0", [](TRegisterParameter& p) { p.Rohrlaenge = 0; }},
        {"Teilschritt NaN", [](TRegisterParameter&) {}, NaN},
    };
    for (const TFall& f : faelle) {
        k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        Aufbauen(); // a previous run's state that must survive the refused set-up
        k->Lauf.Durchlauf = 2;
        k->Ergebnis.Heizenergie = 17.0;
        const auto erdeVorher = std::make_unique<TErdZustand>(k->Erde);
        const TArbeitswerte vorher = k->Werte;

        f.setzen(k->Parameter);
        EXPECT_THROW(Aufbauen(f.dt), TParameterFehler) << f.name;
        EXPECT_EQ(std::memcmp(erdeVorher.get(), &k->Erde, sizeof(TErdZustand)), 0) << f.name;
        EXPECT_EQ(k->Werte.Gitterfaktor, vorher.Gitterfaktor) << f.name;
        EXPECT_EQ(k->Werte.MonitorAchsAbstand, vorher.MonitorAchsAbstand) << f.name;
        EXPECT_EQ(k->Lauf.Durchlauf, 2) << f.name;
        EXPECT_EQ(k->Ergebnis.Heizenergie, 17.0) << f.name;
    }
}

TEST_F(ErdGitter, RefusalNamesTheField) {
    k->Parameter.WandstaerkeRohr = 0;
    try {
        Aufbauen();
        FAIL() << "kein Fehler";
    } catch (const TParameterFehler& fehler) {
        EXPECT_STREQ(fehler.what(),
                     "Die Wandstärke der Rohre (WandstaerkeRohr) muss größer als 0 m sein.");
    }
    k->Parameter.WandstaerkeRohr = 0.0039;
    k->Parameter.AnzahlGitter = 11;
    try {
        Aufbauen();
        FAIL() << "kein Fehler";
    } catch (const TParameterFehler& fehler) {
        EXPECT_STREQ(fehler.what(),
                     "Die Anzahl Rechengitter (AnzahlGitter) 11 liegt nicht im Bereich 3..10.");
    }
}

} // namespace
} // namespace kov
