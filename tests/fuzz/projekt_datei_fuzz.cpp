// libFuzzer harness: the project reader on any bytes. A project that is read must hold values in
// their ranges and save to a text that reads back to the same bytes.
#include "files/projekt_datei.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    kov::TRegisterParameter p;
    try {
        p = kov::ProjektTextLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse),
                                  "fuzz.kov");
    } catch (const kov::TDateiFehler&) {
        return 0;
    }
    for (const kov::TKatalogEintrag& e : kov::ParameterKatalog())
        if (kov::FeldTyp(e) == kov::TFeldTyp::Zahl && !e.Abgeleitet &&
            !kov::BereichsVerstoss(e, kov::FeldWert<double>(p, e)).empty())
            __builtin_trap();
    // a project that was read saves (its texts came from JSON, so they are UTF-8) and reads back
    const std::string text = kov::ProjektText(p, {}, "fuzz.kov");
    if (kov::ProjektText(kov::ProjektTextLesen(text, "fuzz.kov"), {}, "fuzz.kov") != text)
        __builtin_trap();
    return 0;
}
