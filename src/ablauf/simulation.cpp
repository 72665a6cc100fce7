#include "ablauf/simulation.h"

#include "files/bericht.h"
#include "files/fahrplan.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "register/register_lauf.h"

namespace kov {

std::string EingabePfad(const std::string& ordner, const TLaufEingaben& eingaben,
                        const std::string& name) {
    return PfadImOrdner(eingaben.Ordner.empty() ? ordner : eingaben.Ordner, name);
}

std::unique_ptr<TWetterJahr> LaufWetterLesen(const TRegisterParameter& p, const std::string& ordner,
                                             const TLaufEingaben& eingaben, TWetterInfo* info) {
    if (p.WetterDatei.empty()) return nullptr;
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo gelesen;
    WetterDateiLesen(EingabePfad(ordner, eingaben, p.WetterDatei), *jahr, gelesen);
    if (info != nullptr) *info = std::move(gelesen);
    return jahr;
}

int SimulationVorbereiten(TKontext& k, const std::string& ordner,
                          std::vector<std::string>* hinweise, const TLaufEingaben& eingaben) {
    TRegisterParameter& p = k.Parameter;
    const std::string bericht = PfadImOrdner(ordner, p.OutputFile);
    const std::string hilfsDatei = PfadImOrdner(ordner, HilfsDatei);
    // a report that could not be written is found before a year is computed for it
    SchreibbarPruefen(bericht);
    if (LandMitDezimalKomma(p.Land) || !p.EingebautesWetter) SchreibbarPruefen(hilfsDatei);
    std::unique_ptr<TWetterJahr> gelesen;
    const TWetterJahr* standort = eingaben.Wetter;
    if (standort == nullptr && !p.WetterDatei.empty()) {
        gelesen = LaufWetterLesen(p, ordner, eingaben);
        standort = gelesen.get();
    }
    if (!p.EingebautesWetter) DateiKopieren(bericht, hilfsDatei);
    GeschwindigkeitBerechnen(p);
    if (standort != nullptr)
        WetterSchritt(k, *standort);
    else
        WetterLesen(k, hilfsDatei);
    LaufGroessenSetzen(k);
    LaufZustandAufbauen(k);
    if (p.FahrplanGelesen && p.EingebautesWetter) {
        const std::string fahrplan = EingabePfad(ordner, eingaben, p.FahrplanFile);
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
                          std::vector<std::string>* hinweise, const TLaufEingaben& eingaben) {
    const int durchlaeufe = SimulationVorbereiten(k, ordner, hinweise, eingaben);
    if (RegisterModell(k.Parameter)) {
        TLaufRueckmeldung rueckmeldung;
        if (nachMonat)
            rueckmeldung.NachMonat = [&](int d, int m, const TStundenReihen&) { nachMonat(d, m); };
        RegisterLaufAusReihen(k, rueckmeldung);
        SimulationAbschliessen(k, ordner);
        return;
    }
    for (int durchlauf = 1; durchlauf <= durchlaeufe; ++durchlauf) {
        for (int monat = 1; monat <= 12; ++monat) {
            SimuliereStunden(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat), durchlauf);
            if (nachMonat) nachMonat(durchlauf, monat);
        }
    }
    SimulationAbschliessen(k, ordner);
}

} // namespace kov
