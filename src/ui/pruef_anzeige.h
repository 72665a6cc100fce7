#pragma once
// The design check beside the live figures of the input window: the overall verdict and one
// compact line per rule (a coloured mark, the rule, its figure), the rule's explanation as the
// line's tool tip. Filled whenever the live figures are.

#include "register/auslegungs_pruefung.h"

#include <QGroupBox>
#include <QLocale>
#include <QString>

#include <vector>

class QGridLayout;
class QLabel;

namespace kov {

class TPruefAnzeige : public QGroupBox {
    Q_OBJECT
public:
    explicit TPruefAnzeige(QWidget* eltern = nullptr);

    // The rules of the newest live run; nullptr: no figures for the input (every line "–").
    void Zeigen(const std::vector<TPruefRegel>* regeln);

    // the short name of a rule's key as the list shows it
    static QString RegelName(const TPruefRegel& regel);

    QLabel* Gesamt = nullptr; // "Erfüllt alle Prüfungen", "Nicht erfüllt: 1; Hinweise: 2"
    // per line: mark, name, figure; in the order of the check
    struct TZeile {
        QLabel* Zeichen = nullptr;
        QLabel* Name = nullptr;
        QLabel* Wert = nullptr;
    };
    std::vector<TZeile> Zeilen;

private:
    TZeile& Zeile(std::size_t i);
    QGridLayout* Raster = nullptr;
};

} // namespace kov
