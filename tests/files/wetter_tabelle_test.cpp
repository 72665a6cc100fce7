#include "files/wetter_tabelle.h"
#include "model/kalender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace kov {
namespace {

constexpr int Stunden = 8760;
constexpr int Tage = 365;

// value of hour h in tenths of a kelvin
int Zehntel(int h) {
    return static_cast<int>(std::lround(EingebauteWetterTabelle[static_cast<std::size_t>(h)] * 10));
}

struct TMonatsKennwerte {
    int Summe;
    int Minimum;
    int Maximum;
};

TMonatsKennwerte MonatAuswerten(int m) {
    TMonatsKennwerte k{0, Zehntel(ErsteStundeImMonat(m)), Zehntel(ErsteStundeImMonat(m))};
    for (int h = ErsteStundeImMonat(m); h <= LetzteStundeImMonat(m); ++h) {
        k.Summe += Zehntel(h);
        k.Minimum = std::min(k.Minimum, Zehntel(h));
        k.Maximum = std::max(k.Maximum, Zehntel(h));
    }
    return k;
}

TEST(WetterTabelle, EveryValueIsAWholeNumberOfTenths) {
    for (int h = 0; h <= Stunden; ++h) {
        const double wert = EingebauteWetterTabelle[static_cast<std::size_t>(h)];
        ASSERT_EQ(wert, Zehntel(h) / 10.0) << "Stunde " << h;
    }
}

TEST(WetterTabelle, FixedHours) {
    struct {
        int Stunde;
        double Wert;
    } const faelle[] = {{0, 3.2},   {1, 3.2},   {2, 2.9},   {3, 2.4},   {4, 2.3},   {5, 1.8},
                        {6, 1.5},   {7, 1.2},   {8, 1.4},   {9, 1.4},   {10, 1.8},  {11, 2.5},
                        {12, 2.8},  {13, 2.7},  {14, 5.4},  {15, 6.8},  {16, 6.1},  {17, 4.5},
                        {18, 2.1},  {19, -0.4}, {20, -0.8}, {21, -0.9}, {22, -1.0}, {23, -1.5},
                        {24, -1.9}, {8760, 3.6}};
    for (const auto& f : faelle)
        EXPECT_EQ(EingebauteWetterTabelle[static_cast<std::size_t>(f.Stunde)], f.Wert)
            << "Stunde " << f.Stunde;
}

TEST(WetterTabelle, MonthlySumsAndExtremes) {
    // sums, minima and maxima in tenths of a kelvin
    const TMonatsKennwerte erwartet[13] = {{0, 0, 0},         {-835, -193, 116}, {2801, -140, 167},
                                           {34717, -99, 218}, {58565, -38, 225}, {93286, 10, 261},
                                           {111159, 48, 294}, {137260, 90, 341}, {130173, 73, 310},
                                           {103999, 44, 274}, {75380, 6, 236},   {29616, -79, 186},
                                           {14320, -108, 143}};
    long jahr = 0;
    for (int m = 1; m <= 12; ++m) {
        const TMonatsKennwerte k = MonatAuswerten(m);
        EXPECT_EQ(k.Summe, erwartet[m].Summe) << MonatsName(m);
        EXPECT_EQ(k.Minimum, erwartet[m].Minimum) << MonatsName(m);
        EXPECT_EQ(k.Maximum, erwartet[m].Maximum) << MonatsName(m);
        jahr += k.Summe;
    }
    EXPECT_EQ(jahr, 790441);
}

TEST(WetterTabelle, YearExtremesBelowZeroAndSteps) {
    int kaelteste = 1;
    int waermste = 1;
    int unterNull = 0;
    int groessterSprung = 0;
    for (int h = 1; h <= Stunden; ++h) {
        if (Zehntel(h) < Zehntel(kaelteste)) kaelteste = h;
        if (Zehntel(h) > Zehntel(waermste)) waermste = h;
        if (Zehntel(h) < 0) ++unterNull;
        groessterSprung = std::max(groessterSprung, std::abs(Zehntel(h) - Zehntel(h - 1)));
    }
    EXPECT_EQ(kaelteste, 607);
    EXPECT_EQ(Zehntel(607), -193);
    EXPECT_EQ(waermste, 5008);
    EXPECT_EQ(Zehntel(5008), 341);
    int gleichKalt = 0;
    int gleichWarm = 0;
    for (int h = 1; h <= Stunden; ++h) {
        if (Zehntel(h) == -193) ++gleichKalt;
        if (Zehntel(h) == 341) ++gleichWarm;
    }
    EXPECT_EQ(gleichKalt, 1) << "coldest hour not unique";
    EXPECT_EQ(gleichWarm, 1) << "warmest hour not unique";
    EXPECT_EQ(unterNull, 1134);
    EXPECT_LE(groessterSprung, 40) << "hour-to-hour step in tenths of a kelvin";
}

// Hour of the day 0..23 (0 = 00-01 o'clock) of hour h of the year.
int Uhrzeit(int h) {
    return (h - 1) % 24;
}

TEST(WetterTabelle, DailyCycleFollowsTheSun) {
    std::array<double, 13> spanne{};
    std::array<double, 24> verlauf{};
    for (int tag = 0; tag < Tage; ++tag) {
        const int erste = tag * 24 + 1;
        int tief = Zehntel(erste);
        int hoch = Zehntel(erste);
        double mittel = 0;
        for (int h = erste; h < erste + 24; ++h) {
            tief = std::min(tief, Zehntel(h));
            hoch = std::max(hoch, Zehntel(h));
            mittel += Zehntel(h) / 24.0;
        }
        for (int h = erste; h < erste + 24; ++h)
            verlauf[static_cast<std::size_t>(Uhrzeit(h))] += Zehntel(h) - mittel;
        int monat = 1;
        while (monat < 12 && erste > LetzteStundeImMonat(monat))
            ++monat;
        spanne[static_cast<std::size_t>(monat)] += (hoch - tief) / 10.0 / TageImMonat(monat);
    }
    // clear summer days swing far more than overcast winter days
    EXPECT_GT(spanne[7], 1.5 * spanne[1]) << "Juli " << spanne[7] << " K, Januar " << spanne[1];
    EXPECT_GT(spanne[6], 1.5 * spanne[12]) << "Juni " << spanne[6] << " K, Dezember " << spanne[12];

    const auto stundeMin = std::min_element(verlauf.begin(), verlauf.end()) - verlauf.begin();
    const auto stundeMax = std::max_element(verlauf.begin(), verlauf.end()) - verlauf.begin();
    EXPECT_GE(stundeMin, 3) << "mean daily minimum";
    EXPECT_LE(stundeMin, 8) << "mean daily minimum";
    EXPECT_GE(stundeMax, 12) << "mean daily maximum";
    EXPECT_LE(stundeMax, 16) << "mean daily maximum";

    // every month's extremes fall at night or early morning and in the afternoon
    for (int m = 1; m <= 12; ++m) {
        const TMonatsKennwerte k = MonatAuswerten(m);
        for (int h = ErsteStundeImMonat(m); h <= LetzteStundeImMonat(m); ++h) {
            if (Zehntel(h) == k.Minimum) {
                EXPECT_TRUE(Uhrzeit(h) <= 9 || Uhrzeit(h) >= 21)
                    << MonatsName(m) << ": minimum at " << Uhrzeit(h) << " o'clock";
            }
            if (Zehntel(h) == k.Maximum) {
                EXPECT_TRUE(Uhrzeit(h) >= 11 && Uhrzeit(h) <= 18)
                    << MonatsName(m) << ": maximum at " << Uhrzeit(h) << " o'clock";
            }
        }
    }
}

// Weather comes in spells of several days: the daily means, taken about their 31-day running
// mean, are strongly correlated from one day to the next and no longer after ten days.
TEST(WetterTabelle, WeatherSpellsLastSeveralDays) {
    std::array<double, Tage> mittel{};
    for (int tag = 0; tag < Tage; ++tag)
        for (int h = tag * 24 + 1; h <= tag * 24 + 24; ++h)
            mittel[static_cast<std::size_t>(tag)] += Zehntel(h) / 240.0;
    std::array<double, Tage> abweichung{};
    for (int tag = 0; tag < Tage; ++tag) {
        const int von = std::max(0, tag - 15);
        const int bis = std::min(Tage - 1, tag + 15);
        double fenster = 0;
        for (int d = von; d <= bis; ++d)
            fenster += mittel[static_cast<std::size_t>(d)];
        abweichung[static_cast<std::size_t>(tag)] =
            mittel[static_cast<std::size_t>(tag)] - fenster / (bis - von + 1);
    }
    double schnitt = 0;
    for (double a : abweichung)
        schnitt += a / Tage;
    const auto korrelation = [&](int abstand) {
        double zaehler = 0;
        double nenner = 0;
        for (int d = 0; d < Tage; ++d) {
            const double a = abweichung[static_cast<std::size_t>(d)] - schnitt;
            nenner += a * a;
            if (d + abstand < Tage)
                zaehler += a * (abweichung[static_cast<std::size_t>(d + abstand)] - schnitt);
        }
        return zaehler / nenner;
    };
    EXPECT_GT(korrelation(1), 0.5) << "one day apart";
    EXPECT_LT(korrelation(10), 0.3) << "ten days apart";
    // the spells are real swings, not a flat line: several kelvin between warm and cold spells
    const auto [tiefst, hoechst] = std::minmax_element(abweichung.begin(), abweichung.end());
    EXPECT_GT(*hoechst - *tiefst, 10.0);
}

} // namespace
} // namespace kov
