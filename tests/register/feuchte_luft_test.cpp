// Condensate of one hour from the weather's humidity, worked by hand.
#include "register/feuchte_luft.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(FeuchteLuft, CondensateOfWorkedHours) {
    struct Fall {
        const char* name;
        double tEin, tAus, tTaupunkt, druck, volumen;
        double kg, toleranz;
    } faelle[] = {
        // e(18) = 611.2 exp(17.62*18/261.12) = 2059.13 Pa, x = 0.622*2059.13/99265.87
        // = 0.0129025; x(15) from e(15) = 1701.67 Pa: 0.0106244; dry air (101325 - 2059.13)
        // / (287.05 * 298.15) = 1.159865 kg/m3; 1000 m3/h * 1.159865 * 0.0022781
        {"25 °C, Taupunkt 18, auf 15 °C", 25, 15, 18, 1013.25, 1000, 2.64227, 1e-5},
        // no pressure from the weather: the standard 1013.25 hPa
        {"ohne Luftdruck", 25, 15, 18, 0, 1000, 2.64227, 1e-5},
        // 900 hPa: more water per kg, less dry air per m3; same steps give 2.64796
        {"900 hPa", 25, 15, 18, 900, 1000, 2.64796, 1e-5},
        // a dew point above the air temperature is capped at saturation at the inlet:
        // x(25) = 0.0200230, density (101325 - 3160.06) / (287.05 * 298.15)
        {"Taupunkt über Lufttemperatur", 25, 15, 30, 1013.25, 1000, 10.78017, 1e-5},
        // the outlet above the dew point, or equal to it: nothing condenses
        {"Austritt über Taupunkt", 25, 19, 18, 1013.25, 1000, 0.0, 0.0},
        {"Austritt am Taupunkt", 25, 18, 18, 1013.25, 1000, 0.0, 0.0},
        {"kein Volumenstrom", 25, 15, 18, 1013.25, 0, 0.0, 0.0},
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(KondensatStunde(f.tEin, f.tAus, f.tTaupunkt, f.druck, f.volumen), f.kg,
                    f.toleranz)
            << f.name;
    // the classic formula of the report (1.2 kg/m3, 1000 hPa) gives 2.7765 kg for the first
    // hour: 5 % more than the psychrometric value
    EXPECT_NEAR(Saettigungsdruck(18), 2059.13, 1e-2);
    EXPECT_NEAR(Feuchtegehalt(2059.13, 101325), 0.0129025, 1e-7);
}

} // namespace
} // namespace kov
