#include "ground/erd_gitter.h"
#include "ground/erd_scheibe.h"
#include "ground/simd_pfad.h"
#include "model/fehler.h"
#include "register/luftseite.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace kov {
namespace {

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

class ErdScheibe : public ::testing::Test {
protected:
    void SetUp() override { StandardwerteSetzen(*k); }
    void Aufbauen() {
        k->Werte.Zellenlaenge = k->Parameter.Rohrlaenge / k->Parameter.AnzahlGitter;
        k->Werte.StartTemperatur = 2.913;
        k->Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(k->Parameter);
        ErdGitterAufbauen(*k, k->Erde, 1800.0);
    }
    int n() const { return k->Parameter.AnzahlGitter; }
    // Every node of all three grids drawn from -10..30 °C.
    void ZufallsFeld(unsigned saat) {
        std::mt19937 zufall(saat);
        std::uniform_real_distribution<double> temperatur(-10.0, 30.0);
        for (auto* gitter : Gitter())
            for (auto& zeile : *gitter)
                for (double& t : zeile)
                    t = temperatur(zufall);
    }
    std::array<TErdGitter*, 3> Gitter() {
        return {&k->Erde.GitterErde, &k->Erde.GitterAdiabat, &k->Erde.GitterKeller};
    }
    std::unique_ptr<TKontext> k = test::NeuerKontext();
    TErdZustand& e = k->Erde;
};

const char* SektorName(int s) {
    return s == 0 ? "Erde" : s == 1 ? "Adiabat" : "Keller";
}

// Heat stored in row a of a sector above 0 °C, J.
double Waermeinhalt(const TErdGitter& T, const TGitterZeile& C, int n, int a) {
    double summe = 0.0;
    for (int i = 1; i <= n; ++i)
        summe += C[i] * T[a][i];
    return summe;
}

TEST_F(ErdScheibe, WorkedStepOfTheEarthSector) {
    Aufbauen();
    e.GitterErde[2].fill(10.0);
    e.GitterErde[2][0] = 0.0;
    ErdScheibeRechnen(e, 6, true, 2);
    const double erwartet[7] = {0.0, -6.1908, 6.1943, 9.6997, 9.9928, 9.99995, 10.0000};
    const double toleranz[7] = {0.0, 5e-5, 5e-5, 5e-5, 5e-5, 5e-6, 5e-5};
    for (int i = 1; i <= 6; ++i)
        EXPECT_NEAR(e.GitterErde[2][i], erwartet[i], toleranz[i]) << "Knoten " << i;
    EXPECT_EQ(e.GitterErde[2][0], 0.0);
    EXPECT_EQ(e.GitterErde[2][7], 10.0);
}

TEST_F(ErdScheibe, UniformRowStaysUniformInEverySectorAndMatrixPair) {
    for (int gitterzahl : {3, 6, 10}) {
        for (double alpha : {0.0, 5.0}) {
            for (double kWert : {0.0, 0.4}) {
                k->Parameter.AnzahlGitter = gitterzahl;
                k->Parameter.AlphaStillstand = alpha;
                k->Parameter.KWertKeller = kWert;
                Aufbauen();
                for (bool betrieb : {true, false}) {
                    for (auto* gitter : Gitter())
                        (*gitter)[gitterzahl].fill(-7.25);
                    ErdScheibeRechnen(e, gitterzahl, betrieb, gitterzahl);
                    for (int s = 0; s < 3; ++s)
                        for (int i = 0; i <= gitterzahl + 1; ++i)
                            EXPECT_NEAR((*Gitter()[s])[gitterzahl][i], -7.25, 1e-12)
                                << "n " << gitterzahl << " alpha " << alpha << " k " << kWert
                                << (betrieb ? " Betrieb " : " Stillstand ") << SektorName(s)
                                << " Knoten " << i;
                }
            }
        }
    }
}

TEST_F(ErdScheibe, OnlyTheInnerNodesOfRowAChange) {
    Aufbauen();
    for (bool betrieb : {true, false}) {
        for (int a = 1; a <= 6; ++a) {
            ZufallsFeld(static_cast<unsigned>(a));
            const auto vorher = std::make_unique<TErdZustand>(e);
            ErdScheibeRechnen(e, 6, betrieb, a);
            const TErdGitter* nachher[3] = {&e.GitterErde, &e.GitterAdiabat, &e.GitterKeller};
            const TErdGitter* alt[3] = {&vorher->GitterErde, &vorher->GitterAdiabat,
                                        &vorher->GitterKeller};
            for (int s = 0; s < 3; ++s) {
                for (int zeile = 0; zeile < 12; ++zeile) {
                    for (int i = 0; i < 12; ++i) {
                        const bool innen = zeile == a && i >= 1 && i <= 6;
                        if (innen) {
                            EXPECT_NE((*nachher[s])[zeile][i], (*alt[s])[zeile][i])
                                << SektorName(s) << " a " << a << " Knoten " << i;
                        } else {
                            EXPECT_EQ(Bits((*nachher[s])[zeile][i]), Bits((*alt[s])[zeile][i]))
                                << SektorName(s) << " a " << a << " [" << zeile << "][" << i << "]";
                        }
                    }
                }
            }
        }
    }
}

TEST_F(ErdScheibe, DecoupledNodesHaveNoInfluence) {
    Aufbauen(); // AlphaStillstand 0: the standing wall is cut off from the surface node
    ZufallsFeld(21);
    const auto ausgang = std::make_unique<TErdZustand>(e);

    // the adiabatic sector's boundary node, running and standing
    for (bool betrieb : {true, false}) {
        e = *ausgang;
        ErdScheibeRechnen(e, 6, betrieb, 4);
        const TGitterZeile bezug = e.GitterAdiabat[4];
        e = *ausgang;
        e.GitterAdiabat[4][7] += 1000.0;
        ErdScheibeRechnen(e, 6, betrieb, 4);
        for (int i = 1; i <= 6; ++i)
            EXPECT_EQ(Bits(e.GitterAdiabat[4][i]), Bits(bezug[i]))
                << (betrieb ? "Betrieb" : "Stillstand") << " Knoten " << i;
    }

    // the surface node of every sector while the register stands
    e = *ausgang;
    ErdScheibeRechnen(e, 6, false, 4);
    const auto bezug = std::make_unique<TErdZustand>(e);
    e = *ausgang;
    for (auto* gitter : Gitter())
        (*gitter)[4][0] -= 1000.0;
    ErdScheibeRechnen(e, 6, false, 4);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Bits(e.GitterErde[4][i]), Bits(bezug->GitterErde[4][i])) << "Erde " << i;
        EXPECT_EQ(Bits(e.GitterAdiabat[4][i]), Bits(bezug->GitterAdiabat[4][i])) << "Adiabat " << i;
        EXPECT_EQ(Bits(e.GitterKeller[4][i]), Bits(bezug->GitterKeller[4][i])) << "Keller " << i;
    }
}

TEST_F(ErdScheibe, StandingAdiabaticSectorKeepsItsHeat) {
    for (int gitterzahl : {3, 6, 10}) {
        k->Parameter.AnzahlGitter = gitterzahl;
        k->Parameter.AlphaStillstand = 0.01;
        Aufbauen();
        ZufallsFeld(static_cast<unsigned>(gitterzahl));
        const double anfang = Waermeinhalt(e.GitterAdiabat, e.KapazitaetErde, gitterzahl, 1);
        for (int schritt = 0; schritt < 20000; ++schritt)
            ErdScheibeRechnen(e, gitterzahl, false, 1);
        const double ende = Waermeinhalt(e.GitterAdiabat, e.KapazitaetErde, gitterzahl, 1);
        double kapazitaet = 0.0;
        for (int i = 1; i <= gitterzahl; ++i)
            kapazitaet += e.KapazitaetErde[i];
        // a drift of 1e-9 K in the mean temperature would already show
        EXPECT_NEAR(ende, anfang, kapazitaet * 1e-9) << "n " << gitterzahl;
        // and after a year the column has evened out at its mean temperature
        for (int i = 1; i <= gitterzahl; ++i)
            EXPECT_NEAR(e.GitterAdiabat[1][i], anfang / kapazitaet, 1e-6)
                << "n " << gitterzahl << " Knoten " << i;
    }
}

TEST_F(ErdScheibe, LongRelaxationReachesTheHeldBoundary) {
    for (int gitterzahl : {3, 6, 10}) {
        k->Parameter.AnzahlGitter = gitterzahl;
        Aufbauen();
        for (int a = 1; a <= gitterzahl; ++a) {
            e.GitterErde[a].fill(0.0);
            e.GitterKeller[a].fill(0.0);
            e.GitterErde[a][gitterzahl + 1] = 10.0;
            e.GitterKeller[a][gitterzahl + 1] = 15.0;
        }
        // two years standing, the wall cut off from the surface: only the outer boundary acts
        for (int schritt = 0; schritt < 2 * 8760 * 2; ++schritt)
            ErdScheibeRechnen(e, gitterzahl, false, 1);
        for (int i = 1; i <= gitterzahl; ++i) {
            EXPECT_NEAR(e.GitterErde[1][i], 10.0, 1e-6) << "Erde n " << gitterzahl << " " << i;
            EXPECT_NEAR(e.GitterKeller[1][i], 15.0, 1e-3) << "Keller n " << gitterzahl << " " << i;
        }
        EXPECT_EQ(e.GitterErde[1][0], 0.0);
        EXPECT_EQ(e.GitterErde[2][3], 0.0) << "other rows untouched";

        // running with the surface held at the boundary temperature the wall follows too
        e.GitterErde[2].fill(0.0);
        e.GitterErde[2][0] = e.GitterErde[2][gitterzahl + 1] = 10.0;
        for (int schritt = 0; schritt < 2 * 8760 * 2; ++schritt)
            ErdScheibeRechnen(e, gitterzahl, true, 2);
        for (int i = 1; i <= gitterzahl; ++i)
            EXPECT_NEAR(e.GitterErde[2][i], 10.0, 1e-9) << "Betrieb n " << gitterzahl << " " << i;
    }
}

// Crank-Nicolson balance of every column over many sub-steps with the air side writing the
// surface nodes: the heat entering across the outer boundary equals the change of stored heat
// plus the heat leaving through the inner surface towards the air. The step holds the surface
// and boundary nodes, so the flux of a step is taken with the mean of the old and the new
// temperature of the adjacent node.
TEST_F(ErdScheibe, HeatBalanceOfTheColumnsWithTheAirPass) {
    TRegisterParameter& p = k->Parameter;
    p.AnteilAdiabat = 0.3;
    p.AnteilKeller = 0.2;
    AnteilErdeBerechnen(p);
    p.AlphaStillstand = 2.0;
    Aufbauen();
    const int N = n();
    const double dt = 1800.0;
    for (int a = 1; a <= N; ++a) {
        e.GitterErde[a][N + 1] = 9.0;
        e.GitterKeller[a][N + 1] = 16.0;
    }
    const double alpha = Waermeuebergang(k->Werte.Stroemungsgeschwindigkeit, p.DRohr,
                                         p.ViskositaetLuft, p.RhoLuft, p.CpLuft, p.LambdaLuft, 1.0);
    const double K = 2 * 3.14159 * (p.DRohr / 2) * k->Werte.Zellenlaenge * alpha;

    struct TSektor {
        TErdGitter* T;
        const TGitterZeile* C;
        double gInnen[2]; // running, standing
        double gAussen;
    };
    const TSektor sektoren[3] = {
        {&e.GitterErde,
         &e.KapazitaetErde,
         {e.LeitwertWand, e.LeitwertStillstand},
         e.LeitwertErde[N + 1]},
        {&e.GitterAdiabat, &e.KapazitaetErde, {e.LeitwertWand, e.LeitwertStillstand}, 0.0},
        {&e.GitterKeller,
         &e.KapazitaetKeller,
         {e.LeitwertWand, e.LeitwertStillstand},
         e.LeitwertKeller[N + 1]},
    };
    double anfang[3] = {}, zustrom[3] = {}, anLuft[3] = {}, umsatz[3] = {};
    for (int s = 0; s < 3; ++s)
        for (int a = 1; a <= N; ++a)
            anfang[s] += Waermeinhalt(*sektoren[s].T, *sektoren[s].C, N, a);

    for (int schritt = 0; schritt < 6000; ++schritt) {
        const double stunde = schritt / 2.0;
        const bool betrieb = static_cast<int>(stunde) % 24 < 16;
        const double tEin = 5.0 + 12.0 * std::sin(stunde * 6.28318 / 24.0);
        if (betrieb) LuftDurchlauf(p, e, K, 1.0, tEin);
        for (int a = 1; a <= N; ++a) {
            TGitterZeile alt[3];
            for (int s = 0; s < 3; ++s)
                alt[s] = (*sektoren[s].T)[a];
            ErdScheibeRechnen(e, N, betrieb, a);
            for (int s = 0; s < 3; ++s) {
                const TGitterZeile& neu = (*sektoren[s].T)[a];
                const double gInnen = sektoren[s].gInnen[betrieb ? 0 : 1];
                const double aussen =
                    dt * sektoren[s].gAussen * (neu[N + 1] - (alt[s][N] + neu[N]) / 2);
                const double innen = dt * gInnen * ((alt[s][1] + neu[1]) / 2 - neu[0]);
                zustrom[s] += aussen;
                anLuft[s] += innen;
                umsatz[s] += std::fabs(aussen) + std::fabs(innen);
            }
        }
    }
    for (int s = 0; s < 3; ++s) {
        double ende = 0.0;
        for (int a = 1; a <= N; ++a)
            ende += Waermeinhalt(*sektoren[s].T, *sektoren[s].C, N, a);
        EXPECT_NEAR(zustrom[s], ende - anfang[s] + anLuft[s], umsatz[s] * 1e-11)
            << SektorName(s) << ": Zustrom " << zustrom[s] << " J, Speicher " << ende - anfang[s]
            << " J, an die Luft " << anLuft[s] << " J";
        EXPECT_GT(umsatz[s], 1e8) << SektorName(s) << ": the balance must see real flows";
    }
    EXPECT_EQ(zustrom[1], 0.0);
}

// The real step matrices of a run, the running and the standing ones, with the air pass writing
// the surface nodes between the steps: after 400 sub-steps every vector path has left all three
// grids, every row and every node, bit for bit as the scalar path has.
TEST_F(ErdScheibe, EveryPathAdvancesTheGridsToTheBitsOfTheScalarPath) {
    TRegisterParameter& p = k->Parameter;
    struct TFall {
        const char* Name;
        int Gitter;
        double AnteilAdiabat, AnteilKeller, AlphaStillstand;
    };
    const TFall faelle[] = {
        {"Standard", 6, p.AnteilAdiabat, p.AnteilKeller, p.AlphaStillstand},
        {"drei Sektoren", 6, 0.3, 0.2, 2.0},
        {"kleinstes Gitter", 3, 0.3, 0.2, 0.0},
        {"groesstes Gitter", 10, 0.3, 0.2, 5.0},
        {"acht Ringe", 8, 0.5, 0.3, 0.0},
    };
    const TSimdAusstattung ausstattung = SimdAusstattungDesProzessors();
    for (const TFall& f : faelle) {
        p.AnzahlGitter = f.Gitter;
        p.AnteilAdiabat = f.AnteilAdiabat;
        p.AnteilKeller = f.AnteilKeller;
        AnteilErdeBerechnen(p);
        p.AlphaStillstand = f.AlphaStillstand;
        Aufbauen();
        ZufallsFeld(static_cast<unsigned>(f.Gitter));
        const double K = 2 * 3.14159 * (p.DRohr / 2) * k->Werte.Zellenlaenge *
                         Waermeuebergang(k->Werte.Stroemungsgeschwindigkeit, p.DRohr,
                                         p.ViskositaetLuft, p.RhoLuft, p.CpLuft, p.LambdaLuft, 1.0);
        auto rechnen = [&](TErdZustand& z) {
            for (int schritt = 0; schritt < 400; ++schritt) {
                const bool betrieb = schritt % 7 < 5;
                if (betrieb) LuftDurchlauf(p, z, K, 1.0, -8.0 + 0.05 * schritt);
                for (int a = 1; a <= f.Gitter; ++a)
                    ErdScheibeRechnen(z, f.Gitter, betrieb, a);
            }
        };
        const auto bezug = std::make_unique<TErdZustand>(e);
        bezug->Pfad = TSimdPfad::Skalar;
        rechnen(*bezug);
        for (TSimdPfad pfad : AlleSimdPfade) {
            if (pfad == TSimdPfad::Skalar || !ausstattung[static_cast<int>(pfad)]) continue;
            const auto probe = std::make_unique<TErdZustand>(e);
            probe->Pfad = pfad;
            rechnen(*probe);
            EXPECT_EQ(std::memcmp(&probe->GitterErde, &bezug->GitterErde, sizeof(TErdGitter)), 0)
                << f.Name << " " << SimdPfadName(pfad) << " Erde";
            EXPECT_EQ(std::memcmp(&probe->GitterAdiabat, &bezug->GitterAdiabat, sizeof(TErdGitter)),
                      0)
                << f.Name << " " << SimdPfadName(pfad) << " Adiabat";
            EXPECT_EQ(std::memcmp(&probe->GitterKeller, &bezug->GitterKeller, sizeof(TErdGitter)),
                      0)
                << f.Name << " " << SimdPfadName(pfad) << " Keller";
        }
        // and the columns really moved: a path that did nothing would fail above, not here
        EXPECT_NE(bezug->GitterErde[1][1], e.GitterErde[1][1]) << f.Name;
    }
}

TEST_F(ErdScheibe, SetUpTakesThePathOfTheProcessForItsGrid) {
    e.Pfad = TSimdPfad::Skalar;
    Aufbauen();
    EXPECT_EQ(e.Pfad, SimdPfadDesProzessesFuerGitter(n()));
}

TEST_F(ErdScheibe, IndicesOutsideTheGridAreRefused) {
    Aufbauen();
    ZufallsFeld(2);
    const auto vorher = std::make_unique<TErdZustand>(e);
    struct TFall {
        int n, a;
    };
    for (const TFall& f : {TFall{6, 0}, TFall{6, 7}, TFall{6, -1}, TFall{6, 12}, TFall{2, 1},
                           TFall{11, 1}, TFall{0, 0}, TFall{3, 4}}) {
        EXPECT_THROW(ErdScheibeRechnen(e, f.n, true, f.a), TParameterFehler)
            << "n " << f.n << " a " << f.a;
        EXPECT_EQ(std::memcmp(vorher.get(), &e, sizeof(TErdZustand)), 0)
            << "n " << f.n << " a " << f.a;
    }
}

} // namespace
} // namespace kov
