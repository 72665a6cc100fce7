// Pictures of the input window and of the chart window for the documentation. Runs only when
// KOV_SCREENSHOT_DIR names the directory to write them to; "grafik_lauf.png" is taken from
// the screen while the run is in its first pass, to see that months appear as they are drawn.

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/diagramm_ansicht.h"
#include "ui/eingabe_fenster.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/kennwerte_fenster.h"
#include "ui/klima_check_anzeige.h"
#include "ui/klima_dialog.h"
#include "ui/parameter_dialog.h"
#include "ui/start_fenster.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Bildschirmfotos, EingabeUndGrafikfenster) {
    const QString ziel = qEnvironmentVariable("KOV_SCREENSHOT_DIR");
    if (ziel.isEmpty()) GTEST_SKIP() << "KOV_SCREENSHOT_DIR ist nicht gesetzt";
    const QDir verzeichnis(QDir(ziel).absolutePath());
    ASSERT_TRUE(verzeichnis.exists());
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    TForm1& grafik = anwendung.Form1();

    // the start window over the whole screen, with "Projekt laden"
    anwendung.Form3().showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&anwendung.Form3()));
    QTest::qWait(300);
    EXPECT_TRUE(anwendung.Form3().grab().save(verzeichnis.filePath(QStringLiteral("start.png"))));
    anwendung.Form3().hide();

    eingabe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&eingabe));
    QTest::qWait(200);
    EXPECT_TRUE(eingabe.grab().save(verzeichnis.filePath(QStringLiteral("eingabe.png"))));

    // the dialog of every parameter, on its first page and on the page with the month rows
    {
        TParameterDialog dialog(&eingabe, eingabe.AktuelleParameter(), {});
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(200);
        EXPECT_TRUE(dialog.grab().save(verzeichnis.filePath(QStringLiteral("parameter.png"))));
        dialog.Seiten->setCurrentIndex(3);
        dialog.Feld("AnteilKeller")->setText(QStringLiteral("1,5"));
        QTest::qWait(200);
        EXPECT_TRUE(
            dialog.grab().save(verzeichnis.filePath(QStringLiteral("parameter_keller.png"))));
        dialog.reject();
    }

    const auto verbindung =
        QObject::connect(eingabe.ProgressBar1, &QProgressBar::valueChanged, [&](int wert) {
            if (wert != 6 || !grafik.LaufAktiv()) return;
            QScreen* bildschirm = QGuiApplication::primaryScreen();
            bildschirm->grabWindow(0).save(verzeichnis.filePath(QStringLiteral("grafik_lauf.png")));
        });
    eingabe.Berechnen->click();
    ASSERT_TRUE(test::LaufAbwarten(grafik));
    QObject::disconnect(verbindung);
    ASSERT_TRUE(grafik.LetzterLaufFehlerfrei());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grafik));
    QTest::qWait(200);
    EXPECT_TRUE(grafik.grab().save(verzeichnis.filePath(QStringLiteral("grafik_januar.png"))));
    grafik.Button9->click();
    QTest::qWait(200);
    EXPECT_TRUE(grafik.grab().save(verzeichnis.filePath(QStringLiteral("grafik_juli.png"))));
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        verzeichnis.filePath(QStringLiteral("bildschirm.png")));

    grafik.Button16->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grafik.Kennwerte));
    QTest::qWait(200);
    EXPECT_TRUE(
        grafik.Kennwerte->grab().save(verzeichnis.filePath(QStringLiteral("kennwerte.png"))));
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        verzeichnis.filePath(QStringLiteral("bildschirm_kennwerte.png")));
    grafik.Kennwerte->hide();

    // the evaluation window with each view, the pointer over the year for its value
    grafik.Button17->click();
    TAuswertungsFenster& auswertung = *grafik.Auswertung;
    auswertung.move(10, 10);
    auswertung.resize(1200, 760);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&auswertung));
    for (const TAnsicht ansicht : AlleAnsichten) {
        auswertung.AnsichtWaehlen(ansicht);
        QTest::qWait(200);
        if (TDiagrammAnsicht* diagramm = auswertung.Diagramm(ansicht)) {
            const QRectF flaeche = diagramm->chart()->plotArea();
            const QPoint ort = diagramm->mapFromScene(diagramm->chart()->mapToScene(
                flaeche.topLeft() + QPointF(flaeche.width() * 0.55, flaeche.height() * 0.3)));
            QMouseEvent bewegung(QEvent::MouseMove, QPointF(ort),
                                 diagramm->viewport()->mapToGlobal(QPointF(ort)), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(diagramm->viewport(), &bewegung);
            QTest::qWait(100);
        }
        EXPECT_TRUE(auswertung.grab().save(verzeichnis.filePath(
            QStringLiteral("auswertung_") + AnsichtDateiName(ansicht) + QStringLiteral(".png"))));
    }
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        verzeichnis.filePath(QStringLiteral("bildschirm_auswertung.png")));
}

TEST(Bildschirmfotos, KlimaAuswahlUndKlimacheck) {
    const QString ziel = qEnvironmentVariable("KOV_SCREENSHOT_DIR");
    if (ziel.isEmpty()) GTEST_SKIP() << "KOV_SCREENSHOT_DIR ist nicht gesetzt";
    const QDir verzeichnis(QDir(ziel).absolutePath());
    ASSERT_TRUE(verzeichnis.exists());
    test::TArbeitsVerzeichnis arbeit;
    {
        TKlimaDialog dialog(nullptr, "TRY2045-12-Wint");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(200);
        EXPECT_TRUE(dialog.grab().save(verzeichnis.filePath(QStringLiteral("klima_auswahl.png"))));
    }
    // the evaluation's Kennwerte with the climate check of Mannheim's region
    TAnwendung anwendung;
    anwendung.Kontext().Parameter.Klima = "TRY2015-12-Jahr";
    anwendung.Form2().show();
    anwendung.Form2().Berechnen->click();
    ASSERT_TRUE(test::LaufAbwarten(anwendung.Form1()));
    anwendung.Form1().Button17->click();
    TAuswertungsFenster& auswertung = *anwendung.Form1().Auswertung;
    auswertung.resize(1200, 900);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&auswertung));
    auswertung.AnsichtWaehlen(TAnsicht::Kennwerte);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !auswertung.KlimaCheck->Tabelle->isHidden(); }, 300000));
    QTest::qWait(200);
    EXPECT_TRUE(
        auswertung.grab().save(verzeichnis.filePath(QStringLiteral("auswertung_klimacheck.png"))));
}

} // namespace
} // namespace kov
