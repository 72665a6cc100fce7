#include "model/wetter_jahr.h"

#include <algorithm>

namespace kov {

void WetterUebernehmen(const TWetterJahr& w, TStundenReihen& r) {
    r.Tein = w.Tein;
    std::copy(w.RelFeuchte.begin() + 1, w.RelFeuchte.end(), r.RelFeuchte.begin() + 1);
    std::copy(w.TTaupunkt.begin() + 1, w.TTaupunkt.end(), r.TTaupunkt.begin() + 1);
    r.Luftdruck = w.Luftdruck;
    r.MitFeuchte = w.HatFeuchte;
}

} // namespace kov
