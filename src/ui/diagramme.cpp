#include "ui/diagramme.h"

#include "model/kalender.h"
#include "register/auswertung.h"
#include "register/kennwerte_text.h"
#include "ui/zahl_format.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kov {

namespace {

const std::array<const char*, 13> MonatKurz{"",
                                            QT_TRANSLATE_NOOP("kov::Monate", "Jan"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Feb"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Mär"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Apr"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Mai"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Jun"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Jul"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Aug"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Sep"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Okt"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Nov"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Dez")};
const std::array<const char*, 13> MonatLang{"",
                                            QT_TRANSLATE_NOOP("kov::Monate", "Januar"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Februar"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "März"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "April"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Mai"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Juni"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Juli"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "August"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "September"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Oktober"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "November"),
                                            QT_TRANSLATE_NOOP("kov::Monate", "Dezember")};

const QColor Blau(31, 90, 180);
const QColor Rot(200, 40, 40);
const QColor Braun(120, 80, 30);
const QColor Grau(70, 70, 70);
const QColor Tuerkis(0, 130, 140);

// in the interface's number format
QString Zahl(double wert, int dezimalen) {
    return ZahlTextAnsicht(QString::fromStdString(KennwertZahl(wert, dezimalen)));
}

QFont Schrift(double pixel, bool fett = false) {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
    schrift.setBold(fett);
    return schrift;
}

QCategoryAxis* MonatsTagAchse(double schrift) {
    auto* achse = new QCategoryAxis;
    achse->setMin(0);
    achse->setMax(TageImJahr);
    achse->setStartValue(0);
    double ende = 0;
    for (int m = 1; m <= 12; ++m) {
        ende += TageImMonat(m);
        achse->append(MonatKurzName(static_cast<int>(m)), ende);
    }
    achse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    AchseGestalten(
        achse, QCoreApplication::translate("kov::Diagramme", "Tag im Jahr [d], Monate beschriftet"),
        schrift);
    return achse;
}

QBarCategoryAxis* MonatsAchse(double schrift) {
    auto* achse = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m)
        achse->append(MonatKurzName(static_cast<int>(m)));
    AchseGestalten(achse, QCoreApplication::translate("kov::Diagramme", "Monat"), schrift);
    achse->setGridLineVisible(false);
    return achse;
}

// day d at the middle of its interval d-1..d of the axis
double TagX(std::size_t tag) {
    return static_cast<double>(tag) - 0.5;
}

void TagesBandAnhaengen(QChart& chart, const TTagesWerte& werte, const QString& name,
                        const QColor& farbe, QAbstractAxis* x, QAbstractAxis* y) {
    auto* oben = new QLineSeries;
    auto* unten = new QLineSeries;
    auto* mittel = Linie(QCoreApplication::translate("kov::Diagramme", "%1 Tagesmittel").arg(name),
                         farbe, 1.6);
    QList<QPointF> o, u, m;
    for (std::size_t tag = 1; tag <= TageImJahr; ++tag) {
        o.append({TagX(tag), werte.Max[tag]});
        u.append({TagX(tag), werte.Min[tag]});
        m.append({TagX(tag), werte.Mittel[tag]});
    }
    oben->replace(o);
    unten->replace(u);
    mittel->replace(m);
    auto* band = new QAreaSeries(oben, unten);
    // an area series draws its edges but does not own them
    oben->setParent(band);
    unten->setParent(band);
    band->setName(QCoreApplication::translate("kov::Diagramme", "%1 Tag min–max").arg(name));
    QColor fuellung = farbe;
    fuellung.setAlpha(70);
    band->setBrush(fuellung);
    band->setPen(QPen(farbe.lighter(130), 0.6));
    Anhaengen(chart, band, x, y);
    Anhaengen(chart, mittel, x, y);
}

std::unique_ptr<QChart> JahresDiagramm(const TAuswertung& a, double schrift) {
    const TJahresVerlauf v = JahresVerlaufBerechnen(*a.Modell);
    auto chart = LeeresDiagramm(
        QCoreApplication::translate(
            "kov::Diagramme", "Ein- und Austrittstemperatur: Tagesminimum, -mittel, -maximum"),
        schrift);
    double min = v.Eintritt.Min[1], max = v.Eintritt.Max[1];
    for (std::size_t tag = 1; tag <= TageImJahr; ++tag) {
        min = std::min({min, v.Eintritt.Min[tag], v.Austritt.Min[tag]});
        max = std::max({max, v.Eintritt.Max[tag], v.Austritt.Max[tag]});
    }
    for (std::size_t m = 1; m <= 12; ++m) {
        min = std::min(min, v.ErdTemperatur[m]);
        max = std::max(max, v.ErdTemperatur[m]);
    }
    QAbstractAxis* x = MonatsTagAchse(schrift);
    QAbstractAxis* y = WertAchse(
        min, max, 5, QCoreApplication::translate("kov::Diagramme", "Temperatur [°C]"), schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    TagesBandAnhaengen(*chart, v.Eintritt,
                       QCoreApplication::translate("kov::Diagramme", "Eintritt"), Blau, x, y);
    TagesBandAnhaengen(*chart, v.Austritt,
                       QCoreApplication::translate("kov::Diagramme", "Austritt"), Rot, x, y);

    const bool vorgegeben = a.Modell->Parameter.SpezielleRandbedingung;
    auto* erde = Linie(
        vorgegeben ? QCoreApplication::translate("kov::Diagramme", "Erdreich am Rand, vorgegeben")
                   : QCoreApplication::translate("kov::Diagramme", "Erdreich in Rohrtiefe"),
        Braun, 2.2, Qt::DashLine);
    QList<QPointF> stufen;
    double anfang = 0;
    for (int m = 1; m <= 12; ++m) {
        const double ende = anfang + TageImMonat(m);
        const double t = v.ErdTemperatur[static_cast<std::size_t>(m)];
        stufen.append({anfang, t});
        stufen.append({ende, t});
        anfang = ende;
    }
    erde->replace(stufen);
    Anhaengen(*chart, erde, x, y);
    return chart;
}

std::unique_ptr<QChart> DauerlinienDiagramm(const TAuswertung& a, double schrift) {
    const TDauerlinien d = DauerlinienBerechnen(*a.Modell);
    auto chart = LeeresDiagramm(
        QCoreApplication::translate(
            "kov::Diagramme",
            "Dauerlinien der Ein- und Austrittstemperatur (nach Temperatur sortiert)"),
        schrift);
    const double min =
        std::min({d.Eintritt[StundenImJahr], d.Austritt[StundenImJahr], d.Frostgrenze});
    const double max = std::max({d.Eintritt[1], d.Austritt[1], d.Frostgrenze});
    auto* x = new QValueAxis;
    x->setRange(0, StundenImJahr);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(1000);
    x->setLabelFormat(QStringLiteral("%.0f"));
    AchseGestalten(x,
                   QCoreApplication::translate(
                       "kov::Diagramme", "Stunden im Jahr mit mindestens dieser Temperatur [h]"),
                   schrift);
    QAbstractAxis* y = WertAchse(
        min, max, 5, QCoreApplication::translate("kov::Diagramme", "Temperatur [°C]"), schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    const struct {
        const TStundenFeld& Kurve;
        QString Name;
        QColor Farbe;
    } kurven[] = {
        {d.Eintritt, QCoreApplication::translate("kov::Diagramme", "Eintritt (Aussenluft)"), Blau},
        {d.Austritt, QCoreApplication::translate("kov::Diagramme", "Austritt"), Rot}};
    for (const auto& k : kurven) {
        auto* linie = Linie(k.Name, k.Farbe, 1.8);
        QList<QPointF> punkte;
        punkte.reserve(StundenImJahr);
        for (int h = 1; h <= StundenImJahr; ++h)
            punkte.append({static_cast<double>(h), k.Kurve[static_cast<std::size_t>(h)]});
        linie->replace(punkte);
        Anhaengen(*chart, linie, x, y);
    }
    auto* frost = Linie(QCoreApplication::translate("kov::Diagramme", "Frostgrenze %1 °C")
                            .arg(Zahl(d.Frostgrenze, 1)),
                        Tuerkis, 1.6, Qt::DashLine);
    frost->replace(QList<QPointF>{{0, d.Frostgrenze}, {StundenImJahr, d.Frostgrenze}});
    Anhaengen(*chart, frost, x, y);
    return chart;
}

double Groesstes(const TMonatsFeld& f) {
    return *std::max_element(f.begin() + 1, f.end());
}

std::unique_ptr<QChart> EnergieDiagramm(const TAuswertung& a, double schrift) {
    const TKennwerte& kw = a.Kennwerte;
    auto chart = LeeresDiagramm(
        QCoreApplication::translate("kov::Diagramme",
                                    "Heiz- und Kühlenergie je Monat, Strom des Ventilators"),
        schrift);
    auto* balken = new QBarSeries;
    balken->append(Balken(QCoreApplication::translate("kov::Diagramme", "Heizenergie"), Rot,
                          kw.HeizenergieMonat));
    balken->append(Balken(QCoreApplication::translate("kov::Diagramme", "Kühlenergie"), Blau,
                          kw.KuehlenergieMonat));
    const double max = std::max(Groesstes(kw.HeizenergieMonat), Groesstes(kw.KuehlenergieMonat));
    QAbstractAxis* x = MonatsAchse(schrift);
    QAbstractAxis* y =
        WertAchse(0, max, RunderSchritt(max),
                  QCoreApplication::translate("kov::Diagramme", "Energie [kWh]"), schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Anhaengen(*chart, balken, x, y);
    // the fan uses a fraction of what the register gives: its own scale on the right
    const double strom = Groesstes(kw.VentilatorenergieMonat);
    QValueAxis* rechts =
        WertAchse(0, strom, RunderSchritt(strom),
                  QCoreApplication::translate("kov::Diagramme", "Ventilatorstrom [kWh]"), schrift);
    rechts->setGridLineVisible(false);
    rechts->setLabelsColor(Grau);
    chart->addAxis(rechts, Qt::AlignRight);
    auto* linie = Linie(
        QCoreApplication::translate("kov::Diagramme", "Ventilatorstrom (rechte Achse)"), Grau, 2.0);
    linie->setPointsVisible(true);
    linie->setMarkerSize(schrift * 0.5);
    for (std::size_t m = 1; m <= 12; ++m)
        linie->append(static_cast<double>(m - 1), kw.VentilatorenergieMonat[m]);
    Anhaengen(*chart, linie, x, rechts);
    return chart;
}

std::unique_ptr<QChart> KondensatDiagramm(const TAuswertung& a, double schrift) {
    const TKennwerte& kw = a.Kennwerte;
    const QString titel =
        !kw.KondensatBekannt
            ? QCoreApplication::translate(
                  "kov::Diagramme",
                  "Kondensat je Monat: ohne Feuchtedaten im Wetter nicht berechnet")
        : kw.KondensatJahr > 0
            ? QCoreApplication::translate("kov::Diagramme", "Kondensat je Monat (Jahr %1 kg)")
                  .arg(Zahl(kw.KondensatJahr, 1))
            : QCoreApplication::translate("kov::Diagramme",
                                          "Kondensat je Monat: kein Kondensat im Jahr");
    auto chart = LeeresDiagramm(titel, schrift);
    auto* balken = new QBarSeries;
    balken->append(Balken(QCoreApplication::translate("kov::Diagramme", "Kondensat"), Tuerkis,
                          kw.KondensatMonat));
    const double max = Groesstes(kw.KondensatMonat);
    QAbstractAxis* x = MonatsAchse(schrift);
    QAbstractAxis* y = WertAchse(0, max, RunderSchritt(max),
                                 QCoreApplication::translate("kov::Diagramme", "Kondensat [kg]"),
                                 schrift, max < 5 ? "%.1f" : "%.0f");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Anhaengen(*chart, balken, x, y);
    return chart;
}

// month 1..12 of a bar chart's x value (bars of month m centred on m - 1), 0 outside
int MonatAusX(double x) {
    const long m = std::lround(x) + 1;
    return m >= 1 && m <= 12 ? static_cast<int>(m) : 0;
}

QString Monatsname(int m) {
    return MonatLangName(m);
}

} // namespace

QString MonatKurzName(int m) {
    return QCoreApplication::translate("kov::Monate", MonatKurz[static_cast<std::size_t>(m)]);
}

QString MonatLangName(int m) {
    return QCoreApplication::translate("kov::Monate", MonatLang[static_cast<std::size_t>(m)]);
}

// A round step that divides 0..max into about five parts: 1, 2 or 5 times a power of ten.
double RunderSchritt(double max) {
    if (!(max > 0)) return 1;
    const double roh = max / 5;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double f : {1.0, 2.0, 5.0})
        if (f * zehner >= roh) return f * zehner;
    return 10 * zehner;
}

QLineSeries* Linie(const QString& name, const QColor& farbe, double breite, Qt::PenStyle stil) {
    auto* linie = new QLineSeries;
    linie->setName(name);
    QPen stift(farbe, breite, stil);
    stift.setCapStyle(Qt::FlatCap);
    linie->setPen(stift);
    return linie;
}

void Anhaengen(QChart& chart, QAbstractSeries* reihe, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(reihe);
    reihe->attachAxis(x);
    reihe->attachAxis(y);
}

QBarSet* Balken(const QString& name, const QColor& farbe, const TMonatsFeld& werte) {
    auto* satz = new QBarSet(name);
    satz->setColor(farbe);
    satz->setBorderColor(farbe.darker(130));
    for (std::size_t m = 1; m <= 12; ++m)
        satz->append(werte[m]);
    return satz;
}

QValueAxis* WertAchse(double min, double max, double schritt, const QString& titel, double schrift,
                      const char* format) {
    auto* achse = new QValueAxis;
    double unten = std::floor(min / schritt) * schritt;
    double oben = std::ceil(max / schritt) * schritt;
    if (oben <= unten) oben = unten + schritt;
    achse->setRange(unten, oben);
    achse->setTickType(QValueAxis::TicksDynamic);
    achse->setTickAnchor(0);
    achse->setTickInterval(schritt);
    achse->setLabelFormat(QString::fromLatin1(format));
    AchseGestalten(achse, titel, schrift);
    return achse;
}

std::unique_ptr<QChart> LeeresDiagramm(const QString& titel, double schrift) {
    auto chart = std::make_unique<QChart>();
    chart->setTitle(titel);
    chart->setTitleFont(Schrift(schrift * 1.3, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(Qt::white);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(Schrift(schrift));
    return chart;
}

void AchseGestalten(QAbstractAxis* achse, const QString& titel, double schrift) {
    achse->setTitleText(titel);
    achse->setTitleFont(Schrift(schrift * 1.1, true));
    achse->setLabelsFont(Schrift(schrift));
    achse->setGridLineColor(QColor(215, 215, 215));
}

QString AnsichtTitel(TAnsicht ansicht) {
    switch (ansicht) {
    case TAnsicht::Jahr:
        return QCoreApplication::translate("kov::Diagramme", "Jahr");
    case TAnsicht::Dauerlinie:
        return QCoreApplication::translate("kov::Diagramme", "Dauerlinie");
    case TAnsicht::Energie:
        return QCoreApplication::translate("kov::Diagramme", "Energie");
    case TAnsicht::Kondensat:
        return QCoreApplication::translate("kov::Diagramme", "Kondensat");
    case TAnsicht::Kennwerte:
        break;
    }
    return QCoreApplication::translate("kov::Diagramme", "Kennwerte");
}

// the same names in every language, so that a folder of pictures reads the same
QString AnsichtDateiName(TAnsicht ansicht) {
    switch (ansicht) {
    case TAnsicht::Jahr:
        return QStringLiteral("jahr");
    case TAnsicht::Dauerlinie:
        return QStringLiteral("dauerlinie");
    case TAnsicht::Energie:
        return QStringLiteral("energie");
    case TAnsicht::Kondensat:
        return QStringLiteral("kondensat");
    case TAnsicht::Kennwerte:
        break;
    }
    return QStringLiteral("kennwerte");
}

bool IstDiagramm(TAnsicht ansicht) {
    return ansicht != TAnsicht::Kennwerte;
}

std::unique_ptr<QChart> DiagrammErzeugen(TAnsicht ansicht, const TAuswertung& auswertung,
                                         double schrift) {
    switch (ansicht) {
    case TAnsicht::Jahr:
        return JahresDiagramm(auswertung, schrift);
    case TAnsicht::Dauerlinie:
        return DauerlinienDiagramm(auswertung, schrift);
    case TAnsicht::Energie:
        return EnergieDiagramm(auswertung, schrift);
    case TAnsicht::Kondensat:
        return KondensatDiagramm(auswertung, schrift);
    case TAnsicht::Kennwerte:
        break;
    }
    return nullptr;
}

QString WertBeschreibung(TAnsicht ansicht, const TAuswertung& a, QPointF wert) {
    const TModell& m = *a.Modell;
    const TKennwerte& kw = a.Kennwerte;
    switch (ansicht) {
    case TAnsicht::Jahr: {
        const double x = std::floor(wert.x()) + 1;
        if (!(x >= 1 && x <= TageImJahr)) return {};
        const int tag = static_cast<int>(x);
        const int stunde = 24 * (tag - 1) + 1;
        const int monat = MonatDerStunde(stunde);
        const int tagImMonat = (stunde - ErsteStundeImMonat(monat)) / 24 + 1;
        const TJahresVerlauf v = JahresVerlaufBerechnen(m);
        const auto t = static_cast<std::size_t>(tag);
        return QCoreApplication::translate(
                   "kov::Diagramme",
                   "Tag %1 (%2. %3): Eintritt %4 / %5 / %6 °C, Austritt %7 / %8 / %9 "
                   "°C (Minimum / Mittel / Maximum), Erdreich %10 °C")
            .arg(tag)
            .arg(tagImMonat)
            .arg(Monatsname(monat), Zahl(v.Eintritt.Min[t], 1), Zahl(v.Eintritt.Mittel[t], 1),
                 Zahl(v.Eintritt.Max[t], 1), Zahl(v.Austritt.Min[t], 1),
                 Zahl(v.Austritt.Mittel[t], 1), Zahl(v.Austritt.Max[t], 1))
            .arg(Zahl(v.ErdTemperatur[static_cast<std::size_t>(monat)], 1));
    }
    case TAnsicht::Dauerlinie: {
        const double x = std::round(wert.x());
        if (!(x >= 1 && x <= StundenImJahr)) return {};
        const auto h = static_cast<std::size_t>(x);
        const TDauerlinien d = DauerlinienBerechnen(m);
        return QCoreApplication::translate(
                   "kov::Diagramme", "%1 h im Jahr mit mindestens: Eintritt %2 °C, Austritt %3 °C")
            .arg(h)
            .arg(Zahl(d.Eintritt[h], 1), Zahl(d.Austritt[h], 1));
    }
    case TAnsicht::Energie: {
        const int monat = MonatAusX(wert.x());
        if (monat == 0) return {};
        const auto i = static_cast<std::size_t>(monat);
        return QCoreApplication::translate(
                   "kov::Diagramme",
                   "%1: Heizenergie %2 kWh, Kühlenergie %3 kWh, Ventilatorstrom %4 kWh")
            .arg(Monatsname(monat), Zahl(kw.HeizenergieMonat[i], 1),
                 Zahl(kw.KuehlenergieMonat[i], 1), Zahl(kw.VentilatorenergieMonat[i], 1));
    }
    case TAnsicht::Kondensat: {
        const int monat = MonatAusX(wert.x());
        if (monat == 0) return {};
        return QCoreApplication::translate("kov::Diagramme", "%1: Kondensat %2 kg")
            .arg(Monatsname(monat), Zahl(kw.KondensatMonat[static_cast<std::size_t>(monat)], 2));
    }
    case TAnsicht::Kennwerte:
        break;
    }
    return {};
}

} // namespace kov
