#include "ui/eingabe_fenster.h"

#include "fenster_hilfen.h"
#include "files/projekt_datei.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/start_fenster.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace kov {
namespace {

class EingabeFenster : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm2& Form2 = Anwendung.Form2();
    TForm1& Form1 = Anwendung.Form1();

    TRegisterParameter& P() { return Anwendung.Kontext().Parameter; }

    // The user types into a field and moves on to another one.
    static void FeldVerlassen(QLineEdit* feld, const char* text) {
        feld->setText(QString::fromUtf8(text));
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &verlassen);
    }
};

TEST_F(EingabeFenster, ZeigtNachDemStartDieStandardwerte) {
    struct TFall {
        QLineEdit* Feld;
        const char* Text;
        bool Editierbar;
    };
    const TFall faelle[] = {{Form2.ERohrlaenge, "50.0", true},
                            // shown with every digit they have: showing never changes a value
                            {Form2.EDRohr, "0.1922", true},
                            {Form2.EWandstaerkeRohr, "0.0039", true},
                            {Form2.EAnzahlrohre, "15", true},
                            {Form2.ETiefe, "1.00", true},
                            {Form2.ElambdaErde, "1.5", false},
                            {Form2.ErhoErde, "1400.0", false},
                            {Form2.EcpErde, "1400.0", false},
                            {Form2.Edit1, "Zürich SMA DRY-Daten", false},
                            {Form2.EVolumenstrom, "3700", true},
                            {Form2.Ev, "2.36", false},
                            {Form2.EHeizgrenze, "12.0", true},
                            {Form2.EKuehlgrenze, "12.0", true}};
    for (const TFall& f : faelle) {
        EXPECT_EQ(f.Feld->text().toStdString(), f.Text) << f.Feld->objectName().toStdString();
        EXPECT_EQ(f.Feld->isEnabled(), f.Editierbar) << f.Feld->objectName().toStdString();
    }
    EXPECT_EQ(Form2.CErde->currentIndex(), 0);
    EXPECT_TRUE(Form2.CErde->currentText().isEmpty());
    EXPECT_EQ(Form2.windowTitle().toStdString(), "KOV - Eingaben");
    EXPECT_EQ(Form2.ProgressBar1->value(), 0);
    EXPECT_EQ(Form2.ProgressBar1->maximum(), 100);
    // the fields show rounded values; the parameter set still holds the defaults
    EXPECT_EQ(P().DRohr, 0.1922);
    EXPECT_EQ(P().WandstaerkeRohr, 0.0039);
}

TEST_F(EingabeFenster, ErdartFuelltDieBodenfelderErstWerteLesenSpeichert) {
    ASSERT_EQ(Form2.CErde->count(), 12);
    EXPECT_EQ(Form2.CErde->itemText(1).toStdString(), "Erde trocken  (lambda 0.35 W/mK)");
    EXPECT_EQ(Form2.CErde->itemText(10).toStdString(), "Sand feucht, gewalzt  (lambda 1.2 W/mK)");
    EXPECT_EQ(Form2.CErde->itemText(11).toStdString(), "Stahlbeton      (lambda 1.8 W/mK)");

    Form2.CErde->setCurrentIndex(8);
    const std::vector<std::string> sand{"0.4", "1500", "660"};
    const auto boden = [this] {
        return std::vector<std::string>{Form2.ElambdaErde->text().toStdString(),
                                        Form2.ErhoErde->text().toStdString(),
                                        Form2.EcpErde->text().toStdString()};
    };
    EXPECT_EQ(boden(), sand);
    EXPECT_EQ(P().LambdaErde, 1.5) << "die Auswahl allein ändert den Parametersatz nicht";

    Form2.CErde->setCurrentIndex(0);
    EXPECT_EQ(boden(), sand) << "der leere Eintrag lässt die Felder stehen";

    Form2.WerteLesen();
    EXPECT_EQ(P().LambdaErde, 0.4);
    EXPECT_EQ(P().RhoErde, 1500.0);
    EXPECT_EQ(P().CpErde, 660.0);
}

TEST_F(EingabeFenster, VerlassenDerFelderErneuertDieGeschwindigkeit) {
    FeldVerlassen(Form2.EVolumenstrom, "1850");
    EXPECT_EQ(P().Volumenstrom, 1850.0);
    EXPECT_EQ(P().DRohr, 0.1922) << "der Durchmesser wird aus dem Feld übernommen";
    // 1850 / 3600 / pi / 0.1922^2 * 4 / 15 = 1.1808 m/s
    EXPECT_EQ(Form2.Ev->text().toStdString(), "1.18");

    // the length field triggers the refresh but is not stored
    Form2.EVolumenstrom->setText(QStringLiteral("7400"));
    FeldVerlassen(Form2.ERohrlaenge, "60");
    EXPECT_EQ(P().Rohrlaenge, 50.0);
    EXPECT_EQ(Form2.Ev->text().toStdString(), "4.72");

    // a malformed entry leaves its parameter, a decimal comma counts as point
    FeldVerlassen(Form2.EVolumenstrom, "viel");
    EXPECT_EQ(P().Volumenstrom, 7400.0);
    FeldVerlassen(Form2.EDRohr, "0,4");
    EXPECT_EQ(P().DRohr, 0.4);
    EXPECT_EQ(Form2.Ev->text().toStdString(), "1.09");
}

TEST_F(EingabeFenster, NullRohreLegenDieGeschwindigkeitBisZumNaechstenLesenStill) {
    FeldVerlassen(Form2.EAnzahlrohre, "0");
    EXPECT_EQ(P().AnzahlRohre, 0);
    EXPECT_EQ(Form2.Ev->text().toStdString(), "2.36");

    FeldVerlassen(Form2.EDRohr, "0.3");
    EXPECT_EQ(P().DRohr, 0.1922) << "nach 0 Rohren bleibt vSetzen untätig";
    EXPECT_EQ(Form2.Ev->text().toStdString(), "2.36");

    Form2.EAnzahlrohre->setText(QStringLiteral("10"));
    Form2.WerteLesen();
    EXPECT_EQ(P().AnzahlRohre, 10);
    EXPECT_EQ(Form2.Ev->text().toStdString(), "2.36") << "WerteLesen schreibt kein Feld";
    FeldVerlassen(Form2.EDRohr, "0.3");
    EXPECT_EQ(Form2.Ev->text().toStdString(), "1.45");
}

TEST_F(EingabeFenster, EineNichtEndlicheGeschwindigkeitZeigtEinenStrichMitGrund) {
    FeldVerlassen(Form2.EDRohr, "1e-200");
    EXPECT_EQ(Form2.Ev->text(), QStringLiteral("–"));
    EXPECT_NE(Form2.Ev->toolTip().toStdString().find("keine endliche Zahl"), std::string::npos);
    FeldVerlassen(Form2.EDRohr, "0.3");
    EXPECT_EQ(Form2.Ev->text().toStdString(), "0.97"); // 3700 / 3600 / pi / 0.09 * 4 / 15
    EXPECT_TRUE(Form2.Ev->toolTip().isEmpty());
}

TEST_F(EingabeFenster, FehlerhafteEingabenVerhindernDenLauf) {
    struct TFall {
        const char* Name;
        std::vector<std::pair<QLineEdit*, const char*>> Eingaben;
        std::vector<std::string> Genannt;
        std::vector<std::string> NichtGenannt;
    };
    const TFall faelle[] = {
        {"keine Zahlen",
         {{Form2.ERohrlaenge, "5O"}, {Form2.EAnzahlrohre, "2.5"}, {Form2.EHeizgrenze, " "}},
         {"Rohrlänge: „5O“ ist keine Zahl", "Anzahl Rohre: „2.5“ ist keine ganze Zahl",
          "Heizgrenze: das Feld ist leer"},
         {"Rohrdurchmesser", "Kühlgrenze"}},
        {"Zahl außerhalb des Bereichs",
         {{Form2.EDRohr, "0"}},
         {"Rohrdurchmesser"},
         {"Rohrlänge", "ist keine Zahl"}},
        {"null Rohre", {{Form2.EAnzahlrohre, "0"}}, {"Anzahl Rohre"}, {"Rohrlänge"}},
        {"jenseits von double und int32",
         {{Form2.ERohrlaenge, "1e999"}, {Form2.EAnzahlrohre, "3000000000"}},
         {"Rohrlänge: „1e999“ liegt ausserhalb des Bereichs -1.8e308 bis 1.8e308",
          "Anzahl Rohre: „3000000000“ liegt ausserhalb des Bereichs -2147483648 bis 2147483647"},
         {"keine Zahl", "keine ganze Zahl"}},
        {"Temperatur jenseits ihres Bereichs",
         {{Form2.EHeizgrenze, "61"}},
         {"Heizgrenze (Heizgrenze) muss zwischen -60 und 60 °C liegen."},
         {"keine Zahl"}},
    };
    const std::string alterBericht = "voriger Bericht\r\n";
    test::DateiSchreiben("kov.txt", alterBericht);
    for (const TFall& f : faelle) {
        Form2.Wertsetzen();
        for (const auto& [feld, text] : f.Eingaben)
            feld->setText(QString::fromUtf8(text));
        const TRegisterParameter vorher = P();

        const QStringList meldungen = test::BerechnenUndAbwarten(Form2, Form1);

        ASSERT_EQ(meldungen.size(), 1) << f.Name;
        const std::string text = meldungen.front().toStdString();
        for (const std::string& teil : f.Genannt)
            EXPECT_NE(text.find(teil), std::string::npos) << f.Name << ": " << text;
        for (const std::string& teil : f.NichtGenannt)
            EXPECT_EQ(text.find(teil), std::string::npos) << f.Name << ": " << text;
        EXPECT_FALSE(Anwendung.Form1().isVisible()) << f.Name;
        EXPECT_EQ(test::DateiInhalt("kov.txt"), alterBericht) << f.Name;
        EXPECT_EQ(P().Rohrlaenge, vorher.Rohrlaenge) << f.Name;
        EXPECT_EQ(P().DRohr, vorher.DRohr) << f.Name;
        EXPECT_EQ(P().AnzahlRohre, vorher.AnzahlRohre) << f.Name;
        EXPECT_EQ(P().Heizgrenze, vorher.Heizgrenze) << f.Name;
        EXPECT_EQ(Form2.ProgressBar1->maximum(), 100) << f.Name;
    }
}

TEST_F(EingabeFenster, DezimalkommaIstEineGueltigeEingabe) {
    Form2.EDRohr->setText(QStringLiteral("0,25"));
    Form2.EHeizgrenze->setText(QStringLiteral(" -2,5 "));
    bool gueltig = false;
    EXPECT_TRUE(test::MeldungenAbfangen([&] { gueltig = Form2.EingabenPruefen(&Form2); }).empty());
    EXPECT_TRUE(gueltig);
    Form2.WerteLesen();
    EXPECT_EQ(P().DRohr, 0.25);
    EXPECT_EQ(P().Heizgrenze, -2.5);
}

TEST_F(EingabeFenster, SchliessenZeigtDasStartfenster) {
    struct TFall {
        const char* Name;
        void (*Schliessen)(TForm2&);
    };
    const TFall faelle[] = {
        {"Knopf", [](TForm2& f) { f.Schliessen->click(); }},
        {"Fenstersystem", [](TForm2& f) { f.windowHandle()->close(); }},
    };
    for (const TFall& f : faelle) {
        Anwendung.Form3().hide();
        Form2.show();
        ASSERT_TRUE(Form2.windowHandle() != nullptr) << f.Name;
        f.Schliessen(Form2);
        EXPECT_FALSE(Form2.isVisible()) << f.Name;
        EXPECT_TRUE(Anwendung.Form3().isVisible()) << f.Name;
    }
}

std::string Wetter(const std::string& name) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + name;
}

TEST_F(EingabeFenster, ProjektSpeichernUndOeffnenMitTitelUndKuerzeln) {
    EXPECT_EQ(Form2.AktionOeffnen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Form2.AktionSpeichern->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(Form2.Menue->geometry().bottom() < 48, true) << "the bar stays above the heading";

    Form2.ERohrlaenge->setText(QStringLiteral("42.5"));
    EXPECT_EQ(Form2.windowTitle(), QStringLiteral("KOV - Eingaben *"));
    Form2.ProjektDateiDialog = [](bool speichern) {
        return speichern ? QStringLiteral("rohr") : QStringLiteral("rohr.kov");
    };
    EXPECT_TRUE(test::MeldungenAbfangen([&] { Form2.AktionSpeichern->trigger(); }).empty());
    EXPECT_EQ(Form2.windowTitle(), QStringLiteral("KOV - Eingaben - rohr.kov")) << ".kov added";
    EXPECT_EQ(Anwendung.Projekt().Datei, "rohr.kov");
    EXPECT_FALSE(Anwendung.Projekt().Geaendert);
    EXPECT_EQ(ProjektLesen("rohr.kov").Rohrlaenge, 42.5);

    // typing back the saved value is no change
    Form2.ERohrlaenge->setText(QStringLiteral("43"));
    EXPECT_TRUE(Anwendung.Projekt().Geaendert);
    Form2.ERohrlaenge->setText(QStringLiteral("42.50"));
    EXPECT_FALSE(Anwendung.Projekt().Geaendert);

    Form2.ETiefe->setText(QStringLiteral("2"));
    const QStringList frage =
        test::FragenBeantworten({QStringLiteral("Verwerfen")}, [&] { Form2.AktionNeu->trigger(); });
    ASSERT_EQ(frage.size(), 1);
    EXPECT_TRUE(frage[0].contains(QStringLiteral("„rohr.kov“ hat ungespeicherte Änderungen")));
    EXPECT_EQ(Form2.ERohrlaenge->text(), QStringLiteral("50.0"));
    EXPECT_EQ(Form2.windowTitle(), QStringLiteral("KOV - Eingaben"));

    EXPECT_TRUE(test::MeldungenAbfangen([&] { Form2.AktionOeffnen->trigger(); }).empty());
    EXPECT_EQ(Form2.ERohrlaenge->text(), QStringLiteral("42.5"));
    EXPECT_EQ(Form2.ETiefe->text(), QStringLiteral("1.00")) << "the discarded entry is gone";
    EXPECT_EQ(P().Rohrlaenge, 42.5);
}

TEST_F(EingabeFenster, EinAbgelehntesProjektAendertNichts) {
    test::DateiSchreiben("kaputt.kov", "{\n  \"Format\": \"KOV-Projekt\",\n  \"Version\": 1,\n"
                                       "  \"Rohrlaenge\": 20,\n  \"AnzahlRohre\": \"15\"\n}\n");
    Form2.EVolumenstrom->setText(QStringLiteral("1800"));
    const TRegisterParameter vorher = P();
    const QString titel = Form2.windowTitle();
    bool geladen = true;
    const QStringList meldungen = test::MeldungenAbfangen(
        [&] { geladen = Form2.ProjektLaden(QStringLiteral("kaputt.kov")); });
    EXPECT_FALSE(geladen);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].toStdString(),
              "Das Projekt wurde nicht geladen:\n\nDer Wert von \"AnzahlRohre\" muss eine ganze "
              "Zahl sein: kaputt.kov, Zeile 5");
    EXPECT_EQ(Form2.ERohrlaenge->text(), QStringLiteral("50.0"));
    EXPECT_EQ(Form2.EVolumenstrom->text(), QStringLiteral("1800"));
    EXPECT_EQ(P().Rohrlaenge, vorher.Rohrlaenge);
    EXPECT_EQ(Form2.windowTitle(), titel);
    EXPECT_TRUE(Anwendung.Projekt().Datei.empty());
}

TEST_F(EingabeFenster, EinProjektDessenBerichtEsSelbstWaereRechnetNicht) {
    const std::string projekt =
        "{\"Format\": \"KOV-Projekt\", \"Version\": 1, \"OutputFile\": \"./eigen.kov\"}";
    test::DateiSchreiben("eigen.kov", projekt);
    ASSERT_TRUE(test::MeldungenAbfangen([&] {
                    EXPECT_TRUE(Form2.ProjektLaden(QStringLiteral("eigen.kov")));
                }).empty());
    const QStringList meldungen = test::MeldungenAbfangen([this] { Form2.Berechnen->click(); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_NE(meldungen[0].toStdString().find(
                  "Der Bericht ./eigen.kov würde die Projektdatei eigen.kov überschreiben."),
              std::string::npos)
        << meldungen[0].toStdString();
    EXPECT_EQ(test::DateiInhalt("eigen.kov"), projekt);
}

TEST_F(EingabeFenster, EinMisslungenesSpeichernBleibtGeaendert) {
    ASSERT_TRUE(Form2.ProjektSpeichernNach(QStringLiteral("alt.kov")));
    const std::string alt = test::DateiInhalt("alt.kov");
    Form2.ETiefe->setText(QStringLiteral("1.5"));
    // the folder may not be written: the temporary file cannot even be made
    std::filesystem::permissions(".", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    QStringList meldungen;
    if (::geteuid() == 0) {
        // root writes anyway: a name below a file fails the same way
        std::filesystem::permissions(".", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        meldungen = test::MeldungenAbfangen(
            [&] { EXPECT_FALSE(Form2.ProjektSpeichernNach(QStringLiteral("alt.kov/neu.kov"))); });
    } else {
        meldungen = test::MeldungenAbfangen([&] { EXPECT_FALSE(Form2.ProjektSpeichern()); });
        std::filesystem::permissions(".", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("Das Projekt wurde nicht gespeichert:")))
        << meldungen[0].toStdString();
    EXPECT_TRUE(Anwendung.Projekt().Geaendert);
    EXPECT_EQ(Anwendung.Projekt().Datei, "alt.kov");
    EXPECT_EQ(Form2.windowTitle(), QStringLiteral("KOV - Eingaben - alt.kov *"));
    EXPECT_EQ(test::DateiInhalt("alt.kov"), alt);
}

TEST_F(EingabeFenster, EinVomFensterGespeichertesProjektRechnetKovRunGenauSo) {
    Form2.EDRohr->setText(QStringLiteral("0,25"));
    Form2.EHeizgrenze->setText(QStringLiteral("5"));
    Form2.CErde->setCurrentIndex(8);
    P().AnzahlGitter = 8;
    P().KellerTemperatur[3] = 12.5;
    std::filesystem::create_directory("projekt");
    std::filesystem::create_directory("lauf");
    // the built-in year and every sample file: the window's run, saved, run again by kov-run
    const char* dateien[] = {"", "USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw",
                             "tmy_45.000_8.000_2005_2023.epw", "TRY2010_05_Jahr.dat",
                             "TRY2015_494414066370_Jahr.dat"};
    int nummer = 0;
    for (const std::string datei : dateien) {
        if (datei.empty())
            Form2.EingebautesWetterWaehlen();
        else
            ASSERT_TRUE(Form2.WetterDateiWaehlen(QString::fromStdString(Wetter(datei)), false))
                << datei;
        if (datei.rfind("USA", 0) == 0) {
            EXPECT_EQ(Form2.Edit1->text(), QStringLiteral("Chicago Ohare Intl Ap, USA"));
        }
        const QString projekt = QStringLiteral("projekt/ort%1.kov").arg(++nummer);
        ASSERT_TRUE(Form2.ProjektSpeichernNach(projekt)) << datei;
        ASSERT_TRUE(test::BerechnenUndAbwarten(Form2, Form1).empty()) << datei;
        Anwendung.Form1().hide();
        const std::string gui = test::DateiInhalt("projekt/kov.txt");
        EXPECT_FALSE(std::filesystem::exists("kov.txt")) << "the report lies beside the project";
        ASSERT_EQ(test::TextZeilen(gui).size(), 8865u) << datei;
        EXPECT_EQ(test::TextZeilen(gui)[54].substr(0, datei.empty() ? 12 : datei.size()),
                  datei.empty() ? "zurihour.dat" : datei);

        const std::string aufruf = std::string(KOV_RUN_PFAD) + " --projekt " +
                                   projekt.toStdString() + " -C lauf >/dev/null";
        ASSERT_EQ(std::system(aufruf.c_str()), 0) << datei;
        EXPECT_TRUE(test::DateiInhalt("lauf/kov.txt") == gui) << "Berichte weichen ab: " << datei;
    }
}

TEST_F(EingabeFenster, WetterdateiWaehlenZeigtDieKennwerteUndDenOrt) {
    const QString chicago =
        QString::fromStdString(Wetter("USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw"));
    // the button sits in Edit1's room, inside the group box
    EXPECT_LE(Form2.Edit1->geometry().right(), Form2.WetterKnopf->geometry().left());
    EXPECT_LE(Form2.WetterKnopf->geometry().right(), Form2.CErde->geometry().right());

    QStringList texte = test::FragenBeantworten({QStringLiteral("Abbrechen")},
                                                [&] { Form2.WetterDateiWaehlen(chicago); });
    ASSERT_EQ(texte.size(), 1);
    EXPECT_TRUE(texte[0].contains(QStringLiteral("Jahresmittel: ")));
    EXPECT_TRUE(texte[0].contains(QStringLiteral("Chicago Ohare Intl Ap")));
    EXPECT_EQ(Form2.Edit1->text(), QStringLiteral("Zürich SMA DRY-Daten")) << "abgebrochen";
    EXPECT_TRUE(P().WetterDatei.empty());

    texte = test::FragenBeantworten({QStringLiteral("Übernehmen")},
                                    [&] { Form2.WetterDateiWaehlen(chicago); });
    EXPECT_EQ(Form2.Edit1->text(), QStringLiteral("Chicago Ohare Intl Ap, USA"));
    EXPECT_EQ(P().WetterDatei, chicago.toStdString());
    EXPECT_TRUE(Anwendung.Projekt().Geaendert);

    test::DateiSchreiben("leer.epw", "LOCATION,Nirgendwo\r\n");
    texte = test::MeldungenAbfangen([&] { Form2.WetterDateiWaehlen(QStringLiteral("leer.epw")); });
    ASSERT_EQ(texte.size(), 1);
    EXPECT_TRUE(texte[0].startsWith(QStringLiteral("Die Wetterdatei wurde nicht übernommen:")));
    EXPECT_TRUE(texte[0].contains(QStringLiteral("leer.epw")));
    EXPECT_EQ(P().WetterDatei, chicago.toStdString()) << "unchanged";

    Form2.EingebautesWetterWaehlen();
    EXPECT_EQ(Form2.Edit1->text(), QStringLiteral("Zürich SMA DRY-Daten"));
    EXPECT_TRUE(P().WetterDatei.empty());
    EXPECT_FALSE(Anwendung.Projekt().Geaendert);
}

TEST_F(EingabeFenster, SchliessenMitAenderungenFragt) {
    Anwendung.Form3().hide();
    Form2.show();
    Form2.ETiefe->setText(QStringLiteral("2"));
    const QStringList texte = test::FragenBeantworten({QStringLiteral("Abbrechen")},
                                                      [&] { Form2.windowHandle()->close(); });
    EXPECT_EQ(texte.size(), 1);
    EXPECT_TRUE(Form2.isVisible()) << "Abbrechen lässt das Fenster offen";
    EXPECT_FALSE(Anwendung.Form3().isVisible());
    EXPECT_EQ(Form2.ETiefe->text(), QStringLiteral("2"));
}

TEST(FortschrittsBalken, BeginntNachDemMaximumVonVorn) {
    TFortschrittsBalken balken;
    balken.setValue(0);
    balken.setMaximum(12);
    balken.SchrittweiteSetzen(1);
    std::vector<int> werte;
    balken.setValue(10);
    for (int i = 0; i < 4; ++i) {
        balken.Schritt();
        werte.push_back(balken.value());
    }
    EXPECT_EQ(werte, (std::vector<int>{11, 12, 0, 1}));
    balken.SchrittweiteSetzen(5);
    werte.clear();
    for (int i = 0; i < 3; ++i) {
        balken.Schritt();
        werte.push_back(balken.value());
    }
    EXPECT_EQ(werte, (std::vector<int>{6, 11, 0}));
}

} // namespace
} // namespace kov
