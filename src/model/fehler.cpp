#include "model/fehler.h"

#include <cerrno>

namespace kov {

std::string DateiFehlerMeldung(int fehlerNummer) {
    switch (fehlerNummer) {
    case ENOENT:
    case ENOTDIR:
        return MeldungNichtGefunden;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return MeldungPlatteVoll;
    default:
        return MeldungZugriffVerweigert;
    }
}

void DateiFehlerWerfen(int fehlerNummer) {
    throw TDateiFehler(DateiFehlerMeldung(fehlerNummer));
}

} // namespace kov
