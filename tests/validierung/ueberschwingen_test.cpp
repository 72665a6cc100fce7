// The implicit cell balance makes every cell outlet a weighted mean of the cell inlet and the
// wall it sees, weights a = W/(W + Keff) and 1 - a, both in 0..1 for any cell length. So the
// air can never leave a pipe warmer or colder than both its inlet and every wall node it met.
// An explicit balance Ti = T(i-1) - Keff/W*(T(i-1) - Tg) would overshoot once Keff/W > 1 per
// cell, as with n = 3 at the defaults (NTU/n = 1.03).
#include "validierung_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kov {
namespace {

TEST(Ueberschwingen, OutletStaysBetweenInletAndTheWallNodesOfTheHour) {
    const test::TParameterFall faelle[] = {
        {"Standardwerte", [](TRegisterParameter&) {}},
        {"n=3, 1 Sub-Schritt (NTU je Zelle 1.03)",
         [](TRegisterParameter& p) {
             p.AnzahlGitter = 3;
             p.AnzahlSubSchritte = 1;
         }},
        {"n=10, 20 Sub-Schritte, 1500 m3/h",
         [](TRegisterParameter& p) {
             p.AnzahlGitter = 10;
             p.AnzahlSubSchritte = 20;
             p.Volumenstrom = 1500;
         }},
        {"Freigabe 5/20 C, Keller 0.3, adiabat 0.2, Stillstand 5 W/m2K",
         test::GemischterBetriebSetzen},
    };
    constexpr double Rundung = 1e-12; // K, a weighted mean of numbers below 40 °C
    for (const test::TParameterFall& f : faelle) {
        auto k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        f.setzen(k->Parameter);
        const TRegisterParameter& p = k->Parameter;
        const int n = p.AnzahlGitter;
        const int durchlaeufe = test::LaufVorbereiten(*k);
        for (int d = 1; d < durchlaeufe; ++d)
            test::DurchlaufRechnen(*k, d);

        // wall nodes the air pass of the sub-step reads, over the sectors it weights
        double kaelteste = 0, waermste = 0;
        double stundeMin = 1e9, stundeMax = -1e9;
        int laufStunden = 0, fehler = 0;
        auto vorLuft = [&](TKontext& kk) {
            if (!kk.Lauf.InBetrieb) return;
            kaelteste = 1e9;
            waermste = -1e9;
            const TErdGitter* gitter[] = {&kk.Erde.GitterErde, &kk.Erde.GitterAdiabat,
                                          &kk.Erde.GitterKeller};
            const double anteile[] = {p.AnteilErde, p.AnteilAdiabat, p.AnteilKeller};
            for (int s = 0; s < 3; ++s) {
                if (anteile[s] == 0) continue;
                for (int a = 1; a <= n; ++a) {
                    kaelteste = std::min(kaelteste, (*gitter[s])[a][1]);
                    waermste = std::max(waermste, (*gitter[s])[a][1]);
                }
            }
            stundeMin = std::min(stundeMin, kaelteste);
            stundeMax = std::max(stundeMax, waermste);
        };
        auto nachErde = [&](TKontext& kk) {
            if (!kk.Lauf.InBetrieb) return;
            const double tein = kk.Lauf.TEinAktuell;
            const double taus = kk.Lauf.TAusAktuell;
            const bool drin = taus >= std::min(tein, kaelteste) - Rundung &&
                              taus <= std::max(tein, waermste) + Rundung;
            if (!drin && ++fehler <= 5)
                ADD_FAILURE() << f.name << ", Stunde " << kk.Lauf.Stunde << ": Austritt " << taus
                              << " ausserhalb von Eintritt " << tein << " und Wand " << kaelteste
                              << ".." << waermste;
        };
        auto nachStunde = [&](TKontext& kk) {
            if (kk.Lauf.InBetrieb) {
                ++laufStunden;
                const double tein = kk.Lauf.TEinAktuell;
                const double taus = kk.Reihen.Taus[kk.Lauf.Stunde];
                EXPECT_GE(taus, std::min(tein, stundeMin) - Rundung)
                    << f.name << ", Stunde " << kk.Lauf.Stunde;
                EXPECT_LE(taus, std::max(tein, stundeMax) + Rundung)
                    << f.name << ", Stunde " << kk.Lauf.Stunde;
            }
            stundeMin = 1e9;
            stundeMax = -1e9;
        };
        test::DurchlaufRechnen(*k, durchlaeufe, vorLuft, nachErde, nachStunde);
        EXPECT_EQ(fehler, 0) << f.name;
        EXPECT_GT(laufStunden, 3000) << f.name;
    }
}

} // namespace
} // namespace kov
