#include "cli/studie_lauf.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/studie_csv.h"
#include "ablauf/studie_strom.h"
#include "ablauf/studien_klima.h"
#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "cli/studie_teile.h"
#include "files/bericht.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "register/variantenstudie.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace kov {

namespace {

std::string BerichtName(const std::string& ordner, std::size_t nummer, const char* endung) {
    char name[48];
    std::snprintf(name, sizeof name, "variante_%05zu%s", nummer + 1, endung);
    return PfadImOrdner(ordner, name);
}

// Reads the complete lines of a table that folge writes; a last line without its end is left
// out. Each line goes to zeile with its end; returns the bytes up to the last complete line.
std::uint64_t TabelleLesen(
    const std::string& datei, const std::string& kopf, const TVariantenFolge& folge,
    std::size_t& zeilen,
    const std::function<void(const TZeilenWerte&, std::string_view, std::uint64_t)>& zeile) {
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) throw TDateiFehler(MeldungNichtGefunden, datei);
    std::string text;
    if (!std::getline(ein, text) || ein.eof() || text + "\n" != kopf)
        throw TDateiFehler("nicht die Kopfzeile dieser Studie", datei, 1);
    TStudienSpalten spalten;
    spalten.KopfLesen(text);
    std::uint64_t laenge = kopf.size();
    zeilen = 0;
    TZeilenWerte werte;
    while (std::getline(ein, text) && !ein.eof()) {
        const long nummer = static_cast<long>(zeilen) + 2;
        if (zeilen >= folge.Anzahl)
            throw TDateiFehler("mehr Zeilen, als die Studie Varianten hat", datei, nummer);
        if (!spalten.ZeileLesen(text, werte) ||
            werte.Nummer != folge.Anfang + zeilen * folge.Schritt)
            throw TDateiFehler("nicht die Zeile der Variante " +
                                   std::to_string(folge.Anfang + zeilen * folge.Schritt + 1),
                               datei, nummer);
        text.push_back('\n');
        laenge += text.size();
        if (zeile) zeile(werte, text, laenge);
        ++zeilen;
    }
    return laenge;
}

bool DateiDa(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0;
}

// "kov-run: 1200 von 100000 Varianten, 850 je s, noch 1 min 56 s" on one line of a terminal
class TFortschritt {
public:
    TFortschritt(std::ostream& fehler, std::size_t gesamt, std::size_t schon)
        : Fehler(fehler), Gesamt(gesamt), Schon(schon) {}
    // true about once a second
    bool Faellig() {
        const auto jetzt = std::chrono::steady_clock::now();
        if (jetzt - Zuletzt < std::chrono::seconds(1)) return false;
        Zuletzt = jetzt;
        return true;
    }
    void Zeigen(std::size_t fertig, bool ende) {
        const double sekunden =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - Anfang).count();
        const double rate = sekunden > 0 ? static_cast<double>(fertig - Schon) / sekunden : 0.0;
        char text[160];
        int laenge = std::snprintf(text, sizeof text, "\rkov-run: %zu von %zu Varianten, %.0f je s",
                                   fertig, Gesamt, rate);
        if (ende) {
            std::snprintf(text + laenge, sizeof text - static_cast<std::size_t>(laenge),
                          ", fertig in %.0f s\n", sekunden);
        } else if (rate > 0) {
            const auto rest = static_cast<long>(static_cast<double>(Gesamt - fertig) / rate + 0.5);
            std::snprintf(text + laenge, sizeof text - static_cast<std::size_t>(laenge),
                          ", noch %ld min %02ld s  ", rest / 60, rest % 60);
        }
        Fehler << text << std::flush;
    }

private:
    std::ostream& Fehler;
    std::size_t Gesamt;
    std::size_t Schon;
    std::chrono::steady_clock::time_point Anfang = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point Zuletzt = Anfang;
};

// The variant report of the folder a file lies in, when it is one of the anzahl variants'
// reports or scratch files: "Der Bericht der Variante 3" with its path, else nothing.
std::optional<TDateiRolle> VariantenDatei(const std::string& berichte, std::size_t anzahl,
                                          const std::string& pfad) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    const fs::path echt = fs::weakly_canonical(fs::absolute(pfad, fehler), fehler);
    if (fehler || !GleicheDatei(echt.parent_path().string(), berichte)) return std::nullopt;
    const std::string name = echt.filename().string();
    for (const char* endung : {".txt", "_dummy.txt"}) {
        const std::string_view e = endung;
        // variante_NNNNN and the ending
        if (name.size() != 14 + e.size() || name.rfind("variante_", 0) != 0 ||
            name.compare(14, e.size(), e) != 0 ||
            name.substr(9, 5).find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::size_t nummer = std::stoul(name.substr(9, 5));
        if (nummer < 1 || nummer > anzahl) continue;
        const std::string variante = "der Variante " + std::to_string(nummer);
        const bool hilfe = e != ".txt";
        return TDateiRolle{(hilfe ? "Die Hilfsdatei " : "Der Bericht ") + variante,
                           (hilfe ? "die Hilfsdatei " : "den Bericht ") + variante,
                           BerichtName(berichte, nummer - 1, endung), pfad};
    }
    return std::nullopt;
}

// Every file of a study that would replace another: the saved project and the variants'
// reports against the inputs, the saved project against the reports. The saved project may
// replace the project file it was read from.
std::vector<std::string> StudienDateienPruefen(const TRegisterParameter& basis,
                                               const TStudienAufruf& aufruf, std::size_t anzahl) {
    const TLaufOrte& orte = aufruf.Orte;
    const std::vector<TDateiRolle> eingaben = LaufEingaben(basis, orte);
    std::vector<std::string> meldungen;
    const auto hinzu = [&meldungen](std::vector<std::string> neue) {
        meldungen.insert(meldungen.end(), neue.begin(), neue.end());
    };
    if (!aufruf.Berichte.empty())
        for (const TDateiRolle& eingabe : eingaben)
            if (const auto bericht = VariantenDatei(aufruf.Berichte, anzahl, eingabe.Pfad))
                hinzu(UeberschreibenPruefen({*bericht}, {eingabe}));
    if (!aufruf.Speichern.empty()) {
        const TDateiRolle gespeichert{"Das gespeicherte Projekt", "das gespeicherte Projekt",
                                      aufruf.Speichern, aufruf.Speichern};
        std::vector<TDateiRolle> andere;
        for (const TDateiRolle& eingabe : eingaben)
            if (orte.ProjektDatei.empty() || !GleicheDatei(eingabe.Pfad, orte.ProjektDatei))
                andere.push_back(eingabe);
        hinzu(UeberschreibenPruefen({gespeichert}, andere));
        if (!aufruf.Berichte.empty())
            if (const auto bericht = VariantenDatei(aufruf.Berichte, anzahl, aufruf.Speichern))
                hinzu(UeberschreibenPruefen({gespeichert}, {*bericht}));
    }
    return meldungen;
}

} // namespace

int StudieAusfuehren(const TRegisterParameter& basis, const TStudienAufruf& aufruf,
                     std::ostream& aus, std::ostream& fehler) {
    TStudie studie;
    studie.Basis = basis;
    std::size_t anzahl = 0;
    try {
        for (const std::string& text : aufruf.Variationen) {
            const std::size_t gleich = text.find('=');
            if (gleich == std::string::npos || gleich == 0)
                throw TStudienFehler(Zitat(text) + " hat nicht die Form NAME=LISTE.");
            studie.Variationen.push_back(
                VariationLesen(text.substr(0, gleich), text.substr(gleich + 1)));
        }
        for (const std::string& text : aufruf.Bedingungen)
            studie.Bedingungen.push_back(BedingungLesen(text));
        anzahl = VariantenZahl(studie);
        if (!basis.EingebautesWetter)
            throw TStudienFehler(
                "Eine Studie rechnet mit dem eingebauten Wetterjahr oder einer Wetterdatei, "
                "nicht mit dem Wetter eines früheren Berichts (EingebautesWetter=false).");
    } catch (const TStudienFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitAufruf;
    }
    if (!aufruf.Berichte.empty()) {
        struct stat info {};
        if (::stat(aufruf.Berichte.c_str(), &info) != 0) {
            fehler << "kov-run: der Ordner der Berichte " << Zitat(aufruf.Berichte)
                   << " gibt es nicht.\n";
            return ExitAufruf;
        }
        if (!S_ISDIR(info.st_mode)) {
            fehler << "kov-run: --berichte braucht einen Ordner; " << Zitat(aufruf.Berichte)
                   << " ist eine Datei.\n";
            return ExitAufruf;
        }
    }
    const std::vector<std::string> ueberschrieben = StudienDateienPruefen(basis, aufruf, anzahl);
    if (!ueberschrieben.empty()) {
        fehler << "kov-run: Studie abgelehnt, nichts berechnet:\n";
        for (const std::string& meldung : ueberschrieben)
            fehler << "  " << SicherText(meldung) << "\n";
        return ExitAufruf;
    }

    TLaufDaten daten;
    try {
        daten = LaufDatenSammeln(basis, aufruf.Orte, TLaufZweck::Studie);
        StudienWetterSammeln(studie, daten);
    } catch (const TEingabeFehler& f) {
        return EingabeFehlerMelden(f, fehler);
    }
    for (const std::string& hinweis : daten.Hinweise)
        fehler << "kov-run: Hinweis: " << SicherText(hinweis) << "\n";

    const TWetterJahr& wetter = *daten.Wetter;
    const std::vector<std::string> meldungen = StudiePruefen(studie, wetter, aufruf.Faeden);
    if (!meldungen.empty()) {
        fehler << "kov-run: Studie abgelehnt, nichts berechnet (" << anzahl << " Varianten):\n";
        for (const std::string& meldung : meldungen)
            fehler << "  " << SicherText(meldung) << "\n";
        return ExitAufruf;
    }

    const TStundenFeld* fahrplan = basis.FahrplanGelesen ? daten.Fahrplan.get() : nullptr;
    try {
        TStudienRueckmeldung rueckmeldung;
        if (!aufruf.Berichte.empty())
            rueckmeldung.NachVariante = [&](std::size_t nummer, const TKontext& k) {
                BerichtSchreiben(k, true, BerichtName(aufruf.Berichte, nummer, ".txt"),
                                 BerichtName(aufruf.Berichte, nummer, "_dummy.txt"));
            };
        const TStudienKennung kennung =
            StudienKennungBilden(studie, wetter, fahrplan, aufruf.Teil, aufruf.Teile);
        TVariantenFolge folge = TeilFolge(anzahl, aufruf.Teil, aufruf.Teile);
        const std::string kopf = StudienKopf(studie);
        TStudienBewertung bewertung(studie.Bedingungen);
        std::unique_ptr<TStudienStrom> strom;
        std::size_t schon = 0; // lines of the table before this run
        if (aufruf.Fortsetzen && DateiDa(aufruf.Aus)) {
            const std::string unterschied = KennungUnterschied(KennungLesen(aufruf.Aus), kennung);
            if (!unterschied.empty()) {
                fehler << "kov-run: " << Zitat(aufruf.Aus)
                       << " lässt sich nicht fortsetzen, nichts berechnet: die Tabelle hat "
                       << SicherText(unterschied) << ".\n";
                return ExitAufruf;
            }
            const std::uint64_t behalten = TabelleLesen(aufruf.Aus, kopf, folge, schon, {});
            strom = std::make_unique<TStudienStrom>(aufruf.Aus, behalten);
            TabelleLesen(aufruf.Aus, kopf, folge, schon,
                         [&](const TZeilenWerte& w, std::string_view zeile, std::uint64_t ende) {
                             if (w.Zulaessig) bewertung.Aufnehmen(w.Nummer, w.Kosten, w.Energie);
                             strom->ZeileUebernehmen(w.Nummer, zeile, ende, bewertung.Fronten());
                         });
        } else {
            if (!aufruf.Aus.empty()) KennungSchreiben(aufruf.Aus, kennung);
            strom = std::make_unique<TStudienStrom>(aufruf.Aus, kopf);
        }
        const std::size_t gesamt = folge.Anzahl;
        folge.Anfang += schon * folge.Schritt;
        folge.Anzahl -= schon;

        std::atomic<bool> abbruch{false};
        rueckmeldung.Abbruch = &abbruch;
        TFortschritt fortschritt(fehler, gesamt, schon);
        std::size_t zeilen = schon;
        std::string zeile;
        StudieStroemen(
            studie, wetter, fahrplan, aufruf.Faeden, folge,
            [&](std::size_t nummer, TVariantenErgebnis& v) {
                if (abbruch) return;
                bewertung.Aufnehmen(nummer, v);
                zeile.clear();
                StudienZeileAnhaengen(studie, nummer, v, false, zeile);
                strom->ZeileSchreiben(nummer, zeile, bewertung.Fronten());
                ++zeilen;
                if (fortschritt.Faellig()) {
                    strom->Sichern();
                    if (aufruf.Fortschritt) fortschritt.Zeigen(zeilen, false);
                }
                if (aufruf.Anhalten && aufruf.Anhalten(zeilen)) abbruch = true;
            },
            rueckmeldung);
        if (abbruch) {
            strom->Sichern();
            if (aufruf.Fortschritt) fehler << "\n";
            fehler << "kov-run: Studie angehalten nach " << zeilen << " von " << gesamt
                   << " Varianten"
                   << (aufruf.Aus.empty()
                           ? std::string(".")
                           : "; --fortsetzen " + Zitat(aufruf.Aus) + " rechnet den Rest.")
                   << "\n";
            return ExitLauffehler;
        }
        strom->Abschliessen(bewertung.Fronten(), aufruf.Aus.empty() ? &aus : nullptr);
        if (aufruf.Fortschritt) fortschritt.Zeigen(zeilen, true);
        if (!aufruf.Speichern.empty()) {
            const TLaufOrte& orte = aufruf.Orte;
            ProjektSpeichern(aufruf.Speichern, basis,
                             orte.ProjektOrdner.empty() ? orte.ArbeitsOrdner : orte.ProjektOrdner);
        }
    } catch (const TDateiFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    } catch (const TParameterFehler& f) {
        fehler << "kov-run: " << SicherText(f.what()) << "\n";
        return ExitLauffehler;
    }
    return ExitErfolg;
}

} // namespace kov
