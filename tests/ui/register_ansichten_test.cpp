// The register model where the user meets it in the windows: the choice "Rechenmodell" with its
// sentence in "Weitere Parameter", and the cross-section of the ground in the evaluation window,
// computed on its worker. With KOV_SCREENSHOT_DIR set, both are also saved as pictures.
#include "ablauf/auswertungs_lauf.h"
#include "files/wetter.h"
#include "register/kennwerte.h"
#include "register/register_lauf.h"
#include "ui/auswertungs_fenster.h"
#include "ui/kennwert_vorschau.h"
#include "ui/parameter_dialog.h"
#include "ui/querschnitt_ansicht.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

QString BilderOrdner() {
    const QString ziel = qEnvironmentVariable("KOV_SCREENSHOT_DIR");
    return ziel.isEmpty() ? QString() : QDir(ziel).absolutePath();
}

TEST(RegisterAnsichten, RechenmodellIsAChoiceWithASentenceOnEachModel) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    TParameterDialog dialog(nullptr, p, {});
    auto* wahl = dialog.findChild<QComboBox*>(QStringLiteral("ModellWahl"));
    auto* satz = dialog.findChild<QLabel*>(QStringLiteral("ModellSatz"));
    ASSERT_NE(wahl, nullptr);
    ASSERT_NE(satz, nullptr);
    QLineEdit* feld = dialog.Feld("Modell");
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(wahl->count(), 2);
    EXPECT_EQ(wahl->currentData().toString(), QStringLiteral("klassisch"));
    const QString klassisch = satz->text();
    EXPECT_TRUE(klassisch.contains(QStringLiteral("radialen Erdringen")))
        << klassisch.toStdString();

    wahl->setCurrentIndex(1);
    EXPECT_EQ(feld->text(), QStringLiteral("register"));
    EXPECT_NE(satz->text(), klassisch);
    EXPECT_TRUE(satz->text().contains(QStringLiteral("Oberfläche")));
    EXPECT_TRUE(dialog.OkMoeglich()) << dialog.Fehler().join('\n').toStdString();
    dialog.accept();
    EXPECT_EQ(dialog.Ergebnis().Modell, "register");

    // the field set from outside (as the project file's value would) moves the choice back
    TParameterDialog zweiter(nullptr, dialog.Ergebnis(), {});
    auto* wahl2 = zweiter.findChild<QComboBox*>(QStringLiteral("ModellWahl"));
    EXPECT_EQ(wahl2->currentData().toString(), QStringLiteral("register"));
    zweiter.Feld("Modell")->setText(QStringLiteral("klassisch"));
    EXPECT_EQ(wahl2->currentIndex(), 0);

    if (!BilderOrdner().isEmpty()) {
        zweiter.Feld("Modell")->setText(QStringLiteral("register"));
        for (int i = 0; i < zweiter.Seiten->count(); ++i)
            if (zweiter.Seiten->widget(i)->isAncestorOf(wahl2)) zweiter.Seiten->setCurrentIndex(i);
        zweiter.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&zweiter));
        QTest::qWait(200);
        EXPECT_TRUE(zweiter.grab().save(BilderOrdner() + "/parameter_rechenmodell.png"));
    }
}

TEST(RegisterAnsichten, CrossSectionIsComputedForARegisterRunOnly) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    TAuswertungsFenster fenster;
    fenster.Anzeigen(std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p)));
    TQuerschnittAnsicht* ansicht = fenster.Querschnitt;
    ASSERT_NE(ansicht, nullptr);
    EXPECT_FALSE(ansicht->Rechnen->isEnabled());
    EXPECT_TRUE(ansicht->Hinweis->text().contains(QStringLiteral("Register")));

    p.Modell = "register";
    fenster.Anzeigen(std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p)));
    ASSERT_TRUE(ansicht->Rechnen->isEnabled());
    fenster.Reiter->setCurrentWidget(ansicht);
    ansicht->Tag->setValue(20);
    ansicht->Stunde->setValue(8);
    QSignalSpy gezeigt(ansicht, &TQuerschnittAnsicht::Gezeigt);
    ansicht->Rechnen->click();
    ASSERT_TRUE(gezeigt.wait(60000));
    const TRegisterQuerschnitt* feld = ansicht->Bild->Feld();
    ASSERT_NE(feld, nullptr) << ansicht->Hinweis->text().toStdString();
    EXPECT_EQ(feld->Stunde, 19 * 24 + 8);
    EXPECT_EQ(feld->RohrX.size(), 15u);
    EXPECT_TRUE(std::isfinite(feld->TMin) && feld->TMin < feld->TMax);
    EXPECT_TRUE(ansicht->Hinweis->text().contains(QStringLiteral("Tag 20")))
        << ansicht->Hinweis->text().toStdString();

    // a new evaluation while one is computed stops it and clears the picture
    ansicht->Rechnen->click();
    fenster.Anzeigen(std::make_shared<const TAuswertung>(fenster.Ergebnis()));
    EXPECT_FALSE(ansicht->Rechnet());
    EXPECT_EQ(ansicht->Bild->Feld(), nullptr);

    if (!BilderOrdner().isEmpty()) {
        ansicht->Rechnen->click();
        ASSERT_TRUE(gezeigt.wait(60000));
        fenster.resize(1100, 650);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        QTest::qWait(300);
        EXPECT_TRUE(fenster.grab().save(BilderOrdner() + "/auswertung_querschnitt.png"));
    }
}

TEST(RegisterAnsichten, LiveFiguresCarryTheRegisterModelsValues) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.Modell = "register";
    const TVorschauWerte live = VorschauRechnen(LaufDatenSammeln(p, {}, TLaufZweck::Rechnung));
    auto k = std::make_unique<TKontext>();
    RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k);
    const TKennwerte kw = KennwerteBerechnen(*k);
    EXPECT_EQ(live.HeizenergieNutzbar, kw.HeizenergieNutzbar);
    EXPECT_EQ(live.KuehlenergieNutzbar, kw.KuehlenergieNutzbar);
    EXPECT_EQ(live.TausMin, kw.TausMin);
    // and not the classic model's
    p.Modell = "klassisch";
    EXPECT_NE(VorschauRechnen(LaufDatenSammeln(p, {}, TLaufZweck::Rechnung)).HeizenergieNutzbar,
              live.HeizenergieNutzbar);
}

} // namespace
} // namespace kov
