#include "ui/parameter_dialog.h"

#include "fenster_hilfen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

TEST(ParameterDialog, JederEinstellbareParameterInSeinerGruppe) {
    TParameterDialog dialog(nullptr, Standard(), {});
    ASSERT_EQ(dialog.Seiten->count(), 9);
    const char* seiten[] = {"Rohre und Luftstrom",
                            "Stoffwerte",
                            "Regelung",
                            "Umgebung und Keller",
                            "Numerik und Monitorpunkt",
                            "Daten und Ausgabe",
                            "Lüftungsanlage und Betrieb",
                            "Wirtschaftlichkeit",
                            "Auslegungsprüfung"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(dialog.Seiten->tabText(i).toStdString(), seiten[i]);
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        switch (FeldTyp(e)) {
        case TFeldTyp::Wahrheitswert:
            ASSERT_NE(dialog.Schalter(e.Name), nullptr) << e.Name;
            EXPECT_EQ(dialog.Schalter(e.Name)->isChecked(), FeldWert<bool>(Standard(), e));
            break;
        case TFeldTyp::Monate:
            for (int m = 1; m <= 12; ++m)
                ASSERT_NE(dialog.Feld(e.Name, m), nullptr) << e.Name << m;
            break;
        default:
            ASSERT_NE(dialog.Feld(e.Name), nullptr) << e.Name;
            // the description, its numbers with the German decimal comma ("übliche Praxis:
            // 0,8 m"); lists of input syntax ("0.1:25;0.15:35") keep their points
            QString beschreibung = QString::fromUtf8(e.Beschreibung.data(),
                                                     static_cast<qsizetype>(e.Beschreibung.size()));
            static const QRegularExpression zahl(
                QStringLiteral("(?<![\\d.:;])(\\d+)\\.(\\d+)(?![\\d.:])"));
            beschreibung.replace(zahl, QStringLiteral("\\1,\\2"));
            EXPECT_TRUE(dialog.Feld(e.Name)->toolTip().contains(beschreibung))
                << e.Name << ": " << dialog.Feld(e.Name)->toolTip().toStdString();
        }
    }
    EXPECT_EQ(dialog.Feld("DRohr")->text(), QStringLiteral("0.1922"));
    EXPECT_EQ(dialog.Feld("ViskositaetLuft")->text(), QStringLiteral("0.0000145"));
    EXPECT_TRUE(
        dialog.Feld("DRohr")->toolTip().contains(QStringLiteral("Bereich: größer als 0 m")));
    EXPECT_TRUE(dialog.Feld("AnzahlGitter")->toolTip().contains(QStringLiteral("3 bis 10")));
    EXPECT_FALSE(dialog.Feld("AnteilErde")->isEnabled()) << "derived, shown only";
    EXPECT_EQ(dialog.Feld("Stroemungsgeschwindigkeit"), nullptr);
    EXPECT_TRUE(dialog.OkMoeglich());
}

TEST(ParameterDialog, UnveraendertUebernommenBleibtJederWertBitGenau) {
    TRegisterParameter p = Standard();
    p.LambdaErde = 0.1 + 0.2; // 0.30000000000000004
    p.KellerTemperatur[5] = 1.0 / 3;
    TParameterDialog dialog(nullptr, p, {});
    EXPECT_EQ(dialog.Feld("LambdaErde")->text(), QStringLiteral("0.30000000000000004"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    for (const TKatalogEintrag& e : ParameterKatalog())
        if (!e.Abgeleitet) {
            EXPECT_TRUE(FeldGleich(dialog.Ergebnis(), p, e)) << e.Name;
        }
}

TEST(ParameterDialog, FalscheWerteWerdenBeimTippenMarkiert) {
    TParameterDialog dialog(nullptr, Standard(), {});
    struct TFall {
        const char* Name;
        int Monat;
        const char* Text;
        const char* Grund; // "" for a good value
    };
    const TFall faelle[] = {
        {"DRohr", 0, "0", "Rohrdurchmesser (DRohr): muss größer als 0 m sein."},
        {"DRohr", 0, "0,25", ""},
        {"DRohr", 0, "abc", "Rohrdurchmesser (DRohr): keine Zahl"},
        {"AnzahlGitter", 0, "11", "Anzahl Rechengitter (AnzahlGitter): muss zwischen 3 und 10"},
        {"AnzahlGitter", 0, "6.5", "Anzahl Rechengitter (AnzahlGitter): keine ganze Zahl"},
        {"KellerTemperatur", 3, "x", "Kellertemperatur März (KellerTemperatur[3]): keine Zahl"},
        {"KellerTemperatur", 3, "-2,5", ""},
        {"AnteilKeller", 0, "1.5", "Kelleranteil (AnteilKeller): muss zwischen 0 und 1 liegen."},
        {"DRohr", 0, "1e999",
         "Rohrdurchmesser (DRohr): liegt ausserhalb des Bereichs -1.8e308 bis 1.8e308"},
        {"KellerTemperatur", 3, "60,5",
         "Kellertemperatur März (KellerTemperatur[3]): muss zwischen -60 und 60 °C liegen."},
        {"Sonnenerwaermung", 0, "-30", ""},
    };
    for (const TFall& f : faelle) {
        QLineEdit* feld = dialog.Feld(f.Name, f.Monat);
        ASSERT_NE(feld, nullptr) << f.Name;
        const QString vorher = feld->text();
        feld->setText(QString::fromUtf8(f.Text));
        const QString fehler = dialog.Fehler().join(QLatin1Char('\n'));
        if (f.Grund[0] == '\0') {
            EXPECT_TRUE(fehler.isEmpty())
                << f.Name << " " << f.Text << ": " << fehler.toStdString();
            EXPECT_TRUE(dialog.OkMoeglich()) << f.Text;
            EXPECT_TRUE(feld->styleSheet().isEmpty()) << f.Text;
        } else {
            EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.Grund)))
                << f.Name << " " << f.Text << ": " << fehler.toStdString();
            EXPECT_FALSE(dialog.OkMoeglich()) << f.Text;
            EXPECT_FALSE(feld->styleSheet().isEmpty()) << f.Text;
            EXPECT_TRUE(feld->toolTip().startsWith(QString::fromUtf8(f.Grund).left(10)))
                << feld->toolTip().toStdString();
        }
        feld->setText(vorher);
    }
    // the monitor cell is judged against the grid count being typed
    dialog.Feld("AnzahlGitter")->setText(QStringLiteral("3"));
    dialog.Feld("MonitorRadial")->setText(QStringLiteral("5"));
    EXPECT_TRUE(dialog.Fehler().join(QLatin1Char('\n')).contains(QStringLiteral("MonitorRadial")));
    dialog.Feld("AnzahlGitter")->setText(QStringLiteral("6"));
    EXPECT_TRUE(dialog.OkMoeglich());
}

TEST(ParameterDialog, AnteilErdeFolgtDenBeidenAnteilen) {
    TParameterDialog dialog(nullptr, Standard(), {});
    dialog.Feld("AnteilAdiabat")->setText(QStringLiteral("0,25"));
    dialog.Feld("AnteilKeller")->setText(QStringLiteral("0.5"));
    EXPECT_EQ(dialog.Feld("AnteilErde")->text(), QStringLiteral("0.25"));
    dialog.Feld("AnteilKeller")->setText(QStringLiteral("0.8"));
    EXPECT_FALSE(dialog.OkMoeglich()) << "0.25 + 0.8 > 1";
    EXPECT_FALSE(dialog.Feld("AnteilAdiabat")->styleSheet().isEmpty());
    dialog.Feld("AnteilKeller")->setText(QStringLiteral("0.75"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Ergebnis().AnteilAdiabat, 0.25);
    EXPECT_EQ(dialog.Ergebnis().AnteilErde, 0.0);
}

TEST(ParameterDialog, DerGanzeSatzGehtDurchDiePruefungDesLaufs) {
    TParameterDialog dialog(nullptr, Standard(), {});
    // each value alone is in range, the ground model is not
    dialog.Feld("WandstaerkeRohr")->setText(QStringLiteral("1e10"));
    ASSERT_TRUE(dialog.OkMoeglich());
    const QStringList meldungen = test::MeldungenAbfangen([&] { dialog.accept(); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("Die Parameter wurden nicht übernommen:")));
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("WandstaerkeRohr")));
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.Feld("WandstaerkeRohr")->setText(QStringLiteral("0.0039"));
    dialog.Feld("WetterDatei")->setText(QStringLiteral("ort.epw"));
    dialog.Schalter("EingebautesWetter")->setChecked(false);
    const QStringList widerspruch = test::MeldungenAbfangen([&] { dialog.accept(); });
    ASSERT_EQ(widerspruch.size(), 1);
    EXPECT_TRUE(widerspruch[0].contains(QStringLiteral("widersprechen sich")));
}

TEST(ParameterDialog, DasEingabefensterZeigtDieUebernommenenWerte) {
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    eingabe.ERohrlaenge->setText(QStringLiteral("60"));
    bool uebernommen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TParameterDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Feld("Rohrlaenge")->text(), QStringLiteral("60.0"))
            << "the input window's entry is the dialog's value";
        dialog->Feld("Volumenstrom")->setText(QStringLiteral("1850"));
        dialog->Feld("AnzahlSubSchritte")->setText(QStringLiteral("4"));
        dialog->accept();
    });
    uebernommen = eingabe.WeitereParameter();
    EXPECT_TRUE(uebernommen);
    EXPECT_EQ(eingabe.EVolumenstrom->text(), QStringLiteral("1850"));
    EXPECT_EQ(eingabe.ERohrlaenge->text(), QStringLiteral("60.0"));
    EXPECT_EQ(anwendung.Kontext().Parameter.AnzahlSubSchritte, 4);
    EXPECT_TRUE(anwendung.Projekt().Geaendert);
    EXPECT_TRUE(eingabe.windowTitle().endsWith(QStringLiteral(" *")));
}

} // namespace
} // namespace kov
