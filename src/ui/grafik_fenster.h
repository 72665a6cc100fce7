#pragma once
// The result chart window. (Scaffold: filled in by the window's own change.)

#include <QWidget>

namespace kov {

class TAnwendung;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TAnwendung& anwendung);

private:
    TAnwendung& Anwendung;
};

} // namespace kov
