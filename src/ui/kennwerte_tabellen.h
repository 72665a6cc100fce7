#pragma once
// The two tables of the design figures as widgets, filled from the figures of a run: one of
// the single figures, one of the months with the year's sums. The Kennwerte window and the
// Kennwerte view of the evaluation window show them.

#include "register/auslegungs_pruefung.h"
#include "register/kennwerte.h"
#include "register/wirtschaftlichkeit.h"

#include <QStringList>

class QTableWidget;
class QWidget;

namespace kov {

QTableWidget* KennwerteTabelleAnlegen(QWidget* eltern);
QTableWidget* MonatsTabelleAnlegen(QWidget* eltern);

// Fills both tables and makes each as large as its contents.
void KennwerteTabellenFuellen(QTableWidget* tabelle, QTableWidget* monatstabelle,
                              const TKennwerte& kw, const TRegisterParameter& p,
                              const TJahresErgebnis& e);

// The design check: rule, figure, limit and verdict a row, the explanation as the row's tooltip,
// a broken rule and a note tinted.
QTableWidget* PruefungsTabelleAnlegen(QWidget* eltern);
void PruefungsTabelleFuellen(QTableWidget* tabelle, const std::vector<TPruefRegel>& regeln);
// Investment, annuities and what follows from them, one figure a row (KostenUebersicht).
QTableWidget* KostenTabelleAnlegen(QWidget* eltern);
void KostenTabelleFuellen(QTableWidget* tabelle, const TWirtschaftlichkeit& w);

} // namespace kov
