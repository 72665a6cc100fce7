#include "cli/register_json.h"

#include "files/wetter.h"
#include "register/register_lauf.h"

#include <gtest/gtest.h>

#include <memory>

namespace kov {
namespace {

TEST(RegisterJson, RegisterRunsAddTheirObjectClassicRunsLeaveTheJsonAlone) {
    auto k = std::make_unique<TKontext>();
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    nlohmann::ordered_json klassisch = {{"Heizenergie", 1.0}};
    RegisterJsonErgaenzen(*k, klassisch);
    EXPECT_EQ(klassisch.dump(), "{\"Heizenergie\":1.0}");

    p.Modell = "register";
    SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    nlohmann::ordered_json j;
    RegisterJsonErgaenzen(*k, j);
    ASSERT_TRUE(j.contains("Register"));
    const auto& r = j["Register"];
    const TRegisterErgebnis& e = k->RegisterErgebnis;
    EXPECT_EQ(r["Einschwingjahre"], e.Einschwingjahre);
    EXPECT_EQ(r["HeizenergieFuehlbar"], e.Heizenergie);
    EXPECT_EQ(r["KuehlenergieFuehlbar"], e.Kuehlenergie);
    // the built-in year has no humidity: no number for the condensate
    EXPECT_TRUE(r["Kondensat"].is_null());
    // the edge pipe, warmed from one side only by its neighbours, is never colder than the
    // middle pipe's coldest hour
    EXPECT_GE(r["TausMinRandrohr"].get<double>(), r["TausMinMittelrohr"].get<double>());
    EXPECT_EQ(r["Aufloesung"]["AxialZellen"], 10);

    // a classic run after a register run on the same context has no register object
    p.Modell = "klassisch";
    SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    nlohmann::ordered_json danach;
    RegisterJsonErgaenzen(*k, danach);
    EXPECT_FALSE(danach.contains("Register"));
}

} // namespace
} // namespace kov
