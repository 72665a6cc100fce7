// The texts of the design report: every catalogue field once in its group, the marks of the
// values that differ from the defaults, how values print, and the note on the method.
#include "ablauf/auslegungsbericht.h"

#include "files/wetter.h"
#include "model/parameter_katalog.h"
#include "register/kennwerte_text.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

const TEingabeZeile& Zeile(const std::vector<TEingabeZeile>& zeilen, const std::string& name) {
    const auto it = std::find_if(zeilen.begin(), zeilen.end(),
                                 [&](const TEingabeZeile& z) { return z.Name == name; });
    if (it == zeilen.end()) throw std::runtime_error("keine Zeile " + name);
    return *it;
}

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

TEST(Auslegungsbericht, EveryFieldOnceInItsGroupNoMarkForTheDefaults) {
    const std::vector<TEingabeZeile> zeilen = EingabeZeilen(Standard());
    ASSERT_EQ(zeilen.size(), ParameterKatalog().size());
    std::set<std::string> namen;
    std::vector<std::string> gruppen;
    for (const TEingabeZeile& z : zeilen) {
        EXPECT_TRUE(namen.insert(z.Name).second) << z.Name << " doppelt";
        EXPECT_FALSE(z.Abweichend) << z.Name;
        const TKatalogEintrag* e = KatalogEintrag(z.Name);
        ASSERT_NE(e, nullptr) << z.Name;
        EXPECT_EQ(z.Gruppe, GruppenName(e->Gruppe)) << z.Name;
        EXPECT_EQ(z.Abgeleitet, e->Abgeleitet) << z.Name;
        EXPECT_EQ(z.Standard.empty(), e->Abgeleitet) << z.Name;
        if (gruppen.empty() || gruppen.back() != z.Gruppe) gruppen.push_back(z.Gruppe);
    }
    // each group in one block, in the order of the report header's groups
    EXPECT_EQ(gruppen,
              (std::vector<std::string>{"Rohre und Luftstrom", "Stoffwerte", "Regelung",
                                        "Umgebung und Keller", "Numerik und Monitorpunkt",
                                        "Daten und Ausgabe", "Lüftungsanlage und Betrieb"}));
    // Tiefe is printed among the material data but belongs to the pipes
    const auto tiefe = std::find_if(zeilen.begin(), zeilen.end(),
                                    [](const TEingabeZeile& z) { return z.Name == "Tiefe"; });
    const auto lambda = std::find_if(zeilen.begin(), zeilen.end(),
                                     [](const TEingabeZeile& z) { return z.Name == "LambdaErde"; });
    EXPECT_LT(tiefe, lambda);
}

TEST(Auslegungsbericht, ValuesAndTheMarksOfChangedFields) {
    TRegisterParameter p = Standard();
    p.Rohrlaenge = 60;
    p.Geregelt = false;
    p.KellerTemperatur[3] = 12.5;
    p.Land = "D";
    p.Einschwingjahre = 3;
    TArbeitswerte lauf; // what a run derived; a computed field is never marked
    lauf.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(p);
    const std::vector<TEingabeZeile> zeilen = EingabeZeilen(p, &lauf);
    std::set<std::string> markiert;
    for (const TEingabeZeile& z : zeilen)
        if (z.Abweichend) markiert.insert(z.Name);
    EXPECT_EQ(markiert, (std::set<std::string>{"Rohrlaenge", "Geregelt", "KellerTemperatur", "Land",
                                               "Einschwingjahre"}));

    const struct {
        const char* Name;
        const char* Wert;
        const char* Standard;
        const char* Einheit;
    } faelle[] = {
        {"Rohrlaenge", "60", "50", "m"},
        {"DRohr", "0.1922", "0.1922", "m"},
        {"ViskositaetLuft", "0.0000145", "0.0000145", "m2/s"},
        {"Volumenstrom", "3700", "3700", "m3/h"},
        {"AnzahlRohre", "15", "15", ""},
        {"Geregelt", "nein", "ja", ""},
        {"Land", "D", "CH", ""},
        {"KellerTemperatur",
         "Jan 10; Feb 10; Mär 12.5; Apr 10; Mai 10; Jun 10; Jul 10; Aug 10; Sep 10; Okt 10; Nov "
         "10; "
         "Dez 10",
         "alle Monate 10", "°C"},
        // 3700/3600/3.14159/0.1922^2*4/15 = 2.3616291 m/s, six significant digits
        {"Stroemungsgeschwindigkeit", "2.36163", "", "m/s"},
        {"Einschwingjahre", "3", "1", "Jahre"},
    };
    for (const auto& f : faelle) {
        const TEingabeZeile& z = Zeile(zeilen, f.Name);
        EXPECT_EQ(z.Wert, f.Wert) << f.Name;
        EXPECT_EQ(z.Standard, f.Standard) << f.Name;
        EXPECT_EQ(z.Einheit, f.Einheit) << f.Name;
    }
    EXPECT_EQ(Zeile(zeilen, "DRohr").Bezeichnung, "Rohrdurchmesser");
    // without a run there is nothing derived to show
    EXPECT_EQ(Zeile(EingabeZeilen(p), "Gitterfaktor").Wert, "–");

    p.OutputFile.clear();
    EXPECT_EQ(EingabeWertText(p, *KatalogEintrag("OutputFile")), "–");
    p.Zeitschritt = -0.0;
    EXPECT_EQ(EingabeWertText(p, *KatalogEintrag("Zeitschritt")), "0");
}

TEST(Auslegungsbericht, MethodNamesGridStepsAndSettling) {
    TRegisterParameter p = Standard();
    auto k = test::NeuerKontext();
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TKennwerte kw = KennwerteBerechnen(*k);
    const std::vector<std::string> absaetze = MethodenAbsaetze(*k, kw);
    ASSERT_EQ(absaetze.size(), 5u);
    // 50 m in 6 cells, 3600 s in 2 sub-steps, 6 - 1 rings
    EXPECT_TRUE(Enthaelt(absaetze[0], "6 axiale Zellen von je 8.33333 m")) << absaetze[0];
    EXPECT_TRUE(Enthaelt(absaetze[0], "Luftgeschwindigkeit 2.362 m/s")) << absaetze[0];
    EXPECT_TRUE(Enthaelt(absaetze[1], "Rohrwand und 5 Erdringen bis zum Simulationsradius 1.2 m"))
        << absaetze[1];
    EXPECT_TRUE(Enthaelt(absaetze[1], "ungestörtes Erdreich 100.0 %, adiabate Nachbarschaft "
                                      "0.0 %, Kellerboden 0.0 %"))
        << absaetze[1];
    EXPECT_TRUE(Enthaelt(absaetze[1], "ungestörte Erdtemperatur in Rohrtiefe 1 m")) << absaetze[1];
    EXPECT_TRUE(Enthaelt(absaetze[2], "Zeitschritte von 3600 s in 2 Sub-Schritten von je 1800 s"))
        << absaetze[2];
    EXPECT_TRUE(Enthaelt(absaetze[2], "(Heizgrenze 12 °C, Kühlgrenze 12 °C)")) << absaetze[2];
    const std::string aenderung =
        "Heizenergie " + KennwertZahl(kw.EinschwingAenderungHeizen * 100, 2) + " %, Kühlenergie " +
        KennwertZahl(kw.EinschwingAenderungKuehlen * 100, 2) + " %";
    EXPECT_TRUE(Enthaelt(absaetze[3], "1 Einschwingjahr vor dem ausgewerteten Jahr"))
        << absaetze[3];
    EXPECT_TRUE(Enthaelt(absaetze[3], aenderung)) << absaetze[3];

    // the verdict follows the larger change, either sign
    const struct {
        double Heizen, Kuehlen;
        const char* Urteil;
    } urteile[] = {{0.0099, -0.0099, "unter 1 %, das Erdreich ist eingeschwungen."},
                   {0.001, -0.01, "1 % oder mehr"},
                   {0.02, 0.0, "1 % oder mehr"}};
    for (const auto& u : urteile) {
        TKennwerte geaendert = kw;
        geaendert.EinschwingAenderungHeizen = u.Heizen;
        geaendert.EinschwingAenderungKuehlen = u.Kuehlen;
        EXPECT_TRUE(Enthaelt(MethodenAbsaetze(*k, geaendert)[3], u.Urteil)) << u.Heizen;
    }

    p.Einschwingjahre = 0;
    p.Geregelt = false;
    p.SpezielleRandbedingung = true;
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const std::vector<std::string> ohne = MethodenAbsaetze(*k, KennwerteBerechnen(*k));
    EXPECT_TRUE(Enthaelt(ohne[3], "Einschwingen: keines")) << ohne[3];
    EXPECT_TRUE(Enthaelt(ohne[2], "ungeregelt")) << ohne[2];
    EXPECT_TRUE(Enthaelt(ohne[1], "die vorgegebene Erdtemperatur")) << ohne[1];
}

} // namespace
} // namespace kov
