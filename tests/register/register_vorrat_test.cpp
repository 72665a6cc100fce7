// The register model's shared set-up: runs that take it over from a vorrat give the bits of runs
// that build their own, a set-up is built once per distinct soil, surface, depth, pipe radius,
// spacing, number of pipes and solar offset and never for a flow or a length, a failed build is
// not kept, and a study of the register model on several threads equals its single runs.
#include "files/wetter.h"
#include "model/fehler.h"
#include "register/register_lauf.h"
#include "register/register_vorrat.h"
#include "register/variantenstudie.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace kov {
namespace {

TRegisterParameter Register() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    return p;
}

// coarse, so that the table of runs stays quick; the sharing does not depend on it
TRegisterAufloesung Grob() {
    TRegisterAufloesung a;
    a.AxialZellen = 4;
    a.Erdreich.ZellenWinkel = 12;
    a.Erdreich.ZellenRadial = 8;
    a.Erdreich.Zeitkonstanten = 5;
    a.MaxEinschwingjahre = 1;
    return a;
}

template <class T> bool GleicheBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(RegisterVorrat, TakenOverSetUpsGiveTheBitsOfOwnOnesAndAreBuiltOncePerGround) {
    struct Fall {
        const char* name;
        std::function<void(TRegisterParameter&)> aendern;
        std::size_t gebautDanach; // set-ups built so far (pipe responses and columns)
    } faelle[] = {
        {"base", [](TRegisterParameter&) {}, 2},
        {"flow", [](TRegisterParameter& p) { p.Volumenstrom = 2500; }, 2},
        {"length", [](TRegisterParameter& p) { p.Rohrlaenge = 30; }, 2},
        {"release limits", [](TRegisterParameter& p) { p.Heizgrenze = 2; }, 2},
        {"7 pipes", [](TRegisterParameter& p) { p.AnzahlRohre = 7; }, 3},
        {"7 pipes, other flow",
         [](TRegisterParameter& p) {
             p.AnzahlRohre = 7;
             p.Volumenstrom = 5000;
         },
         3},
        {"soil", [](TRegisterParameter& p) { p.LambdaErde = 2.0; }, 5},
        {"solar offset", [](TRegisterParameter& p) { p.Sonnenerwaermung = 1.5; }, 6},
        {"depth", [](TRegisterParameter& p) { p.Tiefe = 2.0; }, 8},
        {"spacing", [](TRegisterParameter& p) { p.Rohrabstand = 1.5; }, 9},
        {"diameter (outer radius)", [](TRegisterParameter& p) { p.DRohr = 0.25; }, 10},
        {"surface", [](TRegisterParameter& p) { p.AlphaOberflaeche = 8; }, 12},
        {"base again", [](TRegisterParameter&) {}, 12},
    };
    const TWetterJahr& wetter = EingebautesWetterJahr();
    TRegisterVorrat vorrat;
    auto geteilt = test::NeuerKontext();
    auto eigen = test::NeuerKontext();
    for (const Fall& f : faelle) {
        TRegisterParameter p = Register();
        f.aendern(p);
        ASSERT_EQ(RegisterLaufRechnen(p, wetter, nullptr, *geteilt, {}, Grob(), 0.0, &vorrat),
                  TLaufStatus::Fertig)
            << f.name;
        RegisterLaufRechnen(p, wetter, nullptr, *eigen, {}, Grob());
        EXPECT_TRUE(GleicheBits(geteilt->Ergebnis, eigen->Ergebnis)) << f.name;
        EXPECT_TRUE(GleicheBits(geteilt->Reihen.Taus, eigen->Reihen.Taus)) << f.name;
        EXPECT_TRUE(GleicheBits(geteilt->Reihen.TMonitor, eigen->Reihen.TMonitor)) << f.name;
        const TRegisterErgebnis& a = geteilt->RegisterErgebnis;
        const TRegisterErgebnis& b = eigen->RegisterErgebnis;
        EXPECT_TRUE(GleicheBits(a.TUngestoert, b.TUngestoert)) << f.name;
        EXPECT_TRUE(GleicheBits(a.Kondensat, b.Kondensat)) << f.name;
        EXPECT_EQ(a.LatenteEnergie, b.LatenteEnergie) << f.name;
        EXPECT_EQ(a.WaermeInsErdreich, b.WaermeInsErdreich) << f.name;
        EXPECT_EQ(vorrat.Gebaut(), f.gebautDanach) << f.name;
    }
    // every run asked for one pipe response and one column
    EXPECT_EQ(vorrat.Gebaut() + vorrat.Uebernommen(), 2 * std::size(faelle));
}

TEST(RegisterVorrat, AFailedSetUpIsNotKeptAndFailsAgain) {
    TRegisterParameter p = Register();
    p.Tiefe = 0.05; // the pipe reaches out of the ground
    TRegisterVorrat vorrat;
    for (int mal = 1; mal <= 2; ++mal)
        EXPECT_THROW(vorrat.RohrAntwort(p, Grob()), TParameterFehler) << mal;
    EXPECT_EQ(vorrat.Gebaut(), 0u);
    p.Tiefe = 1.5;
    EXPECT_NE(vorrat.RohrAntwort(p, Grob()), nullptr);
    EXPECT_EQ(vorrat.Gebaut(), 1u);
}

TEST(RegisterVorrat, ARegisterStudyOnTwoThreadsEqualsItsSingleRunsBitForBit) {
    TStudie studie;
    studie.Basis = Register();
    studie.Variationen = {VariationLesen("AnzahlRohre", "3,4"),
                          VariationLesen("Volumenstrom", "800,1200"),
                          VariationLesen("Rohrlaenge", "20")};
    const TWetterJahr& wetter = EingebautesWetterJahr();
    std::vector<TVariantenErgebnis> ergebnis;
    StudieRechnen(studie, wetter, nullptr, 2, ergebnis);
    ASSERT_EQ(ergebnis.size(), 4u);
    auto k = test::NeuerKontext();
    for (std::size_t i = 0; i < ergebnis.size(); ++i) {
        ASSERT_EQ(SimulationRechnen(VarianteParameter(studie, i), wetter, nullptr, *k),
                  TLaufStatus::Fertig);
        ASSERT_TRUE(ergebnis[i].Berechnet) << i;
        EXPECT_TRUE(GleicheBits(ergebnis[i].Ergebnis, k->Ergebnis)) << "variant " << i;
        EXPECT_EQ(ergebnis[i].Kennwerte.KondensatJahr, KennwerteBerechnen(*k).KondensatJahr)
            << "variant " << i;
        EXPECT_EQ(ergebnis[i].Kennwerte.TausMin, KennwerteBerechnen(*k).TausMin) << "variant " << i;
    }
}

} // namespace
} // namespace kov
