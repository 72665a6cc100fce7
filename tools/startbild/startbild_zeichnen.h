#pragma once
// The start window's picture: a building site where the air pipes of an earth register are laid
// in a trench, drawn procedurally, and the JPEG encoding that turns it into the stored picture.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kov {

inline constexpr int StartbildBreite = 640;
inline constexpr int StartbildHoehe = 480;

// Rows top to bottom, three bytes (R, G, B) per pixel, no padding.
struct TRgbBild {
    int Breite = 0;
    int Hoehe = 0;
    std::vector<std::uint8_t> Pixel;
};

TRgbBild StartbildZeichnen();

// Baseline JPEG of an RGB picture (Qualitaet 1..100); Graustufen stores only the green channel.
std::vector<std::uint8_t> JpegKodieren(const TRgbBild& bild, int qualitaet,
                                       bool graustufen = false);

} // namespace kov
