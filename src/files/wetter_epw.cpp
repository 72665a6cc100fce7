// EnergyPlus weather files: header lines LOCATION .. DATA PERIODS, then one comma-separated
// row per hour: year, month, day, hour 1..24 (hour 1 = 00:00 to 01:00 local standard time),
// minute, source flags, dry bulb °C, dew point °C, relative humidity %, and further fields.

#include "files/wetter_leser.h"

#include <cctype>

namespace kov {

namespace {

constexpr long KopfZeilenHoechstens = 20;
constexpr double FehltTemperatur = 99.9; // dry bulb and dew point
constexpr double FehltFeuchte = 999.0;

constexpr TFeld FeldMonat{2, "Monat"};
constexpr TFeld FeldTag{3, "Tag"};
constexpr TFeld FeldStunde{4, "Stunde"};
constexpr TFeld FeldMinute{5, "Minute"};
constexpr TFeld FeldTemperatur{7, "Lufttemperatur"};
constexpr TFeld FeldTaupunkt{8, "Taupunkt"};
constexpr TFeld FeldFeuchte{9, "relative Feuchte"};

bool GleichOhneGross(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view Schluesselwort(std::string_view zeile) {
    return Getrimmt(zeile.substr(0, zeile.find(',')));
}

// site texts some tools write for "not known"
std::string OrtsText(std::string_view feld) {
    for (std::string_view leer : {"unknown", "-", "n/a", "na", "none", "?"})
        if (GleichOhneGross(feld, leer)) return {};
    return TextNachUtf8(feld);
}

enum class TKopf { Ort, Sonstige, Perioden, Unbekannt };

TKopf KopfArt(std::string_view wort) {
    if (GleichOhneGross(wort, "LOCATION")) return TKopf::Ort;
    if (GleichOhneGross(wort, "DATA PERIODS")) return TKopf::Perioden;
    for (std::string_view bekannt :
         {"DESIGN CONDITIONS", "TYPICAL/EXTREME PERIODS", "GROUND TEMPERATURES",
          "HOLIDAYS/DAYLIGHT SAVING", "HOLIDAYS/DAYLIGHT SAVINGS", "COMMENTS 1", "COMMENTS 2"})
        if (GleichOhneGross(wort, bekannt)) return TKopf::Sonstige;
    return TKopf::Unbekannt;
}

// an optional number of the LOCATION line: empty gives false, anything else must be a number
bool OrtsZahl(const TWetterText& text, const TZeile& zeile, std::string_view feld,
              const TFeld& name, double minimum, double maximum, const char* einheit,
              double& wert) {
    if (IstLeer(feld)) return false;
    wert = FeldZahl(text, zeile, feld, name);
    BereichPruefen(text, zeile, wert, name, minimum, maximum, einheit);
    return true;
}

void OrtLesen(const TWetterText& text, const TZeile& zeile, TWetterInfo& info) {
    std::array<std::string_view, 10> f{};
    const int anzahl = FelderTeilen(zeile.Text, ',', f);
    if (anzahl < 10)
        WetterFehler(text, zeile.Nummer,
                     "LOCATION hat " + std::to_string(anzahl) + " Felder, erwartet 10");
    info.Ort = OrtsText(f[1]);
    info.Region = OrtsText(f[2]);
    info.Land = OrtsText(f[3]);
    info.Datenquelle = OrtsText(f[4]);
    info.Wmo = OrtsText(f[5]);
    double breite = 0.0, laenge = 0.0;
    const bool mitBreite = OrtsZahl(text, zeile, f[6], {7, "Breite"}, -90, 90, "°", breite);
    const bool mitLaenge = OrtsZahl(text, zeile, f[7], {8, "Länge"}, -180, 180, "°", laenge);
    if (mitBreite && mitLaenge) {
        info.HatKoordinaten = true;
        info.Breite = breite;
        info.Laenge = laenge;
    }
    info.HatHoehe = OrtsZahl(text, zeile, f[9], {10, "Höhe"}, -1000, 9000, "m", info.Hoehe);
}

// the weekday of the first day, 0 = Monday; Monday when the field names none
int ErsterWochentag(std::string_view feld) {
    constexpr std::string_view Tage[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                         "Friday", "Saturday", "Sunday"};
    for (int t = 0; t < 7; ++t)
        if (GleichOhneGross(feld, Tage[t])) return t;
    return 0;
}

// the weekday of 1 January as DATA PERIODS gives it
int PeriodenPruefen(const TWetterText& text, const TZeile& zeile) {
    std::array<std::string_view, 5> f{};
    FelderTeilen(zeile.Text, ',', f);
    const int perioden = FeldGanzzahl(text, zeile, f[1], {2, "Anzahl der Datenabschnitte"});
    if (perioden != 1)
        WetterFehler(text, zeile.Nummer,
                     "DATA PERIODS nennt " + std::to_string(perioden) +
                         " Datenabschnitte, gelesen wird eine Datei mit genau einem");
    const int jeStunde = FeldGanzzahl(text, zeile, f[2], {3, "Werte je Stunde"});
    if (jeStunde != 1)
        WetterFehler(text, zeile.Nummer,
                     "DATA PERIODS nennt " + std::to_string(jeStunde) +
                         " Werte je Stunde, gelesen werden Stundenwerte");
    return ErsterWochentag(f[4]);
}

// returns the weekday of 1 January
int KopfLesen(const TWetterText& text, TZeilenFolge& zeilen, TWetterInfo& info) {
    TZeile zeile;
    while (zeilen.Naechste(zeile)) {
        const std::string_view wort = Schluesselwort(zeile.Text);
        switch (KopfArt(wort)) {
        case TKopf::Ort:
            if (zeile.Nummer != 1)
                WetterFehler(text, zeile.Nummer, "LOCATION steht nicht in der ersten Zeile");
            OrtLesen(text, zeile, info);
            break;
        case TKopf::Sonstige:
            break;
        case TKopf::Perioden:
            return PeriodenPruefen(text, zeile);
        case TKopf::Unbekannt:
            if (double jahr = 0.0; WetterZahl(wort, jahr))
                WetterFehler(text, zeile.Nummer, "DATA PERIODS fehlt vor der ersten Datenzeile");
            WetterFehler(text, zeile.Nummer,
                         "Unbekannte Kopfzeile \"" + TextNachUtf8(wort.substr(0, 40)) +
                             "\" vor DATA PERIODS");
        }
        if (zeile.Nummer >= KopfZeilenHoechstens) break;
    }
    WetterFehler(text, zeile.Nummer,
                 "Kopfzeile DATA PERIODS fehlt (erwartet in den ersten " +
                     std::to_string(KopfZeilenHoechstens) + " Zeilen)");
}

// a value with its missing code: at or above the code the hour has no value
void WertEintragen(const TWetterText& text, const TZeile& zeile, std::string_view feld,
                   const TFeld& name, double fehlt, double minimum, double maximum,
                   const char* einheit, TRohJahr& roh, TRohJahr::TSpalte spalte, int h) {
    const double wert = FeldZahl(text, zeile, feld, name);
    const auto stunde = static_cast<std::size_t>(h);
    if (wert >= fehlt) {
        roh.Fehlt[spalte][stunde] = true;
        return;
    }
    BereichPruefen(text, zeile, wert, name, minimum, maximum, einheit);
    roh.Wert[spalte][stunde] = wert;
}

} // namespace

bool IstEpw(std::string_view inhalt) {
    const std::string_view erste = inhalt.substr(0, inhalt.find_first_of("\r\n"));
    return erste.find(',') != std::string_view::npos &&
           GleichOhneGross(Schluesselwort(erste), "LOCATION");
}

void EpwLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info) {
    TZeilenFolge zeilen(text.Inhalt);
    const int ersterWochentag = KopfLesen(text, zeilen, info);

    auto roh = RohJahrAnlegen();
    TZeile zeile;
    long letzte = 0;
    int datenZeilen = 0;
    std::array<std::string_view, 10> f{};
    // station pressure (field 10, Pa) is used only when every hour has one in range; it feeds
    // the condensate figure alone, so a file without it still reads
    bool mitDruck = true;
    while (zeilen.Naechste(zeile)) {
        if (IstLeer(zeile.Text)) continue;
        letzte = zeile.Nummer;
        ++datenZeilen;
        const int anzahl = FelderTeilen(zeile.Text, ',', f);
        if (anzahl < 9)
            WetterFehler(text, zeile.Nummer,
                         "Datenzeile hat " + std::to_string(anzahl) +
                             " Felder, erwartet mindestens 9");
        const int monat = FeldGanzzahl(text, zeile, f[1], FeldMonat);
        const int tag = FeldGanzzahl(text, zeile, f[2], FeldTag);
        const int stunde = FeldGanzzahl(text, zeile, f[3], FeldStunde);
        const int minute = FeldGanzzahl(text, zeile, f[4], FeldMinute);
        if (minute != 0 && minute != 60)
            WetterFehler(text, zeile.Nummer,
                         FeldText(FeldMinute) + " ist " + std::to_string(minute) +
                             ", Stundenwerte tragen 0 oder 60");
        if (monat == 2 && tag == 29) {
            ++roh->SchalttagZeilen;
            continue;
        }
        const int h = StundeAnfuegen(text, zeile, *roh);
        ZeitPruefen(text, zeile, h, monat, tag, stunde);
        WertEintragen(text, zeile, f[6], FeldTemperatur, FehltTemperatur, -70, 70, "°C", *roh,
                      TRohJahr::Temperatur, h);
        WertEintragen(text, zeile, f[7], FeldTaupunkt, FehltTemperatur, -70, 70, "°C", *roh,
                      TRohJahr::Taupunkt, h);
        WertEintragen(text, zeile, f[8], FeldFeuchte, FehltFeuchte, 0, 110, "%", *roh,
                      TRohJahr::Feuchte, h);
        double druck = 0.0;
        if (mitDruck && anzahl >= 10 && WetterZahl(f[9], druck) && druck >= 30000 &&
            druck <= 120000)
            roh->Wert[TRohJahr::Druck][static_cast<std::size_t>(h)] = druck / 100; // hPa
        else
            mitDruck = false;
    }
    StundenZahlPruefen(text, *roh, letzte > 0 ? letzte : zeile.Nummer);
    LueckenFuellen(text, *roh, TRohJahr::Temperatur, "Lufttemperatur");
    LueckenFuellen(text, *roh, TRohJahr::Taupunkt, "Taupunkttemperatur");
    LueckenFuellen(text, *roh, TRohJahr::Feuchte, "relativen Feuchte");

    if (!mitDruck) roh->Wert[TRohJahr::Druck].fill(0.0);
    WetterJahrBilden(*roh, true, jahr);
    jahr.ErsterWochentag = ersterWochentag;
    info.Format = TWetterFormat::Epw;
    info.DatenZeilen = datenZeilen;
    info.SchalttagZeilen = roh->SchalttagZeilen;
    info.ZeilenVerworfen = roh->SchalttagZeilen;
    info.StundenErgaenzt = ErgaenzteStunden(*roh);
    info.HatFeuchte = true;
}

} // namespace kov
