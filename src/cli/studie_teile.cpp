#include "cli/studie_teile.h"

#include "ablauf/studie_csv.h"
#include "ablauf/studie_strom.h"
#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "model/version.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <memory>

namespace kov {

namespace {

// FNV-1a, 64 bits: a fingerprint against mix-ups, not against intent
class TFingerabdruck {
public:
    void Hinzu(std::string_view bytes) {
        for (const char c : bytes) {
            Wert ^= static_cast<unsigned char>(c);
            Wert *= 0x100000001b3ULL;
        }
    }
    void Hinzu(double zahl) {
        char text[32];
        const auto [ende, fehler] = std::to_chars(text, text + sizeof text, zahl);
        Hinzu(std::string_view(text, static_cast<std::size_t>(ende - text)));
        Hinzu(std::string_view(";"));
    }
    std::string Text() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Wert));
        return text;
    }

private:
    std::uint64_t Wert = 0xcbf29ce484222325ULL;
};

} // namespace

TStudienKennung StudienKennungBilden(const TStudie& studie, const TWetterJahr& wetter,
                                     const TStundenFeld* fahrplan, std::size_t teil,
                                     std::size_t teile) {
    TStudienKennung kennung;
    kennung.Programm = VersionText("kov-run");
    TFingerabdruck s;
    s.Hinzu(StudienKopf(studie));
    for (const TVariation& v : studie.Variationen) {
        s.Hinzu(v.Name + "=");
        for (const double wert : v.Werte)
            s.Hinzu(wert);
        for (const std::string& text : v.Texte)
            s.Hinzu(text + ",");
    }
    for (const TBedingung& b : studie.Bedingungen) {
        s.Hinzu(b.Kennwert + (b.Hoechstens ? "<=" : ">="));
        s.Hinzu(b.Grenze);
    }
    kennung.Studie = s.Text();
    TFingerabdruck b;
    b.Hinzu(ProjektText(studie.Basis, "", "basis.kov"));
    for (const TStundenFeld* feld : {&wetter.Tein, &wetter.RelFeuchte, &wetter.TTaupunkt, fahrplan})
        if (feld != nullptr)
            for (const double wert : *feld)
                b.Hinzu(wert);
    if (studie.Hoehe != 0.0) b.Hinzu(studie.Hoehe);
    for (std::size_t i = 0; i < studie.KlimaWetter.size(); ++i) {
        const TWetterJahr& klima = *studie.KlimaWetter[i];
        for (const TStundenFeld* feld : {&klima.Tein, &klima.RelFeuchte, &klima.TTaupunkt})
            for (const double wert : *feld)
                b.Hinzu(wert);
        b.Hinzu(studie.KlimaHoehe[i]);
    }
    kennung.Basis = b.Text();
    kennung.Varianten = VariantenZahl(studie);
    kennung.Teil = teil;
    kennung.Teile = teile;
    return kennung;
}

std::string KennungsDatei(const std::string& tabelle) {
    return tabelle + ".studie";
}

void KennungSchreiben(const std::string& tabelle, const TStudienKennung& kennung) {
    const nlohmann::ordered_json j = {
        {"Programm", kennung.Programm},  {"Studie", kennung.Studie},
        {"Basisprojekt", kennung.Basis}, {"Varianten", kennung.Varianten},
        {"Teil", kennung.Teil},          {"Teile", kennung.Teile}};
    DateiSchreiben(KennungsDatei(tabelle), j.dump(2) + "\n");
}

TStudienKennung KennungLesen(const std::string& tabelle) {
    const std::string datei = KennungsDatei(tabelle);
    const std::string text = DateiLesen(datei);
    TStudienKennung kennung;
    try {
        const nlohmann::json j = nlohmann::json::parse(text);
        kennung.Programm = j.at("Programm").get<std::string>();
        kennung.Studie = j.at("Studie").get<std::string>();
        kennung.Basis = j.at("Basisprojekt").get<std::string>();
        kennung.Varianten = j.at("Varianten").get<std::size_t>();
        kennung.Teil = j.at("Teil").get<std::size_t>();
        kennung.Teile = j.at("Teile").get<std::size_t>();
    } catch (const nlohmann::json::exception& f) {
        throw TDateiFehler(std::string("keine Kennung einer Studie (") + f.what() + ")", datei);
    }
    if (kennung.Teile == 0 || kennung.Teil == 0 || kennung.Teil > kennung.Teile)
        throw TDateiFehler("Teil " + std::to_string(kennung.Teil) + " von " +
                               std::to_string(kennung.Teile) + " gibt es nicht",
                           datei);
    return kennung;
}

std::string KennungUnterschied(const TStudienKennung& a, const TStudienKennung& b) {
    if (a.Programm != b.Programm)
        return "eine andere Programmversion (" + a.Programm + ", nicht " + b.Programm + ")";
    if (a.Studie != b.Studie || a.Varianten != b.Varianten) return "eine andere Studie";
    if (a.Basis != b.Basis) return "ein anderes Basisprojekt (Parameter, Wetter oder Fahrplan)";
    if (a.Teile != b.Teile || a.Teil != b.Teil)
        return "Teil " + std::to_string(a.Teil) + " von " + std::to_string(a.Teile) +
               ", nicht Teil " + std::to_string(b.Teil) + " von " + std::to_string(b.Teile);
    return {};
}

TVariantenFolge TeilFolge(std::size_t anzahl, std::size_t teil, std::size_t teile) {
    TVariantenFolge folge;
    folge.Anfang = teil - 1;
    folge.Schritt = teile;
    folge.Anzahl = anzahl > teil - 1 ? (anzahl - (teil - 1) + teile - 1) / teile : 0;
    return folge;
}

int StudieZusammenfuehren(const std::vector<std::string>& teile, std::ostream& aus,
                          std::ostream& fehler) {
    const auto ablehnen = [&](const std::string& text) {
        fehler << "kov-run: Teile nicht zusammengeführt: " << SicherText(text) << "\n";
        return ExitAufruf;
    };
    if (teile.empty()) return ablehnen("--zusammenfuehren braucht die Tabellen der Teile.");
    try {
        std::vector<TStudienKennung> kennungen;
        for (const std::string& teil : teile)
            kennungen.push_back(KennungLesen(teil));
        const std::size_t anzahl = kennungen[0].Teile;
        // the file of each part, by its number
        std::vector<const std::string*> nachTeil(anzahl, nullptr);
        for (std::size_t i = 0; i < teile.size(); ++i) {
            TStudienKennung erwartet = kennungen[0];
            erwartet.Teil = kennungen[i].Teil;
            const std::string unterschied = KennungUnterschied(kennungen[i], erwartet);
            if (!unterschied.empty())
                return ablehnen(Zitat(teile[i]) + " gehört nicht zu " + Zitat(teile[0]) + ": " +
                                unterschied + ".");
            const std::string*& platz = nachTeil[kennungen[i].Teil - 1];
            if (platz != nullptr)
                return ablehnen(Zitat(*platz) + " und " + Zitat(teile[i]) + " sind beide Teil " +
                                std::to_string(kennungen[i].Teil) + " von " +
                                std::to_string(anzahl) + ".");
            platz = &teile[i];
        }
        for (std::size_t k = 0; k < anzahl; ++k)
            if (nachTeil[k] == nullptr)
                return ablehnen("Teil " + std::to_string(k + 1) + " von " + std::to_string(anzahl) +
                                " fehlt.");

        std::vector<std::unique_ptr<std::ifstream>> dateien;
        std::vector<long> zeilen(anzahl, 1);
        std::string kopf;
        for (std::size_t k = 0; k < anzahl; ++k) {
            dateien.push_back(std::make_unique<std::ifstream>(*nachTeil[k], std::ios::binary));
            std::string erste;
            if (!*dateien[k] || !std::getline(*dateien[k], erste) || dateien[k]->eof())
                return ablehnen(Zitat(*nachTeil[k]) + " hat keine Kopfzeile.");
            if (k == 0) kopf = erste;
            if (erste != kopf)
                return ablehnen(Zitat(*nachTeil[k]) + ", Zeile 1: andere Spalten als " +
                                Zitat(*nachTeil[0]) + ".");
        }
        TStudienSpalten spalten;
        if (!spalten.KopfLesen(kopf))
            return ablehnen(Zitat(*nachTeil[0]) + ", Zeile 1: keine Tabelle einer Studie.");

        TStudienStrom strom("", kopf + "\n");
        TStudienBewertung bewertung({});
        TZeilenWerte werte;
        std::string zeile;
        for (std::size_t nummer = 0; nummer < kennungen[0].Varianten; ++nummer) {
            const std::size_t k = nummer % anzahl;
            const std::string& name = *nachTeil[k];
            if (!std::getline(*dateien[k], zeile) || dateien[k]->eof())
                return ablehnen(
                    Zitat(name) + " ist unvollständig: es endet nach " +
                    std::to_string(zeilen[k] - 1) + " von " +
                    std::to_string(TeilFolge(kennungen[0].Varianten, k + 1, anzahl).Anzahl) +
                    " Varianten (mit --fortsetzen zu Ende rechnen).");
            ++zeilen[k];
            if (!spalten.ZeileLesen(zeile, werte) || werte.Nummer != nummer)
                return ablehnen(Zitat(name) + ", Zeile " + std::to_string(zeilen[k]) +
                                ": nicht die Zeile der Variante " + std::to_string(nummer + 1) +
                                ".");
            if (werte.Zulaessig) bewertung.Aufnehmen(nummer, werte.Kosten, werte.Energie);
            zeile.push_back('\n');
            strom.ZeileSchreiben(nummer, zeile, bewertung.Fronten());
        }
        for (std::size_t k = 0; k < anzahl; ++k)
            if (dateien[k]->peek() != std::char_traits<char>::eof())
                return ablehnen(Zitat(*nachTeil[k]) + ", Zeile " + std::to_string(zeilen[k] + 1) +
                                ": mehr Zeilen als Teil " + std::to_string(k + 1) + " von " +
                                std::to_string(anzahl) + " Varianten hat.");
        strom.Abschliessen(bewertung.Fronten(), &aus);
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    return ExitErfolg;
}

} // namespace kov
