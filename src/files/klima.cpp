#include "files/klima.h"

#include "files/klima_archive.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"

#include <zip.h>

namespace kov {

namespace {

// an open archive, closed (and its source freed) however the reading ends
struct TZipSchliessen {
    void operator()(zip_t* archiv) const { zip_discard(archiv); }
};
struct TZipDateiSchliessen {
    void operator()(zip_file_t* datei) const { zip_fclose(datei); }
};

[[noreturn]] void ArchivFehler(const std::string& eintrag, const char* meldung) {
    throw TDateiFehler(std::string("Eingebautes Klima nicht lesbar (") + meldung + ")",
                       "Klima-Archiv " + eintrag);
}

} // namespace

std::string KlimaDateiText(const TKlimaWahl& wahl) {
    const std::string eintrag = KlimaDateiName(wahl);
    const std::span<const unsigned char> daten = KlimaArchiv(wahl.Region);
    if (daten.empty()) ArchivFehler(eintrag, "keine Region");
    zip_error_t fehler;
    zip_error_init(&fehler);
    // each call opens its own view of the read-only bytes: runs in parallel threads share nothing
    zip_source_t* quelle = zip_source_buffer_create(daten.data(), daten.size(), 0, &fehler);
    if (quelle == nullptr) ArchivFehler(eintrag, zip_error_strerror(&fehler));
    zip_t* offen = zip_open_from_source(quelle, ZIP_RDONLY, &fehler);
    if (offen == nullptr) {
        zip_source_free(quelle);
        const std::string meldung = zip_error_strerror(&fehler);
        zip_error_fini(&fehler);
        ArchivFehler(eintrag, meldung.c_str());
    }
    zip_error_fini(&fehler);
    const std::unique_ptr<zip_t, TZipSchliessen> archiv(offen);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archiv.get(), eintrag.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
        ArchivFehler(eintrag, zip_strerror(archiv.get()));
    const std::unique_ptr<zip_file_t, TZipDateiSchliessen> datei(
        zip_fopen(archiv.get(), eintrag.c_str(), 0));
    if (!datei) ArchivFehler(eintrag, zip_strerror(archiv.get()));
    std::string text(stat.size, '\0');
    // zip_fread checks the CRC of the entry when it reaches its end
    zip_int64_t gelesen = 0;
    while (static_cast<zip_uint64_t>(gelesen) < stat.size) {
        const zip_int64_t stueck = zip_fread(datei.get(), text.data() + gelesen,
                                             stat.size - static_cast<zip_uint64_t>(gelesen));
        if (stueck <= 0) ArchivFehler(eintrag, zip_file_strerror(datei.get()));
        gelesen += stueck;
    }
    char rest = 0;
    if (zip_fread(datei.get(), &rest, 1) != 0)
        ArchivFehler(eintrag, zip_file_strerror(datei.get()));
    return text;
}

void KlimaJahrLesen(const TKlimaWahl& wahl, TWetterJahr& jahr, TWetterInfo& info) {
    const std::string text = KlimaDateiText(wahl);
    TWetterInfo gelesen;
    WetterTextLesen(text, KlimaName(wahl), jahr, gelesen);
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
