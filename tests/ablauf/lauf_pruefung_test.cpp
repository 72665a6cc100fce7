#include "ablauf/lauf_pruefung.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/simulation.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

std::string Wetter(const std::string& name) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + name;
}

TEST(LaufPruefung, AWeatherFileMayBeNoOtherFileOfTheRun) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("projekt");
    std::filesystem::copy_file(Wetter("tmy_45.000_8.000_2005_2023.epw"), "projekt/ort.epw");
    // the report reached through a link, and the scratch copy through the project's folder
    std::filesystem::create_symlink("projekt/ort.epw", "bericht.txt");
    struct TFall {
        const char* Name;
        std::string WetterDatei, OutputFile, EingabeOrdner;
        bool EingebautesWetter;
        std::string Meldung; // "" for a set that may run
    };
    const TFall faelle[] = {
        {"eigene Datei", "ort.epw", "kov.txt", "projekt", true, ""},
        {"Bericht über einen Link", "ort.epw", "bericht.txt", "projekt", true,
         "Wetterdatei (WetterDatei) \"ort.epw\" ist die Ausgabedatei (OutputFile)"},
        {"Hilfsdatei", "../dummy.txt", "kov.txt", "projekt", true,
         "Wetterdatei (WetterDatei) \"../dummy.txt\" ist die Hilfsdatei \"dummy.txt\""},
        {"Widerspruch", "ort.epw", "kov.txt", "projekt", false,
         "Wetterdatei (WetterDatei) und EingebautesWetter=false widersprechen sich"},
    };
    for (const TFall& f : faelle) {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        p.WetterDatei = f.WetterDatei;
        p.OutputFile = f.OutputFile;
        p.EingebautesWetter = f.EingebautesWetter;
        const auto meldungen = LaufPruefen(p, {}, nullptr, f.EingabeOrdner);
        if (f.Meldung.empty()) {
            EXPECT_TRUE(meldungen.empty()) << f.Name << ": " << meldungen.front();
            continue;
        }
        ASSERT_EQ(meldungen.size(), 1u) << f.Name;
        EXPECT_EQ(meldungen[0].find(f.Meldung), 0u) << f.Name << ": " << meldungen[0];
    }
}

TEST(LaufPruefung, AnOutputThatIsAnInputOrAnEarlierOutputIsNamedWithBothRoles) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("a/b");
    test::DateiSchreiben("a/p.kov", "{}");
    std::filesystem::create_symlink("a/p.kov", "verweis.kov");
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WetterDatei = "w.dat";
    p.FahrplanGelesen = true;
    p.FahrplanFile = "b/plan.txt";
    const std::vector<TDateiRolle> eingaben = LaufEingaben(p, {"a", "a", "a/p.kov"});
    ASSERT_EQ(eingaben.size(), 3u);
    EXPECT_EQ(eingaben[1].Pfad, "a/w.dat");
    EXPECT_EQ(eingaben[2].Pfad, "a/b/plan.txt");
    const auto ausgabe = [](const char* name) {
        return TDateiRolle{"Die Ausgabe", "die Ausgabe", name, name};
    };
    const struct {
        std::vector<TDateiRolle> Ausgaben;
        std::vector<std::string> Meldungen;
    } faelle[] = {
        {{ausgabe("verweis.kov")},
         {"Die Ausgabe verweis.kov würde die Projektdatei a/p.kov überschreiben."}},
        {{ausgabe("a/b/../w.dat")},
         {"Die Ausgabe a/b/../w.dat würde die Wetterdatei w.dat überschreiben."}},
        {{ausgabe("./a/b/plan.txt")},
         {"Die Ausgabe ./a/b/plan.txt würde den Lüftungsfahrplan b/plan.txt überschreiben."}},
        {{ausgabe("x.pdf"), ausgabe("a/../x.pdf"), ausgabe("y.pdf")},
         {"Die Ausgabe a/../x.pdf würde die Ausgabe x.pdf überschreiben."}},
        {{ausgabe("a/p.kov.pdf"), ausgabe("a/w.dat.csv")}, {}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(UeberschreibenPruefen(f.Ausgaben, eingaben), f.Meldungen) << f.Ausgaben[0].Name;

    // the weather of the previous report is the report, read before it is written again
    p.EingebautesWetter = false;
    p.WetterDatei.clear();
    const std::vector<TDateiRolle> bericht = LaufEingaben(p, {"a", "a"});
    ASSERT_EQ(bericht.size(), 1u);
    EXPECT_EQ(bericht[0].Wen, "den vorigen Bericht");
    EXPECT_EQ(bericht[0].Pfad, "a/kov.txt");
}

TEST(LaufPruefung, ASavedProjectOrAnExportReplacesNoFileOfItsRun) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("a/neu");
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WetterDatei = "w.dat";
    p.FahrplanGelesen = true;
    p.FahrplanFile = "plan.txt";
    // the project in a/, saved as a/neu/...: its inputs stay in a/, its next report goes to a/neu
    const std::vector<TDateiRolle> geschuetzt = BeimSpeichernGeschuetzt(p, "a", "a/neu");
    const auto projekt = [&](const char* name) {
        return UeberschreibenPruefen({{"Das Projekt", "das Projekt", name, name}}, geschuetzt);
    };
    const struct {
        const char* Ziel;
        std::vector<std::string> Meldungen;
    } faelle[] = {
        {"a/p.kov", {}}, // saved over itself or beside its files
        {"a/neu/p.kov", {}},
        {"a/w.dat", {"Das Projekt a/w.dat würde die Wetterdatei w.dat überschreiben."}},
        {"a/neu/../plan.txt",
         {"Das Projekt a/neu/../plan.txt würde den Lüftungsfahrplan plan.txt überschreiben."}},
        {"a/kov.txt", {"Das Projekt a/kov.txt würde den Bericht kov.txt überschreiben."}},
        {"a/neu/kov.txt", {"Das Projekt a/neu/kov.txt würde den Bericht kov.txt überschreiben."}},
        {"./a/dummy.txt",
         {"Das Projekt ./a/dummy.txt würde die Hilfsdatei dummy.txt überschreiben."}},
        {"a/neu/dummy.txt",
         {"Das Projekt a/neu/dummy.txt würde die Hilfsdatei dummy.txt überschreiben."}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(projekt(f.Ziel), f.Meldungen) << f.Ziel;
    // saved where it was: the report and the scratch file are named once
    EXPECT_EQ(BeimSpeichernGeschuetzt(p, "a", "a").size(), LaufDateien(p, {"a", "a"}).size());

    // an export of a run that read its weather back from the previous report: that report
    // once, as the input it is, then the scratch file; the project file with it
    p.EingebautesWetter = false;
    p.WetterDatei.clear();
    const std::vector<TDateiRolle> dateien = LaufDateien(p, {"a", "a", "a/p.kov"});
    ASSERT_EQ(dateien.size(), 3u);
    EXPECT_EQ(dateien[0].Wen, "die Projektdatei");
    EXPECT_EQ(dateien[1].Wen, "den vorigen Bericht");
    EXPECT_EQ(dateien[2].Pfad, "a/dummy.txt");
}

TEST(LaufPruefung, TheRunTakesTheWeatherOfTheFileBesideTheProject) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("projekt");
    std::filesystem::copy_file(Wetter("TRY2010_05_Jahr.dat"), "projekt/essen.dat");
    auto k = test::NeuerKontext();
    StandardwerteSetzen(*k);
    k->Parameter.WetterDatei = "essen.dat";
    SimulationAusfuehren(*k, {}, {}, nullptr, "projekt");

    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    WetterDateiLesen(Wetter("TRY2010_05_Jahr.dat"), *jahr, info);
    EXPECT_TRUE(k->Reihen.Tein == jahr->Tein);
    for (int h = 1; h <= StundenImJahr; ++h) {
        ASSERT_EQ(k->Reihen.RelFeuchte[h], jahr->RelFeuchte[h]) << h;
        ASSERT_EQ(k->Reihen.TTaupunkt[h], jahr->TTaupunkt[h]) << h;
    }
    const auto zeilen = test::DateiZeilen("kov.txt");
    ASSERT_EQ(zeilen.size(), 8865u);
    EXPECT_EQ(zeilen[54], "essen.dat\t\t Name des Eingabe-Wetter-Files");
    // the ground follows the file's air: its annual mean is the mean of the hours (summed in
    // another order, so to the last few bits)
    EXPECT_NEAR(k->Werte.JahresMittelTemperatur, info.Kennwerte.JahresMittel, 1e-10);
}

} // namespace
} // namespace kov
