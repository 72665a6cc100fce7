// The design-figure window: reached from the chart window after a run, showing the core's
// figures in full (no cell cut off), copying them as text, and withdrawn after a failed run.
#include "ui/kennwerte_fenster.h"

#include "fenster_hilfen.h"
#include "register/kennwerte_text.h"
#include "register/kosten_text.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/kern_texte.h"
#include "ui/zahl_format.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

class KennwerteFenster : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm1& Form1 = Anwendung.Form1();
    TForm2& Form2 = Anwendung.Form2();

    QStringList Berechnen() {
        Form2.show();
        return test::BerechnenUndAbwarten(Form2, Form1);
    }
};

// Every cell's text fits its column and every row is inside the table.
void AllesSichtbar(const QTableWidget* t, const char* name) {
    const QFontMetrics masse(t->font());
    for (int z = 0; z < t->rowCount(); ++z)
        for (int s = 0; s < t->columnCount(); ++s) {
            const QString text = t->item(z, s)->text();
            EXPECT_LE(masse.horizontalAdvance(text) + 6, t->columnWidth(s))
                << name << " Zeile " << z << " Spalte " << s << ": " << text.toStdString();
        }
    int hoehe = t->horizontalHeader()->height();
    for (int z = 0; z < t->rowCount(); ++z)
        hoehe += t->rowHeight(z);
    EXPECT_LE(hoehe, t->viewport()->height() + t->horizontalHeader()->height()) << name;
}

TEST_F(KennwerteFenster, NachDemLaufErreichbarMitDenZahlenDesKerns) {
    // a button below the others, disabled until a run has given figures
    EXPECT_EQ(Form1.Button16->text(), QStringLiteral("Kennwerte"));
    // the buttons' column is laid out when the window is: at the classic places in German
    ASSERT_NE(Form1.layout(), nullptr);
    Form1.layout()->activate();
    EXPECT_EQ(Form1.Button16->geometry(), QRect(16, 392, 89, 25));
    EXPECT_EQ(Form1.Button1->geometry(), QRect(16, 360, 89, 25)) << "Schliessen stays";
    EXPECT_FALSE(Form1.Button16->isEnabled());

    ASSERT_TRUE(Berechnen().empty());
    ASSERT_TRUE(Form1.Button16->isEnabled());
    Form1.Button16->click();
    TKennwerteFenster& fenster = *Form1.Kennwerte;
    ASSERT_TRUE(fenster.isVisible());

    const TKontext& k = Anwendung.Kontext();
    const TKennwerte kw = KennwerteBerechnen(k);
    const auto zeilen = KennwerteZeilen(kw, k.Parameter);
    ASSERT_EQ(fenster.Tabelle->rowCount(), static_cast<int>(zeilen.size()));
    for (int z = 0; z < fenster.Tabelle->rowCount(); ++z) {
        const TKennwertZeile& erwartet = zeilen[static_cast<std::size_t>(z)];
        // the core's label; in the German view a limit in it has its decimal comma
        EXPECT_EQ(fenster.Tabelle->item(z, 0)->text(), KernText(erwartet.Bezeichnung));
        // the core's figure, in the German view with a decimal comma
        EXPECT_EQ(fenster.Tabelle->item(z, 1)->text(),
                  ZahlTextAnsicht(QString::fromStdString(erwartet.Wert)))
            << erwartet.Bezeichnung;
        EXPECT_EQ(fenster.Tabelle->item(z, 2)->text().toStdString(), erwartet.Einheit)
            << erwartet.Bezeichnung;
    }
    // the input window keeps the diameter 0.1922 m: w = 3700/3600/3.14159/0.1922^2*4/15
    // = 2.361629 m/s, Re = 2.361629*0.1922/1.45e-5 = 31304, xi = 1/(1.82 lg Re - 1.64)^2,
    // = 0.023366, friction 0.023366 * 260.146 * 0.6 * 2.361629^2 = 20.34 Pa
    EXPECT_EQ(fenster.Tabelle->item(2, 0)->text(), QStringLiteral("Druckverlust Rohrreibung"));
    EXPECT_EQ(fenster.Tabelle->item(2, 1)->text(), QStringLiteral("20,3"));
    ASSERT_EQ(fenster.Monatstabelle->rowCount(), 13);
    EXPECT_EQ(fenster.Monatstabelle->item(2, 0)->text(), QStringLiteral("März"));
    EXPECT_EQ(fenster.Monatstabelle->item(12, 1)->text(),
              ZahlTextAnsicht(QString::fromStdString(KennwertZahl(k.Ergebnis.Heizenergie, 1))));

    // the design check of the same run: the default design's outlet falls below 0 °C
    const TBewertung bewertung = BewertungBilden(k, kw);
    const std::vector<TPruefRegel>& regeln = bewertung.Pruefung;
    ASSERT_TRUE(fenster.Pruefungstabelle->isVisible());
    ASSERT_EQ(fenster.Pruefungstabelle->rowCount(), static_cast<int>(regeln.size()));
    EXPECT_EQ(fenster.Pruefungstabelle->item(1, 0)->text(),
              QStringLiteral("Tiefste Austrittstemperatur im Betrieb"));
    EXPECT_EQ(fenster.Pruefungstabelle->item(1, 3)->text(), QStringLiteral("nicht erfüllt"));
    EXPECT_EQ(fenster.Pruefungstabelle->item(1, 0)->toolTip().toStdString(),
              regeln[1].Erlaeuterung);
    EXPECT_TRUE(fenster.Aussage->text().startsWith(
        QStringLiteral("Auslegungsprüfung: Die Auslegung erfüllt nicht: Tiefste")));

    AllesSichtbar(fenster.Tabelle, "Tabelle");
    AllesSichtbar(fenster.Monatstabelle, "Monatstabelle");
    AllesSichtbar(fenster.Pruefungstabelle, "Pruefungstabelle");
    // the costs of the default design: 750 m of pipe at 47.66 EUR/m, 825 m3 of trench at
    // 40 EUR/m3 and 8000 EUR fixed make 76745 EUR, shown grouped by a thin space
    ASSERT_TRUE(fenster.Kostentabelle->isVisible());
    ASSERT_EQ(fenster.Kostentabelle->rowCount(),
              static_cast<int>(KostenUebersicht(bewertung.Kosten).size()));
    EXPECT_EQ(fenster.Kostentabelle->item(0, 0)->text(), QStringLiteral("Investition"));
    EXPECT_EQ(fenster.Kostentabelle->item(0, 1)->text(),
              QStringLiteral("76") + QChar(0x202F) + QStringLiteral("745"));
    AllesSichtbar(fenster.Kostentabelle, "Kostentabelle");
    EXPECT_LE(fenster.x() + fenster.frameGeometry().width(), 1280) << "fits a 1280 x 1024 screen";
    EXPECT_LE(fenster.y() + fenster.frameGeometry().height(), 1024);

    QGuiApplication::clipboard()->clear();
    fenster.Kopieren->click();
    const QString ablage = QGuiApplication::clipboard()->text();
    EXPECT_EQ(ablage.toStdString(), KennwerteAlsText(kw, k.Parameter, k.Ergebnis) +
                                        PruefungAlsText(regeln) + KostenAlsText(bewertung.Kosten));
    EXPECT_TRUE(ablage.contains(QStringLiteral("Druckverlust Rohrreibung\t20.3\tPa\t\n")));

    fenster.Schliessen->click();
    EXPECT_FALSE(fenster.isVisible());
}

TEST_F(KennwerteFenster, EinFehlgeschlagenerLaufNimmtDieKennwerteZurueck) {
    ASSERT_TRUE(Berechnen().empty());
    Form1.Button16->click();
    ASSERT_TRUE(Form1.Kennwerte->isVisible());

    std::filesystem::remove("kov.txt");
    std::filesystem::create_directory("kov.txt"); // the report cannot be written
    EXPECT_EQ(test::MeldungenAbfangen([this] {
                  Form1.Button2->click();
                  test::LaufAbwarten(Form1);
              }).size(),
              1);
    EXPECT_FALSE(Form1.Button16->isEnabled());
    EXPECT_FALSE(Form1.Kennwerte->isVisible());

    std::filesystem::remove("kov.txt");
    EXPECT_TRUE(test::MeldungenAbfangen([this] {
                    Form1.Button2->click();
                    test::LaufAbwarten(Form1);
                }).empty());
    EXPECT_TRUE(Form1.Button16->isEnabled());
}

} // namespace
} // namespace kov
