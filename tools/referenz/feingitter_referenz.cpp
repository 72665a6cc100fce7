// Independent fine-grid reference of the earth register: one representative pipe, its wall and
// the soil around it as radial finite-volume rings out to the simulation radius, the outer edge
// held at the monthly undisturbed earth temperature, the air carried through many axial cells
// with the exact exponential of a cell whose wall has one temperature, backward Euler in time
// with small steps and the air coupled implicitly, so that the scheme conserves energy exactly.
//
// It shares no code with the program: only the numbers of the built-in design year are compiled
// in from src/files/wetter_tabelle.cpp. Physical inputs and their defaults are the program's;
// the numerics are this tool's own.
//
//   kov-referenz [--ringe N] [--wandringe N] [--zellen N] [--schritt S] [--spreizung Q]
//                [NAME=VALUE ...]
//   kov-referenz --pruefen        self-checks against closed-form limits, exit status 1 on failure
//
// Prints one line of NAME=VALUE results (energies of the whole register in kWh, temperatures in
// °C), counted like the program's yearly totals: hours 2..8760 of the periodic year, each hour
// heating or cooling by the sign of its mean power.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace kov {
extern const std::array<double, 8761> EingebauteWetterTabelle;
} // namespace kov

namespace kov::referenz {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int StundenImJahr = 8760;
constexpr int TageImMonat[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int ErsteStunde(int monat) {
    int tage = 0;
    for (int m = 1; m < monat; ++m)
        tage += TageImMonat[m];
    return 24 * tage + 1;
}

struct TEingabe {
    // physics, defaults as the program's
    double DRohr = 0.1922;           // m
    double Rohrlaenge = 50.0;        // m
    double WandstaerkeRohr = 0.0039; // m
    double AnzahlRohre = 15;
    double Volumenstrom = 3700.0; // m3/h, whole register
    double Tiefe = 1.0;           // m
    double SimRadius = 1.2;       // m
    double LambdaErde = 1.5, RhoErde = 1400.0, CpErde = 1400.0;
    double LambdaRohr = 0.35, RhoRohr = 1100.0, CpRohr = 800.0;
    double LambdaLuft = 0.024, RhoLuft = 1.2, CpLuft = 1005.0, ViskositaetLuft = 1.45e-5;
    double Sonnenerwaermung = 0.8; // K
    // numerics
    int Erdringe = 40;
    int Wandringe = 4;
    int Zellen = 25;
    double Schritt = 60.0;   // s, divides 3600
    double Spreizung = 30.0; // width of the outermost soil ring over that of the innermost
    int MaxJahre = 40;       // settling limit
    double Periode = 1e-10;  // relative change of the yearly totals that counts as periodic
};

struct TErgebnis {
    double Heizenergie = 0, Kuehlenergie = 0; // kWh, hours 2..8760
    double MinAustritt = 0;                   // °C, lowest hourly mean outlet
    int MinStunde = 0;
    double MinAustrittStundenende = 0; // °C, lowest outlet at the end of an hour
    double MaxAustritt = 0;            // °C, highest hourly mean outlet
    double Bilanzfehler = 0;           // kWh: air - boundary + storage change, whole year
    double Alpha = 0;                  // W/m2K
    double NTU = 0;     // cells * KLuft / WLuft: air to the middle of the first wall ring
    double NTUFilm = 0; // alpha * pi * d * L / WLuft: the air film alone
    int Jahre = 0;
};

// Heat transfer coefficient of turbulent pipe flow (Petukhov), laminar 4.36, and the geometric
// interpolation of the program's transition range, W/m2K.
double AlphaLuft(const TEingabe& e) {
    const double w = e.Volumenstrom / 3600 / (e.AnzahlRohre * Pi * e.DRohr * e.DRohr / 4);
    const double Re = w * e.DRohr / e.ViskositaetLuft;
    const double Pr = e.ViskositaetLuft * e.RhoLuft * e.CpLuft / e.LambdaLuft;
    auto turbulent = [&](double re) {
        const double xi = std::pow(1.82 * std::log10(re) - 1.64, -2.0);
        return xi / 8 * re * Pr /
               (1 + 3.4 * xi +
                (11.7 + 1.8 / std::cbrt(Pr)) * std::sqrt(xi / 8) * (std::pow(Pr, 2.0 / 3) - 1));
    };
    double Nu = 4.36;
    if (Re >= 10000)
        Nu = turbulent(Re);
    else if (Re > 2300)
        Nu =
            4.36 * std::pow(turbulent(10000) / 4.36, std::log(Re / 2300) / std::log(10000 / 2300.));
    return Nu * e.LambdaLuft / e.DRohr;
}

// Monthly undisturbed earth temperature at pipe depth: the yearly wave of the monthly air means
// (half their range, with the solar warming added) damped and delayed with depth about the
// plain annual air mean.
std::array<double, 13> Randtemperaturen(const TEingabe& e) {
    const auto& t = EingebauteWetterTabelle;
    double jahresmittel = 0;
    for (int h = 1; h <= StundenImJahr; ++h)
        jahresmittel += t[h];
    jahresmittel /= StundenImJahr;
    double hoechst = -1e9, tiefst = 1e9;
    for (int m = 1; m <= 12; ++m) {
        double mittel = 0;
        for (int h = ErsteStunde(m); h < ErsteStunde(m) + 24 * TageImMonat[m]; ++h)
            mittel += t[h];
        mittel = mittel / (24 * TageImMonat[m]) + e.Sonnenerwaermung;
        hoechst = std::max(hoechst, mittel);
        tiefst = std::min(tiefst, mittel);
    }
    const double amplitude = (hoechst - tiefst) / 2;
    const double a = e.LambdaErde / (e.RhoErde * e.CpErde);
    const double k = std::sqrt(Pi / (a * 365 * 24 * 3600.0)); // 1/m
    std::array<double, 13> rand{};
    for (int m = 1; m <= 12; ++m) {
        const int tag = (ErsteStunde(m) - 1) / 24 + TageImMonat[m] / 2;
        rand[m] = amplitude * std::exp(-k * e.Tiefe) *
                      std::cos(2 * Pi * (tag - 196) / 365 - k * e.Tiefe) +
                  jahresmittel;
    }
    return rand;
}

// One radial column of one axial cell: wall rings of pipe material, then soil rings whose widths
// grow geometrically to the simulation radius. Node k is the ring between faces k and k+1.
struct TSaeule {
    int M = 0;
    std::vector<double> C; // J/K
    std::vector<double> g; // W/K, g[k] couples node k and k+1 (k < M-1)
    double KLuft = 0;      // W/K, air to node 0 through the film and half the first ring
    double GRand = 0;      // W/K, node M-1 to the outer edge
    double WLuft = 0;      // W/K, heat capacity flow of the air in one pipe
    double E = 0;          // exp(-KLuft/WLuft): the cell's air outlet share
    double KAnteil = 0;    // WLuft*(1-E): heat to the wall per kelvin of inlet excess
    // backward-Euler matrix factorised once (Thomas): constant for the whole run
    std::vector<double> Diag, Ober, Faktor;
    double dt = 0;
};

TSaeule SaeuleAufbauen(const TEingabe& e, double alpha) {
    TSaeule s;
    const int NW = e.Wandringe, NE = e.Erdringe;
    s.M = NW + NE;
    const double dx = e.Rohrlaenge / e.Zellen;
    const double r0 = e.DRohr / 2, r1 = r0 + e.WandstaerkeRohr, rAussen = r1 + e.SimRadius;
    std::vector<double> f(s.M + 1);
    for (int k = 0; k <= NW; ++k)
        f[k] = r0 + e.WandstaerkeRohr * k / NW;
    for (int k = 1; k <= NE; ++k)
        f[NW + k] =
            r1 + e.SimRadius * (std::pow(e.Spreizung, double(k) / NE) - 1) / (e.Spreizung - 1);
    f[s.M] = rAussen;
    std::vector<double> rm(s.M), lambda(s.M), rhoC(s.M);
    for (int k = 0; k < s.M; ++k) {
        rm[k] = std::sqrt((f[k] * f[k] + f[k + 1] * f[k + 1]) / 2);
        const bool wand = k < NW;
        lambda[k] = wand ? e.LambdaRohr : e.LambdaErde;
        rhoC[k] = wand ? e.RhoRohr * e.CpRohr : e.RhoErde * e.CpErde;
    }
    s.C.resize(s.M);
    s.g.assign(s.M, 0.0);
    for (int k = 0; k < s.M; ++k)
        s.C[k] = Pi * (f[k + 1] * f[k + 1] - f[k] * f[k]) * dx * rhoC[k];
    for (int k = 0; k + 1 < s.M; ++k)
        s.g[k] = 2 * Pi * dx /
                 (std::log(f[k + 1] / rm[k]) / lambda[k] +
                  std::log(rm[k + 1] / f[k + 1]) / lambda[k + 1]);
    s.KLuft =
        1 / (1 / (alpha * 2 * Pi * r0 * dx) + std::log(rm[0] / r0) / (2 * Pi * dx * lambda[0]));
    s.GRand = 2 * Pi * dx * lambda[s.M - 1] / std::log(rAussen / rm[s.M - 1]);
    s.WLuft = e.Volumenstrom / 3600 / e.AnzahlRohre * e.RhoLuft * e.CpLuft;
    s.E = std::exp(-s.KLuft / s.WLuft);
    s.KAnteil = s.WLuft * (1 - s.E);
    return s;
}

void Faktorisieren(TSaeule& s, double dt) {
    s.dt = dt;
    const int M = s.M;
    std::vector<double> d(M);
    for (int k = 0; k < M; ++k) {
        d[k] = s.C[k] / dt;
        if (k > 0) d[k] += s.g[k - 1];
        if (k + 1 < M) d[k] += s.g[k];
    }
    d[0] += s.KAnteil;
    d[M - 1] += s.GRand;
    // forward elimination of the symmetric tridiagonal matrix with off-diagonals -g
    s.Diag.assign(M, 0.0);
    s.Faktor.assign(M, 0.0);
    s.Ober.assign(M, 0.0);
    s.Diag[0] = d[0];
    for (int k = 1; k < M; ++k) {
        s.Faktor[k] = -s.g[k - 1] / s.Diag[k - 1];
        s.Diag[k] = d[k] - s.Faktor[k] * (-s.g[k - 1]);
    }
    for (int k = 0; k + 1 < M; ++k)
        s.Ober[k] = -s.g[k];
}

// One backward-Euler step of column T with air entering at tEin and the edge at tRand; returns
// the air leaving the cell.
double SaeuleSchritt(const TSaeule& s, std::vector<double>& T, std::vector<double>& b, double tEin,
                     double tRand) {
    const int M = s.M;
    for (int k = 0; k < M; ++k)
        b[k] = s.C[k] / s.dt * T[k];
    b[0] += s.KAnteil * tEin;
    b[M - 1] += s.GRand * tRand;
    for (int k = 1; k < M; ++k)
        b[k] -= s.Faktor[k] * b[k - 1];
    T[M - 1] = b[M - 1] / s.Diag[M - 1];
    for (int k = M - 2; k >= 0; --k)
        T[k] = (b[k] - s.Ober[k] * T[k + 1]) / s.Diag[k];
    return T[0] + (tEin - T[0]) * s.E;
}

double Waerme(const TSaeule& s, const std::vector<double>& T) {
    double u = 0;
    for (int k = 0; k < s.M; ++k)
        u += s.C[k] * T[k];
    return u;
}

TErgebnis Rechnen(const TEingabe& e, const std::array<double, 8761>& wetter,
                  const std::array<double, 13>& rand, double startTemperatur) {
    const int schritte = static_cast<int>(std::lround(3600.0 / e.Schritt));
    if (schritte < 1 || std::fabs(schritte * e.Schritt - 3600.0) > 1e-9)
        throw std::runtime_error("--schritt muss 3600 s ganzzahlig teilen");
    TErgebnis r;
    r.Alpha = AlphaLuft(e);
    TSaeule s = SaeuleAufbauen(e, r.Alpha);
    Faktorisieren(s, e.Schritt);
    r.NTU = e.Zellen * s.KLuft / s.WLuft;
    r.NTUFilm = r.Alpha * Pi * e.DRohr * e.Rohrlaenge / s.WLuft;
    const double rohre = e.AnzahlRohre;
    std::vector<std::vector<double>> T(e.Zellen, std::vector<double>(s.M, startTemperatur));
    std::vector<double> b(s.M);
    TErgebnis vorjahr;
    for (int jahr = 1; jahr <= e.MaxJahre; ++jahr) {
        TErgebnis j = r;
        j.MinAustritt = j.MinAustrittStundenende = 1e9;
        j.MaxAustritt = -1e9;
        double speicherAnfang = 0;
        for (int z = 0; z < e.Zellen; ++z)
            speicherAnfang += Waerme(s, T[z]);
        double luftJahr = 0, randJahr = 0; // J per pipe, the whole year
        int monat = 1;
        for (int h = 1; h <= StundenImJahr; ++h) {
            if (monat < 12 && h >= ErsteStunde(monat + 1)) ++monat;
            const double tRand = rand[monat];
            const double tEin = wetter[h];
            double austrittSumme = 0, randStunde = 0, austritt = tEin;
            for (int n = 0; n < schritte; ++n) {
                double tLuft = tEin;
                for (int z = 0; z < e.Zellen; ++z) {
                    tLuft = SaeuleSchritt(s, T[z], b, tLuft, tRand);
                    randStunde += s.GRand * (tRand - T[z][s.M - 1]) * e.Schritt;
                }
                austritt = tLuft;
                austrittSumme += tLuft;
                luftJahr += s.WLuft * (tLuft - tEin) * e.Schritt;
            }
            randJahr += randStunde;
            const double mittel = austrittSumme / schritte;
            if (mittel < j.MinAustritt) {
                j.MinAustritt = mittel;
                j.MinStunde = h;
            }
            j.MaxAustritt = std::max(j.MaxAustritt, mittel);
            j.MinAustrittStundenende = std::min(j.MinAustrittStundenende, austritt);
            if (h == 1) continue; // the program's totals start with hour 2
            const double kwh = rohre * s.WLuft * (mittel - tEin) / 1000; // one hour
            if (kwh > 0) j.Heizenergie += kwh;
            if (kwh < 0) j.Kuehlenergie -= kwh;
        }
        double speicherEnde = 0;
        for (int z = 0; z < e.Zellen; ++z)
            speicherEnde += Waerme(s, T[z]);
        // heat taken up by the air = heat across the outer edge - increase of the stored heat
        j.Bilanzfehler = rohre * (luftJahr - randJahr + (speicherEnde - speicherAnfang)) / 3.6e6;
        j.Jahre = jahr;
        const bool periodisch =
            jahr > 1 &&
            std::fabs(j.Heizenergie - vorjahr.Heizenergie) <= e.Periode * j.Heizenergie &&
            std::fabs(j.Kuehlenergie - vorjahr.Kuehlenergie) <= e.Periode * j.Kuehlenergie &&
            std::fabs(j.MinAustritt - vorjahr.MinAustritt) <= 1e-9;
        vorjahr = j;
        if (periodisch) return j;
    }
    throw std::runtime_error("kein periodischer Zustand innerhalb von MaxJahre");
}

TErgebnis Rechnen(const TEingabe& e) {
    const auto rand = Randtemperaturen(e);
    return Rechnen(e, EingebauteWetterTabelle, rand, rand[1]);
}

void Zuweisen(TEingabe& e, const std::string& zuweisung) {
    const auto gleich = zuweisung.find('=');
    if (gleich == std::string::npos) throw std::runtime_error("NAME=WERT erwartet: " + zuweisung);
    const std::string name = zuweisung.substr(0, gleich);
    char* ende = nullptr;
    const double wert = std::strtod(zuweisung.c_str() + gleich + 1, &ende);
    if (ende == zuweisung.c_str() + gleich + 1 || *ende != '\0')
        throw std::runtime_error("keine Zahl: " + zuweisung);
    struct {
        const char* Name;
        double TEingabe::*Feld;
    } const felder[] = {
        {"DRohr", &TEingabe::DRohr},
        {"Rohrlaenge", &TEingabe::Rohrlaenge},
        {"WandstaerkeRohr", &TEingabe::WandstaerkeRohr},
        {"AnzahlRohre", &TEingabe::AnzahlRohre},
        {"Volumenstrom", &TEingabe::Volumenstrom},
        {"Tiefe", &TEingabe::Tiefe},
        {"SimRadius", &TEingabe::SimRadius},
        {"LambdaErde", &TEingabe::LambdaErde},
        {"RhoErde", &TEingabe::RhoErde},
        {"CpErde", &TEingabe::CpErde},
        {"LambdaRohr", &TEingabe::LambdaRohr},
        {"RhoRohr", &TEingabe::RhoRohr},
        {"CpRohr", &TEingabe::CpRohr},
        {"Sonnenerwaermung", &TEingabe::Sonnenerwaermung},
    };
    for (const auto& feld : felder) {
        if (name == feld.Name) {
            e.*feld.Feld = wert;
            return;
        }
    }
    throw std::runtime_error("unbekannter Name: " + name);
}

void Ausgeben(const TErgebnis& r) {
    std::printf("Heizenergie=%.6f Kuehlenergie=%.6f MinAustritt=%.6f MinStunde=%d "
                "MinAustrittStundenende=%.6f MaxAustritt=%.6f Bilanzfehler=%.3e Alpha=%.6f "
                "NTUFilm=%.6f Jahre=%d\n",
                r.Heizenergie, r.Kuehlenergie, r.MinAustritt, r.MinStunde, r.MinAustrittStundenende,
                r.MaxAustritt, r.Bilanzfehler, r.Alpha, r.NTUFilm, r.Jahre);
}

// Closed-form limits the scheme must meet whatever its resolution.
int Pruefen() {
    int fehler = 0;
    auto vergleich = [&](const char* fall, double ist, double soll, double toleranz) {
        const bool gut = std::fabs(ist - soll) <= toleranz * std::fabs(soll);
        std::printf("%-58s %.10g  erwartet %.10g  (relativ %.1e) %s\n", fall, ist, soll, toleranz,
                    gut ? "ok" : "FEHLER");
        if (!gut) ++fehler;
    };
    TEingabe e;

    // 1. Steady conduction: with a vanishing film resistance and an immense time step the column
    // carries the flux of the composite cylinder r0..r1 (pipe) and r1..r1+SimRadius (soil).
    {
        TEingabe s = e;
        s.Zellen = 1;
        TSaeule saeule = SaeuleAufbauen(s, 1e12);
        saeule.E = 0;
        saeule.KAnteil = saeule.KLuft; // the air then is the inner surface
        Faktorisieren(saeule, 1e30);
        std::vector<double> T(saeule.M, 0.0), b(saeule.M);
        SaeuleSchritt(saeule, T, b, 0.0, 10.0);
        const double fluss = saeule.GRand * (10.0 - T[saeule.M - 1]);
        const double r0 = s.DRohr / 2, r1 = r0 + s.WandstaerkeRohr;
        const double soll =
            2 * Pi * s.Rohrlaenge * 10.0 /
            (std::log(r1 / r0) / s.LambdaRohr + std::log((r1 + s.SimRadius) / r1) / s.LambdaErde);
        vergleich("stationaere Leitung, Verbundzylinder 2*pi*L*dT/sum(ln/lambda)", fluss, soll,
                  1e-9);
    }

    // 2. Constant wall: immense capacities keep every node at 10 °C; the air leaves at
    // Tg + (Tin - Tg) * exp(-NTU), NTU = Zellen * KLuft / WLuft.
    {
        TEingabe s = e;
        s.RhoErde = s.RhoRohr = 1e20;
        s.MaxJahre = 2;
        s.Erdringe = 10;
        s.Zellen = 5;
        s.Schritt = 600;
        std::array<double, 8761> wetter{};
        wetter.fill(-10.0);
        std::array<double, 13> rand{};
        rand.fill(10.0);
        const TErgebnis r = Rechnen(s, wetter, rand, 10.0);
        const double soll = 10.0 + (-10.0 - 10.0) * std::exp(-r.NTU);
        vergleich("konstante Wand, Austritt Tg + (Tin - Tg) exp(-NTU)", r.MinAustritt, soll, 1e-9);
    }

    // 3. Energy: over a whole design year the heat the air takes up equals the heat across the
    // outer edge minus the increase of the stored heat (backward Euler conserves exactly).
    {
        TEingabe s = e;
        s.Erdringe = 10;
        s.Zellen = 5;
        s.Schritt = 600;
        const TErgebnis r = Rechnen(s);
        const double brutto = r.Heizenergie + r.Kuehlenergie;
        std::printf("%-58s %.3e kWh von %.1f kWh brutto %s\n", "Energiebilanz eines Jahres",
                    r.Bilanzfehler, brutto,
                    std::fabs(r.Bilanzfehler) < 1e-9 * brutto ? "ok" : "FEHLER");
        if (!(std::fabs(r.Bilanzfehler) < 1e-9 * brutto)) ++fehler;
    }
    return fehler == 0 ? 0 : 1;
}

} // namespace

int Hauptprogramm(int argc, char** argv) {
    TEingabe e;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto zahl = [&]() {
            if (i + 1 >= argc) throw std::runtime_error(argument + " braucht einen Wert");
            return std::strtod(argv[++i], nullptr);
        };
        if (argument == "--pruefen") return Pruefen();
        if (argument == "--ringe")
            e.Erdringe = static_cast<int>(zahl());
        else if (argument == "--wandringe")
            e.Wandringe = static_cast<int>(zahl());
        else if (argument == "--zellen")
            e.Zellen = static_cast<int>(zahl());
        else if (argument == "--schritt")
            e.Schritt = zahl();
        else if (argument == "--spreizung")
            e.Spreizung = zahl();
        else
            Zuweisen(e, argument);
    }
    Ausgeben(Rechnen(e));
    return 0;
}

} // namespace kov::referenz

int main(int argc, char** argv) {
    try {
        return kov::referenz::Hauptprogramm(argc, argv);
    } catch (const std::exception& f) {
        std::fprintf(stderr, "kov-referenz: %s\n", f.what());
        return 2;
    }
}
