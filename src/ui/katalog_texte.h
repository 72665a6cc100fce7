#pragma once
// The catalogue's German texts (group names, labels, descriptions) in the interface's language.
// Units and parameter names are not translated: they are what the report and kov-run write.

#include <QString>

#include <span>
#include <string_view>

namespace kov {

QString KatalogText(std::string_view deutsch);
// Every catalogue text the translation knows; a text missing here stays German in the interface.
std::span<const char* const> KatalogQuelltexte();
// A soil of the list (model/bodenarten) in the interface's language; the values stay.
QString BodenartText(std::string_view deutsch);
std::span<const char* const> BodenartQuelltexte();

} // namespace kov
