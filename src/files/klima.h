#pragma once
// The built-in climates (model/klima_regionen.h) read like site files: the original test
// reference year is taken out of its region's archive inside the program and read by the
// reader of the DWD files, so a built-in year and the same file on disk give the same year.

#include "files/wetter_info.h"
#include "model/klima_regionen.h"
#include "model/modell.h"
#include "model/wetter_jahr.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

// the source note the Deutscher Wetterdienst's terms ask for wherever its data appear
inline constexpr std::string_view KlimaQuellenHinweis = "Datenbasis: Deutscher Wetterdienst";

// The bytes of the original file of a built-in year. Throws TDateiFehler naming the archive
// entry when the archive cannot be read (a damaged program).
std::string KlimaDateiText(const TKlimaWahl& wahl);

// The year and its summary; info.Datei is the climate's name ("TRY2015-05-Jahr"), info.Ort and
// info.Region the region's station and name, info.Datenquelle ends with the source note.
void KlimaJahrLesen(const TKlimaWahl& wahl, TWetterJahr& jahr, TWetterInfo& info);
// The same for a name as a project or kov-run gives it ("TRY2015-05-Jahr", "5:Wint:2045");
// throws TParameterFehler naming the field Klima for a text that names no built-in climate.
void KlimaJahrLesen(const std::string& klima, TWetterJahr& jahr, TWetterInfo& info);

// The summary figures of one built-in year.
struct TKlimaJahrUebersicht {
    TKlimaWahl Wahl;
    TWetterKennwerte Kennwerte;
};
// Every built-in year, in the order region, period (2015 first), kind (Jahr, Somm, Wint).
std::vector<TKlimaJahrUebersicht> KlimaUebersichtLesen();

// The year of p.Klima when that is the run's weather: nullptr when Klima is empty, names no
// climate or stands beside a WetterDatei (the parameter check refuses both).
std::unique_ptr<TWetterJahr> KlimaWetterLesen(const TRegisterParameter& p, TWetterInfo* info);

// One German line naming a built-in climate with its source note: "Eingebautes Klima
// TRY2045-05-Wint: Region 5 Essen, extremer Winter 2031–2060 (Datenbasis: Deutscher
// Wetterdienst)" (UTF-8); the text itself when it names none.
std::string KlimaBezeichnung(const std::string& klima);

// The value of report line 55 for a run on a built-in climate (ASCII):
// "TRY2015-05-Jahr (Datenbasis: Deutscher Wetterdienst)"; the text itself when it names none.
std::string KlimaBerichtName(const std::string& klima);

} // namespace kov
