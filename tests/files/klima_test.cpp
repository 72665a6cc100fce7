#include "files/klima.h"
#include "files/wetter_datei.h"
#include "model/fehler.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

namespace kov {
namespace {

// Figures of two built-in years taken from the original files by hand: the file unpacked from
// daten/klima and the air temperature (column 6, t) of the 8760 rows after the "***" line
// summed, compared and counted:
//   unzip -p daten/klima/5.zip 5/TRY2015_514562070568_Jahr.dat > a.dat
//   awk 'f && NF>=17 {n++; s+=$6; if(n==1||$6<mi){mi=$6; hmi=n}; if(n==1||$6>ma){ma=$6;hma=n};
//        if($6<0) u++} /^\*\*\*/ {f=1}
//        END {printf "n=%d mean=%.4f min=%.1f (row %d) max=%.1f (row %d) below0=%d\n",
//             n, s/n, mi, hmi, ma, hma, u}' a.dat
//   -> n=8760 mean=10.9572 min=-6.3 (row 1256) max=33.3 (row 4287) below0=303
// and the same over 12/TRY2045_494902084637_Wint.dat of 12.zip
//   -> n=8760 mean=11.4804 min=-7.3 (row 129) max=33.5 (row 2849) below0=498
// The mean is printed to 4 decimals (tolerance 5e-5 K); extremes are file values (0.1 K
// resolution, compared exactly), their hour the first row that reaches them.
TEST(Klima, BuiltInYearsHaveTheFiguresOfTheOriginalFiles) {
    struct Fall {
        const char* klima;
        const char* name;
        double mittel, minimum;
        int minimumStunde;
        double maximum;
        int maximumStunde, unterNull;
    } faelle[] = {
        {"5", "TRY2015-05-Jahr", 10.9572, -6.3, 1256, 33.3, 4287, 303},
        {"12:Wint:2045", "TRY2045-12-Wint", 11.4804, -7.3, 129, 33.5, 2849, 498},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.klima);
        auto jahr = std::make_unique<TWetterJahr>();
        TWetterInfo info;
        KlimaJahrLesen(f.klima, *jahr, info);
        const TWetterKennwerte& k = info.Kennwerte;
        EXPECT_NEAR(k.JahresMittel, f.mittel, 5e-5);
        EXPECT_DOUBLE_EQ(k.Minimum.Wert, f.minimum);
        EXPECT_EQ(k.Minimum.Stunde, f.minimumStunde);
        EXPECT_DOUBLE_EQ(k.Maximum.Wert, f.maximum);
        EXPECT_EQ(k.Maximum.Stunde, f.maximumStunde);
        EXPECT_EQ(k.StundenUnterNull, f.unterNull);
        EXPECT_EQ(info.Datei, f.name);
        EXPECT_EQ(info.Format, TWetterFormat::Try2015);
        EXPECT_EQ(info.DatenZeilen, 8760);
        EXPECT_EQ(info.StundenErgaenzt, 0);
        EXPECT_TRUE(info.HatFeuchte);
        EXPECT_NE(info.Datenquelle.find("Datenbasis: Deutscher Wetterdienst"), std::string::npos);
    }
}

TEST(Klima, ARegionsYearsAreItsStationsAndDifferFromEachOther) {
    // the header of every file of region 12 gives the station's height (grep Hoehenlage:
    // "Hoehenlage : 103 Meter ueber NN"), the kind of year ("Art des TRY : extremer Winter"),
    // the period ("Bezugszeitraum : 2031-2060") and a Lambert position near the position in
    // the file name, 49.4902 N 8.4637 E
    double mittel[6] = {};
    int i = 0;
    for (int periode : KlimaPerioden)
        for (TKlimaArt art : KlimaArten) {
            const TKlimaWahl wahl{12, art, periode};
            SCOPED_TRACE(KlimaName(wahl));
            auto jahr = std::make_unique<TWetterJahr>();
            TWetterInfo info;
            KlimaJahrLesen(wahl, *jahr, info);
            EXPECT_EQ(info.Ort, "Mannheim");
            EXPECT_EQ(info.Region, "Oberrheingraben und unteres Neckartal");
            EXPECT_TRUE(info.HatHoehe);
            EXPECT_DOUBLE_EQ(info.Hoehe, 103.0);
            EXPECT_EQ(info.Datenquelle, std::string(KlimaArtText(art)) + ", Bezugszeitraum " +
                                            (periode == 2015 ? "1995-2012" : "2031-2060") +
                                            "; Datenbasis: Deutscher Wetterdienst");
            ASSERT_TRUE(info.HatKoordinaten);
            EXPECT_NEAR(info.Breite, 49.4902, 0.01);
            EXPECT_NEAR(info.Laenge, 8.4637, 0.01);
            mittel[i++] = info.Kennwerte.JahresMittel;
        }
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(mittel[a], mittel[b]) << "years " << a << " and " << b << " are the same";
}

TEST(Klima, TextsThatNameNoClimateAreRefusedNamingTheField) {
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    try {
        KlimaJahrLesen(std::string("16"), *jahr, info);
        FAIL() << "region 16 was read";
    } catch (const TParameterFehler& f) {
        EXPECT_NE(std::string(f.what()).find("(Klima) \"16\" muss"), std::string::npos) << f.what();
    }
}

TEST(Klima, RunWeatherOnlyForAClimateThatStandsAlone) {
    TRegisterParameter p;
    EXPECT_EQ(KlimaWetterLesen(p, nullptr), nullptr) << "no climate";
    p.Klima = "0";
    EXPECT_EQ(KlimaWetterLesen(p, nullptr), nullptr) << "no region 0: left to the check";
    p.Klima = "TRY2015-01-Somm";
    p.WetterDatei = "ort.epw";
    EXPECT_EQ(KlimaWetterLesen(p, nullptr), nullptr) << "beside a weather file";
    p.WetterDatei.clear();
    TWetterInfo info;
    const auto jahr = KlimaWetterLesen(p, &info);
    ASSERT_NE(jahr, nullptr);
    EXPECT_EQ(info.Datei, "TRY2015-01-Somm");
    EXPECT_EQ(info.Ort, "Bremerhaven");
}

TEST(Klima, ReportLineNamesTheYearAndItsSource) {
    EXPECT_EQ(KlimaBerichtName("5:Wint:2045"),
              "TRY2045-05-Wint (Datenbasis: Deutscher Wetterdienst)");
    EXPECT_EQ(KlimaBerichtName("TRY2015-15-Somm"),
              "TRY2015-15-Somm (Datenbasis: Deutscher Wetterdienst)");
    EXPECT_EQ(KlimaBezeichnung("14"), "Eingebautes Klima TRY2015-14-Jahr: Region 14 Stötten, "
                                      "mittleres Jahr 1995–2012 (Datenbasis: Deutscher "
                                      "Wetterdienst)");
}

// CRC-32 as the zip format stores it (IEEE 802.3, reflected, polynomial 0xEDB88320)
std::uint32_t Crc32(std::string_view text) {
    std::array<std::uint32_t, 256> tafel{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        tafel[i] = c;
    }
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char z : text)
        crc = (crc >> 8) ^ tafel[(crc ^ static_cast<unsigned char>(z)) & 0xFFu];
    return ~crc;
}

// Every one of the 90 years the programs carry is its original file byte for byte: its length
// and CRC-32 against the central directory of daten/klima/N.zip (APPNOTE 4.3.12: CRC at +16,
// unpacked size at +24, name length at +28 of each entry; the end record is the last 22 bytes).
TEST(Klima, EveryBuiltInYearIsTheOriginalFileByteForByte) {
    int verglichen = 0;
    for (const TKlimaRegion& region : KlimaRegionenListe()) {
        const std::string pfad = std::string(KOV_TESTDATEN) + "/../../daten/klima/" +
                                 std::to_string(region.Nummer) + ".zip";
        std::ifstream datei(pfad, std::ios::binary);
        ASSERT_TRUE(datei) << pfad;
        const std::string zip((std::istreambuf_iterator<char>(datei)),
                              std::istreambuf_iterator<char>());
        const auto wort = [&zip](std::size_t stelle, int bytes) {
            std::uint32_t wert = 0;
            for (int i = bytes - 1; i >= 0; --i)
                wert = (wert << 8) |
                       static_cast<unsigned char>(zip[stelle + static_cast<std::size_t>(i)]);
            return wert;
        };
        const std::size_t ende = zip.size() - 22;
        ASSERT_EQ(wort(ende, 4), 0x06054b50u) << pfad;
        std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> original;
        std::size_t stelle = wort(ende + 16, 4);
        for (std::uint32_t i = 0; i < wort(ende + 10, 2); ++i) {
            const std::size_t name = wort(stelle + 28, 2);
            original[zip.substr(stelle + 46, name)] = {wort(stelle + 16, 4), wort(stelle + 24, 4)};
            stelle += 46 + name + wort(stelle + 30, 2) + wort(stelle + 32, 2);
        }
        for (const int periode : KlimaPerioden)
            for (const TKlimaArt art : KlimaArten) {
                const TKlimaWahl wahl{region.Nummer, art, periode};
                const auto gefunden = original.find(KlimaDateiName(wahl));
                ASSERT_NE(gefunden, original.end()) << KlimaDateiName(wahl);
                const std::string text = KlimaDateiText(wahl);
                EXPECT_EQ(text.size(), gefunden->second.second) << KlimaName(wahl);
                EXPECT_EQ(Crc32(text), gefunden->second.first) << KlimaName(wahl);
                ++verglichen;
            }
    }
    EXPECT_EQ(verglichen, 90);
}

} // namespace
} // namespace kov
