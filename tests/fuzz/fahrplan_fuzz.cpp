// libFuzzer harness: the ventilation schedule reader on any bytes.
#include "files/fahrplan.h"
#include "model/fehler.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    auto reihe = std::make_unique<kov::TStundenFeld>();
    try {
        const int stunden = kov::FahrplanTextLesen(
            "fuzz.txt", std::string(reinterpret_cast<const char*>(daten), groesse), *reihe);
        if (stunden < 0 || stunden > kov::StundenImJahr) __builtin_trap();
    } catch (const kov::TDateiFehler&) {
    }
    return 0;
}
