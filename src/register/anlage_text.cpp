#include "register/anlage_text.h"

#include "register/kennwerte_text.h"

#include <string>

namespace kov {

namespace {

std::string Grad(double wert) {
    return KennwertZahl(wert, 1) + " °C";
}

} // namespace

void AnlagenZeilenAnfuegen(const TAnlagenKennwerte& a, const TRegisterParameter& p,
                           std::vector<TKennwertZeile>& zeilen) {
    const TAnlagenSeite& ohne = a.OhneRegister;
    const TAnlagenSeite& mit = a.MitRegister;
    const std::string wrg = "WRG " + KennwertZahl(p.WRGWirkungsgrad * 100, 0) + " %, Abluft " +
                            Grad(p.Ablufttemperatur);
    const std::string frost = " (Ansaug unter " + Grad(p.WRGFrostgrenze) + ")";
    const std::string ohneText = "ohne Register: ";
    zeilen.push_back({"Lüftungsgerät: Frostschutzstunden mit Register" + frost,
                      std::to_string(mit.FrostschutzStunden), "h",
                      ohneText + std::to_string(ohne.FrostschutzStunden) + " h"});
    zeilen.push_back({"Lüftungsgerät: Vorheizenergie Frostschutz mit Register",
                      KennwertZahl(mit.Vorheizenergie, 1), "kWh",
                      ohneText + KennwertZahl(ohne.Vorheizenergie, 1) + " kWh"});
    zeilen.push_back({"Lüftungsgerät: eingesparte Vorheizenergie",
                      KennwertZahl(a.VorheizenergieGespart, 1),
                      "kWh",
                      {}});
    zeilen.push_back(
        {"Lüftungsgerät: Nachheizenergie bis Zuluft " + Grad(p.ZuluftSoll) + " mit Register",
         KennwertZahl(mit.Nachheizenergie, 1), "kWh",
         ohneText + KennwertZahl(ohne.Nachheizenergie, 1) + " kWh"});
    zeilen.push_back({"Lüftungsgerät: Wärmeersparnis im Gebäude nach WRG",
                      KennwertZahl(a.WaermeErspartGebaeude, 1), "kWh",
                      "Vor- + Nachheizung ohne Register minus mit Register; " + wrg});
    zeilen.push_back({"Lüftungsgerät: tiefste Zuluft nach WRG mit Register",
                      KennwertZahl(mit.ZuluftNachWRGMin, 1), "°C",
                      StundeAlsDatum(mit.ZuluftNachWRGMinStunde) + "; " + ohneText +
                          Grad(ohne.ZuluftNachWRGMin)});
    zeilen.push_back(
        {"Lüftungsgerät: höchste Zuluft außerhalb der Heizperiode mit Register",
         KennwertZahl(mit.ZuluftSommerMax, 1), "°C",
         StundeAlsDatum(mit.ZuluftSommerMaxStunde) + "; " + ohneText + Grad(ohne.ZuluftSommerMax)});
    zeilen.push_back({"Lüftungsgerät: Stunden mit Zuluft über Komfortgrenze (" +
                          Grad(p.Komfortgrenze) + ") mit Register",
                      std::to_string(mit.StundenUeberKomfort), "h",
                      ohneText + std::to_string(ohne.StundenUeberKomfort) + " h"});
    zeilen.push_back({"Lüftungsgerät: Kühlung in Stunden über Komfortgrenze",
                      KennwertZahl(a.KuehlungUeberKomfort, 1), "kWh",
                      "Zuluft ohne minus mit Register, Stunden mit Zuluft ohne Register über " +
                          Grad(p.Komfortgrenze)});
}

} // namespace kov
