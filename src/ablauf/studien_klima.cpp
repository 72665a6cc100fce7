#include "ablauf/studien_klima.h"

namespace kov {

double StandortHoehe(const TLaufDaten& daten) {
    const TWetterInfo* info = daten.WetterInfo.get();
    return info != nullptr && info->HatHoehe ? info->Hoehe : 0.0;
}

void StudienWetterSammeln(TStudie& studie, const TLaufDaten& daten) {
    studie.Hoehe = StandortHoehe(daten);
    studie.KlimaWetter.clear();
    studie.KlimaHoehe.clear();
    for (const TVariation& v : studie.Variationen) {
        if (v.Name != "Klima") continue;
        for (const std::string& klima : v.Texte) {
            TRegisterParameter p = studie.Basis;
            p.Klima = klima;
            const TLaufDaten klimaDaten = LaufDatenSammeln(p, daten.Orte, TLaufZweck::Studie);
            studie.KlimaWetter.push_back(klimaDaten.Wetter);
            studie.KlimaHoehe.push_back(StandortHoehe(klimaDaten));
        }
    }
}

} // namespace kov
