// kov-run's variant study: the same table for every number of threads, refusals before
// anything runs, one report per variant on request.
#include "cli/kov_run.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kov {
namespace {

struct TAusgabe {
    int Status;
    std::string Aus, Fehler;
};

TAusgabe Lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = KovRun(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

TEST(StudieLauf, TheTableIsTheSameForOneTwoAndFourThreads) {
    const std::vector<std::string> studie = {
        "--variiere", "AnzahlRohre=8,15", "--variiere",  "Rohrlaenge=30:50:20", "--variiere",
        "Boden=2,8",  "--bedingung",      "TausMin>=-3", "Heizgrenze=6"};
    std::string erste;
    for (const char* faeden : {"1", "2", "4"}) {
        std::vector<std::string> argumente = studie;
        argumente.insert(argumente.end(), {"--jobs", faeden});
        const TAusgabe a = Lauf(argumente);
        ASSERT_EQ(a.Status, 0) << a.Fehler;
        if (erste.empty()) erste = a.Aus;
        EXPECT_EQ(a.Aus, erste) << faeden << " threads";
    }
    const auto zeilen = test::TextZeilen(erste);
    ASSERT_EQ(zeilen.size(), 9u) << "header and eight variants";
    EXPECT_EQ(zeilen[0].rfind("Variante,AnzahlRohre,Rohrlaenge,Boden,Bodenart,Heizenergie,"
                              "Kuehlenergie,",
                              0),
              0u)
        << zeilen[0];
    EXPECT_NE(zeilen[0].find(",Verletzt,ParetoRohrlaenge,ParetoVentilator"), std::string::npos);
    EXPECT_EQ(zeilen[8].rfind("8,15,50,8,\"Sand, trocken (lambda 0.4 W/mK)\",", 0), 0u)
        << zeilen[8];
}

TEST(StudieLauf, RefusalsEndWithTwoAndRunNothing) {
    test::TArbeitsVerzeichnis ort;
    struct Fall {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{"--variiere", "DRohr"}, "hat nicht die Form NAME=LISTE"},
        {{"--variiere", "Unbekannt=1,2"}, "Unbekannt: unbekannter Parameter."},
        {{"--variiere", "DRohr=0.1,x"}, "\"x\" ist keine Zahl"},
        {{"--variiere", "DRohr=0,0.2"}, "Variante 1 (DRohr=0): Rohrdurchmesser (DRohr) muss"},
        {{"--variiere", "AnzahlRohre=1:1000:1", "--variiere", "DRohr=0.1:1.01:0.005"},
         "mehr als 100000 Varianten"},
        {{"--variiere", "DRohr=0.2", "--bedingung", "Hoehe<=3"}, "unbekannter Kennwert"},
        {{"--variiere", "DRohr=0.2", "--jobs", "0"}, "--jobs braucht eine Zahl"},
        {{"--jobs", "2"}, "gehören zu einer Studie"},
        {{"--variiere", "DRohr=0.2", "--berichte", "fehlt"}, "der Ordner der Berichte"},
    };
    for (const Fall& f : faelle) {
        const TAusgabe a = Lauf(f.argumente);
        EXPECT_EQ(a.Status, 2) << f.meldung;
        EXPECT_NE(a.Fehler.find(f.meldung), std::string::npos) << f.meldung << " in " << a.Fehler;
        EXPECT_EQ(a.Aus, "") << f.meldung;
    }
    EXPECT_TRUE(test::OrdnerInhalt(".").empty());
}

TEST(StudieLauf, OneReportPerVariantOnRequest) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("berichte");
    const TAusgabe a =
        Lauf({"--variiere", "AnzahlRohre=10,20", "--berichte", "berichte", "Einschwingjahre=0"});
    ASSERT_EQ(a.Status, 0) << a.Fehler;
    EXPECT_EQ(test::OrdnerInhalt("berichte"),
              (std::vector<std::string>{"variante_00001.txt", "variante_00002.txt"}));
    EXPECT_EQ(test::DateiZeilen("berichte/variante_00002.txt")[7], "20\t\t Anzahl Register-Rohre");
    EXPECT_EQ(test::DateiZeilen("berichte/variante_00002.txt").size(), 8865u);
}

} // namespace
} // namespace kov
