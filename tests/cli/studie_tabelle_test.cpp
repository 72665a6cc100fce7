// kov-run's streamed study table: the same bytes as the table of the whole study computed at
// once, on stdout and in a file; a study cut short and continued, parts merged, and the
// refusals of what does not belong together.
#include "ablauf/studie_csv.h"
#include "cli/kov_run.h"
#include "cli/studie_lauf.h"
#include "files/wetter.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace kov {
namespace {

struct TAusgabe {
    int Status;
    std::string Aus, Fehler;
};

TAusgabe Lauf(const std::vector<std::string>& argumente, bool fortschritt = false) {
    std::ostringstream aus, fehler;
    const int status = KovRun(argumente, aus, fehler, fortschritt);
    return {status, aus.str(), fehler.str()};
}

// 36 cheap variants, some breaking the condition, fronts with several members
const std::vector<std::string> Studie = {"--variiere",
                                         "AnzahlRohre=1:12:1",
                                         "--variiere",
                                         "Rohrlaenge=20:40:10",
                                         "--bedingung",
                                         "TausMin>=-8",
                                         "Einschwingjahre=0",
                                         "AnzahlGitter=3",
                                         "--jobs",
                                         "2"};

std::vector<std::string> Mit(std::vector<std::string> dazu) {
    std::vector<std::string> argumente = Studie;
    argumente.insert(argumente.end(), dazu.begin(), dazu.end());
    return argumente;
}

// the table as the study computed whole in memory gives it
std::string GanzeTabelle() {
    TStudie studie;
    ParameterStandardwerteSetzen(studie.Basis);
    studie.Basis.Einschwingjahre = 0;
    studie.Basis.AnzahlGitter = 3;
    AnteilErdeBerechnen(studie.Basis);
    studie.Variationen = {VariationLesen("AnzahlRohre", "1:12:1"),
                          VariationLesen("Rohrlaenge", "20:40:10")};
    studie.Bedingungen = {BedingungLesen("TausMin>=-8")};
    std::vector<TVariantenErgebnis> ergebnis;
    StudieRechnen(studie, EingebautesWetterJahr(), nullptr, 2, ergebnis);
    return StudieAlsCsv(studie, ergebnis);
}

TEST(StudieTabelle, StreamedOnStdoutAndIntoAFileItIsTheTableOfTheWholeStudy) {
    test::TArbeitsVerzeichnis ort;
    const std::string ganz = GanzeTabelle();
    ASSERT_EQ(test::TextZeilen(ganz).size(), 37u);
    ASSERT_NE(ganz.find(",TausMin,"), std::string::npos) << "some variants break the condition";
    ASSERT_NE(ganz.find(",1,1\n"), std::string::npos) << "some variants are on both fronts";
    const TAusgabe a = Lauf(Studie);
    ASSERT_EQ(a.Status, 0) << a.Fehler;
    EXPECT_EQ(a.Aus, ganz);
    EXPECT_EQ(a.Fehler, "");
    const TAusgabe b = Lauf(Mit({"--aus", "studie.csv"}));
    ASSERT_EQ(b.Status, 0) << b.Fehler;
    EXPECT_EQ(b.Aus, "");
    EXPECT_EQ(test::DateiInhalt("studie.csv"), ganz);
    EXPECT_EQ(test::OrdnerInhalt("."),
              (std::vector<std::string>{"studie.csv", "studie.csv.studie"}));
}

TEST(StudieTabelle, PartsMergedAreTheWholeTable) {
    test::TArbeitsVerzeichnis ort;
    const std::string ganz = Lauf(Studie).Aus;
    for (const int teile : {1, 3, 7}) {
        std::vector<std::string> namen;
        // given in an order of their own: the merge goes by the parts' numbers
        for (int k = teile; k >= 1; --k) {
            const std::string name = "t" + std::to_string(k) + "v" + std::to_string(teile) + ".csv";
            const TAusgabe a = Lauf(
                Mit({"--teil", std::to_string(k) + "/" + std::to_string(teile), "--aus", name}));
            ASSERT_EQ(a.Status, 0) << a.Fehler;
            namen.push_back(name);
        }
        namen.insert(namen.begin(), "--zusammenfuehren");
        const TAusgabe m = Lauf(namen);
        ASSERT_EQ(m.Status, 0) << teile << " parts: " << m.Fehler;
        EXPECT_EQ(m.Aus, ganz) << teile << " parts";
    }
    // part 7 of 7 holds the variants 7, 14, ..., 35, numbered as in the whole study
    const auto zeilen = test::DateiZeilen("t7v7.csv");
    ASSERT_EQ(zeilen.size(), 6u);
    EXPECT_EQ(zeilen[1].rfind("7,", 0), 0u);
    EXPECT_EQ(zeilen[5].rfind("35,", 0), 0u);
}

TEST(StudieTabelle, AMergeRefusesPartsThatAreNotTheWholeStudyNamingThePart) {
    test::TArbeitsVerzeichnis ort;
    for (const char* k : {"1", "2", "3"})
        ASSERT_EQ(
            Lauf(Mit({"--teil", std::string(k) + "/3", "--aus", std::string("t") + k + ".csv"}))
                .Status,
            0);
    ASSERT_EQ(Lauf(Mit({"--teil", "2/3", "--aus", "anders.csv", "Heizgrenze=7"})).Status, 0);
    ASSERT_EQ(Lauf(Mit({"--teil", "2/4", "--aus", "viertel.csv"})).Status, 0);
    const std::string t2 = test::DateiInhalt("t2.csv");
    test::DateiSchreiben("kurz.csv", t2.substr(0, t2.size() - 30));
    std::filesystem::copy_file("t2.csv.studie", "kurz.csv.studie");
    std::filesystem::copy_file("t2.csv", "ohne.csv");
    struct Fall {
        std::vector<std::string> teile;
        int status;
        const char* meldung;
    } faelle[] = {
        {{"t1.csv", "t3.csv"}, 2, "Teil 2 von 3 fehlt"},
        {{"t1.csv", "t2.csv", "t2.csv", "t3.csv"},
         2,
         "\"t2.csv\" und \"t2.csv\" sind beide Teil 2"},
        {{"t1.csv", "anders.csv", "t3.csv"},
         2,
         "\"anders.csv\" gehört nicht zu \"t1.csv\": ein anderes Basisprojekt"},
        {{"t1.csv", "viertel.csv", "t3.csv"},
         2,
         "\"viertel.csv\" gehört nicht zu \"t1.csv\": Teil 2 von 4"},
        {{"t1.csv", "kurz.csv", "t3.csv"},
         2,
         "\"kurz.csv\" ist unvollständig: es endet nach 11 von 12"},
        {{"t1.csv", "ohne.csv", "t3.csv"}, 1, "ohne.csv.studie"},
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> argumente = f.teile;
        argumente.insert(argumente.begin(), "--zusammenfuehren");
        const TAusgabe a = Lauf(argumente);
        EXPECT_EQ(a.Status, f.status) << f.meldung;
        EXPECT_NE(a.Fehler.find(f.meldung), std::string::npos) << f.meldung << " in " << a.Fehler;
        EXPECT_EQ(a.Aus, "") << f.meldung;
    }
}

// StudieAusfuehren on the test's study, stopped after halt lines as an interruption would
int Angehalten(std::vector<std::string> dazu, std::size_t halt, std::string& fehler) {
    TRegisterParameter basis;
    ParameterStandardwerteSetzen(basis);
    basis.Einschwingjahre = 0;
    basis.AnzahlGitter = 3;
    AnteilErdeBerechnen(basis);
    TStudienAufruf aufruf;
    aufruf.Variationen = {"AnzahlRohre=1:12:1", "Rohrlaenge=20:40:10"};
    aufruf.Bedingungen = {"TausMin>=-8"};
    aufruf.Faeden = 2;
    aufruf.Aus = dazu.at(0);
    if (dazu.size() > 1) {
        aufruf.Teil = std::stoul(dazu[1]);
        aufruf.Teile = std::stoul(dazu[2]);
    }
    aufruf.Anhalten = [&](std::size_t zeilen) { return zeilen >= halt; };
    std::ostringstream aus, meldungen;
    const int status = StudieAusfuehren(basis, aufruf, aus, meldungen);
    fehler = meldungen.str();
    return status;
}

TEST(StudieTabelle, AStudyCutShortAndContinuedIsTheWholeTable) {
    test::TArbeitsVerzeichnis ort;
    const std::string ganz = Lauf(Studie).Aus;
    ASSERT_EQ(Lauf(Mit({"--teil", "2/3", "--aus", "teil.csv"})).Status, 0);
    const std::string teil = test::DateiInhalt("teil.csv");
    struct Fall {
        const char* name;
        std::vector<std::string> wo; // file, part, parts
        std::size_t halt;
        std::size_t abschneiden; // bytes cut off the end afterwards, as a kill in a write would
        const std::string* erwartet;
    } faelle[] = {
        {"after 5 lines", {"a.csv"}, 5, 0, &ganz},
        {"after the first line", {"b.csv"}, 1, 0, &ganz},
        {"a cut last line", {"c.csv"}, 9, 17, &ganz},
        {"only the header left", {"d.csv"}, 1, 200, &ganz},
        {"part 2 of 3", {"e.csv", "2", "3"}, 4, 5, &teil},
    };
    for (const Fall& f : faelle) {
        std::string meldung;
        ASSERT_EQ(Angehalten(f.wo, f.halt, meldung), 1) << f.name;
        EXPECT_NE(meldung.find("--fortsetzen \"" + f.wo[0] + "\" rechnet den Rest"),
                  std::string::npos)
            << f.name << ": " << meldung;
        std::string halb = test::DateiInhalt(f.wo[0]);
        EXPECT_GE(test::TextZeilen(halb).size(), f.halt + 1) << f.name;
        EXPECT_LT(halb.size(), f.erwartet->size()) << f.name;
        test::DateiSchreiben(
            f.wo[0], halb.substr(0, halb.size() - std::min(halb.size() - 1, f.abschneiden)));
        std::vector<std::string> weiter = Mit({"--fortsetzen", f.wo[0]});
        if (f.wo.size() > 1) weiter.insert(weiter.end(), {"--teil", f.wo[1] + "/" + f.wo[2]});
        const TAusgabe a = Lauf(weiter);
        ASSERT_EQ(a.Status, 0) << f.name << ": " << a.Fehler;
        EXPECT_EQ(test::DateiInhalt(f.wo[0]), *f.erwartet) << f.name;
        // a finished table continued stays as it is
        ASSERT_EQ(Lauf(weiter).Status, 0) << f.name;
        EXPECT_EQ(test::DateiInhalt(f.wo[0]), *f.erwartet) << f.name;
    }
}

TEST(StudieTabelle, ContinuingRefusesAnotherStudyBaseOrPartAndLeavesTheTable) {
    test::TArbeitsVerzeichnis ort;
    std::string meldung;
    ASSERT_EQ(Angehalten({"s.csv"}, 6, meldung), 1);
    const std::string halb = test::DateiInhalt("s.csv");
    struct Fall {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{"--variiere", "AnzahlRohre=1:12:1", "--variiere", "Rohrlaenge=20:50:10", "--bedingung",
          "TausMin>=-8", "Einschwingjahre=0", "AnzahlGitter=3"},
         "die Tabelle hat eine andere Studie"},
        {Mit({"Heizgrenze=7"}), "die Tabelle hat ein anderes Basisprojekt"},
        {Mit({"--teil", "1/2"}), "die Tabelle hat Teil 1 von 1, nicht Teil 1 von 2"},
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> argumente = f.argumente;
        argumente.insert(argumente.end(), {"--fortsetzen", "s.csv"});
        const TAusgabe a = Lauf(argumente);
        EXPECT_EQ(a.Status, 2) << f.meldung;
        EXPECT_NE(a.Fehler.find(f.meldung), std::string::npos) << f.meldung << " in " << a.Fehler;
        EXPECT_EQ(test::DateiInhalt("s.csv"), halb) << f.meldung;
    }
    const TAusgabe ohne = Lauf(Mit({"--teil", "1/2"}));
    EXPECT_EQ(ohne.Status, 2);
    EXPECT_NE(ohne.Fehler.find("--teil braucht --aus DATEI"), std::string::npos) << ohne.Fehler;
    const TAusgabe falsch = Lauf(Mit({"--teil", "3/2", "--aus", "x.csv"}));
    EXPECT_EQ(falsch.Status, 2);
    EXPECT_NE(falsch.Fehler.find("--teil braucht K/N"), std::string::npos) << falsch.Fehler;
}

TEST(StudieTabelle, ProgressWhereAskedForAndNotWithStill) {
    const TAusgabe gefragt = Lauf(Studie, true);
    ASSERT_EQ(gefragt.Status, 0) << gefragt.Fehler;
    EXPECT_NE(gefragt.Fehler.find("\rkov-run: 36 von 36 Varianten, "), std::string::npos)
        << gefragt.Fehler;
    EXPECT_NE(gefragt.Fehler.find(", fertig in "), std::string::npos) << gefragt.Fehler;
    const TAusgabe still = Lauf(Mit({"--still"}), true);
    EXPECT_EQ(still.Fehler, "");
    EXPECT_EQ(still.Aus, gefragt.Aus);
}

} // namespace
} // namespace kov
