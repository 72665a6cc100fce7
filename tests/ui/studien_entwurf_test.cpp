// The draft of the Variantenvergleich window without widgets: the list of parameters, the lists
// as typed, the count and the reasons of refusals, the study built from it, a variant taken
// back into a parameter set, and the time left.
#include "ui/studien_entwurf.h"

#include "model/bodenarten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kov {
namespace {

TStudienEntwurf Zeilen(std::initializer_list<TParameterZeile> zeilen) {
    TStudienEntwurf entwurf;
    std::size_t i = 0;
    for (const TParameterZeile& z : zeilen)
        entwurf.Zeilen[i++] = z;
    return entwurf;
}

TEST(StudienEntwurf, OffersTheDesignParametersFirstAndEveryOtherVariableNumber) {
    const std::vector<const TKatalogEintrag*> liste = StudienParameter();
    const char* zuerst[] = {"AnzahlRohre",  "Rohrlaenge",      "DRohr",      "Tiefe",
                            "Volumenstrom", "WandstaerkeRohr", "Heizgrenze", "Kuehlgrenze"};
    ASSERT_GT(liste.size(), std::size(zuerst));
    for (std::size_t i = 0; i < std::size(zuerst); ++i)
        EXPECT_EQ(liste[i]->Name, zuerst[i]) << "Platz " << i;

    std::set<std::string_view> namen;
    for (const TKatalogEintrag* e : liste) {
        EXPECT_TRUE(namen.insert(e->Name).second) << e->Name << " steht zweimal in der Liste";
        // every entry offered is one the engine varies: one admissible value is accepted
        EXPECT_NO_THROW(VariationLesen(e->Name, "1")) << e->Name;
    }
    for (const char* name : {"Frostgrenze", "KellerTemperatur", "Geregelt", "AnzahlGitter",
                             "LambdaErde", "Ventilatorwirkungsgrad"})
        EXPECT_EQ(namen.count(name), 1u) << name << " fehlt";
    // derived, texts, and the switches of data the study does not read per variant
    for (const char* name : {"Stroemungsgeschwindigkeit", "AnteilErde", "Gitterfaktor",
                             "Projektname", "WetterDatei", "EingebautesWetter", "FahrplanGelesen"})
        EXPECT_EQ(namen.count(name), 0u) << name << " darf nicht variiert werden";
}

TEST(StudienEntwurf, ListsAsTypedBecomeTheEnginesForm) {
    const std::pair<const char*, const char*> faelle[] = {
        {"10, 12, 15", "10,12,15"},
        {" 30 : 60 : 10 ", "30:60:10"},
        // ";" between the values: the commas are decimal commas
        {"0,15; 0,2; 0,25", "0.15,0.2,0.25"},
        {"0,15;0.2", "0.15,0.2"},
        // a range has no list commas: they are decimal commas
        {"0,1:0,3:0,1", "0.1:0.3:0.1"},
        {"alle", "alle"},
        {"", ""},
    };
    for (const auto& [getippt, erwartet] : faelle)
        EXPECT_EQ(ListeNormieren(getippt), erwartet) << "\"" << getippt << "\"";

    EXPECT_EQ(BodenListe({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), "alle");
    EXPECT_EQ(BodenListe({7, 1, 4}), "1,4,7");
    EXPECT_EQ(BodenListe({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), "2,3,4,5,6,7,8,9,10,11");
}

TEST(StudienEntwurf, CountsVariantsAndNamesEachFaultWhereItIs) {
    struct TFall {
        const char* Fall;
        TStudienEntwurf Entwurf;
        std::size_t Varianten;
        int Zeile;           // the row that carries the fault, -1 for none
        const char* Meldung; // part of the fault's text
    };
    TStudienEntwurf mitBoden = Zeilen({{"AnzahlRohre", "10,15,20"}, {"Rohrlaenge", "30:60:10"}});
    mitBoden.Boeden = {1, 5};
    TStudienEntwurf alleBoeden = Zeilen({{"DRohr", "0.15, 0.2"}});
    alleBoeden.Boeden = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    TStudienEntwurf lambdaMitBoden = Zeilen({{"LambdaErde", "1,2"}});
    lambdaMitBoden.Boeden = {3};
    TStudienEntwurf nurBoden;
    nurBoden.Boeden = {2, 9};
    const TFall faelle[] = {
        {"zwei Zeilen", Zeilen({{"AnzahlRohre", "10,15,20"}, {"Rohrlaenge", "30:60:10"}}), 12, -1,
         ""},
        {"eine leere Zeile dazwischen",
         Zeilen({{"AnzahlRohre", "10,15"}, {"", "1,2,3"}, {"Tiefe", "1,5; 2"}}), 4, -1, ""},
        {"mit zwei Bodenarten", mitBoden, 24, -1, ""},
        {"alle Bodenarten", alleBoeden, 22, -1, ""},
        {"nur Bodenarten", nurBoden, 2, -1, ""},
        {"genau 100000",
         Zeilen({{"AnzahlRohre", "1:100:1"}, {"Rohrlaenge", "1:100:1"}, {"DRohr", "0.1:1:0.1"}}),
         100000, -1, ""},
        {"keine Zahl", Zeilen({{"AnzahlRohre", "10"}, {"DRohr", "0.1,a"}}), 0, 1,
         "\"a\" ist keine Zahl"},
        {"keine ganze Zahl", Zeilen({{"AnzahlRohre", "10,12.5"}}), 0, 0, "ganze Zahl"},
        {"leere Liste", Zeilen({{"Rohrlaenge", ""}}), 0, 0, "leer"},
        {"Bereich rückwärts", Zeilen({{"Rohrlaenge", "60:30:10"}}), 0, 0, "endet vor"},
        {"Bodenfeld neben der Bodenart", lambdaMitBoden, 0, 0, "mit der Bodenart"},
        {"zweimal derselbe Parameter", Zeilen({{"Tiefe", "1,2"}, {"Tiefe", "3"}}), 0, -1,
         "wird zweimal variiert"},
        {"nichts variiert", Zeilen({}), 0, -1, "nichts variiert"},
        {"mehr als 100000",
         Zeilen(
             {{"AnzahlRohre", "1:100:1"}, {"Rohrlaenge", "1:100:1"}, {"DRohr", "0.01:0.11:0.01"}}),
         0, -1, "mehr als 100000 Varianten"},
    };
    for (const TFall& f : faelle) {
        const TEntwurfsPruefung p = EntwurfPruefen(f.Entwurf);
        EXPECT_EQ(p.Varianten, f.Varianten) << f.Fall;
        EXPECT_EQ(p.Gueltig(), f.Varianten > 0) << f.Fall;
        for (int z = 0; z < static_cast<int>(EntwurfZeilen); ++z) {
            const std::string& fehler = p.ZeilenFehler[static_cast<std::size_t>(z)];
            if (z == f.Zeile) {
                EXPECT_NE(fehler.find(f.Meldung), std::string::npos) << f.Fall << ": " << fehler;
            } else {
                EXPECT_EQ(fehler, "") << f.Fall << ", Zeile " << z;
            }
        }
        if (f.Zeile < 0 && f.Varianten == 0) {
            EXPECT_NE(p.Fehler.find(f.Meldung), std::string::npos) << f.Fall << ": " << p.Fehler;
        }
        EXPECT_EQ(p.Meldungen().empty(), f.Varianten > 0) << f.Fall;
    }
    // the count of a good row is shown beside it
    const TEntwurfsPruefung zwei =
        EntwurfPruefen(Zeilen({{"AnzahlRohre", "10,15,20"}, {"Rohrlaenge", "30:60:10"}}));
    EXPECT_EQ(zwei.ZeilenWerte[0], 3u);
    EXPECT_EQ(zwei.ZeilenWerte[1], 4u);
}

TEST(StudienEntwurf, ConditionsTakeADecimalCommaAndNameAMissingLimit) {
    TStudienEntwurf entwurf = Zeilen({{"AnzahlRohre", "10,20"}});
    entwurf.Bedingungen = {{"Stroemungsgeschwindigkeit", true, "2,5"},
                           {"", true, "unbenutzt"},
                           {"TausMin", false, " -1.5 "},
                           {"DruckverlustGesamt", true, "50"}};
    const TEntwurfsPruefung gut = EntwurfPruefen(entwurf);
    ASSERT_TRUE(gut.Gueltig());
    ASSERT_EQ(gut.BedingungsFehler.size(), 4u);
    for (const std::string& fehler : gut.BedingungsFehler)
        EXPECT_EQ(fehler, "");

    TRegisterParameter basis;
    ParameterStandardwerteSetzen(basis);
    const TStudie studie = StudieAufbauen(basis, entwurf);
    ASSERT_EQ(studie.Bedingungen.size(), 3u);
    EXPECT_EQ(studie.Bedingungen[0].Kennwert, "Stroemungsgeschwindigkeit");
    EXPECT_TRUE(studie.Bedingungen[0].Hoechstens);
    EXPECT_EQ(studie.Bedingungen[0].Grenze, 2.5);
    EXPECT_EQ(studie.Bedingungen[1].Kennwert, "TausMin");
    EXPECT_FALSE(studie.Bedingungen[1].Hoechstens);
    EXPECT_EQ(studie.Bedingungen[1].Grenze, -1.5);
    EXPECT_EQ(studie.Bedingungen[2].Grenze, 50.0);

    const std::pair<const char*, const char*> falsch[] = {
        {"", "der Grenzwert fehlt"}, {"drei", "keine Zahl"}, {"1,2,3", "keine Zahl"}};
    for (const auto& [grenze, meldung] : falsch) {
        entwurf.Bedingungen[3].Grenze = grenze;
        const TEntwurfsPruefung p = EntwurfPruefen(entwurf);
        EXPECT_FALSE(p.Gueltig()) << grenze;
        EXPECT_NE(p.BedingungsFehler[3].find(meldung), std::string::npos)
            << grenze << ": " << p.BedingungsFehler[3];
        EXPECT_THROW(StudieAufbauen(basis, entwurf), TStudienFehler) << grenze;
        // the conditions alone, as the window applies them to a finished study
        try {
            BedingungenAufbauen(entwurf);
            ADD_FAILURE() << grenze << ": nicht abgelehnt";
        } catch (const TStudienFehler& f) {
            EXPECT_NE(std::string(f.what()).find(meldung), std::string::npos)
                << grenze << ": " << f.what();
        }
    }
}

TEST(StudienEntwurf, StudyKeepsTheRowOrderWithTheSoilLast) {
    TStudienEntwurf entwurf = Zeilen({{"", ""}, {"Rohrlaenge", "40,50"}, {"AnzahlRohre", "8"}});
    entwurf.Boeden = {9, 2};
    TRegisterParameter basis;
    ParameterStandardwerteSetzen(basis);
    basis.Tiefe = 2.0;
    const TStudie studie = StudieAufbauen(basis, entwurf);
    EXPECT_EQ(studie.Basis.Tiefe, 2.0);
    ASSERT_EQ(studie.Variationen.size(), 3u);
    EXPECT_EQ(studie.Variationen[0].Name, "Rohrlaenge");
    EXPECT_EQ(studie.Variationen[0].Werte, (std::vector<double>{40, 50}));
    EXPECT_EQ(studie.Variationen[1].Name, "AnzahlRohre");
    EXPECT_EQ(studie.Variationen[2].Name, BodenDimension);
    EXPECT_EQ(studie.Variationen[2].Werte, (std::vector<double>{2, 9}));
    EXPECT_EQ(VariantenZahl(studie), 4u);
}

TEST(StudienEntwurf, VariantTakenOverChangesOnlyItsVariedFields) {
    TStudie studie;
    ParameterStandardwerteSetzen(studie.Basis);
    studie.Variationen = {VariationLesen("AnzahlRohre", "10,20"),
                          VariationLesen("KellerTemperatur", "8,14"),
                          VariationLesen(BodenDimension, "1,5")};
    // what the user has in the input window meanwhile: only the varied fields are replaced
    TRegisterParameter p = studie.Basis;
    p.Tiefe = 2.5;
    p.AnteilKeller = 0.3;
    p.AnteilErde = 0.9; // stale: derived again from AnteilKeller
    // variant 7 (0-based 6) = AnzahlRohre 20, KellerTemperatur 14, soil 1 (last varies fastest)
    const std::size_t boden = VarianteUebernehmen(p, studie, 6);
    EXPECT_EQ(boden, 1u);
    EXPECT_EQ(p.AnzahlRohre, 20);
    for (std::size_t m = 1; m <= 12; ++m)
        EXPECT_EQ(p.KellerTemperatur[m], 14.0) << "Monat " << m;
    // "Erde trocken": 0.35 W/mK, 1500 kg/m3, 840 J/kgK
    EXPECT_EQ(p.LambdaErde, 0.35);
    EXPECT_EQ(p.RhoErde, 1500.0);
    EXPECT_EQ(p.CpErde, 840.0);
    EXPECT_EQ(p.Tiefe, 2.5);
    EXPECT_DOUBLE_EQ(p.AnteilErde, 0.7);

    EXPECT_EQ(VarianteUebernehmen(p, studie, 1), 5u);
    EXPECT_EQ(p.AnzahlRohre, 10);
    EXPECT_EQ(p.KellerTemperatur[1], 8.0);
    EXPECT_EQ(p.LambdaErde, 0.4); // "Lehm trocken"
    EXPECT_EQ(p.RhoErde, 1000.0);
    EXPECT_EQ(p.CpErde, 760.0);
}

TEST(StudienEntwurf, TimeLeftFollowsTheRateSoFar) {
    EXPECT_LT(RestzeitSchaetzen(0, 10, 5.0), 0.0);
    EXPECT_DOUBLE_EQ(RestzeitSchaetzen(5, 10, 10.0), 10.0);
    EXPECT_DOUBLE_EQ(RestzeitSchaetzen(1, 401, 0.25), 100.0);
    EXPECT_DOUBLE_EQ(RestzeitSchaetzen(10, 10, 3.0), 0.0);

    const std::pair<double, const char*> texte[] = {
        {-1.0, ""},
        {0.0, "noch etwa 0 s"},
        {59.4, "noch etwa 59 s"},
        {59.6, "noch etwa 1 min 00 s"},
        {125.0, "noch etwa 2 min 05 s"},
        {3599.4, "noch etwa 59 min 59 s"},
        {2 * 3600 + 600 + 20, "noch etwa 2 h 10 min"},
    };
    for (const auto& [sekunden, text] : texte)
        EXPECT_EQ(RestzeitText(sekunden), text) << sekunden << " s";
}

} // namespace
} // namespace kov
