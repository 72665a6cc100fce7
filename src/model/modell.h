#pragma once
// Parameter set, hourly series, yearly totals, run state and working values of one
// earth-register simulation. All of it lives in one TModell; nothing here is global.

#include <array>
#include <cstdint>
#include <string>

namespace kov {

constexpr int StundenImJahr = 8760;

// Scratch copy of the previous report that the weather read-back and the decimal-comma
// rewrite go through; a report must never be given its name.
inline constexpr const char* HilfsDatei = "dummy.txt";

// index 1..12 = January..December, element 0 unused
using TMonatsFeld = std::array<double, 13>;
// index 1..8760 = hour of the year, element 0 = the value before hour 1
using TStundenFeld = std::array<double, StundenImJahr + 1>;

struct TRegisterParameter {
    // pipes and air flow
    std::string Projektname = "Testlauf1";
    double DRohr = 0.1922;           // m, inner diameter of one pipe
    double Rohrlaenge = 50.0;        // m
    double WandstaerkeRohr = 0.0039; // m
    std::int32_t AnzahlRohre = 15;
    double Volumenstrom = 3700.0; // m3/h, whole register
    double Tiefe = 1.0;           // m below the open ground surface
    double SimRadius = 1.2;       // m
    // pressure drop and fan, for the design figures only
    double Zeta = 2.0;                   // single loss coefficients of one pipe run, summed
    double DruckverlustZusatz = 0.0;     // Pa at nominal flow: intake, filter, manifolds
    double Ventilatorwirkungsgrad = 0.5; // fan and motor together

    // material data
    double LambdaErde = 1.5; // W/mK
    double RhoErde = 1400.0; // kg/m3
    double CpErde = 1400.0;  // J/kgK
    double LambdaRohr = 0.35;
    double RhoRohr = 1100.0;
    double CpRohr = 800.0;
    double LambdaLuft = 0.024;
    double RhoLuft = 1.2;
    double CpLuft = 1005.0;
    double ViskositaetLuft = 0.0000145; // m2/s
    double AlphaStillstand = 0.0;       // W/m2K

    // control
    bool Geregelt = true;
    double Kuehlgrenze = 12.0; // °C
    double Heizgrenze = 12.0;  // °C
    double HystereseEin = 0.0; // K, printed only
    double HystereseAus = 0.0; // K, printed only
    double Frostgrenze = 0.0;  // °C, outlet air below it endangers the unit behind the register

    // surroundings: the pipe circumference in three sectors
    double AnteilAdiabat = 0.0;
    double AnteilKeller = 0.0;
    double AnteilErde = 0.0; // derived: 1 - AnteilAdiabat - AnteilKeller, not below 0
    TMonatsFeld KellerTemperatur{};
    double KWertKeller = 0.4; // W/m2K
    double LambdaPlatte = 1.0;
    double CpPlatte = 1400.0;
    double RhoPlatte = 1400.0;
    double TiefeKeller = 1.0;      // m
    double Sonnenerwaermung = 0.8; // K
    bool SpezielleRandbedingung = false;
    TMonatsFeld ErdTemperaturSpeziell{};

    // numerics and monitor point
    std::int32_t AnzahlGitter = 6;
    double Radiusteiler = 12.0;
    double Zeitschritt = 3600.0; // s
    std::int32_t AnzahlSubSchritte = 2;
    std::int32_t Einschwingjahre = 1;
    std::int32_t MonitorAxial = 1;
    std::int32_t MonitorRadial = 2;
    std::int32_t MonitorSektor = 3;

    // data sources and output
    bool EingebautesWetter = true;
    std::string WetterFile = "zurihour.dat";
    // site weather file (EPW, DWD test reference year, hourly table); empty: the year above
    std::string WetterDatei;
    std::string OutputFile = "kov.txt";
    bool FahrplanGelesen = false;
    std::string FahrplanFile = "wplaufz1.txt";
    std::string Land = "CH";

    // the ventilation unit behind the register, operating times and control mode; the defaults
    // leave the classic run as it is
    bool WRG = false;               // a ventilation unit with heat recovery takes the air
    double WRGWirkungsgrad = 0.80;  // temperature efficiency of the heat recovery, supply side
    double WRGFrostgrenze = -3.0;   // °C, intake below it needs the unit's frost protection
    double Ablufttemperatur = 21.0; // °C, extract air entering the heat recovery
    double ZuluftSoll = 18.0;       // °C, supply the building wants in the heating period
    double Komfortgrenze = 24.0;    // °C, supply above it is too warm for the rooms
    bool WRGSommerBypass = true;    // heat recovery bypassed outside the heating period
    // weekly schedule of the relative flow ("Mo-Fr 7-18; Sa 8-12 50%"); empty: none
    std::string Betriebszeiten;
    // "klassisch": the release limits; "bedarf": runs only when it moves the intake toward
    // what the building wants
    std::string Regelung = "klassisch";
    // built-in climate ("TRY2015-05-Jahr", model/klima_regionen.h); empty: none
    std::string Klima;
    // the ground model: "klassisch" (one pipe in radial rings) or "register" (the row of pipes
    // in the half-space under the surface, with the air's moisture)
    std::string Modell = "klassisch";
    double Rohrabstand = 1.0;       // m between the axes of neighbouring pipes
    double AlphaOberflaeche = 15.0; // W/m2K, ground surface to outdoor air
    // costs and annuity; every default is an assumption the planner has to check
    // inner diameter m : price EUR per metre of pipe laid, pairs by growing diameter
    std::string Rohrpreise = "0.1:25;0.15:35;0.2:50;0.3:90;0.4:140";
    double Aushubpreis = 40.0;               // EUR/m3 of trench: dig, bed, backfill, compact
    double Fixkosten = 8000.0;               // EUR: manifolds, intake, condensate drain
    double Wartungsanteil = 0.015;           // share of the investment a year
    std::int32_t Nutzungsdauer = 50;         // a, of the register
    double Zinssatz = 0.03;                  // 1/a
    std::int32_t Betrachtungszeitraum = 20;  // a
    double PreisaenderungInvestition = 1.02; // price-change factor a year of replacements
    double PreisaenderungBetrieb = 1.02;     // of maintenance
    double PreisaenderungEnergie = 1.03;     // of heat, cooling and electricity
    double Waermepreis = 0.10;               // EUR per kWh of heat
    double Strompreis = 0.30;                // EUR per kWh of electricity
    double Kaeltepreis = 0.10;               // EUR per kWh of cooling
    double CO2FaktorWaerme = 0.24;           // kg CO2 per kWh of heat of the heat source
    double CO2FaktorStrom = 0.38;            // kg CO2 per kWh of electricity

    // limits of the design check, from common practice
    double MaxGeschwindigkeit = 3.0;  // m/s at nominal flow
    double DruckverlustBudget = 50.0; // Pa at nominal flow
    double FrostfreieTiefe = 0.8;     // m
    double MindestRohrabstand = 1.0;  // m
    double MindestReynolds = 2300.0;  // at the lowest flow of the schedule
};

struct TStundenReihen {
    TStundenFeld Tein{};            // °C, outdoor air = register inlet
    TStundenFeld Taus{};            // °C, register outlet
    TStundenFeld RelVolumenstrom{}; // 1 = nominal flow
    TStundenFeld RelFeuchte{};
    TStundenFeld TTaupunkt{}; // °C
    TStundenFeld TMonitor{};  // °C
    TStundenFeld Betrieb{};   // 1.0 running, 0.0 stopped
    // the weather's air pressure, hPa; 0 where it gives none
    TStundenFeld Luftdruck{};
    // humidity and dew point are the weather's own (false: the built-in year's placeholders or
    // a read-back report)
    bool MitFeuchte = false;
    // kg/h of condensate the run's own moisture balance gave (the register model); without it
    // (KondensatGerechnet false) the report's column takes the classic formula
    bool KondensatGerechnet = false;
    TStundenFeld KondensatLauf{};
};

struct TJahresErgebnis { // kWh
    double WaermeentzugKeller = 0.0;
    double WaermeentzugErde = 0.0;
    double Kuehlenergie = 0.0;
    double Heizenergie = 0.0;
};

struct TSimulationsLauf {
    std::int32_t Stunde = 0;
    std::int32_t Monat = 0;
    std::int32_t Durchlauf = 0;
    bool Einschwingen = false;
    bool InBetrieb = false;
    double TEinAktuell = 0.0; // °C
    double TAusAktuell = 0.0; // °C
    double Alpha = 0.0;       // W/m2K
    double KZelle = 0.0;      // W/K
    double Leistung = 0.0;    // kW
};

// Values of the current run derived from the weather and the parameter set; the report header
// prints the first four beside the inputs.
struct TArbeitswerte {
    double Stroemungsgeschwindigkeit = 0.0; // m/s in one pipe at nominal flow
    double Gitterfaktor = 0.0;              // growth of the ring widths of the radial grid
    double MonitorAchsAbstand = 0.0;        // m from the pipe axis
    double MonitorAbstandEinlass = 0.0;     // m from the inlet
    double JahresMittelTemperatur = 0.0;
    TMonatsFeld MittelTemperaturMonat{};
    TMonatsFeld ErdTemperaturMonat{};
    double StartTemperatur = 0.0;
    double Zellenlaenge = 0.0;   // m
    double SubZeitschritt = 0.0; // s
};

struct TModell {
    TRegisterParameter Parameter;
    TStundenReihen Reihen;
    TJahresErgebnis Ergebnis;
    TSimulationsLauf Lauf;
    TArbeitswerte Werte;
};

// Defaults of every field and AnteilErde. (StandardwerteSetzen, which also puts the built-in
// weather year into the series, belongs to the I/O layer that holds that year.)
void ParameterStandardwerteSetzen(TRegisterParameter& p);
// Mean air velocity in one pipe at nominal flow, m/s (pi taken as 3.14159, like every model
// formula).
double StroemungsGeschwindigkeit(const TRegisterParameter& p);
// 1 - AnteilAdiabat - AnteilKeller, not below 0
void AnteilErdeBerechnen(TRegisterParameter& p);

} // namespace kov
