#include "ablauf/simulation.h"

#include "files/bericht.h"
#include "files/fahrplan.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "model/kalender.h"

namespace kov {

int SimulationVorbereiten(TKontext& k, const std::string& ordner,
                          std::vector<std::string>* hinweise) {
    TRegisterParameter& p = k.Parameter;
    const std::string bericht = PfadImOrdner(ordner, p.OutputFile);
    const std::string hilfsDatei = PfadImOrdner(ordner, HilfsDatei);
    // a report that could not be written is found before a year is computed for it
    SchreibbarPruefen(bericht);
    if (LandMitDezimalKomma(p.Land) || !p.EingebautesWetter) SchreibbarPruefen(hilfsDatei);
    if (!p.EingebautesWetter) DateiKopieren(bericht, hilfsDatei);
    GeschwindigkeitBerechnen(p);
    WetterLesen(k, hilfsDatei);
    LaufGroessenSetzen(k);
    LaufZustandAufbauen(k);
    if (p.FahrplanGelesen && p.EingebautesWetter) {
        const std::string fahrplan = PfadImOrdner(ordner, p.FahrplanFile);
        const int stunden = FahrplanLesen(fahrplan, k.Reihen.RelVolumenstrom);
        const std::string hinweis = FahrplanHinweis(fahrplan, stunden);
        if (hinweise != nullptr && !hinweis.empty()) hinweise->push_back(hinweis);
    }
    return Durchlaeufe(p);
}

void SimulationAbschliessen(TKontext& k, const std::string& ordner) {
    const std::string fehler = ErgebnisPruefen(k);
    if (!fehler.empty()) throw TParameterFehler(fehler + " Der alte Bericht bleibt erhalten.");
    BerichtSchreiben(k, !k.Lauf.Einschwingen, PfadImOrdner(ordner, k.Parameter.OutputFile),
                     PfadImOrdner(ordner, HilfsDatei));
}

void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat, const std::string& ordner,
                          std::vector<std::string>* hinweise) {
    const int durchlaeufe = SimulationVorbereiten(k, ordner, hinweise);
    for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf) {
        for (int monat = 1; monat <= 12; ++monat) {
            SimuliereStunden(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat), durchlauf);
            if (nachMonat) nachMonat(durchlauf, monat);
        }
    }
    SimulationAbschliessen(k, ordner);
}

} // namespace kov
