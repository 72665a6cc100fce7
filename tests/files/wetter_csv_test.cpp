#include "files/taupunkt.h"
#include "wetter_test_hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kov {
namespace {

using TZeilen = std::vector<std::string>;

// Hourly tables made from the dry bulb (field 7) and humidity (field 9) texts of the PVGIS
// file, so the year they give is known from the EPW rows.
class WetterCsv : public ::testing::Test {
protected:
    void SetUp() override {
        const TZeilen roh = test::RohZeilen(test::WetterDatei(test::Pvgis));
        for (std::size_t i = test::EpwKopf; i < roh.size(); ++i) {
            const TZeilen felder = test::Teilen(roh[i], ',');
            Temperatur.push_back(felder[6]);
            Feuchte.push_back(felder[8]);
        }
    }
    // one row per hour built by zeile(temperature text, humidity text, hour)
    std::string Tabelle(const std::string& kopf,
                        const std::function<std::string(std::string, std::string, int)>& zeile,
                        const std::string& ende = "\n") {
        std::string text = kopf;
        for (int h = 1; h <= StundenImJahr; ++h)
            text += zeile(Temperatur[static_cast<std::size_t>(h - 1)],
                          Feuchte[static_cast<std::size_t>(h - 1)], h) +
                    ende;
        test::DateiSchreiben("w.txt", text);
        return "w.txt";
    }
    static std::string Komma(std::string zahl) {
        std::replace(zahl.begin(), zahl.end(), '.', ',');
        return zahl;
    }
    test::TArbeitsVerzeichnis ort;
    TZeilen Temperatur, Feuchte;
};

TEST_F(WetterCsv, SeparatorsHeadersAndDecimalCommaGiveTheYearOfTheRows) {
    const test::TGelesen epw = test::WetterGelesen(test::WetterDatei(test::Pvgis));
    using TS = std::string;
    struct TFall {
        const char* Name;
        std::string Kopf;
        std::function<std::string(TS, TS, int)> Zeile;
        std::string Ende;
        bool MitFeuchte;
    };
    const TFall faelle[] = {
        {"eine Spalte", "", [](TS t, TS, int) { return t; }, "\n", false},
        {"eine Spalte mit Kopf und Dezimalkomma", "Lufttemperatur\n",
         [](TS t, TS, int) { return Komma(t); }, "\n", false},
        {"Semikolon, Dezimalkomma, Kommentare, CR LF", "# Standort Piemont\r\nT;RF\r\n",
         [](TS t, TS rf, int h) {
             return (h == 4000 ? TS("# Sommer\r\n") : TS()) + Komma(t) + ";" + Komma(rf);
         },
         "\r\n", true},
        {"Tabulator", "T\tRF\n", [](TS t, TS rf, int) { return t + "\t" + rf; }, "\n", true},
        {"Komma mit Leerzeichen", "Temperatur, Feuchte\n",
         [](TS t, TS rf, int) { return t + ", " + rf; }, "\n", true},
        {"Leerzeichen, Dezimalkomma", "",
         [](TS t, TS rf, int) { return "  " + Komma(t) + "   " + Komma(rf); }, "\n", true},
        {"Trenner am Zeilenende", "", [](TS t, TS rf, int) { return t + ";" + rf + ";"; }, "\n",
         true},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const test::TGelesen g = test::WetterGelesen(Tabelle(f.Kopf, f.Zeile, f.Ende));
        EXPECT_EQ(g.Info.Format, TWetterFormat::Tabelle);
        EXPECT_EQ(g.Info.DatenZeilen, 8760);
        EXPECT_EQ(g.Info.HatFeuchte, f.MitFeuchte);
        EXPECT_EQ(g.Jahr->Tein, epw.Jahr->Tein);
        EXPECT_NEAR(g.Info.Kennwerte.JahresMittel, 13.5641004566, 1e-9);
        if (f.MitFeuchte) {
            EXPECT_EQ(g.Jahr->RelFeuchte, epw.Jahr->RelFeuchte);
            // hour 1: t 2.04, RF 94.38: e = 0.9438 * 6.112 exp(17.62 * 2.04 / 245.16)
            // = 6.6756 hPa, Td = 1.2311 °C by hand; the EPW row itself gives 1.21
            EXPECT_NEAR(g.Jahr->TTaupunkt[1], 1.231140, 1e-6);
            EXPECT_NEAR(g.Jahr->TTaupunkt[1], epw.Jahr->TTaupunkt[1], 0.03);
            for (std::size_t h : {std::size_t{1001}, std::size_t{5000}})
                EXPECT_DOUBLE_EQ(g.Jahr->TTaupunkt[h],
                                 TaupunktAusFeuchte(epw.Jahr->Tein[h], epw.Jahr->RelFeuchte[h]));
        } else {
            // the built-in year's convention for files without humidity
            for (std::size_t h : {std::size_t{0}, std::size_t{1}, std::size_t{8760}}) {
                EXPECT_EQ(g.Jahr->RelFeuchte[h], 10.0);
                EXPECT_EQ(g.Jahr->TTaupunkt[h], 0.0);
            }
        }
    }
}

TEST_F(WetterCsv, MissingValuesInTheTable) {
    const test::TGelesen g =
        test::WetterGelesen(Tabelle("", [](std::string t, std::string rf, int h) {
            if (h >= 10 && h <= 12) t = "NaN";
            if (h == 20) rf = "";
            if (h == 30) t = "na";
            return t + ";" + rf;
        }));
    EXPECT_EQ(g.Info.StundenErgaenzt, 5);
    // hours 10..12 between 9 and 13
    const double t9 = std::stod(Temperatur[8]), t13 = std::stod(Temperatur[12]);
    EXPECT_NEAR(g.Jahr->Tein[11], t9 + (t13 - t9) * 2 / 4, 1e-12);
    EXPECT_NEAR(g.Jahr->RelFeuchte[20], (std::stod(Feuchte[18]) + std::stod(Feuchte[20])) / 2,
                1e-12);
}

TEST_F(WetterCsv, FaultyTablesAreRefusedNamingLineAndField) {
    using TS = std::string;
    struct TFall {
        const char* Name;
        std::string Kopf;
        std::function<TS(TS, TS, int)> Zeile;
        std::string Anhang;
        const char* Meldung;
    };
    auto nurT = [](TS t, TS, int) { return t; };
    const TFall faelle[] = {
        {"eine Zeile zu wenig", "", [](TS t, TS, int h) { return h == 8760 ? TS() : t; }, "",
         "Nur 8759 Stunden, ein Jahr hat 8760 Stunden: w.txt, Zeile 8759"},
        {"eine Zeile zu viel", "", nurT, "5.0\n",
         "Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres: w.txt, Zeile "
         "8761"},
        {"keine Zahl", "", [](TS t, TS, int h) { return h == 77 ? TS("2.0.4") : t; }, "",
         "Feld 1 (Lufttemperatur) ist keine Zahl: \"2.0.4\": w.txt, Zeile 77"},
        {"Dezimalkomma bei Kommatrenner", "T,RF\n",
         [](TS t, TS rf, int h) { return (h == 5 ? Komma(t) : t) + "," + rf; }, "",
         "Zeile hat 3 Spalten, die erste Datenzeile 2: w.txt, Zeile 6"},
        {"drei Spalten", "", [](TS t, TS rf, int) { return t + ";" + rf + ";1"; }, "",
         "Zeile hat 3 Spalten, eine Stundentabelle hat 1 (Lufttemperatur) oder 2 "
         "(Lufttemperatur, relative Feuchte): w.txt, Zeile 1"},
        {"Feuchte fehlt in einer Zeile", "",
         [](TS t, TS rf, int h) { return h == 9 ? t : t + ";" + rf; }, "",
         "Zeile hat 1 Spalte, die erste Datenzeile 2: w.txt, Zeile 9"},
        {"Feuchte 0", "", [](TS t, TS rf, int h) { return t + ";" + (h == 3 ? TS("0") : rf); }, "",
         "Feld 2 (relative Feuchte) ist 0 %, der Taupunkt braucht einen Wert über 0: w.txt, "
         "Zeile 3"},
        {"Temperatur 80", "", [](TS t, TS, int h) { return h == 2 ? TS("80") : t; }, "",
         "Feld 1 (Lufttemperatur) liegt mit 80 °C außerhalb von -70 bis 70 °C: w.txt, Zeile 2"},
        {"7 Stunden ohne Wert", "",
         [](TS t, TS, int h) { return h >= 50 && h < 57 ? TS("NaN") : t; }, "",
         "Fehlwert der Lufttemperatur in 7 aufeinanderfolgenden Stunden ab dieser Zeile, "
         "höchstens 6 werden überbrückt: w.txt, Zeile 50"},
        {"zweite Kopfzeile", "Standort Piemont\nT;RF\n", nurT, "",
         "Format nicht erkannt: weder EPW (erste Zeile LOCATION) noch DWD-Testreferenzjahr "
         "(Spaltenkopf und ***) noch Stundentabelle (eine Zeile je Stunde, erste Spalte "
         "Lufttemperatur): w.txt, Zeile 2"},
    };
    for (const TFall& f : faelle) {
        const std::string datei = Tabelle(f.Kopf, f.Zeile);
        if (!f.Anhang.empty()) test::DateiSchreiben(datei, test::DateiInhalt(datei) + f.Anhang);
        EXPECT_EQ(test::WetterFehlerText(datei), f.Meldung) << f.Name;
    }
}

} // namespace
} // namespace kov
