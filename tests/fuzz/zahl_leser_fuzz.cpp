// libFuzzer harness: the number reader on any bytes, numbers and line skips in turn.
#include "files/zahl_leser.h"
#include "model/fehler.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string inhalt(reinterpret_cast<const char*>(daten), groesse);
    kov::TZahlLeser leser("fuzz.txt", inhalt);
    try {
        // every round consumes at least one character, so the loop ends
        for (std::size_t runde = 0; runde <= groesse && leser.NochEineZahl(); ++runde) {
            leser.ZahlLesen();
            if (runde % 3 == 2) leser.ZeileUeberspringen();
        }
    } catch (const kov::TDateiFehler& fehler) {
        if (fehler.Zeile() < 1) __builtin_trap();
    }
    return 0;
}
