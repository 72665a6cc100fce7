#include "ui/auswertungs_fenster.h"

#include "files/projekt_datei.h"
#include "ui/anlage_ansicht.h"
#include "ui/ausgabe_pruefung.h"
#include "ui/datei_fehler_text.h"
#include "ui/diagramm_ansicht.h"
#include "ui/kennwerte_tabellen.h"
#include "ui/klima_check_anzeige.h"
#include "ui/meldung.h"
#include "ui/querschnitt_ansicht.h"
#include "ui/regelungs_vergleich.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

namespace kov {

namespace {

QString FilterPng() {
    return QCoreApplication::translate("kov::TAuswertungsFenster", "PNG-Bild (*.png)");
}
QString FilterSvg() {
    return QCoreApplication::translate("kov::TAuswertungsFenster", "SVG-Grafik (*.svg)");
}
QString FilterCsvPunkt() {
    return QCoreApplication::translate("kov::TAuswertungsFenster",
                                       "CSV mit Dezimalpunkt, Komma getrennt (*.csv)");
}
QString FilterCsvKomma() {
    return QCoreApplication::translate("kov::TAuswertungsFenster",
                                       "CSV mit Dezimalkomma, Semikolon getrennt (*.csv)");
}

QString MitEndung(QString datei, const QString& endung) {
    if (QFileInfo(datei).suffix().isEmpty()) datei += endung;
    return datei;
}

} // namespace

bool BildGroesseErfragen(QWidget* eltern, QSize& groesse) {
    QDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("BildGroesse"));
    dialog.setWindowTitle(QCoreApplication::translate("kov::TAuswertungsFenster", "Bildgröße"));
    auto* breite = new QSpinBox(&dialog);
    auto* hoehe = new QSpinBox(&dialog);
    breite->setObjectName(QStringLiteral("Breite"));
    hoehe->setObjectName(QStringLiteral("Hoehe"));
    for (QSpinBox* feld : {breite, hoehe}) {
        feld->setRange(100, 10000);
        feld->setSuffix(QCoreApplication::translate("kov::TAuswertungsFenster", " Pixel"));
    }
    breite->setValue(groesse.width());
    hoehe->setValue(groesse.height());
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    knoepfe->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("kov::TAuswertungsFenster", "Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QCoreApplication::translate("kov::TAuswertungsFenster", "Breite:"), breite);
    form->addRow(QCoreApplication::translate("kov::TAuswertungsFenster", "Höhe:"), hoehe);
    form->addRow(knoepfe);
    if (dialog.exec() != QDialog::Accepted) return false;
    groesse = QSize(breite->value(), hoehe->value());
    return true;
}

TAuswertungsFenster::TAuswertungsFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("AuswertungsFenster"));
    setWindowTitle(QCoreApplication::translate("kov::TAuswertungsFenster",
                                               "Programm KOV:  Auswertung des Erdregisters"));
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
        ansicht->setToolTip(QCoreApplication::translate(
            "kov::TAuswertungsFenster",
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
    auto* nebeneinander = new QHBoxLayout;
    nebeneinander->addWidget(Tabelle, 0, Qt::AlignTop);
    nebeneinander->addWidget(Monatstabelle, 0, Qt::AlignTop);
    nebeneinander->addStretch(1);
    Vergleich = new TRegelungsVergleich(tabellen);
    KlimaCheck = new TKlimaCheckAnzeige(tabellen);
    auto* untereinander = new QVBoxLayout(tabellen);
    untereinander->addLayout(nebeneinander);
    untereinander->addWidget(Vergleich);
    untereinander->addWidget(KlimaCheck);
    untereinander->addStretch(1);
    auto* rollen = new QScrollArea;
    rollen->setWidget(tabellen);
    rollen->setWidgetResizable(true);
    Reiter->addTab(rollen, AnsichtTitel(TAnsicht::Kennwerte));
    Anlage = new TAnlagenAnsicht(this);
    Reiter->addTab(Anlage, Anlage->BildTitel());
    connect(Anlage, &TAnlagenAnsicht::WertGeaendert, Wert, &QLabel::setText);
    Stunden = new TStundenAnsicht(this);
    Reiter->addTab(Stunden, Stunden->BildTitel());
    connect(Stunden, &TStundenAnsicht::WertGeaendert, Wert, &QLabel::setText);
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
    ZoomZurueck = knopf(
        QCoreApplication::translate("kov::TAuswertungsFenster", "Ganzes Diagramm"), "ZoomZurueck",
        QCoreApplication::translate("kov::TAuswertungsFenster", "Zoom zurücksetzen"),
        &TAuswertungsFenster::ZoomZuruecksetzenClick);
    Bild = knopf(QCoreApplication::translate("kov::TAuswertungsFenster", "Bild speichern…"), "Bild",
                 QCoreApplication::translate("kov::TAuswertungsFenster",
                                             "Die gezeigte Ansicht als PNG oder SVG"),
                 &TAuswertungsFenster::BildSpeichernClick);
    Csv =
        knopf(QCoreApplication::translate("kov::TAuswertungsFenster", "Stundenwerte (CSV)…"), "Csv",
              QCoreApplication::translate("kov::TAuswertungsFenster",
                                          "Alle Stundenwerte des Laufs mit Datum und Uhrzeit"),
              &TAuswertungsFenster::CsvSpeichernClick);
    Pdf = knopf(QCoreApplication::translate("kov::TAuswertungsFenster", "PDF-Bericht…"), "Pdf",
                QCoreApplication::translate(
                    "kov::TAuswertungsFenster",
                    "Auslegungsbericht mit Eingaben, Wetter, Kennwerten und Diagrammen"),
                &TAuswertungsFenster::PdfSpeichernClick);
    Schliessen = new QPushButton(
        QCoreApplication::translate("kov::TAuswertungsFenster", "Schliessen"), this);
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
    // the file dialogs start in the project's folder until an export went elsewhere
    if (!OrdnerGewaehlt && !Kopf.Projektdatei.isEmpty())
        Ordner = QFileInfo(Kopf.Projektdatei).absolutePath();
    for (TDiagrammAnsicht* ansicht : Diagramme)
        ansicht->Anzeigen(Auswertung);
    Anlage->Anzeigen(Auswertung);
    Stunden->Anzeigen(Auswertung);
    // the other control mode runs with the inputs of the project's folder, as the run did
    Vergleich->Anzeigen(Auswertung, Kopf.Projektdatei.isEmpty()
                                        ? std::string()
                                        : ProjektOrdner(Kopf.Projektdatei.toStdString()));
    KennwerteTabellenFuellen(Tabelle, Monatstabelle, Auswertung->Kennwerte,
                             Auswertung->Modell->Parameter, Auswertung->Modell->Ergebnis);
    Querschnitt->Anzeigen(Auswertung);
    Wert->clear();
    resize(GroesseFuerTabellen());
}

QSize TAuswertungsFenster::GroesseFuerTabellen() const {
    // both tables side by side without scrolling, as far as the screen allows: frames, tabs,
    // scroll area and the row of buttons take about 80 pixels beside and 150 under them
    QSize noetig(Tabelle->width() + Monatstabelle->width() + 80,
                 std::max(Tabelle->height(), Monatstabelle->height()) + 150);
    if (const QScreen* bildschirm = screen())
        noetig = noetig.boundedTo(bildschirm->availableGeometry().size() - QSize(40, 80));
    return noetig.expandedTo(size());
}

TAnsicht TAuswertungsFenster::AktuelleAnsicht() const {
    // the tabs after Kennwerte are views of their own (TBildQuelle)
    const int index = std::clamp(Reiter->currentIndex(), 0, static_cast<int>(TAnsicht::Kennwerte));
    return AlleAnsichten[static_cast<std::size_t>(index)];
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
        MeldungZeigen(this, QMessageBox::Critical, QStringLiteral("KOV"), AusnahmeText(e));
        return false;
    }
}

bool TAuswertungsFenster::BildSpeichern(TAnsicht ansicht, const QString& datei, QSize groesse) {
    if (Auswertung && !AusgabeZulassen(this, QStringLiteral("KOV"), datei, "Das Bild", "das Bild",
                                       Auswertung->Dateien))
        return false;
    return Ausfuehren([&] { AnsichtSpeichern(ansicht, *Auswertung, datei, groesse); });
}

bool TAuswertungsFenster::CsvSpeichern(const QString& datei, TDezimalZeichen zeichen) {
    if (Auswertung && !AusgabeZulassen(this, QStringLiteral("KOV"), datei, "Die Stundenwerte-Datei",
                                       "die Stundenwerte-Datei", Auswertung->Dateien))
        return false;
    return Ausfuehren([&] { StundenCsvSpeichern(*Auswertung, datei, zeichen); });
}

bool TAuswertungsFenster::PdfSpeichern(const QString& datei) {
    if (Auswertung && !AusgabeZulassen(this, QStringLiteral("KOV"), datei, "Der PDF-Bericht",
                                       "den PDF-Bericht", Auswertung->Dateien))
        return false;
    TBerichtKopf kopf = Kopf;
    // the report speaks the interface's language, its numbers included
    kopf.Zahlenformat = QLocale();
    if (ProjektdateiQuelle) {
        const QString projektdatei = ProjektdateiQuelle();
        if (!projektdatei.isEmpty()) kopf.Projektdatei = projektdatei;
    }
    // a finished climate check is not computed a second time
    if (KlimaCheck) kopf.KlimaCheck = KlimaCheck->Ergebnis();
    return Ausfuehren([&] {
        // the pages, their charts and a climate check still missing take a moment; the cursor
        // is back before a fault's message shows
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct TZurueck {
            ~TZurueck() { QApplication::restoreOverrideCursor(); }
        } zurueck;
        PdfBerichtSchreiben(*Auswertung, kopf, datei);
    });
}

void TAuswertungsFenster::BildSpeichernClick() {
    const TAnsicht ansicht = AktuelleAnsicht();
    const auto* quelle = dynamic_cast<const TBildQuelle*>(Reiter->currentWidget());
    QString filter = FilterPng();
    const QString datei = QFileDialog::getSaveFileName(
        this,
        QCoreApplication::translate("kov::TAuswertungsFenster", "Ansicht „%1“ speichern")
            .arg(quelle ? quelle->BildTitel() : AnsichtTitel(ansicht)),
        QDir(Ordner).filePath((quelle ? quelle->BildDateiName() : AnsichtDateiName(ansicht)) +
                              QStringLiteral(".png")),
        FilterPng() + QStringLiteral(";;") + FilterSvg(), &filter);
    if (datei.isEmpty()) return;
    QSize groesse = StandardBildGroesse;
    if (!BildGroesseErfragen(this, groesse)) return;
    const QString ziel =
        MitEndung(datei, filter == FilterSvg() ? QStringLiteral(".svg") : QStringLiteral(".png"));
    Ordner = QFileInfo(ziel).absolutePath();
    OrdnerGewaehlt = true;
    if (quelle != nullptr) {
        if (Auswertung && !AusgabeZulassen(this, QStringLiteral("KOV"), ziel, "Das Bild",
                                           "das Bild", Auswertung->Dateien))
            return;
        Ausfuehren([&] { quelle->BildSpeichern(ziel, groesse); });
    } else
        BildSpeichern(ansicht, ziel, groesse);
}

void TAuswertungsFenster::CsvSpeichernClick() {
    QString filter = FilterCsvKomma();
    const QString datei = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("kov::TAuswertungsFenster", "Stundenwerte speichern"),
        QDir(Ordner).filePath(QStringLiteral("stundenwerte.csv")),
        FilterCsvKomma() + QStringLiteral(";;") + FilterCsvPunkt(), &filter);
    if (datei.isEmpty()) return;
    const QString ziel = MitEndung(datei, QStringLiteral(".csv"));
    Ordner = QFileInfo(ziel).absolutePath();
    OrdnerGewaehlt = true;
    CsvSpeichern(ziel,
                 filter == FilterCsvPunkt() ? TDezimalZeichen::Punkt : TDezimalZeichen::Komma);
}

void TAuswertungsFenster::PdfSpeichernClick() {
    const QString datei = QFileDialog::getSaveFileName(
        this,
        QCoreApplication::translate("kov::TAuswertungsFenster", "Auslegungsbericht speichern"),
        QDir(Ordner).filePath(QStringLiteral("auslegungsbericht.pdf")),
        QCoreApplication::translate("kov::TAuswertungsFenster", "PDF-Dokument (*.pdf)"));
    if (datei.isEmpty()) return;
    const QString ziel = MitEndung(datei, QStringLiteral(".pdf"));
    Ordner = QFileInfo(ziel).absolutePath();
    OrdnerGewaehlt = true;
    PdfSpeichern(ziel);
}

void TAuswertungsFenster::ZoomZuruecksetzenClick() {
    if (TDiagrammAnsicht* ansicht = Diagramm(AktuelleAnsicht())) ansicht->ZoomZuruecksetzen();
}

} // namespace kov
