#include "ui/info_fenster.h"

#include "model/version.h"
#include "ui/anwendung.h"
#include "ui/hersteller.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace kov {

namespace {

// Outer size 531 x 464 with a 4-pixel border and a 30-pixel title bar.
constexpr int ClientBreite = 531 - 2 * 4;
constexpr int ClientHoehe = 464 - 30 - 2 * 4;

QLabel* ZeileAnlegen(QWidget* fenster, QLabel* label, int x, int y, int pixelHoehe = 0,
                     bool fett = false, bool unterstrichen = false) {
    QFont schrift = fenster->font();
    if (pixelHoehe > 0) schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    schrift.setUnderline(unterstrichen);
    label->setFont(schrift);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* ZeileAnlegen(QWidget* fenster, const QString& text, int x, int y, int pixelHoehe = 0,
                     bool fett = false) {
    return ZeileAnlegen(fenster, new QLabel(text, fenster), x, y, pixelHoehe, fett);
}

} // namespace

TVerweisLabel::TVerweisLabel(const QString& text, QWidget* eltern) : QLabel(text, eltern) {
    setCursor(Qt::PointingHandCursor);
}

void TVerweisLabel::mouseReleaseEvent(QMouseEvent* ereignis) {
    QLabel::mouseReleaseEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit Geklickt();
}

TForm4::TForm4() {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Form4"));
    move(74, 30);
    resize(ClientBreite, ClientHoehe);
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPixelSize(13);
    setFont(schrift);

    QLabel* titel = ZeileAnlegen(this, tr("Programm  K O V"), 105, 20, 38, true);
    QPalette rot = titel->palette();
    rot.setColor(QPalette::WindowText, QColor(255, 0, 0));
    titel->setPalette(rot);
    QLabel* version = ZeileAnlegen(this, tr("Version 1.2,   Juli 2000"), 105, 79, 23, true);
    version->setObjectName(QStringLiteral("Version"));
    // the line keeps the program's historic text; the build this is shows under the mouse
    version->setToolTip(QString::fromStdString(VersionText("Programmversion")));

    ZeileAnlegen(this, tr("Autoren:"), 33, 120);
    ZeileAnlegen(this, tr("das Team der KOV Entwicklung"), 105, 120);
    ZeileAnlegen(this, tr("Vertrieb:"), 33, 145);
    Label3 = new TVerweisLabel(QString::fromUtf8(HerstellerName), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    ZeileAnlegen(this, Label3, 105, 145, 15, false, true);
    ZeileAnlegen(this,
                 QString::fromUtf8(HerstellerStrasse) + QStringLiteral(",  ") +
                     QString::fromUtf8(HerstellerOrt),
                 105, 162);
    ZeileAnlegen(this,
                 tr("Software für %1")
                     .arg(QCoreApplication::translate("kov::TForm3", HerstellerBeschreibung)),
                 105, 180);
    ZeileAnlegen(this, tr("Fax:   0123 / 45 67 89-9"), 105, 199);
    ZeileAnlegen(this, tr("Tel.:  0123 / 45 67 89-0"), 105, 216);
    Label8 = new TVerweisLabel(QString::fromUtf8(HerstellerEmail), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    ZeileAnlegen(this, Label8, 105, 234, 15, false, true);
    ZeileAnlegen(this, tr("Literatur:"), 33, 278);
    ZeileAnlegen(this, tr("Luft-Erdregister: Auslegung und Betrieb."), 105, 278);
    ZeileAnlegen(this, tr("Bericht der KOV Entwicklung, Heft 3, 1999"), 104, 296);
    ZeileAnlegen(this, tr("Klimadaten: Datenbasis: Deutscher Wetterdienst, CC BY 4.0"), 105, 318);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(103, 361, 109, 40);

    connect(Label3, &TVerweisLabel::Geklickt, this, &TForm4::Label3Click);
    connect(Label8, &TVerweisLabel::Geklickt, this, &TForm4::Label8Click);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

// The desktop's default handler opens the link; whether it could is not our concern.
void TForm4::Label3Click() {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(HerstellerWebseite)));
}

void TForm4::Label8Click() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("MAILTO:") + QString::fromUtf8(HerstellerEmail)));
}

void TForm4::Button1Click() {
    hide();
}

} // namespace kov
