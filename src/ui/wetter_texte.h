#pragma once
// The weather summary as the core writes it (German, decimal comma: "Jahresmittel: 10,36 °C")
// in the interface's language and a locale's number form, for the weather file's question, the
// climate picker and the design report. Line by line, "Name: Wert" stays "Name: Wert", so that the
// report can still take the lines apart; names of sites, stations and files stay as the file has
// them, and so does the weather service's attribution. In German the text comes back as it was.

#include "model/klima_regionen.h"

#include <QLocale>
#include <QString>

#include <span>
#include <string>

namespace kov {

// The whole summary; ort gives the numbers' form and the date of an extreme.
QString WetterText(const std::string& deutsch, const QLocale& ort);
// The name of one summary line ("Datei", "Jahresmittel") as WetterText writes it.
QString WetterAngabeName(const char* deutsch);

// How the run names its weather: "Wetterdatei Essen (essen.dat)", "Eingebautes Klima
// TRY2015-05-Jahr: Region 5 Essen, mittleres Jahr 1995–2012 (Datenbasis: ...)".
QString WetterBezeichnungText(const std::string& deutsch);
QString KlimaBeschreibungText(const TKlimaWahl& wahl);
// A climate as text ("5:Wint:2045"); an unreadable one comes back as it is.
QString KlimaBezeichnungText(const std::string& klima);

// Every fixed text the summary is built from, for a test that each has its English form.
std::span<const char* const> WetterQuelltexte();

} // namespace kov
