#include "ablauf/simulation.h"
#include "datei_fehler_hilfen.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace kov {
namespace {

class Simulation : public ::testing::Test {
protected:
    void SetUp() override { StandardwerteSetzen(*k); }
    // runs the whole sequence and counts the month calls
    int Ausfuehren() {
        int monate = 0;
        SimulationAusfuehren(*k, [&](int, int) { ++monate; });
        return monate;
    }
    // the same past the parameter check, as a caller that skipped it would run: the run and its
    // files must still hold
    int UngeprueftAusfuehren() {
        int monate = 0;
        const TLaufDaten daten = LaufDatenSammeln(k->Parameter, {}, TLaufZweck::Studie);
        TLaufRueckmeldung rueckmeldung;
        rueckmeldung.NachMonat = [&](int, int, const TStundenReihen&) { ++monate; };
        BerichtsLaufAusfuehren(daten, *k, rueckmeldung);
        return monate;
    }
    test::TArbeitsVerzeichnis ort;
    std::unique_ptr<TKontext> k = test::NeuerKontext();
};

TEST_F(Simulation, DefaultRunWritesTheWholeReport) {
    EXPECT_EQ(Ausfuehren(), 24);
    const auto zeilen = test::DateiZeilen("kov.txt");
    ASSERT_EQ(zeilen.size(), 8860u + 5u);
    EXPECT_EQ(zeilen[100].substr(0, 4), "3.2\t");
    EXPECT_EQ(zeilen[8860], "");
    EXPECT_NE(zeilen[8861].find(" Waermentzug aus Keller"), std::string::npos);
    EXPECT_NE(zeilen[8864].find(" Heizenergie Erdregister"), std::string::npos);
    for (int h = 1; h <= 8760; ++h) {
        ASSERT_EQ(k->Reihen.Betrieb[h], 1.0) << "Stunde " << h;
        ASSERT_EQ(k->Reihen.RelVolumenstrom[h], 1.0) << "Stunde " << h;
    }
    EXPECT_GT(k->Ergebnis.Heizenergie, 0.0);
    EXPECT_GT(k->Ergebnis.Kuehlenergie, 0.0);
    EXPECT_EQ(k->Ergebnis.WaermeentzugKeller, 0.0); // no cellar share by default
    EXPECT_FALSE(k->Lauf.Einschwingen);
    EXPECT_EQ(k->Lauf.Durchlauf, 2);

    // a second run from the same parameters writes the same bytes
    const std::string erster = test::DateiInhalt("kov.txt");
    Ausfuehren();
    EXPECT_EQ(test::DateiInhalt("kov.txt"), erster);
}

TEST_F(Simulation, ChartStartOfJanuaryIsTheCarriedOutletTemperature) {
    const int durchlaeufe = LaufVorbereiten(k->Parameter, EingebautesWetterJahr(), nullptr, *k);
    ASSERT_EQ(durchlaeufe, 2);
    SimuliereStunden(*k, 1, 744, 1);
    EXPECT_EQ(k->Reihen.Taus[0], k->Werte.StartTemperatur);
    for (int m = 2; m <= 12; ++m)
        SimuliereStunden(*k, ErsteStundeImMonat(m), LetzteStundeImMonat(m), 1);
    const double ende = k->Reihen.Taus[8760];
    SimuliereStunden(*k, 1, 744, 2);
    EXPECT_EQ(k->Reihen.Taus[0], ende);
}

TEST_F(Simulation, MonthBoundaryIsSetAtTheFirstHourOnly) {
    LaufVorbereiten(k->Parameter, EingebautesWetterJahr(), nullptr, *k);
    const int n = k->Parameter.AnzahlGitter;
    SimuliereStunden(*k, 1, 744, 1);
    EXPECT_EQ(k->Erde.GitterErde[3][n + 1], k->Werte.ErdTemperaturMonat[1]);
    k->Parameter.KellerTemperatur[2] = 14.0;
    SimuliereStunden(*k, 745, 745, 1);
    for (int a = 1; a <= n; ++a) {
        EXPECT_EQ(k->Erde.GitterErde[a][n + 1], k->Werte.ErdTemperaturMonat[2]) << a;
        EXPECT_EQ(k->Erde.GitterKeller[a][n + 1], 14.0) << a;
    }
    EXPECT_EQ(k->Lauf.Monat, 2);
    k->Erde.GitterErde[1][n + 1] = 99.0;
    SimuliereStunden(*k, 746, 746, 1);
    EXPECT_EQ(k->Erde.GitterErde[1][n + 1], 99.0);
}

TEST_F(Simulation, BlockingBandStopsExactlyTheHoursInside) {
    k->Parameter.Heizgrenze = 5;
    k->Parameter.Kuehlgrenze = 20;
    Ausfuehren();
    int gestoppt = 0;
    for (int h = 1; h <= 8760; ++h) {
        const double t = k->Reihen.Tein[h];
        const bool imBand = t > 5 && t < 20;
        ASSERT_EQ(k->Reihen.Betrieb[h], imBand ? 0.0 : 1.0) << "Stunde " << h;
        ASSERT_EQ(k->Reihen.RelVolumenstrom[h], imBand ? 0.0 : 1.0) << "Stunde " << h;
        if (imBand) {
            ++gestoppt;
            ASSERT_EQ(k->Reihen.Taus[h], t) << "Stunde " << h;
        }
    }
    EXPECT_GT(gestoppt, 1000);
}

TEST_F(Simulation, NoSettlingYearGivesOnePass) {
    k->Parameter.Einschwingjahre = 0;
    EXPECT_EQ(Ausfuehren(), 12);
    EXPECT_EQ(test::DateiZeilen("kov.txt").size(), 8865u);
    EXPECT_GT(k->Ergebnis.Heizenergie, 0.0);
}

TEST_F(Simulation, NegativeSettlingYearsWriteHeaderAndTotalsOnly) {
    k->Parameter.Einschwingjahre = -1;
    EXPECT_EQ(UngeprueftAusfuehren(), 0);
    const auto zeilen = test::DateiZeilen("kov.txt");
    ASSERT_EQ(zeilen.size(), 105u);
    EXPECT_EQ(zeilen[100], "");
    EXPECT_EQ(zeilen[101], "       0\t kWh\t Waermentzug aus Keller, nicht veraenderbar");
    EXPECT_TRUE(k->Lauf.Einschwingen);
}

TEST_F(Simulation, DecimalCommaOnlyInTheHourlyPart) {
    k->Parameter.Land = "D";
    UngeprueftAusfuehren();
    const auto zeilen = test::DateiZeilen("kov.txt");
    ASSERT_EQ(zeilen.size(), 8865u);
    EXPECT_EQ(zeilen[4].substr(0, 6), "0.1922");
    EXPECT_EQ(zeilen[100].substr(0, 4), "3,2\t");
    EXPECT_EQ(zeilen[100].find('.'), std::string::npos);
}

TEST_F(Simulation, ScheduleDrivesOperationAndIsKept) {
    std::string fahrplan;
    for (int h = 1; h <= 8760; ++h)
        fahrplan += (h % 24 < 12 ? "0.5 Tag\r\n" : "0\r\n");
    test::DateiSchreiben("wplaufz1.txt", fahrplan);
    k->Parameter.FahrplanGelesen = true;
    Ausfuehren();
    for (int h = 1; h <= 8760; ++h) {
        const double erwartet = h % 24 < 12 ? 0.5 : 0.0;
        ASSERT_EQ(k->Reihen.RelVolumenstrom[h], erwartet) << "Stunde " << h;
        ASSERT_EQ(k->Reihen.Betrieb[h], erwartet > 0 ? 1.0 : 0.0) << "Stunde " << h;
        if (erwartet == 0.0) {
            ASSERT_EQ(k->Reihen.Taus[h], k->Reihen.Tein[h]) << "Stunde " << h;
        }
    }
}

TEST_F(Simulation, AFailingRunLeavesThePreviousReportByteForByte) {
    Ausfuehren();
    const std::string vorher = test::DateiInhalt("kov.txt");
    std::string fahrplan;
    for (int h = 1; h <= 8760; ++h)
        fahrplan += h == 4711 ? "0,5\r\n" : "1\r\n";
    test::DateiSchreiben("kaputt.txt", fahrplan);
    ::mkfifo("rohr", 0600);
    struct Fall {
        const char* name;
        std::function<void(TRegisterParameter&)> aendern;
        rlim_t grenze; // 0: no limit on the file size
        const char* meldung;
    } faelle[] = {
        {"missing schedule", [](auto& p) { p.FahrplanGelesen = true; }, 0,
         "File not found: wplaufz1.txt"},
        {"garbled schedule",
         [](auto& p) {
             p.FahrplanGelesen = true;
             p.FahrplanFile = "kaputt.txt";
         },
         0, "Invalid numeric input: kaputt.txt, Zeile 4711"},
        {"schedule is a FIFO",
         [](auto& p) {
             p.FahrplanGelesen = true;
             p.FahrplanFile = "rohr";
         },
         0, "Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe): rohr"},
        {"schedule is /dev/zero",
         [](auto& p) {
             p.FahrplanGelesen = true;
             p.FahrplanFile = "/dev/zero";
         },
         0, "Keine gewöhnliche Datei, sondern ein Gerät: /dev/zero"},
        {"disk full after the header", [](auto&) {}, 20000, "Disk full: kov.txt"},
        {"no grid", [](auto& p) { p.AnzahlGitter = 2; }, 0,
         "Die Anzahl Rechengitter (AnzahlGitter) 2 liegt nicht im Bereich 3..10."},
        {"results not finite", [](auto& p) { p.ViskositaetLuft = 5e-324; }, 0,
         "Der Lauf ergibt in Stunde 1 keine endliche Zahl (Austrittstemperatur); die Parameter "
         "liegen ausserhalb dessen, was das Modell rechnet. Der alte Bericht bleibt erhalten."},
    };
    for (const Fall& f : faelle) {
        SetUp();
        f.aendern(k->Parameter);
        const auto lauf = [&] {
            try {
                UngeprueftAusfuehren();
            } catch (const TParameterFehler& fehler) {
                throw TDateiFehler(fehler.what());
            }
        };
        const std::string meldung =
            f.grenze > 0 ? test::FehlerMeldungMitGrenze(f.grenze, lauf) : test::FehlerMeldung(lauf);
        EXPECT_EQ(meldung, f.meldung) << f.name;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), vorher) << f.name;
        EXPECT_EQ(test::OrdnerInhalt("."),
                  (std::vector<std::string>{"kaputt.txt", "kov.txt", "rohr"}))
            << f.name << ": a temporary file stayed behind";
    }
}

TEST_F(Simulation, PlantedLinksAreReplacedAndTheirTargetsKept) {
    test::DateiSchreiben("fremd.txt", "nicht anfassen\r\n");
    std::filesystem::create_symlink("fremd.txt", "kov.txt");
    std::filesystem::create_symlink("fremd.txt", HilfsDatei);
    k->Parameter.Land = "D";
    UngeprueftAusfuehren();
    EXPECT_EQ(test::DateiInhalt("fremd.txt"), "nicht anfassen\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink("kov.txt"));
    EXPECT_FALSE(std::filesystem::is_symlink(HilfsDatei));
    EXPECT_EQ(test::DateiZeilen("kov.txt").size(), 8865u);
}

TEST_F(Simulation, AShortScheduleIsUsedAndNamed) {
    test::DateiSchreiben("wplaufz1.txt", "1\r\n1\r\n0.5\r\n");
    k->Parameter.FahrplanGelesen = true;
    std::vector<std::string> hinweise;
    SimulationAusfuehren(*k, {}, {}, &hinweise);
    ASSERT_EQ(hinweise.size(), 1u);
    EXPECT_NE(hinweise[0].find("wplaufz1.txt endet nach Stunde 3 von 8760"), std::string::npos)
        << hinweise[0];
    EXPECT_EQ(k->Reihen.Betrieb[3], 1.0);
    EXPECT_EQ(k->Reihen.Betrieb[4], 0.0);
}

TEST_F(Simulation, FilesLiveInTheGivenFolder) {
    std::filesystem::create_directory("ziel");
    k->Parameter.Land = "d";
    SimulationAusfuehren(*k, {}, "ziel");
    EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"ziel"});
    EXPECT_EQ(test::OrdnerInhalt("ziel"), (std::vector<std::string>{HilfsDatei, "kov.txt"}));
}

TEST_F(Simulation, WeatherReadBackReproducesThePreviousRun) {
    Ausfuehren();
    const std::string vorher = test::DateiInhalt("kov.txt");
    const TStundenReihen reihen = k->Reihen;
    k->Parameter.EingebautesWetter = false;
    Ausfuehren();
    EXPECT_EQ(test::DateiInhalt("dummy.txt"), vorher);
    for (int h = 1; h <= 8760; ++h) {
        ASSERT_EQ(k->Reihen.Tein[h], reihen.Tein[h]) << "Stunde " << h;
        ASSERT_EQ(k->Reihen.Taus[h], reihen.Taus[h]) << "Stunde " << h;
    }
    // the header prints no weather-source flag, so the whole report is the same
    EXPECT_EQ(test::DateiInhalt("kov.txt"), vorher);
}

TEST_F(Simulation, UnknownMonitorSectorLeavesTheMonitorSeriesAlone) {
    k->Parameter.MonitorSektor = 4;
    k->Reihen.TMonitor.fill(-7.0);
    UngeprueftAusfuehren();
    EXPECT_EQ(k->Reihen.TMonitor[1], -7.0);
    EXPECT_EQ(k->Reihen.TMonitor[8760], -7.0);
    k->Parameter.MonitorSektor = 1;
    Ausfuehren();
    EXPECT_EQ(k->Reihen.TMonitor[8760], k->Erde.GitterErde[1][2]);
}

} // namespace
} // namespace kov
