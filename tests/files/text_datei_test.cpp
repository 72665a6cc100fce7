#include "datei_fehler_hilfen.h"
#include "files/text_datei.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace kov {
namespace {

using TOeffnen = TTextDatei::TOeffnen;

TEST(TextDatei, SmallAndLargePiecesArriveInOrder) {
    test::TArbeitsVerzeichnis ort;
    std::string erwartet;
    {
        TTextDatei datei("t.txt", TOeffnen::Anlegen);
        for (int i = 0; i < 5000; ++i) {
            const std::string stueck =
                std::to_string(i) + (i % 1000 == 0 ? std::string(70000, 'x') : "");
            datei.ZeileSchreiben(stueck);
            erwartet += stueck + "\r\n";
        }
        datei.Schliessen();
    }
    EXPECT_EQ(test::DateiInhalt("t.txt"), erwartet);
}

TEST(TextDatei, CreateEmptiesAppendKeeps) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("t.txt", "alt\r\n");
    TTextDatei anhaengen("t.txt", TOeffnen::Anhaengen);
    anhaengen.Schreiben("neu");
    anhaengen.Schliessen();
    EXPECT_EQ(test::DateiInhalt("t.txt"), "alt\r\nneu");

    TTextDatei anlegen("t.txt", TOeffnen::Anlegen);
    anlegen.Schliessen();
    EXPECT_EQ(test::DateiInhalt("t.txt"), "");
}

TEST(TextDatei, FaultsCarryThePlatformMessage) {
    test::TArbeitsVerzeichnis ort;
    EXPECT_EQ(test::FehlerMeldung([] { TTextDatei("fehlt.txt", TOeffnen::Anhaengen); }),
              "File not found")
        << "append does not create a missing file";
    EXPECT_EQ(test::FehlerMeldung([] { TTextDatei("kein/t.txt", TOeffnen::Anlegen); }),
              "File not found");
    std::filesystem::create_directory("ordner");
    EXPECT_EQ(test::FehlerMeldung([] { TTextDatei("ordner", TOeffnen::Anlegen); }),
              "File access denied");

    // a short text stays in the buffer: the full disk shows when it is written out on closing
    EXPECT_EQ(test::FehlerMeldung([] {
                  TTextDatei datei("/dev/full", TOeffnen::Anhaengen);
                  datei.ZeileSchreiben("eine Zeile");
                  datei.Schliessen();
              }),
              "Disk full");
    EXPECT_EQ(test::FehlerMeldung([] {
                  TTextDatei datei("/dev/full", TOeffnen::Anlegen);
                  datei.Schreiben(std::string(200000, 'x'));
              }),
              "Disk full");
}

TEST(TextDatei, NoDescriptorOutlivesTheFile) {
    test::TArbeitsVerzeichnis ort;
    const int vorher = test::OffeneDeskriptoren();
    {
        TTextDatei datei("t.txt", TOeffnen::Anlegen);
        datei.Schreiben("offen gelassen");
    }
    test::FehlerMeldung([] {
        TTextDatei datei("/dev/full", TOeffnen::Anhaengen);
        datei.Schreiben("x");
        datei.Schliessen();
    });
    test::FehlerMeldung([] { TTextDatei("fehlt.txt", TOeffnen::Anhaengen); });
    EXPECT_EQ(test::OffeneDeskriptoren(), vorher);
}

TEST(TextDatei, ReadOnlyDirectoryIsAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which ignores directory permissions; "
                        "ReadOnlyDirectoryIsAccessDeniedWithoutRoot covers this case";
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("nurlesen");
    ::chmod("nurlesen", 0555);
    EXPECT_EQ(test::FehlerMeldung([] { TTextDatei("nurlesen/t.txt", TOeffnen::Anlegen); }),
              "File access denied");
}

TEST(TextDatei, ReadOnlyDirectoryIsAccessDeniedWithoutRoot) {
    if (::geteuid() != 0) GTEST_SKIP() << "not root: ReadOnlyDirectoryIsAccessDenied covers this";
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("nurlesen");
    ::chmod(".", 0755);
    ::chmod("nurlesen", 0555);
    const std::string meldung =
        test::FehlerMeldungOhneRoot([] { TTextDatei("nurlesen/t.txt", TOeffnen::Anlegen); });
    if (meldung == "<kein Wechsel>") GTEST_SKIP() << "could not drop root rights";
    EXPECT_EQ(meldung, "File access denied");
}

} // namespace
} // namespace kov
