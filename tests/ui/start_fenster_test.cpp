#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/info_fenster.h"
#include "ui/start_fenster.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace kov {
namespace {

// "Neu" on a project without changes asks nothing
void ProjektNeuOhneFrage(TForm2& eingabe) {
    ASSERT_TRUE(eingabe.AenderungenKlaeren());
    ASSERT_TRUE(eingabe.ProjektNeu());
}

std::vector<QWidget*> SichtbareFenster() {
    std::vector<QWidget*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) fenster.push_back(w);
    return fenster;
}

QPushButton& Knopf(QWidget& fenster, const char* name) {
    auto* knopf = fenster.findChild<QPushButton*>(QString::fromLatin1(name));
    if (knopf == nullptr) throw std::runtime_error(std::string("kein Knopf ") + name);
    return *knopf;
}

// Runs the application's event loop with `ablauf` started from inside it, until the loop ends.
// Gives the exit code, or -1 when the loop was still running after five seconds.
int EreignisschleifeLaufenLassen(const std::function<void()>& ablauf) {
    QTimer start, notbremse;
    start.setSingleShot(true);
    notbremse.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, ablauf);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    start.start(0);
    notbremse.start(5000);
    return QApplication::exec();
}

class Startfenster : public ::testing::Test {
protected:
    void SetUp() override {
        Anwendung = std::make_unique<TAnwendung>();
        Anwendung->Form3().showMaximized();
    }
    void TearDown() override { Anwendung.reset(); }
    std::unique_ptr<TAnwendung> Anwendung;
};

TEST_F(Startfenster, NachDemStartIstNurDasStartfensterSichtbar) {
    TForm3& start = Anwendung->Form3();
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&start});
    EXPECT_FALSE(Anwendung->Form2().isVisible());
    EXPECT_FALSE(Anwendung->Form1().isVisible());
    EXPECT_FALSE(Anwendung->Form4().isVisible());
    EXPECT_TRUE(start.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(start.isMaximized());
    EXPECT_TRUE(start.geometry().contains(start.screen()->availableGeometry()));
    EXPECT_EQ(start.windowTitle(), QStringLiteral("ORB Programm"));
    // the painted background, away from every label and button
    const QImage bild = start.grab().toImage();
    EXPECT_EQ(bild.pixelColor(8, 8), QColor(0, 255, 0));
    EXPECT_EQ(bild.pixelColor(300, 580), QColor(0, 255, 0));
}

TEST_F(Startfenster, TexteKnoepfeUndBildSitzenAnIhrenPlaetzen) {
    TForm3& start = Anwendung->Form3();
    const struct {
        const char* Text;
        QRect Ort;
    } ueberschriften[] = {
        {"Programm  KOV - LT", {342, 39, 390, 45}},
        {"Berechnung von  Luft - Erdregistern", {380, 90, 314, 21}},
        {"Light - Version des Programms KOV", {380, 122, 322, 21}},
    };
    const auto labels = start.findChildren<QLabel*>();
    const auto mitText = [&](const QString& text) -> QLabel* {
        const auto it = std::find_if(labels.begin(), labels.end(),
                                     [&](QLabel* l) { return l->text() == text; });
        return it == labels.end() ? nullptr : *it;
    };
    for (const auto& u : ueberschriften) {
        QLabel* label = mitText(QString::fromUtf8(u.Text));
        ASSERT_NE(label, nullptr) << u.Text;
        // centred where it was laid out, and wide enough for the whole text in the font at hand
        EXPECT_EQ(label->y(), u.Ort.y()) << u.Text;
        EXPECT_LE(std::abs(label->geometry().center().x() - u.Ort.center().x()), 1) << u.Text;
        EXPECT_GE(label->width(), u.Ort.width()) << u.Text;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << u.Text;
        // never lower than laid out, and high enough for the font's descenders
        EXPECT_GE(label->height(), std::max(u.Ort.height(), label->fontMetrics().height()))
            << u.Text;
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter)) << u.Text;
        EXPECT_TRUE(label->font().bold()) << u.Text;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << u.Text;
    }

    // five contact lines in the left column; they must not run into the title or the picture
    int kontaktzeilen = 0;
    for (QLabel* label : labels) {
        if (label->x() != 49) continue;
        ++kontaktzeilen;
        const QString text = label->text();
        EXPECT_FALSE(text.isEmpty());
        EXPECT_LT(label->geometry().right(), 336) << text.toStdString();
        EXPECT_TRUE(label->font().bold()) << text.toStdString();
        EXPECT_EQ(label->font().pixelSize(), 15) << text.toStdString();
    }
    EXPECT_EQ(kontaktzeilen, 5);

    const struct {
        const char* Name;
        const char* Text;
        QRect Ort;
        bool Sichtbar;
    } knoepfe[] = {
        {"ButtonLaden", "Neues Projekt", {49, 217, 189, 40}, true},
        {"Button1", "Projekt laden", {49, 286, 189, 40}, true},
        {"Button2", "Info", {49, 354, 189, 41}, true},
        {"ButtonBeenden", "Beenden", {49, 423, 189, 41}, true},
    };
    for (const auto& k : knoepfe) {
        QPushButton& knopf = Knopf(start, k.Name);
        EXPECT_EQ(knopf.text(), QString::fromUtf8(k.Text)) << k.Name;
        EXPECT_EQ(knopf.geometry(), k.Ort) << k.Name;
        EXPECT_EQ(knopf.isVisible(), k.Sichtbar) << k.Name;
    }

    auto* bild = start.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(bild, nullptr);
    EXPECT_EQ(bild->geometry(), QRect(336, 160, 401, 329));
    EXPECT_TRUE(bild->hasScaledContents());
    EXPECT_EQ(bild->pixmap().size(), QSize(640, 480));
}

TEST_F(Startfenster, UnlesbaresBildLaesstDenRahmenLeer) {
    TForm3& start = Anwendung->Form3();
    auto* bild = start.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(bild, nullptr);
    const QByteArray echt = StartbildDaten();
    for (const QByteArray& daten :
         {QByteArray(), QByteArray("kein Bild"), echt.left(echt.size() / 2)}) {
        start.BildZeigen(echt);
        ASSERT_FALSE(bild->pixmap().isNull());
        start.BildZeigen(daten);
        EXPECT_TRUE(bild->pixmap().isNull()) << daten.size() << " Bytes";
        EXPECT_EQ(bild->geometry(), QRect(336, 160, 401, 329));
        EXPECT_TRUE(start.isVisible());
    }
}

TEST_F(Startfenster, NeuesProjektWechseltZumEingabefensterUndZurueck) {
    test::TArbeitsVerzeichnis arbeit;
    TForm3& start = Anwendung->Form3();
    TForm2& eingabe = Anwendung->Form2();
    QTest::mouseClick(&Knopf(start, "ButtonLaden"), Qt::LeftButton);
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&eingabe});

    // entries survive the round trip through the start window
    eingabe.ERohrlaenge->setText(QStringLiteral("42.5"));
    const QStringList ohneAntwort = test::FragenBeantworten({QStringLiteral("Abbrechen")},
                                                            [&] { eingabe.Schliessen->click(); });
    ASSERT_EQ(ohneAntwort.size(), 1);
    EXPECT_TRUE(ohneAntwort[0].contains(QStringLiteral("ungespeicherte Änderungen")));
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&eingabe}) << "Abbrechen bleibt";

    const QString datei = QDir::current().absoluteFilePath(QStringLiteral("rohr.kov"));
    eingabe.ProjektDateiDialog = [&](bool speichern) { return speichern ? datei : QString(); };
    EXPECT_EQ(
        test::FragenBeantworten({QStringLiteral("Speichern")}, [&] { eingabe.Schliessen->click(); })
            .size(),
        1);
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&start});
    ASSERT_TRUE(QFileInfo::exists(datei));

    QTest::mouseClick(&Knopf(start, "ButtonLaden"), Qt::LeftButton);
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&eingabe});
    EXPECT_EQ(eingabe.ERohrlaenge->text(), QStringLiteral("42.5"));

    // "Projekt laden" opens the chosen project in the input window; cancelling the dialog
    // stays on the start window
    ProjektNeuOhneFrage(eingabe);
    eingabe.Schliessen->click();
    EXPECT_EQ(eingabe.ERohrlaenge->text(), QStringLiteral("50.0"));
    eingabe.ProjektDateiDialog = [](bool) { return QString(); };
    QTest::mouseClick(&Knopf(start, "Button1"), Qt::LeftButton);
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&start}) << "abgebrochen";
    eingabe.ProjektDateiDialog = [&](bool speichern) { return speichern ? QString() : datei; };
    QTest::mouseClick(&Knopf(start, "Button1"), Qt::LeftButton);
    EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{&eingabe});
    EXPECT_EQ(eingabe.ERohrlaenge->text(), QStringLiteral("42.5"));
    EXPECT_EQ(eingabe.windowTitle(), QStringLiteral("KOV - Eingaben - rohr.kov"));
}

TEST_F(Startfenster, BeendenFragtNachUngespeichertenAenderungen) {
    TForm3& start = Anwendung->Form3();
    TForm2& eingabe = Anwendung->Form2();
    eingabe.ETiefe->setText(QStringLiteral("2.5"));
    EXPECT_EQ(eingabe.windowTitle(), QStringLiteral("KOV - Eingaben *"));
    const QStringList abgebrochen = test::FragenBeantworten({QStringLiteral("Abbrechen")}, [&] {
        QTest::mouseClick(&Knopf(start, "ButtonBeenden"), Qt::LeftButton);
    });
    EXPECT_EQ(abgebrochen.size(), 1);
    EXPECT_TRUE(start.isVisible()) << "Abbrechen lässt das Programm offen";

    const QStringList verworfen = test::FragenBeantworten({QStringLiteral("Verwerfen")}, [&] {
        QTest::mouseClick(&Knopf(start, "ButtonBeenden"), Qt::LeftButton);
    });
    EXPECT_EQ(verworfen.size(), 1);
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(eingabe.ETiefe->text(), QStringLiteral("1.00")) << "verworfen";
}

TEST_F(Startfenster, InfoZweimalZeigtEinInfofenster) {
    TForm3& start = Anwendung->Form3();
    for (int klick = 1; klick <= 2; ++klick) {
        QTest::mouseClick(&Knopf(start, "Button2"), Qt::LeftButton);
        auto sichtbar = SichtbareFenster();
        std::sort(sichtbar.begin(), sichtbar.end());
        std::vector<QWidget*> erwartet{&start, &Anwendung->Form4()};
        std::sort(erwartet.begin(), erwartet.end());
        EXPECT_EQ(sichtbar, erwartet) << "nach Klick " << klick;
    }
    int infofenster = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TForm4*>(w) != nullptr) ++infofenster;
    EXPECT_EQ(infofenster, 1);
}

TEST_F(Startfenster, BeendenEndetDasProgrammAuchMitOffenemInfofenster) {
    TForm3& start = Anwendung->Form3();
    bool infoWarOffen = false, beendet = false;
    QObject empfaenger;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &empfaenger, [&] { beendet = true; });
    const int code = EreignisschleifeLaufenLassen([&] {
        QTest::mouseClick(&Knopf(start, "Button2"), Qt::LeftButton);
        infoWarOffen = Anwendung->Form4().isVisible();
        QTest::mouseClick(&Knopf(start, "ButtonBeenden"), Qt::LeftButton);
    });
    EXPECT_TRUE(infoWarOffen);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(beendet);
    EXPECT_TRUE(SichtbareFenster().empty());
}

// With the start window hidden, closing the last visible window must not end the program; only
// closing the start window does.
TEST_F(Startfenster, NurDasStartfensterBeendetDasProgramm) {
    TForm3& start = Anwendung->Form3();
    TForm4& info = Anwendung->Form4();
    bool liefNochNachDemSchliessen = false;
    const int code = EreignisschleifeLaufenLassen([&] {
        start.hide();
        info.show();
        info.close();
        QTimer::singleShot(100, &start, [&] {
            liefNochNachDemSchliessen = true;
            start.show();
            start.close();
        });
    });
    EXPECT_TRUE(liefNochNachDemSchliessen);
    EXPECT_EQ(code, 0);
}

// Closing the start window with no event loop running (as tests and early start-up do) must not
// leave the thread marked as quitting.
TEST_F(Startfenster, SchliessenOhneEreignisschleifeStoertSpaetereSchleifenNicht) {
    Anwendung->Form3().close();
    EXPECT_FALSE(Anwendung->Form3().isVisible());
    QEventLoop schleife;
    QTimer::singleShot(10, &schleife, [&] { schleife.exit(3); });
    EXPECT_EQ(schleife.exec(), 3);
}

} // namespace
} // namespace kov
