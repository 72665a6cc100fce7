// What the result views draw: the day boundaries of the daily ranges, the order of the
// duration curves, and which monthly ground temperature the year view shows.
#include "register/auswertung.h"

#include "files/wetter.h"
#include "files/wetter_info.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace kov {
namespace {

TEST(Auswertung, DailyRangeTakesTheDaysHoursAndNothingElse) {
    // hour h holds h: day d runs from 24 d - 23 to 24 d, its mean is 24 d - 11.5
    TStundenFeld reihe{};
    for (std::size_t h = 0; h <= StundenImJahr; ++h)
        reihe[h] = static_cast<double>(h);
    reihe[0] = -1000; // the value before hour 1 belongs to no day
    const TTagesWerte t = TagesWerteBerechnen(reihe);
    const struct {
        std::size_t Tag;
        double Min, Mittel, Max;
    } faelle[] = {
        {1, 1, 12.5, 24}, {2, 25, 36.5, 48}, {32, 745, 756.5, 768}, {365, 8737, 8748.5, 8760}};
    for (const auto& f : faelle) {
        EXPECT_EQ(t.Min[f.Tag], f.Min) << "Tag " << f.Tag;
        EXPECT_EQ(t.Mittel[f.Tag], f.Mittel) << "Tag " << f.Tag;
        EXPECT_EQ(t.Max[f.Tag], f.Max) << "Tag " << f.Tag;
    }

    // a spike in the last hour of day 1 and a dip in the first of day 2 stay on their days
    TStundenFeld flach{};
    flach.fill(5.0);
    flach[24] = 30;
    flach[25] = -20;
    const TTagesWerte s = TagesWerteBerechnen(flach);
    EXPECT_EQ(s.Max[1], 30);
    EXPECT_EQ(s.Min[1], 5);
    EXPECT_EQ(s.Max[2], 5);
    EXPECT_EQ(s.Min[2], -20);
    // (23 * 5 + 30) / 24 and (23 * 5 - 20) / 24
    EXPECT_DOUBLE_EQ(s.Mittel[1], 145.0 / 24);
    EXPECT_DOUBLE_EQ(s.Mittel[2], 95.0 / 24);
    EXPECT_EQ(s.Mittel[3], 5);
}

TEST(Auswertung, DailyMeansOfTheDesignYearAverageToItsAnnualMean) {
    const TWetterJahr& jahr = EingebautesWetterJahr();
    const TTagesWerte t = TagesWerteBerechnen(jahr.Tein);
    double summe = 0;
    for (std::size_t tag = 1; tag <= TageImJahr; ++tag) {
        summe += t.Mittel[tag];
        EXPECT_LE(t.Min[tag], t.Mittel[tag]) << "Tag " << tag;
        EXPECT_LE(t.Mittel[tag], t.Max[tag]) << "Tag " << tag;
    }
    // every day has 24 hours, so the mean of the daily means is the mean of the hours
    EXPECT_NEAR(summe / TageImJahr, WetterKennwerteBerechnen(jahr).JahresMittel, 1e-12);
    // the coldest day holds the coldest hour of the year
    const TWetterKennwerte kw = WetterKennwerteBerechnen(jahr);
    const std::size_t kaltTag = static_cast<std::size_t>((kw.Minimum.Stunde - 1) / 24 + 1);
    EXPECT_EQ(t.Min[kaltTag], kw.Minimum.Wert);
    EXPECT_EQ(*std::min_element(t.Min.begin() + 1, t.Min.end()), kw.Minimum.Wert);
}

TEST(Auswertung, DurationCurveSortsWarmToCold) {
    // hour h holds h mod 10: 876 hours each of 0..9
    TStundenFeld reihe{};
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        reihe[h] = static_cast<double>(h % 10);
    reihe[0] = 99;
    const TStundenFeld d = DauerlinieBerechnen(reihe);
    const struct {
        std::size_t Rang;
        double Wert;
    } faelle[] = {{0, 0},    {1, 9},    {876, 9},  {877, 8}, {4380, 5},
                  {4381, 4}, {7884, 1}, {7885, 0}, {8760, 0}};
    for (const auto& f : faelle)
        EXPECT_EQ(d[f.Rang], f.Wert) << "Rang " << f.Rang;

    // the run's curves hold the same hours as the series, never rising
    auto k = test::NeuerKontext();
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Frostgrenze = 2.5;
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TDauerlinien linien = DauerlinienBerechnen(*k);
    EXPECT_EQ(linien.Frostgrenze, 2.5);
    const struct {
        const char* Name;
        const TStundenFeld& Kurve;
        const TStundenFeld& Reihe;
    } kurven[] = {{"Eintritt", linien.Eintritt, k->Reihen.Tein},
                  {"Austritt", linien.Austritt, k->Reihen.Taus}};
    for (const auto& [name, kurve, reihe] : kurven) {
        EXPECT_TRUE(std::is_sorted(kurve.begin() + 1, kurve.end(), std::greater<>())) << name;
        std::vector<double> stunden(reihe.begin() + 1, reihe.end());
        std::sort(stunden.begin(), stunden.end(), std::greater<>());
        EXPECT_TRUE(std::equal(stunden.begin(), stunden.end(), kurve.begin() + 1)) << name;
    }
    // the register narrows the range: its outlet is never as cold as the coldest outdoor hour
    EXPECT_GT(linien.Austritt[StundenImJahr], linien.Eintritt[StundenImJahr]);
    EXPECT_LT(linien.Austritt[1], linien.Eintritt[1]);
}

TEST(Auswertung, YearShowsTheGroundTemperatureTheRunHeldAtTheBoundary) {
    TModell m;
    ParameterStandardwerteSetzen(m.Parameter);
    for (std::size_t monat = 0; monat <= 12; ++monat) {
        m.Werte.ErdTemperaturMonat[monat] = 8.0 + static_cast<double>(monat) / 10;
        m.Parameter.ErdTemperaturSpeziell[monat] = 20.0 - static_cast<double>(monat);
    }
    const struct {
        const char* Name;
        bool Speziell;
        double Januar, Dezember;
    } faelle[] = {{"ungestört in Rohrtiefe", false, 8.1, 9.2},
                  {"vorgegebene Randbedingung", true, 19.0, 8.0}};
    for (const auto& f : faelle) {
        m.Parameter.SpezielleRandbedingung = f.Speziell;
        const TJahresVerlauf v = JahresVerlaufBerechnen(m);
        EXPECT_EQ(v.ErdTemperatur[1], f.Januar) << f.Name;
        EXPECT_EQ(v.ErdTemperatur[12], f.Dezember) << f.Name;
        EXPECT_EQ(v.ErdTemperatur[0], 0) << f.Name;
    }
}

} // namespace
} // namespace kov
