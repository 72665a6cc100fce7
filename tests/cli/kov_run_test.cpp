#include "cli/kov_run.h"
#include "cli/parameter_felder.h"
#include "register/kennwerte.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

namespace kov {
namespace {

struct TErgebnis {
    int Status;
    std::string Aus, Fehler;
};

// The first zeilen lines of a file, each ended as in the file.
std::string DateiInhaltBis(const std::string& name, int zeilen) {
    const std::string inhalt = test::DateiInhalt(name);
    std::size_t stelle = 0;
    for (int i = 0; i < zeilen && stelle != std::string::npos; ++i)
        stelle = inhalt.find('\n', stelle + 1);
    return inhalt.substr(0, stelle == std::string::npos ? inhalt.size() : stelle + 1);
}

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

    // the same run through the core: every number of the JSON reads back to its double
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Einschwingjahre = 0;
    auto k = test::NeuerKontext();
    SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    const TKennwerte kw = KennwerteBerechnen(*k);

    const nlohmann::json j = nlohmann::json::parse(e.Aus);
    struct Fall {
        const char* schluessel;
        double wert;
    } faelle[] = {
        {"WaermeentzugKeller", 0.0},
        {"WaermeentzugErde", k->Ergebnis.WaermeentzugErde},
        {"Kuehlenergie", k->Ergebnis.Kuehlenergie},
        {"Heizenergie", k->Ergebnis.Heizenergie},
        {"Gitterfaktor", k->Werte.Gitterfaktor},
        {"StartTemperatur", k->Werte.StartTemperatur},
        {"JahresMittelTemperatur", k->Werte.JahresMittelTemperatur},
        {"Durchlaeufe", 1},
    };
    for (const Fall& f : faelle) {
        ASSERT_TRUE(j.contains(f.schluessel)) << f.schluessel;
        EXPECT_EQ(j[f.schluessel].get<double>(), f.wert) << f.schluessel;
    }
    EXPECT_NEAR(j["Gitterfaktor"].get<double>(), 1.88, 0.005);
    EXPECT_EQ(j["OutputFile"], "a.txt");

    const nlohmann::json& w = j["Kennwerte"];
    const Fall kennwerte[] = {
        {"DruckverlustRohr", kw.DruckverlustNenn.Reibung},
        {"DruckverlustGesamt", kw.DruckverlustNenn.Gesamt},
        {"Ventilatorleistung", kw.Ventilatorleistung},
        {"Ventilatorenergie", kw.Ventilatorenergie},
        {"Leistungszahl", kw.Leistungszahl},
        {"TausMin", kw.TausMin},
        {"TausMinStunde", static_cast<double>(kw.TausMinStunde)},
        {"TausMax", kw.TausMax},
        {"TausMaxStunde", static_cast<double>(kw.TausMaxStunde)},
        {"TeinMin", kw.TeinMin},
        {"TeinMax", kw.TeinMax},
        {"FrostStundenAussen", static_cast<double>(kw.FrostStundenAussen)},
        {"FrostStundenNachRegister", static_cast<double>(kw.FrostStundenNachRegister)},
        {"HeizleistungMax", kw.HeizleistungMax},
        {"KuehlleistungMax", kw.KuehlleistungMax},
        {"HeizenergieNutzbar", kw.HeizenergieNutzbar},
        {"KuehlenergieNutzbar", kw.KuehlenergieNutzbar},
        {"ErtragJeRohrflaeche", kw.ErtragJeRohrflaeche},
        {"ErtragJeRohrmeter", kw.ErtragJeRohrmeter},
        {"EinschwingAenderungHeizen", kw.EinschwingAenderungHeizen},
        {"EinschwingAenderungKuehlen", kw.EinschwingAenderungKuehlen},
        {"LeistungszahlBrutto", kw.LeistungszahlBrutto},
        {"HeizenergieUnerwuenscht", kw.HeizenergieUnerwuenscht},
        {"KuehlenergieUnerwuenscht", kw.KuehlenergieUnerwuenscht},
        {"StundenHeizperiode", static_cast<double>(kw.StundenHeizperiode)},
        {"WirkungsgradHeizperiode", kw.WirkungsgradHeizperiode},
        {"TausMittelHeizperiode", kw.TausMittelHeizperiode},
        {"TeinMittelHeizperiode", kw.TeinMittelHeizperiode},
    };
    for (const Fall& f : kennwerte) {
        ASSERT_TRUE(w.contains(f.schluessel)) << f.schluessel;
        ASSERT_TRUE(w[f.schluessel].is_number()) << f.schluessel << ": " << w[f.schluessel];
        EXPECT_EQ(w[f.schluessel].get<double>(), f.wert) << f.schluessel;
    }
    EXPECT_NEAR(w["DruckverlustRohr"].get<double>(), 20.34, 0.005);
    // the built-in year has no humidity data: no condensate figure, and no unit without WRG
    EXPECT_EQ(w["KondensatBekannt"], false);
    for (const char* kondensat :
         {"KondensatJahr", "KondensatStunden", "KondensatMax", "KondensatMonat"})
        EXPECT_TRUE(w[kondensat].is_null()) << kondensat;
    ASSERT_TRUE(j.contains("Anlage"));
    EXPECT_TRUE(j["Anlage"].is_null());
    for (const char* monate : {"HeizenergieMonat", "KuehlenergieMonat"}) {
        ASSERT_EQ(w[monate].size(), 12u) << monate;
        for (std::size_t m = 0; m < 12; ++m)
            EXPECT_TRUE(w[monate][m].is_number()) << monate << " " << m + 1;
    }
    EXPECT_EQ(w["HeizenergieMonat"][6].get<double>(), kw.HeizenergieMonat[7]) << "July";
    EXPECT_EQ(w["KuehlenergieMonat"][0].get<double>(), kw.KuehlenergieMonat[1]) << "January";
}

TEST(KovRun, TextSummaryNamesTotalsPassesAndReport) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis e = Lauf({});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    for (const char* text : {"Wärmeentzug aus Keller:", "Wärmeentzug aus Erde:", "Kühlenergie",
                             "Heizenergie", " kWh", "Durchläufe: 2", "Bericht: kov.txt"})
        EXPECT_NE(e.Aus.find(text), std::string::npos) << text;
    // the design figures follow the totals, each on a line of its own
    const std::size_t block = e.Aus.find("\nKennwerte");
    ASSERT_NE(block, std::string::npos) << e.Aus;
    EXPECT_GT(block, e.Aus.find("Bericht: kov.txt"));
    for (const char* text :
         {"  Druckverlust Rohrreibung", "20.3 Pa\n", "27.0 Pa\n", "55.6 W\n",
          "-19.3 °C  26. Januar, 06–07 Uhr (Stunde 607)\n", "  Januar ", "  Jahr "})
        EXPECT_NE(e.Aus.find(text, block), std::string::npos) << text << " in " << e.Aus;
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

TEST(KovRun, TemperaturesOutsideTheirRangeAreRefusedNamingTheField) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    // each of these ran before and reported an outlet of some 1e299 °C, or named other fields
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"KellerTemperatur=1.7e308", "AnteilKeller=1"},
         "  Kellertemperatur Januar (KellerTemperatur[1]) muss zwischen -60 und 60 °C liegen.\n"},
        {{"KellerTemperatur[7]=60.01"}, "(KellerTemperatur[7]) muss zwischen -60 und 60 °C"},
        {{"Sonnenerwaermung=1e308"},
         "kov-run: Parametersatz abgelehnt, nichts berechnet:\n  Sonnenerwärmung "
         "(Sonnenerwaermung) muss zwischen -30 und 30 K liegen.\n"},
        {{"Heizgrenze=-61"}, "Heizgrenze (Heizgrenze) muss zwischen -60 und 60 °C liegen."},
        {{"HystereseAus=31"}, "(HystereseAus) muss zwischen -30 und 30 K liegen."},
        {{"ErdTemperaturSpeziell=1e300", "SpezielleRandbedingung=true"},
         "(ErdTemperaturSpeziell[12]) muss zwischen -60 und 60 °C liegen."},
    };
    for (const auto& [argumente, meldung] : faelle) {
        const TErgebnis e = Lauf(argumente);
        EXPECT_EQ(e.Status, 2) << meldung;
        EXPECT_NE(e.Fehler.find(meldung), std::string::npos) << meldung << " in " << e.Fehler;
        EXPECT_EQ(e.Aus, "") << meldung;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n") << meldung;
    }
    EXPECT_EQ(Lauf({"KellerTemperatur=-60", "AnteilKeller=1", "Einschwingjahre=0"}).Status, 0)
        << "the range's ends belong to it";
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
    for (const char* text :
         {"  Zeta = 2  ", "  DruckverlustZusatz = 0 Pa  ", "  Ventilatorwirkungsgrad = 0.5  ",
          "  Frostgrenze = 0 C  ", "  DruckverlustRohr [Pa]", "  Ventilatorleistung [W]",
          "  HeizenergieMonat, KuehlenergieMonat [kWh]", "  KondensatMax [kg/h]"})
        EXPECT_NE(e.Aus.find(text), std::string::npos) << text;
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

std::string Wetter(const std::string& name) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + name;
}

// The fields of report line n (1-based), split at tabs.
std::vector<std::string> Felder(const std::vector<std::string>& zeilen, std::size_t n) {
    std::vector<std::string> felder;
    std::string feld;
    for (const char c : zeilen.at(n - 1)) {
        if (c == '\t') {
            felder.push_back(feld);
            feld.clear();
        } else {
            feld.push_back(c);
        }
    }
    felder.push_back(feld);
    return felder;
}

TEST(KovRun, AProjectIsTheStartAndAssignmentsOverrideIt) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("projekte/plaene");
    // a schedule beside the project, named relative to it
    std::string plan;
    for (int h = 1; h <= StundenImJahr; ++h)
        plan += h <= 4344 ? "1\r\n" : "0.5\r\n";
    test::DateiSchreiben("projekte/plaene/plan.txt", plan);
    test::DateiSchreiben("projekte/rohr.kov",
                         "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n"
                         "  \"DRohr\": 0.25,\n  \"AnzahlGitter\": 8,\n"
                         "  \"FahrplanGelesen\": true,\n"
                         "  \"FahrplanFile\": \"plaene/plan.txt\"\n}\n");
    const TErgebnis e = Lauf({"--projekt", "projekte/rohr.kov", "Heizgrenze=5"});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_FALSE(std::filesystem::exists("kov.txt")) << "the report goes beside the project";
    const auto zeilen = test::DateiZeilen("projekte/kov.txt");
    EXPECT_EQ(Felder(zeilen, 5)[0], "0.2500") << "from the project";
    EXPECT_EQ(Felder(zeilen, 59)[0], "8");
    EXPECT_EQ(Felder(zeilen, 27)[0], "  5.00") << "the assignment wins";
    EXPECT_EQ(Felder(zeilen, 26)[0], " 12.00") << "a default the project leaves";
    EXPECT_EQ(Felder(zeilen, 58)[0], "plaene/plan.txt") << "printed as the project names it";
    EXPECT_EQ(Felder(zeilen, 100 + 4344)[2], "1.00");
    EXPECT_EQ(Felder(zeilen, 100 + 4345)[2], "0.50") << "the schedule was read";
}

TEST(KovRun, TheDefaultProjectGivesTheDefaultReport) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis standard = Lauf({});
    ASSERT_EQ(standard.Status, 0) << standard.Fehler;
    const std::string bericht = test::DateiInhalt("kov.txt");
    std::filesystem::remove("kov.txt");

    const TErgebnis gespeichert = Lauf({"--nur-speichern", "--speichern", "standard.kov"});
    ASSERT_EQ(gespeichert.Status, 0) << gespeichert.Fehler;
    EXPECT_EQ(gespeichert.Aus, "Projekt gespeichert: standard.kov\n");
    EXPECT_FALSE(std::filesystem::exists("kov.txt")) << "--nur-speichern rechnet nicht";

    const TErgebnis projekt = Lauf({"--projekt", "standard.kov", "--speichern", "wieder.kov"});
    ASSERT_EQ(projekt.Status, 0) << projekt.Fehler;
    EXPECT_TRUE(test::DateiInhalt("kov.txt") == bericht) << "Berichte weichen ab";
    EXPECT_EQ(test::DateiInhalt("wieder.kov"), test::DateiInhalt("standard.kov"));
}

TEST(KovRun, SavedNamesOfInputFilesStandRelativeToTheNewProject) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("a");
    std::filesystem::create_directories("b");
    test::DateiSchreiben("a/p.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 1, "
                                    "\"FahrplanFile\": \"plan.txt\"}");
    const TErgebnis e = Lauf({"--projekt", "a/p.kov", "--speichern", "b/q.kov", "--nur-speichern",
                              "WetterDatei=" + Wetter("tmy_45.000_8.000_2005_2023.epw")});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    const std::string text = test::DateiInhalt("b/q.kov");
    EXPECT_NE(text.find("\"FahrplanFile\": \"../a/plan.txt\""), std::string::npos) << text;
    const std::string wetter = std::filesystem::relative(Wetter("tmy_45.000_8.000_2005_2023.epw"),
                                                         std::filesystem::absolute("b"))
                                   .generic_string();
    EXPECT_NE(text.find("\"WetterDatei\": \"" + wetter + "\""), std::string::npos) << text;
}

TEST(KovRun, ARefusedProjectOrWeatherFileRunsAndWritesNothing) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    test::DateiSchreiben("kaputt.kov", "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n"
                                       "  \"DRohr\": -1\n}\n");
    test::DateiSchreiben("neu.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 7}");
    test::DateiSchreiben("kurz.epw", DateiInhaltBis(Wetter("tmy_45.000_8.000_2005_2023.epw"), 100));
    struct TFall {
        std::vector<std::string> Argumente;
        int Status;
        std::string Meldung;
    };
    const TFall faelle[] = {
        {{"--projekt", "kaputt.kov", "--speichern", "s.kov"},
         2,
         "kov-run: Projektdatei abgelehnt, nichts berechnet: Der Wert von \"DRohr\" "
         "(Rohrdurchmesser) muss größer als 0 m sein: kaputt.kov, Zeile 4\n"},
        {{"--projekt", "neu.kov"}, 2, "Version 7 eines neueren Programms"},
        {{"--projekt", "fehlt.kov"}, 2, "File not found: fehlt.kov"},
        {{"--projekt"}, 2, "--projekt braucht einen Dateinamen"},
        {{"--nur-speichern"}, 2, "--nur-speichern braucht --speichern DATEI"},
        {{"WetterDatei=fehlt.epw", "--speichern", "s.kov"},
         1,
         "kov-run: Wetterdatei nicht lesbar, nichts berechnet: File not found: fehlt.epw\n"},
        {{"WetterDatei=kurz.epw"}, 1, "kurz.epw"},
        {{"WetterDatei=" + Wetter("TRY2010_05_Jahr.dat"), "EingebautesWetter=false"},
         2,
         "Wetterdatei (WetterDatei) und EingebautesWetter=false widersprechen sich"},
        {{"WetterDatei=kov.txt"}, 1, "kov.txt"},
        {{"WetterDatei=./kov.txt", "EingebautesWetter=true"}, 1, "kov.txt"},
    };
    for (const TFall& f : faelle) {
        const TErgebnis e = Lauf(f.Argumente);
        EXPECT_EQ(e.Status, f.Status) << f.Meldung;
        EXPECT_NE(e.Fehler.find(f.Meldung), std::string::npos) << f.Meldung << " in " << e.Fehler;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n") << f.Meldung;
        EXPECT_FALSE(std::filesystem::exists("s.kov")) << f.Meldung;
    }
}

TEST(KovRun, AWeatherFileThatIsAFileOfTheRunIsRefused) {
    test::TArbeitsVerzeichnis ort;
    // a weather file named like the report (a copy of a real one) is refused before the run
    std::filesystem::copy_file(Wetter("tmy_45.000_8.000_2005_2023.epw"), "bericht.epw");
    const std::string vorher = test::DateiInhalt("bericht.epw");
    for (const std::vector<std::string>& argumente :
         {std::vector<std::string>{"WetterDatei=bericht.epw", "OutputFile=./bericht.epw"},
          std::vector<std::string>{"WetterDatei=dummy.txt"}}) {
        if (argumente.size() == 1) std::filesystem::copy_file("bericht.epw", "dummy.txt");
        const TErgebnis e = Lauf(argumente);
        EXPECT_EQ(e.Status, 2) << argumente[0];
        EXPECT_NE(e.Fehler.find("Wetterdatei (WetterDatei)"), std::string::npos) << e.Fehler;
    }
    EXPECT_EQ(test::DateiInhalt("bericht.epw"), vorher);
}

TEST(KovRun, NoFileOfARunReplacesAnotherAndARefusalWritesNothing) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("p");
    const std::string projekt = "{\"Format\": \"KOV-Projekt\", \"Version\": 1}";
    const std::string eigen =
        "{\"Format\": \"KOV-Projekt\", \"Version\": 1, \"OutputFile\": \"eigen.kov\"}";
    test::DateiSchreiben("p/p.kov", projekt);
    test::DateiSchreiben("p/eigen.kov", eigen);
    std::filesystem::create_symlink("p/p.kov", "link.kov");
    std::filesystem::copy_file(Wetter("TRY2010_05_Jahr.dat"), "w.dat");
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    const std::string wetter = test::DateiInhalt("w.dat");
    struct TFall {
        std::vector<std::string> Argumente;
        std::string Meldung;
    };
    const TFall faelle[] = {
        {{"--projekt", "p/p.kov", "OutputFile=p.kov"},
         "Der Bericht p.kov würde die Projektdatei p/p.kov überschreiben."},
        {{"--projekt", "p/p.kov", "OutputFile=../p/./p.kov"},
         "Der Bericht ../p/./p.kov würde die Projektdatei p/p.kov überschreiben."},
        {{"--projekt", "p/p.kov", "-C", ".", "OutputFile=link.kov"},
         "Der Bericht link.kov würde die Projektdatei p/p.kov überschreiben."},
        {{"--projekt", "p/eigen.kov"},
         "Der Bericht eigen.kov würde die Projektdatei p/eigen.kov überschreiben."},
        {{"--speichern", "kov.txt"},
         "Das gespeicherte Projekt kov.txt würde den Bericht kov.txt überschreiben."},
        {{"--speichern", "k.kov", "OutputFile=./k.kov"},
         "Das gespeicherte Projekt k.kov würde den Bericht ./k.kov überschreiben."},
        {{"--speichern", "dummy.txt", "Land=D"},
         "Das gespeicherte Projekt dummy.txt würde die Hilfsdatei dummy.txt überschreiben."},
        {{"--speichern", "w.dat", "WetterDatei=w.dat", "--nur-speichern"},
         "Das gespeicherte Projekt w.dat würde die Wetterdatei w.dat überschreiben."},
        {{"--speichern", "./kov.txt", "EingebautesWetter=false", "--nur-speichern"},
         "Das gespeicherte Projekt ./kov.txt würde den vorigen Bericht kov.txt überschreiben."},
    };
    for (const TFall& f : faelle) {
        const TErgebnis e = Lauf(f.Argumente);
        EXPECT_EQ(e.Status, 2) << f.Meldung;
        EXPECT_NE(e.Fehler.find(f.Meldung), std::string::npos) << f.Meldung << " in " << e.Fehler;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n") << f.Meldung;
        EXPECT_EQ(test::DateiInhalt("p/p.kov"), projekt) << f.Meldung;
        EXPECT_EQ(test::DateiInhalt("p/eigen.kov"), eigen) << f.Meldung;
        EXPECT_EQ(test::DateiInhalt("w.dat"), wetter) << f.Meldung;
        EXPECT_FALSE(std::filesystem::exists("k.kov")) << f.Meldung;
        EXPECT_FALSE(std::filesystem::exists("p/kov.txt")) << f.Meldung;
    }
    // a project may be saved over the file it was read from
    const TErgebnis e =
        Lauf({"--projekt", "p/p.kov", "--speichern", "p/p.kov", "--nur-speichern", "DRohr=0.3"});
    EXPECT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_NE(test::DateiInhalt("p/p.kov").find("\"DRohr\": 0.3"), std::string::npos);
}

TEST(KovRun, AReportThatCannotBeReadBackIsNamedWithItsLineAndWhy) {
    test::TArbeitsVerzeichnis ort;
    ASSERT_EQ(Lauf({"Land=D", "Einschwingjahre=0", "OutputFile=komma.txt"}).Status, 0);
    const std::string komma = test::DateiInhalt("komma.txt");
    const TErgebnis e = Lauf({"EingebautesWetter=false", "OutputFile=komma.txt"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, "kov-run: Invalid numeric input: komma.txt, Zeile 101 (der Bericht ist "
                        "mit Dezimalkomma geschrieben (Land=D oder A); sein Wetter lässt sich nur "
                        "aus einem Bericht mit Dezimalpunkt lesen)\n");
    EXPECT_TRUE(test::DateiInhalt("komma.txt") == komma);
}

TEST(KovRun, AProjectsReportLiesBesideItUnlessTheRunIsGivenAFolder) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("a/b");
    std::filesystem::create_directory("c");
    test::DateiSchreiben("a/b/p.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 1, "
                                      "\"Einschwingjahre\": 0, \"OutputFile\": \"../x.txt\"}");
    ASSERT_EQ(Lauf({"--projekt", "a/b/p.kov"}).Status, 0);
    EXPECT_EQ(test::DateiZeilen("a/x.txt").size(), 8865u);
    ASSERT_EQ(Lauf({"--projekt", "a/b/p.kov", "-C", "c/"}).Status, 0);
    std::filesystem::current_path(ort.Ort());
    EXPECT_EQ(test::DateiZeilen("x.txt").size(), 8865u) << "-C c/ with ../x.txt";
}

TEST(KovRun, EverySampleWeatherFileRunsWithItsHumidityAndDewPoint) {
    test::TArbeitsVerzeichnis ort;
    struct TFall {
        const char* Datei;
        const char* Tein;     // the file's air temperature of hour 4500
        const char* Feuchte;  // its relative humidity, %
        const char* Taupunkt; // its dew point where the file gives one
    };
    // hour 4500 = 7 July, 11:00-12:00, read from the rows of the files by hand
    const TFall faelle[] = {
        {"TRY2010_05_Jahr.dat", "23.2", "62.0", nullptr},
        {"TRY2015_494414066370_Jahr.dat", "19.5", "65.0", nullptr},
        {"USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw", "28.9", "36.0", "12.2"},
        {"tmy_45.000_8.000_2005_2023.epw", "25.9", "62.6", "18.2"},
    };
    double groessteSommerKondensat = 0.0;
    for (const TFall& f : faelle) {
        const TErgebnis e = Lauf({"WetterDatei=" + Wetter(f.Datei)});
        ASSERT_EQ(e.Status, 0) << f.Datei << ": " << e.Fehler;
        const auto zeilen = test::DateiZeilen("kov.txt");
        ASSERT_EQ(zeilen.size(), 8865u) << f.Datei;
        EXPECT_EQ(Felder(zeilen, 55)[0], f.Datei) << "line 55 names the file";
        const auto stunde = Felder(zeilen, 100 + 4500);
        EXPECT_EQ(stunde[0], f.Tein) << f.Datei;
        EXPECT_EQ(stunde[3], f.Feuchte) << f.Datei;
        if (f.Taupunkt != nullptr) {
            EXPECT_EQ(stunde[4], f.Taupunkt) << f.Datei;
        }
        double sommer = 0.0;
        for (std::size_t z = 100 + 3625; z <= 100 + 5832; ++z)
            sommer += std::stod(Felder(zeilen, z)[7]);
        groessteSommerKondensat = std::max(groessteSommerKondensat, sommer);
    }
    // the built-in year has a dew point of 0 °C: condensate only below 0 °C, never in summer
    EXPECT_GT(groessteSommerKondensat, 100.0) << "kg in June to August";
}

TEST(KovRun, WeatherInfoShowsTheSummaryWithoutARun) {
    test::TArbeitsVerzeichnis ort;
    const std::string datei = Wetter("TRY2015_494414066370_Jahr.dat");
    const TErgebnis text = Lauf({"--wetter-info", datei});
    ASSERT_EQ(text.Status, 0) << text.Fehler;
    // the figures of the file as its rows give them
    for (const char* teil :
         {"Format: DWD-Testreferenzjahr, Ausgabe 2015/2017\n",
          "Lage: 49,4414° N, 6,6370° O, 175 m ü. M.\n", "Jahresmittel: 10,47 °C\n",
          "Minimum: -8,6 °C am 05.01., Stunde 9 (8 bis 9 Uhr)\n",
          "Maximum: 32,1 °C am 03.07., Stunde 15 (14 bis 15 Uhr)\n", "Stunden unter 0 °C: 559\n",
          "Mittlerer Taupunkt: 6,41 °C\n"})
        EXPECT_NE(text.Aus.find(teil), std::string::npos) << teil << " in " << text.Aus;
    EXPECT_TRUE(test::OrdnerInhalt(".").empty()) << "nothing written";

    const TErgebnis json = Lauf({"--json", "--wetter-info", datei});
    ASSERT_EQ(json.Status, 0) << json.Fehler;
    for (const char* teil :
         {"\"Format\": \"DWD-Testreferenzjahr, Ausgabe 2015/2017\"", "\"Breite\": 49.4414",
          "\"Hoehe\": 175.0", "\"Stunden\": 8760", "\"StundenUnterNull\": 559",
          "\"Minimum\": {\n    \"Wert\": -8.6,\n    \"Stunde\": 105,\n    \"Tag\": 5,"})
        EXPECT_NE(json.Aus.find(teil), std::string::npos) << teil << " in " << json.Aus;

    const TErgebnis fehlt = Lauf({"--wetter-info", "fehlt.epw"});
    EXPECT_EQ(fehlt.Status, 1);
    EXPECT_EQ(fehlt.Fehler, "kov-run: File not found: fehlt.epw\n");
    EXPECT_EQ(Lauf({"--wetter-info", datei, "DRohr=1"}).Status, 2);
}

} // namespace
} // namespace kov

namespace kov {
namespace {

TEST(KovRun, CondensateOfAHumidSiteAgainstAnIndependentCalculation) {
    test::TArbeitsVerzeichnis ort;
    const TErgebnis e =
        Lauf({"--json", "WetterDatei=" + Wetter("USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw")});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    const nlohmann::json w = nlohmann::json::parse(e.Aus)["Kennwerte"];
    ASSERT_EQ(w["KondensatBekannt"], true);
    // Independent recalculation in Python from the printed rows (Taus to 0.1 K) with the file's
    // dew point and station pressure, saturation after Buck (1981) instead of Magnus and the dry
    // air's density p_a / (287.05 J/kgK * T): 7287.1 kg. Tolerance 1 % for the two saturation
    // fits and the rounding. The report's classic column 8 sums to 7522.0 kg.
    EXPECT_NEAR(w["KondensatJahr"].get<double>(), 7287.1, 73.0);
    EXPECT_LT(w["KondensatJahr"].get<double>(), 7522.0);
}

TEST(KovRun, OperatingTimesAndTheUnitBehindTheRegister) {
    test::TArbeitsVerzeichnis ort;
    struct Fall {
        std::vector<std::string> argumente;
        int ersterWerktag; // day of the year from 0 with the first 11 running hours
    } faelle[] = {
        // the built-in year starts on a Monday
        {{"--json", "WRG=true", "Betriebszeiten=Mo-Fr 7-18"}, 0},
        // Chicago's TMY3 file: DATA PERIODS names Sunday, so Monday is 2 January
        {{"--json", "WRG=true", "Betriebszeiten=Mo-Fr 7-18",
          "WetterDatei=" + Wetter("USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw")},
         1},
    };
    for (const Fall& f : faelle) {
        const TErgebnis e = Lauf(f.argumente);
        ASSERT_EQ(e.Status, 0) << e.Fehler;
        // the report's column 3 is the relative flow: 11 hours of 1.00 on weekdays
        const auto zeilen = test::DateiZeilen("kov.txt");
        double woche = 0;
        for (int tag = 0; tag < 7; ++tag) {
            double summe = 0;
            for (int h = tag * 24 + 1; h <= tag * 24 + 24; ++h)
                summe += std::stod(Felder(zeilen, 100 + static_cast<std::size_t>(h))[2]);
            const int wochentag = (tag - f.ersterWerktag + 7) % 7;
            EXPECT_EQ(summe, wochentag < 5 ? 11.0 : 0.0) << f.argumente.back() << ", Tag " << tag;
            woche += summe;
        }
        EXPECT_EQ(woche, 55.0);
        const nlohmann::json j = nlohmann::json::parse(e.Aus);
        ASSERT_TRUE(j["Anlage"].is_object()) << f.argumente.back();
        EXPECT_LE(j["Anlage"]["MitRegister"]["Vorheizenergie"].get<double>(),
                  j["Anlage"]["OhneRegister"]["Vorheizenergie"].get<double>());
        EXPECT_GT(j["Anlage"]["WaermeErspartGebaeude"].get<double>(), 0);
    }

    // a text that does not read is refused before anything runs, naming its position
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    const TErgebnis falsch = Lauf({"Betriebszeiten=Mo-Fr 7-18 50"});
    EXPECT_EQ(falsch.Status, 2);
    EXPECT_NE(falsch.Fehler.find("Betriebszeiten (Betriebszeiten), Zeichen 14: \"%\" nach dem "
                                 "Anteil erwartet"),
              std::string::npos)
        << falsch.Fehler;
    EXPECT_EQ(test::DateiInhalt("kov.txt"), "alter Bericht\r\n");
}

} // namespace
} // namespace kov
