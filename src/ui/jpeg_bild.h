#pragma once
// Decoding of JPEG data with libjpeg into a QImage.

#include <QImage>

#include <cstddef>

namespace kov {

// The picture as 24-bit RGB (grey pictures are widened to RGB). Data that libjpeg cannot decode
// completely (not a JPEG, truncated, corrupt, unsupported colour model, or more than 256 MiB of
// pixels) gives a null image; libjpeg never ends the program.
QImage JpegBildLesen(const unsigned char* daten, std::size_t laenge);

} // namespace kov
