// The catalogue of the parameter set: its size per group, unique names, the report lines in
// order, and the fields that take part only in the design figures.
#include "model/parameter_katalog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace kov {
namespace {

TEST(ParameterKatalog, EntriesPerGroupAndKind) {
    const auto katalog = ParameterKatalog();
    // 54 fields of the classic parameter set and the four of the design figures
    EXPECT_EQ(katalog.size(), 58u);

    std::map<TParameterGruppe, int> jeGruppe;
    int abgeleitet = 0, ungedruckt = 0;
    for (const TKatalogEintrag& e : katalog) {
        ++jeGruppe[e.Gruppe];
        abgeleitet += e.Abgeleitet;
        ungedruckt += e.Bericht.Zeile == 0;
    }
    struct Fall {
        TParameterGruppe gruppe;
        int anzahl;
    } faelle[] = {
        {TParameterGruppe::RohreUndLuftstrom, 12}, {TParameterGruppe::Stoffwerte, 11},
        {TParameterGruppe::Regelung, 6},           {TParameterGruppe::UmgebungUndKeller, 12},
        {TParameterGruppe::NumerikUndMonitor, 11}, {TParameterGruppe::DatenUndAusgabe, 6}};
    for (const Fall& f : faelle)
        EXPECT_EQ(jeGruppe[f.gruppe], f.anzahl) << GruppenName(f.gruppe);
    EXPECT_EQ(abgeleitet, 5) << "velocity, earth share, grid factor, two monitor distances";
    EXPECT_EQ(ungedruckt, 7) << "EingebautesWetter, Radiusteiler, Land and the four new fields";
}

TEST(ParameterKatalog, NamesUniqueAndReportLinesAscending) {
    std::set<std::string> namen;
    int zeile = 0;
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        EXPECT_TRUE(namen.insert(std::string(e.Name)).second) << e.Name << " twice";
        EXPECT_EQ(KatalogEintrag(e.Name), &e) << e.Name;
        EXPECT_FALSE(e.Bezeichnung.empty()) << e.Name;
        EXPECT_FALSE(e.Beschreibung.empty()) << e.Name;
        if (e.Bericht.Zeile == 0) continue;
        EXPECT_GT(e.Bericht.Zeile, zeile) << e.Name << " overlaps the line before";
        zeile = e.Bericht.Zeile + (FeldTyp(e) == TFeldTyp::Monate ? 11 : 0);
    }
    EXPECT_LT(zeile, 99) << "line 99 holds the column headings";
    EXPECT_EQ(KatalogEintrag("Unbekannt"), nullptr);
}

TEST(ParameterKatalog, DesignFigureFields) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    struct Fall {
        const char* name;
        TParameterGruppe gruppe;
        const char* einheit;
        TBereichsArt bereich;
        double standard;
    } faelle[] = {
        {"Zeta", TParameterGruppe::RohreUndLuftstrom, "", TBereichsArt::NichtNegativ, 2.0},
        {"DruckverlustZusatz", TParameterGruppe::RohreUndLuftstrom, "Pa",
         TBereichsArt::NichtNegativ, 0.0},
        {"Ventilatorwirkungsgrad", TParameterGruppe::RohreUndLuftstrom, "",
         TBereichsArt::Wirkungsgrad, 0.5},
        {"Frostgrenze", TParameterGruppe::Regelung, "°C", TBereichsArt::Frei, 0.0},
    };
    for (const Fall& f : faelle) {
        const TKatalogEintrag* e = KatalogEintrag(f.name);
        ASSERT_NE(e, nullptr) << f.name;
        EXPECT_EQ(e->Gruppe, f.gruppe) << f.name;
        EXPECT_EQ(e->Einheit, f.einheit) << f.name;
        EXPECT_EQ(e->Bereich.Art, f.bereich) << f.name;
        EXPECT_EQ(FeldTyp(*e), TFeldTyp::Zahl) << f.name;
        EXPECT_EQ(FeldWert<double>(p, *e), f.standard) << f.name;
        EXPECT_FALSE(e->Abgeleitet) << f.name;
        EXPECT_EQ(e->Bericht.Zeile, 0) << f.name << ": the classic report stays as it is";
        EXPECT_TRUE(e->EingabeFeld.empty()) << f.name;
    }
}

} // namespace
} // namespace kov
