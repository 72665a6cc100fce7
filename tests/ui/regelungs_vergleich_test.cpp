// The control modes side by side: the column of the run shown at once, the other mode computed
// on the worker giving what a run of its own gives, a fault named in place of the numbers, and
// a widget closed while its worker computes.
#include "ui/regelungs_vergleich.h"

#include "auswertungs_hilfen.h"
#include "register/kennwerte.h"
#include "test_hilfen.h"
#include "ui/auswertungs_fenster.h"
#include "ui/kennwerte_tabellen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace kov {
namespace {

// one decimal with a comma, from five digits on grouped in threes by a narrow no-break space
QString Deutsch(double wert) {
    QString text = QString::number(wert, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
    const qsizetype ganz = text.indexOf(QLatin1Char(',')) - (wert < 0 ? 1 : 0);
    if (ganz >= 5)
        for (qsizetype stelle = text.indexOf(QLatin1Char(',')) - 3; stelle > (wert < 0 ? 1 : 0);
             stelle -= 3)
            text.insert(stelle, QChar(0x202F));
    return text;
}

TEST(RegelungsVergleich, OtherModeIsTheParameterSetWithOnlyTheControlChanged) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    EXPECT_EQ(AndereRegelung(p).Regelung, "bedarf");
    p.Regelung = "bedarf";
    const TRegisterParameter q = AndereRegelung(p);
    EXPECT_EQ(q.Regelung, "klassisch");
    EXPECT_EQ(q.Heizgrenze, p.Heizgrenze);
    EXPECT_EQ(q.Volumenstrom, p.Volumenstrom);
}

TEST(RegelungsVergleich, BothColumnsAreTheFiguresOfARunInThatMode) {
    const auto klassisch = test::StandardAuswertung();
    TRegisterParameter p = klassisch->Modell->Parameter;
    p.Regelung = "bedarf";
    const TKennwerte bedarf = AuswertungsLaufRechnen(p).Kennwerte;

    TRegelungsVergleich vergleich;
    QSignalSpy fertig(&vergleich, &TRegelungsVergleich::Verglichen);
    vergleich.Anzeigen(klassisch, {});
    EXPECT_TRUE(vergleich.Rechnet());
    // the run's own column at once: useful heating, then its unwanted cooling
    EXPECT_EQ(vergleich.Tabelle->item(0, 1)->text(),
              Deutsch(klassisch->Kennwerte.HeizenergieNutzbar));
    EXPECT_EQ(vergleich.Tabelle->item(0, 2)->text(), QStringLiteral("…"));
    ASSERT_TRUE(fertig.wait(120000));
    EXPECT_FALSE(vergleich.Rechnet());

    const struct {
        int Zeile;
        double Klassisch, Bedarf;
    } zeilen[] = {
        {0, klassisch->Kennwerte.HeizenergieNutzbar, bedarf.HeizenergieNutzbar},
        {1, klassisch->Kennwerte.KuehlenergieNutzbar, bedarf.KuehlenergieNutzbar},
        {2, klassisch->Kennwerte.HeizenergieUnerwuenscht, bedarf.HeizenergieUnerwuenscht},
        {3, klassisch->Kennwerte.KuehlenergieUnerwuenscht, bedarf.KuehlenergieUnerwuenscht},
        {4, klassisch->Kennwerte.Ventilatorenergie, bedarf.Ventilatorenergie},
        {5, klassisch->Kennwerte.Leistungszahl, bedarf.Leistungszahl},
        {6, klassisch->Kennwerte.LeistungszahlBrutto, bedarf.LeistungszahlBrutto},
        {7, klassisch->Kennwerte.WirkungsgradHeizperiode * 100,
         bedarf.WirkungsgradHeizperiode * 100},
        {8, klassisch->Kennwerte.TausMittelHeizperiode, bedarf.TausMittelHeizperiode},
    };
    ASSERT_EQ(vergleich.Tabelle->rowCount(), 9);
    for (const auto& z : zeilen) {
        EXPECT_EQ(vergleich.Tabelle->item(z.Zeile, 1)->text(), Deutsch(z.Klassisch)) << z.Zeile;
        EXPECT_EQ(vergleich.Tabelle->item(z.Zeile, 2)->text(), Deutsch(z.Bedarf)) << z.Zeile;
    }
    // the defaults as kov-run --json gives them (reference run): Leistungszahl 64.6 useful and
    // 74.5 gross with the limits, 87.8 with the need-based control; unwanted energy 940.5 +
    // 3879.7 kWh with the limits, 0.06 + 2.01 kWh following the need
    EXPECT_EQ(vergleich.Tabelle->item(5, 1)->text(), QStringLiteral("64,6"));
    EXPECT_EQ(vergleich.Tabelle->item(6, 1)->text(), QStringLiteral("74,5"));
    EXPECT_EQ(vergleich.Tabelle->item(5, 2)->text(), QStringLiteral("87,8"));
    EXPECT_NEAR(klassisch->Kennwerte.HeizenergieUnerwuenscht +
                    klassisch->Kennwerte.KuehlenergieUnerwuenscht,
                4820.14, 0.01);
    EXPECT_NEAR(bedarf.HeizenergieUnerwuenscht + bedarf.KuehlenergieUnerwuenscht, 2.07, 0.01);
    EXPECT_TRUE(vergleich.Definitionen->text().contains(QStringLiteral("η = Σ R·(Taus − Tein)")));
}

TEST(RegelungsVergleich, AnInputTheOtherModeCannotReadIsNamedInsteadOfNumbers) {
    auto a = std::make_shared<TAuswertung>(*test::StandardAuswertung());
    auto m = std::make_shared<TModell>(*a->Modell);
    m->Parameter.WetterDatei = "fehlt.epw";
    a->Modell = m;
    TRegelungsVergleich vergleich;
    QSignalSpy fertig(&vergleich, &TRegelungsVergleich::Verglichen);
    vergleich.Anzeigen(a, "/nirgends");
    ASSERT_TRUE(fertig.wait(60000));
    EXPECT_EQ(vergleich.Tabelle->item(0, 2)->text(), QStringLiteral("–"));
    EXPECT_TRUE(vergleich.Stand->text().contains(QStringLiteral("fehlt.epw")))
        << vergleich.Stand->text().toStdString();
}

TEST(RegelungsVergleich, OnlyTheNewestRunReportsAndTheEndStopsTheWorker) {
    const auto a = test::StandardAuswertung();
    {
        TRegelungsVergleich vergleich;
        QSignalSpy fertig(&vergleich, &TRegelungsVergleich::Verglichen);
        vergleich.Anzeigen(a, {});
        vergleich.Anzeigen(a, {}); // the first computation is dropped
        ASSERT_TRUE(fertig.wait(120000));
        QTest::qWait(50);
        EXPECT_EQ(fertig.count(), 1) << "only the newest run reports";
        vergleich.Anzeigen(a, {});
    } // destroyed while computing: its worker is stopped and joined, nothing is reported
}

TEST(RegelungsVergleich, HeatingPeriodFiguresOfTheTablesCarryTheirDefinitions) {
    const TAuswertung& a = *test::StandardAuswertung();
    QTableWidget* tabelle = KennwerteTabelleAnlegen(nullptr);
    QTableWidget* monate = MonatsTabelleAnlegen(nullptr);
    KennwerteTabellenFuellen(tabelle, monate, a.Kennwerte, a.Modell->Parameter, a.Modell->Ergebnis);
    int erklaert = 0;
    for (int z = 0; z < tabelle->rowCount(); ++z) {
        const QString name = tabelle->item(z, 0)->text();
        const bool definiert = !tabelle->item(z, 1)->toolTip().isEmpty();
        const bool heizperiode = name.startsWith(QStringLiteral("Wirkungsgrad η")) ||
                                 name.startsWith(QStringLiteral("Mittlere Ansaugtemperatur"));
        EXPECT_EQ(definiert, heizperiode) << name.toStdString();
        if (definiert) ++erklaert;
    }
    EXPECT_EQ(erklaert, 2);
    delete tabelle;
    delete monate;
}

TEST(RegelungsVergleich, TheEvaluationWindowRunsTheOtherModeBesideTheProjectFile) {
    test::TArbeitsVerzeichnis ort;
    // a project whose weather file lies beside it, not in the working directory
    std::filesystem::create_directory("projekt");
    std::filesystem::copy_file(std::string(KOV_TESTDATEN) +
                                   "/wetter/tmy_45.000_8.000_2005_2023.epw",
                               "projekt/standort.epw");
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WetterDatei = "standort.epw";
    TRegisterParameter q = p;
    q.Regelung = "bedarf";
    const auto a = std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p, {}, "projekt"));
    const TKennwerte bedarf = AuswertungsLaufRechnen(q, {}, "projekt").Kennwerte;

    TAuswertungsFenster fenster;
    QSignalSpy fertig(fenster.Vergleich, &TRegelungsVergleich::Verglichen);
    TBerichtKopf kopf;
    kopf.Projektdatei = QStringLiteral("projekt/anlage.kov");
    fenster.Anzeigen(a, kopf);
    ASSERT_TRUE(fertig.wait(120000));
    EXPECT_EQ(fenster.Vergleich->Tabelle->item(0, 2)->text(), Deutsch(bedarf.HeizenergieNutzbar))
        << fenster.Vergleich->Stand->text().toStdString();
    // the site's weather, not the built-in year's: the classic column differs from the defaults
    EXPECT_NE(fenster.Vergleich->Tabelle->item(0, 1)->text(),
              Deutsch(test::StandardAuswertung()->Kennwerte.HeizenergieNutzbar));
}

} // namespace
} // namespace kov
