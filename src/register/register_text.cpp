#include "register/register_text.h"

#include <cstdio>

namespace kov {

namespace {

std::string Zahl(double wert, int stellen) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", stellen, wert);
    return text;
}

} // namespace

TRegisterAngaben RegisterAngabenAus(const TRegisterErgebnis& e) {
    TRegisterAngaben r;
    r.Gerechnet = e.Gerechnet;
    r.Einschwingjahre = e.Einschwingjahre;
    r.VerschiedeneRohre = e.VerschiedeneRohre;
    r.Aufloesung = e.Aufloesung;
    r.EinschwingAenderung = e.EinschwingAenderung;
    r.Feuchtedaten = e.Feuchtedaten;
    return r;
}

TRegisterModellText RegisterModellBeschreiben(const TRegisterParameter& p,
                                              const TRegisterAngaben& r) {
    TRegisterModellText t;
    if (!r.Gerechnet) {
        t.Modell = "Rechenmodell klassisch: ein repräsentatives Rohr in radialen Erdringen bis "
                   "zum Simulationsradius.";
        return t;
    }
    t.Modell = "Rechenmodell Register: alle " + std::to_string(p.AnzahlRohre) +
               " Rohre nebeneinander (Abstand " + Zahl(p.Rohrabstand, 2) + " m, " +
               std::to_string(r.VerschiedeneRohre) +
               " verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte der "
               "Luft und ihrem Kondensat" +
               (r.Feuchtedaten ? "." : " (keine Feuchtedaten: kein Kondensat).");
    const TRegisterAufloesung& a = r.Aufloesung;
    t.Aufloesung = "Auflösung: Querschnitt " + std::to_string(a.Erdreich.ZellenWinkel) + " × " +
                   std::to_string(a.Erdreich.ZellenRadial) + " Zellen (im Winkel × radial, " +
                   "oberste Zellschicht " + Zahl(a.Erdreich.ErsteSchicht, 3) + " m), " +
                   std::to_string(a.Erdreich.Zeitkonstanten) + " Zeitkonstanten der Reduktion, " +
                   std::to_string(a.AxialZellen) + " Axialzellen je Rohr, " +
                   std::to_string(a.SubSchritte) +
                   (a.SubSchritte == 1 ? " Zeitschritt" : " Zeitschritte") + " je Stunde.";
    // the settling is judged against the run's own limit: an unsettled year still depends on
    // the start state and says so
    const std::string jahre =
        std::to_string(r.Einschwingjahre) + (r.Einschwingjahre == 1 ? " Jahr" : " Jahren");
    const std::string aenderung = Zahl(100 * r.EinschwingAenderung, 3) + " %";
    const std::string grenze = Zahl(100 * a.EinschwingGrenze, 3) + " %";
    t.Konvergenz =
        "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens 0.5 % und "
        "den tiefsten Austritt um höchstens 0.15 K (geprüft über den Auslegungsbereich); " +
        (r.EinschwingAenderung < a.EinschwingGrenze
             ? "eingeschwungen nach " + jahre + ", letzte Änderung der Jahresenergien " +
                   aenderung + " unter der Grenze von " + grenze + "."
             : "nach " + jahre + " ändern sich die Jahresenergien noch um " + aenderung +
                   ", über der Grenze von " + grenze +
                   ": das Ergebnis hängt noch vom Startzustand ab.");
    return t;
}

} // namespace kov
