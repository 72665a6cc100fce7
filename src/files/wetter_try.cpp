// Test reference years of the Deutscher Wetterdienst: header lines, a column-heading line, a
// line "***", then one row per hour with blank-separated columns. The heading names the
// columns; the two generations differ in their order:
//   2011: RG IS MM DD HH N WR WG t p x RF W B D IK A E IL
//   2015/2017: RW HW MM DD HH t p WR WG N x RF B D A E IL
// HH is 1..24 in MEZ, hour 1 = 00:00 to 01:00. t in °C, p in hPa, x in g/kg, RF in %.

#include "files/taupunkt.h"
#include "files/wetter_leser.h"

#include <cmath>
#include <vector>

namespace kov {

namespace {

constexpr long KopfZeilenHoechstens = 200;
constexpr std::size_t SpaltenHoechstens = 32;

struct TSpaltenKopf {
    std::array<std::string_view, SpaltenHoechstens> Namen{};
    int Anzahl = 0;
    long Zeile = 0;
};

// the last non-empty line before the "***" line, and the "***" line itself
bool KopfSuchen(std::string_view inhalt, TSpaltenKopf& kopf, long& sternZeile) {
    TZeilenFolge zeilen(inhalt);
    TZeile zeile;
    TZeile vorher;
    while (zeilen.Naechste(zeile) && zeile.Nummer <= KopfZeilenHoechstens) {
        if (Getrimmt(zeile.Text).substr(0, 3) == "***") {
            if (vorher.Nummer == 0) return false;
            kopf.Anzahl = WorteTeilen(vorher.Text, kopf.Namen);
            kopf.Zeile = vorher.Nummer;
            sternZeile = zeile.Nummer;
            return true;
        }
        if (!IstLeer(zeile.Text)) vorher = zeile;
    }
    return false;
}

// 1-based position of a column in the heading, 0 when it is not there
int SpaltenNummer(const TSpaltenKopf& kopf, std::string_view name) {
    const int gespeichert = std::min(kopf.Anzahl, static_cast<int>(SpaltenHoechstens));
    for (int i = 0; i < gespeichert; ++i)
        if (kopf.Namen[static_cast<std::size_t>(i)] == name) return i + 1;
    return 0;
}

// The codes a parameter line of the header lists for "no value": in "{0..8;9}" the values
// after the last range ("9"); a list without a range ("{1;2;3;4;9}") is a set of values, not
// codes.
std::vector<double> FehlwertCodes(std::string_view beschreibung) {
    std::vector<double> codes;
    const std::size_t auf = beschreibung.find('{');
    const std::size_t zu = beschreibung.find('}', auf);
    if (auf == std::string_view::npos || zu == std::string_view::npos) return codes;
    const std::string_view liste = beschreibung.substr(auf + 1, zu - auf - 1);
    bool nachBereich = false;
    std::size_t anfang = 0;
    while (anfang <= liste.size()) {
        std::size_t ende = liste.find(';', anfang);
        if (ende == std::string_view::npos) ende = liste.size();
        const std::string_view eintrag = Getrimmt(liste.substr(anfang, ende - anfang));
        double wert = 0.0;
        if (eintrag.find("..") != std::string_view::npos) {
            nachBereich = true;
            codes.clear();
        } else if (nachBereich && WetterZahl(eintrag, wert)) {
            codes.push_back(wert);
        }
        anfang = ende + 1;
    }
    return codes;
}

struct TTrySpalte {
    const char* Kopf;
    const char* Name;
    TRohJahr::TSpalte Ziel;
    double Minimum;
    double Maximum;
    const char* Einheit;
    int Nummer = 0;
    std::vector<double> Codes;
};

// "Schluessel : Wert" of a header line, both trimmed; false for a line without a colon
bool KopfEintrag(std::string_view zeile, std::string_view& schluessel, std::string_view& wert) {
    const std::size_t doppelpunkt = zeile.find(':');
    if (doppelpunkt == std::string_view::npos) return false;
    schluessel = Getrimmt(zeile.substr(0, doppelpunkt));
    wert = Getrimmt(zeile.substr(doppelpunkt + 1));
    return true;
}

std::string Zusammengezogen(std::string_view text) {
    std::string ergebnis;
    std::array<std::string_view, 64> worte{};
    const int anzahl = std::min(WorteTeilen(text, worte), 64);
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) ergebnis += ' ';
        ergebnis += worte[static_cast<std::size_t>(i)];
    }
    return ergebnis;
}

// "51°24'N" style angle at the start of text: degrees, minutes and the letter after them
bool WinkelLesen(std::string_view& text, double& grad, char& richtung) {
    std::size_t p = 0;
    auto zahl = [&text, &p](double& wert) {
        const std::size_t anfang = p;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9')
            ++p;
        return p > anfang && WetterZahl(text.substr(anfang, p - anfang), wert);
    };
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;
    double ganz = 0.0, minuten = 0.0;
    if (!zahl(ganz)) return false;
    const std::string_view gradZeichen = "°";
    if (text.substr(p, gradZeichen.size()) != gradZeichen) return false;
    p += gradZeichen.size();
    if (!zahl(minuten) || p >= text.size() || text[p] != '\'') return false;
    ++p;
    if (p >= text.size()) return false;
    richtung = text[p];
    grad = ganz + minuten / 60.0;
    text.remove_prefix(p + 1);
    return true;
}

// "Lage: 51°24'N <- B.   6°58'O <- L.   152 Meter ueber NN"
void LageLesen(std::string_view wert, TWetterInfo& info) {
    double breite = 0.0, laenge = 0.0;
    char nordSued = 0, ostWest = 0;
    std::string_view rest = wert;
    if (WinkelLesen(rest, breite, nordSued)) {
        const std::size_t pfeil = rest.find("B.");
        if (pfeil != std::string_view::npos) rest.remove_prefix(pfeil + 2);
        if (WinkelLesen(rest, laenge, ostWest) && (nordSued == 'N' || nordSued == 'S') &&
            (ostWest == 'O' || ostWest == 'E' || ostWest == 'W')) {
            info.HatKoordinaten = true;
            info.Breite = nordSued == 'S' ? -breite : breite;
            info.Laenge = ostWest == 'W' ? -laenge : laenge;
        }
    }
    const std::size_t meter = wert.find(" Meter");
    if (meter != std::string_view::npos) {
        std::string_view vorn = Getrimmt(wert.substr(0, meter));
        const std::size_t leer = vorn.find_last_of(" \t");
        if (leer != std::string_view::npos) vorn.remove_prefix(leer + 1);
        info.HatHoehe = WetterZahl(vorn, info.Hoehe);
    }
}

// The number in front of " Meter" of a header value ("175 Meter ueber NN").
bool MeterWert(std::string_view wert, double& meter) {
    const std::size_t ende = wert.find(" Meter");
    return ende != std::string_view::npos && WetterZahl(wert.substr(0, ende), meter);
}

// Geographic coordinates of a point of the Lambert conformal conic projection of the DWD
// test reference years (ETRS89 / LCC Europe, EPSG:3034: standard parallels 35° and 65° N,
// origin 52° N 10° E, false easting 4 000 000 m, false northing 2 800 000 m, GRS 80
// ellipsoid), inverted after Snyder, Map Projections - A Working Manual (1987), eq. 15-1 to
// 15-11 and 7-9.
constexpr double KreisZahl = 3.14159265358979323846; // geodesy, not a model formula
constexpr double Bogen = KreisZahl / 180.0;

void LambertUmrechnen(double rechtswert, double hochwert, double& breite, double& laenge) {
    constexpr double a = 6378137.0; // m
    constexpr double abplattung = 1.0 / 298.257222101;
    const double e = std::sqrt(2.0 * abplattung - abplattung * abplattung);
    auto m = [e](double phi) {
        return std::cos(phi) / std::sqrt(1.0 - e * e * std::sin(phi) * std::sin(phi));
    };
    auto t = [e](double phi) {
        return std::tan(KreisZahl / 4.0 - phi / 2.0) /
               std::pow((1.0 - e * std::sin(phi)) / (1.0 + e * std::sin(phi)), e / 2.0);
    };
    const double phi1 = 35.0 * Bogen, phi2 = 65.0 * Bogen, phi0 = 52.0 * Bogen;
    const double lambda0 = 10.0 * Bogen;
    const double n =
        (std::log(m(phi1)) - std::log(m(phi2))) / (std::log(t(phi1)) - std::log(t(phi2)));
    const double f = m(phi1) / (n * std::pow(t(phi1), n));
    const double rho0 = a * f * std::pow(t(phi0), n);
    const double x = rechtswert - 4000000.0;
    const double y = rho0 - (hochwert - 2800000.0);
    const double rho = std::hypot(x, y);
    const double tPunkt = std::pow(rho / (a * f), 1.0 / n);
    double phi = KreisZahl / 2.0 - 2.0 * std::atan(tPunkt);
    for (int schritt = 0; schritt < 8; ++schritt)
        phi =
            KreisZahl / 2.0 -
            2.0 * std::atan(tPunkt * std::pow((1.0 - e * std::sin(phi)) / (1.0 + e * std::sin(phi)),
                                              e / 2.0));
    breite = phi / Bogen;
    laenge = (std::atan2(x, y) / n + lambda0) / Bogen;
}

// site, kind of year, coordinates and the missing-value codes from the header lines
void KopfLesen(const TWetterText& text, long kopfZeile, std::vector<TTrySpalte>& spalten,
               TWetterInfo& info) {
    TZeilenFolge zeilen(text.Inhalt);
    TZeile zeile;
    bool lambert = false;
    double rechtswert = 0.0, hochwert = 0.0;
    bool mitRechtswert = false, mitHochwert = false;
    std::string art, zeitraum;
    while (zeilen.Naechste(zeile) && zeile.Nummer < kopfZeile) {
        const std::string utf8 = TextNachUtf8(zeile.Text);
        const std::string_view z = Getrimmt(utf8);
        std::array<std::string_view, 1> erstesWort{};
        WorteTeilen(z, erstesWort);
        for (TTrySpalte& spalte : spalten)
            if (erstesWort[0] == spalte.Kopf && z.find('{') != std::string_view::npos)
                spalte.Codes = FehlwertCodes(z);

        if (zeile.Nummer == 1 && z.substr(0, 3) == "TRY") {
            // "TRY05   Niederrheinisch-westfaelische Bucht und Emsland   (Klimaregion  5)"
            std::string_view region = z.substr(3);
            while (!region.empty() && region.front() >= '0' && region.front() <= '9')
                region.remove_prefix(1);
            info.Region = Zusammengezogen(region);
            continue;
        }
        std::string_view schluessel, wert;
        if (!KopfEintrag(z, schluessel, wert)) continue;
        if (schluessel == "Station") {
            const std::size_t wmo = wert.find("WMO-Nummer:");
            info.Ort = Zusammengezogen(wert.substr(0, wmo));
            if (wmo != std::string_view::npos) info.Wmo = Zusammengezogen(wert.substr(wmo + 11));
        } else if (schluessel == "Lage") {
            LageLesen(wert, info);
        } else if (schluessel == "Hoehenlage") {
            info.HatHoehe = MeterWert(wert, info.Hoehe);
        } else if (schluessel == "Koordinatensystem") {
            lambert = Zusammengezogen(wert) == "Lambert konform konisch";
        } else if (schluessel == "Rechtswert") {
            mitRechtswert = MeterWert(wert, rechtswert);
        } else if (schluessel == "Hochwert") {
            mitHochwert = MeterWert(wert, hochwert);
        } else if (schluessel == "Art des TRY") {
            art = Zusammengezogen(wert);
        } else if (schluessel == "Bezugszeitraum") {
            zeitraum = Zusammengezogen(wert);
        }
    }
    if (lambert && mitRechtswert && mitHochwert) {
        LambertUmrechnen(rechtswert, hochwert, info.Breite, info.Laenge);
        info.HatKoordinaten = true;
    }
    info.Datenquelle = art;
    if (!zeitraum.empty())
        info.Datenquelle += (art.empty() ? "Bezugszeitraum " : ", Bezugszeitraum ") + zeitraum;
}

bool IstFehlwert(const TTrySpalte& spalte, double wert) {
    for (double code : spalte.Codes)
        if (wert == code) return true;
    return false;
}

template <std::size_t N>
bool GleicheWorte(const std::array<std::string_view, N>& a,
                  const std::array<std::string_view, N>& b, int anzahl) {
    for (int i = 0; i < std::min(anzahl, static_cast<int>(N)); ++i)
        if (a[static_cast<std::size_t>(i)] != b[static_cast<std::size_t>(i)]) return false;
    return true;
}

} // namespace

bool IstTry(std::string_view inhalt) {
    TSpaltenKopf kopf;
    long stern = 0;
    return KopfSuchen(inhalt, kopf, stern) && SpaltenNummer(kopf, "MM") > 0 &&
           SpaltenNummer(kopf, "DD") > 0 && SpaltenNummer(kopf, "HH") > 0;
}

void TryLesen(const TWetterText& text, TWetterJahr& jahr, TWetterInfo& info) {
    TSpaltenKopf kopf;
    long sternZeile = 0;
    KopfSuchen(text.Inhalt, kopf, sternZeile);
    const std::string_view erste = kopf.Namen[0];
    if (erste == "RG")
        info.Format = TWetterFormat::Try2011;
    else if (erste == "RW")
        info.Format = TWetterFormat::Try2015;
    else
        WetterFehler(text, kopf.Zeile,
                     "Spaltenkopf des Testreferenzjahrs nicht erkannt: erwartet \"RG IS MM DD "
                     "HH ...\" (Ausgabe 2011) oder \"RW HW MM DD HH ...\" (Ausgabe 2015/2017)");
    if (kopf.Anzahl > static_cast<int>(SpaltenHoechstens))
        WetterFehler(text, kopf.Zeile,
                     "Spaltenkopf hat " + std::to_string(kopf.Anzahl) + " Spalten, höchstens " +
                         std::to_string(SpaltenHoechstens) + " werden gelesen");

    std::vector<TTrySpalte> spalten = {
        {"t", "Lufttemperatur", TRohJahr::Temperatur, -70, 70, "°C", 0, {}},
        {"p", "Luftdruck", TRohJahr::Druck, 300, 1100, "hPa", 0, {}},
        {"x", "Mischungsverhältnis", TRohJahr::Mischung, 0, 100, "g/kg", 0, {}},
        {"RF", "relative Feuchte", TRohJahr::Feuchte, 0, 100, "%", 0, {}},
    };
    const std::array<const char*, 3> datum = {"MM", "DD", "HH"};
    std::array<int, 3> datumSpalte{};
    for (std::size_t i = 0; i < datum.size(); ++i)
        datumSpalte[i] = SpaltenNummer(kopf, datum[i]);
    for (TTrySpalte& spalte : spalten) {
        spalte.Nummer = SpaltenNummer(kopf, spalte.Kopf);
        if (spalte.Nummer == 0)
            WetterFehler(text, kopf.Zeile,
                         std::string("Spalte \"") + spalte.Kopf + "\" (" + spalte.Name +
                             ") fehlt im Spaltenkopf");
    }
    KopfLesen(text, kopf.Zeile, spalten, info);

    // the rows follow the "***" line
    TZeilenFolge zeilen(text.Inhalt);
    TZeile zeile;
    while (zeile.Nummer < sternZeile && zeilen.Naechste(zeile))
        continue;
    auto roh = RohJahrAnlegen();
    int datenZeilen = 0;
    long letzte = sternZeile;
    std::array<std::string_view, SpaltenHoechstens> f{};
    std::array<std::string_view, SpaltenHoechstens> kopie{};
    TZeile kopieZeile;
    std::array<std::string_view, SpaltenHoechstens> zuletzt{};
    while (zeilen.Naechste(zeile)) {
        if (IstLeer(zeile.Text)) continue;
        letzte = zeile.Nummer;
        ++datenZeilen;
        const int anzahl = WorteTeilen(zeile.Text, f);
        if (anzahl != kopf.Anzahl)
            WetterFehler(text, zeile.Nummer,
                         "Datenzeile hat " + std::to_string(anzahl) + " Felder, der Spaltenkopf " +
                             std::to_string(kopf.Anzahl));
        const auto feld = [&f](int nummer) { return f[static_cast<std::size_t>(nummer - 1)]; };
        const int monat =
            FeldGanzzahl(text, zeile, feld(datumSpalte[0]), {datumSpalte[0], "Monat"});
        const int tag = FeldGanzzahl(text, zeile, feld(datumSpalte[1]), {datumSpalte[1], "Tag"});
        const int stunde =
            FeldGanzzahl(text, zeile, feld(datumSpalte[2]), {datumSpalte[2], "Stunde"});
        // some redistributed copies repeat 31 December hour 24 in front of the first hour
        if (datenZeilen == 1 && monat == 12 && tag == 31 && stunde == 24) {
            kopie = f;
            kopieZeile = zeile;
            continue;
        }
        zuletzt = f;
        if (monat == 2 && tag == 29) {
            ++roh->SchalttagZeilen;
            continue;
        }
        const int h = StundeAnfuegen(text, zeile, *roh);
        ZeitPruefen(text, zeile, h, monat, tag, stunde);
        for (const TTrySpalte& spalte : spalten) {
            const TFeld name{spalte.Nummer, spalte.Name};
            const double wert = FeldZahl(text, zeile, feld(spalte.Nummer), name);
            const auto stundeIndex = static_cast<std::size_t>(h);
            if (IstFehlwert(spalte, wert)) {
                roh->Fehlt[spalte.Ziel][stundeIndex] = true;
                continue;
            }
            BereichPruefen(text, zeile, wert, name, spalte.Minimum, spalte.Maximum, spalte.Einheit);
            if (spalte.Ziel == TRohJahr::Mischung && wert <= 0.0)
                WetterFehler(text, zeile.Nummer,
                             FeldText(name) + " ist 0 g/kg, der Taupunkt braucht einen Wert "
                                              "über 0");
            roh->Wert[spalte.Ziel][stundeIndex] = wert;
        }
    }
    StundenZahlPruefen(text, *roh, letzte);
    if (kopieZeile.Nummer > 0 && !GleicheWorte(kopie, zuletzt, kopf.Anzahl))
        WetterFehler(text, kopieZeile.Nummer,
                     "Die erste Datenzeile ist 31.12. Stunde 24, aber keine Kopie der letzten "
                     "Stunde; das Jahr beginnt mit 01.01. Stunde 1");
    LueckenFuellen(text, *roh, TRohJahr::Temperatur, "Lufttemperatur");
    LueckenFuellen(text, *roh, TRohJahr::Druck, "Luftdruck");
    LueckenFuellen(text, *roh, TRohJahr::Mischung, "Mischungsverhältnis");
    LueckenFuellen(text, *roh, TRohJahr::Feuchte, "relativen Feuchte");
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        roh->Wert[TRohJahr::Taupunkt][h] = TaupunktAusMischungsverhaeltnis(
            roh->Wert[TRohJahr::Mischung][h], roh->Wert[TRohJahr::Druck][h]);

    WetterJahrBilden(*roh, true, jahr);
    info.DatenZeilen = datenZeilen;
    info.SchalttagZeilen = roh->SchalttagZeilen;
    info.TryKopieVerworfen = kopieZeile.Nummer > 0;
    info.ZeilenVerworfen = roh->SchalttagZeilen + (info.TryKopieVerworfen ? 1 : 0);
    info.StundenErgaenzt = ErgaenzteStunden(*roh);
    info.HatFeuchte = true;
    info.TaupunktBerechnet = true;
}

} // namespace kov
