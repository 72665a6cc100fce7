#pragma once
// What a site weather file held and what its year looks like: the format, the site, how the
// rows were taken over, and the summary figures of the resulting weather year.

#include "model/wetter_jahr.h"

#include <string>

namespace kov {

enum class TWetterFormat {
    Unbekannt,
    Epw,     // EnergyPlus weather file
    Try2011, // DWD test reference year, 2011 generation (columns RG IS MM DD HH N WR WG t p x RF
             // ..)
    Try2015, // DWD test reference year, 2015/2017 generation (RW HW MM DD HH t p WR WG N x RF ..)
    Tabelle  // hourly table: air temperature, optionally relative humidity
};

// The extreme of one year, hour h of the year and its calendar date.
struct TWetterExtrem {
    double Wert = 0.0;   // °C
    int Stunde = 0;      // 1..8760
    int Tag = 0;         // 1..31
    int Monat = 0;       // 1..12
    int TagesStunde = 0; // 1..24, hour 1 = 00:00 to 01:00
};

// Figures of a TWetterJahr; extremes are the first hour that reaches them.
struct TWetterKennwerte {
    double JahresMittel = 0.0; // °C, mean of the 8760 hours
    TWetterExtrem Minimum;
    TWetterExtrem Maximum;
    TMonatsFeld MonatsMittel{};  // °C
    int StundenUnterNull = 0;    // hours with Tein < 0 °C
    double TaupunktMittel = 0.0; // °C, mean of TTaupunkt
};

struct TWetterInfo {
    std::string Datei; // the path as given to the reader
    TWetterFormat Format = TWetterFormat::Unbekannt;
    std::string FormatName; // German, e.g. "EnergyPlus-Wetterdatei (EPW)"

    // site texts in UTF-8, empty where the file gives none
    std::string Ort;         // EPW city, TRY station
    std::string Region;      // EPW state or region, TRY climate region
    std::string Land;        // EPW country
    std::string Wmo;         // WMO station number
    std::string Datenquelle; // EPW source field; TRY kind of year and reference period
    bool HatKoordinaten = false;
    double Breite = 0.0; // degrees, north positive
    double Laenge = 0.0; // degrees, east positive
    bool HatHoehe = false;
    double Hoehe = 0.0; // m above sea level

    // how the rows became the 8760 hours
    int DatenZeilen = 0;            // data rows in the file
    int ZeilenVerworfen = 0;        // rows not taken over: SchalttagZeilen + the TRY copy
    int SchalttagZeilen = 0;        // rows of 29 February dropped
    bool TryKopieVerworfen = false; // a copy of 31 December hour 24 in front of 1 January hour 1
    int StundenErgaenzt = 0;        // hours with at least one missing value filled linearly
    bool HatFeuchte = false; // false: RelFeuchte 10.0 and TTaupunkt 0.0 like the built-in year
    bool TaupunktBerechnet = false; // the dew point was derived, not read

    TWetterKennwerte Kennwerte;
};

// German name of a format.
const char* WetterFormatName(TWetterFormat format);
// Summary figures of a weather year.
TWetterKennwerte WetterKennwerteBerechnen(const TWetterJahr& jahr);
// The summary as German text, several lines each ended by '\n', decimal comma.
std::string WetterInfoText(const TWetterInfo& info);
// Its lines of the figures: annual mean, extremes, hours below 0 °C, the mean dew point when
// the year has humidity, and the monthly means.
std::string WetterKennwerteText(const TWetterKennwerte& kennwerte, bool mitTaupunkt);
// Short name of the site: EPW city and country, TRY station or region, else the file name.
std::string WetterOrtsName(const TWetterInfo& info);

} // namespace kov
