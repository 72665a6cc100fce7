// kov-run's study over text values: the ground model and the built-in climate as dimensions,
// their text in the table, every variant as a single run with its values, refusals naming the
// value, and a table that is continued by the same study only, not with the values in another
// order.
#include "cli/kov_run.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string_view>

namespace kov {
namespace {

struct TAusgabe {
    int Status;
    std::string Aus, Fehler;
};

TAusgabe Lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = KovRun(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> felder;
    std::stringstream s(zeile);
    for (std::string feld; std::getline(s, feld, ',');)
        felder.push_back(feld);
    return felder;
}

TEST(StudieText, ModelAndClimateRunSideBySideEachAsItsSingleRun) {
    test::TArbeitsVerzeichnis ort;
    const std::vector<std::string> basis = {"AnzahlRohre=5", "Einschwingjahre=0"};
    std::vector<std::string> argumente = {
        "--variiere", "Klima=5:Wint,13", "--variiere", "Modell=klassisch,register", "--jobs", "2"};
    argumente.insert(argumente.end(), basis.begin(), basis.end());
    const TAusgabe studie = Lauf(argumente);
    ASSERT_EQ(studie.Status, 0) << studie.Fehler;
    const auto zeilen = test::TextZeilen(studie.Aus);
    ASSERT_GE(zeilen.size(), 5u);
    const std::vector<std::string> kopf = Felder(zeilen[0]);
    ASSERT_GE(kopf.size(), 5u);
    EXPECT_EQ(kopf[1], "Klima");
    EXPECT_EQ(kopf[2], "Modell");
    struct Fall {
        const char* klima;
        const char* modell;
    } faelle[] = {
        {"5:Wint", "klassisch"}, {"5:Wint", "register"}, {"13", "klassisch"}, {"13", "register"}};
    std::vector<double> heiz;
    for (std::size_t v = 0; v < std::size(faelle); ++v) {
        const Fall& f = faelle[v];
        const std::string name = std::string(f.klima) + "/" + f.modell;
        const std::vector<std::string> zeile = Felder(zeilen.at(v + 1));
        ASSERT_EQ(zeile.size(), kopf.size()) << name;
        EXPECT_EQ(zeile[1], "\"" + std::string(f.klima) + "\"") << name;
        EXPECT_EQ(zeile[2], "\"" + std::string(f.modell) + "\"") << name;
        std::vector<std::string> einzeln = {"--json", std::string("Klima=") + f.klima,
                                            std::string("Modell=") + f.modell};
        einzeln.insert(einzeln.end(), basis.begin(), basis.end());
        const TAusgabe e = Lauf(einzeln);
        ASSERT_EQ(e.Status, 0) << name << ": " << e.Fehler;
        const nlohmann::json j = nlohmann::json::parse(e.Aus);
        for (const char* kennwert : {"Heizenergie", "Kuehlenergie", "TausMin"}) {
            const std::size_t spalte = static_cast<std::size_t>(
                std::find(kopf.begin(), kopf.end(), kennwert) - kopf.begin());
            ASSERT_LT(spalte, kopf.size()) << kennwert;
            const nlohmann::json& wert =
                j.contains(kennwert) ? j[kennwert] : j["Kennwerte"][kennwert];
            EXPECT_EQ(std::stod(zeile[spalte]), wert.get<double>()) << name << " " << kennwert;
            if (std::string_view(kennwert) == "Heizenergie")
                heiz.push_back(std::stod(zeile[spalte]));
        }
    }
    // the four are four different runs: the dimensions reached the model and the weather
    for (std::size_t a = 0; a < heiz.size(); ++a)
        for (std::size_t b = a + 1; b < heiz.size(); ++b)
            EXPECT_NE(heiz[a], heiz[b]) << a << " and " << b;
}

TEST(StudieText, RefusalsNameTheTextValue) {
    test::TArbeitsVerzeichnis ort;
    struct Fall {
        std::vector<std::string> argumente;
        const char* meldung;
    } faelle[] = {
        {{"--variiere", "Modell=klassisch,klassisch"}, "\"klassisch\" steht zweimal in der Liste"},
        {{"--variiere", "Modell=klassisch,"}, "Modell: ein Wert der Liste ist leer."},
        {{"--variiere", "Modell=klassisch,regist"},
         "Variante 2 (Modell=regist): Rechenmodell (Modell) muss"},
        {{"--variiere", "Klima=5,99"}, "Variante 2 (Klima=99): Eingebautes Klima (Klima)"},
        {{"--variiere", "Regelung=klassisch,bedarf"}, "ist ein Text und kann nicht variiert"},
    };
    for (const Fall& f : faelle) {
        const TAusgabe a = Lauf(f.argumente);
        EXPECT_EQ(a.Status, 2) << f.meldung;
        EXPECT_NE(a.Fehler.find(f.meldung), std::string::npos) << f.meldung << " in " << a.Fehler;
        EXPECT_EQ(a.Aus, "") << f.meldung;
    }
}

TEST(StudieText, ATableIsContinuedByTheSameStudyNotWithTheValuesInAnotherOrder) {
    test::TArbeitsVerzeichnis ort;
    const std::vector<std::string> basis = {"AnzahlRohre=3", "Einschwingjahre=0", "AnzahlGitter=3"};
    std::vector<std::string> erste = {"--variiere", "Modell=klassisch,register", "--aus", "s.csv"};
    erste.insert(erste.end(), basis.begin(), basis.end());
    ASSERT_EQ(Lauf(erste).Status, 0);
    const std::string tabelle = test::DateiInhalt("s.csv");
    std::vector<std::string> umgekehrt = {"--variiere", "Modell=register,klassisch", "--fortsetzen",
                                          "s.csv"};
    umgekehrt.insert(umgekehrt.end(), basis.begin(), basis.end());
    const TAusgabe a = Lauf(umgekehrt);
    EXPECT_EQ(a.Status, 2);
    EXPECT_NE(a.Fehler.find("die Tabelle hat eine andere Studie"), std::string::npos) << a.Fehler;
    EXPECT_EQ(test::DateiInhalt("s.csv"), tabelle);

    // cut after its first variant, as an interruption leaves it, the same study continues it
    // to the whole table, the quoted text fields read back
    const std::size_t zweite = tabelle.find('\n', tabelle.find('\n') + 1) + 1;
    test::DateiSchreiben("s.csv", tabelle.substr(0, zweite));
    std::vector<std::string> weiter = erste;
    weiter[2] = "--fortsetzen";
    const TAusgabe b = Lauf(weiter);
    ASSERT_EQ(b.Status, 0) << b.Fehler;
    EXPECT_EQ(test::DateiInhalt("s.csv"), tabelle);
}

} // namespace
} // namespace kov
