#include "register/register_lauf.h"

#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "register/feuchte_luft.h"
#include "register/kennwerte.h"
#include "register/parameter_pruefung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace kov {
namespace {

TRegisterParameter Register() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    return p;
}

bool Enthaelt(const std::vector<std::string>& meldungen, const std::string& teil) {
    for (const std::string& m : meldungen)
        if (m.find(teil) != std::string::npos) return true;
    return false;
}

TEST(RegisterLauf, CheckRefusesWhatTheRegisterModelDoesNotRun) {
    const struct {
        const char* fall;
        void (*setzen)(TRegisterParameter&);
        const char* meldung; // "" = accepted
    } faelle[] = {
        {"default register", [](TRegisterParameter&) {}, ""},
        {"classic with a cellar",
         [](TRegisterParameter& p) {
             p.Modell = "klassisch";
             p.AnteilKeller = 0.3;
         },
         ""},
        {"cellar share", [](TRegisterParameter& p) { p.AnteilKeller = 0.3; }, "Kelleranteil"},
        {"adiabatic share", [](TRegisterParameter& p) { p.AnteilAdiabat = 0.1; }, "AnteilAdiabat"},
        {"unknown model", [](TRegisterParameter& p) { p.Modell = "Register"; },
         "\"klassisch\" oder \"register\""},
        {"spacing below range", [](TRegisterParameter& p) { p.Rohrabstand = 0.1; }, "0.2 und 20"},
        {"spacing above range", [](TRegisterParameter& p) { p.Rohrabstand = 25; }, "0.2 und 20"},
        {"pipes touching",
         [](TRegisterParameter& p) {
             p.DRohr = 0.5;
             p.Rohrabstand = 0.4;
         },
         "Aussendurchmesser"},
        {"one pipe needs no spacing",
         [](TRegisterParameter& p) {
             p.DRohr = 0.5;
             p.Rohrabstand = 0.4;
             p.AnzahlRohre = 1;
             p.Volumenstrom = 500;
         },
         ""},
        {"pipe above the surface", [](TRegisterParameter& p) { p.Tiefe = 0.05; }, "Verlegetiefe"},
    };
    for (const auto& f : faelle) {
        TRegisterParameter p = Register();
        f.setzen(p);
        const std::vector<std::string> meldungen = ParameterPruefen(p);
        if (std::string(f.meldung).empty()) {
            EXPECT_TRUE(meldungen.empty())
                << f.fall << ": " << (meldungen.empty() ? "" : meldungen[0]);
        } else {
            EXPECT_TRUE(Enthaelt(meldungen, f.meldung)) << f.fall;
        }
    }
}

TEST(RegisterLauf, SimulationRechnenRunsTheChosenModelAndFillsTheClassicResults) {
    auto klassisch = std::make_unique<TKontext>();
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *klassisch);
    EXPECT_FALSE(klassisch->RegisterErgebnis.Gerechnet);

    auto k = std::make_unique<TKontext>();
    const TRegisterParameter r = Register();
    ASSERT_EQ(SimulationRechnen(r, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TRegisterErgebnis& e = k->RegisterErgebnis;
    ASSERT_TRUE(e.Gerechnet);
    EXPECT_EQ(k->Ergebnis.Heizenergie, e.Heizenergie);
    EXPECT_EQ(k->Ergebnis.Kuehlenergie, e.Kuehlenergie);
    EXPECT_EQ(k->Ergebnis.WaermeentzugKeller, 0.0);
    // 15 pipes: 7 mirror pairs and the middle pipe
    EXPECT_EQ(e.VerschiedeneRohre, 8);
    EXPECT_GE(e.Einschwingjahre, 1);
    EXPECT_LE(e.Einschwingjahre, 10);
    EXPECT_LT(e.EinschwingAenderung, 0.001);
    // the built-in year has no humidity: no condensate, dry air at sea level
    EXPECT_FALSE(e.Feuchtedaten);
    EXPECT_EQ(e.KondensatJahr, 0.0);
    EXPECT_DOUBLE_EQ(e.Luftdruck, 101325.0);
    EXPECT_TRUE(ErgebnisPruefen(*k).empty());
    // the edge pipe, with ground on one side only, exchanges more than the middle pipe: its
    // outlet is warmer in the coldest hour
    int kalt = 1;
    for (int h = 1; h <= StundenImJahr; ++h)
        if (k->Reihen.Tein[static_cast<std::size_t>(h)] <
            k->Reihen.Tein[static_cast<std::size_t>(kalt)])
            kalt = h;
    EXPECT_GT(e.TausRandrohr[static_cast<std::size_t>(kalt)],
              e.TausMittelrohr[static_cast<std::size_t>(kalt)]);
    // the register's outlet is the mean of its pipes': between edge and middle
    EXPECT_GE(k->Reihen.Taus[static_cast<std::size_t>(kalt)],
              e.TausMittelrohr[static_cast<std::size_t>(kalt)]);
    EXPECT_LE(k->Reihen.Taus[static_cast<std::size_t>(kalt)],
              e.TausRandrohr[static_cast<std::size_t>(kalt)]);
    // the figures of a finished run are available as for a classic one
    EXPECT_NO_THROW(KennwerteBerechnen(*k));
}

TEST(RegisterLauf, MoistAirPropertiesMatchTables) {
    // saturation 2339 Pa at 20 °C, 611.2 Pa at 0 °C (water tables), 0.5 %; dry air at 20 °C and
    // 101325 Pa: p / (287.05 * 293.15) = 1.2041 kg/m3; the standard atmosphere at 500 m:
    // 954.6 hPa; saturated air at 20 °C: 0.622 * 2339 / (101325 - 2339) = 0.01470 kg/kg
    EXPECT_NEAR(Saettigungsdruck(20) / 2339, 1.0, 0.005);
    EXPECT_NEAR(Saettigungsdruck(0), 611.2, 1e-9);
    EXPECT_NEAR(DichteTrockeneLuft(20, 0, 101325), 1.2041, 1e-4);
    EXPECT_NEAR(LuftdruckInHoehe(500) / 100, 954.6, 0.1);
    EXPECT_NEAR(SaettigungsFeuchte(20, 101325), 0.01470, 0.0001);
    // the derivative against a central difference
    const double d =
        (SaettigungsFeuchte(15.001, 101325) - SaettigungsFeuchte(14.999, 101325)) / 0.002;
    EXPECT_NEAR(SaettigungsFeuchteAbleitung(15, 101325) / d, 1.0, 1e-6);
}

// A year at 10 °C with 26 °C in July; July's dew point 22 °C on even days and -30 °C on odd days,
// the rest of the year 5 K below the air: the ground stays near 11 °C.
std::unique_ptr<TWetterJahr> JuliWetter() {
    auto w = std::make_unique<TWetterJahr>();
    for (int h = 0; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const bool juli = h >= ErsteStundeImMonat(7) && h <= LetzteStundeImMonat(7);
        const int tag = (h - 1) / 24;
        w->Tein[i] = juli ? 26.0 : 10.0;
        w->TTaupunkt[i] = !juli ? w->Tein[i] - 5 : (tag % 2 == 0 ? 22.0 : -30.0);
        w->RelFeuchte[i] = 100 * Saettigungsdruck(w->TTaupunkt[i]) / Saettigungsdruck(w->Tein[i]);
    }
    return w;
}

TEST(RegisterLauf, WaterCondensesOnlyWhereTheWallIsBelowTheDewPoint) {
    auto k = std::make_unique<TKontext>();
    TRegisterParameter p = Register();
    p.Geregelt = false;
    const auto w = JuliWetter();
    RegisterLaufRechnen(p, *w, nullptr, *k);
    const TRegisterErgebnis& e = k->RegisterErgebnis;
    ASSERT_TRUE(e.Feuchtedaten);
    int nass = 0;
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const bool juli = h >= ErsteStundeImMonat(7) && h <= LetzteStundeImMonat(7);
        const bool taupunktHoch = juli && ((h - 1) / 24) % 2 == 0;
        // a dew point of -30 °C, or 5 K below air at 10 °C over ground near 11 °C: no wall is
        // that cold; 22 °C over ground near 11 °C: in the first two weeks of July every wall
        // near the inlet is (later the month's warm air has warmed the walls towards it)
        if (!taupunktHoch) {
            ASSERT_EQ(e.Kondensat[i], 0.0) << "hour " << h;
        } else if (h < ErsteStundeImMonat(7) + 14 * 24) {
            EXPECT_GT(e.Kondensat[i], 0.0) << "hour " << h;
        }
        if (e.Kondensat[i] > 0) ++nass;
    }
    EXPECT_GE(nass, 7 * 24);
    double monate = 0.0;
    for (int m = 1; m <= 12; ++m)
        monate += e.KondensatMonat[static_cast<std::size_t>(m)];
    EXPECT_NEAR(monate, e.KondensatJahr, 1e-9 * e.KondensatJahr);
    EXPECT_EQ(e.KondensatMonat[6], 0.0);
    // latent heat = condensate * enthalpy of evaporation, kWh, 1e-6
    EXPECT_NEAR(e.LatenteEnergie / (e.KondensatJahr * Verdampfungsenthalpie / 3.6e6), 1.0, 1e-6);
    // here no mist forms: all of it goes into the walls, by the Lewis analogy's flux
    EXPECT_NEAR(e.LatentWand / e.LatenteEnergie, 1.0, 1e-6);
    // every kWh the moist air gives off (sensible and latent) enters the ground, 1e-6
    EXPECT_NEAR(e.WaermeInsErdreich / e.EnthalpieAbgabeLuft, 1.0, 1e-6);
    // the sensible cooling alone is what the air's temperature shows: less than the enthalpy
    EXPECT_GT(e.Kuehlenergie, 0.0);
}

TEST(RegisterLauf, YearlyBalanceClosesOnTheBuiltInAndASiteYear) {
    // heat through the walls = enthalpy given off by the air, 1e-6 of the turnover
    auto k = std::make_unique<TKontext>();
    const TRegisterParameter p = Register();
    RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    const TRegisterErgebnis trocken = k->RegisterErgebnis;
    const double umsatz = trocken.Heizenergie + trocken.Kuehlenergie;
    EXPECT_NEAR(trocken.WaermeInsErdreich, trocken.EnthalpieAbgabeLuft, 1e-6 * umsatz);
    // dry: the enthalpy is the sensible heat alone
    EXPECT_NEAR(trocken.EnthalpieAbgabeLuft, trocken.Kuehlenergie - trocken.Heizenergie,
                1e-6 * umsatz);
    EXPECT_NEAR(k->Ergebnis.WaermeentzugErde, -trocken.WaermeInsErdreich, 1e-9 * umsatz);

    // a test reference year with humidity: water condenses in summer, its latent heat is
    // counted apart and closes the balance
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    WetterDateiLesen(std::string(KOV_TESTDATEN) + "/wetter/TRY2015_494414066370_Jahr.dat", *jahr,
                     info);
    RegisterLaufRechnen(p, *jahr, nullptr, *k);
    const TRegisterErgebnis& feucht = k->RegisterErgebnis;
    ASSERT_TRUE(feucht.Feuchtedaten);
    EXPECT_GT(feucht.KondensatJahr, 0.0);
    EXPECT_NEAR(feucht.LatenteEnergie / (feucht.KondensatJahr * Verdampfungsenthalpie / 3.6e6), 1.0,
                1e-6);
    EXPECT_NEAR(feucht.WaermeInsErdreich, feucht.EnthalpieAbgabeLuft,
                1e-6 * (feucht.Heizenergie + feucht.Kuehlenergie + feucht.LatenteEnergie));
    EXPECT_NEAR(feucht.EnthalpieAbgabeLuft,
                feucht.Kuehlenergie - feucht.Heizenergie + feucht.LatenteEnergie,
                1e-6 * (feucht.Heizenergie + feucht.Kuehlenergie));
}

TEST(RegisterLauf, SettlingReachesThePeriodicYear) {
    // the default ends settling at 0.1 % change a year; a run that settles to 0.001 % (up to 40
    // years) is the periodic year: the default's energies within 0.1 % of it
    auto k = std::make_unique<TKontext>();
    TRegisterParameter p = Register();
    p.Tiefe = 3;
    RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    const TRegisterErgebnis standard = k->RegisterErgebnis;
    TRegisterAufloesung lang;
    lang.EinschwingGrenze = 1e-5;
    lang.MaxEinschwingjahre = 40;
    RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k, {}, lang);
    const TRegisterErgebnis& periodisch = k->RegisterErgebnis;
    EXPECT_LT(periodisch.EinschwingAenderung, 1e-5);
    EXPECT_NEAR(standard.Heizenergie / periodisch.Heizenergie, 1.0, 0.001);
    EXPECT_NEAR(standard.Kuehlenergie / periodisch.Kuehlenergie, 1.0, 0.001);
    EXPECT_LE(standard.Einschwingjahre, 10);
}

TEST(RegisterLauf, WideSpacingApproachesALonePipe) {
    // three pipes 20 m apart against one pipe with a third of the flow: per pipe within 0.5 %
    auto k = std::make_unique<TKontext>();
    TRegisterParameter reihe = Register();
    reihe.AnzahlRohre = 3;
    reihe.Volumenstrom = 3 * 3700.0 / 15;
    reihe.Rohrabstand = 20;
    RegisterLaufRechnen(reihe, EingebautesWetterJahr(), nullptr, *k);
    const TRegisterErgebnis drei = k->RegisterErgebnis;
    TRegisterParameter allein = reihe;
    allein.AnzahlRohre = 1;
    allein.Volumenstrom = 3700.0 / 15;
    RegisterLaufRechnen(allein, EingebautesWetterJahr(), nullptr, *k);
    const TRegisterErgebnis& eins = k->RegisterErgebnis;
    EXPECT_NEAR(drei.Heizenergie / 3 / eins.Heizenergie, 1.0, 0.005);
    EXPECT_NEAR(drei.Kuehlenergie / 3 / eins.Kuehlenergie, 1.0, 0.005);
    // and a close row gives less per pipe than the lone pipe
    reihe.Rohrabstand = 0.5;
    RegisterLaufRechnen(reihe, EingebautesWetterJahr(), nullptr, *k);
    EXPECT_LT(k->RegisterErgebnis.Heizenergie / 3, 0.99 * eins.Heizenergie);
}

TEST(RegisterLauf, ScheduleAndControlDecideTheRunningHoursAsInTheClassicModel) {
    auto k = std::make_unique<TKontext>();
    TRegisterParameter p = Register();
    p.Heizgrenze = 5;
    p.Kuehlgrenze = 18;
    p.FahrplanGelesen = true;
    TStundenFeld fahrplan{};
    for (int h = 1; h <= StundenImJahr; ++h)
        fahrplan[static_cast<std::size_t>(h)] = (h % 24) < 12 ? 0.5 : 0.0;
    RegisterLaufRechnen(p, EingebautesWetterJahr(), &fahrplan, *k);
    const TStundenReihen& r = k->Reihen;
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const bool laeuft = fahrplan[i] > 0 && !(r.Tein[i] < 18 && r.Tein[i] > 5);
        ASSERT_EQ(r.Betrieb[i], laeuft ? 1.0 : 0.0) << "hour " << h;
        if (!laeuft) {
            ASSERT_EQ(r.Taus[i], r.Tein[i]) << "hour " << h;
        }
    }
    EXPECT_THROW(RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k), TParameterFehler);
}

} // namespace
} // namespace kov
