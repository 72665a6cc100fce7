#include "files/taupunkt.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

TEST(Taupunkt, MagnusFormulaOverWater) {
    // e_w(0) = 6.112 hPa is the constant itself; e_w(20) = 6.112 exp(352.4 / 263.12)
    // = 23.3260 hPa by hand, steam tables give 23.39 hPa (the fit is 0.3 % low there)
    EXPECT_DOUBLE_EQ(SaettigungsDampfdruck(0.0), 6.112);
    EXPECT_NEAR(SaettigungsDampfdruck(20.0), 23.32596, 1e-5);
    EXPECT_NEAR(SaettigungsDampfdruck(20.0), 23.39, 0.07);

    struct TFall {
        double T, Rf, Taupunkt;
        const char* Herkunft;
    };
    const TFall faelle[] = {
        // saturated air: the dew point is the air temperature
        {15.0, 100.0, 15.0, "gesaettigt"},
        {-10.0, 100.0, -10.0, "gesaettigt unter 0"},
        // g = ln(0.5) + 352.4 / 263.12 = 0.646168, Td = 243.12 g / (17.62 - g) = 9.2552;
        // psychrometric tables: 9.3 °C
        {20.0, 50.0, 9.255175, "20 °C, 50 %"},
        // g = ln(0.8) + 0 = -0.223144, Td = -3.040421
        {0.0, 80.0, -3.040421, "0 °C, 80 %"},
    };
    for (const TFall& f : faelle)
        EXPECT_NEAR(TaupunktAusFeuchte(f.T, f.Rf), f.Taupunkt, 1e-6) << f.Herkunft;
}

TEST(Taupunkt, MixingRatioGivesTheVapourPressureOfItsDefinition) {
    // x = 622 e / (p - e) g/kg is the definition; air at 10 °C saturated under 1000 hPa has
    // e = e_w(10) = 12.2603 hPa, x = 622 * 12.2603 / 987.7397 = 7.7206 g/kg, dew point 10 °C
    const double e = SaettigungsDampfdruck(10.0);
    EXPECT_NEAR(e, 12.26030, 1e-5);
    const double x = 622.0 * e / (1000.0 - e);
    EXPECT_NEAR(x, 7.72056, 1e-5);
    EXPECT_NEAR(TaupunktAusMischungsverhaeltnis(x, 1000.0), 10.0, 1e-9);
    // the same x at 900 hPa carries 10 % less vapour pressure: a lower dew point
    EXPECT_NEAR(TaupunktAusMischungsverhaeltnis(x, 900.0), TaupunktAusDampfdruck(0.9 * e), 1e-9);
    EXPECT_LT(TaupunktAusMischungsverhaeltnis(x, 900.0), 10.0 - 1.4);
}

} // namespace
} // namespace kov
