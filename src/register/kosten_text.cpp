#include "register/kosten_text.h"

namespace kov {

namespace {

std::string MitEinheit(double wert, int dezimalen, std::string_view einheit) {
    std::string text = KennwertZahl(wert, dezimalen);
    if (!einheit.empty()) text.append(" ").append(einheit);
    return text;
}

} // namespace

std::vector<TKennwertZeile> KostenZeilen(const TWirtschaftlichkeit& w) {
    const std::string rohrpreis =
        w.RohrpreisAusserhalb ? " (Durchmesser außerhalb der Preistabelle: Randpreis)" : "";
    return {
        {"Rohre, " + KennwertZahl(w.Rohrmeter, 1) + " m zu " + KennwertZahl(w.Rohrpreis, 2) +
             " EUR/m" + rohrpreis,
         KennwertZahl(w.Rohrkosten, 0),
         "EUR",
         {}},
        {"Graben, " + KennwertZahl(w.Grabenbreite, 2) + " m breit, " +
             KennwertZahl(w.Grabentiefe, 3) + " m tief: " + KennwertZahl(w.Grabenvolumen, 1) +
             " m³",
         KennwertZahl(w.Grabenkosten, 0),
         "EUR",
         {}},
        {"Fixkosten", KennwertZahl(w.Fixkosten, 0), "EUR", {}},
        {"Investition", KennwertZahl(w.Investition, 0), "EUR", {}},
        {"Annuitätsfaktor", KennwertZahl(w.Annuitaetsfaktor, 5), "1/a", {}},
        {"Ersatzbeschaffungen im Betrachtungszeitraum",
         std::to_string(w.Ersatzbeschaffungen),
         "–",
         {}},
        {"Barwert der Ersatzbeschaffungen", KennwertZahl(w.ErsatzBarwert, 0), "EUR", {}},
        {"Barwert des Restwerts", KennwertZahl(w.Restwert, 0), "EUR", {}},
        {"Kapitalgebundene Annuität", KennwertZahl(w.AnnuitaetKapital, 0), "EUR/a", {}},
        {"Betriebsgebundene Annuität (Wartung)", KennwertZahl(w.AnnuitaetBetrieb, 0), "EUR/a", {}},
        {"Bedarfsgebundene Annuität (Ventilatorstrom)",
         KennwertZahl(w.AnnuitaetEnergie, 0),
         "EUR/a",
         {}},
        {"Annuität der Kosten", KennwertZahl(w.Annuitaet, 0), "EUR/a", {}},
        {"Annuität der Erlöse (eingesparte Wärme und Kälte)",
         KennwertZahl(w.AnnuitaetErloese, 0),
         "EUR/a",
         {}},
        {"Jährlicher Nettonutzen", KennwertZahl(w.Nettonutzen, 0), "EUR/a", {}},
        {"Dynamische Amortisationszeit",
         w.Amortisiert ? KennwertZahl(w.Amortisationszeit, 1)
                       : "über " + std::to_string(MaxAmortisation),
         "a",
         {}},
        {"Kosten je kWh nutzbarer Wärme und Kälte",
         w.JeKwhDefiniert ? KennwertZahl(w.KostenJeKwh, 3) : "–",
         "EUR/kWh",
         {}},
        {"CO₂-Einsparung abzüglich Ventilatorstrom", KennwertZahl(w.CO2Einsparung, 0), "kg/a", {}},
    };
}

std::vector<TKennwertZeile> KostenUebersicht(const TWirtschaftlichkeit& w) {
    return {
        {"Investition", KennwertZahl(w.Investition, 0), "EUR", {}},
        {"Annuität Kapital", KennwertZahl(w.AnnuitaetKapital, 0), "EUR/a", {}},
        {"Annuität Wartung", KennwertZahl(w.AnnuitaetBetrieb, 0), "EUR/a", {}},
        {"Annuität Ventilatorstrom", KennwertZahl(w.AnnuitaetEnergie, 0), "EUR/a", {}},
        {"Annuität der Kosten", KennwertZahl(w.Annuitaet, 0), "EUR/a", {}},
        {"Annuität der Erlöse", KennwertZahl(w.AnnuitaetErloese, 0), "EUR/a", {}},
        {"Nettonutzen", KennwertZahl(w.Nettonutzen, 0), "EUR/a", {}},
        {"Amortisationszeit",
         w.Amortisiert ? KennwertZahl(w.Amortisationszeit, 1)
                       : "über " + std::to_string(MaxAmortisation),
         "a",
         {}},
        {"Kosten je kWh", w.JeKwhDefiniert ? KennwertZahl(w.KostenJeKwh, 3) : "–", "EUR/kWh", {}},
        {"CO₂-Einsparung", KennwertZahl(w.CO2Einsparung, 0), "kg/a", {}},
    };
}

std::vector<TPruefZeile> PruefZeilen(const std::vector<TPruefRegel>& regeln) {
    std::vector<TPruefZeile> zeilen;
    for (const TPruefRegel& r : regeln) {
        TPruefZeile z;
        z.Bezeichnung = r.Bezeichnung;
        z.Wert = r.HatWert ? MitEinheit(r.Wert, r.Dezimalen, r.Einheit) : "–";
        if (!r.Vergleich.empty())
            z.Grenze = std::string(r.Vergleich == "<=" ? "≤ " : "≥ ")
                           .append(MitEinheit(r.Grenze, r.Dezimalen, r.Einheit));
        z.Urteil = UrteilText(r.Urteil);
        z.Erlaeuterung = r.Erlaeuterung;
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

std::string PruefungAlsText(const std::vector<TPruefRegel>& regeln) {
    std::string text = "\nAuslegungsprüfung\t" + AuslegungsAussage(regeln) + "\n";
    text += "Prüfung\tWert\tGrenze\tUrteil\tErläuterung\n";
    for (const TPruefZeile& z : PruefZeilen(regeln))
        text += z.Bezeichnung + "\t" + z.Wert + "\t" + z.Grenze + "\t" + z.Urteil + "\t" +
                z.Erlaeuterung + "\n";
    return text;
}

std::string KostenAlsText(const TWirtschaftlichkeit& w) {
    std::string text = "\nKosten\tWert\tEinheit\n";
    for (const TKennwertZeile& z : KostenZeilen(w))
        text += z.Bezeichnung + "\t" + z.Wert + "\t" + z.Einheit + "\n";
    return text;
}

} // namespace kov
