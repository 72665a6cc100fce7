// The run beside the window: computed off the interface thread while the interface goes on,
// stopped at the next hour without a trace, and the windows of a project closed with it.

#include "ui/lauf_steuerung.h"

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/kennwerte_fenster.h"
#include "ui/varianten_fenster.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace kov {
namespace {

class LaufSteuerung : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm1& Form1 = Anwendung.Form1();
    TForm2& Form2 = Anwendung.Form2();

    QStringList Berechnen() {
        Form2.show();
        return test::MeldungenAbfangen([this] {
            Form2.Berechnen->click();
            EXPECT_TRUE(test::LaufAbwarten(Form1));
        });
    }
};

TEST_F(LaufSteuerung, DerLaufRechnetNebenDerOberflaeche) {
    // a timer of the interface thread keeps firing while the year is computed
    int takte = 0;
    int takteImLauf = 0;
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, [&] {
        ++takte;
        if (Form1.LaufAktiv()) ++takteImLauf;
    });
    uhr.start(1);
    // months reach the window while the run is still going on
    int monateImLauf = 0;
    QObject::connect(&Form1, &TForm1::MonatGezeichnet, [&] {
        if (Form1.LaufAktiv()) ++monateImLauf;
    });
    Form2.show();
    Form2.Berechnen->click();
    EXPECT_TRUE(Form1.LaufAktiv()) << "the click returns while the run goes on";
    EXPECT_FALSE(Form2.Berechnen->isEnabled());
    ASSERT_TRUE(test::LaufAbwarten(Form1));
    uhr.stop();

    EXPECT_TRUE(Form1.LetzterLaufFehlerfrei());
    EXPECT_NE(Form1.LetzterRechenFaden(), std::thread::id());
    EXPECT_NE(Form1.LetzterRechenFaden(), std::this_thread::get_id());
    EXPECT_GT(takteImLauf, 0);
    EXPECT_EQ(monateImLauf, 24);
    EXPECT_TRUE(Form2.Berechnen->isEnabled());
    EXPECT_TRUE(Form1.Button16->isEnabled());
    EXPECT_FALSE(Form1.Button18->isEnabled()) << "Abbrechen only during a run";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaufSteuerung, AbgebrochenerLaufLaesstBerichtGrafikUndErgebnisseStehen) {
    struct TFall {
        const char* Name;
        void (*Abbrechen)(TForm1&);
    };
    const TFall faelle[] = {
        {"Abbrechen", [](TForm1& f) { f.Button18->click(); }},
        {"Esc",
         [](TForm1& f) {
             QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&f, &taste);
         }},
    };
    ASSERT_TRUE(Berechnen().empty());
    Form1.Button9->click(); // July on the screen
    const std::string bericht = test::DateiInhalt("kov.txt");
    ASSERT_GT(bericht.size(), 100000u);
    const QImage bild = Anwendung.Grafik().Bild;
    const TStundenReihen reihen = Anwendung.Kontext().Reihen;
    const TJahresErgebnis ergebnis = Anwendung.Kontext().Ergebnis;

    // the worker waits after its first month until the window has stopped the run
    std::atomic<bool> freigabe{false};
    Anwendung.Steuerung().NachMonatHaken = [&freigabe](int durchlauf, int monat) {
        if (durchlauf != 1 || monat != 1) return;
        for (int i = 0; i < 20000 && !freigabe; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    for (const TFall& f : faelle) {
        // a run with other inputs, stopped as soon as its first month is drawn
        Form2.EHeizgrenze->setText(QStringLiteral("8"));
        freigabe = false;
        bool abgebrochen = false;
        const auto verbindung = QObject::connect(&Form1, &TForm1::MonatGezeichnet, [&] {
            if (abgebrochen || !Form1.LaufAktiv()) return;
            abgebrochen = true;
            EXPECT_TRUE(Form1.Button18->isEnabled()) << f.Name;
            f.Abbrechen(Form1);
            freigabe = true;
        });
        QSignalSpy ende(&Anwendung.Steuerung(), &TLaufSteuerung::LaufAbgebrochen);
        const QStringList meldungen = test::MeldungenAbfangen([&] {
            Form1.Button2->click();
            EXPECT_TRUE(test::LaufAbwarten(Form1)) << f.Name;
        });
        QObject::disconnect(verbindung);
        EXPECT_TRUE(meldungen.empty()) << f.Name;
        EXPECT_TRUE(abgebrochen) << f.Name;
        EXPECT_EQ(ende.count(), 1) << f.Name << ": stopped, not finished";

        EXPECT_TRUE(test::DateiInhalt("kov.txt") == bericht) << f.Name << ": report changed";
        EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, bild)) << f.Name;
        EXPECT_TRUE(Anwendung.Kontext().Reihen.Taus == reihen.Taus) << f.Name;
        EXPECT_TRUE(Anwendung.Kontext().Reihen.Tein == reihen.Tein) << f.Name;
        EXPECT_EQ(Anwendung.Kontext().Ergebnis.Heizenergie, ergebnis.Heizenergie) << f.Name;
        EXPECT_TRUE(Form1.LetzterLaufFehlerfrei()) << f.Name;
        EXPECT_TRUE(Form1.Button16->isEnabled()) << f.Name << ": the figures stay";
        EXPECT_TRUE(Form1.Button17->isEnabled()) << f.Name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << f.Name;
        EXPECT_EQ(Anwendung.Kontext().Parameter.Heizgrenze, 8.0)
            << f.Name << ": the input taken over stays";
    }

    // the next run goes through and is taken over
    Anwendung.Steuerung().NachMonatHaken = nullptr;
    ASSERT_TRUE(test::MeldungenAbfangen([this] {
                    Form1.Button2->click();
                    EXPECT_TRUE(test::LaufAbwarten(Form1));
                }).empty());
    EXPECT_NE(test::DateiInhalt("kov.txt"), bericht);
    EXPECT_FALSE(Anwendung.Kontext().Reihen.Taus == reihen.Taus);
}

TEST_F(LaufSteuerung, SchliessenDesFenstersBeendetDenLauf) {
    ASSERT_TRUE(Berechnen().empty());
    const std::string bericht = test::DateiInhalt("kov.txt");
    Form2.EHeizgrenze->setText(QStringLiteral("8"));
    // the worker holds after its first month until the window was closed
    std::atomic<bool> freigabe{false};
    Anwendung.Steuerung().NachMonatHaken = [&freigabe](int, int) {
        for (int i = 0; i < 20000 && !freigabe; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    test::MeldungenAbfangen([&] {
        Form1.Button2->click();
        Form1.Button1->click(); // "Schliessen" while the run goes on
        freigabe = true;
        EXPECT_TRUE(test::LaufAbwarten(Form1));
    });
    EXPECT_FALSE(Form1.isVisible());
    EXPECT_TRUE(test::DateiInhalt("kov.txt") == bericht);
}

TEST_F(LaufSteuerung, EinNeuesProjektSchliesstDieFensterDesAlten) {
    ASSERT_TRUE(Berechnen().empty());
    Form1.Button16->click();
    Form1.Button17->click();
    ASSERT_TRUE(Form1.Kennwerte->isVisible());
    ASSERT_TRUE(Form1.Auswertung->isVisible());
    QPointer<TVariantenFenster> varianten = &Anwendung.Variantenvergleich();
    varianten->Oeffnen();
    const std::uint64_t alteNummer = Anwendung.Sitzung().ProjektNummer();

    ASSERT_TRUE(Form2.ProjektNeu());

    EXPECT_FALSE(Form1.isVisible());
    EXPECT_FALSE(Form1.Kennwerte->isVisible());
    EXPECT_FALSE(Form1.Auswertung->isVisible());
    EXPECT_FALSE(Form1.Auswertung->HatAuswertung()) << "the evaluation went with the project";
    EXPECT_FALSE(Form1.Button16->isEnabled());
    EXPECT_FALSE(Form1.Button17->isEnabled());
    EXPECT_TRUE(varianten.isNull()) << "the variant window went with its project";
    EXPECT_FALSE(Anwendung.HatVariantenvergleich());
    QImage weiss(Anwendung.Grafik().Bild.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    EXPECT_TRUE(test::BilderGleich(Anwendung.Grafik().Bild, weiss));
    for (int stunde = 1; stunde <= 8760; stunde += 97)
        ASSERT_EQ(Anwendung.Kontext().Reihen.Taus[static_cast<std::size_t>(stunde)], 0.0)
            << "the month buttons draw nothing of the closed project";

    // a variant of the closed project does not reach the new one
    TRegisterParameter fremd = Anwendung.Kontext().Parameter;
    fremd.AnzahlRohre = 31;
    EXPECT_NE(Anwendung.Sitzung().ProjektNummer(), alteNummer);
    EXPECT_FALSE(Anwendung.VarianteUebernehmen(fremd, 0, alteNummer));
    EXPECT_EQ(Anwendung.Kontext().Parameter.AnzahlRohre, 15);
    EXPECT_EQ(Form2.EAnzahlrohre->text(), QStringLiteral("15"));
    EXPECT_TRUE(Anwendung.VarianteUebernehmen(fremd, 0, Anwendung.Sitzung().ProjektNummer()));
    EXPECT_EQ(Form2.EAnzahlrohre->text(), QStringLiteral("31"));
}

TEST_F(LaufSteuerung, EinLaufDesGeschlossenenProjektsKommtNichtZurueck) {
    Form2.show();
    Form2.Berechnen->click();
    ASSERT_TRUE(Form1.LaufAktiv());
    // "Neu" while the run of the project goes on: nothing of it is taken over
    ASSERT_TRUE(Form2.ProjektNeu());
    const QStringList meldungen =
        test::MeldungenAbfangen([this] { EXPECT_TRUE(test::LaufAbwarten(Form1)); });
    EXPECT_TRUE(meldungen.empty());
    EXPECT_FALSE(Form1.isVisible());
    EXPECT_FALSE(Form1.Auswertung->HatAuswertung());
    EXPECT_FALSE(Form1.Button16->isEnabled());
    EXPECT_EQ(Anwendung.Kontext().Reihen.Taus[4000], 0.0);
    EXPECT_EQ(Anwendung.Kontext().Ergebnis.Heizenergie, 0.0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace kov

namespace kov {
namespace {

TEST(LaufSteuerungStudie, RechnetNebenDerOberflaecheWieDieMaschine) {
    test::TArbeitsVerzeichnis verzeichnis;
    TRegisterParameter basis;
    ParameterStandardwerteSetzen(basis);
    auto studie = std::make_shared<TStudie>();
    studie->Basis = basis;
    studie->Variationen = {VariationLesen("Rohrlaenge", "30,45"),
                           VariationLesen("AnzahlRohre", "10,20")};
    const TLaufDaten daten = LaufDatenSammeln(basis, {}, TLaufZweck::Studie);

    TLaufSteuerung steuerung;
    QSignalSpy varianten(&steuerung, &TLaufSteuerung::VarianteFertig);
    QSignalSpy ende(&steuerung, &TLaufSteuerung::StudieBeendet);
    ASSERT_TRUE(steuerung.StudieStarten(studie, daten, 2));
    EXPECT_FALSE(steuerung.StudieStarten(studie, daten, 2)) << "one job at a time";
    ASSERT_TRUE(ende.wait(120000));
    EXPECT_FALSE(steuerung.Laeuft());
    EXPECT_EQ(varianten.count(), 4);

    const auto ergebnis = ende.at(0).at(0).value<std::shared_ptr<const TStudienErgebnis>>();
    EXPECT_FALSE(ende.at(0).at(1).toBool());
    EXPECT_TRUE(ende.at(0).at(2).toString().isEmpty());
    EXPECT_NE(ergebnis->RechenFaden, std::this_thread::get_id());
    std::vector<TVariantenErgebnis> maschine;
    StudieRechnen(*studie, *daten.Wetter, nullptr, 1, maschine);
    ASSERT_EQ(ergebnis->Varianten.size(), maschine.size());
    for (std::size_t i = 0; i < maschine.size(); ++i) {
        EXPECT_TRUE(ergebnis->Varianten[i].Berechnet) << i;
        EXPECT_EQ(ergebnis->Varianten[i].Ergebnis.Heizenergie, maschine[i].Ergebnis.Heizenergie)
            << i;
    }
}

TEST(KlimaCheckSteuerung, LaeuftNebenDenLaeufenUndEinAbgebrochenerMeldetNichts) {
    TLaufSteuerung steuerung;
    QSignalSpy fertig(&steuerung, &TLaufSteuerung::KlimaCheckFertig);
    QSignalSpy fehler(&steuerung, &TLaufSteuerung::KlimaCheckFehlgeschlagen);
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    EXPECT_FALSE(steuerung.KlimaCheckStarten(p, {})) << "the built-in design year has no region";
    EXPECT_FALSE(steuerung.KlimaCheckLaeuft());

    // started, a single run beside it, then cancelled: the check reports nothing, the run ends
    p.Klima = "TRY2015-03-Jahr";
    ASSERT_TRUE(steuerung.KlimaCheckStarten(p, {}));
    test::TArbeitsVerzeichnis ort;
    QSignalSpy lauf(&steuerung, &TLaufSteuerung::LaufFertig);
    TRegisterParameter klassisch;
    ParameterStandardwerteSetzen(klassisch);
    ASSERT_TRUE(steuerung.EinzellaufStarten(klassisch, {}));
    steuerung.KlimaCheckAbbrechen();
    EXPECT_FALSE(steuerung.KlimaCheckLaeuft());
    EXPECT_TRUE(lauf.wait(120000));
    QTest::qWait(50);
    EXPECT_EQ(fertig.count(), 0);
    EXPECT_EQ(fehler.count(), 0);

    // a refused parameter set is reported, naming the year
    p.Rohrlaenge = -1.0;
    ASSERT_TRUE(steuerung.KlimaCheckStarten(p, {}));
    ASSERT_TRUE(fehler.wait(120000));
    EXPECT_TRUE(fehler.front().front().toString().contains(QStringLiteral("Rohrlaenge")));
    EXPECT_FALSE(steuerung.KlimaCheckLaeuft());
    EXPECT_EQ(fertig.count(), 0);
}

} // namespace
} // namespace kov
