#include "ui/start_fenster.h"

#include "ui/anwendung.h"

namespace kov {

TForm3::TForm3(TAnwendung& anwendung) : Anwendung(anwendung) {}

} // namespace kov
