// libFuzzer harness: the weather read back from the hourly part of a previous report.
#include "files/wetter.h"
#include "model/fehler.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    auto r = std::make_unique<kov::TStundenReihen>();
    try {
        kov::BerichtWetterTextLesen("fuzz.txt",
                                    std::string(reinterpret_cast<const char*>(daten), groesse),
                                    r->Tein, r->RelVolumenstrom, r->RelFeuchte, r->TTaupunkt);
    } catch (const kov::TDateiFehler&) {
    }
    return 0;
}
