#include "files/stunden_ausgabe.h"

#include "files/bericht.h"
#include "files/text_datei.h"
#include "files/zahl_format.h"
#include "model/kondensat.h"

#include <algorithm>
#include <string_view>

namespace kov {

namespace {

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
