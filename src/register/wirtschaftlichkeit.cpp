#include "register/wirtschaftlichkeit.h"

#include "model/fehler.h"

#include <charconv>
#include <cmath>

namespace kov {

namespace {

std::string_view OhneLeerzeichen(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool ZahlLesen(std::string_view text, double& wert) {
    text = OhneLeerzeichen(text);
    if (text.empty()) return false;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return fehler == std::errc() && ende == text.data() + text.size() && std::isfinite(wert);
}

// the fault of the text, "" when preise holds its points
std::string PreiseZerlegen(std::string_view text, std::vector<TRohrpreis>& preise) {
    preise.clear();
    if (OhneLeerzeichen(text).empty())
        return "muss mindestens ein Paar Durchmesser:Preis enthalten.";
    while (true) {
        const std::size_t semikolon = text.find(';');
        const std::string_view paar = text.substr(0, semikolon);
        const std::size_t doppelpunkt = paar.find(':');
        TRohrpreis punkt;
        if (doppelpunkt == std::string_view::npos ||
            !ZahlLesen(paar.substr(0, doppelpunkt), punkt.Durchmesser) ||
            !ZahlLesen(paar.substr(doppelpunkt + 1), punkt.Preis))
            return "muss aus Paaren Durchmesser:Preis bestehen, getrennt durch \";\" (\"" +
                   std::string(OhneLeerzeichen(paar)) + "\" ist keins).";
        if (!(punkt.Durchmesser > 0)) return "braucht Durchmesser größer als 0 m.";
        if (punkt.Preis < 0) return "darf keine negativen Preise enthalten.";
        if (!preise.empty() && !(punkt.Durchmesser > preise.back().Durchmesser))
            return "muss nach steigendem Durchmesser geordnet sein, jeder Durchmesser einmal.";
        preise.push_back(punkt);
        if (semikolon == std::string_view::npos) return {};
        text.remove_prefix(semikolon + 1);
    }
}

// Cash value of the discounted flows up to year j, with the flow of year j counted at its
// end: maintenance and energy at the prices of year 1 grown by their factors, and at every
// multiple of the service life a replacement at the grown investment price.
struct TAmortisation {
    bool Erreicht = false;
    double Jahre = 0.0;
};
TAmortisation AmortisationSuchen(const TRegisterParameter& p, double investition,
                                 double ueberschussEnergie, double wartung, double q) {
    if (!(investition > 0)) return {true, 0.0}; // nothing to pay back
    double bisher = -investition;
    for (int j = 1; j <= MaxAmortisation; ++j) {
        double fluss = ueberschussEnergie * std::pow(p.PreisaenderungEnergie, j - 1) -
                       wartung * std::pow(p.PreisaenderungBetrieb, j - 1);
        if (j % p.Nutzungsdauer == 0)
            fluss -= investition * std::pow(p.PreisaenderungInvestition, j);
        const double jetzt = bisher + fluss / std::pow(q, j);
        if (jetzt >= 0) {
            // the year's flow taken as spread evenly over it
            return {true, (j - 1) + (-bisher) / (jetzt - bisher)};
        }
        bisher = jetzt;
    }
    return {};
}

} // namespace

std::vector<TRohrpreis> RohrpreiseLesen(std::string_view text) {
    std::vector<TRohrpreis> preise;
    const std::string fehler = PreiseZerlegen(text, preise);
    if (!fehler.empty()) throw TParameterFehler("Die Rohrpreistabelle (Rohrpreise) " + fehler);
    return preise;
}

std::string RohrpreiseVerstoss(std::string_view text) {
    std::vector<TRohrpreis> preise;
    return PreiseZerlegen(text, preise);
}

double RohrpreisBei(const std::vector<TRohrpreis>& preise, double d, bool* ausserhalb) {
    if (ausserhalb != nullptr)
        *ausserhalb = d < preise.front().Durchmesser || d > preise.back().Durchmesser;
    if (d <= preise.front().Durchmesser) return preise.front().Preis;
    for (std::size_t i = 1; i < preise.size(); ++i) {
        const TRohrpreis& links = preise[i - 1];
        const TRohrpreis& rechts = preise[i];
        if (d <= rechts.Durchmesser)
            return links.Preis + (d - links.Durchmesser) /
                                     (rechts.Durchmesser - links.Durchmesser) *
                                     (rechts.Preis - links.Preis);
    }
    return preise.back().Preis;
}

TEnergieJahr EnergieAusKennwerten(const TKennwerte& kw) {
    return {kw.HeizenergieNutzbar, kw.KuehlenergieNutzbar, kw.Ventilatorenergie};
}

double Annuitaetsfaktor(double q, int T) {
    if (q == 1.0) return 1.0 / T;
    const double qT = std::pow(q, T);
    return qT * (q - 1) / (qT - 1);
}

double Barwertfaktor(double r, double q, int T) {
    // at r = q the general form is 0/0; near it, cancellation would leave only noise
    if (std::abs(r - q) < 1e-9) return T / q;
    return (1 - std::pow(r / q, T)) / (q - r);
}

TWirtschaftlichkeit WirtschaftlichkeitBerechnen(const TRegisterParameter& p,
                                                const TEnergieJahr& e) {
    TWirtschaftlichkeit w;
    w.Rohrmeter = p.AnzahlRohre * p.Rohrlaenge;
    w.Rohrpreis = RohrpreisBei(RohrpreiseLesen(p.Rohrpreise), p.DRohr, &w.RohrpreisAusserhalb);
    w.Rohrkosten = w.Rohrmeter * w.Rohrpreis;
    // one excavation over the whole register, down to the underside of the pipes' outer wall
    w.Grabenbreite = p.AnzahlRohre * p.Rohrabstand;
    w.Grabentiefe = p.Tiefe + p.DRohr / 2 + p.WandstaerkeRohr;
    w.Grabenvolumen = p.Rohrlaenge * w.Grabenbreite * w.Grabentiefe;
    w.Grabenkosten = w.Grabenvolumen * p.Aushubpreis;
    w.Fixkosten = p.Fixkosten;
    w.Investition = w.Rohrkosten + w.Grabenkosten + w.Fixkosten;

    const double q = 1 + p.Zinssatz;
    const int T = p.Betrachtungszeitraum;
    const int TN = p.Nutzungsdauer;
    const double A0 = w.Investition;
    w.Zinsfaktor = q;
    w.Annuitaetsfaktor = Annuitaetsfaktor(q, T);

    // replacements at TN, 2 TN, ... before T, each at the price grown by rK and discounted
    w.Ersatzbeschaffungen = (T + TN - 1) / TN - 1;
    for (int k = 1; k <= w.Ersatzbeschaffungen; ++k)
        w.ErsatzBarwert += A0 * std::pow(p.PreisaenderungInvestition, k * TN) / std::pow(q, k * TN);
    // the last one bought is written off linearly; what is left at T counts back
    const int n = w.Ersatzbeschaffungen;
    w.Restwert = A0 * std::pow(p.PreisaenderungInvestition, n * TN) *
                 static_cast<double>((n + 1) * TN - T) / TN / std::pow(q, T);
    w.AnnuitaetKapital = (A0 + w.ErsatzBarwert - w.Restwert) * w.Annuitaetsfaktor;

    w.BarwertfaktorBetrieb = Barwertfaktor(p.PreisaenderungBetrieb, q, T);
    w.BarwertfaktorEnergie = Barwertfaktor(p.PreisaenderungEnergie, q, T);
    const double wartung = A0 * p.Wartungsanteil;          // EUR in year 1
    const double strom = e.Ventilatorstrom * p.Strompreis; // EUR in year 1
    const double erloes = e.Nutzwaerme * p.Waermepreis + e.Nutzkaelte * p.Kaeltepreis;
    w.AnnuitaetBetrieb = wartung * w.Annuitaetsfaktor * w.BarwertfaktorBetrieb;
    w.AnnuitaetEnergie = strom * w.Annuitaetsfaktor * w.BarwertfaktorEnergie;
    w.AnnuitaetErloese = erloes * w.Annuitaetsfaktor * w.BarwertfaktorEnergie;
    w.Annuitaet = w.AnnuitaetKapital + w.AnnuitaetBetrieb + w.AnnuitaetEnergie;
    w.Nettonutzen = w.AnnuitaetErloese - w.Annuitaet;

    const TAmortisation amortisation = AmortisationSuchen(p, A0, erloes - strom, wartung, q);
    w.Amortisiert = amortisation.Erreicht;
    w.Amortisationszeit = amortisation.Jahre;

    const double nutzen = e.Nutzwaerme + e.Nutzkaelte;
    w.JeKwhDefiniert = nutzen > 0;
    w.KostenJeKwh = w.JeKwhDefiniert ? w.Annuitaet / nutzen : 0;
    // cooling is left out: how much electricity it saves depends on a chiller not modelled
    w.CO2Einsparung = e.Nutzwaerme * p.CO2FaktorWaerme - e.Ventilatorstrom * p.CO2FaktorStrom;
    return w;
}

} // namespace kov
