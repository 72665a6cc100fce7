#pragma once
// The table of the Variantenvergleich window: one row per computed variant, its number, the
// varied values and every figure of StudienKennwerte() with its unit, then the conditions it
// breaks and the Pareto fronts it lies on. Rows that break a condition are greyed, those on the
// chosen Pareto front bold on a light background. Qt::UserRole holds the number a column sorts
// by.

#include "register/variantenstudie.h"

#include <QAbstractTableModel>

#include <vector>

namespace kov {

class TVariantenTabelle : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TVariantenTabelle(QObject* eltern = nullptr);

    // The study and its results, both kept by the caller for as long as the table shows them;
    // the table starts empty.
    void StudieSetzen(const TStudie* studie, const std::vector<TVariantenErgebnis>* ergebnis);
    // New computed variants (numbers into the results) as rows at the end.
    void ZeilenAnfuegen(const std::vector<std::size_t>& nummern);
    // Every computed variant as a row, after the results were replaced.
    void AlleZeigen();
    // The marks changed (conditions, Pareto fronts): the rows are drawn again.
    void MarkenGeaendert();
    // Which front the rows are marked for (AufParetoFront).
    void ParetoFrontSetzen(int front);

    // The variant of a row, and the row of a variant (-1 when it is not shown).
    std::size_t Variante(int zeile) const { return Zeilen[static_cast<std::size_t>(zeile)]; }
    int ZeileDerVariante(std::size_t nummer) const;
    // The first column of the figures.
    int ErsteKennwertSpalte() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;

private:
    bool AufFront(const TVariantenErgebnis& v) const;

    const TStudie* Studie = nullptr;
    const std::vector<TVariantenErgebnis>* Ergebnis = nullptr;
    std::vector<std::size_t> Zeilen;
    int Front = 0;
};

// Whether a variant is on a front: 0 most useful energy for the least pipe length, 1 for the
// least fan electricity, 2 for the least annuity of the costs.
bool AufParetoFront(const TVariantenErgebnis& v, int front);

// A figure as the table and the chart show it: decimals by its unit, "." whatever the locale.
QString KennwertText(double wert, std::string_view einheit);
// "Bezeichnung [Einheit]", the unit left out when there is none.
QString KennwertTitel(const TStudienKennwert& k);
// The column title of a varied parameter: its label and unit, "Bodenart" for the soil.
QString VariationsTitel(const TVariation& v);
// A varied value: the shortest text that reads back to it, the soil's name for the soil.
QString VariationsWert(const TVariation& v, double wert);

} // namespace kov
