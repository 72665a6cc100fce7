#include "files/stunden_csv.h"

#include "files/text_datei.h"
#include "model/kalender.h"
#include "model/kondensat.h"

#include <array>
#include <charconv>
#include <iterator>

namespace kov {

namespace {

std::string Zweistellig(int zahl) {
    return std::string(zahl < 10 ? "0" : "") + std::to_string(zahl);
}

void ZahlAnhaengen(std::string& ziel, double wert, TDezimalZeichen zeichen) {
    std::array<char, 400> puffer{}; // the longest fixed form of a double has 309 + 17 digits
    const auto [ende, fehler] =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert, std::chars_format::fixed);
    if (fehler != std::errc()) return;
    const std::size_t anfang = ziel.size();
    ziel.append(puffer.data(), ende);
    if (zeichen == TDezimalZeichen::Komma)
        for (std::size_t i = anfang; i < ziel.size(); ++i)
            if (ziel[i] == '.') ziel[i] = ',';
}

} // namespace

std::string StundenDatum(int stunde) {
    const int monat = MonatDerStunde(stunde);
    const int tag = (stunde - ErsteStundeImMonat(monat)) / 24 + 1;
    return Zweistellig(tag) + "." + Zweistellig(monat) + ".";
}

std::string StundenUhrzeit(int stunde) {
    const int uhr = (stunde - 1) % 24;
    return Zweistellig(uhr) + ":00-" + Zweistellig(uhr + 1) + ":00";
}

// the columns' titles as kov.txt users know them
constexpr const char* Spalten[] = {"Stunde",
                                   "Datum",
                                   "Uhrzeit",
                                   "Eintrittstemperatur Tein [°C]",
                                   "Austrittstemperatur Taus [°C]",
                                   "Relativer Volumenstrom [-]",
                                   "Relative Feuchte [%]",
                                   "Taupunkt [°C]",
                                   "Monitortemperatur [°C]",
                                   "Betrieb [-]",
                                   "Kondensat [kg/h]"};

std::span<const char* const> StundenCsvSpalten() {
    return Spalten;
}

std::string StundenCsvText(const TStundenReihen& r, const TRegisterParameter& p,
                           TDezimalZeichen zeichen, std::span<const std::string> titel) {
    const char trenner = zeichen == TDezimalZeichen::Komma ? ';' : ',';
    std::string text;
    text.reserve(StundenImJahr * 120);
    for (std::size_t s = 0; s < std::size(Spalten); ++s) {
        if (s > 0) text.push_back(trenner);
        text.append(s < titel.size() ? titel[s] : std::string(Spalten[s]));
    }
    text.append(Zeilenende);
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        text.append(std::to_string(h)).push_back(trenner);
        text.append(StundenDatum(h)).push_back(trenner);
        text.append(StundenUhrzeit(h));
        for (const double wert :
             {r.Tein[i], r.Taus[i], r.RelVolumenstrom[i], r.RelFeuchte[i], r.TTaupunkt[i],
              r.TMonitor[i], r.Betrieb[i], Kondensat(r, p, h)}) {
            text.push_back(trenner);
            ZahlAnhaengen(text, wert, zeichen);
        }
        text.append(Zeilenende);
    }
    return text;
}

void StundenCsvSchreiben(const std::string& datei, const TStundenReihen& r,
                         const TRegisterParameter& p, TDezimalZeichen zeichen,
                         std::span<const std::string> titel) {
    DateiSchreiben(datei, StundenCsvText(r, p, zeichen, titel));
}

} // namespace kov
