#include "ground/erd_gitter.h"

#include "ground/gitter_grenzen.h"
#include "ground/schritt_matrix.h"
#include "ground/simd_pfad.h"
#include "model/fehler.h"
#include "model/kalender.h"

#include <cmath>

namespace kov {

namespace {

// The fixed point is reached within 3 to 25 iterations for every sensible geometry.
constexpr int MaxIterationen = 1000;

void WandstaerkePruefen(const TRegisterParameter& p) {
    if (!(p.WandstaerkeRohr > 0.0) || !std::isfinite(p.WandstaerkeRohr))
        throw TParameterFehler("Die Wandstärke der Rohre (WandstaerkeRohr) muss größer als 0 m "
                               "sein.");
}

void MonitorPruefen(const TRegisterParameter& p) {
    const int n = p.AnzahlGitter;
    if (p.MonitorAxial < 1 || p.MonitorAxial > n)
        BereichsFehler("Die Monitorzelle axial (MonitorAxial)", p.MonitorAxial, 1, n);
    if (p.MonitorRadial < 0 || p.MonitorRadial > n + 1)
        BereichsFehler("Die Monitorzelle radial (MonitorRadial)", p.MonitorRadial, 0, n + 1);
}

bool ZeileEndlich(const TGitterZeile& z, int von, int bis) {
    for (int i = von; i <= bis; ++i)
        if (!std::isfinite(z[i])) return false;
    return true;
}

bool MatrixEndlich(const TSchrittMatrix& M, int n) {
    for (int i = 0; i <= n + 1; ++i)
        if (!ZeileEndlich(M[i], 0, n + 1)) return false;
    return true;
}

bool ZustandEndlich(const TErdZustand& z, int n) {
    return ZeileEndlich(z.RadienErde, 0, n) && ZeileEndlich(z.RadienKeller, 0, n) &&
           ZeileEndlich(z.MittelradienErde, 1, n) && ZeileEndlich(z.MittelradienKeller, 1, n) &&
           ZeileEndlich(z.KapazitaetErde, 1, n) && ZeileEndlich(z.KapazitaetKeller, 1, n) &&
           ZeileEndlich(z.LeitwertErde, 0, n + 1) && ZeileEndlich(z.LeitwertKeller, 0, n + 1) &&
           std::isfinite(z.LeitwertStillstand) && MatrixEndlich(z.MatrixErdeBetrieb, n) &&
           MatrixEndlich(z.MatrixErdeStillstand, n) && MatrixEndlich(z.MatrixAdiabatBetrieb, n) &&
           MatrixEndlich(z.MatrixKellerBetrieb, n) && MatrixEndlich(z.MatrixAdiabatStillstand, n) &&
           MatrixEndlich(z.MatrixKellerStillstand, n);
}

// P = (2C + dt*K)^-1 * (2C - dt*K)
void SchrittMatrixBilden(const TGitterZeile& g, const TGitterZeile& C, double dt, int n,
                         TSchrittMatrix& P) {
    TSchrittMatrix links{};
    TSchrittMatrix rechts{};
    TSchrittMatrix inverse{};
    LinksMatrixAufbauen(g, C, links, dt, n);
    RechtsMatrixAufbauen(g, C, rechts, dt, n);
    MatrixInvertieren(links, inverse, n);
    MatrixMultiplizieren(inverse, rechts, P, n);
}

} // namespace

double GitterfaktorBerechnen(const TRegisterParameter& p, int& iterationen) {
    const int n = p.AnzahlGitter;
    GitterzahlPruefen(n);
    WandstaerkePruefen(p);
    const double r0 = p.DRohr / 2;
    const double r1 = r0 + p.WandstaerkeRohr;
    const double F = p.Radiusteiler;
    const double RS = p.SimRadius;

    double q = 5.0;
    iterationen = 0;
    while (true) {
        const double qAlt = q;
        const double x = 1 - (RS / F / (r1 - r0)) * (1 - q);
        q = Hoch(x, 1.0 / (n - 1));
        ++iterationen;
        if (!std::isfinite(q))
            throw TParameterFehler("Der Gitterfaktor des Erdreichs lässt sich aus Rohrdurchmesser, "
                                   "Wandstärke und Simulationsradius nicht bestimmen.");
        if (std::fabs(qAlt - q) < 0.001) break;
        if (iterationen >= MaxIterationen)
            throw TParameterFehler("Der Gitterfaktor des Erdreichs konvergiert nicht; "
                                   "Rohrdurchmesser, Wandstärke und Simulationsradius prüfen.");
    }
    return q;
}

double GitterfaktorBerechnen(const TRegisterParameter& p) {
    int iterationen = 0;
    return GitterfaktorBerechnen(p, iterationen);
}

double ErdGitterBerechnen(const TModell& m, TErdZustand& z, double dt) {
    const TRegisterParameter& p = m.Parameter;
    const int n = p.AnzahlGitter;
    GitterzahlPruefen(n);
    WandstaerkePruefen(p);
    MonitorPruefen(p);
    const TSimdPfad pfad = SimdPfadDesProzessesFuerGitter(n);
    z = TErdZustand{};
    const double dx = m.Werte.Zellenlaenge;
    const double T0 = m.Werte.StartTemperatur;

    // 2. uniform start field, including the surface, boundary and unused axial rows
    for (int a = 0; a <= n + 1; ++a) {
        for (int i = 0; i <= n + 1; ++i) {
            z.GitterErde[a][i] = T0;
            z.GitterAdiabat[a][i] = T0;
            z.GitterKeller[a][i] = T0;
        }
    }

    // 3. inner surface and outer wall radius, the same in both geometries
    const double r0 = p.DRohr / 2;
    const double r1 = r0 + p.WandstaerkeRohr;
    TGitterZeile& rE = z.RadienErde;
    TGitterZeile& rK = z.RadienKeller;
    rE[0] = rK[0] = r0;
    rE[1] = rK[1] = r1;

    // 4.
    const double q = GitterfaktorBerechnen(p);

    // 5. the first ground ring; the cellar geometry fills the depth below the cellar instead
    const double qHochN1 = Hoch(q, n - 1);
    const double hE = (1 - q) * p.SimRadius / (1 - qHochN1);
    const double hK = (1 - q) * p.TiefeKeller / (1 - qHochN1);

    // 6.
    for (int i = 2; i <= n; ++i) {
        rE[i] = rE[i - 1] + Hoch(q, i - 2) * hE;
        rK[i] = rK[i - 1] + Hoch(q, i - 2) * hK;
    }

    // 7. the node of ring i sits at the radius that halves its area
    TGitterZeile& rmE = z.MittelradienErde;
    TGitterZeile& rmK = z.MittelradienKeller;
    for (int i = 1; i <= n; ++i) {
        rmE[i] = std::sqrt((rE[i - 1] * rE[i - 1] + rE[i] * rE[i]) / 2);
        rmK[i] = std::sqrt((rK[i - 1] * rK[i - 1] + rK[i] * rK[i]) / 2);
    }

    // 8. W/K
    z.KapazitaetsstromLuft =
        r0 * r0 * 3.14159 * m.Werte.Stroemungsgeschwindigkeit * p.RhoLuft * p.CpLuft;
    TGitterZeile& GE = z.LeitwertErde;
    TGitterZeile& GK = z.LeitwertKeller;
    GE[0] = z.KapazitaetsstromLuft;
    GK[0] = z.KapazitaetsstromLuft;

    // 9. inner surface to the middle of the wall cell, W/K
    const double KW = 6.28318 * p.LambdaRohr * dx / std::log(rmE[1] / r0);
    z.LeitwertWand = KW;

    // 10. still-air film at r0 in series with the inner half of the wall
    if (p.AlphaStillstand <= 0.01) {
        z.LeitwertStillstand = 0;
    } else {
        z.LeitwertStillstand = 1 / (std::log(rmE[1] / r0) / (6.28318 * p.LambdaRohr * dx) +
                                    1 / (6.28318 * p.AlphaStillstand * r0 * dx));
    }
    const double KS = z.LeitwertStillstand;

    // 11. conductances between neighbouring nodes of one axial cell, W/K
    GE[1] = KW;
    GK[1] = KW;
    // outer half of the wall in series with the inner part of the first ground ring
    GE[2] = 6.28318 * dx /
            (std::log(r1 / rmE[1]) / p.LambdaRohr + std::log(rmE[2] / r1) / p.LambdaErde);
    GK[2] = 6.28318 * dx /
            (std::log(r1 / rmK[1]) / p.LambdaRohr + std::log(rmK[2] / r1) / p.LambdaPlatte);
    for (int i = 3; i <= n; ++i) {
        GE[i] = 2 * 3.14159 * p.LambdaErde * dx / std::log(rmE[i] / rmE[i - 1]);
        GK[i] = 2 * 3.14159 * p.LambdaPlatte * dx / std::log(rmK[i] / rmK[i - 1]);
    }
    GE[n + 1] = GE[n];
    // The cellar coupling is taken on the earth geometry's outer radius and last mid radius:
    // the slab from the last ring to the floor in series with the floor's k-value.
    if (p.KWertKeller < 1e-7) {
        GK[n + 1] = 0;
    } else {
        GK[n + 1] = 1 / (std::log(rE[n] / rmE[n]) / (2 * 3.14159 * p.LambdaPlatte * dx) +
                         1 / (2 * 3.14159 * p.KWertKeller * rE[n] * dx));
    }

    // 12. heat capacities of one axial cell, J/K; surface and boundary nodes carry none
    TGitterZeile& CE = z.KapazitaetErde;
    TGitterZeile& CK = z.KapazitaetKeller;
    CE[1] = (r1 * r1 - r0 * r0) * p.CpRohr * p.RhoRohr * 3.14159 * dx;
    CK[1] = CE[1];
    for (int i = 2; i <= n; ++i) {
        CE[i] = (rE[i] * rE[i] - rE[i - 1] * rE[i - 1]) * p.CpErde * p.RhoErde * 3.14159 * dx;
        CK[i] = (rK[i] * rK[i] - rK[i - 1] * rK[i - 1]) * p.CpPlatte * p.RhoPlatte * 3.14159 * dx;
    }

    // 13. conductance vectors of the six columns: running couples node 0 through the wall
    // conductance, standing through the still-air conductance; the adiabatic sector has no
    // outer coupling
    TGitterZeile gErdeBetrieb = GE;
    gErdeBetrieb[n + 1] = GE[n];
    TGitterZeile gErdeStillstand = gErdeBetrieb;
    gErdeStillstand[1] = KS;
    TGitterZeile gAdiabatBetrieb = GE;
    gAdiabatBetrieb[n + 1] = 0;
    TGitterZeile gAdiabatStillstand = gAdiabatBetrieb;
    gAdiabatStillstand[1] = KS;
    TGitterZeile gKellerBetrieb = GK;
    TGitterZeile gKellerStillstand = GK;
    gKellerStillstand[1] = KS;

    SchrittMatrixBilden(gErdeBetrieb, CE, dt, n, z.MatrixErdeBetrieb);
    SchrittMatrixBilden(gErdeStillstand, CE, dt, n, z.MatrixErdeStillstand);
    SchrittMatrixBilden(gAdiabatBetrieb, CE, dt, n, z.MatrixAdiabatBetrieb);
    SchrittMatrixBilden(gKellerBetrieb, CK, dt, n, z.MatrixKellerBetrieb);
    SchrittMatrixBilden(gAdiabatStillstand, CE, dt, n, z.MatrixAdiabatStillstand);
    SchrittMatrixBilden(gKellerStillstand, CK, dt, n, z.MatrixKellerStillstand);
    SpaltenMatrixBilden(z.MatrixErdeBetrieb, z.SpaltenErdeBetrieb, n);
    SpaltenMatrixBilden(z.MatrixErdeStillstand, z.SpaltenErdeStillstand, n);
    SpaltenMatrixBilden(z.MatrixAdiabatBetrieb, z.SpaltenAdiabatBetrieb, n);
    SpaltenMatrixBilden(z.MatrixKellerBetrieb, z.SpaltenKellerBetrieb, n);
    SpaltenMatrixBilden(z.MatrixAdiabatStillstand, z.SpaltenAdiabatStillstand, n);
    SpaltenMatrixBilden(z.MatrixKellerStillstand, z.SpaltenKellerStillstand, n);
    z.Pfad = pfad;
    z.Sektoren = (p.AnteilErde > 0 || p.MonitorSektor == 1 ? SektorErde : 0u) |
                 (p.AnteilKeller > 0 || p.MonitorSektor == 3 ? SektorKeller : 0u) |
                 (p.AnteilAdiabat > 0 || p.MonitorSektor == 2 ? SektorAdiabat : 0u);
    return q;
}

void ErdGitterAufbauen(TModell& m, TErdZustand& e, double dt) {
    const TRegisterParameter& p = m.Parameter;
    const int n = p.AnzahlGitter;
    // The new state is built aside and taken over only when it is complete and finite, so that
    // a parameter set the model cannot work with leaves the previous state as it was.
    TErdZustand z;
    const double q = ErdGitterBerechnen(m, z, dt);
    if (!ZustandEndlich(z, n))
        throw TParameterFehler("Das Erdreich lässt sich mit diesen Parametern nicht berechnen: "
                               "Radien, Wärmekapazitäten oder Leitwerte sind ungültig.");

    // 1. and 14.: a new run starts with empty sums and the register running
    m.Lauf.Durchlauf = 0;
    m.Ergebnis.WaermeentzugKeller = 0;
    m.Ergebnis.WaermeentzugErde = 0;
    m.Ergebnis.Kuehlenergie = 0;
    m.Ergebnis.Heizenergie = 0;
    e = z;
    m.Werte.Gitterfaktor = q;
    m.Lauf.InBetrieb = true;

    // 15. monitor point; mid radii exist for 1..n only, nodes 0 and n+1 give 0
    const double dx = m.Werte.Zellenlaenge;
    m.Werte.MonitorAchsAbstand = p.MonitorSektor == 3 ? e.MittelradienKeller[p.MonitorRadial]
                                                      : e.MittelradienErde[p.MonitorRadial];
    m.Werte.MonitorAbstandEinlass = (p.MonitorAxial - 1) * dx + dx / 2;
}

} // namespace kov
