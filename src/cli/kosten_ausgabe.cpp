#include "cli/kosten_ausgabe.h"

#include "cli/parameter_felder.h"

#include "register/bewertung.h"
#include "register/kosten_text.h"

#include <cmath>

namespace kov {

namespace {

// null for a figure that has no value (no payback, no useful energy, a rule without figure)
nlohmann::ordered_json ZahlOderNull(bool gilt, double wert) {
    return gilt && std::isfinite(wert) ? nlohmann::ordered_json(wert) : nullptr;
}

nlohmann::ordered_json KostenJson(const TWirtschaftlichkeit& w, const TEnergieJahr& e) {
    nlohmann::ordered_json j;
    j["Nutzwaerme"] = e.Nutzwaerme;
    j["Nutzkaelte"] = e.Nutzkaelte;
    j["Ventilatorstrom"] = e.Ventilatorstrom;
    j["Rohrmeter"] = w.Rohrmeter;
    j["Rohrpreis"] = w.Rohrpreis;
    j["RohrpreisAusserhalb"] = w.RohrpreisAusserhalb;
    j["Rohrkosten"] = w.Rohrkosten;
    j["Grabenbreite"] = w.Grabenbreite;
    j["Grabentiefe"] = w.Grabentiefe;
    j["Grabenvolumen"] = w.Grabenvolumen;
    j["Grabenkosten"] = w.Grabenkosten;
    j["Fixkosten"] = w.Fixkosten;
    j["Investition"] = w.Investition;
    j["Annuitaetsfaktor"] = w.Annuitaetsfaktor;
    j["Ersatzbeschaffungen"] = w.Ersatzbeschaffungen;
    j["ErsatzBarwert"] = w.ErsatzBarwert;
    j["Restwert"] = w.Restwert;
    j["BarwertfaktorBetrieb"] = w.BarwertfaktorBetrieb;
    j["BarwertfaktorEnergie"] = w.BarwertfaktorEnergie;
    j["AnnuitaetKapital"] = w.AnnuitaetKapital;
    j["AnnuitaetBetrieb"] = w.AnnuitaetBetrieb;
    j["AnnuitaetEnergie"] = w.AnnuitaetEnergie;
    j["AnnuitaetErloese"] = w.AnnuitaetErloese;
    j["Annuitaet"] = w.Annuitaet;
    j["Nettonutzen"] = w.Nettonutzen;
    j["Amortisationszeit"] = ZahlOderNull(w.Amortisiert, w.Amortisationszeit);
    j["KostenJeKwh"] = ZahlOderNull(w.JeKwhDefiniert, w.KostenJeKwh);
    j["CO2Einsparung"] = w.CO2Einsparung;
    return j;
}

nlohmann::ordered_json PruefungJson(const std::vector<TPruefRegel>& regeln) {
    nlohmann::ordered_json liste = nlohmann::ordered_json::array();
    for (const TPruefRegel& r : regeln) {
        const bool grenze = !r.Vergleich.empty();
        liste.push_back({{"Name", r.Schluessel},
                         {"Bezeichnung", r.Bezeichnung},
                         {"Wert", ZahlOderNull(r.HatWert, r.Wert)},
                         {"Vergleich", grenze ? nlohmann::ordered_json(r.Vergleich) : nullptr},
                         {"Grenze", ZahlOderNull(grenze, r.Grenze)},
                         {"Einheit", r.Einheit},
                         {"Urteil", UrteilText(r.Urteil)},
                         {"Erlaeuterung", r.Erlaeuterung}});
    }
    nlohmann::ordered_json j;
    j["Urteil"] = UrteilText(GesamtUrteil(regeln));
    j["Aussage"] = AuslegungsAussage(regeln);
    j["Regeln"] = std::move(liste);
    return j;
}

} // namespace

void KostenUndPruefungJson(const TKontext& k, const TKennwerte& kw, nlohmann::ordered_json& j) {
    const TBewertung b = BewertungBilden(k, kw);
    j["Kosten"] = KostenJson(b.Kosten, b.Energien);
    j["Pruefung"] = PruefungJson(b.Pruefung);
}

void KostenUndPruefungSchreiben(const TKontext& k, const TKennwerte& kw, std::ostream& aus) {
    const TBewertung b = BewertungBilden(k, kw);
    aus << "\nKosten (Annuitätenmethode, " << k.Parameter.Betrachtungszeitraum
        << " Jahre; alle Preise sind Annahmen, zu prüfen):\n";
    for (const TKennwertZeile& z : KostenZeilen(b.Kosten))
        aus << "  " << Ausgerichtet(z.Bezeichnung, 66, false) << Ausgerichtet(z.Wert, 10, true)
            << " " << z.Einheit << "\n";

    aus << "\nAuslegungsprüfung: " << AuslegungsAussage(b.Pruefung) << "\n";
    for (const TPruefZeile& z : PruefZeilen(b.Pruefung))
        aus << "  " << Ausgerichtet(z.Bezeichnung, 66, false) << Ausgerichtet(z.Wert, 14, true)
            << "  " << Ausgerichtet(z.Grenze, 14, false) << "  " << z.Urteil << ": "
            << z.Erlaeuterung << "\n";
}

void KostenUndPruefungHilfe(std::ostream& aus) {
    aus << "\nKosten (--json: Objekt \"Kosten\", Annuitaetenmethode nach VDI 2067 Blatt 1 ueber\n"
           "Betrachtungszeitraum; EUR, EUR/a, kWh/a): Nutzwaerme, Nutzkaelte, Ventilatorstrom,\n"
           "Investition und ihre Teile, AnnuitaetKapital (mit Ersatz und Restwert),\n"
           "AnnuitaetBetrieb, AnnuitaetEnergie, AnnuitaetErloese, Annuitaet (Kosten),\n"
           "Nettonutzen, Amortisationszeit [a] (null: nicht in 100 Jahren), KostenJeKwh,\n"
           "CO2Einsparung [kg/a].\n"
           "Auslegungspruefung (--json: Objekt \"Pruefung\"): Urteil, Aussage und je Regel Name,\n"
           "Wert, Vergleich, Grenze, Einheit, Urteil (erfuellt / Hinweis / nicht erfuellt).\n";
}

} // namespace kov
