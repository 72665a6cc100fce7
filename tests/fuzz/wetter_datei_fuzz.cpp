// libFuzzer harness: the site weather readers (EPW, TRY, hourly table) on any bytes. A file that
// is read must give a finite year.
#include "files/wetter_datei.h"
#include "model/fehler.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    auto jahr = std::make_unique<kov::TWetterJahr>();
    kov::TWetterInfo info;
    try {
        kov::WetterTextLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse),
                             "fuzz.epw", *jahr, info);
        for (int h = 0; h <= kov::StundenImJahr; ++h)
            if (!std::isfinite(jahr->Tein[static_cast<std::size_t>(h)])) __builtin_trap();
    } catch (const kov::TDateiFehler&) {
    }
    return 0;
}
