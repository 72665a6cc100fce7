#include "ground/simd_pfad.h"

#include "model/fehler.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace kov {

namespace {

std::string VerfuegbarePfade(const TSimdAusstattung& ausstattung) {
    std::string liste;
    for (TSimdPfad pfad : AlleSimdPfade) {
        if (!ausstattung[static_cast<int>(pfad)]) continue;
        if (!liste.empty()) liste += ", ";
        liste += SimdPfadName(pfad);
    }
    return liste;
}

struct TSimdWahl {
    TSimdPfad Pfad = TSimdPfad::Skalar;
    bool Erzwungen = false; // by KOV_SIMD
    TSimdAusstattung Ausstattung{};
    std::string Fehler; // empty when the choice stands
};

TSimdWahl SimdWahlTreffen() {
    const char* wert = std::getenv("KOV_SIMD");
    const TSimdAusstattung ausstattung = SimdAusstattungDesProzessors();
    const bool erzwungen = wert != nullptr && *wert != '\0';
    try {
        return {SimdPfadWaehlen(wert, ausstattung), erzwungen, ausstattung, {}};
    } catch (const TParameterFehler& f) {
        return {TSimdPfad::Skalar, erzwungen, ausstattung, f.what()};
    }
}

const TSimdWahl& SimdWahlDesProzesses() {
    static const TSimdWahl wahl = SimdWahlTreffen();
    if (!wahl.Fehler.empty()) throw TParameterFehler(wahl.Fehler);
    return wahl;
}

} // namespace

const char* SimdPfadName(TSimdPfad pfad) {
    switch (pfad) {
    case TSimdPfad::Skalar:
        return "skalar";
    case TSimdPfad::Sse2:
        return "sse2";
    case TSimdPfad::Avx2:
        return "avx2";
    case TSimdPfad::Avx512:
        return "avx512";
    }
    return "?";
}

TSimdAusstattung SimdAusstattungDesProzessors() {
    TSimdAusstattung ausstattung{};
    ausstattung[static_cast<int>(TSimdPfad::Skalar)] = true;
#if defined(__x86_64__)
    __builtin_cpu_init();
    ausstattung[static_cast<int>(TSimdPfad::Sse2)] = true;
    ausstattung[static_cast<int>(TSimdPfad::Avx2)] = __builtin_cpu_supports("avx2");
    ausstattung[static_cast<int>(TSimdPfad::Avx512)] = __builtin_cpu_supports("avx512f");
#endif
    return ausstattung;
}

TSimdPfad BreitesterSimdPfad(const TSimdAusstattung& ausstattung) {
    TSimdPfad breitester = TSimdPfad::Skalar;
    for (TSimdPfad pfad : AlleSimdPfade)
        if (ausstattung[static_cast<int>(pfad)]) breitester = pfad;
    return breitester;
}

TSimdPfad SimdPfadWaehlen(const char* wert, const TSimdAusstattung& ausstattung) {
    if (wert == nullptr || *wert == '\0') return BreitesterSimdPfad(ausstattung);
    for (TSimdPfad pfad : AlleSimdPfade) {
        if (std::strcmp(wert, SimdPfadName(pfad)) != 0) continue;
        if (!ausstattung[static_cast<int>(pfad)])
            throw TParameterFehler("KOV_SIMD=" + std::string(wert) +
                                   ": dieser Prozessor kann den Pfad " + SimdPfadName(pfad) +
                                   " nicht ausführen; möglich sind " +
                                   VerfuegbarePfade(ausstattung) + ".");
        return pfad;
    }
    throw TParameterFehler("KOV_SIMD=" + std::string(wert) +
                           " ist kein bekannter Rechenpfad; möglich sind " +
                           VerfuegbarePfade(ausstattung) + ".");
}

TSimdPfad SimdPfadDesProzesses() {
    return SimdWahlDesProzesses().Pfad;
}

TSimdPfad SimdPfadFuerGitter(TSimdPfad pfad, bool erzwungen, const TSimdAusstattung& ausstattung,
                             int n) {
    constexpr int ZeilenJeAvx512Vektor = 8;
    if (!erzwungen && pfad == TSimdPfad::Avx512 && n > ZeilenJeAvx512Vektor &&
        ausstattung[static_cast<int>(TSimdPfad::Avx2)])
        return TSimdPfad::Avx2;
    return pfad;
}

TSimdPfad SimdPfadDesProzessesFuerGitter(int n) {
    const TSimdWahl& wahl = SimdWahlDesProzesses();
    return SimdPfadFuerGitter(wahl.Pfad, wahl.Erzwungen, wahl.Ausstattung, n);
}

} // namespace kov
