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
// scratch copy dummy.txt, the project file the parameters came from and, when one is read, the
// schedule and the weather file), links and "./" included. Schedule and weather file are looked
// up in eingabeOrdner when it is given (a project's folder), else in ordner.
std::vector<std::string> LaufPruefen(const TRegisterParameter& p, const std::string& ordner = {},
                                     const TWetterJahr* wetter = nullptr,
                                     const std::string& eingabeOrdner = {},
                                     const std::string& projektDatei = {});

// A file a command reads or writes, with its role in the words of a refusal:
// "Der Bericht (Wer) kov.txt würde die Projektdatei (Wen) p.kov überschreiben."
struct TDateiRolle {
    std::string Wer;  // nominative with article, capitalised
    std::string Wen;  // accusative with article
    std::string Name; // as the user gave it
    std::string Pfad; // where it is, for the comparison
};

// One message for each output that is one of the inputs or an earlier output, compared with
// GleicheDatei. Nothing is written or read.
std::vector<std::string> UeberschreibenPruefen(const std::vector<TDateiRolle>& ausgaben,
                                               const std::vector<TDateiRolle>& eingaben);

// True when the two names reach the same file: lexically, or through links once they exist.
bool GleicheDatei(const std::string& a, const std::string& b);

} // namespace kov
