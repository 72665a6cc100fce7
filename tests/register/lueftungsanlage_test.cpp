// The ventilation unit behind the register: worked hours by hand, the frost hours of the
// weather, the register's benefit at the unit over a design year, operating times and the
// parameter check of the unit's fields.
#include "register/lueftungsanlage.h"

#include "files/wetter.h"
#include "register/kennwerte.h"
#include "register/kennwerte_text.h"
#include "register/lauf.h"
#include "register/parameter_pruefung.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace kov {
namespace {

TRegisterParameter MitAnlage() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WRG = true;
    return p;
}

TEST(Lueftungsanlage, WorkedHourAtMinusTenOutside) {
    // -10 °C outside, 2 °C after the register, 80 % recovery, 21 °C extract, frost limit -3 °C,
    // supply wanted 18 °C; the hour is in the heating period. Defaults: 1005 J/kgK * 1.2 kg/m3
    // * 3700 m3/h / 3600 s = 1239.5 W/K, so 1.2395 kWh per kelvin and hour.
    const TRegisterParameter p = MitAnlage();
    // without register: the preheater lifts -10 to -3 °C: 7 K * 1.2395 = 8.6765 kWh;
    // after recovery -3 + 0.8 * (21 + 3) = 16.2 °C; reheating 1.8 K * 1.2395 = 2.2311 kWh
    const TAnlagenStunde ohne = AnlagenStundeRechnen(p, -10.0, true);
    EXPECT_TRUE(ohne.Frostschutz);
    EXPECT_NEAR(ohne.Vorheizung, 7.0, 1e-12);
    EXPECT_NEAR(LuftEnergie(p, ohne.Vorheizung, 1.0), 8.6765, 1e-4);
    EXPECT_NEAR(ohne.NachWRG, 16.2, 1e-12);
    EXPECT_NEAR(ohne.Nachheizung, 1.8, 1e-12);
    EXPECT_NEAR(LuftEnergie(p, ohne.Nachheizung, 1.0), 2.2311, 1e-4);
    EXPECT_NEAR(ohne.Zuluft, 18.0, 1e-12);
    // with register: 2 °C needs no frost protection; 2 + 0.8 * (21 - 2) = 17.2 °C; reheating
    // 0.8 K * 1.2395 = 0.9916 kWh. The building saves 8.6765 + 2.2311 - 0.9916 = 9.9160 kWh of
    // the 12 K * 1.2395 = 14.874 kWh the register gave the air.
    const TAnlagenStunde mit = AnlagenStundeRechnen(p, 2.0, true);
    EXPECT_FALSE(mit.Frostschutz);
    EXPECT_EQ(mit.Vorheizung, 0.0);
    EXPECT_NEAR(mit.NachWRG, 17.2, 1e-12);
    EXPECT_NEAR(LuftEnergie(p, mit.Nachheizung, 1.0), 0.9916, 1e-4);
    const double erspart = LuftEnergie(p, ohne.Vorheizung + ohne.Nachheizung, 1.0) -
                           LuftEnergie(p, mit.Vorheizung + mit.Nachheizung, 1.0);
    EXPECT_NEAR(erspart, 9.9160, 1e-4);
    // half the flow, half the heat
    EXPECT_NEAR(LuftEnergie(p, 7.0, 0.5), 8.6765 / 2, 1e-4);
}

TEST(Lueftungsanlage, SummerBypassAndItsLimits) {
    struct Fall {
        const char* name;
        double ansaug;
        bool heizperiode, bypass;
        double nachWRG;
        bool umgangen;
    } faelle[] = {
        // heating period: full recovery even above ZuluftSoll; 10 + 0.8 * 11 = 18.8
        {"Heizperiode, 10 °C", 10.0, true, true, 18.8, false},
        // outside: at or above 18 °C the bypass is open, the supply is the intake
        {"Sommer, 28 °C", 28.0, false, true, 28.0, true},
        {"Sommer, genau 18 °C", 18.0, false, true, 18.0, true},
        // outside, cool intake: the recovery lifts it to 18 °C, not to 15 + 0.8 * 6 = 19.8
        {"Sommer, 15 °C", 15.0, false, true, 18.0, false},
        // and a cold intake (a register cooling a mild spring day) gets 5 + 0.8 * 16 = 17.8
        {"Sommer, 5 °C", 5.0, false, true, 17.8, false},
        // without bypass the recovery always runs: 28 + 0.8 * (21 - 28) = 22.4
        {"ohne Bypass, 28 °C", 28.0, false, false, 22.4, false},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p = MitAnlage();
        p.WRGSommerBypass = f.bypass;
        const TAnlagenStunde a = AnlagenStundeRechnen(p, f.ansaug, f.heizperiode);
        EXPECT_NEAR(a.NachWRG, f.nachWRG, 1e-12) << f.name;
        EXPECT_EQ(a.WRGUmgangen, f.umgangen) << f.name;
        // reheating only in the heating period
        if (!f.heizperiode) {
            EXPECT_EQ(a.Nachheizung, 0.0) << f.name;
        }
    }
}

TEST(Lueftungsanlage, DesignYearFrostHoursAndTheRegistersBenefit) {
    const TRegisterParameter p = MitAnlage();
    const TWetterJahr& w = EingebautesWetterJahr();
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, w, nullptr, *k), TLaufStatus::Fertig);
    const TAnlagenKennwerte a = LueftungsanlageRechnen(k->Parameter, k->Reihen);

    // without the register the unit sees the weather: its frost hours are the hours below -3 °C
    int unterGrenze = 0;
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        unterGrenze += w.Tein[h] < p.WRGFrostgrenze;
    ASSERT_GT(unterGrenze, 100);
    EXPECT_EQ(a.OhneRegister.FrostschutzStunden, unterGrenze);
    double monate = 0;
    for (std::size_t m = 1; m <= 12; ++m)
        monate += a.OhneRegister.FrostschutzStundenMonat[m];
    EXPECT_EQ(monate, unterGrenze);

    // Independent recalculation in Python from the 8760 printed rows of kov.txt (0.1 K):
    // 501 frost hours and 2086.1 kWh preheating without the register, none with it; reheating
    // 3857.3 kWh without and 2086.4 kWh with; saved 3857.1 kWh. Tolerance: the rows' rounding,
    // 0.05 K * 1.2395 kWh/K over the hours concerned.
    EXPECT_EQ(a.OhneRegister.FrostschutzStunden, 501);
    EXPECT_EQ(a.MitRegister.FrostschutzStunden, 0);
    EXPECT_NEAR(a.OhneRegister.Vorheizenergie, 2086.1, 1.0);
    EXPECT_EQ(a.MitRegister.Vorheizenergie, 0.0);
    EXPECT_NEAR(a.OhneRegister.Nachheizenergie, 3857.3, 2.0);
    EXPECT_NEAR(a.MitRegister.Nachheizenergie, 2086.4, 2.0);
    EXPECT_NEAR(a.WaermeErspartGebaeude, 3857.1, 3.0);
    EXPECT_LE(a.MitRegister.Vorheizenergie, a.OhneRegister.Vorheizenergie);
    EXPECT_EQ(a.FrostschutzStundenGespart, 501);
    // the coldest supply after recovery without register: -3 + 0.8 * 24 = 16.2 °C
    EXPECT_NEAR(a.OhneRegister.ZuluftNachWRGMin, 16.2, 1e-9);
    EXPECT_GT(a.MitRegister.ZuluftNachWRGMin, a.OhneRegister.ZuluftNachWRGMin);
    // summer: the hottest outdoor hour reaches the rooms without register, not with it
    EXPECT_GT(a.OhneRegister.StundenUeberKomfort, 100);
    EXPECT_EQ(a.MitRegister.StundenUeberKomfort, 0);
    EXPECT_GT(a.KuehlungUeberKomfort, 0);

    // the hourly supply series of the charts agree with the figures
    auto mit = std::make_unique<TStundenFeld>();
    auto ohne = std::make_unique<TStundenFeld>();
    ZuluftReihenRechnen(k->Parameter, k->Reihen, *mit, *ohne);
    double minMit = (*mit)[1], minOhne = (*ohne)[1];
    for (std::size_t h = 1; h <= StundenImJahr; ++h) {
        minMit = std::min(minMit, (*mit)[h]);
        minOhne = std::min(minOhne, (*ohne)[h]);
    }
    EXPECT_EQ(minMit, a.MitRegister.ZuluftNachWRGMin);
    EXPECT_EQ(minOhne, a.OhneRegister.ZuluftNachWRGMin);
    EXPECT_EQ((*mit)[static_cast<std::size_t>(a.MitRegister.ZuluftSommerMaxStunde)],
              a.MitRegister.ZuluftSommerMax);

    // the design figures carry the same values with WRG
    const TKennwerte kw = KennwerteBerechnen(*k);
    ASSERT_TRUE(kw.MitAnlage);
    EXPECT_EQ(kw.Anlage.WaermeErspartGebaeude, a.WaermeErspartGebaeude);
}

TEST(Lueftungsanlage, HoursWithoutFlowAreHoursTheUnitIsOff) {
    // the office week: only weekday hours 7..18 count, so fewer frost hours than the weather's
    TRegisterParameter p = MitAnlage();
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TAnlagenKennwerte immer = LueftungsanlageRechnen(k->Parameter, k->Reihen);
    p.Betriebszeiten = "Mo-Fr 7-18";
    auto b = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *b), TLaufStatus::Fertig);
    const TAnlagenKennwerte buero = LueftungsanlageRechnen(b->Parameter, b->Reihen);
    int frostImBuero = 0;
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        frostImBuero += b->Reihen.RelVolumenstrom[h] > 0 && b->Reihen.Tein[h] < p.WRGFrostgrenze;
    EXPECT_EQ(buero.OhneRegister.FrostschutzStunden, frostImBuero);
    EXPECT_LT(buero.OhneRegister.FrostschutzStunden, immer.OhneRegister.FrostschutzStunden);
    EXPECT_LT(buero.OhneRegister.Nachheizenergie, immer.OhneRegister.Nachheizenergie);
    // the register rests at night and at weekends: it runs in exactly the 261 * 11 hours
    double laeuft = 0;
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        laeuft += b->Reihen.Betrieb[h];
    EXPECT_EQ(laeuft, 261 * 11.0);
}

TEST(Lueftungsanlage, ParameterCheckOfUnitTimesAndControl) {
    struct Fall {
        const char* name;
        void (*aendern)(TRegisterParameter&);
        const char* meldung; // "" for none
    } faelle[] = {
        {"Standard", [](TRegisterParameter&) {}, ""},
        {"WRG 0.95", [](TRegisterParameter& p) { p.WRGWirkungsgrad = 0.95; }, ""},
        {"WRG 0.96", [](TRegisterParameter& p) { p.WRGWirkungsgrad = 0.96; },
         "Wirkungsgrad WRG (WRGWirkungsgrad) muss zwischen 0 und 0.95 liegen."},
        {"WRG -0.1", [](TRegisterParameter& p) { p.WRGWirkungsgrad = -0.1; },
         "Wirkungsgrad WRG (WRGWirkungsgrad) muss zwischen 0 und 0.95 liegen."},
        {"Betriebszeiten", [](TRegisterParameter& p) { p.Betriebszeiten = "Mo-Fr 7-18"; }, ""},
        {"Betriebszeiten falsch", [](TRegisterParameter& p) { p.Betriebszeiten = "Mo-Fr 7-"; },
         "Betriebszeiten (Betriebszeiten), Zeichen 9: Die Endstunde erwartet"},
        {"mit Fahrplandatei",
         [](TRegisterParameter& p) {
             p.Betriebszeiten = "Mo-Fr 7-18";
             p.FahrplanGelesen = true;
         },
         "schließen einander aus"},
        {"bedarf", [](TRegisterParameter& p) { p.Regelung = "bedarf"; }, ""},
        {"Regelung falsch", [](TRegisterParameter& p) { p.Regelung = "immer"; },
         "Regelungsart (Regelung) muss \"klassisch\" oder \"bedarf\" sein, nicht \"immer\"."},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p = MitAnlage();
        f.aendern(p);
        const std::vector<std::string> meldungen = ParameterPruefen(p);
        if (*f.meldung == '\0') {
            EXPECT_TRUE(meldungen.empty()) << f.name << ": " << meldungen.front();
            continue;
        }
        ASSERT_EQ(meldungen.size(), 1u) << f.name;
        EXPECT_NE(meldungen[0].find(f.meldung), std::string::npos)
            << f.name << ": " << meldungen[0];
    }
}

TEST(Lueftungsanlage, RowsOfTheDesignFiguresOnlyWithTheUnit) {
    TRegisterParameter p = MitAnlage();
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TKennwerte mit = KennwerteBerechnen(*k);
    std::size_t anlage = 0;
    for (const TKennwertZeile& z : KennwerteZeilen(mit, k->Parameter))
        if (z.Bezeichnung.rfind("Lüftungsgerät: ", 0) == 0) {
            ++anlage;
            if (z.Bezeichnung.find("Wärmeersparnis") != std::string::npos) {
                EXPECT_EQ(z.Wert, KennwertZahl(mit.Anlage.WaermeErspartGebaeude, 1));
                EXPECT_EQ(z.Einheit, "kWh");
            }
            if (z.Bezeichnung.find("Frostschutzstunden") != std::string::npos) {
                EXPECT_EQ(z.Wert, "0");
                EXPECT_EQ(z.Zeitpunkt, "ohne Register: 501 h");
            }
        }
    EXPECT_EQ(anlage, 9u);
    p.WRG = false;
    auto ohne = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *ohne), TLaufStatus::Fertig);
    const TKennwerte kw = KennwerteBerechnen(*ohne);
    EXPECT_FALSE(kw.MitAnlage);
    for (const TKennwertZeile& z : KennwerteZeilen(kw, ohne->Parameter))
        EXPECT_EQ(z.Bezeichnung.rfind("Lüftungsgerät", 0), std::string::npos) << z.Bezeichnung;
}

} // namespace
} // namespace kov
