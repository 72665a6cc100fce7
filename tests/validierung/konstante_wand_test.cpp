// With the pipe wall and the ground held at one temperature the air pass has a closed form: every
// cell takes Ti = a*T(i-1) + (1-a)*Tg with a = W/(W + Keff), so the outlet is
// Tg + (Tin - Tg) * (1 + NTU/n)^-n with NTU = n*Keff/W. The continuous pipe would give
// exp(-NTU); the gap between the two is the price of the implicit cell balance.
#include "validierung_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

TEST(KonstanteWand, OutletIsTheClosedFormOfTheImplicitCellBalance) {
    struct Fall {
        int gitter, subSchritte;
        double volumenstrom; // m3/h
        // hand derivation: alpha from Petukhov, K = 2*pi*r0*dx*alpha, Kw = 2*pi*lambdaR*dx /
        // ln(rm1/r0), Keff = K*Kw/(K + Kw), W = V*rho*cp/(3600*pipes); K and Kw both grow with
        // dx = L/n, so NTU does not depend on n
        double ntu;
        // effectiveness 1 - (1 + NTU/n)^-n over 1 - exp(-NTU), minus 1
        double luecke;
    } const faelle[] = {
        {6, 2, 3700, 3.08588, -0.039022},   {3, 1, 3700, 3.08588, -0.077640},
        {10, 20, 3700, 3.08588, -0.023290}, {6, 2, 1500, 3.96543, -0.029230},
        {3, 5, 1500, 3.96543, -0.062113},   {10, 1, 1500, 3.96543, -0.016796},
    };
    constexpr double Tg = 10.0; // °C, start field and boundary
    for (const Fall& f : faelle) {
        const std::string fall = "n=" + std::to_string(f.gitter) + ", " +
                                 std::to_string(f.subSchritte) + " Sub-Schritte, " +
                                 std::to_string(static_cast<int>(f.volumenstrom)) + " m3/h";
        auto k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        TRegisterParameter& p = k->Parameter;
        p.AnzahlGitter = f.gitter;
        p.AnzahlSubSchritte = f.subSchritte;
        p.Volumenstrom = f.volumenstrom;
        // capacities 1e17 times the real ones: a year of exchange moves the wall by < 1e-11 K
        p.RhoRohr = 1e20;
        p.RhoErde = 1e20;
        p.SpezielleRandbedingung = true; // ErdTemperaturSpeziell = 10 °C in every month
        p.Einschwingjahre = 0;
        test::JahrRechnen(*k);
        ASSERT_EQ(k->Werte.StartTemperatur, Tg) << fall;

        const int n = p.AnzahlGitter;
        const double K = k->Lauf.KZelle;
        const double Kw = k->Erde.LeitwertWand;
        const double Keff = K * Kw / (K + Kw);
        const double ntu = n * Keff / k->Erde.KapazitaetsstromLuft;
        EXPECT_NEAR(ntu, f.ntu, 5e-5) << fall;

        const double rest = std::pow(1 + ntu / n, -n);
        double groessteAbweichung = 0; // relative to the temperature change Tin - Tg
        for (int h = 1; h <= StundenImJahr; ++h) {
            const double tein = k->Reihen.Tein[h];
            const double erwartet = Tg + (tein - Tg) * rest;
            if (tein != Tg)
                groessteAbweichung =
                    std::max(groessteAbweichung,
                             std::fabs(k->Reihen.Taus[h] - erwartet) / std::fabs(tein - Tg));
            else
                ASSERT_NEAR(k->Reihen.Taus[h], Tg, 1e-9) << fall << ", Stunde " << h;
        }
        EXPECT_LT(groessteAbweichung, 1e-7) << fall;
        for (int a = 1; a <= n; ++a)
            EXPECT_NEAR(k->Erde.GitterErde[a][1], Tg, 1e-9) << fall << ", Wand der Zelle " << a;

        const double luecke = (1 - rest) / (1 - std::exp(-ntu)) - 1;
        EXPECT_NEAR(luecke, f.luecke, 2e-5) << fall;
    }
}

} // namespace
} // namespace kov
