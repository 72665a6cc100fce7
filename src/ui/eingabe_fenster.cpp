#include "ui/eingabe_fenster.h"

#include "ui/anwendung.h"

namespace kov {

TForm2::TForm2(TAnwendung& anwendung) : Anwendung(anwendung) {}

} // namespace kov
