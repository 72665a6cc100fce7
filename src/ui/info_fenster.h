#pragma once
// The info window. (Scaffold: filled in by the window's own change.)

#include <QWidget>

namespace kov {

class TAnwendung;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(TAnwendung& anwendung);

private:
    TAnwendung& Anwendung;
};

} // namespace kov
