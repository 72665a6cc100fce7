// Operating times: the short form read into a week, the year's hourly flow from the weekday of
// 1 January, night flushing in summer, and the messages of texts that do not read.
#include "model/betriebszeiten.h"

#include "model/fehler.h"
#include "model/kalender.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kov {
namespace {

std::unique_ptr<TStundenFeld> Fahrplan(const std::string& text, int ersterWochentag) {
    auto feld = std::make_unique<TStundenFeld>();
    BetriebszeitenFahrplan(BetriebszeitenLesen(text), ersterWochentag, *feld);
    return feld;
}

// running hours and flow-hours of day d (0 = 1 January)
double TagesSumme(const TStundenFeld& f, int tag) {
    double summe = 0;
    for (int h = tag * 24 + 1; h <= tag * 24 + 24; ++h)
        summe += f[static_cast<std::size_t>(h)];
    return summe;
}

TEST(Betriebszeiten, OfficeWeekElevenHoursOnWeekdaysNoneAtWeekends) {
    // the built-in year starts on a Monday: days 0..4 are Monday..Friday, 5 and 6 the weekend
    const auto f = Fahrplan("Mo-Fr 7-18", Montag);
    for (int tag = 0; tag < 14; ++tag) {
        const bool werktag = tag % 7 < 5;
        EXPECT_EQ(TagesSumme(*f, tag), werktag ? 11.0 : 0.0) << "Tag " << tag;
    }
    // 7-18 is 07:00 to 18:00: hour 8 of the year (07:00-08:00) runs, hour 7 and 19 do not
    EXPECT_EQ((*f)[7], 0.0);
    EXPECT_EQ((*f)[8], 1.0);
    EXPECT_EQ((*f)[18], 1.0);
    EXPECT_EQ((*f)[19], 0.0);
    // 52 full weeks and Monday 31 December: 261 weekdays of 11 hours
    double jahr = 0;
    for (int h = 1; h <= StundenImJahr; ++h)
        jahr += (*f)[static_cast<std::size_t>(h)];
    EXPECT_EQ(jahr, 261 * 11.0);

    // a year that starts on a Sunday (index 6) has its first weekday on 2 January
    const auto sonntag = Fahrplan("Mo-Fr 7-18", 6);
    EXPECT_EQ(TagesSumme(*sonntag, 0), 0.0);
    EXPECT_EQ(TagesSumme(*sonntag, 1), 11.0);
    EXPECT_EQ(TagesSumme(*sonntag, 6), 0.0) << "7 January is a Saturday";
}

TEST(Betriebszeiten, SharesOverlapsListsAndNightFlushing) {
    struct Fall {
        const char* text;
        int tag;     // day of the year from 0, the year starting on a Monday
        int stunde;  // hour of the day 0..23
        double wert; // relative flow
    } faelle[] = {
        {"Sa 8-12 50%", 5, 8, 0.5},
        {"Sa 8-12 50%", 5, 12, 0.0},
        {"Sa 8-12 50%", 4, 9, 0.0},
        {"Mo,Mi,Fr 6-9", 2, 6, 1.0},
        {"Mo,Mi,Fr 6-9", 1, 6, 0.0},
        {"Mo-Fr 7-18 30%; Mo 10-12", 0, 10, 1.0},
        {"Mo-Fr 7-18 30%; Mo 10-12", 0, 12, 0.3},
        {"Mo 10-12; Mo-Fr 7-18 30%", 0, 11, 1.0},
        {"mo-fr 0-24 37.5%", 3, 23, 0.375},
        {"Mo-So 7-18;", 6, 7, 1.0},
        // night flushing runs over midnight on every day of June to August only
        {"Mo-Fr 7-18; Nacht 22-6", 0, 23, 0.0},
        {"Mo-Fr 7-18; Nacht 22-6", 151, 23, 1.0},
        {"Mo-Fr 7-18; Nacht 22-6", 151, 5, 1.0},
        {"Mo-Fr 7-18; Nacht 22-6", 151, 6, 0.0},
        {"Mo-Fr 7-18; Nacht 22-6 60%", 242, 2, 0.6},
        {"Mo-Fr 7-18; Nacht 22-6", 243, 2, 0.0},
    };
    for (const Fall& f : faelle) {
        const auto feld = Fahrplan(f.text, Montag);
        EXPECT_EQ((*feld)[static_cast<std::size_t>(f.tag * 24 + f.stunde + 1)], f.wert)
            << f.text << ", Tag " << f.tag << ", " << f.stunde << " Uhr";
    }
    // day 151 is 1 June, 242 the 31 August, 243 the 1 September
    EXPECT_EQ(MonatDerStunde(151 * 24 + 1), 6);
    EXPECT_EQ(MonatDerStunde(242 * 24 + 24), 8);
    EXPECT_EQ(MonatDerStunde(243 * 24 + 1), 9);
}

TEST(Betriebszeiten, TextsThatDoNotReadNameTheirPosition) {
    struct Fall {
        const char* text;
        const char* meldung;
    } faelle[] = {
        {"", "Zeichen 1: Ein Eintrag wie \"Mo-Fr 7-18\" erwartet, aber der Text ist zu Ende."},
        {"Mo-Fx 7-18", "Zeichen 4: unbekannter Wochentag \"Fx\""},
        {"Fr-Mo 7-18", "Zeichen 1: die Woche läuft von Mo bis So; \"Fr-Mo\" läuft rückwärts."},
        {"Mo-Fr 18-7", "Zeichen 7: die Endstunde muss nach der Anfangsstunde liegen"},
        {"Mo-Fr 7-7", "Zeichen 7: die Endstunde muss nach der Anfangsstunde liegen"},
        {"Mo-Fr 7-25", "Zeichen 9: Die Endstunde muss eine volle Stunde von 0 bis 24 sein."},
        {"Mo-Fr 7.5-18", "Zeichen 7: Die Anfangsstunde muss eine volle Stunde"},
        {"Mo-Fr 7 18", "Zeichen 9: \"-\" zwischen Anfangs- und Endstunde erwartet, nicht \"1\"."},
        {"Mo-Fr 7-18 50", "Zeichen 14: \"%\" nach dem Anteil erwartet, aber der Text ist zu Ende."},
        {"Mo-Fr 7-18 150%", "Zeichen 12: der Anteil muss größer als 0 und höchstens 100 % sein."},
        {"Mo-Fr 7-18 0%", "Zeichen 12: der Anteil muss größer als 0"},
        {"Mo-Fr 7-18, Sa 8-12", "Zeichen 11: Ein Anteil in % oder \";\" erwartet, nicht \",\"."},
        {"Mo-Fr", "Zeichen 6: Die Anfangsstunde erwartet, aber der Text ist zu Ende."},
        {"7-18", "Zeichen 1: Ein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So) erwartet, nicht \"7\"."},
        {"Mo-Fr 7-18 50% x", "Zeichen 16: \";\" vor dem nächsten Eintrag erwartet"},
    };
    for (const Fall& f : faelle) {
        const std::string meldung = BetriebszeitenFehler(f.text);
        EXPECT_EQ(meldung.rfind("Betriebszeiten (Betriebszeiten), ", 0), 0u) << f.text;
        EXPECT_NE(meldung.find(f.meldung), std::string::npos)
            << "\"" << f.text << "\" gives: " << meldung;
        EXPECT_THROW(BetriebszeitenLesen(f.text), TParameterFehler) << f.text;
    }
    EXPECT_EQ(BetriebszeitenFehler("Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6"), "");
}

TEST(Betriebszeiten, TheRunFollowsAScheduleFileOrOperatingTimes) {
    TRegisterParameter p;
    EXPECT_FALSE(FahrplanFolgen(p));
    p.Betriebszeiten = "Mo-Fr 7-18";
    EXPECT_TRUE(FahrplanFolgen(p));
    p.Betriebszeiten.clear();
    p.FahrplanGelesen = true;
    EXPECT_TRUE(FahrplanFolgen(p));
}

} // namespace
} // namespace kov
