#include "register/bewertung.h"

namespace kov {

TBewertung BewertungBilden(const TKontext& k, const TKennwerte& kw) {
    TBewertung b;
    b.Energien = EnergieAusKennwerten(kw);
    b.Kosten = WirtschaftlichkeitBerechnen(k.Parameter, b.Energien);
    b.Pruefung = AuslegungPruefen(k.Parameter, PruefDatenSammeln(k, kw));
    return b;
}

} // namespace kov
