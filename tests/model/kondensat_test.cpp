// The condensate of an hour, the report's column 8 and the design figures' yearly total.
#include "files/zahl_format.h"
#include "model/kondensat.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Kondensat, WorkedHours) {
    struct TFall {
        double taus, taupunkt, betrieb, relVolumenstrom;
        const char* erwartet;
        const char* warum;
    };
    const TFall faelle[] = {
        {5, 10, 1, 1, "10.04", "5 degC outlet, 10 degC dew point, nominal flow"},
        {5, 10, 1, 0.5, "5.02", "half the flow"},
        {10, 10, 1, 1, "0.00", "outlet at the dew point"},
        {5, 10, 0, 1, "0.00", "register off"},
        {-5, 0, 1, 1, "5.32", "frost: built-in weather has a dew point of 0"},
        {0, -5, 1, 1, "0.00", "outlet above the dew point"},
    };
    TStundenReihen r;
    TRegisterParameter p;
    p.RhoLuft = 2.0; // the condensate takes 1.2 kg/m3 whatever the air density is set to
    for (const TFall& f : faelle) {
        r.Taus[7] = f.taus;
        r.TTaupunkt[7] = f.taupunkt;
        r.Betrieb[7] = f.betrieb;
        r.RelVolumenstrom[7] = f.relVolumenstrom;
        EXPECT_EQ(FeldFormatieren(Kondensat(r, p, 7), 1, 2), f.erwartet) << f.warum;
    }
}

} // namespace
} // namespace kov
