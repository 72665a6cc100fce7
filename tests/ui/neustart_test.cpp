#include "ui/neustart.h"

#include "fenster_hilfen.h"
#include "files/projekt_datei.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/sprache.h"
#include "ui/start_fenster.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kov {
namespace {

const QString NeuStarten = QStringLiteral("Jetzt neu starten / Restart now");
const QString Spaeter = QStringLiteral("Später / Later");

// The language choice goes to a settings file of the test's own; the program runs German.
class Neustart : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static QTemporaryDir einstellungen;
        ASSERT_TRUE(einstellungen.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    }
    void SetUp() override { SpracheMerken(QStringLiteral("de")); }
    void TearDown() override { SpracheMerken({}); }

    // The program as the user sees it: the input window of a new project.
    std::unique_ptr<TAnwendung> Starten() {
        auto anwendung = std::make_unique<TAnwendung>();
        anwendung->Form3().showMaximized();
        anwendung->Form3().ButtonNeuClick();
        return anwendung;
    }
    static QAction& Sprache(TAnwendung& anwendung, const char* kuerzel) {
        auto* a = anwendung.Form2().Menue->findChild<QAction*>(QStringLiteral("Sprache_") +
                                                               QString::fromLatin1(kuerzel));
        if (a == nullptr) throw std::runtime_error("keine Sprache");
        return *a;
    }
    test::TArbeitsVerzeichnis Arbeit;
};

TEST_F(Neustart, NeueSpracheStartetMitDemProjektWieEsGespeichertWurde) {
    const QString rohr = QDir::current().absoluteFilePath(QStringLiteral("rohr.kov"));
    const QString neu = QDir::current().absoluteFilePath(QStringLiteral("neu.kov"));
    const struct {
        const char* Fall;
        bool Gespeichert;  // the project has a file before the change of language
        const char* Tiefe; // entered before the change, "" for none
        QStringList Antworten;
        bool Neustart;
        QStringList Argumente;
        const char* TiefeInDerDatei; // the depth the project file holds afterwards
    } faelle[] = {
        {"gespeichert",
         true,
         "2.5",
         {NeuStarten, QStringLiteral("Speichern")},
         true,
         {rohr},
         "2.5"},
        {"verworfen", true, "2.5", {NeuStarten, QStringLiteral("Verwerfen")}, true, {rohr}, "1"},
        {"ohne Änderung", true, "", {NeuStarten}, true, {rohr}, "1"},
        {"neu, gespeichert unter",
         false,
         "2.5",
         {NeuStarten, QStringLiteral("Speichern")},
         true,
         {neu},
         "2.5"},
        {"neu, verworfen", false, "2.5", {NeuStarten, QStringLiteral("Verwerfen")}, true, {}, ""},
        {"Speicherfrage abgebrochen",
         true,
         "2.5",
         {NeuStarten, QStringLiteral("Abbrechen")},
         false,
         {},
         "1"},
        {"später", true, "2.5", {Spaeter}, false, {}, "1"},
    };
    for (const auto& f : faelle) {
        SpracheMerken(QStringLiteral("de"));
        QFile::remove(rohr);
        QFile::remove(neu);
        auto anwendung = Starten();
        TForm2& eingabe = anwendung->Form2();
        eingabe.ProjektDateiDialog = [&](bool) { return neu; };
        if (f.Gespeichert) {
            ASSERT_TRUE(eingabe.ProjektSpeichernNach(rohr)) << f.Fall;
        }
        if (*f.Tiefe != '\0') eingabe.ETiefe->setText(QString::fromLatin1(f.Tiefe));

        const QStringList fragen =
            test::FragenBeantworten(f.Antworten, [&] { Sprache(*anwendung, "en").trigger(); });
        // the question about the restart, then the one of "Beenden" about unsaved changes
        EXPECT_EQ(fragen.size(), f.Antworten.size()) << f.Fall;
        if (!fragen.isEmpty()) {
            EXPECT_TRUE(fragen[0].contains(QStringLiteral("nächsten Start"))) << f.Fall;
            EXPECT_TRUE(fragen[0].contains(QStringLiteral("Restart now?"))) << f.Fall;
        }
        EXPECT_EQ(GemerkteSprache(), QStringLiteral("en")) << f.Fall << ": für den nächsten Start";

        const std::optional<TNeustartAufruf>& aufruf = anwendung->Neustart();
        ASSERT_EQ(aufruf.has_value(), f.Neustart) << f.Fall;
        if (f.Neustart) {
            EXPECT_EQ(aufruf->Programm, QCoreApplication::applicationFilePath()) << f.Fall;
            EXPECT_EQ(aufruf->Argumente, f.Argumente) << f.Fall;
            EXPECT_EQ(aufruf->Arbeitsverzeichnis, QDir::currentPath()) << f.Fall;
            // the program ended as with "Beenden"
            EXPECT_FALSE(anwendung->Form3().isVisible()) << f.Fall;
            EXPECT_FALSE(eingabe.isVisible()) << f.Fall;
        } else {
            EXPECT_TRUE(eingabe.isVisible()) << f.Fall << ": bleibt, wie es war";
            if (*f.Tiefe != '\0') {
                EXPECT_EQ(eingabe.ETiefe->text(), QString::fromLatin1(f.Tiefe)) << f.Fall;
            }
        }
        if (*f.TiefeInDerDatei != '\0') {
            const QString datei = f.Gespeichert ? rohr : neu;
            EXPECT_EQ(ProjektLesen(datei.toStdString()).Tiefe,
                      QString::fromLatin1(f.TiefeInDerDatei).toDouble())
                << f.Fall;
        }

        // what the new process does with its arguments: the same project in the input window
        if (f.Neustart && !aufruf->Argumente.isEmpty()) {
            TAnwendung danach;
            ASSERT_TRUE(danach.ProjektBeimStartOeffnen(StartProjekt(aufruf->Argumente))) << f.Fall;
            EXPECT_TRUE(danach.Form2().isVisible()) << f.Fall;
            EXPECT_FALSE(danach.Form3().isVisible()) << f.Fall;
            EXPECT_EQ(danach.Form2().ETiefe->text().toDouble(),
                      QString::fromLatin1(f.TiefeInDerDatei).toDouble())
                << f.Fall;
        }
    }
}

// Only a language other than the one the windows were built in asks for a restart.
TEST_F(Neustart, OhneWechselDerSpracheKeineFrage) {
    auto anwendung = Starten();
    EXPECT_TRUE(Sprache(*anwendung, "de").isChecked());
    EXPECT_TRUE(test::MeldungenAbfangen([&] { Sprache(*anwendung, "de").trigger(); }).isEmpty());
    EXPECT_EQ(GemerkteSprache(), QStringLiteral("de"));

    EXPECT_EQ(
        test::FragenBeantworten({Spaeter}, [&] { Sprache(*anwendung, "en").trigger(); }).size(), 1);
    EXPECT_EQ(GemerkteSprache(), QStringLiteral("en"));
    // back to the language in use before the next start: nothing to restart for
    EXPECT_TRUE(test::MeldungenAbfangen([&] { Sprache(*anwendung, "de").trigger(); }).isEmpty());
    EXPECT_EQ(GemerkteSprache(), QStringLiteral("de"));
    EXPECT_FALSE(anwendung->Neustart().has_value());
    EXPECT_TRUE(anwendung->Form2().isVisible());
}

TEST_F(Neustart, ProjektAufDerBefehlszeile) {
    const struct {
        QStringList Argumente;
        const char* Projekt;
    } faelle[] = {
        {{}, ""},
        {{QStringLiteral("rohr.kov")}, "rohr.kov"},
        {{QStringLiteral("--irgendwas"), QStringLiteral("/a/b c.kov")}, "/a/b c.kov"},
        {{QStringLiteral("--version")}, ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(StartProjekt(f.Argumente).toStdString(), f.Projekt) << f.Projekt;

    // a project never saved starts the new process without one, at its start window
    EXPECT_TRUE(NeustartAufrufBilden(QStringLiteral("/usr/bin/kov"), "", QStringLiteral("/tmp"))
                    .Argumente.isEmpty());
    // a relative name is made absolute, so that it cannot pass for an option
    EXPECT_EQ(NeustartAufrufBilden(QStringLiteral("/usr/bin/kov"), "-x.kov", QStringLiteral("/w"))
                  .Argumente,
              QStringList{QStringLiteral("/w/-x.kov")});

    // a file that cannot be loaded is reported; the caller then shows the start window
    TAnwendung anwendung;
    QStringList meldungen = test::MeldungenAbfangen(
        [&] { EXPECT_FALSE(anwendung.ProjektBeimStartOeffnen(QStringLiteral("fehlt.kov"))); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("fehlt.kov"))) << meldungen[0].toStdString();
    EXPECT_FALSE(anwendung.Form2().isVisible());
}

} // namespace
} // namespace kov
