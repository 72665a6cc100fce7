#pragma once
// The instruction set the conduction step runs on. Every path forms the same sums in the same
// order, so the choice changes the speed and never a bit of the result.

#include <array>
#include <cstdint>

namespace kov {

enum class TSimdPfad : std::uint8_t {
    Skalar, // one row after the other, plain doubles; any processor
    Sse2,   // two rows side by side; every x86-64
    Avx2,   // four rows
    Avx512, // eight rows
};

constexpr int AnzahlSimdPfade = 4;
constexpr std::array<TSimdPfad, AnzahlSimdPfade> AlleSimdPfade = {
    TSimdPfad::Skalar, TSimdPfad::Sse2, TSimdPfad::Avx2, TSimdPfad::Avx512};

// Which paths a processor can run, indexed by the path.
using TSimdAusstattung = std::array<bool, AnzahlSimdPfade>;

// "skalar", "sse2", "avx2", "avx512": the values of KOV_SIMD.
const char* SimdPfadName(TSimdPfad pfad);

// The paths this build can run on this processor (for AVX the operating system must save the
// vector registers too).
TSimdAusstattung SimdAusstattungDesProzessors();

// The widest path of the equipment.
TSimdPfad BreitesterSimdPfad(const TSimdAusstattung& ausstattung);

// The path a value of KOV_SIMD asks for; null or empty gives the widest path. Throws
// TParameterFehler for an unknown name and for a path the equipment lacks.
TSimdPfad SimdPfadWaehlen(const char* wert, const TSimdAusstattung& ausstattung);

// The path of this process: KOV_SIMD and the processor are read once, at the first call, and
// the choice stays for the life of the process. Throws TParameterFehler as SimdPfadWaehlen
// does, at every call.
TSimdPfad SimdPfadDesProzesses();

// The path for a grid of n radial nodes when pfad was chosen by the processor alone (not by
// KOV_SIMD): more rows than one AVX-512 vector holds need two 8-lane vectors with most of the
// second idle, and a whole run is then faster on AVX2 (measured: n = 10, 20 sub-steps, 10
// settling years 0.65 s on AVX-512 against 0.55 s on AVX2). A forced path stays as it is.
TSimdPfad SimdPfadFuerGitter(TSimdPfad pfad, bool erzwungen, const TSimdAusstattung& ausstattung,
                             int n);

// SimdPfadFuerGitter for this process's path, KOV_SIMD and processor.
TSimdPfad SimdPfadDesProzessesFuerGitter(int n);

} // namespace kov
