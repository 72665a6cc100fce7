#include "model/parameter_katalog.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>

namespace kov {

namespace {

using P = TRegisterParameter;
using G = TParameterGruppe;

// units as the report prints them, the degree sign as the byte of the DOS code pages
constexpr std::string_view GradC = " \xF8"
                                   "C";

constexpr TBereich Frei{};
constexpr TBereich Positiv{TBereichsArt::Positiv};
constexpr TBereich NichtNegativ{TBereichsArt::NichtNegativ};
constexpr TBereich Anteil{TBereichsArt::Anteil};
constexpr TBereich Wirkungsgrad{TBereichsArt::Wirkungsgrad};
// Air, cellar and ground of a heat exchanger in a settled climate stay well inside -60..60 °C;
// a warming by the sun or a hysteresis beyond 30 K would be no design but a typing error. Both
// keep the ground's and the air's temperatures within the range the moist-air functions and the
// report's fixed-width columns are made for.
constexpr TBereich Temperatur{TBereichsArt::Temperatur, -60, 60};
constexpr TBereich TemperaturDifferenz{TBereichsArt::TemperaturDifferenz, -30, 30};
constexpr TBereich Ganzzahl(std::int32_t von, std::int32_t bis) {
    return {TBereichsArt::Ganzzahl, von, bis};
}

constexpr TBerichtZeile Zahl(int zeile, int breite, int dezimalen, std::string_view einheit,
                             std::string_view text) {
    return {zeile, breite, dezimalen, einheit, text};
}
constexpr TBerichtZeile Zeile(int zeile, std::string_view einheit, std::string_view text) {
    return {zeile, 0, 0, einheit, text};
}
constexpr TBerichtZeile Ungedruckt{};

constexpr TBereich Spanne(double min, double max) {
    return {TBereichsArt::Spanne, 0, -1, min, max};
}

// a limit as the range texts write it: decimal point as kov-run reads it, no trailing zeros
std::string ZahlText(double wert) {
    std::string text = std::to_string(wert);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

const std::array Katalog{
    // pipes and air flow
    TKatalogEintrag{"Projektname",
                    &P::Projektname,
                    G::RohreUndLuftstrom,
                    "",
                    "Projektname",
                    "Name des Projekts, steht im Bericht.",
                    false,
                    Frei,
                    Zeile(3, "", ""),
                    {},
                    0},
    TKatalogEintrag{"DRohr", &P::DRohr, G::RohreUndLuftstrom, "m", "Rohrdurchmesser",
                    "Innendurchmesser eines Rohrs.", false, Positiv,
                    Zahl(5, 6, 4, " m", " Rohrdurchmesser innen;"), "EDRohr", 1},
    TKatalogEintrag{"Rohrlaenge", &P::Rohrlaenge, G::RohreUndLuftstrom, "m", "Rohrlänge",
                    "Länge jedes Rohrs.", false, Positiv, Zahl(6, 6, 2, " m", " Rohrlaenge"),
                    "ERohrlaenge", 1},
    TKatalogEintrag{"WandstaerkeRohr", &P::WandstaerkeRohr, G::RohreUndLuftstrom, "m",
                    "Rohrwandstärke", "Wandstärke der Rohre.", false, Positiv,
                    Zahl(7, 6, 4, " m", " Wandstaerke der Rohre"), "EWandstaerkeRohr", 3},
    TKatalogEintrag{"AnzahlRohre", &P::AnzahlRohre, G::RohreUndLuftstrom, "", "Anzahl Rohre",
                    "Anzahl der parallelen Rohre des Registers.", false, Ganzzahl(1, 0),
                    Zeile(8, "", " Anzahl Register-Rohre"), "EAnzahlrohre", 0},
    TKatalogEintrag{"Volumenstrom", &P::Volumenstrom, G::RohreUndLuftstrom, "m3/h",
                    "Luftvolumenstrom", "Nenn-Volumenstrom des ganzen Registers.", false, Positiv,
                    Zahl(9, 8, 1, " m3/h", " Nenn-Volumenstrom"), "EVolumenstrom", 0},
    TKatalogEintrag{"Stroemungsgeschwindigkeit", &TArbeitswerte::Stroemungsgeschwindigkeit,
                    G::RohreUndLuftstrom, "m/s", "Luftgeschwindigkeit",
                    "Mittlere Luftgeschwindigkeit in einem Rohr bei Nenn-Volumenstrom.", true, Frei,
                    Zahl(10, 6, 3, " m/s", " Stroemungsgeschwindigkeit, nicht veraenderbar"), "Ev",
                    2},
    // material data
    TKatalogEintrag{"LambdaErde", &P::LambdaErde, G::Stoffwerte, "W/mK", "Lambda Erde",
                    "Wärmeleitfähigkeit des Erdreichs.", false, Positiv,
                    Zahl(11, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Erde"), "ElambdaErde",
                    1},
    TKatalogEintrag{"RhoErde", &P::RhoErde, G::Stoffwerte, "kg/m3", "rho Erde",
                    "Dichte des Erdreichs.", false, Positiv,
                    Zahl(12, 6, 1, " kg/m3", " Dichte der Erde"), "ErhoErde", 1},
    TKatalogEintrag{"CpErde", &P::CpErde, G::Stoffwerte, "J/kgK", "cp Erde",
                    "Spezifische Wärmekapazität des Erdreichs.", false, Positiv,
                    Zahl(13, 6, 1, " J/kgK", " cp-Wert der Erde"), "EcpErde", 1},
    TKatalogEintrag{"LambdaRohr",
                    &P::LambdaRohr,
                    G::Stoffwerte,
                    "W/mK",
                    "Lambda Rohr",
                    "Wärmeleitfähigkeit der Rohrwand.",
                    false,
                    Positiv,
                    Zahl(14, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Rohre"),
                    {},
                    0},
    TKatalogEintrag{"RhoRohr",
                    &P::RhoRohr,
                    G::Stoffwerte,
                    "kg/m3",
                    "rho Rohr",
                    "Dichte der Rohrwand.",
                    false,
                    Positiv,
                    Zahl(15, 6, 1, " kg/m3", " Dichte der Rohre"),
                    {},
                    0},
    TKatalogEintrag{"CpRohr",
                    &P::CpRohr,
                    G::Stoffwerte,
                    "J/kgK",
                    "cp Rohr",
                    "Spezifische Wärmekapazität der Rohrwand.",
                    false,
                    Positiv,
                    Zahl(16, 6, 1, " J/kgK", " cp-Wert der Rohre"),
                    {},
                    0},
    TKatalogEintrag{"LambdaLuft",
                    &P::LambdaLuft,
                    G::Stoffwerte,
                    "W/mK",
                    "Lambda Luft",
                    "Wärmeleitfähigkeit der Luft.",
                    false,
                    Positiv,
                    Zahl(17, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Luft"),
                    {},
                    0},
    TKatalogEintrag{"RhoLuft",
                    &P::RhoLuft,
                    G::Stoffwerte,
                    "kg/m3",
                    "rho Luft",
                    "Dichte der Luft.",
                    false,
                    Positiv,
                    Zahl(18, 6, 1, " kg/m3", " Dichte der Luft"),
                    {},
                    0},
    TKatalogEintrag{"CpLuft",
                    &P::CpLuft,
                    G::Stoffwerte,
                    "J/kgK",
                    "cp Luft",
                    "Spezifische Wärmekapazität der Luft.",
                    false,
                    Positiv,
                    Zahl(19, 6, 1, " J/kgK", " cp-Wert der Luft"),
                    {},
                    0},
    TKatalogEintrag{"ViskositaetLuft",
                    &P::ViskositaetLuft,
                    G::Stoffwerte,
                    "m2/s",
                    "Viskosität Luft",
                    "Kinematische Viskosität der Luft.",
                    false,
                    Positiv,
                    Zahl(20, 10, 8, " m2/s", " kinem. Viskositaet der Luft"),
                    {},
                    0},
    TKatalogEintrag{"AlphaStillstand",
                    &P::AlphaStillstand,
                    G::Stoffwerte,
                    "W/m2K",
                    "Wärmeübergang bei Stillstand",
                    "Wärmeübergang Luft–Rohr bei stehender Luft (bis 0.01 adiabat).",
                    false,
                    NichtNegativ,
                    Zahl(21, 6, 2, " W/m2K", " Waermeuebergang Luft-Rohr bei Stillstand"),
                    {},
                    0},
    TKatalogEintrag{"Tiefe", &P::Tiefe, G::RohreUndLuftstrom, "m", "Verlegetiefe Rohre",
                    "Verlegetiefe der Rohre unter der offenen Geländeoberfläche.", false,
                    NichtNegativ, Zahl(22, 6, 3, " m", " Verlegetiefe der Rohre zu Aussenluft"),
                    "ETiefe", 2},
    TKatalogEintrag{
        "SimRadius",
        &P::SimRadius,
        G::RohreUndLuftstrom,
        "m",
        "Simulationsradius",
        "Simulationsradius um die Rohre (aktiver Speicher, ohne Kelleranteil).",
        false,
        Positiv,
        Zahl(23, 6, 3, " m", " Simulationsradius um Rohre, aktiver Speicher, ohne Kelleranteil"),
        {},
        0},
    TKatalogEintrag{"Zeta",
                    &P::Zeta,
                    G::RohreUndLuftstrom,
                    "",
                    "Einzelwiderstände Rohrstrang",
                    "Summe der Einzelwiderstandsbeiwerte eines Rohrstrangs (Einlass, Auslass, "
                    "Bögen).",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"DruckverlustZusatz",
                    &P::DruckverlustZusatz,
                    G::RohreUndLuftstrom,
                    "Pa",
                    "Zusätzlicher Druckverlust",
                    "Weiterer Druckverlust des Registers bei Nenn-Volumenstrom (Ansaugung, "
                    "Filter, Verteiler).",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Ventilatorwirkungsgrad",
                    &P::Ventilatorwirkungsgrad,
                    G::RohreUndLuftstrom,
                    "",
                    "Wirkungsgrad Ventilator",
                    "Gesamtwirkungsgrad von Ventilator und Motor, größer als 0 bis 1.",
                    false,
                    Wirkungsgrad,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{
        "Sonnenerwaermung",
        &P::Sonnenerwaermung,
        G::UmgebungUndKeller,
        "K",
        "Sonnenerwärmung",
        "Mittlere Erwärmung des Bodens durch die Sonne; nur das Registermodell rechnet mit "
        "ihr (zur Aussenluft über dem Erdreich addiert), das klassische nicht.",
        false,
        TemperaturDifferenz,
        Zahl(24, 6, 2, GradC, " mittlere Bodenerwaermung durch Sonne"),
        {},
        0},
    // control
    TKatalogEintrag{"Geregelt",
                    &P::Geregelt,
                    G::Regelung,
                    "",
                    "Geregelter Betrieb",
                    "Geregelter Betrieb mit Bypass-Klappe: die Freigabegrenzen sind aktiv.",
                    false,
                    Frei,
                    Zeile(25, "", " Geregelter Betrieb mit Bypass-Klappe, Freigabe aktiv"),
                    {},
                    0},
    TKatalogEintrag{"Kuehlgrenze", &P::Kuehlgrenze, G::Regelung, "°C", "Kühlgrenze",
                    "Freigabe Sommer: ab dieser Aussentemperatur läuft das Register.", false,
                    Temperatur, Zahl(26, 6, 2, GradC, " Freigabe Sommer"), "EKuehlgrenze", 1},
    TKatalogEintrag{"Heizgrenze", &P::Heizgrenze, G::Regelung, "°C", "Heizgrenze",
                    "Freigabe Winter: bis zu dieser Aussentemperatur läuft das Register.", false,
                    Temperatur, Zahl(27, 6, 2, GradC, " Freigabe Winter"), "EHeizgrenze", 1},
    TKatalogEintrag{"HystereseEin",
                    &P::HystereseEin,
                    G::Regelung,
                    "K",
                    "Einschalthysterese",
                    "Einschalthysterese der Regelung (wird nur berichtet).",
                    false,
                    TemperaturDifferenz,
                    Zahl(28, 6, 2, GradC, " Einschalthysterese Erdregister-Regelung, inaktiv"),
                    {},
                    0},
    TKatalogEintrag{"HystereseAus",
                    &P::HystereseAus,
                    G::Regelung,
                    "K",
                    "Ausschalthysterese",
                    "Ausschalthysterese der Regelung (wird nur berichtet).",
                    false,
                    TemperaturDifferenz,
                    Zahl(29, 6, 2, GradC, " Ausschalthysterese Erdregister-Regelung, inaktiv"),
                    {},
                    0},
    TKatalogEintrag{"Frostgrenze",
                    &P::Frostgrenze,
                    G::Regelung,
                    "°C",
                    "Frostgrenze",
                    "Austrittstemperatur, unter der die Luft das Gerät hinter dem Register durch "
                    "Frost gefährdet.",
                    false,
                    Temperatur,
                    Ungedruckt,
                    {},
                    0},
    // surroundings
    TKatalogEintrag{
        "AnteilAdiabat",
        &P::AnteilAdiabat,
        G::UmgebungUndKeller,
        "",
        "Adiabater Anteil",
        "Adiabater Anteil des Rohrumfangs (Nachbarrohre und nach unten), 0..1.",
        false,
        Anteil,
        Zahl(30, 6, 4, "", " adiabater Anteil (Einfluss nebenliegende Rohre und nach unten)"),
        {},
        0},
    TKatalogEintrag{"AnteilKeller",
                    &P::AnteilKeller,
                    G::UmgebungUndKeller,
                    "",
                    "Kelleranteil",
                    "Anteil des Rohrumfangs gegen einen Keller, 0..1.",
                    false,
                    Anteil,
                    Zahl(31, 6, 4, "", " Anteil des Kellers"),
                    {},
                    0},
    TKatalogEintrag{
        "AnteilErde",
        &P::AnteilErde,
        G::UmgebungUndKeller,
        "",
        "Anteil Erde",
        "Anteil des Rohrumfangs gegen das Erdreich: 1 − adiabater Anteil − Kelleranteil.",
        true,
        Frei,
        Zahl(32, 6, 4, "", " Anteil der Erde (unten), Differenz zu 1.0"),
        {},
        0},
    TKatalogEintrag{"KellerTemperatur",
                    &P::KellerTemperatur,
                    G::UmgebungUndKeller,
                    "°C",
                    "Kellertemperatur",
                    "Kellertemperatur je Monat.",
                    false,
                    Temperatur,
                    Zahl(33, 6, 2, GradC, " Kellertemperatur "),
                    {},
                    0},
    TKatalogEintrag{"KWertKeller",
                    &P::KWertKeller,
                    G::UmgebungUndKeller,
                    "W/m2K",
                    "k-Wert Kellerboden",
                    "Wärmedurchgangskoeffizient des Kellerbodens.",
                    false,
                    NichtNegativ,
                    Zahl(45, 6, 2, " W/m2K", " k-Wert Keller-Boden"),
                    {},
                    0},
    TKatalogEintrag{"LambdaPlatte",
                    &P::LambdaPlatte,
                    G::UmgebungUndKeller,
                    "W/mK",
                    "Lambda Bodenplatte",
                    "Wärmeleitfähigkeit von Bodenplatte und Erdreich zwischen Keller und Rohr.",
                    false,
                    Positiv,
                    Zahl(46, 6, 2, " W/mK", " lambda-Wert Bodenplatte unter Keller bis Rohr"),
                    {},
                    0},
    TKatalogEintrag{"CpPlatte",
                    &P::CpPlatte,
                    G::UmgebungUndKeller,
                    "J/kgK",
                    "cp Bodenplatte",
                    "Spezifische Wärmekapazität der Schicht unter dem Keller.",
                    false,
                    Positiv,
                    Zahl(47, 6, 1, " J/kgK", " cp-Wert Bodenplatte unter Keller"),
                    {},
                    0},
    TKatalogEintrag{"RhoPlatte",
                    &P::RhoPlatte,
                    G::UmgebungUndKeller,
                    "kg/m3",
                    "rho Bodenplatte",
                    "Dichte der Schicht unter dem Keller.",
                    false,
                    Positiv,
                    Zahl(48, 6, 1, " kg/m3", " Dichte Bodenplatte unter Keller"),
                    {},
                    0},
    TKatalogEintrag{"TiefeKeller",
                    &P::TiefeKeller,
                    G::UmgebungUndKeller,
                    "m",
                    "Verlegetiefe unter Keller",
                    "Verlegetiefe der Rohre unter dem Keller.",
                    false,
                    Positiv,
                    Zahl(49, 6, 3, " m", " Verlegetiefe unter Keller"),
                    {},
                    0},
    // data sources and output
    TKatalogEintrag{"EingebautesWetter",
                    &P::EingebautesWetter,
                    G::DatenUndAusgabe,
                    "",
                    "Eingebautes Wetterjahr",
                    "Eingebautes Auslegungsjahr; sonst das Wetter aus dem letzten Bericht.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"WetterFile",
                    &P::WetterFile,
                    G::DatenUndAusgabe,
                    "",
                    "Wetterdatensatz",
                    "Name des Wetterdatensatzes, steht im Bericht.",
                    false,
                    Frei,
                    Zeile(55, "", " Name des Eingabe-Wetter-Files"),
                    {},
                    0},
    TKatalogEintrag{"WetterDatei",
                    &P::WetterDatei,
                    G::DatenUndAusgabe,
                    "",
                    "Wetterdatei",
                    "Wetterdatei des Standorts (EPW, DWD-Testreferenzjahr oder Stundentabelle); "
                    "leer: das eingebaute Auslegungsjahr.",
                    false,
                    {TBereichsArt::Datei},
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"OutputFile",
                    &P::OutputFile,
                    G::DatenUndAusgabe,
                    "",
                    "Ausgabedatei",
                    "Name des Berichts.",
                    false,
                    Frei,
                    Zeile(56, "", " Name des Output-Files"),
                    {},
                    0},
    TKatalogEintrag{"FahrplanGelesen",
                    &P::FahrplanGelesen,
                    G::DatenUndAusgabe,
                    "",
                    "Lüftungsfahrplan",
                    "Einen Lüftungsfahrplan einlesen.",
                    false,
                    Frei,
                    Zeile(57, "", " Eingelesener Lueftungsfahrplan"),
                    {},
                    0},
    TKatalogEintrag{"FahrplanFile",
                    &P::FahrplanFile,
                    G::DatenUndAusgabe,
                    "",
                    "Fahrplandatei",
                    "Name der Datei des Lüftungsfahrplans.",
                    false,
                    {TBereichsArt::Datei},
                    Zeile(58, "", " Name des Lueftungs-Fahplan-Files"),
                    {},
                    0},
    // numerics and monitor point
    TKatalogEintrag{"AnzahlGitter",
                    &P::AnzahlGitter,
                    G::NumerikUndMonitor,
                    "",
                    "Anzahl Rechengitter",
                    "Anzahl der Rechenzellen, axial und radial.",
                    false,
                    Ganzzahl(3, 10),
                    Zeile(59, "", " Anzahl Rechengitter, axial und radial, 3..10"),
                    {},
                    0},
    TKatalogEintrag{"Gitterfaktor",
                    &TArbeitswerte::Gitterfaktor,
                    G::NumerikUndMonitor,
                    "",
                    "Gitterfaktor",
                    "Wachstumsfaktor der Ringbreiten des radialen Gitters.",
                    true,
                    Frei,
                    Zahl(60, 6, 2, "", " Gitterfaktor, nicht veraenderbar"),
                    {},
                    0},
    TKatalogEintrag{"Radiusteiler",
                    &P::Radiusteiler,
                    G::NumerikUndMonitor,
                    "",
                    "Radiusteiler",
                    "Breite des ersten Erdrings in Wandstärken.",
                    false,
                    Positiv,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Zeitschritt",
                    &P::Zeitschritt,
                    G::NumerikUndMonitor,
                    "s",
                    "Simulationszeitschritt",
                    "Simulationszeitschritt.",
                    false,
                    Positiv,
                    Zahl(61, 6, 1, " s", " Simulationszeitschritt, nicht veraenderbar"),
                    {},
                    0},
    TKatalogEintrag{
        "AnzahlSubSchritte",
        &P::AnzahlSubSchritte,
        G::NumerikUndMonitor,
        "",
        "Anzahl Sub-Schritte",
        "Unterteilungen eines Zeitschritts.",
        false,
        Ganzzahl(1, 20),
        Zeile(62, "", " Anzahl Sub-Unterteilungen fuer dt pro Simulationszeitschritt, 1..20"),
        {},
        0},
    TKatalogEintrag{"Einschwingjahre",
                    &P::Einschwingjahre,
                    G::NumerikUndMonitor,
                    "Jahre",
                    "Einschwingjahre",
                    "Gerechnete Jahre vor dem ausgewerteten Jahr.",
                    false,
                    Ganzzahl(0, 10),
                    Zeile(63, " Jahre", " Einschwing-Dauer vor Simulationsbeginn, 1..10"),
                    {},
                    0},
    TKatalogEintrag{"MonitorAxial",
                    &P::MonitorAxial,
                    G::NumerikUndMonitor,
                    "",
                    "Monitorpunkt axial",
                    "Axiale Zelle des Monitorpunkts, vom Einlass her.",
                    false,
                    {TBereichsArt::MonitorAxial},
                    Zeile(64, "", " Monitorpunkt, axial, Zelle vom Einlass her gezaehlt"),
                    {},
                    0},
    TKatalogEintrag{"MonitorRadial",
                    &P::MonitorRadial,
                    G::NumerikUndMonitor,
                    "",
                    "Monitorpunkt radial",
                    "Radiale Zelle des Monitorpunkts, von der Achse her.",
                    false,
                    {TBereichsArt::MonitorRadial},
                    Zeile(65, "", " Monitorpunkt, radial, Zelle von Achse her gezaehlt"),
                    {},
                    0},
    TKatalogEintrag{
        "MonitorSektor",
        &P::MonitorSektor,
        G::NumerikUndMonitor,
        "",
        "Monitorsektor",
        "Sektor des Monitorpunkts: 1 Erde, 2 adiabat, 3 Keller.",
        false,
        Ganzzahl(1, 3),
        Zeile(66, "", " Ueberwachte Temperatur:  1:gegen Erde; 2:adiabat;  3:gegen Keller"),
        {},
        0},
    TKatalogEintrag{"MonitorAchsAbstand",
                    &TArbeitswerte::MonitorAchsAbstand,
                    G::NumerikUndMonitor,
                    "m",
                    "Achsabstand Monitorpunkt",
                    "Abstand des Monitorpunkts von der Rohrachse.",
                    true,
                    Frei,
                    Zahl(67, 8, 4, " m", " Achs-Abstand des Monitor-Punktes, nicht veraenderbar"),
                    {},
                    0},
    TKatalogEintrag{"MonitorAbstandEinlass",
                    &TArbeitswerte::MonitorAbstandEinlass,
                    G::NumerikUndMonitor,
                    "m",
                    "Abstand Monitorpunkt vom Einlass",
                    "Abstand des Monitorpunkts vom Einlass.",
                    true,
                    Frei,
                    Zahl(68, 8, 4, " m", " Abstand des Monitorpunktes, vom Einlass her gemessen"),
                    {},
                    0},
    // special boundary
    TKatalogEintrag{"SpezielleRandbedingung",
                    &P::SpezielleRandbedingung,
                    G::UmgebungUndKeller,
                    "",
                    "Spezielle Randbedingung",
                    "Erdtemperaturen am Rand aus den vorgegebenen Monatswerten statt berechnet.",
                    false,
                    Frei,
                    Zeile(70, "", " Spezielle Randbedinungen im Erdreich"),
                    {},
                    0},
    TKatalogEintrag{"ErdTemperaturSpeziell",
                    &P::ErdTemperaturSpeziell,
                    G::UmgebungUndKeller,
                    "°C",
                    "Erdtemperatur",
                    "Vorgegebene Erdtemperatur je Monat (spezielle Randbedingung).",
                    false,
                    Temperatur,
                    Zahl(71, 6, 2, GradC, " (wenn spezielle Randbed.) Erdtemperatur "),
                    {},
                    0},
    TKatalogEintrag{"Land",
                    &P::Land,
                    G::DatenUndAusgabe,
                    "",
                    "Länderkennung",
                    "Länderkennung; D, d, A und a schreiben den Stundenteil mit Dezimalkomma.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    // the ventilation unit behind the register, operating times and control mode
    TKatalogEintrag{"WRG",
                    &P::WRG,
                    G::LueftungsanlageUndBetrieb,
                    "",
                    "Lüftungsgerät mit WRG",
                    "Hinter dem Register steht ein Lüftungsgerät mit Wärmerückgewinnung; seine "
                    "Kennwerte werden mit und ohne Register gerechnet.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"WRGWirkungsgrad",
                    &P::WRGWirkungsgrad,
                    G::LueftungsanlageUndBetrieb,
                    "",
                    "Wirkungsgrad WRG",
                    "Temperaturänderungsgrad der Wärmerückgewinnung auf der Zuluftseite.",
                    false,
                    Spanne(0.0, 0.95),
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"WRGFrostgrenze",
                    &P::WRGFrostgrenze,
                    G::LueftungsanlageUndBetrieb,
                    "°C",
                    "Frostgrenze WRG",
                    "Ansaugtemperatur, unter der das Lüftungsgerät Frostschutz braucht; ein "
                    "Vorheizregister hebt die Luft bis auf sie an.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Ablufttemperatur",
                    &P::Ablufttemperatur,
                    G::LueftungsanlageUndBetrieb,
                    "°C",
                    "Ablufttemperatur",
                    "Temperatur der Abluft, die in die Wärmerückgewinnung eintritt.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"ZuluftSoll",
                    &P::ZuluftSoll,
                    G::LueftungsanlageUndBetrieb,
                    "°C",
                    "Zuluft-Solltemperatur",
                    "Zulufttemperatur, die das Gebäude in der Heizperiode verlangt; darunter heizt "
                    "ein Nachheizregister nach.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Komfortgrenze",
                    &P::Komfortgrenze,
                    G::LueftungsanlageUndBetrieb,
                    "°C",
                    "Komfortgrenze",
                    "Zulufttemperatur, über der die Luft für die Räume zu warm ist; Kühlung zählt "
                    "mit Lüftungsgerät nur darüber.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{
        "WRGSommerBypass",
        &P::WRGSommerBypass,
        G::LueftungsanlageUndBetrieb,
        "",
        "Sommer-Bypass WRG",
        "Außerhalb der Heizperiode umgeht die Zuluft die Wärmerückgewinnung, sobald die "
        "Ansaugluft ZuluftSoll erreicht; kühlere Luft hebt sie nur bis ZuluftSoll.",
        false,
        Frei,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{"Betriebszeiten",
                    &P::Betriebszeiten,
                    G::LueftungsanlageUndBetrieb,
                    "",
                    "Betriebszeiten",
                    "Wochenplan der Lüftung, z. B. \"Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6\"; leer: "
                    "immer Nenn-Volumenstrom (oder die Fahrplandatei).",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Regelung",
                    &P::Regelung,
                    G::LueftungsanlageUndBetrieb,
                    "",
                    "Regelungsart",
                    "klassisch: Freigabegrenzen Heizgrenze/Kuehlgrenze; bedarf: das Register läuft "
                    "nur, wenn es die Ansaugluft dorthin bringt, wohin das Gebäude sie braucht.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    // built-in climates
    TKatalogEintrag{"Klima",
                    &P::Klima,
                    G::DatenUndAusgabe,
                    "",
                    "Eingebautes Klima",
                    "Testreferenzjahr des DWD einer der 15 Regionen (z. B. TRY2015-05-Jahr, "
                    "5 oder 5:Wint:2045); leer: kein eingebautes Klima.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    // the register model
    TKatalogEintrag{"Modell",
                    &P::Modell,
                    G::NumerikUndMonitor,
                    "",
                    "Rechenmodell",
                    "klassisch: ein Rohr in radialen Erdringen; register: alle Rohre nebeneinander "
                    "im Erdreich unter der Oberfläche, mit der Feuchte der Luft.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Rohrabstand",
                    &P::Rohrabstand,
                    G::RohreUndLuftstrom,
                    "m",
                    "Rohrabstand",
                    "Abstand der Achsen benachbarter Rohre (0,2 bis 20 m), nur im Registermodell.",
                    false,
                    Spanne(0.2, 20.0),
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"AlphaOberflaeche",
                    &P::AlphaOberflaeche,
                    G::UmgebungUndKeller,
                    "W/m2K",
                    "Wärmeübergang Oberfläche",
                    "Wärmeübergangskoeffizient der Erdoberfläche zur Aussenluft, nur im "
                    "Registermodell.",
                    false,
                    Positiv,
                    Ungedruckt,
                    {},
                    0},
    // costs and annuity
    TKatalogEintrag{"Rohrpreise",
                    &P::Rohrpreise,
                    G::Wirtschaftlichkeit,
                    "",
                    "Rohrpreistabelle",
                    "Preis je Meter verlegtes Rohr nach Innendurchmesser als Paare Durchmesser "
                    "m:Preis EUR/m, durch Semikolon getrennt und nach Durchmesser steigend; "
                    "Annahme, zu prüfen: 0.1:25;0.15:35;0.2:50;0.3:90;0.4:140, dazwischen linear.",
                    false,
                    Frei,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Aushubpreis",
                    &P::Aushubpreis,
                    G::Wirtschaftlichkeit,
                    "EUR/m3",
                    "Preis Graben",
                    "Preis je m3 Graben für Aushub, Bettung und Verfüllung; der Graben ist so lang "
                    "wie ein Rohr, Anzahl Rohre mal Rohrabstand breit und reicht bis unter die "
                    "Rohre; Annahme, zu prüfen: 40 EUR/m3.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Fixkosten",
                    &P::Fixkosten,
                    G::Wirtschaftlichkeit,
                    "EUR",
                    "Fixkosten",
                    "Kosten unabhängig von der Rohrlänge: Verteiler und Sammler, Ansaugturm, "
                    "Kondensatablauf; Annahme, zu prüfen: 8000 EUR.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Wartungsanteil",
                    &P::Wartungsanteil,
                    G::Wirtschaftlichkeit,
                    "1/a",
                    "Wartung und Instandsetzung",
                    "Jährliche Kosten für Wartung, Inspektion und Instandsetzung als Anteil der "
                    "Investition; Annahme, zu prüfen: 0.015.",
                    false,
                    Anteil,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Nutzungsdauer",
                    &P::Nutzungsdauer,
                    G::Wirtschaftlichkeit,
                    "a",
                    "Nutzungsdauer",
                    "Rechnerische Nutzungsdauer des Registers, nach ihr wird es ersetzt; Annahme, "
                    "zu prüfen: 50 Jahre.",
                    false,
                    Ganzzahl(1, 100),
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Zinssatz",
                    &P::Zinssatz,
                    G::Wirtschaftlichkeit,
                    "1/a",
                    "Zinssatz",
                    "Kalkulationszinssatz der Annuitätenrechnung; Annahme, zu prüfen: 0.03.",
                    false,
                    Anteil,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Betrachtungszeitraum",
                    &P::Betrachtungszeitraum,
                    G::Wirtschaftlichkeit,
                    "a",
                    "Betrachtungszeitraum",
                    "Zeitraum der Annuitätenrechnung; Annahme, zu prüfen: 20 Jahre.",
                    false,
                    Ganzzahl(1, 100),
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{
        "PreisaenderungInvestition",
        &P::PreisaenderungInvestition,
        G::Wirtschaftlichkeit,
        "",
        "Preisänderung Investition",
        "Preisänderungsfaktor je Jahr für Ersatzbeschaffungen; Annahme, zu prüfen: 1.02.",
        false,
        Positiv,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{
        "PreisaenderungBetrieb",
        &P::PreisaenderungBetrieb,
        G::Wirtschaftlichkeit,
        "",
        "Preisänderung Betrieb",
        "Preisänderungsfaktor je Jahr für Wartung und Instandsetzung; Annahme, zu prüfen: 1.02.",
        false,
        Positiv,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{
        "PreisaenderungEnergie",
        &P::PreisaenderungEnergie,
        G::Wirtschaftlichkeit,
        "",
        "Preisänderung Energie",
        "Preisänderungsfaktor je Jahr für Wärme, Kälte und Strom; Annahme, zu prüfen: 1.03.",
        false,
        Positiv,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{"Waermepreis",
                    &P::Waermepreis,
                    G::Wirtschaftlichkeit,
                    "EUR/kWh",
                    "Wärmepreis",
                    "Preis der Wärme, die das Register dem Wärmeerzeuger erspart; Annahme, zu "
                    "prüfen: 0.10 EUR/kWh.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"Strompreis",
                    &P::Strompreis,
                    G::Wirtschaftlichkeit,
                    "EUR/kWh",
                    "Strompreis",
                    "Preis des Stroms für den Ventilator; Annahme, zu prüfen: 0.30 EUR/kWh.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{
        "Kaeltepreis",
        &P::Kaeltepreis,
        G::Wirtschaftlichkeit,
        "EUR/kWh",
        "Kältepreis",
        "Preis der Kälte, die das Register der Kühlung erspart; Annahme, zu prüfen: 0.10 EUR/kWh.",
        false,
        NichtNegativ,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{"CO2FaktorWaerme",
                    &P::CO2FaktorWaerme,
                    G::Wirtschaftlichkeit,
                    "kg/kWh",
                    "CO2-Faktor Wärme",
                    "CO2-Ausstoß des Wärmeerzeugers je kWh Wärme; Annahme, zu prüfen: 0.24 kg/kWh "
                    "(Gas-Brennwertkessel).",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"CO2FaktorStrom",
                    &P::CO2FaktorStrom,
                    G::Wirtschaftlichkeit,
                    "kg/kWh",
                    "CO2-Faktor Strom",
                    "CO2-Ausstoß je kWh Strom; Annahme, zu prüfen: 0.38 kg/kWh (Strommix).",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    // limits of the design check
    TKatalogEintrag{
        "MaxGeschwindigkeit",
        &P::MaxGeschwindigkeit,
        G::Auslegungspruefung,
        "m/s",
        "Höchste Luftgeschwindigkeit",
        "Grenze der Luftgeschwindigkeit im Rohr bei Nenn-Volumenstrom; übliche Praxis: 3 m/s.",
        false,
        Positiv,
        Ungedruckt,
        {},
        0},
    TKatalogEintrag{"DruckverlustBudget",
                    &P::DruckverlustBudget,
                    G::Auslegungspruefung,
                    "Pa",
                    "Druckverlust-Budget",
                    "Druckverlust, den das Register bei Nenn-Volumenstrom höchstens haben soll; "
                    "übliche Praxis: 50 Pa.",
                    false,
                    Positiv,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"FrostfreieTiefe",
                    &P::FrostfreieTiefe,
                    G::Auslegungspruefung,
                    "m",
                    "Frostfreie Tiefe",
                    "Verlegetiefe, unter der der Boden nicht gefriert; übliche Praxis: 0.8 m.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"MindestRohrabstand",
                    &P::MindestRohrabstand,
                    G::Auslegungspruefung,
                    "m",
                    "Mindest-Rohrabstand",
                    "Kleinster Achsabstand der Rohre; übliche Praxis: 1 m.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
    TKatalogEintrag{"MindestReynolds",
                    &P::MindestReynolds,
                    G::Auslegungspruefung,
                    "",
                    "Mindest-Reynoldszahl",
                    "Kleinste Reynoldszahl beim kleinsten Volumenstrom des Fahrplans; übliche "
                    "Praxis: 2300, darunter strömt die Luft laminar.",
                    false,
                    NichtNegativ,
                    Ungedruckt,
                    {},
                    0},
};

} // namespace

std::string_view GruppenName(TParameterGruppe gruppe) {
    switch (gruppe) {
    case G::RohreUndLuftstrom:
        return "Rohre und Luftstrom";
    case G::Stoffwerte:
        return "Stoffwerte";
    case G::Regelung:
        return "Regelung";
    case G::UmgebungUndKeller:
        return "Umgebung und Keller";
    case G::NumerikUndMonitor:
        return "Numerik und Monitorpunkt";
    case G::DatenUndAusgabe:
        return "Daten und Ausgabe";
    case G::LueftungsanlageUndBetrieb:
        return "Lüftungsanlage und Betrieb";
    case G::Wirtschaftlichkeit:
        return "Wirtschaftlichkeit";
    case G::Auslegungspruefung:
        return "Auslegungsprüfung";
    }
    return {};
}

std::span<const TKatalogEintrag> ParameterKatalog() {
    return Katalog;
}

const TKatalogEintrag* KatalogEintrag(std::string_view name) {
    for (const TKatalogEintrag& eintrag : Katalog)
        if (eintrag.Name == name) return &eintrag;
    return nullptr;
}

TFeldTyp FeldTyp(const TKatalogEintrag& eintrag) {
    if (IstLaufWert(eintrag)) return TFeldTyp::Zahl;
    return static_cast<TFeldTyp>(eintrag.Feld.index());
}

bool IstLaufWert(const TKatalogEintrag& eintrag) {
    return std::holds_alternative<double TArbeitswerte::*>(eintrag.Feld);
}

double LaufWert(const TArbeitswerte& werte, const TKatalogEintrag& eintrag) {
    return werte.*std::get<double TArbeitswerte::*>(eintrag.Feld);
}

std::string BereichsVerstoss(const TKatalogEintrag& eintrag, double wert) {
    if (!std::isfinite(wert)) return "muss eine endliche Zahl sein.";
    switch (eintrag.Bereich.Art) {
    case TBereichsArt::Positiv:
        if (!(wert > 0)) {
            std::string regel = "muss größer als 0";
            if (!eintrag.Einheit.empty()) regel.append(" ").append(eintrag.Einheit);
            return regel.append(" sein.");
        }
        break;
    case TBereichsArt::NichtNegativ:
        if (wert < 0) return "darf nicht negativ sein.";
        break;
    case TBereichsArt::Anteil:
        if (!(wert >= 0 && wert <= 1)) return "muss zwischen 0 und 1 liegen.";
        break;
    case TBereichsArt::Wirkungsgrad:
        if (!(wert > 0 && wert <= 1)) return "muss größer als 0 und höchstens 1 sein.";
        break;
    case TBereichsArt::Spanne:
        if (!(wert >= eintrag.Bereich.Min && wert <= eintrag.Bereich.Max))
            return "muss zwischen " + ZahlText(eintrag.Bereich.Min) + " und " +
                   ZahlText(eintrag.Bereich.Max) + " liegen.";
        break;
    case TBereichsArt::Temperatur:
    case TBereichsArt::TemperaturDifferenz:
        if (wert < eintrag.Bereich.Von || wert > eintrag.Bereich.Bis)
            return "muss zwischen " + std::to_string(eintrag.Bereich.Von) + " und " +
                   std::to_string(eintrag.Bereich.Bis) + " " + std::string(eintrag.Einheit) +
                   " liegen.";
        break;
    default:
        break;
    }
    return {};
}

namespace {

// the grid rows hold 12 nodes: 3..10 cells
constexpr long KleinsteGitterzahl = 3;
constexpr long GroessteGitterzahl = 10;

std::string GanzzahlRegel(long wert, long von, long bis) {
    if (bis < von)
        return wert < von ? "muss mindestens " + std::to_string(von) + " sein." : std::string();
    if (wert < von || wert > bis)
        return "muss zwischen " + std::to_string(von) + " und " + std::to_string(bis) + " liegen.";
    return {};
}

} // namespace

std::string BereichsVerstoss(const TKatalogEintrag& eintrag, long wert, long anzahlGitter) {
    const bool gitter = anzahlGitter >= KleinsteGitterzahl && anzahlGitter <= GroessteGitterzahl;
    switch (eintrag.Bereich.Art) {
    case TBereichsArt::Ganzzahl:
        return GanzzahlRegel(wert, eintrag.Bereich.Von, eintrag.Bereich.Bis);
    case TBereichsArt::MonitorAxial:
        return gitter ? GanzzahlRegel(wert, 1, anzahlGitter) : std::string();
    case TBereichsArt::MonitorRadial:
        return gitter ? GanzzahlRegel(wert, 0, anzahlGitter + 1) : std::string();
    default:
        return {};
    }
}

std::string BereichsText(const TKatalogEintrag& eintrag) {
    const std::string einheit = eintrag.Einheit.empty() ? "" : " " + std::string(eintrag.Einheit);
    const TBereich& b = eintrag.Bereich;
    switch (b.Art) {
    case TBereichsArt::Positiv:
        return "größer als 0" + einheit;
    case TBereichsArt::NichtNegativ:
        return "mindestens 0" + einheit;
    case TBereichsArt::Anteil:
        return "0 bis 1";
    case TBereichsArt::Wirkungsgrad:
        return "größer als 0 bis 1";
    case TBereichsArt::Temperatur:
    case TBereichsArt::TemperaturDifferenz:
        return std::to_string(b.Von) + " bis " + std::to_string(b.Bis) + einheit;
    case TBereichsArt::Ganzzahl:
        return b.Bis < b.Von
                   ? "ganze Zahl ab " + std::to_string(b.Von)
                   : "ganze Zahl " + std::to_string(b.Von) + " bis " + std::to_string(b.Bis);
    case TBereichsArt::MonitorAxial:
        return "ganze Zahl 1 bis Anzahl Rechengitter";
    case TBereichsArt::MonitorRadial:
        return "ganze Zahl 0 bis Anzahl Rechengitter + 1";
    case TBereichsArt::Datei:
        return "Dateiname";
    case TBereichsArt::Spanne:
        return ZahlText(b.Min) + " bis " + ZahlText(b.Max) + einheit;
    case TBereichsArt::Frei:
        break;
    }
    return {};
}

bool FeldGleich(const TRegisterParameter& a, const TRegisterParameter& b,
                const TKatalogEintrag& eintrag) {
    // numbers bit for bit: -0.0 is not 0.0, a NaN equals the same NaN
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    return std::visit(
        [&](auto glied) {
            if constexpr (std::is_same_v<decltype(glied), double TArbeitswerte::*>) {
                return true; // a run's working value belongs to neither set
            } else {
                using T = std::remove_cvref_t<decltype(a.*glied)>;
                if constexpr (std::is_same_v<T, double>) {
                    return bits(a.*glied) == bits(b.*glied);
                } else if constexpr (std::is_same_v<T, TMonatsFeld>) {
                    for (std::size_t m = 1; m <= 12; ++m)
                        if (bits((a.*glied)[m]) != bits((b.*glied)[m])) return false;
                    return true;
                } else {
                    return a.*glied == b.*glied;
                }
            }
        },
        eintrag.Feld);
}

} // namespace kov
