#pragma once
// The ground's temperature in the cross-section of a register run at one hour: the undisturbed
// column under the surface plus the disturbance of every pipe, at one axial cell. The run keeps
// no fields; the picture's hour is computed again by running the year to it.

#include "register/lauf.h"

#include <atomic>
#include <vector>

namespace kov {

struct TRegisterQuerschnitt {
    int Stunde = 0;
    int Zelle = 0;             // axial cell, 0 at the inlet
    int Zellen = 0;            // axial cells of the run
    std::vector<double> X;     // m, lateral, 0 in the middle of the row
    std::vector<double> Tiefe; // m below the surface
    std::vector<double> T;     // °C, [tiefe * X.size() + x], NaN inside a pipe
    std::vector<double> RohrX; // m, the pipes' axes
    double RohrTiefe = 0.0;    // m
    double RohrRadius = 0.0;   // m, outside
    double TLuft = 0.0;        // °C, outdoor air of the hour
    double TMin = 0.0, TMax = 0.0;
};

// The register run of p over the weather (and schedule) repeated up to hour stunde (1..8760) of
// its recorded year, and the field at the end of that hour in axial cell zelle (0..cells - 1,
// clamped). hoehe: the site's height as for RegisterLaufRechnen. Throws TParameterFehler for a
// set the register model does not run; empty X when abbruch stopped it.
TRegisterQuerschnitt RegisterQuerschnittRechnen(const TRegisterParameter& p,
                                                const TWetterJahr& wetter,
                                                const TStundenFeld* fahrplan, int stunde, int zelle,
                                                double hoehe = 0.0,
                                                const std::atomic<bool>* abbruch = nullptr);

} // namespace kov
