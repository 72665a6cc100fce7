// Pictures of the views of the ventilation unit, the hourly view, the control comparison and the
// operating-times editor for the documentation. Runs only when KOV_SCREENSHOT_DIR names the
// directory to write them to.

#include "test_hilfen.h"
#include "ui/anlage_ansicht.h"
#include "ui/auswertungs_fenster.h"
#include "ui/betriebszeiten_dialog.h"
#include "ui/regelungs_vergleich.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Bildschirmfotos, AnlageStundenRegelungUndBetriebszeiten) {
    const QString ziel = qEnvironmentVariable("KOV_SCREENSHOT_DIR");
    if (ziel.isEmpty()) GTEST_SKIP() << "KOV_SCREENSHOT_DIR ist nicht gesetzt";
    const QDir verzeichnis(QDir(ziel).absolutePath());
    ASSERT_TRUE(verzeichnis.exists());
    test::TArbeitsVerzeichnis arbeit;

    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WRG = true;
    p.Betriebszeiten = "Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6";
    const auto a = std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p));

    TAuswertungsFenster fenster;
    QSignalSpy verglichen(fenster.Vergleich, &TRegelungsVergleich::Verglichen);
    fenster.Anzeigen(a);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    const auto foto = [&](QWidget* reiter, const char* datei) {
        fenster.Reiter->setCurrentWidget(reiter);
        QTest::qWait(300);
        EXPECT_TRUE(fenster.grab().save(verzeichnis.filePath(QString::fromLatin1(datei))));
    };
    foto(fenster.Anlage, "auswertung_anlage.png");
    // a winter week in January, the second full week
    fenster.Stunden->ZeitraumSetzen(8, 7);
    foto(fenster.Stunden, "auswertung_stunden.png");
    ASSERT_TRUE(verglichen.count() > 0 || verglichen.wait(60000));
    auto* kennwerte = qobject_cast<QScrollArea*>(fenster.Reiter->widget(4));
    ASSERT_NE(kennwerte, nullptr);
    kennwerte->verticalScrollBar()->setValue(kennwerte->verticalScrollBar()->maximum());
    foto(kennwerte, "auswertung_regelung.png");

    TBetriebszeitenDialog dialog(nullptr, p.Betriebszeiten);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(200);
    EXPECT_TRUE(dialog.grab().save(verzeichnis.filePath(QStringLiteral("betriebszeiten.png"))));
    dialog.Kurzform->setText(QStringLiteral("Mo-Fr 18-7"));
    QTest::qWait(100);
    EXPECT_TRUE(
        dialog.grab().save(verzeichnis.filePath(QStringLiteral("betriebszeiten_fehler.png"))));
}

} // namespace
} // namespace kov
