#include "ablauf/andere_regelung.h"

#include "model/fehler.h"
#include "register/lauf.h"
#include "register/regelung.h"

#include <memory>

namespace kov {

TRegisterParameter AndereRegelung(const TRegisterParameter& p) {
    TRegisterParameter q = p;
    q.Regelung = BedarfsRegelung(p) ? "klassisch" : "bedarf";
    return q;
}

std::optional<TKennwerte> AndereRegelungRechnen(const TLaufDaten& daten,
                                                const std::atomic<bool>* abbruch) {
    const TLaufDaten andere = LaufDatenMitParametern(daten, AndereRegelung(daten.Parameter));
    auto k = std::make_unique<TKontext>(); // the hourly series are too large for the stack
    TLaufRueckmeldung rueckmeldung;
    rueckmeldung.Abbruch = abbruch;
    if (LaufRechnen(andere, *k, rueckmeldung) == TLaufStatus::Abgebrochen) return std::nullopt;
    const std::string fehler = ErgebnisPruefen(*k);
    if (!fehler.empty()) throw TParameterFehler(fehler);
    return KennwerteBerechnen(*k);
}

} // namespace kov
