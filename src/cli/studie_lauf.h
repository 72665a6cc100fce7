#pragma once
// kov-run's variant study: --variiere NAME=LISTE ... [--jobs N] [--bedingung KENNWERT<=WERT]
// [--berichte ORDNER] [--aus DATEI | --fortsetzen DATEI] [--teil K/N] [--still]; the table goes
// to stdout or to the file as CSV, its lines as their variants finish.

#include "ablauf/lauf_daten.h"
#include "model/modell.h"

#include <cstddef>
#include <functional>
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
    std::string Aus;                      // the table's file; empty: stdout
    bool Fortsetzen = false;              // continue the table in Aus where it ends
    std::size_t Teil = 1;                 // --teil K/N: K, 1-based
    std::size_t Teile = 1;
    bool Fortschritt = false; // variants done, rate and time left on the error stream
    // Asked after each line of the table with the number of lines so far; true stops the study
    // there, as an interruption would.
    std::function<bool(std::size_t zeilen)> Anhalten;
};

// The exit status of kov-run: 2 for a malformed list, an unknown name, a refused variant or too
// many variants (nothing run), 1 for an input file that cannot be read (nothing run, as for a
// single run), a fault during the study or a study stopped before its end, 0 otherwise. The study
// computes with the weather and schedule the base project names, read once and shared by every
// variant.
int StudieAusfuehren(const TRegisterParameter& basis, const TStudienAufruf& aufruf,
                     std::ostream& aus, std::ostream& fehler);

} // namespace kov
