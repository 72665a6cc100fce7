#include "ground/register_erdreich.h"

#include "model/fehler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kov {

namespace {

constexpr double Pi = 3.14159;
constexpr double SekundenImJahr = 8760.0 * 3600.0;

// Symmetric eigenvalues and eigenvectors of the n x n matrix a (row-major, destroyed) by cyclic
// Jacobi rotations; vektoren[i * n + k] is component i of vector k.
void JacobiEigen(int n, std::vector<double>& a, std::vector<double>& werte,
                 std::vector<double>& vektoren) {
    const auto N = static_cast<std::size_t>(n);
    vektoren.assign(N * N, 0.0);
    for (std::size_t i = 0; i < N; ++i)
        vektoren[i * N + i] = 1.0;
    for (int durchgang = 0; durchgang < 100; ++durchgang) {
        double aussen = 0.0;
        double gesamt = 0.0;
        for (std::size_t i = 0; i < N; ++i)
            for (std::size_t j = 0; j < N; ++j) {
                gesamt += a[i * N + j] * a[i * N + j];
                if (i != j) aussen += a[i * N + j] * a[i * N + j];
            }
        if (aussen <= 1e-30 * gesamt) break;
        for (std::size_t p = 0; p + 1 < N; ++p)
            for (std::size_t q = p + 1; q < N; ++q) {
                const double apq = a[p * N + q];
                if (apq == 0.0) continue;
                const double theta = (a[q * N + q] - a[p * N + p]) / (2 * apq);
                const double t =
                    (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1);
                const double s = t * c;
                for (std::size_t k = 0; k < N; ++k) {
                    const double akp = a[k * N + p];
                    const double akq = a[k * N + q];
                    a[k * N + p] = c * akp - s * akq;
                    a[k * N + q] = s * akp + c * akq;
                }
                for (std::size_t k = 0; k < N; ++k) {
                    const double apk = a[p * N + k];
                    const double aqk = a[q * N + k];
                    a[p * N + k] = c * apk - s * aqk;
                    a[q * N + k] = s * apk + c * aqk;
                }
                for (std::size_t k = 0; k < N; ++k) {
                    const double vkp = vektoren[k * N + p];
                    const double vkq = vektoren[k * N + q];
                    vektoren[k * N + p] = c * vkp - s * vkq;
                    vektoren[k * N + q] = s * vkp + c * vkq;
                }
            }
    }
    werte.resize(N);
    for (std::size_t i = 0; i < N; ++i)
        werte[i] = a[i * N + i];
}

// A symmetric positive definite band matrix of half bandwidth b, factorised in place by
// Cholesky: zeile(i)[j - i + b] holds entry (i, j) for i - b <= j <= i.
class TBandCholesky {
public:
    TBandCholesky(int n, int b)
        : N(n), B(b), Werte(static_cast<std::size_t>(n) * static_cast<std::size_t>(b + 1), 0.0) {}

    double& Eintrag(int i, int j) { // j <= i
        return Werte[static_cast<std::size_t>(i) * static_cast<std::size_t>(B + 1) +
                     static_cast<std::size_t>(j - i + B)];
    }

    void Zerlegen() {
        const auto b1 = static_cast<std::size_t>(B) + 1;
        for (int i = 0; i < N; ++i) {
            double* zi = &Werte[static_cast<std::size_t>(i) * b1] + B - i; // zi[j] = (i, j)
            for (int j = std::max(0, i - B); j <= i; ++j) {
                const double* zj = &Werte[static_cast<std::size_t>(j) * b1] + B - j;
                double summe = zi[j];
                for (int k = std::max(0, i - B); k < j; ++k)
                    summe -= zi[k] * zj[k];
                if (j == i) {
                    if (!(summe > 0))
                        throw TParameterFehler(
                            "Das Erdreich des Registermodells ist nicht positiv definit.");
                    zi[i] = std::sqrt(summe);
                } else {
                    zi[j] = summe / zj[j];
                }
            }
        }
    }

    void Loesen(std::vector<double>& x) {
        for (int i = 0; i < N; ++i) {
            double summe = x[static_cast<std::size_t>(i)];
            for (int k = std::max(0, i - B); k < i; ++k)
                summe -= Eintrag(i, k) * x[static_cast<std::size_t>(k)];
            x[static_cast<std::size_t>(i)] = summe / Eintrag(i, i);
        }
        for (int i = N - 1; i >= 0; --i) {
            double summe = x[static_cast<std::size_t>(i)];
            for (int k = i + 1; k <= std::min(N - 1, i + B); ++k)
                summe -= Eintrag(k, i) * x[static_cast<std::size_t>(k)];
            x[static_cast<std::size_t>(i)] = summe / Eintrag(i, i);
        }
    }

private:
    int N;
    int B;
    std::vector<double> Werte;
};

double Skalar(const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        s += a[i] * b[i];
    return s;
}

// The cross-section of one pipe in bipolar coordinates: sigma in [0, pi] (the half beside the
// mirror plane through the axis; sigma = 0 is far away, sigma = pi the ground above the pipe),
// tau in [0, tau0] (surface to pipe wall). Conduction in a conformal map keeps its form, so a
// face conducts lambda * (its length in the map) / (the distance of the centres in the map);
// only the capacities carry the scale factor h^2 = (c / (cosh tau - cos sigma))^2.
struct TBipolarGitter {
    int Ns = 0;
    int Nt = 0;
    double C = 0.0;    // m, half the distance of the foci
    double Tau0 = 0.0; // the pipe wall
    std::vector<double> SigmaMitte, TauMitte, DSigma, DTau;
    std::vector<double> Kapazitaet;     // J/mK of each cell (half cross-section)
    std::vector<double> LeitSigma;      // W/mK between cell (i, j) and (i + 1, j)
    std::vector<double> LeitTau;        // W/mK between cell (i, j) and (i, j + 1)
    std::vector<double> LeitFlaeche;    // W/mK of the bottom row to the air above the surface
    std::vector<double> FlaechenAnteil; // surface temperature over the bottom cell's
    std::vector<double> LeitWand;       // W/mK of the top row to the wall
    double LeitWandSumme = 0.0;

    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(j) * static_cast<std::size_t>(Ns) +
               static_cast<std::size_t>(i);
    }
    int Anzahl() const { return Ns * Nt; }
};

TBipolarGitter BipolarGitterAufbauen(const TErdreichDaten& d, const TErdreichAufloesung& a) {
    if (!(d.Tiefe > d.RadiusAussen) || !(d.RadiusAussen > 0) || !(d.Lambda > 0) || !(d.RhoC > 0) ||
        !(d.AlphaOberflaeche > 0))
        throw TParameterFehler("Das Rohr muss ganz im Erdreich liegen (Tiefe größer als der "
                               "Aussenradius), Erdreich und Oberfläche brauchen positive Werte.");
    TBipolarGitter g;
    g.Ns = a.ZellenWinkel;
    g.Nt = a.ZellenRadial;
    g.C = std::sqrt(d.Tiefe * d.Tiefe - d.RadiusAussen * d.RadiusAussen);
    g.Tau0 = std::acosh(d.Tiefe / d.RadiusAussen);
    const auto ns = static_cast<std::size_t>(g.Ns);
    const auto nt = static_cast<std::size_t>(g.Nt);
    g.SigmaMitte.resize(ns);
    g.DSigma.resize(ns);
    g.TauMitte.resize(nt);
    g.DTau.resize(nt);
    // faces at x - beta sin(2 pi x) / (2 pi) of the uniform x in [0, 1]: half the spacing at
    // both ends, where the far field and the surface (sigma) and the surface and the pipe wall
    // (tau) want it
    const auto flaeche = [](double x) { return x - 0.5 * std::sin(2 * Pi * x) / (2 * Pi); };
    for (std::size_t i = 0; i < ns; ++i) {
        const double a0 = Pi * flaeche(static_cast<double>(i) / g.Ns);
        const double a1 = i + 1 == ns ? Pi : Pi * flaeche(static_cast<double>(i + 1) / g.Ns);
        g.DSigma[i] = a1 - a0;
        g.SigmaMitte[i] = (a0 + a1) / 2;
    }
    for (std::size_t j = 0; j < nt; ++j) {
        const double a0 = g.Tau0 * flaeche(static_cast<double>(j) / g.Nt);
        const double a1 =
            j + 1 == nt ? g.Tau0 : g.Tau0 * flaeche(static_cast<double>(j + 1) / g.Nt);
        g.DTau[j] = a1 - a0;
        g.TauMitte[j] = (a0 + a1) / 2;
    }

    // four-point Gauss-Legendre per direction for the cell areas
    constexpr double gx[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                              0.8611363115940526};
    constexpr double gw[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                              0.3478548451374538};
    g.Kapazitaet.resize(ns * nt);
    for (std::size_t j = 0; j < nt; ++j)
        for (std::size_t i = 0; i < ns; ++i) {
            double inhalt = 0.0;
            for (int u = 0; u < 4; ++u)
                for (int v = 0; v < 4; ++v) {
                    const double s = g.SigmaMitte[i] + gx[u] * g.DSigma[i] / 2;
                    const double t = g.TauMitte[j] + gx[v] * g.DTau[j] / 2;
                    const double h = g.C / (std::cosh(t) - std::cos(s));
                    inhalt += gw[u] * gw[v] * h * h;
                }
            inhalt *= g.DSigma[i] * g.DTau[j] / 4;
            g.Kapazitaet[g.Index(static_cast<int>(i), static_cast<int>(j))] = d.RhoC * inhalt;
        }

    g.LeitSigma.assign(ns * nt, 0.0);
    g.LeitTau.assign(ns * nt, 0.0);
    for (std::size_t j = 0; j < nt; ++j)
        for (std::size_t i = 0; i + 1 < ns; ++i)
            g.LeitSigma[g.Index(static_cast<int>(i), static_cast<int>(j))] =
                d.Lambda * g.DTau[j] / (g.SigmaMitte[i + 1] - g.SigmaMitte[i]);
    for (std::size_t j = 0; j + 1 < nt; ++j)
        for (std::size_t i = 0; i < ns; ++i)
            g.LeitTau[g.Index(static_cast<int>(i), static_cast<int>(j))] =
                d.Lambda * g.DSigma[i] / (g.TauMitte[j + 1] - g.TauMitte[j]);

    // surface: half a cell of soil in series with the surface coefficient over the face's true
    // length c * (cot(sigma_a / 2) - cot(sigma_b / 2)), which is endless at sigma = 0
    g.LeitFlaeche.resize(ns);
    g.LeitWand.resize(ns);
    g.FlaechenAnteil.resize(ns);
    g.LeitWandSumme = 0.0;
    for (std::size_t i = 0; i < ns; ++i) {
        const double halb = d.Lambda * g.DSigma[i] / g.TauMitte[0];
        const double sa = g.SigmaMitte[i] - g.DSigma[i] / 2;
        const double sb = g.SigmaMitte[i] + g.DSigma[i] / 2;
        const double cotB = i + 1 == ns ? 0.0 : 1 / std::tan(sb / 2);
        const double laenge =
            i == 0 ? std::numeric_limits<double>::infinity() : g.C * (1 / std::tan(sa / 2) - cotB);
        g.LeitFlaeche[i] =
            std::isinf(laenge) ? halb : 1 / (1 / halb + 1 / (d.AlphaOberflaeche * laenge));
        g.FlaechenAnteil[i] =
            std::isinf(laenge) ? 0.0 : g.LeitFlaeche[i] / (d.AlphaOberflaeche * laenge);
        g.LeitWand[i] = d.Lambda * g.DSigma[i] / (g.Tau0 - g.TauMitte[nt - 1]);
        g.LeitWandSumme += g.LeitWand[i];
    }
    return g;
}

// K x for the cells with the wall node eliminated: K_cells + diag(g) - g g^T / G.
void Leitprodukt(const TBipolarGitter& g, const std::vector<double>& x, std::vector<double>& y) {
    const int ns = g.Ns;
    const int nt = g.Nt;
    y.assign(x.size(), 0.0);
    for (int j = 0; j < nt; ++j)
        for (int i = 0; i < ns; ++i) {
            const std::size_t k = g.Index(i, j);
            if (i + 1 < ns) {
                const double f = g.LeitSigma[k] * (x[k] - x[k + 1]);
                y[k] += f;
                y[k + 1] -= f;
            }
            if (j + 1 < nt) {
                const std::size_t o = g.Index(i, j + 1);
                const double f = g.LeitTau[k] * (x[k] - x[o]);
                y[k] += f;
                y[o] -= f;
            }
        }
    double wand = 0.0;
    for (int i = 0; i < ns; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        y[g.Index(i, 0)] += g.LeitFlaeche[ii] * x[g.Index(i, 0)];
        wand += g.LeitWand[ii] * x[g.Index(i, nt - 1)];
    }
    for (int i = 0; i < ns; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const std::size_t k = g.Index(i, nt - 1);
        y[k] += g.LeitWand[ii] * x[k] - g.LeitWand[ii] * wand / g.LeitWandSumme;
    }
}

// (K + s C)^-1 b for the eliminated wall: the band part K_cells + diag(g) + s C by Cholesky, the
// rank-one part -g g^T / G by Sherman-Morrison.
std::vector<double> VerschobenLoesen(const TBipolarGitter& g, double s,
                                     const std::vector<double>& b) {
    const int ns = g.Ns;
    const int nt = g.Nt;
    TBandCholesky m(g.Anzahl(), ns);
    for (int j = 0; j < nt; ++j)
        for (int i = 0; i < ns; ++i) {
            const auto k = static_cast<int>(g.Index(i, j));
            const auto kk = static_cast<std::size_t>(k);
            m.Eintrag(k, k) += s * g.Kapazitaet[kk];
            if (i + 1 < ns) {
                m.Eintrag(k, k) += g.LeitSigma[kk];
                m.Eintrag(k + 1, k + 1) += g.LeitSigma[kk];
                m.Eintrag(k + 1, k) -= g.LeitSigma[kk];
            }
            if (j + 1 < nt) {
                m.Eintrag(k, k) += g.LeitTau[kk];
                m.Eintrag(k + ns, k + ns) += g.LeitTau[kk];
                m.Eintrag(k + ns, k) -= g.LeitTau[kk];
            }
            if (j == 0) m.Eintrag(k, k) += g.LeitFlaeche[static_cast<std::size_t>(i)];
            if (j == nt - 1) m.Eintrag(k, k) += g.LeitWand[static_cast<std::size_t>(i)];
        }
    m.Zerlegen();
    std::vector<double> u(b.size(), 0.0);
    for (int i = 0; i < ns; ++i)
        u[g.Index(i, nt - 1)] =
            g.LeitWand[static_cast<std::size_t>(i)] / std::sqrt(g.LeitWandSumme);
    std::vector<double> x = b;
    m.Loesen(x);
    std::vector<double> z = u;
    m.Loesen(z);
    const double faktor = Skalar(u, x) / (1 - Skalar(u, z));
    for (std::size_t k = 0; k < x.size(); ++k)
        x[k] += z[k] * faktor;
    return x;
}

// Bilinear weights of the cell centres around the point at lateral distance abstand and depth
// tiefe, the map's mirror lines and outer rows taken as zero-gradient.
void PunktGewichte(const TBipolarGitter& g, double abstand, double tiefe, std::vector<double>& w) {
    w.assign(static_cast<std::size_t>(g.Anzahl()), 0.0);
    // tau = ln(r2 / r1) with the distances to the foci (0, c) and (0, -c); sigma = the angle
    // under which the point sees the foci
    const double dx = abstand;
    const double r1 = std::hypot(dx, tiefe - g.C);
    const double r2 = std::hypot(dx, tiefe + g.C);
    const double tau = std::log(r2 / r1);
    const double ax = -dx, ay = g.C - tiefe, bx = -dx, by = -g.C - tiefe;
    const double sigma = std::atan2(std::abs(ax * by - ay * bx), ax * bx + ay * by);
    const auto lage = [](const std::vector<double>& mitte, double x, int& i0, double& f) {
        const int n = static_cast<int>(mitte.size());
        if (x <= mitte.front()) {
            i0 = 0;
            f = 0.0;
            return;
        }
        if (x >= mitte.back()) {
            i0 = n - 2;
            f = 1.0;
            return;
        }
        i0 = static_cast<int>(std::upper_bound(mitte.begin(), mitte.end(), x) - mitte.begin()) - 1;
        f = (x - mitte[static_cast<std::size_t>(i0)]) /
            (mitte[static_cast<std::size_t>(i0) + 1] - mitte[static_cast<std::size_t>(i0)]);
    };
    int i0 = 0;
    double fs = 0.0;
    lage(g.SigmaMitte, sigma, i0, fs);
    const std::size_t spalten[2] = {static_cast<std::size_t>(i0), static_cast<std::size_t>(i0 + 1)};
    const double gs[2] = {1 - fs, fs};
    if (tau < g.TauMitte.front()) {
        // between the surface, at FlaechenAnteil times the bottom cell, and the bottom cell
        const double f = tau / g.TauMitte.front();
        for (int s = 0; s < 2; ++s) {
            const double r = g.FlaechenAnteil[spalten[s]];
            w[g.Index(static_cast<int>(spalten[s]), 0)] += gs[s] * (r + (1 - r) * f);
        }
        return;
    }
    int j0 = 0;
    double ft = 0.0;
    lage(g.TauMitte, tau, j0, ft);
    for (int s = 0; s < 2; ++s) {
        const int i = static_cast<int>(spalten[s]);
        w[g.Index(i, j0)] += gs[s] * (1 - ft);
        w[g.Index(i, j0 + 1)] += gs[s] * ft;
    }
}

// Galerkin reduction of C x' = -K x + b u on the span of basis (made C-orthonormal here), with
// outputs ausgaenge^T x + direkt u.
TModalSystem Reduzieren(std::vector<std::vector<double>> basis, const std::vector<double>& kap,
                        const std::vector<double>& b,
                        const std::vector<std::vector<double>>& ausgaenge,
                        const std::vector<double>& direkt,
                        void (*leit)(const void*, const std::vector<double>&, std::vector<double>&),
                        const void* system, std::vector<std::vector<double>>* formen = nullptr) {
    const auto C = [&](const std::vector<double>& x, const std::vector<double>& y) {
        double s = 0.0;
        for (std::size_t k = 0; k < x.size(); ++k)
            s += x[k] * kap[k] * y[k];
        return s;
    };
    std::vector<std::vector<double>> v;
    for (auto& x : basis) {
        const double norm0 = std::sqrt(C(x, x));
        for (int zweimal = 0; zweimal < 2; ++zweimal)
            for (const auto& q : v) {
                const double p = C(q, x);
                for (std::size_t k = 0; k < x.size(); ++k)
                    x[k] -= p * q[k];
            }
        const double norm = std::sqrt(C(x, x));
        if (!(norm > 1e-9 * norm0)) continue;
        for (double& e : x)
            e /= norm;
        v.push_back(std::move(x));
    }
    const int m = static_cast<int>(v.size());
    const auto M = static_cast<std::size_t>(m);
    std::vector<double> a(M * M);
    std::vector<double> kv;
    for (std::size_t q = 0; q < M; ++q) {
        leit(system, v[q], kv);
        for (std::size_t p = 0; p < M; ++p)
            a[p * M + q] = Skalar(v[p], kv);
    }
    for (std::size_t p = 0; p < M; ++p)
        for (std::size_t q = p + 1; q < M; ++q)
            a[p * M + q] = a[q * M + p] = (a[p * M + q] + a[q * M + p]) / 2;
    std::vector<double> werte, vektoren;
    JacobiEigen(m, a, werte, vektoren);

    TModalSystem s;
    s.Lambda = werte;
    s.Eingang.assign(M, 0.0);
    s.Ausgang.assign(ausgaenge.size(), std::vector<double>(M, 0.0));
    s.Direkt = direkt;
    std::vector<double> phi(b.size());
    for (std::size_t k = 0; k < M; ++k) {
        std::fill(phi.begin(), phi.end(), 0.0);
        for (std::size_t q = 0; q < M; ++q)
            for (std::size_t i = 0; i < phi.size(); ++i)
                phi[i] += v[q][i] * vektoren[q * M + k];
        s.Eingang[k] = Skalar(phi, b);
        for (std::size_t o = 0; o < ausgaenge.size(); ++o)
            s.Ausgang[o][k] = Skalar(ausgaenge[o], phi);
        if (formen != nullptr) formen->push_back(phi);
    }
    return s;
}

// Radial cells around one pipe out to a ring held at the undisturbed temperature; the faces are
// spaced evenly in ln r and every node sits at the geometric mean of its faces, so steady
// conduction between them is exact.
struct TRingGitter {
    std::vector<double> Kapazitaet; // J/mK of each ring of soil
    double Leit = 0.0;              // W/mK between neighbouring nodes
    double LeitWand = 0.0;          // W/mK from the pipe's outer wall to the first node
    double LeitRing = 0.0;          // W/mK from the last node to the held ring
};

TRingGitter RingGitterAufbauen(const TErdreichDaten& d, double ring, int zellen) {
    if (!(ring > d.RadiusAussen) || !(d.RadiusAussen > 0) || !(d.Lambda > 0) || !(d.RhoC > 0))
        throw TParameterFehler("Der gehaltene Ring muss ausserhalb des Rohrs liegen, das "
                               "Erdreich braucht positive Werte.");
    TRingGitter g;
    const double schritt = std::log(ring / d.RadiusAussen) / zellen; // ln r per cell
    g.Kapazitaet.resize(static_cast<std::size_t>(zellen));
    for (int k = 0; k < zellen; ++k) {
        const double innen = d.RadiusAussen * std::exp(schritt * k);
        const double aussen = d.RadiusAussen * std::exp(schritt * (k + 1));
        g.Kapazitaet[static_cast<std::size_t>(k)] = d.RhoC * Pi * (aussen * aussen - innen * innen);
    }
    g.Leit = 2 * Pi * d.Lambda / schritt;
    g.LeitWand = 2 * Pi * d.Lambda / (schritt / 2);
    g.LeitRing = g.LeitWand;
    return g;
}

void RingLeitprodukt(const TRingGitter& g, const std::vector<double>& x, std::vector<double>& y) {
    const std::size_t n = x.size();
    y.assign(n, 0.0);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double f = g.Leit * (x[k] - x[k + 1]);
        y[k] += f;
        y[k + 1] -= f;
    }
    y[n - 1] += g.LeitRing * x[n - 1];
}

// (K + s C)^-1 b of the rings, tridiagonal.
std::vector<double> RingVerschobenLoesen(const TRingGitter& g, double s,
                                         const std::vector<double>& b) {
    const std::size_t n = b.size();
    std::vector<double> diag(n), x = b;
    for (std::size_t k = 0; k < n; ++k)
        diag[k] = s * g.Kapazitaet[k] + (k > 0 ? g.Leit : 0.0) + (k + 1 < n ? g.Leit : 0.0) +
                  (k + 1 == n ? g.LeitRing : 0.0);
    for (std::size_t k = 1; k < n; ++k) {
        const double f = -g.Leit / diag[k - 1];
        diag[k] -= f * -g.Leit;
        x[k] -= f * x[k - 1];
    }
    x[n - 1] /= diag[n - 1];
    for (std::size_t k = n - 1; k-- > 0;)
        x[k] = (x[k] + g.Leit * x[k + 1]) / diag[k];
    return x;
}

// The pipe's system of RohrAntwortBerechnen; formen and gitter, when given, receive the modes'
// shapes on the grid and the grid itself.
TModalSystem RohrSystemBerechnen(const TErdreichDaten& d, std::span<const double> abstaende,
                                 const TErdreichAufloesung& a,
                                 std::vector<std::vector<double>>* formen, TBipolarGitter* gitter) {
    const TBipolarGitter g = BipolarGitterAufbauen(d, a);
    const auto n = static_cast<std::size_t>(g.Anzahl());
    // the heat q enters the half cross-section as q / 2 through the wall node, whose
    // temperature is (q / 2 + sum g_i T_i) / G
    std::vector<double> b(n, 0.0);
    for (int i = 0; i < g.Ns; ++i)
        b[g.Index(i, g.Nt - 1)] = g.LeitWand[static_cast<std::size_t>(i)] / g.LeitWandSumme / 2;
    std::vector<std::vector<double>> ausgaenge;
    ausgaenge.push_back(std::vector<double>(n, 0.0));
    for (int i = 0; i < g.Ns; ++i)
        ausgaenge[0][g.Index(i, g.Nt - 1)] =
            g.LeitWand[static_cast<std::size_t>(i)] / g.LeitWandSumme;
    std::vector<double> direkt{1 / (2 * g.LeitWandSumme)};
    for (double abstand : abstaende) {
        std::vector<double> w;
        PunktGewichte(g, abstand, d.Tiefe, w);
        ausgaenge.push_back(std::move(w));
        direkt.push_back(0.0);
    }

    // responses at rest and at time constants from a quarter hour to 30 years
    std::vector<std::vector<double>> basis;
    basis.push_back(VerschobenLoesen(g, 0.0, b));
    const double tMin = 900.0;
    const double tMax = 30 * SekundenImJahr;
    const int m = std::max(a.Zeitkonstanten, 2);
    for (int k = 0; k < m; ++k) {
        const double t = tMin * std::pow(tMax / tMin, static_cast<double>(k) / (m - 1));
        basis.push_back(VerschobenLoesen(g, 1 / t, b));
    }
    TModalSystem antwort = Reduzieren(
        std::move(basis), g.Kapazitaet, b, ausgaenge, direkt,
        [](const void* s, const std::vector<double>& x, std::vector<double>& y) {
            Leitprodukt(*static_cast<const TBipolarGitter*>(s), x, y);
        },
        &g, formen);
    if (gitter != nullptr) *gitter = g;
    return antwort;
}

} // namespace

void SymmetrischZerlegen(int n, std::vector<double>& a, std::vector<double>& werte,
                         std::vector<double>& vektoren) {
    JacobiEigen(n, a, werte, vektoren);
}

double StationaereAntwort(const TModalSystem& s, int o) {
    const auto oo = static_cast<std::size_t>(o);
    double summe = s.Direkt[oo];
    for (std::size_t k = 0; k < s.Lambda.size(); ++k)
        summe += s.Ausgang[oo][k] * s.Eingang[k] / s.Lambda[k];
    return summe;
}

TModalSystem RohrAntwortBerechnen(const TErdreichDaten& d, std::span<const double> abstaende,
                                  const TErdreichAufloesung& a) {
    return RohrSystemBerechnen(d, abstaende, a, nullptr, nullptr);
}

std::vector<double> RohrModenAnPunkten(const TErdreichDaten& d,
                                       std::span<const std::array<double, 2>> punkte,
                                       const TErdreichAufloesung& a) {
    std::vector<std::vector<double>> formen;
    TBipolarGitter g;
    const TModalSystem s = RohrSystemBerechnen(d, {}, a, &formen, &g);
    const std::size_t K = s.Lambda.size();
    std::vector<double> werte(punkte.size() * K, std::numeric_limits<double>::quiet_NaN());
    std::vector<double> w;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const double abstand = std::abs(punkte[i][0]);
        const double tiefe = punkte[i][1];
        if (tiefe < 0 || std::hypot(abstand, tiefe - d.Tiefe) < d.RadiusAussen) continue;
        PunktGewichte(g, abstand, tiefe, w);
        // at most four cells carry weight
        std::size_t zellen[4] = {};
        std::size_t anzahl = 0;
        for (std::size_t z = 0; z < w.size() && anzahl < 4; ++z)
            if (w[z] != 0.0) zellen[anzahl++] = z;
        for (std::size_t k = 0; k < K; ++k) {
            double summe = 0.0;
            for (std::size_t j = 0; j < anzahl; ++j)
                summe += w[zellen[j]] * formen[k][zellen[j]];
            werte[i * K + k] = summe;
        }
    }
    return werte;
}

TModalSystem RingAntwortBerechnen(const TErdreichDaten& d, double ring,
                                  const TErdreichAufloesung& a) {
    const int zellen = 2 * std::max(a.ZellenRadial, 2);
    const TRingGitter g = RingGitterAufbauen(d, ring, zellen);
    const auto n = static_cast<std::size_t>(zellen);
    // the heat q enters the first ring through the wall, whose temperature is T_0 + q / LeitWand
    std::vector<double> b(n, 0.0);
    b[0] = 1.0;
    std::vector<std::vector<double>> ausgaenge{b};
    std::vector<double> direkt{1 / g.LeitWand};
    std::vector<std::vector<double>> basis;
    basis.push_back(RingVerschobenLoesen(g, 0.0, b));
    const double tMin = 900.0;
    const double tMax = 30 * SekundenImJahr;
    const int m = std::max(a.Zeitkonstanten, 2);
    for (int k = 0; k < m; ++k) {
        const double t = tMin * std::pow(tMax / tMin, static_cast<double>(k) / (m - 1));
        basis.push_back(RingVerschobenLoesen(g, 1 / t, b));
    }
    return Reduzieren(
        std::move(basis), g.Kapazitaet, b, ausgaenge, direkt,
        [](const void* s, const std::vector<double>& x, std::vector<double>& y) {
            RingLeitprodukt(*static_cast<const TRingGitter*>(s), x, y);
        },
        &g);
}

TModalSystem RingRandBerechnen(const TErdreichDaten& d, double ring, const TErdreichAufloesung& a) {
    const int zellen = 2 * std::max(a.ZellenRadial, 2);
    const TRingGitter g = RingGitterAufbauen(d, ring, zellen);
    const auto n = static_cast<std::size_t>(zellen);
    // C^-1/2 K C^-1/2 of the rings, the pipe's wall adiabatic: symmetric tridiagonal
    std::vector<double> A(n * n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double diag = (i > 0 ? g.Leit : 0.0) + (i + 1 < n ? g.Leit : g.LeitRing);
        A[i * n + i] = diag / g.Kapazitaet[i];
        if (i + 1 < n) {
            const double o = -g.Leit / std::sqrt(g.Kapazitaet[i] * g.Kapazitaet[i + 1]);
            A[i * n + i + 1] = o;
            A[(i + 1) * n + i] = o;
        }
    }
    std::vector<double> werte, vektoren;
    JacobiEigen(static_cast<int>(n), A, werte, vektoren);
    TModalSystem s;
    s.Lambda = werte;
    s.Eingang.assign(n, 0.0);
    s.Ausgang.assign(1, std::vector<double>(n, 0.0));
    s.Direkt.assign(1, 0.0);
    // without flux the wall has the first ring's temperature
    for (std::size_t k = 0; k < n; ++k) {
        s.Eingang[k] = vektoren[(n - 1) * n + k] / std::sqrt(g.Kapazitaet[n - 1]) * g.LeitRing;
        s.Ausgang[0][k] = vektoren[0 * n + k] / std::sqrt(g.Kapazitaet[0]);
    }
    return s;
}

TModalSystem SaeuleAufbauen(const TErdreichDaten& d, double tiefeAusgabe,
                            const TErdreichAufloesung& a) {
    const double tiefen[] = {tiefeAusgabe};
    return SaeuleAufbauen(d, tiefeAusgabe, tiefen, a);
}

TModalSystem SaeuleAufbauen(const TErdreichDaten& d, double tiefeAusgabe,
                            std::span<const double> tiefen, const TErdreichAufloesung& a) {
    // damping depth of the yearly wave, m
    const double temperaturleit = d.Lambda / d.RhoC;
    const double daempfung = std::sqrt(2 * temperaturleit * SekundenImJahr / (2 * Pi));
    const double boden = std::max(d.Tiefe, tiefeAusgabe) + 8 * daempfung;
    std::vector<double> dicke;
    double z = 0.0;
    double w = a.ErsteSchicht;
    while (z < boden) {
        const double s = std::min(w, boden - z);
        dicke.push_back(s);
        z += s;
        w = std::min(w * 1.1, 0.5);
    }
    const std::size_t n = dicke.size();
    std::vector<double> kap(n), leit(n, 0.0), mitte(n);
    z = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        kap[i] = d.RhoC * dicke[i];
        mitte[i] = z + dicke[i] / 2;
        z += dicke[i];
    }
    for (std::size_t i = 0; i + 1 < n; ++i)
        leit[i] = d.Lambda / (mitte[i + 1] - mitte[i]);
    const double flaeche = 1 / (1 / d.AlphaOberflaeche + mitte[0] / d.Lambda);

    // C^-1/2 K C^-1/2, symmetric tridiagonal
    std::vector<double> A(n * n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        double diag = (i == 0 ? flaeche : 0.0) + leit[i] + (i > 0 ? leit[i - 1] : 0.0);
        A[i * n + i] = diag / kap[i];
        if (i + 1 < n) {
            const double o = -leit[i] / std::sqrt(kap[i] * kap[i + 1]);
            A[i * n + i + 1] = o;
            A[(i + 1) * n + i] = o;
        }
    }
    std::vector<double> werte, vektoren;
    JacobiEigen(static_cast<int>(n), A, werte, vektoren);

    TModalSystem s;
    s.Lambda = werte;
    s.Eingang.assign(n, 0.0);
    s.Ausgang.assign(tiefen.size(), std::vector<double>(n, 0.0));
    s.Direkt.assign(tiefen.size(), 0.0);
    for (std::size_t k = 0; k < n; ++k)
        s.Eingang[k] = vektoren[0 * n + k] / std::sqrt(kap[0]) * flaeche;
    std::vector<double> aus(n);
    for (std::size_t o = 0; o < tiefen.size(); ++o) {
        // output: linear between the cell centres around the depth
        std::fill(aus.begin(), aus.end(), 0.0);
        if (tiefen[o] <= mitte[0]) {
            aus[0] = 1.0;
        } else {
            std::size_t i = 0;
            while (i + 2 < n && mitte[i + 1] < tiefen[o])
                ++i;
            const double f = (tiefen[o] - mitte[i]) / (mitte[i + 1] - mitte[i]);
            aus[i] = 1 - f;
            aus[i + 1] = f;
        }
        // mode k in cell temperatures: C^-1/2 times the eigenvector
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t i = 0; i < n; ++i)
                s.Ausgang[o][k] += aus[i] * vektoren[i * n + k] / std::sqrt(kap[i]);
    }
    return s;
}

void PeriodischRechnen(const TModalSystem& saeule, const TStundenFeld& antrieb,
                       TStundenFeld& mittel) {
    const std::size_t m = saeule.Lambda.size();
    std::vector<double> e(m), f(m), mw(m), y(m, 0.0);
    for (std::size_t k = 0; k < m; ++k) {
        const double l = saeule.Lambda[k];
        e[k] = std::exp(-l * 3600);
        f[k] = (1 - e[k]) / l * saeule.Eingang[k];
        // hour mean of the free part, relative to the start value
        mw[k] = (1 - e[k]) / (l * 3600);
    }
    // one year from rest; its end value over 1 - e^(-lambda * year) is the periodic start
    for (int h = 1; h <= StundenImJahr; ++h)
        for (std::size_t k = 0; k < m; ++k)
            y[k] = e[k] * y[k] + f[k] * antrieb[static_cast<std::size_t>(h)];
    for (std::size_t k = 0; k < m; ++k)
        y[k] /= -std::expm1(-saeule.Lambda[k] * SekundenImJahr);
    const std::vector<double>& c = saeule.Ausgang[0];
    for (int h = 1; h <= StundenImJahr; ++h) {
        const double u = antrieb[static_cast<std::size_t>(h)];
        double t = saeule.Direkt[0] * u;
        for (std::size_t k = 0; k < m; ++k) {
            const double ruhe = saeule.Eingang[k] / saeule.Lambda[k] * u;
            // mean over the hour of ruhe + (y - ruhe) e^(-lambda t)
            t += c[k] * (ruhe + (y[k] - ruhe) * mw[k]);
            y[k] = e[k] * y[k] + f[k] * u;
        }
        mittel[static_cast<std::size_t>(h)] = t;
    }
}

std::vector<double> PeriodischAmStundenende(const TModalSystem& saeule, const TStundenFeld& antrieb,
                                            int stunde) {
    const std::size_t m = saeule.Lambda.size();
    std::vector<double> e(m), f(m), y(m, 0.0);
    for (std::size_t k = 0; k < m; ++k) {
        const double l = saeule.Lambda[k];
        e[k] = std::exp(-l * 3600);
        f[k] = (1 - e[k]) / l * saeule.Eingang[k];
    }
    for (int h = 1; h <= StundenImJahr; ++h)
        for (std::size_t k = 0; k < m; ++k)
            y[k] = e[k] * y[k] + f[k] * antrieb[static_cast<std::size_t>(h)];
    for (std::size_t k = 0; k < m; ++k)
        y[k] /= -std::expm1(-saeule.Lambda[k] * SekundenImJahr);
    for (int h = 1; h <= stunde; ++h)
        for (std::size_t k = 0; k < m; ++k)
            y[k] = e[k] * y[k] + f[k] * antrieb[static_cast<std::size_t>(h)];
    const double u = antrieb[static_cast<std::size_t>(std::max(stunde, 1))];
    std::vector<double> werte(saeule.Ausgang.size());
    for (std::size_t o = 0; o < werte.size(); ++o) {
        double t = saeule.Direkt[o] * u;
        for (std::size_t k = 0; k < m; ++k)
            t += saeule.Ausgang[o][k] * y[k];
        werte[o] = t;
    }
    return werte;
}

} // namespace kov
