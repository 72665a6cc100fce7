#include "datei_fehler_hilfen.h"
#include "files/bericht.h"
#include "files/stunden_ausgabe.h"
#include "files/wetter.h"
#include "files/zahl_format.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace kov {
namespace {

class StundenAusgabe : public ::testing::Test {
protected:
    void SetUp() override {
        StandardwerteSetzen(m);
        TStundenReihen& r = m.Reihen;
        for (std::size_t h = 1; h <= StundenImJahr; ++h) {
            r.Taus[h] = 8.0;
            r.RelVolumenstrom[h] = 1.0;
            r.TMonitor[h] = 9.5;
            r.Betrieb[h] = 1.0;
        }
        r.Tein[1] = 3.2;
        r.Taus[1] = 3.25;
        r.TMonitor[1] = -0.04;
        r.Taus[2] = -5.0;
        r.TTaupunkt[2] = 0.0;
        r.Tein[8760] = 3.6;
        r.RelVolumenstrom[8760] = 0.125;
        r.Betrieb[8760] = 0.0;
    }

    // header, rows and energy block as a run writes them
    void BerichtSchreiben() {
        AusgabeAnlegen("kov.txt");
        AusgabeKopfSchreiben(m.Parameter);
        AusgabeStundenSchreiben("kov.txt", m.Reihen, m.Parameter);
        AusgabeEnergieSchreiben("kov.txt", {1.5, 22.25, 3333.5, 4.0});
    }

    test::TArbeitsVerzeichnis ort;
    TModell m;
};

TEST_F(StundenAusgabe, RowsFollowTheHeader) {
    BerichtSchreiben();
    const std::vector<std::string> zeilen = test::DateiZeilen("kov.txt");
    ASSERT_EQ(zeilen.size(), 100u + 8760 + 5);
    EXPECT_EQ(zeilen[100], "3.2\t3.3\t1.00\t10.0\t0.0\t-0.0\t1.0\t0.00") << "hour 1";
    EXPECT_EQ(zeilen[101].substr(zeilen[101].find('\t')), "\t-5.0\t1.00\t10.0\t0.0\t9.5\t1.0\t5.32")
        << "hour 2";
    EXPECT_EQ(zeilen[8859], "3.6\t8.0\t0.13\t10.0\t0.0\t9.5\t0.0\t0.00") << "hour 8760";
    EXPECT_EQ(zeilen[8860], "");
    EXPECT_EQ(zeilen[8861].substr(0, 8), "       2");
    for (std::size_t i = 100; i < 8860; ++i) {
        ASSERT_EQ(std::count(zeilen[i].begin(), zeilen[i].end(), '\t'), 7) << "line " << i + 1;
        ASSERT_NE(zeilen[i].front(), ' ') << "line " << i + 1;
    }
    const std::string inhalt = test::DateiInhalt("kov.txt");
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), '\n'), 8865);
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), '\r'), 8865);
}

TEST_F(StundenAusgabe, DecimalCommaKeepsTheHeader) {
    BerichtSchreiben();
    const std::string vorher = test::DateiInhalt("kov.txt");
    std::size_t kopfEnde = 0;
    for (int i = 0; i < 100; ++i)
        kopfEnde = vorher.find("\r\n", kopfEnde) + 2;

    DezimalKommaSetzen("kov.txt");
    const std::string nachher = test::DateiInhalt("kov.txt");
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_EQ(nachher.substr(0, kopfEnde), vorher.substr(0, kopfEnde));
    std::string rest = vorher.substr(kopfEnde);
    std::replace(rest.begin(), rest.end(), '.', ',');
    EXPECT_EQ(nachher.substr(kopfEnde), rest);
    EXPECT_EQ(nachher.substr(kopfEnde, 4), "3,2\t");
    EXPECT_EQ(test::DateiZeilen("kov.txt")[4], "0.1922\t m\t Rohrdurchmesser innen;");
    EXPECT_EQ(test::DateiInhalt(HilfsDatei), nachher) << "the converted copy stays behind";

    // such a report is no weather source for a later run
    m.Parameter.EingebautesWetter = false;
    DateiKopieren("kov.txt", HilfsDatei);
    EXPECT_EQ(test::FehlerMeldung([&] { WetterLesen(m); }), "Invalid numeric input");
}

TEST(DezimalKomma, CountryCodes) {
    for (const char* land : {"D", "d", "A", "a"})
        EXPECT_TRUE(LandMitDezimalKomma(land)) << land;
    for (const char* land : {"CH", "ch", "DE", "AT", "", " D", "D "})
        EXPECT_FALSE(LandMitDezimalKomma(land)) << '"' << land << '"';
}

TEST_F(StundenAusgabe, FaultsLeaveTheReportAsItWas) {
    const int vorher = test::OffeneDeskriptoren();
    EXPECT_EQ(test::FehlerMeldung([] { DezimalKommaSetzen("kov.txt"); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(HilfsDatei));

    BerichtSchreiben();
    const std::string bericht = test::DateiInhalt("kov.txt");
    std::filesystem::create_symlink("/dev/full", HilfsDatei);
    EXPECT_EQ(test::FehlerMeldung([] { DezimalKommaSetzen("kov.txt"); }), "Disk full");
    EXPECT_EQ(test::DateiInhalt("kov.txt"), bericht);

    EXPECT_EQ(
        test::FehlerMeldung([&] { AusgabeStundenSchreiben("/dev/full", m.Reihen, m.Parameter); }),
        "Disk full");
    EXPECT_EQ(
        test::FehlerMeldung([&] { AusgabeStundenSchreiben("fehlt.txt", m.Reihen, m.Parameter); }),
        "File not found");
    EXPECT_EQ(test::OffeneDeskriptoren(), vorher);
}

TEST(DateiKopieren, EveryLineEndsWithCrLf) {
    test::TArbeitsVerzeichnis ort;
    const std::pair<std::string, std::string> faelle[] = {
        {"", "\r\n"},
        {"a", "a\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r\n", "a\r\nb\r\n"},
        {"\r\n", "\r\n"},
        {"a\r\n\r\n", "a\r\n\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"3.2\t\xF8\x1a\r\n", "3.2\t\xF8\x1a\r\n"},
    };
    for (const auto& [quelle, ziel] : faelle) {
        test::DateiSchreiben("quelle.txt", quelle);
        test::DateiSchreiben("ziel.txt", "alter, laengerer Inhalt des Ziels\r\n");
        DateiKopieren("quelle.txt", "ziel.txt");
        EXPECT_EQ(test::DateiInhalt("ziel.txt"), ziel) << testing::PrintToString(quelle);
    }
}

TEST(DateiKopieren, FaultsAndCopyOntoItself) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("ziel.txt", "bleibt\r\n");
    EXPECT_EQ(test::FehlerMeldung([] { DateiKopieren("fehlt.txt", "ziel.txt"); }),
              "File not found");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "bleibt\r\n");

    DateiKopieren("ziel.txt", "ziel.txt");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "bleibt\r\n");

    EXPECT_EQ(test::FehlerMeldung([] { DateiKopieren("ziel.txt", "/dev/full"); }), "Disk full");
}

} // namespace
} // namespace kov
