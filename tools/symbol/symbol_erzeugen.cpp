// Writes the program's icon in every size into a folder. Rebuild it after changing the drawing:
//   cmake --build build --target symbol_erzeugen && build/tools/symbol/symbol_erzeugen
//   src/ui/bilder
// The files are named kov_<size>.png.
#include "symbol/symbol_zeichnen.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: symbol_erzeugen ZIELORDNER\n");
        return 2;
    }
    // drawing needs no screen
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication anwendung(argc, argv);
    for (const int groesse : kov::SymbolGroessen) {
        const QString datei =
            QStringLiteral("%1/kov_%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(groesse);
        if (!kov::SymbolZeichnen(groesse).save(datei, "PNG")) {
            std::fprintf(stderr, "%s konnte nicht geschrieben werden\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
