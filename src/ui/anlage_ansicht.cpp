#include "ui/anlage_ansicht.h"

#include "ui/anlage_diagramme.h"
#include "ui/ansicht_export.h"
#include "ui/diagramme.h"

#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kov {

namespace {

constexpr int TageDesJahres = 365;

QChartView* DiagrammFlaeche(QWidget* eltern, const char* name) {
    auto* ansicht = new QChartView(eltern);
    ansicht->setObjectName(QString::fromLatin1(name));
    ansicht->setRenderHint(QPainter::Antialiasing);
    ansicht->setMinimumSize(320, 220);
    return ansicht;
}

// Replaces the chart of ansicht; the view owns its chart, and setChart leaves the old one to it.
void ChartSetzen(QChartView* ansicht, std::unique_ptr<QChart> neu) {
    QChart* alt = ansicht->chart();
    ansicht->setChart(neu.release());
    if (alt != nullptr && alt != ansicht->chart()) delete alt;
}

} // namespace

TAnlagenAnsicht::TAnlagenAnsicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("anlage"));
    Hinweis = new QLabel(AnlageOhneWrgHinweis(), this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);
    Hinweis->setAlignment(Qt::AlignCenter);
    Hinweis->setMargin(40);

    auto* diagramme = new QWidget(this);
    Diagramme = {DiagrammFlaeche(diagramme, "ZuluftDauerlinien"),
                 DiagrammFlaeche(diagramme, "Frostschutzstunden"),
                 DiagrammFlaeche(diagramme, "Vorheizenergie")};
    auto* raster = new QGridLayout(diagramme);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Diagramme[0], 0, 0, 1, 2);
    raster->addWidget(Diagramme[1], 1, 0);
    raster->addWidget(Diagramme[2], 1, 1);
    raster->setRowStretch(0, 1);
    raster->setRowStretch(1, 1);
    for (QChartView* diagramm : Diagramme) {
        diagramm->setMouseTracking(true);
        diagramm->viewport()->setMouseTracking(true);
        diagramm->viewport()->installEventFilter(this);
    }

    Seiten = new QStackedWidget(this);
    Seiten->addWidget(Hinweis);
    Seiten->addWidget(diagramme);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(Seiten);
}

void TAnlagenAnsicht::Anzeigen(std::shared_ptr<const TAuswertung> auswertung) {
    Auswertung = std::move(auswertung);
    const bool wrg = Auswertung->Modell->Parameter.WRG;
    Seiten->setCurrentIndex(wrg ? 1 : 0);
    if (!wrg) {
        // no charts of an earlier run with a unit stay behind the note
        for (QChartView* ansicht : Diagramme)
            ChartSetzen(ansicht, LeeresDiagramm({}));
        return;
    }
    Dauerlinien = ZuluftDauerlinienBerechnen(*Auswertung->Modell);
    const double schrift = fontInfo().pixelSize();
    ChartSetzen(Diagramme[0], ZuluftDauerlinienDiagramm(*Auswertung, schrift));
    ChartSetzen(Diagramme[1], FrostschutzDiagramm(*Auswertung, schrift));
    ChartSetzen(Diagramme[2], VorheizDiagramm(*Auswertung, schrift));
}

QString TAnlagenAnsicht::WertAn(std::size_t i, QPointF punkt) const {
    QChart* chart = Diagramme[i]->chart();
    if (!Auswertung || !Auswertung->Modell->Parameter.WRG || chart == nullptr) return {};
    const QPointF p = chart->mapFromScene(Diagramme[i]->mapToScene(punkt.toPoint()));
    if (!chart->plotArea().contains(p)) return {};
    return AnlagenWertText(*Auswertung, Dauerlinien, static_cast<TAnlagenDiagramm>(i),
                           chart->mapToValue(p));
}

bool TAnlagenAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    for (std::size_t i = 0; i < Diagramme.size(); ++i) {
        if (objekt != Diagramme[i]->viewport()) continue;
        if (ereignis->type() == QEvent::MouseMove)
            emit WertGeaendert(WertAn(i, static_cast<QMouseEvent*>(ereignis)->position()));
        if (ereignis->type() == QEvent::Leave) emit WertGeaendert({});
    }
    return QWidget::eventFilter(objekt, ereignis);
}

QString TAnlagenAnsicht::BildTitel() const {
    return tr("Anlage");
}

QString TAnlagenAnsicht::BildDateiName() const {
    return QStringLiteral("anlage");
}

void TAnlagenAnsicht::BildSpeichern(const QString& datei, QSize groesse) const {
    const TAuswertung& a = *Auswertung;
    ZeichnungSpeichern(datei, groesse, BildTitel(), [&a](QPainter& maler, const QRectF& ziel) {
        AnlageZeichnen(a, maler, ziel);
    });
}

TStundenAnsicht::TStundenAnsicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("stunden"));
    Diagramm = DiagrammFlaeche(this, "Stundenverlauf");
    Diagramm->setMouseTracking(true);
    Diagramm->viewport()->setMouseTracking(true);
    Diagramm->viewport()->installEventFilter(this);
    Diagramm->setToolTip(tr("Mausrad: Zeitraum verkürzen oder verlängern, Bildlaufleiste: "
                            "durch das Jahr blättern"));

    Tage = new QSpinBox(this);
    Tage->setObjectName(QStringLiteral("Tage"));
    Tage->setRange(1, TageDesJahres);
    Tage->setValue(7);
    Tage->setSuffix(tr(" Tage"));
    Lage = new QScrollBar(Qt::Horizontal, this);
    Lage->setObjectName(QStringLiteral("Lage"));
    Lage->setRange(1, TageDesJahres - 7 + 1);
    Lage->setPageStep(7);
    Lage->setSingleStep(1);
    Zeitraum = new QLabel(this);
    Zeitraum->setObjectName(QStringLiteral("Zeitraum"));

    connect(Tage, &QSpinBox::valueChanged, this, [this](int tage) {
        if (!Setzt) ZeitraumSetzen(Lage->value(), tage);
    });
    connect(Lage, &QScrollBar::valueChanged, this, [this](int tag) {
        if (!Setzt) ZeitraumSetzen(tag, Tage->value());
    });

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(tr("Zeitraum:"), this));
    zeile->addWidget(Tage);
    zeile->addWidget(Lage, 1);
    zeile->addWidget(Zeitraum);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(Diagramm, 1);
    aussen->addLayout(zeile);
    ZeitraumSetzen(1, 7);
}

void TStundenAnsicht::Anzeigen(std::shared_ptr<const TAuswertung> auswertung) {
    Auswertung = std::move(auswertung);
    Zeichnen();
}

void TStundenAnsicht::ZeitraumSetzen(int ersterTag, int tage) {
    tage = std::clamp(tage, 1, TageDesJahres);
    ersterTag = std::clamp(ersterTag, 1, TageDesJahres - tage + 1);
    Setzt = true;
    Tage->setValue(tage);
    Lage->setRange(1, TageDesJahres - tage + 1);
    Lage->setPageStep(tage);
    Lage->setValue(ersterTag);
    Setzt = false;
    Zeitraum->setText(ZeitraumText(VonStunde(), BisStunde()));
    Zeichnen();
}

int TStundenAnsicht::VonStunde() const {
    return 24 * (Lage->value() - 1) + 1;
}

int TStundenAnsicht::BisStunde() const {
    return 24 * (Lage->value() - 1 + Tage->value());
}

void TStundenAnsicht::Zoomen(double faktor, int stunde) {
    const int tage = Tage->value();
    int neu = static_cast<int>(std::lround(tage * faktor));
    if (neu == tage) neu += faktor < 1 ? -1 : 1;
    neu = std::clamp(neu, 1, TageDesJahres);
    if (neu == tage) return;
    if (stunde < 1) return ZeitraumSetzen(Lage->value(), neu);
    // the hour under the pointer keeps its place in the chart
    const double tag = (stunde - 1) / 24.0 + 1;
    const double anteil = (tag - Lage->value()) / tage;
    ZeitraumSetzen(static_cast<int>(std::lround(tag - anteil * neu)), neu);
}

QString TStundenAnsicht::BildTitel() const {
    return tr("Stundenwerte");
}

QString TStundenAnsicht::BildDateiName() const {
    return QStringLiteral("stunden");
}

void TStundenAnsicht::BildSpeichern(const QString& datei, QSize groesse) const {
    const TAuswertung& a = *Auswertung;
    const int von = VonStunde(), bis = BisStunde();
    ZeichnungSpeichern(datei, groesse, BildTitel(),
                       [&a, von, bis](QPainter& maler, const QRectF& ziel) {
                           StundenZeichnen(a, von, bis, maler, ziel);
                       });
}

void TStundenAnsicht::Zeichnen() {
    if (!Auswertung) return;
    ChartSetzen(Diagramm,
                StundenDiagramm(*Auswertung, VonStunde(), BisStunde(), fontInfo().pixelSize()));
    emit WertGeaendert({});
}

int TStundenAnsicht::StundeAn(QPointF punkt) const {
    QChart* chart = Diagramm->chart();
    if (!Auswertung || chart == nullptr) return 0;
    const QPointF p = chart->mapFromScene(Diagramm->mapToScene(punkt.toPoint()));
    if (!chart->plotArea().contains(p)) return 0;
    const long stunde = std::lround(chart->mapToValue(p).x());
    return stunde >= VonStunde() && stunde <= BisStunde() ? static_cast<int>(stunde) : 0;
}

bool TStundenAnsicht::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Diagramm->viewport()) {
        if (ereignis->type() == QEvent::Wheel) {
            auto* rad = static_cast<QWheelEvent*>(ereignis);
            const int schritte = rad->angleDelta().y();
            if (schritte != 0) Zoomen(schritte > 0 ? 0.8 : 1.25, StundeAn(rad->position()));
            return true;
        }
        if (ereignis->type() == QEvent::MouseMove) {
            const int stunde = StundeAn(static_cast<QMouseEvent*>(ereignis)->position());
            emit WertGeaendert(stunde == 0 ? QString() : StundenWertText(*Auswertung, stunde));
        }
        if (ereignis->type() == QEvent::Leave) emit WertGeaendert({});
    }
    return QWidget::eventFilter(objekt, ereignis);
}

} // namespace kov
