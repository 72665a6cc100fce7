#include "ablauf/klima_check.h"

#include "files/klima.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "register/lauf.h"
#include "register/parameter_pruefung.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace kov {

std::vector<TKlimaWahl> KlimaCheckJahre(int region) {
    std::vector<TKlimaWahl> jahre;
    for (int periode : KlimaPerioden)
        for (TKlimaArt art : {TKlimaArt::Jahr, TKlimaArt::Wint, TKlimaArt::Somm})
            jahre.push_back({region, art, periode});
    return jahre;
}

std::vector<TKlimaCheckJahr> KlimaCheckRechnen(const TRegisterParameter& p, int region,
                                               const TStundenFeld* fahrplan, unsigned faeden) {
    const std::vector<TKlimaWahl> jahre = KlimaCheckJahre(region);
    std::vector<TKlimaCheckJahr> ergebnis(jahre.size());
    if (faeden == 0) faeden = std::max(1u, std::thread::hardware_concurrency());
    faeden = std::min<unsigned>(faeden, static_cast<unsigned>(jahre.size()));

    std::atomic<std::size_t> naechstes{0};
    std::exception_ptr fehler;
    std::mutex fehlerSchutz;
    const auto arbeiter = [&]() {
        try {
            auto wetter = std::make_unique<TWetterJahr>();
            auto k = std::make_unique<TKontext>();
            for (std::size_t i = naechstes.fetch_add(1); i < jahre.size();
                 i = naechstes.fetch_add(1)) {
                TRegisterParameter jahr = p;
                jahr.Klima = KlimaName(jahre[i]);
                jahr.WetterDatei.clear();
                jahr.EingebautesWetter = true;
                TWetterInfo info;
                KlimaJahrLesen(jahre[i], *wetter, info);
                const std::vector<std::string> meldungen = ParameterPruefen(jahr, wetter.get());
                if (!meldungen.empty()) {
                    std::string text = jahr.Klima + ":";
                    for (const std::string& meldung : meldungen)
                        text += "\n" + meldung;
                    throw TParameterFehler(text);
                }
                StandardwerteSetzen(*k);
                SimulationRechnen(jahr, *wetter, fahrplan, *k);
                const std::string ungueltig = ErgebnisPruefen(*k);
                if (!ungueltig.empty()) throw TParameterFehler(jahr.Klima + ": " + ungueltig);
                ergebnis[i] = {jahre[i], k->Ergebnis, KennwerteBerechnen(*k)};
            }
        } catch (...) {
            const std::lock_guard<std::mutex> sperre(fehlerSchutz);
            if (!fehler) fehler = std::current_exception();
            naechstes = jahre.size();
        }
    };
    std::vector<std::thread> faedenListe;
    for (unsigned f = 1; f < faeden; ++f)
        faedenListe.emplace_back(arbeiter);
    arbeiter();
    for (std::thread& t : faedenListe)
        t.join();
    if (fehler) std::rethrow_exception(fehler);
    return ergebnis;
}

} // namespace kov
