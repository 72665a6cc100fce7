#pragma once
// Parts the site weather readers share (not for use outside them): the lines and fields of a
// text, numbers with a message naming line and field, the hourly columns a reader collects
// with their date order, and the filling of short runs of missing values.

#include "files/wetter_info.h"
#include "model/wetter_jahr.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace kov {

// longest run of missing hours that is bridged linearly
inline constexpr int LueckeHoechstens = 6;

// The bytes of one weather file and the name its faults carry.
struct TWetterText {
    std::string_view Inhalt;
    const std::string& Datei;
};

struct TZeile {
    std::string_view Text; // without the line end
    long Nummer = 0;       // 1-based
};

// The lines of a text one after the other; LF or CR LF ends a line.
class TZeilenFolge {
public:
    explicit TZeilenFolge(std::string_view inhalt) : Rest(inhalt) {}
    bool Naechste(TZeile& zeile);

private:
    std::string_view Rest;
    long Nummer = 0;
};

// One field of a row as the messages name it: "Feld 7 (Lufttemperatur)".
struct TFeld {
    int Nummer = 0; // 1-based
    const char* Name = "";
};

[[noreturn]] void WetterFehler(const TWetterText& text, long zeile, const std::string& meldung);
std::string FeldText(const TFeld& feld);

std::string_view Getrimmt(std::string_view text);
bool IstLeer(std::string_view text);
// Splits at every trenner; returns the number of fields, of which the first felder.size() are
// stored (trimmed of blanks and tabs).
template <std::size_t N>
int FelderTeilen(std::string_view zeile, char trenner, std::array<std::string_view, N>& felder);
// Splits at runs of blanks and tabs.
template <std::size_t N>
int WorteTeilen(std::string_view zeile, std::array<std::string_view, N>& felder);

// a number of the weather files: sign, digits, decimal point, exponent; blanks around allowed
bool WetterZahl(std::string_view text, double& wert);
double FeldZahl(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                const TFeld& name);
int FeldGanzzahl(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                 const TFeld& name);
void BereichPruefen(const TWetterText& text, const TZeile& zeile, double wert, const TFeld& name,
                    double minimum, double maximum, const char* einheit);

// A header text in UTF-8: kept when it is valid UTF-8, else read as Latin-1.
std::string TextNachUtf8(std::string_view text);

// The hourly columns a reader collects, hour h = 1..8760, with the file line of each hour.
struct TRohJahr {
    enum TSpalte { Temperatur, Feuchte, Taupunkt, Mischung, Druck, Spalten };
    std::array<TStundenFeld, Spalten> Wert{};
    std::array<std::array<bool, StundenImJahr + 1>, Spalten> Fehlt{};
    std::array<bool, StundenImJahr + 1> Ergaenzt{};
    std::array<long, StundenImJahr + 1> Zeile{};
    int Stunden = 0;
    int SchalttagZeilen = 0;
};

std::unique_ptr<TRohJahr> RohJahrAnlegen();
// Takes the next data row as the next hour; more than 8760 hours are refused. Returns h.
int StundeAnfuegen(const TWetterText& text, const TZeile& zeile, TRohJahr& roh);
// Refuses a row whose date is not hour h of the year; stunde 1..24, hour 1 = 00:00 to 01:00.
void ZeitPruefen(const TWetterText& text, const TZeile& zeile, int h, int monat, int tag,
                 int stunde);
// Refuses a year of other than 8760 hours; letzteZeile is the last line of the file.
void StundenZahlPruefen(const TWetterText& text, const TRohJahr& roh, long letzteZeile);
// Bridges runs of at most LueckeHoechstens missing hours linearly; the year is a ring, so a
// run across the year's end is one run. Refuses a longer run naming its first line.
void LueckenFuellen(const TWetterText& text, TRohJahr& roh, TRohJahr::TSpalte spalte,
                    const char* groesse);
// Tein, RelFeuchte, TTaupunkt from the columns Temperatur, Feuchte, Taupunkt; without humidity
// RelFeuchte 10.0 and TTaupunkt 0.0 as in the built-in year. Element 0 repeats hour 1.
void WetterJahrBilden(const TRohJahr& roh, bool mitFeuchte, TWetterJahr& jahr);
int ErgaenzteStunden(const TRohJahr& roh);

// the three readers; each fills jahr and the format's part of info
bool IstEpw(std::string_view inhalt);
bool IstTry(std::string_view inhalt);
void EpwLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info);
void TryLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info);
void TabelleLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info);

template <std::size_t N>
int FelderTeilen(std::string_view zeile, char trenner, std::array<std::string_view, N>& felder) {
    int anzahl = 0;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = zeile.find(trenner, anfang);
        const std::string_view feld = zeile.substr(
            anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang);
        if (static_cast<std::size_t>(anzahl) < N)
            felder[static_cast<std::size_t>(anzahl)] = Getrimmt(feld);
        ++anzahl;
        if (ende == std::string_view::npos) return anzahl;
        anfang = ende + 1;
    }
}

template <std::size_t N>
int WorteTeilen(std::string_view zeile, std::array<std::string_view, N>& felder) {
    int anzahl = 0;
    std::size_t p = 0;
    while (true) {
        while (p < zeile.size() && (zeile[p] == ' ' || zeile[p] == '\t'))
            ++p;
        if (p >= zeile.size()) return anzahl;
        const std::size_t anfang = p;
        while (p < zeile.size() && zeile[p] != ' ' && zeile[p] != '\t')
            ++p;
        if (static_cast<std::size_t>(anzahl) < N)
            felder[static_cast<std::size_t>(anzahl)] = zeile.substr(anfang, p - anfang);
        ++anzahl;
    }
}

} // namespace kov
