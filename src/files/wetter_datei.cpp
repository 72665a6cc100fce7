#include "files/wetter_datei.h"

#include "files/text_datei.h"
#include "files/wetter_leser.h"
#include "model/fehler.h"

#include <memory>

namespace kov {

namespace {

long ZeileDerStelle(std::string_view inhalt, std::size_t stelle) {
    long zeile = 1;
    for (std::size_t i = 0; i < stelle; ++i)
        zeile += inhalt[i] == '\n' ? 1 : 0;
    return zeile;
}

} // namespace

void WetterTextLesen(std::string_view inhalt, const std::string& dateiName, TWetterJahr& jahr,
                     TWetterInfo& info) {
    const TWetterText text{inhalt, dateiName};
    const std::size_t null = inhalt.find('\0');
    if (null != std::string_view::npos)
        WetterFehler(text, ZeileDerStelle(inhalt, null),
                     "Keine Textdatei: Nullbyte (eine Wetterdatei in UTF-16 wird nicht gelesen)");
    if (inhalt.find_first_not_of(" \t\r\n") == std::string_view::npos)
        WetterFehler(text, 0, "Die Datei enthält keine Daten");
    // a UTF-8 byte order mark is no part of the first line
    const std::string_view ohneMarke =
        inhalt.substr(0, 3) == "\xEF\xBB\xBF" ? inhalt.substr(3) : inhalt;
    const TWetterText lesen{ohneMarke, dateiName};

    auto neu = std::make_unique<TWetterJahr>();
    TWetterInfo neuInfo;
    neuInfo.Datei = dateiName;
    if (IstEpw(ohneMarke))
        EpwLesen(lesen, *neu, neuInfo);
    else if (IstTry(ohneMarke))
        TryLesen(lesen, *neu, neuInfo);
    else
        TabelleLesen(lesen, *neu, neuInfo);
    neuInfo.FormatName = WetterFormatName(neuInfo.Format);
    neuInfo.Kennwerte = WetterKennwerteBerechnen(*neu);
    jahr = *neu;
    info = std::move(neuInfo);
}

void WetterDateiLesen(const std::string& pfad, TWetterJahr& jahr, TWetterInfo& info) {
    const std::string inhalt = DateiLesen(pfad);
    WetterTextLesen(inhalt, pfad, jahr, info);
}

} // namespace kov
