#pragma once
// The core's refusals in the interface's language: range messages of a parameter ("Rohrlänge
// (Rohrlaenge) muss zwischen 1 und 500 liegen.") and the parts of the model a parameter set
// cannot compute, and what the variant study's draft says about its lists, ranges and
// conditions. Labels come from the catalogue's translation; parameter names, units and
// numbers stay as the core wrote them. A line the translation does not know stays German.

#include <QString>

#include <span>
#include <string>

namespace kov {

// Each line of a message translated on its own.
QString MeldungText(const std::string& deutsch);
// Every fixed text the messages are built from, for a test that each has its English form.
std::span<const char* const> MeldungQuelltexte();

} // namespace kov
