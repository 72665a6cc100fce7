// kov-run's variant study: the same table for every number of threads, refusals before
// anything runs, one report per variant on request.
#include "cli/kov_run.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
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

TEST(StudieLauf, NoFileOfAStudyReplacesAnother) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("berichte");
    test::DateiSchreiben("kov.txt", "eine Datei\r\n");
    std::filesystem::copy_file(std::string(KOV_TESTDATEN) + "/wetter/TRY2010_05_Jahr.dat",
                               "berichte/variante_00002.txt");
    const std::string wetter = test::DateiInhalt("berichte/variante_00002.txt");
    const std::vector<std::string> studie = {"--variiere", "AnzahlRohre=10,20",
                                             "Einschwingjahre=0"};
    struct TFall {
        std::vector<std::string> Argumente;
        std::string Meldung;
    };
    const TFall faelle[] = {
        {{"--berichte", "kov.txt"},
         "kov-run: --berichte braucht einen Ordner; \"kov.txt\" ist eine Datei.\n"},
        {{"--berichte", "berichte", "WetterDatei=berichte/variante_00002.txt"},
         "  Der Bericht der Variante 2 berichte/variante_00002.txt würde die Wetterdatei "
         "berichte/variante_00002.txt überschreiben.\n"},
        {{"--berichte", "./berichte/", "--speichern", "berichte/variante_00001.txt"},
         "  Das gespeicherte Projekt berichte/variante_00001.txt würde den Bericht der Variante 1 "
         "./berichte/variante_00001.txt überschreiben.\n"},
        {{"--speichern", "berichte/variante_00002.txt",
          "WetterDatei=berichte/../berichte/variante_00002.txt"},
         "würde die Wetterdatei berichte/../berichte/variante_00002.txt überschreiben.\n"},
    };
    for (const TFall& f : faelle) {
        std::vector<std::string> argumente = studie;
        argumente.insert(argumente.end(), f.Argumente.begin(), f.Argumente.end());
        const TAusgabe a = Lauf(argumente);
        EXPECT_EQ(a.Status, 2) << f.Meldung;
        EXPECT_NE(a.Fehler.find(f.Meldung), std::string::npos) << f.Meldung << " in " << a.Fehler;
        EXPECT_EQ(a.Aus, "") << f.Meldung;
        EXPECT_EQ(test::OrdnerInhalt("berichte"), (std::vector<std::string>{"variante_00002.txt"}))
            << f.Meldung;
        EXPECT_EQ(test::DateiInhalt("berichte/variante_00002.txt"), wetter) << f.Meldung;
    }
    // a third variant's name is not one of two variants' reports
    const TAusgabe a = Lauf({"--variiere", "AnzahlRohre=10", "--berichte", "berichte",
                             "WetterDatei=berichte/variante_00002.txt", "Einschwingjahre=0"});
    EXPECT_EQ(a.Status, 0) << a.Fehler;
}

// The value of column name in every data row of a study's CSV (decimal point, comma separated,
// no quoted field before the figures when no soil is varied).
std::vector<double> Spalte(const std::string& csv, const std::string& name) {
    const auto zeilen = test::TextZeilen(csv);
    std::vector<std::string> kopf;
    std::stringstream k(zeilen.at(0));
    for (std::string feld; std::getline(k, feld, ',');)
        kopf.push_back(feld);
    const auto stelle = std::find(kopf.begin(), kopf.end(), name) - kopf.begin();
    std::vector<double> werte;
    for (std::size_t z = 1; z < zeilen.size(); ++z) {
        if (zeilen[z].empty()) continue;
        std::stringstream zeile(zeilen[z]);
        std::string feld;
        for (long s = 0; s <= stelle; ++s)
            std::getline(zeile, feld, ',');
        werte.push_back(std::stod(feld));
    }
    return werte;
}

TEST(StudieLauf, TheStudyComputesWithTheWeatherFileOfItsProject) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("projekt");
    std::filesystem::copy_file(std::string(KOV_TESTDATEN) + "/wetter/TRY2010_05_Jahr.dat",
                               "projekt/essen.dat");
    ASSERT_EQ(Lauf({"--nur-speichern", "--speichern", "projekt/haus.kov",
                    "WetterDatei=projekt/essen.dat", "Einschwingjahre=0"})
                  .Status,
              0);
    const std::vector<std::string> variiere = {"--variiere", "AnzahlRohre=8,15"};
    auto mit = [&](std::vector<std::string> vorne) {
        vorne.insert(vorne.end(), variiere.begin(), variiere.end());
        return Lauf(vorne);
    };
    const TAusgabe datei = mit({"WetterDatei=projekt/essen.dat", "Einschwingjahre=0"});
    const TAusgabe projekt = mit({"--projekt", "projekt/haus.kov"});
    const TAusgabe eingebaut = mit({"Einschwingjahre=0"});
    ASSERT_EQ(datei.Status, 0) << datei.Fehler;
    ASSERT_EQ(projekt.Status, 0) << projekt.Fehler;
    EXPECT_EQ(projekt.Aus, datei.Aus);
    EXPECT_NE(eingebaut.Aus, datei.Aus) << "the study ran with the built-in year";

    // every variant bit for bit as a single run of the project with its value
    const std::vector<int> rohre = {8, 15};
    for (const char* kennwert : {"Heizenergie", "Kuehlenergie", "TausMin"}) {
        const std::vector<double> studie = Spalte(projekt.Aus, kennwert);
        ASSERT_EQ(studie.size(), rohre.size()) << kennwert;
        for (std::size_t v = 0; v < rohre.size(); ++v) {
            std::filesystem::create_directories("einzeln");
            const TAusgabe einzeln =
                Lauf({"--json", "-C", "einzeln", "--projekt", "projekt/haus.kov",
                      "AnzahlRohre=" + std::to_string(rohre[v])});
            ASSERT_EQ(einzeln.Status, 0) << einzeln.Fehler;
            const nlohmann::json j = nlohmann::json::parse(einzeln.Aus);
            const nlohmann::json& wert =
                j.contains(kennwert) ? j[kennwert] : j["Kennwerte"][kennwert];
            EXPECT_EQ(studie[v], wert.get<double>()) << kennwert << ", " << rohre[v] << " Rohre";
        }
    }
}

TEST(StudieLauf, TheStudyComputesWithTheBuiltInClimateOfItsProject) {
    test::TArbeitsVerzeichnis ort;
    const TAusgabe studie =
        Lauf({"--variiere", "AnzahlRohre=8,15", "Klima=5:Wint", "Einschwingjahre=0"});
    ASSERT_EQ(studie.Status, 0) << studie.Fehler;
    const std::vector<double> tausMin = Spalte(studie.Aus, "TausMin");
    ASSERT_EQ(tausMin.size(), 2u);
    const std::vector<int> rohre = {8, 15};
    for (std::size_t v = 0; v < rohre.size(); ++v) {
        const TAusgabe einzeln = Lauf({"--json", "Klima=5:Wint", "Einschwingjahre=0",
                                       "AnzahlRohre=" + std::to_string(rohre[v])});
        ASSERT_EQ(einzeln.Status, 0) << einzeln.Fehler;
        EXPECT_EQ(tausMin[v],
                  nlohmann::json::parse(einzeln.Aus)["Kennwerte"]["TausMin"].get<double>())
            << rohre[v] << " Rohre";
    }
}

TEST(StudieLauf, AWeatherFileThatCannotBeReadEndsTheStudyAsASingleRun) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kaputt.epw", "LOCATION,kaputt\n1,2,3\n");
    for (const char* datei : {"fehlt.epw", "kaputt.epw"}) {
        const std::string zuweisung = std::string("WetterDatei=") + datei;
        const TAusgabe einzeln = Lauf({zuweisung});
        const TAusgabe studie = Lauf({"--variiere", "AnzahlRohre=8,15", zuweisung});
        EXPECT_EQ(einzeln.Status, 1) << datei;
        EXPECT_EQ(studie.Status, einzeln.Status) << datei;
        EXPECT_EQ(studie.Fehler, einzeln.Fehler) << datei;
        EXPECT_NE(studie.Fehler.find("Wetterdatei nicht lesbar, nichts berechnet"),
                  std::string::npos)
            << studie.Fehler;
        EXPECT_EQ(studie.Aus, "") << datei;
    }
    EXPECT_EQ(test::OrdnerInhalt("."), (std::vector<std::string>{"kaputt.epw"}));
}

TEST(StudieLauf, SavingBesideAStudySavesItsBaseProject) {
    test::TArbeitsVerzeichnis ort;
    const TAusgabe studie = Lauf({"--variiere", "AnzahlRohre=8,15", "--speichern", "studie.kov",
                                  "Rohrlaenge=30", "Einschwingjahre=0"});
    ASSERT_EQ(studie.Status, 0) << studie.Fehler;
    ASSERT_EQ(Lauf({"--nur-speichern", "--speichern", "einzeln.kov", "Rohrlaenge=30",
                    "Einschwingjahre=0"})
                  .Status,
              0);
    EXPECT_EQ(test::DateiInhalt("studie.kov"), test::DateiInhalt("einzeln.kov"));

    const TAusgabe nur =
        Lauf({"--variiere", "AnzahlRohre=8,15", "--speichern", "nur.kov", "--nur-speichern"});
    EXPECT_EQ(nur.Status, 2);
    EXPECT_NE(nur.Fehler.find("--nur-speichern rechnet keine Studie"), std::string::npos)
        << nur.Fehler;
    EXPECT_FALSE(std::filesystem::exists("nur.kov"));
}

} // namespace
} // namespace kov
