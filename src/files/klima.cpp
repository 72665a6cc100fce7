#include "files/klima.h"

#include "files/klima_archive.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"

#include <cstdint>
#include <memory>
#include <span>

namespace kov {

namespace {

[[noreturn]] void ArchivFehler(const std::string& eintrag, const char* meldung) {
    throw TDateiFehler(std::string("Eingebautes Klima nicht lesbar (") + meldung + ")",
                       "Klima-Archiv " + eintrag);
}

// little-endian fields of the archive
std::uint32_t Wort(std::span<const unsigned char> d, std::size_t stelle) {
    std::uint32_t wert = 0;
    for (int i = 3; i >= 0; --i)
        wert = (wert << 8) | d[stelle + static_cast<std::size_t>(i)];
    return wert;
}

// A file of a region's archive: where its text lies and how long it is.
struct TArchivEintrag {
    std::size_t Daten = 0;
    std::size_t Groesse = 0;
};

bool EintragSuchen(std::span<const unsigned char> d, std::string_view name, TArchivEintrag& e) {
    std::size_t stelle = 0;
    while (stelle + 4 <= d.size()) {
        const std::size_t nameLaenge = Wort(d, stelle);
        const std::size_t kopf = stelle + 4 + nameLaenge;
        if (kopf + 4 > d.size()) return false;
        e.Groesse = Wort(d, kopf);
        e.Daten = kopf + 4;
        if (e.Daten + e.Groesse > d.size()) return false;
        const std::string_view eintrag(reinterpret_cast<const char*>(d.data() + stelle + 4),
                                       nameLaenge);
        if (eintrag == name) return true;
        stelle = e.Daten + e.Groesse;
    }
    return false;
}

// The text of a year's file in the program's read-only data (the build checked it against the
// zip's CRC-32).
std::string_view KlimaText(const TKlimaWahl& wahl) {
    const std::string name = KlimaDateiName(wahl);
    const std::span<const unsigned char> archiv = KlimaArchiv(wahl.Region);
    TArchivEintrag e;
    if (!EintragSuchen(archiv, name, e)) ArchivFehler(name, "Eintrag fehlt");
    return {reinterpret_cast<const char*>(archiv.data() + e.Daten), e.Groesse};
}

} // namespace

std::string KlimaDateiText(const TKlimaWahl& wahl) {
    return std::string(KlimaText(wahl));
}

void KlimaJahrLesen(const TKlimaWahl& wahl, TWetterJahr& jahr, TWetterInfo& info) {
    TWetterInfo gelesen;
    WetterTextLesen(KlimaText(wahl), KlimaName(wahl), jahr, gelesen);
    const TKlimaRegion& region = KlimaRegion(wahl.Region);
    gelesen.Ort = region.Station;
    gelesen.Region = region.Region;
    gelesen.Datenquelle +=
        (gelesen.Datenquelle.empty() ? "" : "; ") + std::string(KlimaQuellenHinweis);
    info = std::move(gelesen);
}

void KlimaJahrLesen(const std::string& klima, TWetterJahr& jahr, TWetterInfo& info) {
    TKlimaWahl wahl;
    std::string fehler;
    if (!KlimaWahlLesen(klima, wahl, &fehler))
        throw TParameterFehler("Klima (Klima) \"" + klima + "\" " + fehler);
    KlimaJahrLesen(wahl, jahr, info);
}

std::vector<TKlimaJahrUebersicht> KlimaUebersichtLesen() {
    std::vector<TKlimaJahrUebersicht> liste;
    auto jahr = std::make_unique<TWetterJahr>();
    for (const TKlimaRegion& region : KlimaRegionenListe())
        for (int periode : KlimaPerioden)
            for (TKlimaArt art : KlimaArten) {
                const TKlimaWahl wahl{region.Nummer, art, periode};
                TWetterInfo info;
                KlimaJahrLesen(wahl, *jahr, info);
                liste.push_back({wahl, info.Kennwerte});
            }
    return liste;
}

std::unique_ptr<TWetterJahr> KlimaWetterLesen(const TRegisterParameter& p, TWetterInfo* info) {
    TKlimaWahl wahl;
    if (p.Klima.empty() || !p.WetterDatei.empty() || !KlimaWahlLesen(p.Klima, wahl)) return nullptr;
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo gelesen;
    KlimaJahrLesen(wahl, *jahr, gelesen);
    if (info != nullptr) *info = std::move(gelesen);
    return jahr;
}

std::string KlimaBezeichnung(const std::string& klima) {
    TKlimaWahl wahl;
    if (!KlimaWahlLesen(klima, wahl)) return klima;
    return "Eingebautes Klima " + KlimaName(wahl) + ": " + KlimaBeschreibung(wahl) + " (" +
           std::string(KlimaQuellenHinweis) + ")";
}

std::string KlimaBerichtName(const std::string& klima) {
    TKlimaWahl wahl;
    if (!KlimaWahlLesen(klima, wahl)) return klima;
    return KlimaName(wahl) + " (" + std::string(KlimaQuellenHinweis) + ")";
}

} // namespace kov
