#include "ui/info_fenster.h"

#include "ui/anwendung.h"

namespace kov {

TForm4::TForm4(TAnwendung& anwendung) : Anwendung(anwendung) {}

} // namespace kov
