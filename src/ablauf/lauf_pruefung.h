#pragma once
// Everything checked before a classic run touches a file: the parameter set with its model
// probe, and the files of the run, which must not be one another.

#include "model/modell.h"
#include "model/wetter_jahr.h"

#include <string>
#include <vector>

namespace kov {

// The messages of ParameterPruefen (with the built-in year or the given weather for the probe),
// then one for each pair of the run's files that is the same file on the disk (the report, the
// scratch copy dummy.txt and, when one is read, the schedule and the weather file), links and
// "./" included. Schedule and weather file are looked up in eingabeOrdner when it is given (a
// project's folder), else in ordner.
std::vector<std::string> LaufPruefen(const TRegisterParameter& p, const std::string& ordner = {},
                                     const TWetterJahr* wetter = nullptr,
                                     const std::string& eingabeOrdner = {});

// True when the two names reach the same file: lexically, or through links once they exist.
bool GleicheDatei(const std::string& a, const std::string& b);

} // namespace kov
