#pragma once
// The evaluation of the last run in a window of its own, opened from the chart window: the
// views Jahr, Dauerlinie, Energie, Kondensat, Kennwerte, Anlage and Stundenwerte as tabs, the
// value under the mouse, and the exports: the view as a picture, the hourly series as CSV, the
// PDF design report.

#include "ui/ansicht_export.h"
#include "ui/pdf_bericht.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kov {

class TAnlagenAnsicht;
class TDiagrammAnsicht;
class TKlimaCheckAnzeige;
class TRegelungsVergleich;
class TStundenAnsicht;
class TQuerschnittAnsicht;

class TAuswertungsFenster : public QDialog {
    Q_OBJECT
public:
    explicit TAuswertungsFenster(QWidget* eltern = nullptr);

    // Shows the evaluation of a run in every view; kopf goes into the PDF report.
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung, TBerichtKopf kopf = {});
    // Where the report finds the project file when it is written: a project saved after the
    // run is named by the file it was saved to.
    void ProjektdateiQuelleSetzen(std::function<QString()> quelle) {
        ProjektdateiQuelle = std::move(quelle);
    }
    bool HatAuswertung() const { return Auswertung != nullptr; }
    const TAuswertung& Ergebnis() const { return *Auswertung; }

    // The window's size for the figures and the monthly table side by side: never smaller than
    // now, never larger than the screen.
    QSize GroesseFuerTabellen() const;
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
    TKlimaCheckAnzeige* KlimaCheck = nullptr;   // below the tables, filled by the run controller
    TQuerschnittAnsicht* Querschnitt = nullptr; // the register's ground at a chosen hour
    QPushButton* ZoomZurueck = nullptr;
    QPushButton* Bild = nullptr;
    QPushButton* Csv = nullptr;
    QPushButton* Pdf = nullptr;
    QPushButton* Schliessen = nullptr;
    TAnlagenAnsicht* Anlage = nullptr;        // the tab "Anlage"
    TStundenAnsicht* Stunden = nullptr;       // the tab "Stundenwerte"
    TRegelungsVergleich* Vergleich = nullptr; // in the tab "Kennwerte"

private:
    bool Ausfuehren(const std::function<void()>& aktion);

    std::array<TDiagrammAnsicht*, 4> Diagramme{};
    std::shared_ptr<const TAuswertung> Auswertung;
    TBerichtKopf Kopf;
    std::function<QString()> ProjektdateiQuelle;
    QString Ordner;              // where the last export went, for the next file dialog
    bool OrdnerGewaehlt = false; // by an export; until then the project's folder
};

// Asks for the size of a picture: width and height in pixels, 1600 × 1000 at first.
// False when the user cancels.
bool BildGroesseErfragen(QWidget* eltern, QSize& groesse);

} // namespace kov
