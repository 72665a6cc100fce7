#include "register/auswertung.h"

#include <algorithm>
#include <functional>

namespace kov {

TTagesWerte TagesWerteBerechnen(const TStundenFeld& reihe) {
    TTagesWerte t;
    for (std::size_t tag = 1; tag <= TageImJahr; ++tag) {
        const std::size_t erste = 24 * (tag - 1) + 1;
        double min = reihe[erste];
        double max = reihe[erste];
        double summe = 0;
        for (std::size_t h = erste; h < erste + 24; ++h) {
            min = std::min(min, reihe[h]);
            max = std::max(max, reihe[h]);
            summe += reihe[h];
        }
        t.Min[tag] = min;
        t.Mittel[tag] = summe / 24;
        t.Max[tag] = max;
    }
    return t;
}

TJahresVerlauf JahresVerlaufBerechnen(const TModell& m) {
    TJahresVerlauf v;
    v.Eintritt = TagesWerteBerechnen(m.Reihen.Tein);
    v.Austritt = TagesWerteBerechnen(m.Reihen.Taus);
    v.ErdTemperatur = m.Parameter.SpezielleRandbedingung ? m.Parameter.ErdTemperaturSpeziell
                                                         : m.Werte.ErdTemperaturMonat;
    v.ErdTemperatur[0] = 0;
    return v;
}

TStundenFeld DauerlinieBerechnen(const TStundenFeld& reihe) {
    TStundenFeld sortiert = reihe;
    sortiert[0] = 0;
    std::sort(sortiert.begin() + 1, sortiert.end(), std::greater<>());
    return sortiert;
}

TDauerlinien DauerlinienBerechnen(const TModell& m) {
    TDauerlinien d;
    d.Eintritt = DauerlinieBerechnen(m.Reihen.Tein);
    d.Austritt = DauerlinieBerechnen(m.Reihen.Taus);
    d.Frostgrenze = m.Parameter.Frostgrenze;
    return d;
}

} // namespace kov
