#include "files/wetter_datei.h"

#include "files/wetter_leser.h"
#include "model/fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kov {

namespace {

class TDeskriptor {
public:
    explicit TDeskriptor(int d) : Wert(d) {}
    ~TDeskriptor() { ::close(Wert); }
    TDeskriptor(const TDeskriptor&) = delete;
    TDeskriptor& operator=(const TDeskriptor&) = delete;
    int Wert;
};

// anything but a regular file is refused before it is read: a FIFO would block, a device
// never ends
void ArtPruefen(const struct stat& status, const std::string& pfad) {
    if (S_ISREG(status.st_mode)) return;
    const char* art = "keine gewöhnliche Datei";
    if (S_ISDIR(status.st_mode))
        art = "ein Ordner";
    else if (S_ISFIFO(status.st_mode))
        art = "eine FIFO (benannte Pipe)";
    else if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        art = "ein Gerät";
    else if (S_ISSOCK(status.st_mode))
        art = "ein Socket";
    throw TDateiFehler(std::string("Keine Wetterdatei, sondern ") + art, pfad);
}

[[noreturn]] void ZuGross(const std::string& pfad) {
    throw TDateiFehler("Datei größer als 64 MiB, so groß ist keine Wetterdatei eines Jahres", pfad);
}

std::string InhaltLesen(const std::string& pfad) {
    struct stat status {};
    if (::stat(pfad.c_str(), &status) != 0) DateiFehlerWerfen(errno, pfad);
    ArtPruefen(status, pfad);
    int d = -1;
    do {
        d = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (d < 0 && errno == EINTR);
    if (d < 0) DateiFehlerWerfen(errno, pfad);
    const TDeskriptor datei(d);
    // the path may have been replaced since stat: judge what was opened
    if (::fstat(datei.Wert, &status) != 0) DateiFehlerWerfen(errno, pfad);
    ArtPruefen(status, pfad);
    if (static_cast<unsigned long long>(status.st_size) > WetterDateiGroesseHoechstens)
        ZuGross(pfad);

    std::string inhalt;
    inhalt.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t gelesen = 0;
    while (true) {
        if (gelesen == inhalt.size()) {
            if (inhalt.size() > WetterDateiGroesseHoechstens) ZuGross(pfad);
            inhalt.resize(std::min(2 * inhalt.size(), WetterDateiGroesseHoechstens + 1));
        }
        const ssize_t n = ::read(datei.Wert, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n < 0) {
            if (errno == EINTR) continue;
            DateiFehlerWerfen(errno, pfad);
        }
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    if (gelesen > WetterDateiGroesseHoechstens) ZuGross(pfad);
    inhalt.resize(gelesen);
    return inhalt;
}

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
    const std::string inhalt = InhaltLesen(pfad);
    WetterTextLesen(inhalt, pfad, jahr, info);
}

} // namespace kov
