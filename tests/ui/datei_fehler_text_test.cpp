// File faults of the real readers in both interface languages: German exactly as what() says,
// English with the file, the line and no German word left. The same for what the readers of the
// weekly schedule and the pipe price table say through the parameter check.

#include "ui/datei_fehler_text.h"

#include "fenster_hilfen.h"
#include "files/fahrplan.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "register/parameter_pruefung.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/meldung_texte.h"
#include "ui/sprache.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace kov {
namespace {

// The interface's language for one test; German again afterwards, as the other tests expect.
class TSprachUmgebung {
public:
    explicit TSprachUmgebung(const TSprache& sprache) { EXPECT_TRUE(Uebersetzung.Laden(sprache)); }
    ~TSprachUmgebung() {
        Uebersetzung.Laden(QStringLiteral("de"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    TUebersetzung Uebersetzung;
};

std::string Zeilen(int anzahl, const std::string& zeile) {
    std::string text;
    for (int i = 0; i < anzahl; ++i)
        text += zeile;
    return text;
}

// an EPW header the reader accepts, data rows follow
const std::string EpwKopf = "LOCATION,Ort,Region,DEU,Quelle,123456,50.0,8.0,1.0,100\n"
                            "DATA PERIODS,1,1,Data,Monday,1/1,12/31\n";

struct TFall {
    const char* Name;
    std::function<void()> Lesen; // throws the fault
    const char* Datei;           // as the English text names it
    long Zeile;
    const char* Englisch; // a part of the English text that says what is wrong
};

std::unique_ptr<TDateiFehler> FehlerFangen(const TFall& f) {
    try {
        f.Lesen();
    } catch (const TDateiFehler& fehler) {
        return std::make_unique<TDateiFehler>(fehler);
    }
    return nullptr;
}

// words of the readers' German that an English text must not hold
const QRegularExpression DeutschesWort(QStringLiteral(
    "\\b(Zeile|Datei|Feld|Spalte|Spalten|Stunde|Stunden|ist|keine|kein|nicht|der|die|das|und|"
    "oder|mit|Wert|Zahl|gültig\\w*|erwartet|gelesen|fehlt|liegt|außerhalb|ausserhalb|"
    "Schlüssel|muss|sondern|Bericht|Lufttemperatur)\\b"));

std::vector<TFall> Faelle() {
    auto wetter = [](const char* name, std::string inhalt) {
        return [name, inhalt] {
            test::DateiSchreiben(name, inhalt);
            auto jahr = std::make_unique<TWetterJahr>();
            TWetterInfo info;
            WetterDateiLesen(name, *jahr, info);
        };
    };
    auto projekt = [](const char* name, std::string inhalt) {
        return [name, inhalt] {
            test::DateiSchreiben(name, inhalt);
            (void)ProjektLesen(name);
        };
    };
    const std::string kopf = "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n";
    return {
        {"weather table, a word on line 4", wetter("tabelle.csv", "# Temperatur\n1.5\n2.5\nabc\n"),
         "tabelle.csv", 4, "Field 1 (air temperature) is not a number: \"abc\""},
        {"weather table, out of range", wetter("heiss.csv", "1.5\n99.5\n"), "heiss.csv", 2,
         "99.5 °C"},
        {"weather table, too few hours", wetter("kurz.csv", Zeilen(30, "4.5\n")), "kurz.csv", 30,
         "Only 30 hours"},
        {"weather file, binary", wetter("bild.csv", std::string("12\n\0\x01\x02", 6)), "bild.csv",
         2, "binary data"},
        {"EPW, an hour missing",
         wetter("luecke.epw", EpwKopf + "1999,1,1,1,0,?,5.0,1.0,80\n1999,1,1,3,0,?,5.0,1.0,80\n"),
         "luecke.epw", 4, "expected 01-01 hour 2, read 01-01 hour 3"},
        {"EPW, minutes", wetter("minute.epw", EpwKopf + "1999,1,1,1,30,?,5.0,1.0,80\n"),
         "minute.epw", 3, "Field 5 (minute) is 30"},
        {"missing file",
         [] {
             auto jahr = std::make_unique<TWetterJahr>();
             TWetterInfo info;
             WetterDateiLesen("weg.csv", *jahr, info);
         },
         "weg.csv", 0, "File not found"},
        {"folder as weather file",
         [] {
             std::filesystem::create_directory("ordner.csv");
             auto jahr = std::make_unique<TWetterJahr>();
             TWetterInfo info;
             WetterDateiLesen("ordner.csv", *jahr, info);
         },
         "ordner.csv", 0, "Not a regular file but a folder"},
        {"file over the size limit",
         [] {
             QFile gross(QStringLiteral("gross.csv"));
             ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
             ASSERT_TRUE(gross.resize(65 * 1024 * 1024));
             gross.close();
             (void)DateiLesen("gross.csv");
         },
         "gross.csv", 0, "larger than 64 MiB"},
        {"weather table, three columns", wetter("drei.csv", "1;2;3\n"), "drei.csv", 1,
         "The row has 3 columns; an hourly table has 1 (air temperature) or 2"},
        {"weather table, a column less", wetter("weniger.csv", "1;50\n2\n"), "weniger.csv", 2,
         "The row has 1 column, the first data row 2"},
        {"weather table, no humidity", wetter("trocken.csv", "1;0\n"), "trocken.csv", 1,
         "Field 2 (relative humidity) is 0 %; the dew point needs a value above 0"},
        {"weather table, eight hours missing",
         wetter("luecken.csv", Zeilen(8, "NaN\n") + Zeilen(8752, "5\n")), "luecken.csv", 1,
         "Air temperature missing in 8 consecutive hours from this line on; at most 6"},
        {"weather table, an hour too many", wetter("lang.csv", Zeilen(8761, "5\n")), "lang.csv",
         8761, "More than 8760 hours"},
        {"weather table, two headers", wetter("kopf.csv", "Temperatur\nFeuchte\n"), "kopf.csv", 2,
         "Format not recognised"},
        {"weather file, empty", wetter("leer.csv", "\n \n"), "leer.csv", 0,
         "The file holds no data"},
        {"weather file, UTF-16",
         wetter("breit.csv", std::string("\xFF\xFE"
                                         "1\0"
                                         "2\0",
                                         6)),
         "breit.csv", 1, "null byte (a weather file in UTF-16 is not read)"},
        {"EPW, LOCATION short", wetter("ort.epw", "LOCATION,Ort,Region\n"), "ort.epw", 1,
         "LOCATION has 3 fields, expected 10"},
        {"EPW, latitude",
         wetter("breite.epw", "LOCATION,Ort,Region,DEU,Quelle,123456,95,8.0,1.0,100\n"),
         "breite.epw", 1, "Field 7 (latitude) is 95 °, outside -90 to 90 °"},
        {"EPW, unknown header line",
         wetter("kopfzeile.epw",
                "LOCATION,Ort,Region,DEU,Quelle,123456,50.0,8.0,1.0,100\nFARBE,rot\n"),
         "kopfzeile.epw", 2, "Unknown header line \"FARBE\" before DATA PERIODS"},
        {"EPW, two data periods",
         wetter("perioden.epw", "LOCATION,Ort,Region,DEU,Quelle,123456,50.0,8.0,1.0,100\n"
                                "DATA PERIODS,2,1,Data,Monday,1/1,12/31\n"),
         "perioden.epw", 2, "DATA PERIODS names 2 data periods"},
        {"TRY, heading of no edition", wetter("try.dat", "XX YY MM DD HH t p x RF\n***\n"),
         "try.dat", 1, "Column heading of the test reference year not recognised"},
        {"TRY, a column missing", wetter("try.dat", "RW HW MM DD HH t p x\n***\n"), "try.dat", 1,
         "Column \"RF\" (relative humidity) is missing from the column heading"},
        {"TRY, a short row", wetter("try.dat", "RW HW MM DD HH t p x RF\n***\n1 2 1 1 1 5.0\n"),
         "try.dat", 3, "The data row has 6 fields, the column heading 9"},
        {"project, invalid JSON", projekt("kaputt.kov", kopf + "  \"Rohrlaenge\": 20,,\n}\n"),
         "kaputt.kov", 4, "column"},
        {"project, value out of range", projekt("lang.kov", kopf + "  \"Rohrlaenge\": -5\n}\n"),
         "lang.kov", 4, "\"Rohrlaenge\" (Pipe length) must be greater than 0 m"},
        {"project, month not a number",
         projekt("monat.kov",
                 kopf + "  \"ErdTemperaturSpeziell\": [1,2,3,\"4\",5,6,7,8,9,10,11,12]\n}\n"),
         "monat.kov", 4, "in month 4"},
        {"project, JSON cut off", projekt("kurz.kov", kopf), "kurz.kov", 4,
         "(the file ends in the middle of the JSON)"},
        {"project, a number beyond the doubles",
         projekt("riesig.kov", kopf + "  \"Rohrlaenge\": 1e999\n}\n"), "riesig.kov", 4,
         "The number 1e999 is out of range"},
        {"project, a key twice",
         projekt("doppelt.kov", kopf + "  \"Tiefe\": 1,\n  \"Tiefe\": 2\n}\n"), "doppelt.kov", 4,
         "The key \"Tiefe\" appears more than once in the file"},
        {"project, no object", projekt("liste.kov", "[1, 2]\n"), "liste.kov", 0,
         "Not a KOV project file: the file is no JSON object"},
        {"project, another format",
         projekt("anders.kov", "{\"Format\": \"Tabelle\", \"Version\": 1}\n"), "anders.kov", 1,
         "Not a KOV project file: \"Format\" must be \"KOV-Projekt\""},
        {"project, a newer version",
         projekt("neu.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 99}\n"), "neu.kov", 1,
         "The project file has version 99 of a newer program"},
        {"project, version 0",
         projekt("null.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 0}\n"), "null.kov", 1,
         "There is no version 0"},
        {"project, a fraction of pipes", projekt("rohre.kov", kopf + "  \"AnzahlRohre\": 1.5\n}\n"),
         "rohre.kov", 4, "The value of \"AnzahlRohre\" must be a whole number"},
        {"project, no pipe", projekt("keins.kov", kopf + "  \"AnzahlRohre\": 0\n}\n"), "keins.kov",
         4, "must be at least 1"},
        {"project, too many grid cells",
         projekt("gitter.kov", kopf + "  \"AnzahlGitter\": 20\n}\n"), "gitter.kov", 4,
         "must lie between 3 and 10"},
        {"project, a switch as text", projekt("schalter.kov", kopf + "  \"WRG\": \"ja\"\n}\n"),
         "schalter.kov", 4, "The value of \"WRG\" must be true or false"},
        {"project, a file name as number", projekt("name.kov", kopf + "  \"WetterDatei\": 5\n}\n"),
         "name.kov", 4, "must be a text in quotation marks"},
        {"project, two months",
         projekt("monate.kov", kopf + "  \"ErdTemperaturSpeziell\": [1, 2]\n}\n"), "monate.kov", 4,
         "must be a list of 12 numbers (January to December)"},
        {"project, a computed value",
         projekt("berechnet.kov", kopf + "  \"Stroemungsgeschwindigkeit\": 2\n}\n"),
         "berechnet.kov", 4, "is computed by the program and does not belong in a project"},
        {"project saved with an endless value",
         [] {
             TRegisterParameter p;
             ParameterStandardwerteSetzen(p);
             p.Rohrlaenge = std::numeric_limits<double>::infinity();
             ProjektSpeichern("unendlich.kov", p, "");
         },
         "unendlich.kov", 0,
         "The project cannot be saved: Pipe length (Rohrlaenge) is not a finite number"},
        {"project, unknown key", projekt("fremd.kov", kopf + "  \"Farbe\": 1\n}\n"), "fremd.kov", 4,
         "\"Farbe\""},
        {"previous report with a decimal comma",
         [] {
             auto tein = std::make_unique<TStundenFeld>();
             auto strom = std::make_unique<TStundenFeld>();
             auto feuchte = std::make_unique<TStundenFeld>();
             auto taupunkt = std::make_unique<TStundenFeld>();
             BerichtWetterTextLesen("alt.txt", Zeilen(100, "Kopf\n") + "1,5 2 3 4 5\n", *tein,
                                    *strom, *feuchte, *taupunkt);
         },
         "alt.txt", 101, "decimal comma"},
        {"schedule with a control character",
         [] {
             TStundenFeld plan{};
             FahrplanTextLesen("plan.txt", std::string("1\n0.5\n1\x01\n", 9), plan);
         },
         "plan.txt", 3, "control character"},
    };
}

TEST(DateiFehlerText, DieFehlerDerLeserInBeidenSprachen) {
    test::TArbeitsVerzeichnis arbeit;
    for (const TFall& f : Faelle()) {
        const std::unique_ptr<TDateiFehler> fehler = FehlerFangen(f);
        ASSERT_NE(fehler, nullptr) << f.Name;
        // the classic text as kov-run and the report show it
        EXPECT_EQ(DateiFehlerText(*fehler), QString::fromUtf8(fehler->what())) << f.Name;
        EXPECT_EQ(fehler->Zeile(), f.Zeile) << f.Name << ": " << fehler->what();
        QString englisch;
        {
            TSprachUmgebung sprache(QStringLiteral("en"));
            englisch = DateiFehlerText(*fehler);
        }
        const std::string fall = std::string(f.Name) + ": " + englisch.toStdString();
        EXPECT_TRUE(englisch.contains(QString::fromUtf8(f.Englisch))) << fall;
        EXPECT_TRUE(englisch.contains(QStringLiteral(": ") + QString::fromUtf8(f.Datei))) << fall;
        if (f.Zeile > 0) {
            EXPECT_TRUE(englisch.contains(QStringLiteral(", line %1").arg(f.Zeile))) << fall;
        } else {
            EXPECT_FALSE(englisch.contains(QStringLiteral(", line "))) << fall;
        }
        EXPECT_FALSE(englisch.contains(DeutschesWort)) << fall;
    }
}

TEST(DateiFehlerText, KlassischeMeldungenUndWasKeinDateifehlerIst) {
    TSprachUmgebung sprache(QStringLiteral("en"));
    // the platform's messages are the classic system's own and stay English in both languages
    for (const char* meldung : {MeldungNichtGefunden, MeldungZugriffVerweigert, MeldungPlatteVoll,
                                MeldungUngueltigeZahl}) {
        const TDateiFehler fehler(meldung, "wetter.txt", 12);
        EXPECT_EQ(DateiFehlerText(fehler), QStringLiteral("%1: wetter.txt, line 12").arg(meldung));
    }
    EXPECT_EQ(DateiFehlerText(TDateiFehler(MeldungPlatteVoll)), QStringLiteral("Disk full"));
    // a file name is no sentence: the same words in it stay
    EXPECT_EQ(DateiFehlerText(TDateiFehler(MeldungNichtGefunden, "Datei ist leer.txt")),
              QStringLiteral("File not found: Datei ist leer.txt"));
    // the names of files that are no file of the user's
    EXPECT_EQ(DateiFehlerText(TDateiFehler(MeldungPlatteVoll, "(temporäre Datei der Studie)")),
              QStringLiteral("Disk full: (temporary file of the study)"));
    EXPECT_EQ(DateiFehlerText(TDateiFehler("Eingebautes Klima nicht lesbar (Eintrag fehlt)",
                                           "Klima-Archiv TRY2015_04_Jahr.dat")),
              QStringLiteral("Built-in climate not readable (entry missing): climate archive "
                             "TRY2015_04_Jahr.dat"));
    // an insert holding a placeholder is put in as it is
    EXPECT_EQ(
        DateiFehlerText(TDateiFehler("Unbekannter Schlüssel \"%2\"", "p.kov", 3)).toStdString(),
        "Unknown key \"%2\": p.kov, line 3");
    // other faults go through the core's messages, a file fault caught as any fault as above
    EXPECT_EQ(AusnahmeText(TParameterFehler("Rohrlänge (Rohrlaenge) darf nicht negativ sein."))
                  .toStdString(),
              "Pipe length (Rohrlaenge) must not be negative.");
    const TDateiFehler projekt("Die Version 0 gibt es nicht", "p.kov", 3);
    EXPECT_EQ(AusnahmeText(static_cast<const std::exception&>(projekt)).toStdString(),
              "There is no version 0: p.kov, line 3");
}

TEST(DateiFehlerText, JederQuelltextHatSeineEnglischeForm) {
    TSprachUmgebung sprache(QStringLiteral("en"));
    for (const char* text : DateiFehlerQuelltexte())
        EXPECT_NE(QCoreApplication::translate("kov::Dateifehler", text).toStdString(), text)
            << text;
}

TEST(LeserMeldungen, WochenplanUndRohrpreistabelleInBeidenSprachen) {
    struct TText {
        const char* Name;
        const char* Betriebszeiten;
        const char* Rohrpreise;
        const char* Englisch;
    };
    const TText faelle[] = {
        {"unknown weekday", "Xy 7-18", "",
         "Operating times (Betriebszeiten), character 1: unknown weekday \"Xy\" (expected Mo, "
         "Di, Mi, Do, Fr, Sa, So)."},
        {"no hours", "Mo-Fr", "",
         "Operating times (Betriebszeiten), character 6: Expected the start hour, but the text "
         "ends here."},
        {"no dash", "Mo-Fr 7x", "",
         "character 8: Expected \"-\" between start and end hour, not \"x\"."},
        {"hour 25", "Mo-Fr 7-25", "", "The end hour must be a full hour from 0 to 24."},
        {"end before start", "Mo-Fr 18-7", "", "the end hour must come after the start hour"},
        {"share above 100 %", "Mo-Fr 7-18 150%", "",
         "the share must be greater than 0 and at most 100 %."},
        {"week backwards", "Fr-Mo 7-18", "",
         "the week runs from Mo to So; \"Fr-Mo\" runs backwards."},
        {"price without diameter", "", "0.2",
         "Pipe price table (Rohrpreise) must consist of pairs diameter:price separated by \";\" "
         "(\"0.2\" is none)."},
        {"prices out of order", "", "0.2:10; 0.1:5",
         "Pipe price table (Rohrpreise) must be ordered by rising diameter, each diameter once."},
        {"negative price", "", "0.2:-5",
         "Pipe price table (Rohrpreise) must not hold negative prices."},
    };
    for (const TText& f : faelle) {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        if (*f.Betriebszeiten) p.Betriebszeiten = f.Betriebszeiten;
        if (*f.Rohrpreise) p.Rohrpreise = f.Rohrpreise;
        const std::string name = *f.Rohrpreise ? "(Rohrpreise)" : "(Betriebszeiten)";
        std::string meldung;
        for (const std::string& m : ParameterPruefen(p))
            if (m.find(name) != std::string::npos) meldung = m;
        ASSERT_FALSE(meldung.empty()) << f.Name;
        EXPECT_EQ(MeldungText(meldung), QString::fromStdString(meldung)) << f.Name;
        TSprachUmgebung sprache(QStringLiteral("en"));
        const QString englisch = MeldungText(meldung);
        EXPECT_TRUE(englisch.contains(QString::fromUtf8(f.Englisch)))
            << f.Name << ": " << englisch.toStdString();
        EXPECT_FALSE(englisch.contains(DeutschesWort)) << f.Name << ": " << englisch.toStdString();
    }
}

TEST(DateiFehlerText, EinKaputtesProjektImEingabefensterAufEnglisch) {
    test::TArbeitsVerzeichnis arbeit;
    TSprachUmgebung sprache(QStringLiteral("en"));
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    test::DateiSchreiben("kaputt.kov", "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n"
                                       "  \"Rohrlaenge\": 20,,\n}\n");
    const QStringList meldungen = test::MeldungenAbfangen(
        [&] { EXPECT_FALSE(eingabe.ProjektLaden(QStringLiteral("kaputt.kov"))); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(),
              "The project was not loaded:\n\nNo valid JSON in column 20 (unexpected "
              "character): kaputt.kov, line 4");

    test::DateiSchreiben("wetter.csv", "1.5\n2.5\nabc\n");
    const QStringList wetter = test::MeldungenAbfangen(
        [&] { EXPECT_FALSE(eingabe.WetterDateiWaehlen(QStringLiteral("wetter.csv"), false)); });
    ASSERT_EQ(wetter.size(), 1);
    EXPECT_TRUE(wetter[0].endsWith(
        QStringLiteral("Field 1 (air temperature) is not a number: \"abc\": wetter.csv, line 3")))
        << wetter[0].toStdString();
}

} // namespace
} // namespace kov
