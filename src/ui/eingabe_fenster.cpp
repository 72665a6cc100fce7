#include "ui/eingabe_fenster.h"

#include "ablauf/lauf_pruefung.h"
#include "files/wetter.h"
#include "model/bodenarten.h"
#include "ui/anwendung.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/meldung.h"
#include "ui/start_fenster.h"
#include "ui/zahl_eingabe.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <array>
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
    {&TForm2::Edit1, "Edit1", "Wetterdaten: ", "", 384, 256, 153, false, false},
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
    Edit1->setText(QStringLiteral("Zürich SMA DRY-Daten"));

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

double TForm2::GeschwindigkeitAnzeige(const TRegisterParameter& p) {
    return p.Volumenstrom / 3600 / std::numbers::pi / (p.DRohr * p.DRohr) * 4 / p.AnzahlRohre;
}

void TForm2::Kreate() {
    StandardwerteSetzen(Anwendung.Kontext());
    Wertsetzen();
}

void TForm2::Wertsetzen() {
    TRegisterParameter& p = Parameter();
    EVolumenstrom->setText(ZahlAnzeigen(p.Volumenstrom, 0));
    ERohrlaenge->setText(ZahlAnzeigen(p.Rohrlaenge, 1));
    EDRohr->setText(ZahlAnzeigen(p.DRohr, 1));
    EWandstaerkeRohr->setText(ZahlAnzeigen(p.WandstaerkeRohr, 3));
    EAnzahlrohre->setText(QString::number(p.AnzahlRohre));
    ETiefe->setText(ZahlAnzeigen(p.Tiefe, 2));
    if (p.DRohr > 0 && p.AnzahlRohre > 0) p.Stroemungsgeschwindigkeit = GeschwindigkeitAnzeige(p);
    Ev->setText(ZahlAnzeigen(p.Stroemungsgeschwindigkeit, 2));
    EHeizgrenze->setText(ZahlAnzeigen(p.Heizgrenze, 1));
    EKuehlgrenze->setText(ZahlAnzeigen(p.Kuehlgrenze, 1));
    EcpErde->setText(ZahlAnzeigen(p.CpErde, 1));
    ErhoErde->setText(ZahlAnzeigen(p.RhoErde, 1));
    ElambdaErde->setText(ZahlAnzeigen(p.LambdaErde, 1));
    CErde->setCurrentIndex(0);
}

void TForm2::vSetzen() {
    TRegisterParameter& p = Parameter();
    // once a non-positive diameter or pipe count is stored, only WerteLesen revives this
    if (!(p.DRohr > 0) || !(p.AnzahlRohre > 0)) return;
    EingabeZahlLesen(EVolumenstrom->text(), p.Volumenstrom);
    EingabeGanzzahlLesen(EAnzahlrohre->text(), p.AnzahlRohre);
    EingabeZahlLesen(EDRohr->text(), p.DRohr);
    if (p.DRohr > 0 && p.AnzahlRohre > 0) p.Stroemungsgeschwindigkeit = GeschwindigkeitAnzeige(p);
    Ev->setText(ZahlAnzeigen(p.Stroemungsgeschwindigkeit, 2));
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

bool TForm2::EingabenPruefen(QWidget* meldungsEltern) {
    QStringList meldungen;
    for (const TFeldZeile& zeile : FeldZeilen) {
        if (!zeile.Editierbar) continue;
        const QLineEdit* feld = this->*zeile.Feld;
        double zahl = 0.0;
        std::int32_t ganzzahl = 0;
        const bool gelesen = zeile.Ganzzahl ? EingabeGanzzahlLesen(feld->text(), ganzzahl)
                                            : EingabeZahlLesen(feld->text(), zahl);
        if (gelesen) continue;
        const QString eintrag =
            feld->text().trimmed().isEmpty()
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
        for (const std::string& meldung : LaufPruefen(kopie))
            meldungen << QString::fromStdString(meldung);
    }
    if (meldungen.isEmpty()) return true;
    MeldungZeigen(meldungsEltern, QMessageBox::Warning, windowTitle(),
                  QStringLiteral("Die Berechnung wurde nicht gestartet:\n\n") +
                      meldungen.join(QLatin1Char('\n')));
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
    // closing the window leads back to the start window like "Schliessen" does, rather than
    // leaving the program without any visible window
    Anwendung.Form3().show();
    QWidget::closeEvent(ereignis);
}

} // namespace kov
