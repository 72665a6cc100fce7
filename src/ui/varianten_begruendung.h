#pragma once
// Why a study's variant was chosen, as lines for a page of the design report: what was varied
// and the variant's values, its rank by useful energy among the variants that keep every
// condition, the Pareto fronts it lies on and each condition with the variant's figure.

#include "register/variantenstudie.h"

#include <QLocale>
#include <QStringList>

#include <vector>

namespace kov {

// ergebnisse[nummer] is the chosen variant; its Pareto marks and broken conditions as the study
// set them. Numbers in the form of ort.
QStringList VariantenBegruendung(const TStudie& studie,
                                 const std::vector<TVariantenErgebnis>& ergebnisse,
                                 std::size_t nummer, const QLocale& ort);

// Every input field of the catalogue equal (the fields a run derives are not compared): a run of
// a is a run of the variant b.
bool GleicheEingaben(const TRegisterParameter& a, const TRegisterParameter& b);

} // namespace kov
