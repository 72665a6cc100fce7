#pragma once
// A chart on the screen that can be looked into: the value under the mouse, zoom with the
// mouse wheel (about the pointer) or a rubber band drawn with the left button, zoom out one
// step with the right button, and back to the whole chart.

#include "ui/diagramme.h"

#include <QChartView>

namespace kov {

class TDiagrammAnsicht : public QChartView {
    Q_OBJECT
public:
    TDiagrammAnsicht(TAnsicht ansicht, QWidget* eltern = nullptr);

    // Shows the view of a new evaluation (the chart replaced, the zoom reset).
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung);
    void ZoomZuruecksetzen();
    // Zooms by faktor (< 1 in, > 1 out) about the point punkt of the widget.
    void Zoomen(double faktor, QPointF punkt);

    TAnsicht Ansicht() const { return Art; }
    // the text of the value under the mouse, empty when it is outside the plot area
    const QString& WertText() const { return Wert; }
    // The text for the widget position punkt.
    QString WertAn(QPointF punkt) const;

signals:
    void WertGeaendert(const QString& text);

protected:
    void wheelEvent(QWheelEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;

private:
    void WertSetzen(const QString& text);

    TAnsicht Art;
    std::shared_ptr<const TAuswertung> Auswertung;
    QString Wert;
};

} // namespace kov
