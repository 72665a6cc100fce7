#include "model/klima_regionen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kov {

namespace {

// the position in the identifier is degrees to four decimals: 514562070568 = 51.4562 N 7.0568 E
const std::array<TKlimaRegion, KlimaRegionen> Regionen = {{
    {1, "Bremerhaven", "Nordseeküste", "535591085872", 53.5591, 8.5872},
    {2, "Rostock", "Ostseeküste", "540878121412", 54.0878, 12.1412},
    {3, "Hamburg", "Nordwestdeutsches Tiefland", "535299100078", 53.5299, 10.0078},
    {4, "Potsdam", "Nordostdeutsches Tiefland", "523938130651", 52.3938, 13.0651},
    {5, "Essen", "Niederrheinisch-westfälische Bucht und Emsland", "514562070568", 51.4562, 7.0568},
    {6, "Bad Marienberg", "Nördliche und westliche Mittelgebirge, Randgebiete", "506461079426",
     50.6461, 7.9426},
    {7, "Kassel", "Nördliche und westliche Mittelgebirge, zentrale Bereiche", "513334094725",
     51.3334, 9.4725},
    {8, "Braunlage", "Oberharz und Schwarzwald (mittlere Lagen)", "517239106069", 51.7239, 10.6069},
    {9, "Chemnitz", "Thüringer Becken und Sächsisches Hügelland", "508233129181", 50.8233, 12.9181},
    {10, "Hof", "Südöstliche Mittelgebirge bis 1000 m", "503226119124", 50.3226, 11.9124},
    {11, "Fichtelberg", "Erzgebirge, Böhmer- und Schwarzwald oberhalb 1000 m", "504312129522",
     50.4312, 12.9522},
    {12, "Mannheim", "Oberrheingraben und unteres Neckartal", "494902084637", 49.4902, 8.4637},
    {13, "Mühldorf", "Schwäbisch-fränkisches Stufenland und Alpenvorland", "482432125286", 48.2432,
     12.5286},
    {14, "Stötten", "Schwäbische Alb und Baar", "486536098666", 48.6536, 9.8666},
    {15, "Garmisch-Partenkirchen", "Alpenrand und -täler", "474945111046", 47.4945, 11.1046},
}};

constexpr std::string_view Regel =
    "muss ein eingebautes Klima nennen: Region 1 bis 15, wahlweise mit Art (Jahr, Somm, Wint) "
    "und Zeitraum (2015, 2045), z. B. 5, 5:Wint:2045 oder TRY2015-05-Jahr.";

bool RegionLesen(std::string_view text, int& region) {
    if (text.empty() || text.size() > 2) return false;
    region = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        region = region * 10 + (c - '0');
    }
    return region >= 1 && region <= KlimaRegionen;
}

bool ArtLesen(std::string_view text, TKlimaArt& art) {
    for (TKlimaArt a : KlimaArten)
        if (text == KlimaArtKuerzel(a)) {
            art = a;
            return true;
        }
    return false;
}

bool PeriodeLesen(std::string_view text, int& periode) {
    for (int p : KlimaPerioden)
        if (text == std::to_string(p)) {
            periode = p;
            return true;
        }
    return false;
}

// "TRY2015-05-Jahr"
bool LangformLesen(std::string_view text, TKlimaWahl& wahl) {
    if (text.size() != 15 || text.substr(0, 3) != "TRY" || text[7] != '-' || text[10] != '-')
        return false;
    return PeriodeLesen(text.substr(3, 4), wahl.Periode) &&
           RegionLesen(text.substr(8, 2), wahl.Region) && ArtLesen(text.substr(11), wahl.Art);
}

// "5", "5:Wint", "5:Wint:2045", "5:2045:Somm"
bool KurzformLesen(std::string_view text, TKlimaWahl& wahl) {
    std::array<std::string_view, 3> teile{};
    std::size_t anzahl = 0;
    std::size_t anfang = 0;
    while (true) {
        if (anzahl == teile.size()) return false;
        const std::size_t ende = text.find(':', anfang);
        teile[anzahl++] =
            text.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang);
        if (ende == std::string_view::npos) break;
        anfang = ende + 1;
    }
    if (!RegionLesen(teile[0], wahl.Region)) return false;
    bool mitArt = false, mitPeriode = false;
    for (std::size_t i = 1; i < anzahl; ++i) {
        if (!mitArt && ArtLesen(teile[i], wahl.Art))
            mitArt = true;
        else if (!mitPeriode && PeriodeLesen(teile[i], wahl.Periode))
            mitPeriode = true;
        else
            return false;
    }
    return true;
}

} // namespace

const std::array<TKlimaRegion, KlimaRegionen>& KlimaRegionenListe() {
    return Regionen;
}

const TKlimaRegion& KlimaRegion(int nummer) {
    return Regionen.at(static_cast<std::size_t>(nummer - 1));
}

std::string_view KlimaArtKuerzel(TKlimaArt art) {
    switch (art) {
    case TKlimaArt::Somm:
        return "Somm";
    case TKlimaArt::Wint:
        return "Wint";
    case TKlimaArt::Jahr:
        break;
    }
    return "Jahr";
}

std::string_view KlimaArtText(TKlimaArt art) {
    switch (art) {
    case TKlimaArt::Somm:
        return "extremer Sommer";
    case TKlimaArt::Wint:
        return "extremer Winter";
    case TKlimaArt::Jahr:
        break;
    }
    return "mittleres Jahr";
}

std::string_view KlimaPeriodenText(int periode) {
    return periode == 2045 ? "2031–2060" : "1995–2012";
}

bool KlimaWahlLesen(std::string_view text, TKlimaWahl& wahl, std::string* fehler) {
    TKlimaWahl gelesen;
    if (LangformLesen(text, gelesen) || KurzformLesen(text, gelesen)) {
        wahl = gelesen;
        return true;
    }
    if (fehler != nullptr) *fehler = Regel;
    return false;
}

std::string KlimaName(const TKlimaWahl& wahl) {
    char name[32];
    std::snprintf(name, sizeof name, "TRY%d-%02d-", wahl.Periode, wahl.Region);
    return std::string(name).append(KlimaArtKuerzel(wahl.Art));
}

std::string KlimaBeschreibung(const TKlimaWahl& wahl) {
    std::string text = "Region " + std::to_string(wahl.Region) + " ";
    text.append(KlimaRegion(wahl.Region).Station).append(", ");
    text.append(KlimaArtText(wahl.Art)).append(" ").append(KlimaPeriodenText(wahl.Periode));
    return text;
}

std::string KlimaDateiName(const TKlimaWahl& wahl) {
    std::string name = std::to_string(wahl.Region) + "/TRY" + std::to_string(wahl.Periode) + "_";
    name.append(KlimaRegion(wahl.Region).Kennung).append("_").append(KlimaArtKuerzel(wahl.Art));
    return name.append(".dat");
}

int NaechsteKlimaRegion(double breite, double laenge, double* entfernung) {
    // haversine on a sphere of the mean earth radius, km; geodesy, not a model formula
    constexpr double Bogen = 3.14159265358979323846 / 180.0;
    constexpr double Erdradius = 6371.0;
    int beste = 1;
    double kuerzeste = 0.0;
    for (const TKlimaRegion& r : Regionen) {
        const double dPhi = (r.Breite - breite) * Bogen;
        const double dLambda = (r.Laenge - laenge) * Bogen;
        const double a = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
                         std::cos(breite * Bogen) * std::cos(r.Breite * Bogen) *
                             std::sin(dLambda / 2) * std::sin(dLambda / 2);
        const double d = 2.0 * Erdradius * std::asin(std::sqrt(std::min(1.0, a)));
        if (r.Nummer == 1 || d < kuerzeste) {
            beste = r.Nummer;
            kuerzeste = d;
        }
    }
    if (entfernung != nullptr) *entfernung = kuerzeste;
    return beste;
}

} // namespace kov
