// The run behind the views and the design report: the classic run's numbers without its files,
// its inputs read as the classic run reads them, and its faults before anything is computed.
#include "ablauf/auswertungs_lauf.h"

#include "ablauf/simulation.h"
#include "datei_fehler_hilfen.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

// the classic run of p in the working directory
std::unique_ptr<TKontext> Klassisch(const TRegisterParameter& p,
                                    const std::string& eingabeOrdner = {}) {
    auto k = test::NeuerKontext();
    StandardwerteSetzen(*k);
    k->Parameter = p;
    SimulationAusfuehren(*k, {}, {}, nullptr, eingabeOrdner);
    return k;
}

void GleicheErgebnisse(const TModell& a, const TModell& b, const char* fall) {
    EXPECT_TRUE(a.Reihen.Taus == b.Reihen.Taus) << fall;
    EXPECT_TRUE(a.Reihen.Tein == b.Reihen.Tein) << fall;
    EXPECT_TRUE(a.Reihen.TMonitor == b.Reihen.TMonitor) << fall;
    EXPECT_EQ(a.Ergebnis.Heizenergie, b.Ergebnis.Heizenergie) << fall;
    EXPECT_EQ(a.Ergebnis.Kuehlenergie, b.Ergebnis.Kuehlenergie) << fall;
    EXPECT_EQ(a.Ergebnis.WaermeentzugErde, b.Ergebnis.WaermeentzugErde) << fall;
}

TEST(AuswertungsLauf, GivesTheClassicRunsNumbersAndWritesNothing) {
    test::TArbeitsVerzeichnis ort;
    TRegisterParameter p = Standard();
    p.Frostgrenze = 1.5;
    const TAuswertung lauf = AuswertungsLaufRechnen(p);
    EXPECT_TRUE(test::OrdnerInhalt(ort.Ort()).empty());
    EXPECT_TRUE(lauf.Hinweise.empty());
    EXPECT_EQ(lauf.Wetter.Bezeichnung, "Eingebautes Auslegungsjahr (zurihour.dat)");
    // 790441 / 87600 = 9.0233 °C, the sum of the built-in table
    EXPECT_NE(lauf.Wetter.Text.find("\nJahresmittel: 9,02 °C\n"), std::string::npos)
        << lauf.Wetter.Text;
    EXPECT_EQ(lauf.Wetter.Text.find("Taupunkt:"), std::string::npos) << "no humidity";

    const auto klassisch = Klassisch(p);
    GleicheErgebnisse(*lauf.Modell, *klassisch, "eingebautes Jahr");
    const TKennwerte kw = KennwerteBerechnen(*klassisch);
    EXPECT_EQ(lauf.Kennwerte.FrostStundenAussen, kw.FrostStundenAussen);
    EXPECT_EQ(lauf.Kennwerte.Ventilatorenergie, kw.Ventilatorenergie);
    EXPECT_EQ(lauf.Kennwerte.EinschwingAenderungHeizen, kw.EinschwingAenderungHeizen);
}

TEST(AuswertungsLauf, ReadsTheWeatherBackFromThePreviousReport) {
    test::TArbeitsVerzeichnis ort;
    TRegisterParameter p = Standard();
    p.Heizgrenze = 5;
    Klassisch(p); // the previous report kov.txt
    p.EingebautesWetter = false;
    p.Heizgrenze = 8;
    const std::string bericht = test::DateiInhalt("kov.txt");
    std::filesystem::create_directory("lauf");
    test::DateiSchreiben("lauf/kov.txt", bericht);

    const TAuswertung lauf = AuswertungsLaufRechnen(p, "lauf");
    EXPECT_EQ(lauf.Wetter.Bezeichnung, "Stundenwerte des vorigen Berichts kov.txt");
    EXPECT_EQ(test::OrdnerInhalt("lauf"), std::vector<std::string>{"kov.txt"});
    EXPECT_EQ(test::DateiInhalt("lauf/kov.txt"), bericht);
    // the classic read-back of the same report
    const auto klassisch = Klassisch(p);
    GleicheErgebnisse(*lauf.Modell, *klassisch, "Bericht zurückgelesen");
}

TEST(AuswertungsLauf, ReadsTheSiteWeatherBesideTheProject) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("projekt/wetter");
    const struct {
        const char* Datei;
        const char* Bezeichnung;
    } faelle[] = {
        {"USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw",
         "Wetterdatei Chicago Ohare Intl Ap, USA (wetter/USA_IL_Chicago-OHare.Intl.AP.725300_"
         "TMY3.epw)"},
        // a file without a city is named by its path alone
        {"tmy_45.000_8.000_2005_2023.epw", "Wetterdatei wetter/tmy_45.000_8.000_2005_2023.epw"},
    };
    for (const auto& f : faelle) {
        std::filesystem::copy_file(std::string(KOV_TESTDATEN) + "/wetter/" + f.Datei,
                                   std::string("projekt/wetter/") + f.Datei);
        TRegisterParameter p = Standard();
        p.WetterDatei = std::string("wetter/") + f.Datei;
        const TAuswertung lauf = AuswertungsLaufRechnen(p, {}, "projekt");
        EXPECT_EQ(lauf.Wetter.Bezeichnung, f.Bezeichnung);
        EXPECT_NE(lauf.Wetter.Text.find("Format: EnergyPlus-Wetterdatei (EPW)\n"),
                  std::string::npos)
            << f.Datei;
        EXPECT_NE(lauf.Wetter.Text.find("Mittlerer Taupunkt: "), std::string::npos) << f.Datei;
        // the classic run of the project gives the same year
        GleicheErgebnisse(*lauf.Modell, *Klassisch(p, "projekt"), f.Datei);
        EXPECT_GT(lauf.Kennwerte.KondensatJahr, 0) << "real humidity: " << f.Datei;
    }
    TRegisterParameter p = Standard();
    p.WetterDatei = "wetter/fehlt.epw";
    EXPECT_EQ(test::FehlerMeldung([&] { AuswertungsLaufRechnen(p, {}, "projekt"); }),
              "File not found: projekt/wetter/fehlt.epw");
}

TEST(AuswertungsLauf, RefusesBeforeItComputes) {
    test::TArbeitsVerzeichnis ort;
    struct TFall {
        const char* Name;
        void (*Setzen)(TRegisterParameter&);
        const char* Meldung;
        bool Dateifehler;
    } faelle[] = {
        {"zwei Felder",
         [](TRegisterParameter& p) {
             p.DRohr = 0;
             p.AnzahlSubSchritte = 0;
         },
         "Rohrdurchmesser (DRohr) muss größer als 0 m sein.\n", false},
        {"Fahrplan fehlt", [](TRegisterParameter& p) { p.FahrplanGelesen = true; },
         "File not found: wplaufz1.txt", true},
        {"Bericht fehlt", [](TRegisterParameter& p) { p.EingebautesWetter = false; },
         "File not found: kov.txt", true},
    };
    for (const TFall& f : faelle) {
        TRegisterParameter p = Standard();
        f.Setzen(p);
        std::string meldung;
        bool dateifehler = false;
        try {
            AuswertungsLaufRechnen(p);
        } catch (const TDateiFehler& e) {
            meldung = e.what();
            dateifehler = true;
        } catch (const TParameterFehler& e) {
            meldung = e.what();
        }
        EXPECT_EQ(dateifehler, f.Dateifehler) << f.Name;
        EXPECT_EQ(meldung.substr(0, std::string(f.Meldung).size()), f.Meldung) << f.Name;
        EXPECT_TRUE(test::OrdnerInhalt(ort.Ort()).empty()) << f.Name;
    }
}

TEST(AuswertungsLauf, AShortScheduleIsRunAndNoted) {
    test::TArbeitsVerzeichnis ort;
    std::string fahrplan;
    for (int h = 1; h <= 100; ++h)
        fahrplan += "0.5\r\n";
    test::DateiSchreiben("wplaufz1.txt", fahrplan);
    TRegisterParameter p = Standard();
    p.FahrplanGelesen = true;
    const TAuswertung lauf = AuswertungsLaufRechnen(p);
    ASSERT_EQ(lauf.Hinweise.size(), 1u);
    EXPECT_EQ(lauf.Hinweise[0].substr(0, 50), "Der Lüftungsfahrplan wplaufz1.txt endet nach Stun");
    EXPECT_EQ(lauf.Modell->Reihen.RelVolumenstrom[100], 0.5);
    EXPECT_EQ(lauf.Modell->Reihen.RelVolumenstrom[101], 0.0);
    GleicheErgebnisse(*lauf.Modell, *Klassisch(p), "kurzer Fahrplan");
}

} // namespace
} // namespace kov
