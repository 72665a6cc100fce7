#include "ui/katalog_texte.h"

#include <QCoreApplication>

#include <string>

namespace kov {

namespace {

// The catalogue's group names, labels and descriptions as the translation tools must see them;
// the core holds them as plain German text.
const char* const Quelltexte[] = {
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohre und Luftstrom"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Stoffwerte"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Regelung"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Umgebung und Keller"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Numerik und Monitorpunkt"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Daten und Ausgabe"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lüftungsanlage und Betrieb"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wirtschaftlichkeit"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Auslegungsprüfung"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Projektname"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Name des Projekts, steht im Bericht."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohrdurchmesser"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Innendurchmesser eines Rohrs."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohrlänge"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Länge jedes Rohrs."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohrwandstärke"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wandstärke der Rohre."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anzahl Rohre"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anzahl der parallelen Rohre des Registers."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Luftvolumenstrom"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Nenn-Volumenstrom des ganzen Registers."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Luftgeschwindigkeit"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Mittlere Luftgeschwindigkeit in einem Rohr bei Nenn-Volumenstrom."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lambda Erde"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmeleitfähigkeit des Erdreichs."),
    QT_TRANSLATE_NOOP("kov::Katalog", "rho Erde"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Dichte des Erdreichs."),
    QT_TRANSLATE_NOOP("kov::Katalog", "cp Erde"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Spezifische Wärmekapazität des Erdreichs."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lambda Rohr"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmeleitfähigkeit der Rohrwand."),
    QT_TRANSLATE_NOOP("kov::Katalog", "rho Rohr"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Dichte der Rohrwand."),
    QT_TRANSLATE_NOOP("kov::Katalog", "cp Rohr"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Spezifische Wärmekapazität der Rohrwand."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lambda Luft"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmeleitfähigkeit der Luft."),
    QT_TRANSLATE_NOOP("kov::Katalog", "rho Luft"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Dichte der Luft."),
    QT_TRANSLATE_NOOP("kov::Katalog", "cp Luft"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Spezifische Wärmekapazität der Luft."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Viskosität Luft"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kinematische Viskosität der Luft."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmeübergang bei Stillstand"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Wärmeübergang Luft–Rohr bei stehender Luft (bis 0.01 adiabat)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Verlegetiefe Rohre"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Verlegetiefe der Rohre unter der offenen Geländeoberfläche."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Simulationsradius"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Simulationsradius um die Rohre (aktiver Speicher, ohne Kelleranteil)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Einzelwiderstände Rohrstrang"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Summe der Einzelwiderstandsbeiwerte eines Rohrstrangs (Einlass, Auslass, Bögen)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Zusätzlicher Druckverlust"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Weiterer Druckverlust des Registers bei Nenn-Volumenstrom "
                                      "(Ansaugung, Filter, Verteiler)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wirkungsgrad Ventilator"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Gesamtwirkungsgrad von Ventilator und Motor, größer als 0 bis 1."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Sonnenerwärmung"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Mittlere Erwärmung des Bodens durch die Sonne; nur das Registermodell rechnet mit ihr "
        "(zur Aussenluft über dem Erdreich addiert), das klassische nicht."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Geregelter Betrieb"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Geregelter Betrieb mit Bypass-Klappe: die Freigabegrenzen sind aktiv."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kühlgrenze"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Freigabe Sommer: ab dieser Aussentemperatur läuft das Register."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Heizgrenze"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Freigabe Winter: bis zu dieser Aussentemperatur läuft das Register."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Einschalthysterese"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Einschalthysterese der Regelung (wird nur berichtet)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Ausschalthysterese"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Ausschalthysterese der Regelung (wird nur berichtet)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Frostgrenze"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Austrittstemperatur, unter der die Luft das Gerät hinter "
                                      "dem Register durch Frost gefährdet."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Adiabater Anteil"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Adiabater Anteil des Rohrumfangs (Nachbarrohre und nach unten), 0..1."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kelleranteil"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anteil des Rohrumfangs gegen einen Keller, 0..1."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anteil Erde"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Anteil des Rohrumfangs gegen das Erdreich: 1 − adiabater Anteil − Kelleranteil."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kellertemperatur"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kellertemperatur je Monat."),
    QT_TRANSLATE_NOOP("kov::Katalog", "k-Wert Kellerboden"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmedurchgangskoeffizient des Kellerbodens."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lambda Bodenplatte"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Wärmeleitfähigkeit von Bodenplatte und Erdreich zwischen Keller und Rohr."),
    QT_TRANSLATE_NOOP("kov::Katalog", "cp Bodenplatte"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Spezifische Wärmekapazität der Schicht unter dem Keller."),
    QT_TRANSLATE_NOOP("kov::Katalog", "rho Bodenplatte"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Dichte der Schicht unter dem Keller."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Verlegetiefe unter Keller"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Verlegetiefe der Rohre unter dem Keller."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Eingebautes Wetterjahr"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Eingebautes Auslegungsjahr; sonst das Wetter aus dem letzten Bericht."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wetterdatensatz"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Name des Wetterdatensatzes, steht im Bericht."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wetterdatei"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wetterdatei des Standorts (EPW, DWD-Testreferenzjahr oder "
                                      "Stundentabelle); leer: das eingebaute Auslegungsjahr."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Ausgabedatei"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Name des Berichts."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lüftungsfahrplan"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Einen Lüftungsfahrplan einlesen."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Fahrplandatei"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Name der Datei des Lüftungsfahrplans."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anzahl Rechengitter"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anzahl der Rechenzellen, axial und radial."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Gitterfaktor"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wachstumsfaktor der Ringbreiten des radialen Gitters."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Radiusteiler"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Breite des ersten Erdrings in Wandstärken."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Simulationszeitschritt"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Simulationszeitschritt."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Anzahl Sub-Schritte"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Unterteilungen eines Zeitschritts."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Einschwingjahre"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Gerechnete Jahre vor dem ausgewerteten Jahr."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Monitorpunkt axial"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Axiale Zelle des Monitorpunkts, vom Einlass her."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Monitorpunkt radial"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Radiale Zelle des Monitorpunkts, von der Achse her."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Monitorsektor"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Sektor des Monitorpunkts: 1 Erde, 2 adiabat, 3 Keller."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Achsabstand Monitorpunkt"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Abstand des Monitorpunkts von der Rohrachse."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Abstand Monitorpunkt vom Einlass"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Abstand des Monitorpunkts vom Einlass."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Spezielle Randbedingung"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Erdtemperaturen am Rand aus den vorgegebenen Monatswerten statt berechnet."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Erdtemperatur"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Vorgegebene Erdtemperatur je Monat (spezielle Randbedingung)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Länderkennung"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Länderkennung; D, d, A und a schreiben den Stundenteil mit Dezimalkomma."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Lüftungsgerät mit WRG"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Hinter dem Register steht ein Lüftungsgerät mit Wärmerückgewinnung; seine "
                      "Kennwerte werden mit und ohne Register gerechnet."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wirkungsgrad WRG"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Temperaturänderungsgrad der Wärmerückgewinnung auf der Zuluftseite."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Frostgrenze WRG"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Ansaugtemperatur, unter der das Lüftungsgerät Frostschutz "
                                      "braucht; ein Vorheizregister hebt die Luft bis auf sie an."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Ablufttemperatur"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Temperatur der Abluft, die in die Wärmerückgewinnung eintritt."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Zuluft-Solltemperatur"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Zulufttemperatur, die das Gebäude in der Heizperiode "
                                      "verlangt; darunter heizt ein Nachheizregister nach."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Komfortgrenze"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Zulufttemperatur, über der die Luft für die Räume zu warm "
                                      "ist; Kühlung zählt mit Lüftungsgerät nur darüber."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Sommer-Bypass WRG"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Außerhalb der Heizperiode umgeht die Zuluft die Wärmerückgewinnung, sobald die Ansaugluft "
        "ZuluftSoll erreicht; kühlere Luft hebt sie nur bis ZuluftSoll."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Betriebszeiten"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Wochenplan der Lüftung, z. B. \"Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6\"; "
                      "leer: immer Nenn-Volumenstrom (oder die Fahrplandatei)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Regelungsart"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "klassisch: Freigabegrenzen Heizgrenze/Kuehlgrenze; bedarf: das Register läuft nur, wenn "
        "es die Ansaugluft dorthin bringt, wohin das Gebäude sie braucht."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Eingebautes Klima"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Testreferenzjahr des DWD einer der 15 Regionen (z. B. TRY2015-05-Jahr, 5 "
                      "oder 5:Wint:2045); leer: kein eingebautes Klima."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rechenmodell"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "klassisch: ein Rohr in radialen Erdringen; register: alle Rohre "
                      "nebeneinander im Erdreich unter der Oberfläche, mit der Feuchte der Luft."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohrabstand"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Abstand der Achsen benachbarter Rohre (0,2 bis 20 m), nur im Registermodell."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmeübergang Oberfläche"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Wärmeübergangskoeffizient der Erdoberfläche zur Aussenluft, nur im Registermodell."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rohrpreistabelle"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Preis je Meter verlegtes Rohr nach Innendurchmesser als Paare Durchmesser m:Preis EUR/m, "
        "durch Semikolon getrennt und nach Durchmesser steigend; Annahme, zu prüfen: "
        "0.1:25;0.15:35;0.2:50;0.3:90;0.4:140, dazwischen linear."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Preis Graben"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Preis je m3 Graben für Aushub, Bettung und Verfüllung; der Graben ist so "
                      "lang wie ein Rohr, Anzahl Rohre mal Rohrabstand breit und reicht bis unter "
                      "die Rohre; Annahme, zu prüfen: 40 EUR/m3."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Fixkosten"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kosten unabhängig von der Rohrlänge: Verteiler und Sammler, "
                                      "Ansaugturm, Kondensatablauf; Annahme, zu prüfen: 8000 EUR."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wartung und Instandsetzung"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Jährliche Kosten für Wartung, Inspektion und Instandsetzung "
                                      "als Anteil der Investition; Annahme, zu prüfen: 0.015."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Nutzungsdauer"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Rechnerische Nutzungsdauer des Registers, nach ihr wird es "
                                      "ersetzt; Annahme, zu prüfen: 50 Jahre."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Zinssatz"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Kalkulationszinssatz der Annuitätenrechnung; Annahme, zu prüfen: 0.03."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Betrachtungszeitraum"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Zeitraum der Annuitätenrechnung; Annahme, zu prüfen: 20 Jahre."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Preisänderung Investition"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Preisänderungsfaktor je Jahr für Ersatzbeschaffungen; Annahme, zu prüfen: 1.02."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Preisänderung Betrieb"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Preisänderungsfaktor je Jahr für Wartung und Instandsetzung; Annahme, zu prüfen: 1.02."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Preisänderung Energie"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Preisänderungsfaktor je Jahr für Wärme, Kälte und Strom; Annahme, zu prüfen: 1.03."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Wärmepreis"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Preis der Wärme, die das Register dem Wärmeerzeuger "
                                      "erspart; Annahme, zu prüfen: 0.10 EUR/kWh."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Strompreis"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Preis des Stroms für den Ventilator; Annahme, zu prüfen: 0.30 EUR/kWh."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kältepreis"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Preis der Kälte, die das Register der Kühlung erspart; Annahme, zu prüfen: 0.10 EUR/kWh."),
    QT_TRANSLATE_NOOP("kov::Katalog", "CO2-Faktor Wärme"),
    QT_TRANSLATE_NOOP("kov::Katalog", "CO2-Ausstoß des Wärmeerzeugers je kWh Wärme; Annahme, zu "
                                      "prüfen: 0.24 kg/kWh (Gas-Brennwertkessel)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "CO2-Faktor Strom"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "CO2-Ausstoß je kWh Strom; Annahme, zu prüfen: 0.38 kg/kWh (Strommix)."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Höchste Luftgeschwindigkeit"),
    QT_TRANSLATE_NOOP(
        "kov::Katalog",
        "Grenze der Luftgeschwindigkeit im Rohr bei Nenn-Volumenstrom; übliche Praxis: 3 m/s."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Druckverlust-Budget"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Druckverlust, den das Register bei Nenn-Volumenstrom "
                                      "höchstens haben soll; übliche Praxis: 50 Pa."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Frostfreie Tiefe"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Verlegetiefe, unter der der Boden nicht gefriert; übliche Praxis: 0.8 m."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Mindest-Rohrabstand"),
    QT_TRANSLATE_NOOP("kov::Katalog", "Kleinster Achsabstand der Rohre; übliche Praxis: 1 m."),
    QT_TRANSLATE_NOOP("kov::Katalog", "Mindest-Reynoldszahl"),
    QT_TRANSLATE_NOOP("kov::Katalog",
                      "Kleinste Reynoldszahl beim kleinsten Volumenstrom des Fahrplans; übliche "
                      "Praxis: 2300, darunter strömt die Luft laminar."),
};

// the soil list of the input window and of the study, blanks as the classic list has them
const char* const BodenQuelltexte[] = {
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Erde trocken  (lambda 0.35 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Erde feucht     (lambda 1.5 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Erde nass       (lambda 2.5 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Erde tonig       (lambda 1.5 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Lehm trocken (lambda 0.4 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Lehm nass      (lambda 1.6 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Magerbeton   (lambda 0.93 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Sand, trocken (lambda 0.4 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Sand feucht    (lambda 1.0 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Sand feucht, gewalzt  (lambda 1.2 W/mK)"),
    QT_TRANSLATE_NOOP("kov::Bodenarten", "Stahlbeton      (lambda 1.8 W/mK)"),
};

} // namespace

QString BodenartText(std::string_view deutsch) {
    const std::string text(deutsch);
    return QCoreApplication::translate("kov::Bodenarten", text.c_str());
}

std::span<const char* const> BodenartQuelltexte() {
    return BodenQuelltexte;
}

QString KatalogText(std::string_view deutsch) {
    const std::string text(deutsch);
    return QCoreApplication::translate("kov::Katalog", text.c_str());
}

std::span<const char* const> KatalogQuelltexte() {
    return Quelltexte;
}

} // namespace kov
