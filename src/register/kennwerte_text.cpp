#include "register/kennwerte_text.h"

#include "model/kalender.h"
#include "register/anlage_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kov {

namespace {

const std::array<const char*, 13> Monate{"",        "Januar",   "Februar", "März",   "April",
                                         "Mai",     "Juni",     "Juli",    "August", "September",
                                         "Oktober", "November", "Dezember"};

std::string Ganz(int wert) {
    return std::to_string(wert);
}

std::string Prozent(double anteil) {
    return KennwertZahl(anteil * 100, 2);
}

} // namespace

std::string KennwertZahl(double wert, int dezimalen) {
    if (!std::isfinite(wert)) return "–";
    std::array<char, 64> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                              std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) return "–";
    std::string text(puffer.data(), ende);
    // a small negative value rounded to zero is shown as zero
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string StundeAlsDatum(int stunde) {
    if (stunde < 1 || stunde > StundenImJahr) return {};
    const int monat = MonatDerStunde(stunde);
    const int tag = (stunde - ErsteStundeImMonat(monat)) / 24 + 1;
    const int uhr = (stunde - 1) % 24;
    const auto zweistellig = [](int zahl) {
        return std::string(zahl < 10 ? "0" : "") + std::to_string(zahl);
    };
    return std::to_string(tag) + ". " + Monate[static_cast<std::size_t>(monat)] + ", " +
           zweistellig(uhr) + "–" + zweistellig(uhr + 1) + " Uhr (Stunde " +
           std::to_string(stunde) + ")";
}

std::vector<TKennwertZeile> KennwerteZeilen(const TKennwerte& kw, const TRegisterParameter& p) {
    const TDruckverlust& d = kw.DruckverlustNenn;
    const std::string frost = " (" + KennwertZahl(p.Frostgrenze, 1) + " °C)";
    const std::string kuehlGrenze = p.WRG ? "Komfortgrenze" : "Kühlgrenze";
    // without humidity data the condensate is not known: a dash and the reason
    const auto kondensat = [&](double wert, int dezimalen) {
        return kw.KondensatBekannt ? KennwertZahl(wert, dezimalen) : std::string("–");
    };
    const std::string ohneFeuchte =
        kw.KondensatBekannt ? std::string() : std::string(KeineFeuchteDaten);
    std::vector<TKennwertZeile> zeilen{
        {"Reynoldszahl bei Nenn-Volumenstrom", KennwertZahl(d.Reynolds, 0), "–", {}},
        {"Rohrreibungszahl", KennwertZahl(d.Reibungszahl, 5), "–", {}},
        {"Druckverlust Rohrreibung", KennwertZahl(d.Reibung, 1), "Pa", {}},
        {"Druckverlust Einzelwiderstände", KennwertZahl(d.Einzelverluste, 1), "Pa", {}},
        {"Zusätzlicher Druckverlust", KennwertZahl(d.Zusatz, 1), "Pa", {}},
        {"Druckverlust gesamt", KennwertZahl(d.Gesamt, 1), "Pa", {}},
        {"Ventilatorleistung bei Nenn-Volumenstrom",
         KennwertZahl(kw.Ventilatorleistung, 1),
         "W",
         {}},
        {"Ventilator-Stromverbrauch im Jahr", KennwertZahl(kw.Ventilatorenergie, 1), "kWh", {}},
        {"Leistungszahl (nutzbare Energie / Ventilatorstrom)",
         KennwertZahl(kw.Leistungszahl, 1),
         "–",
         {}},
        {"Leistungszahl brutto (alle Energie / Ventilatorstrom)",
         KennwertZahl(kw.LeistungszahlBrutto, 1),
         "–",
         {}},
        {"Tiefste Austrittstemperatur", KennwertZahl(kw.TausMin, 1), "°C",
         StundeAlsDatum(kw.TausMinStunde)},
        {"Höchste Austrittstemperatur", KennwertZahl(kw.TausMax, 1), "°C",
         StundeAlsDatum(kw.TausMaxStunde)},
        {"Tiefste Eintrittstemperatur", KennwertZahl(kw.TeinMin, 1), "°C",
         StundeAlsDatum(kw.TeinMinStunde)},
        {"Höchste Eintrittstemperatur", KennwertZahl(kw.TeinMax, 1), "°C",
         StundeAlsDatum(kw.TeinMaxStunde)},
        {"Stunden mit Aussenluft unter Frostgrenze" + frost, Ganz(kw.FrostStundenAussen), "h", {}},
        {"Betriebsstunden mit Austritt unter Frostgrenze" + frost,
         Ganz(kw.FrostStundenNachRegister),
         "h",
         {}},
        {"Größte Heizleistung", KennwertZahl(kw.HeizleistungMax, 2), "kW", {}},
        {"Größte Kühlleistung", KennwertZahl(kw.KuehlleistungMax, 2), "kW", {}},
        {"Nutzbare Heizenergie (Aussenluft bis Heizgrenze)",
         KennwertZahl(kw.HeizenergieNutzbar, 1),
         "kWh",
         {}},
        {"Nutzbare Kühlenergie (Aussenluft ab " + kuehlGrenze + ")",
         KennwertZahl(kw.KuehlenergieNutzbar, 1),
         "kWh",
         {}},
        {"Unerwünschte Heizenergie (Aussenluft über Heizgrenze)",
         KennwertZahl(kw.HeizenergieUnerwuenscht, 1),
         "kWh",
         {}},
        {"Unerwünschte Kühlenergie (Aussenluft unter " + kuehlGrenze + ")",
         KennwertZahl(kw.KuehlenergieUnerwuenscht, 1),
         "kWh",
         {}},
        {"Nutzbarer Ertrag je m² Rohrinnenfläche",
         KennwertZahl(kw.ErtragJeRohrflaeche, 1),
         "kWh/m²",
         {}},
        {"Nutzbarer Ertrag je m Rohr", KennwertZahl(kw.ErtragJeRohrmeter, 1), "kWh/m", {}},
        {"Stunden der Heizperiode (Aussenluft bis Heizgrenze)",
         Ganz(kw.StundenHeizperiode),
         "h",
         {}},
        {"Wirkungsgrad η gegen ungestörtes Erdreich, Heizperiode",
         Prozent(kw.WirkungsgradHeizperiode), "%", "Σ R(Taus−Tein) / Σ R(TErde−Tein)"},
        {"Mittlere Ansaugtemperatur nach Register, Heizperiode",
         KennwertZahl(kw.TausMittelHeizperiode, 1), "°C", "mit dem Volumenstrom gewichtet"},
        {"Mittlere Aussentemperatur, Heizperiode",
         KennwertZahl(kw.TeinMittelHeizperiode, 1),
         "°C",
         {}},
        {"Kondensat im Jahr", kondensat(kw.KondensatJahr, 1), "kg", ohneFeuchte},
        {"Stunden mit Kondensat",
         kw.KondensatBekannt ? Ganz(kw.KondensatStunden) : std::string("–"), "h", ohneFeuchte},
        {"Größte Kondensatmenge", kondensat(kw.KondensatMax, 2), "kg/h", ohneFeuchte},
        {"Änderung Heizenergie gegen letztes Einschwingjahr",
         Prozent(kw.EinschwingAenderungHeizen),
         "%",
         {}},
        {"Änderung Kühlenergie gegen letztes Einschwingjahr",
         Prozent(kw.EinschwingAenderungKuehlen),
         "%",
         {}},
    };
    if (kw.MitAnlage) AnlagenZeilenAnfuegen(kw.Anlage, p, zeilen);
    return zeilen;
}

std::vector<TKennwertMonat> KennwerteMonatsZeilen(const TKennwerte& kw, const TJahresErgebnis& e) {
    std::vector<TKennwertMonat> zeilen;
    zeilen.reserve(13);
    for (std::size_t m = 1; m <= 12; ++m)
        zeilen.push_back({Monate[m], KennwertZahl(kw.HeizenergieMonat[m], 1),
                          KennwertZahl(kw.KuehlenergieMonat[m], 1),
                          kw.KondensatBekannt ? KennwertZahl(kw.KondensatMonat[m], 2) : "–"});
    zeilen.push_back({"Jahr", KennwertZahl(e.Heizenergie, 1), KennwertZahl(e.Kuehlenergie, 1),
                      kw.KondensatBekannt ? KennwertZahl(kw.KondensatJahr, 2) : "–"});
    return zeilen;
}

std::string KennwerteAlsText(const TKennwerte& kw, const TRegisterParameter& p,
                             const TJahresErgebnis& e) {
    std::string text = "Kennwert\tWert\tEinheit\tZeitpunkt\n";
    for (const TKennwertZeile& z : KennwerteZeilen(kw, p))
        text.append(z.Bezeichnung)
            .append("\t")
            .append(z.Wert)
            .append("\t")
            .append(z.Einheit)
            .append("\t")
            .append(z.Zeitpunkt)
            .append("\n");
    text.append("\nMonat\tHeizenergie kWh\tKühlenergie kWh\tKondensat kg\n");
    for (const TKennwertMonat& m : KennwerteMonatsZeilen(kw, e))
        text.append(m.Monat)
            .append("\t")
            .append(m.Heizenergie)
            .append("\t")
            .append(m.Kuehlenergie)
            .append("\t")
            .append(m.Kondensat)
            .append("\n");
    return text;
}

} // namespace kov
