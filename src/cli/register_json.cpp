#include "cli/register_json.h"

#include <algorithm>

namespace kov {

void RegisterJsonErgaenzen(const TKontext& k, nlohmann::ordered_json& j) {
    const TRegisterErgebnis& e = k.RegisterErgebnis;
    if (!e.Gerechnet) return;
    nlohmann::ordered_json r;
    r["Modell"] = "register";
    r["Einschwingjahre"] = e.Einschwingjahre;
    r["EinschwingAenderung"] = e.EinschwingAenderung;
    r["VerschiedeneRohre"] = e.VerschiedeneRohre;
    r["HeizenergieFuehlbar"] = e.Heizenergie;
    r["KuehlenergieFuehlbar"] = e.Kuehlenergie;
    r["LatenteEnergie"] = e.LatenteEnergie;
    r["WaermeInsErdreich"] = e.WaermeInsErdreich;
    // null: the weather has no humidity ("keine Feuchtedaten"), not "no water"
    r["Kondensat"] = e.Feuchtedaten ? nlohmann::ordered_json(e.KondensatJahr) : nullptr;
    r["TausMin"] = e.TausMin;
    double randMin = e.TausRandrohr[1];
    double mitteMin = e.TausMittelrohr[1];
    for (int h = 2; h <= StundenImJahr; ++h) {
        randMin = std::min(randMin, e.TausRandrohr[static_cast<std::size_t>(h)]);
        mitteMin = std::min(mitteMin, e.TausMittelrohr[static_cast<std::size_t>(h)]);
    }
    r["TausMinRandrohr"] = randMin;
    r["TausMinMittelrohr"] = mitteMin;
    r["Luftdruck"] = e.Luftdruck;
    r["Aufloesung"] = {{"ZellenWinkel", e.Aufloesung.Erdreich.ZellenWinkel},
                       {"ZellenRadial", e.Aufloesung.Erdreich.ZellenRadial},
                       {"Zeitkonstanten", e.Aufloesung.Erdreich.Zeitkonstanten},
                       {"AxialZellen", e.Aufloesung.AxialZellen},
                       {"SubSchritte", e.Aufloesung.SubSchritte}};
    j["Register"] = std::move(r);
}

} // namespace kov
