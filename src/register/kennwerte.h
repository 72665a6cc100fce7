#pragma once
// Design figures of a finished run: pressure drop and fan, temperature extremes and frost
// hours, heating and cooling per month and the part the limits ask for, condensate and how far
// the settling years went. Read from the series, the totals and the parameter set of the run;
// nothing is simulated again.
//
// Hours counted: energies and the fan electricity over hours 2..8760 of the recorded pass,
// the hours of the yearly totals, so that the monthly values add up to them and the
// Leistungszahl compares like with like; extremes, hour counts, mean temperatures and the
// condensate over all 8760 rows the report shows.
//
// Useful energy: heating in hours when the building wants heat (outdoor air at or below
// Heizgrenze, the heating period) and cooling in hours when it wants cooler air (outdoor air at
// or above Kuehlgrenze, or Komfortgrenze with a ventilation unit, WRG); the rest is unwanted.

#include "register/kontext.h"
#include "register/lueftungsanlage.h"

namespace kov {

// Darcy friction factor of a smooth pipe at Reynolds number Re, continuous in Re:
// 64/Re up to Re = 2300, (1.82 log10 Re - 1.64)^-2 from Re = 10000 on (the factor the
// heat transfer uses), and in between the geometric interpolation in ln Re between the two
// end values, as the Nusselt number is interpolated. 0 for Re <= 0 (no flow, no loss).
double Reibungszahl(double Re);

// Pressure drop of the register at relative flow R, Pa: friction and single losses of one
// pipe run (the pipes are in parallel, each sees the same drop) and the further drop of
// intake, filter and manifolds, which scales with R^2.
struct TDruckverlust {
    double Reynolds = 0.0;
    double Reibungszahl = 0.0;   // Darcy xi
    double Reibung = 0.0;        // xi * L/d * rho w^2/2
    double Einzelverluste = 0.0; // Zeta * rho w^2/2
    double Zusatz = 0.0;         // DruckverlustZusatz * R^2
    double Gesamt = 0.0;
};
// All zero for R <= 0.
TDruckverlust DruckverlustBerechnen(const TRegisterParameter& p, double R);

// Electric power of the fan at relative flow R, W: flow R * Volumenstrom times the register's
// pressure drop over the efficiency of fan and motor.
double Ventilatorleistung(const TRegisterParameter& p, double R);

struct TKennwerte {
    TDruckverlust DruckverlustNenn;       // at nominal flow, Pa
    double Ventilatorleistung = 0.0;      // W at nominal flow
    double Ventilatorenergie = 0.0;       // kWh a year, each running hour at its own flow
    TMonatsFeld VentilatorenergieMonat{}; // kWh, index 1..12
    // useful (heating + cooling) energy / fan electricity; 0 when the fan used nothing, which
    // happens only when the register never ran and so gave nothing either
    double Leistungszahl = 0.0;
    // all heating + cooling energy (the yearly totals) / fan electricity, 0 likewise
    double LeistungszahlBrutto = 0.0;

    // °C and the hour 1..8760 of the first occurrence
    double TausMin = 0.0, TausMax = 0.0, TeinMin = 0.0, TeinMax = 0.0;
    int TausMinStunde = 0, TausMaxStunde = 0, TeinMinStunde = 0, TeinMaxStunde = 0;
    int FrostStundenAussen = 0;       // hours with the inlet below Frostgrenze
    int FrostStundenNachRegister = 0; // running hours with the outlet below Frostgrenze

    double HeizleistungMax = 0.0;          // kW, largest power given to the air
    double KuehlleistungMax = 0.0;         // kW, largest power taken from the air, positive
    TMonatsFeld HeizenergieMonat{};        // kWh, index 1..12
    TMonatsFeld KuehlenergieMonat{};       // kWh
    double HeizenergieNutzbar = 0.0;       // kWh in the heating period
    double KuehlenergieNutzbar = 0.0;      // kWh in hours when cooling is wanted
    double HeizenergieUnerwuenscht = 0.0;  // kWh heating outside the heating period
    double KuehlenergieUnerwuenscht = 0.0; // kWh cooling when none is wanted
    double ErtragJeRohrflaeche = 0.0;      // kWh/m2 a year: useful energy per inner pipe surface
    double ErtragJeRohrmeter = 0.0;        // kWh/m a year: useful energy per metre of pipe

    // Heating period, running hours: efficiency against the undisturbed ground at pipe depth
    // (the month's outer boundary temperature of the ground model), energy-weighted:
    // sum R (Taus - Tein) / sum R (TErde - Tein) over the hours with TErde > Tein; 0 without
    // such hours.
    double WirkungsgradHeizperiode = 0.0;
    // Heating period, hours with flow: the intake after the register and the outdoor air,
    // flow-weighted means, °C (0 without such hours)
    double TausMittelHeizperiode = 0.0;
    double TeinMittelHeizperiode = 0.0;
    int StundenHeizperiode = 0; // h with the outdoor air at or below Heizgrenze

    // Condensate from the weather's humidity: only with humidity data (a weather file); the
    // built-in year carries placeholders and gives none (KondensatBekannt false, figures 0).
    bool KondensatBekannt = false;
    double KondensatJahr = 0.0; // kg
    int KondensatStunden = 0;
    double KondensatMax = 0.0;    // kg/h
    TMonatsFeld KondensatMonat{}; // kg

    // (recorded - last settling pass) / the larger of the two, per energy; 0 when both are 0.
    // Without a settling year the recorded year is compared with nothing: 1 when it has energy.
    double EinschwingAenderungHeizen = 0.0;
    double EinschwingAenderungKuehlen = 0.0;

    // the ventilation unit behind the register, with WRG only
    bool MitAnlage = false;
    TAnlagenKennwerte Anlage;
};

// The figures of the finished run held in k (SimulationRechnen or the classic sequence through
// all passes). Throws std::logic_error when k holds no complete recorded pass.
TKennwerte KennwerteBerechnen(const TKontext& k);

// Part of the hour loop: adds the hour's power to the settling sums when the hour belongs to
// the last settling pass and to the hours the yearly totals cover.
void EinschwingStundeZaehlen(const TRegisterParameter& p, const TSimulationsLauf& lauf,
                             TEinschwingSummen& summen);

} // namespace kov
