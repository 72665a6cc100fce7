#include "files/text_datei.h"
#include "wetter_test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kov {
namespace {

class WetterDatei : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis ort;
};

TEST_F(WetterDatei, FormatIsRecognisedByContentNotByName) {
    struct TFall {
        const char* Quelle;
        const char* Name;
        TWetterFormat Format;
        const char* FormatName;
    };
    const TFall faelle[] = {
        {test::Pvgis, "wetter.csv", TWetterFormat::Epw, "EnergyPlus-Wetterdatei (EPW)"},
        {test::Try2015, "wetter.epw", TWetterFormat::Try2015,
         "DWD-Testreferenzjahr, Ausgabe 2015/2017"},
        {test::Try2011, "wetter", TWetterFormat::Try2011, "DWD-Testreferenzjahr, Ausgabe 2011"},
    };
    for (const TFall& f : faelle) {
        std::filesystem::copy_file(test::WetterDatei(f.Quelle), f.Name);
        const test::TGelesen g = test::WetterGelesen(f.Name);
        EXPECT_EQ(g.Info.Format, f.Format) << f.Name;
        EXPECT_EQ(g.Info.FormatName, f.FormatName) << f.Name;
        EXPECT_EQ(g.Info.Datei, f.Name);
    }
    std::string tabelle = "# LOCATION,Zuerich\n";
    for (int h = 1; h <= StundenImJahr; ++h)
        tabelle += "-1.5\n";
    test::DateiSchreiben("tabelle.epw", tabelle);
    EXPECT_EQ(test::WetterGelesen("tabelle.epw").Info.Format, TWetterFormat::Tabelle);
}

TEST_F(WetterDatei, FilesThatAreNoWeatherFilesAreRefused) {
    ASSERT_EQ(::mkdir("ordner", 0755), 0);
    ASSERT_EQ(::mkfifo("rohr", 0644), 0);
    {
        // sparse: one byte over the limit costs no disk space
        std::filesystem::path gross = "gross.epw";
        test::DateiSchreiben(gross.string(), "LOCATION,x\n");
        std::filesystem::resize_file(gross, MaxDateiGroesse + 1);
    }
    test::DateiSchreiben("leer.txt", " \r\n\n");
    test::DateiSchreiben("utf16.txt", std::string("1\n2\n-\0"
                                                  "1\0",
                                                  8));
    test::DateiSchreiben("bild.epw", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    test::DateiSchreiben("notiz.md", "# Wetter\nDie Datei kommt noch.\nBis bald.\n");
    struct TFall {
        std::string Pfad;
        std::string Meldung;
    };
    const TFall faelle[] = {
        {"fehlt.epw", "File not found: fehlt.epw"},
        {"ordner/fehlt.epw", "File not found: ordner/fehlt.epw"},
        {"ordner", "Keine gewöhnliche Datei, sondern ein Ordner: ordner"},
        {"rohr", "Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe): rohr"},
        {"/dev/null", "Keine gewöhnliche Datei, sondern ein Gerät: /dev/null"},
        {"gross.epw", "Datei größer als 64 MiB: gross.epw"},
        {"leer.txt", "Die Datei enthält keine Daten: leer.txt"},
        {"utf16.txt", "Keine Textdatei: Nullbyte (eine Wetterdatei in UTF-16 wird nicht "
                      "gelesen): utf16.txt, Zeile 3"},
        {"bild.epw", "Keine Textdatei, sondern Binärdaten (Nullbyte); eine Wetterdatei ist Text "
                     "(EPW, DWD-TRY oder eine Tabelle): bild.epw, Zeile 3"},
        {"notiz.md", "Format nicht erkannt: weder EPW (erste Zeile LOCATION) noch "
                     "DWD-Testreferenzjahr (Spaltenkopf und ***) noch Stundentabelle (eine "
                     "Zeile je Stunde, erste Spalte Lufttemperatur): notiz.md, Zeile 3"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(test::WetterFehlerText(f.Pfad), f.Meldung) << f.Pfad;

    // a file the reader may not open; root opens every file, so the call drops its rights
    std::filesystem::copy_file(test::WetterDatei(test::Pvgis), "gesperrt.epw");
    ASSERT_EQ(::chmod("gesperrt.epw", 0), 0);
    ASSERT_EQ(::chmod(ort.Ort().c_str(), 0755), 0);
    const std::string pfad = (ort.Ort() / "gesperrt.epw").string();
    const std::string meldung = test::FehlerMeldungOhneRoot([&pfad] { test::WetterGelesen(pfad); });
    if (meldung == "<kein Wechsel>") GTEST_SKIP() << "rights could not be dropped";
    EXPECT_EQ(meldung, "File access denied: " + pfad);
}

TEST_F(WetterDatei, RefusedFileLeavesYearAndInfoAsTheyWere) {
    std::vector<std::string> zeilen = test::RohZeilen(test::WetterDatei(test::Pvgis));
    zeilen.pop_back();
    test::DateiSchreiben("kurz.epw", test::ZeilenText(zeilen));
    auto jahr = std::make_unique<TWetterJahr>();
    jahr->Tein.fill(7.0);
    TWetterInfo info;
    info.Ort = "vorher";
    EXPECT_THROW(WetterDateiLesen("kurz.epw", *jahr, info), TDateiFehler);
    for (std::size_t h = 0; h <= StundenImJahr; ++h)
        ASSERT_EQ(jahr->Tein[h], 7.0) << h;
    EXPECT_EQ(info.Ort, "vorher");
    EXPECT_EQ(info.Format, TWetterFormat::Unbekannt);
}

// Every cut of a real file is either a year or a TDateiFehler, never anything else: the
// entry a fuzzer will drive takes any bytes.
TEST_F(WetterDatei, AnyPrefixOfARealFileReadsOrFailsCleanly) {
    for (const char* quelle : {test::Pvgis, test::Try2015, test::Try2011}) {
        const std::string inhalt = test::DateiInhalt(test::WetterDatei(quelle));
        // a cut before the last row leaves less than a year
        const std::size_t letzteZeile = inhalt.rfind('\n', inhalt.size() - 2) + 1;
        for (std::size_t laenge = 0; laenge < letzteZeile; laenge += 7919) {
            auto jahr = std::make_unique<TWetterJahr>();
            TWetterInfo info;
            try {
                WetterTextLesen(std::string_view(inhalt).substr(0, laenge), "schnitt", *jahr, info);
                ADD_FAILURE() << quelle << " cut after " << laenge << " bytes was read";
            } catch (const TDateiFehler& f) {
                EXPECT_EQ(f.Datei(), "schnitt") << quelle << " " << laenge;
            }
        }
        auto jahr = std::make_unique<TWetterJahr>();
        TWetterInfo info;
        WetterTextLesen(inhalt, "ganz", *jahr, info);
        EXPECT_EQ(info.Datei, "ganz");
    }
}

} // namespace
} // namespace kov
