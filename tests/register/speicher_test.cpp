// The hour loop must not allocate: every operator new of the test program is counted while a
// month of hours is simulated.
#include "ablauf/simulation.h"
#include "model/kalender.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Anforderungen{0};
}

void* operator new(std::size_t groesse) {
    ++Anforderungen;
    if (void* p = std::malloc(groesse == 0 ? 1 : groesse)) return p;
    throw std::bad_alloc();
}
// the replacements of the operator new above: free() matches its malloc()
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace kov {
namespace {

TEST(Speicher, SimulatedHoursAllocateNothing) {
    test::TArbeitsVerzeichnis ort;
    struct Fall {
        const char* name;
        int gitter, subSchritte;
        bool fahrplan;
    } faelle[] = {{"Standard", 6, 2, false},
                  {"n=10, 20 Sub-Schritte", 10, 20, false},
                  {"mit Fahrplan", 3, 1, true}};
    for (const Fall& f : faelle) {
        auto k = test::NeuerKontext();
        StandardwerteSetzen(*k);
        k->Parameter.AnzahlGitter = f.gitter;
        k->Parameter.AnzahlSubSchritte = f.subSchritte;
        k->Parameter.Heizgrenze = 5;
        k->Parameter.Kuehlgrenze = 20;
        if (f.fahrplan) {
            test::DateiSchreiben("wplaufz1.txt", "1\r\n0.5\r\n0\r\n");
            k->Parameter.FahrplanGelesen = true;
        }
        const TLaufDaten daten = LaufDatenSammeln(k->Parameter, {});
        LaufVorbereiten(daten.Parameter, *daten.Wetter, daten.Fahrplan.get(), *k);
        const long vorher = Anforderungen.load();
        ASSERT_GT(vorher, 0) << "the counting operator new is not in use";
        for (int m = 1; m <= 12; ++m)
            SimuliereStunden(*k, ErsteStundeImMonat(m), LetzteStundeImMonat(m), 1);
        EXPECT_EQ(Anforderungen.load() - vorher, 0) << f.name;
    }
}

} // namespace
} // namespace kov
