#pragma once
// The windows' own outputs (a saved project, an exported view or table, the PDF report) against
// the files of the run they belong to, with the check kov-run and kov --bericht use.

#include "ablauf/lauf_pruefung.h"

#include <QString>

#include <vector>

class QWidget;

namespace kov {

// The messages for writing datei as wer/wen ("Der PDF-Bericht", "den PDF-Bericht") over one of
// dateien; empty when it replaces none of them.
std::vector<std::string> AusgabeKollisionen(const QString& datei, const char* wer, const char* wen,
                                            const std::vector<TDateiRolle>& dateien);

// True when datei replaces none of dateien; otherwise the messages in a box titled titel and
// false: the caller writes nothing.
bool AusgabeZulassen(QWidget* eltern, const QString& titel, const QString& datei, const char* wer,
                     const char* wen, const std::vector<TDateiRolle>& dateien);

} // namespace kov
