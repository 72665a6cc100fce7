// Writes the start window's picture. Rebuild it after changing the drawing:
//   cmake --build build --target startbild_erzeugen && build/tools/startbild/startbild_erzeugen
//   src/ui/bilder/baustelle.jpg
#include "startbild/startbild_zeichnen.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: startbild_erzeugen ZIELDATEI.jpg\n");
        return 2;
    }
    const std::vector<std::uint8_t> jpeg = kov::JpegKodieren(kov::StartbildZeichnen(), 90);
    std::ofstream aus(argv[1], std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(jpeg.data()),
              static_cast<std::streamsize>(jpeg.size()));
    aus.close();
    if (jpeg.empty() || !aus) {
        std::fprintf(stderr, "%s konnte nicht geschrieben werden\n", argv[1]);
        return 1;
    }
    return 0;
}
