#pragma once
// The zip archives of the built-in climates as the program carries them.

#include <span>

namespace kov {

// The bytes of region N's archive (N.zip: the six test reference years of the region), empty
// for a number outside 1..15.
std::span<const unsigned char> KlimaArchiv(int region);

} // namespace kov
