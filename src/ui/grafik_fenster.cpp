#include "ui/grafik_fenster.h"

#include "ablauf/auswertungs_lauf.h"
#include "model/kalender.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/grafik_zeichnung.h"
#include "ui/kennwerte_fenster.h"
#include "ui/klassische_anordnung.h"
#include "ui/klima_check_anzeige.h"
#include "ui/lauf_steuerung.h"
#include "ui/meldung.h"
#include "ui/varianten_begruendung.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <string>

namespace kov {

namespace {

struct TKnopf {
    QPushButton* TForm1::*Knopf;
    const char* Name;
    const char* Text;
    int Y;
    void (TForm1::*Aktion)();
};

// The off-screen chart as the window shows it, behind the button column.
class TZeichenflaeche : public QWidget {
public:
    TZeichenflaeche(QWidget* eltern, const QImage& bild) : QWidget(eltern), Bild(bild) {
        setFixedSize(bild.size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.drawImage(0, 0, Bild);
    }

private:
    const QImage& Bild;
};

const std::array<TKnopf, 18> Knoepfe{{
    {&TForm1::Button2, "Button2", QT_TRANSLATE_NOOP("kov::TForm1", "Berechnung"), 8,
     &TForm1::Button2Click},
    {&TForm1::Button3, "Button3", QT_TRANSLATE_NOOP("kov::TForm1", "Januar"), 40,
     &TForm1::JanuarClick},
    {&TForm1::Button4, "Button4", QT_TRANSLATE_NOOP("kov::TForm1", "Februar"), 64,
     &TForm1::FebruarClick},
    {&TForm1::Button5, "Button5", QT_TRANSLATE_NOOP("kov::TForm1", "März"), 88,
     &TForm1::MaerzClick},
    {&TForm1::Button6, "Button6", QT_TRANSLATE_NOOP("kov::TForm1", "April"), 112,
     &TForm1::AprilClick},
    {&TForm1::Button7, "Button7", QT_TRANSLATE_NOOP("kov::TForm1", "Mai"), 136, &TForm1::MaiClick},
    {&TForm1::Button8, "Button8", QT_TRANSLATE_NOOP("kov::TForm1", "Juni"), 160,
     &TForm1::JuniClick},
    {&TForm1::Button9, "Button9", QT_TRANSLATE_NOOP("kov::TForm1", "Juli"), 184,
     &TForm1::JuliClick},
    {&TForm1::Button10, "Button10", QT_TRANSLATE_NOOP("kov::TForm1", "August"), 208,
     &TForm1::AugustClick},
    {&TForm1::Button11, "Button11", QT_TRANSLATE_NOOP("kov::TForm1", "September"), 232,
     &TForm1::SeptemberClick},
    {&TForm1::Button12, "Button12", QT_TRANSLATE_NOOP("kov::TForm1", "Oktober"), 256,
     &TForm1::OktoberClick},
    {&TForm1::Button13, "Button13", QT_TRANSLATE_NOOP("kov::TForm1", "November"), 280,
     &TForm1::NovemberClick},
    {&TForm1::Button14, "Button14", QT_TRANSLATE_NOOP("kov::TForm1", "Dezember"), 304,
     &TForm1::DezemberClick},
    {&TForm1::Button15, "Button15", QT_TRANSLATE_NOOP("kov::TForm1", "Copy"), 336,
     &TForm1::Button15Click},
    {&TForm1::Button1, "Button1", QT_TRANSLATE_NOOP("kov::TForm1", "Schliessen"), 360,
     &TForm1::Button1Click},
    {&TForm1::Button16, "Button16", QT_TRANSLATE_NOOP("kov::TForm1", "Kennwerte"), 392,
     &TForm1::Button16Click},
    {&TForm1::Button17, "Button17", QT_TRANSLATE_NOOP("kov::TForm1", "Auswertung"), 424,
     &TForm1::Button17Click},
    {&TForm1::Button18, "Button18", QT_TRANSLATE_NOOP("kov::TForm1", "Abbrechen"), 456,
     &TForm1::AbbrechenClick},
}};

// Chart titles, index 1..12.
const std::array<const char*, 13> MonatsTitel{"",
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Januar"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Februar"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "März"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "April"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Mai"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Juni"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Juli"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "August"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "September"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Oktober"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "November"),
                                              QT_TRANSLATE_NOOP("kov::TForm1", "Dezember")};

} // namespace

TForm1::TForm1(TSitzung& sitzung, TLaufSteuerung& steuerung)
    : Sitzung(sitzung), Steuerung(steuerung) {
    setWindowTitle(tr("Programm KOV:  Ein- und Austrittstemperaturen des Erdregisters"));
    move(56, 83);
    resize(645, 483);
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);

    // The buttons stand over the chart's left panel, all as wide as the widest caption; a
    // column wider than the panel moves the chart right instead of covering its axis.
    auto* anordnung = new TKlassischeAnordnung(this, QSize(645, 483));
    for (const TKnopf& k : Knoepfe) {
        auto* knopf = new QPushButton(tr(k.Text), this);
        knopf->setObjectName(QString::fromLatin1(k.Name));
        anordnung->Setzen(knopf, {16, k.Y, 89, 25});
        connect(knopf, &QPushButton::clicked, this,
                [this, aktion = k.Aktion] { (this->*aktion)(); });
        this->*k.Knopf = knopf;
    }
    anordnung->GleichBreit({Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8,
                            Button9, Button10, Button11, Button12, Button13, Button14, Button15,
                            Button16, Button17, Button18});
    const TGrafikSpeicher& grafik = Sitzung.Grafik();
    // the buttons keep the room the panel gives them left and right: 10 pixels
    anordnung->SpalteBeginnen(PixelX(0.2, grafik.Massstab) - 6);
    auto* zeichenflaeche = new TZeichenflaeche(this, grafik.Bild);
    zeichenflaeche->setObjectName(QStringLiteral("Zeichenflaeche"));
    zeichenflaeche->lower();
    anordnung->Setzen(zeichenflaeche, QRect(QPoint(0, 0), grafik.Bild.size()));
    Button16->setToolTip(tr("Druckverlust, Ventilator, Extremwerte, Monatsenergien, "
                            "Kondensat des letzten Laufs"));
    Button17->setToolTip(tr("Jahresverlauf, Dauerlinien, Energie, Kondensat und "
                            "Kennwerte des letzten Laufs; Bilder, CSV, PDF-Bericht"));
    Button18->setToolTip(tr("Den Lauf bei der nächsten Stunde beenden (Esc); die bisherigen "
                            "Ergebnisse, Grafiken und der Bericht bleiben"));
    Kennwerte = new TKennwerteFenster(this);
    Auswertung = new TAuswertungsFenster(this);
    Auswertung->ProjektdateiQuelleSetzen(
        [this] { return QString::fromStdString(Sitzung.Projekt().Datei); });
    KnoepfeSetzen();

    connect(&Steuerung, &TLaufSteuerung::MonatFertig, this,
            [this](int, int monat, std::shared_ptr<const TStundenReihen> reihen) {
                MonatFertig(monat, std::move(reihen));
            });
    // the months already computed are drawn before the run's end is shown
    connect(&Steuerung, &TLaufSteuerung::LaufFertig, this,
            [this](const std::shared_ptr<const TEinzellaufErgebnis>& e) {
                NachDenMonaten([this, e] { LaufFertig(*e); });
            });
    connect(&Steuerung, &TLaufSteuerung::LaufFehlgeschlagen, this, [this](const QString& meldung) {
        NachDenMonaten([this, meldung] { LaufFehlgeschlagen(meldung); });
    });
    connect(&Steuerung, &TLaufSteuerung::LaufAbgebrochen, this, &TForm1::LaufAbgebrochen);
    // the climate check goes to the evaluation window of the project open now
    connect(&Steuerung, &TLaufSteuerung::KlimaCheckFertig, this,
            [this](const std::shared_ptr<const std::vector<TKlimaCheckJahr>>& jahre) {
                Auswertung->KlimaCheck->Zeigen(*jahre);
            });
    connect(&Steuerung, &TLaufSteuerung::KlimaCheckFehlgeschlagen, this,
            [this](const QString& meldung) { Auswertung->KlimaCheck->Fehlgeschlagen(meldung); });
    // one month drawn per turn of the event loop, so that the window answers in between when
    // the worker is ahead of the drawing
    Zeichner = new QTimer(this);
    Zeichner->setSingleShot(true);
    Zeichner->setInterval(0);
    connect(Zeichner, &QTimer::timeout, this, &TForm1::NaechstenMonatZeichnen);
}

TForm1::~TForm1() {
    SanduhrAufheben();
}

void TForm1::setVisible(bool sichtbar) {
    const bool erscheint = sichtbar && !isVisible();
    if (!sichtbar && Lauf) AbbrechenClick();
    QWidget::setVisible(sichtbar);
    if (erscheint && isVisible()) Simulation();
}

bool TForm1::Simulation() {
    if (Lauf) return false;
    Lauf = true;
    Verworfen = false;
    BildVorher = Sitzung.Grafik().Bild;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Sanduhr = true;
    KnoepfeSetzen();
    emit LaufBegonnen();
    // a project's schedule, weather file and report lie beside the project file
    const std::string ordner = Sitzung.EingabeOrdner();
    if (!Steuerung.EinzellaufStarten(Sitzung.Kontext().Parameter,
                                     {ordner, ordner, Sitzung.Projekt().Datei})) {
        LaufEnde();
        emit LaufBeendet();
        return false;
    }
    return true;
}

void TForm1::AbbrechenClick() {
    if (Lauf) Steuerung.Abbrechen();
}

void TForm1::MonatFertig(int monat, std::shared_ptr<const TStundenReihen> reihen) {
    if (!Lauf || Verworfen) return;
    Warteschlange.emplace_back(monat, std::move(reihen));
    if (!Zeichner->isActive()) Zeichner->start();
}

void TForm1::NaechstenMonatZeichnen() {
    if (!Warteschlange.empty()) {
        auto [monat, reihen] = std::move(Warteschlange.front());
        Warteschlange.pop_front();
        LaufReihen = std::move(reihen);
        MonatZeichnen(monat);
    }
    if (!Warteschlange.empty()) {
        Zeichner->start();
    } else if (AufgeschobenesEnde) {
        const std::function<void()> ende = std::move(AufgeschobenesEnde);
        AufgeschobenesEnde = nullptr;
        ende();
    }
}

void TForm1::NachDenMonaten(std::function<void()> ende) {
    if (Warteschlange.empty())
        ende();
    else
        AufgeschobenesEnde = std::move(ende);
}

void TForm1::LaufFertig(const TEinzellaufErgebnis& ergebnis) {
    if (!Lauf) return;
    const bool januar = JanuarDanach;
    JanuarDanach = false;
    if (Verworfen) {
        LaufEnde();
        emit LaufBeendet();
        return;
    }
    Sitzung.LaufUebernehmen(*ergebnis.Kontext);
    RechenFaden = ergebnis.RechenFaden;
    const TAuswertung& auswertung = *ergebnis.Auswertung;
    Kennwerte->Anzeigen(auswertung.Kennwerte, auswertung.Modell->Parameter,
                        auswertung.Modell->Ergebnis);
    Kennwerte->BewertungAnzeigen(BewertungBilden(*ergebnis.Kontext, auswertung.Kennwerte));
    // the evaluation's views are filled when the window is opened: its charts take a while
    LetzteAuswertung = ergebnis.Auswertung;
    LetzteProjektdatei = QString::fromStdString(Sitzung.Projekt().Datei);
    LetzteVariantenbegruendung.clear();
    if (GleicheEingaben(auswertung.Modell->Parameter, Sitzung.Projekt().VarianteParameter))
        LetzteVariantenbegruendung = Sitzung.Projekt().Variantenbegruendung;
    if (Auswertung->isVisible()) AuswertungFuellen();
    Fehlerfrei = true;
    emit LaufVollendet();
    SanduhrAufheben();
    // the run counts as going on until its notes are read: the input window turning active
    // behind a message box must not close this window
    for (const std::string& hinweis : ergebnis.Hinweise)
        MeldungZeigen(this, QMessageBox::Information, QStringLiteral("KOV"),
                      QString::fromStdString(hinweis));
    LaufEnde();
    if (januar) JanuarClick();
    emit LaufBeendet();
}

void TForm1::LaufFehlgeschlagen(const QString& meldung) {
    if (!Lauf) return;
    JanuarDanach = false;
    const bool verworfen = Verworfen;
    if (!verworfen) {
        Fehlerfrei = false;
        // figures of an earlier run must not stand beside a run that failed
        Kennwerte->hide();
        Auswertung->hide();
    }
    SanduhrAufheben();
    // months drawn before the fault stay on the screen behind the message
    if (!verworfen) MeldungZeigen(this, QMessageBox::Critical, QStringLiteral("KOV"), meldung);
    LaufEnde();
    emit LaufBeendet();
}

void TForm1::LaufAbgebrochen() {
    if (!Lauf) return;
    JanuarDanach = false;
    if (!Verworfen) {
        Sitzung.Grafik().Bild = BildVorher;
        update();
    }
    LaufEnde();
    emit LaufBeendet();
}

void TForm1::LaufEnde() {
    Lauf = false;
    Warteschlange.clear();
    Zeichner->stop();
    AufgeschobenesEnde = nullptr;
    LaufReihen.reset();
    BildVorher = QImage();
    SanduhrAufheben();
    KnoepfeSetzen();
}

void TForm1::SanduhrAufheben() {
    if (!Sanduhr) return;
    Sanduhr = false;
    QApplication::restoreOverrideCursor();
}

void TForm1::KnoepfeSetzen() {
    for (const TKnopf& k : Knoepfe)
        (this->*k.Knopf)->setEnabled(!Lauf);
    Button1->setEnabled(true);
    Button16->setEnabled(!Lauf && Fehlerfrei && LetzteAuswertung != nullptr);
    Button17->setEnabled(Button16->isEnabled());
    Button18->setEnabled(Lauf);
}

void TForm1::ProjektSchliessen() {
    if (Lauf) {
        Verworfen = true;
        Steuerung.Abbrechen();
    }
    JanuarDanach = false;
    hide();
    Steuerung.KlimaCheckAbbrechen();
    // the figures and the evaluation of the closed project go with it
    delete Kennwerte;
    delete Auswertung;
    Kennwerte = new TKennwerteFenster(this);
    Auswertung = new TAuswertungsFenster(this);
    Auswertung->ProjektdateiQuelleSetzen(
        [this] { return QString::fromStdString(Sitzung.Projekt().Datei); });
    LetzteAuswertung.reset();
    Sitzung.Grafik().Bild.fill(Qt::white);
    Fehlerfrei = true;
    KnoepfeSetzen();
    update();
}

void TForm1::MonatZeichnen(int monat) {
    if (monat < 1 || monat > 12) return;
    ZeichneMonat(tr(MonatsTitel[static_cast<std::size_t>(monat)]), ErsteStundeImMonat(monat),
                 TageImMonat(monat));
}

void TForm1::ZeichneMonat(const QString& monatsName, int ersteStunde, int tage) {
    emit MonatGezeichnet();
    Achsen(monatsName, tr("Ein- und Austrittstemperaturen Erdregister"), 0, tage, -15, 35,
           tr("Tage"), tr("Temperatur [°C]"), 0);
    ZeichneGrafik(ersteStunde, 24 * tage, 35, -15);
}

void TForm1::Achsen(const QString& titel, const QString& untertitel, double xMin, double xMax,
                    double yMin, double yMax, const QString& xText, const QString& yText,
                    int dezimalen) {
    TGrafikSpeicher& grafik = Sitzung.Grafik();
    kov::Achsen(grafik.Bild, grafik.Massstab, titel, untertitel, xMin, xMax, yMin, yMax, xText,
                yText, dezimalen);
    repaint();
}

void TForm1::ZeichneGrafik(int ersteStunde, int stunden, double yMax, double yMin) {
    TGrafikSpeicher& grafik = Sitzung.Grafik();
    // while a run goes on, its own series as far as they are computed
    const TStundenReihen& reihen = LaufReihen ? *LaufReihen : Sitzung.Kontext().Reihen;
    kov::ZeichneGrafik(grafik.Bild, grafik.Massstab, reihen, ersteStunde, stunden, yMax, yMin);
    repaint();
}

void TForm1::Button2Click() {
    if (!Lauf) emit BerechnungGewuenscht();
}

void TForm1::Button15Click() {
    QGuiApplication::clipboard()->setImage(Sitzung.Grafik().Bild);
}

void TForm1::Button1Click() {
    hide();
}

void TForm1::Button16Click() {
    Kennwerte->show();
    Kennwerte->raise();
    Kennwerte->activateWindow();
}

void TForm1::AuswertungFuellen() {
    if (LetzteAuswertung == nullptr) return;
    if (Auswertung->HatAuswertung() && &Auswertung->Ergebnis() == LetzteAuswertung.get()) return;
    TBerichtKopf kopf;
    kopf.Projektdatei = LetzteProjektdatei;
    kopf.Variantenbegruendung = LetzteVariantenbegruendung;
    Auswertung->Anzeigen(LetzteAuswertung, kopf);
    // the design under the other years of its region, computed beside the window
    const TRegisterParameter& p = LetzteAuswertung->Modell->Parameter;
    const std::string ordner = Sitzung.EingabeOrdner();
    if (Steuerung.KlimaCheckStarten(p, {ordner, ordner}))
        Auswertung->KlimaCheck->Rechnet(p.Klima);
    else
        Auswertung->KlimaCheck->OhneKlima();
}

void TForm1::Button17Click() {
    AuswertungFuellen();
    Auswertung->show();
    Auswertung->raise();
    Auswertung->activateWindow();
}

void TForm1::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape && Lauf) {
        AbbrechenClick();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

} // namespace kov
