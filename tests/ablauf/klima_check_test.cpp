#include "ablauf/auswertungs_lauf.h"
#include "ablauf/klima_check.h"
#include "files/klima.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

TEST(KlimaAuswertung, TheEvaluationRunsOnTheBuiltInYearAndNamesIt) {
    TRegisterParameter p = Standard();
    p.Klima = "TRY2015-05-Jahr";
    const TAuswertung a = AuswertungsLaufRechnen(p);
    // the coldest and warmest hour of the original file, -6.3 °C (row 1256) and 33.3 °C
    // (row 4287), taken by awk (tests/files/klima_test.cpp)
    EXPECT_DOUBLE_EQ(a.Kennwerte.TeinMin, -6.3);
    EXPECT_EQ(a.Kennwerte.TeinMinStunde, 1256);
    EXPECT_DOUBLE_EQ(a.Kennwerte.TeinMax, 33.3);
    EXPECT_EQ(a.Wetter.Bezeichnung, KlimaBezeichnung("TRY2015-05-Jahr"));
    EXPECT_NE(a.Wetter.Text.find("Datenbasis: Deutscher Wetterdienst"), std::string::npos)
        << a.Wetter.Text;
}

TEST(KlimaCheck, SixYearsInTheirOrderAndARefusedSetNamesTheYear) {
    const std::vector<TKlimaWahl> jahre = KlimaCheckJahre(3);
    ASSERT_EQ(jahre.size(), 6u);
    const char* namen[] = {"TRY2015-03-Jahr", "TRY2015-03-Wint", "TRY2015-03-Somm",
                           "TRY2045-03-Jahr", "TRY2045-03-Wint", "TRY2045-03-Somm"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(KlimaName(jahre[i]), namen[i]);

    TRegisterParameter p = Standard();
    p.WetterDatei = "ort.epw"; // replaced by each year, not a contradiction here
    const auto ergebnis = KlimaCheckRechnen(p, 3, nullptr, 2);
    ASSERT_EQ(ergebnis.size(), 6u);
    // each column runs on its own year: the coldest hours of Hamburg's mean year and extreme
    // winter as the reader gives them (kov-run --klima-liste: -7.7 and -15.6 °C)
    EXPECT_DOUBLE_EQ(ergebnis[0].Kennwerte.TeinMin, -7.7);
    EXPECT_DOUBLE_EQ(ergebnis[1].Kennwerte.TeinMin, -15.6);
    EXPECT_GT(ergebnis[1].Kennwerte.FrostStundenAussen, ergebnis[0].Kennwerte.FrostStundenAussen);

    p.Rohrlaenge = -1.0;
    try {
        KlimaCheckRechnen(p, 3, nullptr, 2);
        FAIL() << "a negative pipe length was run";
    } catch (const TParameterFehler& f) {
        EXPECT_NE(std::string(f.what()).find("Rohrlaenge"), std::string::npos) << f.what();
        EXPECT_NE(std::string(f.what()).find("TRY20"), std::string::npos) << f.what();
    }
}

} // namespace
} // namespace kov
