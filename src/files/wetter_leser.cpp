#include "files/wetter_leser.h"

#include "files/zahl_leser.h"
#include "model/fehler.h"
#include "model/kalender.h"

#include <charconv>
#include <cmath>

namespace kov {

namespace {

// shortest text of a value, decimal comma
std::string ZahlText(double wert) {
    char puffer[64];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    if (fehler != std::errc()) return "?";
    std::string text(puffer, ende);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// a field as the message quotes it: printable ASCII only, at most 24 characters
std::string FeldZitat(std::string_view feld) {
    std::string text;
    for (char c : feld.substr(0, 24))
        text += (c >= 32 && c < 127) ? c : '?';
    if (feld.size() > 24) text += "...";
    return "\"" + text + "\"";
}

std::string DatumText(int monat, int tag, int stunde) {
    auto zwei = [](int wert) { return (wert >= 0 && wert < 10 ? "0" : "") + std::to_string(wert); };
    return zwei(tag) + "." + zwei(monat) + ". Stunde " + std::to_string(stunde);
}

// hour of the year of a date, 0 for a date the year does not have
int StundeDesJahres(int monat, int tag, int stunde) {
    if (monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(monat) || stunde < 1 || stunde > 24)
        return 0;
    return ErsteStundeImMonat(monat) + (tag - 1) * 24 + stunde - 1;
}

void DatumDerStunde(int h, int& monat, int& tag, int& stunde) {
    monat = 1;
    while (monat < 12 && h > LetzteStundeImMonat(monat))
        ++monat;
    const int imMonat = h - ErsteStundeImMonat(monat);
    tag = imMonat / 24 + 1;
    stunde = imMonat % 24 + 1;
}

bool IstUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int folge = 0;
        if (c < 0x80)
            folge = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            folge = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            folge = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            folge = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(folge) >= text.size()) return false;
        for (int k = 1; k <= folge; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

} // namespace

bool TZeilenFolge::Naechste(TZeile& zeile) {
    if (Rest.empty()) return false;
    // a line ends at LF, CR LF or a lone CR (old Mac files); a plain loop, since find_first_of
    // looks each character up in the set with a call of its own
    std::size_t ende = 0;
    while (ende < Rest.size() && Rest[ende] != '\r' && Rest[ende] != '\n')
        ++ende;
    if (ende == Rest.size()) ende = std::string_view::npos;
    zeile.Text = Rest.substr(0, ende);
    if (ende == std::string_view::npos)
        Rest = {};
    else
        Rest = Rest.substr(ende + (Rest.substr(ende, 2) == "\r\n" ? 2 : 1));
    zeile.Nummer = ++Nummer;
    return true;
}

void WetterFehler(const TWetterText& text, long zeile, const std::string& meldung) {
    throw TDateiFehler(meldung, text.Datei, zeile);
}

std::string FeldText(const TFeld& feld) {
    return "Feld " + std::to_string(feld.Nummer) + " (" + feld.Name + ")";
}

std::string_view Getrimmt(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IstLeer(std::string_view text) {
    return Getrimmt(text).empty();
}

bool WetterZahl(std::string_view text, double& wert) {
    text = Getrimmt(text);
    return !text.empty() && ZahlUmwandeln(text.data(), text.data() + text.size(), wert) &&
           std::isfinite(wert);
}

double FeldZahl(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                const TFeld& name) {
    double wert = 0.0;
    if (WetterZahl(feld, wert)) return wert;
    if (IstLeer(feld)) WetterFehler(text, zeile.Nummer, FeldText(name) + " ist leer");
    WetterFehler(text, zeile.Nummer, FeldText(name) + " ist keine Zahl: " + FeldZitat(feld));
}

int FeldGanzzahl(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                 const TFeld& name) {
    const double wert = FeldZahl(text, zeile, feld, name);
    if (wert != std::floor(wert) || std::fabs(wert) > 1e9)
        WetterFehler(text, zeile.Nummer,
                     FeldText(name) + " ist keine ganze Zahl: " + FeldZitat(feld));
    return static_cast<int>(wert);
}

void BereichPruefen(const TWetterText& text, const TZeile& zeile, double wert, const TFeld& name,
                    double minimum, double maximum, const char* einheit) {
    if (wert >= minimum && wert <= maximum) return;
    const std::string e = *einheit ? std::string(" ") + einheit : std::string();
    WetterFehler(text, zeile.Nummer,
                 FeldText(name) + " liegt mit " + ZahlText(wert) + e + " außerhalb von " +
                     ZahlText(minimum) + " bis " + ZahlText(maximum) + e);
}

std::string TextNachUtf8(std::string_view text) {
    if (IstUtf8(text)) return std::string(text);
    std::string utf8;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (b >> 6));
            utf8 += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return utf8;
}

std::unique_ptr<TRohJahr> RohJahrAnlegen() {
    return std::make_unique<TRohJahr>();
}

int StundeAnfuegen(const TWetterText& text, const TZeile& zeile, TRohJahr& roh) {
    if (roh.Stunden >= StundenImJahr)
        WetterFehler(text, zeile.Nummer,
                     "Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres");
    const int h = ++roh.Stunden;
    roh.Zeile[static_cast<std::size_t>(h)] = zeile.Nummer;
    return h;
}

void ZeitPruefen(const TWetterText& text, const TZeile& zeile, int h, int monat, int tag,
                 int stunde) {
    const int gelesen = StundeDesJahres(monat, tag, stunde);
    if (gelesen == h) return;
    if (gelesen == 0)
        WetterFehler(text, zeile.Nummer,
                     "Ungültige Zeitangabe: Monat " + std::to_string(monat) + ", Tag " +
                         std::to_string(tag) + ", Stunde " + std::to_string(stunde));
    int m = 0, t = 0, s = 0;
    DatumDerStunde(h, m, t, s);
    std::string meldung = "Zeitfolge unterbrochen: erwartet " + DatumText(m, t, s) + ", gelesen " +
                          DatumText(monat, tag, stunde);
    if (gelesen > h)
        meldung += gelesen - h == 1 ? std::string(", davor fehlt 1 Stunde")
                                    : ", davor fehlen " + std::to_string(gelesen - h) + " Stunden";
    else
        meldung += ", Stunde wiederholt oder außer der Reihe";
    WetterFehler(text, zeile.Nummer, meldung);
}

void StundenZahlPruefen(const TWetterText& text, const TRohJahr& roh, long letzteZeile) {
    if (roh.Stunden == StundenImJahr) return;
    std::string meldung =
        "Nur " + std::to_string(roh.Stunden) + " Stunden, ein Jahr hat 8760 Stunden";
    if (roh.SchalttagZeilen > 0)
        meldung += " (ohne die " + std::to_string(roh.SchalttagZeilen) + " Zeilen vom 29. Februar)";
    WetterFehler(text, letzteZeile, meldung);
}

void LueckenFuellen(const TWetterText& text, TRohJahr& roh, TRohJahr::TSpalte spalte,
                    const char* groesse) {
    const auto& fehlt = roh.Fehlt[spalte];
    TStundenFeld& wert = roh.Wert[spalte];
    constexpr int n = StundenImJahr;
    int fehlend = 0;
    for (int h = 1; h <= n; ++h)
        fehlend += fehlt[static_cast<std::size_t>(h)] ? 1 : 0;
    if (fehlend == 0) return;
    if (fehlend == n)
        WetterFehler(text, roh.Zeile[1], std::string("Kein gültiger Wert der ") + groesse);

    auto fehltIn = [&fehlt](int h) { return fehlt[static_cast<std::size_t>(h)]; };
    int amEnde = 0; // run reaching hour 8760, continued at hour 1
    while (fehltIn(n - amEnde))
        ++amEnde;
    for (int h = 1; h <= n;) {
        if (!fehltIn(h)) {
            ++h;
            continue;
        }
        const int anfang = h;
        while (h <= n && fehltIn(h))
            ++h;
        int laenge = h - anfang;
        if (anfang == 1 && h <= n) laenge += amEnde;
        if (laenge > LueckeHoechstens)
            WetterFehler(text, roh.Zeile[static_cast<std::size_t>(anfang)],
                         std::string("Fehlwert der ") + groesse + " in " + std::to_string(laenge) +
                             " aufeinanderfolgenden Stunden ab dieser Zeile, höchstens " +
                             std::to_string(LueckeHoechstens) + " werden überbrückt");
    }

    // the neighbours on the ring of hours and the distances to them
    auto davor = [n](int h) { return h == 1 ? n : h - 1; };
    auto danach = [n](int h) { return h == n ? 1 : h + 1; };
    for (int h = 1; h <= n; ++h) {
        if (!fehltIn(h)) continue;
        int vorher = h, abstandVorher = 0;
        do {
            vorher = davor(vorher);
            ++abstandVorher;
        } while (fehltIn(vorher));
        int nachher = h, abstandNachher = 0;
        do {
            nachher = danach(nachher);
            ++abstandNachher;
        } while (fehltIn(nachher));
        const double a = wert[static_cast<std::size_t>(vorher)];
        const double b = wert[static_cast<std::size_t>(nachher)];
        wert[static_cast<std::size_t>(h)] =
            a + (b - a) * abstandVorher / (abstandVorher + abstandNachher);
        roh.Ergaenzt[static_cast<std::size_t>(h)] = true;
    }
}

void WetterJahrBilden(const TRohJahr& roh, bool mitFeuchte, TWetterJahr& jahr) {
    jahr.Tein = roh.Wert[TRohJahr::Temperatur];
    if (mitFeuchte) {
        jahr.RelFeuchte = roh.Wert[TRohJahr::Feuchte];
        jahr.TTaupunkt = roh.Wert[TRohJahr::Taupunkt];
    } else {
        jahr.RelFeuchte.fill(10.0);
        jahr.TTaupunkt.fill(0.0);
    }
    jahr.Tein[0] = jahr.Tein[1];
    jahr.RelFeuchte[0] = jahr.RelFeuchte[1];
    jahr.TTaupunkt[0] = jahr.TTaupunkt[1];
    jahr.Luftdruck = roh.Wert[TRohJahr::Druck];
    jahr.HatFeuchte = mitFeuchte;
}

int ErgaenzteStunden(const TRohJahr& roh) {
    int anzahl = 0;
    for (int h = 1; h <= StundenImJahr; ++h)
        anzahl += roh.Ergaenzt[static_cast<std::size_t>(h)] ? 1 : 0;
    return anzahl;
}

} // namespace kov
