#include "register/parameter_pruefung.h"

#include "files/wetter.h"
#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "model/kalender.h"

#include <cmath>
#include <string_view>

namespace kov {

namespace {

struct TPruefung {
    std::vector<std::string>& Meldungen;

    static std::string Feld(std::string_view bezeichnung, std::string_view name) {
        std::string text(bezeichnung);
        text += " (";
        text += name;
        text += ")";
        return text;
    }
    void Melden(std::string_view bezeichnung, std::string_view name, std::string_view regel) {
        Meldungen.push_back(Feld(bezeichnung, name) + " " + std::string(regel));
    }
    // false when the value is not a finite number (and says so)
    bool Endlich(double wert, std::string_view bezeichnung, std::string_view name) {
        if (std::isfinite(wert)) return true;
        Melden(bezeichnung, name, "muss eine endliche Zahl sein.");
        return false;
    }
    void Positiv(double wert, std::string_view bezeichnung, std::string_view name,
                 std::string_view einheit) {
        if (!Endlich(wert, bezeichnung, name)) return;
        if (wert > 0) return;
        std::string regel = "muss größer als 0";
        if (!einheit.empty()) (regel += " ") += einheit;
        Melden(bezeichnung, name, regel + " sein.");
    }
    void NichtNegativ(double wert, std::string_view bezeichnung, std::string_view name) {
        if (Endlich(wert, bezeichnung, name) && wert < 0)
            Melden(bezeichnung, name, "darf nicht negativ sein.");
    }
    void Anteil(double wert, std::string_view bezeichnung, std::string_view name) {
        if (Endlich(wert, bezeichnung, name) && !(wert >= 0 && wert <= 1))
            Melden(bezeichnung, name, "muss zwischen 0 und 1 liegen.");
    }
    void Bereich(long wert, long von, long bis, std::string_view bezeichnung,
                 std::string_view name) {
        if (wert >= von && wert <= bis) return;
        Melden(bezeichnung, name,
               "muss zwischen " + std::to_string(von) + " und " + std::to_string(bis) + " liegen.");
    }
};

} // namespace

std::vector<std::string> ParameterPruefen(const TRegisterParameter& p) {
    std::vector<std::string> meldungen;
    TPruefung pruefe{meldungen};

    pruefe.Positiv(p.Rohrlaenge, "Rohrlänge", "Rohrlaenge", "m");
    pruefe.Positiv(p.DRohr, "Rohrdurchmesser", "DRohr", "m");
    pruefe.Positiv(p.WandstaerkeRohr, "Rohrwandstärke", "WandstaerkeRohr", "m");
    if (p.AnzahlRohre < 1) pruefe.Melden("Anzahl Rohre", "AnzahlRohre", "muss mindestens 1 sein.");
    pruefe.NichtNegativ(p.Tiefe, "Verlegetiefe Rohre", "Tiefe");
    pruefe.Positiv(p.Volumenstrom, "Luftvolumenstrom", "Volumenstrom", "m3/h");
    pruefe.Positiv(p.SimRadius, "Simulationsradius", "SimRadius", "m");

    pruefe.Positiv(p.LambdaErde, "Lambda Erde", "LambdaErde", "W/mK");
    pruefe.Positiv(p.RhoErde, "rho Erde", "RhoErde", "kg/m3");
    pruefe.Positiv(p.CpErde, "cp Erde", "CpErde", "J/kgK");
    pruefe.Positiv(p.LambdaRohr, "Lambda Rohr", "LambdaRohr", "W/mK");
    pruefe.Positiv(p.RhoRohr, "rho Rohr", "RhoRohr", "kg/m3");
    pruefe.Positiv(p.CpRohr, "cp Rohr", "CpRohr", "J/kgK");
    pruefe.Positiv(p.LambdaLuft, "Lambda Luft", "LambdaLuft", "W/mK");
    pruefe.Positiv(p.RhoLuft, "rho Luft", "RhoLuft", "kg/m3");
    pruefe.Positiv(p.CpLuft, "cp Luft", "CpLuft", "J/kgK");
    pruefe.Positiv(p.ViskositaetLuft, "Viskosität Luft", "ViskositaetLuft", "m2/s");
    pruefe.NichtNegativ(p.AlphaStillstand, "Wärmeübergang bei Stillstand", "AlphaStillstand");

    pruefe.Endlich(p.Heizgrenze, "Heizgrenze", "Heizgrenze");
    pruefe.Endlich(p.Kuehlgrenze, "Kühlgrenze", "Kuehlgrenze");
    pruefe.Endlich(p.HystereseEin, "Einschalthysterese", "HystereseEin");
    pruefe.Endlich(p.HystereseAus, "Ausschalthysterese", "HystereseAus");

    pruefe.Anteil(p.AnteilAdiabat, "Adiabater Anteil", "AnteilAdiabat");
    pruefe.Anteil(p.AnteilKeller, "Kelleranteil", "AnteilKeller");
    pruefe.NichtNegativ(p.KWertKeller, "k-Wert Kellerboden", "KWertKeller");
    pruefe.Positiv(p.LambdaPlatte, "Lambda Bodenplatte", "LambdaPlatte", "W/mK");
    pruefe.Positiv(p.RhoPlatte, "rho Bodenplatte", "RhoPlatte", "kg/m3");
    pruefe.Positiv(p.CpPlatte, "cp Bodenplatte", "CpPlatte", "J/kgK");
    pruefe.Positiv(p.TiefeKeller, "Verlegetiefe unter Keller", "TiefeKeller", "m");
    pruefe.Endlich(p.Sonnenerwaermung, "Sonnenerwärmung", "Sonnenerwaermung");
    for (int monat = 1; monat <= 12; ++monat) {
        const std::string index = "[" + std::to_string(monat) + "]";
        pruefe.Endlich(p.KellerTemperatur[monat],
                       "Kellertemperatur " + std::string(MonatsName(monat)),
                       "KellerTemperatur" + index);
        pruefe.Endlich(p.ErdTemperaturSpeziell[monat],
                       "Erdtemperatur " + std::string(MonatsName(monat)),
                       "ErdTemperaturSpeziell" + index);
    }

    const int n = p.AnzahlGitter;
    pruefe.Bereich(n, 3, MaxGitter, "Anzahl Rechengitter", "AnzahlGitter");
    pruefe.Positiv(p.Radiusteiler, "Radiusteiler", "Radiusteiler", "");
    pruefe.Positiv(p.Zeitschritt, "Simulationszeitschritt", "Zeitschritt", "s");
    pruefe.Bereich(p.AnzahlSubSchritte, 1, 20, "Anzahl Sub-Schritte", "AnzahlSubSchritte");
    pruefe.Bereich(p.Einschwingjahre, 0, 10, "Einschwingjahre", "Einschwingjahre");
    if (n >= 3 && n <= MaxGitter) {
        pruefe.Bereich(p.MonitorAxial, 1, n, "Monitorpunkt axial", "MonitorAxial");
        pruefe.Bereich(p.MonitorRadial, 0, n + 1, "Monitorpunkt radial", "MonitorRadial");
    }

    if (p.OutputFile.empty())
        pruefe.Melden("Ausgabedatei", "OutputFile", "darf nicht leer sein.");
    else if (p.OutputFile == HilfsDatei)
        pruefe.Melden("Ausgabedatei", "OutputFile",
                      "darf nicht \"" + std::string(HilfsDatei) + "\" heißen (Hilfsdatei).");
    if (p.FahrplanGelesen && p.FahrplanFile.empty())
        pruefe.Melden("Fahrplandatei", "FahrplanFile", "darf nicht leer sein.");

    // the ring geometry must settle for the grid to exist at all
    if (meldungen.empty()) {
        try {
            GitterfaktorBerechnen(p);
        } catch (const TParameterFehler& fehler) {
            meldungen.emplace_back(fehler.what());
        }
    }
    return meldungen;
}

} // namespace kov
