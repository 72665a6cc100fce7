#include "ablauf/auswertungs_lauf.h"
#include "ablauf/klima_check.h"
#include "files/klima.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

TEST(KlimaAuswertung, TheEvaluationRunsOnTheBuiltInYearAndNamesIt) {
    TRegisterParameter p = Standard();
    p.Klima = "TRY2015-05-Jahr";
    const TAuswertung a = AuswertungsLaufRechnen(p);
    // the coldest and warmest hour of the original file, -6.3 °C (row 1256) and 33.3 °C
    // (row 4287), taken by awk (tests/files/klima_test.cpp)
    EXPECT_DOUBLE_EQ(a.Kennwerte.TeinMin, -6.3);
    EXPECT_EQ(a.Kennwerte.TeinMinStunde, 1256);
    EXPECT_DOUBLE_EQ(a.Kennwerte.TeinMax, 33.3);
    EXPECT_EQ(a.Wetter.Bezeichnung, KlimaBezeichnung("TRY2015-05-Jahr"));
    EXPECT_NE(a.Wetter.Text.find("Datenbasis: Deutscher Wetterdienst"), std::string::npos)
        << a.Wetter.Text;
}

TEST(KlimaCheck, SixYearsInTheirOrderAndARefusedSetNamesTheYear) {
    const std::vector<TKlimaWahl> jahre = KlimaCheckJahre(3);
    ASSERT_EQ(jahre.size(), 6u);
    const char* namen[] = {"TRY2015-03-Jahr", "TRY2015-03-Wint", "TRY2015-03-Somm",
                           "TRY2045-03-Jahr", "TRY2045-03-Wint", "TRY2045-03-Somm"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(KlimaName(jahre[i]), namen[i]);

    TRegisterParameter p = Standard();
    p.WetterDatei = "ort.epw"; // replaced by each year, not a contradiction here
    const auto ergebnis = KlimaCheckRechnen(p, 3, nullptr, 2);
    ASSERT_EQ(ergebnis.size(), 6u);
    // each column runs on its own year: the coldest hours of Hamburg's mean year and extreme
    // winter as the reader gives them (kov-run --klima-liste: -7.7 and -15.6 °C)
    EXPECT_DOUBLE_EQ(ergebnis[0].Kennwerte.TeinMin, -7.7);
    EXPECT_DOUBLE_EQ(ergebnis[1].Kennwerte.TeinMin, -15.6);
    EXPECT_GT(ergebnis[1].Kennwerte.FrostStundenAussen, ergebnis[0].Kennwerte.FrostStundenAussen);

    p.Rohrlaenge = -1.0;
    try {
        KlimaCheckRechnen(p, 3, nullptr, 2);
        FAIL() << "a negative pipe length was run";
    } catch (const TParameterFehler& f) {
        EXPECT_NE(std::string(f.what()).find("Rohrlaenge"), std::string::npos) << f.what();
        EXPECT_NE(std::string(f.what()).find("TRY20"), std::string::npos) << f.what();
    }
}

TEST(KlimaCheck, TheTableHasOneColumnPerYearAndEachRowItsFigure) {
    // figures made up so that each one is distinct: a row taking another row's field shows
    std::vector<TKlimaCheckJahr> jahre;
    for (const TKlimaWahl& wahl : KlimaCheckJahre(7)) {
        TKlimaCheckJahr j;
        j.Wahl = wahl;
        const double n = static_cast<double>(jahre.size());
        j.Kennwerte.TeinMin = -10.0 - n;
        j.Kennwerte.TausMin = 1.0 + n;
        j.Kennwerte.FrostStundenAussen = 100 + static_cast<int>(n);
        j.Kennwerte.FrostStundenNachRegister = 10 + static_cast<int>(n);
        j.Kennwerte.HeizenergieNutzbar = 5000.0 + n;
        j.Kennwerte.KuehlenergieNutzbar = 700.0 + n;
        j.Ergebnis.Heizenergie = -1.0; // gross energies are not in the table
        jahre.push_back(j);
    }
    const std::vector<std::string> spalten = KlimaCheckSpalten(jahre);
    ASSERT_EQ(spalten.size(), 6u);
    EXPECT_EQ(spalten[0], "mittleres Jahr 1995–2012");
    EXPECT_EQ(spalten[4], "extremer Winter 2031–2060");

    const std::vector<TKlimaCheckZeile> zeilen = KlimaCheckZeilen(jahre);
    const struct {
        const char* Name;
        const char* Einheit;
        double Erste; // the value in the first column, then one step per column
        double Schritt;
    } erwartet[] = {
        {"Tiefste Außentemperatur", "°C", -10.0, -1.0},
        {"Tiefste Austrittstemperatur", "°C", 1.0, 1.0},
        {"Froststunden außen", "h", 100.0, 1.0},
        {"Froststunden nach Register", "h", 10.0, 1.0},
        {"Heizenergie nutzbar", "kWh", 5000.0, 1.0},
        {"Kühlenergie nutzbar", "kWh", 700.0, 1.0},
    };
    ASSERT_EQ(zeilen.size(), std::size(erwartet));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        EXPECT_EQ(zeilen[i].Name, erwartet[i].Name);
        EXPECT_EQ(zeilen[i].Einheit, erwartet[i].Einheit) << erwartet[i].Name;
        ASSERT_EQ(zeilen[i].Werte.size(), 6u) << erwartet[i].Name;
        for (std::size_t s = 0; s < 6; ++s)
            EXPECT_EQ(zeilen[i].Werte[s],
                      erwartet[i].Erste + erwartet[i].Schritt * static_cast<double>(s))
                << erwartet[i].Name << ", Spalte " << s;
    }
}

TEST(KlimaCheck, ACancelledCheckEndsWithoutAResult) {
    const std::atomic<bool> abbruch{true};
    EXPECT_TRUE(KlimaCheckRechnen(Standard(), 3, nullptr, 2, &abbruch).empty());
}

} // namespace
} // namespace kov
