#include "ground/simd_pfad.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace kov {
namespace {

constexpr TSimdAusstattung Alle = {true, true, true, true};
constexpr TSimdAusstattung OhneAvx512 = {true, true, true, false};
constexpr TSimdAusstattung NurSkalar = {true, false, false, false};

TEST(SimdPfad, ValuesOfKovSimdChooseOrRefuse) {
    struct TFall {
        const char* Wert;
        TSimdAusstattung Ausstattung;
        TSimdPfad Pfad;
        const char* Meldung; // empty: accepted
    };
    const TFall faelle[] = {
        {nullptr, Alle, TSimdPfad::Avx512, ""},
        {"", OhneAvx512, TSimdPfad::Avx2, ""},
        {nullptr, NurSkalar, TSimdPfad::Skalar, ""},
        {"skalar", Alle, TSimdPfad::Skalar, ""},
        {"sse2", OhneAvx512, TSimdPfad::Sse2, ""},
        {"avx2", Alle, TSimdPfad::Avx2, ""},
        {"avx512", Alle, TSimdPfad::Avx512, ""},
        {"avx512", OhneAvx512, TSimdPfad::Skalar,
         "KOV_SIMD=avx512: dieser Prozessor kann den Pfad avx512 nicht ausführen; möglich sind "
         "skalar, sse2, avx2."},
        {"sse2", NurSkalar, TSimdPfad::Skalar,
         "KOV_SIMD=sse2: dieser Prozessor kann den Pfad sse2 nicht ausführen; möglich sind "
         "skalar."},
        {"AVX2", Alle, TSimdPfad::Skalar,
         "KOV_SIMD=AVX2 ist kein bekannter Rechenpfad; möglich sind skalar, sse2, avx2, avx512."},
        {"avx2 ", Alle, TSimdPfad::Skalar,
         "KOV_SIMD=avx2  ist kein bekannter Rechenpfad; möglich sind skalar, sse2, avx2, "
         "avx512."},
    };
    for (const TFall& f : faelle) {
        const std::string fall = f.Wert == nullptr ? "(nicht gesetzt)" : f.Wert;
        if (*f.Meldung == '\0') {
            EXPECT_EQ(SimdPfadWaehlen(f.Wert, f.Ausstattung), f.Pfad) << fall;
            continue;
        }
        try {
            SimdPfadWaehlen(f.Wert, f.Ausstattung);
            ADD_FAILURE() << fall << ": accepted";
        } catch (const TParameterFehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()), f.Meldung) << fall;
        }
    }
}

TEST(SimdPfad, LargeGridsLeaveAvx512ForAvx2UnlessForced) {
    struct TFall {
        TSimdPfad Pfad;
        bool Erzwungen;
        TSimdAusstattung Ausstattung;
        int N;
        TSimdPfad Erwartet;
    };
    const TFall faelle[] = {
        {TSimdPfad::Avx512, false, Alle, 6, TSimdPfad::Avx512},
        {TSimdPfad::Avx512, false, Alle, 8, TSimdPfad::Avx512}, // one full vector
        {TSimdPfad::Avx512, false, Alle, 9, TSimdPfad::Avx2},
        {TSimdPfad::Avx512, false, Alle, 10, TSimdPfad::Avx2},
        {TSimdPfad::Avx512, true, Alle, 10, TSimdPfad::Avx512}, // KOV_SIMD=avx512 stays
        {TSimdPfad::Avx512, false, {true, true, false, true}, 10, TSimdPfad::Avx512},
        {TSimdPfad::Avx2, false, Alle, 10, TSimdPfad::Avx2},
        {TSimdPfad::Sse2, true, Alle, 10, TSimdPfad::Sse2},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(SimdPfadFuerGitter(f.Pfad, f.Erzwungen, f.Ausstattung, f.N), f.Erwartet)
            << SimdPfadName(f.Pfad) << (f.Erzwungen ? " erzwungen" : "") << " n=" << f.N;
}

TEST(SimdPfad, TheProcessorOffersAtLeastTheBaseline) {
    const TSimdAusstattung a = SimdAusstattungDesProzessors();
    EXPECT_TRUE(a[static_cast<int>(TSimdPfad::Skalar)]);
#if defined(__x86_64__)
    EXPECT_TRUE(a[static_cast<int>(TSimdPfad::Sse2)]) << "every x86-64 has SSE2";
#endif
    // the process path is one the processor has
    EXPECT_TRUE(a[static_cast<int>(SimdPfadDesProzesses())]);
}

// A refused KOV_SIMD is a refused parameter set: kov-run names it and writes no file at all.
TEST(SimdPfad, KovRunRefusesAnUnknownPathBeforeAnyFile) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::create_directory("lauf");
    const std::string programm = KOV_RUN_PFAD;
    const int roh =
        std::system(("KOV_SIMD=avx1024 " + programm + " -C lauf >aus.txt 2>fehler.txt").c_str());
    ASSERT_TRUE(WIFEXITED(roh));
    EXPECT_EQ(WEXITSTATUS(roh), 2);
    const TSimdAusstattung a = SimdAusstattungDesProzessors();
    EXPECT_EQ(test::DateiInhalt("fehler.txt"),
              "kov-run: Parametersatz abgelehnt, nichts berechnet:\n"
              "  KOV_SIMD=avx1024 ist kein bekannter Rechenpfad; möglich sind skalar" +
                  std::string(a[1] ? ", sse2" : "") + (a[2] ? ", avx2" : "") +
                  (a[3] ? ", avx512" : "") + ".\n");
    EXPECT_EQ(test::DateiInhalt("aus.txt"), "");
    EXPECT_TRUE(std::filesystem::is_empty("lauf")) << "no report, no scratch file";
}

} // namespace
} // namespace kov
