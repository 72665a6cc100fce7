#include "startbild/startbild_zeichnen.h"
#include "ui/jpeg_bild.h"
#include "ui/start_fenster.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace kov {
namespace {

constexpr std::array<std::array<int, 3>, 4> Quadranten{
    {{200, 40, 30}, {30, 180, 60}, {40, 60, 210}, {230, 230, 90}}};

QImage Lesen(const std::vector<std::uint8_t>& daten) {
    return JpegBildLesen(daten.data(), daten.size());
}

struct TAbweichung {
    double Pixel = 0;  // mean absolute channel difference of the pixels
    double Mittel = 0; // largest channel difference of the block means
};

TAbweichung BlockAbweichung(const TRgbBild& soll, const QImage& ist, int bx, int by, int groesse) {
    TAbweichung a;
    std::array<double, 3> mittelSoll{}, mittelIst{};
    for (int y = by; y < by + groesse; ++y)
        for (int x = bx; x < bx + groesse; ++x) {
            const QRgb p = ist.pixel(x, y);
            const std::array<int, 3> i{qRed(p), qGreen(p), qBlue(p)};
            const std::size_t k = (static_cast<std::size_t>(y) * soll.Breite + x) * 3;
            for (std::size_t c = 0; c < 3; ++c) {
                a.Pixel += std::abs(i[c] - soll.Pixel[k + c]);
                mittelSoll[c] += soll.Pixel[k + c];
                mittelIst[c] += i[c];
            }
        }
    const double n = static_cast<double>(groesse) * groesse;
    a.Pixel /= 3 * n;
    for (std::size_t c = 0; c < 3; ++c)
        a.Mittel = std::max(a.Mittel, std::abs(mittelSoll[c] - mittelIst[c]) / n);
    return a;
}

// The stored picture is what the generator draws today: a stale or foreign file shows up as
// large block differences, a decoder that mixes up rows, channels or strides as well.
TEST(JpegBild, GespeichertesStartbildGleichtDerZeichnung) {
    const QByteArray daten = StartbildDaten();
    ASSERT_FALSE(daten.isEmpty());
    const QImage bild = JpegBildLesen(reinterpret_cast<const unsigned char*>(daten.constData()),
                                      static_cast<std::size_t>(daten.size()));
    ASSERT_EQ(bild.width(), 640);
    ASSERT_EQ(bild.height(), 480);
    const TRgbBild soll = StartbildZeichnen();
    double gesamt = 0;
    int bloecke = 0;
    for (int by = 0; by < 480; by += 16)
        for (int bx = 0; bx < 640; bx += 16) {
            const TAbweichung a = BlockAbweichung(soll, bild, bx, by, 16);
            gesamt += a.Pixel;
            ++bloecke;
            // thin lines lose colour to chroma subsampling, block means stay put
            EXPECT_LT(a.Pixel, 25.0) << "Block bei (" << bx << ", " << by << ")";
            EXPECT_LT(a.Mittel, 6.0) << "Block bei (" << bx << ", " << by << ")";
        }
    EXPECT_LT(gesamt / bloecke, 4.0);
}

// Widths that are not a multiple of four leave padding at the end of every QImage row; grey
// pictures come back as RGB with three equal channels.
TEST(JpegBild, FormateUndGroessen) {
    struct TFall {
        int Breite, Hoehe;
        bool Grau;
    };
    for (const TFall fall : {TFall{1, 1, false}, TFall{17, 9, false}, TFall{33, 70, true},
                             TFall{640, 480, false}, TFall{2, 300, true}}) {
        const std::string name = std::to_string(fall.Breite) + "x" + std::to_string(fall.Hoehe) +
                                 (fall.Grau ? " grau" : " farbig");
        // flat colour areas in four quadrants survive JPEG almost unchanged
        TRgbBild soll{
            fall.Breite, fall.Hoehe,
            std::vector<std::uint8_t>(static_cast<std::size_t>(fall.Breite) * fall.Hoehe * 3)};
        const auto farbe = [&](int x, int y) {
            const int q = (x * 2 >= fall.Breite ? 1 : 0) + (y * 2 >= fall.Hoehe ? 2 : 0);
            return Quadranten[static_cast<std::size_t>(q)];
        };
        for (int y = 0; y < fall.Hoehe; ++y)
            for (int x = 0; x < fall.Breite; ++x)
                for (std::size_t k = 0; k < 3; ++k)
                    soll.Pixel[(static_cast<std::size_t>(y) * fall.Breite + x) * 3 + k] =
                        static_cast<std::uint8_t>(farbe(x, y)[k]);
        const QImage bild = Lesen(JpegKodieren(soll, 95, fall.Grau));
        ASSERT_FALSE(bild.isNull()) << name;
        ASSERT_EQ(bild.size(), QSize(fall.Breite, fall.Hoehe)) << name;
        // corners of the quadrants, away from the edges where JPEG blurs the colours
        for (const auto& [x, y] :
             {std::pair{0, 0}, std::pair{fall.Breite - 1, 0}, std::pair{0, fall.Hoehe - 1},
              std::pair{fall.Breite - 1, fall.Hoehe - 1}}) {
            const QRgb p = bild.pixel(x, y);
            const std::array<int, 3> s = farbe(x, y);
            const int r = fall.Grau ? s[1] : s[0], g = s[1], b = fall.Grau ? s[1] : s[2];
            // small pictures have every pixel near a colour edge: wider tolerance
            const int toleranz = fall.Breite * fall.Hoehe < 100 ? 60 : 12;
            EXPECT_NEAR(qRed(p), r, toleranz) << name << " Pixel (" << x << ", " << y << ")";
            EXPECT_NEAR(qGreen(p), g, toleranz) << name << " Pixel (" << x << ", " << y << ")";
            EXPECT_NEAR(qBlue(p), b, toleranz) << name << " Pixel (" << x << ", " << y << ")";
        }
    }
}

// Nothing that is not a complete JPEG gives a picture; libjpeg must neither end the program
// nor hand back a half-grey image.
TEST(JpegBild, BeschaedigteDatenGebenKeinBild) {
    const QByteArray startbild = StartbildDaten();
    const std::vector<std::uint8_t> echt(startbild.begin(), startbild.end());
    ASSERT_GT(echt.size(), 1000u);

    std::vector<std::uint8_t> riesig =
        JpegKodieren(TRgbBild{8, 8, std::vector<std::uint8_t>(192, 128)}, 90);
    // the frame header (SOF0: FF C0, length, precision) carries height and width
    bool gefunden = false;
    for (std::size_t i = 0; i + 8 < riesig.size(); ++i)
        if (riesig[i] == 0xFF && riesig[i + 1] == 0xC0) {
            riesig[i + 5] = 0xEA; // 60000 rows
            riesig[i + 6] = 0x60;
            riesig[i + 7] = 0xEA; // 60000 columns
            riesig[i + 8] = 0x60;
            gefunden = true;
            break;
        }
    ASSERT_TRUE(gefunden);

    std::vector<std::uint8_t> zerstoert = echt;
    for (std::size_t i = zerstoert.size() / 3; i < zerstoert.size() - 2; i += 97)
        zerstoert[i] = 0xFF; // markers in the middle of the entropy-coded data

    const struct {
        const char* Name;
        std::vector<std::uint8_t> Daten;
    } faelle[] = {
        {"leer", {}},
        {"nur SOI", {0xFF, 0xD8}},
        {"Text", {'k', 'e', 'i', 'n', ' ', 'B', 'i', 'l', 'd'}},
        {"Kopf ohne Bilddaten", std::vector<std::uint8_t>(echt.begin(), echt.begin() + 600)},
        {"halb abgeschnitten",
         std::vector<std::uint8_t>(echt.begin(), echt.begin() + echt.size() / 2)},
        {"letzte Bytes fehlen", std::vector<std::uint8_t>(echt.begin(), echt.end() - 40)},
        {"Marker im Datenstrom", zerstoert},
        {"60000 x 60000 Pixel", riesig},
        {"Zufallsbytes",
         [] {
             std::vector<std::uint8_t> d(4096);
             std::uint32_t z = 12345;
             for (auto& b : d)
                 b = static_cast<std::uint8_t>((z = z * 1103515245u + 12345u) >> 24);
             d[0] = 0xFF;
             d[1] = 0xD8;
             return d;
         }()},
    };
    for (const auto& fall : faelle)
        EXPECT_TRUE(Lesen(fall.Daten).isNull()) << fall.Name;
    EXPECT_TRUE(JpegBildLesen(nullptr, 10).isNull());
    // and the decoder is still usable afterwards
    EXPECT_EQ(Lesen(echt).size(), QSize(640, 480));
}

} // namespace
} // namespace kov
