#pragma once
// kov-run's variant study: --variiere NAME=LISTE ... [--jobs N] [--bedingung KENNWERT<=WERT]
// [--berichte ORDNER]; the table goes to stdout as CSV.

#include "ablauf/lauf_daten.h"
#include "model/modell.h"

#include <ostream>
#include <string>
#include <vector>

namespace kov {

struct TStudienAufruf {
    std::vector<std::string> Variationen; // NAME=LISTE
    std::vector<std::string> Bedingungen; // KENNWERT<=WERT, KENNWERT>=WERT
    unsigned Faeden = 0;                  // 0: one per core
    std::string Berichte;                 // a folder for one report per variant; empty: none
    TLaufOrte Orte;                       // -C and the project's folder, as for a single run
    std::string Speichern;                // --speichern: the study's base project, after the study
};

// The exit status of kov-run: 2 for a malformed list, an unknown name, a refused variant or too
// many variants (nothing run), 1 for an input file that cannot be read (nothing run, as for a
// single run) or a fault during the study, 0 otherwise. The study computes with the weather and
// schedule the base project names, read once and shared by every variant.
int StudieAusfuehren(const TRegisterParameter& basis, const TStudienAufruf& aufruf,
                     std::ostream& aus, std::ostream& fehler);

} // namespace kov
