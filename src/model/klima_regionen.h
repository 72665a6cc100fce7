#pragma once
// The built-in climates: the Deutscher Wetterdienst's test reference years of the 15 German
// regions, each as a mean year, a year with an extreme summer and one with an extreme winter,
// for the reference period 1995-2012 ("2015") and the projection 2031-2060 ("2045"). A climate
// is named by region, kind and period: "TRY2015-05-Jahr"; the short forms "5" (mean year
// today) and "5:Wint:2045" are read too.

#include <array>
#include <string>
#include <string_view>

namespace kov {

inline constexpr int KlimaRegionen = 15;

enum class TKlimaArt { Jahr, Somm, Wint };
inline constexpr std::array<TKlimaArt, 3> KlimaArten = {TKlimaArt::Jahr, TKlimaArt::Somm,
                                                        TKlimaArt::Wint};
inline constexpr std::array<int, 2> KlimaPerioden = {2015, 2045};

struct TKlimaRegion {
    int Nummer = 0;           // 1..15
    std::string_view Station; // UTF-8
    std::string_view Region;  // UTF-8
    std::string_view Kennung; // the station's position as the file names carry it
    double Breite = 0.0;      // degrees north
    double Laenge = 0.0;      // degrees east
};

struct TKlimaWahl {
    int Region = 0; // 1..15
    TKlimaArt Art = TKlimaArt::Jahr;
    int Periode = 2015; // 2015 or 2045
};

// The 15 regions in their order.
const std::array<TKlimaRegion, KlimaRegionen>& KlimaRegionenListe();
const TKlimaRegion& KlimaRegion(int nummer);

// "Jahr", "Somm", "Wint" as the file names carry them.
std::string_view KlimaArtKuerzel(TKlimaArt art);
// "mittleres Jahr", "extremer Sommer", "extremer Winter".
std::string_view KlimaArtText(TKlimaArt art);
// "1995–2012" or "2031–2060" (UTF-8).
std::string_view KlimaPeriodenText(int periode);

// Reads "TRY2015-05-Jahr", "5", "5:Wint" or "5:Wint:2045" (kind and period in any order after
// the region). False with the rule the text breaks as the end of a German sentence
// ("muss eine Region 1 bis 15 nennen ...") when it names no built-in climate.
bool KlimaWahlLesen(std::string_view text, TKlimaWahl& wahl, std::string* fehler = nullptr);
// "TRY2015-05-Jahr".
std::string KlimaName(const TKlimaWahl& wahl);
// "Region 5 Essen, mittleres Jahr 1995–2012" (UTF-8).
std::string KlimaBeschreibung(const TKlimaWahl& wahl);
// The file inside the region's archive: "5/TRY2015_514562070568_Jahr.dat".
std::string KlimaDateiName(const TKlimaWahl& wahl);

// The region whose station lies nearest to a point (great-circle distance); entfernung in km.
int NaechsteKlimaRegion(double breite, double laenge, double* entfernung = nullptr);

} // namespace kov
