#include "ui/anlage_diagramme.h"

#include "files/text_datei.h"
#include "model/betriebszeiten.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "register/kennwerte_text.h"
#include "register/lueftungsanlage.h"
#include "ui/ansicht_export.h"
#include "ui/diagramme.h"
#include "ui/zahl_format.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kov {

namespace {

// the translation context of the texts of these charts
class TAnlagenText {
    Q_DECLARE_TR_FUNCTIONS(kov::TAnlagenText)
};

const QColor Blau(31, 90, 180);
const QColor Rot(200, 40, 40);
const QColor Gruen(30, 140, 60);
const QColor Tuerkis(0, 130, 140);

// the unit's flow of hour i as the run used it (without a schedule the nominal flow)
double Fluss(const TModell& m, std::size_t i) {
    return FahrplanFolgen(m.Parameter) ? m.Reihen.RelVolumenstrom[i] : 1.0;
}

// Without and with the register, month by month, on one axis.
std::unique_ptr<QChart> MonatsVergleich(const QString& titel, const QString& achsenTitel,
                                        const TMonatsFeld& ohne, const TMonatsFeld& mit,
                                        double schrift) {
    auto chart = LeeresDiagramm(titel, schrift);
    auto* balken = new QBarSeries;
    balken->append(Balken(TAnlagenText::tr("ohne Register"), Blau, ohne));
    balken->append(Balken(TAnlagenText::tr("mit Register"), Rot, mit));
    const double max = std::max(*std::max_element(ohne.begin() + 1, ohne.end()),
                                *std::max_element(mit.begin() + 1, mit.end()));
    auto* x = new QBarCategoryAxis;
    for (std::size_t m = 1; m <= 12; ++m)
        x->append(MonatKurzName(static_cast<int>(m)));
    AchseGestalten(x, TAnlagenText::tr("Monat"), schrift);
    x->setGridLineVisible(false);
    QAbstractAxis* y = WertAchse(0, max, RunderSchritt(max), achsenTitel, schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Anhaengen(*chart, balken, x, y);
    return chart;
}

constexpr double LogischeBreite = 1000;

QSizeF Logisch(const QRectF& ziel, double breite) {
    return {breite, breite * ziel.height() / ziel.width()};
}

} // namespace

TZuluftDauerlinien ZuluftDauerlinienBerechnen(const TModell& m) {
    TStundenFeld mit{}, ohne{};
    ZuluftReihenRechnen(m.Parameter, m.Reihen, mit, ohne);
    TZuluftDauerlinien d;
    for (std::size_t i = 1; i <= StundenImJahr; ++i)
        if (Fluss(m, i) > 0) {
            d.MitRegister.push_back(mit[i]);
            d.OhneRegister.push_back(ohne[i]);
        }
    std::sort(d.MitRegister.begin(), d.MitRegister.end(), std::greater<>());
    std::sort(d.OhneRegister.begin(), d.OhneRegister.end(), std::greater<>());
    return d;
}

std::unique_ptr<QChart> ZuluftDauerlinienDiagramm(const TAuswertung& a, double schrift) {
    const TZuluftDauerlinien d = ZuluftDauerlinienBerechnen(*a.Modell);
    const TRegisterParameter& p = a.Modell->Parameter;
    auto chart = LeeresDiagramm(
        TAnlagenText::tr("Dauerlinien der Zuluft nach der Wärmerückgewinnung"), schrift);
    const auto stunden = static_cast<double>(d.MitRegister.size());
    double min = p.ZuluftSoll, max = p.ZuluftSoll;
    for (const auto* kurve : {&d.MitRegister, &d.OhneRegister})
        if (!kurve->empty()) {
            min = std::min(min, kurve->back());
            max = std::max(max, kurve->front());
        }
    auto* x = new QValueAxis;
    x->setRange(0, std::max(1.0, stunden));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(RunderSchritt(std::max(1.0, stunden)));
    x->setLabelFormat(QStringLiteral("%.0f"));
    AchseGestalten(
        x, TAnlagenText::tr("Betriebsstunden mit mindestens dieser Zulufttemperatur [h]"), schrift);
    QAbstractAxis* y = WertAchse(min, max, 5, TAnlagenText::tr("Temperatur [°C]"), schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const struct {
        const std::vector<double>& Kurve;
        QString Name;
        QColor Farbe;
    } kurven[] = {{d.OhneRegister, TAnlagenText::tr("Zuluft ohne Register"), Blau},
                  {d.MitRegister, TAnlagenText::tr("Zuluft mit Register"), Rot}};
    for (const auto& k : kurven) {
        auto* linie = Linie(k.Name, k.Farbe, 1.8);
        QList<QPointF> punkte;
        punkte.reserve(static_cast<qsizetype>(k.Kurve.size()));
        for (std::size_t n = 0; n < k.Kurve.size(); ++n)
            punkte.append({static_cast<double>(n + 1), k.Kurve[n]});
        linie->replace(punkte);
        Anhaengen(*chart, linie, x, y);
    }
    auto* soll = Linie(TAnlagenText::tr("Zuluft-Soll %1 °C").arg(ZahlAnsicht(p.ZuluftSoll, 1)),
                       Gruen, 1.4, Qt::DashLine);
    soll->replace(QList<QPointF>{{0, p.ZuluftSoll}, {std::max(1.0, stunden), p.ZuluftSoll}});
    Anhaengen(*chart, soll, x, y);
    return chart;
}

std::unique_ptr<QChart> FrostschutzDiagramm(const TAuswertung& a, double schrift) {
    const TAnlagenKennwerte& k = a.Kennwerte.Anlage;
    return MonatsVergleich(TAnlagenText::tr("Frostschutzstunden je Monat"),
                           TAnlagenText::tr("Stunden [h]"), k.OhneRegister.FrostschutzStundenMonat,
                           k.MitRegister.FrostschutzStundenMonat, schrift);
}

std::unique_ptr<QChart> VorheizDiagramm(const TAuswertung& a, double schrift) {
    const TAnlagenKennwerte& k = a.Kennwerte.Anlage;
    return MonatsVergleich(TAnlagenText::tr("Vorheizenergie je Monat"),
                           TAnlagenText::tr("Energie [kWh]"), k.OhneRegister.VorheizenergieMonat,
                           k.MitRegister.VorheizenergieMonat, schrift);
}

QString AnlagenWertText(const TAuswertung& a, const TZuluftDauerlinien& d,
                        TAnlagenDiagramm diagramm, QPointF wert) {
    const TAnlagenKennwerte& k = a.Kennwerte.Anlage;
    if (diagramm == TAnlagenDiagramm::Dauerlinien) {
        const double x = std::round(wert.x());
        if (!(x >= 1 && x <= static_cast<double>(d.MitRegister.size()))) return {};
        const auto n = static_cast<std::size_t>(x);
        return TAnlagenText::tr("%1 Betriebsstunden mit mindestens: Zuluft ohne Register %2 °C, "
                                "mit Register %3 °C")
            .arg(n)
            .arg(ZahlAnsicht(d.OhneRegister[n - 1], 1), ZahlAnsicht(d.MitRegister[n - 1], 1));
    }
    // bars of month m are centred on m - 1
    const long monat = std::lround(wert.x()) + 1;
    if (monat < 1 || monat > 12) return {};
    const auto m = static_cast<std::size_t>(monat);
    const QString name = MonatLangName(static_cast<int>(m));
    if (diagramm == TAnlagenDiagramm::Frostschutz)
        return TAnlagenText::tr("%1: Frostschutz ohne Register %2 h, mit Register %3 h")
            .arg(name, ZahlAnsicht(k.OhneRegister.FrostschutzStundenMonat[m], 0),
                 ZahlAnsicht(k.MitRegister.FrostschutzStundenMonat[m], 0));
    return TAnlagenText::tr("%1: Vorheizenergie ohne Register %2 kWh, mit Register %3 kWh")
        .arg(name, ZahlAnsicht(k.OhneRegister.VorheizenergieMonat[m], 1),
             ZahlAnsicht(k.MitRegister.VorheizenergieMonat[m], 1));
}

QString AnlageOhneWrgHinweis() {
    return TAnlagenText::tr(
        "Diese Ansicht zeigt, was das Register in einem Lüftungsgerät mit "
        "Wärmerückgewinnung ändert: Zulufttemperatur, Frostschutzstunden und "
        "Vorheizenergie mit und ohne Register.\n\nDer letzte Lauf rechnete ohne "
        "Lüftungsgerät. Schalten Sie unter „Weitere Parameter“ in der Gruppe des "
        "Lüftungsgeräts „WRG“ ein (kov-run: WRG=true) und rechnen Sie erneut.");
}

std::unique_ptr<QChart> StundenDiagramm(const TAuswertung& a, int von, int bis, double schrift) {
    const TModell& m = *a.Modell;
    von = std::clamp(von, 1, StundenImJahr);
    bis = std::clamp(bis, von, StundenImJahr);
    const bool wrg = m.Parameter.WRG;
    TStundenFeld zuluft{}, ohne{};
    if (wrg) ZuluftReihenRechnen(m.Parameter, m.Reihen, zuluft, ohne);
    auto chart =
        LeeresDiagramm(TAnlagenText::tr("Stundenwerte %1").arg(ZeitraumText(von, bis)), schrift);

    auto* aussen = Linie(TAnlagenText::tr("Aussenluft"), Blau, 1.6);
    auto* register_ = Linie(TAnlagenText::tr("Austritt Register"), Rot, 1.6);
    // the supply exists only while the unit runs: one line for each run of hours with flow
    QList<QList<QPointF>> zuluftStuecke;
    QList<QPointF> pa, pr;
    double min = m.Reihen.Tein[static_cast<std::size_t>(von)], max = min;
    bool lief = false;
    for (int h = von; h <= bis; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const double x = h;
        pa.append({x, m.Reihen.Tein[i]});
        pr.append({x, m.Reihen.Taus[i]});
        min = std::min({min, m.Reihen.Tein[i], m.Reihen.Taus[i]});
        max = std::max({max, m.Reihen.Tein[i], m.Reihen.Taus[i]});
        const bool laeuft = wrg && Fluss(m, i) > 0;
        if (laeuft) {
            if (!lief) zuluftStuecke.append(QList<QPointF>());
            zuluftStuecke.last().append({x, zuluft[i]});
            min = std::min(min, zuluft[i]);
            max = std::max(max, zuluft[i]);
        }
        lief = laeuft;
    }
    aussen->replace(pa);
    register_->replace(pr);

    auto* x = new QValueAxis;
    x->setRange(von - 1, bis);
    x->setTickType(QValueAxis::TicksDynamic);
    // ticks at midnight: every day for up to two weeks, else every 7, 14, 28 ... days
    const int tage = (bis - von + 1 + 23) / 24;
    int schritt = 1;
    while (tage / schritt > 14)
        schritt = schritt == 1 ? 7 : 2 * schritt;
    x->setTickAnchor(0);
    x->setTickInterval(24.0 * schritt);
    x->setLabelFormat(QStringLiteral("%.0f"));
    AchseGestalten(x, TAnlagenText::tr("Stunde des Jahres [h], Striche um Mitternacht"), schrift);
    QAbstractAxis* y =
        WertAchse(min, max, max - min > 25 ? 5 : 2, TAnlagenText::tr("Temperatur [°C]"), schrift);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // the outdoor air over the outlet, which equals it in hours the register is bypassed
    Anhaengen(*chart, register_, x, y);
    Anhaengen(*chart, aussen, x, y);
    if (wrg && zuluftStuecke.isEmpty())
        zuluftStuecke.append(QList<QPointF>()); // named in the legend all the same
    for (qsizetype n = 0; n < zuluftStuecke.size(); ++n) {
        auto* zu = Linie(TAnlagenText::tr("Zuluft nach Wärmerückgewinnung"), Gruen, 1.6);
        zu->replace(zuluftStuecke[n]);
        Anhaengen(*chart, zu, x, y);
        if (n > 0)
            for (QLegendMarker* marke : chart->legend()->markers(zu))
                marke->setVisible(false);
    }
    return chart;
}

QString StundenWertText(const TAuswertung& a, int stunde) {
    if (stunde < 1 || stunde > StundenImJahr) return {};
    const TModell& m = *a.Modell;
    const auto i = static_cast<std::size_t>(stunde);
    const QString datum = QString::fromStdString(StundeAlsDatum(stunde));
    if (!m.Parameter.WRG)
        return TAnlagenText::tr("%1: Aussenluft %2 °C, Austritt Register %3 °C")
            .arg(datum, ZahlAnsicht(m.Reihen.Tein[i], 1), ZahlAnsicht(m.Reihen.Taus[i], 1));
    if (!(Fluss(m, i) > 0))
        return TAnlagenText::tr("%1: Aussenluft %2 °C, Austritt Register %3 °C, Lüftungsgerät aus")
            .arg(datum, ZahlAnsicht(m.Reihen.Tein[i], 1), ZahlAnsicht(m.Reihen.Taus[i], 1));
    const bool heizperiode = WaermeGewuenscht(m.Parameter, m.Reihen.Tein[i]);
    const double mit = AnlagenStundeRechnen(m.Parameter, m.Reihen.Taus[i], heizperiode).NachWRG;
    const double ohne = AnlagenStundeRechnen(m.Parameter, m.Reihen.Tein[i], heizperiode).NachWRG;
    return TAnlagenText::tr(
               "%1: Aussenluft %2 °C, Austritt Register %3 °C, Zuluft %4 °C (ohne Register %5 °C)")
        .arg(datum, ZahlAnsicht(m.Reihen.Tein[i], 1), ZahlAnsicht(m.Reihen.Taus[i], 1),
             ZahlAnsicht(mit, 1), ZahlAnsicht(ohne, 1));
}

QString ZeitraumText(int von, int bis) {
    const auto tag = [](int stunde) {
        const int monat = MonatDerStunde(stunde);
        const int tagImMonat = (stunde - ErsteStundeImMonat(monat)) / 24 + 1;
        return QStringLiteral("%1. %2").arg(tagImMonat).arg(MonatLangName(monat));
    };
    return TAnlagenText::tr("%1 bis %2 (%3 Stunden)").arg(tag(von), tag(bis)).arg(bis - von + 1);
}

void AnlageZeichnen(const TAuswertung& a, QPainter& maler, const QRectF& ziel, double schrift) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.fillRect(ziel, Qt::white);
    const double pixel = LogischeBreite * schrift;
    if (!a.Modell->Parameter.WRG) {
        const QSizeF logisch = Logisch(ziel, LogischeBreite);
        maler.translate(ziel.topLeft());
        maler.scale(ziel.width() / logisch.width(), ziel.height() / logisch.height());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(static_cast<int>(std::lround(pixel * 1.3)));
        maler.setFont(font);
        maler.drawText(QRectF(QPointF(0, 0), logisch).adjusted(40, 40, -40, -40),
                       Qt::AlignCenter | Qt::TextWordWrap, AnlageOhneWrgHinweis());
        maler.restore();
        return;
    }
    // the duration curves over the upper half, the months side by side below
    const QRectF oben(ziel.left(), ziel.top(), ziel.width(), ziel.height() / 2);
    const QRectF links(ziel.left(), oben.bottom(), ziel.width() / 2, ziel.height() / 2);
    const QRectF rechts(links.right(), oben.bottom(), ziel.width() / 2, ziel.height() / 2);
    DiagrammZeichnen(ZuluftDauerlinienDiagramm(a, pixel), maler, oben,
                     Logisch(oben, LogischeBreite));
    // the lower charts are half as wide on the same canvas: their text keeps its size
    DiagrammZeichnen(FrostschutzDiagramm(a, pixel), maler, links,
                     Logisch(links, LogischeBreite / 2));
    DiagrammZeichnen(VorheizDiagramm(a, pixel), maler, rechts, Logisch(rechts, LogischeBreite / 2));
    maler.restore();
}

void StundenZeichnen(const TAuswertung& a, int von, int bis, QPainter& maler, const QRectF& ziel,
                     double schrift) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    DiagrammZeichnen(StundenDiagramm(a, von, bis, LogischeBreite * schrift), maler, ziel,
                     Logisch(ziel, LogischeBreite));
    maler.restore();
}

} // namespace kov
