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
                                               const TStundenFeld* fahrplan, unsigned faeden,
                                               const std::atomic<bool>* abbruch) {
    const std::vector<TKlimaWahl> jahre = KlimaCheckJahre(region);
    std::vector<TKlimaCheckJahr> ergebnis(jahre.size());
    if (faeden == 0) faeden = std::max(1u, std::thread::hardware_concurrency());
    faeden = std::min<unsigned>(faeden, static_cast<unsigned>(jahre.size()));

    std::atomic<std::size_t> naechstes{0};
    std::atomic<bool> abgebrochen{false};
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
                TLaufRueckmeldung rueckmeldung;
                rueckmeldung.Abbruch = abbruch;
                if (SimulationRechnen(jahr, *wetter, fahrplan, *k, rueckmeldung) ==
                    TLaufStatus::Abgebrochen) {
                    abgebrochen = true;
                    naechstes = jahre.size();
                    return;
                }
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
    if (abgebrochen) return {};
    return ergebnis;
}

std::vector<std::string> KlimaCheckSpalten(const std::vector<TKlimaCheckJahr>& jahre) {
    std::vector<std::string> spalten;
    for (const TKlimaCheckJahr& j : jahre)
        spalten.push_back(std::string(KlimaArtText(j.Wahl.Art)) + " " +
                          std::string(KlimaPeriodenText(j.Wahl.Periode)));
    return spalten;
}

std::vector<TKlimaCheckZeile> KlimaCheckZeilen(const std::vector<TKlimaCheckJahr>& jahre) {
    std::vector<TKlimaCheckZeile> zeilen = {
        {"Tiefste Außentemperatur", "°C", 1, {}}, {"Tiefste Austrittstemperatur", "°C", 2, {}},
        {"Froststunden außen", "h", 0, {}},       {"Froststunden nach Register", "h", 0, {}},
        {"Heizenergie nutzbar", "kWh", 0, {}},    {"Kühlenergie nutzbar", "kWh", 0, {}},
    };
    for (const TKlimaCheckJahr& j : jahre) {
        const TKennwerte& k = j.Kennwerte;
        const double werte[] = {k.TeinMin,
                                k.TausMin,
                                static_cast<double>(k.FrostStundenAussen),
                                static_cast<double>(k.FrostStundenNachRegister),
                                k.HeizenergieNutzbar,
                                k.KuehlenergieNutzbar};
        for (std::size_t i = 0; i < zeilen.size(); ++i)
            zeilen[i].Werte.push_back(werte[i]);
    }
    return zeilen;
}

} // namespace kov
