#pragma once
// A small map of Germany for the climate picker: a coarse outline, the 15 stations of the
// built-in climates at their coordinates with their numbers, the chosen region's station
// marked and named. Clicking a station chooses its region.

#include <QPointF>
#include <QPolygonF>
#include <QWidget>

namespace kov {

class TKlimaKarte : public QWidget {
    Q_OBJECT
public:
    explicit TKlimaKarte(QWidget* eltern = nullptr);

    void RegionSetzen(int region);
    int Region() const { return Gewaehlt; }
    // Where a point (degrees north and east) lies in the widget as it is now.
    QPointF Punkt(double breite, double laenge) const;
    // Germany's outline in the widget as it is now.
    QPolygonF Umrisslinie() const;
    // The region whose station lies within reach of a point of the widget, 0 for none.
    int RegionBei(QPointF ort) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void RegionGeklickt(int region);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    int Gewaehlt = 1;
};

} // namespace kov
