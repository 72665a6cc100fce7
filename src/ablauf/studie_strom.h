#pragma once
// A study's table written as its lines come, so a study of any size holds only the lines still
// waiting for their turn and the current Pareto fronts. The file is appended line by line, not
// written atomically: a study cut short leaves its finished lines, from which it can be
// continued. The marks of the fronts are known only at the end; every line is written with "0"
// in their places and the members' marks are set to "1" in place at the end (one byte each).
// Without a file of the user's, the lines go to an unnamed temporary file (in $TMPDIR, else
// /tmp) and are copied to the output once the marks are set.

#include "register/variantenstudie.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

class TStudienStrom {
public:
    // A new table in ziel (replacing what is there) starting with kopf; an empty ziel spools.
    TStudienStrom(const std::string& ziel, std::string_view kopf);
    // Continues the table in ziel after its first behalten bytes (the header and the lines
    // already read); what follows them (a cut line) is cut off.
    TStudienStrom(const std::string& ziel, std::uint64_t behalten);
    ~TStudienStrom();
    TStudienStrom(const TStudienStrom&) = delete;
    TStudienStrom& operator=(const TStudienStrom&) = delete;

    // The next line of the table, "\n" included; its marks are written as "0". fronten: the
    // fronts after this line's variant entered them.
    void ZeileSchreiben(std::size_t nummer, std::string_view zeile,
                        const std::vector<TParetoFront>& fronten);
    // A line already in the file that ends at byte ende: its marks are reset to "0".
    void ZeileUebernehmen(std::size_t nummer, std::string_view zeile, std::uint64_t ende,
                          const std::vector<TParetoFront>& fronten);
    // Hands the lines written so far to the file (a study cut short keeps them).
    void Sichern();
    // Sets the marks of the fronts' members, syncs the file; a spooled table is copied to aus.
    void Abschliessen(const std::vector<TParetoFront>& fronten, std::ostream* aus);

private:
    void Merken(std::size_t nummer, std::uint64_t ende, const std::vector<TParetoFront>& fronten);
    void Setzen(std::uint64_t stelle, char zeichen);
    [[noreturn]] void Fehler(int nummer) const;

    std::string Name; // for messages; empty when spooled
    int Deskriptor = -1;
    std::string Puffer;
    std::uint64_t Laenge = 0;                   // bytes of the table, the buffer included
    std::map<std::size_t, std::uint64_t> Enden; // where the lines of the front's members end
    std::size_t Grenze = 64;                    // when to drop the ends of former members
};

// The columns of a study's table that its fronts are rebuilt from when the table is read back
// (continuing a study, merging its parts).
struct TZeilenWerte {
    std::size_t Nummer = 0; // 0-based
    std::vector<double> Kosten;
    double Energie = 0.0;
    bool Zulaessig = true;
};

class TStudienSpalten {
public:
    // The header line (without "\n"); false when it lacks a column the fronts need.
    bool KopfLesen(std::string_view kopf);
    // A data line (without "\n"); false when it cannot be read.
    bool ZeileLesen(std::string_view zeile, TZeilenWerte& werte) const;

private:
    std::vector<std::size_t> KostenSpalten;
    std::size_t EnergieSpalte = 0;
    std::size_t VerletztSpalte = 0;
    std::size_t Spalten = 0;
};

} // namespace kov
