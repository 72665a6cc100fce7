#pragma once
// The evaluation of the last run in a window of its own, opened from the chart window: the
// views Jahr, Dauerlinie, Energie, Kondensat and Kennwerte as tabs, the value under the mouse,
// and the exports: the view as a picture, the hourly series as CSV, the PDF design report.

#include "ui/ansicht_export.h"
#include "ui/pdf_bericht.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kov {

class TDiagrammAnsicht;
class TQuerschnittAnsicht;

class TAuswertungsFenster : public QDialog {
    Q_OBJECT
public:
    explicit TAuswertungsFenster(QWidget* eltern = nullptr);

    // Shows the evaluation of a run in every view; kopf goes into the PDF report.
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung, TBerichtKopf kopf = {});
    bool HatAuswertung() const { return Auswertung != nullptr; }
    const TAuswertung& Ergebnis() const { return *Auswertung; }

    TAnsicht AktuelleAnsicht() const;
    void AnsichtWaehlen(TAnsicht ansicht);
    TDiagrammAnsicht* Diagramm(TAnsicht ansicht) const;

    // The exports behind the buttons, without their dialogs; a fault is shown in a message
    // box and gives false.
    bool BildSpeichern(TAnsicht ansicht, const QString& datei, QSize groesse);
    bool CsvSpeichern(const QString& datei, TDezimalZeichen zeichen);
    bool PdfSpeichern(const QString& datei);

    void BildSpeichernClick();
    void CsvSpeichernClick();
    void PdfSpeichernClick();
    void ZoomZuruecksetzenClick();

    QTabWidget* Reiter = nullptr;
    QLabel* Wert = nullptr; // the value under the mouse
    QTableWidget* Tabelle = nullptr;
    QTableWidget* Monatstabelle = nullptr;
    TQuerschnittAnsicht* Querschnitt = nullptr; // the register's ground at a chosen hour
    QPushButton* ZoomZurueck = nullptr;
    QPushButton* Bild = nullptr;
    QPushButton* Csv = nullptr;
    QPushButton* Pdf = nullptr;
    QPushButton* Schliessen = nullptr;

private:
    bool Ausfuehren(const std::function<void()>& aktion);

    std::array<TDiagrammAnsicht*, 4> Diagramme{};
    std::shared_ptr<const TAuswertung> Auswertung;
    TBerichtKopf Kopf;
    QString Ordner; // where the last export went, for the next file dialog
};

// Asks for the size of a picture: width and height in pixels, 1600 × 1000 at first.
// False when the user cancels.
bool BildGroesseErfragen(QWidget* eltern, QSize& groesse);

} // namespace kov
