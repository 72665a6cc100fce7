#include "files/stunden_ausgabe.h"

#include "files/bericht.h"
#include "files/text_datei.h"
#include "files/zahl_format.h"
#include "model/kalender.h"

#include <algorithm>
#include <string_view>

namespace kov {

namespace {

// Water content of saturated air at T °C, kg/kg: saturation pressure 288.68 Pa *
// (1.098 + T/100)^8.02 over a total pressure of 100000 Pa.
double Saettigung(double t) {
    return Hoch(t / 100 + 1.098, 8.02) * 0.0028868;
}

// The next line of text starting at pos, without its line end; a line ends at LF, CR LF or a
// lone CR. At the end of the text the line is empty and pos stays at the end.
std::string_view ZeileLesen(std::string_view text, std::size_t& pos) {
    const std::size_t anfang = std::min(pos, text.size());
    const std::size_t ende = text.find_first_of("\r\n", anfang);
    if (ende == std::string_view::npos) {
        pos = text.size();
        return text.substr(anfang);
    }
    pos = ende + 1;
    if (text[ende] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    return text.substr(anfang, ende - anfang);
}

} // namespace

double Kondensat(const TStundenReihen& r, const TRegisterParameter& p, int h) {
    const auto i = static_cast<std::size_t>(h);
    if (!(r.Taus[i] < r.TTaupunkt[i] && r.Betrieb[i] > 0)) return 0;
    const double x1 = Saettigung(r.TTaupunkt[i]);
    const double x2 = Saettigung(r.Taus[i]);
    // drop of the water content, kg water per kg dry air
    const double dx = (x1 / (1 - x1) - x2 / (1 - x2)) * 0.622;
    // kg/h with an air density of 1.2 kg/m3
    return r.Betrieb[i] * r.RelVolumenstrom[i] * dx * 1.2 * p.Volumenstrom;
}

void AusgabeStundenSchreiben(std::string& bericht, const TStundenReihen& r,
                             const TRegisterParameter& p) {
    for (std::size_t h = 1; h <= StundenImJahr; ++h) {
        FeldAnhaengen(bericht, r.Tein[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.Taus[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.RelVolumenstrom[h], 1, 2);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.RelFeuchte[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.TTaupunkt[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.TMonitor[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, r.Betrieb[h], 1, 1);
        bericht.push_back('\t');
        FeldAnhaengen(bericht, Kondensat(r, p, static_cast<int>(h)), 1, 2);
        bericht.append(Zeilenende);
    }
}

std::string DezimalKommaText(std::string_view bericht) {
    std::string text;
    text.reserve(bericht.size() + BerichtKopfZeilen);
    std::size_t pos = 0;
    for (int zeile = 0; zeile < BerichtKopfZeilen; ++zeile)
        text.append(ZeileLesen(bericht, pos)).append(Zeilenende);
    const std::size_t rest = text.size();
    text.append(bericht.substr(std::min(pos, bericht.size())));
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(rest), text.end(), '.', ',');
    return text;
}

bool LandMitDezimalKomma(const std::string& land) {
    return land == "D" || land == "d" || land == "A" || land == "a";
}

std::string ZeilenweiseKopie(std::string_view text) {
    std::string kopie;
    kopie.reserve(text.size() + 2);
    std::size_t pos = 0;
    do {
        kopie.append(ZeileLesen(text, pos)).append(Zeilenende);
    } while (pos < text.size());
    return kopie;
}

void DateiKopieren(const std::string& quelle, const std::string& ziel) {
    DateiSchreiben(ziel, ZeilenweiseKopie(DateiLesen(quelle)));
}

} // namespace kov
