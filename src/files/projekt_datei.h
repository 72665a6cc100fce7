#pragma once
// Project files (.kov): one design's parameter set as JSON, so that a planner can come back to
// it. A format name and version, then every settable field of the catalogue under its name in
// the catalogue's order, month fields as arrays of 12 numbers (January to December), two-space
// indent, numbers in the shortest form that reads back to the same double: two saves of one
// project are the same bytes, and a diff of two projects reads field by field.
//
// The names of the run's input files (the catalogue's fields of TBereichsArt::Datei: schedule
// and weather file) stand in the file relative to the project file, so that a project moves
// with its files.

#include "model/modell.h"

#include <string>
#include <string_view>

namespace kov {

inline constexpr std::string_view ProjektFormatName = "KOV-Projekt";
inline constexpr int ProjektVersion = 1;
inline constexpr std::string_view ProjektEndung = ".kov";

// The folder of a project file: its parent, "" for a bare file name (the working directory).
std::string ProjektOrdner(const std::string& datei);

// A file name that is relative to vonOrdner, made relative to nachOrdner (folders as given,
// "" for the working directory); an absolute name is made relative too, an empty one stays.
std::string PfadUmsetzen(const std::string& name, const std::string& vonOrdner,
                         const std::string& nachOrdner);
// The same for every input file name of p.
void EingabePfadeUmsetzen(TRegisterParameter& p, const std::string& vonOrdner,
                          const std::string& nachOrdner);

// The text of the project file datei for p, whose relative input file names are taken
// relative to basisOrdner. Throws TDateiFehler naming the field for a number that is not
// finite or a text that is not UTF-8: such a set is never written.
std::string ProjektText(const TRegisterParameter& p, const std::string& basisOrdner,
                        const std::string& datei);
// Writes the project file atomically: on a fault (TDateiFehler) the old file is whole.
void ProjektSpeichern(const std::string& datei, const TRegisterParameter& p,
                      const std::string& basisOrdner = {});

// The parameter set of a project file: the defaults, then every field the file holds, then the
// derived fields. Input file names stay as the file has them, relative to ProjektOrdner(datei).
// A file that is not a KOV project, comes from a newer version, is no valid JSON, holds an
// unknown or repeated key, a value of the wrong type or outside its field's range is refused
// with a TDateiFehler naming the key and the line (and for JSON the column).
TRegisterParameter ProjektLesen(const std::string& datei);
// The same from the bytes of a file; datei is what the faults name.
TRegisterParameter ProjektTextLesen(std::string_view text, const std::string& datei);

} // namespace kov
