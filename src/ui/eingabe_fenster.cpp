#include "ui/eingabe_fenster.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/lauf_pruefung.h"
#include "files/klima.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "model/bodenarten.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"
#include "ui/anwendung.h"
#include "ui/ausgabe_pruefung.h"
#include "ui/bericht_format.h"
#include "ui/betriebszeiten_dialog.h"
#include "ui/datei_fehler_text.h"
#include "ui/fortschritts_balken.h"
#include "ui/katalog_texte.h"
#include "ui/kennwert_vorschau.h"
#include "ui/klima_dialog.h"
#include "ui/meldung.h"
#include "ui/meldung_texte.h"
#include "ui/parameter_dialog.h"
#include "ui/pruef_anzeige.h"
#include "ui/sprache.h"
#include "ui/wetter_texte.h"
#include "ui/zahl_eingabe.h"
#include "ui/zahl_format.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
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
constexpr int KlassischeBreite = 584;
constexpr int KennwerteBreite = 252; // the live figures right of the classic window
constexpr int FeldHoehe = 24;
// the weather file button takes the right end of Edit1's room
constexpr int WetterKnopfBreite = 22;

constexpr const char* EingebautesWetterName = "Zürich SMA DRY-Daten";

// In the order the user reads them and in which faulty entries are reported.
const std::array<TFeldZeile, 13> FeldZeilen{{
    {&TForm2::ERohrlaenge, "ERohrlaenge", QT_TRANSLATE_NOOP("kov::TForm2", "Rohrlänge:"),
     QT_TRANSLATE_NOOP("kov::TForm2", "m"), 176, 128, FeldBreite, true, false},
    {&TForm2::EDRohr, "EDRohr", QT_TRANSLATE_NOOP("kov::TForm2", "Rohrdurchmesser:"),
     QT_TRANSLATE_NOOP("kov::TForm2", "m"), 176, 160, FeldBreite, true, false},
    {&TForm2::EWandstaerkeRohr, "EWandstaerkeRohr",
     QT_TRANSLATE_NOOP("kov::TForm2", "Rohrwandstärke:"), QT_TRANSLATE_NOOP("kov::TForm2", "m"),
     176, 192, FeldBreite, true, false},
    {&TForm2::EAnzahlrohre, "EAnzahlrohre", QT_TRANSLATE_NOOP("kov::TForm2", "Anzahl Rohre:"), "",
     176, 224, FeldBreite, true, true},
    {&TForm2::ETiefe, "ETiefe", QT_TRANSLATE_NOOP("kov::TForm2", "Verlegietiefe Rohre:"),
     QT_TRANSLATE_NOOP("kov::TForm2", "m"), 176, 256, FeldBreite, true, false},
    {&TForm2::ElambdaErde, "ElambdaErde", QT_TRANSLATE_NOOP("kov::TForm2", "Lambda Erde"),
     QT_TRANSLATE_NOOP("kov::TForm2", "W/mK"), 384, 160, FeldBreite, false, false},
    {&TForm2::ErhoErde, "ErhoErde", QT_TRANSLATE_NOOP("kov::TForm2", "rho Erde"),
     QT_TRANSLATE_NOOP("kov::TForm2", "kg/m3"), 384, 192, FeldBreite, false, false},
    {&TForm2::EcpErde, "EcpErde", QT_TRANSLATE_NOOP("kov::TForm2", "cp Erde"),
     QT_TRANSLATE_NOOP("kov::TForm2", "J/kgK"), 384, 224, FeldBreite, false, false},
    {&TForm2::Edit1, "Edit1", QT_TRANSLATE_NOOP("kov::TForm2", "Wetterdaten: "), "", 384, 256,
     153 - WetterKnopfBreite, false, false},
    {&TForm2::EVolumenstrom, "EVolumenstrom", QT_TRANSLATE_NOOP("kov::TForm2", "Luftvolumenstrom"),
     QT_TRANSLATE_NOOP("kov::TForm2", "m3/h"), 176, 320, FeldBreite, true, false},
    {&TForm2::Ev, "Ev", QT_TRANSLATE_NOOP("kov::TForm2", "Luftgeschwindigkeit: "),
     QT_TRANSLATE_NOOP("kov::TForm2", "m/s"), 176, 352, FeldBreite, false, false},
    {&TForm2::EHeizgrenze, "EHeizgrenze", QT_TRANSLATE_NOOP("kov::TForm2", "Heizgrenze"),
     QT_TRANSLATE_NOOP("kov::TForm2", "°C"), 384, 320, FeldBreite, true, false},
    {&TForm2::EKuehlgrenze, "EKuehlgrenze", QT_TRANSLATE_NOOP("kov::TForm2", "Kühlgrenze"),
     QT_TRANSLATE_NOOP("kov::TForm2", "°C"), 384, 352, FeldBreite, true, false},
}};

// The classic window in one grid: the three group boxes lie under the cells of their fields, so
// that the fields of "Betrieb" stand under those of the boxes above. Columns and rows have the
// classic window's pixel sizes as their least size; a longer text widens its column and the
// window with it, where the classic window made its font smaller.
enum TSpalte {
    RandLinks,      // 16: group box to its labels
    MarkeLinks,     // 128: labels of the left column and the gap to the field
    FeldLinks,      // 57
    EinheitLinks,   // 46: gap and unit
    KastenGrenze,   // 2: to the right box's frame
    RandRechts,     // 16
    MarkeRechts,    // 87
    FeldRechts,     // 57
    EinheitRechts,  // 96: the unit, or the rest of Edit1 and its button
    RandEnde,       // 8
    KennwerteLuecke // 15: to the live figures
};
constexpr int SpaltenBreiten[] = {16, 128, 57, 46, 2, 16, 87, 57, 96, 8, 15};
// rows: the boxes' titles, five field rows, the box's foot, the gap, then "Betrieb"
constexpr int ZeilenHoehen[] = {32, 32, 32, 32, 32, 32, 1, 8, 23, 32, 32, 9};
constexpr int BetriebZeile = 8;

// a field's classic y (128..256 in the upper boxes, 320 and 352 in "Betrieb") to its grid row
int FeldZeileNummer(int y) {
    return y < 297 ? (y - 128) / 32 + 1 : (y - 320) / 32 + BetriebZeile + 1;
}

QFont Schrift(const QFont& basis, int pixel, bool fett, bool kursiv) {
    QFont schrift = basis;
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}

} // namespace

TForm2::TForm2(TSitzung& sitzung) : Sitzung(sitzung) {
    setWindowTitle(tr("KOV - Eingaben"));
    move(26, 45);
    setFont(Schrift(font(), 13, false, false));
    const QFont grundschrift = font();

    auto* ueberschrift =
        new QLabel(tr("Eingabedaten für die Berechnung eines  Einzelrohres"), this);
    ueberschrift->setObjectName(QStringLiteral("Ueberschrift"));
    ueberschrift->setFont(Schrift(font(), 20, true, false));
    ueberschrift->setContentsMargins(9, 0, 0, 0);

    auto* raster = new QGridLayout;
    raster->setSpacing(0);
    for (int s = 0; s < static_cast<int>(std::size(SpaltenBreiten)); ++s)
        raster->setColumnMinimumWidth(s, SpaltenBreiten[s]);
    for (int z = 0; z < static_cast<int>(std::size(ZeilenHoehen)); ++z)
        raster->setRowMinimumHeight(z, ZeilenHoehen[z]);
    // the boxes first: what follows lies above them
    auto* rohre = new QGroupBox(tr("Erdregister - Rohre"), this);
    rohre->setFont(Schrift(font(), 15, false, false));
    raster->addWidget(rohre, 0, RandLinks, 7, KastenGrenze - RandLinks + 1);
    auto* stoffwerte = new QGroupBox(tr("Stoffwerte Erde und Klima"), this);
    raster->addWidget(stoffwerte, 0, RandRechts, 7, RandEnde - RandRechts + 1);
    auto* betrieb = new QGroupBox(tr("Betrieb Erdregister"), this);
    raster->addWidget(betrieb, BetriebZeile, RandLinks, 4, RandEnde - RandLinks + 1);

    for (const TFeldZeile& zeile : FeldZeilen) {
        const bool links = zeile.X == 176;
        const int z = FeldZeileNummer(zeile.Y);
        auto* feld = new QLineEdit(this);
        feld->setObjectName(QString::fromLatin1(zeile.Name));
        feld->setFont(grundschrift);
        feld->setFixedSize(zeile.Breite, FeldHoehe);
        feld->setEnabled(zeile.Editierbar);
        this->*zeile.Feld = feld;
        const int feldSpalte = links ? FeldLinks : FeldRechts;
        raster->addWidget(feld, z, feldSpalte, 1, feld == Edit1 ? 2 : 1,
                          Qt::AlignLeft | Qt::AlignTop);

        auto* marke = new QLabel(tr(zeile.Zeile), this);
        marke->setFont(grundschrift);
        marke->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        marke->setMinimumHeight(FeldHoehe);
        marke->setContentsMargins(0, 0, 4, 0);
        raster->addWidget(marke, z, feldSpalte - 1, Qt::AlignLeft | Qt::AlignTop);
        if (zeile.Einheit[0] != '\0') {
            auto* einheit = new QLabel(tr(zeile.Einheit), this);
            einheit->setFont(grundschrift);
            einheit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            einheit->setMinimumHeight(FeldHoehe);
            einheit->setContentsMargins(6, 0, 0, 0);
            raster->addWidget(einheit, z, feldSpalte + 1, Qt::AlignLeft | Qt::AlignTop);
        }
    }
    Edit1->setText(QString::fromUtf8(EingebautesWetterName));
    WetterKnopf = new QToolButton(this);
    WetterKnopf->setObjectName(QStringLiteral("WetterKnopf"));
    WetterKnopf->setText(QStringLiteral("…"));
    WetterKnopf->setToolTip(tr("Wetterdatei eines Standorts wählen oder zum "
                               "eingebauten Auslegungsjahr zurückkehren"));
    WetterKnopf->setFixedSize(WetterKnopfBreite - 2, FeldHoehe);
    raster->addWidget(WetterKnopf, FeldZeileNummer(256), FeldRechts, 1, 2,
                      Qt::AlignRight | Qt::AlignTop);
    // the button takes the right end of Edit1's classic room
    raster->setColumnMinimumWidth(
        EinheitRechts, std::max(SpaltenBreiten[EinheitRechts],
                                Edit1->width() + WetterKnopfBreite - SpaltenBreiten[FeldRechts]));
    WetterKnopf->setPopupMode(QToolButton::InstantPopup);
    WetterKnopf->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    auto* wetterMenue = new QMenu(WetterKnopf);
    wetterMenue->addAction(tr("Wetterdatei wählen…"), this, [this] {
        const QString pfad = WetterDateiDialog();
        if (!pfad.isEmpty()) WetterDateiWaehlen(pfad);
    });
    wetterMenue->addAction(
        tr("Eingebautes Auslegungsjahr (%1)").arg(QString::fromUtf8(EingebautesWetterName)), this,
        [this] { EingebautesWetterWaehlen(); });
    wetterMenue->addAction(tr("Eingebautes Klima (DWD-Testreferenzjahr)…"), this, [this] {
        TKlimaDialog dialog(this, Parameter().Klima);
        if (dialog.exec() != QDialog::Accepted) return;
        Parameter().Klima = dialog.Klima();
        Parameter().WetterDatei.clear();
        WetterAnzeigen();
        AenderungPruefen();
    });
    WetterKnopf->setMenu(wetterMenue);

    ProjektDateiDialog = [this](bool speichern) {
        const QString filter = tr("KOV-Projekte (*.kov);;Alle Dateien (*)");
        const QString start = QString::fromStdString(Sitzung.Projekt().Datei);
        return speichern
                   ? QFileDialog::getSaveFileName(this, tr("Projekt speichern"), start, filter)
                   : QFileDialog::getOpenFileName(this, tr("Projekt öffnen"), start, filter);
    };
    WetterDateiDialog = [this] {
        return QFileDialog::getOpenFileName(
            this, tr("Wetterdatei wählen"), QString::fromStdString(EingabeOrdner()),
            tr("Wetterdaten (*.epw *.dat *.csv *.txt);;Alle Dateien (*)"));
    };

    CErde = new QComboBox(this);
    CErde->setObjectName(QStringLiteral("CErde"));
    CErde->setEditable(true);
    CErde->setInsertPolicy(QComboBox::NoInsert);
    CErde->setMaxVisibleItems(12);
    for (const TBodenart& art : Bodenarten())
        CErde->addItem(BodenartText(art.Text));
    CErde->setFont(grundschrift);
    CErde->setMinimumWidth(240);
    CErde->setFixedHeight(FeldHoehe);
    raster->addWidget(CErde, 1, MarkeRechts, 1, 3, Qt::AlignTop);
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
    QMenu* projekt = Menue->addMenu(tr("&Projekt"));
    const auto aktion = [this](QMenu* menue, const QString& text, const QKeySequence& taste,
                               bool (TForm2::*befehl)()) {
        QAction* a = menue->addAction(text);
        a->setShortcut(taste);
        addAction(a);
        connect(a, &QAction::triggered, this, [this, befehl] { (this->*befehl)(); });
        return a;
    };
    AktionNeu = aktion(projekt, tr("&Neu"), QKeySequence::New, &TForm2::ProjektNeu);
    AktionOeffnen = aktion(projekt, tr("Ö&ffnen…"), QKeySequence(QStringLiteral("Ctrl+O")),
                           &TForm2::ProjektOeffnen);
    AktionSpeichern = aktion(projekt, tr("&Speichern"), QKeySequence(QStringLiteral("Ctrl+S")),
                             &TForm2::ProjektSpeichern);
    AktionSpeichernUnter =
        aktion(projekt, tr("Speichern &unter…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
               &TForm2::ProjektSpeichernUnter);
    projekt->addSeparator();
    projekt->addAction(tr("S&chliessen"), this, [this] { SchliessenClick(); });
    QMenu* parameter = Menue->addMenu(tr("P&arameter"));
    AktionWeitereParameter =
        aktion(parameter, tr("&Weitere Parameter…"), QKeySequence(QStringLiteral("Ctrl+P")),
               &TForm2::WeitereParameter);
    parameter->addAction(tr("&Betriebszeiten…"), this, [this] {
        if (BetriebszeitenBearbeiten(this, Parameter())) AenderungPruefen();
    });
    AktionVariantenvergleich = parameter->addAction(tr("&Variantenvergleich…"));
    connect(AktionVariantenvergleich, &QAction::triggered, this,
            [this] { emit VariantenvergleichGewuenscht(); });
    SprachMenueAnlegen(Menue, this, [this] { emit NeustartGewuenscht(); });

    Berechnen = new QPushButton(tr("Berechnen"), this);
    Berechnen->setObjectName(QStringLiteral("Berechnen"));
    Berechnen->setMinimumSize(97, 41);
    connect(Berechnen, &QPushButton::clicked, this, [this] { BerechnenClick(); });

    ProgressBar1 = new TFortschrittsBalken(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMinimumSize(304, 41);

    Schliessen = new QPushButton(tr("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setMinimumSize(97, 41);
    connect(Schliessen, &QPushButton::clicked, this, [this] { SchliessenClick(); });

    auto* zeile =
        new QLabel(tr("KOV 1.2 - Erdregister: Luftvorwärmung und -kühlung im Erdreich"), this);
    zeile->setObjectName(QStringLiteral("Fusszeile"));
    zeile->setFont(Schrift(font(), 15, true, true));
    zeile->setContentsMargins(9, 0, 0, 0);

    KennwerteAnlegen();
    raster->addWidget(KennwerteKasten, 0, KennwerteLuecke + 1,
                      static_cast<int>(std::size(ZeilenHoehen)), 1);
    // the design check beside the live figures, as tall as the boxes
    raster->addWidget(Pruefung, 0, KennwerteLuecke + 2, static_cast<int>(std::size(ZeilenHoehen)),
                      1);

    // the buttons under the boxes: Berechnen 97, progress bar 304, Schliessen 97 wide
    auto* knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(8);
    knoepfe->addWidget(Berechnen);
    knoepfe->addWidget(ProgressBar1, 1);
    knoepfe->addWidget(Schliessen);
    raster->setRowMinimumHeight(static_cast<int>(std::size(ZeilenHoehen)), 21);
    raster->addLayout(knoepfe, static_cast<int>(std::size(ZeilenHoehen)) + 1, RandLinks, 1,
                      RandEnde - RandLinks);

    // heading at y 48 under the menu bar, boxes at 96, the foot line under the buttons
    auto* fenster = new QVBoxLayout(this);
    fenster->setMenuBar(Menue);
    fenster->setSpacing(0);
    fenster->setContentsMargins(32, std::max(0, 48 - Menue->sizeHint().height()), 8, 8);
    fenster->addWidget(ueberschrift);
    fenster->addSpacing(std::max(0, 48 - ueberschrift->sizeHint().height()));
    fenster->addLayout(raster);
    fenster->addSpacing(8);
    fenster->addWidget(zeile);
    fenster->addStretch(1);
    resize(sizeHint().expandedTo(QSize(KlassischeBreite, 528)));
    // the places are known before the window is first shown
    fenster->activate();

    Kreate();
}

void TForm2::KennwerteAnlegen() {
    // right of the classic window, from the top of its group boxes to the bottom of the last
    KennwerteKasten = new QGroupBox(tr("Kennwerte der Eingaben"), this);
    KennwerteKasten->setObjectName(QStringLiteral("KennwerteKasten"));

    auto* raster = new QGridLayout(KennwerteKasten);
    raster->setVerticalSpacing(6);
    struct TZeile {
        QLabel* TForm2::*Wert;
        const char* Name;
        QString Text;
        QString Einheit;
    };
    const TZeile zeilen[] = {
        {&TForm2::KTausMin, "KTausMin", tr("Tiefste Austrittstemperatur"), tr("°C")},
        {&TForm2::KHeizenergie, "KHeizenergie", tr("Nutzbare Heizenergie"), tr("kWh/a")},
        {&TForm2::KKuehlenergie, "KKuehlenergie", tr("Nutzbare Kühlenergie"), tr("kWh/a")},
        {&TForm2::KDruckverlust, "KDruckverlust", tr("Druckverlust"), tr("Pa")},
        {&TForm2::KGeschwindigkeit, "KGeschwindigkeit", tr("Luftgeschwindigkeit"), tr("m/s")},
        {&TForm2::KLeistungszahl, "KLeistungszahl", tr("Leistungszahl"), QString()},
    };
    int reihe = 0;
    for (const TZeile& z : zeilen) {
        auto* text = new QLabel(z.Text, KennwerteKasten);
        text->setFont(Schrift(font(), 13, false, false));
        auto* wert = new QLabel(KennwerteKasten);
        wert->setObjectName(QString::fromLatin1(z.Name));
        wert->setFont(Schrift(font(), 13, true, false));
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        wert->setMinimumWidth(QFontMetrics(wert->font()).horizontalAdvance(tr("-00000")));
        auto* einheit = new QLabel(z.Einheit, KennwerteKasten);
        einheit->setFont(text->font());
        raster->addWidget(text, reihe, 0);
        raster->addWidget(wert, reihe, 1);
        raster->addWidget(einheit, reihe, 2);
        this->*z.Wert = wert;
        ++reihe;
    }
    KZustand = new QLabel(KennwerteKasten);
    KZustand->setObjectName(QStringLiteral("KZustand"));
    KZustand->setFont(Schrift(font(), 12, false, true));
    KZustand->setWordWrap(true);
    KZustand->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(KZustand, reihe, 0, 1, 3);
    raster->setRowStretch(reihe, 1);
    raster->setColumnStretch(0, 1);
    // as wide as its texts need in the platform's font; the window grows with it
    KennwerteKasten->setMinimumWidth(KennwerteBreite);
    Pruefung = new TPruefAnzeige(this);
    Pruefung->setMinimumWidth(KennwerteBreite);

    Vorschau = new TKennwertVorschau(this);
    connect(Vorschau, &TKennwertVorschau::Veraltet, this, [this] {
        KZustand->setStyleSheet(QString());
        KZustand->setText(tr("wird berechnet …"));
    });
    connect(Vorschau, &TKennwertVorschau::Berechnet, this,
            [this](const TVorschauWerte& w) { KennwerteZeigen(&w, {}); });
    connect(Vorschau, &TKennwertVorschau::NichtBerechenbar, this,
            [this](const QString& grund) { KennwerteZeigen(nullptr, grund); });
}

void TForm2::KennwerteZeigen(const TVorschauWerte* w, const QString& grund) {
    const auto zahl = [](double wert, int dezimalen) { return ZahlAnsicht(wert, dezimalen); };
    KTausMin->setText(w ? zahl(w->TausMin, 1) : QStringLiteral("–"));
    KHeizenergie->setText(w ? zahl(w->HeizenergieNutzbar, 0) : QStringLiteral("–"));
    KKuehlenergie->setText(w ? zahl(w->KuehlenergieNutzbar, 0) : QStringLiteral("–"));
    KDruckverlust->setText(w ? zahl(w->Druckverlust, 1) : QStringLiteral("–"));
    KGeschwindigkeit->setText(w ? zahl(w->Stroemungsgeschwindigkeit, 2) : QStringLiteral("–"));
    KLeistungszahl->setText(w ? zahl(w->Leistungszahl, 1) : QStringLiteral("–"));
    KZustand->setStyleSheet(w ? QString() : QStringLiteral("color: #b00000;"));
    KZustand->setText(w ? tr("für die Eingaben, ohne Bericht") : UmbruchErlauben(grund));
    Pruefung->Zeigen(w ? &w->Pruefung : nullptr);
    if (w) LetzteKennwerte = *w;
    KennwerteGueltig = w != nullptr;
}

void TForm2::KennwerteAnfordern() {
    if (Vorschau == nullptr) return; // still being built
    const QStringList fehler = EingabeFehler();
    if (!fehler.isEmpty()) {
        Vorschau->Ungueltig(fehler.front());
        return;
    }
    Vorschau->Anfordern(AktuelleParameter(), EingabeOrdner());
}

TRegisterParameter& TForm2::Parameter() {
    return Sitzung.Kontext().Parameter;
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
    StandardwerteSetzen(Sitzung.Kontext());
    Sitzung.Projekt().Gespeichert = Parameter();
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
            QString text = tr(zeile.Zeile).trimmed();
            if (text.endsWith(QLatin1Char(':'))) text.chop(1);
            return text;
        }
    return feld->objectName();
}

QStringList TForm2::EingabeFehler() const {
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
            : feld->text().trimmed().isEmpty() ? tr("das Feld ist leer")
            : zeile.Ganzzahl ? tr("„%1“ ist keine ganze Zahl").arg(feld->text().trimmed())
                             : tr("„%1“ ist keine Zahl").arg(feld->text().trimmed());
        meldungen << tr("%1: %2 – erwartet wird %3.")
                         .arg(ZeilenText(feld), eintrag,
                              zeile.Ganzzahl ? tr("eine ganze Zahl wie 15")
                                             : tr("eine Dezimalzahl wie 12.5 oder 12,5"));
    }
    return meldungen;
}

bool TForm2::EingabenPruefen(QWidget* meldungsEltern, const QString& ueberschrift) {
    QStringList meldungen = EingabeFehler();
    // range checks only on numbers that could be read, so that each field is named once
    if (meldungen.isEmpty()) {
        TRegisterParameter kopie = Parameter();
        FelderLesen(kopie);
        for (const std::string& meldung :
             LaufPruefen(kopie, EingabeOrdner(), nullptr, EingabeOrdner(), Sitzung.Projekt().Datei))
            meldungen << MeldungText(meldung);
    }
    if (meldungen.isEmpty()) return true;
    MeldungZeigen(meldungsEltern, QMessageBox::Warning, windowTitle(),
                  ueberschrift + QStringLiteral("\n\n") + meldungen.join(QLatin1Char('\n')));
    return false;
}

void TForm2::BerechnenClick() {
    emit BerechnenGewuenscht();
}

void TForm2::SchliessenClick() {
    if (!AenderungenKlaeren()) return;
    emit StartfensterGewuenscht();
    hide();
}

void TForm2::OnShow() {
    emit Aktiviert();
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
    emit StartfensterGewuenscht();
    QWidget::closeEvent(ereignis);
}

TRegisterParameter TForm2::AktuelleParameter() const {
    TRegisterParameter p = Sitzung.Kontext().Parameter;
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
    return Sitzung.EingabeOrdner();
}

void TForm2::AenderungPruefen() {
    TProjekt& projekt = Sitzung.Projekt();
    bool geaendert = !FelderGueltig();
    if (!geaendert) {
        const TRegisterParameter jetzt = AktuelleParameter();
        for (const TKatalogEintrag& e : ParameterKatalog())
            if (!e.Abgeleitet && !FeldGleich(jetzt, projekt.Gespeichert, e)) geaendert = true;
    }
    projekt.Geaendert = geaendert;
    QString titel = tr("KOV - Eingaben");
    if (!projekt.Datei.empty())
        titel +=
            QStringLiteral(" - ") + QFileInfo(QString::fromStdString(projekt.Datei)).fileName();
    if (geaendert) titel += QStringLiteral(" *");
    setWindowTitle(titel);
    KennwerteAnfordern();
}

void TForm2::ProjektUebernehmen(const TRegisterParameter& p, const std::string& datei) {
    TProjekt& projekt = Sitzung.Projekt();
    Parameter() = p;
    projekt.Gespeichert = p;
    projekt.Datei = datei;
    Wertsetzen();
}

bool TForm2::AenderungenKlaeren() {
    AenderungPruefen();
    TProjekt& projekt = Sitzung.Projekt();
    if (!projekt.Geaendert) return true;
    const QString frageText =
        projekt.Datei.empty()
            ? tr("Das neue Projekt hat ungespeicherte Änderungen.\n\nSollen sie gespeichert "
                 "werden?")
            : tr("Das Projekt „%1“ hat ungespeicherte Änderungen.\n\nSollen sie gespeichert "
                 "werden?")
                  .arg(QFileInfo(QString::fromStdString(projekt.Datei)).fileName());
    QMessageBox frage(QMessageBox::Question, tr("KOV - Eingaben"), frageText, QMessageBox::NoButton,
                      isVisible() ? this : nullptr);
    QPushButton* speichern = frage.addButton(tr("Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = frage.addButton(tr("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = frage.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(speichern);
    frage.setEscapeButton(abbrechen);
    frage.exec();
    if (frage.clickedButton() == speichern) return ProjektSpeichern();
    if (frage.clickedButton() == verwerfen) {
        ProjektUebernehmen(projekt.Gespeichert, projekt.Datei);
        emit ProjektGewechselt();
        return true;
    }
    return false;
}

bool TForm2::ProjektNeu() {
    if (!AenderungenKlaeren()) return false;
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    ProjektUebernehmen(p, {});
    emit ProjektGewechselt();
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
        MeldungZeigen(isVisible() ? this : nullptr, QMessageBox::Warning, tr("KOV - Eingaben"),
                      tr("Das Projekt wurde nicht geladen:\n\n") + DateiFehlerText(f));
        return false;
    }
    ProjektUebernehmen(p, name);
    BodenartZeigen();
    emit ProjektGewechselt();
    return true;
}

bool TForm2::ProjektSpeichern() {
    const std::string& datei = Sitzung.Projekt().Datei;
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
    if (!EingabenPruefen(this, tr("Das Projekt wurde nicht gespeichert:"))) return false;
    const std::string name = datei.toStdString();
    TRegisterParameter p = AktuelleParameter();
    if (!AusgabeZulassen(this, tr("KOV - Eingaben"), datei, "Das Projekt", "das Projekt",
                         BeimSpeichernGeschuetzt(p, EingabeOrdner(), ProjektOrdner(name))))
        return false;
    try {
        kov::ProjektSpeichern(name, p, EingabeOrdner());
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Critical, tr("KOV - Eingaben"),
                      tr("Das Projekt wurde nicht gespeichert:\n\n") + DateiFehlerText(f));
        AenderungPruefen();
        return false;
    }
    // the input file names are now relative to the new project file
    EingabePfadeUmsetzen(p, EingabeOrdner(), ProjektOrdner(name));
    ProjektUebernehmen(p, name);
    return true;
}

void TForm2::VarianteZeigen(const TRegisterParameter& p, int boden) {
    Parameter() = p;
    Wertsetzen();
    // the soil list names the soil whose values the fields now hold
    if (boden > 0)
        CErde->setCurrentIndex(boden);
    else
        BodenartZeigen();
    AenderungPruefen();
    show();
    raise();
}

bool TForm2::WeitereParameter() {
    TParameterDialog dialog(this, AktuelleParameter(), EingabeOrdner());
    if (dialog.exec() != QDialog::Accepted) return false;
    Parameter() = dialog.Ergebnis();
    Wertsetzen();
    BodenartZeigen();
    return true;
}

bool TForm2::WetterDateiWaehlen(const QString& pfad, bool fragen) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    try {
        WetterDateiLesen(pfad.toStdString(), *jahr, info);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Warning, tr("KOV - Wetterdaten"),
                      tr("Die Wetterdatei wurde nicht übernommen:\n\n") + DateiFehlerText(f));
        return false;
    }
    if (fragen) {
        QMessageBox frage(
            QMessageBox::Question, tr("KOV - Wetterdaten"),
            UmbruchErlauben(WetterText(WetterInfoText(info), QLocale())) +
                QCoreApplication::translate("kov::TForm2", "\nMit dieser Wetterdatei rechnen?"),
            QMessageBox::NoButton, this);
        QPushButton* ja = frage.addButton(tr("Übernehmen"), QMessageBox::AcceptRole);
        QPushButton* nein = frage.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
        frage.setDefaultButton(ja);
        frage.setEscapeButton(nein);
        frage.exec();
        if (frage.clickedButton() != ja) return false;
    }
    TProjekt& projekt = Sitzung.Projekt();
    Parameter().WetterDatei = pfad.toStdString();
    Parameter().Klima.clear();
    projekt.WetterInfoDatei = Parameter().WetterDatei;
    projekt.WetterInfo = std::move(info);
    projekt.WetterInfoGelesen = true;
    WetterAnzeigen();
    AenderungPruefen();
    return true;
}

void TForm2::EingebautesWetterWaehlen() {
    Parameter().WetterDatei.clear();
    Parameter().Klima.clear();
    WetterAnzeigen();
    AenderungPruefen();
}

void TForm2::WetterAnzeigen() {
    TProjekt& projekt = Sitzung.Projekt();
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
    TKlimaWahl klima;
    if (name.empty() && KlimaWahlLesen(Parameter().Klima, klima)) {
        zeigen(KlimaBeschreibungText(klima));
        Edit1->setToolTip(KlimaBezeichnungText(Parameter().Klima));
        return;
    }
    if (name.empty()) {
        zeigen(QString::fromUtf8(EingebautesWetterName));
        Edit1->setToolTip(tr("Eingebautes Auslegungsjahr"));
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
