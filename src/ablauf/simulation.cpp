#include "ablauf/simulation.h"

#include "files/bericht.h"
#include "files/fahrplan.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "model/kalender.h"

namespace kov {

int SimulationVorbereiten(TKontext& k, const std::string& ordner) {
    TRegisterParameter& p = k.Parameter;
    const std::string bericht = PfadImOrdner(ordner, p.OutputFile);
    const std::string hilfsDatei = PfadImOrdner(ordner, HilfsDatei);
    if (!p.EingebautesWetter) DateiKopieren(bericht, hilfsDatei);
    GeschwindigkeitBerechnen(p);
    WetterLesen(k, hilfsDatei);
    LaufGroessenSetzen(k);
    AusgabeAnlegen(bericht);
    LaufZustandAufbauen(k);
    AusgabeKopfSchreiben(p, bericht);
    if (p.FahrplanGelesen && p.EingebautesWetter)
        FahrplanLesen(PfadImOrdner(ordner, p.FahrplanFile), k.Reihen.RelVolumenstrom);
    return Durchlaeufe(p);
}

void SimulationAbschliessen(TKontext& k, const std::string& ordner) {
    const TRegisterParameter& p = k.Parameter;
    const std::string bericht = PfadImOrdner(ordner, p.OutputFile);
    if (!k.Lauf.Einschwingen) AusgabeStundenSchreiben(bericht, k.Reihen, p);
    AusgabeEnergieSchreiben(bericht, k.Ergebnis);
    if (LandMitDezimalKomma(p.Land)) DezimalKommaSetzen(bericht, PfadImOrdner(ordner, HilfsDatei));
}

void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat, const std::string& ordner) {
    const int durchlaeufe = SimulationVorbereiten(k, ordner);
    for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf) {
        for (int monat = 1; monat <= 12; ++monat) {
            SimuliereStunden(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat), durchlauf);
            if (nachMonat) nachMonat(durchlauf, monat);
        }
    }
    SimulationAbschliessen(k, ordner);
}

} // namespace kov
