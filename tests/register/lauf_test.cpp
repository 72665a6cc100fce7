// The run as a function: the same numbers as the classic sequence, no file touched, several
// runs at once, months reported in order, cancel between hours.
#include "ablauf/simulation.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "model/parameter_katalog.h"
#include "register/kennwerte.h"
#include "register/lauf.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

namespace kov {
namespace {

bool ReiheGleich(const TStundenFeld& a, const TStundenFeld& b) {
    return std::memcmp(a.data(), b.data(), sizeof(double) * a.size()) == 0;
}

void ErgebnisGleich(const TKontext& a, const TKontext& b, const char* fall) {
    EXPECT_TRUE(ReiheGleich(a.Reihen.Tein, b.Reihen.Tein)) << fall;
    EXPECT_TRUE(ReiheGleich(a.Reihen.Taus, b.Reihen.Taus)) << fall;
    EXPECT_TRUE(ReiheGleich(a.Reihen.TMonitor, b.Reihen.TMonitor)) << fall;
    EXPECT_TRUE(ReiheGleich(a.Reihen.Betrieb, b.Reihen.Betrieb)) << fall;
    EXPECT_TRUE(ReiheGleich(a.Reihen.RelVolumenstrom, b.Reihen.RelVolumenstrom)) << fall;
    EXPECT_EQ(std::memcmp(&a.Ergebnis, &b.Ergebnis, sizeof a.Ergebnis), 0) << fall;
    EXPECT_EQ(a.Werte.Gitterfaktor, b.Werte.Gitterfaktor) << fall;
    EXPECT_EQ(a.Werte.Stroemungsgeschwindigkeit, b.Werte.Stroemungsgeschwindigkeit) << fall;
    EXPECT_EQ(a.Werte.MonitorAchsAbstand, b.Werte.MonitorAchsAbstand) << fall;
    EXPECT_EQ(a.Werte.StartTemperatur, b.Werte.StartTemperatur) << fall;
}

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

TEST(Lauf, GivesTheClassicSequencesNumbersWithoutAnyFile) {
    struct Fall {
        const char* name;
        void (*aendern)(TRegisterParameter&);
    } faelle[] = {
        {"Standard", [](TRegisterParameter&) {}},
        {"Sperrband und Keller",
         [](TRegisterParameter& p) {
             p.Heizgrenze = 5;
             p.Kuehlgrenze = 20;
             p.AnteilKeller = 0.3;
             p.AnteilAdiabat = 0.2;
             AnteilErdeBerechnen(p);
         }},
        {"n=3, ohne Einschwingen",
         [](TRegisterParameter& p) {
             p.AnzahlGitter = 3;
             p.Einschwingjahre = 0;
         }},
    };
    test::TArbeitsVerzeichnis ort;
    for (const Fall& f : faelle) {
        auto klassisch = test::NeuerKontext();
        StandardwerteSetzen(*klassisch);
        f.aendern(klassisch->Parameter);
        SimulationAusfuehren(*klassisch);

        TRegisterParameter p = Standard();
        f.aendern(p);
        auto funktion = test::NeuerKontext();
        EXPECT_EQ(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *funktion),
                  TLaufStatus::Fertig);
        ErgebnisGleich(*klassisch, *funktion, f.name);
        // the run keeps what it derives in its working values: the context's parameter set is
        // the one handed in, field for field
        for (const TKatalogEintrag& e : ParameterKatalog())
            EXPECT_TRUE(FeldGleich(funktion->Parameter, p, e)) << f.name << ": " << e.Name;
        EXPECT_GT(funktion->Werte.Gitterfaktor, 1.0) << f.name;
    }
}

TEST(Lauf, FollowsTheScheduleItIsGiven) {
    TRegisterParameter p = Standard();
    p.FahrplanGelesen = true;
    auto fahrplan = std::make_unique<TStundenFeld>();
    for (int h = 1; h <= StundenImJahr; ++h)
        (*fahrplan)[static_cast<std::size_t>(h)] = h % 24 < 8 ? 0.0 : 0.5;
    auto k = test::NeuerKontext();
    EXPECT_THROW(SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *k), TParameterFehler);
    SimulationRechnen(p, EingebautesWetterJahr(), fahrplan.get(), *k);
    for (int h = 1; h <= StundenImJahr; ++h) {
        const auto i = static_cast<std::size_t>(h);
        ASSERT_EQ(k->Reihen.Betrieb[i], (*fahrplan)[i] > 0 ? 1.0 : 0.0) << "Stunde " << h;
        ASSERT_EQ(k->Reihen.RelVolumenstrom[i], (*fahrplan)[i]) << "Stunde " << h;
    }
}

TEST(Lauf, WorksInAReadOnlyFolderAndWritesNothing) {
    test::TArbeitsVerzeichnis ort;
    std::filesystem::permissions(ort.Ort(), std::filesystem::perms::owner_read |
                                                std::filesystem::perms::owner_exec);
    auto k = test::NeuerKontext();
    EXPECT_EQ(SimulationRechnen(Standard(), EingebautesWetterJahr(), nullptr, *k),
              TLaufStatus::Fertig);
    EXPECT_GT(k->Ergebnis.Heizenergie, 0.0);
    EXPECT_TRUE(std::filesystem::is_empty(ort.Ort()));
}

TEST(Lauf, RunsAtOnceInThreadsGiveWhatTheyGiveOneAfterTheOther) {
    const TRegisterParameter a = Standard();
    TRegisterParameter b = Standard();
    b.AnzahlGitter = 8;
    b.Heizgrenze = 4;
    b.Kuehlgrenze = 19;
    auto einzelnA = test::NeuerKontext();
    auto einzelnB = test::NeuerKontext();
    SimulationRechnen(a, EingebautesWetterJahr(), nullptr, *einzelnA);
    SimulationRechnen(b, EingebautesWetterJahr(), nullptr, *einzelnB);

    std::vector<std::unique_ptr<TKontext>> kontexte;
    std::vector<std::thread> faeden;
    for (int i = 0; i < 4; ++i)
        kontexte.push_back(test::NeuerKontext());
    for (int i = 0; i < 4; ++i)
        faeden.emplace_back([&, i] {
            SimulationRechnen(i % 2 == 0 ? a : b, EingebautesWetterJahr(), nullptr, *kontexte[i]);
        });
    for (std::thread& faden : faeden)
        faden.join();
    for (int i = 0; i < 4; ++i)
        ErgebnisGleich(i % 2 == 0 ? *einzelnA : *einzelnB, *kontexte[static_cast<std::size_t>(i)],
                       i % 2 == 0 ? "a" : "b");
}

TEST(Lauf, ReportsEveryMonthAndStopsAtTheNextHourWhenCancelled) {
    std::atomic<bool> abbruch{false};
    std::vector<std::pair<int, int>> monate;
    TLaufRueckmeldung rueckmeldung;
    rueckmeldung.Abbruch = &abbruch;
    rueckmeldung.NachMonat = [&](int durchlauf, int monat, const TStundenReihen& reihen) {
        monate.emplace_back(durchlauf, monat);
        // the month just finished is in the series
        EXPECT_NE(reihen.Taus[static_cast<std::size_t>(LetzteStundeImMonat(monat))], 0.0);
        if (durchlauf == 2 && monat == 3) abbruch = true;
    };
    auto k = test::NeuerKontext();
    EXPECT_EQ(SimulationRechnen(Standard(), EingebautesWetterJahr(), nullptr, *k, rueckmeldung),
              TLaufStatus::Abgebrochen);
    ASSERT_EQ(monate.size(), 15u);
    for (std::size_t i = 0; i < monate.size(); ++i)
        EXPECT_EQ(monate[i],
                  std::make_pair(static_cast<int>(i / 12) + 1, static_cast<int>(i % 12) + 1));
    EXPECT_EQ(k->Lauf.Stunde, LetzteStundeImMonat(3));
    EXPECT_EQ(k->Lauf.Durchlauf, 2);
}

} // namespace
} // namespace kov

namespace kov {
namespace {

// The run of SimulationRechnen from its pieces, on a given path and with the sectors given.
void RunMitSektoren(const TRegisterParameter& p, TSimdPfad pfad, unsigned sektoren, TKontext& k) {
    k.Parameter = p;
    k.Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(p);
    WetterSchritt(k, EingebautesWetterJahr());
    LaufGroessenSetzen(k);
    LaufZustandAufbauen(k);
    k.Erde.Pfad = pfad;
    k.Erde.Sektoren = sektoren;
    for (int durchlauf = 1; durchlauf <= Durchlaeufe(k.Parameter); ++durchlauf)
        for (int monat = 1; monat <= 12; ++monat)
            SimuliereStunden(k, ErsteStundeImMonat(monat), LetzteStundeImMonat(monat), durchlauf);
}

TEST(Lauf, SectorsThatNoResultReadsAreSkippedWithoutChangingAnyResult) {
    struct Fall {
        const char* name;
        void (*aendern)(TRegisterParameter&);
        unsigned sektoren; // what the set-up keeps
    } faelle[] = {
        {"Standard: Monitor im Keller, kein adiabater Anteil", [](TRegisterParameter&) {},
         SektorErde | SektorKeller},
        {"Monitor in der Erde", [](TRegisterParameter& p) { p.MonitorSektor = 1; }, SektorErde},
        {"Erde ohne Anteil",
         [](TRegisterParameter& p) {
             p.AnteilAdiabat = 0.5;
             p.AnteilKeller = 0.5;
             p.MonitorSektor = 2;
             p.Heizgrenze = 4;
             p.Kuehlgrenze = 19;
         },
         SektorKeller | SektorAdiabat},
        {"alle drei",
         [](TRegisterParameter& p) {
             p.AnteilAdiabat = 0.2;
             p.AnteilKeller = 0.3;
             p.AnzahlGitter = 9;
         },
         AlleSektoren},
    };
    const TSimdAusstattung ausstattung = SimdAusstattungDesProzessors();
    auto gespart = test::NeuerKontext();
    auto alle = test::NeuerKontext();
    for (const Fall& f : faelle) {
        TRegisterParameter p = Standard();
        f.aendern(p);
        AnteilErdeBerechnen(p);
        SimulationRechnen(p, EingebautesWetterJahr(), nullptr, *gespart);
        EXPECT_EQ(gespart->Erde.Sektoren, f.sektoren) << f.name;
        for (const TSimdPfad pfad : AlleSimdPfade) {
            if (!ausstattung[static_cast<std::size_t>(pfad)]) continue;
            const std::string fall = std::string(f.name) + ", " + SimdPfadName(pfad);
            RunMitSektoren(p, pfad, f.sektoren, *gespart);
            RunMitSektoren(p, pfad, AlleSektoren, *alle);
            ErgebnisGleich(*gespart, *alle, fall.c_str());
            const TKennwerte a = KennwerteBerechnen(*gespart);
            const TKennwerte b = KennwerteBerechnen(*alle);
            EXPECT_EQ(
                std::memcmp(&a.HeizenergieMonat, &b.HeizenergieMonat, sizeof a.HeizenergieMonat), 0)
                << fall;
            EXPECT_EQ(a.KondensatJahr, b.KondensatJahr) << fall;
        }
    }
}

} // namespace
} // namespace kov
