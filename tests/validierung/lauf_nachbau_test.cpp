// The validation tests look into every sub-step through the hour loop rebuilt in
// validierung_hilfen.h; this test keeps that rebuild honest against the run itself.
#include "validierung_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(LaufNachbau, HourLoopRebuiltFromItsPiecesIsTheRun) {
    const test::TParameterFall faelle[] = {
        {"Standardwerte", [](TRegisterParameter&) {}},
        {"Freigabe 5/20 C, Keller 0.3, adiabat 0.2, Stillstand 5 W/m2K, n=4, 3 Sub-Schritte",
         [](TRegisterParameter& p) {
             test::GemischterBetriebSetzen(p);
             p.AnzahlGitter = 4;
             p.AnzahlSubSchritte = 3;
         }},
    };
    for (const test::TParameterFall& f : faelle) {
        auto lauf = test::NeuerKontext();
        auto nachbau = test::NeuerKontext();
        StandardwerteSetzen(*lauf);
        StandardwerteSetzen(*nachbau);
        f.setzen(lauf->Parameter);
        f.setzen(nachbau->Parameter);
        test::JahrRechnen(*lauf);
        const int durchlaeufe = test::LaufVorbereiten(*nachbau);
        for (int d = 1; d <= durchlaeufe; ++d)
            test::DurchlaufRechnen(*nachbau, d);

        for (int h = 1; h <= StundenImJahr; ++h) {
            ASSERT_EQ(nachbau->Reihen.Taus[h], lauf->Reihen.Taus[h]) << f.name << ", Stunde " << h;
            ASSERT_EQ(nachbau->Reihen.Betrieb[h], lauf->Reihen.Betrieb[h])
                << f.name << ", Stunde " << h;
        }
        EXPECT_EQ(nachbau->Erde.GitterErde, lauf->Erde.GitterErde) << f.name;
        EXPECT_EQ(nachbau->Erde.GitterKeller, lauf->Erde.GitterKeller) << f.name;
        EXPECT_EQ(nachbau->Erde.GitterAdiabat, lauf->Erde.GitterAdiabat) << f.name;
        EXPECT_EQ(nachbau->Ergebnis.Heizenergie, lauf->Ergebnis.Heizenergie) << f.name;
        EXPECT_EQ(nachbau->Ergebnis.Kuehlenergie, lauf->Ergebnis.Kuehlenergie) << f.name;
        EXPECT_EQ(nachbau->Ergebnis.WaermeentzugErde, lauf->Ergebnis.WaermeentzugErde) << f.name;
        EXPECT_EQ(nachbau->Ergebnis.WaermeentzugKeller, lauf->Ergebnis.WaermeentzugKeller)
            << f.name;
    }
}

} // namespace
} // namespace kov
