#include "ablauf/studien_klima.h"

namespace kov {

void StudienKlimaLesen(TStudie& studie, const TLaufOrte& orte) {
    studie.KlimaWetter.clear();
    for (const TVariation& v : studie.Variationen) {
        if (v.Name != "Klima") continue;
        for (const std::string& klima : v.Texte) {
            TRegisterParameter p = studie.Basis;
            p.Klima = klima;
            studie.KlimaWetter.push_back(LaufDatenSammeln(p, orte, TLaufZweck::Studie).Wetter);
        }
    }
}

} // namespace kov
