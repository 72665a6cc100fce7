#include "ui/studien_entwurf.h"

#include "model/bodenarten.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kov {

namespace {

// the design parameters a register is sized by, in the order a planner goes through them
constexpr std::string_view Gewoehnlich[] = {"AnzahlRohre", "Rohrlaenge",   "DRohr",
                                            "Tiefe",       "Volumenstrom", "WandstaerkeRohr",
                                            "Heizgrenze",  "Kuehlgrenze"};

// the soil dimension sets these three; varying one of them beside it would be overwritten
constexpr std::string_view BodenFelder[] = {"LambdaErde", "RhoErde", "CpErde"};

bool Variierbar(const TKatalogEintrag& e) {
    if (e.Abgeleitet || (FeldTyp(e) == TFeldTyp::Text && !TextDimension(e.Name))) return false;
    // the study reads neither a previous report nor a schedule per variant
    return e.Name != "EingebautesWetter" && e.Name != "FahrplanGelesen";
}

std::string OhneRand(std::string_view text) {
    const std::size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return {};
    return std::string(text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1));
}

// the limit of a condition as typed, a decimal comma allowed
// a row's list in the engine's form; a text dimension's values are taken as typed, blanks
// dropped ("5:Wint:2045" is a climate, not a range)
std::string ZeilenListe(const TParameterZeile& zeile) {
    if (!TextDimension(zeile.Name)) return ListeNormieren(zeile.Liste);
    std::string text;
    for (const char c : zeile.Liste)
        if (c != ' ' && c != '\t') text.push_back(c);
    return text;
}

std::string GrenzeNormieren(std::string_view text) {
    std::string grenze = OhneRand(text);
    if (std::count(grenze.begin(), grenze.end(), ',') == 1)
        std::replace(grenze.begin(), grenze.end(), ',', '.');
    return grenze;
}

void FeldKopieren(TRegisterParameter& ziel, const TRegisterParameter& quelle,
                  const TKatalogEintrag& e) {
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl:
        FeldWert<double>(ziel, e) = FeldWert<double>(quelle, e);
        break;
    case TFeldTyp::Ganzzahl:
        FeldWert<std::int32_t>(ziel, e) = FeldWert<std::int32_t>(quelle, e);
        break;
    case TFeldTyp::Wahrheitswert:
        FeldWert<bool>(ziel, e) = FeldWert<bool>(quelle, e);
        break;
    case TFeldTyp::Monate:
        FeldWert<TMonatsFeld>(ziel, e) = FeldWert<TMonatsFeld>(quelle, e);
        break;
    case TFeldTyp::Text:
        FeldWert<std::string>(ziel, e) = FeldWert<std::string>(quelle, e);
        break;
    }
}

} // namespace

std::vector<const TKatalogEintrag*> StudienParameter() {
    std::vector<const TKatalogEintrag*> liste;
    for (std::string_view name : Gewoehnlich)
        liste.push_back(KatalogEintrag(name));
    for (const TKatalogEintrag& e : ParameterKatalog())
        if (Variierbar(e) && std::find(liste.begin(), liste.end(), &e) == liste.end())
            liste.push_back(&e);
    return liste;
}

std::string ListeNormieren(std::string_view liste) {
    std::string text;
    for (const char c : liste)
        if (c != ' ' && c != '\t') text.push_back(c);
    // with ";" between the values, or in a range (which has no list commas), a comma is a
    // decimal comma
    if (text.find(';') != std::string::npos || text.find(':') != std::string::npos)
        for (char& c : text)
            c = c == ',' ? '.' : c == ';' ? ',' : c;
    return text;
}

std::string BodenListe(const std::vector<std::size_t>& boeden) {
    std::vector<std::size_t> sortiert = boeden;
    std::sort(sortiert.begin(), sortiert.end());
    sortiert.erase(std::unique(sortiert.begin(), sortiert.end()), sortiert.end());
    const std::size_t arten = Bodenarten().size() - 1;
    if (sortiert.size() == arten && sortiert.front() == 1 && sortiert.back() == arten)
        return "alle";
    std::string text;
    for (const std::size_t art : sortiert)
        text.append(text.empty() ? "" : ",").append(std::to_string(art));
    return text;
}

std::vector<std::string> TEntwurfsPruefung::Meldungen() const {
    std::vector<std::string> meldungen;
    for (const std::string& fehler : ZeilenFehler)
        if (!fehler.empty()) meldungen.push_back(fehler);
    for (const std::string& fehler : BedingungsFehler)
        if (!fehler.empty()) meldungen.push_back(fehler);
    if (!Fehler.empty()) meldungen.push_back(Fehler);
    return meldungen;
}

TEntwurfsPruefung EntwurfPruefen(const TStudienEntwurf& entwurf) {
    TEntwurfsPruefung pruefung;
    TStudie studie;
    bool zeilenGut = true;
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        const TParameterZeile& zeile = entwurf.Zeilen[i];
        if (zeile.Name.empty()) continue;
        try {
            if (!entwurf.Boeden.empty() && std::find(std::begin(BodenFelder), std::end(BodenFelder),
                                                     zeile.Name) != std::end(BodenFelder))
                throw TStudienFehler(zeile.Name +
                                     ": wird mit der Bodenart schon variiert (sie setzt "
                                     "Lambda, rho und cp der Erde).");
            studie.Variationen.push_back(VariationLesen(zeile.Name, ZeilenListe(zeile)));
            pruefung.ZeilenWerte[i] = studie.Variationen.back().Werte.size();
        } catch (const TStudienFehler& f) {
            pruefung.ZeilenFehler[i] = f.what();
            zeilenGut = false;
        }
    }
    if (!entwurf.Boeden.empty()) {
        try {
            studie.Variationen.push_back(
                VariationLesen(BodenDimension, BodenListe(entwurf.Boeden)));
        } catch (const TStudienFehler& f) {
            pruefung.Fehler = f.what();
            zeilenGut = false;
        }
    }
    for (const TBedingungsZeile& b : entwurf.Bedingungen) {
        std::string fehler;
        if (!b.Kennwert.empty()) {
            const std::string grenze = GrenzeNormieren(b.Grenze);
            try {
                if (grenze.empty()) throw TStudienFehler(b.Kennwert + ": der Grenzwert fehlt.");
                BedingungLesen(b.Kennwert + (b.Hoechstens ? "<=" : ">=") + grenze);
            } catch (const TStudienFehler& f) {
                fehler = f.what();
                zeilenGut = false;
            }
        }
        pruefung.BedingungsFehler.push_back(std::move(fehler));
    }
    if (!zeilenGut) return pruefung;
    if (studie.Variationen.empty()) {
        pruefung.Fehler = "Es wird nichts variiert: bitte einen Parameter mit seinen Werten "
                          "oder Bodenarten wählen.";
        return pruefung;
    }
    try {
        pruefung.Varianten = VariantenZahl(studie);
    } catch (const TStudienFehler& f) {
        pruefung.Fehler = f.what();
    }
    return pruefung;
}

TStudie StudieAufbauen(const TRegisterParameter& basis, const TStudienEntwurf& entwurf) {
    const TEntwurfsPruefung pruefung = EntwurfPruefen(entwurf);
    if (!pruefung.Gueltig()) throw TStudienFehler(pruefung.Meldungen().front());
    TStudie studie;
    studie.Basis = basis;
    for (const TParameterZeile& zeile : entwurf.Zeilen)
        if (!zeile.Name.empty())
            studie.Variationen.push_back(VariationLesen(zeile.Name, ZeilenListe(zeile)));
    if (!entwurf.Boeden.empty())
        studie.Variationen.push_back(VariationLesen(BodenDimension, BodenListe(entwurf.Boeden)));
    studie.Bedingungen = BedingungenAufbauen(entwurf);
    return studie;
}

std::vector<TBedingung> BedingungenAufbauen(const TStudienEntwurf& entwurf) {
    std::vector<TBedingung> bedingungen;
    for (const TBedingungsZeile& b : entwurf.Bedingungen) {
        if (b.Kennwert.empty()) continue;
        const std::string grenze = GrenzeNormieren(b.Grenze);
        if (grenze.empty()) throw TStudienFehler(b.Kennwert + ": der Grenzwert fehlt.");
        bedingungen.push_back(BedingungLesen(b.Kennwert + (b.Hoechstens ? "<=" : ">=") + grenze));
    }
    return bedingungen;
}

std::size_t VarianteUebernehmen(TRegisterParameter& p, const TStudie& studie, std::size_t nummer) {
    std::vector<double> werte;
    const TRegisterParameter variante = VarianteParameter(studie, nummer, &werte);
    std::size_t boden = 0;
    for (std::size_t d = 0; d < studie.Variationen.size(); ++d) {
        const std::string& name = studie.Variationen[d].Name;
        if (name == BodenDimension) {
            boden = static_cast<std::size_t>(werte[d]);
            for (std::string_view feld : BodenFelder)
                FeldKopieren(p, variante, *KatalogEintrag(feld));
        } else {
            FeldKopieren(p, variante, *KatalogEintrag(name));
        }
    }
    AnteilErdeBerechnen(p);
    return boden;
}

double RestzeitSchaetzen(std::size_t fertig, std::size_t gesamt, double sekunden) {
    if (fertig == 0 || gesamt < fertig) return -1.0;
    return sekunden / static_cast<double>(fertig) * static_cast<double>(gesamt - fertig);
}

std::string RestzeitText(double sekunden) {
    if (!(sekunden >= 0)) return {};
    const long s = std::lround(sekunden);
    char text[48];
    if (s < 60)
        std::snprintf(text, sizeof text, "noch etwa %ld s", s);
    else if (s < 3600)
        std::snprintf(text, sizeof text, "noch etwa %ld min %02ld s", s / 60, s % 60);
    else
        std::snprintf(text, sizeof text, "noch etwa %ld h %02ld min", s / 3600, s % 3600 / 60);
    return text;
}

} // namespace kov
