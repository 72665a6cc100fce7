#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

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

TEST(ParameterZuweisung, NamesTypesAndMonthFields) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    for (const char* z : {"AnzahlGitter=8", "Land=D", "FahrplanGelesen=TRUE", "Geregelt=0",
                          "OutputFile=lauf 2.txt", "DRohr=2.5e-1", "KellerTemperatur=12.5",
                          "KellerTemperatur[3]=-1", "ErdTemperaturSpeziell[12]=4"})
        ParameterZuweisen(p, z);
    EXPECT_EQ(p.AnzahlGitter, 8);
    EXPECT_EQ(p.Land, "D");
    EXPECT_TRUE(p.FahrplanGelesen);
    EXPECT_FALSE(p.Geregelt);
    EXPECT_EQ(p.OutputFile, "lauf 2.txt");
    EXPECT_EQ(p.DRohr, 0.25);
    EXPECT_EQ(p.KellerTemperatur[2], 12.5);
    EXPECT_EQ(p.KellerTemperatur[3], -1.0);
    EXPECT_EQ(p.ErdTemperaturSpeziell[11], 10.0);
    EXPECT_EQ(p.ErdTemperaturSpeziell[12], 4.0);

    struct Fall {
        const char* zuweisung;
        const char* meldung;
    } faelle[] = {
        {"Unsinn=1", "Unbekannter Parameter \"Unsinn\""},
        {"DRohr=0,2", "ist keine Zahl"},
        {"DRohr=", "ist keine Zahl"},
        {"AnzahlGitter=6.5", "ist keine ganze Zahl"},
        {"AnzahlGitter=99999999999", "99999999999 liegt ausserhalb des Zahlenbereichs ganzer"},
        {"DRohr=1e999", "DRohr: 1e999 liegt ausserhalb des Zahlenbereichs."},
        {"DRohr=1e-400", "DRohr: 1e-400 liegt ausserhalb des Zahlenbereichs."},
        {"Un\x07sinn=1", "Unbekannter Parameter \"Un\\x07sinn\""},
        {"Geregelt=ja", "ist kein Wahrheitswert"},
        {"AnteilErde=0.5", "wird vom Programm berechnet"},
        {"Gitterfaktor=2", "wird vom Programm berechnet"},
        {"KellerTemperatur[13]=1", "zwischen 1 und 12"},
        {"KellerTemperatur[x]=1", "keine ganze Zahl"},
        {"DRohr[1]=0.2", "kein Monatsfeld"},
        {"DRohr", "NAME=WERT"},
    };
    for (const Fall& f : faelle) {
        try {
            ParameterZuweisen(p, f.zuweisung);
            ADD_FAILURE() << f.zuweisung << " was accepted";
        } catch (const TAufrufFehler& fehler) {
            EXPECT_NE(std::string(fehler.what()).find(f.meldung), std::string::npos)
                << f.zuweisung << ": " << fehler.what();
        }
    }
}

TEST(KovRun, RunsInTheGivenDirectoryAndReportsJson) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("ziel");
    const TErgebnis e = Lauf({"-C", "ziel", "--json", "Einschwingjahre=0", "OutputFile=a.txt"});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    std::filesystem::current_path(ort.Ort());
    EXPECT_EQ(test::DateiZeilen("ziel/a.txt").size(), 8865u);
    for (const char* schluessel :
         {"\"WaermeentzugKeller\": 0,", "\"WaermeentzugErde\": ", "\"Kuehlenergie\": ",
          "\"Heizenergie\": ", "\"Gitterfaktor\": 1.88", "\"StartTemperatur\": 2.91",
          "\"JahresMittelTemperatur\": 9.02329", "\"Durchlaeufe\": 1",
          "\"OutputFile\": \"a.txt\"}"})
        EXPECT_NE(e.Aus.find(schluessel), std::string::npos) << schluessel << " in " << e.Aus;
}

TEST(KovRun, TextSummaryNamesTotalsPassesAndReport) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis e = Lauf({});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    for (const char* text : {"Wärmeentzug aus Keller:", "Wärmeentzug aus Erde:", "Kühlenergie",
                             "Heizenergie", " kWh", "Durchläufe: 2", "Bericht: kov.txt"})
        EXPECT_NE(e.Aus.find(text), std::string::npos) << text;
}

TEST(KovRun, BadInputIsRefusedBeforeAnythingIsWritten) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    struct Fall {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{"Unbekannt=3"}, "Unbekannter Parameter"},
        {{"DRohr=abc"}, "ist keine Zahl"},
        {{"DRohr=0"}, "Rohrdurchmesser (DRohr) muss größer als 0 m sein."},
        {{"AnteilAdiabat=0.5", "AnteilKeller=0.7", "AnzahlGitter=2"}, "(AnzahlGitter)"},
        {{"--unsinn"}, "unbekannte Option"},
        {{"-C"}, "-C braucht ein Verzeichnis"},
        {{"-C", "gibt-es-nicht"}, "gibt-es-nicht"},
        // refused by the model probe, naming the field, before anything is touched
        {{"WandstaerkeRohr=1e10"}, "Rohrwandstärke (WandstaerkeRohr)"},
        {{"DRohr=1e-300"},
         "Luftgeschwindigkeit lässt sich mit diesen Parametern nicht berechnen; "
         "zu prüfen: Rohrdurchmesser (DRohr)."},
        {{"SimRadius=1e-300"}, "zu prüfen: Simulationsradius (SimRadius)."},
        {{"RhoErde=1e200", "CpErde=1e200"}, "zu prüfen: rho Erde (RhoErde), cp Erde (CpErde)."},
        {{"TiefeKeller=1e300"}, "zu prüfen: Verlegetiefe unter Keller (TiefeKeller)."},
        {{"ViskositaetLuft=5e-324"}, "zu prüfen: Viskosität Luft (ViskositaetLuft)."},
        {{"Rohrlaenge=1e300"}, "zu prüfen: Rohrlänge (Rohrlaenge)."},
        {{"AnteilAdiabat=1", "AnteilKeller=1"}, "dürfen zusammen höchstens 1 sein."},
        {{"OutputFile=./dummy.txt"}, "(OutputFile) darf nicht \"dummy.txt\" heißen"},
        {{"FahrplanGelesen=true", "OutputFile=wplaufz1.txt"},
         "(OutputFile) darf nicht die Fahrplandatei (FahrplanFile) sein"},
        {{"--un\x1bsinn"}, "unbekannte Option \"--un\\x1Bsinn\""},
    };
    for (const Fall& f : faelle) {
        const TErgebnis e = Lauf(f.argumente);
        EXPECT_EQ(e.Status, 2) << f.meldung;
        EXPECT_NE(e.Fehler.find(f.meldung), std::string::npos) << f.meldung << " in " << e.Fehler;
        EXPECT_TRUE(e.Aus.empty()) << f.meldung;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n") << f.meldung;
    }
}

TEST(KovRun, FileFaultDuringTheRunExitsWithOneAndKeepsTheOldReport) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    const TErgebnis e = Lauf({"FahrplanGelesen=true"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_NE(e.Fehler.find("File not found: wplaufz1.txt"), std::string::npos) << e.Fehler;
    EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n");
}

TEST(KovRun, ResultsThatAreNotFiniteAreNeverReported) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    const TErgebnis e = Lauf({"--json", "KellerTemperatur=1.7e308", "AnteilKeller=1"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_NE(e.Fehler.find("keine endliche Zahl"), std::string::npos) << e.Fehler;
    EXPECT_NE(e.Fehler.find("Der alte Bericht bleibt erhalten."), std::string::npos) << e.Fehler;
    EXPECT_EQ(e.Aus, "") << "no JSON with nan or inf";
    EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n");
}

TEST(KovRun, AShortScheduleRunsWithANoteOnStderr) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("plan.txt", "1\r\n0.5\r\n");
    const TErgebnis e = Lauf({"FahrplanGelesen=true", "FahrplanFile=plan.txt"});
    EXPECT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_NE(e.Fehler.find("kov-run: Hinweis: Der Lüftungsfahrplan plan.txt endet nach Stunde 2"),
              std::string::npos)
        << e.Fehler;
}

TEST(KovRun, TwoRunsAtOnceInOneFolderLeaveOneWholeReport) {
    test::TArbeitsVerzeichnis ort;
    const std::string programm = KOV_RUN_PFAD;
    ASSERT_EQ(std::system((programm + " -C . >/dev/null").c_str()), 0);
    const std::string einzeln = test::DateiInhalt("kov.txt");
    ASSERT_EQ(test::DateiZeilen("kov.txt").size(), 8865u);
    for (int runde = 0; runde < 3; ++runde) {
        std::filesystem::remove("kov.txt");
        const int status =
            std::system((programm + " >/dev/null & " + programm + " >/dev/null & wait").c_str());
        ASSERT_EQ(status, 0);
        EXPECT_EQ(test::DateiInhalt("kov.txt"), einzeln) << "round " << runde;
        EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"kov.txt"})
            << "round " << runde;
    }
}

TEST(KovRun, HelpListsEverySettableName) {
    const TErgebnis e = Lauf({"--help"});
    EXPECT_EQ(e.Status, 0);
    for (const TParameterFeld& feld : ParameterFelder())
        EXPECT_NE(e.Aus.find("  " + std::string(feld.Name) + " = "), std::string::npos)
            << feld.Name;
    EXPECT_NE(e.Aus.find("DRohr = 0.1922 m"), std::string::npos);
    EXPECT_NE(e.Aus.find("KellerTemperatur = 10 (alle Monate) C"), std::string::npos);
}

TEST(KovRun, TheProgramItselfKeepsItsExitCodes) {
    test::TArbeitsVerzeichnis ort;
    const std::string programm = KOV_RUN_PFAD;
    struct Fall {
        std::string argumente;
        int status;
    } faelle[] = {{"Einschwingjahre=0 >/dev/null", 0},
                  {"Unbekannt=1 2>/dev/null", 2},
                  {"FahrplanGelesen=true 2>/dev/null", 1}};
    for (const Fall& f : faelle) {
        const int roh = std::system((programm + " " + f.argumente).c_str());
        ASSERT_TRUE(WIFEXITED(roh)) << f.argumente;
        EXPECT_EQ(WEXITSTATUS(roh), f.status) << f.argumente;
    }
}

} // namespace
} // namespace kov
