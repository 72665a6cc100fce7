#include "register/register_text.h"

#include <cmath>
#include <cstdio>

namespace kov {

namespace {

std::string Komma(double wert, int stellen) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", stellen, wert);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

} // namespace

TRegisterModellText RegisterModellBeschreiben(const TRegisterParameter& p,
                                              const TRegisterErgebnis& e) {
    TRegisterModellText t;
    if (!e.Gerechnet) {
        t.Modell = "Rechenmodell klassisch: ein repräsentatives Rohr in radialen Erdringen bis "
                   "zum Simulationsradius.";
        return t;
    }
    t.Modell = "Rechenmodell Register: alle " + std::to_string(p.AnzahlRohre) +
               " Rohre nebeneinander (Abstand " + Komma(p.Rohrabstand, 2) + " m, " +
               std::to_string(e.VerschiedeneRohre) +
               " verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte der "
               "Luft" +
               (e.Feuchtedaten ? "." : " (keine Feuchtedaten: kein Kondensat).");
    const TRegisterAufloesung& a = e.Aufloesung;
    t.Aufloesung = "Auflösung: Querschnitt " + std::to_string(a.Erdreich.ZellenWinkel) + " × " +
                   std::to_string(a.Erdreich.ZellenRadial) + " Zellen, " +
                   std::to_string(a.Erdreich.Zeitkonstanten) + " Zeitkonstanten der Reduktion, " +
                   std::to_string(a.AxialZellen) + " Axialzellen je Rohr, " +
                   std::to_string(a.SubSchritte) +
                   (a.SubSchritte == 1 ? " Zeitschritt" : " Zeitschritte") + " je Stunde.";
    t.Konvergenz =
        "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens 0,5 % und "
        "den tiefsten Austritt um höchstens 0,15 K (geprüft über den Auslegungsbereich); "
        "eingeschwungen nach " +
        std::to_string(e.Einschwingjahre) + (e.Einschwingjahre == 1 ? " Jahr" : " Jahren") +
        ", letzte Änderung der Jahresenergien " + Komma(100 * e.EinschwingAenderung, 3) + " %.";
    return t;
}

} // namespace kov
