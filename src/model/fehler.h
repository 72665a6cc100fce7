#pragma once
// The two kinds of fault a run can end with.

#include <stdexcept>
#include <string>

namespace kov {

// A file input/output fault. what() is the platform message: "File not found",
// "File access denied", "Disk full" or "Invalid numeric input".
class TDateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

} // namespace kov
