// Costs and annuity: the worked example of docs/wirtschaftlichkeit.md recomputed by hand, the
// default design's trench and pipes by hand, the factors at their limits, replacements and
// residual value at the period's edges, the price table and its faults.
#include "register/wirtschaftlichkeit.h"

#include "model/fehler.h"
#include "register/parameter_pruefung.h"
#include "register/variantenstudie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

// the design and prices of the worked example
TRegisterParameter Beispiel() {
    TRegisterParameter p = Standard();
    p.AnzahlRohre = 4;
    p.Rohrlaenge = 40;
    p.DRohr = 0.2;
    p.WandstaerkeRohr = 0.005;
    p.Tiefe = 1.5;
    p.Rohrabstand = 1.0;
    p.Aushubpreis = 40;
    p.Fixkosten = 5000;
    p.Zinssatz = 0.03;
    p.Betrachtungszeitraum = 20;
    p.Nutzungsdauer = 15;
    p.PreisaenderungInvestition = 1.02;
    p.PreisaenderungBetrieb = 1.02;
    p.PreisaenderungEnergie = 1.04;
    p.Wartungsanteil = 0.015;
    p.Waermepreis = 0.10;
    p.Kaeltepreis = 0.10;
    p.Strompreis = 0.30;
    p.CO2FaktorWaerme = 0.24;
    p.CO2FaktorStrom = 0.38;
    return p;
}

TEST(Wirtschaftlichkeit, WorkedExampleByHand) {
    const TWirtschaftlichkeit w = WirtschaftlichkeitBerechnen(Beispiel(), {25000, 5000, 1500});

    // pipes: 4 * 40 m = 160 m at the table point 0.2:50 -> 8000 EUR
    EXPECT_DOUBLE_EQ(w.Rohrmeter, 160);
    EXPECT_DOUBLE_EQ(w.Rohrpreis, 50);
    EXPECT_FALSE(w.RohrpreisAusserhalb);
    EXPECT_NEAR(w.Rohrkosten, 8000, 1e-9);
    // trench: 40 m * (4 * 1 m) * (1.5 + 0.1 + 0.005 m) = 256.8 m3 at 40 EUR/m3 = 10272 EUR
    EXPECT_NEAR(w.Grabenvolumen, 256.8, 1e-9);
    EXPECT_NEAR(w.Grabenkosten, 10272, 1e-8);
    // A0 = 8000 + 10272 + 5000
    EXPECT_NEAR(w.Investition, 23272, 1e-8);

    // a = q^T (q-1)/(q^T-1): 1.03^20 = 1.8061112, 1.8061112 * 0.03 / 0.8061112 = 0.0672157
    const double qT = 1.8061112346694148;
    EXPECT_NEAR(w.Annuitaetsfaktor, qT * 0.03 / (qT - 1), 1e-12);
    EXPECT_NEAR(w.Annuitaetsfaktor, 0.0672157, 1e-7);
    // one replacement within 20 a at 15 a: A1 = 23272 * 1.02^15 / 1.03^15
    //   = 23272 * 1.3458683 / 1.5579674 = 20103.79 EUR
    EXPECT_EQ(w.Ersatzbeschaffungen, 1);
    EXPECT_NEAR(w.ErsatzBarwert, 20103.79, 0.01);
    // residual: the replacement bought at 15 a has 10 of its 15 a left at 20 a:
    //   23272 * 1.3458683 * 10/15 / 1.8061112 = 11561.14 EUR
    EXPECT_NEAR(w.Restwert, 11561.14, 0.01);
    // A_K = (23272 + 20103.79 - 11561.14) * 0.0672157 = 2138.44 EUR/a
    EXPECT_NEAR(w.AnnuitaetKapital, 2138.44, 0.01);

    // b = (1 - (r/q)^T)/(q - r): r = 1.02 -> 17.72670, r = 1.04 -> 21.31718
    EXPECT_NEAR(w.BarwertfaktorBetrieb, 17.72670, 1e-5);
    EXPECT_NEAR(w.BarwertfaktorEnergie, 21.31718, 1e-5);
    // maintenance 1.5 % of 23272 = 349.08 EUR in year 1: 349.08 * 0.0672157 * 17.72670 = 415.93
    EXPECT_NEAR(w.AnnuitaetBetrieb, 415.93, 0.01);
    // fan 1500 kWh * 0.30 = 450 EUR: 450 * 0.0672157 * 21.31718 = 644.78
    EXPECT_NEAR(w.AnnuitaetEnergie, 644.78, 0.01);
    // proceeds (25000 + 5000) * 0.10 = 3000 EUR: 3000 * 0.0672157 * 21.31718 = 4298.55
    EXPECT_NEAR(w.AnnuitaetErloese, 4298.55, 0.01);
    // costs 2138.44 + 415.93 + 644.78 = 3199.16; net 4298.55 - 3199.16 = 1099.39
    EXPECT_NEAR(w.Annuitaet, 3199.16, 0.01);
    EXPECT_NEAR(w.Nettonutzen, 1099.39, 0.01);
    // cumulative cash value -649.43 after 10 a, +1770.03 after 11 a (flows of year j:
    // 2550 * 1.04^(j-1) - 349.08 * 1.02^(j-1), discounted by 1.03^j): 10 + 649.43/2419.46
    ASSERT_TRUE(w.Amortisiert);
    EXPECT_NEAR(w.Amortisationszeit, 10.2684, 1e-4);
    // 3199.16 EUR/a over 30000 kWh
    ASSERT_TRUE(w.JeKwhDefiniert);
    EXPECT_NEAR(w.KostenJeKwh, 0.106639, 1e-6);
    // 25000 kWh * 0.24 - 1500 kWh * 0.38 = 5430 kg
    EXPECT_NEAR(w.CO2Einsparung, 5430, 1e-9);
}

TEST(Wirtschaftlichkeit, DefaultDesignPipesAndTrenchByHand) {
    const TWirtschaftlichkeit w = WirtschaftlichkeitBerechnen(Standard(), {});
    // DRohr 0.1922 m between the points 0.15:35 and 0.2:50:
    //   35 + (0.1922 - 0.15)/0.05 * 15 = 35 + 0.844 * 15 = 47.66 EUR/m
    EXPECT_NEAR(w.Rohrpreis, 47.66, 1e-9);
    // 15 pipes * 50 m = 750 m * 47.66 = 35745 EUR
    EXPECT_NEAR(w.Rohrkosten, 35745, 1e-7);
    // 15 * 1.0 m wide, 1.0 + 0.0961 + 0.0039 = 1.1 m deep, 50 m long: 825 m3 * 40 = 33000 EUR
    EXPECT_NEAR(w.Grabenbreite, 15, 1e-12);
    EXPECT_NEAR(w.Grabentiefe, 1.1, 1e-12);
    EXPECT_NEAR(w.Grabenvolumen, 825, 1e-9);
    EXPECT_NEAR(w.Grabenkosten, 33000, 1e-8);
    // + 8000 EUR fixed
    EXPECT_NEAR(w.Investition, 76745, 1e-7);
    // no useful energy: nothing to divide by, no payback, the fan's CO2 not counted twice
    EXPECT_FALSE(w.JeKwhDefiniert);
    EXPECT_FALSE(w.Amortisiert);
    EXPECT_DOUBLE_EQ(w.CO2Einsparung, 0);
}

// b as its definition: the cash values of 1, r, r^2, ... paid at the end of years 1..T
double Summe(double r, double q, int T) {
    double summe = 0;
    for (int j = 1; j <= T; ++j)
        summe += std::pow(r, j - 1) / std::pow(q, j);
    return summe;
}

TEST(Wirtschaftlichkeit, FactorsAtTheirLimits) {
    struct Fall {
        const char* name;
        double wert, erwartet, toleranz;
    } faelle[] = {
        // without interest the capital is spread evenly over T
        {"a at q = 1", Annuitaetsfaktor(1.0, 20), 1.0 / 20, 1e-15},
        // over one year the annuity is capital plus interest
        {"a at T = 1", Annuitaetsfaktor(1.05, 1), 1.05, 1e-12},
        // b(r = 1) is the plain cash-value factor (1 - q^-T)/(q - 1) = 1/a
        {"a * b(r = 1)", Annuitaetsfaktor(1.03, 20) * Barwertfaktor(1.0, 1.03, 20), 1.0, 1e-12},
        // r = q: every year's amount is worth 1/q today, T of them
        {"b at r = q", Barwertfaktor(1.03, 1.03, 20), 20 / 1.03, 1e-12},
        // 1 + 0.03 and 1.03 meet the special case and its neighbourhood joins it smoothly
        {"b at r = 1 + 0.03", Barwertfaktor(1 + 0.03, 1.03, 20), 20 / 1.03, 1e-12},
        {"b near r = q", Barwertfaktor(1.03 + 1e-6, 1.03, 20), Summe(1.03 + 1e-6, 1.03, 20), 1e-8},
        {"b at r = 1.05", Barwertfaktor(1.05, 1.03, 20), Summe(1.05, 1.03, 20), 1e-10},
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(f.wert, f.erwartet, f.toleranz) << f.name;
}

TEST(Wirtschaftlichkeit, ReplacementsAndResidualValueAtThePeriodsEdges) {
    struct Fall {
        const char* name;
        int T, TN;
        int ersatz;
        double restAnteil; // residual value before discounting, share of A0 * rK^(n TN)
    } faelle[] = {
        {"life equals period: nothing replaced, nothing left", 20, 20, 0, 0.0},
        {"life longer: nothing replaced, 30 of 50 a left", 20, 50, 0, 30.0 / 50},
        {"life a divisor: two replacements, the last used up", 30, 10, 2, 0.0},
        {"life 7 of 20: replaced at 7 and 14, 1 of 7 a left", 20, 7, 2, 1.0 / 7},
        {"period of one year", 1, 1, 0, 0.0},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p = Beispiel();
        p.Betrachtungszeitraum = f.T;
        p.Nutzungsdauer = f.TN;
        const TWirtschaftlichkeit w = WirtschaftlichkeitBerechnen(p, {});
        const double q = 1.03, rK = 1.02, A0 = 23272;
        EXPECT_EQ(w.Ersatzbeschaffungen, f.ersatz) << f.name;
        double barwert = 0;
        for (int k = 1; k <= f.ersatz; ++k)
            barwert += A0 * std::pow(rK, k * f.TN) / std::pow(q, k * f.TN);
        EXPECT_NEAR(w.ErsatzBarwert, barwert, 1e-8) << f.name;
        EXPECT_NEAR(w.Restwert,
                    A0 * std::pow(rK, f.ersatz * f.TN) * f.restAnteil / std::pow(q, f.T), 1e-8)
            << f.name;
    }
}

TEST(Wirtschaftlichkeit, PaybackCountsTheReplacementInItsYear) {
    // 2000 EUR a year of pure surplus at no interest and no price change against 10000 EUR:
    // paid back after 5 a when the register lasts longer than that
    TRegisterParameter p = Beispiel();
    p.Zinssatz = 0;
    p.PreisaenderungInvestition = p.PreisaenderungBetrieb = p.PreisaenderungEnergie = 1;
    p.Wartungsanteil = 0;
    p.Strompreis = 0;
    p.Waermepreis = 1;
    p.Aushubpreis = 0;
    p.Fixkosten = 2000; // A0 = 8000 EUR of pipes + 2000
    p.Nutzungsdauer = 50;
    TWirtschaftlichkeit w = WirtschaftlichkeitBerechnen(p, {2000, 0, 0});
    ASSERT_NEAR(w.Investition, 10000, 1e-8);
    ASSERT_TRUE(w.Amortisiert);
    EXPECT_NEAR(w.Amortisationszeit, 5, 1e-12);
    p.Nutzungsdauer = 3;
    w = WirtschaftlichkeitBerechnen(p, {2000, 0, 0});
    // a replacement in year 3 (-10000 + 2 * 2000 + 2000 - 10000 = -14000) and every 3 years
    // after: 6000 of surplus never catches up with 10000 of replacement
    EXPECT_FALSE(w.Amortisiert);
    p.Nutzungsdauer = 8;
    w = WirtschaftlichkeitBerechnen(p, {2000, 0, 0});
    // -10000 + 5 * 2000 = 0 at the end of year 5, before the replacement in year 8
    ASSERT_TRUE(w.Amortisiert);
    EXPECT_NEAR(w.Amortisationszeit, 5, 1e-12);
    // nothing invested: paid back from the start, also without any surplus
    p.Rohrpreise = "0.2:0";
    p.Fixkosten = 0;
    w = WirtschaftlichkeitBerechnen(p, {});
    ASSERT_EQ(w.Investition, 0);
    EXPECT_TRUE(w.Amortisiert);
    EXPECT_EQ(w.Amortisationszeit, 0);
}

TEST(Wirtschaftlichkeit, PriceTableReadAndInterpolated) {
    const std::vector<TRohrpreis> preise = RohrpreiseLesen(" 0.1:20 ; 0.2:40;0.4:100");
    ASSERT_EQ(preise.size(), 3u);
    struct Fall {
        double d, preis;
        bool ausserhalb;
    } faelle[] = {{0.05, 20, true}, {0.1, 20, false},  {0.15, 30, false}, {0.2, 40, false},
                  {0.3, 70, false}, {0.4, 100, false}, {0.5, 100, true}};
    for (const Fall& f : faelle) {
        bool ausserhalb = !f.ausserhalb;
        EXPECT_NEAR(RohrpreisBei(preise, f.d, &ausserhalb), f.preis, 1e-12) << f.d;
        EXPECT_EQ(ausserhalb, f.ausserhalb) << f.d;
    }
    EXPECT_EQ(RohrpreisBei(RohrpreiseLesen("0.2:55"), 0.3), 55) << "one point: one price";
}

TEST(Wirtschaftlichkeit, PriceTableFaultsAreNamed) {
    struct Fall {
        const char* text;
        const char* regel;
    } faelle[] = {
        {"", "muss mindestens ein Paar Durchmesser:Preis enthalten."},
        {"0.1:20;", "muss aus Paaren Durchmesser:Preis bestehen, getrennt durch \";\" (\"\" ist "
                    "keins)."},
        {"0.1-20", "muss aus Paaren Durchmesser:Preis bestehen, getrennt durch \";\" (\"0.1-20\" "
                   "ist keins)."},
        {"0.1:20;0.2:x", "muss aus Paaren Durchmesser:Preis bestehen, getrennt durch \";\" "
                         "(\"0.2:x\" ist keins)."},
        {"0.1:inf", "muss aus Paaren Durchmesser:Preis bestehen, getrennt durch \";\" "
                    "(\"0.1:inf\" ist keins)."},
        {"0:20", "braucht Durchmesser größer als 0 m."},
        {"0.1:-5", "darf keine negativen Preise enthalten."},
        {"0.2:20;0.1:30", "muss nach steigendem Durchmesser geordnet sein, jeder Durchmesser "
                          "einmal."},
        {"0.2:20;0.2:30", "muss nach steigendem Durchmesser geordnet sein, jeder Durchmesser "
                          "einmal."},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(RohrpreiseVerstoss(f.text), f.regel) << f.text;
        EXPECT_THROW(RohrpreiseLesen(f.text), TParameterFehler) << f.text;
    }
    EXPECT_EQ(RohrpreiseVerstoss(Standard().Rohrpreise), "");
}

TEST(Wirtschaftlichkeit, ParameterCheckRefusesABadTableAndSpacing) {
    TRegisterParameter p = Standard();
    p.Rohrpreise = "0.2:20;0.1:30";
    p.Rohrabstand = 0.1;
    const std::vector<std::string> meldungen = ParameterPruefen(p);
    const std::vector<std::string> erwartet = {
        "Rohrabstand (Rohrabstand) muss zwischen 0.2 und 20 liegen.",
        "Rohrpreistabelle (Rohrpreise) muss nach steigendem Durchmesser geordnet sein, jeder "
        "Durchmesser einmal."};
    EXPECT_EQ(meldungen, erwartet);
    p = Standard();
    p.Rohrabstand = 20;
    EXPECT_TRUE(ParameterPruefen(p).empty()) << "the range includes its ends";
}

TEST(Wirtschaftlichkeit, StudyColumnsAndConditions) {
    // the worked example pays back in 10.27 a with 1099.39 EUR/a; without heat it never does
    TVariantenErgebnis lohnt, lohntNicht;
    lohnt.Berechnet = lohntNicht.Berechnet = true;
    lohnt.Kosten = WirtschaftlichkeitBerechnen(Beispiel(), {25000, 5000, 1500});
    lohntNicht.Kosten = WirtschaftlichkeitBerechnen(Beispiel(), {0, 0, 1500});
    ASSERT_FALSE(lohntNicht.Kosten.Amortisiert);
    struct Fall {
        const char* name;
        double lohnt, lohntNicht;
    } faelle[] = {
        {"Annuitaet", 3199.16, lohntNicht.Kosten.Annuitaet},
        {"Nettonutzen", 1099.39, -lohntNicht.Kosten.Annuitaet},
        {"Amortisationszeit", 10.2684, INFINITY},
    };
    for (const Fall& f : faelle) {
        const TStudienKennwert* k = StudienKennwert(f.name);
        ASSERT_NE(k, nullptr) << f.name;
        EXPECT_NEAR(k->Wert(lohnt), f.lohnt, 0.01) << f.name;
        EXPECT_EQ(k->Wert(lohntNicht), f.lohntNicht) << f.name;
    }
    std::vector<TVariantenErgebnis> ergebnis{lohnt, lohntNicht};
    StudieBewerten({BedingungLesen("Amortisationszeit<=15"), BedingungLesen("Nettonutzen>=0")},
                   ergebnis);
    EXPECT_TRUE(ergebnis[0].Verletzt.empty());
    EXPECT_EQ(ergebnis[1].Verletzt, (std::vector<std::string>{"Amortisationszeit", "Nettonutzen"}))
        << "a variant that never pays back breaks a payback condition";
}

TEST(Wirtschaftlichkeit, ParetoFrontOfUsefulEnergyAgainstAnnuity) {
    struct Fall {
        double energie, annuitaet;
        bool front;
    } faelle[] = {
        {100, 10, true},  // nothing with as much energy costs less
        {150, 20, true},  // the most energy, at the least annuity for it
        {120, 25, false}, // beaten by 150 kWh at 20 EUR/a
        {150, 30, false}, // the same energy as the second, dearer
        {50, 5, true},    // the cheapest
    };
    std::vector<TVariantenErgebnis> ergebnis;
    for (const Fall& f : faelle) {
        TVariantenErgebnis v;
        v.Berechnet = true;
        v.Kennwerte.HeizenergieNutzbar = f.energie;
        v.Kosten.Annuitaet = f.annuitaet;
        ergebnis.push_back(v);
    }
    StudieBewerten({}, ergebnis);
    for (std::size_t i = 0; i < ergebnis.size(); ++i)
        EXPECT_EQ(ergebnis[i].ParetoAnnuitaet, faelle[i].front) << "variant " << i;
    // a condition takes the cheapest off the front; the others keep their places
    StudieBewerten({BedingungLesen("Annuitaet>=8")}, ergebnis);
    EXPECT_FALSE(ergebnis[4].ParetoAnnuitaet);
    EXPECT_TRUE(ergebnis[0].ParetoAnnuitaet);
}

} // namespace
} // namespace kov
