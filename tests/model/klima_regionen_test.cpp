#include "model/klima_regionen.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(KlimaRegionen, NamesAndShortFormsReadToOneName) {
    struct Fall {
        const char* text;
        const char* name; // nullptr: refused
    } faelle[] = {
        {"5", "TRY2015-05-Jahr"},
        {"05", "TRY2015-05-Jahr"},
        {"5:Wint:2045", "TRY2045-05-Wint"},
        {"5:2045:Wint", "TRY2045-05-Wint"},
        {"12:Somm", "TRY2015-12-Somm"},
        {"1:2045", "TRY2045-01-Jahr"},
        {"15", "TRY2015-15-Jahr"},
        {"TRY2045-12-Wint", "TRY2045-12-Wint"},
        {"TRY2015-01-Jahr", "TRY2015-01-Jahr"},
        {"", nullptr},
        {"0", nullptr},
        {"16", nullptr},
        {"-1", nullptr},
        {"5:Herbst", nullptr},
        {"5:wint", nullptr},
        {"5:2030", nullptr},
        {"5:Wint:Somm", nullptr},
        {"5:2015:2045", nullptr},
        {"5:Wint:2045:Jahr", nullptr},
        {"5:", nullptr},
        {" 5", nullptr},
        {"TRY2015-5-Jahr", nullptr},
        {"TRY2015-16-Jahr", nullptr},
        {"TRY2030-05-Jahr", nullptr},
        {"TRY2015-05-Jahrx", nullptr},
        {"TRY2015_514562070568_Jahr.dat", nullptr},
    };
    for (const Fall& f : faelle) {
        TKlimaWahl wahl{3, TKlimaArt::Somm, 2045};
        std::string fehler;
        const bool gelesen = KlimaWahlLesen(f.text, wahl, &fehler);
        if (f.name == nullptr) {
            EXPECT_FALSE(gelesen) << '"' << f.text << "\" was read as " << KlimaName(wahl);
            EXPECT_NE(fehler.find("Region 1 bis 15"), std::string::npos) << f.text;
        } else {
            ASSERT_TRUE(gelesen) << '"' << f.text << '"';
            EXPECT_EQ(KlimaName(wahl), f.name) << f.text;
        }
    }
}

TEST(KlimaRegionen, ArchiveEntriesAndDescriptions) {
    EXPECT_EQ(KlimaDateiName({5, TKlimaArt::Jahr, 2015}), "5/TRY2015_514562070568_Jahr.dat");
    EXPECT_EQ(KlimaDateiName({12, TKlimaArt::Wint, 2045}), "12/TRY2045_494902084637_Wint.dat");
    EXPECT_EQ(KlimaBeschreibung({13, TKlimaArt::Somm, 2045}),
              "Region 13 Mühldorf, extremer Sommer 2031–2060");
    // the position in the identifier is the table's latitude and longitude
    for (const TKlimaRegion& r : KlimaRegionenListe()) {
        const std::string kennung(r.Kennung);
        EXPECT_DOUBLE_EQ(std::stod(kennung.substr(0, 6)) / 1e4, r.Breite) << r.Station;
        EXPECT_DOUBLE_EQ(std::stod(kennung.substr(6)) / 1e4, r.Laenge) << r.Station;
    }
}

TEST(KlimaRegionen, NearestStation) {
    struct Fall {
        const char* ort;
        double breite, laenge;
        int region;
        double km, toleranz;
    } faelle[] = {
        // a station's own position: 0 km
        {"Essen", 51.4562, 7.0568, 5, 0.0, 1e-9},
        // Bremen 53.08 N 8.80 E: Bremerhaven (53.5591, 8.5872) by the haversine on R = 6371 km,
        // dphi = 0.4791°, dlambda = -0.2128°, cos 53.3° = 0.597 -> sqrt(53.27² + 14.12²) ≈ 55.1 km;
        // Hamburg is 94.6 km away
        {"Bremen", 53.08, 8.80, 1, 55.1, 0.3},
        // Munich 48.14 N 11.58 E: Mühldorf (71.25 km) before Garmisch-Partenkirchen (80.07 km),
        // both by the same formula worked in a pocket calculator's precision
        {"München", 48.14, 11.58, 13, 71.25, 0.05},
        // Freiburg 47.99 N 7.85 E: Stötten 166.36 km, Mannheim 172.78 km
        {"Freiburg", 47.99, 7.85, 14, 166.36, 0.05},
    };
    for (const Fall& f : faelle) {
        double km = -1.0;
        EXPECT_EQ(NaechsteKlimaRegion(f.breite, f.laenge, &km), f.region) << f.ort;
        EXPECT_NEAR(km, f.km, f.toleranz) << f.ort;
    }
}

} // namespace
} // namespace kov
