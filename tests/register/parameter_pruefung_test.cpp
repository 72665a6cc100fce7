#include "register/parameter_pruefung.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace kov {
namespace {

TEST(ParameterPruefung, DefaultsPass) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    EXPECT_TRUE(ParameterPruefen(p).empty());
    p.Einschwingjahre = 0;
    p.MonitorRadial = p.AnzahlGitter + 1;
    p.AnzahlGitter = 10;
    p.AnzahlSubSchritte = 20;
    // the edges of the design-figure fields are admitted
    p.Zeta = 0;
    p.DruckverlustZusatz = 0;
    p.Ventilatorwirkungsgrad = 1;
    p.Frostgrenze = -30;
    EXPECT_TRUE(ParameterPruefen(p).empty());
}

TEST(ParameterPruefung, EachOffendingFieldIsNamedWithItsRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double unendlich = std::numeric_limits<double>::infinity();
    struct Fall {
        const char* name;
        std::function<void(TRegisterParameter&)> aendern;
        const char* meldung;
    } faelle[] = {
        {"DRohr", [](auto& p) { p.DRohr = 0; },
         "Rohrdurchmesser (DRohr) muss größer als 0 m sein."},
        {"Rohrlaenge", [](auto& p) { p.Rohrlaenge = -1; },
         "Rohrlänge (Rohrlaenge) muss größer als 0 m sein."},
        {"WandstaerkeRohr", [](auto& p) { p.WandstaerkeRohr = 0; },
         "(WandstaerkeRohr) muss größer als 0 m sein."},
        {"Volumenstrom", [](auto& p) { p.Volumenstrom = 0; },
         "(Volumenstrom) muss größer als 0 m3/h sein."},
        {"NaN", [nan](auto& p) { p.Volumenstrom = nan; },
         "(Volumenstrom) muss eine endliche Zahl sein."},
        {"inf", [unendlich](auto& p) { p.Heizgrenze = unendlich; },
         "Heizgrenze (Heizgrenze) muss eine endliche Zahl sein."},
        {"SimRadius", [](auto& p) { p.SimRadius = 0; }, "(SimRadius) muss größer als 0 m sein."},
        {"TiefeKeller", [](auto& p) { p.TiefeKeller = 0; },
         "(TiefeKeller) muss größer als 0 m sein."},
        {"Radiusteiler", [](auto& p) { p.Radiusteiler = 0; },
         "(Radiusteiler) muss größer als 0 sein."},
        {"LambdaErde", [](auto& p) { p.LambdaErde = 0; },
         "Lambda Erde (LambdaErde) muss größer als 0 W/mK sein."},
        {"RhoRohr", [](auto& p) { p.RhoRohr = 0; }, "(RhoRohr) muss größer als 0 kg/m3 sein."},
        {"CpLuft", [](auto& p) { p.CpLuft = 0; }, "(CpLuft) muss größer als 0 J/kgK sein."},
        {"CpPlatte", [](auto& p) { p.CpPlatte = -5; }, "(CpPlatte) muss größer als 0 J/kgK sein."},
        {"ViskositaetLuft", [](auto& p) { p.ViskositaetLuft = 0; },
         "(ViskositaetLuft) muss größer als 0 m2/s sein."},
        {"AnzahlRohre", [](auto& p) { p.AnzahlRohre = 0; },
         "Anzahl Rohre (AnzahlRohre) muss mindestens 1 sein."},
        {"Tiefe", [](auto& p) { p.Tiefe = -0.1; }, "(Tiefe) darf nicht negativ sein."},
        {"KWertKeller", [](auto& p) { p.KWertKeller = -1; },
         "(KWertKeller) darf nicht negativ sein."},
        {"AlphaStillstand", [](auto& p) { p.AlphaStillstand = -1; },
         "(AlphaStillstand) darf nicht negativ sein."},
        {"AnteilAdiabat", [](auto& p) { p.AnteilAdiabat = 1.5; },
         "(AnteilAdiabat) muss zwischen 0 und 1 liegen."},
        {"AnteilKeller", [](auto& p) { p.AnteilKeller = -0.5; },
         "(AnteilKeller) muss zwischen 0 und 1 liegen."},
        {"AnzahlGitter", [](auto& p) { p.AnzahlGitter = 11; },
         "(AnzahlGitter) muss zwischen 3 und 10 liegen."},
        {"AnzahlGitter2", [](auto& p) { p.AnzahlGitter = 2; },
         "(AnzahlGitter) muss zwischen 3 und 10 liegen."},
        {"AnzahlSubSchritte", [](auto& p) { p.AnzahlSubSchritte = 21; },
         "(AnzahlSubSchritte) muss zwischen 1 und 20 liegen."},
        {"Einschwingjahre", [](auto& p) { p.Einschwingjahre = -1; },
         "(Einschwingjahre) muss zwischen 0 und 10 liegen."},
        {"MonitorAxial", [](auto& p) { p.MonitorAxial = 7; },
         "(MonitorAxial) muss zwischen 1 und 6 liegen."},
        {"MonitorRadial", [](auto& p) { p.MonitorRadial = 8; },
         "(MonitorRadial) muss zwischen 0 und 7 liegen."},
        {"KellerTemperatur", [nan](auto& p) { p.KellerTemperatur[3] = nan; },
         "Kellertemperatur Maerz (KellerTemperatur[3]) muss eine endliche Zahl sein."},
        {"Zeta", [](auto& p) { p.Zeta = -0.1; },
         "Einzelwiderstände Rohrstrang (Zeta) darf nicht negativ sein."},
        {"DruckverlustZusatz", [](auto& p) { p.DruckverlustZusatz = -1; },
         "(DruckverlustZusatz) darf nicht negativ sein."},
        {"Ventilatorwirkungsgrad 0", [](auto& p) { p.Ventilatorwirkungsgrad = 0; },
         "Wirkungsgrad Ventilator (Ventilatorwirkungsgrad) muss größer als 0 und höchstens 1 "
         "sein."},
        {"Ventilatorwirkungsgrad 1.01", [](auto& p) { p.Ventilatorwirkungsgrad = 1.01; },
         "(Ventilatorwirkungsgrad) muss größer als 0 und höchstens 1 sein."},
        {"Frostgrenze", [nan](auto& p) { p.Frostgrenze = nan; },
         "Frostgrenze (Frostgrenze) muss eine endliche Zahl sein."},
        {"OutputFile", [](auto& p) { p.OutputFile = "dummy.txt"; },
         "(OutputFile) darf nicht \"dummy.txt\" heißen"},
    };
    for (const Fall& f : faelle) {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        f.aendern(p);
        const auto meldungen = ParameterPruefen(p);
        ASSERT_EQ(meldungen.size(), 1u) << f.name;
        EXPECT_NE(meldungen[0].find(f.meldung), std::string::npos)
            << f.name << ": " << meldungen[0];
    }
}

TEST(ParameterPruefung, SeveralFaultsAreAllReported) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.DRohr = 0;
    p.AnzahlRohre = 0;
    p.AnzahlGitter = 12;
    EXPECT_EQ(ParameterPruefen(p).size(), 3u);
}

} // namespace
} // namespace kov
