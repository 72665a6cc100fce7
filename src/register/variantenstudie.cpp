#include "register/variantenstudie.h"

#include "model/bodenarten.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"
#include "register/parameter_pruefung.h"
#include "register/register_lauf.h"
#include "register/register_vorrat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

namespace kov {

namespace {

[[noreturn]] void Fehler(std::string_view name, const std::string& text) {
    std::string meldung(name);
    meldung.append(": ").append(text);
    throw TStudienFehler(meldung);
}

// A number as the lists write it: decimal point, optional sign and exponent.
bool ZahlAusText(std::string_view text, double& wert) {
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (anfang != ende && *anfang == '+') ++anfang;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert, std::chars_format::general);
    return anfang != ende && rest == ende && fehler == std::errc() && std::isfinite(wert);
}

double ZahlOderFehler(std::string_view name, std::string_view text) {
    double wert = 0.0;
    if (!ZahlAusText(text, wert))
        Fehler(name, "\"" + std::string(text) + "\" ist keine Zahl (Dezimalpunkt verwenden).");
    return wert;
}

// digits after the decimal point; -1 with an exponent (no rounding then)
int Dezimalen(std::string_view text) {
    if (text.find_first_of("eE") != std::string_view::npos) return -1;
    const std::size_t punkt = text.find('.');
    return punkt == std::string_view::npos ? 0 : static_cast<int>(text.size() - punkt - 1);
}

std::vector<std::string_view> Teile(std::string_view text, char trenner) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = text.find(trenner, anfang);
        teile.push_back(text.substr(anfang, ende - anfang));
        if (ende == std::string_view::npos) break;
        anfang = ende + 1;
    }
    return teile;
}

std::vector<double> BereichLesen(std::string_view name, std::string_view liste) {
    const std::vector<std::string_view> teile = Teile(liste, ':');
    if (teile.size() != 3) Fehler(name, "ein Bereich hat die Form von:bis:schritt.");
    const double von = ZahlOderFehler(name, teile[0]);
    const double bis = ZahlOderFehler(name, teile[1]);
    const double schritt = ZahlOderFehler(name, teile[2]);
    if (!(schritt > 0)) Fehler(name, "der Schritt eines Bereichs muss größer als 0 sein.");
    if (bis < von) Fehler(name, "der Bereich endet vor seinem Anfang.");
    const double anzahl = std::floor((bis - von) / schritt * (1 + 1e-12) + 1e-9) + 1;
    if (anzahl > static_cast<double>(MaxVarianten))
        Fehler(name, "der Bereich hat mehr als " + std::to_string(MaxVarianten) + " Werte.");
    int dezimalen = 0;
    for (std::string_view teil : teile)
        dezimalen = Dezimalen(teil) < 0 ? -1 : std::max(dezimalen, Dezimalen(teil));
    std::vector<double> werte;
    for (std::size_t i = 0; i < static_cast<std::size_t>(anzahl); ++i) {
        double wert = von + static_cast<double>(i) * schritt;
        if (dezimalen >= 0) {
            // the value as it is written with the decimals of the range
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", dezimalen, wert);
            ZahlAusText(text, wert);
        }
        werte.push_back(wert);
    }
    return werte;
}

void WertPruefen(const TKatalogEintrag& e, double wert) {
    switch (FeldTyp(e)) {
    case TFeldTyp::Ganzzahl:
        if (wert != std::floor(wert) || wert < -2147483648.0 || wert > 2147483647.0)
            Fehler(e.Name, "ist eine ganze Zahl; " + std::to_string(wert) + " passt nicht.");
        break;
    case TFeldTyp::Wahrheitswert:
        if (wert != 0 && wert != 1) Fehler(e.Name, "nimmt nur 0 (nein) und 1 (ja).");
        break;
    default:
        break;
    }
}

void WertSetzen(TRegisterParameter& p, const TVariation& v, double wert) {
    const std::string_view name = v.Name;
    if (!v.Texte.empty()) {
        FeldWert<std::string>(p, *KatalogEintrag(name)) = v.Texte[static_cast<std::size_t>(wert)];
        return;
    }
    if (name == BodenDimension) {
        const TBodenart& art = Bodenarten()[static_cast<std::size_t>(wert)];
        ZahlAusText(art.Lambda, p.LambdaErde);
        ZahlAusText(art.Rho, p.RhoErde);
        ZahlAusText(art.Cp, p.CpErde);
        return;
    }
    const TKatalogEintrag& e = *KatalogEintrag(name);
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl:
        FeldWert<double>(p, e) = wert;
        break;
    case TFeldTyp::Ganzzahl:
        FeldWert<std::int32_t>(p, e) = static_cast<std::int32_t>(wert);
        break;
    case TFeldTyp::Wahrheitswert:
        FeldWert<bool>(p, e) = wert != 0;
        break;
    case TFeldTyp::Monate:
        for (std::size_t m = 1; m <= 12; ++m)
            FeldWert<TMonatsFeld>(p, e)[m] = wert;
        break;
    case TFeldTyp::Text:
        break;
    }
}

// the value of one variant as a name=value text, for messages
std::string WertText(double wert) {
    char text[32];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    return std::string(text, ende);
}

// Runs aufgabe(nummer, faden) for nummer = 0..anzahl-1 on the threads; each thread takes the
// next number until none is left or stopp is set. The first exception stops the rest and is
// thrown again here.
void ParallelFuer(std::size_t anzahl, unsigned faeden,
                  const std::function<void(std::size_t, unsigned)>& aufgabe,
                  std::atomic<bool>& stopp) {
    if (faeden == 0) faeden = std::max(1u, std::thread::hardware_concurrency());
    faeden = static_cast<unsigned>(std::min<std::size_t>(faeden, std::max<std::size_t>(anzahl, 1)));
    std::atomic<std::size_t> naechste{0};
    std::exception_ptr fehler;
    std::mutex fehlerSchutz;
    const auto arbeiter = [&](unsigned faden) {
        try {
            while (!stopp.load(std::memory_order_relaxed)) {
                const std::size_t nummer = naechste.fetch_add(1);
                if (nummer >= anzahl) break;
                aufgabe(nummer, faden);
            }
        } catch (...) {
            const std::lock_guard<std::mutex> sperre(fehlerSchutz);
            if (!fehler) fehler = std::current_exception();
            stopp = true;
        }
    };
    std::vector<std::thread> arbeitende;
    for (unsigned faden = 1; faden < faeden; ++faden)
        arbeitende.emplace_back(arbeiter, faden);
    arbeiter(0);
    for (std::thread& t : arbeitende)
        t.join();
    if (fehler) std::rethrow_exception(fehler);
}

double Nutzenergie(const TVariantenErgebnis& v) {
    return v.Kennwerte.HeizenergieNutzbar + v.Kennwerte.KuehlenergieNutzbar;
}

#define KOV_KENNWERT(ausdruck) [](const TVariantenErgebnis& v) -> double { return ausdruck; }

constexpr TStudienKennwert Kennwerte[] = {
    {"Heizenergie", "kWh", "Heizenergie", KOV_KENNWERT(v.Ergebnis.Heizenergie)},
    {"Kuehlenergie", "kWh", "Kühlenergie", KOV_KENNWERT(v.Ergebnis.Kuehlenergie)},
    {"HeizenergieNutzbar", "kWh", "nutzbare Heizenergie",
     KOV_KENNWERT(v.Kennwerte.HeizenergieNutzbar)},
    {"KuehlenergieNutzbar", "kWh", "nutzbare Kühlenergie",
     KOV_KENNWERT(v.Kennwerte.KuehlenergieNutzbar)},
    {"EnergieNutzbar", "kWh", "nutzbare Energie (Heizen + Kühlen)", KOV_KENNWERT(Nutzenergie(v))},
    {"Ventilatorenergie", "kWh", "Ventilatorstrom", KOV_KENNWERT(v.Kennwerte.Ventilatorenergie)},
    {"Leistungszahl", "", "Leistungszahl", KOV_KENNWERT(v.Kennwerte.Leistungszahl)},
    {"TausMin", "°C", "tiefste Austrittstemperatur", KOV_KENNWERT(v.Kennwerte.TausMin)},
    {"TausMax", "°C", "höchste Austrittstemperatur", KOV_KENNWERT(v.Kennwerte.TausMax)},
    {"FrostStundenNachRegister", "h", "Froststunden nach dem Register",
     KOV_KENNWERT(v.Kennwerte.FrostStundenNachRegister)},
    {"Stroemungsgeschwindigkeit", "m/s", "Luftgeschwindigkeit",
     KOV_KENNWERT(v.Stroemungsgeschwindigkeit)},
    {"DruckverlustGesamt", "Pa", "Druckverlust", KOV_KENNWERT(v.Kennwerte.DruckverlustNenn.Gesamt)},
    {"RohrlaengeGesamt", "m", "Rohrlänge aller Rohre", KOV_KENNWERT(v.RohrlaengeGesamt)},
    {"KondensatJahr", "kg", "Kondensat im Jahr", KOV_KENNWERT(v.Kennwerte.KondensatJahr)},
    // the honest figures and, with WRG, the ventilation unit behind the register
    {"LeistungszahlBrutto", "", "Leistungszahl brutto",
     KOV_KENNWERT(v.Kennwerte.LeistungszahlBrutto)},
    {"WirkungsgradHeizperiode", "", "Wirkungsgrad Heizperiode",
     KOV_KENNWERT(v.Kennwerte.WirkungsgradHeizperiode)},
    {"TausMittelHeizperiode", "°C", "mittlere Ansaugtemperatur Heizperiode",
     KOV_KENNWERT(v.Kennwerte.TausMittelHeizperiode)},
    {"FrostschutzStunden", "h", "Frostschutzstunden des Lüftungsgeräts",
     KOV_KENNWERT(v.Kennwerte.Anlage.MitRegister.FrostschutzStunden)},
    {"Vorheizenergie", "kWh", "Vorheizenergie des Lüftungsgeräts",
     KOV_KENNWERT(v.Kennwerte.Anlage.MitRegister.Vorheizenergie)},
    {"WaermeErspartGebaeude", "kWh", "Wärmeersparnis im Gebäude nach WRG",
     KOV_KENNWERT(v.Kennwerte.Anlage.WaermeErspartGebaeude)},
    {"ZuluftNachWRGMin", "°C", "tiefste Zuluft nach WRG",
     KOV_KENNWERT(v.Kennwerte.Anlage.MitRegister.ZuluftNachWRGMin)},
    {"Annuitaet", "EUR/a", "Annuität der Kosten", KOV_KENNWERT(v.Kosten.Annuitaet)},
    {"Nettonutzen", "EUR/a", "jährlicher Nettonutzen", KOV_KENNWERT(v.Kosten.Nettonutzen)},
    // infinite for a variant that does not pay back within MaxAmortisation years
    {"Amortisationszeit", "a", "dynamische Amortisationszeit",
     KOV_KENNWERT(v.Kosten.Amortisiert ? v.Kosten.Amortisationszeit : INFINITY)},
};

#undef KOV_KENNWERT

constexpr TParetoAchse Achsen[] = {
    {"ParetoRohrlaenge", "RohrlaengeGesamt", &TVariantenErgebnis::ParetoRohrlaenge},
    {"ParetoVentilator", "Ventilatorenergie", &TVariantenErgebnis::ParetoVentilator},
    {"ParetoAnnuitaet", "Annuitaet", &TVariantenErgebnis::ParetoAnnuitaet},
};

// a beats b: no more cost and more energy, or less cost and no less energy
bool Schlaegt(double kostenA, double energieA, double kostenB, double energieB) {
    return (kostenA <= kostenB && energieA > energieB) ||
           (kostenA < kostenB && energieA >= energieB);
}

// One variant on the worker's context k: false when the run was cancelled. The register
// model's variants share the ground's set-up through vorrat.
bool VarianteRechnen(const TStudie& studie, std::size_t nummer, const TWetterJahr& basisWetter,
                     const TStundenFeld* fahrplan, const TLaufRueckmeldung& lauf,
                     TRegisterVorrat& vorrat, TKontext& k, TVariantenErgebnis& v) {
    const TRegisterParameter p = VarianteParameter(studie, nummer, &v.Werte);
    double hoehe = 0.0;
    const TWetterJahr& wetter = VarianteWetter(studie, nummer, basisWetter, &hoehe);
    const TLaufStatus status =
        RegisterModell(p) ? RegisterLaufRechnen(p, wetter, fahrplan, k, lauf, {}, hoehe, &vorrat)
                          : SimulationRechnen(p, wetter, fahrplan, k, lauf);
    if (status == TLaufStatus::Abgebrochen) return false;
    const std::string fehler = ErgebnisPruefen(k);
    if (!fehler.empty())
        throw TParameterFehler("Variante " + std::to_string(nummer + 1) + ": " + fehler);
    v.Ergebnis = k.Ergebnis;
    v.Kennwerte = KennwerteBerechnen(k);
    v.Kosten = WirtschaftlichkeitBerechnen(p, EnergieAusKennwerten(v.Kennwerte));
    v.Stroemungsgeschwindigkeit = k.Werte.Stroemungsgeschwindigkeit;
    v.RohrlaengeGesamt = k.Parameter.AnzahlRohre * k.Parameter.Rohrlaenge;
    v.Berechnet = true;
    return true;
}
} // namespace

std::span<const TParetoAchse> ParetoAchsen() {
    return Achsen;
}

void TParetoFront::Aufnehmen(std::size_t nummer, double kosten, double energie) {
    for (const TPunkt& p : Front)
        if (Schlaegt(p.Kosten, p.Energie, kosten, energie)) return;
    std::erase_if(Front,
                  [&](const TPunkt& p) { return Schlaegt(kosten, energie, p.Kosten, p.Energie); });
    Front.push_back({nummer, kosten, energie});
}

bool TParetoFront::Enthaelt(std::size_t nummer) const {
    return std::any_of(Front.begin(), Front.end(),
                       [&](const TPunkt& p) { return p.Nummer == nummer; });
}

TStudienBewertung::TStudienBewertung(const std::vector<TBedingung>& bedingungen)
    : Bedingungen(bedingungen), FrontenListe(std::size(Achsen)) {}

void TStudienBewertung::Aufnehmen(std::size_t nummer, TVariantenErgebnis& v) {
    v.Verletzt.clear();
    for (const TBedingung& b : Bedingungen) {
        const double wert = StudienKennwert(b.Kennwert)->Wert(v);
        if (b.Hoechstens ? !(wert <= b.Grenze) : !(wert >= b.Grenze))
            v.Verletzt.push_back(b.Kennwert);
    }
    if (!v.Verletzt.empty()) return;
    std::array<double, std::size(Achsen)> kosten{};
    for (std::size_t f = 0; f < kosten.size(); ++f)
        kosten[f] = StudienKennwert(Achsen[f].Kosten)->Wert(v);
    Aufnehmen(nummer, kosten, StudienKennwert(EnergieKennwert)->Wert(v));
}

void TStudienBewertung::Aufnehmen(std::size_t nummer, std::span<const double> kosten,
                                  double energie) {
    for (std::size_t f = 0; f < FrontenListe.size(); ++f)
        FrontenListe[f].Aufnehmen(nummer, kosten[f], energie);
}

std::span<const TStudienKennwert> StudienKennwerte() {
    return Kennwerte;
}

const TStudienKennwert* StudienKennwert(std::string_view name) {
    for (const TStudienKennwert& k : Kennwerte)
        if (k.Name == name) return &k;
    return nullptr;
}

TVariation VariationLesen(std::string_view name, std::string_view liste) {
    TVariation variation;
    variation.Name = std::string(name);
    if (liste.empty()) Fehler(name, "die Liste der Werte ist leer.");
    if (name == BodenDimension) {
        const std::size_t arten = Bodenarten().size() - 1;
        if (liste == "alle") {
            for (std::size_t i = 1; i <= arten; ++i)
                variation.Werte.push_back(static_cast<double>(i));
            return variation;
        }
        for (std::string_view teil : Teile(liste, ',')) {
            const double wert = ZahlOderFehler(name, teil);
            if (wert != std::floor(wert) || wert < 1 || wert > static_cast<double>(arten))
                Fehler(name, "die Bodenart " + std::string(teil) + " gibt es nicht (1.." +
                                 std::to_string(arten) + " oder alle).");
            variation.Werte.push_back(wert);
        }
        return variation;
    }
    if (TextDimension(name)) {
        for (std::string_view teil : Teile(liste, ',')) {
            if (teil.empty()) Fehler(name, "ein Wert der Liste ist leer.");
            if (std::find(variation.Texte.begin(), variation.Texte.end(), teil) !=
                variation.Texte.end())
                Fehler(name, "\"" + std::string(teil) + "\" steht zweimal in der Liste.");
            variation.Werte.push_back(static_cast<double>(variation.Texte.size()));
            variation.Texte.emplace_back(teil);
        }
        return variation;
    }
    const TKatalogEintrag* e = KatalogEintrag(name);
    if (e == nullptr) Fehler(name, "unbekannter Parameter.");
    if (e->Abgeleitet) Fehler(name, "wird vom Programm berechnet und kann nicht variiert werden.");
    if (FeldTyp(*e) == TFeldTyp::Text) Fehler(name, "ist ein Text und kann nicht variiert werden.");
    variation.Werte = liste.find(':') != std::string_view::npos ? BereichLesen(name, liste)
                                                                : std::vector<double>{};
    if (variation.Werte.empty())
        for (std::string_view teil : Teile(liste, ','))
            variation.Werte.push_back(ZahlOderFehler(name, teil));
    for (double wert : variation.Werte)
        WertPruefen(*e, wert);
    return variation;
}

bool TextDimension(std::string_view name) {
    return name == "Modell" || name == "Klima";
}

std::string VariationsText(const TVariation& v, double wert) {
    if (!v.Texte.empty()) return v.Texte[static_cast<std::size_t>(wert)];
    return WertText(wert);
}

const TWetterJahr& VarianteWetter(const TStudie& studie, std::size_t nummer,
                                  const TWetterJahr& basis, double* hoehe) {
    for (std::size_t d = studie.Variationen.size(); d-- > 0;) {
        const TVariation& v = studie.Variationen[d];
        if (v.Name == "Klima") {
            if (studie.KlimaWetter.size() != v.Werte.size() ||
                studie.KlimaHoehe.size() != v.Werte.size())
                Fehler(v.Name, "die Wetterjahre der Klimas sind nicht gelesen.");
            const std::size_t klima = nummer % v.Werte.size();
            if (hoehe != nullptr) *hoehe = studie.KlimaHoehe[klima];
            return *studie.KlimaWetter[klima];
        }
        nummer /= v.Werte.size();
    }
    if (hoehe != nullptr) *hoehe = studie.Hoehe;
    return basis;
}

TBedingung BedingungLesen(std::string_view text) {
    TBedingung bedingung;
    std::size_t stelle = text.find("<=");
    if (stelle == std::string_view::npos) {
        stelle = text.find(">=");
        bedingung.Hoechstens = false;
    }
    if (stelle == std::string_view::npos || stelle == 0)
        throw TStudienFehler("\"" + std::string(text) +
                             "\": eine Bedingung hat die Form KENNWERT<=WERT oder KENNWERT>=WERT.");
    bedingung.Kennwert = std::string(text.substr(0, stelle));
    if (StudienKennwert(bedingung.Kennwert) == nullptr)
        Fehler(bedingung.Kennwert, "unbekannter Kennwert einer Bedingung.");
    bedingung.Grenze = ZahlOderFehler(bedingung.Kennwert, text.substr(stelle + 2));
    return bedingung;
}

std::size_t VariantenZahl(const TStudie& studie) {
    std::size_t parameter = 0;
    std::size_t anzahl = 1;
    for (std::size_t i = 0; i < studie.Variationen.size(); ++i) {
        const TVariation& v = studie.Variationen[i];
        if (v.Name != BodenDimension) ++parameter;
        if (v.Werte.empty()) Fehler(v.Name, "die Liste der Werte ist leer.");
        for (std::size_t j = 0; j < i; ++j)
            if (studie.Variationen[j].Name == v.Name) Fehler(v.Name, "wird zweimal variiert.");
        if (anzahl > MaxVarianten / v.Werte.size() + 1)
            anzahl = MaxVarianten + 1;
        else
            anzahl *= v.Werte.size();
    }
    if (parameter > MaxVariierteParameter)
        throw TStudienFehler("Höchstens " + std::to_string(MaxVariierteParameter) +
                             " Parameter (und die Bodenart) lassen sich zugleich variieren.");
    if (anzahl > MaxVarianten)
        throw TStudienFehler("Die Studie hätte mehr als " + std::to_string(MaxVarianten) +
                             " Varianten; bitte weniger Werte wählen.");
    return anzahl;
}

TRegisterParameter VarianteParameter(const TStudie& studie, std::size_t nummer,
                                     std::vector<double>* werte) {
    TRegisterParameter p = studie.Basis;
    const std::size_t dimensionen = studie.Variationen.size();
    if (werte != nullptr) werte->assign(dimensionen, 0.0);
    // the last dimension varies fastest
    for (std::size_t d = dimensionen; d-- > 0;) {
        const TVariation& v = studie.Variationen[d];
        const double wert = v.Werte[nummer % v.Werte.size()];
        nummer /= v.Werte.size();
        WertSetzen(p, v, wert);
        if (werte != nullptr) (*werte)[d] = wert;
    }
    AnteilErdeBerechnen(p);
    return p;
}

std::vector<std::string> StudiePruefen(const TStudie& studie, const TWetterJahr& wetter,
                                       unsigned faeden, std::size_t grenze) {
    return StudiePruefen(studie, wetter, faeden, grenze, TStudienRueckmeldung{});
}

std::vector<std::string> StudiePruefen(const TStudie& studie, const TWetterJahr& wetter,
                                       unsigned faeden, std::size_t grenze,
                                       const TStudienRueckmeldung& rueckmeldung) {
    const std::size_t anzahl = VariantenZahl(studie);
    // the messages of the first refused variants only, so a large study's check stays small
    std::map<std::size_t, std::string> meldungen;
    std::mutex schutz;
    std::atomic<bool> stopp{false};
    ParallelFuer(
        anzahl, faeden,
        [&](std::size_t nummer, unsigned) {
            if (rueckmeldung.Abbruch != nullptr && rueckmeldung.Abbruch->load()) {
                stopp = true;
                return;
            }
            std::vector<double> werte;
            const std::vector<std::string> fehler = ParameterPruefen(
                VarianteParameter(studie, nummer, &werte), &VarianteWetter(studie, nummer, wetter));
            if (rueckmeldung.Fertig != nullptr) rueckmeldung.Fertig->fetch_add(1);
            if (fehler.empty()) return;
            std::string text = "Variante " + std::to_string(nummer + 1) + " (";
            for (std::size_t d = 0; d < werte.size(); ++d)
                text.append(d > 0 ? ", " : "")
                    .append(studie.Variationen[d].Name)
                    .append("=")
                    .append(VariationsText(studie.Variationen[d], werte[d]));
            text.append("): ").append(fehler.front());
            const std::lock_guard<std::mutex> sperre(schutz);
            meldungen.emplace(nummer, std::move(text));
            if (meldungen.size() > grenze) meldungen.erase(std::prev(meldungen.end()));
        },
        stopp);
    std::vector<std::string> gesammelt;
    gesammelt.reserve(meldungen.size());
    for (auto& [nummer, meldung] : meldungen)
        gesammelt.push_back(std::move(meldung));
    return gesammelt;
}

void StudieRechnen(const TStudie& studie, const TWetterJahr& wetter, const TStundenFeld* fahrplan,
                   unsigned faeden, std::vector<TVariantenErgebnis>& ergebnis,
                   const TStudienRueckmeldung& rueckmeldung) {
    ergebnis.assign(VariantenZahl(studie), TVariantenErgebnis{});
    StudieFortsetzen(studie, wetter, fahrplan, faeden, ergebnis, rueckmeldung);
}

void StudieFortsetzen(const TStudie& studie, const TWetterJahr& wetter,
                      const TStundenFeld* fahrplan, unsigned faeden,
                      std::vector<TVariantenErgebnis>& ergebnis,
                      const TStudienRueckmeldung& rueckmeldung) {
    if (ergebnis.size() != VariantenZahl(studie))
        throw TStudienFehler("Die Ergebnisse gehören nicht zu dieser Studie.");
    std::vector<std::size_t> offen;
    for (std::size_t nummer = 0; nummer < ergebnis.size(); ++nummer)
        if (!ergebnis[nummer].Berechnet) offen.push_back(nummer);
    const std::size_t anzahl = offen.size();
    if (faeden == 0) faeden = std::max(1u, std::thread::hardware_concurrency());
    // one context per worker, made once: a variant costs what a plain run costs
    std::vector<std::unique_ptr<TKontext>> kontexte;
    for (unsigned i = 0; i < std::min<std::size_t>(faeden, anzahl); ++i)
        kontexte.push_back(std::make_unique<TKontext>());
    std::atomic<bool> stopp{false};
    TLaufRueckmeldung lauf;
    lauf.Abbruch = rueckmeldung.Abbruch;
    TRegisterVorrat vorrat;
    ParallelFuer(
        anzahl, faeden,
        [&](std::size_t index, unsigned faden) {
            const std::size_t nummer = offen[index];
            TKontext& k = *kontexte[faden];
            if (!VarianteRechnen(studie, nummer, wetter, fahrplan, lauf, vorrat, k,
                                 ergebnis[nummer])) {
                stopp = true;
                return;
            }
            if (rueckmeldung.NachVariante) rueckmeldung.NachVariante(nummer, k);
            if (rueckmeldung.Fertig != nullptr) rueckmeldung.Fertig->fetch_add(1);
        },
        stopp);
    StudieBewerten(studie.Bedingungen, ergebnis);
}

void StudieStroemen(const TStudie& studie, const TWetterJahr& wetter, const TStundenFeld* fahrplan,
                    unsigned faeden, const TVariantenFolge& folge,
                    const std::function<void(std::size_t nummer, TVariantenErgebnis& v)>& geordnet,
                    const TStudienRueckmeldung& rueckmeldung) {
    if (faeden == 0) faeden = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::unique_ptr<TKontext>> kontexte;
    for (unsigned i = 0; i < std::min<std::size_t>(faeden, folge.Anzahl); ++i)
        kontexte.push_back(std::make_unique<TKontext>());
    // how far a worker may run ahead of the last result handed on, in variants of folge
    const std::size_t fenster = 4 * std::size_t{faeden} + 4;
    std::mutex schutz;
    std::condition_variable weiter;
    std::map<std::size_t, TVariantenErgebnis> zurueck; // finished, waiting for a gap
    std::size_t naechste = 0;                          // the next index of folge to hand on
    std::atomic<bool> stopp{false};
    const auto anhalten = [&] {
        {
            const std::lock_guard<std::mutex> sperre(schutz);
            stopp = true;
        }
        weiter.notify_all();
    };
    TLaufRueckmeldung lauf;
    lauf.Abbruch = rueckmeldung.Abbruch;
    TRegisterVorrat vorrat;
    ParallelFuer(
        folge.Anzahl, faeden,
        [&](std::size_t index, unsigned faden) {
            try {
                {
                    std::unique_lock<std::mutex> sperre(schutz);
                    weiter.wait(sperre, [&] { return stopp || index < naechste + fenster; });
                    if (stopp) return;
                }
                const std::size_t nummer = folge.Anfang + index * folge.Schritt;
                TKontext& k = *kontexte[faden];
                TVariantenErgebnis v;
                if (!VarianteRechnen(studie, nummer, wetter, fahrplan, lauf, vorrat, k, v)) {
                    anhalten();
                    return;
                }
                if (rueckmeldung.NachVariante) rueckmeldung.NachVariante(nummer, k);
                if (rueckmeldung.Fertig != nullptr) rueckmeldung.Fertig->fetch_add(1);
                {
                    const std::lock_guard<std::mutex> sperre(schutz);
                    if (stopp) return;
                    zurueck.emplace(index, std::move(v));
                    for (auto erste = zurueck.begin();
                         erste != zurueck.end() && erste->first == naechste;
                         erste = zurueck.erase(erste), ++naechste)
                        geordnet(folge.Anfang + naechste * folge.Schritt, erste->second);
                }
                weiter.notify_all();
            } catch (...) {
                anhalten();
                throw;
            }
        },
        stopp);
}

void StudieBewerten(const std::vector<TBedingung>& bedingungen,
                    std::vector<TVariantenErgebnis>& ergebnis) {
    TStudienBewertung bewertung(bedingungen);
    for (std::size_t i = 0; i < ergebnis.size(); ++i) {
        TVariantenErgebnis& v = ergebnis[i];
        v.Verletzt.clear();
        for (const TParetoAchse& achse : Achsen)
            v.*achse.Marke = false;
        if (v.Berechnet) bewertung.Aufnehmen(i, v);
    }
    for (std::size_t f = 0; f < std::size(Achsen); ++f)
        for (const TParetoFront::TPunkt& p : bewertung.Fronten()[f].Punkte())
            ergebnis[p.Nummer].*Achsen[f].Marke = true;
}

} // namespace kov
