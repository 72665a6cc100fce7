#pragma once
// Files are written in one go and atomically: the text goes to a new temporary file beside the
// target, and only when it is complete, synced and closed does it take the target's name. A
// fault on the way leaves the previous file exactly as it was and removes the temporary one; a
// planted symbolic link is replaced, never followed. A successful write also removes what
// killed writes of the same target left behind. Faults raise TDateiFehler with the platform
// message and the file ("Disk full: kov.txt"). Bytes are written as given: the caller writes
// its own line ends (CR LF).
//
// Input files are read whole, only when they are regular files and not larger than
// MaxDateiGroesse.

#include <cstddef>
#include <string>
#include <string_view>

namespace kov {

inline constexpr std::string_view Zeilenende = "\r\n";
// no real input comes near: a year of hourly rows is well under a megabyte
inline constexpr std::size_t MaxDateiGroesse = std::size_t{64} << 20;

// name relative to ordner; an absolute name or an empty ordner leaves the name as it is
std::string PfadImOrdner(const std::string& ordner, const std::string& name);

class TTextDatei {
public:
    // Creates the temporary file in the target's folder. An existing target that is not a
    // regular file (a folder, a device) is refused.
    explicit TTextDatei(const std::string& name);
    // Without Schliessen (a fault on the way) the temporary file is removed, the target untouched.
    ~TTextDatei();
    TTextDatei(const TTextDatei&) = delete;
    TTextDatei& operator=(const TTextDatei&) = delete;

    void Schreiben(std::string_view text);
    void ZeileSchreiben(std::string_view text);
    // Writes the rest out, syncs, closes and gives the file its name; throws when any of it fails.
    void Schliessen();

    const std::string& Name() const { return Ziel; }

private:
    void PufferLeeren();
    void Ausgeben(const char* daten, std::size_t laenge);
    void Verwerfen();
    void SperreLoesen();

    std::string Ziel;
    std::string Temporaer;
    int Deskriptor = -1;
    int Sperre = -1; // the temporary file's lock, held until it has its name
    std::string Puffer;
};

// Throws the fault that writing name would end with, before anything is computed for it: a
// folder that does not exist or may not be written, a target that is no regular file.
void SchreibbarPruefen(const std::string& name);

// The whole file name = inhalt, atomically.
void DateiSchreiben(const std::string& name, std::string_view inhalt);

// The whole content of a regular file as bytes; throws TDateiFehler naming the file.
std::string DateiLesen(const std::string& name);

} // namespace kov
