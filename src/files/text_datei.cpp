#include "files/text_datei.h"

#include "model/fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kov {

namespace {
constexpr std::size_t PufferGroesse = 1 << 16;
}

std::string PfadImOrdner(const std::string& ordner, const std::string& name) {
    if (ordner.empty() || (!name.empty() && name.front() == '/')) return name;
    std::string pfad = ordner;
    if (pfad.back() != '/') pfad.push_back('/');
    return pfad + name;
}

TTextDatei::TTextDatei(const std::string& name, TOeffnen art) {
    const int flags =
        O_WRONLY | O_CLOEXEC | (art == TOeffnen::Anlegen ? O_CREAT | O_TRUNC : O_APPEND);
    do {
        Deskriptor = ::open(name.c_str(), flags, 0666);
    } while (Deskriptor < 0 && errno == EINTR);
    if (Deskriptor < 0) DateiFehlerWerfen(errno);
    Puffer.reserve(PufferGroesse);
}

TTextDatei::~TTextDatei() {
    if (Deskriptor >= 0) ::close(Deskriptor);
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
    const int d = Deskriptor;
    Deskriptor = -1;
    // no retry after EINTR: on Linux the descriptor is gone either way
    if (::close(d) != 0 && errno != EINTR) DateiFehlerWerfen(errno);
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
            DateiFehlerWerfen(errno);
        }
        // a write that takes nothing and reports no fault: the device has no room left
        if (geschrieben == 0) DateiFehlerWerfen(ENOSPC);
        daten += geschrieben;
        laenge -= static_cast<std::size_t>(geschrieben);
    }
}

} // namespace kov
