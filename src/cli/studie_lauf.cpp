#include "cli/studie_lauf.h"

#include "ablauf/studie_csv.h"
#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "files/bericht.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "register/variantenstudie.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace kov {

namespace {

std::string BerichtName(const std::string& ordner, std::size_t nummer, const char* endung) {
    char name[48];
    std::snprintf(name, sizeof name, "variante_%05zu%s", nummer + 1, endung);
    return PfadImOrdner(ordner, name);
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
