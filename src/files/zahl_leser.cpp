#include "files/zahl_leser.h"

#include "model/fehler.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>

namespace kov {

namespace {
constexpr char Dateiendezeichen = 26; // Ctrl-Z
constexpr std::size_t MaxZeichenProZahl = 64;

bool IstTrenner(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

struct TDateiSchliesser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

std::string DateiLesen(const std::string& dateiName) {
    errno = 0;
    std::unique_ptr<std::FILE, TDateiSchliesser> f(std::fopen(dateiName.c_str(), "rb"));
    if (!f) DateiFehlerWerfen(errno);
    std::string inhalt;
    char puffer[1 << 16];
    std::size_t gelesen;
    while ((gelesen = std::fread(puffer, 1, sizeof puffer, f.get())) > 0)
        inhalt.append(puffer, gelesen);
    if (std::ferror(f.get())) DateiFehlerWerfen(errno != 0 ? errno : EIO);
    return inhalt;
}

bool ZahlUmwandeln(const char* anfang, const char* ende, double& wert) {
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
    if (ziffern == 0) return false;
    if (p < ende && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < ende && (*p == '+' || *p == '-')) ++p;
        int exponentZiffern = 0;
        while (p < ende && IstZiffer(*p))
            ++p, ++exponentZiffern;
        if (exponentZiffern == 0) return false;
    }
    if (p != ende) return false;
    // from_chars takes no leading '+' and is independent of the process locale
    double betrag = 0.0;
    auto [rest, fehler] = std::from_chars(mantisse, ende, betrag);
    if (rest != ende) return false;
    if (fehler == std::errc::result_out_of_range) {
        // too large or too small for a double; keep the sign of the overflow
        return false;
    }
    wert = (*anfang == '-') ? -betrag : betrag;
    return true;
}

TZahlLeser::TZahlLeser(const std::string& dateiName) : Inhalt(DateiLesen(dateiName)) {
    const std::size_t ende = Inhalt.find(Dateiendezeichen);
    if (ende != std::string::npos) Inhalt.resize(ende);
}

double TZahlLeser::ZahlLesen() {
    while (Pos < Inhalt.size() && IstTrenner(Inhalt[Pos]))
        ++Pos;
    if (Pos >= Inhalt.size()) return 0.0;
    const std::size_t anfang = Pos;
    while (Pos < Inhalt.size() && !IstTrenner(Inhalt[Pos]) && Pos - anfang < MaxZeichenProZahl)
        ++Pos;
    double wert = 0.0;
    if (!ZahlUmwandeln(Inhalt.data() + anfang, Inhalt.data() + Pos, wert))
        throw TDateiFehler(MeldungUngueltigeZahl);
    return wert;
}

void TZahlLeser::ZeileUeberspringen() {
    while (Pos < Inhalt.size() && Inhalt[Pos] != '\n' && Inhalt[Pos] != '\r')
        ++Pos;
    if (Pos < Inhalt.size() && Inhalt[Pos] == '\r') ++Pos;
    if (Pos < Inhalt.size() && Inhalt[Pos] == '\n') ++Pos;
}

} // namespace kov
