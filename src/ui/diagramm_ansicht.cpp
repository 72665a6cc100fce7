#include "ui/diagramm_ansicht.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace kov {

TDiagrammAnsicht::TDiagrammAnsicht(TAnsicht ansicht, QWidget* eltern)
    : QChartView(eltern), Art(ansicht) {
    setObjectName(AnsichtDateiName(ansicht));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setMinimumSize(480, 320);
}

void TDiagrammAnsicht::Anzeigen(std::shared_ptr<const TAuswertung> auswertung) {
    Auswertung = std::move(auswertung);
    QChart* alt = chart();
    setChart(DiagrammErzeugen(Art, *Auswertung, fontInfo().pixelSize()).release());
    // setChart leaves the previous chart to its owner, which is this view
    if (alt != nullptr && alt != chart()) delete alt;
    WertSetzen({});
}

void TDiagrammAnsicht::ZoomZuruecksetzen() {
    chart()->zoomReset();
}

void TDiagrammAnsicht::Zoomen(double faktor, QPointF punkt) {
    const QRectF flaeche = chart()->plotArea();
    const QPointF p = chart()->mapFromScene(mapToScene(punkt.toPoint()));
    if (!flaeche.contains(p)) return;
    // the point under the pointer stays where it is
    const QRectF neu(p.x() - (p.x() - flaeche.left()) * faktor,
                     p.y() - (p.y() - flaeche.top()) * faktor, flaeche.width() * faktor,
                     flaeche.height() * faktor);
    chart()->zoomIn(neu);
}

QString TDiagrammAnsicht::WertAn(QPointF punkt) const {
    if (!Auswertung) return {};
    const QPointF p = chart()->mapFromScene(mapToScene(punkt.toPoint()));
    if (!chart()->plotArea().contains(p)) return {};
    const QPointF wert = chart()->mapToValue(p);
    return WertBeschreibung(Art, *Auswertung, wert);
}

void TDiagrammAnsicht::wheelEvent(QWheelEvent* ereignis) {
    const int schritte = ereignis->angleDelta().y();
    if (schritte == 0) return;
    Zoomen(schritte > 0 ? 0.8 : 1.25, ereignis->position());
    ereignis->accept();
}

void TDiagrammAnsicht::mouseMoveEvent(QMouseEvent* ereignis) {
    WertSetzen(WertAn(ereignis->position()));
    QChartView::mouseMoveEvent(ereignis);
}

void TDiagrammAnsicht::leaveEvent(QEvent* ereignis) {
    WertSetzen({});
    QChartView::leaveEvent(ereignis);
}

void TDiagrammAnsicht::WertSetzen(const QString& text) {
    if (text == Wert) return;
    Wert = text;
    emit WertGeaendert(Wert);
}

} // namespace kov
