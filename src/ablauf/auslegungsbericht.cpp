#include "ablauf/auslegungsbericht.h"

#include "model/parameter_katalog.h"
#include "register/kennwerte_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kov {

namespace {

constexpr std::array<const char*, 13> MonatKurz{"",    "Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

std::string Kurz(double wert) {
    std::array<char, 400> puffer{};
    const auto ergebnis =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert, std::chars_format::fixed);
    if (ergebnis.ec != std::errc()) return "–";
    std::string text(puffer.data(), ergebnis.ptr);
    return text == "-0" ? "0" : text;
}

std::string Gerundet(double wert) {
    std::array<char, 64> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                        std::chars_format::general, 6);
    if (ergebnis.ec != std::errc()) return "–";
    return std::string(puffer.data(), ergebnis.ptr);
}

std::string MonateText(const TMonatsFeld& monate) {
    bool gleich = true;
    for (std::size_t m = 2; m <= 12; ++m)
        gleich = gleich && monate[m] == monate[1];
    if (gleich) return "alle Monate " + Kurz(monate[1]);
    std::string text;
    for (std::size_t m = 1; m <= 12; ++m)
        text.append(m > 1 ? "; " : "").append(MonatKurz[m]).append(" ").append(Kurz(monate[m]));
    return text;
}

std::string Prozent(double anteil, int dezimalen = 1) {
    return KennwertZahl(anteil * 100, dezimalen) + " %";
}

} // namespace

std::string EingabeWertText(const TRegisterParameter& p, const TKatalogEintrag& e,
                            const TArbeitswerte* werte) {
    if (IstLaufWert(e)) return werte != nullptr ? Gerundet(LaufWert(*werte, e)) : "–";
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl: {
        const double wert = FeldWert<double>(p, e);
        return e.Abgeleitet ? Gerundet(wert) : Kurz(wert);
    }
    case TFeldTyp::Ganzzahl:
        return std::to_string(FeldWert<std::int32_t>(p, e));
    case TFeldTyp::Wahrheitswert:
        return FeldWert<bool>(p, e) ? "ja" : "nein";
    case TFeldTyp::Text: {
        const std::string& text = FeldWert<std::string>(p, e);
        return text.empty() ? "–" : text;
    }
    case TFeldTyp::Monate:
        return MonateText(FeldWert<TMonatsFeld>(p, e));
    }
    return {};
}

std::vector<TEingabeZeile> EingabeZeilen(const TRegisterParameter& p, const TArbeitswerte* werte) {
    TRegisterParameter standard;
    ParameterStandardwerteSetzen(standard);
    std::vector<TEingabeZeile> zeilen;
    for (const TParameterGruppe gruppe :
         {TParameterGruppe::RohreUndLuftstrom, TParameterGruppe::Stoffwerte,
          TParameterGruppe::Regelung, TParameterGruppe::UmgebungUndKeller,
          TParameterGruppe::NumerikUndMonitor, TParameterGruppe::DatenUndAusgabe,
          TParameterGruppe::LueftungsanlageUndBetrieb, TParameterGruppe::Wirtschaftlichkeit,
          TParameterGruppe::Auslegungspruefung}) {
        for (const TKatalogEintrag& e : ParameterKatalog()) {
            if (e.Gruppe != gruppe) continue;
            TEingabeZeile z;
            z.Gruppe = GruppenName(gruppe);
            z.Bezeichnung = e.Bezeichnung;
            z.Name = e.Name;
            z.Wert = EingabeWertText(p, e, werte);
            z.Einheit = e.Einheit;
            z.Abgeleitet = e.Abgeleitet;
            z.IstText = FeldTyp(e) == TFeldTyp::Text;
            if (!e.Abgeleitet) {
                z.Standard = EingabeWertText(standard, e);
                z.Abweichend = !FeldGleich(p, standard, e);
            }
            zeilen.push_back(std::move(z));
        }
    }
    return zeilen;
}

std::vector<std::string> MethodenAbsaetze(const TModell& m, const TKennwerte& kw) {
    const TRegisterParameter& p = m.Parameter;
    const TArbeitswerte& w = m.Werte;
    const int n = p.AnzahlGitter;
    std::vector<std::string> absaetze;
    absaetze.push_back(
        "Modell: KOV rechnet ein repräsentatives Rohr des Registers (" +
        std::to_string(p.AnzahlRohre) + " parallele Rohre, je " + Kurz(p.Rohrlaenge) +
        " m lang, Innendurchmesser " + Kurz(p.DRohr) +
        " m) Stunde für Stunde. Die Luft "
        "durchströmt " +
        std::to_string(n) + " axiale Zellen von je " + Gerundet(w.Zellenlaenge) +
        " m und tauscht Wärme mit der Rohrwand über einen Wärmeübergangskoeffizienten aus "
        "laminarer, Übergangs- oder turbulenter Strömung (Luftgeschwindigkeit " +
        KennwertZahl(w.Stroemungsgeschwindigkeit, 3) + " m/s bei Nenn-Volumenstrom).");
    absaetze.push_back(
        "Erdreich: Um jede axiale Zelle liegt eine radiale Säule aus der Rohrwand und " +
        std::to_string(n - 1) + " Erdringen bis zum Simulationsradius " + Kurz(p.SimRadius) +
        " m; der erste Ring ist " + Kurz(p.Radiusteiler) +
        " Wandstärken breit, jeder weitere um den Gitterfaktor " + Gerundet(w.Gitterfaktor) +
        " breiter. Die Wärmeleitung wird implizit nach Crank–Nicolson gerechnet, getrennt in "
        "drei Sektoren des Rohrumfangs: ungestörtes Erdreich " +
        Prozent(p.AnteilErde) + ", adiabate Nachbarschaft " + Prozent(p.AnteilAdiabat) +
        ", Kellerboden " + Prozent(p.AnteilKeller) + ". Am äusseren Rand des Erdsektors steht " +
        (p.SpezielleRandbedingung ? std::string("Monat für Monat die vorgegebene Erdtemperatur.")
                                  : "die ungestörte Erdtemperatur in Rohrtiefe " + Kurz(p.Tiefe) +
                                        " m, Monat für Monat aus dem Wetterjahr."));
    absaetze.push_back("Zeit: Zeitschritte von " + Kurz(p.Zeitschritt) + " s in " +
                       std::to_string(p.AnzahlSubSchritte) + " Sub-Schritten von je " +
                       Gerundet(w.SubZeitschritt) +
                       " s. Die Regelung entscheidet jede Stunde zwischen Betrieb und Bypass " +
                       (p.Geregelt ? "(Heizgrenze " + Kurz(p.Heizgrenze) + " °C, Kühlgrenze " +
                                         Kurz(p.Kuehlgrenze) + " °C)."
                                   : "(ungeregelt: das Register läuft immer)."));
    std::string einschwingen;
    if (p.Einschwingjahre > 0) {
        const double groesste = std::max(std::fabs(kw.EinschwingAenderungHeizen),
                                         std::fabs(kw.EinschwingAenderungKuehlen));
        einschwingen =
            "Einschwingen: " + std::to_string(p.Einschwingjahre) +
            (p.Einschwingjahre == 1 ? " Einschwingjahr" : " Einschwingjahre") +
            " vor dem ausgewerteten Jahr, Start des Erdreichs bei " +
            KennwertZahl(w.StartTemperatur, 2) +
            " °C. Änderung gegen das letzte Einschwingjahr: Heizenergie " +
            Prozent(kw.EinschwingAenderungHeizen, 2) + ", Kühlenergie " +
            Prozent(kw.EinschwingAenderungKuehlen, 2) + "; " +
            (groesste < 0.01 ? "unter 1 %, das Erdreich ist eingeschwungen."
                             : "1 % oder mehr, ein weiteres Einschwingjahr ändert das Ergebnis "
                               "noch merklich.");
    } else {
        einschwingen = "Einschwingen: keines; das ausgewertete Jahr beginnt mit dem Erdreich bei " +
                       KennwertZahl(w.StartTemperatur, 2) +
                       " °C und ist mit keinem Vorjahr verglichen, die Ergebnisse hängen noch "
                       "vom Startzustand ab.";
    }
    absaetze.push_back(einschwingen);
    absaetze.push_back("Energien und Ventilatorstrom sind über die Stunden 2 bis 8760 des "
                       "ausgewerteten Jahres summiert wie die Jahressummen des Berichts; "
                       "Extremwerte, Stundenzahlen und Kondensat über alle 8760 Stunden.");
    return absaetze;
}

} // namespace kov
