#pragma once
// The climate check in the evaluation's Kennwerte: the design under the six built-in years of
// its region side by side, filled when the run controller's check has ended.

#include "ablauf/klima_check.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTableWidget;

namespace kov {

class TKlimaCheckAnzeige : public QWidget {
    Q_OBJECT
public:
    explicit TKlimaCheckAnzeige(QWidget* eltern = nullptr);

    // The run had no built-in climate: a note how to get the check, no table.
    void OhneKlima();
    // The check of klima's region is being computed.
    void Rechnet(const std::string& klima);
    void Zeigen(const std::vector<TKlimaCheckJahr>& jahre);
    void Fehlgeschlagen(const QString& meldung);

    // the years of the finished check shown, for the design report; empty while none is shown
    const std::vector<TKlimaCheckJahr>& Ergebnis() const { return Jahre; }

    QLabel* Zustand = nullptr;
    QTableWidget* Tabelle = nullptr;

private:
    std::vector<TKlimaCheckJahr> Jahre;
};

} // namespace kov
