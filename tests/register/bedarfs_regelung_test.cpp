// Control that follows the need: the decision from the pipe wall and what the building wants,
// and a design year with it beside the classic limits.
#include "files/wetter.h"
#include "register/kennwerte.h"
#include "register/lauf.h"
#include "register/regelung.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Regelung = "bedarf";
    return p;
}

TEST(BedarfsRegelung, RunsOnlyWhenTheWallMovesTheIntakeTowardTheNeed) {
    struct Fall {
        const char* name;
        double heizgrenze, kuehlgrenze;
        bool wrg;
        double wand, t;
        bool laeuft;
    } faelle[] = {
        {"Heizperiode, Wand wärmer", 12, 12, false, 10, 5, true},
        {"Heizperiode, Wand kälter", 12, 12, false, 10, 11, false},
        {"an der Heizgrenze, Wand wärmer", 12, 18, false, 13, 12, true},
        {"Kühlen gewünscht, Wand kühler", 12, 12, false, 10, 30, true},
        {"Kühlen gewünscht, Wand wärmer", 12, 18, false, 20, 19, false},
        {"zwischen den Grenzen", 5, 18, false, 10, 15, false},
        {"Wand gleich Luft", 12, 12, false, 8, 8, false},
        // with the unit cooling counts from the comfort limit (24 °C), not from Kuehlgrenze
        {"WRG, 20 °C", 12, 12, true, 10, 20, false},
        {"WRG, 24 °C", 12, 12, true, 10, 24, true},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p = Standard();
        p.Heizgrenze = f.heizgrenze;
        p.Kuehlgrenze = f.kuehlgrenze;
        p.WRG = f.wrg;
        p.AnzahlGitter = 3;
        TErdZustand erde;
        for (std::size_t a = 1; a <= 3; ++a)
            erde.GitterErde[a][1] = f.wand;
        EXPECT_EQ(RohrwandTemperatur(p, erde), f.wand) << f.name;
        TSimulationsLauf lauf;
        lauf.InBetrieb = true;
        BedarfPruefen(p, erde, lauf, f.t);
        EXPECT_EQ(lauf.InBetrieb, f.laeuft) << f.name;
        // a stopped hour stays stopped
        lauf.InBetrieb = false;
        BedarfPruefen(p, erde, lauf, f.t);
        EXPECT_FALSE(lauf.InBetrieb) << f.name;
    }
    // the sectors count by their share of the circumference: 0.25 * 4 + 0.75 * 8 = 7 °C
    TRegisterParameter p = Standard();
    p.AnzahlGitter = 3;
    p.AnteilKeller = 0.25;
    AnteilErdeBerechnen(p);
    TErdZustand erde;
    for (std::size_t a = 1; a <= 3; ++a) {
        erde.GitterKeller[a][1] = 4;
        erde.GitterErde[a][1] = 8;
    }
    EXPECT_DOUBLE_EQ(RohrwandTemperatur(p, erde), 7.0);
}

TEST(BedarfsRegelung, DesignYearBesideTheClassicLimits) {
    TRegisterParameter klassisch;
    ParameterStandardwerteSetzen(klassisch);
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(klassisch, EingebautesWetterJahr(), nullptr, *k),
              TLaufStatus::Fertig);
    const TKennwerte a = KennwerteBerechnen(*k);
    auto b = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(Standard(), EingebautesWetterJahr(), nullptr, *b),
              TLaufStatus::Fertig);
    const TKennwerte n = KennwerteBerechnen(*b);
    // the classic limits at 12/12 heat summer nights and cool winter afternoons; following the
    // need leaves almost nothing unwanted and runs fewer hours for more useful energy per kWh
    EXPECT_GT(a.HeizenergieUnerwuenscht + a.KuehlenergieUnerwuenscht, 1000);
    EXPECT_LT(n.HeizenergieUnerwuenscht + n.KuehlenergieUnerwuenscht,
              0.01 * (a.HeizenergieUnerwuenscht + a.KuehlenergieUnerwuenscht));
    EXPECT_LT(n.Ventilatorenergie, a.Ventilatorenergie);
    EXPECT_GT(n.Leistungszahl, a.Leistungszahl);
    double stunden = 0;
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        stunden += b->Reihen.Betrieb[h];
    EXPECT_LT(stunden, StundenImJahr);
}

} // namespace
} // namespace kov
