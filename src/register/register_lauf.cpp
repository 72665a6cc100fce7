#include "register/register_lauf.h"

#include "model/betriebszeiten.h"

#include "model/fehler.h"
#include "model/kalender.h"
#include "register/feuchte_luft.h"
#include "register/lauf.h"
#include "register/luftseite.h"
#include "register/regelung.h"
#include "register/register_vorrat.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace kov {

namespace {

constexpr double Pi = 3.14159;

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}

// In-place LU with partial pivoting of the n x n matrix a; false when singular.
bool LuZerlegen(int n, std::vector<double>& a, std::vector<int>& pivot) {
    for (int s = 0; s < n; ++s) {
        int beste = s;
        for (int i = s + 1; i < n; ++i)
            if (std::abs(a[Z(i * n + s)]) > std::abs(a[Z(beste * n + s)])) beste = i;
        pivot[Z(s)] = beste;
        if (!(a[Z(beste * n + s)] != 0)) return false;
        if (beste != s)
            for (int j = 0; j < n; ++j)
                std::swap(a[Z(s * n + j)], a[Z(beste * n + j)]);
        for (int i = s + 1; i < n; ++i) {
            const double f = a[Z(i * n + s)] / a[Z(s * n + s)];
            a[Z(i * n + s)] = f;
            for (int j = s + 1; j < n; ++j)
                a[Z(i * n + j)] -= f * a[Z(s * n + j)];
        }
    }
    return true;
}

void LuLoesen(int n, const std::vector<double>& a, const std::vector<int>& pivot,
              std::vector<double>& x) {
    for (int s = 0; s < n; ++s)
        std::swap(x[Z(s)], x[Z(pivot[Z(s)])]);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < i; ++j)
            x[Z(i)] -= a[Z(i * n + j)] * x[Z(j)];
    for (int i = n - 1; i >= 0; --i) {
        for (int j = i + 1; j < n; ++j)
            x[Z(i)] -= a[Z(i * n + j)] * x[Z(j)];
        x[Z(i)] /= a[Z(i * n + i)];
    }
}

// The mirror class of pipe n of a row of N: pipes n and N - 1 - n carry the same air and sit in
// the same ground, so one of each pair is computed.
int Klasse(int n, int N) {
    return std::min(n, N - 1 - n);
}

// s: the response of one pipe at the distances of its neighbours (TRegisterVorrat::RohrAntwort)
void ZustandAufbauen(const TRegisterParameter& p, const TRegisterAufloesung& a,
                     const TModalSystem& s, TRegisterZustand& z) {
    z.N = p.AnzahlRohre;
    z.P = (z.N + 1) / 2;
    z.M = a.AxialZellen;
    z.S = a.SubSchritte;
    z.Zellenlaenge = p.Rohrlaenge / z.M;
    const double ri = p.DRohr / 2;
    z.WandWiderstand = std::log((ri + p.WandstaerkeRohr) / ri) / (2 * Pi * p.LambdaRohr);

    // with a held ring every pipe is alone and all carry the same air: one class of N pipes
    const bool ring = a.Ringradius > 0;
    if (ring) z.P = 1;
    z.K = static_cast<int>(s.Lambda.size());
    const auto K = Z(z.K);
    const auto P = Z(z.P);
    const double dt = 3600.0 / z.S;
    z.Abkling.resize(K);
    z.AbklingRuhe.resize(K);
    z.JahresAbkling.resize(K);
    z.Mittel.resize(K);
    z.Zuwachs.resize(K);
    std::vector<double> gemittelt(K); // hour-mean response of a mode to a held unit flux
    for (std::size_t k = 0; k < K; ++k) {
        const double l = s.Lambda[k];
        const double einsMinusE = -std::expm1(-l * dt);
        z.Abkling[k] = 1 - einsMinusE;
        z.AbklingRuhe[k] = std::exp(-l * 3600);
        z.JahresAbkling[k] = std::exp(-l * 3600 * StundenImJahr);
        z.Mittel[k] = einsMinusE / (l * dt);
        z.Zuwachs[k] = einsMinusE / l * s.Eingang[k];
        gemittelt[k] = s.Eingang[k] / l * (1 - z.Mittel[k]);
    }
    z.Kopplung.assign(P * P * K, 0.0);
    z.Antwort.assign(P * P, 0.0);
    z.Gewicht.assign(P, 0.0);
    for (int n = 0; n < z.N; ++n)
        z.Gewicht[ring ? 0 : Z(Klasse(n, z.N))] += 1;
    for (int i = 0; i < z.P; ++i)
        for (int n = 0; n < z.N; ++n) {
            if (ring && n != i) continue;
            const int j = Klasse(n, z.N);
            const std::vector<double>& c = s.Ausgang[Z(std::abs(i - n))];
            double* ziel = &z.Kopplung[(Z(i) * P + Z(j)) * K];
            for (std::size_t k = 0; k < K; ++k) {
                ziel[k] += c[k];
                z.Antwort[Z(i) * P + Z(j)] += c[k] * gemittelt[k];
            }
            // the wall's own resistance acts at once
            if (n == i) z.Antwort[Z(i) * P + Z(j)] += s.Direkt[0];
        }
    z.KopplungMittel.assign(P * P * K, 0.0);
    for (std::size_t ijk = 0; ijk < P * P * K; ++ijk)
        z.KopplungMittel[ijk] = z.Kopplung[ijk] * z.Mittel[ijk % K];
    z.Moden.assign(Z(z.M) * P * K, 0.0);
    z.ModenJahresanfang.assign(Z(z.M) * P * K, 0.0);
    z.ModenStunde.assign(a.FeldStunde > 0 ? Z(z.M) * P * K : 0, 0.0);
    z.FreiAlle.assign(P * Z(z.M), 0.0);
    z.FlussAlle.assign(P * Z(z.M), 0.0);
    z.Frei.assign(P, 0.0);
    z.Fluss.assign(P, 0.0);
    z.TEin.assign(P, 0.0);
    z.XEin.assign(P, 0.0);
    z.TWand.assign(P, 0.0);
    z.Matrix.assign(P * P, 0.0);
    z.Rechts.assign(P, 0.0);
    z.Rest.assign(P, 0.0);
    z.Pivot.assign(P, 0);
    z.InverseStunde.assign(P * P, 0.0);
    z.EigenHilfe.assign(P * P, 0.0);
    // G^1/2 B G^-1/2 is symmetric: g_i B_ij sums the responses between every pipe of class i and
    // every pipe of class j, which the mirror plane makes the same both ways
    std::vector<double> sym(P * P);
    for (std::size_t i = 0; i < P; ++i)
        for (std::size_t j = 0; j < P; ++j) {
            const double bij = z.Antwort[i * P + j] + (i == j ? z.WandWiderstand : 0.0);
            const double bji = z.Antwort[j * P + i] + (i == j ? z.WandWiderstand : 0.0);
            sym[i * P + j] = (std::sqrt(z.Gewicht[i] / z.Gewicht[j]) * bij +
                              std::sqrt(z.Gewicht[j] / z.Gewicht[i]) * bji) /
                             2;
        }
    std::vector<double> u;
    SymmetrischZerlegen(z.P, sym, z.EigenWerte, u);
    z.EigenLinks.assign(P * P, 0.0);
    z.EigenRechts.assign(P * P, 0.0);
    for (std::size_t i = 0; i < P; ++i)
        for (std::size_t m = 0; m < P; ++m) {
            z.EigenLinks[i * P + m] = u[i * P + m] / std::sqrt(z.Gewicht[i]);
            z.EigenRechts[m * P + i] = u[i * P + m] * std::sqrt(z.Gewicht[i]);
        }
}

// The air of one running sub-step in one pipe: flow, heat capacity, the cell's transfer.
struct TLuftZustand {
    double Massenstrom = 0.0; // kg/s dry air in one pipe
    double Cp = 0.0;          // J/kgK of the moist air per kg dry air
    double Durchlass = 0.0;   // e^(-NTU) of an axial cell
    double W = 0.0;           // (1 - e^(-NTU)) m cp / cell length, W/mK
    double Druck = 0.0;       // Pa
    bool Feucht = false;      // the weather has humidity
};

// Sums of one axial cell and sub-step over all pipes, W and kg/s.
struct TZellSummen {
    double Erdreich = 0.0;   // into the ground
    double LatentWand = 0.0; // latent heat into the walls
    double Nebel = 0.0;      // kg/s condensing as mist in the air
    double Wand = 0.0;       // kg/s condensing at the walls
};

// The fluxes of one axial cell: the walls' hour means are T = Frei + Antwort q + R q (inner
// surface), the air gives W (TEin - T) + W L/cp (XEin - xs(T))+ per metre; solved exactly for
// the dry part and by Newton where the inner surface is below the air's dew point.
// I + W (Antwort + R), with W (1 + steigung_i) in row i when steigung is given, into matrix
// and factorised.
void MatrixZerlegen(TRegisterZustand& z, double W, const std::vector<double>* steigung,
                    std::vector<double>& matrix, std::vector<int>& pivot) {
    const int P = z.P;
    for (int i = 0; i < P; ++i) {
        const double faktor = steigung == nullptr ? W : W * (1 + (*steigung)[Z(i)]);
        for (int j = 0; j < P; ++j)
            matrix[Z(i * P + j)] =
                faktor * (z.Antwort[Z(i * P + j)] + (i == j ? z.WandWiderstand : 0.0)) +
                (i == j ? 1.0 : 0.0);
    }
    if (!LuZerlegen(P, matrix, pivot))
        throw TParameterFehler("Die Wandtemperaturen des Registermodells sind nicht lösbar.");
}

// (I + W B)^-1 of the hour from the eigenvectors of B, stored by columns.
void InverseBilden(TRegisterZustand& z, double W) {
    const auto P = Z(z.P);
    for (std::size_t m = 0; m < P; ++m) {
        const double f = 1 / (1 + W * z.EigenWerte[m]);
        for (std::size_t j = 0; j < P; ++j)
            z.EigenHilfe[m * P + j] = f * z.EigenRechts[m * P + j];
    }
    std::fill(z.InverseStunde.begin(), z.InverseStunde.end(), 0.0);
    for (std::size_t j = 0; j < P; ++j) {
        double* spalte = &z.InverseStunde[j * P];
        for (std::size_t m = 0; m < P; ++m) {
            const double f = z.EigenHilfe[m * P + j];
            for (std::size_t i = 0; i < P; ++i)
                spalte[i] += z.EigenLinks[i * P + m] * f;
        }
    }
}

// True when the walls stay dry, so that the fluxes are the dry solution's.
bool ZelleLoesen(TRegisterZustand& z, const TLuftZustand& l) {
    const auto P = Z(z.P);
    for (std::size_t i = 0; i < P; ++i)
        z.Rechts[i] = l.W * (z.TEin[i] - z.Frei[i]);
    // q = (I + W B)^-1 r column by column: every q_i still sums over j in ascending order
    double* __restrict fluss = z.Fluss.data();
    std::fill(fluss, fluss + P, 0.0);
    for (std::size_t j = 0; j < P; ++j) {
        const double r = z.Rechts[j];
        const double* __restrict spalte = &z.InverseStunde[j * P];
        for (std::size_t i = 0; i < P; ++i)
            fluss[i] += spalte[i] * r;
    }
    if (!l.Feucht) return true;

    const auto innen = [&](int i) {
        double t = z.Frei[Z(i)] + z.WandWiderstand * z.Fluss[Z(i)];
        for (int j = 0; j < z.P; ++j)
            t += z.Antwort[Z(i * z.P + j)] * z.Fluss[Z(j)];
        return t;
    };
    bool nass = false;
    for (int i = 0; i < z.P; ++i)
        if (z.XEin[Z(i)] > SaettigungsFeuchte(innen(i), l.Druck)) nass = true;
    if (!nass) return true;
    const double lcp = Verdampfungsenthalpie / l.Cp;
    for (int schritt = 0; schritt < 50; ++schritt) {
        double groesste = 0.0;
        for (int i = 0; i < z.P; ++i) {
            const double t = innen(i);
            z.TWand[Z(i)] = t;
            const double xs = SaettigungsFeuchte(t, l.Druck);
            const bool kondensiert = z.XEin[Z(i)] > xs;
            z.Rest[Z(i)] = z.Fluss[Z(i)] - l.W * (z.TEin[Z(i)] - t) -
                           (kondensiert ? l.W * lcp * (z.XEin[Z(i)] - xs) : 0.0);
            z.Rechts[Z(i)] = kondensiert ? lcp * SaettigungsFeuchteAbleitung(t, l.Druck) : 0.0;
            groesste = std::max(groesste, std::abs(z.Rest[Z(i)]));
        }
        if (groesste < 1e-9) return false;
        MatrixZerlegen(z, l.W, &z.Rechts, z.Matrix, z.Pivot);
        LuLoesen(z.P, z.Matrix, z.Pivot, z.Rest);
        for (int i = 0; i < z.P; ++i)
            z.Fluss[Z(i)] -= z.Rest[Z(i)];
    }
    throw TParameterFehler("Die Kondensation im Registermodell konvergiert nicht.");
}

// Air and moisture through one axial cell of every pipe class, after ZelleLoesen (trocken: what
// it returned).
TZellSummen LuftWeitergeben(TRegisterZustand& z, const TLuftZustand& l, bool trocken) {
    TZellSummen summe;
    const int P = z.P;
    const double lcp = Verdampfungsenthalpie / l.Cp;
    for (int i = 0; i < P; ++i) {
        const double q = z.Fluss[Z(i)];
        // the inner surface: Frei + B q, which the dry solution makes TEin - q / W
        double t = 0.0;
        if (trocken) {
            t = z.TEin[Z(i)] - q / l.W;
        } else {
            t = z.Frei[Z(i)] + z.WandWiderstand * q;
            for (int j = 0; j < P; ++j)
                t += z.Antwort[Z(i * P + j)] * z.Fluss[Z(j)];
        }
        const double g = z.Gewicht[Z(i)];
        summe.Erdreich += g * q * z.Zellenlaenge;
        const double tAus = t + (z.TEin[Z(i)] - t) * l.Durchlass;
        double xAus = z.XEin[Z(i)];
        if (l.Feucht) {
            const double xs = SaettigungsFeuchte(t, l.Druck);
            if (z.XEin[Z(i)] > xs) {
                xAus = xs + (z.XEin[Z(i)] - xs) * l.Durchlass;
                summe.Wand += g * l.Massenstrom * (z.XEin[Z(i)] - xAus);
                summe.LatentWand += g * l.W * lcp * (z.XEin[Z(i)] - xs) * z.Zellenlaenge;
            }
        }
        z.TEin[Z(i)] = tAus;
        z.XEin[Z(i)] = xAus;
        if (l.Feucht && xAus > SaettigungsFeuchte(tAus, l.Druck)) {
            // mist: the air settles at saturation with its enthalpy kept, the latent heat of
            // the drops warming it
            const double h = l.Cp * tAus + Verdampfungsenthalpie * xAus;
            double tn = tAus;
            for (int schritt = 0; schritt < 30; ++schritt) {
                const double f =
                    l.Cp * tn + Verdampfungsenthalpie * SaettigungsFeuchte(tn, l.Druck) - h;
                const double d =
                    l.Cp + Verdampfungsenthalpie * SaettigungsFeuchteAbleitung(tn, l.Druck);
                tn -= f / d;
                if (std::abs(f / d) < 1e-12) break;
            }
            const double xn = SaettigungsFeuchte(tn, l.Druck);
            summe.Nebel += g * l.Massenstrom * (xAus - xn);
            z.TEin[Z(i)] = tn;
            z.XEin[Z(i)] = xn;
        }
    }
    return summe;
}

// Row i of the free part for MM axial cells known at compile time, so that the row stays in
// registers over all modes; the same sums in the same order as the loop of any length.
template <std::size_t MM>
void FreiZeile(const double* c, const double* __restrict y, std::size_t pk, double tUngestoert,
               double* __restrict frei) {
    double summe[MM];
    for (std::size_t a = 0; a < MM; ++a)
        summe[a] = tUngestoert;
    for (std::size_t jk = 0; jk < pk; ++jk) {
        const double cjk = c[jk];
        for (std::size_t a = 0; a < MM; ++a)
            summe[a] += cjk * y[jk * MM + a];
    }
    for (std::size_t a = 0; a < MM; ++a)
        frei[a] = summe[a];
}

// The free part of the walls' means over the coming step in every axial cell: the undisturbed
// ground plus the decay of every pipe class's modes. Known for all cells at once, since it
// depends on the state at the start of the step alone.
void FreiBerechnen(TRegisterZustand& z, double tUngestoert) {
    const auto M = Z(z.M);
    const auto PK = Z(z.P) * Z(z.K);
    for (std::size_t i = 0; i < Z(z.P); ++i) {
        const double* c = &z.KopplungMittel[i * PK];
        double* __restrict frei = &z.FreiAlle[i * M];
        if (M == 10) {
            FreiZeile<10>(c, z.Moden.data(), PK, tUngestoert, frei);
            continue;
        }
        std::fill(frei, frei + M, tUngestoert);
        for (std::size_t jk = 0; jk < PK; ++jk) {
            const double cjk = c[jk];
            const double* __restrict y = &z.Moden[jk * M];
            for (std::size_t a = 0; a < M; ++a)
                frei[a] += cjk * y[a];
        }
    }
}

// The modes of every cell over one step with the fluxes of the step held (z.FlussAlle).
void ModenFortschreiben(TRegisterZustand& z) {
    const auto M = Z(z.M);
    const auto K = Z(z.K);
    for (std::size_t j = 0; j < Z(z.P); ++j)
        for (std::size_t k = 0; k < K; ++k) {
            double* __restrict y = &z.Moden[(j * K + k) * M];
            const double* __restrict q = &z.FlussAlle[j * M];
            const double e = z.Abkling[k];
            const double g = z.Zuwachs[k];
            for (std::size_t a = 0; a < M; ++a)
                y[a] = e * y[a] + g * q[a];
        }
}

// A mode that decays by E over a year and is driven the same way every year ends its year at
// E y0 + F; its periodic state is F / (1 - E) = y1 + (y1 - y0) E / (1 - E). Taken for every
// mode after a settling year, this puts the slow modes (the ground's memory of years) where a
// long settling would bring them; the fluxes' dependence on the modes makes it not exact, so the
// settling years go on until the energies no longer change.
void EinschwingenVorziehen(TRegisterZustand& z) {
    const auto M = Z(z.M);
    const auto K = Z(z.K);
    for (std::size_t i = 0; i < z.Moden.size(); ++i) {
        const double e = z.JahresAbkling[(i / M) % K];
        z.Moden[i] += (z.Moden[i] - z.ModenJahresanfang[i]) * (e / (1 - e));
    }
}

struct TDurchlaufSummen {
    double Heiz = 0.0, Kuehl = 0.0;         // kWh, all hours
    double HeizAb2 = 0.0, KuehlAb2 = 0.0;   // kWh, hours 2..8760
    double Latent = 0.0, LatentWand = 0.0;  // kWh
    double Erdreich = 0.0, Enthalpie = 0.0; // kWh
    double Kondensat = 0.0;                 // kg
    TMonatsFeld KondensatMonat{};
    double TausMin = 0.0;
    bool TausMinGesetzt = false;
};

double Aenderung(double neu, double alt) {
    const double groesser = std::max(std::abs(neu), std::abs(alt));
    return groesser > 0 ? std::abs(neu - alt) / groesser : 0.0;
}

} // namespace

bool RegisterModell(const TRegisterParameter& p) {
    return p.Modell == "register";
}

double RohrGeschwindigkeit(const TRegisterParameter& p) {
    return p.Volumenstrom / 3600 / (3.14159 * p.DRohr * p.DRohr / 4) / p.AnzahlRohre;
}

std::vector<std::string> RegisterParameterMeldungen(const TRegisterParameter& p) {
    std::vector<std::string> m;
    if (p.Modell != "klassisch" && p.Modell != "register")
        m.push_back("Rechenmodell (Modell) muss \"klassisch\" oder \"register\" sein.");
    // the spacing's range 0.2..20 m is the catalogue's
    if (!RegisterModell(p)) return m;
    if (p.AnteilAdiabat != 0.0 || p.AnteilKeller != 0.0)
        m.push_back("Adiabater Anteil und Kelleranteil (AnteilAdiabat, AnteilKeller) müssen im "
                    "Registermodell 0 sein: es rechnet die Rohre im offenen Erdreich ohne Keller.");
    const double aussen = p.DRohr + 2 * p.WandstaerkeRohr;
    if (p.AnzahlRohre > 1 && !(p.Rohrabstand > aussen))
        m.push_back("Rohrabstand (Rohrabstand) muss im Registermodell größer als der "
                    "Aussendurchmesser der Rohre sein.");
    if (!(p.Tiefe > aussen / 2))
        m.push_back("Verlegetiefe (Tiefe) muss im Registermodell größer als der Aussenradius der "
                    "Rohre sein.");
    if (p.AnzahlRohre > 200)
        m.push_back("Anzahl Rohre (AnzahlRohre) darf im Registermodell höchstens 200 sein.");
    return m;
}

TLaufStatus RegisterLaufRechnen(const TRegisterParameter& p, const TWetterJahr& wetter,
                                const TStundenFeld* fahrplan, TKontext& k,
                                const TLaufRueckmeldung& rueckmeldung,
                                const TRegisterAufloesung& aufloesung, double hoehe,
                                TRegisterVorrat* vorrat) {
    if (p.FahrplanGelesen && fahrplan == nullptr)
        throw TParameterFehler("Der Lauf braucht einen Lüftungsfahrplan (FahrplanGelesen).");
    const std::vector<std::string> meldungen = RegisterParameterMeldungen(p);
    if (!meldungen.empty()) throw TParameterFehler(meldungen.front());
    if (aufloesung.AxialZellen < 1 || aufloesung.SubSchritte < 1 ||
        aufloesung.Erdreich.ZellenWinkel < 4 || aufloesung.Erdreich.ZellenRadial < 4)
        throw TParameterFehler("Die Auflösung des Registermodells ist zu grob.");
    LaufEingabenUebernehmen(p, wetter, fahrplan, k);
    k.Werte.Zellenlaenge = p.Rohrlaenge / aufloesung.AxialZellen;
    k.Werte.SubZeitschritt = 3600.0 / aufloesung.SubSchritte;
    k.Luft = LuftKonstantenBerechnen(p.ViskositaetLuft, p.RhoLuft, p.CpLuft, p.LambdaLuft);
    k.LuftVorrat = TLuftVorrat{};
    k.LetzterEinschwingDurchlauf = {};
    k.Ergebnis = TJahresErgebnis{};

    TRegisterZustand& z = k.Register;
    TRegisterErgebnis& e = k.RegisterErgebnis;
    TStundenReihen& r = k.Reihen;
    e = TRegisterErgebnis{};
    e.Aufloesung = aufloesung;
    // a study's variants take the ground's set-up over from one vorrat, a single run builds it
    TRegisterVorrat eigener;
    TRegisterVorrat& erdreich = vorrat != nullptr ? *vorrat : eigener;
    if (aufloesung.Ringradius > 0)
        // the check against the classic problem: each pipe alone inside a held ring
        ZustandAufbauen(p, aufloesung,
                        RingAntwortBerechnen(RegisterErdreichDaten(p), aufloesung.Ringradius,
                                             aufloesung.Erdreich),
                        z);
    else
        ZustandAufbauen(p, aufloesung, *erdreich.RohrAntwort(p, aufloesung), z);
    e.VerschiedeneRohre = z.P;
    e.Feuchtedaten = HatFeuchtedaten(wetter);
    e.Hoehe = hoehe;
    e.Luftdruck = LuftdruckInHoehe(hoehe);

    // the undisturbed ground, periodic over the year, at the depth of the axes
    if (aufloesung.Ringradius > 0) {
        // the soil inside the ring follows the ring's monthly temperature with its own lag
        TStundenFeld rand{};
        for (int h = 1; h <= StundenImJahr; ++h)
            rand[Z(h)] = k.Werte.ErdTemperaturMonat[Z(MonatDerStunde(h))];
        PeriodischRechnen(
            RingRandBerechnen(RegisterErdreichDaten(p), aufloesung.Ringradius, aufloesung.Erdreich),
            rand, e.TUngestoert);
    } else if (vorrat != nullptr)
        e.TUngestoert = *vorrat->Ungestoert(p, wetter, aufloesung);
    else
        UngestoertRechnen(p, r.Tein, aufloesung, e.TUngestoert);

    const double geschwindigkeit = RohrGeschwindigkeit(p);
    const double dt = 3600.0 / z.S;
    const int mitte = z.P - 1;
    TSimulationsLauf& lauf = k.Lauf;
    lauf.TAusAktuell = e.TUngestoert[1];
    lauf.TEinAktuell = r.Tein[1];
    TDurchlaufSummen vorher;
    TDurchlaufSummen summen;
    int durchlauf = 0;
    for (;;) {
        ++durchlauf;
        summen = TDurchlaufSummen{};
        lauf.Durchlauf = durchlauf;
        lauf.Einschwingen = true;
        r.Taus[0] = lauf.TAusAktuell;
        z.ModenJahresanfang = z.Moden;
        for (int h = 1; h <= StundenImJahr; ++h) {
            if (rueckmeldung.Abbruch != nullptr &&
                rueckmeldung.Abbruch->load(std::memory_order_relaxed))
                return TLaufStatus::Abgebrochen;
            const auto hh = Z(h);
            lauf.Stunde = h;
            lauf.Monat = MonatDerStunde(h);
            const double tEin = r.Tein[hh];
            lauf.TEinAktuell = tEin;
            const double R = FahrplanFolgen(p) ? r.RelVolumenstrom[hh] : 1.0;
            BetriebEntscheiden(p, lauf, R);
            GrenzenPruefen(p, lauf, tEin);
            const double tU = e.TUngestoert[hh];
            double kondensat = 0.0; // kg in the hour
            if (lauf.InBetrieb) {
                TLuftVorrat& vorrat = k.LuftVorrat;
                if (R != vorrat.R) {
                    vorrat.Alpha = Waermeuebergang(k.Luft, geschwindigkeit, p.DRohr,
                                                   p.ViskositaetLuft, p.LambdaLuft, R);
                    vorrat.KZelle = 2 * 3.14159 * (p.DRohr / 2) * z.Zellenlaenge * vorrat.Alpha;
                    vorrat.R = R;
                }
                lauf.Alpha = vorrat.Alpha;
                lauf.KZelle = vorrat.KZelle;
                TLuftZustand l;
                l.Feucht = e.Feuchtedaten && aufloesung.Ringradius <= 0;
                l.Druck = e.Luftdruck;
                const double pd =
                    l.Feucht ? Saettigungsdruck(std::min(r.TTaupunkt[hh], tEin)) : 0.0;
                const double x = l.Feucht ? Feuchtegehalt(pd, l.Druck) : 0.0;
                const double dichte =
                    aufloesung.Ringradius > 0 ? p.RhoLuft : DichteTrockeneLuft(tEin, pd, l.Druck);
                l.Massenstrom = dichte * p.Volumenstrom * R / 3600 / z.N;
                l.Cp = p.CpLuft + CpDampf * x;
                const double ntu = vorrat.KZelle / (l.Massenstrom * l.Cp);
                l.Durchlass = std::exp(-ntu);
                l.W = -std::expm1(-ntu) * l.Massenstrom * l.Cp / z.Zellenlaenge;

                InverseBilden(z, l.W);
                double tAusStunde = 0.0, tRand = 0.0, tMitte = 0.0, monitor = 0.0;
                for (int s = 0; s < z.S; ++s) {
                    std::fill(z.TEin.begin(), z.TEin.end(), tEin);
                    std::fill(z.XEin.begin(), z.XEin.end(), x);
                    FreiBerechnen(z, tU);
                    for (int a = 0; a < z.M; ++a) {
                        for (int i = 0; i < z.P; ++i)
                            z.Frei[Z(i)] = z.FreiAlle[Z(i * z.M + a)];
                        const bool trocken = ZelleLoesen(z, l);
                        if (a == 0) {
                            double t = z.Frei[Z(mitte)];
                            for (int j = 0; j < z.P; ++j)
                                t += z.Antwort[Z(mitte * z.P + j)] * z.Fluss[Z(j)];
                            monitor += t / z.S;
                        }
                        const TZellSummen zs = LuftWeitergeben(z, l, trocken);
                        for (int j = 0; j < z.P; ++j)
                            z.FlussAlle[Z(j * z.M + a)] = z.Fluss[Z(j)];
                        summen.Erdreich += zs.Erdreich * dt / 3.6e6;
                        summen.LatentWand += zs.LatentWand * dt / 3.6e6;
                        summen.Latent += (zs.Wand + zs.Nebel) * Verdampfungsenthalpie * dt / 3.6e6;
                        kondensat += (zs.Wand + zs.Nebel) * dt;
                    }
                    ModenFortschreiben(z);
                    double mischung = 0.0, enthalpie = 0.0;
                    for (int i = 0; i < z.P; ++i) {
                        const double g = z.Gewicht[Z(i)];
                        mischung += g * z.TEin[Z(i)] / z.N;
                        enthalpie += g * l.Massenstrom *
                                     (l.Cp * (tEin - z.TEin[Z(i)]) +
                                      Verdampfungsenthalpie * (x - z.XEin[Z(i)]));
                    }
                    summen.Enthalpie += enthalpie * dt / 3.6e6;
                    tAusStunde += mischung / z.S;
                    tRand += z.TEin[0] / z.S;
                    tMitte += z.TEin[Z(mitte)] / z.S;
                }
                lauf.TAusAktuell = tAusStunde;
                lauf.Leistung = z.N * l.Massenstrom * l.Cp * (tAusStunde - tEin) / 1000;
                r.TMonitor[hh] = monitor;
                e.TausRandrohr[hh] = tRand;
                e.TausMittelrohr[hh] = tMitte;
                if (!summen.TausMinGesetzt || tAusStunde < summen.TausMin) {
                    summen.TausMin = tAusStunde;
                    summen.TausMinGesetzt = true;
                }
            } else {
                // bypassed: the walls carry no heat, the modes decay; the monitor shows the
                // middle pipe's wall at the inlet at the start of the hour
                double monitor = tU;
                for (std::size_t jk = 0; jk < Z(z.P) * Z(z.K); ++jk)
                    monitor += z.Kopplung[Z(mitte) * Z(z.P) * Z(z.K) + jk] * z.Moden[jk * Z(z.M)];
                for (std::size_t jk = 0; jk < Z(z.P) * Z(z.K); ++jk) {
                    const double e = z.AbklingRuhe[jk % Z(z.K)];
                    for (std::size_t a = 0; a < Z(z.M); ++a)
                        z.Moden[jk * Z(z.M) + a] *= e;
                }
                lauf.TAusAktuell = tEin;
                lauf.Leistung = 0.0;
                r.TMonitor[hh] = monitor;
                e.TausRandrohr[hh] = tEin;
                e.TausMittelrohr[hh] = tEin;
            }
            if (h == aufloesung.FeldStunde)
                std::copy(z.Moden.begin(), z.Moden.end(), z.ModenStunde.begin());
            r.Taus[hh] = lauf.TAusAktuell;
            r.Betrieb[hh] = lauf.InBetrieb ? 1.0 : 0.0;
            if (!FahrplanFolgen(p)) r.RelVolumenstrom[hh] = lauf.InBetrieb ? 1.0 : 0.0;
            e.Kondensat[hh] = kondensat;
            summen.Kondensat += kondensat;
            summen.KondensatMonat[Z(lauf.Monat)] += kondensat;
            const double energie = lauf.Leistung; // kW held for one hour = kWh
            if (energie > 0) summen.Heiz += energie;
            if (energie < 0) summen.Kuehl -= energie;
            if (h >= 2 && energie > 0) summen.HeizAb2 += energie;
            if (h >= 2 && energie < 0) summen.KuehlAb2 -= energie;
        }
        const double aenderung = durchlauf == 1 ? 1.0
                                                : std::max(Aenderung(summen.Heiz, vorher.Heiz),
                                                           Aenderung(summen.Kuehl, vorher.Kuehl));
        e.EinschwingAenderung = aenderung;
        if (aenderung < aufloesung.EinschwingGrenze || durchlauf > aufloesung.MaxEinschwingjahre)
            break;
        vorher = summen;
        EinschwingenVorziehen(z);
    }

    lauf.Einschwingen = false;
    // the recorded year is the last pass, whatever the classic numbering counts
    lauf.Durchlauf = Durchlaeufe(k.Parameter);
    k.LetzterEinschwingDurchlauf.Heizenergie = vorher.HeizAb2;
    k.LetzterEinschwingDurchlauf.Kuehlenergie = vorher.KuehlAb2;
    k.Ergebnis.Heizenergie = summen.Heiz;
    k.Ergebnis.Kuehlenergie = summen.Kuehl;
    k.Ergebnis.WaermeentzugErde = -summen.Erdreich;
    k.Ergebnis.WaermeentzugKeller = 0.0;
    e.Gerechnet = true;
    e.Einschwingjahre = durchlauf - 1;
    e.Heizenergie = summen.Heiz;
    e.Kuehlenergie = summen.Kuehl;
    e.HeizenergieAb2 = summen.HeizAb2;
    e.KuehlenergieAb2 = summen.KuehlAb2;
    e.LatenteEnergie = summen.Latent;
    e.LatentWand = summen.LatentWand;
    e.WaermeInsErdreich = summen.Erdreich;
    e.EnthalpieAbgabeLuft = summen.Enthalpie;
    e.KondensatJahr = summen.Kondensat;
    e.KondensatMonat = summen.KondensatMonat;
    // the report's condensate column carries the register's balance, 0 without humidity data
    r.KondensatGerechnet = true;
    r.KondensatLauf = e.Kondensat;
    e.TausMin = summen.TausMin;
    if (rueckmeldung.NachMonat)
        for (int monat = 1; monat <= 12; ++monat)
            rueckmeldung.NachMonat(lauf.Durchlauf, monat, r);
    return TLaufStatus::Fertig;
}

TLaufStatus RegisterLaufAusReihen(TKontext& k, const TLaufRueckmeldung& rueckmeldung) {
    auto wetter = std::make_unique<TWetterJahr>();
    wetter->Tein = k.Reihen.Tein;
    wetter->RelFeuchte = k.Reihen.RelFeuchte;
    wetter->TTaupunkt = k.Reihen.TTaupunkt;
    const TRegisterParameter p = k.Parameter;
    return RegisterLaufRechnen(p, *wetter, p.FahrplanGelesen ? &k.Reihen.RelVolumenstrom : nullptr,
                               k, rueckmeldung);
}

} // namespace kov
