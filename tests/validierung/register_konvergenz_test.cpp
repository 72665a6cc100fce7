// The register model converged: every resolution refined at once changes the yearly energies by
// at most 0.5 % and the lowest hourly outlet by at most 0.15 K, for designs spanning the range
// (depth 1-4 m, length 10-100 m, diameter 0.1-0.5 m, spacing 0.3-5 m, 1-30 pipes, flow 20-100 %
// of 2 m/s). docs/validierung.md, chapter 8, shows each refinement on its own.

#include "files/wetter.h"
#include "register/register_lauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace kov {
namespace {

struct TEntwurf {
    const char* name;
    double tiefe, laenge, d, abstand;
    int rohre;
    double anteilNenn; // of the flow that gives 2 m/s
};

TRegisterParameter Parameter(const TEntwurf& e) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    p.Tiefe = e.tiefe;
    p.Rohrlaenge = e.laenge;
    p.DRohr = e.d;
    p.Rohrabstand = e.abstand;
    p.AnzahlRohre = e.rohre;
    p.Volumenstrom = e.anteilNenn * 2.0 * 3600 * 3.14159 * e.d * e.d / 4 * e.rohre;
    return p;
}

TEST(RegisterKonvergenz, RefiningEveryResolutionChangesTheResultsWithinTheLimits) {
    const TEntwurf entwuerfe[] = {
        {"deep close row", 4.0, 50, 0.1, 0.3, 30, 1.0},
        {"shallow wide pair", 1.0, 100, 0.5, 5.0, 2, 1.0},
        {"short lone pipe at low flow", 2.0, 10, 0.2, 1.0, 1, 0.2},
    };
    TRegisterAufloesung fein;
    fein.Erdreich.ZellenWinkel *= 2;
    fein.Erdreich.ZellenRadial *= 2;
    fein.Erdreich.Zeitkonstanten *= 2;
    fein.Erdreich.ErsteSchicht /= 2;
    fein.AxialZellen *= 2;
    fein.SubSchritte *= 2;
    auto k = std::make_unique<TKontext>();
    for (const TEntwurf& e : entwuerfe) {
        const TRegisterParameter p = Parameter(e);
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k);
        const TRegisterErgebnis basis = k->RegisterErgebnis;
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k, {}, fein);
        const TRegisterErgebnis& f = k->RegisterErgebnis;
        EXPECT_NEAR(basis.Heizenergie / f.Heizenergie, 1.0, 0.005) << e.name;
        EXPECT_NEAR(basis.Kuehlenergie / f.Kuehlenergie, 1.0, 0.005) << e.name;
        EXPECT_NEAR(basis.TausMin, f.TausMin, 0.15) << e.name;
        EXPECT_LT(basis.EinschwingAenderung, 0.001) << e.name;
    }
}

} // namespace
} // namespace kov
