#include "ui/klima_karte.h"

#include "model/klima_regionen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kov {

namespace {

// Germany's border, coarse (about 10 km), as degrees east and north, clockwise from the Dollart.
constexpr std::array<std::array<double, 2>, 64> Umriss = {{
    {7.20, 53.25},  {7.05, 52.65},  {6.70, 52.50},  {7.05, 52.25},  {6.75, 52.05},  {6.40, 51.85},
    {6.00, 51.85},  {6.20, 51.45},  {5.95, 51.05},  {6.10, 50.75},  {6.40, 50.35},  {6.10, 50.15},
    {6.50, 49.70},  {6.35, 49.45},  {6.70, 49.20},  {7.10, 49.12},  {7.60, 49.15},  {8.20, 48.97},
    {7.80, 48.50},  {7.55, 48.10},  {7.60, 47.58},  {8.20, 47.60},  {8.60, 47.70},  {9.20, 47.65},
    {9.60, 47.55},  {10.20, 47.30}, {10.50, 47.55}, {11.00, 47.40}, {11.60, 47.55}, {12.20, 47.60},
    {12.80, 47.55}, {13.00, 47.50}, {13.00, 47.85}, {12.80, 48.15}, {13.45, 48.57}, {13.80, 48.75},
    {13.00, 49.30}, {12.40, 49.80}, {12.10, 50.30}, {12.50, 50.35}, {12.90, 50.38}, {13.05, 50.42},
    {13.50, 50.60}, {14.00, 50.80}, {14.80, 50.85}, {15.00, 51.15}, {14.70, 51.60}, {14.55, 52.35},
    {14.15, 52.85}, {14.40, 53.30}, {14.20, 53.90}, {13.80, 54.10}, {13.40, 54.68}, {12.50, 54.45},
    {11.45, 54.00}, {10.90, 54.00}, {11.20, 54.50}, {10.15, 54.40}, {9.45, 54.80},  {8.30, 55.05},
    {8.60, 54.30},  {8.90, 53.85},  {8.10, 53.55},  {7.20, 53.70},
}};

constexpr double WestRand = 5.6, OstRand = 15.3, SuedRand = 47.1, NordRand = 55.2;
constexpr double Fangradius = 12.0; // px around a station that a click chooses it

} // namespace

TKlimaKarte::TKlimaKarte(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("KlimaKarte"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Eine Station anklicken, um ihre Region zu wählen"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize TKlimaKarte::sizeHint() const {
    return {280, 350};
}

QSize TKlimaKarte::minimumSizeHint() const {
    return {240, 300};
}

void TKlimaKarte::RegionSetzen(int region) {
    if (region < 1 || region > KlimaRegionen || region == Gewaehlt) return;
    Gewaehlt = region;
    update();
}

QPointF TKlimaKarte::Punkt(double breite, double laenge) const {
    // east-west degrees shortened as at the middle of the map, so that the country keeps its
    // shape
    const double laengenmass = std::cos(51.2 * std::numbers::pi / 180.0);
    const double breiteKarte = (OstRand - WestRand) * laengenmass;
    const double hoeheKarte = NordRand - SuedRand;
    const double rand = 6.0;
    const double massstab =
        std::min((width() - 2 * rand) / breiteKarte, (height() - 2 * rand) / hoeheKarte);
    const double links = (width() - breiteKarte * massstab) / 2.0;
    const double oben = (height() - hoeheKarte * massstab) / 2.0;
    return {links + (laenge - WestRand) * laengenmass * massstab,
            oben + (NordRand - breite) * massstab};
}

QPolygonF TKlimaKarte::Umrisslinie() const {
    QPolygonF land;
    for (const auto& [laenge, breite] : Umriss)
        land << Punkt(breite, laenge);
    return land;
}

int TKlimaKarte::RegionBei(QPointF ort) const {
    int naechste = 0;
    double abstand = Fangradius;
    for (const TKlimaRegion& r : KlimaRegionenListe()) {
        const QPointF d = Punkt(r.Breite, r.Laenge) - ort;
        const double a = std::hypot(d.x(), d.y());
        if (a <= abstand) {
            abstand = a;
            naechste = r.Nummer;
        }
    }
    return naechste;
}

void TKlimaKarte::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(rect(), palette().base());

    maler.setPen(QPen(QColor(120, 120, 120), 1.2));
    maler.setBrush(QColor(236, 240, 228));
    maler.drawPolygon(Umrisslinie());

    QFont schrift = font();
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    maler.setFont(schrift);
    for (const TKlimaRegion& r : KlimaRegionenListe()) {
        const QPointF p = Punkt(r.Breite, r.Laenge);
        const bool gewaehlt = r.Nummer == Gewaehlt;
        maler.setPen(QPen(gewaehlt ? QColor(170, 0, 0) : QColor(40, 40, 40), 1.0));
        maler.setBrush(gewaehlt ? QColor(220, 30, 30) : QColor(40, 90, 170));
        const double radius = gewaehlt ? 6.0 : 4.0;
        maler.drawEllipse(p, radius, radius);
        maler.setPen(palette().color(QPalette::Text));
        maler.drawText(p + QPointF(radius + 2.0, 4.0), QString::number(r.Nummer));
    }
    // the chosen station's name in bold at the top, where it covers nothing
    const TKlimaRegion& r = KlimaRegion(Gewaehlt);
    QFont fett = font();
    fett.setBold(true);
    maler.setFont(fett);
    maler.setPen(QColor(170, 0, 0));
    maler.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignTop | Qt::AlignLeft,
                   tr("%1 %2").arg(r.Nummer).arg(QString::fromUtf8(
                       r.Station.data(), static_cast<qsizetype>(r.Station.size()))));
}

void TKlimaKarte::mousePressEvent(QMouseEvent* ereignis) {
    const int region = RegionBei(ereignis->position());
    if (region == 0) return QWidget::mousePressEvent(ereignis);
    RegionSetzen(region);
    emit RegionGeklickt(region);
}

} // namespace kov
