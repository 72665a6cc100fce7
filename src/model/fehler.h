#pragma once
// The two kinds of fault a run can end with.

#include <stdexcept>
#include <string>

namespace kov {

// A file input/output fault. Meldung() is the system's message ("File not found",
// "File access denied", "Disk full", "Invalid numeric input" or a German sentence of a reader);
// what() adds the file and, where it applies, the line: "File not found: wplaufz1.txt",
// "Invalid numeric input: dummy.txt, Zeile 4711". Without a file what() is the message alone.
class TDateiFehler : public std::runtime_error {
public:
    explicit TDateiFehler(const std::string& meldung);
    TDateiFehler(const std::string& meldung, const std::string& datei, long zeile = 0);
    // The same with a German explanation after file and line:
    // "Invalid numeric input: plan.txt, Zeile 3 (ein Steuerzeichen in der Zahl)".
    TDateiFehler(const std::string& meldung, const std::string& datei, long zeile,
                 const std::string& erklaerung);

    const std::string& Meldung() const { return MeldungText; }
    const std::string& Datei() const { return DateiName; }
    long Zeile() const { return ZeilenNummer; }
    // the German explanation in parentheses, "" without one
    const std::string& Erklaerung() const { return ErklaerungText; }

private:
    std::string MeldungText;
    std::string DateiName;
    long ZeilenNummer = 0;
    std::string ErklaerungText;
};

// A parameter set the model cannot work with (a degenerate geometry, an index outside its
// grid). what() is a German sentence for the user.
class TParameterFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* MeldungNichtGefunden = "File not found";
inline constexpr const char* MeldungZugriffVerweigert = "File access denied";
inline constexpr const char* MeldungPlatteVoll = "Disk full";
inline constexpr const char* MeldungUngueltigeZahl = "Invalid numeric input";

// The platform message for an errno value of a failed file operation.
std::string DateiFehlerMeldung(int fehlerNummer);
[[noreturn]] void DateiFehlerWerfen(int fehlerNummer);
[[noreturn]] void DateiFehlerWerfen(int fehlerNummer, const std::string& datei, long zeile = 0);

} // namespace kov
