#include "datei_fehler_hilfen.h"
#include "files/text_datei.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kov {
namespace {

TEST(TextDatei, SmallAndLargePiecesArriveInOrder) {
    test::TArbeitsVerzeichnis ort;
    std::string erwartet;
    {
        TTextDatei datei("t.txt");
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

TEST(TextDatei, TheTargetChangesOnlyWhenTheFileIsComplete) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("t.txt", "alt\r\n");
    ::chmod("t.txt", 0640);
    {
        TTextDatei datei("t.txt");
        datei.Schreiben(std::string(200000, 'n'));
        EXPECT_EQ(test::DateiInhalt("t.txt"), "alt\r\n") << "half written";
    } // left without Schliessen, as on a fault
    EXPECT_EQ(test::DateiInhalt("t.txt"), "alt\r\n");
    EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"t.txt"});

    DateiSchreiben("t.txt", "neu");
    EXPECT_EQ(test::DateiInhalt("t.txt"), "neu");
    struct stat info {};
    ::stat("t.txt", &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the report keeps its permissions";
}

TEST(TextDatei, FaultsNameTheFile) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("ordner");
    ::mkfifo("rohr", 0600);
    const std::pair<std::function<void()>, std::string> faelle[] = {
        {[] { TTextDatei("kein/t.txt"); }, "File not found: kein/t.txt"},
        {[] { TTextDatei("ordner"); }, "Keine gewöhnliche Datei, sondern ein Ordner: ordner"},
        {[] { TTextDatei("rohr"); },
         "Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe): rohr"},
        {[] { TTextDatei("/dev/full"); }, "Keine gewöhnliche Datei, sondern ein Gerät: /dev/full"},
    };
    for (const auto& [aufruf, meldung] : faelle)
        EXPECT_EQ(test::FehlerMeldung(aufruf), meldung);
    // a short text stays in the buffer: the full disk shows when it is written out on closing
    EXPECT_EQ(test::FehlerMeldungMitGrenze(10,
                                           [] {
                                               TTextDatei datei("t.txt");
                                               datei.ZeileSchreiben("eine lange Zeile");
                                               datei.Schliessen();
                                           }),
              "Disk full: t.txt");
    EXPECT_EQ(test::FehlerMeldungMitGrenze(1000,
                                           [] {
                                               TTextDatei datei("t.txt");
                                               datei.Schreiben(std::string(200000, 'x'));
                                           }),
              "Disk full: t.txt");
    EXPECT_EQ(test::OrdnerInhalt("."), (std::vector<std::string>{"ordner", "rohr"}));
}

TEST(TextDatei, NoDescriptorOutlivesTheFile) {
    test::TArbeitsVerzeichnis ort;
    const int vorher = test::OffeneDeskriptoren();
    {
        TTextDatei datei("t.txt");
        datei.Schreiben("offen gelassen");
    }
    test::FehlerMeldung([] { TTextDatei("fehlt/t.txt"); });
    test::FehlerMeldung([] { DateiLesen("fehlt.txt"); });
    EXPECT_EQ(test::OffeneDeskriptoren(), vorher);
}

TEST(TextDatei, ALinkInTheTargetsPlaceIsReplacedNotFollowed) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("ziel.txt", "fremd");
    std::filesystem::create_symlink("ziel.txt", "bericht.txt");
    DateiSchreiben("bericht.txt", "Bericht");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "fremd");
    EXPECT_FALSE(std::filesystem::is_symlink("bericht.txt"));
    EXPECT_EQ(test::DateiInhalt("bericht.txt"), "Bericht");
}

TEST(TextDatei, AWriteRemovesWhatKilledWritesOfItsTargetLeftBehind) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("o");
    const auto alt = [](const std::string& name) {
        test::DateiSchreiben(name, "halb geschrieben");
        std::filesystem::last_write_time(name, std::filesystem::last_write_time(name) -
                                                   std::chrono::minutes(5));
    };
    // left by killed writes of o/kov.txt
    alt("o/.kov.txt.kov-0123abcd");
    alt("o/.kov.txt.kov-ffffffff");
    // not: being written right now (locked), just created, of another target, not so named
    alt("o/.kov.txt.kov-00000001");
    const int schreiber = ::open("o/.kov.txt.kov-00000001", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(schreiber, LOCK_EX), 0);
    test::DateiSchreiben("o/.kov.txt.kov-00000002", "eben angelegt");
    alt("o/.dummy.txt.kov-0123abcd");
    alt("o/.kov.txt.kov-0123ABCD");
    alt("o/.kov.txt.kov-0123abcd0");
    alt("o/kov.txt.kov-0123abcd");
    DateiSchreiben("o/kov.txt", "Bericht");
    ::close(schreiber);
    EXPECT_EQ(
        test::OrdnerInhalt("o"),
        (std::vector<std::string>{".dummy.txt.kov-0123abcd", ".kov.txt.kov-00000001",
                                  ".kov.txt.kov-00000002", ".kov.txt.kov-0123ABCD",
                                  ".kov.txt.kov-0123abcd0", "kov.txt", "kov.txt.kov-0123abcd"}));
    // in the working directory too, once the writer is gone
    alt(".t.txt.kov-89abcdef");
    DateiSchreiben("t.txt", "x");
    EXPECT_FALSE(std::filesystem::exists(".t.txt.kov-89abcdef"));
}

TEST(TextDatei, TwoWritersAtOnceLeaveOneWholeFile) {
    test::TArbeitsVerzeichnis ort;
    const std::string a(300000, 'a');
    const std::string b(300000, 'b');
    for (int runde = 0; runde < 20; ++runde) {
        std::thread erster([&] { DateiSchreiben("t.txt", a); });
        std::thread zweiter([&] { DateiSchreiben("t.txt", b); });
        erster.join();
        zweiter.join();
        const std::string inhalt = test::DateiInhalt("t.txt");
        ASSERT_TRUE(inhalt == a || inhalt == b) << "round " << runde;
    }
    EXPECT_EQ(test::OrdnerInhalt("."), std::vector<std::string>{"t.txt"});
}

TEST(DateiLesen, OnlyRegularFilesWithinTheLimit) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("klein.txt", "1 2 3");
    EXPECT_EQ(DateiLesen("klein.txt"), "1 2 3");
    ::mkfifo("rohr", 0600);
    { std::ofstream gross("gross.txt"); }
    std::filesystem::resize_file("gross.txt", MaxDateiGroesse + 1);
    const std::pair<const char*, std::string> faelle[] = {
        {"fehlt.txt", "File not found: fehlt.txt"},
        {".", "Keine gewöhnliche Datei, sondern ein Ordner: ."},
        {"rohr", "Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe): rohr"},
        {"/dev/zero", "Keine gewöhnliche Datei, sondern ein Gerät: /dev/zero"},
        {"gross.txt", "Datei größer als 64 MiB: gross.txt"},
    };
    for (const auto& [name, meldung] : faelle)
        EXPECT_EQ(test::FehlerMeldung([name = name] { DateiLesen(name); }), meldung) << name;
}

TEST(TextDatei, ReadOnlyDirectoryIsAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which ignores directory permissions; "
                        "ReadOnlyDirectoryIsAccessDeniedWithoutRoot covers this case";
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("nurlesen");
    ::chmod("nurlesen", 0555);
    EXPECT_EQ(test::FehlerMeldung([] { TTextDatei("nurlesen/t.txt"); }),
              "File access denied: nurlesen/t.txt");
}

TEST(TextDatei, ReadOnlyDirectoryIsAccessDeniedWithoutRoot) {
    if (::geteuid() != 0) GTEST_SKIP() << "not root: ReadOnlyDirectoryIsAccessDenied covers this";
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("nurlesen");
    ::chmod(".", 0755);
    ::chmod("nurlesen", 0555);
    const std::string meldung = test::FehlerMeldungOhneRoot([] { TTextDatei("nurlesen/t.txt"); });
    if (meldung == "<kein Wechsel>") GTEST_SKIP() << "could not drop root rights";
    EXPECT_EQ(meldung, "File access denied: nurlesen/t.txt");
}

} // namespace
} // namespace kov
