// Hourly tables: one row per hour of the year, the first column the air temperature in °C, an
// optional second column the relative humidity in %. Separator semicolon, tab, comma or blanks;
// lines beginning with '#' are comments, one header line may stand before the first row. The
// separator is found in the header, or in the first row when there is no header (see
// TrennerSuchen); a header of one column name makes the table one column wide, so "12,5" under
// it is a decimal comma, while a first row "12,5" without a header is 12 °C and 5 %. A decimal
// comma is read wherever the separator is not a comma. An empty field, "NaN" or "NA" is a missing
// value.

#include "files/taupunkt.h"
#include "files/wetter_leser.h"

#include <cctype>

namespace kov {

namespace {

constexpr TFeld FeldTemperatur{1, "Lufttemperatur"};
constexpr TFeld FeldFeuchte{2, "relative Feuchte"};
constexpr char Leerzeichen = ' ';
// no separator: a table of one column
constexpr char KeinTrenner = 0;

bool IstKommentar(std::string_view zeile) {
    const std::string_view z = Getrimmt(zeile);
    return !z.empty() && z.front() == '#';
}

bool IstFehlwert(std::string_view feld) {
    feld = Getrimmt(feld);
    if (feld.empty()) return true;
    auto gleich = [feld](std::string_view wort) {
        if (feld.size() != wort.size()) return false;
        for (std::size_t i = 0; i < feld.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(feld[i])) != wort[i]) return false;
        return true;
    };
    return gleich("nan") || gleich("na");
}

int ZeileTeilen(std::string_view zeile, char trenner, std::array<std::string_view, 4>& felder) {
    zeile = Getrimmt(zeile);
    if (trenner == Leerzeichen) return WorteTeilen(zeile, felder);
    if (trenner == KeinTrenner) {
        felder[0] = zeile;
        return 1;
    }
    return FelderTeilen(zeile, trenner, felder);
}

std::string SpaltenText(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Spalte" : " Spalten");
}

// a number, with a decimal comma where the comma is no separator: "-3,25"
bool TabellenZahl(std::string_view feld, char trenner, double& wert) {
    feld = Getrimmt(feld);
    const std::size_t komma = feld.find(',');
    if (trenner == ',' || komma == std::string_view::npos) return WetterZahl(feld, wert);
    if (feld.find('.') != std::string_view::npos || feld.find(',', komma + 1) != feld.npos ||
        feld.size() >= 64)
        return false;
    char puffer[64];
    feld.copy(puffer, feld.size());
    puffer[komma] = '.';
    return WetterZahl(std::string_view(puffer, feld.size()), wert);
}

// every field of the row split at trenner is a number or a missing value
bool NurZahlen(std::string_view zeile, char trenner) {
    std::array<std::string_view, 4> felder{};
    const int anzahl =
        trenner == Leerzeichen ? WorteTeilen(zeile, felder) : FelderTeilen(zeile, trenner, felder);
    if (anzahl > 4) return false;
    double wert = 0.0;
    for (int i = 0; i < anzahl; ++i) {
        const std::string_view feld = felder[static_cast<std::size_t>(i)];
        if (!IstFehlwert(feld) && !TabellenZahl(feld, trenner, wert)) return false;
    }
    return true;
}

// Semicolon or tab where there is one. A comma with blanks beside it separates when it splits
// the row into numbers ("2.04, 94.38") or the row is a header ("Temperatur, Feuchte"); blanks
// separate when they split it into numbers with a decimal comma ("2,04  94,38").
char TrennerSuchen(std::string_view zeile) {
    const std::string_view z = Getrimmt(zeile);
    for (char trenner : {';', '\t'})
        if (z.find(trenner) != std::string_view::npos) return trenner;
    const bool komma = z.find(',') != std::string_view::npos;
    const bool leer = z.find(' ') != std::string_view::npos;
    if (!komma) return leer ? Leerzeichen : KeinTrenner;
    if (leer && !NurZahlen(z, ',') && NurZahlen(z, Leerzeichen)) return Leerzeichen;
    return ',';
}

[[noreturn]] void NichtErkannt(const TWetterText& text, long zeile) {
    WetterFehler(text, zeile,
                 "Format nicht erkannt: weder EPW (erste Zeile LOCATION) noch "
                 "DWD-Testreferenzjahr (Spaltenkopf und ***) noch Stundentabelle (eine Zeile "
                 "je Stunde, erste Spalte Lufttemperatur)");
}

void WertEintragen(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                   char trenner, const TFeld& name, TRohJahr& roh, TRohJahr::TSpalte spalte,
                   int h) {
    const auto stunde = static_cast<std::size_t>(h);
    if (IstFehlwert(feld)) {
        roh.Fehlt[spalte][stunde] = true;
        return;
    }
    double wert = 0.0;
    if (!TabellenZahl(feld, trenner, wert)) wert = FeldZahl(text, zeile, feld, name); // throws
    if (spalte == TRohJahr::Temperatur) {
        BereichPruefen(text, zeile, wert, name, -70, 70, "°C");
    } else {
        BereichPruefen(text, zeile, wert, name, 0, 110, "%");
        if (wert <= 0.0)
            WetterFehler(text, zeile.Nummer,
                         FeldText(name) + " ist 0 %, der Taupunkt braucht einen Wert über 0");
    }
    roh.Wert[spalte][stunde] = wert;
}

} // namespace

void TabelleLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info) {
    TZeilenFolge zeilen(text.Inhalt);
    TZeile zeile;
    auto roh = RohJahrAnlegen();
    bool kopfGelesen = false;
    bool trennerBekannt = false;
    char trenner = KeinTrenner;
    int spalten = 0;
    long letzte = 0;
    int datenZeilen = 0;
    std::array<std::string_view, 4> f{};
    while (zeilen.Naechste(zeile)) {
        if (IstLeer(zeile.Text) || IstKommentar(zeile.Text)) continue;
        letzte = zeile.Nummer;
        if (!trennerBekannt) {
            trenner = TrennerSuchen(zeile.Text);
            trennerBekannt = true;
        }
        int anzahl = ZeileTeilen(zeile.Text, trenner, f);
        // a separator closing the row opens no column; after the first row an empty last
        // field within the column count is a missing value
        const bool leerAmEnde =
            anzahl > 1 && anzahl <= 4 && f[static_cast<std::size_t>(anzahl - 1)].empty();
        if (leerAmEnde && (datenZeilen == 0 || anzahl == spalten + 1)) --anzahl;
        double probe = 0.0;
        if (datenZeilen == 0 && !IstFehlwert(f[0]) && !TabellenZahl(f[0], trenner, probe)) {
            if (kopfGelesen) NichtErkannt(text, zeile.Nummer);
            kopfGelesen = true;
            if (anzahl == 1) trenner = KeinTrenner;
            continue;
        }
        if (datenZeilen == 0) {
            if (anzahl > 2)
                WetterFehler(text, zeile.Nummer,
                             "Zeile hat " + SpaltenText(anzahl) +
                                 ", eine Stundentabelle hat 1 (Lufttemperatur) oder 2 "
                                 "(Lufttemperatur, relative Feuchte)");
            spalten = anzahl;
        } else if (anzahl != spalten) {
            WetterFehler(text, zeile.Nummer,
                         "Zeile hat " + SpaltenText(anzahl) + ", die erste Datenzeile " +
                             std::to_string(spalten));
        }
        ++datenZeilen;
        const int h = StundeAnfuegen(text, zeile, *roh);
        WertEintragen(text, zeile, f[0], trenner, FeldTemperatur, *roh, TRohJahr::Temperatur, h);
        if (spalten == 2)
            WertEintragen(text, zeile, f[1], trenner, FeldFeuchte, *roh, TRohJahr::Feuchte, h);
    }
    if (datenZeilen == 0) NichtErkannt(text, letzte > 0 ? letzte : zeile.Nummer);
    StundenZahlPruefen(text, *roh, letzte);
    const bool mitFeuchte = spalten == 2;
    LueckenFuellen(text, *roh, TRohJahr::Temperatur, "Lufttemperatur");
    if (mitFeuchte) {
        LueckenFuellen(text, *roh, TRohJahr::Feuchte, "relativen Feuchte");
        for (std::size_t h = 1; h <= StundenImJahr; ++h)
            roh->Wert[TRohJahr::Taupunkt][h] = TaupunktAusFeuchte(
                roh->Wert[TRohJahr::Temperatur][h], roh->Wert[TRohJahr::Feuchte][h]);
    }

    WetterJahrBilden(*roh, mitFeuchte, jahr);
    info.Format = TWetterFormat::Tabelle;
    info.DatenZeilen = datenZeilen;
    info.StundenErgaenzt = ErgaenzteStunden(*roh);
    info.HatFeuchte = mitFeuchte;
    info.TaupunktBerechnet = mitFeuchte;
}

} // namespace kov
