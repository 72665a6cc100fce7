#pragma once
// Reads numbers from a text file the way every input file of the system is read: characters
// up to code 32 are skipped (line ends included), the next run of at most 64 characters up
// to such a character is one number, the end of the file (or a byte 26) gives 0 without an
// error, and moving to the next line discards the rest of the current one.

#include <cstddef>
#include <string>

namespace kov {

class TZahlLeser {
public:
    // Reads the whole file and closes it again; throws TDateiFehler when it cannot be read.
    explicit TZahlLeser(const std::string& dateiName);

    // The next number; 0 at the end of the file; TDateiFehler("Invalid numeric input") for a
    // token that is not a number.
    double ZahlLesen();
    // Discards the rest of the current line including its line end.
    void ZeileUeberspringen();
    bool Dateiende() const { return Pos >= Inhalt.size(); }

private:
    std::string Inhalt;
    std::size_t Pos = 0;
};

// The whole content of a file as bytes; throws TDateiFehler.
std::string DateiLesen(const std::string& dateiName);
// A number token of the text files: optional sign, digits with an optional decimal point,
// optional exponent. Returns false for anything else.
bool ZahlUmwandeln(const char* anfang, const char* ende, double& wert);

} // namespace kov
