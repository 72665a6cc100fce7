#pragma once
// The design figures of the last run in a window of their own, opened from the chart window:
// one table of the single figures, one of the months, and "Kopieren" for both as text.

#include "register/bewertung.h"
#include "register/kennwerte.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kov {

class TKennwerteFenster : public QDialog {
    Q_OBJECT
public:
    explicit TKennwerteFenster(QWidget* eltern = nullptr);

    // Fills both tables with the figures of a run and keeps their text for "Kopieren".
    void Anzeigen(const TKennwerte& kw, const TRegisterParameter& p, const TJahresErgebnis& e);
    // The design check and the costs of the same run below the tables, the check's statement
    // above them; "Kopieren" then copies both after the figures. Call after Anzeigen.
    void BewertungAnzeigen(const TBewertung& b);
    // Tab-separated lines of both tables, as "Kopieren" puts them on the clipboard.
    const QString& Text() const { return TextSpeicher; }

    void KopierenClick();

    QTableWidget* Tabelle = nullptr;
    QTableWidget* Monatstabelle = nullptr;
    QLabel* Aussage = nullptr; // "Die Auslegung erfüllt alle Prüfungen." or what it violates
    QTableWidget* Pruefungstabelle = nullptr;
    QTableWidget* Kostentabelle = nullptr;
    QPushButton* Kopieren = nullptr;
    QPushButton* Schliessen = nullptr;

private:
    void AufDemBildschirmHalten();

    QString TextSpeicher;
};

} // namespace kov
