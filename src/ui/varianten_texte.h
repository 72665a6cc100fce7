#pragma once
// What the three parts of the variant window share: its title and the texts made of the
// engine's strings.

#include "ui/meldung_texte.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace kov::varianten {

inline constexpr const char* Titel = "KOV - Variantenvergleich";

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Zeilen(const std::vector<std::string>& meldungen) {
    QStringList zeilen;
    for (const std::string& meldung : meldungen)
        zeilen << MeldungText(meldung);
    return zeilen.join(QLatin1Char('\n'));
}

} // namespace kov::varianten
