#include "files/zahl_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace kov {
namespace {

struct TFall {
    double wert;
    int breite;
    int dezimalen;
    const char* erwartet;
    const char* warum;
};

TEST(ZahlFormat, WorkedCases) {
    const TFall faelle[] = {
        {0.0000145, 10, 8, "0.00001450", "Viskositaet 10:8"},
        {3700.0, 8, 1, "  3700.0", "Volumenstrom 8:1"},
        {1.2, 6, 1, "   1.2", "RhoLuft 6:1"},
        {0.1922, 6, 4, "0.1922", "DRohr 6:4"},
        {10.0, 6, 2, " 10.00", "Kellertemperatur 6:2"},
        {1234567.8, 8, 1, "1234567.8", "wider than the field: never cut"},
        {3.2, 1, 1, "3.2", "width 1 adds no blanks"},
        {0.05, 1, 1, "0.1", "0.05 is 0.0500000000000000027..., 18 digits ...003"},
        {0.15, 1, 1, "0.1", "0.15 is 0.149999999999999994|4..., 18 digits end in 4"},
        {0.25, 1, 1, "0.3", "exact tie rounds up in magnitude"},
        {-0.25, 1, 1, "-0.3", "negative tie rounds up in magnitude"},
        {2.675, 1, 2, "2.67", "2.67499999999999982..."},
        {1.005, 1, 2, "1.00", "1.00499999999999989..."},
        {9.96, 1, 1, "10.0", "carry into a new integer digit"},
        {-99.96, 7, 1, " -100.0", "negative carry"},
        {0.96, 1, 1, "1.0", "carry out of the fraction"},
        {1e-19, 1, 1, "0.0", "tiny positive"},
        {-0.04, 1, 1, "-0.0", "negative rounding to zero keeps its sign"},
        {-0.04, 6, 1, "  -0.0", "sign counts into the width"},
        {-1e-300, 1, 2, "-0.00", "tiny negative"},
        {-0.0, 1, 1, "0.0", "negative zero is zero"},
        {0.0, 6, 2, "  0.00", "zero"},
        {0.0, 1, 0, "0", "zero without decimals"},
        {2.5, 1, 0, "3", "d = 0: no decimal point"},
        {-2.5, 1, 0, "-3", "d = 0 negative tie"},
        {-0.4, 8, 0, "      -0", "d = 0 negative to zero"},
        {1234.5, 8, 0, "    1235", "energy total 8:0"},
        {1e20, 1, 1, "100000000000000000000.0", "1e20 is exact"},
        {123456789012345678901234.0, 1, 0, "123456789012345686000000",
         "exact 123456789012345685|803008: digits past 18 become zeros"},
        {std::ldexp(1.0, -27), 1, 26, "0.00000000745058059692382813",
         "2^-27 = 7.450580596923828125e-9: tie in the 19th digit rounds up"},
        {std::ldexp(1.0, -27), 1, 25, "0.0000000074505805969238281", "then cut at 25"},
        {std::numeric_limits<double>::denorm_min(), 1, 1, "0.0", "smallest subnormal"},
        {std::numeric_limits<double>::quiet_NaN(), 5, 1, "  NAN", "NaN"},
        {std::numeric_limits<double>::infinity(), 6, 1, "   INF", "infinity"},
        {-std::numeric_limits<double>::infinity(), 1, 1, "-INF", "minus infinity"},
        {1.5, 1, -3, "2", "negative decimals count as 0"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(FeldFormatieren(f.wert, f.breite, f.dezimalen), f.erwartet)
            << f.warum << " (" << f.breite << ":" << f.dezimalen << ")";
}

TEST(ZahlFormat, HugeValuesArePrintedInFull) {
    const std::string e300 = FeldFormatieren(1e300, 1, 0);
    EXPECT_EQ(e300.size(), 301u);
    EXPECT_EQ(e300.substr(0, 19), "1000000000000000050")
        << "1e300 is 1.00000000000000005250e300: 18 digits end in 5, the rest are zeros";
    EXPECT_EQ(e300.find_first_not_of('0', 19), std::string::npos);

    const std::string groesste = FeldFormatieren(-std::numeric_limits<double>::max(), 1, 2);
    EXPECT_EQ(groesste.size(), 1u + 309 + 3);
    EXPECT_EQ(groesste.substr(0, 19), "-179769313486231571");
    EXPECT_EQ(groesste.substr(groesste.size() - 3), ".00");
}

TEST(ZahlFormat, AppendsWithoutTouchingWhatIsThere) {
    std::string zeile = "x\t";
    FeldAnhaengen(zeile, -5.0, 1, 1);
    zeile.push_back('\t');
    FeldAnhaengen(zeile, 0.5, 5, 2);
    EXPECT_EQ(zeile, "x\t-5.0\t 0.50");
}

TEST(ZahlFormat, IntegersAndBooleans) {
    std::string text;
    GanzzahlAnhaengen(text, 15);
    text.push_back('|');
    GanzzahlAnhaengen(text, -3);
    text.push_back('|');
    GanzzahlAnhaengen(text, 0);
    EXPECT_EQ(text, "15|-3|0");
    EXPECT_EQ(WahrheitswertText(true), "TRUE");
    EXPECT_EQ(WahrheitswertText(false), "FALSE");
}

// Reference: the exact decimal expansion from the C library, then the two roundings done on
// the digit string.
std::string Referenz(double wert, int breite, int d) {
    const bool minus = wert < 0;
    std::string ziffern; // significant digits, value = 0.ziffern * 10^punkt
    int punkt = 1;
    if (wert == 0) {
        ziffern = "0";
    } else {
        char puffer[1000];
        std::snprintf(puffer, sizeof puffer, "%.800e", std::fabs(wert));
        const char* e = std::strchr(puffer, 'e');
        ziffern.assign(1, puffer[0]);
        ziffern.append(puffer + 2, static_cast<std::size_t>(e - puffer - 2));
        punkt = std::atoi(e + 1) + 1;
    }
    // a digit string rounded up at its last place; returns true when it grew by one digit
    const auto aufrunden = [](std::string& s) {
        int i = static_cast<int>(s.size()) - 1;
        while (i >= 0 && s[static_cast<std::size_t>(i)] == '9')
            s[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            s.insert(s.begin(), '1');
            return true;
        }
        ++s[static_cast<std::size_t>(i)];
        return false;
    };
    if (ziffern.size() > 18) {
        const bool hoch = ziffern[18] >= '5';
        ziffern.resize(18);
        if (hoch && aufrunden(ziffern)) ++punkt;
    }
    // digits of the value in units of 10^-d, with the first dropped digit
    std::string einheiten;
    char erste = '0';
    for (int stelle = std::min(punkt, 0) - 1; stelle < punkt + d + 1; ++stelle) {
        // stelle counts digits of 0.ziffern: index stelle is ziffern[stelle]
        const char z = (stelle >= 0 && stelle < static_cast<int>(ziffern.size()))
                           ? ziffern[static_cast<std::size_t>(stelle)]
                           : '0';
        if (stelle < punkt + d) {
            einheiten.push_back(z);
        } else {
            erste = z;
        }
    }
    if (erste >= '5') aufrunden(einheiten);
    einheiten.erase(0, std::min(einheiten.find_first_not_of('0'), einheiten.size()));
    if (einheiten.size() < static_cast<std::size_t>(d) + 1)
        einheiten.insert(0, static_cast<std::size_t>(d) + 1 - einheiten.size(), '0');
    std::string text;
    if (minus) text.push_back('-');
    if (d > 0) {
        const std::size_t ganz = einheiten.size() - static_cast<std::size_t>(d);
        text.append(einheiten, 0, ganz).append(1, '.').append(einheiten, ganz);
    } else {
        text.append(einheiten);
    }
    if (static_cast<int>(text.size()) < breite)
        text.insert(text.begin(), static_cast<std::size_t>(breite) - text.size(), ' ');
    return text;
}

TEST(ZahlFormat, AgreesWithTheExactExpansion) {
    std::mt19937_64 zufall(20240611);
    std::uniform_int_distribution<int> dezimalen(0, 10);
    std::uniform_int_distribution<int> breite(1, 12);
    std::uniform_int_distribution<long long> ganz(-99999999, 99999999);
    std::uniform_real_distribution<double> gleich(-50.0, 50.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    int abweichungen = 0;
    for (int i = 0; i < 20000 && abweichungen < 10; ++i) {
        const int d = dezimalen(zufall);
        double wert;
        switch (i % 4) {
        case 0: // series values of a run
            wert = gleich(zufall);
            break;
        case 1: { // decimal ties at the cut and their neighbours
            char text[64];
            std::snprintf(text, sizeof text, "%lld5e-%d", ganz(zufall), d + 1);
            wert = std::strtod(text, nullptr);
            if (i % 3 == 1) wert = std::nextafter(wert, 1e300);
            if (i % 3 == 2) wert = std::nextafter(wert, -1e300);
            break;
        }
        case 2: // any magnitude
            wert = gleich(zufall) * std::pow(10.0, exponent(zufall));
            break;
        default: { // any bit pattern that is a finite number
            const std::uint64_t bits = zufall();
            std::memcpy(&wert, &bits, sizeof wert);
            if (!std::isfinite(wert)) wert = 1.0;
            break;
        }
        }
        const int b = breite(zufall);
        const std::string erwartet = Referenz(wert, b, d);
        const std::string ist = FeldFormatieren(wert, b, d);
        if (ist != erwartet) {
            ++abweichungen;
            ADD_FAILURE() << std::hexfloat << wert << " at " << b << ":" << d << ": " << ist
                          << " != " << erwartet;
        }
    }
}

} // namespace
} // namespace kov
