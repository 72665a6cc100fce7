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
        m.Ergebnis = {1.5, 22.25, 3333.5, 4.0};
        kov::BerichtSchreiben(m, true, "kov.txt", HilfsDatei);
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

    m.Parameter.Land = "D";
    kov::BerichtSchreiben(m, true, "kov.txt", HilfsDatei);
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
    EXPECT_EQ(test::FehlerMeldung([&] { WetterLesen(m); }),
              "Invalid numeric input: dummy.txt, Zeile 101 (der Bericht ist mit Dezimalkomma "
              "geschrieben (Land=D oder A); sein Wetter lässt sich nur aus einem Bericht mit "
              "Dezimalpunkt lesen)");
}

TEST(DezimalKomma, CountryCodes) {
    for (const char* land : {"D", "d", "A", "a"})
        EXPECT_TRUE(LandMitDezimalKomma(land)) << land;
    for (const char* land : {"CH", "ch", "DE", "AT", "", " D", "D "})
        EXPECT_FALSE(LandMitDezimalKomma(land)) << '"' << land << '"';
}

TEST_F(StundenAusgabe, FaultsLeaveTheReportAndItsCopyAsTheyWere) {
    BerichtSchreiben();
    const std::string bericht = test::DateiInhalt("kov.txt");
    test::DateiSchreiben(HilfsDatei, "alte Kopie\r\n");
    m.Parameter.Land = "D";
    // the rows do not fit: neither the copy nor the report is touched
    EXPECT_EQ(test::FehlerMeldungMitGrenze(100000, [&] { BerichtSchreiben(); }),
              "Disk full: dummy.txt");
    EXPECT_EQ(test::DateiInhalt("kov.txt"), bericht);
    EXPECT_EQ(test::DateiInhalt(HilfsDatei), "alte Kopie\r\n");
    EXPECT_EQ(test::OrdnerInhalt("."), (std::vector<std::string>{HilfsDatei, "kov.txt"}));
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
              "File not found: fehlt.txt");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "bleibt\r\n");

    DateiKopieren("ziel.txt", "ziel.txt");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "bleibt\r\n");

    test::DateiSchreiben("gross.txt", std::string(5000, 'x'));
    EXPECT_EQ(test::FehlerMeldungMitGrenze(4000, [] { DateiKopieren("gross.txt", "ziel.txt"); }),
              "Disk full: ziel.txt");
    EXPECT_EQ(test::DateiInhalt("ziel.txt"), "bleibt\r\n");

    // a planted link is replaced, its target stays as it was
    test::DateiSchreiben("fremd.txt", "fremde Datei\r\n");
    std::filesystem::create_symlink("fremd.txt", "verweis.txt");
    DateiKopieren("ziel.txt", "verweis.txt");
    EXPECT_EQ(test::DateiInhalt("fremd.txt"), "fremde Datei\r\n");
    EXPECT_FALSE(std::filesystem::is_symlink("verweis.txt"));
    EXPECT_EQ(test::DateiInhalt("verweis.txt"), "bleibt\r\n");
}

} // namespace
} // namespace kov
