// The live figures beside the input window's fields: those of kov-run for the same project,
// those of the last edit after a quick series of edits, a reason instead of figures for an
// input that cannot be run, the weather file read once while its name stays, and the design
// check beside them.

#include "ui/kennwert_vorschau.h"

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/pruef_anzeige.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace kov {
namespace {

std::string Wetter(const std::string& datei) {
    return std::string(KOV_TESTDATEN) + "/wetter/" + datei;
}

class KennwertVorschau : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm2& Form2 = Anwendung.Form2();

    bool Abwarten() {
        return QTest::qWaitFor([this] { return Form2.KennwerteAktuell(); }, 60000);
    }
    // The figures kov-run --json gives for the saved project.
    nlohmann::json KovRun(const QString& projekt) {
        QProcess lauf;
        lauf.start(QStringLiteral(KOV_RUN_PFAD),
                   {QStringLiteral("--json"), QStringLiteral("--projekt"), projekt,
                    QStringLiteral("-C"), QStringLiteral("lauf")});
        EXPECT_TRUE(lauf.waitForFinished(120000));
        EXPECT_EQ(lauf.exitCode(), 0) << lauf.readAllStandardError().toStdString();
        return nlohmann::json::parse(lauf.readAllStandardOutput().toStdString());
    }
};

TEST_F(KennwertVorschau, GleichDenZahlenVonKovRun) {
    // the classic controls keep their place and size (the right column of fields as wide as
    // its labels need in the platform's font); the figures stand right of them
    EXPECT_EQ(Form2.Berechnen->geometry(), QRect(32, 414, 97, 41));
    EXPECT_EQ(Form2.EKuehlgrenze->size(), QSize(57, 24));
    EXPECT_EQ(Form2.EKuehlgrenze->x(), Form2.ElambdaErde->x());
    EXPECT_EQ(Form2.EKuehlgrenze->y(), 352);
    EXPECT_GE(Form2.KennwerteKasten->geometry().left(), Form2.CErde->geometry().right());
    EXPECT_LE(Form2.KennwerteKasten->geometry().right(), Form2.width());

    std::filesystem::create_directory("projekt");
    std::filesystem::create_directory("lauf");
    struct TFall {
        const char* Name;
        const char* Wetterdatei; // "" the built-in year
        const char* Rohrlaenge;
        const char* Anzahl;
        const char* Heizgrenze;
    };
    const TFall faelle[] = {
        {"Standard", "", "50.0", "15", "12.0"},
        {"kurz, wenige Rohre", "", "32", "9", "8"},
        {"Chicago", "USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw", "44", "20", "10.5"},
    };
    int nummer = 0;
    for (const TFall& f : faelle) {
        if (f.Wetterdatei[0] == '\0')
            Form2.EingebautesWetterWaehlen();
        else
            ASSERT_TRUE(
                Form2.WetterDateiWaehlen(QString::fromStdString(Wetter(f.Wetterdatei)), false));
        Form2.ERohrlaenge->setText(QString::fromLatin1(f.Rohrlaenge));
        Form2.EAnzahlrohre->setText(QString::fromLatin1(f.Anzahl));
        Form2.EHeizgrenze->setText(QString::fromLatin1(f.Heizgrenze));
        const QString projekt = QStringLiteral("projekt/p%1.kov").arg(++nummer);
        ASSERT_TRUE(Form2.ProjektSpeichernNach(projekt)) << f.Name;
        ASSERT_TRUE(Abwarten()) << f.Name;
        EXPECT_EQ(Form2.KZustand->text(), QStringLiteral("für die Eingaben, ohne Bericht"));

        const nlohmann::json j = KovRun(projekt);
        const nlohmann::json& kw = j.at("Kennwerte");
        const TVorschauWerte& w = Form2.Kennwerte();
        // the same inputs through the same run: equal to the last bit
        EXPECT_EQ(w.TausMin, kw.at("TausMin").get<double>()) << f.Name;
        EXPECT_EQ(w.HeizenergieNutzbar, kw.at("HeizenergieNutzbar").get<double>()) << f.Name;
        EXPECT_EQ(w.KuehlenergieNutzbar, kw.at("KuehlenergieNutzbar").get<double>()) << f.Name;
        EXPECT_EQ(w.Druckverlust, kw.at("DruckverlustGesamt").get<double>()) << f.Name;
        EXPECT_EQ(w.Leistungszahl, kw.at("Leistungszahl").get<double>()) << f.Name;
        // the run's velocity: Volumenstrom / 3600 / 3.14159 / D^2 * 4 / n
        const TRegisterParameter p = Form2.AktuelleParameter();
        EXPECT_DOUBLE_EQ(w.Stroemungsgeschwindigkeit,
                         p.Volumenstrom / 3600 / 3.14159 / (p.DRohr * p.DRohr) * 4 / p.AnzahlRohre)
            << f.Name;
        // shown with a decimal comma
        EXPECT_EQ(Form2.KTausMin->text(), QLocale(QLocale::German).toString(w.TausMin, 'f', 1))
            << f.Name;
        EXPECT_FALSE(std::filesystem::exists("kov.txt")) << f.Name << ": no file is written";

        // the design check beside the figures: kov-run's verdicts, rule by rule, and the
        // overall line counting what fails
        const nlohmann::json& regeln = j.at("Pruefung").at("Regeln");
        const TPruefAnzeige& anzeige = *Form2.Pruefung;
        ASSERT_EQ(w.Pruefung.size(), regeln.size()) << f.Name;
        ASSERT_GE(anzeige.Zeilen.size(), regeln.size()) << f.Name;
        int verletzt = 0;
        for (std::size_t i = 0; i < regeln.size(); ++i) {
            const std::string urteil = regeln[i].at("Urteil").get<std::string>();
            EXPECT_EQ(std::string(UrteilText(w.Pruefung[i].Urteil)), urteil)
                << f.Name << ", Regel " << regeln[i].at("Name");
            EXPECT_EQ(anzeige.Zeilen[i].Zeichen->accessibleName().toStdString(), urteil)
                << f.Name << ", Regel " << regeln[i].at("Name");
            EXPECT_EQ(anzeige.Zeilen[i].Name->text(), TPruefAnzeige::RegelName(w.Pruefung[i]));
            verletzt += urteil == "nicht erfüllt" ? 1 : 0;
        }
        EXPECT_EQ(
            anzeige.Gesamt->text().startsWith(QStringLiteral("Nicht erfüllt: %1").arg(verletzt)),
            verletzt > 0)
            << f.Name << ": " << anzeige.Gesamt->text().toStdString();
    }
}

TEST_F(KennwertVorschau, DiePruefungFolgtDenEingaben) {
    ASSERT_TRUE(Abwarten());
    const TPruefAnzeige& anzeige = *Form2.Pruefung;
    EXPECT_GE(anzeige.geometry().left(), Form2.KennwerteKasten->geometry().right());
    EXPECT_LE(anzeige.geometry().right(), Form2.width());
    // the velocity rule is the first: 2,36 m/s at 3700 m3/h; 6000 m3/h give
    // 6000 / 3600 / 3.14159 / 0.1922^2 * 4 / 15 = 3,83 m/s, above the 3 m/s of common practice
    struct TFall {
        const char* Volumenstrom;
        QString Wert;
        QString Urteil;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {"6000", QStringLiteral("3,83 m/s"), QStringLiteral("nicht erfüllt")},
             {"3700", QStringLiteral("2,36 m/s"), QStringLiteral("erfüllt")}}) {
        Form2.EVolumenstrom->setText(QString::fromLatin1(f.Volumenstrom));
        ASSERT_TRUE(Abwarten()) << f.Volumenstrom;
        EXPECT_EQ(anzeige.Zeilen[0].Wert->text(), f.Wert) << f.Volumenstrom;
        EXPECT_EQ(anzeige.Zeilen[0].Zeichen->accessibleName(), f.Urteil) << f.Volumenstrom;
    }
    // an input that cannot be run leaves no verdict standing
    Form2.ERohrlaenge->setText(QStringLiteral("4o"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return anzeige.Zeilen[0].Wert->text() == "–"; }, 5000));
    EXPECT_EQ(anzeige.Gesamt->text(), QStringLiteral("–"));
}

TEST_F(KennwertVorschau, SchnelleEingabenEndenMitDenZahlenDerLetzten) {
    ASSERT_TRUE(Abwarten());
    struct TFall {
        const char* Name;
        int Verzoegerung; // ms; 0: every edit starts a computation at once
        int Abstand;      // ms between two edits
    };
    const TFall faelle[] = {{"gewohnt", 300, 40}, {"sofort", 0, 15}};
    for (const TFall& f : faelle) {
        Form2.Vorschau->VerzoegerungSetzen(f.Verzoegerung);
        QSignalSpy berechnet(Form2.Vorschau, &TKennwertVorschau::Berechnet);
        const char* laengen[] = {"20", "31.5", "44", "58", "63", "71.25"};
        for (const char* laenge : laengen) {
            Form2.ERohrlaenge->setText(QString::fromLatin1(laenge));
            EXPECT_EQ(Form2.KZustand->text(), QStringLiteral("wird berechnet …")) << f.Name;
            EXPECT_FALSE(Form2.KennwerteAktuell()) << f.Name;
            QTest::qWait(f.Abstand);
        }
        ASSERT_TRUE(Abwarten()) << f.Name;
        ASSERT_GE(berechnet.count(), 1) << f.Name;
        // figures reach the window in the order of the edits, and the last for the last edit
        std::uint64_t vorher = 0;
        for (const QList<QVariant>& signal : berechnet) {
            const auto stand = signal.at(1).value<std::uint64_t>();
            EXPECT_GT(stand, vorher) << f.Name;
            vorher = stand;
        }
        EXPECT_EQ(vorher, Form2.Vorschau->Stand()) << f.Name;

        TRegisterParameter p = Form2.AktuelleParameter();
        ASSERT_EQ(p.Rohrlaenge, 71.25);
        const TVorschauWerte erwartet =
            VorschauRechnen(LaufDatenSammeln(p, {}, TLaufZweck::Rechnung));
        const TVorschauWerte& w = Form2.Kennwerte();
        EXPECT_EQ(w.TausMin, erwartet.TausMin) << f.Name;
        EXPECT_EQ(w.HeizenergieNutzbar, erwartet.HeizenergieNutzbar) << f.Name;
        EXPECT_EQ(w.KuehlenergieNutzbar, erwartet.KuehlenergieNutzbar) << f.Name;
        EXPECT_EQ(w.Druckverlust, erwartet.Druckverlust) << f.Name;
        EXPECT_EQ(w.Leistungszahl, erwartet.Leistungszahl) << f.Name;
        // a longer register gives more energy than the default one of 50 m
        p.Rohrlaenge = 50;
        EXPECT_GT(w.HeizenergieNutzbar,
                  VorschauRechnen(LaufDatenSammeln(p, {}, TLaufZweck::Rechnung)).HeizenergieNutzbar)
            << f.Name;
    }
}

TEST_F(KennwertVorschau, UngueltigeEingabeZeigtIhrenGrund) {
    ASSERT_TRUE(Abwarten());
    // no number: the reason at once, no computation
    Form2.ERohrlaenge->setText(QStringLiteral("4o"));
    EXPECT_TRUE(Form2.KZustand->text().contains(QStringLiteral("Rohrlänge: „4o“ ist keine Zahl")))
        << Form2.KZustand->text().toStdString();
    EXPECT_EQ(Form2.KTausMin->text(), QStringLiteral("–"));
    EXPECT_EQ(Form2.KLeistungszahl->text(), QStringLiteral("–"));
    EXPECT_FALSE(Form2.Vorschau->Rechnet());

    // a number the run refuses: the check's reason once the worker has looked
    Form2.ERohrlaenge->setText(QStringLiteral("40"));
    QSignalSpy abgelehnt(Form2.Vorschau, &TKennwertVorschau::NichtBerechenbar);
    Form2.EAnzahlrohre->setText(QStringLiteral("0"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return abgelehnt.count() > 0; }, 60000));
    EXPECT_TRUE(Form2.KZustand->text().contains(QStringLiteral("AnzahlRohre")))
        << Form2.KZustand->text().toStdString();
    EXPECT_EQ(Form2.KDruckverlust->text(), QStringLiteral("–"));
    EXPECT_FALSE(Form2.KennwerteAktuell());

    Form2.EAnzahlrohre->setText(QStringLiteral("15"));
    ASSERT_TRUE(Abwarten());
    EXPECT_NE(Form2.KDruckverlust->text(), QStringLiteral("–"));
}

TEST_F(KennwertVorschau, DieWetterdateiWirdNurBeiNeuemNamenGelesen) {
    ASSERT_TRUE(Abwarten());
    ASSERT_TRUE(Form2.WetterDateiWaehlen(
        QString::fromStdString(Wetter("tmy_45.000_8.000_2005_2023.epw")), false));
    ASSERT_TRUE(Abwarten());
    const int gelesen = Form2.Vorschau->Sammlungen();
    const TVorschauWerte standort = Form2.Kennwerte();
    for (const char* laenge : {"40", "45", "50.0"}) {
        Form2.ERohrlaenge->setText(QString::fromLatin1(laenge));
        ASSERT_TRUE(Abwarten()) << laenge;
    }
    EXPECT_EQ(Form2.Vorschau->Sammlungen(), gelesen) << "the same file is not read again";
    EXPECT_EQ(Form2.Kennwerte().TausMin, standort.TausMin) << "back at 50 m, the same figures";

    Form2.EingebautesWetterWaehlen();
    ASSERT_TRUE(Abwarten());
    EXPECT_EQ(Form2.Vorschau->Sammlungen(), gelesen + 1);
    EXPECT_NE(Form2.Kennwerte().TausMin, standort.TausMin) << "another year, other figures";
}

} // namespace
} // namespace kov
