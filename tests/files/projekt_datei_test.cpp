#include "files/projekt_datei.h"

#include "datei_fehler_hilfen.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

// Every settable field away from its default, with numbers that have no short decimal form.
TRegisterParameter AlleFelderGeaendert() {
    TRegisterParameter p = Standard();
    int n = 0;
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        ++n;
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
            FeldWert<double>(p, e) = e.Bereich.Art == TBereichsArt::Anteil
                                         ? 0.1 + 0.2 / n
                                         : FeldWert<double>(p, e) / 3 + 0.1 + 0.2;
            break;
        case TFeldTyp::Ganzzahl:
            FeldWert<std::int32_t>(p, e) =
                FeldWert<std::int32_t>(p, e) > 1 ? FeldWert<std::int32_t>(p, e) - 1 : 2;
            break;
        case TFeldTyp::Wahrheitswert:
            FeldWert<bool>(p, e) = !FeldWert<bool>(p, e);
            break;
        case TFeldTyp::Text:
            FeldWert<std::string>(p, e) = "Grün \"Süd\"\\" + std::to_string(n) + ".txt";
            break;
        case TFeldTyp::Monate:
            for (std::size_t m = 1; m <= 12; ++m)
                FeldWert<TMonatsFeld>(p, e)[m] = -1.0 / 3 * static_cast<double>(m) + 1e-17;
            break;
        }
    }
    p.WetterDatei = "wetter/ort.epw";
    p.FahrplanFile = "../plaene/plan.txt";
    AnteilErdeBerechnen(p);
    return p;
}

std::string Meldung(std::string_view text) {
    return test::FehlerMeldung([&] { ProjektTextLesen(text, "p.kov"); });
}

TEST(ProjektDatei, EveryFieldReadsBackBitForBitAndTheFileByteForByte) {
    test::TArbeitsVerzeichnis ort;
    for (const TRegisterParameter& p : {Standard(), AlleFelderGeaendert()}) {
        const std::string text = ProjektText(p, "", "p.kov");
        const TRegisterParameter zurueck = ProjektTextLesen(text, "p.kov");
        for (const TKatalogEintrag& e : ParameterKatalog())
            if (!e.Abgeleitet) {
                EXPECT_TRUE(FeldGleich(p, zurueck, e)) << e.Name;
            }
        EXPECT_EQ(zurueck.AnteilErde, p.AnteilErde) << "derived anew";
        EXPECT_EQ(ProjektText(zurueck, "", "p.kov"), text) << "save(load(f)) == f";

        // through the disk, twice: the same bytes
        ProjektSpeichern("p.kov", p);
        const std::string erste = test::DateiInhalt("p.kov");
        ProjektSpeichern("p.kov", ProjektLesen("p.kov"));
        EXPECT_EQ(test::DateiInhalt("p.kov"), erste);
        EXPECT_EQ(erste, text);
    }
}

TEST(ProjektDatei, LayoutIsTheCatalogueInOrderWithTwoSpaceIndent) {
    const std::string text = ProjektText(Standard(), "", "p.kov");
    const std::string anfang = "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n"
                               "  \"Projektname\": \"Testlauf1\",\n  \"DRohr\": 0.1922,\n"
                               "  \"Rohrlaenge\": 50.0,\n";
    EXPECT_EQ(text.substr(0, anfang.size()), anfang);
    EXPECT_NE(text.find("  \"ViskositaetLuft\": 1.45e-05,\n"), std::string::npos);
    EXPECT_NE(text.find("  \"KellerTemperatur\": [\n    10.0,\n    10.0,"), std::string::npos);
    EXPECT_NE(text.find("  \"WetterDatei\": \"\",\n"), std::string::npos);
    EXPECT_NE(text.find("  \"Land\": \"CH\",\n"), std::string::npos);
    EXPECT_NE(text.find("  \"Klima\": \"\",\n  \"Modell\": \"klassisch\",\n"
                        "  \"Rohrabstand\": 1.0,\n  \"AlphaOberflaeche\": 15.0,\n"),
              std::string::npos);
    EXPECT_NE(text.find("  \"Rohrpreise\": \"0.1:25;0.15:35;0.2:50;0.3:90;0.4:140\",\n"),
              std::string::npos);
    const std::string ende = "\"MindestReynolds\": 2300.0\n}\n";
    EXPECT_EQ(text.substr(text.size() - ende.size()), ende);
    EXPECT_EQ(text.find("Stroemungsgeschwindigkeit"), std::string::npos) << "derived";
    EXPECT_EQ(text.find('\r'), std::string::npos);

    // keys in catalogue order, each settable field once
    std::size_t stelle = text.find("\"Version\"");
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        const std::size_t neu = text.find("\n  \"" + std::string(e.Name) + "\": ");
        ASSERT_NE(neu, std::string::npos) << e.Name;
        EXPECT_GT(neu, stelle) << e.Name << " out of order";
        stelle = neu;
    }
}

TEST(ProjektDatei, MissingFieldsTakeTheirDefaults) {
    const TRegisterParameter p = ProjektTextLesen(
        "{\"Format\": \"KOV-Projekt\", \"Version\": 1, \"DRohr\": 0.25, \"AnteilKeller\": 0.25}",
        "alt.kov");
    TRegisterParameter erwartet = Standard();
    erwartet.DRohr = 0.25;
    erwartet.AnteilKeller = 0.25;
    for (const TKatalogEintrag& e : ParameterKatalog())
        if (!e.Abgeleitet) {
            EXPECT_TRUE(FeldGleich(p, erwartet, e)) << e.Name;
        }
    EXPECT_EQ(p.AnteilErde, 0.75);
}

TEST(ProjektDatei, RefusedFilesNameTheKeyAndTheLine) {
    const std::string kopf = "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n";
    struct TFall {
        const char* Name;
        std::string Text;
        std::string Meldung; // what() in full
    };
    const TFall faelle[] = {
        {"JSON-Fehler", kopf + "  \"DRohr\": 0.2,,\n}\n",
         "Kein gültiges JSON in Spalte 16 (unerwartetes Zeichen): p.kov, Zeile 4"},
        {"abgeschnitten", kopf + "  \"DRohr\": 0.2",
         "Kein gültiges JSON in Spalte 15 (die Datei endet mitten im JSON): p.kov, Zeile 4"},
        {"kein UTF-8", kopf + "  \"Land\": \"\xFC\"\n}",
         "Kein gültiges JSON in Spalte 12 (unerwartetes Zeichen): p.kov, Zeile 4"},
        {"kein Objekt", "[1, 2]", "Keine KOV-Projektdatei: die Datei ist kein JSON-Objekt: p.kov"},
        {"ohne Format", "{\"Version\": 1}",
         "Keine KOV-Projektdatei: der Schlüssel \"Format\" fehlt: p.kov"},
        {"fremdes Format", "{\n\"Format\": \"KOV\", \"Version\": 1}",
         "Keine KOV-Projektdatei: \"Format\" muss \"KOV-Projekt\" sein: p.kov, Zeile 2"},
        {"ohne Version", "{\"Format\": \"KOV-Projekt\"}",
         "Der Schlüssel \"Version\" fehlt oder ist keine ganze Zahl: p.kov"},
        {"neuere Version", "{\"Format\": \"KOV-Projekt\",\n\"Version\": 2}",
         "Die Projektdatei hat die Version 2 eines neueren Programms; dieses liest "
         "Projektdateien bis Version 1: p.kov, Zeile 2"},
        {"Version 0", "{\"Format\": \"KOV-Projekt\", \"Version\": 0}",
         "Die Version 0 gibt es nicht: p.kov, Zeile 1"},
        {"unbekannt", kopf + "  \"DRohr\": 0.2,\n  \"Rohrlänge\": 5\n}",
         "Unbekannter Schlüssel \"Rohrlänge\": p.kov, Zeile 5"},
        {"abgeleitet", kopf + "  \"AnteilErde\": 1.0\n}",
         "Der Schlüssel \"AnteilErde\" wird vom Programm berechnet und gehört nicht in ein "
         "Projekt: p.kov, Zeile 4"},
        {"doppelt", kopf + "  \"DRohr\": 0.2,\n  \"DRohr\": 0.3\n}",
         "Der Schlüssel \"DRohr\" steht mehr als einmal in der Datei: p.kov, Zeile 4"},
        {"Text statt Zahl", kopf + "  \"DRohr\": \"0.2\"\n}",
         "Der Wert von \"DRohr\" muss eine Zahl sein: p.kov, Zeile 4"},
        {"Bruch statt ganzer Zahl", kopf + "  \"AnzahlRohre\": 15.0\n}",
         "Der Wert von \"AnzahlRohre\" muss eine ganze Zahl sein: p.kov, Zeile 4"},
        {"zu gross", kopf + "  \"AnzahlRohre\": 3000000000\n}",
         "Der Wert von \"AnzahlRohre\" liegt ausserhalb des Zahlenbereichs ganzer Zahlen "
         "(-2147483648 bis 2147483647): p.kov, Zeile 4"},
        {"zu lang", kopf + "  \"AnzahlRohre\": -12345678901234567890123\n}",
         "Der Wert von \"AnzahlRohre\" liegt ausserhalb des Zahlenbereichs ganzer Zahlen "
         "(-2147483648 bis 2147483647): p.kov, Zeile 4"},
        {"lange Version", "{\"Format\": \"KOV-Projekt\", \"Version\": 12345678901234567890123}",
         "Die Version ist eine zu lange Zahl; dieses Programm liest Projektdateien bis Version "
         "1: p.kov, Zeile 1"},
        {"Version 2^64", "{\"Format\": \"KOV-Projekt\", \"Version\": 18446744073709551615}",
         "Die Version ist eine zu lange Zahl; dieses Programm liest Projektdateien bis Version "
         "1: p.kov, Zeile 1"},
        {"Zahl statt Wahrheitswert", kopf + "  \"Geregelt\": 1\n}",
         "Der Wert von \"Geregelt\" muss true oder false sein: p.kov, Zeile 4"},
        {"Zahl statt Text", kopf + "  \"Land\": 49\n}",
         "Der Wert von \"Land\" muss ein Text in Anführungszeichen sein: p.kov, Zeile 4"},
        {"elf Monate", kopf + "  \"KellerTemperatur\": [1,2,3,4,5,6,7,8,9,10,11]\n}",
         "Der Wert von \"KellerTemperatur\" muss eine Liste von 12 Zahlen sein (Januar bis "
         "Dezember): p.kov, Zeile 4"},
        {"Monat ohne Zahl", kopf + "  \"KellerTemperatur\": [1,2,null,4,5,6,7,8,9,10,11,12]\n}",
         "Der Wert von \"KellerTemperatur\" im Monat 3 muss eine Zahl sein: p.kov, Zeile 4"},
        {"ausserhalb", kopf + "  \"DRohr\": 0\n}",
         "Der Wert von \"DRohr\" (Rohrdurchmesser) muss größer als 0 m sein: p.kov, Zeile 4"},
        {"Anteil", kopf + "  \"AnteilKeller\": 1.5\n}",
         "Der Wert von \"AnteilKeller\" (Kelleranteil) muss zwischen 0 und 1 liegen: p.kov, "
         "Zeile 4"},
        {"Gitter", kopf + "  \"AnzahlGitter\": 11\n}",
         "Der Wert von \"AnzahlGitter\" (Anzahl Rechengitter) muss zwischen 3 und 10 liegen: "
         "p.kov, Zeile 4"},
        {"Monitor ausserhalb des Gitters",
         kopf + "  \"AnzahlGitter\": 4,\n  \"MonitorAxial\": 5\n}",
         "Der Wert von \"MonitorAxial\" (Monitorpunkt axial) muss zwischen 1 und 4 liegen: "
         "p.kov, Zeile 5"},
        {"unendlich", kopf + "  \"Tiefe\": 1e999\n}",
         "Die Zahl 1e999 liegt ausserhalb des Zahlenbereichs: p.kov, Zeile 4"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(Meldung(f.Text), f.Meldung) << f.Name;
}

TEST(ProjektDatei, FileFaultsOfReadingAndWriting) {
    test::TArbeitsVerzeichnis ort;
    EXPECT_EQ(test::FehlerMeldung([] { ProjektLesen("fehlt.kov"); }), "File not found: fehlt.kov");
    std::filesystem::create_directory("ordner.kov");
    EXPECT_NE(test::FehlerMeldung([] { ProjektLesen("ordner.kov"); }).find("ordner.kov"),
              std::string::npos);

    // a number that is not finite is never written
    TRegisterParameter p = Standard();
    p.Heizgrenze = std::numeric_limits<double>::infinity();
    EXPECT_EQ(test::FehlerMeldung([&] { ProjektSpeichern("neu.kov", p); }),
              "Das Projekt lässt sich nicht speichern: Heizgrenze (Heizgrenze) ist keine endliche "
              "Zahl: neu.kov");
    p = Standard();
    p.Projektname = "kaputt \xFF";
    EXPECT_EQ(test::FehlerMeldung([&] { ProjektSpeichern("neu.kov", p); }),
              "Das Projekt lässt sich nicht speichern: Projektname (Projektname) ist kein "
              "gültiger UTF-8-Text: neu.kov");
    EXPECT_FALSE(std::filesystem::exists("neu.kov"));
}

TEST(ProjektDatei, AFailedSaveLeavesTheOldFileWhole) {
    test::TArbeitsVerzeichnis ort;
    ProjektSpeichern("p.kov", Standard());
    const std::string alt = test::DateiInhalt("p.kov");
    // the new file would grow beyond 200 bytes: the write fails as on a full disk
    const std::string meldung =
        test::FehlerMeldungMitGrenze(200, [] { ProjektSpeichern("p.kov", AlleFelderGeaendert()); });
    EXPECT_EQ(meldung, "Disk full: p.kov");
    EXPECT_EQ(test::DateiInhalt("p.kov"), alt);
    EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"p.kov"}) << "no temporary file";
}

TEST(ProjektDatei, InputFileNamesStandRelativeToTheProject) {
    test::TArbeitsVerzeichnis ort;
    struct TFall {
        const char* Name;
        std::string Von, Nach, Erwartet;
    };
    const std::string wurzel = ort.Ort().string();
    const TFall faelle[] = {
        {"plan.txt", "", "projekte", "../plan.txt"},
        {"daten/plan.txt", wurzel + "/a", wurzel + "/b", "../a/daten/plan.txt"},
        {"plan.txt", "a", "a", "plan.txt"},
        {"/opt/wetter/ort.epw", "", wurzel, "../../opt/wetter/ort.epw"},
        {"", "a", "b", ""},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(PfadUmsetzen(f.Name, f.Von, f.Nach), f.Erwartet) << f.Name << " " << f.Nach;
    // ../../opt from a folder two below the root only holds for a root of /tmp/x
    ASSERT_EQ(ort.Ort().parent_path().parent_path(), std::filesystem::path("/"));

    TRegisterParameter p = Standard();
    p.FahrplanFile = "plan.txt";
    p.WetterDatei = "wetter/ort.epw";
    p.OutputFile = "bericht.txt";
    std::filesystem::create_directory("projekte");
    ProjektSpeichern("projekte/p.kov", p);
    const TRegisterParameter gelesen = ProjektLesen("projekte/p.kov");
    EXPECT_EQ(gelesen.FahrplanFile, "../plan.txt");
    EXPECT_EQ(gelesen.WetterDatei, "../wetter/ort.epw");
    EXPECT_EQ(gelesen.OutputFile, "bericht.txt") << "the report is no input of the run";
    EXPECT_EQ(ProjektOrdner("projekte/p.kov"), "projekte");
    EXPECT_EQ(ProjektOrdner("p.kov"), "");
}

} // namespace
} // namespace kov
