#include "datei_fehler_hilfen.h"
#include "files/bericht.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

namespace kov {
namespace {

class Bericht : public ::testing::Test {
protected:
    void SetUp() override { StandardwerteSetzen(m); }

    std::vector<std::string> KopfZeilen() {
        std::string kopf;
        AusgabeKopfSchreiben(kopf, m);
        return test::TextZeilen(kopf);
    }

    test::TArbeitsVerzeichnis ort;
    TModell m;
};

TEST_F(Bericht, DefaultHeaderHasOneHundredCrLfLines) {
    std::string inhalt;
    AusgabeKopfSchreiben(inhalt, m);
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] == '\n') {
            ASSERT_TRUE(i > 0 && inhalt[i - 1] == '\r') << "bare LF at byte " << i;
            ++crlf;
        } else if (inhalt[i] == '\r') {
            ASSERT_TRUE(i + 1 < inhalt.size() && inhalt[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(crlf, 100u);
    EXPECT_EQ(inhalt.substr(inhalt.size() - 4), "\r\n\r\n") << "line 100 is empty";

    const std::vector<std::string> zeilen = test::TextZeilen(inhalt);
    ASSERT_EQ(zeilen.size(), 100u);
    const std::pair<int, std::string> erwartet[] = {
        {1, "Ausgabefile zum Programm KOV, Berechnung von Erdregistern"},
        {3, "Testlauf1\t\t"},
        {5, "0.1922\t m\t Rohrdurchmesser innen;"},
        {8, "15\t\t Anzahl Register-Rohre"},
        {9, "  3700.0\t m3/h\t Nenn-Volumenstrom"},
        {10, " 2.362\t m/s\t Stroemungsgeschwindigkeit, nicht veraenderbar"},
        {18, "   1.2\t kg/m3\t Dichte der Luft"},
        {20, "0.00001450\t m2/s\t kinem. Viskositaet der Luft"},
        {24, "  0.80\t \xF8"
             "C\t mittlere Bodenerwaermung durch Sonne"},
        {25, "TRUE\t\t Geregelter Betrieb mit Bypass-Klappe, Freigabe aktiv"},
        {32, "1.0000\t\t Anteil der Erde (unten), Differenz zu 1.0"},
        {33, " 10.00\t \xF8"
             "C\t Kellertemperatur Januar"},
        {35, " 10.00\t \xF8"
             "C\t Kellertemperatur Maerz"},
        {44, " 10.00\t \xF8"
             "C\t Kellertemperatur Dezember"},
        {49, " 1.000\t m\t Verlegetiefe unter Keller"},
        {55, "zurihour.dat\t\t Name des Eingabe-Wetter-Files"},
        {56, "kov.txt\t\t Name des Output-Files"},
        {57, "FALSE\t\t Eingelesener Lueftungsfahrplan"},
        {58, "wplaufz1.txt\t\t Name des Lueftungs-Fahplan-Files"},
        {63, "1\t Jahre\t Einschwing-Dauer vor Simulationsbeginn, 1..10"},
        {66, "3\t\t Ueberwachte Temperatur:  1:gegen Erde; 2:adiabat;  3:gegen Keller"},
        {67, "  0.0000\t m\t Achs-Abstand des Monitor-Punktes, nicht veraenderbar"},
        {70, "FALSE\t\t Spezielle Randbedinungen im Erdreich"},
        {82, " 10.00\t \xF8"
             "C\t (wenn spezielle Randbed.) Erdtemperatur Dezember"},
        {99, "Tein \xF8"
             "C \tTaus \xF8"
             "C\trel. Volumenstrom\trel. Feuchte\tTaupunkt-Temp\tT Monitor \xF8"
             "C\tBetrieb Erdregister\tKondenswassermenge"},
    };
    for (const auto& [zeile, text] : erwartet)
        EXPECT_EQ(zeilen[static_cast<std::size_t>(zeile - 1)], text) << "line " << zeile;

    const std::set<int> leer = {2,  4,  50, 51, 52, 53, 54, 69, 83, 84, 85, 86, 87,
                                88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 100};
    for (int zeile = 1; zeile <= 100; ++zeile)
        EXPECT_EQ(zeilen[static_cast<std::size_t>(zeile - 1)].empty(), leer.count(zeile) == 1)
            << "line " << zeile << ": " << zeilen[static_cast<std::size_t>(zeile - 1)];
}

TEST_F(Bericht, HeaderPrintsTheRunsValues) {
    TRegisterParameter& p = m.Parameter;
    p.Projektname = "Halle Nord";
    p.OutputFile = "halle.txt";
    p.Volumenstrom = 1234567.8;
    p.Geregelt = false;
    p.FahrplanGelesen = true;
    p.SpezielleRandbedingung = true;
    p.KellerTemperatur[3] = -2.345;
    p.ErdTemperaturSpeziell[12] = 123.456;
    m.Werte.Gitterfaktor = 1.23456;
    m.Werte.MonitorAchsAbstand = 0.12345;
    p.Einschwingjahre = -1;
    const std::vector<std::string> zeilen = KopfZeilen();
    ASSERT_EQ(zeilen.size(), 100u);
    const std::pair<int, std::string> erwartet[] = {
        {3, "Halle Nord\t\t"},
        {9, "1234567.8\t m3/h\t Nenn-Volumenstrom"},
        {25, "FALSE\t\t Geregelter Betrieb mit Bypass-Klappe, Freigabe aktiv"},
        {35, " -2.35\t \xF8"
             "C\t Kellertemperatur Maerz"},
        {56, "halle.txt\t\t Name des Output-Files"},
        {57, "TRUE\t\t Eingelesener Lueftungsfahrplan"},
        {60, "  1.23\t\t Gitterfaktor, nicht veraenderbar"},
        {63, "-1\t Jahre\t Einschwing-Dauer vor Simulationsbeginn, 1..10"},
        {67, "  0.1235\t m\t Achs-Abstand des Monitor-Punktes, nicht veraenderbar"},
        {70, "TRUE\t\t Spezielle Randbedinungen im Erdreich"},
        {82, "123.46\t \xF8"
             "C\t (wenn spezielle Randbed.) Erdtemperatur Dezember"},
    };
    for (const auto& [zeile, text] : erwartet)
        EXPECT_EQ(zeilen[static_cast<std::size_t>(zeile - 1)], text) << "line " << zeile;
}

TEST_F(Bericht, HeaderAndEnergyBlockFollowWhatIsThere) {
    std::string bericht = "vorheriger Lauf\r\n";
    AusgabeKopfSchreiben(bericht, m);
    EXPECT_EQ(test::TextZeilen(bericht).size(), 101u);
    EXPECT_EQ(test::TextZeilen(bericht)[1],
              "Ausgabefile zum Programm KOV, Berechnung von Erdregistern");

    bericht = "Kopf\r\n";
    AusgabeEnergieSchreiben(bericht, {1.5, -2.5, 123456789.0, -0.3});
    EXPECT_EQ(bericht, "Kopf\r\n"
                       "\r\n"
                       "       2\t kWh\t Waermentzug aus Keller, nicht veraenderbar\r\n"
                       "      -3\t kWh\t Waermentzug aus Erde, nicht veraenderbar\r\n"
                       "123456789\t kWh\t Kuehlenergie Erdregister, nicht veraenderbar\r\n"
                       "      -0\t kWh\t Heizenergie Erdregister, nicht veraenderbar\r\n");
}

TEST_F(Bericht, AWholeReportReplacesTheOldOneOnlyWhenComplete) {
    test::DateiSchreiben("kov.txt", "alter Bericht\r\n");
    BerichtSchreiben(m, false, "kov.txt", HilfsDatei);
    EXPECT_EQ(test::DateiZeilen("kov.txt").size(), 105u) << "header, empty line, four totals";
    EXPECT_FALSE(std::filesystem::exists(HilfsDatei)) << "no decimal comma, no scratch copy";

    const int vorher = test::OffeneDeskriptoren();
    const std::string alt = test::DateiInhalt("kov.txt");
    m.Parameter.Projektname = "neu";
    struct Fall {
        const char* name;
        std::function<std::string()> schreiben;
        const char* meldung;
    } faelle[] = {
        {"folder missing",
         [&] {
             return test::FehlerMeldung(
                 [&] { BerichtSchreiben(m, false, "kein/kov.txt", HilfsDatei); });
         },
         "File not found: kein/kov.txt"},
        {"full disk after 3000 bytes",
         [&] {
             return test::FehlerMeldungMitGrenze(
                 3000, [&] { BerichtSchreiben(m, false, "kov.txt", HilfsDatei); });
         },
         "Disk full: kov.txt"},
        {"a device in the report's place",
         [&] {
             return test::FehlerMeldung(
                 [&] { BerichtSchreiben(m, false, "/dev/full", HilfsDatei); });
         },
         "Keine gewöhnliche Datei, sondern ein Gerät: /dev/full"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.schreiben(), f.meldung) << f.name;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), alt) << f.name << ": the old report is gone";
        EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"kov.txt"})
            << f.name << ": a temporary file stayed behind";
    }
    EXPECT_EQ(test::OffeneDeskriptoren(), vorher);
}

} // namespace
} // namespace kov
