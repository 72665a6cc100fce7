#include "register/regelung.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

// Start-of-hour decision followed by the limit check, as a running hour sees them.
bool Laeuft(const TRegisterParameter& p, double R, double t, bool vorher) {
    TSimulationsLauf lauf;
    lauf.InBetrieb = vorher;
    BetriebEntscheiden(p, lauf, R);
    GrenzenPruefen(p, lauf, t);
    return lauf.InBetrieb;
}

TEST(Regelung, ReleaseLimitsAndSchedule) {
    struct TFall {
        double heiz, kuehl;
        bool fahrplan, geregelt;
        double R, t;
        bool laeuft;
    };
    const TFall faelle[] = {
        // blocking band 5 < t < 20, limits themselves release
        {5, 20, false, true, 1.0, 4.9, true},
        {5, 20, false, true, 1.0, 5.0, true},
        {5, 20, false, true, 1.0, 5.1, false},
        {5, 20, false, true, 1.0, 19.9, false},
        {5, 20, false, true, 1.0, 20.0, true},
        // equal limits leave no band, the limit value included
        {12, 12, false, true, 1.0, 12.0, true},
        {12, 12, false, true, 1.0, 11.9, true},
        // crossed limits never stop the register
        {20, 5, false, true, 1.0, 12.0, true},
        // a schedule stops at zero flow whatever the temperature
        {5, 20, true, true, 0.0, -10.0, false},
        {5, 20, true, true, 0.0, 30.0, false},
        {5, 20, true, true, 0.3, 12.0, false},
        {5, 20, true, true, 0.3, 25.0, true},
        // without a schedule the relative flow decides nothing
        {5, 20, false, true, 0.0, 25.0, true},
        // uncontrolled: only the schedule decides
        {5, 20, false, false, 1.0, 12.0, true},
        {5, 20, true, false, 0.3, 12.0, true},
        {5, 20, true, false, 0.0, 30.0, false},
    };
    for (const TFall& f : faelle) {
        TRegisterParameter p;
        p.Heizgrenze = f.heiz;
        p.Kuehlgrenze = f.kuehl;
        p.FahrplanGelesen = f.fahrplan;
        p.Geregelt = f.geregelt;
        for (bool vorher : {true, false}) {
            EXPECT_EQ(Laeuft(p, f.R, f.t, vorher), f.laeuft)
                << "Heizgrenze " << f.heiz << " Kuehlgrenze " << f.kuehl
                << (f.fahrplan ? " Fahrplan" : "") << (f.geregelt ? " geregelt" : "") << " R "
                << f.R << " T " << f.t << (vorher ? " nach Betrieb" : " nach Stillstand");
        }
    }
}

TEST(Regelung, LimitCheckNeverSwitchesOn) {
    TRegisterParameter p;
    p.Heizgrenze = 5;
    p.Kuehlgrenze = 20;
    TSimulationsLauf lauf;
    lauf.InBetrieb = false;
    GrenzenPruefen(p, lauf, 30.0);
    EXPECT_FALSE(lauf.InBetrieb);
    // the same inlet temperature in every sub-step keeps the decision of the first
    lauf.InBetrieb = true;
    for (int sub = 0; sub < 3; ++sub) {
        GrenzenPruefen(p, lauf, 10.0);
        EXPECT_FALSE(lauf.InBetrieb) << sub;
    }
}

} // namespace
} // namespace kov
