#include "files/fahrplan.h"

#include "files/zahl_leser.h"

namespace kov {

void FahrplanLesen(const std::string& name, TStundenFeld& series) {
    TZahlLeser leser(name);
    // the number search skips empty lines, so a value after an empty line lands one hour early
    for (std::size_t k = 1; k <= StundenImJahr; ++k) {
        series[k] = leser.ZahlLesen();
        leser.ZeileUeberspringen();
    }
}

} // namespace kov
