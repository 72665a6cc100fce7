#pragma once
// "Weitere Parameter": every settable parameter of the catalogue in one dialog, a page per
// group of the report header, each field with its label, unit and range. Values are checked
// as they are typed; OK takes the set over only when it also passes the full check of a run.

#include "model/modell.h"
#include "model/parameter_katalog.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace kov {

class TParameterDialog : public QDialog {
    Q_OBJECT
public:
    // basisOrdner: the folder the set's input file names are relative to ("" = working
    // directory), for the full check.
    TParameterDialog(QWidget* eltern, const TRegisterParameter& p, std::string basisOrdner);

    // The set with the dialog's values; valid after the dialog was accepted.
    const TRegisterParameter& Ergebnis() const { return Werte; }

    // The edit field of a field (month fields: monat 1..12), nullptr for none.
    QLineEdit* Feld(std::string_view name, int monat = 0) const;
    QCheckBox* Schalter(std::string_view name) const;
    // What is wrong now, one line per fault; empty when OK may be pressed.
    QStringList Fehler() const;
    bool OkMoeglich() const;
    QTabWidget* Seiten = nullptr;

    void accept() override;

private:
    struct TEingabe {
        const TKatalogEintrag* Eintrag = nullptr;
        int Monat = 0; // 1..12 in a month field
        QLineEdit* Zeile = nullptr;
        QCheckBox* Haken = nullptr;
        QString Anfang; // the text as first shown: unchanged text keeps the stored value
    };

    void Pruefen();
    // Reads every field into p; false with the faults when one cannot be read or is out of range.
    bool Lesen(TRegisterParameter& p, QStringList* fehler) const;

    TRegisterParameter Ausgang;
    TRegisterParameter Werte;
    std::string BasisOrdner;
    std::vector<TEingabe> Eingaben;
    QLineEdit* AnteilErdeFeld = nullptr;
    QLabel* Hinweis = nullptr;
    QDialogButtonBox* Knoepfe = nullptr;
};

} // namespace kov
