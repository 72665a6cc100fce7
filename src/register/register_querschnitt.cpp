#include "register/register_querschnitt.h"

#include "register/register_lauf.h"
#include "register/register_vorrat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace kov {

TRegisterQuerschnitt RegisterQuerschnittRechnen(const TRegisterParameter& p,
                                                const TWetterJahr& wetter,
                                                const TStundenFeld* fahrplan, int stunde, int zelle,
                                                double hoehe, const std::atomic<bool>* abbruch) {
    auto k = std::make_unique<TKontext>();
    TRegisterAufloesung a;
    a.FeldStunde = std::clamp(stunde, 1, StundenImJahr);
    TLaufRueckmeldung rueckmeldung;
    rueckmeldung.Abbruch = abbruch;
    if (RegisterLaufRechnen(p, wetter, fahrplan, *k, rueckmeldung, a, hoehe) ==
        TLaufStatus::Abgebrochen)
        return {};
    const TRegisterZustand& z = k->Register;
    const TErdreichDaten d = RegisterErdreichDaten(p);

    TRegisterQuerschnitt q;
    q.Stunde = a.FeldStunde;
    q.Zellen = z.M;
    q.Zelle = std::clamp(zelle, 0, z.M - 1);
    q.RohrTiefe = d.Tiefe;
    q.RohrRadius = d.RadiusAussen;
    q.TLuft = k->Reihen.Tein[static_cast<std::size_t>(q.Stunde)];

    // grid: the pipes' axes on grid columns, the ground beside the row and below it as far as
    // the pipes warm or cool it noticeably; at most 400 x 150 points
    const int N = z.N;
    const double s = N > 1 ? p.Rohrabstand : 1.0;
    const double reihe = (N - 1) * s;
    const double rand = std::max(1.5, d.Tiefe);
    const double boden = d.Tiefe + std::max(1.5, d.Tiefe);
    int teile = std::max(1, static_cast<int>(std::lround(s / 0.05)));
    while (teile > 1 && (reihe + 2 * rand) / (s / teile) > 400)
        --teile;
    const double dx = s / teile;
    const int randSpalten = static_cast<int>(std::ceil(rand / dx));
    const int nx = 2 * randSpalten + (N - 1) * teile + 1;
    const int ny = std::clamp(static_cast<int>(std::ceil(boden / dx)) + 1, 20, 150);
    const double dy = boden / (ny - 1);
    q.X.resize(static_cast<std::size_t>(nx));
    for (int i = 0; i < nx; ++i)
        q.X[static_cast<std::size_t>(i)] = (i - randSpalten) * dx - reihe / 2;
    q.Tiefe.resize(static_cast<std::size_t>(ny));
    for (int j = 0; j < ny; ++j)
        q.Tiefe[static_cast<std::size_t>(j)] = j * dy;
    for (int n = 0; n < N; ++n)
        q.RohrX.push_back(n * s - reihe / 2);

    // one pipe's mode shapes at every lateral distance of the grid (multiples of dx)
    std::vector<std::array<double, 2>> punkte;
    punkte.reserve(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
    for (int j = 0; j < ny; ++j)
        for (int m = 0; m < nx; ++m)
            punkte.push_back({m * dx, q.Tiefe[static_cast<std::size_t>(j)]});
    const std::vector<double> formen = RohrModenAnPunkten(d, punkte, a.Erdreich);
    const auto K = static_cast<std::size_t>(z.K);
    const auto M = static_cast<std::size_t>(z.M);

    TStundenFeld antrieb{};
    for (int h = 1; h <= StundenImJahr; ++h)
        antrieb[static_cast<std::size_t>(h)] =
            k->Reihen.Tein[static_cast<std::size_t>(h)] + p.Sonnenerwaermung;
    const std::vector<double> saeule =
        PeriodischAmStundenende(SaeuleAufbauen(d, d.Tiefe, q.Tiefe, a.Erdreich), antrieb, q.Stunde);

    q.T.assign(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny),
               std::numeric_limits<double>::quiet_NaN());
    q.TMin = std::numeric_limits<double>::infinity();
    q.TMax = -std::numeric_limits<double>::infinity();
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            double t = saeule[static_cast<std::size_t>(j)];
            for (int n = 0; n < N; ++n) {
                const int abstand = std::abs(i - (randSpalten + n * teile));
                const double* form =
                    &formen[(static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                             static_cast<std::size_t>(abstand)) *
                            K];
                // pipes n and N - 1 - n share their modes
                const auto klasse = static_cast<std::size_t>(std::min(n, N - 1 - n));
                for (std::size_t kk = 0; kk < K; ++kk)
                    t += form[kk] *
                         z.ModenStunde[(klasse * K + kk) * M + static_cast<std::size_t>(q.Zelle)];
            }
            q.T[static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                static_cast<std::size_t>(i)] = t;
            if (std::isfinite(t)) {
                q.TMin = std::min(q.TMin, t);
                q.TMax = std::max(q.TMax, t);
            }
        }
    return q;
}

} // namespace kov
