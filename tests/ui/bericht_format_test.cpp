// Numbers and file names of the design report: decimal sign of the locale, groups by a narrow
// no-break space from five digits on, the C locale ungrouped, numbers inside texts changed and
// dates, versions and names left alone, files relative to the project.
#include "ui/bericht_format.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

const QString D = QString(SchmalesLeerzeichen);

TEST(BerichtFormat, NumbersInTheLocalesForm) {
    const QLocale deutsch(QLocale::German);
    const QLocale englisch(QLocale::English);
    struct TFall {
        double Wert;
        int Dezimalen;
        QString Deutsch;
        QString Englisch;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {0.1922, 4, QStringLiteral("0,1922"), QStringLiteral("0.1922")},
             {3700, 0, QStringLiteral("3700"), QStringLiteral("3700")},
             {76745.4, 0, QStringLiteral("76") + D + QStringLiteral("745"),
              QStringLiteral("76") + D + QStringLiteral("745")},
             {-1234567.891, 2,
              QStringLiteral("-1") + D + QStringLiteral("234") + D + QStringLiteral("567,89"),
              QStringLiteral("-1") + D + QStringLiteral("234") + D + QStringLiteral("567.89")},
             {-0.04, 1, QStringLiteral("0,0"), QStringLiteral("0.0")},
             {-2.06, 1, QStringLiteral("-2,1"), QStringLiteral("-2.1")},
             {18148.24, 1, QStringLiteral("18") + D + QStringLiteral("148,2"),
              QStringLiteral("18") + D + QStringLiteral("148.2")}}) {
        EXPECT_EQ(BerichtZahl(deutsch, f.Wert, f.Dezimalen), f.Deutsch) << f.Wert;
        EXPECT_EQ(BerichtZahl(englisch, f.Wert, f.Dezimalen), f.Englisch) << f.Wert;
    }
    // the machine form of the report file and kov-run: a point, no groups
    EXPECT_EQ(BerichtZahl(QLocale::c(), -1234567.891, 2), QStringLiteral("-1234567.89"));
    EXPECT_EQ(ZahlenOertlich(QLocale::c(), QStringLiteral("18148.2 kWh")),
              QStringLiteral("18148.2 kWh"));
    EXPECT_EQ(D, QString(QChar(0x202F))) << "a group must never part at a line end";
}

TEST(BerichtFormat, NumbersInsideATextOnlyWhereTheyStandAlone) {
    const QLocale deutsch(QLocale::German);
    struct TFall {
        QString Text;
        QString Erwartet;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {QStringLiteral("2.36 m/s"), QStringLiteral("2,36 m/s")},
             {QStringLiteral("<= 50.0 Pa (-2.1 °C)."), QStringLiteral("<= 50,0 Pa (-2,1 °C).")},
             {QStringLiteral("18148.2"), QStringLiteral("18") + D + QStringLiteral("148,2")},
             {QStringLiteral("Jan -0.1; Feb 0.4"), QStringLiteral("Jan -0,1; Feb 0,4")},
             // a date, a time, a version, a name with digits, a year and a list stay
             {QStringLiteral("am 26.01., Stunde 7"), QStringLiteral("am 26.01., Stunde 7")},
             {QStringLiteral("07.03.2024 08:00"), QStringLiteral("07.03.2024 08:00")},
             {QStringLiteral("KOV 2.0.0"), QStringLiteral("KOV 2.0.0")},
             {QStringLiteral("TRY2015-05-Jahr 2031–2060"),
              QStringLiteral("TRY2015-05-Jahr 2031–2060")},
             {QStringLiteral("0.1:25;0.15:35"), QStringLiteral("0.1:25;0.15:35")},
             {QStringLiteral("zurihour.dat"), QStringLiteral("zurihour.dat")},
             // already in German form: nothing changes a second time
             {QStringLiteral("0,5 und 1,25"), QStringLiteral("0,5 und 1,25")}})
        EXPECT_EQ(ZahlenOertlich(deutsch, f.Text), f.Erwartet) << f.Text.toStdString();
}

TEST(BerichtFormat, FilesRelativeToTheProjectNeverAbsolute) {
    struct TFall {
        QString Pfad;
        QString Ordner;
        QString Erwartet;
    };
    for (const TFall& f : std::initializer_list<TFall>{
             {QStringLiteral("wetter/ort.epw"), QStringLiteral("/p"),
              QStringLiteral("wetter/ort.epw")},
             {QStringLiteral("./ort.epw"), QString(), QStringLiteral("ort.epw")},
             {QStringLiteral("/p/wetter/ort.epw"), QStringLiteral("/p"),
              QStringLiteral("wetter/ort.epw")},
             {QStringLiteral("/anderswo/ort.epw"), QStringLiteral("/p"), QStringLiteral("ort.epw")},
             {QStringLiteral("/tmp/ort.epw"), QString(), QStringLiteral("ort.epw")},
             {QStringLiteral("../../daten/wetter/ort.epw"), QStringLiteral("/p/q"),
              QStringLiteral("ort.epw")},
             {QStringLiteral("wetter/../../ort.epw"), QStringLiteral("/p"),
              QStringLiteral("ort.epw")},
             {QString(), QStringLiteral("/p"), QString()}})
        EXPECT_EQ(BerichtDateiName(f.Pfad, f.Ordner), f.Erwartet) << f.Pfad.toStdString();
}

} // namespace
} // namespace kov
