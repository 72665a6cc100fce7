#include "datei_fehler_hilfen.h"
#include "files/fahrplan.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <functional>

namespace kov {
namespace {

// A schedule whose line k holds text(k), each line ended by CR LF.
std::string PlanText(int zeilen, const std::function<std::string(int)>& text) {
    std::string inhalt;
    for (int k = 1; k <= zeilen; ++k)
        inhalt += text(k) + "\r\n";
    return inhalt;
}

// the hour number in thousandths: every hour has its own value
double Kennwert(int k) {
    return k / 1000.0;
}
std::string KennText(int k) {
    return std::to_string(k) + "e-3";
}

class Fahrplan : public ::testing::Test {
protected:
    void SetUp() override { reihe.fill(9.0); }
    test::TArbeitsVerzeichnis ort;
    TStundenFeld reihe;
};

TEST_F(Fahrplan, OneNumberPerLineTheRestIgnored) {
    test::DateiSchreiben("plan.txt", PlanText(8761, [](int k) {
                             if (k == 1) return std::string("0.5 Wort und mehr");
                             if (k == 2) return std::string("  \t1.75\t3 4");
                             if (k == 8761) return std::string("kein Wert, nach Stunde 8760");
                             return KennText(k);
                         }));
    FahrplanLesen("plan.txt", reihe);
    EXPECT_EQ(reihe[0], 9.0) << "index 0 is not touched";
    EXPECT_EQ(reihe[1], 0.5);
    EXPECT_EQ(reihe[2], 1.75) << "values above 1 are kept";
    for (int k = 3; k <= 8760; ++k)
        ASSERT_EQ(reihe[static_cast<std::size_t>(k)], Kennwert(k)) << "hour " << k;
}

TEST_F(Fahrplan, EmptyLineMovesLaterValuesOneHourEarlier) {
    test::DateiSchreiben(
        "plan.txt", PlanText(8760, [](int k) { return k == 100 ? std::string() : KennText(k); }));
    FahrplanLesen("plan.txt", reihe);
    EXPECT_EQ(reihe[99], Kennwert(99));
    EXPECT_EQ(reihe[100], Kennwert(101));
    EXPECT_EQ(reihe[8759], Kennwert(8760));
    EXPECT_EQ(reihe[8760], 0.0) << "the file ran out one hour early";
}

TEST_F(Fahrplan, ShortFileLeavesTheRestAtZeroAndSaysSo) {
    test::DateiSchreiben("plan.txt", "1\r\n0\r\n0.25\r\n\r\n");
    EXPECT_EQ(FahrplanLesen("plan.txt", reihe), 3);
    EXPECT_EQ(FahrplanHinweis("plan.txt", 3),
              "Der Lüftungsfahrplan plan.txt endet nach Stunde 3 von 8760; in den Stunden danach "
              "ist der Volumenstrom 0 und das Register aus.");
    EXPECT_EQ(FahrplanHinweis("plan.txt", 8760), "");
    EXPECT_EQ(reihe[1], 1.0);
    EXPECT_EQ(reihe[2], 0.0);
    EXPECT_EQ(reihe[3], 0.25) << "a last line without line end";
    for (int k = 4; k <= 8760; ++k)
        ASSERT_EQ(reihe[static_cast<std::size_t>(k)], 0.0) << "hour " << k;
    EXPECT_EQ(reihe[0], 9.0);
}

TEST_F(Fahrplan, FaultsKeepTheHoursReadSoFar) {
    struct TFall {
        const char* zeile5;
        const char* warum;
    };
    for (const TFall& f :
         {TFall{"x", "a word"}, TFall{"0,5", "a decimal comma"}, TFall{"1..5", "two points"}}) {
        reihe.fill(9.0);
        test::DateiSchreiben("plan.txt", PlanText(10, [&](int k) {
                                 return k == 5 ? std::string(f.zeile5) : KennText(k);
                             }));
        EXPECT_EQ(test::FehlerMeldung([&] { FahrplanLesen("plan.txt", reihe); }),
                  "Invalid numeric input: plan.txt, Zeile 5")
            << f.warum;
        EXPECT_EQ(reihe[4], Kennwert(4)) << f.warum;
        EXPECT_EQ(reihe[5], 9.0) << f.warum;
    }
    EXPECT_EQ(test::FehlerMeldung([&] { FahrplanLesen("fehlt.txt", reihe); }),
              "File not found: fehlt.txt");
}

} // namespace
} // namespace kov
