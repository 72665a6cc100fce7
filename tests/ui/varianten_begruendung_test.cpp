// The report page on a study's chosen variant: its values, its rank among the admissible
// variants, the fronts it lies on and each condition with its figure; and the comparison that
// says a run is that variant.
#include "ui/varianten_begruendung.h"

#include "model/parameter_katalog.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TVariantenErgebnis Variante(double laenge, double heizen, double kuehlen, double annuitaet) {
    TVariantenErgebnis v;
    v.Berechnet = true;
    v.Werte = {laenge};
    v.Kennwerte.HeizenergieNutzbar = heizen;
    v.Kennwerte.KuehlenergieNutzbar = kuehlen;
    v.Kosten.Annuitaet = annuitaet;
    return v;
}

TEST(VariantenBegruendung, RankFrontsAndConditions) {
    TStudie studie;
    studie.Variationen = {{"Rohrlaenge", {30, 40, 50, 60}, {}}};
    studie.Bedingungen = {BedingungLesen("Annuitaet<=5000")};
    // useful energies 21 000, 27 500, 30 000 and 33 000 kWh; the longest breaks the annuity
    std::vector<TVariantenErgebnis> e{
        Variante(30, 12000, 9000, 3500.5), Variante(40, 15000, 12500, 4200),
        Variante(50, 16000, 14000, 4800), Variante(60, 18000, 15000, 5400)};
    e[3].Verletzt = {"Annuitaet"};
    e[2].ParetoAnnuitaet = true;
    e[2].ParetoRohrlaenge = true;
    const QLocale deutsch(QLocale::German);
    const QString d = QString(QChar(0x202F));

    struct TFall {
        std::size_t Nummer;
        QStringList Zeilen;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {2,
              {QStringLiteral("Variante 3 von 4 der Studie: Rohrlaenge = 50."),
               QStringLiteral("Rang 1 von 3 nach nutzbarer Energie (30") + d +
                   QStringLiteral("000 kWh/a) unter den Varianten, die alle Bedingungen "
                                  "einhalten."),
               QStringLiteral("Sie liegt auf der Pareto-Front: nutzbare Energie gegen Rohrlänge "
                              "aller Rohre; nutzbare Energie gegen Annuität der Kosten."),
               QStringLiteral("Bedingung Annuität der Kosten ≤ 5000,00 EUR/a: erfüllt mit "
                              "4800,00 EUR/a.")}},
             {0,
              {QStringLiteral("Variante 1 von 4 der Studie: Rohrlaenge = 30."),
               QStringLiteral("Rang 3 von 3 nach nutzbarer Energie (21") + d +
                   QStringLiteral("000 kWh/a) unter den Varianten, die alle Bedingungen "
                                  "einhalten."),
               QStringLiteral("Sie liegt auf keiner Pareto-Front der Studie."),
               QStringLiteral("Bedingung Annuität der Kosten ≤ 5000,00 EUR/a: erfüllt mit "
                              "3500,50 EUR/a.")}},
             {3,
              {QStringLiteral("Variante 4 von 4 der Studie: Rohrlaenge = 60."),
               QStringLiteral("Die Variante hält nicht jede Bedingung ein: Annuitaet."),
               QStringLiteral("Sie liegt auf keiner Pareto-Front der Studie."),
               QStringLiteral("Bedingung Annuität der Kosten ≤ 5000,00 EUR/a: nicht erfüllt mit "
                              "5400,00 EUR/a.")}}}) {
        const QStringList zeilen = VariantenBegruendung(studie, e, f.Nummer, deutsch);
        ASSERT_EQ(zeilen.size(), f.Zeilen.size()) << "Variante " << f.Nummer;
        for (qsizetype i = 0; i < zeilen.size(); ++i)
            EXPECT_EQ(zeilen[i], f.Zeilen[i]) << "Variante " << f.Nummer << ", Zeile " << i;
    }
    EXPECT_TRUE(VariantenBegruendung(studie, e, 4, deutsch).isEmpty());
}

TEST(VariantenBegruendung, ARunIsTheVariantOnlyWithEveryInputEqual) {
    TRegisterParameter a;
    ParameterStandardwerteSetzen(a);
    TRegisterParameter b = a;
    EXPECT_TRUE(GleicheEingaben(a, b));
    b.Rohrlaenge = 50.5;
    EXPECT_FALSE(GleicheEingaben(a, b));
    b = a;
    b.Rohrpreise = "0.1:30";
    EXPECT_FALSE(GleicheEingaben(a, b)) << "a cost input makes another variant too";
    b = a;
    b.AnteilErde = 0.5; // derived from the other shares, not an input
    EXPECT_TRUE(GleicheEingaben(a, b));
}

} // namespace
} // namespace kov
