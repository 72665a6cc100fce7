#pragma once
// Everything the program holds for its life: the simulation context, the chart storage and
// the four windows, created in the start-up order (chart storage, start, input, chart, info).

#include "register/kontext.h"

#include <QIcon>
#include <QImage>

#include <memory>

namespace kov {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The program's icon in every size it is stored in.
QIcon ProgrammSymbol();

// Off-screen chart storage, made once before any window and reused for every chart.
struct TGrafikSpeicher {
    double Massstab = 0.8;
    QImage Bild; // 790 x 550 logical page at Massstab: 632 x 440 pixels, initially white
    TGrafikSpeicher();
};

class TAnwendung {
public:
    TAnwendung();
    ~TAnwendung();
    TAnwendung(const TAnwendung&) = delete;
    TAnwendung& operator=(const TAnwendung&) = delete;

    TKontext& Kontext() { return *KontextSpeicher; }
    TGrafikSpeicher& Grafik() { return GrafikSpeicher; }
    TForm3& Form3() { return *Start; }
    TForm2& Form2() { return *Eingabe; }
    TForm1& Form1() { return *Ergebnis; }
    TForm4& Form4() { return *Info; }

private:
    std::unique_ptr<TKontext> KontextSpeicher;
    TGrafikSpeicher GrafikSpeicher;
    std::unique_ptr<TForm3> Start;
    std::unique_ptr<TForm2> Eingabe;
    std::unique_ptr<TForm1> Ergebnis;
    std::unique_ptr<TForm4> Info;
};

} // namespace kov
