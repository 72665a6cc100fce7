#include "register/regelung.h"

namespace kov {

void BetriebEntscheiden(const TRegisterParameter& p, TSimulationsLauf& lauf, double R) {
    lauf.InBetrieb = p.FahrplanGelesen ? R > 0.0 : true;
}

void GrenzenPruefen(const TRegisterParameter& p, TSimulationsLauf& lauf, double t) {
    if (!p.Geregelt) return;
    // between the two release limits the outside air is bypassed; at a limit the register runs
    if (t < p.Kuehlgrenze && t > p.Heizgrenze) lauf.InBetrieb = false;
}

} // namespace kov
