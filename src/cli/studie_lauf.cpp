#include "cli/studie_lauf.h"

#include "ablauf/studie_csv.h"
#include "ablauf/studie_strom.h"
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
#include <fstream>
#include <functional>
#include <memory>
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
        if (::stat(aufruf.Berichte.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            fehler << "kov-run: der Ordner der Berichte " << Zitat(aufruf.Berichte)
                   << " gibt es nicht.\n";
            return ExitAufruf;
        }
    }

    TLaufDaten daten;
    try {
        daten = LaufDatenSammeln(basis, aufruf.Orte, TLaufZweck::Studie);
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
