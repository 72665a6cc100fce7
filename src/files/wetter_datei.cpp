#include "files/wetter_datei.h"

#include "files/text_datei.h"
#include "files/wetter_leser.h"
#include "model/fehler.h"

#include <algorithm>
#include <memory>

namespace kov {

namespace {

// counted as the readers count: LF, CR LF or a lone CR end a line
long ZeileDerStelle(std::string_view inhalt, std::size_t stelle) {
    long zeile = 1;
    for (std::size_t i = 0; i < stelle; ++i)
        zeile += inhalt[i] == '\n' || (inhalt[i] == '\r' && inhalt.substr(i + 1, 1) != "\n");
    return zeile;
}

// A text file holds no NUL; a weather file in UTF-16 has one in every other byte from its first
// on (or begins with its byte order mark), any other binary file has them anywhere.
std::string KeinText(std::string_view inhalt, std::size_t null) {
    bool utf16 = inhalt.substr(0, 2) == "\xFF\xFE" || inhalt.substr(0, 2) == "\xFE\xFF";
    if (!utf16) {
        int nullen = 0;
        utf16 = true;
        for (std::size_t i = null; i < std::min(inhalt.size(), null + 32) && utf16; i += 2) {
            utf16 = inhalt[i] == '\0' && (i + 1 >= inhalt.size() || inhalt[i + 1] != '\0');
            ++nullen;
        }
        utf16 = utf16 && nullen >= 2;
    }
    return utf16 ? "Keine Textdatei: Nullbyte (eine Wetterdatei in UTF-16 wird nicht gelesen)"
                 : "Keine Textdatei, sondern Binärdaten (Nullbyte); eine Wetterdatei ist Text "
                   "(EPW, DWD-TRY oder eine Tabelle)";
}

} // namespace

void WetterTextLesen(std::string_view inhalt, const std::string& dateiName, TWetterJahr& jahr,
                     TWetterInfo& info) {
    const TWetterText text{inhalt, dateiName};
    const std::size_t null = inhalt.find('\0');
    if (null != std::string_view::npos)
        WetterFehler(text, ZeileDerStelle(inhalt, null), KeinText(inhalt, null));
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
