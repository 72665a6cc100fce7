// Measurements of how the interface answers, printed for the record; nothing is asserted about
// the times. Runs only with KOV_MESSUNG set (the study takes a while):
//   KOV_MESSUNG=1 kov_ui_tests --gtest_filter='Messung.*'

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/kennwert_vorschau.h"
#include "ui/varianten_fenster.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace kov {
namespace {

struct TLuecken {
    qint64 Start = 0;  // ms the starting click itself kept the loop
    qint64 Danach = 0; // ms, the longest gap after it, to the end of the job
};

// How long the event loop did not answer while laeuft() holds: a timer due every millisecond,
// and the largest gap between two of its shots.
TLuecken LaengsteLuecke(const std::function<void()>& starten, const std::function<bool()>& laeuft,
                        int frist) {
    QElapsedTimer uhr;
    TLuecken luecken;
    qint64 letzter = -1;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const qint64 jetzt = uhr.elapsed();
        if (letzter >= 0) luecken.Danach = std::max(luecken.Danach, jetzt - letzter);
        letzter = jetzt;
    });
    takt.start(1);
    uhr.start();
    starten();
    luecken.Start = uhr.elapsed();
    letzter = luecken.Start;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !laeuft(); }, frist));
    luecken.Danach = std::max(luecken.Danach, uhr.elapsed() - letzter);
    takt.stop();
    return luecken;
}

class Messung : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("KOV_MESSUNG"))
            GTEST_SKIP() << "KOV_MESSUNG ist nicht gesetzt";
    }
};

TEST_F(Messung, VomLetztenTastendruckZuDenKennwerten) {
    test::TArbeitsVerzeichnis verzeichnis;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    eingabe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&eingabe));
    ASSERT_TRUE(QTest::qWaitFor([&] { return eingabe.KennwerteAktuell(); }, 60000));
    std::vector<double> zeiten;
    const char* laengen[] = {"41", "42", "43", "44", "45", "46", "47", "48", "49", "51", "52",
                             "53", "54", "55", "56", "57", "58", "59", "60", "61", "62"};
    for (const char* laenge : laengen) {
        eingabe.ERohrlaenge->setFocus();
        eingabe.ERohrlaenge->selectAll();
        // typed key by key, the last key timed
        QTest::keyClick(eingabe.ERohrlaenge, Qt::Key_Backspace);
        QTest::keyClick(eingabe.ERohrlaenge, laenge[0]);
        QTest::qWait(40);
        QElapsedTimer uhr;
        uhr.start();
        QTest::keyClick(eingabe.ERohrlaenge, laenge[1]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return eingabe.KennwerteAktuell(); }, 60000));
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
        ASSERT_EQ(eingabe.AktuelleParameter().Rohrlaenge, std::stod(laenge));
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double median = zeiten[zeiten.size() / 2];
    std::printf("Letzter Tastendruck bis zu den neuen Kennwerten: Median %.0f ms (kleinste %.0f, "
                "größte %.0f ms, %zu Eingaben, Wartezeit %d ms)\n",
                median, zeiten.front(), zeiten.back(), zeiten.size(),
                eingabe.Vorschau->Verzoegerung());
    RecordProperty("MedianMs", static_cast<int>(median));
}

TEST_F(Messung, EreignisschleifeWaehrendDesLaufs) {
    test::TArbeitsVerzeichnis verzeichnis;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    TForm1& grafik = anwendung.Form1();
    eingabe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&eingabe));
    // the live figures of the start are done, so that only the run is measured
    ASSERT_TRUE(QTest::qWaitFor([&] { return eingabe.KennwerteAktuell(); }, 60000));
    QElapsedTimer dauer;
    dauer.start();
    const TLuecken luecken = LaengsteLuecke([&] { eingabe.Berechnen->click(); },
                                            [&] { return grafik.LaufAktiv(); }, 120000);
    std::printf("Standardlauf im Fenster (%lld ms mit 24 gezeichneten Monaten): der Klick auf "
                "\"Berechnen\" (Prüfung, Grafikfenster zeigen) %lld ms, danach längste Zeit ohne "
                "Antwort der Ereignisschleife %lld ms\n",
                static_cast<long long>(dauer.elapsed()), static_cast<long long>(luecken.Start),
                static_cast<long long>(luecken.Danach));
    RecordProperty("KlickMs", static_cast<int>(luecken.Start));
    RecordProperty("LueckeLaufMs", static_cast<int>(luecken.Danach));
}

TEST_F(Messung, EreignisschleifeWaehrendEinerStudieMitTausendVarianten) {
    test::TArbeitsVerzeichnis verzeichnis;
    TAnwendung anwendung;
    TVariantenFenster& fenster = anwendung.Variantenvergleich();
    fenster.Oeffnen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    for (QComboBox* wahl : fenster.ParameterWahl)
        wahl->setCurrentIndex(0);
    fenster.ParameterWahl[0]->setCurrentIndex(
        fenster.ParameterWahl[0]->findData(QStringLiteral("Rohrlaenge")));
    fenster.WerteFeld[0]->setText(QStringLiteral("10:1009:1"));
    ASSERT_EQ(fenster.Anzahl->text().toStdString(), "1000 Varianten");
    QElapsedTimer dauer;
    dauer.start();
    const TLuecken luecken = LaengsteLuecke([&] { ASSERT_TRUE(fenster.StartenClick()); },
                                            [&] { return fenster.LaeuftGerade(); }, 600000);
    EXPECT_EQ(fenster.Ausgang(), TVariantenFenster::TAusgang::Fertig);
    std::printf("Studie mit 1000 Varianten (%lld ms): der Klick auf \"Studie starten\" %lld ms, "
                "danach längste Zeit ohne Antwort der Ereignisschleife %lld ms\n",
                static_cast<long long>(dauer.elapsed()), static_cast<long long>(luecken.Start),
                static_cast<long long>(luecken.Danach));
    RecordProperty("KlickMs", static_cast<int>(luecken.Start));
    RecordProperty("LueckeStudieMs", static_cast<int>(luecken.Danach));
}

} // namespace
} // namespace kov
