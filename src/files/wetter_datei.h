#pragma once
// Site weather files: an EnergyPlus weather file (EPW), a DWD test reference year (2011 or
// 2015/2017 generation) or an hourly table of air temperature and, optionally, relative
// humidity. The format is recognised by the content, not by the file name.

#include "files/wetter_info.h"
#include "model/wetter_jahr.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kov {

// Reads the weather year of a site file. Faults raise TDateiFehler naming the file and, where
// one is concerned, the line: "File not found" and "File access denied" for a file that cannot
// be opened, a German sentence for anything else (a folder, FIFO or device, a file over the
// size limit, an unknown format, a wrong number of hours, a gap or repeat in the dates, a
// field that is no number, a run of more than 6 missing values). jahr and info are written
// only when the whole file was read.
void WetterDateiLesen(const std::string& pfad, TWetterJahr& jahr, TWetterInfo& info);

// The same from the bytes of a file; dateiName is what the faults and info.Datei carry.
void WetterTextLesen(std::string_view inhalt, const std::string& dateiName, TWetterJahr& jahr,
                     TWetterInfo& info);

} // namespace kov
