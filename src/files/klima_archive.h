#pragma once
// The archives of the built-in climates as the program carries them: each region's six files,
// each as its name, its length and its text (tools/klima_packen.cpp writes them). The texts
// are kept unpacked: a year is read where it lies, faster than a file is read from the disk.

#include <span>

namespace kov {

// The bytes of region N's archive (the six test reference years of the region), empty
// for a number outside 1..15.
std::span<const unsigned char> KlimaArchiv(int region);

} // namespace kov
