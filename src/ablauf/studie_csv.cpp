#include "ablauf/studie_csv.h"

#include "model/bodenarten.h"

#include <charconv>

namespace kov {

namespace {

std::string Zahl(double wert, bool dezimalkomma) {
    char text[32];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    std::string zahl(text, ende);
    if (dezimalkomma)
        for (char& c : zahl)
            if (c == '.') c = ',';
    return zahl;
}

// a text field in double quotes, inner quotes doubled
std::string Text(std::string_view text) {
    std::string feld = "\"";
    for (const char c : text) {
        if (c == '"') feld.push_back('"');
        feld.push_back(c);
    }
    feld.push_back('"');
    return feld;
}

std::string_view OhneRandLeer(std::string_view text) {
    const std::size_t anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

} // namespace

std::string StudienKopf(const TStudie& studie, bool dezimalkomma) {
    const char trenner = dezimalkomma ? ';' : ',';
    std::string kopf = "Variante";
    for (const TVariation& v : studie.Variationen) {
        kopf.append(1, trenner).append(v.Name);
        if (v.Name == BodenDimension) kopf.append(1, trenner).append("Bodenart");
    }
    for (const TStudienKennwert& k : StudienKennwerte())
        kopf.append(1, trenner).append(k.Name);
    kopf.append(1, trenner).append("Verletzt");
    for (const TParetoAchse& achse : ParetoAchsen())
        kopf.append(1, trenner).append(achse.Name);
    kopf.append("\n");
    return kopf;
}

void StudienZeileAnhaengen(const TStudie& studie, std::size_t nummer, const TVariantenErgebnis& v,
                           bool dezimalkomma, std::string& csv) {
    const char trenner = dezimalkomma ? ';' : ',';
    csv.append(std::to_string(nummer + 1));
    for (std::size_t d = 0; d < studie.Variationen.size(); ++d) {
        const TVariation& variation = studie.Variationen[d];
        if (!variation.Texte.empty())
            csv.append(1, trenner).append(Text(VariationsText(variation, v.Werte[d])));
        else
            csv.append(1, trenner).append(Zahl(v.Werte[d], dezimalkomma));
        if (variation.Name == BodenDimension)
            csv.append(1, trenner)
                .append(
                    Text(OhneRandLeer(Bodenarten()[static_cast<std::size_t>(v.Werte[d])].Text)));
    }
    for (const TStudienKennwert& k : StudienKennwerte())
        csv.append(1, trenner).append(Zahl(k.Wert(v), dezimalkomma));
    csv.append(1, trenner);
    for (std::size_t i = 0; i < v.Verletzt.size(); ++i)
        csv.append(i > 0 ? " " : "").append(v.Verletzt[i]);
    for (const TParetoAchse& achse : ParetoAchsen())
        csv.append(1, trenner).append(v.*achse.Marke ? "1" : "0");
    csv.append("\n");
}

std::string StudieAlsCsv(const TStudie& studie, const std::vector<TVariantenErgebnis>& ergebnis,
                         bool dezimalkomma) {
    std::string csv = StudienKopf(studie, dezimalkomma);
    for (std::size_t nummer = 0; nummer < ergebnis.size(); ++nummer)
        if (ergebnis[nummer].Berechnet)
            StudienZeileAnhaengen(studie, nummer, ergebnis[nummer], dezimalkomma, csv);
    return csv;
}

} // namespace kov
