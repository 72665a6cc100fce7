#include "ablauf/studie_strom.h"

#include "model/fehler.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace kov {

namespace {

constexpr std::size_t PufferGroesse = std::size_t{1} << 16;

// the byte where mark f of F sits in a line ending at ende (the "\n" is byte ende - 1)
std::uint64_t MarkenStelle(std::uint64_t ende, std::size_t f, std::size_t anzahl) {
    return ende - 2 - 2 * (anzahl - 1 - f);
}

bool AufEinerFront(std::size_t nummer, const std::vector<TParetoFront>& fronten) {
    for (const TParetoFront& front : fronten)
        if (front.Enthaelt(nummer)) return true;
    return false;
}

// the fields of a line split at the separator; a field in double quotes may hold it
std::vector<std::string_view> Felder(std::string_view zeile, char trenner) {
    std::vector<std::string_view> felder;
    std::size_t anfang = 0;
    bool zitat = false;
    for (std::size_t i = 0; i <= zeile.size(); ++i) {
        if (i < zeile.size() && zeile[i] == '"') zitat = !zitat;
        if (i == zeile.size() || (!zitat && zeile[i] == trenner)) {
            felder.push_back(zeile.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    return felder;
}

bool Zahl(std::string_view text, double& wert) {
    const auto [ende, fehler] =
        std::from_chars(text.data(), text.data() + text.size(), wert, std::chars_format::general);
    return !text.empty() && fehler == std::errc() && ende == text.data() + text.size();
}

} // namespace

TStudienStrom::TStudienStrom(const std::string& ziel, std::string_view kopf) : Name(ziel) {
    if (ziel.empty()) {
        const char* ordner = std::getenv("TMPDIR");
        std::string vorlage =
            std::string(ordner != nullptr && *ordner ? ordner : "/tmp") + "/kov-studie-XXXXXX";
        Deskriptor = ::mkstemp(vorlage.data());
        if (Deskriptor < 0) DateiFehlerWerfen(errno, vorlage);
        ::unlink(vorlage.c_str());
    } else {
        Deskriptor = ::open(ziel.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (Deskriptor < 0) DateiFehlerWerfen(errno, ziel);
    }
    Puffer.assign(kopf);
    Laenge = kopf.size();
}

TStudienStrom::TStudienStrom(const std::string& ziel, std::uint64_t behalten)
    : Name(ziel), Laenge(behalten) {
    Deskriptor = ::open(ziel.c_str(), O_RDWR | O_CLOEXEC);
    if (Deskriptor < 0) DateiFehlerWerfen(errno, ziel);
    if (::ftruncate(Deskriptor, static_cast<off_t>(behalten)) != 0) Fehler(errno);
}

TStudienStrom::~TStudienStrom() {
    if (Deskriptor >= 0) ::close(Deskriptor);
}

void TStudienStrom::Fehler(int nummer) const {
    DateiFehlerWerfen(nummer, Name.empty() ? std::string("(temporäre Datei der Studie)") : Name);
}

void TStudienStrom::Merken(std::size_t nummer, std::uint64_t ende,
                           const std::vector<TParetoFront>& fronten) {
    if (!AufEinerFront(nummer, fronten)) return;
    Enden[nummer] = ende;
    if (Enden.size() <= Grenze) return;
    std::erase_if(Enden,
                  [&](const auto& eintrag) { return !AufEinerFront(eintrag.first, fronten); });
    Grenze = std::max<std::size_t>(64, 2 * Enden.size());
}

void TStudienStrom::ZeileSchreiben(std::size_t nummer, std::string_view zeile,
                                   const std::vector<TParetoFront>& fronten) {
    const std::size_t anfang = Puffer.size();
    Puffer.append(zeile);
    for (std::size_t f = 0; f < fronten.size(); ++f)
        Puffer[anfang + MarkenStelle(zeile.size(), f, fronten.size())] = '0';
    Laenge += zeile.size();
    Merken(nummer, Laenge, fronten);
    if (Puffer.size() >= PufferGroesse) Sichern();
}

void TStudienStrom::ZeileUebernehmen(std::size_t nummer, std::string_view zeile, std::uint64_t ende,
                                     const std::vector<TParetoFront>& fronten) {
    for (std::size_t f = 0; f < fronten.size(); ++f) {
        const std::uint64_t stelle = MarkenStelle(zeile.size(), f, fronten.size());
        if (zeile[stelle] != '0') Setzen(ende - zeile.size() + stelle, '0');
    }
    Merken(nummer, ende, fronten);
}

void TStudienStrom::Setzen(std::uint64_t stelle, char zeichen) {
    if (::pwrite(Deskriptor, &zeichen, 1, static_cast<off_t>(stelle)) != 1) Fehler(errno);
}

void TStudienStrom::Sichern() {
    std::size_t geschrieben = 0;
    const std::uint64_t anfang = Laenge - Puffer.size();
    while (geschrieben < Puffer.size()) {
        const ssize_t n =
            ::pwrite(Deskriptor, Puffer.data() + geschrieben, Puffer.size() - geschrieben,
                     static_cast<off_t>(anfang + geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fehler(n < 0 ? errno : ENOSPC);
        geschrieben += static_cast<std::size_t>(n);
    }
    Puffer.clear();
}

void TStudienStrom::Abschliessen(const std::vector<TParetoFront>& fronten, std::ostream* aus) {
    Sichern();
    for (std::size_t f = 0; f < fronten.size(); ++f)
        for (const TParetoFront::TPunkt& p : fronten[f].Punkte())
            Setzen(MarkenStelle(Enden.at(p.Nummer), f, fronten.size()), '1');
    if (!Name.empty()) {
        if (::fsync(Deskriptor) != 0 && errno != EINVAL) Fehler(errno);
        return;
    }
    if (aus == nullptr) return;
    std::string stueck(PufferGroesse, '\0');
    for (std::uint64_t stelle = 0; stelle < Laenge;) {
        const ssize_t n =
            ::pread(Deskriptor, stueck.data(), stueck.size(), static_cast<off_t>(stelle));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fehler(n < 0 ? errno : EIO);
        aus->write(stueck.data(), n);
        stelle += static_cast<std::uint64_t>(n);
    }
    aus->flush();
}

bool TStudienSpalten::KopfLesen(std::string_view kopf) {
    const std::vector<std::string_view> namen = Felder(kopf, ',');
    const auto spalte = [&](std::string_view name, std::size_t& stelle) {
        for (stelle = 0; stelle < namen.size(); ++stelle)
            if (namen[stelle] == name) return true;
        return false;
    };
    KostenSpalten.assign(ParetoAchsen().size(), 0);
    for (std::size_t f = 0; f < KostenSpalten.size(); ++f)
        if (!spalte(ParetoAchsen()[f].Kosten, KostenSpalten[f])) return false;
    Spalten = namen.size();
    return spalte(EnergieKennwert, EnergieSpalte) && spalte("Verletzt", VerletztSpalte) &&
           namen.size() >= ParetoAchsen().size() + 2;
}

bool TStudienSpalten::ZeileLesen(std::string_view zeile, TZeilenWerte& werte) const {
    const std::vector<std::string_view> felder = Felder(zeile, ',');
    if (felder.size() != Spalten) return false;
    double nummer = 0;
    if (!Zahl(felder[0], nummer) || nummer < 1 || nummer != std::floor(nummer)) return false;
    werte.Nummer = static_cast<std::size_t>(nummer) - 1;
    werte.Kosten.resize(KostenSpalten.size());
    for (std::size_t f = 0; f < KostenSpalten.size(); ++f)
        if (!Zahl(felder[KostenSpalten[f]], werte.Kosten[f])) return false;
    for (std::size_t f = 0; f < ParetoAchsen().size(); ++f) {
        const std::string_view marke = felder[felder.size() - 1 - f];
        if (marke != "0" && marke != "1") return false;
    }
    werte.Zulaessig = felder[VerletztSpalte].empty();
    return Zahl(felder[EnergieSpalte], werte.Energie);
}

} // namespace kov
