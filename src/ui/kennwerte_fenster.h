#pragma once
// The design figures of the last run in a window of their own, opened from the chart window:
// one table of the single figures, one of the months, and "Kopieren" for both as text.

#include "register/kennwerte.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTableWidget;

namespace kov {

class TKennwerteFenster : public QDialog {
    Q_OBJECT
public:
    explicit TKennwerteFenster(QWidget* eltern = nullptr);

    // Fills both tables with the figures of a run and keeps their text for "Kopieren".
    void Anzeigen(const TKennwerte& kw, const TRegisterParameter& p, const TJahresErgebnis& e);
    // Tab-separated lines of both tables, as "Kopieren" puts them on the clipboard.
    const QString& Text() const { return TextSpeicher; }

    void KopierenClick();

    QTableWidget* Tabelle = nullptr;
    QTableWidget* Monatstabelle = nullptr;
    QPushButton* Kopieren = nullptr;
    QPushButton* Schliessen = nullptr;

private:
    QString TextSpeicher;
};

} // namespace kov
