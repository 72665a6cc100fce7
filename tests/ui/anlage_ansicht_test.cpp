// The views "Anlage" and "Stundenwerte" of the evaluation window: what their charts draw from a
// run with and without the ventilation unit, the period of the hourly view as it is scrolled and
// zoomed, and their pictures.
#include "ui/anlage_ansicht.h"

#include "auswertungs_hilfen.h"
#include "model/fehler.h"
#include "register/lueftungsanlage.h"
#include "test_hilfen.h"
#include "ui/anlage_diagramme.h"
#include "ui/auswertungs_fenster.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <algorithm>

namespace kov {
namespace {

std::shared_ptr<const TAuswertung> Auswertung(const std::string& betriebszeiten = {}) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    p.WRG = true;
    p.Betriebszeiten = betriebszeiten;
    return std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p));
}

const std::shared_ptr<const TAuswertung>& MitAnlage() {
    static const std::shared_ptr<const TAuswertung> a = Auswertung();
    return a;
}

template <class T> QList<T*> Reihen(QChart& chart) {
    QList<T*> reihen;
    for (QAbstractSeries* r : chart.series())
        if (auto* t = qobject_cast<T*>(r)) reihen.append(t);
    return reihen;
}

int FarbigePunkte(const QImage& bild) {
    int zahl = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != qRgb(255, 255, 255)) ++zahl;
    return zahl;
}

double Summe(const QBarSet& satz) {
    double summe = 0;
    for (int i = 0; i < satz.count(); ++i)
        summe += satz.at(i);
    return summe;
}

TEST(AnlageDiagramme, DurationCurvesHoldTheSupplyOfEveryHourWithFlowSortedWarmToCold) {
    const TAuswertung& a = *MitAnlage();
    const TModell& m = *a.Modell;
    TStundenFeld mit{}, ohne{};
    ZuluftReihenRechnen(m.Parameter, m.Reihen, mit, ohne);
    const TZuluftDauerlinien d = ZuluftDauerlinienBerechnen(m);
    // no schedule: the unit runs in all 8760 hours
    ASSERT_EQ(d.MitRegister.size(), 8760u);
    ASSERT_EQ(d.OhneRegister.size(), 8760u);
    EXPECT_TRUE(std::is_sorted(d.MitRegister.rbegin(), d.MitRegister.rend()));
    EXPECT_EQ(d.MitRegister.front(), *std::max_element(mit.begin() + 1, mit.end()));
    EXPECT_EQ(d.OhneRegister.back(), *std::min_element(ohne.begin() + 1, ohne.end()));
    // the lowest supply after heat recovery is the figure of the unit
    EXPECT_EQ(d.MitRegister.back(), a.Kennwerte.Anlage.MitRegister.ZuluftNachWRGMin);

    const auto chart = ZuluftDauerlinienDiagramm(a);
    const QList<QLineSeries*> linien = Reihen<QLineSeries>(*chart);
    ASSERT_EQ(linien.size(), 3); // without, with the register, ZuluftSoll
    EXPECT_EQ(linien[0]->count(), 8760);
    EXPECT_EQ(linien[1]->count(), 8760);
    EXPECT_EQ(linien[0]->at(0).y(), d.OhneRegister.front());
    EXPECT_EQ(linien[1]->at(8759), QPointF(8760, d.MitRegister.back()));
    EXPECT_EQ(linien[2]->at(0).y(), 18.0);

    // Mo-Fr 7-18 over the built-in year, which starts on a Monday: 52 weeks and one Monday give
    // 261 weekdays of 11 hours
    const TZuluftDauerlinien buero = ZuluftDauerlinienBerechnen(*Auswertung("Mo-Fr 7-18")->Modell);
    EXPECT_EQ(buero.MitRegister.size(), 261u * 11u);
}

TEST(AnlageDiagramme, MonthlyBarsAreTheUnitsFiguresAndFrostHoursWithoutRegisterAreTheWeathers) {
    const TAuswertung& a = *MitAnlage();
    const TAnlagenKennwerte& k = a.Kennwerte.Anlage;
    // without the register the intake is the outdoor air: its hours below WRGFrostgrenze
    // (-3 °C), counted here from the series
    int kalt = 0;
    for (std::size_t h = 1; h <= 8760; ++h)
        if (a.Modell->Reihen.Tein[h] < -3.0) ++kalt;
    EXPECT_EQ(kalt, 501) << "hours below -3 °C of the built-in year (reference run)";

    const struct {
        const char* Name;
        std::unique_ptr<QChart> Chart;
        double Ohne, Mit;
    } faelle[] = {
        {"Frostschutzstunden", FrostschutzDiagramm(a), static_cast<double>(kalt),
         static_cast<double>(k.MitRegister.FrostschutzStunden)},
        {"Vorheizenergie", VorheizDiagramm(a), k.OhneRegister.Vorheizenergie,
         k.MitRegister.Vorheizenergie},
    };
    for (const auto& f : faelle) {
        const QList<QBarSeries*> balken = Reihen<QBarSeries>(*f.Chart);
        ASSERT_EQ(balken.size(), 1) << f.Name;
        const QList<QBarSet*> saetze = balken[0]->barSets();
        ASSERT_EQ(saetze.size(), 2) << f.Name;
        EXPECT_EQ(saetze[0]->label(), QStringLiteral("ohne Register")) << f.Name;
        EXPECT_EQ(saetze[0]->count(), 12) << f.Name;
        EXPECT_NEAR(Summe(*saetze[0]), f.Ohne, 1e-9) << f.Name;
        EXPECT_NEAR(Summe(*saetze[1]), f.Mit, 1e-9) << f.Name;
        EXPECT_LE(Summe(*saetze[1]), Summe(*saetze[0])) << f.Name << ": the register helps";
    }
    // the preheater lifts each of those hours to -3 °C: from the reference run 2086.08 kWh
    EXPECT_NEAR(k.OhneRegister.Vorheizenergie, 2086.08, 0.01);
}

TEST(AnlageDiagramme, HourlyChartShowsThePeriodAndTheSupplyOnlyWithTheUnit) {
    const TAuswertung& mit = *MitAnlage();
    const TAuswertung& ohne = *test::StandardAuswertung();
    const struct {
        const char* Name;
        const TAuswertung& A;
        int Von, Bis;
        int Linien;
    } faelle[] = {
        {"second week with unit", mit, 169, 336, 3},
        {"second week without", ohne, 169, 336, 2},
        {"last hour alone", mit, 8760, 8760, 3},
        {"whole year", ohne, 1, 8760, 2},
    };
    for (const auto& f : faelle) {
        const auto chart = StundenDiagramm(f.A, f.Von, f.Bis);
        const QList<QLineSeries*> linien = Reihen<QLineSeries>(*chart);
        ASSERT_EQ(linien.size(), f.Linien) << f.Name;
        for (QLineSeries* linie : linien)
            EXPECT_EQ(linie->count(), f.Bis - f.Von + 1) << f.Name;
        const TStundenReihen& r = f.A.Modell->Reihen;
        const auto von = static_cast<std::size_t>(f.Von), bis = static_cast<std::size_t>(f.Bis);
        // the register's outlet first, the outdoor air drawn over it
        EXPECT_EQ(linien[0]->name(), QStringLiteral("Austritt Register")) << f.Name;
        EXPECT_EQ(linien[1]->at(0), QPointF(f.Von, r.Tein[von])) << f.Name;
        EXPECT_EQ(linien[0]->at(linien[0]->count() - 1), QPointF(f.Bis, r.Taus[bis])) << f.Name;
        auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first());
        ASSERT_NE(x, nullptr) << f.Name;
        EXPECT_EQ(x->min(), f.Von - 1) << f.Name;
        EXPECT_EQ(x->max(), f.Bis) << f.Name;
    }
}

TEST(AnlageDiagramme, HourlySupplyIsDrawnOnlyWhileTheUnitRuns) {
    const auto buero = Auswertung("Mo-Fr 7-18");
    // the first week of the built-in year, Monday to Sunday: five days of 11 hours
    auto chart = StundenDiagramm(*buero, 1, 168);
    QList<QLineSeries*> zuluft;
    for (QLineSeries* linie : Reihen<QLineSeries>(*chart))
        if (linie->name().startsWith(QStringLiteral("Zuluft"))) zuluft.append(linie);
    ASSERT_EQ(zuluft.size(), 5);
    for (int tag = 0; tag < 5; ++tag) {
        ASSERT_EQ(zuluft[tag]->count(), 11) << tag;
        // 07:00 to 08:00 is hour 8 of the day
        EXPECT_EQ(zuluft[tag]->at(0).x(), 24 * tag + 8) << tag;
    }
    // a marker is visible only in a chart on the screen
    QChart* gezeigt = chart.get();
    QChartView ansicht(chart.release());
    ansicht.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ansicht));
    int marken = 0;
    for (QLegendMarker* marke : gezeigt->legend()->markers())
        if (marke->isVisible()) ++marken;
    EXPECT_EQ(marken, 3) << "outdoor air, register outlet and supply named once each";
    EXPECT_TRUE(StundenWertText(*buero, 1).endsWith(QStringLiteral("Lüftungsgerät aus")));
    EXPECT_TRUE(StundenWertText(*buero, 8).contains(QStringLiteral("Zuluft")));
}

TEST(AnlageDiagramme, PeriodAndHourTextsAtTheEdgesOfTheYear) {
    const TAuswertung& a = *MitAnlage();
    EXPECT_EQ(ZeitraumText(1, 168), QStringLiteral("1. Januar bis 7. Januar (168 Stunden)"));
    EXPECT_EQ(ZeitraumText(8593, 8760),
              QStringLiteral("25. Dezember bis 31. Dezember (168 Stunden)"));
    EXPECT_TRUE(StundenWertText(a, 0).isEmpty());
    EXPECT_TRUE(StundenWertText(a, 8761).isEmpty());
    const QString erste = StundenWertText(a, 1);
    EXPECT_TRUE(erste.startsWith(QStringLiteral("1. Januar, 00–01 Uhr (Stunde 1): Aussenluft ")))
        << erste.toStdString();
    EXPECT_TRUE(erste.contains(QStringLiteral("Zuluft "))) << erste.toStdString();
    EXPECT_FALSE(
        StundenWertText(*test::StandardAuswertung(), 1).contains(QStringLiteral("Zuluft")));
}

TEST(AnlageDiagramme, ValueUnderTheMouseAtTheEdgesOfHoursAndMonths) {
    const TAuswertung& a = *MitAnlage();
    const TZuluftDauerlinien d = ZuluftDauerlinienBerechnen(*a.Modell);
    // the reference run: 164 frost hours and 876.3 kWh of preheating in January without the
    // register, none with it
    const struct {
        TAnlagenDiagramm Diagramm;
        double X;
        QString Anfang; // empty: no text
    } faelle[] = {
        {TAnlagenDiagramm::Dauerlinien, 0.4, {}},
        {TAnlagenDiagramm::Dauerlinien, 0.6, QStringLiteral("1 Betriebsstunden mit mindestens: ")},
        {TAnlagenDiagramm::Dauerlinien, 8760.4, QStringLiteral("8760 Betriebsstunden")},
        {TAnlagenDiagramm::Dauerlinien, 8760.6, {}},
        {TAnlagenDiagramm::Frostschutz, -0.49,
         QStringLiteral("Januar: Frostschutz ohne Register 164 h, mit Register 0 h")},
        {TAnlagenDiagramm::Frostschutz, -0.51, {}},
        {TAnlagenDiagramm::Vorheizung, 0.2,
         QStringLiteral("Januar: Vorheizenergie ohne Register 876,3 kWh, mit Register 0,0 kWh")},
        {TAnlagenDiagramm::Vorheizung, 11.49, QStringLiteral("Dezember: ")},
        {TAnlagenDiagramm::Vorheizung, 11.51, {}},
    };
    for (const auto& f : faelle) {
        const QString text = AnlagenWertText(a, d, f.Diagramm, {f.X, 0});
        if (f.Anfang.isEmpty())
            EXPECT_TRUE(text.isEmpty()) << f.X << ": " << text.toStdString();
        else
            EXPECT_TRUE(text.startsWith(f.Anfang)) << f.X << ": " << text.toStdString();
    }
    EXPECT_TRUE(AnlagenWertText(a, d, TAnlagenDiagramm::Dauerlinien, {1, 0})
                    .endsWith(QStringLiteral("mit Register %1 °C")
                                  .arg(QString::number(d.MitRegister[0], 'f', 1)
                                           .replace(QLatin1Char('.'), QLatin1Char(',')))));
}

TEST(AnlageAnsicht, WithoutUnitSaysHowToSwitchItOnWithItShowsThreeCharts) {
    TAnlagenAnsicht ansicht;
    ansicht.Anzeigen(test::StandardAuswertung());
    EXPECT_EQ(ansicht.Seiten->currentWidget(), ansicht.Hinweis);
    EXPECT_TRUE(ansicht.Hinweis->text().contains(QStringLiteral("WRG=true")));
    ansicht.Anzeigen(MitAnlage());
    EXPECT_NE(ansicht.Seiten->currentWidget(), ansicht.Hinweis);
    for (QChartView* diagramm : ansicht.Diagramme)
        EXPECT_FALSE(diagramm->chart()->series().isEmpty()) << diagramm->objectName().toStdString();
    // back to a run without the unit: no chart of the earlier run stays
    ansicht.Anzeigen(test::StandardAuswertung());
    for (QChartView* diagramm : ansicht.Diagramme)
        EXPECT_TRUE(diagramm->chart()->series().isEmpty());
}

TEST(StundenAnsicht, AWeekAtFirstThenScrolledAndZoomedWithinTheYear) {
    TStundenAnsicht ansicht;
    ansicht.Anzeigen(MitAnlage());
    EXPECT_EQ(ansicht.VonStunde(), 1);
    EXPECT_EQ(ansicht.BisStunde(), 168);
    EXPECT_EQ(ansicht.Zeitraum->text(), QStringLiteral("1. Januar bis 7. Januar (168 Stunden)"));

    const struct {
        const char* Name;
        std::function<void()> Aktion;
        int Von, Bis;
    } schritte[] = {
        {"scroll bar to day 30", [&] { ansicht.Lage->setValue(30); }, 24 * 29 + 1, 24 * 36},
        {"past the end of the year", [&] { ansicht.ZeitraumSetzen(400, 7); }, 24 * 358 + 1, 8760},
        {"scroll bar cannot pass the end", [&] { ansicht.Lage->setValue(365); }, 24 * 358 + 1,
         8760},
        {"whole year", [&] { ansicht.Tage->setValue(365); }, 1, 8760},
        {"zoom out of the whole year", [&] { ansicht.Zoomen(1.25); }, 1, 8760},
        {"zoom in 0.8 of 365 days: 292", [&] { ansicht.Zoomen(0.8); }, 1, 24 * 292},
        {"one day", [&] { ansicht.ZeitraumSetzen(100, 1); }, 24 * 99 + 1, 24 * 100},
        {"zoom in below a day", [&] { ansicht.Zoomen(0.8); }, 24 * 99 + 1, 24 * 100},
        {"zoom out of one day takes at least a day", [&] { ansicht.Zoomen(1.25); }, 24 * 99 + 1,
         24 * 101},
        // 10 days from day 100, zoomed in about the first hour of day 105: half-way stays
        // half-way, 8 days from day 101
        {"zoom about an hour",
         [&] {
             ansicht.ZeitraumSetzen(100, 10);
             ansicht.Zoomen(0.8, 24 * 104 + 1);
         },
         24 * 100 + 1, 24 * 108},
    };
    for (const auto& s : schritte) {
        s.Aktion();
        EXPECT_EQ(ansicht.VonStunde(), s.Von) << s.Name;
        EXPECT_EQ(ansicht.BisStunde(), s.Bis) << s.Name;
        const QList<QLineSeries*> linien = Reihen<QLineSeries>(*ansicht.Diagramm->chart());
        ASSERT_EQ(linien.size(), 3) << s.Name;
        EXPECT_EQ(linien[0]->count(), s.Bis - s.Von + 1) << s.Name;
        EXPECT_EQ(linien[0]->at(0).x(), s.Von) << s.Name;
    }
}

// the viewport position of the middle of a chart's plot area
QPoint PlotMitte(QChartView& ansicht) {
    const QPointF szene = ansicht.chart()->mapToScene(ansicht.chart()->plotArea().center());
    return ansicht.mapFromScene(szene);
}

TEST(AuswertungsFensterAnlage, TheValueUnderTheMouseReachesTheWindow) {
    TAuswertungsFenster fenster;
    fenster.Anzeigen(MitAnlage());
    fenster.resize(1000, 700);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    fenster.Reiter->setCurrentWidget(fenster.Stunden);
    QTest::qWait(50);
    // the middle of the first week: 4 January, 12-13 h, hour 85 (or its neighbour)
    QChartView& stunden = *fenster.Stunden->Diagramm;
    QTest::mouseMove(stunden.viewport(), PlotMitte(stunden));
    EXPECT_TRUE(fenster.Wert->text().startsWith(QStringLiteral("4. Januar, ")))
        << fenster.Wert->text().toStdString();
    EXPECT_TRUE(fenster.Wert->text().contains(QStringLiteral("Zuluft ")));

    fenster.Reiter->setCurrentWidget(fenster.Anlage);
    QTest::qWait(50);
    QChartView& vorheizung = *fenster.Anlage->Diagramme[2];
    QTest::mouseMove(vorheizung.viewport(), PlotMitte(vorheizung));
    // the middle of twelve bars lies between June and July
    EXPECT_TRUE(fenster.Wert->text().contains(QStringLiteral(": Vorheizenergie ohne Register")))
        << fenster.Wert->text().toStdString();
}

TEST(AuswertungsFensterAnlage, PicturesOfTheNewViewsAreWrittenFromTheTabShown) {
    test::TArbeitsVerzeichnis ort;
    TAuswertungsFenster fenster;
    fenster.Anzeigen(MitAnlage());
    fenster.Reiter->setCurrentWidget(fenster.Stunden);
    // the tabs beyond the classic views are no classic view: zoom reset has nothing to do
    EXPECT_EQ(fenster.AktuelleAnsicht(), TAnsicht::Kennwerte);
    EXPECT_FALSE(fenster.ZoomZurueck->isEnabled());
    fenster.Stunden->ZeitraumSetzen(200, 3);

    const struct {
        TBildQuelle* Quelle;
        const char* Datei;
    } faelle[] = {{fenster.Stunden, "stunden.png"},
                  {fenster.Anlage, "anlage.png"},
                  {fenster.Stunden, "stunden.svg"},
                  {fenster.Anlage, "anlage.svg"}};
    for (const auto& f : faelle) {
        f.Quelle->BildSpeichern(QString::fromLatin1(f.Datei), {640, 400});
        QFile datei(QString::fromLatin1(f.Datei));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << f.Datei;
        const QByteArray inhalt = datei.readAll();
        if (QByteArray(f.Datei).endsWith("png")) {
            const QImage bild = QImage::fromData(inhalt, "PNG");
            EXPECT_EQ(bild.size(), QSize(640, 400)) << f.Datei;
            EXPECT_GT(FarbigePunkte(bild), 640 * 400 / 100) << f.Datei << ": drawn, not left white";
        } else {
            EXPECT_TRUE(inhalt.contains("<svg")) << f.Datei;
        }
    }
    // the picture of the hourly view is the period shown: 19 to 21 July
    QFile svg(QStringLiteral("stunden.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(QStringLiteral("19. Juli bis 21. Juli")));

    try {
        fenster.Stunden->BildSpeichern(QStringLiteral("stunden.jpg"), {100, 100});
        ADD_FAILURE() << "a picture named .jpg was written";
    } catch (const TDateiFehler& f) {
        EXPECT_NE(std::string(f.what()).find("stunden.jpg"), std::string::npos) << f.what();
    }
}

} // namespace
} // namespace kov
