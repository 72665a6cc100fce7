#pragma once
// Reads numbers from a text file the way every input file of the system is read: characters
// up to code 32 are skipped (line ends included), the next run of characters up to such a
// character is one number (at most 64 characters), the end of the file (or a byte 26) gives 0
// without an error, and moving to the next line discards the rest of the current one. A control
// character other than a blank or a line end right before or after a number is refused.

#include <cstddef>
#include <string>
#include <string_view>

namespace kov {

class TZahlLeser {
public:
    // Reads the whole file (a regular file within the size limit) and closes it again; throws
    // TDateiFehler when it cannot be read.
    explicit TZahlLeser(const std::string& dateiName);
    // The same on text already in memory; dateiName is what faults name.
    TZahlLeser(const std::string& dateiName, std::string inhalt);

    // The next number; 0 at the end of the file; TDateiFehler("Invalid numeric input", file,
    // line) for a token that is not a number or is longer than 64 characters.
    double ZahlLesen();
    // Discards the rest of the current line including its line end.
    void ZeileUeberspringen();
    // Skips to the next number; false when only separators are left.
    bool NochEineZahl();
    bool Dateiende() const { return Pos >= Inhalt.size(); }
    // The whole line of the reading position, without its line end.
    std::string_view AktuelleZeile() const;
    // line of the reading position, from 1
    long Zeile() const { return ZeilenNummer; }
    const std::string& Datei() const { return Name; }

private:
    void ZeilenendeUeberspringen();

    std::string Name;
    std::string Inhalt;
    std::size_t Pos = 0;
    std::size_t ZeilenAnfang = 0;
    long ZeilenNummer = 1;
};

enum class TZahlErgebnis { Zahl, KeineZahl, AusserhalbBereich };
// A number token of the text files: optional sign, digits with an optional decimal point,
// optional exponent. AusserhalbBereich for a number too large or too small for a double.
TZahlErgebnis ZahlPruefen(const char* anfang, const char* ende, double& wert);
// true exactly when ZahlPruefen gives a number
bool ZahlUmwandeln(const char* anfang, const char* ende, double& wert);

} // namespace kov
