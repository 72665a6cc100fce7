#pragma once
// File faults in the interface's language. The four platform messages ("File not found", "File
// access denied", "Disk full", "Invalid numeric input") stay as they are in every language; a
// reader's German sentence, "Zeile N" and the explanation in parentheses are translated, file
// names, numbers and quoted inputs stay as the reader wrote them. In the German interface the
// text is what() of the fault, byte for byte. A sentence the translation does not know stays
// German.

#include "model/fehler.h"

#include <QString>

#include <exception>
#include <span>

namespace kov {

QString DateiFehlerText(const TDateiFehler& fehler);
// Any fault a window shows: a file fault as above, every other through MeldungText.
QString AusnahmeText(const std::exception& fehler);
// Every fixed text the file faults are built from, for a test that each has its English form.
std::span<const char* const> DateiFehlerQuelltexte();

} // namespace kov
