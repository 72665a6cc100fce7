#pragma once
// The start window. (Scaffold: filled in by the window's own change.)

#include <QWidget>

namespace kov {

class TAnwendung;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(TAnwendung& anwendung);

private:
    TAnwendung& Anwendung;
};

} // namespace kov
