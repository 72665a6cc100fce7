#pragma once
// Everything the program holds for its life: the project with the results of its last run, the
// chart storage, the run controller and the windows.

#include "files/wetter_info.h"
#include "register/kontext.h"
#include "ui/neustart.h"

#include <QIcon>
#include <QImage>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kov {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TVariantenFenster;
class TLaufSteuerung;

// The program's icon in every size it is stored in.
QIcon ProgrammSymbol();

// Off-screen chart storage, made once before any window and reused for every chart.
struct TGrafikSpeicher {
    double Massstab = 0.8;
    QImage Bild; // 790 x 550 logical page at Massstab: 632 x 440 pixels, initially white
    TGrafikSpeicher();
};

// The project the GUI works on for the program's life. Its parameter set is the context's (the
// input window's fields are read into it before a run or a save); here is the rest.
struct TProjekt {
    std::string Datei;              // the project file, "" for a project never saved
    bool Geaendert = false;         // the input differs from Gespeichert
    TRegisterParameter Gespeichert; // as last loaded or saved, the defaults for a new project
    // the weather file last read for the input window's display, and what it held
    std::string WetterInfoDatei;
    bool WetterInfoGelesen = false;
    TWetterInfo WetterInfo;
    // the set of the study's variant last taken over and why it was chosen, for the report of a
    // run with exactly that set
    TRegisterParameter VarianteParameter;
    QStringList Variantenbegruendung;
};

// What the windows share: the project, the results of its last run and the chart storage. The
// windows get this, not one another.
class TSitzung {
public:
    TSitzung();
    TKontext& Kontext() { return *KontextSpeicher; }
    TProjekt& Projekt() { return ProjektStand; }
    TGrafikSpeicher& Grafik() { return GrafikSpeicher; }
    // Counts the projects shown so far: what was made for another number belongs to a project
    // that is no longer open.
    std::uint64_t ProjektNummer() const { return Nummer; }

    // The folder the project's input file names are relative to ("" = working directory).
    std::string EingabeOrdner() const;
    // Takes the series, totals and working values of a finished run over; the project's
    // parameter set stays as it is now (it may have been edited during the run).
    void LaufUebernehmen(const TKontext& lauf);
    // A project closed or replaced: its results go, nothing of it can come back.
    void ProjektSchliessen();

private:
    std::unique_ptr<TKontext> KontextSpeicher;
    TProjekt ProjektStand;
    TGrafikSpeicher GrafikSpeicher;
    std::uint64_t Nummer = 1;
};

// Owns the shared state, the run controller and the windows (created in the start-up order:
// chart storage, start, input, chart, info) and connects them: a window says what happened, this
// decides what the others do.
class TAnwendung {
public:
    TAnwendung();
    ~TAnwendung();
    TAnwendung(const TAnwendung&) = delete;
    TAnwendung& operator=(const TAnwendung&) = delete;

    TSitzung& Sitzung() { return SitzungStand; }
    TKontext& Kontext() { return SitzungStand.Kontext(); }
    TProjekt& Projekt() { return SitzungStand.Projekt(); }
    TGrafikSpeicher& Grafik() { return SitzungStand.Grafik(); }
    TLaufSteuerung& Steuerung() { return *Lauf; }
    TForm3& Form3() { return *Start; }
    TForm2& Form2() { return *Eingabe; }
    TForm1& Form1() { return *Ergebnis; }
    TForm4& Form4() { return *Info; }
    // made when first opened from the input window; closed and gone with its project
    TVariantenFenster& Variantenvergleich();
    bool HatVariantenvergleich() const { return Varianten != nullptr; }

    // The values of a variant for the input window, when they come from the project that is open.
    // False (and nothing changed) for a variant of a project closed since.
    bool VarianteUebernehmen(const TRegisterParameter& p, int boden, std::uint64_t projektNummer);

    // Ends the program the way "Beenden" does (unsaved changes are saved or dropped first, or
    // the restart is cancelled: false) and keeps the call that starts it again with the
    // project's file.
    bool Neustarten();
    // The call to make once the event loop has ended; empty unless a restart was asked for.
    const std::optional<TNeustartAufruf>& Neustart() const { return NeustartAufruf; }
    // A project named on the command line: shown in the input window, the start window stays
    // hidden. False (with the fault shown) when the file cannot be loaded.
    bool ProjektBeimStartOeffnen(const QString& datei);

private:
    void Verbinden();
    void Berechnen(bool januarDanach);
    void ProjektGewechselt();

    TSitzung SitzungStand;
    std::unique_ptr<TLaufSteuerung> Lauf;
    std::unique_ptr<TForm3> Start;
    std::unique_ptr<TForm2> Eingabe;
    std::unique_ptr<TForm1> Ergebnis;
    std::unique_ptr<TForm4> Info;
    std::optional<TNeustartAufruf> NeustartAufruf;
    // last: destroyed first, its running study stopped while the other windows still exist
    std::unique_ptr<TVariantenFenster> Varianten;
};

} // namespace kov
