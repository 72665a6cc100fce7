#include "ui/eingabe_fenster.h"

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/start_fenster.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kov {
namespace {

class EingabeFenster : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm2& Form2 = Anwendung.Form2();

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
    };
    const std::string alterBericht = "voriger Bericht\r\n";
    test::DateiSchreiben("kov.txt", alterBericht);
    for (const TFall& f : faelle) {
        Form2.Wertsetzen();
        for (const auto& [feld, text] : f.Eingaben)
            feld->setText(QString::fromUtf8(text));
        const TRegisterParameter vorher = P();

        const QStringList meldungen = test::MeldungenAbfangen([this] { Form2.Berechnen->click(); });

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
