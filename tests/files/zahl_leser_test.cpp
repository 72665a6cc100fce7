#include "files/zahl_leser.h"
#include "model/fehler.h"
#include "test_hilfen.h"

#include <gtest/gtest.h>

#include <functional>

namespace kov {
namespace {

std::string Meldung(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const TDateiFehler& f) {
        return f.what();
    }
    return "";
}

TEST(ZahlLeser, TokensSignsExponentsAndEndOfFile) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("z.txt", "  3.2\t-0.5 +7 1e3 -2.5E-1 .5 4.\r\n\r\n\x01\x02 12");
    TZahlLeser leser("z.txt");
    const double erwartet[] = {3.2, -0.5, 7, 1000, -0.25, 0.5, 4, 12, 0, 0};
    for (double e : erwartet)
        EXPECT_EQ(leser.ZahlLesen(), e);
    EXPECT_TRUE(leser.Dateiende());
}

TEST(ZahlLeser, NextLineDiscardsTheRest) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("z.txt", "1 2 3\r\n4 Wort\n5\r6\r\n");
    TZahlLeser leser("z.txt");
    EXPECT_EQ(leser.ZahlLesen(), 1);
    leser.ZeileUeberspringen();
    EXPECT_EQ(leser.ZahlLesen(), 4);
    leser.ZeileUeberspringen();
    EXPECT_EQ(leser.ZahlLesen(), 5);
    leser.ZeileUeberspringen();
    EXPECT_EQ(leser.ZahlLesen(), 6);
    leser.ZeileUeberspringen();
    EXPECT_EQ(leser.ZahlLesen(), 0);
}

TEST(ZahlLeser, CtrlZEndsTheFile) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("z.txt", "1.5\r\n\x1a"
                                  "2.5\r\n");
    TZahlLeser leser("z.txt");
    EXPECT_EQ(leser.ZahlLesen(), 1.5);
    EXPECT_EQ(leser.ZahlLesen(), 0);
}

TEST(ZahlLeser, MalformedTokensAreInvalidNumericInput) {
    test::TArbeitsVerzeichnis ort;
    for (const char* text :
         {"3,2", "abc", "1.2.3", "e5", "1e", "--1", "+", ".", "0x10", "1e99999"}) {
        test::DateiSchreiben("z.txt", std::string(text) + "\r\n");
        TZahlLeser leser("z.txt");
        EXPECT_EQ(Meldung([&] { leser.ZahlLesen(); }), "Invalid numeric input: z.txt, Zeile 1")
            << text;
    }
}

TEST(ZahlLeser, AControlCharacterTouchingANumberIsInvalidNumericInput) {
    test::TArbeitsVerzeichnis ort;
    // a blank or line end beside a number, or a control character apart from one, is layout
    const struct {
        std::string Text, Meldung;
    } faelle[] = {
        {std::string("1\r\n0\0", 5) + "5\r\n",
         "Invalid numeric input: z.txt, Zeile 2 (Steuerzeichen mit Code 0 an der Zahl \"0\")"},
        {std::string("1\r\n\0", 4) + "5\r\n",
         "Invalid numeric input: z.txt, Zeile 2 (Steuerzeichen mit Code 0 an der Zahl \"5\")"},
        {"1\r\n2\x0b\r\n", "Invalid numeric input: z.txt, Zeile 2 (Steuerzeichen mit Code 11 "
                           "an der Zahl \"2\")"},
        {"1\r\n\x1b"
         "7 \r\n",
         "Invalid numeric input: z.txt, Zeile 2 (Steuerzeichen mit Code 27 "
         "an der Zahl \"7\")"},
    };
    for (const auto& f : faelle) {
        test::DateiSchreiben("z.txt", f.Text);
        TZahlLeser leser("z.txt");
        EXPECT_EQ(leser.ZahlLesen(), 1);
        leser.ZeileUeberspringen();
        EXPECT_EQ(Meldung([&] { leser.ZahlLesen(); }), f.Meldung) << f.Meldung;
    }
    test::DateiSchreiben("z.txt", std::string("1 \0 2\t\x0b\t3", 9));
    TZahlLeser leser("z.txt");
    for (double erwartet : {1, 2, 3})
        EXPECT_EQ(leser.ZahlLesen(), erwartet);
}

TEST(ZahlLeser, FaultsNameTheLineOfTheToken) {
    test::TArbeitsVerzeichnis ort;
    // LF, CR LF and a lone CR each end a line; empty lines count
    test::DateiSchreiben("z.txt", "1\n2\r\n\r\n3\r4 x");
    TZahlLeser leser("z.txt");
    for (double erwartet : {1.0, 2.0, 3.0, 4.0})
        EXPECT_EQ(leser.ZahlLesen(), erwartet);
    EXPECT_EQ(leser.Zeile(), 5);
    EXPECT_EQ(Meldung([&] { leser.ZahlLesen(); }), "Invalid numeric input: z.txt, Zeile 5");
}

TEST(ZahlLeser, ATokenOfMoreThan64CharactersIsNoNumber) {
    test::TArbeitsVerzeichnis ort;
    test::DateiSchreiben("z.txt", std::string(64, '1') + " " + std::string(64, '1') + "2 7");
    TZahlLeser leser("z.txt");
    EXPECT_DOUBLE_EQ(leser.ZahlLesen(), std::stod(std::string(64, '1')));
    // not 1111...1 and then 2, as a cut after 64 characters would read it
    EXPECT_EQ(Meldung([&] { leser.ZahlLesen(); }), "Invalid numeric input: z.txt, Zeile 1");
}

TEST(ZahlLeser, MissingFileIsFileNotFound) {
    test::TArbeitsVerzeichnis ort;
    EXPECT_EQ(Meldung([] { TZahlLeser leser("fehlt.txt"); }), "File not found: fehlt.txt");
}

} // namespace
} // namespace kov
