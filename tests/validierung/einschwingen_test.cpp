// Settling: the ground starts uniform at the January earth temperature; the settling years carry
// it into its periodic state before the recorded year. The slowest mode of a default column
// (radius 1.3 m, soil diffusivity 7.7e-7 m2/s) decays within days to a few weeks, so one
// settling year already leaves the recorded totals periodic to rounding, while none leaves the
// start-up transient in them. A simulation radius of 3 m stores over months and needs more.
#include "validierung_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

TJahresErgebnis Summen(void (*setzen)(TRegisterParameter&), int einschwingjahre) {
    auto k = test::NeuerKontext();
    StandardwerteSetzen(*k);
    setzen(k->Parameter);
    k->Parameter.Einschwingjahre = einschwingjahre;
    test::JahrRechnen(*k);
    return k->Ergebnis;
}

double Relativ(double a, double b) {
    return a == b ? 0.0 : std::fabs(a - b) / std::max(std::fabs(a), std::fabs(b));
}

double GroessteAbweichung(const TJahresErgebnis& a, const TJahresErgebnis& b) {
    return std::max({Relativ(a.Heizenergie, b.Heizenergie), Relativ(a.Kuehlenergie, b.Kuehlenergie),
                     Relativ(a.WaermeentzugErde, b.WaermeentzugErde),
                     Relativ(a.WaermeentzugKeller, b.WaermeentzugKeller)});
}

TEST(Einschwingen, OneSettlingYearMakesTheTotalsPeriodicAtTheDesignsOfTheStudy) {
    struct Fall {
        const char* name;
        void (*setzen)(TRegisterParameter&);
        bool einJahrGenuegt; // totals of 1 and 2 settling years agree to 1e-8
        // relative gap of the heating energy without settling, from a run (kov-run
        // Einschwingjahre=0 and 1); stated to 1e-3
        double lueckeOhne;
    } const faelle[] = {
        {"Standardwerte", [](TRegisterParameter&) {}, true, 0.01344},
        {"Rohrlaenge 25 m", [](TRegisterParameter& p) { p.Rohrlaenge = 25; }, true, 0.01174},
        {"Volumenstrom 1500 m3/h", [](TRegisterParameter& p) { p.Volumenstrom = 1500; }, true,
         0.01603},
        {"SimRadius 0.6 m", [](TRegisterParameter& p) { p.SimRadius = 0.6; }, true, 0.00500},
        {"Tiefe 2 m", [](TRegisterParameter& p) { p.Tiefe = 2; }, true, 0.01236},
        {"Freigabe 5/20 C",
         [](TRegisterParameter& p) {
             p.Heizgrenze = 5;
             p.Kuehlgrenze = 20;
         },
         true, 0.01743},
        {"SimRadius 3 m", [](TRegisterParameter& p) { p.SimRadius = 3; }, false, 0.17753},
    };
    for (const Fall& f : faelle) {
        const TJahresErgebnis ohne = Summen(f.setzen, 0);
        const TJahresErgebnis eins = Summen(f.setzen, 1);
        const TJahresErgebnis zwei = Summen(f.setzen, 2);
        if (f.einJahrGenuegt)
            EXPECT_LE(GroessteAbweichung(eins, zwei), 1e-8) << f.name;
        else
            EXPECT_GT(GroessteAbweichung(eins, zwei), 1e-6) << f.name;
        EXPECT_GT(GroessteAbweichung(ohne, eins), 1e-3) << f.name;
        EXPECT_NEAR(Relativ(ohne.Heizenergie, eins.Heizenergie), f.lueckeOhne, 1e-3) << f.name;
    }
}

} // namespace
} // namespace kov
