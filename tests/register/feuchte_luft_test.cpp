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
        // e(18) = 6.112 exp(17.62*18/261.12) = 20.5913 hPa, x = 0.622*20.5913/992.6587
        // = 0.0129025; x(15) from e(15) = 17.0167 hPa: 0.0106244; dry air (1013.25 - 20.5913)
        // * 100 / (287.06 * 298.15) = 1.159825 kg/m3; 1000 m3/h * 1.159825 * 0.0022781
        {"25 °C, Taupunkt 18, auf 15 °C", 25, 15, 18, 1013.25, 1000, 2.64218, 1e-4},
        // no pressure from the weather: the standard 1013.25 hPa
        {"ohne Luftdruck", 25, 15, 18, 0, 1000, 2.64218, 1e-4},
        // 900 hPa: more water per kg, less dry air per m3; same steps give 2.64787
        {"900 hPa", 25, 15, 18, 900, 1000, 2.64787, 1e-4},
        // a dew point above the air temperature is capped at saturation at the inlet:
        // x(25) = 0.0200230, density (1013.25 - 31.6006) * 100 / (287.06 * 298.15)
        {"Taupunkt über Lufttemperatur", 25, 15, 30, 1013.25, 1000, 10.77980, 1e-4},
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
    EXPECT_NEAR(Saettigungsdruck(18), 20.5913, 1e-4);
    EXPECT_NEAR(Wassergehalt(20.5913, 1013.25), 0.0129025, 1e-7);
}

} // namespace
} // namespace kov
