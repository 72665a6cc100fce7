#pragma once
// Data of the register model: its resolution, the state of a run and what it reports beyond the
// classic series and totals.

#include "ground/register_erdreich.h"
#include "model/modell.h"

#include <vector>

namespace kov {

struct TRegisterAufloesung {
    TErdreichAufloesung Erdreich;
    int AxialZellen = 10; // along each pipe, each with the exact exponential of the air
    int SubSchritte = 1;  // per hour
    // settling ends when heating and cooling energy change by less than this from one year to
    // the next, or after the most years
    double EinschwingGrenze = 0.001;
    int MaxEinschwingjahre = 10;
    // > 0: the classic model's problem instead of the register's, for checking the numerics
    // against the classic fine-grid reference: every pipe alone in soil whose circle of this
    // radius (m, from the axis) is held at the classic monthly undisturbed temperature, the air
    // dry with the fixed density RhoLuft and CpLuft
    double Ringradius = 0.0;
    // 1..8760: the modes at the end of this hour of every pass are kept in
    // TRegisterZustand::ModenStunde, for the picture of the ground at that hour
    int FeldStunde = 0;
};

struct TRegisterErgebnis {
    bool Gerechnet = false;
    int Einschwingjahre = 0;   // settling years used before the recorded year
    int VerschiedeneRohre = 0; // pipes computed: one of each mirror pair, and the middle one
    TRegisterAufloesung Aufloesung;
    TStundenFeld TausRandrohr{};      // °C, outlet of the first pipe of the row
    TStundenFeld TausMittelrohr{};    // °C, outlet of the middle pipe
    TStundenFeld TUngestoert{};       // °C, undisturbed ground at the depth of the axes, hour mean
    TStundenFeld Kondensat{};         // kg/h of the whole register
    TMonatsFeld KondensatMonat{};     // kg
    double KondensatJahr = 0.0;       // kg
    double Heizenergie = 0.0;         // kWh sensible heat given to the air
    double Kuehlenergie = 0.0;        // kWh sensible heat taken from the air, positive
    double LatenteEnergie = 0.0;      // kWh released by the condensate (wall and mist)
    double LatentWand = 0.0;          // kWh of it into the pipe walls
    double WaermeInsErdreich = 0.0;   // kWh through the pipe walls into the ground, net
    double EnthalpieAbgabeLuft = 0.0; // kWh the moist air gave off between inlet and outlet, net
    double TausMin = 0.0;             // °C, lowest hourly outlet of the register while running
    double EinschwingAenderung = 0.0; // relative change of the energies in the recorded year
    double HeizenergieAb2 = 0.0;      // kWh, hours 2..8760 as the classic yearly totals count
    double KuehlenergieAb2 = 0.0;     // kWh, the same
    bool Feuchtedaten = false;        // false: "keine Feuchtedaten", no condensate
    double Luftdruck = 0.0;           // Pa used for the air's density
    double Hoehe = 0.0;               // m above sea level the pressure was taken for
};

// What a register run keeps between hours; sized at the start of a run, never in the hour loop.
struct TRegisterZustand {
    int N = 0;                          // pipes
    int P = 0;                          // distinct pipes
    int K = 0;                          // modes
    int M = 0;                          // axial cells
    int S = 1;                          // sub-steps
    double Zellenlaenge = 0.0;          // m
    double WandWiderstand = 0.0;        // mK/W, pipe wall per metre
    std::vector<double> Abkling;        // [K] e^(-lambda dt) of a sub-step
    std::vector<double> AbklingRuhe;    // [K] e^(-lambda 3600) of an hour without flow
    std::vector<double> JahresAbkling;  // [K] e^(-lambda year)
    std::vector<double> Mittel;         // [K] (1 - e) / (lambda dt): hour mean of a free decay
    std::vector<double> Zuwachs;        // [K] (1 - e) / lambda * input: a step's gain per W/m
    std::vector<double> Kopplung;       // [P][P][K] mode k of pipe class j at the wall of pipe i
    std::vector<double> Antwort;        // [P][P] mean wall response to fluxes held over a step
    std::vector<double> Gewicht;        // [P] pipes of a class: 2 for a mirror pair, 1 middle
    std::vector<double> KopplungMittel; // [P][P][K] Kopplung times the mode's Mittel
    std::vector<double> Moden;          // [P][K][M]: the axial cells innermost
    std::vector<double> ModenJahresanfang;
    std::vector<double> ModenStunde; // the modes at the end of TRegisterAufloesung::FeldStunde
    // work of the hour loop
    std::vector<double> Frei, Fluss, TEin, XEin, TWand, Matrix, Rechts, Rest;
    std::vector<int> Pivot;
    // the walls' resistance matrix B = Antwort + WandWiderstand I is G^-1/2 U L U^T G^1/2 with G
    // the class weights, so (I + W B)^-1 = Links diag(1 / (1 + W L)) Rechts for every hour's W
    std::vector<double> EigenWerte;    // [P] L
    std::vector<double> EigenLinks;    // [P][P] G^-1/2 U
    std::vector<double> EigenRechts;   // [P][P] U^T G^1/2
    std::vector<double> EigenHilfe;    // [P][P] work of the hour
    std::vector<double> InverseStunde; // (I + W B)^-1 of the hour's dry coupling
    std::vector<double> FreiAlle;      // [P][M] free part of the walls of a step
    std::vector<double> FlussAlle;     // [P][M] W/m into the ground over a step
};

} // namespace kov
