#pragma once
// The input window (KOV - Eingaben). (Scaffold: filled in by the window's own change.)

#include <QWidget>

namespace kov {

class TAnwendung;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TAnwendung& anwendung);

private:
    TAnwendung& Anwendung;
};

} // namespace kov
