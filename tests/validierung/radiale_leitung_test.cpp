// A radial column held at 0 °C at the inner pipe surface and at 10 °C at its outer boundary node
// settles to the flux of its chain of conductances in series. The chain is a composite cylinder:
// the logarithms of the rings telescope, and the outer coupling G(n+1) = G(n) adds one more
// step ln(rm(n)/rm(n-1)), so the column conducts like pipe wall r0..r1 and soil
// r1..r_eff with r_eff = rm(n)^2 / rm(n-1), beyond the simulation radius r1 + SimRadius.
#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kov {
namespace {

TEST(RadialeLeitung, SteadyColumnCarriesTheFluxOfItsSeriesConductance) {
    struct Fall {
        int gitter;
        double simRadius; // m
        // r_eff = rm(n)^2 / rm(n-1) from the ring radii of the set-up, worked by hand
        double rEffektiv; // m
        // composite-cylinder conductance to r1 + SimRadius over that to r_eff:
        // (ln(r1/r0)/lR + ln(r_eff/r1)/lE) / (ln(r1/r0)/lR + ln((r1 + SimRadius)/r1)/lE)
        double leitwertVerhaeltnis;
    } const faelle[] = {
        {6, 1.2, 1.9011, 0.8780}, {3, 1.2, 6.8135, 0.6228}, {10, 1.2, 1.4888, 0.9528},
        {6, 0.6, 0.8844, 0.9005}, {6, 2.4, 4.3341, 0.8603},
    };
    for (const Fall& f : faelle) {
        const std::string fall =
            "n=" + std::to_string(f.gitter) + ", SimRadius " + std::to_string(f.simRadius) + " m";
        auto k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        TRegisterParameter& p = k->Parameter;
        p.AnzahlGitter = f.gitter;
        p.SimRadius = f.simRadius;
        k->Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(p);
        const int n = p.AnzahlGitter;
        k->Werte.Zellenlaenge = p.Rohrlaenge / n;
        k->Werte.StartTemperatur = 0.0;
        ErdGitterAufbauen(*k, k->Erde, 3600.0);
        TErdZustand& e = k->Erde;
        e.GitterErde[1][0] = 0.0;
        e.GitterErde[1][n + 1] = 10.0;
        // the slowest mode of the column decays within about 40 days; 12 years of hourly steps
        // bring it below 1e-14 K
        for (int schritt = 0; schritt < 105120; ++schritt)
            ErdScheibeRechnen(e, n, true, 1);

        const TGitterZeile& T = e.GitterErde[1];
        TGitterZeile g = e.LeitwertErde;
        g[1] = e.LeitwertWand;
        double widerstand = 0;
        for (int i = 1; i <= n + 1; ++i)
            widerstand += 1 / g[i];
        const double fluss = 10.0 / widerstand; // W, series conductance times 10 K
        for (int i = 1; i <= n + 1; ++i)
            EXPECT_NEAR(g[i] * (T[i] - T[i - 1]), fluss, 1e-9 * fluss)
                << fall << ", Verbindung " << i - 1 << "-" << i;

        // the radius a composite cylinder of this flux would reach
        const double dx = k->Werte.Zellenlaenge;
        const double r0 = p.DRohr / 2, r1 = r0 + p.WandstaerkeRohr;
        const double rohr = std::log(r1 / r0) / p.LambdaRohr;
        const double rEff = r1 * std::exp(p.LambdaErde * (6.28318 * dx * 10.0 / fluss - rohr));
        EXPECT_NEAR(rEff, f.rEffektiv, 1e-4) << fall;
        EXPECT_NEAR(e.RadienErde[n], r1 + p.SimRadius, 1e-3) << fall;
        const double physikalisch =
            6.28318 * dx * 10.0 / (rohr + std::log((r1 + p.SimRadius) / r1) / p.LambdaErde);
        EXPECT_NEAR(fluss / physikalisch, f.leitwertVerhaeltnis, 1e-4) << fall;
    }
}

} // namespace
} // namespace kov
