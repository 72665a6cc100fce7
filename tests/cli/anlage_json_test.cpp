// kov-run's comparison of the control modes: each column is what a run of its own in that mode
// gives, whichever mode the run itself was in.
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

TEST(AnlageJson, ControlComparisonColumnsAreTheRunsOfEitherMode) {
    test::TArbeitsVerzeichnis ort;
    const nlohmann::json klassisch = JsonLauf({});
    const nlohmann::json bedarf = JsonLauf({"Regelung=bedarf"});
    const nlohmann::json mitWrg = JsonLauf({"WRG=true", "Betriebszeiten=Mo-Fr 7-18"});
    const nlohmann::json mitWrgBedarf =
        JsonLauf({"WRG=true", "Betriebszeiten=Mo-Fr 7-18", "Regelung=bedarf"});
    const struct {
        const char* Name;
        const nlohmann::json& Lauf;
        const char* Spalte;
        const nlohmann::json& Eigener;
    } faelle[] = {
        {"defaults, own column", klassisch, "Klassisch", klassisch},
        {"defaults, other column", klassisch, "Bedarf", bedarf},
        {"bedarf, own column", bedarf, "Bedarf", bedarf},
        {"bedarf, other column", bedarf, "Klassisch", klassisch},
        {"unit and office hours, other column", mitWrg, "Bedarf", mitWrgBedarf},
        {"unit and office hours bedarf, other column", mitWrgBedarf, "Klassisch", mitWrg},
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(f.Lauf.contains("Regelungsvergleich")) << f.Name;
        const nlohmann::json& v = f.Lauf["Regelungsvergleich"];
        EXPECT_FALSE(v.contains("Fehler")) << f.Name;
        const nlohmann::json& spalte = v[f.Spalte];
        ASSERT_TRUE(spalte.is_object()) << f.Name;
        ASSERT_EQ(spalte.size(), 7u) << f.Name;
        for (const auto& [name, wert] : spalte.items())
            EXPECT_EQ(wert, f.Eigener["Kennwerte"][name]) << f.Name << ": " << name;
    }
    // the defaults: gross Leistungszahl 74.55 with the limits (reference run); the need-based
    // control heats and cools only when the building wants it, leaving almost nothing unwanted
    const nlohmann::json& v = klassisch["Regelungsvergleich"];
    EXPECT_NEAR(v["Klassisch"]["LeistungszahlBrutto"].get<double>(), 74.55, 0.005);
    EXPECT_LT(v["Bedarf"]["HeizenergieUnerwuenscht"].get<double>() +
                  v["Bedarf"]["KuehlenergieUnerwuenscht"].get<double>(),
              0.01 * (v["Klassisch"]["HeizenergieUnerwuenscht"].get<double>() +
                      v["Klassisch"]["KuehlenergieUnerwuenscht"].get<double>()));
}

} // namespace
} // namespace kov
