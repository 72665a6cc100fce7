#include "files/klima.h"

#include "files/klima_archive.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"

#include <libdeflate.h>

#include <cstdint>
#include <new>
#include <span>

namespace kov {

namespace {

[[noreturn]] void ArchivFehler(const std::string& eintrag, const char* meldung) {
    throw TDateiFehler(std::string("Eingebautes Klima nicht lesbar (") + meldung + ")",
                       "Klima-Archiv " + eintrag);
}

// little-endian fields of the zip headers
std::uint32_t Wort(std::span<const unsigned char> d, std::size_t stelle, int bytes) {
    std::uint32_t wert = 0;
    for (int i = bytes - 1; i >= 0; --i)
        wert = (wert << 8) | d[stelle + static_cast<std::size_t>(i)];
    return wert;
}

// An entry of a zip archive as its central directory gives it (APPNOTE 4.3.12, 4.3.16).
struct TZipEintrag {
    std::size_t Daten = 0; // offset of the compressed bytes
    std::size_t Gepackt = 0;
    std::size_t Groesse = 0;
    std::uint32_t Pruefsumme = 0; // CRC-32 of the unpacked bytes
    int Methode = 0;              // 0 stored, 8 deflate
};

bool EintragSuchen(std::span<const unsigned char> d, std::string_view name, TZipEintrag& e) {
    constexpr std::size_t EndeLaenge = 22, KopfLaenge = 46, LokalLaenge = 30;
    if (d.size() < EndeLaenge) return false;
    // the end record has no comment in these archives, so it is the last 22 bytes
    const std::size_t ende = d.size() - EndeLaenge;
    if (Wort(d, ende, 4) != 0x06054b50) return false;
    const std::size_t anzahl = Wort(d, ende + 10, 2);
    std::size_t stelle = Wort(d, ende + 16, 4);
    for (std::size_t i = 0; i < anzahl; ++i) {
        if (stelle + KopfLaenge > ende || Wort(d, stelle, 4) != 0x02014b50) return false;
        const std::size_t nameLaenge = Wort(d, stelle + 28, 2);
        const std::size_t weiter =
            stelle + KopfLaenge + nameLaenge + Wort(d, stelle + 30, 2) + Wort(d, stelle + 32, 2);
        if (stelle + KopfLaenge + nameLaenge > ende) return false;
        const std::string_view eintrag(
            reinterpret_cast<const char*>(d.data() + stelle + KopfLaenge), nameLaenge);
        if (eintrag == name) {
            const std::size_t lokal = Wort(d, stelle + 42, 4);
            if (lokal + LokalLaenge > ende || Wort(d, lokal, 4) != 0x04034b50) return false;
            e.Methode = static_cast<int>(Wort(d, stelle + 10, 2));
            e.Pruefsumme = Wort(d, stelle + 16, 4);
            e.Gepackt = Wort(d, stelle + 20, 4);
            e.Groesse = Wort(d, stelle + 24, 4);
            e.Daten = lokal + LokalLaenge + Wort(d, lokal + 26, 2) + Wort(d, lokal + 28, 2);
            return e.Daten + e.Gepackt <= ende;
        }
        stelle = weiter;
    }
    return false;
}

struct TEntpackerFreigeben {
    void operator()(libdeflate_decompressor* entpacker) const {
        libdeflate_free_decompressor(entpacker);
    }
};

} // namespace

namespace {

// The unpacked bytes of a year's file; left uninitialised before the unpacking writes them.
struct TKlimaText {
    std::unique_ptr<char[]> Bytes;
    std::size_t Groesse = 0;
    std::string_view Text() const { return {Bytes.get(), Groesse}; }
};

TKlimaText KlimaEntpacken(const TKlimaWahl& wahl) {
    const std::string name = KlimaDateiName(wahl);
    const std::span<const unsigned char> archiv = KlimaArchiv(wahl.Region);
    TZipEintrag e;
    if (!EintragSuchen(archiv, name, e)) ArchivFehler(name, "Eintrag fehlt");
    if (e.Methode != 8) ArchivFehler(name, "unbekannte Packmethode");
    // each call has its own decompressor over the read-only bytes: parallel runs share nothing
    const std::unique_ptr<libdeflate_decompressor, TEntpackerFreigeben> entpacker(
        libdeflate_alloc_decompressor());
    if (!entpacker) throw std::bad_alloc();
    TKlimaText t{std::make_unique_for_overwrite<char[]>(e.Groesse), e.Groesse};
    if (libdeflate_deflate_decompress(entpacker.get(), archiv.data() + e.Daten, e.Gepackt,
                                      t.Bytes.get(), t.Groesse, nullptr) != LIBDEFLATE_SUCCESS)
        ArchivFehler(name, "Daten beschädigt");
    if (libdeflate_crc32(0, t.Bytes.get(), t.Groesse) != e.Pruefsumme)
        ArchivFehler(name, "Prüfsumme falsch");
    return t;
}

} // namespace

std::string KlimaDateiText(const TKlimaWahl& wahl) {
    return std::string(KlimaEntpacken(wahl).Text());
}

void KlimaJahrLesen(const TKlimaWahl& wahl, TWetterJahr& jahr, TWetterInfo& info) {
    const TKlimaText text = KlimaEntpacken(wahl);
    TWetterInfo gelesen;
    WetterTextLesen(text.Text(), KlimaName(wahl), jahr, gelesen);
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
