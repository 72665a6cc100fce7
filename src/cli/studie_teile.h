#pragma once
// What makes a study's table continuable and its parts mergeable: beside every table kov-run
// writes to a file (STUDIE.csv) lies its identity (STUDIE.csv.studie, JSON, written atomically
// before the first line): the program's version, a fingerprint of the study (its columns, its
// varied values, its conditions), one of the base project (its parameters, the weather year
// and the schedule it computes with), the number of variants and which part of the study the
// table holds. Parts are interleaved: part K of N holds the variants K, K+N, K+2N, ... (1-based,
// numbered as in the whole study).

#include "model/modell.h"
#include "model/wetter_jahr.h"
#include "register/variantenstudie.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace kov {

struct TStudienKennung {
    std::string Programm;
    std::string Studie;
    std::string Basis;
    std::size_t Varianten = 0; // of the whole study
    std::size_t Teil = 1;      // 1..Teile
    std::size_t Teile = 1;
};

TStudienKennung StudienKennungBilden(const TStudie& studie, const TWetterJahr& wetter,
                                     const TStundenFeld* fahrplan, std::size_t teil,
                                     std::size_t teile);
std::string KennungsDatei(const std::string& tabelle);
void KennungSchreiben(const std::string& tabelle, const TStudienKennung& kennung);
// Throws TDateiFehler naming the identity's file.
TStudienKennung KennungLesen(const std::string& tabelle);
// What differs between two identities ("eine andere Studie", ...); empty when they are the
// same study and part.
std::string KennungUnterschied(const TStudienKennung& a, const TStudienKennung& b);

// The variants of part teil (1-based) of teile of a study of anzahl variants.
TVariantenFolge TeilFolge(std::size_t anzahl, std::size_t teil, std::size_t teile);

// kov-run --zusammenfuehren TEIL.csv ...: the parts of one study, complete, each once, merged
// into the table of the whole study on aus. A refusal names the part and writes nothing.
int StudieZusammenfuehren(const std::vector<std::string>& teile, std::ostream& aus,
                          std::ostream& fehler);

} // namespace kov
