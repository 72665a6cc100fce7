#include "ui/start_fenster.h"

#include "ui/hersteller.h"
#include "ui/jpeg_bild.h"
#include "ui/klassische_anordnung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QThread>

// The resource holding the picture sits in the static UI library; without this reference the
// linker would leave it out of the program.
static void BilderEinbinden() {
    Q_INIT_RESOURCE(bilder);
}

namespace kov {

namespace {

QLabel* TextAnlegen(QWidget* fenster, const QString& text, int pixelHoehe, const QColor& farbe) {
    auto* label = new QLabel(text, fenster);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(true);
    label->setFont(schrift);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, farbe);
    label->setPalette(palette);
    return label;
}

QPushButton* KnopfAnlegen(QWidget* fenster, const char* name, const QString& text) {
    auto* knopf = new QPushButton(text, fenster);
    knopf->setObjectName(QString::fromLatin1(name));
    return knopf;
}

} // namespace

QByteArray StartbildDaten() {
    BilderEinbinden();
    QFile datei(QStringLiteral(":/bilder/baustelle.jpg"));
    if (!datei.open(QIODevice::ReadOnly)) return {};
    return datei.readAll();
}

TForm3::TForm3() {
    // The program lives as long as this window: hiding it for the input window must not end
    // the program when some other window is closed later.
    QApplication::setQuitOnLastWindowClosed(false);

    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ORB Programm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Laid out for 846 x 619; without a window manager that honours the maximise request the
    // window still covers the screen.
    setGeometry(screen()->availableGeometry());
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPixelSize(14);
    setFont(schrift);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    setPalette(palette);
    setAutoFillBackground(true);

    // Two columns: the contact lines and the buttons, then the headings over the picture. A
    // contact line or button that a translation makes wider than laid out pushes the second
    // column right; a heading grows about its centre.
    auto* anordnung = new TKlassischeAnordnung(this);
    using TWachsen = TKlassischeAnordnung::TWachsen;

    const QColor rot(255, 0, 0);
    const struct {
        const char* Text;
        int Y;
    } kontakt[] = {{HerstellerName, 49},
                   {HerstellerBeschreibung, 69},
                   {HerstellerStrasse, 89},
                   {HerstellerOrt, 108},
                   {HerstellerEmail, 140}};
    int nummer = 4;
    for (const auto& k : kontakt) {
        QLabel* label = TextAnlegen(this, tr(k.Text), 15, rot);
        label->setObjectName(QStringLiteral("Label%1").arg(nummer++));
        anordnung->Setzen(label, QRect(QPoint(49, k.Y), label->sizeHint()));
    }

    ButtonLaden = KnopfAnlegen(this, "ButtonLaden", tr("Neues Projekt"));
    Button1 = KnopfAnlegen(this, "Button1", tr("Projekt laden"));
    Button2 = KnopfAnlegen(this, "Button2", QStringLiteral("Info"));
    ButtonBeenden = KnopfAnlegen(this, "ButtonBeenden", tr("Beenden"));
    anordnung->Setzen(ButtonLaden, {49, 217, 189, 40});
    anordnung->Setzen(Button1, {49, 286, 189, 40});
    anordnung->Setzen(Button2, {49, 354, 189, 41});
    anordnung->Setzen(ButtonBeenden, {49, 423, 189, 41});
    anordnung->GleichBreit({ButtonLaden, Button1, Button2, ButtonBeenden});
    connect(ButtonLaden, &QPushButton::clicked, this, &TForm3::ButtonNeuClick);
    connect(Button1, &QPushButton::clicked, this, &TForm3::ButtonLadenClick);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Info);
    connect(ButtonBeenden, &QPushButton::clicked, this, &TForm3::ButtonBeendenClick);

    // the left column keeps clear of the picture's by at least this much
    constexpr int Abstand = 8;
    anordnung->SpalteBeginnen(336 - Abstand);
    const struct {
        const char* Name;
        const char* Text;
        QRect Ort;
        int PixelHoehe;
    } ueberschriften[] = {
        {"Label1", QT_TRANSLATE_NOOP("kov::TForm3", "Programm  KOV - LT"), {342, 39, 390, 45}, 38},
        {"Label2",
         QT_TRANSLATE_NOOP("kov::TForm3", "Berechnung von  Luft - Erdregistern"),
         {380, 90, 314, 21},
         18},
        {"Label3",
         QT_TRANSLATE_NOOP("kov::TForm3", "Light - Version des Programms KOV"),
         {380, 122, 322, 21},
         18},
    };
    for (const auto& u : ueberschriften) {
        QLabel* label = TextAnlegen(this, tr(u.Text), u.PixelHoehe, rot);
        label->setObjectName(QString::fromLatin1(u.Name));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        anordnung->Setzen(label, u.Ort, TWachsen::UmDieMitte);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    // stretched over its classic area whatever the picture's own size
    Image1->setFixedSize(401, 329);
    Image1->setScaledContents(true);
    anordnung->Setzen(Image1, {336, 160, 401, 329}, TWachsen::UmDieMitte);
    BildZeigen(StartbildDaten());
}

void TForm3::BildZeigen(const QByteArray& jpeg) {
    const QImage bild = JpegBildLesen(reinterpret_cast<const unsigned char*>(jpeg.constData()),
                                      static_cast<std::size_t>(jpeg.size()));
    if (bild.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(bild));
}

void TForm3::ButtonNeuClick() {
    emit NeuesProjektGewuenscht();
}

void TForm3::ButtonLadenClick() {
    emit ProjektLadenGewuenscht();
}

void TForm3::Info() {
    emit InfoGewuenscht();
}

void TForm3::ButtonBeendenClick() {
    close();
}

void TForm3::closeEvent(QCloseEvent* ereignis) {
    // unsaved changes of the project are saved, dropped or keep the program open
    if (DarfSchliessen && !DarfSchliessen()) {
        ereignis->ignore();
        return;
    }
    QWidget::closeEvent(ereignis);
    // Hidden, not closed: a close handler of another window could show this one again.
    emit Geschlossen();
    // Outside a running event loop Qt would still mark the thread as quitting, and every later
    // event loop (a message box, say) would return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

} // namespace kov
