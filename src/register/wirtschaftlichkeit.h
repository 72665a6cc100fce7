#pragma once
// Costs of a register and its annuity by the annuity method of VDI 2067 Blatt 1: investment
// from pipe metres, trench and fixed costs; capital-, operation- and demand-related annuities
// and the annuity of the proceeds over the observation period, replacements and residual
// value included; net annual benefit, dynamic payback, cost per useful kWh and CO2 saved.
// Money in EUR, energies in kWh a year. Method and a worked example: docs/wirtschaftlichkeit.md.

#include "model/modell.h"
#include "register/kennwerte.h"

#include <string>
#include <string_view>
#include <vector>

namespace kov {

// One point of the price table: inner diameter, m, and price per metre of pipe laid, EUR/m.
struct TRohrpreis {
    double Durchmesser = 0.0;
    double Preis = 0.0;
};

// "0.1:25;0.15:35" into its points. Throws TParameterFehler naming the fault when the text is
// not one or more pairs of finite numbers, diameters > 0 and growing, prices >= 0.
std::vector<TRohrpreis> RohrpreiseLesen(std::string_view text);
// The fault of a price table as the end of a German sentence ("muss ..."), "" when it reads.
std::string RohrpreiseVerstoss(std::string_view text);
// Price per metre at inner diameter d: linear between the points, the price of the nearest
// end outside them (ausserhalb then true).
double RohrpreisBei(const std::vector<TRohrpreis>& preise, double d, bool* ausserhalb = nullptr);

// What the register gives and uses in a year, kWh. Useful energies are those that replace
// heat and cooling the building would otherwise buy.
struct TEnergieJahr {
    double Nutzwaerme = 0.0;
    double Nutzkaelte = 0.0;
    double Ventilatorstrom = 0.0;
};
// From the design figures: heating and cooling in the hours the limits ask for, and the fan.
TEnergieJahr EnergieAusKennwerten(const TKennwerte& kw);

// Capital recovery factor a = q^T (q - 1) / (q^T - 1); 1/T at q = 1.
double Annuitaetsfaktor(double q, int T);
// Price-dynamic cash-value factor b = (1 - (r/q)^T) / (q - r); T/q at r = q.
double Barwertfaktor(double r, double q, int T);

struct TWirtschaftlichkeit {
    double Rohrmeter = 0.0;           // m, all pipes
    double Rohrpreis = 0.0;           // EUR/m at the pipes' inner diameter
    bool RohrpreisAusserhalb = false; // the diameter lies outside the price table
    double Rohrkosten = 0.0;          // EUR
    double Grabenbreite = 0.0;        // m: AnzahlRohre * Rohrabstand
    double Grabentiefe = 0.0;         // m: Tiefe + DRohr/2 + WandstaerkeRohr
    double Grabenvolumen = 0.0;       // m3
    double Grabenkosten = 0.0;        // EUR
    double Fixkosten = 0.0;           // EUR
    double Investition = 0.0;         // EUR, A0

    double Zinsfaktor = 0.0;           // q = 1 + Zinssatz
    double Annuitaetsfaktor = 0.0;     // a, 1/a
    int Ersatzbeschaffungen = 0;       // n within the observation period
    double ErsatzBarwert = 0.0;        // EUR, cash value of all replacements
    double Restwert = 0.0;             // EUR, cash value of the residual value
    double BarwertfaktorBetrieb = 0.0; // b of maintenance, a
    double BarwertfaktorEnergie = 0.0; // b of energy prices, a

    double AnnuitaetKapital = 0.0; // EUR/a
    double AnnuitaetBetrieb = 0.0; // EUR/a, maintenance
    double AnnuitaetEnergie = 0.0; // EUR/a, fan electricity
    double AnnuitaetErloese = 0.0; // EUR/a, heat and cooling saved
    double Annuitaet = 0.0;        // EUR/a, the costs: capital + operation + energy
    double Nettonutzen = 0.0;      // EUR/a, proceeds - costs
    // years until the discounted cash flows have paid the investment back, the first time;
    // Amortisiert false (and Amortisationszeit 0) when that takes more than MaxAmortisation
    bool Amortisiert = false;
    double Amortisationszeit = 0.0;
    // EUR per kWh of useful heating and cooling; 0 and JeKwhDefiniert false without any
    bool JeKwhDefiniert = false;
    double KostenJeKwh = 0.0;
    // kg a year: heat saved times its factor minus the fan's electricity times its factor
    double CO2Einsparung = 0.0;
};

inline constexpr int MaxAmortisation = 100; // a, the payback is looked for this far

// Needs a set that passed ParameterPruefen (a readable price table); throws TParameterFehler
// for an unreadable one.
TWirtschaftlichkeit WirtschaftlichkeitBerechnen(const TRegisterParameter& p, const TEnergieJahr& e);

} // namespace kov
