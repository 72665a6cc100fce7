#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/info_fenster.h"
#include "ui/sprache.h"
#include "ui/start_fenster.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
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
#include <vector>

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

struct TStartTeile {
    std::vector<QLabel*> Ueberschriften; // top to bottom
    std::vector<QLabel*> Kontakt;        // top to bottom
    std::vector<QPushButton*> Knoepfe;   // top to bottom
    QLabel* Bild = nullptr;
};

TStartTeile TeileSuchen(TForm3& start) {
    TStartTeile t;
    const auto label = [&](const QString& name) {
        auto* l = start.findChild<QLabel*>(name);
        if (l == nullptr) throw std::runtime_error("kein " + name.toStdString());
        return l;
    };
    for (int i = 1; i <= 3; ++i)
        t.Ueberschriften.push_back(label(QStringLiteral("Label%1").arg(i)));
    for (int i = 4; i <= 8; ++i)
        t.Kontakt.push_back(label(QStringLiteral("Label%1").arg(i)));
    for (const char* name : {"ButtonLaden", "Button1", "Button2", "ButtonBeenden"})
        t.Knoepfe.push_back(&Knopf(start, name));
    t.Bild = label(QStringLiteral("Image1"));
    return t;
}

// What must hold for the title page in any language: the contact lines and under them the
// buttons in one left-aligned column, the headings centred over the picture in a second column
// clear of the first, every text whole and no widget below its classic size.
QStringList AnordnungPruefen(TForm3& start) {
    QStringList fehler;
    const auto pruefen = [&](bool gut, const QString& was) {
        if (!gut) fehler << was;
    };
    const TStartTeile t = TeileSuchen(start);
    const int links = t.Kontakt.front()->x();
    int rechtsLinks = 0, unten = 0;
    for (QLabel* l : t.Kontakt) {
        pruefen(l->x() == links, l->text() + QStringLiteral(": nicht linksbündig"));
        pruefen(l->y() > unten, l->text() + QStringLiteral(": nicht unter der vorigen Zeile"));
        unten = l->y();
        rechtsLinks = std::max(rechtsLinks, l->geometry().right());
    }
    const int breite = t.Knoepfe.front()->width();
    for (QPushButton* k : t.Knoepfe) {
        const QString name = k->objectName();
        pruefen(k->isVisible() && k->isEnabled(), name + QStringLiteral(": nicht bedienbar"));
        pruefen(k->x() == links, name + QStringLiteral(": nicht linksbündig"));
        pruefen(k->y() > unten + 20, name + QStringLiteral(": nicht unter dem Vorigen"));
        pruefen(k->width() >= 189 && k->height() >= 40, name + QStringLiteral(": zu klein"));
        pruefen(k->width() >= k->sizeHint().width(), name + QStringLiteral(": Text abgeschnitten"));
        pruefen(k->width() == breite, name + QStringLiteral(": anders breit als die anderen"));
        unten = k->geometry().bottom();
        rechtsLinks = std::max(rechtsLinks, k->geometry().right());
    }
    pruefen(t.Bild->size() == QSize(401, 329) && t.Bild->hasScaledContents(),
            QStringLiteral("Bild nicht 401 x 329 gestreckt"));
    pruefen(t.Bild->x() > rechtsLinks, QStringLiteral("Bild überdeckt die linke Spalte"));
    const int mitte = t.Bild->geometry().center().x();
    unten = 0;
    for (QLabel* l : t.Ueberschriften) {
        pruefen(l->y() > unten, l->text() + QStringLiteral(": nicht unter der vorigen"));
        pruefen(l->geometry().bottom() <= t.Bild->y() + 12,
                l->text() + QStringLiteral(": nicht über dem Bild"));
        // the classic rectangles were centred within a few pixels of the picture's centre
        pruefen(std::abs(l->geometry().center().x() - mitte) <= 5,
                l->text() + QStringLiteral(": nicht über dem Bild zentriert"));
        pruefen(l->x() > rechtsLinks, l->text() + QStringLiteral(": in der linken Spalte"));
        pruefen(l->alignment().testFlag(Qt::AlignHCenter),
                l->text() + QStringLiteral(": nicht zentriert"));
        unten = l->y();
    }
    for (const auto* l : t.Kontakt)
        pruefen(l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
                l->text() + QStringLiteral(": abgeschnitten"));
    for (const auto* l : t.Ueberschriften)
        pruefen(l->contentsRect().width() >= l->fontMetrics().horizontalAdvance(l->text()),
                l->text() + QStringLiteral(": abgeschnitten"));
    return fehler;
}

TEST_F(Startfenster, TexteKnoepfeUndBildInIhrerOrdnung) {
    TForm3& start = Anwendung->Form3();
    EXPECT_EQ(AnordnungPruefen(start).join(QLatin1Char('\n')).toStdString(), "");
    const TStartTeile t = TeileSuchen(start);
    const char* ueberschriften[] = {"Programm  KOV - LT", "Berechnung von  Luft - Erdregistern",
                                    "Light - Version des Programms KOV"};
    for (std::size_t i = 0; i < 3; ++i) {
        QLabel* l = t.Ueberschriften[i];
        EXPECT_EQ(l->text(), QString::fromUtf8(ueberschriften[i]));
        EXPECT_TRUE(l->font().bold()) << ueberschriften[i];
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << ueberschriften[i];
    }
    EXPECT_EQ(t.Ueberschriften[0]->font().pixelSize(), 38);
    for (QLabel* l : t.Kontakt) {
        EXPECT_FALSE(l->text().isEmpty());
        EXPECT_TRUE(l->font().bold()) << l->text().toStdString();
        EXPECT_EQ(l->font().pixelSize(), 15) << l->text().toStdString();
    }
    const char* knoepfe[] = {"Neues Projekt", "Projekt laden", "Info", "Beenden"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(t.Knoepfe[i]->text(), QString::fromUtf8(knoepfe[i]));
    EXPECT_EQ(t.Bild->pixmap().size(), QSize(640, 480));

    // German texts fit the classic rectangles, so the page looks as it was laid out
    EXPECT_EQ(t.Knoepfe[0]->geometry(), QRect(49, 217, 189, 40));
    EXPECT_EQ(t.Knoepfe[3]->geometry(), QRect(49, 423, 189, 41));
    EXPECT_EQ(t.Bild->geometry(), QRect(336, 160, 401, 329));
    EXPECT_EQ(t.Ueberschriften[2]->geometry().topLeft(), QPoint(380, 122));
}

// A translation longer than the classic room widens its widget and pushes the picture's column
// on; nothing is cut, nothing overlaps, and the German page comes back with the German texts.
TEST_F(Startfenster, LaengereTexteLassenIhrenPlatzWachsen) {
    TForm3& start = Anwendung->Form3();
    const TStartTeile t = TeileSuchen(start);
    const QRect bildVorher = t.Bild->geometry();
    const QString lang = QStringLiteral("Design of earth-air heat exchangers for every building");
    const struct {
        const char* Fall;
        QWidget* Widget;
        int SchiebtBild; // -1: as far as the font needs
    } faelle[] = {
        {"Kontaktzeile", t.Kontakt[1], 1},
        {"Knopf", t.Knoepfe[1], 1},
        {"Überschrift", t.Ueberschriften[1], -1},
    };
    for (const auto& f : faelle) {
        auto* label = qobject_cast<QLabel*>(f.Widget);
        auto* knopf = qobject_cast<QPushButton*>(f.Widget);
        const QString alt = label ? label->text() : knopf->text();
        const QSize groesseVorher = f.Widget->size();
        label ? label->setText(lang) : knopf->setText(lang);
        start.layout()->activate();
        EXPECT_GT(f.Widget->width(), groesseVorher.width()) << f.Fall;
        EXPECT_EQ(f.Widget->height(), groesseVorher.height()) << f.Fall;
        EXPECT_EQ(AnordnungPruefen(start).join(QLatin1Char('\n')).toStdString(), "") << f.Fall;
        if (f.SchiebtBild >= 0) {
            EXPECT_EQ(t.Bild->x() > bildVorher.x(), f.SchiebtBild == 1) << f.Fall;
        }
        EXPECT_EQ(t.Bild->y(), bildVorher.y()) << f.Fall;
        label ? label->setText(alt) : knopf->setText(alt);
        start.layout()->activate();
        EXPECT_EQ(t.Bild->geometry(), bildVorher) << f.Fall;
        EXPECT_EQ(f.Widget->size(), groesseVorher) << f.Fall;
    }
}

TEST_F(Startfenster, EnglischInDerselbenOrdnung) {
    TUebersetzung englisch;
    ASSERT_TRUE(englisch.Laden(QStringLiteral("en")));
    TForm3 start;
    start.resize(846, 619);
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    EXPECT_EQ(Knopf(start, "ButtonBeenden").text(), QStringLiteral("Quit"));
    EXPECT_EQ(AnordnungPruefen(start).join(QLatin1Char('\n')).toStdString(), "");
    englisch.Laden(QStringLiteral("de"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
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
