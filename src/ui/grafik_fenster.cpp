#include "ui/grafik_fenster.h"

#include "ui/anwendung.h"

namespace kov {

TForm1::TForm1(TAnwendung& anwendung) : Anwendung(anwendung) {}

} // namespace kov
