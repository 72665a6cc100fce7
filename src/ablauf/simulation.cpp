#include "ablauf/simulation.h"

namespace kov {

void SimulationAusfuehren(TKontext& k, const TMonatsMeldung& nachMonat, const std::string& ordner,
                          std::vector<std::string>* hinweise, const std::string& projektOrdner) {
    const TLaufDaten daten = LaufDatenSammeln(k.Parameter, {ordner, projektOrdner});
    if (hinweise != nullptr)
        hinweise->insert(hinweise->end(), daten.Hinweise.begin(), daten.Hinweise.end());
    TLaufRueckmeldung rueckmeldung;
    if (nachMonat)
        rueckmeldung.NachMonat = [&](int durchlauf, int monat, const TStundenReihen&) {
            nachMonat(durchlauf, monat);
        };
    BerichtsLaufAusfuehren(daten, k, rueckmeldung);
}

} // namespace kov
