#pragma once
// A text file written in one go: opened by the constructor, buffered, every write and the
// close checked. Faults raise TDateiFehler with the platform message of errno ("Disk full"
// for a full disk, "File access denied", "File not found"). Bytes are written as given: the
// caller writes its own line ends (CR LF).

#include <string>
#include <string_view>

namespace kov {

inline constexpr std::string_view Zeilenende = "\r\n";

// name relative to ordner; an absolute name or an empty ordner leaves the name as it is
std::string PfadImOrdner(const std::string& ordner, const std::string& name);

class TTextDatei {
public:
    enum class TOeffnen {
        Anlegen,  // create, or empty an existing file
        Anhaengen // append to an existing file; a missing file is "File not found"
    };

    TTextDatei(const std::string& name, TOeffnen art);
    // Closes a file that was not closed with Schliessen (only on the way out of an exception):
    // the unwritten rest of the buffer is dropped, nothing is reported.
    ~TTextDatei();
    TTextDatei(const TTextDatei&) = delete;
    TTextDatei& operator=(const TTextDatei&) = delete;

    void Schreiben(std::string_view text);
    void ZeileSchreiben(std::string_view text);
    // Writes the buffer out and closes the file; throws when either fails.
    void Schliessen();

private:
    void PufferLeeren();
    void Ausgeben(const char* daten, std::size_t laenge);

    int Deskriptor = -1;
    std::string Puffer;
};

} // namespace kov
