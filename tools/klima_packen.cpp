// Unpacks a region's zip archive of the built-in climates for the program: every file of the zip
// is unpacked and checked against the zip's CRC-32, and the texts are written one after the
// other, so that the program reads a year where it lies, with nothing to unpack. The build runs
// this for each daten/klima/N.zip; the program carries the results.
//   kov-klima-packen N.zip N.klima
// Layout of the output, per file in the order of the zip's directory, numbers little-endian:
//   u32 name length, name, u32 text length, the text.

#include <libdeflate.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TBytes = std::vector<unsigned char>;

[[noreturn]] void Abbrechen(const std::string& meldung) {
    std::cerr << "kov-klima-packen: " << meldung << "\n";
    std::exit(1);
}

std::uint32_t Wort(const TBytes& d, std::size_t stelle, int bytes) {
    if (stelle + static_cast<std::size_t>(bytes) > d.size()) Abbrechen("Archiv zu kurz");
    std::uint32_t wert = 0;
    for (int i = bytes - 1; i >= 0; --i)
        wert = (wert << 8) | d[stelle + static_cast<std::size_t>(i)];
    return wert;
}

void WortAnfuegen(std::string& aus, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i)
        aus += static_cast<char>((wert >> (8 * i)) & 0xFF);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) Abbrechen("Aufruf: kov-klima-packen N.zip N.klima");
    std::ifstream ein(argv[1], std::ios::binary);
    if (!ein) Abbrechen(std::string("nicht lesbar: ") + argv[1]);
    const TBytes zip((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());

    // the central directory (APPNOTE 4.3.12, 4.3.16); the end record has no comment
    constexpr std::size_t EndeLaenge = 22, KopfLaenge = 46, LokalLaenge = 30;
    if (zip.size() < EndeLaenge) Abbrechen("kein Zip-Archiv");
    const std::size_t ende = zip.size() - EndeLaenge;
    if (Wort(zip, ende, 4) != 0x06054b50) Abbrechen("Endsatz fehlt");
    const std::size_t anzahl = Wort(zip, ende + 10, 2);
    std::size_t stelle = Wort(zip, ende + 16, 4);

    libdeflate_decompressor* entpacker = libdeflate_alloc_decompressor();
    std::string aus;
    int dateien = 0;
    for (std::size_t i = 0; i < anzahl; ++i) {
        if (Wort(zip, stelle, 4) != 0x02014b50) Abbrechen("Verzeichnis beschädigt");
        const std::size_t nameLaenge = Wort(zip, stelle + 28, 2);
        const std::string name(reinterpret_cast<const char*>(zip.data() + stelle + KopfLaenge),
                               nameLaenge);
        const int methode = static_cast<int>(Wort(zip, stelle + 10, 2));
        const std::uint32_t pruefsumme = Wort(zip, stelle + 16, 4);
        const std::size_t gepackt = Wort(zip, stelle + 20, 4);
        const std::size_t groesse = Wort(zip, stelle + 24, 4);
        const std::size_t lokal = Wort(zip, stelle + 42, 4);
        stelle += KopfLaenge + nameLaenge + Wort(zip, stelle + 30, 2) + Wort(zip, stelle + 32, 2);
        if (name.empty() || name.back() == '/') continue; // the folder entry
        if (methode != 8) Abbrechen(name + ": unbekannte Packmethode");
        const std::size_t daten =
            lokal + LokalLaenge + Wort(zip, lokal + 26, 2) + Wort(zip, lokal + 28, 2);
        if (daten + gepackt > zip.size()) Abbrechen(name + ": Daten fehlen");

        std::string text(groesse, '\0');
        if (libdeflate_deflate_decompress(entpacker, zip.data() + daten, gepackt, text.data(),
                                          groesse, nullptr) != LIBDEFLATE_SUCCESS)
            Abbrechen(name + ": Daten beschädigt");
        if (libdeflate_crc32(0, text.data(), groesse) != pruefsumme)
            Abbrechen(name + ": Prüfsumme falsch");

        WortAnfuegen(aus, static_cast<std::uint32_t>(name.size()));
        aus += name;
        WortAnfuegen(aus, static_cast<std::uint32_t>(groesse));
        aus += text;
        ++dateien;
    }
    libdeflate_free_decompressor(entpacker);
    if (dateien == 0) Abbrechen("keine Datei im Archiv");

    const std::string temporaer = std::string(argv[2]) + ".neu";
    {
        std::ofstream datei(temporaer, std::ios::binary | std::ios::trunc);
        datei.write(aus.data(), static_cast<std::streamsize>(aus.size()));
        if (!datei.flush()) Abbrechen(std::string("nicht schreibbar: ") + temporaer);
    }
    if (std::rename(temporaer.c_str(), argv[2]) != 0) Abbrechen("Umbenennen fehlgeschlagen");
    return 0;
}
