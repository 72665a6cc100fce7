// Variant studies: lists and ranges, the order of the combinations, figures equal to single runs
// whatever the number of threads, the Pareto marks on a hand-checked set, cancel, refusals.
#include "files/wetter.h"
#include "model/bodenarten.h"
#include "register/variantenstudie.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

TEST(Variantenstudie, ListsAndRangesGiveTheValuesAsWritten) {
    struct Fall {
        const char* name;
        const char* liste;
        std::vector<double> werte;
    } faelle[] = {
        {"AnzahlRohre", "10,12,15", {10, 12, 15}},
        {"DRohr", "0.1:0.3:0.1", {0.1, 0.2, 0.3}}, // not 0.30000000000000004
        {"Rohrlaenge", "20:30:2.5", {20, 22.5, 25, 27.5, 30}},
        {"Tiefe", "1.5", {1.5}},
        {"Heizgrenze", "-2:1:1", {-2, -1, 0, 1}},
        {"Volumenstrom", "+1e3,2e3", {1000, 2000}},
        {"Geregelt", "0,1", {0, 1}},
        {"KellerTemperatur", "8,12", {8, 12}},
        {"Boden", "alle", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"Boden", "2,11", {2, 11}},
    };
    for (const Fall& f : faelle) {
        const TVariation v = VariationLesen(f.name, f.liste);
        EXPECT_EQ(v.Name, f.name);
        EXPECT_EQ(v.Werte, f.werte) << f.name << "=" << f.liste;
    }

    const std::pair<const char*, const char*> falsch[] = {
        {"DRohr", ""},      {"DRohr", "0,,2"},     {"DRohr", "a,b"},       {"DRohr", "1:0:1"},
        {"DRohr", "1:2:0"}, {"DRohr", "1:2"},      {"AnzahlRohre", "1.5"}, {"Boden", "12"},
        {"Boden", "0"},     {"Unbekannt", "1"},    {"AnteilErde", "0.5"},  {"OutputFile", "1"},
        {"Geregelt", "2"},  {"DRohr", "0:1:1e-9"},
    };
    for (const auto& [name, liste] : falsch)
        EXPECT_THROW(VariationLesen(name, liste), TStudienFehler) << name << "=" << liste;
}

TEST(Variantenstudie, CombinationsRunInOrderTheLastDimensionFastest) {
    TStudie studie;
    studie.Basis = Standard();
    studie.Variationen = {VariationLesen("AnzahlRohre", "10,20"),
                          VariationLesen("Rohrlaenge", "30,40,50"), VariationLesen("Boden", "7")};
    ASSERT_EQ(VariantenZahl(studie), 6u);
    std::vector<double> werte;
    const TRegisterParameter p = VarianteParameter(studie, 4, &werte);
    EXPECT_EQ(werte, (std::vector<double>{20, 40, 7}));
    EXPECT_EQ(p.AnzahlRohre, 20);
    EXPECT_EQ(p.Rohrlaenge, 40.0);
    // the soil as the input window's list fills it: "Magerbeton" 0.93, 2300, 660
    EXPECT_EQ(p.LambdaErde, 0.93);
    EXPECT_EQ(p.RhoErde, 2300.0);
    EXPECT_EQ(p.CpErde, 660.0);
    EXPECT_EQ(Bodenarten()[7].Lambda, "0.93");

    studie.Variationen.push_back(VariationLesen("Tiefe", "1,2"));
    studie.Variationen.push_back(VariationLesen("DRohr", "0.2,0.3"));
    EXPECT_EQ(VariantenZahl(studie), 24u) << "four parameters and the soil";
    studie.Variationen.push_back(VariationLesen("Volumenstrom", "3000"));
    EXPECT_THROW(VariantenZahl(studie), TStudienFehler) << "five parameters";
    studie.Variationen.pop_back();
    studie.Variationen.push_back(VariationLesen("Tiefe", "3"));
    EXPECT_THROW(VariantenZahl(studie), TStudienFehler) << "a name twice";

    TStudie gross;
    gross.Basis = Standard();
    gross.Variationen = {VariationLesen("AnzahlRohre", "1:1000:1"),
                         VariationLesen("Rohrlaenge", "1:101:1")};
    EXPECT_THROW(VariantenZahl(gross), TStudienFehler) << "101000 variants";
}

TStudie KleineStudie() {
    TStudie studie;
    studie.Basis = Standard();
    studie.Basis.Heizgrenze = 6;
    studie.Basis.Kuehlgrenze = 18;
    studie.Variationen = {VariationLesen("AnzahlRohre", "8,15"),
                          VariationLesen("DRohr", "0.15,0.25"), VariationLesen("Boden", "1,9")};
    return studie;
}

TEST(Variantenstudie, FiguresEqualSingleRunsBitForBitWhateverTheThreads) {
    const TStudie studie = KleineStudie();
    const TWetterJahr& wetter = EingebautesWetterJahr();
    std::vector<TVariantenErgebnis> einFaden;
    StudieRechnen(studie, wetter, nullptr, 1, einFaden);
    ASSERT_EQ(einFaden.size(), 8u);

    auto k = test::NeuerKontext();
    for (std::size_t i = 0; i < einFaden.size(); ++i) {
        SimulationRechnen(VarianteParameter(studie, i), wetter, nullptr, *k);
        const TKennwerte kw = KennwerteBerechnen(*k);
        const TVariantenErgebnis& v = einFaden[i];
        ASSERT_TRUE(v.Berechnet) << i;
        EXPECT_EQ(std::memcmp(&v.Ergebnis, &k->Ergebnis, sizeof v.Ergebnis), 0) << i;
        for (const TStudienKennwert& kennwert : StudienKennwerte()) {
            TVariantenErgebnis einzeln;
            einzeln.Ergebnis = k->Ergebnis;
            einzeln.Kennwerte = kw;
            einzeln.Stroemungsgeschwindigkeit = k->Werte.Stroemungsgeschwindigkeit;
            einzeln.RohrlaengeGesamt = k->Parameter.AnzahlRohre * k->Parameter.Rohrlaenge;
            EXPECT_EQ(kennwert.Wert(v), kennwert.Wert(einzeln)) << i << " " << kennwert.Name;
        }
    }
    for (unsigned faeden : {2u, 4u}) {
        std::vector<TVariantenErgebnis> mehr;
        StudieRechnen(studie, wetter, nullptr, faeden, mehr);
        for (std::size_t i = 0; i < mehr.size(); ++i)
            for (const TStudienKennwert& kennwert : StudienKennwerte())
                EXPECT_EQ(kennwert.Wert(mehr[i]), kennwert.Wert(einFaden[i]))
                    << faeden << " threads, variant " << i << " " << kennwert.Name;
    }
}

// A variant with the given useful energy, pipe length and fan electricity.
TVariantenErgebnis Punkt(double energie, double rohr, double ventilator, double taus = 5) {
    TVariantenErgebnis v;
    v.Berechnet = true;
    v.Kennwerte.HeizenergieNutzbar = energie;
    v.RohrlaengeGesamt = rohr;
    v.Kennwerte.Ventilatorenergie = ventilator;
    v.Kennwerte.TausMin = taus;
    return v;
}

TEST(Variantenstudie, ParetoMarksOnAHandCheckedSet) {
    std::vector<TVariantenErgebnis> ergebnis = {
        Punkt(100, 300, 50),     // 0: least pipe -> front of pipe
        Punkt(150, 400, 40),     // 1: front of both
        Punkt(140, 400, 30),     // 2: same pipe as 1, less energy -> not pipe; least fan -> fan
        Punkt(150, 500, 45),     // 3: 1 has as much energy for less pipe and fan -> neither
        Punkt(200, 600, 60),     // 4: most energy of the admissible -> front of both
        Punkt(250, 300, 10, -3), // 5: would beat all, but breaks TausMin>=0 -> neither
        Punkt(150, 400, 40),     // 6: the same as 1: nothing beats it -> front of both
    };
    ergebnis.push_back(TVariantenErgebnis{}); // 7: not computed (cancelled)
    StudieBewerten({BedingungLesen("TausMin>=0")}, ergebnis);
    const bool rohr[] = {true, true, false, false, true, false, true, false};
    const bool ventilator[] = {false, true, true, false, true, false, true, false};
    for (std::size_t i = 0; i < ergebnis.size(); ++i) {
        EXPECT_EQ(ergebnis[i].ParetoRohrlaenge, rohr[i]) << "variant " << i;
        EXPECT_EQ(ergebnis[i].ParetoVentilator, ventilator[i]) << "variant " << i;
    }
    EXPECT_EQ(ergebnis[5].Verletzt, std::vector<std::string>{"TausMin"});
    EXPECT_TRUE(ergebnis[7].Verletzt.empty());

    EXPECT_THROW(BedingungLesen("TausMin=0"), TStudienFehler);
    EXPECT_THROW(BedingungLesen("Unbekannt<=1"), TStudienFehler);
    EXPECT_THROW(BedingungLesen("TausMin<=x"), TStudienFehler);
    const TBedingung b = BedingungLesen("Stroemungsgeschwindigkeit<=3");
    EXPECT_TRUE(b.Hoechstens);
    EXPECT_EQ(b.Grenze, 3.0);
}

TEST(Variantenstudie, ACancelStopsTheWorkersAndKeepsTheFinishedVariants) {
    const TStudie studie = KleineStudie();
    std::atomic<bool> abbruch{false};
    std::atomic<std::size_t> fertig{0};
    TStudienRueckmeldung rueckmeldung;
    rueckmeldung.Abbruch = &abbruch;
    rueckmeldung.Fertig = &fertig;
    rueckmeldung.NachVariante = [&](std::size_t, const TKontext&) {
        if (fertig.load() + 1 >= 2) abbruch = true;
    };
    std::vector<TVariantenErgebnis> ergebnis;
    StudieRechnen(studie, EingebautesWetterJahr(), nullptr, 2, ergebnis, rueckmeldung);
    ASSERT_EQ(ergebnis.size(), 8u);
    std::size_t berechnet = 0;
    for (const TVariantenErgebnis& v : ergebnis)
        berechnet += v.Berechnet ? 1 : 0;
    EXPECT_EQ(berechnet, fertig.load());
    EXPECT_GE(berechnet, 2u);
    EXPECT_LE(berechnet, 3u) << "at most the variants already under way finish";
}

TEST(Variantenstudie, EveryVariantIsCheckedBeforeAnythingRuns) {
    TStudie studie;
    studie.Basis = Standard();
    studie.Variationen = {VariationLesen("AnzahlRohre", "0,15"),
                          VariationLesen("WandstaerkeRohr", "0.004,1e10")};
    const auto meldungen = StudiePruefen(studie, EingebautesWetterJahr(), 2);
    ASSERT_EQ(meldungen.size(), 3u);
    EXPECT_EQ(meldungen[0].rfind("Variante 1 (AnzahlRohre=0, WandstaerkeRohr=0.004): Anzahl Rohre "
                                 "(AnzahlRohre) muss mindestens 1 sein.",
                                 0),
              0u)
        << meldungen[0];
    EXPECT_NE(meldungen[2].find("Variante 4 (AnzahlRohre=15, WandstaerkeRohr=1e+10)"),
              std::string::npos)
        << meldungen[2];
    EXPECT_NE(meldungen[2].find("(WandstaerkeRohr)"), std::string::npos) << meldungen[2];

    // the check counts what it checked, and a cancel set before it checks nothing
    std::atomic<std::size_t> geprueft{0};
    std::atomic<bool> abbruch{false};
    TStudienRueckmeldung rueckmeldung;
    rueckmeldung.Fertig = &geprueft;
    rueckmeldung.Abbruch = &abbruch;
    EXPECT_EQ(StudiePruefen(studie, EingebautesWetterJahr(), 2, 20, rueckmeldung), meldungen);
    EXPECT_EQ(geprueft.load(), 4u);
    geprueft = 0;
    abbruch = true;
    EXPECT_TRUE(StudiePruefen(studie, EingebautesWetterJahr(), 2, 20, rueckmeldung).empty());
    EXPECT_EQ(geprueft.load(), 0u);
}

} // namespace
} // namespace kov
