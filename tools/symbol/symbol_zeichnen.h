#pragma once
// The program's icon: the cross-section of an earth register, a pipe in brown soil under a strip
// of grass and sky, with the air warming on its way through (blue in, red out). Drawn with Qt at
// each size the desktop asks for.

#include <QImage>

#include <array>

namespace kov {

inline constexpr std::array<int, 7> SymbolGroessen{16, 24, 32, 48, 64, 128, 256};

// A square picture of groesse pixels with a transparent background.
QImage SymbolZeichnen(int groesse);

} // namespace kov
