#include "register/register_querschnitt.h"

#include "files/wetter.h"
#include "ground/register_erdreich.h"
#include "register/register_lauf.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

TEST(RegisterQuerschnitt, FieldPointsUseTheRunsModesAndColumn) {
    TErdreichDaten d;
    d.Tiefe = 1.5;
    d.RadiusAussen = 0.1;
    // the mode shapes at neighbours' axes are the run's coupling outputs, same modes, same order
    const double abstaende[] = {0.8, 1.6, 3.2};
    const TModalSystem s = RohrAntwortBerechnen(d, abstaende);
    const std::array<double, 2> punkte[] = {{0.8, 1.5}, {1.6, 1.5}, {3.2, 1.5}, {0.0, 0.5}};
    const std::vector<double> formen = RohrModenAnPunkten(d, punkte);
    const std::size_t K = s.Lambda.size();
    ASSERT_EQ(formen.size(), 4 * K);
    for (std::size_t o = 0; o < 3; ++o)
        for (std::size_t k = 0; k < K; ++k)
            EXPECT_NEAR(formen[o * K + k], s.Ausgang[o + 1][k],
                        1e-12 * std::abs(s.Ausgang[o + 1][k]) + 1e-300)
                << "neighbour " << o << ", mode " << k;
    // inside the pipe there is no ground
    const std::array<double, 2> innen[] = {{0.05, 1.5}};
    EXPECT_TRUE(std::isnan(RohrModenAnPunkten(d, innen)[0]));

    // a column with several depths gives each depth as the column built for it alone, and its
    // state at the end of the year is its periodic start
    const double tiefen[] = {0.3, 1.5, 4.0};
    const TModalSystem saeule = SaeuleAufbauen(d, d.Tiefe, tiefen);
    const TModalSystem allein = SaeuleAufbauen(d, d.Tiefe);
    for (std::size_t k = 0; k < saeule.Lambda.size(); ++k)
        ASSERT_EQ(saeule.Ausgang[1][k], allein.Ausgang[0][k]) << "mode " << k;
    TStundenFeld antrieb{};
    for (int h = 1; h <= StundenImJahr; ++h)
        antrieb[static_cast<std::size_t>(h)] = 10 + 10 * std::sin(2 * M_PI * h / StundenImJahr);
    const std::vector<double> anfang = PeriodischAmStundenende(saeule, antrieb, 0);
    const std::vector<double> ende = PeriodischAmStundenende(saeule, antrieb, StundenImJahr);
    for (std::size_t o = 0; o < 3; ++o)
        EXPECT_NEAR(anfang[o], ende[o], 1e-9) << "depth " << tiefen[o];
}

TEST(RegisterQuerschnitt, PictureOfAWinterHourIsMirroredAndCooledAroundThePipes) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    p.AnzahlRohre = 5;
    p.Volumenstrom = 5 * 3700.0 / 15;
    // noon of 15 January: the pipes heat cold air, so the ground around them is colder than
    // beside the row at the same depth
    const int stunde = 14 * 24 + 12;
    const TRegisterQuerschnitt q =
        RegisterQuerschnittRechnen(p, EingebautesWetterJahr(), nullptr, stunde, 0);
    ASSERT_FALSE(q.X.empty());
    const std::size_t nx = q.X.size();
    ASSERT_EQ(q.RohrX.size(), 5u);
    EXPECT_NEAR(q.X.front(), -q.X.back(), 1e-12);
    std::size_t zeile = 0; // the row nearest the axes
    for (std::size_t j = 0; j < q.Tiefe.size(); ++j)
        if (std::abs(q.Tiefe[j] - p.Tiefe) < std::abs(q.Tiefe[zeile] - p.Tiefe)) zeile = j;
    for (std::size_t j = 0; j < q.Tiefe.size(); ++j)
        for (std::size_t i = 0; i < nx; ++i) {
            const double a = q.T[j * nx + i];
            const double b = q.T[j * nx + nx - 1 - i];
            if (std::isnan(a) || std::isnan(b)) {
                ASSERT_EQ(std::isnan(a), std::isnan(b)) << "row " << j << ", column " << i;
                continue;
            }
            ASSERT_NEAR(a, b, 1e-9) << "row " << j << ", column " << i;
        }
    // the middle pipe's axis is a grid column, inside the pipe
    std::size_t mitte = nx / 2;
    EXPECT_TRUE(std::isnan(q.T[zeile * nx + mitte]));
    const double nahe =
        q.T[zeile * nx + mitte +
            static_cast<std::size_t>(std::ceil(1.2 * q.RohrRadius / (q.X[1] - q.X[0])))];
    const double weit = q.T[zeile * nx];
    EXPECT_LT(nahe, weit - 0.5);
    EXPECT_LE(q.TMin, nahe);
    EXPECT_GE(q.TMax, weit);
}

} // namespace
} // namespace kov
