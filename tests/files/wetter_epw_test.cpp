#include "wetter_test_hilfen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

using test::EpwFeldSetzen;
using test::EpwKopf;

// line of hour h in an EPW file with its 8 header lines
std::size_t Index(int h) {
    return static_cast<std::size_t>(EpwKopf + h - 1);
}

class WetterEpw : public ::testing::Test {
protected:
    // the lines of a real file, changed by aendern, written to w.epw in the scratch folder
    std::string Variante(const char* datei,
                         const std::function<void(std::vector<std::string>&)>& aendern) {
        std::vector<std::string> zeilen = test::RohZeilen(test::WetterDatei(datei));
        aendern(zeilen);
        test::DateiSchreiben("w.epw", test::ZeilenText(zeilen));
        return "w.epw";
    }
    test::TArbeitsVerzeichnis ort;
};

TEST_F(WetterEpw, RealFilesGiveTheFiguresOfTheirRawColumns) {
    // figures taken from the raw rows with awk, e.g. for the mean and the coldest hour
    //   awk -F, 'NR>8{n++; s+=$7; if(n==1||$7<m){m=$7; r=NR}} END{printf "%.10f %s %d", s/n, m, r}'
    // hour = line - 8; the row of hour 1001 (11.02. hour 17) read off the file
    struct TFall {
        const char* Datei;
        double Mittel, Minimum;
        int MinimumStunde, MinimumTag, MinimumMonat, MinimumTagesStunde;
        double Maximum;
        int MaximumStunde, UnterNull;
        double TaupunktMittel, T1001, Td1001, Rf1001;
        const char *Ort, *Region, *Land, *Wmo, *Quelle;
        double Breite, Laenge, Hoehe;
        const char* Name;
    };
    const TFall faelle[] = {
        {test::Pvgis, 13.5641004566, -2.34, 8744,  31,         12, 8,  34.33, 4336,
         164,         8.6307317352,  12.16, 6.18,  66.85,      "", "", "",    "",
         "ECMWF/ERA", 45.0,          8.0,   250.0, test::Pvgis},
        {test::Chicago,
         9.9879908676,
         -22.8,
         151,
         7,
         1,
         7,
         35.0,
         4791,
         1788,
         4.3110616438,
         10.0,
         0.0,
         50.0,
         "Chicago Ohare Intl Ap",
         "IL",
         "USA",
         "725300",
         "TMY3",
         41.98,
         -87.92,
         201.0,
         "Chicago Ohare Intl Ap, USA"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Datei);
        const test::TGelesen g = test::WetterGelesen(test::WetterDatei(f.Datei));
        const TWetterInfo& i = g.Info;
        const TWetterKennwerte& k = i.Kennwerte;
        EXPECT_EQ(i.Format, TWetterFormat::Epw);
        EXPECT_EQ(i.FormatName, "EnergyPlus-Wetterdatei (EPW)");
        EXPECT_NEAR(k.JahresMittel, f.Mittel, 1e-9);
        EXPECT_EQ(k.Minimum.Wert, f.Minimum);
        EXPECT_EQ(k.Minimum.Stunde, f.MinimumStunde);
        EXPECT_EQ(k.Minimum.Tag, f.MinimumTag);
        EXPECT_EQ(k.Minimum.Monat, f.MinimumMonat);
        EXPECT_EQ(k.Minimum.TagesStunde, f.MinimumTagesStunde);
        EXPECT_EQ(k.Maximum.Wert, f.Maximum);
        EXPECT_EQ(k.Maximum.Stunde, f.MaximumStunde);
        EXPECT_EQ(k.StundenUnterNull, f.UnterNull);
        EXPECT_NEAR(k.TaupunktMittel, f.TaupunktMittel, 1e-9);
        EXPECT_EQ(g.Jahr->Tein[1001], f.T1001);
        EXPECT_EQ(g.Jahr->TTaupunkt[1001], f.Td1001);
        EXPECT_EQ(g.Jahr->RelFeuchte[1001], f.Rf1001);
        EXPECT_EQ(g.Jahr->Tein[0], g.Jahr->Tein[1]);
        EXPECT_EQ(i.Ort, f.Ort);
        EXPECT_EQ(i.Region, f.Region);
        EXPECT_EQ(i.Land, f.Land);
        EXPECT_EQ(i.Wmo, f.Wmo);
        EXPECT_EQ(i.Datenquelle, f.Quelle);
        EXPECT_TRUE(i.HatKoordinaten);
        EXPECT_EQ(i.Breite, f.Breite);
        EXPECT_EQ(i.Laenge, f.Laenge);
        EXPECT_EQ(i.Hoehe, f.Hoehe);
        EXPECT_EQ(WetterOrtsName(i), f.Name);
        EXPECT_EQ(i.DatenZeilen, 8760);
        EXPECT_EQ(i.ZeilenVerworfen, 0);
        EXPECT_EQ(i.StundenErgaenzt, 0);
        EXPECT_TRUE(i.HatFeuchte);
        EXPECT_FALSE(i.TaupunktBerechnet);
    }
}

TEST_F(WetterEpw, PressureHumidityAndTheWeekdayOfTheFirstDay) {
    // read off the files: Chicago's station pressure 99500 Pa in hour 1 and 100000 Pa in hour
    // 4500, DATA PERIODS "Sunday"; PVGIS 99370 Pa in hour 4500, "Thursday"; the DWD TRY 2015
    // gives 990 hPa on 7 July 11-12 h and no weekday (Monday)
    struct Fall {
        const char* datei;
        std::size_t stunde;
        double druck; // hPa
        int wochentag;
    } faelle[] = {{test::Chicago, 1, 995.0, 6},
                  {test::Chicago, 4500, 1000.0, 6},
                  {test::Pvgis, 4500, 993.7, 3},
                  {test::Try2015, 4500, 990.0, 0}};
    for (const Fall& f : faelle) {
        const test::TGelesen g = test::WetterGelesen(test::WetterDatei(f.datei));
        EXPECT_TRUE(g.Jahr->HatFeuchte) << f.datei;
        EXPECT_NEAR(g.Jahr->Luftdruck[f.stunde], f.druck, 1e-9) << f.datei << " " << f.stunde;
        EXPECT_EQ(g.Jahr->ErsterWochentag, f.wochentag) << f.datei;
    }
    // one hour without pressure: the file reads, the year has no pressure at all (the condensate
    // then takes the standard pressure); another weekday is taken as it stands
    const std::string datei = Variante(test::Pvgis, [](std::vector<std::string>& z) {
        z[Index(2000)] = EpwFeldSetzen(z[Index(2000)], 10, "999999");
        const std::size_t stelle = z[7].find("Thursday");
        ASSERT_NE(stelle, std::string::npos);
        z[7].replace(stelle, 8, "Tuesday");
    });
    const test::TGelesen g = test::WetterGelesen(datei);
    EXPECT_EQ(g.Jahr->Luftdruck[4500], 0.0);
    EXPECT_EQ(g.Jahr->Luftdruck[1], 0.0);
    EXPECT_EQ(g.Jahr->ErsterWochentag, 1);
    EXPECT_TRUE(g.Jahr->HatFeuchte);
}

TEST_F(WetterEpw, LeapYearFileDropsThe29thOfFebruary) {
    const test::TGelesen original = test::WetterGelesen(test::WetterDatei(test::Pvgis));
    // 24 rows of 29 February after 28.02. hour 24 (hour 1416), far off every other value
    const std::string datei = Variante(test::Pvgis, [](std::vector<std::string>& z) {
        std::vector<std::string> schalttag;
        for (int s = 1; s <= 24; ++s) {
            std::string zeile = EpwFeldSetzen(z[Index(1416)], 3, "29");
            zeile = EpwFeldSetzen(zeile, 4, std::to_string(s));
            schalttag.push_back(EpwFeldSetzen(zeile, 7, "55.5"));
        }
        z.insert(z.begin() + static_cast<long>(Index(1417)), schalttag.begin(), schalttag.end());
    });
    const test::TGelesen g = test::WetterGelesen(datei);
    EXPECT_EQ(g.Info.DatenZeilen, 8784);
    EXPECT_EQ(g.Info.SchalttagZeilen, 24);
    EXPECT_EQ(g.Info.ZeilenVerworfen, 24);
    EXPECT_EQ(g.Jahr->Tein, original.Jahr->Tein);
    EXPECT_EQ(g.Jahr->TTaupunkt, original.Jahr->TTaupunkt);
    EXPECT_EQ(g.Jahr->RelFeuchte, original.Jahr->RelFeuchte);
    EXPECT_EQ(g.Info.Kennwerte.Maximum.Wert, 34.33) << "no value of 29 February is taken";
}

TEST_F(WetterEpw, HeaderVariantsLineEndsAndMinute60GiveTheSameYear) {
    struct TFall {
        const char* Name;
        const char* Datei;
        std::function<void(std::vector<std::string>&)> Aendern;
        const char* Ort;
    };
    auto ort = [](const std::string& name) {
        return [name](std::vector<std::string>& z) { z[0] = EpwFeldSetzen(z[0], 2, name); };
    };
    const TFall faelle[] = {
        {"SAVINGS statt SAVING", test::Pvgis,
         [](std::vector<std::string>& z) {
             z[4] = "HOLIDAYS/DAYLIGHT SAVINGS" + z[4].substr(z[4].find(','));
         },
         ""},
        {"SAVING statt SAVINGS", test::Chicago,
         [](std::vector<std::string>& z) {
             z[4] = "HOLIDAYS/DAYLIGHT SAVING" + z[4].substr(z[4].find(','));
         },
         "Chicago Ohare Intl Ap"},
        {"Ort in Latin-1", test::Pvgis, ort("Z\xFCrich-Kloten"), "Z\xC3\xBCrich-Kloten"},
        {"Ort in UTF-8", test::Pvgis, ort("Z\xC3\xBCrich-Kloten"), "Z\xC3\xBCrich-Kloten"},
        {"Minute 60", test::Pvgis,
         [](std::vector<std::string>& z) {
             for (int h = 1; h <= StundenImJahr; ++h)
                 z[Index(h)] = EpwFeldSetzen(z[Index(h)], 5, "60");
         },
         ""},
        {"CR LF und Bytefolgemarke", test::Chicago,
         [](std::vector<std::string>& z) {
             z[0] = "\xEF\xBB\xBF" + z[0];
             for (std::string& zeile : z)
                 zeile += '\r';
         },
         "Chicago Ohare Intl Ap"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const test::TGelesen original = test::WetterGelesen(test::WetterDatei(f.Datei));
        const test::TGelesen g = test::WetterGelesen(Variante(f.Datei, f.Aendern));
        EXPECT_EQ(g.Info.Ort, f.Ort);
        EXPECT_EQ(g.Jahr->Tein, original.Jahr->Tein);
        EXPECT_EQ(g.Jahr->TTaupunkt, original.Jahr->TTaupunkt);
    }
}

TEST_F(WetterEpw, LinesEndedByALoneCarriageReturnGiveTheSameYear) {
    for (const char* datei : {test::Pvgis, test::Chicago}) {
        std::string text = test::DateiInhalt(test::WetterDatei(datei));
        std::string nurCr;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] != '\n')
                nurCr += text[i];
            else if (i == 0 || text[i - 1] != '\r')
                nurCr += '\r';
        ASSERT_EQ(nurCr.find('\n'), std::string::npos);
        test::DateiSchreiben("cr.epw", nurCr);
        const test::TGelesen original = test::WetterGelesen(test::WetterDatei(datei));
        const test::TGelesen g = test::WetterGelesen("cr.epw");
        EXPECT_EQ(g.Info.Ort, original.Info.Ort) << datei;
        EXPECT_EQ(g.Info.Hoehe, original.Info.Hoehe) << datei;
        EXPECT_EQ(g.Jahr->Tein, original.Jahr->Tein) << datei;
        EXPECT_EQ(g.Jahr->TTaupunkt, original.Jahr->TTaupunkt) << datei;
    }
}

TEST_F(WetterEpw, ShortRunsOfMissingValuesAreBridgedLinearly) {
    const std::vector<std::string> roh = test::RohZeilen(test::WetterDatei(test::Pvgis));
    const std::vector<double> t = test::Spalte(roh, EpwKopf, 7, ',');
    const std::vector<double> td = test::Spalte(roh, EpwKopf, 8, ',');
    auto wert = [](const std::vector<double>& spalte, int h) {
        return spalte[static_cast<std::size_t>(h - 1)];
    };
    // 6 hours of dry bulb, one humidity, and a dew point run across the end of the year
    const std::string datei = Variante(test::Pvgis, [](std::vector<std::string>& z) {
        for (int h = 100; h <= 105; ++h)
            z[Index(h)] = EpwFeldSetzen(z[Index(h)], 7, "99.9");
        z[Index(2000)] = EpwFeldSetzen(z[Index(2000)], 9, "999");
        for (int h : {8759, 8760, 1})
            z[Index(h)] = EpwFeldSetzen(z[Index(h)], 8, "99.9");
    });
    const test::TGelesen g = test::WetterGelesen(datei);
    const TWetterJahr& j = *g.Jahr;
    EXPECT_EQ(g.Info.StundenErgaenzt, 10);
    // between hour 99 (2.88) and hour 106 (2.86): 2.88 + (2.86 - 2.88) k/7
    for (int h = 100; h <= 105; ++h)
        EXPECT_NEAR(j.Tein[static_cast<std::size_t>(h)],
                    wert(t, 99) + (wert(t, 106) - wert(t, 99)) * (h - 99) / 7.0, 1e-12)
            << "hour " << h;
    EXPECT_NEAR(j.Tein[100], 2.88 - 0.02 / 7, 1e-12);
    EXPECT_EQ(j.Tein[106], 2.86);
    EXPECT_NEAR(j.RelFeuchte[2000], (j.RelFeuchte[1999] + j.RelFeuchte[2001]) / 2, 1e-12);
    // the ring of hours: 8758 .. (8759 8760 1) .. 2
    const double vorn = wert(td, 8758), hinten = wert(td, 2);
    EXPECT_NEAR(j.TTaupunkt[8759], vorn + (hinten - vorn) * 1 / 4, 1e-12);
    EXPECT_NEAR(j.TTaupunkt[8760], vorn + (hinten - vorn) * 2 / 4, 1e-12);
    EXPECT_NEAR(j.TTaupunkt[1], vorn + (hinten - vorn) * 3 / 4, 1e-12);
    EXPECT_EQ(j.TTaupunkt[0], j.TTaupunkt[1]);
}

TEST_F(WetterEpw, FaultyFilesAreRefusedNamingLineAndField) {
    using TZeilen = std::vector<std::string>;
    struct TFall {
        const char* Name;
        std::function<void(TZeilen&)> Aendern;
        const char* Meldung;
    };
    auto feld = [](int h, int nummer, const char* text) {
        return [=](TZeilen& z) { z[Index(h)] = EpwFeldSetzen(z[Index(h)], nummer, text); };
    };
    auto fehlend = [](int erste, int anzahl) {
        return [=](TZeilen& z) {
            for (int k = 0; k < anzahl; ++k) {
                const int h = (erste + k - 1) % StundenImJahr + 1;
                z[Index(h)] = EpwFeldSetzen(z[Index(h)], 7, "99.9");
            }
        };
    };
    const TFall faelle[] = {
        {"Stunde fehlt", [](TZeilen& z) { z.erase(z.begin() + static_cast<long>(Index(500))); },
         "Zeitfolge unterbrochen: erwartet 21.01. Stunde 20, gelesen 21.01. Stunde 21, davor "
         "fehlt 1 Stunde: w.epw, Zeile 508"},
        {"Stunde doppelt",
         [](TZeilen& z) { z.insert(z.begin() + static_cast<long>(Index(500)), z[Index(500)]); },
         "Zeitfolge unterbrochen: erwartet 21.01. Stunde 21, gelesen 21.01. Stunde 20, Stunde "
         "wiederholt oder außer der Reihe: w.epw, Zeile 509"},
        {"Tag fehlt",
         [](TZeilen& z) {
             z.erase(z.begin() + static_cast<long>(Index(745)),
                     z.begin() + static_cast<long>(Index(769)));
         },
         "Zeitfolge unterbrochen: erwartet 01.02. Stunde 1, gelesen 02.02. Stunde 1, davor "
         "fehlen 24 Stunden: w.epw, Zeile 753"},
        {"Stunde 0", feld(1, 4, "0"),
         "Ungültige Zeitangabe: Monat 1, Tag 1, Stunde 0: w.epw, Zeile 9"},
        {"eine Zeile zu wenig", [](TZeilen& z) { z.pop_back(); },
         "Nur 8759 Stunden, ein Jahr hat 8760 Stunden: w.epw, Zeile 8767"},
        {"eine Zeile zu viel", [](TZeilen& z) { z.push_back(z.back()); },
         "Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres: w.epw, Zeile "
         "8769"},
        {"Temperatur keine Zahl", feld(1000, 7, "12.1x"),
         "Feld 7 (Lufttemperatur) ist keine Zahl: \"12.1x\": w.epw, Zeile 1008"},
        {"Taupunkt leer", feld(3, 8, ""), "Feld 8 (Taupunkt) ist leer: w.epw, Zeile 11"},
        {"Monat keine ganze Zahl", feld(3, 2, "1.5"),
         "Feld 2 (Monat) ist keine ganze Zahl: \"1.5\": w.epw, Zeile 11"},
        {"Feuchte zu gross", feld(4, 9, "150"),
         "Feld 9 (relative Feuchte) liegt mit 150 % außerhalb von 0 bis 110 %: w.epw, Zeile 12"},
        {"Minute 30", feld(5, 5, "30"),
         "Feld 5 (Minute) ist 30, Stundenwerte tragen 0 oder 60: w.epw, Zeile 13"},
        {"Zeile abgeschnitten",
         [](TZeilen& z) {
             std::vector<std::string> felder = test::Teilen(z[Index(6)], ',');
             felder.resize(8);
             z[Index(6)] = test::Verbinden(felder, ",");
         },
         "Datenzeile hat 8 Felder, erwartet mindestens 9: w.epw, Zeile 14"},
        {"7 Stunden ohne Temperatur", fehlend(100, 7),
         "Fehlwert der Lufttemperatur in 7 aufeinanderfolgenden Stunden ab dieser Zeile, "
         "höchstens 6 werden überbrückt: w.epw, Zeile 108"},
        {"7 Stunden über den Jahreswechsel", fehlend(8757, 7),
         "Fehlwert der Lufttemperatur in 7 aufeinanderfolgenden Stunden ab dieser Zeile, "
         "höchstens 6 werden überbrückt: w.epw, Zeile 9"},
        {"unbekannte Kopfzeile",
         [](TZeilen& z) { z[4] = "HOLIDAYS/DAYLIGHT SAVED" + z[4].substr(z[4].find(',')); },
         "Unbekannte Kopfzeile \"HOLIDAYS/DAYLIGHT SAVED\" vor DATA PERIODS: w.epw, Zeile 5"},
        {"DATA PERIODS fehlt", [](TZeilen& z) { z.erase(z.begin() + 7); },
         "DATA PERIODS fehlt vor der ersten Datenzeile: w.epw, Zeile 8"},
        {"vier Werte je Stunde",
         [](TZeilen& z) { z[7] = "DATA PERIODS,1,4,Data,Thursday, 1/ 1,12/31"; },
         "DATA PERIODS nennt 4 Werte je Stunde, gelesen werden Stundenwerte: w.epw, Zeile 8"},
        {"Breite keine Zahl", [](TZeilen& z) { z[0] = EpwFeldSetzen(z[0], 7, "45.5N"); },
         "Feld 7 (Breite) ist keine Zahl: \"45.5N\": w.epw, Zeile 1"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(test::WetterFehlerText(Variante(test::Pvgis, f.Aendern)), f.Meldung) << f.Name;
}

} // namespace
} // namespace kov
