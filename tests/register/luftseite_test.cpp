#include "register/luftseite.h"

#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kov {
namespace {

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

class Luftseite : public ::testing::Test {
protected:
    void SetUp() override {
        StandardwerteSetzen(*k);
        k->Werte.Zellenlaenge = p.Rohrlaenge / p.AnzahlGitter;
        k->Werte.StartTemperatur = 2.913;
        ErdGitterAufbauen(*k, e, 1800.0);
    }
    double Alpha(double R) const {
        return Waermeuebergang(StroemungsGeschwindigkeit(p), p.DRohr, p.ViskositaetLuft, p.RhoLuft,
                               p.CpLuft, p.LambdaLuft, R);
    }
    // convective conductance of one axial cell, W/K
    double KZelle(double R) const {
        return 2 * 3.14159 * (p.DRohr / 2) * k->Werte.Zellenlaenge * Alpha(R);
    }
    std::unique_ptr<TKontext> k = test::NeuerKontext();
    TRegisterParameter& p = k->Parameter;
    TErdZustand& e = k->Erde;
};

TEST_F(Luftseite, HeatTransferCoefficientsOfTheFlowRegimes) {
    struct TFall {
        double R;
        double Nu, toleranzNu;
        double alpha, toleranzAlpha;
    };
    const TFall faelle[] = {
        {1.0, 70.979, 5e-4, 8.8632, 5e-5},  // Re 31303.8, turbulent
        {0.5, 42.170, 5e-4, 5.2658, 5e-5},  // Re 15651.9, turbulent
        {0.2, 16.354, 5e-4, 2.0422, 5e-5},  // Re 6260.8, transition
        {0.05, 4.36, 1e-12, 0.54443, 5e-6}, // Re 1565.2, laminar
        {0.0, 4.36, 1e-12, 0.54443, 5e-6},  // no flow: laminar, no logarithm of 0
    };
    for (const TFall& f : faelle) {
        const double alpha = Alpha(f.R);
        EXPECT_NEAR(alpha, f.alpha, f.toleranzAlpha) << "R " << f.R;
        EXPECT_NEAR(alpha * p.DRohr / p.LambdaLuft, f.Nu, f.toleranzNu) << "R " << f.R;
    }
    EXPECT_NEAR(KZelle(1.0), 44.597, 5e-4);
}

TEST_F(Luftseite, RegimeLimitsBelongToTheirBranches) {
    // w = Re, d = 1, nu = 1 makes the Reynolds number exact; Pr = 1206 / 1655
    auto alpha = [](double Re) { return Waermeuebergang(Re, 1.0, 1.0, 1.2, 1005.0, 1655.0, 1.0); };
    EXPECT_EQ(alpha(2300.0), 4.36 * 1655.0 / 1.0);
    EXPECT_EQ(alpha(1.0), alpha(2300.0));
    // the transition starts at the laminar value
    EXPECT_NEAR(alpha(2300.0 * (1 + 1e-12)), alpha(2300.0), alpha(2300.0) * 1e-9);
    EXPECT_GT(alpha(2400.0), alpha(2300.0));

    // Re = 10000 takes the turbulent formula: it agrees with a Re just above to 1e-9, while the
    // transition formula just below differs by the rounding of its two constants (about 2e-6)
    const double bei = alpha(10000.0);
    const double darueber = alpha(10000.0 * (1 + 1e-12));
    const double darunter = alpha(10000.0 * (1 - 1e-12));
    EXPECT_NEAR(bei, darueber, bei * 1e-9);
    EXPECT_GT(std::fabs(bei - darunter), bei * 1e-7);
    EXPECT_LT(std::fabs(bei - darunter), bei * 1e-5);

    // the coefficient grows with the flow across all three regimes
    double vorher = 0.0;
    for (double Re = 500.0; Re < 1e6; Re *= 1.1) {
        const double jetzt = alpha(Re);
        EXPECT_GE(jetzt, vorher) << "Re " << Re;
        vorher = jetzt;
    }
}

TEST_F(Luftseite, CellWeights) {
    const double K = KZelle(1.0);
    const double Kw = e.LeitwertWand;
    const double Keff = K * Kw / (K + Kw);
    EXPECT_NEAR(Keff, 42.499, 5e-4);
    EXPECT_NEAR(AnteilLuft(e.KapazitaetsstromLuft, Keff, 1.0), 0.66037, 5e-6);
    EXPECT_NEAR(AnteilBoden(e.KapazitaetsstromLuft, Keff, 1.0), 0.33963, 5e-6);
    for (double R : {1.0, 0.5, 0.01}) {
        EXPECT_NEAR(AnteilLuft(82.6, 40.0, R) + AnteilBoden(82.6, 40.0, R), 1.0, 1e-15) << R;
    }
    // less air per second gives the ground more say
    EXPECT_LT(AnteilLuft(82.6, 40.0, 0.5), AnteilLuft(82.6, 40.0, 1.0));
}

TEST_F(Luftseite, WorkedAirPass) {
    for (int i = 1; i <= 6; ++i)
        e.GitterErde[i][1] = 10.0;
    const double K = KZelle(1.0);
    const double Kw = e.LeitwertWand;
    const double aus = LuftDurchlauf(p, e, K, 1.0, -5.0);
    EXPECT_NEAR(aus, 8.7561, 5e-5);

    const double zellen[7] = {-5.0, 0.0945, 3.4588, 5.6804, 7.1475, 8.1163, 8.7561};
    const double oberflaeche[7] = {0, 9.5340, 9.6923, 9.7968, 9.8658, 9.9114, 9.9415};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(e.GitterErde[i][0], oberflaeche[i], 5e-5) << "Oberflaeche " << i;
        // the surface lies between the cell's outlet air and its wall
        const double Ti = (e.GitterErde[i][0] * (K + Kw) - 10.0 * Kw) / K;
        EXPECT_NEAR(Ti, zellen[i], 5e-5) << "Luft nach Zelle " << i;
        // the other sectors carry no weight but get their surface nodes all the same
        const double tAdiabat = (2.913 * Kw + Ti * K) / (K + Kw);
        EXPECT_NEAR(e.GitterAdiabat[i][0], tAdiabat, 1e-9) << "Adiabat " << i;
        EXPECT_NEAR(e.GitterKeller[i][0], tAdiabat, 1e-9) << "Keller " << i;
    }
    // with the same ground under every cell the outlet is Tg + (T0 - Tg) * a^n
    const double a = AnteilLuft(e.KapazitaetsstromLuft, K * Kw / (K + Kw), 1.0);
    EXPECT_NEAR(aus, 10.0 - 15.0 * std::pow(a, 6), 1e-12);
}

TEST_F(Luftseite, SectorsAreWeightedByTheirShares) {
    p.AnteilAdiabat = 0.3;
    p.AnteilKeller = 0.2;
    AnteilErdeBerechnen(p);
    for (int i = 1; i <= 6; ++i) {
        e.GitterErde[i][1] = 10.0;
        e.GitterAdiabat[i][1] = 4.0;
        e.GitterKeller[i][1] = -2.0;
    }
    const double K = KZelle(0.5);
    const double Kw = e.LeitwertWand;
    const double a = AnteilLuft(e.KapazitaetsstromLuft, K * Kw / (K + Kw), 0.5);
    const double Tg = 0.5 * 10.0 + 0.3 * 4.0 + 0.2 * -2.0; // 5.8 °C
    EXPECT_NEAR(LuftDurchlauf(p, e, K, 0.5, 0.0), Tg * (1 - std::pow(a, 6)), 1e-12);

    // without the two other shares only the earth sector's wall reaches the air
    p.AnteilAdiabat = 0.0;
    p.AnteilKeller = 0.0;
    AnteilErdeBerechnen(p);
    const double bezug = LuftDurchlauf(p, e, K, 0.5, 0.0);
    for (int i = 1; i <= 6; ++i) {
        e.GitterAdiabat[i][1] = 400.0;
        e.GitterKeller[i][1] = -200.0;
    }
    EXPECT_EQ(Bits(LuftDurchlauf(p, e, K, 0.5, 0.0)), Bits(bezug));
}

TEST_F(Luftseite, AirBalanceOfThePass) {
    // walls varying along the pipe and between the sectors
    p.AnteilAdiabat = 0.25;
    p.AnteilKeller = 0.25;
    AnteilErdeBerechnen(p);
    for (int i = 1; i <= 6; ++i) {
        e.GitterErde[i][1] = 12.0 - i;
        e.GitterAdiabat[i][1] = 3.0 + 0.5 * i;
        e.GitterKeller[i][1] = 15.0;
    }
    for (double R : {1.0, 0.3}) {
        const double K = KZelle(R);
        const double Kw = e.LeitwertWand;
        const double Keff = K * Kw / (K + Kw);
        const double W = e.KapazitaetsstromLuft;
        const double tEin = -8.0;
        const double aus = LuftDurchlauf(p, e, K, R, tEin);
        // heat taken up by the air = heat passed from the weighted walls at each cell outlet
        double vomBoden = 0.0;
        for (int i = 1; i <= 6; ++i) {
            const double Ti = (e.GitterErde[i][0] * (K + Kw) - e.GitterErde[i][1] * Kw) / K;
            const double Tg = 0.5 * e.GitterErde[i][1] + 0.25 * e.GitterAdiabat[i][1] +
                              0.25 * e.GitterKeller[i][1];
            vomBoden += Keff * (Tg - Ti);
            // the surface node passes the same flow on through both conductances
            for (const TErdGitter* G : {&e.GitterErde, &e.GitterAdiabat, &e.GitterKeller}) {
                const double ts = (*G)[i][0];
                EXPECT_NEAR(K * (ts - Ti), Kw * ((*G)[i][1] - ts), 1e-9) << "R " << R << " " << i;
            }
        }
        EXPECT_NEAR(R * W * (aus - tEin), vomBoden, 1e-9) << "R " << R;
    }
}

TEST_F(Luftseite, WallAtTheAirTemperatureExchangesNothing) {
    for (int i = 1; i <= 6; ++i) {
        e.GitterErde[i][1] = e.GitterAdiabat[i][1] = e.GitterKeller[i][1] = 7.5;
    }
    p.AnteilAdiabat = 0.4;
    AnteilErdeBerechnen(p);
    EXPECT_NEAR(LuftDurchlauf(p, e, KZelle(1.0), 1.0, 7.5), 7.5, 1e-13);
    for (int i = 1; i <= 6; ++i)
        for (const TErdGitter* G : {&e.GitterErde, &e.GitterAdiabat, &e.GitterKeller})
            EXPECT_NEAR((*G)[i][0], 7.5, 1e-13) << i;
}

TEST_F(Luftseite, GridCountBeyondTheRowsIsRefused) {
    const auto vorher = std::make_unique<TErdZustand>(e);
    for (int n : {2, 11, -1}) {
        p.AnzahlGitter = n;
        EXPECT_THROW(LuftDurchlauf(p, e, 40.0, 1.0, 0.0), TParameterFehler) << n;
        EXPECT_EQ(std::memcmp(vorher.get(), &e, sizeof(TErdZustand)), 0) << n;
    }
}

} // namespace
} // namespace kov
