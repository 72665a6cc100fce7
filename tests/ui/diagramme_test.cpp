// The charts of the result views: what each one draws from the evaluation, the units on every
// axis, and the text of the value under the mouse at the edges of days, hours and months.
#include "ui/diagramme.h"
#include "ui/zahl_format.h"

#include "auswertungs_hilfen.h"
#include "model/kalender.h"
#include "register/auswertung.h"
#include "register/kennwerte_text.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLineSeries>
#include <QRegularExpression>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace kov {
namespace {

// the core's figure as the German views write it (decimal comma, grouped thousands)
QString Zahl(double wert, int dezimalen) {
    return ZahlTextAnsicht(QString::fromStdString(KennwertZahl(wert, dezimalen)));
}

template <class T> QList<T*> Reihen(QChart& chart) {
    QList<T*> reihen;
    for (QAbstractSeries* r : chart.series())
        if (auto* t = qobject_cast<T*>(r)) reihen.append(t);
    return reihen;
}

TEST(Diagramme, EveryAxisHasATitleWithItsUnitAndEveryChartALegend) {
    const TAuswertung& a = *test::StandardAuswertung();
    for (const TAnsicht ansicht : AlleAnsichten) {
        const std::string name = AnsichtTitel(ansicht).toStdString();
        if (!IstDiagramm(ansicht)) {
            EXPECT_EQ(DiagrammErzeugen(ansicht, a), nullptr) << name;
            continue;
        }
        const auto chart = DiagrammErzeugen(ansicht, a);
        ASSERT_NE(chart, nullptr) << name;
        EXPECT_FALSE(chart->title().isEmpty()) << name;
        EXPECT_TRUE(chart->legend()->isVisible()) << name;
        ASSERT_GE(chart->axes().size(), 2) << name;
        for (QAbstractAxis* achse : chart->axes()) {
            const QString titel = achse->titleText();
            // the months are categories; every value axis names its unit in brackets
            const bool monate = qobject_cast<QBarCategoryAxis*>(achse) != nullptr;
            EXPECT_TRUE(monate ? titel == QStringLiteral("Monat")
                               : titel.contains(QRegularExpression(QStringLiteral("\\[.+\\]"))))
                << name << ": " << titel.toStdString();
        }
        // the legend names every curve, and for bars every set
        for (QAbstractSeries* reihe : chart->series()) {
            if (auto* balken = qobject_cast<QBarSeries*>(reihe))
                for (const QBarSet* satz : balken->barSets())
                    EXPECT_FALSE(satz->label().isEmpty()) << name;
            else
                EXPECT_FALSE(reihe->name().isEmpty()) << name;
        }
    }
}

TEST(Diagramme, YearDrawsTheDailyRangesAndTheMonthlyGroundTemperature) {
    const TAuswertung& a = *test::StandardAuswertung();
    const TJahresVerlauf v = JahresVerlaufBerechnen(*a.Modell);
    const auto chart = DiagrammErzeugen(TAnsicht::Jahr, a);
    const QList<QAreaSeries*> baender = Reihen<QAreaSeries>(*chart);
    ASSERT_EQ(baender.size(), 2);
    const struct {
        const char* Name;
        QAreaSeries* Band;
        const TTagesWerte& Werte;
    } faelle[] = {{"Eintritt", baender[0], v.Eintritt}, {"Austritt", baender[1], v.Austritt}};
    for (const auto& f : faelle) {
        const QList<QPointF> oben = f.Band->upperSeries()->points();
        const QList<QPointF> unten = f.Band->lowerSeries()->points();
        ASSERT_EQ(oben.size(), TageImJahr) << f.Name;
        // day d at the middle of its interval on the axis
        const struct { int Tag; } tage[] = {{1}, {32}, {365}};
        for (const auto& [tag] : tage) {
            const auto i = static_cast<qsizetype>(tag - 1);
            EXPECT_EQ(oben[i], QPointF(tag - 0.5, f.Werte.Max[static_cast<std::size_t>(tag)]))
                << f.Name << " Tag " << tag;
            EXPECT_EQ(unten[i], QPointF(tag - 0.5, f.Werte.Min[static_cast<std::size_t>(tag)]))
                << f.Name << " Tag " << tag;
        }
        EXPECT_TRUE(f.Band->name().startsWith(QString::fromLatin1(f.Name))) << f.Name;
    }
    // the ground: a step of each month from its first to its last day
    const QList<QLineSeries*> linien = Reihen<QLineSeries>(*chart);
    const auto erde = std::find_if(linien.begin(), linien.end(), [](QLineSeries* l) {
        return l->name() == QStringLiteral("Erdreich in Rohrtiefe");
    });
    ASSERT_NE(erde, linien.end());
    const QList<QPointF> stufen = (*erde)->points();
    ASSERT_EQ(stufen.size(), 24);
    EXPECT_EQ(stufen[0], QPointF(0, v.ErdTemperatur[1]));
    EXPECT_EQ(stufen[1], QPointF(31, v.ErdTemperatur[1]));
    EXPECT_EQ(stufen[2], QPointF(31, v.ErdTemperatur[2]));
    EXPECT_EQ(stufen[3], QPointF(59, v.ErdTemperatur[2]));
    EXPECT_EQ(stufen[23], QPointF(365, v.ErdTemperatur[12]));
    // the temperature axis holds every day on whole 5 K: -19.3 .. 34.1 °C -> -20 .. 35
    const auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->min(), -20);
    EXPECT_EQ(y->max(), 35);
}

TEST(Diagramme, DurationCurvesAndFrostLimit) {
    const TAuswertung& a = *test::StandardAuswertung();
    const TDauerlinien d = DauerlinienBerechnen(*a.Modell);
    const auto chart = DiagrammErzeugen(TAnsicht::Dauerlinie, a);
    const QList<QLineSeries*> linien = Reihen<QLineSeries>(*chart);
    ASSERT_EQ(linien.size(), 3);
    const struct {
        QLineSeries* Linie;
        const TStundenFeld& Kurve;
    } kurven[] = {{linien[0], d.Eintritt}, {linien[1], d.Austritt}};
    for (const auto& k : kurven) {
        const QList<QPointF> punkte = k.Linie->points();
        ASSERT_EQ(punkte.size(), StundenImJahr);
        EXPECT_EQ(punkte.front(), QPointF(1, k.Kurve[1]));
        EXPECT_EQ(punkte.back(), QPointF(StundenImJahr, k.Kurve[StundenImJahr]));
    }
    EXPECT_EQ(linien[2]->name(), QStringLiteral("Frostgrenze 0,0 °C"));
    EXPECT_EQ(linien[2]->points(), (QList<QPointF>{{0, 0.0}, {8760, 0.0}}));
    const auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
    EXPECT_EQ(x->min(), 0);
    EXPECT_EQ(x->max(), 8760);
}

TEST(Diagramme, MonthlyEnergyFanAndCondensate) {
    const TAuswertung& a = *test::StandardAuswertung();
    const TKennwerte& kw = a.Kennwerte;
    const auto energie = DiagrammErzeugen(TAnsicht::Energie, a);
    const QList<QBarSeries*> balken = Reihen<QBarSeries>(*energie);
    ASSERT_EQ(balken.size(), 1);
    const QList<QBarSet*> saetze = balken.front()->barSets();
    ASSERT_EQ(saetze.size(), 2);
    EXPECT_EQ(saetze[0]->label(), QStringLiteral("Heizenergie"));
    EXPECT_EQ(saetze[1]->label(), QStringLiteral("Kühlenergie"));
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(saetze[0]->at(m - 1), kw.HeizenergieMonat[static_cast<std::size_t>(m)]) << m;
        EXPECT_EQ(saetze[1]->at(m - 1), kw.KuehlenergieMonat[static_cast<std::size_t>(m)]) << m;
    }
    // the fan on its own axis at the right: about 40 kWh a month beside thousands
    const QList<QLineSeries*> strom = Reihen<QLineSeries>(*energie);
    ASSERT_EQ(strom.size(), 1);
    EXPECT_EQ(strom[0]->at(1), QPointF(1, kw.VentilatorenergieMonat[2]));
    const QList<QAbstractAxis*> achsen = strom[0]->attachedAxes();
    ASSERT_EQ(achsen.size(), 2);
    EXPECT_EQ(achsen[1]->alignment(), Qt::AlignRight);
    EXPECT_EQ(achsen[1]->titleText(), QStringLiteral("Ventilatorstrom [kWh]"));
    EXPECT_LT(qobject_cast<QValueAxis*>(achsen[1])->max(), 100);

    // the built-in year has no humidity data: no condensate figure, and the title says why
    const auto ohneFeuchte = DiagrammErzeugen(TAnsicht::Kondensat, a);
    EXPECT_FALSE(kw.KondensatBekannt);
    EXPECT_EQ(ohneFeuchte->title(),
              QStringLiteral("Kondensat je Monat: ohne Feuchtedaten im Wetter nicht berechnet"));
    TAuswertung nass = a;
    nass.Kennwerte.KondensatBekannt = true;
    nass.Kennwerte.KondensatMonat[1] = 12.5;
    nass.Kennwerte.KondensatJahr = 12.5;
    const auto kondensat = DiagrammErzeugen(TAnsicht::Kondensat, nass);
    const QBarSet* satz = Reihen<QBarSeries>(*kondensat).front()->barSets().front();
    EXPECT_EQ(satz->at(0), 12.5);
    EXPECT_EQ(kondensat->title(),
              QStringLiteral("Kondensat je Monat (Jahr ") + Zahl(12.5, 1) + " kg)");
    // a year without condensate says so and keeps an axis of 0..1 kg
    TAuswertung trocken = nass;
    trocken.Kennwerte.KondensatMonat.fill(0);
    trocken.Kennwerte.KondensatJahr = 0;
    const auto leer = DiagrammErzeugen(TAnsicht::Kondensat, trocken);
    EXPECT_EQ(leer->title(), QStringLiteral("Kondensat je Monat: kein Kondensat im Jahr"));
    const auto* y = qobject_cast<QValueAxis*>(leer->axes(Qt::Vertical).front());
    EXPECT_EQ(y->min(), 0);
    EXPECT_EQ(y->max(), 1);
}

TEST(Diagramme, ValueUnderTheMouseAtTheEdges) {
    const TAuswertung& a = *test::StandardAuswertung();
    const TJahresVerlauf v = JahresVerlaufBerechnen(*a.Modell);
    const TDauerlinien d = DauerlinienBerechnen(*a.Modell);
    const TKennwerte& kw = a.Kennwerte;
    const struct {
        TAnsicht Ansicht;
        double X;
        QString Anfang; // empty: nothing under the mouse
    } faelle[] = {
        {TAnsicht::Jahr, 0.0,
         QStringLiteral("Tag 1 (1. Januar): Eintritt ") + Zahl(v.Eintritt.Min[1], 1)},
        {TAnsicht::Jahr, 30.99, QStringLiteral("Tag 31 (31. Januar)")},
        {TAnsicht::Jahr, 31.0, QStringLiteral("Tag 32 (1. Februar)")},
        {TAnsicht::Jahr, 364.9, QStringLiteral("Tag 365 (31. Dezember)")},
        {TAnsicht::Jahr, -0.01, {}},
        {TAnsicht::Jahr, 365.0, {}},
        {TAnsicht::Dauerlinie, 1.2,
         QStringLiteral("1 h im Jahr mit mindestens: Eintritt ") + Zahl(d.Eintritt[1], 1) +
             " °C, Austritt " + Zahl(d.Austritt[1], 1) + " °C"},
        {TAnsicht::Dauerlinie, 8760.4, QStringLiteral("8760 h im Jahr")},
        {TAnsicht::Dauerlinie, 0.4, {}},
        {TAnsicht::Energie, -0.49,
         QStringLiteral("Januar: Heizenergie ") + Zahl(kw.HeizenergieMonat[1], 1) + " kWh"},
        {TAnsicht::Energie, 2.3, QStringLiteral("März: Heizenergie ")},
        {TAnsicht::Energie, 11.49, QStringLiteral("Dezember: ")},
        {TAnsicht::Energie, 11.51, {}},
        {TAnsicht::Kondensat, 0.2,
         QStringLiteral("Januar: Kondensat ") + Zahl(kw.KondensatMonat[1], 2) + " kg"},
        {TAnsicht::Kondensat, -0.51, {}},
        {TAnsicht::Kennwerte, 1, {}},
    };
    for (const auto& f : faelle) {
        const QString text = WertBeschreibung(f.Ansicht, a, QPointF(f.X, 0));
        const std::string fall =
            AnsichtTitel(f.Ansicht).toStdString() + " x=" + std::to_string(f.X);
        if (f.Anfang.isEmpty())
            EXPECT_TRUE(text.isEmpty()) << fall << ": " << text.toStdString();
        else
            EXPECT_TRUE(text.startsWith(f.Anfang)) << fall << ": " << text.toStdString();
    }
}

} // namespace
} // namespace kov
