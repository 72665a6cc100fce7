// The catalogue is the one list of the parameter set: every settable field must be reachable by
// kov-run, checked, printed in the report header where it has a line, and read back.
#include "cli/parameter_felder.h"
#include "files/bericht.h"
#include "model/parameter_katalog.h"
#include "register/parameter_pruefung.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>

namespace kov {
namespace {

TRegisterParameter Standard() {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    return p;
}

// A value of the field that differs from its default and that the check admits.
std::string AndererWert(const TKatalogEintrag& e, const TRegisterParameter& p) {
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl:
        return e.Bereich.Art == TBereichsArt::Anteil
                   ? "0.125"
                   : std::to_string(FeldWert<double>(p, e) * 1.5 + 0.25);
    case TFeldTyp::Ganzzahl: {
        const std::int32_t wert = FeldWert<std::int32_t>(p, e);
        return std::to_string(wert > 1 ? wert - 1 : wert + 1);
    }
    case TFeldTyp::Wahrheitswert:
        return FeldWert<bool>(p, e) ? "false" : "true";
    case TFeldTyp::Text:
        return "anders.txt";
    case TFeldTyp::Monate:
        return "13.5";
    }
    return {};
}

TEST(ParameterKatalog, NamesMembersAndReportLinesAreUnique) {
    std::set<std::string_view> namen;
    std::set<const void*> glieder;
    const TRegisterParameter probe;
    const TArbeitswerte lauf;
    int zeile = 2; // after the title
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        EXPECT_TRUE(namen.insert(e.Name).second) << e.Name << " twice";
        EXPECT_FALSE(e.Bezeichnung.empty()) << e.Name;
        EXPECT_FALSE(e.Beschreibung.empty()) << e.Name;
        EXPECT_EQ(KatalogEintrag(e.Name), &e) << e.Name;
        // a member may be named by one entry only
        const void* glied = std::visit(
            [&](auto z) -> const void* {
                if constexpr (std::is_same_v<decltype(z), double TArbeitswerte::*>)
                    return &(lauf.*z);
                else
                    return &(probe.*z);
            },
            e.Feld);
        EXPECT_TRUE(glieder.insert(glied).second) << e.Name << " names a member twice";
        if (e.Bericht.Zeile == 0) continue;
        EXPECT_GT(e.Bericht.Zeile, zeile - 1) << e.Name << " overlaps the line before";
        zeile = e.Bericht.Zeile + (FeldTyp(e) == TFeldTyp::Monate ? 12 : 1);
        EXPECT_LE(zeile, 99) << e.Name << " runs into the column headings";
    }
    EXPECT_EQ(KatalogEintrag("GibtEsNicht"), nullptr);
    // the 92 fields of TRegisterParameter: 87 settable ones (9 of them for the ventilation unit,
    // the operating times and the control mode, one for the built-in climate, three for the
    // register model, 15 for the costs, 5 limits of the design check) and the 5 the run derives
    EXPECT_EQ(ParameterKatalog().size(), 92u);
    EXPECT_EQ(ParameterFelder().size(), 87u);
}

TEST(ParameterKatalog, EverySettableFieldIsReachableCheckedPrintedAndReadBack) {
    const TRegisterParameter standard = Standard();
    const auto Kopf = [](const TRegisterParameter& p) {
        std::string kopf;
        TModell m;
        m.Parameter = p;
        AusgabeKopfSchreiben(kopf, m);
        return test::TextZeilen(kopf);
    };
    const auto standardKopf = Kopf(standard);

    for (const TParameterFeld& e : ParameterFelder()) {
        SCOPED_TRACE(std::string(e.Name));
        TRegisterParameter p = standard;
        const std::string wert = AndererWert(e, p);
        ParameterZuweisen(p, std::string(e.Name) + "=" + wert);
        EXPECT_FALSE(FeldGleich(p, standard, e)) << "kov-run does not reach the member";
        for (const TKatalogEintrag& anderer : ParameterKatalog()) {
            if (&anderer != KatalogEintrag(e.Name) && !anderer.Abgeleitet) {
                EXPECT_TRUE(FeldGleich(p, standard, anderer)) << "also changed " << anderer.Name;
            }
        }

        // read back: the value as the help shows it sets the same value again
        TRegisterParameter zurueck = standard;
        std::string text = FeldWertText(p, e);
        if (FeldTyp(e) == TFeldTyp::Text) text = FeldWert<std::string>(p, e);
        if (FeldTyp(e) == TFeldTyp::Monate) text = text.substr(0, text.find(' '));
        ParameterZuweisen(zurueck, std::string(e.Name) + "=" + text);
        EXPECT_TRUE(FeldGleich(p, zurueck, e)) << text;

        if (e.Bericht.Zeile > 0) {
            const auto kopf = Kopf(p);
            ASSERT_EQ(kopf.size(), 100u);
            const auto zeile = static_cast<std::size_t>(e.Bericht.Zeile - 1);
            EXPECT_NE(kopf[zeile], standardKopf[zeile]) << "line " << e.Bericht.Zeile;
            for (std::size_t i = 0; i < kopf.size(); ++i) {
                if (i < zeile || i >= zeile + (FeldTyp(e) == TFeldTyp::Monate ? 12 : 1)) {
                    EXPECT_EQ(kopf[i], standardKopf[i]) << "line " << i + 1;
                }
            }
        }

        // checked: a number outside its range, or not finite, is refused naming the field
        if (FeldTyp(e) == TFeldTyp::Zahl || FeldTyp(e) == TFeldTyp::Monate) {
            TRegisterParameter falsch = standard;
            if (FeldTyp(e) == TFeldTyp::Zahl)
                FeldWert<double>(falsch, e) = std::numeric_limits<double>::quiet_NaN();
            else
                FeldWert<TMonatsFeld>(falsch, e)[7] = std::numeric_limits<double>::infinity();
            const auto meldungen = ParameterPruefen(falsch);
            ASSERT_FALSE(meldungen.empty());
            EXPECT_NE(meldungen[0].find("(" + std::string(e.Name)), std::string::npos)
                << meldungen[0];
        }
        if (e.Bereich.Art != TBereichsArt::Frei && e.Bereich.Art != TBereichsArt::Datei) {
            TRegisterParameter falsch = standard;
            // a temperature just above its range, anything else below zero
            const bool temperatur = e.Bereich.Art == TBereichsArt::Temperatur ||
                                    e.Bereich.Art == TBereichsArt::TemperaturDifferenz;
            if (FeldTyp(e) == TFeldTyp::Monate)
                FeldWert<TMonatsFeld>(falsch, e)[7] = e.Bereich.Bis + 1e-9;
            else if (FeldTyp(e) == TFeldTyp::Zahl)
                FeldWert<double>(falsch, e) = temperatur ? e.Bereich.Von - 1e-9 : -1.0;
            else
                FeldWert<std::int32_t>(falsch, e) = -5;
            const auto meldungen = ParameterPruefen(falsch);
            ASSERT_EQ(meldungen.size(), 1u);
            const std::string feld =
                FeldTyp(e) == TFeldTyp::Monate
                    ? std::string(e.Bezeichnung) + " Juli (" + std::string(e.Name) + "[7])"
                    : std::string(e.Bezeichnung) + " (" + std::string(e.Name) + ")";
            EXPECT_EQ(meldungen[0].find(feld), 0u) << meldungen[0];
        }
    }
}

TEST(ParameterKatalog, DerivedFieldsCannotBeSet) {
    TRegisterParameter p = Standard();
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (!e.Abgeleitet) continue;
        EXPECT_THROW(ParameterZuweisen(p, std::string(e.Name) + "=1"), TAufrufFehler) << e.Name;
    }
}

TEST(ParameterKatalog, EntriesPerGroupAndKind) {
    // 54 fields of the classic parameter set, the four of the design figures, the weather file,
    // the built-in climate, the register model's three (Modell, Rohrabstand, AlphaOberflaeche)
    const auto katalog = ParameterKatalog();
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
    } faelle[] = {{TParameterGruppe::RohreUndLuftstrom, 13},
                  {TParameterGruppe::Stoffwerte, 11},
                  {TParameterGruppe::Regelung, 6},
                  {TParameterGruppe::UmgebungUndKeller, 13},
                  {TParameterGruppe::NumerikUndMonitor, 12},
                  {TParameterGruppe::DatenUndAusgabe, 8},
                  {TParameterGruppe::LueftungsanlageUndBetrieb, 9},
                  {TParameterGruppe::Wirtschaftlichkeit, 15},
                  {TParameterGruppe::Auslegungspruefung, 5}};
    for (const Fall& f : faelle)
        EXPECT_EQ(jeGruppe[f.gruppe], f.anzahl) << GruppenName(f.gruppe);
    EXPECT_EQ(abgeleitet, 5) << "velocity, earth share, grid factor, two monitor distances";
    EXPECT_EQ(ungedruckt, 21 + 15 + 5)
        << "EingebautesWetter, Radiusteiler, Land, WetterDatei, Klima, the four design figures, "
           "the nine of the ventilation unit, the three of the register model, the costs and the "
           "limits of the design check";
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
        {"Frostgrenze", TParameterGruppe::Regelung, "°C", TBereichsArt::Temperatur, 0.0},
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
