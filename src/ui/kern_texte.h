#pragma once
// The texts of the figures, costs and design check as the core writes them (German), in the
// interface's language: labels, verdicts and the hour of an extreme. A text the translation does
// not know stays German.

#include "register/auslegungs_pruefung.h"

#include <QLocale>
#include <QString>

#include <string>
#include <vector>

namespace kov {

QString KernText(const std::string& deutsch);
// The same for a report in the locale ort: the numbers inside a translated pattern, and those of
// a text the translation does not know, are written in ort's form.
QString KernText(const std::string& deutsch, const QLocale& ort);
// The check's verdict in one sentence: what fails, then the notes.
QString AussageText(const std::vector<TPruefRegel>& regeln);

} // namespace kov
