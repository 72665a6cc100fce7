#include "files/bericht.h"

#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/zahl_format.h"
#include "model/kalender.h"
#include "model/parameter_katalog.h"

#include <filesystem>
#include <string_view>

namespace kov {

namespace {

constexpr int SpaltenKopfZeile = 99;

// Builds the lines of the report: value, tab, unit, tab, description, CR LF.
class TZeilen {
public:
    explicit TZeilen(std::string& bericht) : Bericht(bericht) {}

    void Leer(int anzahl = 1) {
        for (int i = 0; i < anzahl; ++i)
            Bericht.append(Zeilenende);
    }
    void Text(std::string_view text) { Bericht.append(text).append(Zeilenende); }

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
    void Name(std::string_view wert, std::string_view einheit, std::string_view beschreibung) {
        Zeile.assign(wert);
        Rest(einheit, beschreibung);
    }
    void Monate(const TMonatsFeld& werte, int breite, int dezimalen, std::string_view einheit,
                std::string_view beschreibung) {
        for (int m = 1; m <= 12; ++m) {
            Zeile.clear();
            FeldAnhaengen(Zeile, werte[static_cast<std::size_t>(m)], breite, dezimalen);
            Zeile.push_back('\t');
            Zeile.append(einheit);
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

    std::string& Bericht;
    std::string Zeile;
};

// One catalogue field on its header line(s); what the run derived from its working values.
void FeldSchreiben(TZeilen& z, const TModell& m, const TKatalogEintrag& e) {
    const TRegisterParameter& p = m.Parameter;
    const TBerichtZeile& b = e.Bericht;
    if (IstLaufWert(e)) {
        z.Zahl(LaufWert(m.Werte, e), b.Breite, b.Dezimalen, b.Einheit, b.Text);
        return;
    }
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl:
        z.Zahl(FeldWert<double>(p, e), b.Breite, b.Dezimalen, b.Einheit, b.Text);
        break;
    case TFeldTyp::Ganzzahl:
        z.Ganzzahl(FeldWert<std::int32_t>(p, e), b.Einheit, b.Text);
        break;
    case TFeldTyp::Wahrheitswert:
        z.Wahrheitswert(FeldWert<bool>(p, e), b.Text);
        break;
    case TFeldTyp::Text:
        // a run on a site's weather file names that file where the data set's name stands
        if (&FeldWert<std::string>(p, e) == &p.WetterFile && !p.WetterDatei.empty())
            z.Name(std::filesystem::path(p.WetterDatei).filename().string(), b.Einheit, b.Text);
        else
            z.Name(FeldWert<std::string>(p, e), b.Einheit, b.Text);
        break;
    case TFeldTyp::Monate:
        z.Monate(FeldWert<TMonatsFeld>(p, e), b.Breite, b.Dezimalen, b.Einheit, b.Text);
        break;
    }
}

int FeldZeilen(const TKatalogEintrag& e) {
    return FeldTyp(e) == TFeldTyp::Monate ? 12 : 1;
}

// Line 1 is the title, line 99 the column headings; every parameter stands on the line the
// catalogue gives it, the lines in between are empty.
void KopfSchreiben(TZeilen& z, const TModell& m) {
    z.Text("Ausgabefile zum Programm KOV, Berechnung von Erdregistern");
    int zeile = 2;
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Bericht.Zeile == 0) continue;
        z.Leer(e.Bericht.Zeile - zeile);
        FeldSchreiben(z, m, e);
        zeile = e.Bericht.Zeile + FeldZeilen(e);
    }
    z.Leer(SpaltenKopfZeile - zeile);
    z.Text("Tein \xF8"
           "C \tTaus \xF8"
           "C\trel. Volumenstrom\trel. Feuchte\tTaupunkt-Temp\tT Monitor \xF8"
           "C\tBetrieb Erdregister\tKondenswassermenge");
    z.Leer(BerichtKopfZeilen - SpaltenKopfZeile);
}

} // namespace

void AusgabeKopfSchreiben(std::string& bericht, const TModell& m) {
    TZeilen zeilen(bericht);
    KopfSchreiben(zeilen, m);
}

void AusgabeEnergieSchreiben(std::string& bericht, const TJahresErgebnis& e) {
    TZeilen zeilen(bericht);
    zeilen.Leer();
    zeilen.Zahl(e.WaermeentzugKeller, 8, 0, " kWh", " Waermentzug aus Keller, nicht veraenderbar");
    zeilen.Zahl(e.WaermeentzugErde, 8, 0, " kWh", " Waermentzug aus Erde, nicht veraenderbar");
    zeilen.Zahl(e.Kuehlenergie, 8, 0, " kWh", " Kuehlenergie Erdregister, nicht veraenderbar");
    zeilen.Zahl(e.Heizenergie, 8, 0, " kWh", " Heizenergie Erdregister, nicht veraenderbar");
}

void BerichtSchreiben(const TModell& m, bool mitStunden, const std::string& datei,
                      const std::string& hilfsDatei) {
    std::string bericht;
    bericht.reserve(mitStunden ? 400000 : 8000);
    AusgabeKopfSchreiben(bericht, m);
    if (mitStunden) AusgabeStundenSchreiben(bericht, m.Reihen, m.Parameter);
    AusgabeEnergieSchreiben(bericht, m.Ergebnis);
    if (!LandMitDezimalKomma(m.Parameter.Land)) return DateiSchreiben(datei, bericht);
    // the rewrite goes through the scratch file and copies it back line by line
    const std::string komma = DezimalKommaText(bericht);
    DateiSchreiben(hilfsDatei, komma);
    DateiSchreiben(datei, ZeilenweiseKopie(komma));
}

} // namespace kov
