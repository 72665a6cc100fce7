#include "ui/grafik_fenster.h"

#include "ablauf/auswertungs_lauf.h"
#include "ablauf/simulation.h"
#include "model/kalender.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/eingabe_fenster.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_zeichnung.h"
#include "ui/kennwerte_fenster.h"
#include "ui/meldung.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace kov {

namespace {

struct TKnopf {
    QPushButton* TForm1::*Knopf;
    const char* Name;
    const char* Text;
    int Y;
    void (TForm1::*Aktion)();
};

const std::array<TKnopf, 17> Knoepfe{{
    {&TForm1::Button2, "Button2", "Berechnung", 8, &TForm1::Button2Click},
    {&TForm1::Button3, "Button3", "Januar", 40, &TForm1::JanuarClick},
    {&TForm1::Button4, "Button4", "Februar", 64, &TForm1::FebruarClick},
    {&TForm1::Button5, "Button5", "März", 88, &TForm1::MaerzClick},
    {&TForm1::Button6, "Button6", "April", 112, &TForm1::AprilClick},
    {&TForm1::Button7, "Button7", "Mai", 136, &TForm1::MaiClick},
    {&TForm1::Button8, "Button8", "Juni", 160, &TForm1::JuniClick},
    {&TForm1::Button9, "Button9", "Juli", 184, &TForm1::JuliClick},
    {&TForm1::Button10, "Button10", "August", 208, &TForm1::AugustClick},
    {&TForm1::Button11, "Button11", "September", 232, &TForm1::SeptemberClick},
    {&TForm1::Button12, "Button12", "Oktober", 256, &TForm1::OktoberClick},
    {&TForm1::Button13, "Button13", "November", 280, &TForm1::NovemberClick},
    {&TForm1::Button14, "Button14", "Dezember", 304, &TForm1::DezemberClick},
    {&TForm1::Button15, "Button15", "Copy", 336, &TForm1::Button15Click},
    {&TForm1::Button1, "Button1", "Schliessen", 360, &TForm1::Button1Click},
    {&TForm1::Button16, "Button16", "Kennwerte", 392, &TForm1::Button16Click},
    {&TForm1::Button17, "Button17", "Auswertung", 424, &TForm1::Button17Click},
}};

// Chart titles and button captions, index 1..12.
const std::array<const char*, 13> MonatsTitel{
    "",     "Januar", "Februar",   "März",    "April",    "Mai",     "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember"};

// Busy cursor for the life of the run, restored on every way out of it.
class TSanduhr {
public:
    TSanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TSanduhr() { QApplication::restoreOverrideCursor(); }
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};

} // namespace

TForm1::TForm1(TAnwendung& anwendung) : Anwendung(anwendung) {
    setWindowTitle(
        QStringLiteral("Programm KOV:  Ein- und Austrittstemperaturen des Erdregisters"));
    move(56, 83);
    resize(645, 483);
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);

    for (const TKnopf& k : Knoepfe) {
        auto* knopf = new QPushButton(QString::fromUtf8(k.Text), this);
        knopf->setObjectName(QString::fromLatin1(k.Name));
        knopf->setGeometry(16, k.Y, 89, 25);
        connect(knopf, &QPushButton::clicked, this,
                [this, aktion = k.Aktion] { (this->*aktion)(); });
        this->*k.Knopf = knopf;
    }
    Button16->setEnabled(false);
    Button16->setToolTip(QStringLiteral("Druckverlust, Ventilator, Extremwerte, Monatsenergien, "
                                        "Kondensat des letzten Laufs"));
    Button17->setEnabled(false);
    Button17->setToolTip(QStringLiteral("Jahresverlauf, Dauerlinien, Energie, Kondensat und "
                                        "Kennwerte des letzten Laufs; Bilder, CSV, PDF-Bericht"));
    Kennwerte = new TKennwerteFenster(this);
    Auswertung = new TAuswertungsFenster(this);
}

void TForm1::setVisible(bool sichtbar) {
    const bool erscheint = sichtbar && !isVisible();
    QWidget::setVisible(sichtbar);
    if (erscheint && isVisible()) Simulation();
}

void TForm1::DarstellungAbwarten() {
    // A window that has just been shown is painted only once the window system has exposed
    // it. Wait for that (a moment at most, user input stays queued) so that the first months
    // of the run appear as soon as they are drawn.
    QWindow* fenster = windowHandle();
    if (fenster == nullptr || fenster->isExposed()) return;
    QTimer wecker;
    wecker.start(20);
    const QDeadlineTimer frist(1000);
    while (!fenster->isExposed() && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

bool TForm1::Simulation() {
    if (Lauf) return false;
    Lauf = true;
    std::optional<QString> fehler;
    std::vector<std::string> hinweise;
    {
        TSanduhr sanduhr;
        TFortschrittsBalken& balken = *Anwendung.Form2().ProgressBar1;
        balken.setValue(0);
        balken.setMaximum(12);
        balken.SchrittweiteSetzen(1);
        DarstellungAbwarten();
        Button16->setEnabled(false);
        Button17->setEnabled(false);
        try {
            TKontext& k = Anwendung.Kontext();
            // a project's schedule, weather file and report lie beside the project file
            const std::string ordner = Anwendung.Form2().EingabeOrdner();
            const TLaufDaten daten =
                LaufDatenSammeln(k.Parameter, {ordner, ordner, Anwendung.Projekt().Datei});
            hinweise = daten.Hinweise;
            TLaufRueckmeldung rueckmeldung;
            rueckmeldung.NachMonat = [this](int, int monat, const TStundenReihen&) {
                MonatZeichnen(monat);
            };
            BerichtsLaufAusfuehren(daten, k, rueckmeldung);
            TAuswertung auswertung = LaufAuswerten(daten, k);
            Kennwerte->Anzeigen(auswertung.Kennwerte, k.Parameter, k.Ergebnis);
            TBerichtKopf kopf;
            kopf.Projektdatei = QString::fromStdString(Anwendung.Projekt().Datei);
            Auswertung->Anzeigen(std::make_shared<const TAuswertung>(std::move(auswertung)), kopf);
            balken.setValue(12);
        } catch (const std::exception& e) {
            fehler = QString::fromUtf8(e.what());
        }
    }
    Fehlerfrei = !fehler.has_value();
    Button16->setEnabled(Fehlerfrei);
    Button17->setEnabled(Fehlerfrei);
    // figures of an earlier run must not stand beside a run that failed
    if (!Fehlerfrei) {
        Kennwerte->hide();
        Auswertung->hide();
    }
    // months drawn before the fault stay on the screen behind the message
    if (fehler) MeldungZeigen(this, QMessageBox::Critical, QStringLiteral("KOV"), *fehler);
    for (const std::string& hinweis : hinweise)
        MeldungZeigen(this, QMessageBox::Information, QStringLiteral("KOV"),
                      QString::fromStdString(hinweis));
    Lauf = false;
    return Fehlerfrei;
}

void TForm1::MonatZeichnen(int monat) {
    if (monat < 1 || monat > 12) return;
    ZeichneMonat(QString::fromUtf8(MonatsTitel[static_cast<std::size_t>(monat)]),
                 ErsteStundeImMonat(monat), TageImMonat(monat));
}

void TForm1::ZeichneMonat(const QString& monatsName, int ersteStunde, int tage) {
    Anwendung.Form2().ProgressBar1->Schritt();
    Achsen(monatsName, QStringLiteral("Ein- und Austrittstemperaturen Erdregister"), 0, tage, -15,
           35, QStringLiteral("Tage"), QStringLiteral("Temperatur [°C]"), 0);
    ZeichneGrafik(ersteStunde, 24 * tage, 35, -15);
}

void TForm1::Achsen(const QString& titel, const QString& untertitel, double xMin, double xMax,
                    double yMin, double yMax, const QString& xText, const QString& yText,
                    int dezimalen) {
    TGrafikSpeicher& grafik = Anwendung.Grafik();
    kov::Achsen(grafik.Bild, grafik.Massstab, titel, untertitel, xMin, xMax, yMin, yMax, xText,
                yText, dezimalen);
    repaint();
}

void TForm1::ZeichneGrafik(int ersteStunde, int stunden, double yMax, double yMin) {
    TGrafikSpeicher& grafik = Anwendung.Grafik();
    kov::ZeichneGrafik(grafik.Bild, grafik.Massstab, Anwendung.Kontext().Reihen, ersteStunde,
                       stunden, yMax, yMin);
    repaint();
}

void TForm1::Button2Click() {
    TForm2& eingabe = Anwendung.Form2();
    if (!eingabe.EingabenPruefen(this)) return;
    eingabe.WerteLesen();
    Simulation();
}

void TForm1::Button15Click() {
    QGuiApplication::clipboard()->setImage(Anwendung.Grafik().Bild);
}

void TForm1::Button1Click() {
    hide();
}

void TForm1::Button16Click() {
    Kennwerte->show();
    Kennwerte->raise();
    Kennwerte->activateWindow();
}

void TForm1::Button17Click() {
    Auswertung->show();
    Auswertung->raise();
    Auswertung->activateWindow();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.drawImage(0, 0, Anwendung.Grafik().Bild);
}

} // namespace kov
