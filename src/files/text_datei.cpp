#include "files/text_datei.h"

#include "model/fehler.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kov {

namespace {

constexpr std::size_t PufferGroesse = 1 << 16;

std::string OrdnerVon(const std::string& name) {
    const std::size_t strich = name.rfind('/');
    if (strich == std::string::npos) return {};
    return name.substr(0, strich + 1);
}

std::string Grundname(const std::string& name) {
    const std::size_t strich = name.rfind('/');
    return strich == std::string::npos ? name : name.substr(strich + 1);
}

// Anything but a regular file is refused before it is read or replaced: a FIFO would block, a
// device never ends, a folder is no text.
[[noreturn]] void KeineGewoehnlicheDatei(const std::string& name, mode_t art) {
    const char* was = "etwas anderes";
    if (S_ISDIR(art))
        was = "ein Ordner";
    else if (S_ISFIFO(art))
        was = "eine FIFO (benannte Pipe)";
    else if (S_ISCHR(art) || S_ISBLK(art))
        was = "ein Gerät";
    else if (S_ISSOCK(art))
        was = "ein Socket";
    throw TDateiFehler(std::string("Keine gewöhnliche Datei, sondern ") + was, name);
}

[[noreturn]] void ZuGross(const std::string& name) {
    throw TDateiFehler("Datei größer als 64 MiB", name);
}

// the temporary files of a target: "." name ".kov-" and eight hex digits
std::string TemporaerAnfang(const std::string& name) {
    return "." + Grundname(name) + ".kov-";
}

bool TemporaerName(const std::string& eintrag, const std::string& anfang) {
    return eintrag.size() == anfang.size() + 8 && eintrag.compare(0, anfang.size(), anfang) == 0 &&
           eintrag.find_first_not_of("0123456789abcdef", anfang.size()) == std::string::npos;
}

// Removes what killed writes of name left behind. A temporary file is left over when no writer
// holds its lock any more (the lock goes with the writer's process) and it has not been touched
// for a while, which covers the moment between its creation and its lock. Best effort: a file
// that cannot be examined stays.
void ResteEntfernen(const std::string& name) {
    constexpr std::time_t Ruhezeit = 10; // s
    const std::string ordner = OrdnerVon(name);
    const std::string anfang = TemporaerAnfang(name);
    DIR* verzeichnis = ::opendir(ordner.empty() ? "." : ordner.c_str());
    if (verzeichnis == nullptr) return;
    while (const dirent* eintrag = ::readdir(verzeichnis)) {
        if (!TemporaerName(eintrag->d_name, anfang)) continue;
        const std::string rest = ordner + eintrag->d_name;
        const int d = ::open(rest.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (d < 0) continue;
        struct stat info {};
        if (::fstat(d, &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_mtime + Ruhezeit < std::time(nullptr) && ::flock(d, LOCK_EX | LOCK_NB) == 0)
            ::unlink(rest.c_str());
        ::close(d);
    }
    ::closedir(verzeichnis);
}

} // namespace

std::string PfadImOrdner(const std::string& ordner, const std::string& name) {
    if (ordner.empty() || (!name.empty() && name.front() == '/')) return name;
    std::string pfad = ordner;
    if (pfad.back() != '/') pfad.push_back('/');
    return pfad + name;
}

TTextDatei::TTextDatei(const std::string& name) : Ziel(name) {
    if (name.empty() || name.back() == '/') DateiFehlerWerfen(EISDIR, name);
    // the target's mode is kept; a link in its place is replaced, so lstat
    mode_t modus = 0666;
    bool modusUebernehmen = false;
    struct stat ziel {};
    if (::lstat(name.c_str(), &ziel) == 0) {
        if (S_ISREG(ziel.st_mode)) {
            modus = ziel.st_mode & 07777;
            modusUebernehmen = true;
        } else if (!S_ISLNK(ziel.st_mode)) {
            KeineGewoehnlicheDatei(name, ziel.st_mode);
        }
    }

    std::random_device zufall;
    const std::string anfang = OrdnerVon(name) + TemporaerAnfang(name);
    for (int versuch = 0; versuch < 100 && Deskriptor < 0; ++versuch) {
        char kennung[16];
        std::snprintf(kennung, sizeof kennung, "%08x", static_cast<unsigned>(zufall()));
        Temporaer = anfang + kennung;
        do {
            Deskriptor = ::open(Temporaer.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        } while (Deskriptor < 0 && errno == EINTR);
        if (Deskriptor < 0 && errno != EEXIST) DateiFehlerWerfen(errno, name);
    }
    if (Deskriptor < 0) DateiFehlerWerfen(EEXIST, name);
    // the lock marks the file as being written until it has its name (see ResteEntfernen); it
    // belongs to the open file, which Sperre keeps open past the close before the rename
    ::flock(Deskriptor, LOCK_EX | LOCK_NB);
    Sperre = ::dup(Deskriptor);
    if (modusUebernehmen) ::fchmod(Deskriptor, modus);
    Puffer.reserve(PufferGroesse);
}

TTextDatei::~TTextDatei() {
    Verwerfen();
}

void TTextDatei::Verwerfen() {
    if (Deskriptor >= 0) {
        ::close(Deskriptor);
        Deskriptor = -1;
        ::unlink(Temporaer.c_str());
    }
    SperreLoesen();
}

void TTextDatei::SperreLoesen() {
    if (Sperre >= 0) ::close(Sperre);
    Sperre = -1;
}

void TTextDatei::Schreiben(std::string_view text) {
    if (Puffer.size() + text.size() > PufferGroesse) {
        PufferLeeren();
        if (text.size() > PufferGroesse) return Ausgeben(text.data(), text.size());
    }
    Puffer.append(text);
}

void TTextDatei::ZeileSchreiben(std::string_view text) {
    Schreiben(text);
    Schreiben(Zeilenende);
}

void TTextDatei::Schliessen() {
    if (Deskriptor < 0) return;
    PufferLeeren();
    // the data must be on the disk before the name points to it
    if (::fsync(Deskriptor) != 0 && errno != EINVAL) {
        const int fehler = errno;
        Verwerfen();
        DateiFehlerWerfen(fehler, Ziel);
    }
    const int d = Deskriptor;
    Deskriptor = -1;
    if (::close(d) != 0 && errno != EINTR) {
        const int fehler = errno;
        ::unlink(Temporaer.c_str());
        SperreLoesen();
        DateiFehlerWerfen(fehler, Ziel);
    }
    if (::rename(Temporaer.c_str(), Ziel.c_str()) != 0) {
        const int fehler = errno;
        ::unlink(Temporaer.c_str());
        SperreLoesen();
        if (fehler == EISDIR || fehler == ENOTEMPTY || fehler == EEXIST)
            KeineGewoehnlicheDatei(Ziel, S_IFDIR);
        DateiFehlerWerfen(fehler, Ziel);
    }
    SperreLoesen();
    ResteEntfernen(Ziel);
}

void TTextDatei::PufferLeeren() {
    Ausgeben(Puffer.data(), Puffer.size());
    Puffer.clear();
}

void TTextDatei::Ausgeben(const char* daten, std::size_t laenge) {
    while (laenge > 0) {
        const ssize_t geschrieben = ::write(Deskriptor, daten, laenge);
        if (geschrieben < 0) {
            if (errno == EINTR) continue;
            const int fehler = errno;
            Verwerfen();
            DateiFehlerWerfen(fehler, Ziel);
        }
        // a write that takes nothing and reports no fault: the device has no room left
        if (geschrieben == 0) {
            Verwerfen();
            DateiFehlerWerfen(ENOSPC, Ziel);
        }
        daten += geschrieben;
        laenge -= static_cast<std::size_t>(geschrieben);
    }
}

void SchreibbarPruefen(const std::string& name) {
    if (name.empty() || name.back() == '/') DateiFehlerWerfen(EISDIR, name);
    struct stat ziel {};
    if (::lstat(name.c_str(), &ziel) == 0 && !S_ISREG(ziel.st_mode) && !S_ISLNK(ziel.st_mode))
        KeineGewoehnlicheDatei(name, ziel.st_mode);
    const std::string ordner = OrdnerVon(name);
    if (::access(ordner.empty() ? "." : ordner.c_str(), W_OK | X_OK) != 0)
        DateiFehlerWerfen(errno, name);
}

void DateiSchreiben(const std::string& name, std::string_view inhalt) {
    TTextDatei datei(name);
    datei.Schreiben(inhalt);
    datei.Schliessen();
}

std::string DateiLesen(const std::string& name) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused right after
    int d;
    do {
        d = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (d < 0 && errno == EINTR);
    if (d < 0) DateiFehlerWerfen(errno, name);
    struct TSchliesser {
        int D;
        ~TSchliesser() { ::close(D); }
    } schliesser{d};

    struct stat info {};
    if (::fstat(d, &info) != 0) DateiFehlerWerfen(errno, name);
    if (!S_ISREG(info.st_mode)) KeineGewoehnlicheDatei(name, info.st_mode);
    if (static_cast<std::size_t>(info.st_size) > MaxDateiGroesse) ZuGross(name);

    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(info.st_size));
    char puffer[1 << 16];
    while (true) {
        const ssize_t gelesen = ::read(d, puffer, sizeof puffer);
        if (gelesen < 0) {
            if (errno == EINTR) continue;
            DateiFehlerWerfen(errno, name);
        }
        if (gelesen == 0) break;
        inhalt.append(puffer, static_cast<std::size_t>(gelesen));
        // a file that grows while it is read
        if (inhalt.size() > MaxDateiGroesse) ZuGross(name);
    }
    return inhalt;
}

} // namespace kov
