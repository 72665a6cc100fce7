// The figures of the register model's chapter of docs/validierung.md, one JSON object per line on
// stdout; tools/validierung.py sets them as text. Every figure is computed here from the model's
// own functions: analytic limits of its ground, the refinement of every resolution for designs
// across the range, the air's moisture on a test reference year, and the comparison with the
// classic model.
//   kov-register-validierung TESTDATEN_ORDNER

#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "register/feuchte_luft.h"
#include "register/register_lauf.h"

#include <cmath>
#include <complex>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kov;

constexpr double Pi = 3.14159;

void Zeile(const std::string& art, const std::vector<std::pair<std::string, double>>& werte,
           const std::string& name = {}) {
    std::printf("{\"art\": \"%s\"", art.c_str());
    if (!name.empty()) std::printf(", \"name\": \"%s\"", name.c_str());
    for (const auto& [schluessel, wert] : werte)
        std::printf(", \"%s\": %.10g", schluessel.c_str(), wert);
    std::printf("}\n");
}

TErdreichDaten Daten(double tiefe, double radius, double alpha) {
    TErdreichDaten d;
    d.Tiefe = tiefe;
    d.RadiusAussen = radius;
    d.AlphaOberflaeche = alpha;
    return d;
}

void Grenzfaelle() {
    const double lambda = TErdreichDaten{}.Lambda;
    for (const auto& [tiefe, radius] : {std::pair{1.0, 0.1}, {0.5, 0.2}, {4.0, 0.05}}) {
        const TModalSystem s = RohrAntwortBerechnen(Daten(tiefe, radius, 1e9), {});
        Zeile("einzelrohr", {{"tiefe", tiefe},
                             {"radius", radius},
                             {"modell", 1 / StationaereAntwort(s, 0)},
                             {"analytisch", 2 * Pi * lambda / std::acosh(tiefe / radius)}});
    }
    for (const auto& [tiefe, radius, abstand] :
         {std::tuple{1.0, 0.1, 1.0}, {2.0, 0.1, 1.0}, {3.0, 0.1, 2.0}}) {
        std::vector<double> abstaende;
        for (int m = 1; m <= 4000; ++m)
            abstaende.push_back(m * abstand);
        const TModalSystem s = RohrAntwortBerechnen(Daten(tiefe, radius, 1e9), abstaende);
        double widerstand = StationaereAntwort(s, 0);
        for (int m = 1; m <= 4000; ++m)
            widerstand += 2 * StationaereAntwort(s, m);
        Zeile("reihe", {{"tiefe", tiefe},
                        {"radius", radius},
                        {"abstand", abstand},
                        {"modell", 1 / widerstand},
                        {"analytisch", 2 * Pi * lambda /
                                           std::log(abstand / (Pi * radius) *
                                                    std::sinh(2 * Pi * tiefe / abstand))}});
    }
    const double a = lambda / TErdreichDaten{}.RhoC;
    const double omega = 2 * M_PI / (8760.0 * 3600);
    const double delta = std::sqrt(2 * a / omega);
    TStundenFeld luft{};
    for (int h = 1; h <= StundenImJahr; ++h)
        luft[static_cast<std::size_t>(h)] =
            10 + 10 * std::sin(2 * M_PI * (h - 0.5) / StundenImJahr);
    const auto harmonische = [](const TStundenFeld& reihe) {
        std::complex<double> summe = 0.0;
        for (int h = 1; h <= StundenImJahr; ++h) {
            const double w = 2 * M_PI * (h - 0.5) / StundenImJahr;
            summe += reihe[static_cast<std::size_t>(h)] *
                     std::complex<double>(std::cos(w), -std::sin(w));
        }
        return summe * (2.0 / StundenImJahr);
    };
    const std::complex<double> antrieb = harmonische(luft);
    for (double z : {0.5, 1.0, 2.0, 4.0}) {
        TStundenFeld boden{};
        PeriodischRechnen(SaeuleAufbauen(Daten(z, 0.1, 1e9), z), luft, boden);
        const std::complex<double> ist = harmonische(boden) / antrieb;
        Zeile("welle", {{"tiefe", z},
                        {"daempfung", std::abs(ist)},
                        {"analytisch", std::exp(-z / delta)},
                        {"verzug", -std::arg(ist) / omega / 86400},
                        {"verzugAnalytisch", z / delta / omega / 86400}});
    }
}

struct TEntwurf {
    const char* name;
    double tiefe, laenge, d, abstand;
    int rohre;
    double anteilNenn;
};

TRegisterParameter Parameter(const TEntwurf& e) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    p.Tiefe = e.tiefe;
    p.Rohrlaenge = e.laenge;
    p.DRohr = e.d;
    p.Rohrabstand = e.abstand;
    p.AnzahlRohre = e.rohre;
    if (e.anteilNenn > 0)
        p.Volumenstrom = e.anteilNenn * 2.0 * 3600 * 3.14159 * e.d * e.d / 4 * e.rohre;
    return p;
}

void Konvergenz(TKontext& k) {
    const TEntwurf entwuerfe[] = {
        {"Standardwerte", 1.0, 50, 0.1922, 1.0, 15, 0.0},
        {"tief und eng", 4.0, 50, 0.1, 0.3, 30, 1.0},
        {"flach und weit", 1.0, 100, 0.5, 5.0, 2, 1.0},
        {"kurzes Einzelrohr", 2.0, 10, 0.2, 1.0, 1, 0.2},
    };
    struct TVariante {
        const char* name;
        void (*setzen)(TRegisterAufloesung&);
    };
    const TVariante varianten[] = {
        {"Basis", [](TRegisterAufloesung&) {}},
        {"Querschnitt",
         [](TRegisterAufloesung& a) {
             a.Erdreich.ZellenWinkel *= 2;
             a.Erdreich.ZellenRadial *= 2;
         }},
        {"Zeitkonstanten", [](TRegisterAufloesung& a) { a.Erdreich.Zeitkonstanten *= 2; }},
        {"Saeule", [](TRegisterAufloesung& a) { a.Erdreich.ErsteSchicht /= 2; }},
        {"Axialzellen", [](TRegisterAufloesung& a) { a.AxialZellen *= 2; }},
        {"Zeitschritte", [](TRegisterAufloesung& a) { a.SubSchritte *= 4; }},
        {"alles",
         [](TRegisterAufloesung& a) {
             a.Erdreich.ZellenWinkel *= 2;
             a.Erdreich.ZellenRadial *= 2;
             a.Erdreich.Zeitkonstanten *= 2;
             a.Erdreich.ErsteSchicht /= 2;
             a.AxialZellen *= 2;
             a.SubSchritte *= 2;
         }},
    };
    for (const TEntwurf& e : entwuerfe)
        for (const TVariante& v : varianten) {
            TRegisterAufloesung a;
            v.setzen(a);
            RegisterLaufRechnen(Parameter(e), EingebautesWetterJahr(), nullptr, k, {}, a);
            const TRegisterErgebnis& r = k.RegisterErgebnis;
            Zeile("konvergenz",
                  {{"heiz", r.Heizenergie},
                   {"kuehl", r.Kuehlenergie},
                   {"tmin", r.TausMin},
                   {"jahre", r.Einschwingjahre},
                   {"moden", k.Register.K}},
                  std::string(e.name) + "|" + v.name);
        }
}

// The classic problem computed by the register's numerics: every pipe alone in soil held at the
// classic monthly undisturbed temperature on the circle of radius r_a + SimRadius, dry air of
// fixed density; set beside the fine-grid reference of the same designs.
void Ring(TKontext& k) {
    const struct {
        const char* name;
        void (*setzen)(TRegisterParameter&);
    } faelle[] = {
        {"Standardwerte", [](TRegisterParameter&) {}},
        {"Rohrlänge 25 m", [](TRegisterParameter& p) { p.Rohrlaenge = 25; }},
        {"Volumenstrom 1500 m³/h", [](TRegisterParameter& p) { p.Volumenstrom = 1500; }},
        {"Simulationsradius 0,6 m", [](TRegisterParameter& p) { p.SimRadius = 0.6; }},
        {"Verlegetiefe 2 m", [](TRegisterParameter& p) { p.Tiefe = 2; }},
    };
    for (const auto& f : faelle) {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        f.setzen(p);
        p.Modell = "register";
        TRegisterAufloesung a;
        a.Ringradius = p.DRohr / 2 + p.WandstaerkeRohr + p.SimRadius;
        a.EinschwingGrenze = 1e-6;
        a.MaxEinschwingjahre = 40;
        RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, k, {}, a);
        const TRegisterErgebnis& r = k.RegisterErgebnis;
        Zeile("ring",
              {{"heiz", r.HeizenergieAb2},
               {"kuehl", r.KuehlenergieAb2},
               {"ring", a.Ringradius},
               {"jahre", r.Einschwingjahre}},
              f.name);
    }
}

void Vergleich(TKontext& k, const std::string& testdaten) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    WetterDateiLesen(testdaten + "/wetter/TRY2015_494414066370_Jahr.dat", *jahr, info);
    const struct {
        const char* name;
        const TWetterJahr* wetter;
    } jahre[] = {{"eingebaut", &EingebautesWetterJahr()}, {"TRY", jahr.get()}};
    const struct {
        const char* name;
        double tiefe, abstand;
    } faelle[] = {{"Standard", 1.0, 1.0},
                  {"Abstand 0,5 m", 1.0, 0.5},
                  {"Tiefe 2 m", 2.0, 1.0},
                  {"Tiefe 3 m", 3.0, 1.0}};
    for (const auto& w : jahre)
        for (const auto& f : faelle) {
            TRegisterParameter p;
            ParameterStandardwerteSetzen(p);
            p.Tiefe = f.tiefe;
            p.Rohrabstand = f.abstand;
            SimulationRechnen(p, *w.wetter, nullptr, k);
            const double heizKlassisch = k.Ergebnis.Heizenergie;
            const double kuehlKlassisch = k.Ergebnis.Kuehlenergie;
            p.Modell = "register";
            SimulationRechnen(p, *w.wetter, nullptr, k);
            const TRegisterErgebnis& r = k.RegisterErgebnis;
            Zeile("vergleich",
                  {{"heizKlassisch", heizKlassisch},
                   {"kuehlKlassisch", kuehlKlassisch},
                   {"heiz", r.Heizenergie},
                   {"kuehl", r.Kuehlenergie},
                   {"kondensat", r.KondensatJahr},
                   {"latent", r.LatenteEnergie},
                   {"feuchte", r.Feuchtedaten ? 1.0 : 0.0},
                   {"jahre", r.Einschwingjahre}},
                  std::string(w.name) + "|" + f.name);
        }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: kov-register-validierung TESTDATEN_ORDNER\n");
        return 2;
    }
    auto k = std::make_unique<TKontext>();
    Grenzfaelle();
    Konvergenz(*k);
    Ring(*k);
    Vergleich(*k, argv[1]);
    return 0;
}
