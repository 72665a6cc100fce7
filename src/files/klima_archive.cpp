// The archives of the built-in climates, N.klima as the build unpacked daten/klima/N.zip, byte
// for byte in the program's read-only data, so that a run needs no file beside the program. The
// build names the folder (KOV_KLIMA_ORDNER) and rebuilds this file when an archive changes.

#include "files/klima_archive.h"

#ifndef KOV_KLIMA_ORDNER
#error "KOV_KLIMA_ORDNER must name the folder of the climate archives"
#endif

#define KOV_KLIMA_ARCHIV(n)                                                                        \
    asm(".pushsection .rodata,\"a\"\n"                                                             \
        ".balign 16\n"                                                                             \
        "kov_klima_archiv_" #n ":\n"                                                               \
        ".incbin \"" KOV_KLIMA_ORDNER "/" #n ".klima\"\n"                                          \
        "kov_klima_archiv_" #n "_ende:\n"                                                          \
        ".popsection\n");                                                                          \
    extern "C" const unsigned char kov_klima_archiv_##n[];                                         \
    extern "C" const unsigned char kov_klima_archiv_##n##_ende[];

KOV_KLIMA_ARCHIV(1)
KOV_KLIMA_ARCHIV(2)
KOV_KLIMA_ARCHIV(3)
KOV_KLIMA_ARCHIV(4)
KOV_KLIMA_ARCHIV(5)
KOV_KLIMA_ARCHIV(6)
KOV_KLIMA_ARCHIV(7)
KOV_KLIMA_ARCHIV(8)
KOV_KLIMA_ARCHIV(9)
KOV_KLIMA_ARCHIV(10)
KOV_KLIMA_ARCHIV(11)
KOV_KLIMA_ARCHIV(12)
KOV_KLIMA_ARCHIV(13)
KOV_KLIMA_ARCHIV(14)
KOV_KLIMA_ARCHIV(15)

namespace kov {

std::span<const unsigned char> KlimaArchiv(int region) {
#define KOV_KLIMA_FALL(n)                                                                          \
    case n:                                                                                        \
        return {kov_klima_archiv_##n, kov_klima_archiv_##n##_ende};
    switch (region) {
        KOV_KLIMA_FALL(1)
        KOV_KLIMA_FALL(2)
        KOV_KLIMA_FALL(3)
        KOV_KLIMA_FALL(4)
        KOV_KLIMA_FALL(5)
        KOV_KLIMA_FALL(6)
        KOV_KLIMA_FALL(7)
        KOV_KLIMA_FALL(8)
        KOV_KLIMA_FALL(9)
        KOV_KLIMA_FALL(10)
        KOV_KLIMA_FALL(11)
        KOV_KLIMA_FALL(12)
        KOV_KLIMA_FALL(13)
        KOV_KLIMA_FALL(14)
        KOV_KLIMA_FALL(15)
    default:
        return {};
    }
#undef KOV_KLIMA_FALL
}

} // namespace kov
