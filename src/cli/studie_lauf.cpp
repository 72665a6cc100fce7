#include "cli/studie_lauf.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/studie_csv.h"
#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "files/bericht.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "register/variantenstudie.h"

#include <cstdio>
#include <filesystem>
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
    } catch (const TEingabeFehler& f) {
        fehler << "kov-run: "
               << (f.Art == TEingabeArt::Wetterdatei
                       ? "Wetterdatei nicht lesbar, nichts berechnet: "
                       : "")
               << SicherText(f.what()) << "\n";
        return ExitLauffehler;
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

    try {
        TStudienRueckmeldung rueckmeldung;
        if (!aufruf.Berichte.empty())
            rueckmeldung.NachVariante = [&](std::size_t nummer, const TKontext& k) {
                BerichtSchreiben(k, true, BerichtName(aufruf.Berichte, nummer, ".txt"),
                                 BerichtName(aufruf.Berichte, nummer, "_dummy.txt"));
            };
        std::vector<TVariantenErgebnis> ergebnis;
        StudieRechnen(studie, wetter, basis.FahrplanGelesen ? daten.Fahrplan.get() : nullptr,
                      aufruf.Faeden, ergebnis, rueckmeldung);
        aus << StudieAlsCsv(studie, ergebnis);
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
