// The command line of kov without a window: the calls it accepts, the messages of those it
// refuses, and a run that writes what was asked for.
#include "ui/kopflos.h"

#include "files/projekt_datei.h"
#include "test_hilfen.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <utility>

namespace kov {
namespace {

QStringList Worte(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Output that runs aktion once, when its first line is complete: the command reports each file
// as soon as it is written, so this acts between two writes.
class TNachErsterZeile : public std::stringbuf {
public:
    explicit TNachErsterZeile(std::function<void()> aktion) : Aktion(std::move(aktion)) {}

protected:
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        const std::streamsize geschrieben = std::stringbuf::xsputn(text, n);
        Pruefen();
        return geschrieben;
    }
    int_type overflow(int_type zeichen) override {
        const int_type ergebnis = std::stringbuf::overflow(zeichen);
        Pruefen();
        return ergebnis;
    }

private:
    void Pruefen() {
        if (Aktion && str().find('\n') != std::string::npos) std::exchange(Aktion, nullptr)();
    }
    std::function<void()> Aktion;
};

TEST(Kopflos, CallsAndTheirFaults) {
    EXPECT_TRUE(KopflosGewuenscht(Worte("--bericht - a.pdf")));
    EXPECT_FALSE(KopflosGewuenscht(Worte("-style fusion")));
    EXPECT_FALSE(KopflosGewuenscht({}));

    const struct {
        const char* Aufruf;
        const char* Pdf;
        const char* Bilder;
        const char* Csv;
        QSize Groesse;
        TDezimalZeichen Zeichen;
    } gut[] = {
        {"--bericht p.kov a.pdf", "a.pdf", "", "", {1600, 1000}, TDezimalZeichen::Punkt},
        {"--bericht - a.pdf --bilder b --groesse 800x500",
         "a.pdf",
         "b",
         "",
         {800, 500},
         TDezimalZeichen::Punkt},
        {"--bilder b --bericht -", "", "b", "", {1600, 1000}, TDezimalZeichen::Punkt},
        {"--bericht - --csv s.csv --dezimalkomma",
         "",
         "",
         "s.csv",
         {1600, 1000},
         TDezimalZeichen::Komma},
        {"--bericht - a.pdf --groesse 100X10000",
         "a.pdf",
         "",
         "",
         {100, 10000},
         TDezimalZeichen::Punkt},
    };
    for (const auto& f : gut) {
        const TKopflosAufruf a = KopflosAufrufLesen(Worte(f.Aufruf));
        EXPECT_EQ(a.Pdf, QString::fromUtf8(f.Pdf)) << f.Aufruf;
        EXPECT_EQ(a.Bilder, QString::fromUtf8(f.Bilder)) << f.Aufruf;
        EXPECT_EQ(a.Csv, QString::fromUtf8(f.Csv)) << f.Aufruf;
        EXPECT_EQ(a.Groesse, f.Groesse) << f.Aufruf;
        EXPECT_EQ(a.Zeichen, f.Zeichen) << f.Aufruf;
    }
    const struct {
        const char* Aufruf;
        const char* Meldung;
    } schlecht[] = {
        {"--bericht", "--bericht braucht einen Wert."},
        {"--bericht -", "Nichts zu schreiben: AUSGABE.pdf, --bilder oder --csv angeben."},
        {"--bilder b", "--bericht PROJEKT fehlt."},
        {"--bericht - a.pdf --bericht - b.pdf", "--bericht steht zweimal im Aufruf."},
        {"--bericht - a.pdf --bilder", "--bilder braucht einen Wert."},
        {"--bericht - a.pdf extra", "Unbekanntes Argument: extra"},
        {"--bericht - a.pdf --groesse 99x500",
         "--groesse 99x500: Breite und Höhe in Pixeln wie 1600x1000, je 100 bis 10000."},
        {"--bericht - a.pdf --groesse 800*500",
         "--groesse 800*500: Breite und Höhe in Pixeln wie 1600x1000, je 100 bis 10000."},
    };
    for (const auto& f : schlecht) {
        std::string meldung;
        try {
            KopflosAufrufLesen(Worte(f.Aufruf));
        } catch (const TKopflosFehler& e) {
            meldung = e.what();
        }
        EXPECT_EQ(meldung, f.Meldung) << f.Aufruf;
    }
}

TEST(Kopflos, WritesWhatWasAskedForAndNamesAFault) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("bilder");
    TKopflosAufruf aufruf;
    aufruf.Projekt = QStringLiteral("-");
    aufruf.Pdf = QStringLiteral("b.pdf");
    aufruf.Bilder = QStringLiteral("bilder");
    aufruf.Groesse = QSize(300, 200);
    aufruf.Csv = QStringLiteral("s.csv");
    std::ostringstream aus, fehler;
    EXPECT_EQ(KopflosAusfuehren(aufruf, aus, fehler), 0) << fehler.str();
    EXPECT_EQ(aus.str().substr(0, 48), "Bericht: b.pdf (10 Seiten)\nBild: bilder/jahr.png");
    EXPECT_NE(aus.str().find("\nStundenwerte: s.csv\n"), std::string::npos);
    EXPECT_EQ(fehler.str(), "");
    EXPECT_EQ(QImage(QStringLiteral("bilder/kennwerte.png")).size(), QSize(300, 200));
    EXPECT_EQ(test::DateiZeilen("s.csv").size(), 8761u);

    aufruf.Pdf.clear();
    aufruf.Csv.clear();
    aufruf.Bilder = QStringLiteral("fehlt");
    std::ostringstream aus2, fehler2;
    EXPECT_EQ(KopflosAusfuehren(aufruf, aus2, fehler2), 1);
    EXPECT_EQ(fehler2.str(), "Kein Ordner: fehlt\nNichts berechnet, nichts geschrieben.\n");
}

TEST(Kopflos, TheUnitsViewsOnlyWithAUnitTheCrossSectionOnlyForARegisterRun) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directories("ohne");
    std::filesystem::create_directories("mit");
    test::DateiSchreiben("ohne.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 1}");
    test::DateiSchreiben("mit.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 1, \"WRG\": true, "
                                    "\"Modell\": \"register\"}");
    for (const bool wrg : {false, true}) {
        const QString name = wrg ? QStringLiteral("mit") : QStringLiteral("ohne");
        TKopflosAufruf aufruf;
        aufruf.Projekt = name + QStringLiteral(".kov");
        aufruf.Bilder = name;
        aufruf.Groesse = QSize(320, 240);
        std::ostringstream aus, fehler;
        ASSERT_EQ(KopflosAusfuehren(aufruf, aus, fehler), 0) << fehler.str();
        const std::vector<std::string> bilder = test::OrdnerInhalt(name.toStdString());
        for (const char* bild : {"anlage.png", "anlage.svg", "stunden.png", "stunden.svg",
                                 "querschnitt.png", "querschnitt.svg"}) {
            EXPECT_EQ(std::count(bilder.begin(), bilder.end(), bild), wrg ? 1 : 0) << bild;
            EXPECT_EQ(aus.str().find(std::string("Bild: ") + name.toStdString() + "/" + bild) !=
                          std::string::npos,
                      wrg)
                << bild;
        }
        if (wrg) {
            EXPECT_EQ(QImage(name + QStringLiteral("/stunden.png")).size(), QSize(320, 240));
            EXPECT_EQ(QImage(name + QStringLiteral("/querschnitt.png")).size(), QSize(320, 240));
            // the ground is drawn, not only the frame: its scale names temperatures
            EXPECT_NE(test::DateiInhalt("mit/querschnitt.svg").find("°C"), std::string::npos);
            // the week of the hourly view is drawn, not an empty frame: its legend is in the SVG
            EXPECT_NE(test::DateiInhalt("mit/stunden.svg").find("Austritt Register"),
                      std::string::npos);
        }
    }
}

TEST(Kopflos, NoOutputReplacesAnInputOrAnotherOutputOrIsWrittenBeforeAllPlacesAreChecked) {
    test::TArbeitsVerzeichnis ort;
    const std::string projekt =
        "{\"Format\": \"KOV-Projekt\", \"Version\": 1, \"WetterDatei\": \"w.dat\"}";
    const std::map<std::string, std::string> alt = {{"p.kov", projekt},
                                                    {"w.dat", "Wetter\r\n"},
                                                    {"old.pdf", "alter Bericht"},
                                                    {"old.csv", "alte Tabelle"},
                                                    {"bilder/jahr.png", "altes Bild"}};
    std::filesystem::create_directories("bilder/jahr.svg");
    for (const auto& [name, inhalt] : alt)
        test::DateiSchreiben(name, inhalt);
    struct TFall {
        const char *Pdf, *Bilder, *Csv;
        int Status;
        std::string Meldung;
    };
    const TFall faelle[] = {
        {"p.kov", "", "", 2,
         "  Der PDF-Bericht p.kov würde die Projektdatei p.kov überschreiben.\n"},
        {"", "", "./p.kov", 2,
         "  Die Stundenwerte-Datei ./p.kov würde die Projektdatei p.kov überschreiben.\n"},
        {"w.dat", "", "", 2,
         "  Der PDF-Bericht w.dat würde die Wetterdatei w.dat überschreiben.\n"},
        {"out.pdf", "", "out.pdf", 2,
         "  Die Stundenwerte-Datei out.pdf würde den PDF-Bericht out.pdf überschreiben.\n"},
        {"bilder/kennwerte.svg", "bilder", "", 2,
         "kennwerte.svg würde den PDF-Bericht bilder/kennwerte.svg überschreiben.\n"},
        {"old.pdf", "nodir", "old.csv", 1, "Kein Ordner: nodir\n"},
        {"old.pdf", "old.csv", "", 1, "Kein Ordner, sondern eine Datei: old.csv\n"},
        {"old.pdf", "", "nodir/x.csv", 1, "nodir/x.csv\n"},
        {"old.pdf", "bilder", "old.csv", 1, "bilder/jahr.svg\n"},
    };
    for (const TFall& f : faelle) {
        TKopflosAufruf aufruf;
        aufruf.Projekt = QStringLiteral("p.kov");
        aufruf.Pdf = QString::fromUtf8(f.Pdf);
        aufruf.Bilder = QString::fromUtf8(f.Bilder);
        aufruf.Csv = QString::fromUtf8(f.Csv);
        std::ostringstream aus, fehler;
        EXPECT_EQ(KopflosAusfuehren(aufruf, aus, fehler), f.Status) << f.Meldung;
        EXPECT_NE(fehler.str().find(f.Meldung), std::string::npos)
            << f.Meldung << " in " << fehler.str();
        EXPECT_EQ(aus.str(), "") << f.Meldung;
        for (const auto& [name, inhalt] : alt)
            EXPECT_EQ(test::DateiInhalt(name), inhalt) << f.Meldung << ": " << name;
        EXPECT_FALSE(std::filesystem::exists("out.pdf")) << f.Meldung;
        EXPECT_EQ(test::OrdnerInhalt("bilder"), (std::vector<std::string>{"jahr.png", "jahr.svg"}))
            << f.Meldung;
    }
}

TEST(Kopflos, AWriteThatFailsLateNamesWhatWasWrittenAndWhatWasLeft) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("bilder");
    test::DateiSchreiben("s.csv", "alte Tabelle");
    TKopflosAufruf aufruf;
    aufruf.Projekt = QStringLiteral("-");
    aufruf.Pdf = QStringLiteral("b.pdf");
    aufruf.Bilder = QStringLiteral("bilder");
    aufruf.Groesse = QSize(200, 150);
    aufruf.Csv = QStringLiteral("s.csv");
    // every place passed the check; once the PDF is written, the second picture's name becomes
    // a folder
    TNachErsterZeile puffer([] { std::filesystem::create_directory("bilder/jahr.svg"); });
    std::ostream aus(&puffer);
    std::ostringstream fehler;
    EXPECT_EQ(KopflosAusfuehren(aufruf, aus, fehler), 1);
    // the page count belongs to the report's own tests
    const std::string geschrieben = puffer.str();
    EXPECT_TRUE(geschrieben.starts_with("Bericht: b.pdf (") &&
                geschrieben.ends_with(" Seiten)\nBild: bilder/jahr.png\n"))
        << geschrieben;
    const std::string meldung = fehler.str();
    EXPECT_NE(meldung.find("bilder/jahr.svg\nGeschrieben: b.pdf, bilder/jahr.png\n"
                           "Wie sie waren: bilder/jahr.svg, bilder/"),
              std::string::npos)
        << meldung;
    EXPECT_EQ(meldung.substr(meldung.size() - 8), ", s.csv\n") << meldung;
    EXPECT_EQ(test::DateiInhalt("b.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(test::DateiInhalt("s.csv"), "alte Tabelle");
    // nothing half-written beside the pictures
    EXPECT_EQ(test::OrdnerInhalt("bilder"), (std::vector<std::string>{"jahr.png", "jahr.svg"}));
    EXPECT_TRUE(std::filesystem::is_directory("bilder/jahr.svg"));
}

TEST(Kopflos, RunsAProjectFileWithItsFilesBesideIt) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("projekt");
    std::string fahrplan;
    for (int h = 1; h <= 8760; ++h)
        fahrplan += h % 24 < 6 ? "0\r\n" : "1\r\n";
    test::DateiSchreiben("projekt/nacht_aus.txt", fahrplan);
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Projektname = "Schulhaus Nord";
    p.FahrplanGelesen = true;
    p.FahrplanFile = "nacht_aus.txt";
    ProjektSpeichern("projekt/schule.kov", p, "projekt");

    TKopflosAufruf aufruf;
    aufruf.Projekt = QStringLiteral("projekt/schule.kov");
    aufruf.Csv = QStringLiteral("s.csv");
    std::ostringstream aus, fehler;
    ASSERT_EQ(KopflosAusfuehren(aufruf, aus, fehler), 0) << fehler.str();
    // hour 1 (00-01) off, hour 7 (06-07) on: the schedule beside the project was followed
    const std::vector<std::string> zeilen = test::DateiZeilen("s.csv");
    EXPECT_EQ(zeilen[1].substr(0, 23), "1,01.01.,00:00-01:00,3.");
    EXPECT_EQ(zeilen[1].substr(zeilen[1].size() - 4), ",0,0");
    EXPECT_EQ(zeilen[7].substr(zeilen[7].size() - 4), ",1,0");

    test::DateiSchreiben("kaputt.kov", "{\"Format\": \"KOV-Projekt\", \"Version\": 1,");
    aufruf.Projekt = QStringLiteral("kaputt.kov");
    std::ostringstream aus2, fehler2;
    EXPECT_EQ(KopflosAusfuehren(aufruf, aus2, fehler2), 2);
    EXPECT_EQ(fehler2.str(), "Projektdatei abgelehnt, nichts berechnet: Kein gültiges JSON in "
                             "Spalte 40 (die Datei endet mitten im JSON): kaputt.kov, Zeile 1\n");
    EXPECT_EQ(aus2.str(), "");
}

} // namespace
} // namespace kov
