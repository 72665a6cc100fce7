#pragma once
// Shared test helpers: a scratch working directory and whole-file reads and writes.

#include "files/wetter.h"
#include "register/kontext.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kov::test {

// Makes a fresh directory under /tmp and makes it the working directory until destruction.
class TArbeitsVerzeichnis {
public:
    TArbeitsVerzeichnis() : Vorher(std::filesystem::current_path()) {
        std::string muster = (std::filesystem::temp_directory_path() / "kov-test-XXXXXX").string();
        if (::mkdtemp(muster.data()) == nullptr) std::abort();
        Pfad = muster;
        std::filesystem::current_path(Pfad);
    }
    ~TArbeitsVerzeichnis() {
        std::filesystem::current_path(Vorher);
        std::error_code fehler;
        std::filesystem::permissions(Pfad, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(Pfad, fehler);
    }
    TArbeitsVerzeichnis(const TArbeitsVerzeichnis&) = delete;
    TArbeitsVerzeichnis& operator=(const TArbeitsVerzeichnis&) = delete;
    const std::filesystem::path& Ort() const { return Pfad; }

private:
    std::filesystem::path Vorher;
    std::filesystem::path Pfad;
};

inline void DateiSchreiben(const std::string& name, const std::string& inhalt) {
    std::ofstream aus(name, std::ios::binary | std::ios::trunc);
    aus << inhalt;
}

inline std::string DateiInhalt(const std::string& name) {
    std::ifstream ein(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// The lines of a CRLF text, without their line ends.
inline std::vector<std::string> TextZeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(zeile);
    }
    return zeilen;
}

// The lines of a CRLF text file, without their line ends.
inline std::vector<std::string> DateiZeilen(const std::string& name) {
    return TextZeilen(DateiInhalt(name));
}

// The names in a folder, for checks that a failed write left no temporary file behind.
inline std::vector<std::string> OrdnerInhalt(const std::filesystem::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        namen.push_back(eintrag.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

inline std::unique_ptr<TKontext> NeuerKontext() {
    return std::make_unique<TKontext>();
}

} // namespace kov::test
