#include "files/bericht.h"

#include "files/text_datei.h"
#include "files/zahl_format.h"
#include "model/kalender.h"

#include <string_view>

namespace kov {

namespace {

// " °C" with the degree sign of the DOS code pages
constexpr std::string_view GradC = " \xF8"
                                   "C";

// Builds the lines of the report: value, tab, unit, tab, description, CR LF.
class TZeilen {
public:
    explicit TZeilen(TTextDatei& datei) : Datei(datei) {}

    void Leer(int anzahl = 1) {
        for (int i = 0; i < anzahl; ++i)
            Datei.Schreiben(Zeilenende);
    }
    void Text(std::string_view text) { Datei.ZeileSchreiben(text); }

    void Zahl(double wert, int breite, int dezimalen, std::string_view einheit,
              std::string_view beschreibung) {
        Zeile.clear();
        FeldAnhaengen(Zeile, wert, breite, dezimalen);
        Rest(einheit, beschreibung);
    }
    void Ganzzahl(long long wert, std::string_view einheit, std::string_view beschreibung) {
        Zeile.clear();
        GanzzahlAnhaengen(Zeile, wert);
        Rest(einheit, beschreibung);
    }
    void Wahrheitswert(bool wert, std::string_view beschreibung) {
        Zeile.assign(WahrheitswertText(wert));
        Rest({}, beschreibung);
    }
    void Name(std::string_view wert, std::string_view beschreibung) {
        Zeile.assign(wert);
        Rest({}, beschreibung);
    }
    void Monate(const TMonatsFeld& werte, std::string_view beschreibung) {
        for (int m = 1; m <= 12; ++m) {
            Zeile.clear();
            FeldAnhaengen(Zeile, werte[static_cast<std::size_t>(m)], 6, 2);
            Zeile.push_back('\t');
            Zeile.append(GradC);
            Zeile.push_back('\t');
            Zeile.append(beschreibung);
            Zeile.append(MonatsName(m));
            Text(Zeile);
        }
    }

private:
    void Rest(std::string_view einheit, std::string_view beschreibung) {
        Zeile.push_back('\t');
        Zeile.append(einheit);
        Zeile.push_back('\t');
        Zeile.append(beschreibung);
        Text(Zeile);
    }

    TTextDatei& Datei;
    std::string Zeile;
};

void KopfSchreiben(TZeilen& z, const TRegisterParameter& p) {
    z.Text("Ausgabefile zum Programm KOV, Berechnung von Erdregistern");
    z.Leer();
    z.Text(p.Projektname + "\t\t");
    z.Leer();
    z.Zahl(p.DRohr, 6, 4, " m", " Rohrdurchmesser innen;");
    z.Zahl(p.Rohrlaenge, 6, 2, " m", " Rohrlaenge");
    z.Zahl(p.WandstaerkeRohr, 6, 4, " m", " Wandstaerke der Rohre");
    z.Ganzzahl(p.AnzahlRohre, "", " Anzahl Register-Rohre");
    z.Zahl(p.Volumenstrom, 8, 1, " m3/h", " Nenn-Volumenstrom");
    z.Zahl(p.Stroemungsgeschwindigkeit, 6, 3, " m/s",
           " Stroemungsgeschwindigkeit, nicht veraenderbar");
    z.Zahl(p.LambdaErde, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Erde");
    z.Zahl(p.RhoErde, 6, 1, " kg/m3", " Dichte der Erde");
    z.Zahl(p.CpErde, 6, 1, " J/kgK", " cp-Wert der Erde");
    z.Zahl(p.LambdaRohr, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Rohre");
    z.Zahl(p.RhoRohr, 6, 1, " kg/m3", " Dichte der Rohre");
    z.Zahl(p.CpRohr, 6, 1, " J/kgK", " cp-Wert der Rohre");
    z.Zahl(p.LambdaLuft, 6, 3, " W/mK", " Waermeleitfaehigkeit lambda der Luft");
    z.Zahl(p.RhoLuft, 6, 1, " kg/m3", " Dichte der Luft");
    z.Zahl(p.CpLuft, 6, 1, " J/kgK", " cp-Wert der Luft");
    z.Zahl(p.ViskositaetLuft, 10, 8, " m2/s", " kinem. Viskositaet der Luft");
    z.Zahl(p.AlphaStillstand, 6, 2, " W/m2K", " Waermeuebergang Luft-Rohr bei Stillstand");
    z.Zahl(p.Tiefe, 6, 3, " m", " Verlegetiefe der Rohre zu Aussenluft");
    z.Zahl(p.SimRadius, 6, 3, " m",
           " Simulationsradius um Rohre, aktiver Speicher, ohne Kelleranteil");
    z.Zahl(p.Sonnenerwaermung, 6, 2, GradC, " mittlere Bodenerwaermung durch Sonne");
    z.Wahrheitswert(p.Geregelt, " Geregelter Betrieb mit Bypass-Klappe, Freigabe aktiv");
    z.Zahl(p.Kuehlgrenze, 6, 2, GradC, " Freigabe Sommer");
    z.Zahl(p.Heizgrenze, 6, 2, GradC, " Freigabe Winter");
    z.Zahl(p.HystereseEin, 6, 2, GradC, " Einschalthysterese Erdregister-Regelung, inaktiv");
    z.Zahl(p.HystereseAus, 6, 2, GradC, " Ausschalthysterese Erdregister-Regelung, inaktiv");
    z.Zahl(p.AnteilAdiabat, 6, 4, "",
           " adiabater Anteil (Einfluss nebenliegende Rohre und nach unten)");
    z.Zahl(p.AnteilKeller, 6, 4, "", " Anteil des Kellers");
    z.Zahl(p.AnteilErde, 6, 4, "", " Anteil der Erde (unten), Differenz zu 1.0");
    z.Monate(p.KellerTemperatur, " Kellertemperatur ");
    z.Zahl(p.KWertKeller, 6, 2, " W/m2K", " k-Wert Keller-Boden");
    z.Zahl(p.LambdaPlatte, 6, 2, " W/mK", " lambda-Wert Bodenplatte unter Keller bis Rohr");
    z.Zahl(p.CpPlatte, 6, 1, " J/kgK", " cp-Wert Bodenplatte unter Keller");
    z.Zahl(p.RhoPlatte, 6, 1, " kg/m3", " Dichte Bodenplatte unter Keller");
    z.Zahl(p.TiefeKeller, 6, 3, " m", " Verlegetiefe unter Keller");
    z.Leer(5);
    z.Name(p.WetterFile, " Name des Eingabe-Wetter-Files");
    z.Name(p.OutputFile, " Name des Output-Files");
    z.Wahrheitswert(p.FahrplanGelesen, " Eingelesener Lueftungsfahrplan");
    z.Name(p.FahrplanFile, " Name des Lueftungs-Fahplan-Files");
    z.Ganzzahl(p.AnzahlGitter, "", " Anzahl Rechengitter, axial und radial, 3..10");
    z.Zahl(p.Gitterfaktor, 6, 2, "", " Gitterfaktor, nicht veraenderbar");
    z.Zahl(p.Zeitschritt, 6, 1, " s", " Simulationszeitschritt, nicht veraenderbar");
    z.Ganzzahl(p.AnzahlSubSchritte, "",
               " Anzahl Sub-Unterteilungen fuer dt pro Simulationszeitschritt, 1..20");
    z.Ganzzahl(p.Einschwingjahre, " Jahre", " Einschwing-Dauer vor Simulationsbeginn, 1..10");
    z.Ganzzahl(p.MonitorAxial, "", " Monitorpunkt, axial, Zelle vom Einlass her gezaehlt");
    z.Ganzzahl(p.MonitorRadial, "", " Monitorpunkt, radial, Zelle von Achse her gezaehlt");
    z.Ganzzahl(p.MonitorSektor, "",
               " Ueberwachte Temperatur:  1:gegen Erde; 2:adiabat;  3:gegen Keller");
    z.Zahl(p.MonitorAchsAbstand, 8, 4, " m",
           " Achs-Abstand des Monitor-Punktes, nicht veraenderbar");
    z.Zahl(p.MonitorAbstandEinlass, 8, 4, " m",
           " Abstand des Monitorpunktes, vom Einlass her gemessen");
    z.Leer();
    z.Wahrheitswert(p.SpezielleRandbedingung, " Spezielle Randbedinungen im Erdreich");
    z.Monate(p.ErdTemperaturSpeziell, " (wenn spezielle Randbed.) Erdtemperatur ");
    z.Leer(16);
    z.Text("Tein \xF8"
           "C \tTaus \xF8"
           "C\trel. Volumenstrom\trel. Feuchte\tTaupunkt-Temp\tT Monitor \xF8"
           "C\tBetrieb Erdregister\tKondenswassermenge");
    z.Leer();
}

} // namespace

void AusgabeAnlegen(const std::string& name) {
    TTextDatei datei(name, TTextDatei::TOeffnen::Anlegen);
    datei.Schliessen();
}

void AusgabeKopfSchreiben(const TRegisterParameter& p) {
    TTextDatei datei(p.OutputFile, TTextDatei::TOeffnen::Anhaengen);
    TZeilen zeilen(datei);
    KopfSchreiben(zeilen, p);
    datei.Schliessen();
}

void AusgabeEnergieSchreiben(const std::string& name, const TJahresErgebnis& e) {
    TTextDatei datei(name, TTextDatei::TOeffnen::Anhaengen);
    TZeilen zeilen(datei);
    zeilen.Leer();
    zeilen.Zahl(e.WaermeentzugKeller, 8, 0, " kWh", " Waermentzug aus Keller, nicht veraenderbar");
    zeilen.Zahl(e.WaermeentzugErde, 8, 0, " kWh", " Waermentzug aus Erde, nicht veraenderbar");
    zeilen.Zahl(e.Kuehlenergie, 8, 0, " kWh", " Kuehlenergie Erdregister, nicht veraenderbar");
    zeilen.Zahl(e.Heizenergie, 8, 0, " kWh", " Heizenergie Erdregister, nicht veraenderbar");
    datei.Schliessen();
}

} // namespace kov
