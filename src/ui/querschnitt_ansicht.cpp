#include "ui/querschnitt_ansicht.h"

#include "ablauf/auswertungs_lauf.h"
#include "model/fehler.h"
#include "register/register_lauf.h"
#include "ui/anlage_diagramme.h"
#include "ui/ansicht_export.h"
#include "ui/datei_fehler_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>

namespace kov {

namespace {

// blue (cold) over white to red (warm), a in [0, 1]
QColor Farbe(double a) {
    a = std::clamp(a, 0.0, 1.0);
    const auto kanal = [](double x) { return static_cast<int>(std::lround(255 * x)); };
    if (a < 0.5) {
        const double f = a / 0.5;
        return QColor(kanal(0.1 + 0.9 * f), kanal(0.3 + 0.7 * f), 255);
    }
    const double f = (a - 0.5) / 0.5;
    return QColor(255, kanal(1 - 0.8 * f), kanal(1 - 0.9 * f));
}

// one decimal with the German decimal comma
QString Zahl(double wert) {
    return QLocale(QLocale::German, QLocale::Germany).toString(wert, 'f', 1);
}

} // namespace

TQuerschnittBild::TQuerschnittBild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("QuerschnittBild"));
    setMinimumSize(400, 250);
}

void TQuerschnittBild::Zeigen(std::shared_ptr<const TRegisterQuerschnitt> feld) {
    Daten = std::move(feld);
    update();
}

namespace {

// the run's own weather, as its series hold it
TWetterJahr LaufWetter(const TModell& m) {
    TWetterJahr wetter;
    wetter.Tein = m.Reihen.Tein;
    wetter.RelFeuchte = m.Reihen.RelFeuchte;
    wetter.TTaupunkt = m.Reihen.TTaupunkt;
    wetter.Luftdruck = m.Reihen.Luftdruck;
    wetter.HatFeuchte = m.Reihen.MitFeuchte;
    return wetter;
}

} // namespace

void QuerschnittSpeichern(const TAuswertung& a, int stunde, int zelle, const QString& datei,
                          QSize groesse) {
    const TModell& m = *a.Modell;
    const TWetterJahr wetter = LaufWetter(m);
    TQuerschnittBild bild;
    bild.resize(groesse);
    bild.Zeigen(std::make_shared<const TRegisterQuerschnitt>(RegisterQuerschnittRechnen(
        m.Parameter, wetter, &m.Reihen.RelVolumenstrom, stunde, zelle, a.Hoehe)));
    ZeichnungSpeichern(datei, groesse, QStringLiteral("Querschnitt"),
                       [&](QPainter& maler, const QRectF& ziel) {
                           bild.render(&maler, ziel.topLeft().toPoint());
                       });
}

void TQuerschnittBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), palette().window());
    if (Daten == nullptr || Daten->X.empty()) return;
    const TRegisterQuerschnitt& q = *Daten;
    const int nx = static_cast<int>(q.X.size());
    const int ny = static_cast<int>(q.Tiefe.size());
    const double spanne = std::max(q.TMax - q.TMin, 1e-6);
    QImage bild(nx, ny, QImage::Format_RGB32);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const double t =
                q.T[static_cast<std::size_t>(j) * q.X.size() + static_cast<std::size_t>(i)];
            bild.setPixelColor(
                i, j, std::isfinite(t) ? Farbe((t - q.TMin) / spanne) : QColor(90, 90, 90));
        }

    // the picture keeps the cross-section's proportions; the scale stands on the right
    const QFontMetrics schrift = fontMetrics();
    const int skalaBreite = schrift.horizontalAdvance(QStringLiteral("-00,0 °C")) + 30;
    const QRectF platz = QRectF(rect()).adjusted(10, 10 + schrift.height(), -10 - skalaBreite,
                                                 -10 - schrift.height());
    const double breiteM = q.X.back() - q.X.front();
    const double tiefeM = q.Tiefe.back() - q.Tiefe.front();
    const double mass = std::min(platz.width() / breiteM, platz.height() / tiefeM); // px/m
    const QRectF feld(platz.left(), platz.top(), breiteM * mass, tiefeM * mass);
    maler.setRenderHint(QPainter::SmoothPixmapTransform, true);
    maler.drawImage(feld, bild);
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setPen(QPen(Qt::black, 1.5));
    maler.drawLine(feld.topLeft(), feld.topRight());
    maler.drawText(QPointF(feld.left(), feld.top() - 4),
                   tr("Oberfläche, Außenluft %1 °C").arg(Zahl(q.TLuft)));
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::NoBrush);
    for (double x : q.RohrX) {
        const QPointF mitte(feld.left() + (x - q.X.front()) * mass,
                            feld.top() + (q.RohrTiefe - q.Tiefe.front()) * mass);
        maler.drawEllipse(mitte, q.RohrRadius * mass, q.RohrRadius * mass);
    }
    maler.drawText(QPointF(feld.left(), feld.bottom() + schrift.ascent() + 2),
                   tr("Breite %1 m, Tiefe %2 m").arg(Zahl(breiteM), Zahl(tiefeM)));

    const QRectF skala(feld.right() + 12, feld.top(), 16, feld.height());
    for (int y = 0; y < static_cast<int>(skala.height()); ++y)
        maler.fillRect(QRectF(skala.left(), skala.top() + y, skala.width(), 1),
                       Farbe(1 - y / std::max(skala.height() - 1, 1.0)));
    maler.setPen(Qt::black);
    maler.drawRect(skala);
    maler.drawText(QPointF(skala.right() + 4, skala.top() + schrift.ascent()),
                   tr("%1 °C").arg(Zahl(q.TMax)));
    maler.drawText(QPointF(skala.right() + 4, skala.bottom()), tr("%1 °C").arg(Zahl(q.TMin)));
}

TQuerschnittAnsicht::TQuerschnittAnsicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("QuerschnittAnsicht"));
    Tag = new QSpinBox(this);
    Tag->setObjectName(QStringLiteral("Tag"));
    Tag->setRange(1, 365);
    Tag->setValue(15);
    Tag->setToolTip(tr("Tag des Jahres, 1 = 1. Januar"));
    Stunde = new QSpinBox(this);
    Stunde->setObjectName(QStringLiteral("Stunde"));
    Stunde->setRange(1, 24);
    Stunde->setValue(12);
    Stunde->setToolTip(tr("Stunde des Tages, 1 = 0 bis 1 Uhr; gezeigt wird ihr Ende"));
    Ort = new QComboBox(this);
    Ort->setObjectName(QStringLiteral("Ort"));
    Ort->addItem(tr("am Eintritt"));
    Ort->addItem(tr("in der Mitte"));
    Ort->addItem(tr("am Austritt"));
    Rechnen = new QPushButton(tr("Zeigen"), this);
    Rechnen->setObjectName(QStringLiteral("Rechnen"));
    Rechnen->setToolTip(tr("Rechnet das Jahr bis zu dieser Stunde erneut und zeigt das Erdreich"));
    connect(Rechnen, &QPushButton::clicked, this, &TQuerschnittAnsicht::RechnenClick);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);
    Bild = new TQuerschnittBild(this);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(tr("Tag"), this));
    zeile->addWidget(Tag);
    zeile->addWidget(new QLabel(tr("Stunde"), this));
    zeile->addWidget(Stunde);
    zeile->addWidget(new QLabel(tr("Ort im Rohr"), this));
    zeile->addWidget(Ort);
    zeile->addWidget(Rechnen);
    zeile->addStretch(1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(zeile);
    spalte->addWidget(Hinweis);
    spalte->addWidget(Bild, 1);
    Anzeigen(nullptr);
}

TQuerschnittAnsicht::~TQuerschnittAnsicht() {
    Anhalten();
}

void TQuerschnittAnsicht::Anhalten() {
    ++Nummer;
    if (!Faden.joinable()) return;
    Abbruch = true;
    Faden.join();
    Abbruch = false;
}

void TQuerschnittAnsicht::Anzeigen(std::shared_ptr<const TAuswertung> auswertung) {
    Anhalten();
    Auswertung = std::move(auswertung);
    Bild->Zeigen(nullptr);
    const bool moeglich = Auswertung != nullptr && RegisterModell(Auswertung->Modell->Parameter);
    Rechnen->setEnabled(moeglich);
    Hinweis->setText(moeglich ? tr("Die Temperatur des Erdreichs quer zu den Rohren am Ende der "
                                   "gewählten Stunde des aufgezeichneten Jahres.")
                              : tr("Den Querschnitt des Erdreichs gibt es nur für einen Lauf mit "
                                   "dem Rechenmodell „Register“."));
}

void TQuerschnittAnsicht::RechnenClick() {
    if (Auswertung == nullptr || !RegisterModell(Auswertung->Modell->Parameter)) return;
    Anhalten();
    const TModell& m = *Auswertung->Modell;
    auto wetter = std::make_shared<TWetterJahr>(LaufWetter(m));
    auto fahrplan = std::make_shared<TStundenFeld>(m.Reihen.RelVolumenstrom);
    const TRegisterParameter p = m.Parameter;
    const int stunde = (Tag->value() - 1) * 24 + Stunde->value();
    const int zellen = TRegisterAufloesung{}.AxialZellen;
    const int zelle = Ort->currentIndex() == 0   ? 0
                      : Ort->currentIndex() == 1 ? zellen / 2
                                                 : zellen - 1;
    const double hoehe = Auswertung->Hoehe;
    Rechnen->setEnabled(false);
    Hinweis->setText(tr("Das Jahr wird bis zur gewählten Stunde gerechnet …"));
    Fertig = false;
    const int nummer = Nummer;
    Faden = std::thread([this, p, wetter, fahrplan, stunde, zelle, hoehe, nummer] {
        std::shared_ptr<const TRegisterQuerschnitt> feld;
        QString fehler;
        try {
            feld = std::make_shared<const TRegisterQuerschnitt>(RegisterQuerschnittRechnen(
                p, *wetter, fahrplan.get(), stunde, zelle, hoehe, &Abbruch));
        } catch (const std::exception& f) {
            fehler = AusnahmeText(f);
        }
        Fertig = true;
        if (Abbruch) return;
        QMetaObject::invokeMethod(
            this, [this, feld, fehler, nummer] { Ergebnis(feld, fehler, nummer); },
            Qt::QueuedConnection);
    });
}

void TQuerschnittAnsicht::Ergebnis(std::shared_ptr<const TRegisterQuerschnitt> feld,
                                   const QString& fehler, int nummer) {
    if (nummer != Nummer) return;
    if (Faden.joinable()) Faden.join();
    Rechnen->setEnabled(Auswertung != nullptr);
    if (!fehler.isEmpty() || feld == nullptr || feld->X.empty()) {
        Hinweis->setText(fehler);
        Bild->Zeigen(nullptr);
    } else {
        const int tag = (feld->Stunde - 1) / 24 + 1;
        const int uhr = (feld->Stunde - 1) % 24 + 1;
        Hinweis->setText(tr("Tag %1, Ende der Stunde %2 (%3:00 Uhr), Axialzelle %4 von %5; "
                            "Erdreich von %6 °C bis %7 °C, grau: die Rohre.")
                             .arg(tag)
                             .arg(uhr)
                             .arg(uhr % 24)
                             .arg(feld->Zelle + 1)
                             .arg(feld->Zellen)
                             .arg(Zahl(feld->TMin), Zahl(feld->TMax)));
        Bild->Zeigen(std::move(feld));
    }
    emit Gezeigt();
}

} // namespace kov
