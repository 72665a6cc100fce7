#include "register/regelung.h"

#include "model/betriebszeiten.h"
#include "register/lueftungsanlage.h"

namespace kov {

void BetriebEntscheiden(const TRegisterParameter& p, TSimulationsLauf& lauf, double R) {
    lauf.InBetrieb = FahrplanFolgen(p) ? R > 0.0 : true;
}

void GrenzenPruefen(const TRegisterParameter& p, TSimulationsLauf& lauf, double t) {
    if (!p.Geregelt) return;
    // between the two release limits the outside air is bypassed; at a limit the register runs
    if (t < p.Kuehlgrenze && t > p.Heizgrenze) lauf.InBetrieb = false;
}

bool BedarfsRegelung(const TRegisterParameter& p) {
    return p.Regelung == "bedarf";
}

double RohrwandTemperatur(const TRegisterParameter& p, const TErdZustand& erde) {
    const int n = p.AnzahlGitter;
    double summe = 0;
    for (int a = 1; a <= n; ++a) {
        const auto i = static_cast<std::size_t>(a);
        summe += p.AnteilErde * erde.GitterErde[i][1] + p.AnteilAdiabat * erde.GitterAdiabat[i][1] +
                 p.AnteilKeller * erde.GitterKeller[i][1];
    }
    return summe / n;
}

void BedarfPruefen(const TRegisterParameter& p, const TErdZustand& erde, TSimulationsLauf& lauf,
                   double t) {
    const double wand = RohrwandTemperatur(p, erde);
    const bool waermt = WaermeGewuenscht(p, t) && wand > t;
    const bool kuehlt = KuehlungGewuenscht(p, t) && wand < t;
    if (!waermt && !kuehlt) lauf.InBetrieb = false;
}

} // namespace kov
