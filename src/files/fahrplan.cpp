#include "files/fahrplan.h"

#include "files/zahl_leser.h"

namespace kov {

namespace {

int Lesen(TZahlLeser& leser, TStundenFeld& series) {
    int stunden = 0;
    // the number search skips empty lines, so a value after an empty line lands one hour early
    for (std::size_t k = 1; k <= StundenImJahr; ++k) {
        if (leser.NochEineZahl()) stunden = static_cast<int>(k);
        series[k] = leser.ZahlLesen();
        leser.ZeileUeberspringen();
    }
    return stunden;
}

} // namespace

int FahrplanLesen(const std::string& name, TStundenFeld& series) {
    TZahlLeser leser(name);
    return Lesen(leser, series);
}

int FahrplanTextLesen(const std::string& name, std::string inhalt, TStundenFeld& series) {
    TZahlLeser leser(name, std::move(inhalt));
    return Lesen(leser, series);
}

std::string FahrplanHinweis(const std::string& name, int stunden) {
    if (stunden >= StundenImJahr) return {};
    return "Der Lüftungsfahrplan " + name + " endet nach Stunde " + std::to_string(stunden) +
           " von 8760; in den Stunden danach ist der Volumenstrom 0 und das Register aus.";
}

} // namespace kov
