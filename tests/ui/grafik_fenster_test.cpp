#include "ui/grafik_fenster.h"

#include "ablauf/simulation.h"
#include "fenster_hilfen.h"
#include "model/fehler.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_zeichnung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace kov {
namespace {

struct TMonat {
    const char* Name;
    int ErsteStunde;
    int Tage;
};

const std::array<TMonat, 13> Monate{{{"", 0, 0},
                                     {"Januar", 1, 31},
                                     {"Februar", 745, 28},
                                     {"März", 1417, 31},
                                     {"April", 2161, 30},
                                     {"Mai", 2881, 31},
                                     {"Juni", 3625, 30},
                                     {"Juli", 4345, 31},
                                     {"August", 5089, 31},
                                     {"September", 5833, 30},
                                     {"Oktober", 6553, 31},
                                     {"November", 7297, 30},
                                     {"Dezember", 8017, 31}}};

// What the bitmap must hold after month m was drawn from these series.
QImage MonatsBild(const TStundenReihen& reihen, int m) {
    QImage bild(632, 440, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const TMonat& monat = Monate[static_cast<std::size_t>(m)];
    Achsen(bild, 0.8, QString::fromUtf8(monat.Name),
           QStringLiteral("Ein- und Austrittstemperaturen Erdregister"), 0, monat.Tage, -15, 35,
           QStringLiteral("Tage"), QStringLiteral("Temperatur [°C]"), 0);
    ZeichneGrafik(bild, 0.8, reihen, monat.ErsteStunde, 24 * monat.Tage, 35, -15);
    return bild;
}

// Every step of the progress bar, with the cursor at that moment and, on request, the chart.
struct TFortschrittsProtokoll {
    std::vector<int> Werte;
    std::vector<bool> Sanduhr;
    std::size_t BildBeiSchritt = 0; // 1-based; 0: no picture
    QImage Bild;

    void Verbinden(TAnwendung& anwendung) {
        QObject::connect(anwendung.Form2().ProgressBar1, &QProgressBar::valueChanged,
                         [this, &anwendung](int wert) {
                             Werte.push_back(wert);
                             const QCursor* zeiger = QApplication::overrideCursor();
                             Sanduhr.push_back(zeiger != nullptr &&
                                               zeiger->shape() == Qt::WaitCursor);
                             if (Werte.size() == BildBeiSchritt) Bild = anwendung.Grafik().Bild;
                         });
    }
};

class GrafikFenster : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm1& Form1 = Anwendung.Form1();
    TForm2& Form2 = Anwendung.Form2();

    TRegisterParameter& P() { return Anwendung.Kontext().Parameter; }
    const TStundenReihen& Reihen() { return Anwendung.Kontext().Reihen; }

    QStringList Berechnen() {
        Form2.show();
        return test::BerechnenUndAbwarten(Form2, Form1);
    }
};

TEST_F(GrafikFenster, BerechnenRechnetZeichnetJedenMonatUndZeigtDenJanuar) {
    TFortschrittsProtokoll protokoll;
    protokoll.BildBeiSchritt = 25; // the end of the run, before January is drawn
    protokoll.Verbinden(Anwendung);

    EXPECT_TRUE(Berechnen().empty());

    // 24 month charts: the bar runs 1..12, starts over, and is set to 12 at the end;
    // "Berechnen" then draws January, one step more
    std::vector<int> erwartet;
    for (int monat = 1; monat <= 12; ++monat)
        erwartet.push_back(monat);
    erwartet.push_back(0);
    for (int monat = 1; monat <= 11; ++monat)
        erwartet.push_back(monat);
    erwartet.push_back(12);
    erwartet.push_back(0);
    EXPECT_EQ(protokoll.Werte, erwartet);
    ASSERT_EQ(protokoll.Sanduhr.size(), 26u);
    for (std::size_t i = 0; i < 25; ++i)
        EXPECT_TRUE(protokoll.Sanduhr[i]) << "Schritt " << i + 1 << " ohne Sanduhr";
    EXPECT_FALSE(protokoll.Sanduhr[25]) << "Januar nach dem Lauf";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_TRUE(Form1.isVisible());
    EXPECT_TRUE(Form1.LetzterLaufFehlerfrei());
    // the fields show every digit, so the run keeps the defaults
    EXPECT_EQ(P().DRohr, 0.1922);
    EXPECT_EQ(P().WandstaerkeRohr, 0.0039);
    EXPECT_TRUE(test::BilderGleich(protokoll.Bild, MonatsBild(Reihen(), 12)))
        << "nach dem Lauf steht der Dezember";
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, MonatsBild(Reihen(), 1)));
    // the window shows the bitmap right of the button column
    const QRect zeichenfeld(133, 0, 499, 440);
    EXPECT_TRUE(test::BilderGleich(Form1.grab().toImage().copy(zeichenfeld),
                                   Anwendung.Grafik().Bild.copy(zeichenfeld)));
}

TEST_F(GrafikFenster, BerichtGleichDemLaufDesKerns) {
    ASSERT_TRUE(Berechnen().empty());
    const std::string gui = test::DateiInhalt("kov.txt");
    ASSERT_GT(gui.size(), 100000u);

    // the default GUI run is the default run of the core: the same report byte for byte
    auto kern = test::NeuerKontext();
    StandardwerteSetzen(*kern);
    std::filesystem::rename("kov.txt", "gui.txt");
    SimulationAusfuehren(*kern);
    EXPECT_TRUE(test::DateiInhalt("kov.txt") == gui) << "Berichte weichen ab";
    EXPECT_TRUE(kern->Reihen.Taus == Reihen().Taus);
}

TEST_F(GrafikFenster, MonatsKnoepfeZeichnenAusDenGespeichertenReihen) {
    ASSERT_TRUE(Berechnen().empty());
    const std::string bericht = test::DateiInhalt("kov.txt");
    const std::array<QPushButton*, 13> knoepfe{
        nullptr,        Form1.Button3,  Form1.Button4, Form1.Button5,  Form1.Button6,
        Form1.Button7,  Form1.Button8,  Form1.Button9, Form1.Button10, Form1.Button11,
        Form1.Button12, Form1.Button13, Form1.Button14};
    for (int m = 12; m >= 1; --m) {
        QPushButton* knopf = knoepfe[static_cast<std::size_t>(m)];
        const char* name = Monate[static_cast<std::size_t>(m)].Name;
        EXPECT_EQ(knopf->text().toStdString(), name);
        const int schritt = Form2.ProgressBar1->value();
        knopf->click();
        EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, MonatsBild(Reihen(), m))) << name;
        EXPECT_EQ(Form2.ProgressBar1->value(), (schritt + 1) % 13) << name;
    }
    // a second click draws the same chart again and only moves the bar on
    Form1.Button9->click();
    const QImage juli = Anwendung.Grafik().Bild;
    Form1.Button9->click();
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, juli));
    EXPECT_EQ(test::DateiInhalt("kov.txt"), bericht) << "Zeichnen rechnet nicht";
}

TEST_F(GrafikFenster, CopyLegtDieGrafikInDieZwischenablage) {
    ASSERT_TRUE(Berechnen().empty());
    Form1.Button9->click();
    QGuiApplication::clipboard()->clear();
    Form1.Button15->click();
    const QImage ablage = QGuiApplication::clipboard()->image();
    EXPECT_EQ(ablage.size(), QSize(632, 440));
    EXPECT_TRUE(test::BilderGleich(ablage, Anwendung.Grafik().Bild));
}

TEST_F(GrafikFenster, BerechnungImFensterRechnetMitDenNeuenEingaben) {
    ASSERT_TRUE(Berechnen().empty());
    const std::string erster = test::DateiInhalt("kov.txt");

    // a malformed field refuses the run and leaves report and chart
    Form2.EKuehlgrenze->setText(QStringLiteral("18°"));
    const QImage januar = Anwendung.Grafik().Bild;
    QStringList meldungen = test::MeldungenAbfangen([this] {
        Form1.Button2->click();
        test::LaufAbwarten(Form1);
    });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.front().contains(QStringLiteral("Kühlgrenze")));
    EXPECT_EQ(test::DateiInhalt("kov.txt"), erster);
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, januar));
    EXPECT_EQ(P().Kuehlgrenze, 12.0);

    Form2.EKuehlgrenze->setText(QStringLiteral("18"));
    Form2.EHeizgrenze->setText(QStringLiteral("8"));
    TFortschrittsProtokoll protokoll;
    protokoll.Verbinden(Anwendung);
    meldungen = test::MeldungenAbfangen([this] {
        Form1.Button2->click();
        test::LaufAbwarten(Form1);
    });
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(P().Kuehlgrenze, 18.0);
    EXPECT_EQ(P().Heizgrenze, 8.0);
    EXPECT_TRUE(Form1.isVisible());
    EXPECT_EQ(protokoll.Werte.size(), 25u) << "24 Monate und das Ende, kein Januar danach";
    EXPECT_NE(test::DateiInhalt("kov.txt"), erster);
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, MonatsBild(Reihen(), 12)));
}

TEST_F(GrafikFenster, DateifehlerImLaufWirdGemeldetUndDieSanduhrAufgehoben) {
    std::filesystem::create_directory("kov.txt"); // the report cannot be created
    const QImage vorher = Anwendung.Grafik().Bild;

    const QStringList meldungen = Berechnen();

    ASSERT_EQ(meldungen.size(), 1);
    const QString text = meldungen.front();
    EXPECT_EQ(text, QStringLiteral("Keine gewöhnliche Datei, sondern ein Ordner: kov.txt"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Form1.LetzterLaufFehlerfrei());
    EXPECT_FALSE(Form1.LaufAktiv());
    EXPECT_TRUE(Form1.isVisible()) << "das Fenster bleibt mit dem bisher Gezeichneten stehen";
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, vorher))
        << "kein Monat gerechnet, also auch kein Januar gezeichnet";

    std::filesystem::remove("kov.txt");
    EXPECT_TRUE(test::MeldungenAbfangen([this] {
                    Form1.Button2->click();
                    test::LaufAbwarten(Form1);
                }).empty());
    EXPECT_TRUE(Form1.LetzterLaufFehlerfrei());
}

TEST_F(GrafikFenster, EingabefensterSchliesstDasGrafikfensterNurAusserhalbDesLaufs) {
    struct TFall {
        const char* Name;
        void (*Zurueck)(TForm2&);
    };
    const TFall faelle[] = {
        {"Aktivierung",
         [](TForm2& f) {
             QEvent aktiviert(QEvent::WindowActivate);
             QApplication::sendEvent(&f, &aktiviert);
         }},
        {"Klick auf den Hintergrund",
         [](TForm2& f) { QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(10, 400)); }},
    };
    for (const TFall& f : faelle) {
        // the input window turning active while the run shows the chart must not end it
        bool schonZurueck = false;
        const auto verbindung =
            QObject::connect(Form2.ProgressBar1, &QProgressBar::valueChanged, [&] {
                if (schonZurueck) return;
                schonZurueck = true;
                f.Zurueck(Form2);
            });
        ASSERT_TRUE(Berechnen().empty()) << f.Name;
        QObject::disconnect(verbindung);
        EXPECT_TRUE(schonZurueck) << f.Name;
        EXPECT_TRUE(Form1.isVisible()) << f.Name << " während des Laufs";

        f.Zurueck(Form2);
        EXPECT_FALSE(Form1.isVisible()) << f.Name << " nach dem Lauf";
    }
}

// The buttons in their classic column over the chart's left panel: all as wide, tops in the
// classic order; a longer caption widens the whole column, and the chart moves right just so far
// that its plot panel stays uncovered. The drawing itself does not change.
TEST_F(GrafikFenster, KnopfspalteWaechstMitDemLaengstenText) {
    const std::array<QPushButton*, 18> spalte{
        Form1.Button2,  Form1.Button3,  Form1.Button4,  Form1.Button5,  Form1.Button6,
        Form1.Button7,  Form1.Button8,  Form1.Button9,  Form1.Button10, Form1.Button11,
        Form1.Button12, Form1.Button13, Form1.Button14, Form1.Button15, Form1.Button1,
        Form1.Button16, Form1.Button17, Form1.Button18};
    auto* zeichnung = Form1.findChild<QWidget*>(QStringLiteral("Zeichenflaeche"));
    ASSERT_NE(zeichnung, nullptr);
    const int plotLinks = PixelX(0.21, 0.8); // the plot panel's left edge in the bitmap: 133
    const auto pruefen = [&](const char* fall, int breiteMindestens) {
        Form1.layout()->activate();
        int oben = -1;
        for (QPushButton* k : spalte) {
            const std::string name = k->objectName().toStdString();
            EXPECT_EQ(k->x(), 16) << fall << ": " << name;
            EXPECT_EQ(k->width(), spalte[0]->width()) << fall << ": " << name;
            EXPECT_GE(k->width(), std::max(breiteMindestens, k->sizeHint().width()))
                << fall << ": " << name;
            EXPECT_EQ(k->height(), 25) << fall << ": " << name;
            EXPECT_GT(k->y(), oben) << fall << ": " << name;
            oben = k->y();
            // the buttons stand in front of the chart
            EXPECT_EQ(Form1.childAt(k->geometry().center()), k) << fall << ": " << name;
        }
        EXPECT_EQ(zeichnung->size(), QSize(632, 440)) << fall;
        EXPECT_EQ(zeichnung->y(), 0) << fall;
        EXPECT_GT(zeichnung->x() + plotLinks, spalte[0]->geometry().right()) << fall;
        EXPECT_GE(Form1.minimumWidth(), zeichnung->geometry().right() + 1) << fall;
        return zeichnung->x();
    };

    // German captions fit the classic 89 x 25 at x = 16, y = 8, 40, 64, ..., 456
    EXPECT_EQ(pruefen("deutsch", 89), 0);
    EXPECT_EQ(spalte[0]->geometry(), QRect(16, 8, 89, 25));
    EXPECT_EQ(spalte[1]->y(), 40);
    EXPECT_EQ(spalte[17]->y(), 456);
    EXPECT_EQ(Form1.minimumSize(), QSize(645, 483));

    const struct {
        const char* Fall;
        const char* Text;
        bool Verschiebt;
    } faelle[] = {
        {"etwas länger", "September 30", false},
        {"viel länger", "September of the second design year", true},
    };
    for (const auto& f : faelle) {
        Form1.Button11->setText(QString::fromUtf8(f.Text));
        const int versatz = pruefen(f.Fall, Form1.Button11->sizeHint().width());
        EXPECT_GT(spalte[0]->width(), 89) << f.Fall;
        EXPECT_EQ(versatz > 0, f.Verschiebt) << f.Fall;
    }
    Form1.Button11->setText(QStringLiteral("September"));
    EXPECT_EQ(pruefen("zurück", 89), 0);
    EXPECT_EQ(spalte[0]->width(), 89);
}

} // namespace
} // namespace kov
