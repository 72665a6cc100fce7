#include "ui/anwendung.h"

#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/info_fenster.h"
#include "ui/start_fenster.h"
#include "ui/varianten_fenster.h"

#include <cmath>

namespace kov {

QIcon ProgrammSymbol() {
    QIcon symbol;
    for (const int groesse : {16, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/bilder/kov_%1.png").arg(groesse), QSize(groesse, groesse));
    return symbol;
}

TGrafikSpeicher::TGrafikSpeicher()
    : Bild(static_cast<int>(std::lround(790 * 0.8)), static_cast<int>(std::lround(550 * 0.8)),
           QImage::Format_RGB32) {
    Bild.fill(Qt::white);
}

TAnwendung::TAnwendung() : KontextSpeicher(std::make_unique<TKontext>()) {
    Start = std::make_unique<TForm3>(*this);
    Eingabe = std::make_unique<TForm2>(*this);
    Ergebnis = std::make_unique<TForm1>(*this);
    Info = std::make_unique<TForm4>(*this);
}

TAnwendung::~TAnwendung() = default;

TVariantenFenster& TAnwendung::Variantenvergleich() {
    if (!Varianten) Varianten = std::make_unique<TVariantenFenster>(*this);
    return *Varianten;
}

} // namespace kov
