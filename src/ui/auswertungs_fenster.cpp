#include "ui/auswertungs_fenster.h"

#include "ui/diagramm_ansicht.h"
#include "ui/kennwerte_tabellen.h"
#include "ui/meldung.h"
#include "ui/querschnitt_ansicht.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

namespace kov {

namespace {

const QString FilterPng = QStringLiteral("PNG-Bild (*.png)");
const QString FilterSvg = QStringLiteral("SVG-Grafik (*.svg)");
const QString FilterCsvPunkt = QStringLiteral("CSV mit Dezimalpunkt, Komma getrennt (*.csv)");
const QString FilterCsvKomma = QStringLiteral("CSV mit Dezimalkomma, Semikolon getrennt (*.csv)");

QString MitEndung(QString datei, const QString& endung) {
    if (QFileInfo(datei).suffix().isEmpty()) datei += endung;
    return datei;
}

} // namespace

bool BildGroesseErfragen(QWidget* eltern, QSize& groesse) {
    QDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("BildGroesse"));
    dialog.setWindowTitle(QStringLiteral("Bildgröße"));
    auto* breite = new QSpinBox(&dialog);
    auto* hoehe = new QSpinBox(&dialog);
    breite->setObjectName(QStringLiteral("Breite"));
    hoehe->setObjectName(QStringLiteral("Hoehe"));
    for (QSpinBox* feld : {breite, hoehe}) {
        feld->setRange(100, 10000);
        feld->setSuffix(QStringLiteral(" Pixel"));
    }
    breite->setValue(groesse.width());
    hoehe->setValue(groesse.height());
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Breite:"), breite);
    form->addRow(QStringLiteral("Höhe:"), hoehe);
    form->addRow(knoepfe);
    if (dialog.exec() != QDialog::Accepted) return false;
    groesse = QSize(breite->value(), hoehe->value());
    return true;
}

TAuswertungsFenster::TAuswertungsFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("AuswertungsFenster"));
    setWindowTitle(QStringLiteral("Programm KOV:  Auswertung des Erdregisters"));
    move(120, 90);
    resize(1000, 700);
    Ordner = QDir::currentPath();

    Reiter = new QTabWidget(this);
    Reiter->setObjectName(QStringLiteral("Reiter"));
    Wert = new QLabel(this);
    Wert->setObjectName(QStringLiteral("Wert"));
    Wert->setMinimumHeight(Wert->fontMetrics().height() * 2);
    Wert->setWordWrap(true);
    Wert->setTextInteractionFlags(Qt::TextSelectableByMouse);

    for (std::size_t i = 0; i < Diagramme.size(); ++i) {
        auto* ansicht = new TDiagrammAnsicht(AlleAnsichten[i], this);
        ansicht->setToolTip(QStringLiteral(
            "Mausrad: zoomen, linke Maustaste ziehen: Ausschnitt vergrössern, rechte Maustaste: "
            "einen Schritt zurück"));
        connect(ansicht, &TDiagrammAnsicht::WertGeaendert, Wert, &QLabel::setText);
        Diagramme[i] = ansicht;
        Reiter->addTab(ansicht, AnsichtTitel(AlleAnsichten[i]));
    }
    auto* tabellen = new QWidget;
    Tabelle = KennwerteTabelleAnlegen(tabellen);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Monatstabelle = MonatsTabelleAnlegen(tabellen);
    Monatstabelle->setObjectName(QStringLiteral("Monatstabelle"));
    auto* nebeneinander = new QHBoxLayout(tabellen);
    nebeneinander->addWidget(Tabelle, 0, Qt::AlignTop);
    nebeneinander->addWidget(Monatstabelle, 0, Qt::AlignTop);
    nebeneinander->addStretch(1);
    auto* rollen = new QScrollArea;
    rollen->setWidget(tabellen);
    rollen->setWidgetResizable(true);
    Reiter->addTab(rollen, AnsichtTitel(TAnsicht::Kennwerte));
    Querschnitt = new TQuerschnittAnsicht;
    Reiter->addTab(Querschnitt, tr("Querschnitt"));
    connect(Reiter, &QTabWidget::currentChanged, this, [this] {
        Wert->clear();
        ZoomZurueck->setEnabled(IstDiagramm(AktuelleAnsicht()));
        Bild->setEnabled(Reiter->currentWidget() != Querschnitt);
    });

    const auto knopf = [this](const QString& text, const char* name, const QString& tipp,
                              void (TAuswertungsFenster::*aktion)()) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QString::fromLatin1(name));
        k->setToolTip(tipp);
        connect(k, &QPushButton::clicked, this, [this, aktion] { (this->*aktion)(); });
        return k;
    };
    ZoomZurueck =
        knopf(QStringLiteral("Ganzes Diagramm"), "ZoomZurueck", QStringLiteral("Zoom zurücksetzen"),
              &TAuswertungsFenster::ZoomZuruecksetzenClick);
    Bild = knopf(QStringLiteral("Bild speichern…"), "Bild",
                 QStringLiteral("Die gezeigte Ansicht als PNG oder SVG"),
                 &TAuswertungsFenster::BildSpeichernClick);
    Csv = knopf(QStringLiteral("Stundenwerte (CSV)…"), "Csv",
                QStringLiteral("Alle Stundenwerte des Laufs mit Datum und Uhrzeit"),
                &TAuswertungsFenster::CsvSpeichernClick);
    Pdf = knopf(QStringLiteral("PDF-Bericht…"), "Pdf",
                QStringLiteral("Auslegungsbericht mit Eingaben, Wetter, Kennwerten und Diagrammen"),
                &TAuswertungsFenster::PdfSpeichernClick);
    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::hide);

    auto* unten = new QHBoxLayout;
    unten->addWidget(ZoomZurueck);
    unten->addStretch(1);
    unten->addWidget(Bild);
    unten->addWidget(Csv);
    unten->addWidget(Pdf);
    unten->addWidget(Schliessen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(Reiter, 1);
    aussen->addWidget(Wert);
    aussen->addLayout(unten);
}

void TAuswertungsFenster::Anzeigen(std::shared_ptr<const TAuswertung> auswertung,
                                   TBerichtKopf kopf) {
    Auswertung = std::move(auswertung);
    Kopf = std::move(kopf);
    for (TDiagrammAnsicht* ansicht : Diagramme)
        ansicht->Anzeigen(Auswertung);
    KennwerteTabellenFuellen(Tabelle, Monatstabelle, Auswertung->Kennwerte,
                             Auswertung->Modell->Parameter, Auswertung->Modell->Ergebnis);
    Querschnitt->Anzeigen(Auswertung);
    Wert->clear();
}

TAnsicht TAuswertungsFenster::AktuelleAnsicht() const {
    // the cross-section, a tab after the views, has no export of its own here
    const auto i = static_cast<std::size_t>(std::max(0, Reiter->currentIndex()));
    return AlleAnsichten[std::min(i, std::size(AlleAnsichten) - 1)];
}

void TAuswertungsFenster::AnsichtWaehlen(TAnsicht ansicht) {
    Reiter->setCurrentIndex(static_cast<int>(ansicht));
}

TDiagrammAnsicht* TAuswertungsFenster::Diagramm(TAnsicht ansicht) const {
    return IstDiagramm(ansicht) ? Diagramme[static_cast<std::size_t>(ansicht)] : nullptr;
}

bool TAuswertungsFenster::Ausfuehren(const std::function<void()>& aktion) {
    if (!Auswertung) return false;
    try {
        aktion();
        return true;
    } catch (const std::exception& e) {
        MeldungZeigen(this, QMessageBox::Critical, QStringLiteral("KOV"),
                      QString::fromUtf8(e.what()));
        return false;
    }
}

bool TAuswertungsFenster::BildSpeichern(TAnsicht ansicht, const QString& datei, QSize groesse) {
    return Ausfuehren([&] { AnsichtSpeichern(ansicht, *Auswertung, datei, groesse); });
}

bool TAuswertungsFenster::CsvSpeichern(const QString& datei, TDezimalZeichen zeichen) {
    return Ausfuehren([&] { StundenCsvSpeichern(*Auswertung, datei, zeichen); });
}

bool TAuswertungsFenster::PdfSpeichern(const QString& datei) {
    return Ausfuehren([&] { PdfBerichtSchreiben(*Auswertung, Kopf, datei); });
}

void TAuswertungsFenster::BildSpeichernClick() {
    const TAnsicht ansicht = AktuelleAnsicht();
    QString filter = FilterPng;
    const QString datei = QFileDialog::getSaveFileName(
        this, QStringLiteral("Ansicht „%1“ speichern").arg(AnsichtTitel(ansicht)),
        QDir(Ordner).filePath(AnsichtDateiName(ansicht) + QStringLiteral(".png")),
        FilterPng + QStringLiteral(";;") + FilterSvg, &filter);
    if (datei.isEmpty()) return;
    QSize groesse = StandardBildGroesse;
    if (!BildGroesseErfragen(this, groesse)) return;
    const QString ziel =
        MitEndung(datei, filter == FilterSvg ? QStringLiteral(".svg") : QStringLiteral(".png"));
    Ordner = QFileInfo(ziel).absolutePath();
    BildSpeichern(ansicht, ziel, groesse);
}

void TAuswertungsFenster::CsvSpeichernClick() {
    QString filter = FilterCsvKomma;
    const QString datei = QFileDialog::getSaveFileName(
        this, QStringLiteral("Stundenwerte speichern"),
        QDir(Ordner).filePath(QStringLiteral("stundenwerte.csv")),
        FilterCsvKomma + QStringLiteral(";;") + FilterCsvPunkt, &filter);
    if (datei.isEmpty()) return;
    const QString ziel = MitEndung(datei, QStringLiteral(".csv"));
    Ordner = QFileInfo(ziel).absolutePath();
    CsvSpeichern(ziel, filter == FilterCsvPunkt ? TDezimalZeichen::Punkt : TDezimalZeichen::Komma);
}

void TAuswertungsFenster::PdfSpeichernClick() {
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Auslegungsbericht speichern"),
                                     QDir(Ordner).filePath(QStringLiteral("auslegungsbericht.pdf")),
                                     QStringLiteral("PDF-Dokument (*.pdf)"));
    if (datei.isEmpty()) return;
    const QString ziel = MitEndung(datei, QStringLiteral(".pdf"));
    Ordner = QFileInfo(ziel).absolutePath();
    PdfSpeichern(ziel);
}

void TAuswertungsFenster::ZoomZuruecksetzenClick() {
    if (TDiagrammAnsicht* ansicht = Diagramm(AktuelleAnsicht())) ansicht->ZoomZuruecksetzen();
}

} // namespace kov
