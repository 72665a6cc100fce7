#include "register/energie_bilanz.h"

#include "ground/gitter_grenzen.h"

namespace kov {

double StundenLeistung(const TRegisterParameter& p, double tAus, double tEin, double R) {
    return (tAus - tEin) * p.CpLuft * p.RhoLuft * p.Volumenstrom * R / 3600 / 1000;
}

void EnergieBilanz(TModell& m, const TErdZustand& e, double R) {
    GitterzahlPruefen(m.Parameter.AnzahlGitter);
    EnergieBilanzStunde(m, e, R);
}

void EnergieBilanzStunde(TModell& m, const TErdZustand& e, double R) {
    const TRegisterParameter& p = m.Parameter;
    TSimulationsLauf& lauf = m.Lauf;
    TJahresErgebnis& summe = m.Ergebnis;
    const int n = p.AnzahlGitter;

    lauf.Leistung = lauf.InBetrieb ? StundenLeistung(p, lauf.TAusAktuell, lauf.TEinAktuell, R) : 0;
    if (lauf.Einschwingen) return;

    if (lauf.InBetrieb) {
        if (lauf.Leistung > 0) summe.Heizenergie += lauf.Leistung * p.Zeitschritt / 3600;
        if (lauf.Leistung < 0) summe.Kuehlenergie -= lauf.Leistung * p.Zeitschritt / 3600;
    }

    // heat across the outer boundary of every axial cell of all pipes, kWh over the time step;
    // positive when the boundary is warmer than the outermost ring
    // A sector without a share adds 0 times its flow, which leaves the sum that starts at +0 at
    // +0 exactly; its columns need not be read (the hour loop does not advance them).
    const double gKeller = e.LeitwertKeller[n + 1];
    const double gErde = e.LeitwertErde[n + 1];
    const bool keller = p.AnteilKeller != 0;
    const bool erde = p.AnteilErde != 0;
    for (int a = 1; a <= n; ++a) {
        if (keller)
            summe.WaermeentzugKeller += p.AnteilKeller * p.Zeitschritt *
                                        (p.AnzahlRohre * gKeller *
                                         (e.GitterKeller[a][n + 1] - e.GitterKeller[a][n]) / 1000) /
                                        3600;
        if (erde)
            summe.WaermeentzugErde +=
                p.AnteilErde * p.Zeitschritt *
                (p.AnzahlRohre * gErde * (e.GitterErde[a][n + 1] - e.GitterErde[a][n]) / 1000) /
                3600;
    }
}

} // namespace kov
