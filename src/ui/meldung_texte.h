#pragma once
// The core's refusals in the interface's language: range messages of a parameter ("Rohrlänge
// (Rohrlaenge) muss zwischen 1 und 500 liegen.") and the parts of the model a parameter set
// cannot compute, what the variant study's draft says about its lists, ranges and conditions,
// and where the weekly schedule's text or the pipe price table goes wrong. Labels come from the
// catalogue's translation; parameter names, units and numbers stay as the core wrote them. A
// line the translation does not know stays German.

#include <QRegularExpression>
#include <QString>

#include <functional>
#include <span>
#include <string>

namespace kov {

// Each line of a message translated on its own.
QString MeldungText(const std::string& deutsch);
// Every fixed text the messages are built from, for a test that each has its English form.
std::span<const char* const> MeldungQuelltexte();

// A sentence of the core made of one of the fixed texts saetze, translated in kontext: the text
// itself when saetze holds it, else with each match of einsatz (a number, a quoted input) taken
// out as %1, %2... in their order and put back into the translation, after einsetzen where
// given. A null QString when deutsch is none of them.
QString SatzAusTabelle(const QString& deutsch, std::span<const char* const> saetze,
                       const char* kontext, const QRegularExpression& einsatz,
                       const std::function<QString(const QString&)>& einsetzen = {});
// The rule a value breaks, "muss zwischen 1 und 500 m liegen.", in the interface's language.
QString RegelText(const QString& deutsch);

} // namespace kov
