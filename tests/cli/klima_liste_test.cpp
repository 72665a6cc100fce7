#include "cli/kov_run.h"
#include "files/klima.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace kov {
namespace {

struct TErgebnis {
    int Status;
    std::string Aus, Fehler;
};

TErgebnis Lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = KovRun(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

std::string ZeileOhneEnde(const std::string& text, int nummer) {
    return test::TextZeilen(text).at(static_cast<std::size_t>(nummer - 1));
}

TEST(KlimaLauf, ABuiltInYearRunsAsItsOriginalFileAndNamesItsSource) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis klima = Lauf({"Klima=5:Wint:2045"});
    ASSERT_EQ(klima.Status, 0) << klima.Fehler;
    const std::string bericht = test::DateiInhalt("kov.txt");
    EXPECT_NE(bericht.find("\r\nTRY2045-05-Wint (Datenbasis: Deutscher Wetterdienst)\t\t Name des "
                           "Eingabe-Wetter-Files\r\n"),
              std::string::npos);
    EXPECT_NE(klima.Aus.find("Wetter: Eingebautes Klima TRY2045-05-Wint: Region 5 Essen, extremer "
                             "Winter 2031–2060 (Datenbasis: Deutscher Wetterdienst)\n"),
              std::string::npos)
        << klima.Aus;

    // the same bytes unpacked to a file and run as a site's weather file: the same report but
    // for the name on line 55
    TKlimaWahl wahl;
    ASSERT_TRUE(KlimaWahlLesen("5:Wint:2045", wahl));
    test::DateiSchreiben("TRY2045_514562070568_Wint.dat", KlimaDateiText(wahl));
    const TErgebnis datei =
        Lauf({"WetterDatei=TRY2045_514562070568_Wint.dat", "OutputFile=datei.txt"});
    ASSERT_EQ(datei.Status, 0) << datei.Fehler;
    auto klimaZeilen = test::TextZeilen(bericht);
    auto dateiZeilen = test::DateiZeilen("datei.txt");
    ASSERT_EQ(klimaZeilen.size(), dateiZeilen.size());
    EXPECT_EQ(dateiZeilen[54], "TRY2045_514562070568_Wint.dat\t\t Name des Eingabe-Wetter-Files");
    for (std::size_t i = 0; i < klimaZeilen.size(); ++i) {
        if (i == 54 || i == 55) continue; // the weather's and the report's names
        EXPECT_EQ(klimaZeilen[i], dateiZeilen[i]) << "line " << i + 1;
    }
}

TEST(KlimaLauf, AProjectKeepsTheClimateByNameAndRerunsToTheSameBytes) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis erst =
        Lauf({"--speichern", "p.kov", "Klima=12:2045:Somm", "Rohrlaenge=35", "Land=D"});
    ASSERT_EQ(erst.Status, 0) << erst.Fehler;
    const std::string projekt = test::DateiInhalt("p.kov");
    EXPECT_NE(projekt.find("  \"Klima\": \"TRY2045-12-Somm\""), std::string::npos) << projekt;
    const std::string bericht = test::DateiInhalt("kov.txt");
    std::filesystem::remove("kov.txt");
    const TErgebnis wieder = Lauf({"--projekt", "p.kov"});
    ASSERT_EQ(wieder.Status, 0) << wieder.Fehler;
    EXPECT_TRUE(test::DateiInhalt("kov.txt") == bericht) << "the rerun wrote other bytes";
    EXPECT_EQ(erst.Aus, wieder.Aus);
}

TEST(KlimaLauf, ClimatesThatNameNoYearOrContradictTheWeatherAreRefused) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("ort.csv", "x");
    struct Fall {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{"Klima=16"}, "Eingebautes Klima (Klima) \"16\" muss ein eingebautes Klima nennen"},
        {{"Klima=0"}, "(Klima) \"0\" muss"},
        {{"Klima=5:Herbst"}, "(Klima) \"5:Herbst\" muss"},
        {{"Klima=5:Wint:2030"}, "(Klima) \"5:Wint:2030\" muss"},
        {{"Klima=TRY2015-5-Jahr"}, "(Klima) \"TRY2015-5-Jahr\" muss"},
        {{"Klima=5", "WetterDatei=ort.csv"},
         "Eingebautes Klima (Klima) und WetterDatei widersprechen sich"},
        {{"WetterDatei=ort.csv", "Klima=TRY2015-01-Jahr"}, "und WetterDatei widersprechen sich"},
        {{"Klima=5", "EingebautesWetter=false"},
         "Eingebautes Klima (Klima) und EingebautesWetter=false widersprechen sich"},
    };
    for (const Fall& f : faelle) {
        const TErgebnis e = Lauf(f.argumente);
        EXPECT_EQ(e.Status, 2) << f.meldung;
        EXPECT_NE(e.Fehler.find("Parametersatz abgelehnt, nichts berechnet"), std::string::npos)
            << e.Fehler;
        EXPECT_NE(e.Fehler.find(f.meldung), std::string::npos) << e.Fehler;
        EXPECT_FALSE(std::filesystem::exists("kov.txt")) << f.meldung;
    }
}

TEST(KlimaLauf, ListShowsTheNinetyYearsWithTheirFigures) {
    const TErgebnis text = Lauf({"--klima-liste"});
    ASSERT_EQ(text.Status, 0) << text.Fehler;
    const auto zeilen = test::TextZeilen(text.Aus);
    ASSERT_EQ(zeilen.size(), 5u + 90u);
    EXPECT_NE(zeilen[1].find("Datenbasis: Deutscher Wetterdienst"), std::string::npos);
    // the figures of klima_test.cpp, taken from the original files with awk
    EXPECT_NE(text.Aus.find("TRY2015-05-Jahr  Essen                   mittleres Jahr   1995–2012  "
                            "     10.96    -6.3    33.3             303\n"),
              std::string::npos)
        << text.Aus;
    EXPECT_NE(text.Aus.find("TRY2045-12-Wint  Mannheim                extremer Winter  2031–2060  "
                            "     11.48    -7.3    33.5             498\n"),
              std::string::npos);
    EXPECT_EQ(ZeileOhneEnde(text.Aus, 6).substr(0, 15), "TRY2015-01-Jahr");
    EXPECT_EQ(ZeileOhneEnde(text.Aus, 95).substr(0, 15), "TRY2045-15-Wint");

    const TErgebnis json = Lauf({"--klima-liste", "--json"});
    ASSERT_EQ(json.Status, 0) << json.Fehler;
    const auto liste = nlohmann::json::parse(json.Aus);
    ASSERT_EQ(liste.size(), 90u);
    EXPECT_EQ(liste[1]["Klima"], "TRY2015-01-Somm") << "order region, period, kind";
    EXPECT_EQ(liste[75]["Klima"], "TRY2045-13-Jahr");
    EXPECT_EQ(liste[75]["Station"], "Mühldorf");
    EXPECT_EQ(Lauf({"--klima-liste", "Klima=5"}).Status, 2);
}

TEST(KlimaLauf, CheckSetsTheRegionsSixYearsSideBySideAsSingleRunsGiveThem) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis check = Lauf({"--klimacheck", "--json", "--jobs", "3", "Klima=8"});
    ASSERT_EQ(check.Status, 0) << check.Fehler;
    EXPECT_TRUE(test::OrdnerInhalt(".").empty()) << "the check writes no file";
    const auto j = nlohmann::json::parse(check.Aus);
    EXPECT_EQ(j["Station"], "Braunlage");
    ASSERT_EQ(j["Jahre"].size(), 6u);
    const char* jahre[] = {"TRY2015-08-Jahr", "TRY2015-08-Wint", "TRY2015-08-Somm",
                           "TRY2045-08-Jahr", "TRY2045-08-Wint", "TRY2045-08-Somm"};
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& jahr = j["Jahre"][i];
        ASSERT_EQ(jahr["Klima"], jahre[i]);
        const TErgebnis einzeln = Lauf({"--json", std::string("Klima=") + jahre[i]});
        ASSERT_EQ(einzeln.Status, 0) << einzeln.Fehler;
        const auto e = nlohmann::json::parse(einzeln.Aus);
        // the same run on another thread: the same doubles
        EXPECT_EQ(jahr["Heizenergie"], e["Heizenergie"]) << jahre[i];
        EXPECT_EQ(jahr["Kuehlenergie"], e["Kuehlenergie"]) << jahre[i];
        EXPECT_EQ(jahr["TausMin"], e["Kennwerte"]["TausMin"]) << jahre[i];
        EXPECT_EQ(jahr["FrostStundenNachRegister"], e["Kennwerte"]["FrostStundenNachRegister"])
            << jahre[i];
        EXPECT_EQ(jahr["HeizenergieNutzbar"], e["Kennwerte"]["HeizenergieNutzbar"]) << jahre[i];
    }
    EXPECT_EQ(Lauf({"--klimacheck", "--json", "--jobs", "1", "Klima=8"}).Aus, check.Aus);

    const TErgebnis ohne = Lauf({"--klimacheck"});
    EXPECT_EQ(ohne.Status, 2);
    EXPECT_NE(ohne.Fehler.find("--klimacheck braucht ein eingebautes Klima"), std::string::npos);
    const TErgebnis falsch = Lauf({"--klimacheck", "Klima=8", "Rohrlaenge=-1"});
    EXPECT_EQ(falsch.Status, 2);
    EXPECT_NE(falsch.Fehler.find("Klimacheck abgelehnt"), std::string::npos) << falsch.Fehler;
}

} // namespace
} // namespace kov
