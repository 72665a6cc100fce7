#pragma once
// Everything the program holds for its life: the simulation context, the chart storage and
// the four windows, created in the start-up order (chart storage, start, input, chart, info).

#include "files/wetter_info.h"
#include "register/kontext.h"

#include <QIcon>
#include <QImage>

#include <memory>
#include <string>

namespace kov {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TVariantenFenster;

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
};

class TAnwendung {
public:
    TAnwendung();
    ~TAnwendung();
    TAnwendung(const TAnwendung&) = delete;
    TAnwendung& operator=(const TAnwendung&) = delete;

    TKontext& Kontext() { return *KontextSpeicher; }
    TProjekt& Projekt() { return ProjektStand; }
    TGrafikSpeicher& Grafik() { return GrafikSpeicher; }
    TForm3& Form3() { return *Start; }
    TForm2& Form2() { return *Eingabe; }
    TForm1& Form1() { return *Ergebnis; }
    TForm4& Form4() { return *Info; }
    // made when first opened from the input window
    TVariantenFenster& Variantenvergleich();

private:
    std::unique_ptr<TKontext> KontextSpeicher;
    TProjekt ProjektStand;
    TGrafikSpeicher GrafikSpeicher;
    std::unique_ptr<TForm3> Start;
    std::unique_ptr<TForm2> Eingabe;
    std::unique_ptr<TForm1> Ergebnis;
    std::unique_ptr<TForm4> Info;
    // last: destroyed first, its running study stopped while the other windows still exist
    std::unique_ptr<TVariantenFenster> Varianten;
};

} // namespace kov
