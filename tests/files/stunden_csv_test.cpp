// The hourly CSV table: its layout byte for byte with both decimal signs, the dates of the
// hours, a whole run read back to the same doubles, and a write that fails naming its file.
#include "files/stunden_csv.h"

#include "datei_fehler_hilfen.h"
#include "files/wetter.h"
#include "model/kondensat.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace kov {
namespace {

const char* const KopfPunkt =
    "Stunde,Datum,Uhrzeit,Eintrittstemperatur Tein [°C],Austrittstemperatur Taus [°C],"
    "Relativer Volumenstrom [-],Relative Feuchte [%],Taupunkt [°C],Monitortemperatur [°C],"
    "Betrieb [-],Kondensat [kg/h]";

std::vector<std::string> Felder(const std::string& zeile, char trenner) {
    std::vector<std::string> felder(1);
    for (const char c : zeile) {
        if (c == trenner)
            felder.emplace_back();
        else
            felder.back().push_back(c);
    }
    return felder;
}

double Zahl(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    EXPECT_TRUE(fehler == std::errc() && ende == text.data() + text.size()) << text;
    return wert;
}

TEST(StundenCsv, DatesOfTheHours) {
    const struct {
        int Stunde;
        const char* Datum;
        const char* Uhrzeit;
    } faelle[] = {{1, "01.01.", "00:00-01:00"},    {24, "01.01.", "23:00-24:00"},
                  {25, "02.01.", "00:00-01:00"},   {744, "31.01.", "23:00-24:00"},
                  {745, "01.02.", "00:00-01:00"},  {1417, "01.03.", "00:00-01:00"},
                  {4345, "01.07.", "00:00-01:00"}, {8760, "31.12.", "23:00-24:00"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(StundenDatum(f.Stunde), f.Datum) << "Stunde " << f.Stunde;
        EXPECT_EQ(StundenUhrzeit(f.Stunde), f.Uhrzeit) << "Stunde " << f.Stunde;
    }
}

TEST(StundenCsv, LayoutWithDecimalPointAndDecimalComma) {
    TModell m;
    StandardwerteSetzen(m);
    TStundenReihen& r = m.Reihen;
    r.Tein[1] = 3.2;
    r.Taus[1] = -0.125;
    r.RelVolumenstrom[1] = 1;
    r.RelFeuchte[1] = 85.5;
    r.TTaupunkt[1] = 1.0;
    r.TMonitor[1] = 9.1;
    r.Betrieb[1] = 1;
    // condensate of hour 1 as the report's column 8 has it
    const double kondensat = Kondensat(r, m.Parameter, 1);
    ASSERT_GT(kondensat, 0);
    std::array<char, 64> puffer{};
    const std::string kondensatText(puffer.data(),
                                    std::to_chars(puffer.data(), puffer.data() + puffer.size(),
                                                  kondensat, std::chars_format::fixed)
                                        .ptr);
    r.Tein[8760] = 1e-7;

    const struct {
        TDezimalZeichen Zeichen;
        char Trenner;
        const char* Stunde1;
        const char* Stunde8760;
    } faelle[] = {
        {TDezimalZeichen::Punkt, ',', "1,01.01.,00:00-01:00,3.2,-0.125,1,85.5,1,9.1,1,",
         "8760,31.12.,23:00-24:00,0.0000001,0,0,10,0,0,0,0"},
        {TDezimalZeichen::Komma, ';', "1;01.01.;00:00-01:00;3,2;-0,125;1;85,5;1;9,1;1;",
         "8760;31.12.;23:00-24:00;0,0000001;0;0;10;0;0;0;0"},
    };
    for (const auto& f : faelle) {
        const std::string text = StundenCsvText(r, m.Parameter, f.Zeichen);
        const std::vector<std::string> zeilen = test::TextZeilen(text);
        ASSERT_EQ(zeilen.size(), 8761u);
        std::string kopf = KopfPunkt;
        std::replace(kopf.begin(), kopf.end(), ',', f.Trenner);
        EXPECT_EQ(zeilen[0], kopf);
        std::string ersteZeile = f.Stunde1 + kondensatText;
        if (f.Zeichen == TDezimalZeichen::Komma)
            std::replace(ersteZeile.end() - static_cast<long>(kondensatText.size()),
                         ersteZeile.end(), '.', ',');
        EXPECT_EQ(zeilen[1], ersteZeile);
        EXPECT_EQ(zeilen[8760], f.Stunde8760);
        // every line ends in CR LF, the file with the last row's
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8761);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 8761);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        for (std::size_t z = 0; z < zeilen.size(); ++z)
            ASSERT_EQ(Felder(zeilen[z], f.Trenner).size(), 11u) << "Zeile " << z + 1;
    }
}

TEST(StundenCsv, ARunReadsBackToTheSameSeries) {
    test::TArbeitsVerzeichnis ort;
    auto k = test::NeuerKontext();
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    ASSERT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TLaufStatus::Fertig);
    const TStundenReihen& r = k->Reihen;

    const struct {
        TDezimalZeichen Zeichen;
        char Trenner;
        const char* Datei;
    } faelle[] = {{TDezimalZeichen::Punkt, ',', "punkt.csv"},
                  {TDezimalZeichen::Komma, ';', "komma.csv"}};
    for (const auto& f : faelle) {
        StundenCsvSchreiben(f.Datei, r, k->Parameter, f.Zeichen);
        const std::vector<std::string> zeilen = test::DateiZeilen(f.Datei);
        ASSERT_EQ(zeilen.size(), 8761u) << f.Datei;
        TStundenReihen gelesen;
        for (int h = 1; h <= StundenImJahr; ++h) {
            const auto i = static_cast<std::size_t>(h);
            const std::vector<std::string> feld = Felder(zeilen[i], f.Trenner);
            ASSERT_EQ(feld.size(), 11u) << f.Datei << " Stunde " << h;
            ASSERT_EQ(feld[0], std::to_string(h)) << f.Datei;
            gelesen.Tein[i] = Zahl(feld[3]);
            gelesen.Taus[i] = Zahl(feld[4]);
            gelesen.RelVolumenstrom[i] = Zahl(feld[5]);
            gelesen.RelFeuchte[i] = Zahl(feld[6]);
            gelesen.TTaupunkt[i] = Zahl(feld[7]);
            gelesen.TMonitor[i] = Zahl(feld[8]);
            gelesen.Betrieb[i] = Zahl(feld[9]);
            ASSERT_EQ(Zahl(feld[10]), Kondensat(r, k->Parameter, h)) << f.Datei << " Stunde " << h;
        }
        // bit for bit, hours 1..8760
        const struct {
            const char* Name;
            const TStundenFeld& Gelesen;
            const TStundenFeld& Lauf;
        } reihen[] = {{"Tein", gelesen.Tein, r.Tein},
                      {"Taus", gelesen.Taus, r.Taus},
                      {"RelVolumenstrom", gelesen.RelVolumenstrom, r.RelVolumenstrom},
                      {"RelFeuchte", gelesen.RelFeuchte, r.RelFeuchte},
                      {"TTaupunkt", gelesen.TTaupunkt, r.TTaupunkt},
                      {"TMonitor", gelesen.TMonitor, r.TMonitor},
                      {"Betrieb", gelesen.Betrieb, r.Betrieb}};
        for (const auto& [name, eingelesen, lauf] : reihen)
            EXPECT_TRUE(std::equal(eingelesen.begin() + 1, eingelesen.end(), lauf.begin() + 1))
                << f.Datei << " " << name;
    }
}

TEST(StundenCsv, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    test::TArbeitsVerzeichnis ort;
    TModell m;
    StandardwerteSetzen(m);
    EXPECT_EQ(test::FehlerMeldung([&] {
                  StundenCsvSchreiben("fehlt/stunden.csv", m.Reihen, m.Parameter,
                                      TDezimalZeichen::Punkt);
              }),
              "File not found: fehlt/stunden.csv");
    std::filesystem::create_directory("stunden.csv");
    EXPECT_NE(test::FehlerMeldung([&] {
                  StundenCsvSchreiben("stunden.csv", m.Reihen, m.Parameter, TDezimalZeichen::Komma);
              }).find("stunden.csv"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory("stunden.csv"));
    EXPECT_EQ(test::OrdnerInhalt(ort.Ort()), std::vector<std::string>{"stunden.csv"});
}

} // namespace
} // namespace kov
