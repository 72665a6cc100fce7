#include "ground/register_erdreich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

namespace kov {
namespace {

constexpr double Pi = 3.14159;
// a surface coefficient so large that the surface is at the air's temperature
constexpr double Isotherm = 1e9;

TErdreichDaten Daten(double tiefe, double radius, double alpha = Isotherm) {
    TErdreichDaten d;
    d.Lambda = 1.5;
    d.RhoC = 1400.0 * 1400.0;
    d.AlphaOberflaeche = alpha;
    d.Tiefe = tiefe;
    d.RadiusAussen = radius;
    return d;
}

// Steady heat of pipes in a row of n at spacing s, all walls 1 K above an isothermal surface,
// W per metre: the walls' steady responses to each other's fluxes solved for equal walls.
std::vector<double> ReiheStationaer(const TErdreichDaten& d, int n, double s) {
    std::vector<double> abstaende;
    for (int m = 1; m < n; ++m)
        abstaende.push_back(m * s);
    const TModalSystem sys = RohrAntwortBerechnen(d, abstaende);
    const auto N = static_cast<std::size_t>(n);
    std::vector<double> a(N * N), q(N, 1.0);
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j)
            a[i * N + j] = StationaereAntwort(sys, static_cast<int>(i > j ? i - j : j - i));
    // Gauss elimination without pivoting: the matrix is diagonally dominant
    for (std::size_t k = 0; k < N; ++k)
        for (std::size_t i = k + 1; i < N; ++i) {
            const double f = a[i * N + k] / a[k * N + k];
            for (std::size_t j = k; j < N; ++j)
                a[i * N + j] -= f * a[k * N + j];
            q[i] -= f * q[k];
        }
    for (std::size_t i = N; i-- > 0;) {
        for (std::size_t j = i + 1; j < N; ++j)
            q[i] -= a[i * N + j] * q[j];
        q[i] /= a[i * N + i];
    }
    return q;
}

TEST(RegisterErdreich, LonePipeBelowAnIsothermalSurfaceConductsTheAnalyticHeat) {
    // q = 2 pi lambda dT / arcosh(d / r_a) (conduction between a cylinder and a plane), 1 %
    const struct {
        double tiefe, radius;
    } faelle[] = {{1.0, 0.1}, {0.5, 0.2}, {4.0, 0.05}, {2.0, 0.25}, {0.3, 0.2}};
    for (const auto& f : faelle) {
        const TModalSystem s = RohrAntwortBerechnen(Daten(f.tiefe, f.radius), {});
        const double q = 1 / StationaereAntwort(s, 0);
        const double analytisch = 2 * Pi * 1.5 / std::acosh(f.tiefe / f.radius);
        EXPECT_NEAR(q / analytisch, 1.0, 0.01)
            << "depth " << f.tiefe << " m, outer radius " << f.radius << " m";
    }
}

TEST(RegisterErdreich, PipeOfAnEndlessRowConductsLikeTheAnalyticRow) {
    // q = 2 pi lambda dT / ln[(s / (pi r_a)) sinh(2 pi d / s)] (line sources at spacing s with
    // their images), 1 %. In the endless row every pipe carries the same q, so a wall sees
    // q (R_0 + 2 sum_m R_ms); 4000 neighbours a side leave a tail of 4 d^2 / (s^2 4000) against
    // a sum of 5..14, below 0.05 %.
    const struct {
        double tiefe, radius, abstand;
    } faelle[] = {{1.0, 0.1, 1.0}, {2.0, 0.1, 1.0}, {1.0, 0.05, 0.5}, {3.0, 0.1, 2.0}};
    for (const auto& f : faelle) {
        std::vector<double> abstaende;
        for (int m = 1; m <= 4000; ++m)
            abstaende.push_back(m * f.abstand);
        const TModalSystem s = RohrAntwortBerechnen(Daten(f.tiefe, f.radius), abstaende);
        double widerstand = StationaereAntwort(s, 0);
        for (int m = 1; m <= 4000; ++m)
            widerstand += 2 * StationaereAntwort(s, m);
        const double analytisch =
            2 * Pi * 1.5 /
            std::log(f.abstand / (Pi * f.radius) * std::sinh(2 * Pi * f.tiefe / f.abstand));
        EXPECT_NEAR(1 / widerstand / analytisch, 1.0, 0.01)
            << "depth " << f.tiefe << " m, radius " << f.radius << " m, spacing " << f.abstand;
    }
}

TEST(RegisterErdreich, FiniteRowAgreesWithSuperposedLineSourcesAndImages) {
    // five pipes, walls at 1 K: the fluxes of line sources at the axes and their images above
    // the surface, sum_j q_j ln(D'_ij / D_ij) / (2 pi lambda) = 1 with D_ii = r_a, 1 % per pipe
    const double tiefe = 1.5, radius = 0.1, abstand = 0.8;
    const std::vector<double> q = ReiheStationaer(Daten(tiefe, radius), 5, abstand);
    double a[5][5];
    double b[5] = {1, 1, 1, 1, 1};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            const double dx = (i - j) * abstand;
            const double nah = i == j ? radius : std::abs(dx);
            a[i][j] = std::log(std::hypot(dx, 2 * tiefe) / nah) / (2 * Pi * 1.5);
        }
    for (int k = 0; k < 5; ++k)
        for (int i = k + 1; i < 5; ++i) {
            const double f = a[i][k] / a[k][k];
            for (int j = k; j < 5; ++j)
                a[i][j] -= f * a[k][j];
            b[i] -= f * b[k];
        }
    for (int i = 4; i >= 0; --i) {
        for (int j = i + 1; j < 5; ++j)
            b[i] -= a[i][j] * b[j];
        b[i] /= a[i][i];
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(q[static_cast<std::size_t>(i)] / b[i], 1.0, 0.01) << "pipe " << i + 1;
}

// Amplitude and phase (radians) of the yearly harmonic of an hourly series.
std::complex<double> Jahresharmonische(const TStundenFeld& reihe) {
    std::complex<double> summe = 0.0;
    for (int h = 1; h <= StundenImJahr; ++h) {
        const double w = 2 * M_PI * (h - 0.5) / StundenImJahr;
        summe +=
            reihe[static_cast<std::size_t>(h)] * std::complex<double>(std::cos(w), -std::sin(w));
    }
    return summe * (2.0 / StundenImJahr);
}

TEST(RegisterErdreich, UndisturbedGroundDampsAndDelaysTheYearlyWave) {
    // surface air 10 + 10 sin(2 pi t / year); in the half-space the wave at depth z is
    // damped by e^(-z/delta) and delayed by z/delta radians, delta = sqrt(2 a / omega) = 2.34 m;
    // with the surface coefficient alpha the surface itself sees the air through
    // alpha / (alpha + lambda (1 + i) / delta). Amplitude 1 %, delay 0.5 day.
    const double a = 1.5 / (1400.0 * 1400.0);
    const double omega = 2 * M_PI / (8760.0 * 3600);
    const double delta = std::sqrt(2 * a / omega);
    TStundenFeld luft{};
    for (int h = 1; h <= StundenImJahr; ++h)
        luft[static_cast<std::size_t>(h)] =
            10 + 10 * std::sin(2 * M_PI * (h - 0.5) / StundenImJahr);
    const std::complex<double> antrieb = Jahresharmonische(luft);
    for (double alpha : {Isotherm, 15.0})
        for (double z : {0.5, 1.0, 2.0, 4.0}) {
            TStundenFeld boden{};
            PeriodischRechnen(SaeuleAufbauen(Daten(z, 0.1, alpha), z), luft, boden);
            const std::complex<double> oberflaeche =
                alpha / (alpha + 1.5 * std::complex<double>(1, 1) / delta);
            const std::complex<double> erwartet =
                antrieb * oberflaeche * std::exp(-std::complex<double>(1, 1) * z / delta);
            const std::complex<double> ist = Jahresharmonische(boden);
            const std::string fall =
                "alpha " + std::to_string(alpha) + ", depth " + std::to_string(z) + " m";
            EXPECT_NEAR(std::abs(ist) / std::abs(erwartet), 1.0, 0.01) << fall;
            const double verzugTage = std::arg(erwartet / ist) / omega / 86400;
            EXPECT_NEAR(verzugTage, 0.0, 0.5) << fall;
            // the yearly mean is the air's
            double mittel = 0.0;
            for (int h = 1; h <= StundenImJahr; ++h)
                mittel += boden[static_cast<std::size_t>(h)] / StundenImJahr;
            EXPECT_NEAR(mittel, 10.0, 1e-6) << fall;
        }
}

TEST(RegisterErdreich, ReductionKeepsTheSteadyStateAndRefinesToTheSameResponse) {
    // the Galerkin basis holds the steady response, so the steady wall response is exact at
    // any number of time constants; the hour response (mean wall temperature over the first
    // hour of a held flux) changes by less than 0.5 % from the default to twice every count
    const TErdreichDaten d = Daten(1.0, 0.1, 15.0);
    const std::vector<double> abstaende{1.0, 3.0};
    TErdreichAufloesung fein;
    fein.ZellenWinkel *= 2;
    fein.ZellenRadial *= 2;
    fein.Zeitkonstanten *= 2;
    const TModalSystem grob = RohrAntwortBerechnen(d, abstaende);
    const TModalSystem gut = RohrAntwortBerechnen(d, abstaende, fein);
    const auto stunde = [](const TModalSystem& s, int o) {
        double t = s.Direkt[static_cast<std::size_t>(o)];
        for (std::size_t k = 0; k < s.Lambda.size(); ++k) {
            const double l = s.Lambda[k];
            t += s.Ausgang[static_cast<std::size_t>(o)][k] * s.Eingang[k] / l *
                 (1 - (1 - std::exp(-l * 3600)) / (l * 3600));
        }
        return t;
    };
    for (int o = 0; o < 3; ++o) {
        EXPECT_NEAR(StationaereAntwort(grob, o) / StationaereAntwort(gut, o), 1.0, 0.005)
            << "output " << o;
    }
    EXPECT_NEAR(stunde(grob, 0) / stunde(gut, 0), 1.0, 0.005);
    // the wall's own response after an hour is a fraction of the steady one, and positive
    EXPECT_GT(stunde(grob, 0), 0.0);
    EXPECT_LT(stunde(grob, 0), StationaereAntwort(grob, 0));
}

} // namespace
} // namespace kov
