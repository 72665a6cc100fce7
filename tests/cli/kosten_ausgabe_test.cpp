// kov-run's costs and design check: the JSON objects agree with the figures of the same run and
// with the default design worked by hand, the text block follows "Kennwerte", and a run
// without useful energy writes null where a figure has no value.
#include "cli/kov_run.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace kov {
namespace {

nlohmann::json JsonLauf(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), "--json");
    std::ostringstream aus, fehler;
    EXPECT_EQ(KovRun(argumente, aus, fehler), ExitErfolg) << fehler.str();
    return nlohmann::json::parse(aus.str());
}

TEST(KostenAusgabe, JsonObjectsOfTheDefaultRun) {
    test::TArbeitsVerzeichnis ort;
    const nlohmann::json j = JsonLauf({});
    ASSERT_TRUE(j.contains("Kosten"));
    ASSERT_TRUE(j.contains("Pruefung"));
    const nlohmann::json& kosten = j["Kosten"];
    const nlohmann::json& kennwerte = j["Kennwerte"];
    // the energies are the run's useful heating and cooling and its fan electricity
    EXPECT_EQ(kosten["Nutzwaerme"], kennwerte["HeizenergieNutzbar"]);
    EXPECT_EQ(kosten["Nutzkaelte"], kennwerte["KuehlenergieNutzbar"]);
    EXPECT_EQ(kosten["Ventilatorstrom"], kennwerte["Ventilatorenergie"]);
    // 750 m at 47.66 EUR/m + 825 m3 at 40 EUR/m3 + 8000 EUR (see the register's cost test)
    EXPECT_NEAR(kosten["Investition"].get<double>(), 35745 + 33000 + 8000, 1e-6);
    const double nutzen = kosten["Nutzwaerme"].get<double>() + kosten["Nutzkaelte"].get<double>();
    EXPECT_NEAR(kosten["KostenJeKwh"].get<double>(), kosten["Annuitaet"].get<double>() / nutzen,
                1e-12);
    EXPECT_NEAR(kosten["Nettonutzen"].get<double>(),
                kosten["AnnuitaetErloese"].get<double>() - kosten["Annuitaet"].get<double>(), 1e-9);

    const nlohmann::json& pruefung = j["Pruefung"];
    const nlohmann::json& regeln = pruefung["Regeln"];
    ASSERT_EQ(regeln.size(), 9u);
    // reference run: the outlet falls to -2.1 °C in running hours, under the frost limit 0 °C
    EXPECT_EQ(pruefung["Urteil"], "nicht erfüllt");
    EXPECT_EQ(regeln[1]["Name"], "Frost");
    EXPECT_NEAR(regeln[1]["Wert"].get<double>(), -2.1, 0.05);
    EXPECT_EQ(regeln[1]["Vergleich"], ">=");
    EXPECT_EQ(regeln[1]["Urteil"], "nicht erfüllt");
    EXPECT_EQ(regeln[2]["Name"], "Druckverlust");
    EXPECT_EQ(regeln[2]["Wert"], kennwerte["DruckverlustGesamt"]);
    EXPECT_EQ(regeln[8]["Name"], "Wetter");
    EXPECT_TRUE(regeln[8]["Wert"].is_null());
    EXPECT_TRUE(regeln[8]["Grenze"].is_null());
    EXPECT_EQ(regeln[8]["Urteil"], "Hinweis");
    EXPECT_EQ(pruefung["Aussage"].get<std::string>().rfind(
                  "Die Auslegung erfüllt nicht: Tiefste Austrittstemperatur im Betrieb.", 0),
              0u);
}

TEST(KostenAusgabe, NoUsefulEnergyGivesNullNotANumber) {
    test::TArbeitsVerzeichnis ort;
    // no outdoor hour reaches the limits: nothing useful, nothing to pay back
    const nlohmann::json kosten = JsonLauf({"Heizgrenze=-50", "Kuehlgrenze=60"})["Kosten"];
    EXPECT_EQ(kosten["Nutzwaerme"].get<double>(), 0);
    EXPECT_EQ(kosten["Nutzkaelte"].get<double>(), 0);
    EXPECT_TRUE(kosten["KostenJeKwh"].is_null());
    EXPECT_TRUE(kosten["Amortisationszeit"].is_null());
}

TEST(KostenAusgabe, TextBlocksFollowTheFigures) {
    test::TArbeitsVerzeichnis ort;
    std::ostringstream aus, fehler;
    ASSERT_EQ(KovRun({}, aus, fehler), ExitErfolg) << fehler.str();
    const std::string text = aus.str();
    const std::size_t kennwerte = text.find("\nKennwerte (");
    const std::size_t kosten = text.find("\nKosten (Annuitätenmethode, 20 Jahre");
    const std::size_t pruefung = text.find("\nAuslegungsprüfung: Die Auslegung erfüllt nicht");
    ASSERT_NE(kennwerte, std::string::npos);
    ASSERT_NE(kosten, std::string::npos);
    ASSERT_NE(pruefung, std::string::npos);
    EXPECT_LT(kennwerte, kosten);
    EXPECT_LT(kosten, pruefung);
    EXPECT_NE(text.find("  Investition "), std::string::npos);
    EXPECT_NE(text.find(" 76745 EUR\n"), std::string::npos);
    EXPECT_NE(text.find("≥ 0.0 °C        nicht erfüllt: "), std::string::npos);
}

} // namespace
} // namespace kov
