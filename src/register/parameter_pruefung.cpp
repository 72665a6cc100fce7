#include "register/parameter_pruefung.h"

#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "model/parameter_katalog.h"
#include "register/lauf.h"
#include "register/lueftungsanlage.h"

#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace kov {

namespace {

class TPruefung {
public:
    explicit TPruefung(std::vector<std::string>& meldungen) : Meldungen(meldungen) {}

    void Melden(std::string_view bezeichnung, std::string_view name, std::string_view regel) {
        std::string text;
        text.reserve(bezeichnung.size() + name.size() + regel.size() + 4);
        text.append(bezeichnung).append(" (").append(name).append(") ").append(regel);
        Meldungen.push_back(std::move(text));
    }

    void Zahl(double wert, const TKatalogEintrag& e, std::string_view bezeichnung,
              std::string_view name) {
        const std::string regel = BereichsVerstoss(e, wert);
        if (!regel.empty()) Melden(bezeichnung, name, regel);
    }

    void Ganzzahl(long wert, long anzahlGitter, const TKatalogEintrag& e) {
        const std::string regel = BereichsVerstoss(e, wert, anzahlGitter);
        if (!regel.empty()) Melden(e.Bezeichnung, e.Name, regel);
    }

private:
    std::vector<std::string>& Meldungen;
};

bool GleicherName(const std::string& a, const std::string& b) {
    return std::filesystem::path(a).lexically_normal() ==
           std::filesystem::path(b).lexically_normal();
}

template <class TFeld> bool Endlich(const TFeld& z, int von, int bis) {
    for (int i = von; i <= bis; ++i)
        if (!std::isfinite(z[static_cast<std::size_t>(i)])) return false;
    return true;
}

// finite and growing outwards, so that every ring has a width
bool Radien(const TGitterZeile& r, const TGitterZeile& rm, int n) {
    if (!Endlich(r, 0, n) || !Endlich(rm, 1, n)) return false;
    for (int i = 1; i <= n; ++i)
        if (!(r[static_cast<std::size_t>(i)] > r[static_cast<std::size_t>(i - 1)])) return false;
    for (int i = 2; i <= n; ++i)
        if (!(rm[static_cast<std::size_t>(i)] > rm[static_cast<std::size_t>(i - 1)])) return false;
    return true;
}

bool Positiv(const TGitterZeile& z, int von, int bis) {
    for (int i = von; i <= bis; ++i)
        if (!(z[static_cast<std::size_t>(i)] > 0) || !std::isfinite(z[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

bool MatrixEndlich(const TSchrittMatrix& M, int n) {
    for (int i = 0; i <= n + 1; ++i)
        if (!Endlich(M[static_cast<std::size_t>(i)], 0, n + 1)) return false;
    return true;
}

bool GitterEndlich(const TErdGitter& g, int n) {
    for (int a = 1; a <= n; ++a)
        if (!Endlich(g[static_cast<std::size_t>(a)], 0, n + 1)) return false;
    return true;
}

// The fields a part of the model depends on, named as the fields that differ from their
// defaults (all of them when none does): those are the likely culprits.
std::string Verdaechtige(const TRegisterParameter& p,
                         std::initializer_list<std::string_view> namen) {
    TRegisterParameter standard;
    ParameterStandardwerteSetzen(standard);
    std::string geaendert;
    std::string alle;
    for (std::string_view name : namen) {
        const TKatalogEintrag* e = KatalogEintrag(name);
        if (e == nullptr) continue;
        std::string feld(e->Bezeichnung);
        feld.append(" (").append(e->Name).append(")");
        (alle.empty() ? alle : alle.append(", ")).append(feld);
        if (!FeldGleich(p, standard, *e))
            (geaendert.empty() ? geaendert : geaendert.append(", ")).append(feld);
    }
    return geaendert.empty() ? alle : geaendert;
}

class TProbe {
public:
    TProbe(const TRegisterParameter& p, std::vector<std::string>& meldungen)
        : P(p), Meldungen(meldungen) {}

    // false when the part failed (and says so)
    bool Teil(bool gut, std::string_view was, std::initializer_list<std::string_view> felder) {
        if (gut) return true;
        std::string text(was);
        text.append(" lässt sich mit diesen Parametern nicht berechnen; zu prüfen: ")
            .append(Verdaechtige(P, felder))
            .append(".");
        Meldungen.push_back(std::move(text));
        return false;
    }

private:
    const TRegisterParameter& P;
    std::vector<std::string>& Meldungen;
};

const TWetterJahr& NeutralesWetter() {
    static const std::unique_ptr<const TWetterJahr> jahr = [] {
        auto w = std::make_unique<TWetterJahr>();
        w->Tein.fill(10.0);
        w->RelFeuchte.fill(10.0);
        return w;
    }();
    return *jahr;
}

// The set-up of a run and its first hour on a copy, each part judged on its own.
void ModellProben(const TRegisterParameter& p, const TWetterJahr& wetter,
                  std::vector<std::string>& meldungen) {
    TProbe probe(p, meldungen);
    auto k = std::make_unique<TKontext>();
    k->Parameter = p;
    // the first hour runs through the pipes at the nominal flow, whatever the control decides
    k->Parameter.FahrplanGelesen = false;
    k->Parameter.Betriebszeiten.clear();
    k->Parameter.Geregelt = false;
    TRegisterParameter& q = k->Parameter;
    const int n = q.AnzahlGitter;

    const double v = StroemungsGeschwindigkeit(q);
    k->Werte.Stroemungsgeschwindigkeit = v;
    if (!probe.Teil(std::isfinite(v) && v > 0, "Die Luftgeschwindigkeit",
                    {"Volumenstrom", "DRohr", "AnzahlRohre"}))
        return;
    WetterSchritt(*k, wetter);
    if (!probe.Teil(Endlich(k->Werte.ErdTemperaturMonat, 1, 12), "Die Erdtemperatur am Rand",
                    {"LambdaErde", "RhoErde", "CpErde", "Tiefe", "ErdTemperaturSpeziell"}))
        return;
    LaufGroessenSetzen(*k);
    auto z = std::make_unique<TErdZustand>();
    try {
        ErdGitterBerechnen(*k, *z, k->Werte.SubZeitschritt);
    } catch (const TParameterFehler& fehler) {
        meldungen.emplace_back(fehler.what());
        return;
    }
    bool gut = probe.Teil(Radien(z->RadienErde, z->MittelradienErde, n), "Das radiale Gitter",
                          {"DRohr", "WandstaerkeRohr", "SimRadius", "Radiusteiler"});
    gut = probe.Teil(Radien(z->RadienKeller, z->MittelradienKeller, n),
                     "Das Gitter unter dem Keller", {"TiefeKeller", "DRohr", "WandstaerkeRohr"}) &&
          gut;
    if (!gut) return;
    gut = probe.Teil(Positiv(z->KapazitaetErde, 1, 1), "Die Wärmekapazität der Rohrwand",
                     {"RhoRohr", "CpRohr", "Rohrlaenge", "WandstaerkeRohr"});
    gut = probe.Teil(Positiv(z->KapazitaetErde, 2, n), "Die Wärmekapazität des Erdreichs",
                     {"RhoErde", "CpErde", "Rohrlaenge", "SimRadius"}) &&
          gut;
    gut = probe.Teil(Positiv(z->KapazitaetKeller, 2, n),
                     "Die Wärmekapazität der Schicht unter dem Keller",
                     {"RhoPlatte", "CpPlatte", "Rohrlaenge", "TiefeKeller"}) &&
          gut;
    gut = probe.Teil(std::isfinite(z->KapazitaetsstromLuft) && z->KapazitaetsstromLuft > 0,
                     "Der Wärmekapazitätsstrom der Luft",
                     {"RhoLuft", "CpLuft", "Volumenstrom", "AnzahlRohre", "DRohr"}) &&
          gut;
    gut = probe.Teil(std::isfinite(z->LeitwertWand) && Positiv(z->LeitwertErde, 2, n + 1),
                     "Die Wärmeleitung von Rohrwand und Erdreich",
                     {"LambdaRohr", "LambdaErde", "Rohrlaenge", "WandstaerkeRohr"}) &&
          gut;
    gut = probe.Teil(Endlich(z->LeitwertKeller, 1, n + 1), "Die Wärmeleitung zum Keller",
                     {"LambdaPlatte", "KWertKeller", "Rohrlaenge"}) &&
          gut;
    gut = probe.Teil(std::isfinite(z->LeitwertStillstand), "Der Wärmeübergang bei Stillstand",
                     {"AlphaStillstand", "LambdaRohr"}) &&
          gut;
    if (!gut) return;
    const bool matrizen =
        MatrixEndlich(z->MatrixErdeBetrieb, n) && MatrixEndlich(z->MatrixErdeStillstand, n) &&
        MatrixEndlich(z->MatrixAdiabatBetrieb, n) && MatrixEndlich(z->MatrixAdiabatStillstand, n) &&
        MatrixEndlich(z->MatrixKellerBetrieb, n) && MatrixEndlich(z->MatrixKellerStillstand, n);
    if (!probe.Teil(matrizen, "Der Zeitschritt des Erdreichs",
                    {"Zeitschritt", "AnzahlSubSchritte", "Rohrlaenge", "RhoErde", "CpErde",
                     "LambdaErde", "RhoRohr", "CpRohr", "LambdaRohr", "RhoPlatte", "CpPlatte",
                     "LambdaPlatte"}))
        return;

    LaufZustandAufbauen(*k);
    SimuliereStunden(*k, 1, 1, 1);
    const bool ersteStunde =
        std::isfinite(k->Lauf.TAusAktuell) && std::isfinite(k->Lauf.Alpha) &&
        std::isfinite(k->Lauf.Leistung) && GitterEndlich(k->Erde.GitterErde, n) &&
        GitterEndlich(k->Erde.GitterAdiabat, n) && GitterEndlich(k->Erde.GitterKeller, n);
    probe.Teil(ersteStunde, "Die erste Stunde",
               {"ViskositaetLuft", "LambdaLuft", "RhoLuft", "CpLuft", "KellerTemperatur",
                "ErdTemperaturSpeziell", "Rohrlaenge"});
}

} // namespace

std::vector<std::string> ParameterPruefen(const TRegisterParameter& p, const TWetterJahr* wetter) {
    std::vector<std::string> meldungen;
    TPruefung pruefe(meldungen);
    const int n = p.AnzahlGitter;

    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
            pruefe.Zahl(FeldWert<double>(p, e), e, e.Bezeichnung, e.Name);
            break;
        case TFeldTyp::Monate:
            for (int monat = 1; monat <= 12; ++monat) {
                std::string bezeichnung(e.Bezeichnung);
                bezeichnung.append(" ").append(MonatsName(monat));
                std::string name(e.Name);
                name.append("[").append(std::to_string(monat)).append("]");
                pruefe.Zahl(FeldWert<TMonatsFeld>(p, e)[static_cast<std::size_t>(monat)], e,
                            bezeichnung, name);
            }
            break;
        case TFeldTyp::Ganzzahl:
            pruefe.Ganzzahl(FeldWert<std::int32_t>(p, e), n, e);
            break;
        case TFeldTyp::Wahrheitswert:
        case TFeldTyp::Text:
            break;
        }
    }

    // the three sectors share one circumference
    const auto anteil = [](double a) { return a >= 0 && a <= 1; };
    if (anteil(p.AnteilAdiabat) && anteil(p.AnteilKeller) && p.AnteilAdiabat + p.AnteilKeller > 1)
        pruefe.Melden("Adiabater Anteil und Kelleranteil", "AnteilAdiabat + AnteilKeller",
                      "dürfen zusammen höchstens 1 sein.");

    if (p.OutputFile.empty())
        pruefe.Melden("Ausgabedatei", "OutputFile", "darf nicht leer sein.");
    else if (GleicherName(p.OutputFile, HilfsDatei))
        pruefe.Melden("Ausgabedatei", "OutputFile",
                      "darf nicht \"" + std::string(HilfsDatei) + "\" heißen (Hilfsdatei).");
    if (p.FahrplanGelesen && p.FahrplanFile.empty())
        pruefe.Melden("Fahrplandatei", "FahrplanFile", "darf nicht leer sein.");
    else if (p.FahrplanGelesen && !p.OutputFile.empty() &&
             GleicherName(p.OutputFile, p.FahrplanFile))
        pruefe.Melden("Ausgabedatei", "OutputFile",
                      "darf nicht die Fahrplandatei (FahrplanFile) sein: der Bericht würde den "
                      "Fahrplan überschreiben.");

    for (const std::string& meldung : AnlagenParameterPruefen(p))
        meldungen.push_back(meldung);

    if (!p.WetterDatei.empty() && !p.EingebautesWetter)
        pruefe.Melden("Wetterdatei", "WetterDatei",
                      "und EingebautesWetter=false widersprechen sich: das Wetter kommt entweder "
                      "aus der Wetterdatei oder aus dem letzten Bericht.");

    if (meldungen.empty())
        ModellProben(p, wetter != nullptr ? *wetter : NeutralesWetter(), meldungen);
    return meldungen;
}

} // namespace kov
