#include "ui/eingabe_fenster.h"

#include "ablauf/lauf_pruefung.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "model/bodenarten.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"
#include "ui/anwendung.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/meldung.h"
#include "ui/parameter_dialog.h"
#include "ui/start_fenster.h"
#include "ui/varianten_fenster.h"
#include "ui/zahl_eingabe.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>

namespace kov {

namespace {

struct TFeldZeile {
    QLineEdit* TForm2::*Feld;
    const char* Name;
    const char* Zeile; // row label left of the field
    const char* Einheit;
    int X;
    int Y;
    int Breite;
    bool Editierbar;
    bool Ganzzahl;
};

constexpr int FeldBreite = 57;
constexpr int RechterRand = 576; // right end of the room for texts in the 584 pixel window
constexpr int FeldHoehe = 24;
// the weather file button takes the right end of Edit1's room
constexpr int WetterKnopfBreite = 22;

constexpr const char* EingebautesWetterName = "Zürich SMA DRY-Daten";

// In the order the user reads them and in which faulty entries are reported.
const std::array<TFeldZeile, 13> FeldZeilen{{
    {&TForm2::ERohrlaenge, "ERohrlaenge", "Rohrlänge:", "m", 176, 128, FeldBreite, true, false},
    {&TForm2::EDRohr, "EDRohr", "Rohrdurchmesser:", "m", 176, 160, FeldBreite, true, false},
    {&TForm2::EWandstaerkeRohr, "EWandstaerkeRohr", "Rohrwandstärke:", "m", 176, 192, FeldBreite,
     true, false},
    {&TForm2::EAnzahlrohre, "EAnzahlrohre", "Anzahl Rohre:", "", 176, 224, FeldBreite, true, true},
    {&TForm2::ETiefe, "ETiefe", "Verlegietiefe Rohre:", "m", 176, 256, FeldBreite, true, false},
    {&TForm2::ElambdaErde, "ElambdaErde", "Lambda Erde", "W/mK", 384, 160, FeldBreite, false,
     false},
    {&TForm2::ErhoErde, "ErhoErde", "rho Erde", "kg/m3", 384, 192, FeldBreite, false, false},
    {&TForm2::EcpErde, "EcpErde", "cp Erde", "J/kgK", 384, 224, FeldBreite, false, false},
    {&TForm2::Edit1, "Edit1", "Wetterdaten: ", "", 384, 256, 153 - WetterKnopfBreite, false, false},
    {&TForm2::EVolumenstrom, "EVolumenstrom", "Luftvolumenstrom", "m3/h", 176, 320, FeldBreite,
     true, false},
    {&TForm2::Ev, "Ev", "Luftgeschwindigkeit: ", "m/s", 176, 352, FeldBreite, false, false},
    {&TForm2::EHeizgrenze, "EHeizgrenze", "Heizgrenze", "°C", 384, 320, FeldBreite, true, false},
    {&TForm2::EKuehlgrenze, "EKuehlgrenze", "Kühlgrenze", "°C", 384, 352, FeldBreite, true, false},
}};

QLabel* TextSetzen(QWidget* eltern, const QString& text, int x, int y) {
    auto* marke = new QLabel(text, eltern);
    marke->adjustSize();
    marke->move(x, y);
    return marke;
}

// The positions are made for a narrow font; a wider platform font gets smaller until the text
// fits the room its label has, so that no text is cut off or runs under a field.
void Einpassen(QLabel* marke, int breite) {
    constexpr int KleinstePixelgroesse = 8;
    QFont schrift = marke->font();
    if (schrift.pixelSize() <= 0) schrift.setPixelSize(QFontInfo(schrift).pixelSize());
    while (QFontMetrics(schrift).horizontalAdvance(marke->text()) > breite &&
           schrift.pixelSize() > KleinstePixelgroesse)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    marke->setFont(schrift);
    marke->adjustSize();
}

QFont Schrift(const QFont& basis, int pixel, bool fett, bool kursiv) {
    QFont schrift = basis;
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}

} // namespace

TForm2::TForm2(TAnwendung& anwendung) : Anwendung(anwendung) {
    setWindowTitle(QStringLiteral("KOV - Eingaben"));
    move(26, 45);
    resize(584, 528);
    setFont(Schrift(font(), 13, false, false));

    auto* ueberschrift = TextSetzen(
        this, QStringLiteral("Eingabedaten für die Berechnung eines  Einzelrohres"), 41, 48);
    ueberschrift->setFont(Schrift(font(), 20, true, false));
    Einpassen(ueberschrift, RechterRand - 41);

    auto* rohre = new QGroupBox(QStringLiteral("Erdregister - Rohre"), this);
    rohre->setGeometry(32, 96, 249, 193);
    rohre->setFont(Schrift(font(), 15, false, false));
    auto* stoffwerte = new QGroupBox(QStringLiteral("Stoffwerte Erde und Klima"), this);
    stoffwerte->setGeometry(281, 96, 264, 193);
    auto* betrieb = new QGroupBox(QStringLiteral("Betrieb Erdregister"), this);
    betrieb->setGeometry(32, 297, 513, 96);

    for (const TFeldZeile& zeile : FeldZeilen) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(QString::fromLatin1(zeile.Name));
        feld->setGeometry(zeile.X, zeile.Y, zeile.Breite, FeldHoehe);
        feld->setEnabled(zeile.Editierbar);
        this->*zeile.Feld = feld;

        const int zeilenX = zeile.X == 176 ? 48 : 297;
        auto* marke = new QLabel(QString::fromUtf8(zeile.Zeile), this);
        marke->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Einpassen(marke, zeile.X - zeilenX - 4);
        marke->setGeometry(zeilenX, zeile.Y, zeile.X - zeilenX - 4, FeldHoehe);
        if (zeile.Einheit[0] != '\0') {
            auto* einheit = new QLabel(QString::fromUtf8(zeile.Einheit), this);
            einheit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            Einpassen(einheit, 40);
            einheit->setGeometry(zeile.X + zeile.Breite + 6, zeile.Y, 40, FeldHoehe);
        }
    }
    Edit1->setText(QString::fromUtf8(EingebautesWetterName));
    WetterKnopf = new QToolButton(this);
    WetterKnopf->setObjectName(QStringLiteral("WetterKnopf"));
    WetterKnopf->setText(QStringLiteral("…"));
    WetterKnopf->setToolTip(QStringLiteral("Wetterdatei eines Standorts wählen oder zum "
                                           "eingebauten Auslegungsjahr zurückkehren"));
    WetterKnopf->setGeometry(384 + 153 - WetterKnopfBreite + 2, 256, WetterKnopfBreite - 2,
                             FeldHoehe);
    WetterKnopf->setPopupMode(QToolButton::InstantPopup);
    WetterKnopf->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    auto* wetterMenue = new QMenu(WetterKnopf);
    wetterMenue->addAction(QStringLiteral("Wetterdatei wählen…"), this, [this] {
        const QString pfad = WetterDateiDialog();
        if (!pfad.isEmpty()) WetterDateiWaehlen(pfad);
    });
    wetterMenue->addAction(QStringLiteral("Eingebautes Auslegungsjahr (%1)")
                               .arg(QString::fromUtf8(EingebautesWetterName)),
                           this, [this] { EingebautesWetterWaehlen(); });
    WetterKnopf->setMenu(wetterMenue);

    ProjektDateiDialog = [this](bool speichern) {
        const QString filter = QStringLiteral("KOV-Projekte (*.kov);;Alle Dateien (*)");
        const QString start = QString::fromStdString(Anwendung.Projekt().Datei);
        return speichern ? QFileDialog::getSaveFileName(this, QStringLiteral("Projekt speichern"),
                                                        start, filter)
                         : QFileDialog::getOpenFileName(this, QStringLiteral("Projekt öffnen"),
                                                        start, filter);
    };
    WetterDateiDialog = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Wetterdatei wählen"), QString::fromStdString(EingabeOrdner()),
            QStringLiteral("Wetterdaten (*.epw *.dat *.csv *.txt);;Alle Dateien (*)"));
    };

    CErde = new QComboBox(this);
    CErde->setObjectName(QStringLiteral("CErde"));
    CErde->setEditable(true);
    CErde->setInsertPolicy(QComboBox::NoInsert);
    CErde->setMaxVisibleItems(12);
    for (const TBodenart& art : Bodenarten())
        CErde->addItem(QString::fromUtf8(art.Text.data(), static_cast<qsizetype>(art.Text.size())));
    CErde->setGeometry(297, 128, 240, FeldHoehe);
    connect(CErde, &QComboBox::currentIndexChanged, this, [this] { CErdeChange(); });

    for (QLineEdit* feld : {ERohrlaenge, EDRohr, EAnzahlrohre, EVolumenstrom})
        feld->installEventFilter(this);
    for (const TFeldZeile& zeile : FeldZeilen)
        if (zeile.Feld != &TForm2::Ev && zeile.Feld != &TForm2::Edit1)
            connect(this->*zeile.Feld, &QLineEdit::textChanged, this,
                    [this] { AenderungPruefen(); });

    // the commands of a desktop program, in the room above the heading
    Menue = new QMenuBar(this);
    Menue->setObjectName(QStringLiteral("Menue"));
    QMenu* projekt = Menue->addMenu(QStringLiteral("&Projekt"));
    const auto aktion = [this](QMenu* menue, const QString& text, const QKeySequence& taste,
                               bool (TForm2::*befehl)()) {
        QAction* a = menue->addAction(text);
        a->setShortcut(taste);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, befehl] { (this->*befehl)(); });
        return a;
    };
    AktionNeu = aktion(projekt, QStringLiteral("&Neu"), QKeySequence::New, &TForm2::ProjektNeu);
    AktionOeffnen = aktion(projekt, QStringLiteral("Ö&ffnen…"),
                           QKeySequence(QStringLiteral("Ctrl+O")), &TForm2::ProjektOeffnen);
    AktionSpeichern = aktion(projekt, QStringLiteral("&Speichern"),
                             QKeySequence(QStringLiteral("Ctrl+S")), &TForm2::ProjektSpeichern);
    AktionSpeichernUnter =
        aktion(projekt, QStringLiteral("Speichern &unter…"),
               QKeySequence(QStringLiteral("Ctrl+Shift+S")), &TForm2::ProjektSpeichernUnter);
    projekt->addSeparator();
    projekt->addAction(QStringLiteral("S&chliessen"), this, [this] { SchliessenClick(); });
    QMenu* parameter = Menue->addMenu(QStringLiteral("P&arameter"));
    AktionWeitereParameter =
        aktion(parameter, QStringLiteral("&Weitere Parameter…"),
               QKeySequence(QStringLiteral("Ctrl+P")), &TForm2::WeitereParameter);
    AktionVariantenvergleich = parameter->addAction(QStringLiteral("&Variantenvergleich…"));
    connect(AktionVariantenvergleich, &QAction::triggered, this,
            [this] { Anwendung.Variantenvergleich().Oeffnen(); });
    Menue->setGeometry(0, 0, 584, Menue->sizeHint().height());

    Berechnen = new QPushButton(QStringLiteral("Berechnen"), this);
    Berechnen->setObjectName(QStringLiteral("Berechnen"));
    Berechnen->setGeometry(32, 414, 97, 41);
    connect(Berechnen, &QPushButton::clicked, this, [this] { BerechnenClick(); });

    ProgressBar1 = new TFortschrittsBalken(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(137, 416, 304, 41);

    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setGeometry(448, 416, 97, 41);
    connect(Schliessen, &QPushButton::clicked, this, [this] { SchliessenClick(); });

    auto* zeile = TextSetzen(
        this, QStringLiteral("KOV 1.2 - Erdregister: Luftvorwärmung und -kühlung im Erdreich"), 41,
        464);
    zeile->setFont(Schrift(font(), 15, true, true));
    Einpassen(zeile, RechterRand - 41);

    Kreate();
}

TRegisterParameter& TForm2::Parameter() {
    return Anwendung.Kontext().Parameter;
}

namespace {

// a velocity beyond what a double holds (a diameter near zero) is no number to show
void GeschwindigkeitZeigen(QLineEdit& feld, double v) {
    const bool zeigbar = std::isfinite(v);
    feld.setText(zeigbar ? ZahlAnzeigen(v, 2) : QStringLiteral("–"));
    feld.setToolTip(zeigbar ? QString()
                            : QCoreApplication::translate(
                                  "TForm2", "Die Geschwindigkeit ist mit diesem Rohrdurchmesser "
                                            "und Volumenstrom keine endliche Zahl."));
}

} // namespace

double TForm2::GeschwindigkeitAnzeige(const TRegisterParameter& p) {
    return p.Volumenstrom / 3600 / std::numbers::pi / (p.DRohr * p.DRohr) * 4 / p.AnzahlRohre;
}

void TForm2::Kreate() {
    StandardwerteSetzen(Anwendung.Kontext());
    Anwendung.Projekt().Gespeichert = Parameter();
    Wertsetzen();
}

void TForm2::Wertsetzen() {
    TRegisterParameter& p = Parameter();
    EVolumenstrom->setText(ZahlZeigen(p.Volumenstrom, 0));
    ERohrlaenge->setText(ZahlZeigen(p.Rohrlaenge, 1));
    EDRohr->setText(ZahlZeigen(p.DRohr, 1));
    EWandstaerkeRohr->setText(ZahlZeigen(p.WandstaerkeRohr, 3));
    EAnzahlrohre->setText(QString::number(p.AnzahlRohre));
    ETiefe->setText(ZahlZeigen(p.Tiefe, 2));
    // a set without a pipe cross-section leaves the last velocity shown
    if (p.DRohr > 0 && p.AnzahlRohre > 0) GeschwindigkeitZeigen(*Ev, GeschwindigkeitAnzeige(p));
    EHeizgrenze->setText(ZahlZeigen(p.Heizgrenze, 1));
    EKuehlgrenze->setText(ZahlZeigen(p.Kuehlgrenze, 1));
    EcpErde->setText(ZahlZeigen(p.CpErde, 1));
    ErhoErde->setText(ZahlZeigen(p.RhoErde, 1));
    ElambdaErde->setText(ZahlZeigen(p.LambdaErde, 1));
    CErde->setCurrentIndex(0);
    WetterAnzeigen();
    AenderungPruefen();
}

void TForm2::vSetzen() {
    TRegisterParameter& p = Parameter();
    // once a non-positive diameter or pipe count is stored, only WerteLesen revives this
    if (!(p.DRohr > 0) || !(p.AnzahlRohre > 0)) return;
    EingabeZahlLesen(EVolumenstrom->text(), p.Volumenstrom);
    EingabeGanzzahlLesen(EAnzahlrohre->text(), p.AnzahlRohre);
    EingabeZahlLesen(EDRohr->text(), p.DRohr);
    if (p.DRohr > 0 && p.AnzahlRohre > 0) GeschwindigkeitZeigen(*Ev, GeschwindigkeitAnzeige(p));
}

void TForm2::CErdeChange() {
    const int index = CErde->currentIndex();
    if (index < 1 || index >= static_cast<int>(Bodenarten().size())) return;
    const TBodenart& art = Bodenarten()[static_cast<std::size_t>(index)];
    const auto text = [](std::string_view feld) {
        return QString::fromLatin1(feld.data(), static_cast<qsizetype>(feld.size()));
    };
    ElambdaErde->setText(text(art.Lambda));
    ErhoErde->setText(text(art.Rho));
    EcpErde->setText(text(art.Cp));
}

void TForm2::FelderLesen(TRegisterParameter& p) const {
    EingabeZahlLesen(ERohrlaenge->text(), p.Rohrlaenge);
    EingabeZahlLesen(EDRohr->text(), p.DRohr);
    EingabeZahlLesen(EWandstaerkeRohr->text(), p.WandstaerkeRohr);
    EingabeGanzzahlLesen(EAnzahlrohre->text(), p.AnzahlRohre);
    EingabeZahlLesen(ETiefe->text(), p.Tiefe);
    EingabeZahlLesen(EVolumenstrom->text(), p.Volumenstrom);
    EingabeZahlLesen(EHeizgrenze->text(), p.Heizgrenze);
    EingabeZahlLesen(EKuehlgrenze->text(), p.Kuehlgrenze);
    EingabeZahlLesen(EcpErde->text(), p.CpErde);
    EingabeZahlLesen(ErhoErde->text(), p.RhoErde);
    EingabeZahlLesen(ElambdaErde->text(), p.LambdaErde);
}

void TForm2::WerteLesen() {
    FelderLesen(Parameter());
}

QString TForm2::ZeilenText(const QLineEdit* feld) const {
    for (const TFeldZeile& zeile : FeldZeilen)
        if (this->*zeile.Feld == feld) {
            QString text = QString::fromUtf8(zeile.Zeile).trimmed();
            if (text.endsWith(QLatin1Char(':'))) text.chop(1);
            return text;
        }
    return feld->objectName();
}

bool TForm2::EingabenPruefen(QWidget* meldungsEltern, const QString& ueberschrift) {
    QStringList meldungen;
    for (const TFeldZeile& zeile : FeldZeilen) {
        if (!zeile.Editierbar) continue;
        const QLineEdit* feld = this->*zeile.Feld;
        double zahl = 0.0;
        std::int32_t ganzzahl = 0;
        const bool gelesen = zeile.Ganzzahl ? EingabeGanzzahlLesen(feld->text(), ganzzahl)
                                            : EingabeZahlLesen(feld->text(), zahl);
        if (gelesen) continue;
        QString bereich;
        const QString eintrag =
            EingabeAusserhalbBereich(feld->text(), zeile.Ganzzahl, bereich)
                ? tr("„%1“ liegt ausserhalb des Bereichs %2").arg(feld->text().trimmed(), bereich)
            : feld->text().trimmed().isEmpty()
                ? QStringLiteral("das Feld ist leer")
                : QStringLiteral("„%1“ ist keine %2")
                      .arg(feld->text().trimmed(),
                           zeile.Ganzzahl ? QStringLiteral("ganze Zahl") : QStringLiteral("Zahl"));
        meldungen << QStringLiteral("%1: %2 – erwartet wird %3.")
                         .arg(ZeilenText(feld), eintrag,
                              zeile.Ganzzahl
                                  ? QStringLiteral("eine ganze Zahl wie 15")
                                  : QStringLiteral("eine Dezimalzahl wie 12.5 oder 12,5"));
    }
    // range checks only on numbers that could be read, so that each field is named once
    if (meldungen.isEmpty()) {
        TRegisterParameter kopie = Parameter();
        FelderLesen(kopie);
        for (const std::string& meldung : LaufPruefen(kopie, EingabeOrdner(), nullptr,
                                                      EingabeOrdner(), Anwendung.Projekt().Datei))
            meldungen << QString::fromStdString(meldung);
    }
    if (meldungen.isEmpty()) return true;
    MeldungZeigen(meldungsEltern, QMessageBox::Warning, windowTitle(),
                  ueberschrift + QStringLiteral("\n\n") + meldungen.join(QLatin1Char('\n')));
    return false;
}

void TForm2::BerechnenClick() {
    if (!EingabenPruefen(this)) return;
    WerteLesen();
    TForm1& grafik = Anwendung.Form1();
    // showing the chart window runs the simulation; a visible one is shown afresh
    if (grafik.isVisible()) grafik.hide();
    grafik.show();
    if (grafik.LetzterLaufFehlerfrei()) grafik.JanuarClick();
}

void TForm2::SchliessenClick() {
    if (!AenderungenKlaeren()) return;
    Anwendung.Form3().show();
    hide();
}

void TForm2::OnShow() {
    TForm1& grafik = Anwendung.Form1();
    // the chart window's own run can shift the activation; it must not close the window
    if (!grafik.LaufAktiv()) grafik.hide();
}

bool TForm2::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate) OnShow();
    return QWidget::event(ereignis);
}

bool TForm2::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) vSetzen();
    return QWidget::eventFilter(objekt, ereignis);
}

void TForm2::mousePressEvent(QMouseEvent* ereignis) {
    OnShow();
    QWidget::mousePressEvent(ereignis);
}

void TForm2::closeEvent(QCloseEvent* ereignis) {
    if (!AenderungenKlaeren()) {
        ereignis->ignore();
        return;
    }
    // closing the window leads back to the start window like "Schliessen" does, rather than
    // leaving the program without any visible window
    Anwendung.Form3().show();
    QWidget::closeEvent(ereignis);
}

TRegisterParameter TForm2::AktuelleParameter() const {
    TRegisterParameter p = Anwendung.Kontext().Parameter;
    FelderLesen(p);
    return p;
}

bool TForm2::FelderGueltig() const {
    for (const TFeldZeile& zeile : FeldZeilen) {
        if (!zeile.Editierbar && zeile.Feld != &TForm2::ElambdaErde &&
            zeile.Feld != &TForm2::ErhoErde && zeile.Feld != &TForm2::EcpErde)
            continue;
        double zahl = 0.0;
        std::int32_t ganzzahl = 0;
        const QString text = (this->*zeile.Feld)->text();
        if (!(zeile.Ganzzahl ? EingabeGanzzahlLesen(text, ganzzahl) : EingabeZahlLesen(text, zahl)))
            return false;
    }
    return true;
}

std::string TForm2::EingabeOrdner() const {
    const std::string& datei = Anwendung.Projekt().Datei;
    return datei.empty() ? std::string() : ProjektOrdner(datei);
}

void TForm2::AenderungPruefen() {
    TProjekt& projekt = Anwendung.Projekt();
    bool geaendert = !FelderGueltig();
    if (!geaendert) {
        const TRegisterParameter jetzt = AktuelleParameter();
        for (const TKatalogEintrag& e : ParameterKatalog())
            if (!e.Abgeleitet && !FeldGleich(jetzt, projekt.Gespeichert, e)) geaendert = true;
    }
    projekt.Geaendert = geaendert;
    QString titel = QStringLiteral("KOV - Eingaben");
    if (!projekt.Datei.empty())
        titel +=
            QStringLiteral(" - ") + QFileInfo(QString::fromStdString(projekt.Datei)).fileName();
    if (geaendert) titel += QStringLiteral(" *");
    setWindowTitle(titel);
}

void TForm2::ProjektUebernehmen(const TRegisterParameter& p, const std::string& datei) {
    TProjekt& projekt = Anwendung.Projekt();
    Parameter() = p;
    projekt.Gespeichert = p;
    projekt.Datei = datei;
    Wertsetzen();
}

bool TForm2::AenderungenKlaeren() {
    AenderungPruefen();
    TProjekt& projekt = Anwendung.Projekt();
    if (!projekt.Geaendert) return true;
    const QString name =
        projekt.Datei.empty()
            ? QStringLiteral("Das neue Projekt")
            : QStringLiteral("Das Projekt „%1“")
                  .arg(QFileInfo(QString::fromStdString(projekt.Datei)).fileName());
    QMessageBox frage(QMessageBox::Question, QStringLiteral("KOV - Eingaben"),
                      name + QStringLiteral(" hat ungespeicherte Änderungen.\n\nSollen sie "
                                            "gespeichert werden?"),
                      QMessageBox::NoButton, isVisible() ? this : nullptr);
    QPushButton* speichern = frage.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen =
        frage.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(speichern);
    frage.setEscapeButton(abbrechen);
    frage.exec();
    if (frage.clickedButton() == speichern) return ProjektSpeichern();
    if (frage.clickedButton() == verwerfen) {
        ProjektUebernehmen(projekt.Gespeichert, projekt.Datei);
        return true;
    }
    return false;
}

bool TForm2::ProjektNeu() {
    if (!AenderungenKlaeren()) return false;
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    ProjektUebernehmen(p, {});
    return true;
}

bool TForm2::ProjektOeffnen() {
    if (!AenderungenKlaeren()) return false;
    const QString datei = ProjektDateiDialog(false);
    if (datei.isEmpty()) return false;
    return ProjektLaden(datei);
}

bool TForm2::ProjektLaden(const QString& datei) {
    const std::string name = datei.toStdString();
    TRegisterParameter p;
    try {
        p = ProjektLesen(name);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(
            isVisible() ? this : nullptr, QMessageBox::Warning, QStringLiteral("KOV - Eingaben"),
            QStringLiteral("Das Projekt wurde nicht geladen:\n\n") + QString::fromUtf8(f.what()));
        return false;
    }
    ProjektUebernehmen(p, name);
    return true;
}

bool TForm2::ProjektSpeichern() {
    const std::string& datei = Anwendung.Projekt().Datei;
    if (datei.empty()) return ProjektSpeichernUnter();
    return ProjektSpeichernNach(QString::fromStdString(datei));
}

bool TForm2::ProjektSpeichernUnter() {
    QString datei = ProjektDateiDialog(true);
    if (datei.isEmpty()) return false;
    if (QFileInfo(datei).suffix().isEmpty())
        datei +=
            QString::fromLatin1(ProjektEndung.data(), static_cast<qsizetype>(ProjektEndung.size()));
    return ProjektSpeichernNach(datei);
}

bool TForm2::ProjektSpeichernNach(const QString& datei) {
    if (!EingabenPruefen(this, QStringLiteral("Das Projekt wurde nicht gespeichert:")))
        return false;
    const std::string name = datei.toStdString();
    TRegisterParameter p = AktuelleParameter();
    try {
        kov::ProjektSpeichern(name, p, EingabeOrdner());
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Critical, QStringLiteral("KOV - Eingaben"),
                      QStringLiteral("Das Projekt wurde nicht gespeichert:\n\n") +
                          QString::fromUtf8(f.what()));
        AenderungPruefen();
        return false;
    }
    // the input file names are now relative to the new project file
    EingabePfadeUmsetzen(p, EingabeOrdner(), ProjektOrdner(name));
    ProjektUebernehmen(p, name);
    return true;
}

bool TForm2::WeitereParameter() {
    TParameterDialog dialog(this, AktuelleParameter(), EingabeOrdner());
    if (dialog.exec() != QDialog::Accepted) return false;
    Parameter() = dialog.Ergebnis();
    Wertsetzen();
    return true;
}

bool TForm2::WetterDateiWaehlen(const QString& pfad, bool fragen) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    try {
        WetterDateiLesen(pfad.toStdString(), *jahr, info);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Warning, QStringLiteral("KOV - Wetterdaten"),
                      QStringLiteral("Die Wetterdatei wurde nicht übernommen:\n\n") +
                          QString::fromUtf8(f.what()));
        return false;
    }
    if (fragen) {
        QMessageBox frage(QMessageBox::Question, QStringLiteral("KOV - Wetterdaten"),
                          UmbruchErlauben(QString::fromStdString(WetterInfoText(info))) +
                              QStringLiteral("\nMit dieser Wetterdatei rechnen?"),
                          QMessageBox::NoButton, this);
        QPushButton* ja = frage.addButton(QStringLiteral("Übernehmen"), QMessageBox::AcceptRole);
        QPushButton* nein = frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        frage.setDefaultButton(ja);
        frage.setEscapeButton(nein);
        frage.exec();
        if (frage.clickedButton() != ja) return false;
    }
    TProjekt& projekt = Anwendung.Projekt();
    Parameter().WetterDatei = pfad.toStdString();
    projekt.WetterInfoDatei = Parameter().WetterDatei;
    projekt.WetterInfo = std::move(info);
    projekt.WetterInfoGelesen = true;
    WetterAnzeigen();
    AenderungPruefen();
    return true;
}

void TForm2::EingebautesWetterWaehlen() {
    Parameter().WetterDatei.clear();
    WetterAnzeigen();
    AenderungPruefen();
}

void TForm2::WetterAnzeigen() {
    TProjekt& projekt = Anwendung.Projekt();
    const std::string& name = Parameter().WetterDatei;
    // a long site name gets a smaller font until it fits the field, as the labels do
    const auto zeigen = [this](const QString& text) {
        QFont schrift = font();
        schrift.setPixelSize(13);
        const int platz = Edit1->width() - 8;
        while (QFontMetrics(schrift).horizontalAdvance(text) > platz && schrift.pixelSize() > 9)
            schrift.setPixelSize(schrift.pixelSize() - 1);
        Edit1->setFont(schrift);
        Edit1->setText(text);
        Edit1->setCursorPosition(0);
    };
    if (name.empty()) {
        zeigen(QString::fromUtf8(EingebautesWetterName));
        Edit1->setToolTip(QStringLiteral("Eingebautes Auslegungsjahr"));
        return;
    }
    if (name != projekt.WetterInfoDatei) {
        projekt.WetterInfoDatei = name;
        projekt.WetterInfoGelesen = false;
        auto jahr = std::make_unique<TWetterJahr>();
        try {
            WetterDateiLesen(PfadImOrdner(EingabeOrdner(), name), *jahr, projekt.WetterInfo);
            projekt.WetterInfoGelesen = true;
        } catch (const TDateiFehler&) {
            // the run names the fault; the field shows the file it will look for
        }
    }
    zeigen(projekt.WetterInfoGelesen
               ? QString::fromStdString(WetterOrtsName(projekt.WetterInfo))
               : QString::fromStdString(std::filesystem::path(name).filename().string()));
    Edit1->setToolTip(QString::fromStdString(name));
}

} // namespace kov
