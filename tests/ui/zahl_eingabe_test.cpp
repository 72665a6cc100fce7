#include "ui/zahl_eingabe.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <limits>

namespace kov {
namespace {

TEST(ZahlEingabe, ZeigtFestkommaMitPunktUndGerundet) {
    struct TFall {
        double Wert;
        int Dezimalen;
        const char* Erwartet;
    };
    const TFall faelle[] = {{0.1922, 1, "0.2"},  {0.0039, 3, "0.004"},  {3700.0, 0, "3700"},
                            {2.3616, 2, "2.36"}, {1400.0, 1, "1400.0"}, {1.0, 2, "1.00"},
                            {-2.5, 0, "-3"},     {0.125, 2, "0.13"},    {1234567.0, 0, "1234567"},
                            {-12.04, 1, "-12.0"}};
    // a German default locale must not bring a decimal comma or thousands separators
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const TFall& f : faelle)
        EXPECT_EQ(ZahlAnzeigen(f.Wert, f.Dezimalen).toStdString(), f.Erwartet)
            << f.Wert << " mit " << f.Dezimalen << " Dezimalen";
    QLocale::setDefault(QLocale::c());
}

TEST(ZahlEingabe, LiestDezimalzahlenMitPunktOderKomma) {
    struct TFall {
        const char* Text;
        double Erwartet;
    };
    const TFall faelle[] = {{"50.0", 50.0},  {"  0.2 ", 0.2},    {"0,2", 0.2},  {"-1.5e2", -150.0},
                            {"+3", 3.0},     {".5", 0.5},        {"5.", 5.0},   {"2E-3", 0.002},
                            {"1e+2", 100.0}, {"-0,004", -0.004}, {"0012", 12.0}};
    for (const TFall& f : faelle) {
        double wert = -99.0;
        EXPECT_TRUE(EingabeZahlLesen(QString::fromUtf8(f.Text), wert)) << '"' << f.Text << '"';
        EXPECT_DOUBLE_EQ(wert, f.Erwartet) << '"' << f.Text << '"';
    }
}

TEST(ZahlEingabe, WeistFehlgeformteZahlenZurueckOhneZuSchreiben) {
    const char* faelle[] = {"",     "   ",   "abc", "12a", "1.2.3", "1,2,3", "1.000,5",
                            "e5",   "1e",    "1e+", "-",   ".",     "inf",   "nan",
                            "0x10", "1e400", "+-5", "5 5", "١٢",    "１２",  "3,5 m"};
    for (const char* text : faelle) {
        double wert = 7.0;
        EXPECT_FALSE(EingabeZahlLesen(QString::fromUtf8(text), wert)) << '"' << text << '"';
        EXPECT_EQ(wert, 7.0) << '"' << text << '"';
    }
}

TEST(ZahlEingabe, LiestGanzzahlenIm32BitBereich) {
    struct TFall {
        const char* Text;
        bool Gueltig;
        std::int32_t Erwartet;
    };
    const TFall faelle[] = {
        {"15", true, 15},         {" 15 ", true, 15},
        {"+7", true, 7},          {"-3", true, -3},
        {"0", true, 0},           {"2147483647", true, std::numeric_limits<std::int32_t>::max()},
        {"2147483648", false, 0}, {"-2147483649", false, 0},
        {"15.0", false, 0},       {"1e2", false, 0},
        {"+-5", false, 0},        {"-", false, 0},
        {"", false, 0},           {"15,", false, 0},
        {"１５", false, 0}};
    for (const TFall& f : faelle) {
        std::int32_t wert = 99;
        EXPECT_EQ(EingabeGanzzahlLesen(QString::fromUtf8(f.Text), wert), f.Gueltig)
            << '"' << f.Text << '"';
        EXPECT_EQ(wert, f.Gueltig ? f.Erwartet : 99) << '"' << f.Text << '"';
    }
}

TEST(ZahlEingabe, NenntEineZahlJenseitsDesDarstellbarenBereichs) {
    const struct {
        const char* Text;
        bool Ganzzahl;
        bool Ausserhalb;
    } faelle[] = {{"1e400", false, true},
                  {"-1,5e999", false, true},
                  {"1e-400", false, true},
                  {"1e308", false, false},
                  {"abc", false, false},
                  {"", false, false},
                  {"3000000000", true, true},
                  {"-2147483649", true, true},
                  {"2147483648", true, true},
                  {"-2147483648", true, false},
                  {"99999999999999999999999", true, true},
                  {"1e10", true, false},
                  {"2.5", true, false}};
    for (const auto& f : faelle) {
        QString bereich;
        EXPECT_EQ(EingabeAusserhalbBereich(QString::fromUtf8(f.Text), f.Ganzzahl, bereich),
                  f.Ausserhalb)
            << '"' << f.Text << '"';
        if (f.Ausserhalb) {
            EXPECT_EQ(bereich.toStdString(), f.Ganzzahl ? "-2147483648 bis 2147483647"
                                                        : "-1.8e308 bis 1.8e308 (Beträge ab "
                                                          "4.9e-324)")
                << f.Text;
        }
    }
}

} // namespace
} // namespace kov
