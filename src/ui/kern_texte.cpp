#include "ui/kern_texte.h"

#include "ui/zahl_format.h"

#include "ui/bericht_format.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

namespace kov {

namespace {

// The labels of the figures, costs, checks and study figures as the core writes them, for the
// translation tools.
const char* const Quelltexte[] = {
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Reynoldszahl bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrreibungszahl"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust Rohrreibung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust Einzelwiderstände"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Zusätzlicher Druckverlust"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust gesamt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilatorleistung bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilator-Stromverbrauch im Jahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl (nutzbare Energie / Ventilatorstrom)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl brutto (alle Energie / Ventilatorstrom)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Höchste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Eintrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Höchste Eintrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden mit Aussenluft unter Frostgrenze"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Betriebsstunden mit Austritt unter Frostgrenze"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Heizleistung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Kühlleistung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Heizenergie (Aussenluft bis Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Kühlenergie (Aussenluft ab Kühlgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Kühlenergie (Aussenluft ab Komfortgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Unerwünschte Heizenergie (Aussenluft über Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Unerwünschte Kühlenergie (Aussenluft unter Kühlgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Unerwünschte Kühlenergie (Aussenluft unter Komfortgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbarer Ertrag je m² Rohrinnenfläche"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbarer Ertrag je m Rohr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden der Heizperiode (Aussenluft bis Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wirkungsgrad η gegen ungestörtes Erdreich, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Mittlere Ansaugtemperatur nach Register, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Mittlere Aussentemperatur, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kondensat im Jahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden mit Kondensat"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Kondensatmenge"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Änderung Heizenergie gegen letztes Einschwingjahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Änderung Kühlenergie gegen letztes Einschwingjahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "mit dem Volumenstrom gewichtet"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wetter ohne Feuchtedaten"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Amortisationszeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Kapital"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Ventilatorstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Wartung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität der Erlöse"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität der Kosten"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Investition"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kosten je kWh"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nettonutzen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "CO₂-Einsparung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Achsabstand der Rohre"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Luftgeschwindigkeit bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Reynoldszahl beim kleinsten Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrlänge gegen nützliche Länge"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Austrittstemperatur im Betrieb"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Verlegetiefe"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wetter des Standorts"),
    // the figures of a variant study
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Heizenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kühlenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Heizenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Kühlenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Energie (Heizen + Kühlen)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilatorstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "tiefste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "höchste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Froststunden nach dem Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Luftgeschwindigkeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrlänge aller Rohre"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl brutto"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wirkungsgrad Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "mittlere Ansaugtemperatur Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Frostschutzstunden des Lüftungsgeräts"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Vorheizenergie des Lüftungsgeräts"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wärmeersparnis im Gebäude nach WRG"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "tiefste Zuluft nach WRG"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "jährlicher Nettonutzen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "dynamische Amortisationszeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "erfüllt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nicht erfüllt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Hinweis"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Auslegung erfüllt alle Prüfungen."),
    // the ventilation unit's rows; a number of the run stands where the %n is
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Lüftungsgerät: Frostschutzstunden mit Register (Ansaug unter %1 °C)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Lüftungsgerät: Vorheizenergie Frostschutz mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Lüftungsgerät: eingesparte Vorheizenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Lüftungsgerät: Nachheizenergie bis Zuluft %1 °C mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Lüftungsgerät: Wärmeersparnis im Gebäude nach WRG"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Lüftungsgerät: tiefste Zuluft nach WRG mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Lüftungsgerät: höchste Zuluft außerhalb der Heizperiode mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Lüftungsgerät: Stunden mit Zuluft über Komfortgrenze (%1 °C) mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Lüftungsgerät: Kühlung in Stunden über Komfortgrenze"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "ohne Register: %1 h"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "ohne Register: %1 kWh"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "ohne Register: %1 °C"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Vor- + Nachheizung ohne Register minus mit Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "WRG %1 %, Abluft %2 °C"),
    QT_TRANSLATE_NOOP(
        "kov::Kennwerte",
        "Zuluft ohne minus mit Register, Stunden mit Zuluft ohne Register über %1 °C"),
    // the rows of the climate check
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Außentemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Froststunden außen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Froststunden nach Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Heizenergie nutzbar"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kühlenergie nutzbar"),
    // what the design check says about each rule
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Luft strömt langsam genug."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Zu schnell: Druckverlust, Geräusch und Ventilatorstrom "
                                        "steigen; mehr oder größere Rohre wählen."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Das Register lief in keiner Stunde."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Die Luft hinter dem Register bleibt über der Frostgrenze."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Die Luft hinter dem Register fällt unter die Frostgrenze: Vorwärmung, "
                      "längere oder tiefer liegende Rohre vorsehen."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Der Druckverlust bleibt im Budget."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Der Druckverlust übersteigt das Budget: langsamere "
                                        "Strömung oder kürzere Rohre."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Rohre liegen frostfrei."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Rohre liegen im Frostbereich: Kondensat kann "
                                        "gefrieren, der Boden ist im Winter kalt."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Die Rohre liegen zu eng: sie entziehen einander den Boden."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Der Abstand ist kleiner als der gerechnete Erdbereich zweier Rohre (%1 cm): "
                      "die Rechnung mit einem Rohr überschätzt den Ertrag."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Jedes Rohr hat seinen gerechneten Erdbereich für sich."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Strömung ist beim kleinsten Volumenstrom laminar: der "
                                        "Wärmeübergang bricht ein."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Strömung ist beim kleinsten Volumenstrom im "
                                        "Übergangsbereich (unter %1)."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Die Strömung ist auch beim kleinsten Volumenstrom turbulent."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Es fällt Kondensat an: Rohre mit Gefälle (üblich %1 bis "
                                        "%2 %) und einen Kondensatablauf vorsehen."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Es fällt kein Kondensat an."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Jeder Teil des Rohrs trägt merklich bei."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Das Rohr ist länger als nützlich: die letzten %1 % bringen weniger als "
                      "%2 % der Energie; mehr kürzere Rohre wären wirksamer."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Gerechnet mit dem Wetter aus dem vorigen Bericht, nicht "
                                        "mit einer Wetterdatei des Standorts."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Gerechnet mit dem Testreferenzjahr der Region des "
                                        "Standorts (eingebautes Klima)."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Gerechnet mit dem Wetter des Standorts."),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Gerechnet mit dem eingebauten Schweizer Auslegungsjahr, "
                                        "nicht mit dem Wetter des Standorts."),
    // the cost rows of the design report; a number of the run stands where the %n is
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohre, %1 m zu %2 EUR/m"),
    QT_TRANSLATE_NOOP(
        "kov::Kennwerte",
        "Rohre, %1 m zu %2 EUR/m (Durchmesser außerhalb der Preistabelle: Randpreis)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Graben, %1 m breit, %2 m tief: %3 m³"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Fixkosten"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuitätsfaktor"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ersatzbeschaffungen im Betrachtungszeitraum"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Barwert der Ersatzbeschaffungen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Barwert des Restwerts"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kapitalgebundene Annuität"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Betriebsgebundene Annuität (Wartung)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Bedarfsgebundene Annuität (Ventilatorstrom)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität der Erlöse (eingesparte Wärme und Kälte)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Jährlicher Nettonutzen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Dynamische Amortisationszeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kosten je kWh nutzbarer Wärme und Kälte"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "CO₂-Einsparung abzüglich Ventilatorstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "über %1"),
    // the classic model's method in words for the design report
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Modell: KOV rechnet ein repräsentatives Rohr des Registers (%1 parallele "
                      "Rohre, je %2 m lang, Innendurchmesser %3 m) Stunde für Stunde. Die Luft "
                      "durchströmt %4 axiale Zellen von je %5 m und tauscht Wärme mit der Rohrwand "
                      "über einen Wärmeübergangskoeffizienten aus laminarer, Übergangs- oder "
                      "turbulenter Strömung (Luftgeschwindigkeit %6 m/s bei Nenn-Volumenstrom)."),
    QT_TRANSLATE_NOOP(
        "kov::Kennwerte",
        "Erdreich: Um jede axiale Zelle liegt eine radiale Säule aus der Rohrwand und "
        "%1 Erdringen bis zum Simulationsradius %2 m; der erste Ring ist %3 "
        "Wandstärken breit, jeder weitere um den Gitterfaktor %4 breiter. Die "
        "Wärmeleitung wird implizit nach Crank–Nicolson gerechnet, getrennt in drei "
        "Sektoren des Rohrumfangs: ungestörtes Erdreich %5 %, adiabate Nachbarschaft "
        "%6 %, Kellerboden %7 %. Am äusseren Rand des Erdsektors steht Monat für "
        "Monat die vorgegebene Erdtemperatur."),
    QT_TRANSLATE_NOOP(
        "kov::Kennwerte",
        "Erdreich: Um jede axiale Zelle liegt eine radiale Säule aus der Rohrwand und "
        "%1 Erdringen bis zum Simulationsradius %2 m; der erste Ring ist %3 "
        "Wandstärken breit, jeder weitere um den Gitterfaktor %4 breiter. Die "
        "Wärmeleitung wird implizit nach Crank–Nicolson gerechnet, getrennt in drei "
        "Sektoren des Rohrumfangs: ungestörtes Erdreich %5 %, adiabate Nachbarschaft "
        "%6 %, Kellerboden %7 %. Am äusseren Rand des Erdsektors steht die ungestörte "
        "Erdtemperatur in Rohrtiefe %8 m, Monat für Monat aus dem Wetterjahr."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Zeit: Zeitschritte von %1 s in %2 Sub-Schritten von je %3 s. Die Regelung "
                      "entscheidet jede Stunde zwischen Betrieb und Bypass (Heizgrenze %4 °C, "
                      "Kühlgrenze %5 °C)."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Zeit: Zeitschritte von %1 s in %2 Sub-Schritten von je %3 s. Die Regelung "
                      "entscheidet jede Stunde zwischen Betrieb und Bypass (ungeregelt: das "
                      "Register läuft immer)."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Einschwingen: %1 Einschwingjahr vor dem ausgewerteten Jahr, Start des "
                      "Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie "
                      "%3 %, Kühlenergie %4 %; unter %5 %, das Erdreich ist eingeschwungen."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Einschwingen: %1 Einschwingjahre vor dem ausgewerteten Jahr, Start des "
                      "Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie "
                      "%3 %, Kühlenergie %4 %; unter %5 %, das Erdreich ist eingeschwungen."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Einschwingen: %1 Einschwingjahr vor dem ausgewerteten Jahr, Start des "
                      "Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie "
                      "%3 %, Kühlenergie %4 %; %5 % oder mehr, ein weiteres Einschwingjahr ändert "
                      "das Ergebnis noch merklich."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Einschwingen: %1 Einschwingjahre vor dem ausgewerteten Jahr, Start des "
                      "Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie "
                      "%3 %, Kühlenergie %4 %; %5 % oder mehr, ein weiteres Einschwingjahr ändert "
                      "das Ergebnis noch merklich."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Einschwingen: keines; das ausgewertete Jahr beginnt mit dem Erdreich bei %1 "
                      "°C und ist mit keinem Vorjahr verglichen, die Ergebnisse hängen noch vom "
                      "Startzustand ab."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Energien und Ventilatorstrom sind über die Stunden %1 bis %2 des "
                      "ausgewerteten Jahres summiert wie die Jahressummen des Berichts; "
                      "Extremwerte, Stundenzahlen und Kondensat über alle %3 Stunden."),
    // the register model's sentences of the design report
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Rechenmodell klassisch: ein repräsentatives Rohr in radialen Erdringen bis "
                      "zum Simulationsradius."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Rechenmodell Register: alle %1 Rohre nebeneinander (Abstand %2 m, %3 "
                      "verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte "
                      "der Luft und ihrem Kondensat."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Rechenmodell Register: alle %1 Rohre nebeneinander (Abstand %2 m, %3 "
                      "verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte "
                      "der Luft und ihrem Kondensat (keine Feuchtedaten: kein Kondensat)."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Auflösung: Querschnitt %1 × %2 Zellen (im Winkel × radial, oberste "
                      "Zellschicht %3 m), %4 Zeitkonstanten der Reduktion, %5 Axialzellen je "
                      "Rohr, %6 Zeitschritt je Stunde."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Auflösung: Querschnitt %1 × %2 Zellen (im Winkel × radial, oberste "
                      "Zellschicht %3 m), %4 Zeitkonstanten der Reduktion, %5 Axialzellen je "
                      "Rohr, %6 Zeitschritte je Stunde."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % "
                      "und den tiefsten Austritt um höchstens %2 K (geprüft über den "
                      "Auslegungsbereich); eingeschwungen nach %3 Jahr, letzte Änderung der "
                      "Jahresenergien %4 % unter der Grenze von %5 %."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % "
                      "und den tiefsten Austritt um höchstens %2 K (geprüft über den "
                      "Auslegungsbereich); eingeschwungen nach %3 Jahren, letzte Änderung der "
                      "Jahresenergien %4 % unter der Grenze von %5 %."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % "
                      "und den tiefsten Austritt um höchstens %2 K (geprüft über den "
                      "Auslegungsbereich); nach %3 Jahr ändern sich die Jahresenergien noch um "
                      "%4 %, über der Grenze von %5 %: das Ergebnis hängt noch vom Startzustand "
                      "ab."),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % "
                      "und den tiefsten Austritt um höchstens %2 K (geprüft über den "
                      "Auslegungsbereich); nach %3 Jahren ändern sich die Jahresenergien noch um "
                      "%4 %, über der Grenze von %5 %: das Ergebnis hängt noch vom Startzustand "
                      "ab."),
};

// The texts above as a set: a text the core composed with numbers is looked up with its numbers
// replaced by %1, %2..., and only a pattern known here is taken as one.
const QSet<QString>& BekannteTexte() {
    static const QSet<QString> texte = [] {
        QSet<QString> s;
        for (const char* t : Quelltexte)
            s.insert(QString::fromUtf8(t));
        return s;
    }();
    return texte;
}

// "Ansaug unter 0.0 °C" -> "Ansaug unter %1 °C" and the numbers as written, in their order
QString NummernErsetzen(const QString& text, QStringList& zahlen) {
    static const QRegularExpression zahl(
        QStringLiteral("(?<![\\w.%-])-?[0-9]+(?:\\.[0-9]+)?(?![\\w.])"));
    QString muster;
    qsizetype bis = 0;
    for (auto it = zahl.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        zahlen << m.captured(0);
        muster += text.mid(bis, m.capturedStart() - bis) + QLatin1Char('%') +
                  QString::number(zahlen.size());
        bis = m.capturedEnd();
    }
    return muster + text.mid(bis);
}

QString Uebersetzt(const QString& deutsch) {
    return QCoreApplication::translate("kov::Kennwerte", deutsch.toUtf8().constData());
}

// ort null: the views' number format, an unknown text as it is; else the locale's numbers
// also in an unknown text, as a report writes every number of the core's sentences
QString KernTextIn(const QString& text, const QLocale* ort) {
    const auto zahl = [ort](const QString& z) {
        return ort ? ZahlenOertlich(*ort, z) : ZahlTextAnsicht(z);
    };
    // "26. Januar, 08–09 Uhr (Stunde 609)": the hour of an extreme
    static const QRegularExpression zeitpunkt(
        QStringLiteral("^(\\d+)\\. (\\S+), (\\d\\d)–(\\d\\d) Uhr \\(Stunde (\\d+)\\)$"));
    if (const auto t = zeitpunkt.match(text); t.hasMatch())
        return QCoreApplication::translate("kov::Kennwerte", "%1. %2, %3–%4 Uhr (Stunde %5)")
            .arg(t.captured(1),
                 QCoreApplication::translate("kov::Monate", t.captured(2).toUtf8().constData()),
                 t.captured(3), t.captured(4), t.captured(5));
    // "Stunden mit Aussenluft unter Frostgrenze (0.0 °C)": a label with its limit
    static const QRegularExpression grenze(QStringLiteral("^(.*) \\((-?[0-9.]+) °C\\)$"));
    if (const auto g = grenze.match(text); g.hasMatch())
        return QCoreApplication::translate("kov::Kennwerte", "%1 (%2 °C)")
            .arg(Uebersetzt(g.captured(1)), zahl(g.captured(2)));
    if (BekannteTexte().contains(text)) return Uebersetzt(text);
    QStringList zahlen;
    if (const QString muster = NummernErsetzen(text, zahlen);
        !zahlen.isEmpty() && BekannteTexte().contains(muster)) {
        QString uebersetzt = Uebersetzt(muster);
        for (const QString& z : zahlen)
            uebersetzt = uebersetzt.arg(zahl(z));
        return uebersetzt;
    }
    // "26. Januar, 08–09 Uhr (Stunde 609); ohne Register: -3.0 °C": parts the core joined
    if (text.contains(QStringLiteral("; "))) {
        QStringList teile = text.split(QStringLiteral("; "));
        for (QString& t : teile)
            t = KernTextIn(t, ort);
        return teile.join(QStringLiteral("; "));
    }
    return ort ? ZahlenOertlich(*ort, Uebersetzt(text)) : Uebersetzt(text);
}

} // namespace

QString KernText(const std::string& deutsch) {
    return KernTextIn(QString::fromStdString(deutsch), nullptr);
}

QString KernText(const std::string& deutsch, const QLocale& ort) {
    return KernTextIn(QString::fromStdString(deutsch), &ort);
}

QString AussageText(const std::vector<TPruefRegel>& regeln) {
    QStringList verletzt, hinweise;
    for (const TPruefRegel& r : regeln) {
        if (r.Urteil == TUrteil::Erfuellt) continue;
        (r.Urteil == TUrteil::NichtErfuellt ? verletzt : hinweise) << KernText(r.Bezeichnung);
    }
    QString aussage =
        verletzt.isEmpty()
            ? QCoreApplication::translate("kov::Kennwerte", "Die Auslegung erfüllt alle Prüfungen.")
            : QCoreApplication::translate("kov::Kennwerte", "Die Auslegung erfüllt nicht: %1.")
                  .arg(verletzt.join(QStringLiteral(", ")));
    if (!hinweise.isEmpty())
        aussage += QLatin1Char(' ') + QCoreApplication::translate("kov::Kennwerte", "Hinweise: %1.")
                                          .arg(hinweise.join(QStringLiteral(", ")));
    return aussage;
}

} // namespace kov
