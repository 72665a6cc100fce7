#include "symbol/symbol_zeichnen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kov {

QImage SymbolZeichnen(int groesse) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    // drawn on a 64 x 64 grid, scaled to the size
    maler.scale(groesse / 64.0, groesse / 64.0);

    QPainterPath kachel;
    kachel.addRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    maler.setClipPath(kachel);

    QLinearGradient himmel(0, 2, 0, 20);
    himmel.setColorAt(0, QColor(120, 185, 235));
    himmel.setColorAt(1, QColor(190, 225, 250));
    maler.fillRect(QRectF(0, 0, 64, 18), himmel);
    maler.fillRect(QRectF(0, 16, 64, 5), QColor(70, 160, 60));
    QLinearGradient erde(0, 21, 0, 64);
    erde.setColorAt(0, QColor(150, 105, 60));
    erde.setColorAt(1, QColor(95, 62, 35));
    maler.fillRect(QRectF(0, 21, 64, 43), erde);

    // the pipe wall and the air inside
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(225, 225, 220));
    maler.drawEllipse(QPointF(32, 42), 15, 15);
    QLinearGradient luft(20, 0, 44, 0);
    luft.setColorAt(0, QColor(40, 110, 230));
    luft.setColorAt(1, QColor(225, 55, 40));
    maler.setBrush(luft);
    maler.drawEllipse(QPointF(32, 42), 11.5, 11.5);

    // the air's way through the pipe
    maler.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.drawLine(QPointF(24, 42), QPointF(39, 42));
    maler.setBrush(Qt::white);
    maler.setPen(Qt::NoPen);
    const QPointF spitze[] = {QPointF(42.5, 42), QPointF(35.5, 36.5), QPointF(35.5, 47.5)};
    maler.drawPolygon(spitze, 3);

    maler.setClipping(false);
    maler.setPen(QPen(QColor(60, 40, 25), 1.5));
    maler.setBrush(Qt::NoBrush);
    maler.drawPath(kachel);
    maler.end();
    return bild;
}

} // namespace kov
