#include "model/fehler.h"

#include <cerrno>

namespace kov {

namespace {

std::string FehlerText(const std::string& meldung, const std::string& datei, long zeile) {
    if (datei.empty()) return meldung;
    std::string text = meldung + ": " + datei;
    if (zeile > 0) text += ", Zeile " + std::to_string(zeile);
    return text;
}

} // namespace

TDateiFehler::TDateiFehler(const std::string& meldung)
    : std::runtime_error(meldung), MeldungText(meldung) {}

TDateiFehler::TDateiFehler(const std::string& meldung, const std::string& datei, long zeile)
    : std::runtime_error(FehlerText(meldung, datei, zeile)), MeldungText(meldung), DateiName(datei),
      ZeilenNummer(zeile) {}

TDateiFehler::TDateiFehler(const std::string& meldung, const std::string& datei, long zeile,
                           const std::string& erklaerung)
    : std::runtime_error(FehlerText(meldung, datei, zeile) + " (" + erklaerung + ")"),
      MeldungText(meldung), DateiName(datei), ZeilenNummer(zeile), ErklaerungText(erklaerung) {}

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

void DateiFehlerWerfen(int fehlerNummer, const std::string& datei, long zeile) {
    throw TDateiFehler(DateiFehlerMeldung(fehlerNummer), datei, zeile);
}

} // namespace kov
