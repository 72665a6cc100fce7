// Energy audit of a recorded year, sub-step by sub-step, per pipe and weighted by the sector
// shares. The Crank-Nicolson step conserves the heat of a column exactly: the stored heat
// sum C(i)*T(i) changes by dt * [g(1)*(T0 - mean T1) + g(n+1)*(T(n+1) - mean Tn)], the means taken
// over the old and new value of the step. The air pass sees the wall at the start of the
// sub-step instead: per cell it gives the air Keff*(T1old - Ti)*dt, which is the heat leaving the
// wall through g(1) = Kw plus Kw*dt*(T1new - T1old)/2. That coupling term telescopes while the
// register runs without a break and vanishes over a periodic year; every switch of the bypass
// leaves its share behind. In a standing sub-step the surface node keeps its last value and, with
// AlphaStillstand > 0.01, feeds the wall through the standstill conductance like a reservoir.
// So: air = outer boundary + standstill surface - increase of stored heat - coupling.
#include "validierung_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

struct TAudit {            // J per pipe over the recorded year
    double Luft = 0;       // taken up by the air, running sub-steps
    double Brutto = 0;     // |taken up by the air| summed over the sub-steps
    double Rand = 0;       // across the outer boundaries (earth, cellar)
    double Innen = 0;      // across the inner surface into the wall, every sub-step
    double Stillstand = 0; // the part of Innen in standing sub-steps
    double Kopplung = 0;   // Kw*dt*(T1new - T1old)/2 of the running sub-steps
    double Speicher = 0;   // increase of the stored heat
};

double Gespeichert(const TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    const TErdZustand& e = k.Erde;
    const int n = p.AnzahlGitter;
    double u = 0;
    for (int a = 1; a <= n; ++a)
        for (int i = 1; i <= n; ++i)
            u += p.AnteilErde * e.KapazitaetErde[i] * e.GitterErde[a][i] +
                 p.AnteilAdiabat * e.KapazitaetErde[i] * e.GitterAdiabat[a][i] +
                 p.AnteilKeller * e.KapazitaetKeller[i] * e.GitterKeller[a][i];
    return u;
}

TAudit JahrPruefen(TKontext& k) {
    const int durchlaeufe = test::LaufVorbereiten(k);
    for (int d = 1; d < durchlaeufe; ++d)
        test::DurchlaufRechnen(k, d);
    const TRegisterParameter& p = k.Parameter;
    const int n = p.AnzahlGitter;
    const double dt = k.Werte.SubZeitschritt;
    TAudit s;
    const double anfang = Gespeichert(k);
    auto alt = std::make_unique<TErdZustand>();
    auto vorLuft = [&](TKontext& kk) { *alt = kk.Erde; };
    auto nachErde = [&](TKontext& kk) {
        const TErdZustand& e = kk.Erde;
        const bool laeuft = kk.Lauf.InBetrieb;
        if (laeuft) {
            const double q =
                e.KapazitaetsstromLuft * (kk.Lauf.TAusAktuell - kk.Lauf.TEinAktuell) * dt;
            s.Luft += q;
            s.Brutto += std::fabs(q);
        }
        const double g1 = laeuft ? e.LeitwertWand : e.LeitwertStillstand;
        const struct {
            double Anteil;
            const TErdGitter& Neu;
            const TErdGitter& Alt;
            double GRand;
        } sektoren[] = {
            {p.AnteilErde, e.GitterErde, alt->GitterErde, e.LeitwertErde[n + 1]},
            {p.AnteilAdiabat, e.GitterAdiabat, alt->GitterAdiabat, 0.0},
            {p.AnteilKeller, e.GitterKeller, alt->GitterKeller, e.LeitwertKeller[n + 1]},
        };
        for (const auto& sek : sektoren) {
            for (int a = 1; a <= n; ++a) {
                const TGitterZeile& neu = sek.Neu[a];
                const TGitterZeile& vor = sek.Alt[a];
                const double innen = sek.Anteil * dt * g1 * (neu[0] - (vor[1] + neu[1]) / 2);
                s.Innen += innen;
                if (!laeuft) s.Stillstand += innen;
                s.Rand += sek.Anteil * dt * sek.GRand * (neu[n + 1] - (vor[n] + neu[n]) / 2);
                if (laeuft) s.Kopplung += sek.Anteil * dt * e.LeitwertWand * (neu[1] - vor[1]) / 2;
            }
        }
    };
    test::DurchlaufRechnen(k, durchlaeufe, vorLuft, nachErde, [](TKontext&) {});
    s.Speicher = Gespeichert(k) - anfang;
    return s;
}

TEST(EnergieAudit, HeatOfTheAirIsAccountedForByBoundariesStorageAndCoupling) {
    struct Fall {
        const char* name;
        void (*setzen)(TRegisterParameter&);
        // (air - (outer boundary - increase of stored heat)) / gross exchange: 0 when the
        // register never stops; otherwise the coupling and standstill shares of a reference
        // run of this test, stated to 2e-4
        double luecke;
        double toleranz;
    } const faelle[] = {
        {"Standardwerte", [](TRegisterParameter&) {}, 0.0, 1e-6},
        {"n=3, 1 Sub-Schritt",
         [](TRegisterParameter& p) {
             p.AnzahlGitter = 3;
             p.AnzahlSubSchritte = 1;
         },
         0.0, 1e-6},
        {"n=10, 20 Sub-Schritte",
         [](TRegisterParameter& p) {
             p.AnzahlGitter = 10;
             p.AnzahlSubSchritte = 20;
         },
         0.0, 1e-6},
        {"Freigabe 5/20 C",
         [](TRegisterParameter& p) {
             p.Heizgrenze = 5;
             p.Kuehlgrenze = 20;
         },
         -0.04647, 2e-4},
        {"Freigabe 5/20 C, Keller 0.3, adiabat 0.2, Stillstand 5 W/m2K",
         test::GemischterBetriebSetzen, 0.08093, 2e-4},
    };
    for (const Fall& f : faelle) {
        auto k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        f.setzen(k->Parameter);
        const TAudit s = JahrPruefen(*k);
        ASSERT_GT(s.Brutto, 0.0) << f.name;

        // the ground alone: exact up to the rounding of the step matrices
        EXPECT_NEAR(s.Speicher, s.Innen + s.Rand, 1e-9 * s.Brutto) << f.name;
        // air and ground together, with the coupling and standstill terms
        EXPECT_NEAR(s.Luft, s.Rand + s.Stillstand - s.Speicher - s.Kopplung, 1e-9 * s.Brutto)
            << f.name;
        // the balance without them
        EXPECT_NEAR((s.Luft - (s.Rand - s.Speicher)) / s.Brutto, f.luecke, f.toleranz) << f.name;

        // The yearly totals of the report take the hour's power from its last sub-step, the
        // boundary flows from the grid at the end of the hour, and skip hour 1 with the step of
        // the boundary from December to January; they show the same gap, within 0.3 % of the
        // gross exchange.
        const TJahresErgebnis& e = k->Ergebnis;
        const double brutto = e.Heizenergie + e.Kuehlenergie;
        const double summenLuecke =
            (e.Heizenergie - e.Kuehlenergie - e.WaermeentzugErde - e.WaermeentzugKeller) / brutto;
        EXPECT_NEAR(summenLuecke, f.luecke, 3e-3) << f.name;
        EXPECT_NEAR(brutto, s.Brutto * k->Parameter.AnzahlRohre / 3.6e6, 0.01 * brutto) << f.name;
    }
}

} // namespace
} // namespace kov
