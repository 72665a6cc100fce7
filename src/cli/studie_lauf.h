#pragma once
// kov-run's variant study: --variiere NAME=LISTE ... [--jobs N] [--bedingung KENNWERT<=WERT]
// [--berichte ORDNER]; the table goes to stdout as CSV.

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
    std::string Ordner;                   // -C: where the schedule is read
};

// The exit status of kov-run: 2 for a malformed list, an unknown name, a refused variant or too
// many variants (nothing run), 1 for a fault during the study, 0 otherwise.
int StudieAusfuehren(const TRegisterParameter& basis, const TStudienAufruf& aufruf,
                     std::ostream& aus, std::ostream& fehler);

} // namespace kov
