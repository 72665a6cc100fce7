// The design check: every rule with a design that keeps it and one that breaks it, the useful
// NTU and the NTU per metre by hand, the statement, and the figures gathered from real runs.
#include "register/auslegungs_pruefung.h"

#include "files/wetter.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

// a design that keeps every rule: site weather, pipes 3 m apart (more than the 2.6 m of ground
// two simulated pipes take), and figures inside every limit
TRegisterParameter GuterEntwurf() {
    TRegisterParameter p = Standard();
    p.WetterDatei = "standort.epw";
    p.Rohrabstand = 3.0;
    return p;
}
TPruefDaten GuteDaten() {
    TPruefDaten d;
    d.Geschwindigkeit = 2.0;
    d.Druckverlust = 30;
    d.Gelaufen = true;
    d.TausMinBetrieb = 2.0;
    d.RelVolumenstromMin = 1.0;
    d.KondensatJahr = 0;
    d.NtuJeMeter = 0.02; // useful length 2.2353 / 0.02 = 111.8 m
    return d;
}

// a copy: the rules are often those of a temporary check
TPruefRegel RegelNamens(const std::vector<TPruefRegel>& regeln, const std::string& name) {
    for (const TPruefRegel& r : regeln)
        if (r.Schluessel == name) return r;
    throw std::logic_error("no rule " + name);
}

TEST(AuslegungsPruefung, AGoodDesignKeepsEveryRule) {
    const std::vector<TPruefRegel> regeln = AuslegungPruefen(GuterEntwurf(), GuteDaten());
    const std::vector<std::string> reihenfolge = {
        "Luftgeschwindigkeit", "Frost",     "Druckverlust", "Verlegetiefe", "Rohrabstand",
        "Turbulenz",           "Kondensat", "Rohrlaenge",   "Wetter"};
    ASSERT_EQ(regeln.size(), reihenfolge.size());
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        EXPECT_EQ(regeln[i].Schluessel, reihenfolge[i]);
        EXPECT_EQ(regeln[i].Urteil, TUrteil::Erfuellt) << regeln[i].Schluessel;
        EXPECT_FALSE(regeln[i].Erlaeuterung.empty()) << regeln[i].Schluessel;
    }
    EXPECT_EQ(GesamtUrteil(regeln), TUrteil::Erfuellt);
    EXPECT_EQ(AuslegungsAussage(regeln), "Die Auslegung erfüllt alle Prüfungen.");
}

TEST(AuslegungsPruefung, EachRuleKeptAndBroken) {
    using TAenderung = std::function<void(TRegisterParameter&, TPruefDaten&)>;
    struct Fall {
        const char* name;
        const char* regel;
        TAenderung aendern;
        TUrteil urteil;
        double wert, grenze; // the figure and limit the rule shows
    } faelle[] = {
        {"3.0 m/s at the limit", "Luftgeschwindigkeit",
         [](auto&, auto& d) { d.Geschwindigkeit = 3.0; }, TUrteil::Erfuellt, 3.0, 3.0},
        {"4.6 m/s", "Luftgeschwindigkeit", [](auto&, auto& d) { d.Geschwindigkeit = 4.6; },
         TUrteil::NichtErfuellt, 4.6, 3.0},
        {"outlet at the frost limit", "Frost", [](auto&, auto& d) { d.TausMinBetrieb = 0.0; },
         TUrteil::Erfuellt, 0.0, 0.0},
        {"outlet -0.5 °C", "Frost", [](auto&, auto& d) { d.TausMinBetrieb = -0.5; },
         TUrteil::NichtErfuellt, -0.5, 0.0},
        {"outlet 1 °C, limit raised to 2 °C", "Frost",
         [](auto& p, auto& d) {
             p.Frostgrenze = 2;
             d.TausMinBetrieb = 1;
         },
         TUrteil::NichtErfuellt, 1.0, 2.0},
        {"50 Pa at the budget", "Druckverlust", [](auto&, auto& d) { d.Druckverlust = 50; },
         TUrteil::Erfuellt, 50, 50},
        {"75 Pa", "Druckverlust", [](auto&, auto& d) { d.Druckverlust = 75; },
         TUrteil::NichtErfuellt, 75, 50},
        {"0.8 m deep", "Verlegetiefe", [](auto& p, auto&) { p.Tiefe = 0.8; }, TUrteil::Erfuellt,
         0.8, 0.8},
        {"0.6 m deep", "Verlegetiefe", [](auto& p, auto&) { p.Tiefe = 0.6; },
         TUrteil::NichtErfuellt, 0.6, 0.8},
        {"0.9 m apart", "Rohrabstand", [](auto& p, auto&) { p.Rohrabstand = 0.9; },
         TUrteil::NichtErfuellt, 0.9, 1.0},
        // 2 * (0.0961 + 0.0039 + 1.2) = 2.6 m of simulated ground for two pipes
        {"1.5 m apart: neighbours share ground", "Rohrabstand",
         [](auto& p, auto&) { p.Rohrabstand = 1.5; }, TUrteil::Hinweis, 1.5, 1.0},
        {"2.6 m apart: each its own ground", "Rohrabstand",
         [](auto& p, auto&) { p.Rohrabstand = 2.6; }, TUrteil::Erfuellt, 2.6, 1.0},
        // Re = w R d / nu = 2.0 * R * 0.1922 / 1.45e-5 = 26510 R
        {"Re 7953 at 30 % flow: transition", "Turbulenz",
         [](auto&, auto& d) { d.RelVolumenstromMin = 0.3; }, TUrteil::Hinweis, 7953.10, 2300},
        {"Re 2121 at 8 % flow: laminar", "Turbulenz",
         [](auto&, auto& d) { d.RelVolumenstromMin = 0.08; }, TUrteil::NichtErfuellt, 2120.83,
         2300},
        {"5 kg of condensate", "Kondensat", [](auto&, auto& d) { d.KondensatJahr = 5; },
         TUrteil::Hinweis, 5, 0},
        // useful length 2.2353 / 0.05 = 44.7 m < 50 m
        {"NTU 0.05/m: 50 m longer than useful", "Rohrlaenge",
         [](auto&, auto& d) { d.NtuJeMeter = 0.05; }, TUrteil::Hinweis, 50, 44.7066},
        {"NTU 0.02/m: 111.8 m useful", "Rohrlaenge", [](auto&, auto&) {}, TUrteil::Erfuellt, 50,
         111.7665},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p = GuterEntwurf();
        TPruefDaten d = GuteDaten();
        f.aendern(p, d);
        const std::vector<TPruefRegel> regeln = AuslegungPruefen(p, d);
        const TPruefRegel r = RegelNamens(regeln, f.regel);
        EXPECT_EQ(r.Urteil, f.urteil) << f.name;
        EXPECT_NEAR(r.Wert, f.wert, 0.01) << f.name;
        EXPECT_NEAR(r.Grenze, f.grenze, 1e-4) << f.name;
        // the rule under test is the only one that changes its verdict
        for (const TPruefRegel& andere : regeln) {
            if (andere.Schluessel == f.regel) continue;
            EXPECT_EQ(andere.Urteil, TUrteil::Erfuellt) << f.name << ": " << andere.Schluessel;
        }
        EXPECT_EQ(GesamtUrteil(regeln), f.urteil) << f.name;
    }
}

TEST(AuslegungsPruefung, WeatherAndARegisterThatNeverRan) {
    TRegisterParameter p = GuterEntwurf();
    TPruefDaten d = GuteDaten();
    struct Fall {
        const char* name;
        std::string datei;
        std::string klima;
        bool eingebaut;
        TUrteil urteil;
        const char* kennzeichen;
    } faelle[] = {
        {"site file", "standort.epw", "", true, TUrteil::Erfuellt, "Standorts."},
        {"built-in Swiss year", "", "", true, TUrteil::Hinweis, "Schweizer Auslegungsjahr"},
        {"read back from the last report", "", "", false, TUrteil::Hinweis, "vorigen Bericht"},
        // a built-in climate is the region's reference year, never the Swiss year
        {"built-in climate", "", "TRY2015-05-Jahr", true, TUrteil::Erfuellt, "Testreferenzjahr"},
        // the previous report is read before any site file the project still names
        {"report before site file", "standort.epw", "", false, TUrteil::Hinweis, "vorigen Bericht"},
    };
    for (const Fall& f : faelle) {
        p.WetterDatei = f.datei;
        p.Klima = f.klima;
        p.EingebautesWetter = f.eingebaut;
        const TPruefRegel r = RegelNamens(AuslegungPruefen(p, d), "Wetter");
        EXPECT_EQ(r.Urteil, f.urteil) << f.name;
        EXPECT_FALSE(r.HatWert) << f.name;
        EXPECT_NE(r.Erlaeuterung.find(f.kennzeichen), std::string::npos) << f.name;
    }
    p = GuterEntwurf();
    d.Gelaufen = false;
    d.TausMinBetrieb = -20; // left over; a register that never ran blows no cold air
    const TPruefRegel frost = RegelNamens(AuslegungPruefen(p, d), "Frost");
    EXPECT_EQ(frost.Urteil, TUrteil::Erfuellt);
    EXPECT_FALSE(frost.HatWert);
}

TEST(AuslegungsPruefung, StatementNamesViolationsAndNotes) {
    TRegisterParameter p = GuterEntwurf();
    TPruefDaten d = GuteDaten();
    d.Geschwindigkeit = 4.6;
    d.Druckverlust = 75;
    d.KondensatJahr = 3;
    const std::vector<TPruefRegel> regeln = AuslegungPruefen(p, d);
    EXPECT_EQ(GesamtUrteil(regeln), TUrteil::NichtErfuellt);
    EXPECT_EQ(AuslegungsAussage(regeln),
              "Die Auslegung erfüllt nicht: Luftgeschwindigkeit bei Nenn-Volumenstrom, "
              "Druckverlust bei Nenn-Volumenstrom. Hinweise: Kondensat im Jahr.");
    d = GuteDaten();
    d.KondensatJahr = 3;
    EXPECT_EQ(AuslegungsAussage(AuslegungPruefen(p, d)),
              "Die Auslegung erfüllt alle Prüfungen. Hinweise: Kondensat im Jahr.");
}

TEST(AuslegungsPruefung, UsefulLengthAndNtuByHand) {
    // (e^-0.9N - e^-N)/(1 - e^-N): N = 2.2 -> 0.030664, N = 2.25 -> 0.029728; 0.03 at 2.23533
    EXPECT_NEAR(NutzbareNtu(), 2.2353294, 1e-6);

    // default design, per metre of pipe: the air side with the model's own coefficient, the
    // wall ln(0.1/0.0961)/(2 pi 0.35) = 0.018090 mK/W, the ground to 1.2 m beyond the wall
    // ln(1.3/0.1)/(2 pi 1.5) = 0.272150 mK/W; W = 1.2 * 1005 * 3700/3600/15 = 82.633 W/K
    const TRegisterParameter p = Standard();
    const double w = 3700.0 / 3600 / 3.14159 / (0.1922 * 0.1922) * 4 / 15; // 2.36163 m/s
    EXPECT_NEAR(NennGeschwindigkeit(p), 2.36163, 1e-5);
    const double alpha = Waermeuebergang(w, 0.1922, 1.45e-5, 1.2, 1005, 0.024, 1.0);
    const double luft = 1 / (alpha * 3.14159 * 0.1922);
    const double ntu = 1 / (luft + 0.018090 + 0.272150) / 82.6333;
    EXPECT_NEAR(NtuJeMeterBerechnen(p), ntu, 1e-7);
    // the default pipe of 50 m is well inside its useful length (reference run: 88.1 m)
    EXPECT_NEAR(NutzbareNtu() / NtuJeMeterBerechnen(p), 88.1, 0.1);
}

TEST(AuslegungsPruefung, FiguresGatheredFromARun) {
    // uncontrolled, the register runs every hour: its lowest outlet is the year's
    TRegisterParameter p = Standard();
    p.Geregelt = false;
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    TKennwerte kw = KennwerteBerechnen(*k);
    TPruefDaten d = PruefDatenSammeln(*k, kw);
    EXPECT_TRUE(d.Gelaufen);
    EXPECT_EQ(d.TausMinBetrieb, kw.TausMin);
    EXPECT_EQ(d.RelVolumenstromMin, 1.0) << "no schedule: always the nominal flow";
    EXPECT_EQ(d.Druckverlust, kw.DruckverlustNenn.Gesamt);
    EXPECT_EQ(d.KondensatJahr, kw.KondensatJahr);

    // a schedule at 60 % with one hour at 25 %: the lowest flow of the running hours
    TStundenFeld fahrplan;
    fahrplan.fill(0.6);
    fahrplan[4000] = 0.25;
    p.FahrplanGelesen = true;
    k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), &fahrplan, *k), TLaufStatus::Fertig);
    kw = KennwerteBerechnen(*k);
    d = PruefDatenSammeln(*k, kw);
    EXPECT_EQ(d.RelVolumenstromMin, 0.25);
    // Re = 2.36163 * 0.25 * 0.1922 / 1.45e-5 = 7826.0: transition, a note
    const TPruefRegel re = RegelNamens(AuslegungPruefen(p, d), "Turbulenz");
    EXPECT_NEAR(re.Wert, 7825.95, 0.01);
    EXPECT_EQ(re.Urteil, TUrteil::Hinweis);
}

} // namespace
} // namespace kov
