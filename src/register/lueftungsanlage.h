#pragma once
// The ventilation unit behind the register and what the register changes there: the unit takes
// the register's outlet air (or, without a register, the outdoor air), protects its heat
// recovery from frost with a preheater, recovers heat from the extract air and, in the heating
// period, heats the supply up to what the building wants. Every hour is computed twice, with the
// register's outlet and with the outdoor air as intake; the difference is the register's benefit
// in the building. Read from a finished run's series; nothing is simulated again.
//
// Heating period: the hours whose outdoor air is at or below Heizgrenze. Cooling is wanted in
// hours whose outdoor air is at or above the comfort limit (Komfortgrenze with the unit,
// Kuehlgrenze without). All 8760 hours count, each at its relative flow; an hour without flow
// (operating times, schedule) is an hour the unit is off.

#include "model/modell.h"

#include <string>
#include <vector>

namespace kov {

// What the parameter check says about the operating times, the control mode and the unit: one
// German sentence per fault naming the field, none for a set that can run.
std::vector<std::string> AnlagenParameterPruefen(const TRegisterParameter& p);

// The building wants heat in an hour with outdoor air tAussen: the heating period.
bool WaermeGewuenscht(const TRegisterParameter& p, double tAussen);
// The building wants cooler air: tAussen at or above Komfortgrenze (WRG) or Kuehlgrenze.
bool KuehlungGewuenscht(const TRegisterParameter& p, double tAussen);

// One hour of the unit for the intake temperature ansaug.
struct TAnlagenStunde {
    double Ansaug = 0.0;      // °C, intake: register outlet or outdoor air
    bool Frostschutz = false; // intake below WRGFrostgrenze
    double Vorheizung = 0.0;  // K the preheater lifts the intake, up to WRGFrostgrenze
    bool WRGUmgangen = false; // summer bypass fully open: the supply skips the recovery
    double NachWRG = 0.0;     // °C, supply after preheater and heat recovery
    double Nachheizung = 0.0; // K up to ZuluftSoll, heating period only
    double Zuluft = 0.0;      // °C, supply into the rooms after the reheater
};
// heizperiode: the hour belongs to the heating period (WaermeGewuenscht of the outdoor air).
// Supply after heat recovery: t + WRGWirkungsgrad * (Ablufttemperatur - t), t the preheated
// intake. Outside the heating period with WRGSommerBypass the bypass is fully open for t at or
// above ZuluftSoll (the supply is t) and below it modulates so that the supply is the recovered
// temperature but at most ZuluftSoll: no heat recovery into a summer that needs none, no supply
// colder than the building wants on a cool day outside the heating period.
TAnlagenStunde AnlagenStundeRechnen(const TRegisterParameter& p, double ansaug, bool heizperiode);

// Heat of an air temperature change dT at relative flow R over one time step, kWh: the classic
// run's air constants (RhoLuft, CpLuft, nominal Volumenstrom).
double LuftEnergie(const TRegisterParameter& p, double dT, double R);

// The unit's figures for one intake (with or without the register).
struct TAnlagenSeite {
    int FrostschutzStunden = 0;     // h with the intake below WRGFrostgrenze and air flowing
    double Vorheizenergie = 0.0;    // kWh, preheater (frost protection)
    double Nachheizenergie = 0.0;   // kWh, reheater up to ZuluftSoll in the heating period
    double ZuluftNachWRGMin = 0.0;  // °C, lowest supply after heat recovery, hours with flow
    int ZuluftNachWRGMinStunde = 0; // its hour 1..8760, 0 when no hour had flow
    double ZuluftSommerMax = 0.0;   // °C, highest supply outside the heating period
    int ZuluftSommerMaxStunde = 0;  // its hour, 0 when no such hour had flow
    int StundenUeberKomfort = 0;    // h with the supply above Komfortgrenze
    TMonatsFeld FrostschutzStundenMonat{}; // h, index 1..12
    TMonatsFeld VorheizenergieMonat{};     // kWh
};

struct TAnlagenKennwerte {
    TAnlagenSeite OhneRegister;         // the unit drawing outdoor air directly
    TAnlagenSeite MitRegister;          // the unit drawing the register's outlet air
    int FrostschutzStundenGespart = 0;  // h, without - with
    double VorheizenergieGespart = 0.0; // kWh, without - with
    // heat the building's heaters (preheater and reheater) need less, kWh: what is left of the
    // register's heating after heat recovery
    double WaermeErspartGebaeude = 0.0;
    // cooling the register delivers in hours whose supply without it would be above
    // Komfortgrenze: the supply cooled from there, each hour at its flow, kWh
    double KuehlungUeberKomfort = 0.0;
};

// The figures of a finished run's series r with the unit's parameters of p.
TAnlagenKennwerte LueftungsanlageRechnen(const TRegisterParameter& p, const TStundenReihen& r);

// The supply temperature of every hour after heat recovery with and without the register
// (element 0 unused); an hour without flow carries its intake.
void ZuluftReihenRechnen(const TRegisterParameter& p, const TStundenReihen& r,
                         TStundenFeld& mitRegister, TStundenFeld& ohneRegister);

} // namespace kov
