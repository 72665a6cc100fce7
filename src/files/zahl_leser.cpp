#include "files/zahl_leser.h"

#include "files/text_datei.h"
#include "model/fehler.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace kov {

namespace {
constexpr char Dateiendezeichen = 26; // Ctrl-Z
constexpr std::size_t MaxZeichenProZahl = 64;

bool IstTrenner(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// a control character that is no blank or line end: never part of a text file's layout
bool IstSteuerzeichen(char c) {
    return IstTrenner(c) && c != ' ' && c != '\t' && c != '\r' && c != '\n';
}
bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

TZahlErgebnis ZahlPruefen(const char* anfang, const char* ende, double& wert) {
    const char* p = anfang;
    if (p < ende && (*p == '+' || *p == '-')) ++p;
    const char* mantisse = p;
    int ziffern = 0;
    while (p < ende && IstZiffer(*p))
        ++p, ++ziffern;
    if (p < ende && *p == '.') {
        ++p;
        while (p < ende && IstZiffer(*p))
            ++p, ++ziffern;
    }
    if (ziffern == 0) return TZahlErgebnis::KeineZahl;
    if (p < ende && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < ende && (*p == '+' || *p == '-')) ++p;
        int exponentZiffern = 0;
        while (p < ende && IstZiffer(*p))
            ++p, ++exponentZiffern;
        if (exponentZiffern == 0) return TZahlErgebnis::KeineZahl;
    }
    if (p != ende) return TZahlErgebnis::KeineZahl;
    // from_chars takes no leading '+' and is independent of the process locale
    double betrag = 0.0;
    auto [rest, fehler] = std::from_chars(mantisse, ende, betrag);
    if (rest != ende) return TZahlErgebnis::KeineZahl;
    if (fehler == std::errc::result_out_of_range) return TZahlErgebnis::AusserhalbBereich;
    wert = (*anfang == '-') ? -betrag : betrag;
    return TZahlErgebnis::Zahl;
}

bool ZahlUmwandeln(const char* anfang, const char* ende, double& wert) {
    return ZahlPruefen(anfang, ende, wert) == TZahlErgebnis::Zahl;
}

TZahlLeser::TZahlLeser(const std::string& dateiName)
    : TZahlLeser(dateiName, DateiLesen(dateiName)) {}

TZahlLeser::TZahlLeser(const std::string& dateiName, std::string inhalt)
    : Name(dateiName), Inhalt(std::move(inhalt)) {
    const std::size_t ende = Inhalt.find(Dateiendezeichen);
    if (ende != std::string::npos) Inhalt.resize(ende);
}

void TZahlLeser::ZeilenendeUeberspringen() {
    // a line ends at LF, CR LF or a lone CR
    if (Inhalt[Pos] == '\r') {
        ++Pos;
        if (Pos < Inhalt.size() && Inhalt[Pos] == '\n') ++Pos;
    } else {
        ++Pos;
    }
    ZeilenAnfang = Pos;
    ++ZeilenNummer;
}

bool TZahlLeser::NochEineZahl() {
    while (Pos < Inhalt.size() && IstTrenner(Inhalt[Pos])) {
        if (Inhalt[Pos] == '\n' || Inhalt[Pos] == '\r')
            ZeilenendeUeberspringen();
        else
            ++Pos;
    }
    return Pos < Inhalt.size();
}

double TZahlLeser::ZahlLesen() {
    if (!NochEineZahl()) return 0.0;
    const std::size_t anfang = Pos;
    while (Pos < Inhalt.size() && !IstTrenner(Inhalt[Pos]))
        ++Pos;
    // a control character touching a number is no separator but a damaged file ("1\0" "5")
    const auto steuerzeichen = [&](std::size_t stelle) {
        return stelle < Inhalt.size() && IstSteuerzeichen(Inhalt[stelle]);
    };
    if (steuerzeichen(Pos) || (anfang > 0 && steuerzeichen(anfang - 1))) {
        const std::size_t stelle = steuerzeichen(Pos) ? Pos : anfang - 1;
        char code[8];
        std::snprintf(code, sizeof code, "%u", static_cast<unsigned char>(Inhalt[stelle]));
        throw TDateiFehler(MeldungUngueltigeZahl, Name, ZeilenNummer,
                           std::string("Steuerzeichen mit Code ") + code + " an der Zahl \"" +
                               Inhalt.substr(anfang, std::min<std::size_t>(Pos - anfang, 20)) +
                               "\"");
    }
    double wert = 0.0;
    // a longer token is no number cut in two
    if (Pos - anfang > MaxZeichenProZahl ||
        !ZahlUmwandeln(Inhalt.data() + anfang, Inhalt.data() + Pos, wert))
        throw TDateiFehler(MeldungUngueltigeZahl, Name, ZeilenNummer);
    return wert;
}

std::string_view TZahlLeser::AktuelleZeile() const {
    const std::size_t ende = std::min(Inhalt.find_first_of("\r\n", ZeilenAnfang), Inhalt.size());
    return std::string_view(Inhalt).substr(ZeilenAnfang, ende - ZeilenAnfang);
}

void TZahlLeser::ZeileUeberspringen() {
    while (Pos < Inhalt.size() && Inhalt[Pos] != '\n' && Inhalt[Pos] != '\r')
        ++Pos;
    if (Pos < Inhalt.size()) ZeilenendeUeberspringen();
}

} // namespace kov
