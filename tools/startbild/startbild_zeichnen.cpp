#include "startbild/startbild_zeichnen.h"

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace kov {

namespace {

// Every picture pixel is averaged from Fein x Fein samples, which smooths the edges.
constexpr int Fein = 3;

struct TFarbe {
    double R = 0, G = 0, B = 0;
};

TFarbe Mischen(TFarbe a, TFarbe b, double anteilB) {
    return {a.R + (b.R - a.R) * anteilB, a.G + (b.G - a.G) * anteilB, a.B + (b.B - a.B) * anteilB};
}

TFarbe Abdunkeln(TFarbe f, double faktor) {
    return {f.R * faktor, f.G * faktor, f.B * faktor};
}

TFarbe Aufhellen(TFarbe f, double betrag) {
    return {f.R + betrag, f.G + betrag, f.B + betrag};
}

// Fixed pseudo-random value in [0, 1) for a picture pixel: the same picture on every run.
double Zufall(int x, int y, unsigned saat) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + saat * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFFFFFFu) / 16777216.0;
}

struct TPunkt {
    double X = 0, Y = 0;
};

// The camera stands 1 m above the ground and looks level; the soil face in front is cut at 4 m.
constexpr double Brennweite = 400.0; // pixels
constexpr double Horizont = 200.0;
constexpr double BildMitte = 320.0;
constexpr double Augenhoehe = 1.0;   // m
constexpr double Schnitt = 4.0;      // m, distance of the front soil face
constexpr double HausAbstand = 25.0; // m, the house wall where the trench ends

// x to the right, hoehe above the ground surface (negative in the soil), z away from the eye; m.
TPunkt Projektion(double x, double hoehe, double z) {
    return {BildMitte + Brennweite * x / z, Horizont - Brennweite * (hoehe - Augenhoehe) / z};
}

class TLeinwand {
public:
    TLeinwand()
        : Proben(static_cast<std::size_t>(StartbildBreite * Fein * StartbildHoehe * Fein)) {}

    // Paints every sample inside the box [x0, x1) x [y0, y1) for which innen(x, y) holds with
    // farbe(x, y); coordinates in picture pixels.
    template <class Innen, class Farbe>
    void Malen(double x0, double y0, double x1, double y1, Innen innen, Farbe farbe) {
        const int i0 = std::max(0, static_cast<int>(std::floor(x0 * Fein)));
        const int i1 = std::min(StartbildBreite * Fein, static_cast<int>(std::ceil(x1 * Fein)));
        const int j0 = std::max(0, static_cast<int>(std::floor(y0 * Fein)));
        const int j1 = std::min(StartbildHoehe * Fein, static_cast<int>(std::ceil(y1 * Fein)));
        for (int j = j0; j < j1; ++j) {
            const double y = (j + 0.5) / Fein;
            for (int i = i0; i < i1; ++i) {
                const double x = (i + 0.5) / Fein;
                if (innen(x, y))
                    Proben[static_cast<std::size_t>(j) * StartbildBreite * Fein +
                           static_cast<std::size_t>(i)] = farbe(x, y);
            }
        }
    }

    template <class Farbe> void Vieleck(std::initializer_list<TPunkt> ecken, Farbe farbe) {
        std::array<TPunkt, 16> e{};
        std::size_t n = 0;
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (const TPunkt& p : ecken) {
            if (n == e.size()) break;
            e[n++] = p;
            x0 = std::min(x0, p.X);
            y0 = std::min(y0, p.Y);
            x1 = std::max(x1, p.X);
            y1 = std::max(y1, p.Y);
        }
        Malen(
            x0, y0, x1, y1,
            [&](double x, double y) {
                bool innen = false;
                for (std::size_t a = 0, b = n - 1; a < n; b = a++) {
                    if ((e[a].Y > y) != (e[b].Y > y) &&
                        x < e[a].X + (y - e[a].Y) * (e[b].X - e[a].X) / (e[b].Y - e[a].Y))
                        innen = !innen;
                }
                return innen;
            },
            farbe);
    }

    void Vieleck(std::initializer_list<TPunkt> ecken, TFarbe farbe) {
        Vieleck(ecken, [farbe](double, double) { return farbe; });
    }

    template <class Farbe> void Ellipse(double mx, double my, double rx, double ry, Farbe farbe) {
        Malen(
            mx - rx, my - ry, mx + rx, my + ry,
            [=](double x, double y) {
                const double u = (x - mx) / rx, v = (y - my) / ry;
                return u * u + v * v <= 1.0;
            },
            farbe);
    }

    void Ellipse(double mx, double my, double rx, double ry, TFarbe farbe) {
        Ellipse(mx, my, rx, ry, [farbe](double, double) { return farbe; });
    }

    void Linie(TPunkt a, TPunkt b, double dicke, TFarbe farbe) {
        const double dx = b.X - a.X, dy = b.Y - a.Y;
        const double laenge = std::sqrt(dx * dx + dy * dy);
        if (laenge == 0.0) return;
        const double nx = -dy / laenge * dicke / 2, ny = dx / laenge * dicke / 2;
        Vieleck({{a.X + nx, a.Y + ny},
                 {b.X + nx, b.Y + ny},
                 {b.X - nx, b.Y - ny},
                 {a.X - nx, a.Y - ny}},
                farbe);
    }

    TRgbBild Verkleinern() const {
        TRgbBild bild;
        bild.Breite = StartbildBreite;
        bild.Hoehe = StartbildHoehe;
        bild.Pixel.resize(static_cast<std::size_t>(StartbildBreite * StartbildHoehe * 3));
        for (int y = 0; y < StartbildHoehe; ++y)
            for (int x = 0; x < StartbildBreite; ++x) {
                TFarbe summe;
                for (int j = 0; j < Fein; ++j)
                    for (int i = 0; i < Fein; ++i) {
                        const TFarbe& p =
                            Proben[static_cast<std::size_t>(y * Fein + j) * StartbildBreite * Fein +
                                   static_cast<std::size_t>(x * Fein + i)];
                        summe.R += p.R;
                        summe.G += p.G;
                        summe.B += p.B;
                    }
                const std::size_t k = (static_cast<std::size_t>(y) * StartbildBreite + x) * 3;
                const double n = Fein * Fein;
                bild.Pixel[k] = Kanal(summe.R / n);
                bild.Pixel[k + 1] = Kanal(summe.G / n);
                bild.Pixel[k + 2] = Kanal(summe.B / n);
            }
        return bild;
    }

private:
    static std::uint8_t Kanal(double wert) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(wert), 0L, 255L));
    }

    std::vector<TFarbe> Proben;
};

// Soil layers below the ground surface: topsoil, loam, sand and gravel; depths in m.
struct TSchicht {
    double Oben, Unten;
    TFarbe Farbe;
    double Koernung; // share of pixels that show a stone
};
constexpr std::array<TSchicht, 3> Schichten{{
    {0.0, 0.35, {72, 50, 32}, 0.02},
    {0.35, 1.05, {150, 104, 60}, 0.03},
    {1.05, 3.0, {188, 158, 108}, 0.12},
}};

// Soil colour with grain: stones lighter or darker than the matrix, fixed by the pixel.
TFarbe Erdkorn(const TSchicht& s, double x, double y, unsigned saat, double licht) {
    const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
    TFarbe f = Abdunkeln(s.Farbe, licht);
    const double z = Zufall(px, py, saat);
    f = Aufhellen(f, (Zufall(px / 2, py / 2, saat + 7) - 0.5) * 16.0);
    if (z < s.Koernung) f = Aufhellen(f, z < s.Koernung / 2 ? -35.0 : 30.0);
    return f;
}

void HimmelMalen(TLeinwand& l) {
    const TFarbe oben{92, 148, 214}, unten{196, 222, 240};
    l.Malen(
        0, 0, StartbildBreite, Horizont, [](double, double) { return true; },
        [&](double, double y) { return Mischen(oben, unten, y / Horizont); });
    l.Ellipse(86, 52, 30, 30, [](double x, double y) {
        const double r = std::hypot(x - 86, y - 52) / 30;
        return Mischen(TFarbe{255, 246, 200}, TFarbe{210, 226, 236}, r * r * r);
    });
    const TFarbe wolke{246, 247, 250}, wolkeUnten{214, 220, 232};
    const auto wolkenFarbe = [&](double my) {
        return [=](double, double y) { return Mischen(wolke, wolkeUnten, (y - my + 10) / 24); };
    };
    for (const auto& [x, y, r] : std::array<std::array<double, 3>, 8>{{{188, 70, 20},
                                                                       {212, 58, 26},
                                                                       {240, 66, 22},
                                                                       {262, 74, 16},
                                                                       {470, 40, 16},
                                                                       {492, 30, 22},
                                                                       {520, 38, 18},
                                                                       {542, 46, 13}}})
        l.Ellipse(x, y, r * 1.5, r, wolkenFarbe(y));
}

void BaumreiheMalen(TLeinwand& l) {
    for (int i = 0; i < 26; ++i) {
        const double x = i * 26.0 + Zufall(i, 1, 3) * 10;
        const double h = 8 + Zufall(i, 2, 3) * 12;
        const TFarbe gruen = Mischen(TFarbe{58, 96, 62}, TFarbe{84, 116, 70}, Zufall(i, 3, 3));
        l.Ellipse(x, Horizont + 2, 20, h, gruen);
    }
}

void KranMalen(TLeinwand& l) {
    const TFarbe gelb{226, 178, 30}, dunkel{150, 118, 24};
    const double z = 36.0;
    const TPunkt fussL = Projektion(-9.4, 0, z), fussR = Projektion(-8.6, 0, z);
    const TPunkt kopfL = Projektion(-9.4, 17, z), kopfR = Projektion(-8.6, 17, z);
    l.Linie(fussL, kopfL, 2, gelb);
    l.Linie(fussR, kopfR, 2, gelb);
    for (int i = 0; i < 17; ++i) {
        l.Linie(Projektion(-9.4, i, z), Projektion(-8.6, i + 1, z), 1.2, dunkel);
        l.Linie(Projektion(-9.4, i + 1, z), Projektion(-8.6, i + 1, z), 1.0, dunkel);
    }
    const TPunkt auslegerAnfang = Projektion(-14.5, 17.5, z), auslegerEnde = Projektion(9, 17.5, z);
    l.Linie(auslegerAnfang, auslegerEnde, 5, gelb);
    l.Linie(Projektion(-9, 20, z), auslegerEnde, 1.2, dunkel);
    l.Linie(Projektion(-9, 20, z), auslegerAnfang, 1.2, dunkel);
    l.Linie(Projektion(-9, 17, z), Projektion(-9, 20.5, z), 3, gelb);
    const TPunkt gewicht = Projektion(-14.2, 17.2, z);
    l.Vieleck({{gewicht.X, gewicht.Y},
               {gewicht.X + 26, gewicht.Y},
               {gewicht.X + 26, gewicht.Y + 16},
               {gewicht.X, gewicht.Y + 16}},
              TFarbe{120, 120, 124});
    const TPunkt katze = Projektion(4, 17.5, z);
    l.Linie(katze, {katze.X, katze.Y + 70}, 1, TFarbe{60, 60, 60});
    l.Vieleck({{katze.X - 4, katze.Y + 70}, {katze.X + 4, katze.Y + 70}, {katze.X, katze.Y + 77}},
              TFarbe{60, 60, 60});
}

void BodenMalen(TLeinwand& l) {
    const TFarbe fern{122, 128, 74}, nah{118, 96, 58};
    l.Malen(
        0, Horizont, StartbildBreite, StartbildHoehe, [](double, double) { return true; },
        [&](double x, double y) {
            const double t = std::clamp((y - Horizont - 8) / 90.0, 0.0, 1.0);
            TFarbe f = Mischen(fern, nah, t);
            return Aufhellen(f, (Zufall(static_cast<int>(x), static_cast<int>(y), 11) - 0.5) * 14);
        });
}

void HausMalen(TLeinwand& l) {
    const double z = 27.0;
    const TFarbe wand{186, 184, 176}, decke{132, 132, 130}, loch{52, 54, 60};
    const auto p = [&](double x, double h) { return Projektion(x, h, z); };
    const TPunkt a = p(-3.5, 0), b = p(9.5, 6.4);
    l.Malen(
        a.X, b.Y, b.X, a.Y, [](double, double) { return true; },
        [&](double x, double y) {
            // block masonry: faint joints every half metre
            const double zeilen = std::fmod((a.Y - y) / (0.25 * Brennweite / z), 1.0);
            TFarbe f = zeilen < 0.12 ? Abdunkeln(wand, 0.9) : wand;
            return Aufhellen(f, (Zufall(static_cast<int>(x), static_cast<int>(y), 5) - 0.5) * 8);
        });
    for (double h : {2.8, 6.0}) {
        const TPunkt u = p(-3.7, h), o = p(9.7, h + 0.4);
        l.Vieleck({{u.X, o.Y}, {o.X, o.Y}, {o.X, u.Y}, {u.X, u.Y}}, decke);
    }
    const auto oeffnung = [&](double x0, double h0, double x1, double h1) {
        const TPunkt u = p(x0, h0), o = p(x1, h1);
        l.Vieleck({{u.X, o.Y}, {o.X, o.Y}, {o.X, u.Y}, {u.X, u.Y}}, loch);
    };
    for (double x : {-2.6, -0.2, 5.0, 7.4}) {
        oeffnung(x, 0.9, x + 1.3, 2.2);
        oeffnung(x, 4.0, x + 1.3, 5.4);
    }
    oeffnung(2.3, 0.0, 3.4, 2.3);
    oeffnung(2.3, 4.0, 3.4, 5.4);
    // scaffold in front of the shell
    const TFarbe stange{146, 146, 150}, brett{172, 138, 86};
    const double zg = z - 1.0;
    for (double x = -3.4; x <= 9.8; x += 2.2)
        l.Linie(Projektion(x, 0, zg), Projektion(x, 7.6, zg), 1.6, stange);
    for (double h : {2.4, 5.2})
        l.Linie(Projektion(-3.6, h, zg), Projektion(9.9, h, zg), 3, brett);
    for (double x = -3.4; x < 9.6; x += 4.4)
        l.Linie(Projektion(x, 2.4, zg), Projektion(x + 2.2, 5.2, zg), 1.0, stange);
}

// Depth of the trench walls: the top edge at ground level, the floor 1.5 m deep.
constexpr double GrabenTiefe = 1.5;
constexpr double GrabenLinksOben = -0.8, GrabenRechtsOben = 1.6;
constexpr double GrabenLinksUnten = -0.3, GrabenRechtsUnten = 1.1;
constexpr std::array<double, 3> RohrMitten{-0.08, 0.4, 0.88};
constexpr double RohrRadius = 0.11;
const TFarbe RohrFarbe{204, 104, 44};

double GrabenWand(double oben, double unten, double tiefe) {
    return oben + (unten - oben) * tiefe / GrabenTiefe;
}

void GrabenMalen(TLeinwand& l) {
    const double z0 = Schnitt, z1 = HausAbstand;
    // cellar wall of the house closing the trench at its far end
    {
        const TPunkt a = Projektion(GrabenLinksOben, 0, z1),
                     b = Projektion(GrabenRechtsOben, 0, z1);
        const TPunkt c = Projektion(GrabenRechtsUnten, -GrabenTiefe, z1),
                     d = Projektion(GrabenLinksUnten, -GrabenTiefe, z1);
        l.Vieleck({a, b, c, d}, TFarbe{150, 150, 146});
    }
    // walls in their soil layers; the sun stands to the left, so the right wall is lit
    for (const TSchicht& s : Schichten) {
        const double t0 = s.Oben, t1 = std::min(s.Unten, GrabenTiefe);
        if (t0 >= t1) continue;
        for (int seite = 0; seite < 2; ++seite) {
            const double oben = seite == 0 ? GrabenLinksOben : GrabenRechtsOben;
            const double unten = seite == 0 ? GrabenLinksUnten : GrabenRechtsUnten;
            const double x0 = GrabenWand(oben, unten, t0), x1 = GrabenWand(oben, unten, t1);
            const double licht = seite == 0 ? 0.62 : 0.92;
            l.Vieleck({Projektion(x0, -t0, z0), Projektion(x0, -t0, z1), Projektion(x1, -t1, z1),
                       Projektion(x1, -t1, z0)},
                      [&, licht](double x, double y) {
                          return Erdkorn(s, x, y, 20u + static_cast<unsigned>(seite), licht);
                      });
        }
    }
    // sand bed on the floor
    l.Vieleck({Projektion(GrabenLinksUnten, -GrabenTiefe, z0),
               Projektion(GrabenRechtsUnten, -GrabenTiefe, z0),
               Projektion(GrabenRechtsUnten, -GrabenTiefe, z1),
               Projektion(GrabenLinksUnten, -GrabenTiefe, z1)},
              [](double x, double y) {
                  return Aufhellen(TFarbe{214, 194, 142},
                                   (Zufall(static_cast<int>(x), static_cast<int>(y), 31) - 0.5) *
                                       14);
              });
    // the air pipes laid along the trench, with a highlight along their tops
    const double hoeheMitte = -GrabenTiefe + RohrRadius;
    for (double xm : RohrMitten) {
        l.Vieleck({Projektion(xm - RohrRadius, hoeheMitte, z0),
                   Projektion(xm + RohrRadius, hoeheMitte, z0),
                   Projektion(xm + RohrRadius, hoeheMitte, z1),
                   Projektion(xm - RohrRadius, hoeheMitte, z1)},
                  Abdunkeln(RohrFarbe, 0.85));
        l.Vieleck({Projektion(xm - RohrRadius * 0.55, hoeheMitte + RohrRadius * 0.8, z0),
                   Projektion(xm + RohrRadius * 0.05, hoeheMitte + RohrRadius * 0.8, z0),
                   Projektion(xm + RohrRadius * 0.05, hoeheMitte + RohrRadius * 0.8, z1),
                   Projektion(xm - RohrRadius * 0.55, hoeheMitte + RohrRadius * 0.8, z1)},
                  Aufhellen(RohrFarbe, 40));
    }
}

void AushubMalen(TLeinwand& l) {
    const TPunkt fuss = Projektion(3.6, 0, 9.0);
    const TSchicht& lehm = Schichten[1];
    // a mound of the dug-out loam, lit from the left
    const double rx = 100, ry = 52;
    l.Malen(
        fuss.X - rx, fuss.Y - ry, fuss.X + rx, fuss.Y + 2,
        [&](double x, double y) {
            const double u = (x - fuss.X) / rx, v = (y - fuss.Y - 2) / ry;
            return u * u + v * v <= 1.0 + 0.08 * std::sin(x / 9.0);
        },
        [&](double x, double y) {
            const double licht = 1.05 - 0.4 * std::clamp((x - fuss.X + 30) / 130.0, 0.0, 1.0);
            return Erdkorn(lehm, x, y, 41, licht);
        });
}

void BaggerMalen(TLeinwand& l) {
    const TFarbe gelb{238, 186, 24}, gelbDunkel{186, 140, 16}, kette{52, 52, 54},
        glas{150, 196, 220}, stahl{90, 90, 94};
    // side view of the machine standing left of the trench, about 8 m away
    const double bx = 70, by = 250; // left end of the tracks on the ground
    l.Vieleck({{bx + 8, by - 34},
               {bx + 150, by - 34},
               {bx + 160, by - 22},
               {bx + 150, by},
               {bx + 8, by},
               {bx - 2, by - 12},
               {bx - 2, by - 22}},
              kette);
    for (int i = 0; i < 6; ++i)
        l.Ellipse(bx + 18 + i * 24, by - 14, 9, 9, stahl);
    l.Vieleck({{bx + 10, by - 36}, {bx + 150, by - 36}, {bx + 150, by - 44}, {bx + 10, by - 44}},
              TFarbe{70, 70, 72});
    l.Vieleck({{bx - 10, by - 46},
               {bx + 120, by - 46},
               {bx + 122, by - 92},
               {bx + 2, by - 92},
               {bx - 10, by - 80}},
              gelb);
    l.Vieleck({{bx - 10, by - 46}, {bx + 120, by - 46}, {bx + 120, by - 54}, {bx - 10, by - 54}},
              gelbDunkel);
    l.Vieleck({{bx + 70, by - 92}, {bx + 126, by - 92}, {bx + 124, by - 150}, {bx + 80, by - 150}},
              gelb);
    l.Vieleck(
        {{bx + 84, by - 100}, {bx + 118, by - 100}, {bx + 117, by - 142}, {bx + 88, by - 142}},
        glas);
    l.Linie({bx + 40, by - 92}, {bx + 40, by - 112}, 4, kette); // exhaust
    // boom and stick reaching over the trench, bucket in the trench
    const TPunkt gelenk{bx + 126, by - 80}, knie{bx + 226, by - 176}, loeffel{bx + 270, by + 16};
    l.Linie(gelenk, knie, 18, gelb);
    l.Linie(knie, loeffel, 12, gelb);
    l.Linie({gelenk.X + 12, gelenk.Y - 22}, {knie.X - 18, knie.Y + 10}, 5, stahl); // cylinder
    l.Ellipse(knie.X, knie.Y, 10, 10, gelbDunkel);
    l.Vieleck({{loeffel.X - 16, loeffel.Y - 10},
               {loeffel.X + 20, loeffel.Y - 4},
               {loeffel.X + 14, loeffel.Y + 22},
               {loeffel.X - 12, loeffel.Y + 18}},
              stahl);
}

void RohrstapelMalen(TLeinwand& l) {
    // spare pipes lying across the front left, ends towards the trench
    const double z = 4.25;
    const double r = RohrRadius * Brennweite / z;
    const double xEnde = Projektion(-1.3, 0, z).X, xAnfang = -20;
    const double boden = Projektion(0, 0, z).Y;
    const std::array<TPunkt, 2> mitten{{{xEnde, boden - r}, {xEnde - 8, boden - 3 * r + 1}}};
    for (const TPunkt& m : mitten) {
        l.Vieleck({{xAnfang, m.Y - r}, {m.X, m.Y - r}, {m.X, m.Y + r}, {xAnfang, m.Y + r}},
                  [&](double, double y) {
                      const double v = (y - m.Y) / r; // -1 top .. 1 bottom
                      return Abdunkeln(Aufhellen(RohrFarbe, 30 * (1 - std::abs(v + 0.4))),
                                       v > 0 ? 1 - 0.3 * v : 1.0);
                  });
        l.Ellipse(m.X, m.Y, r * 0.45, r, Abdunkeln(RohrFarbe, 1.08));
        l.Ellipse(m.X + 1, m.Y, r * 0.32, r * 0.78, TFarbe{44, 32, 26});
    }
}

void SchnittflaecheMalen(TLeinwand& l) {
    const double z = Schnitt;
    const TPunkt lo = Projektion(GrabenLinksOben, 0, z), ro = Projektion(GrabenRechtsOben, 0, z);
    const TPunkt lu = Projektion(GrabenLinksUnten, -GrabenTiefe, z),
                 ru = Projektion(GrabenRechtsUnten, -GrabenTiefe, z);
    const double kante = lo.Y;
    const auto imGraben = [&](double x, double y) {
        if (y >= lu.Y) return false;
        const double t = (y - kante) / (lu.Y - kante);
        return x > lo.X + (lu.X - lo.X) * t && x < ro.X + (ru.X - ro.X) * t;
    };
    for (std::size_t i = 0; i < Schichten.size(); ++i) {
        const TSchicht& s = Schichten[i];
        const double y0 = kante + s.Oben * Brennweite / z, y1 = kante + s.Unten * Brennweite / z;
        // the boundary between layers waves a little, as in a real cut
        l.Malen(
            0, y0 - 6, StartbildBreite, y1 + 6,
            [&](double x, double y) {
                const double welle0 = i == 0 ? 0.0 : 4 * std::sin(x / 37.0 + i);
                const double welle1 = 4 * std::sin(x / 37.0 + i + 1);
                return y >= y0 + welle0 && y < y1 + welle1 && !imGraben(x, y);
            },
            [&](double x, double y) {
                return Erdkorn(s, x, y, 50u + static_cast<unsigned>(i), 1.0);
            });
    }
    // turf along the top edge
    l.Malen(
        0, kante - 3, StartbildBreite, kante + 5,
        [&](double x, double y) {
            const double halm = Zufall(static_cast<int>(x), 0, 61) * 5;
            return y >= kante - halm && y < kante + 4 && !imGraben(x, y);
        },
        [](double x, double) {
            return Mischen(TFarbe{70, 122, 44}, TFarbe{104, 150, 60},
                           Zufall(static_cast<int>(x), 1, 61));
        });
    // the pipes cut by the face: ring of pipe wall around the dark bore
    const double r = RohrRadius * Brennweite / z;
    for (double xm : RohrMitten) {
        const TPunkt m = Projektion(xm, -GrabenTiefe + RohrRadius, z);
        l.Ellipse(m.X, m.Y, r, r, RohrFarbe);
        l.Ellipse(m.X, m.Y, r * 0.78, r * 0.78, TFarbe{40, 30, 24});
    }
}

struct TJpegFehlerAusgang {
    jpeg_error_mgr Basis;
    std::jmp_buf Sprung;
};

[[noreturn]] void JpegFehler(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegFehlerAusgang*>(info->err)->Sprung, 1);
}

void JpegMeldung(j_common_ptr) {}

// Separate from JpegKodieren so that nothing with a destructor lives in the frame of setjmp.
bool Kodieren(const TRgbBild& bild, int qualitaet, bool graustufen, unsigned char** daten,
              unsigned long* laenge, std::vector<std::uint8_t>& zeile) {
    jpeg_compress_struct info{};
    TJpegFehlerAusgang fehler{};
    info.err = jpeg_std_error(&fehler.Basis);
    fehler.Basis.error_exit = JpegFehler;
    fehler.Basis.output_message = JpegMeldung;
    if (setjmp(fehler.Sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, daten, laenge);
    info.image_width = static_cast<JDIMENSION>(bild.Breite);
    info.image_height = static_cast<JDIMENSION>(bild.Hoehe);
    info.input_components = graustufen ? 1 : 3;
    info.in_color_space = graustufen ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t breite = static_cast<std::size_t>(bild.Breite);
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* quelle = bild.Pixel.data() + info.next_scanline * breite * 3;
        for (std::size_t x = 0; x < breite; ++x) {
            if (graustufen)
                zeile[x] = quelle[x * 3 + 1];
            else
                for (std::size_t k = 0; k < 3; ++k)
                    zeile[x * 3 + k] = quelle[x * 3 + k];
        }
        JSAMPROW zeiger = zeile.data();
        jpeg_write_scanlines(&info, &zeiger, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

TRgbBild StartbildZeichnen() {
    TLeinwand l;
    HimmelMalen(l);
    KranMalen(l);
    BaumreiheMalen(l);
    BodenMalen(l);
    HausMalen(l);
    GrabenMalen(l);
    AushubMalen(l);
    BaggerMalen(l);
    RohrstapelMalen(l);
    SchnittflaecheMalen(l);
    return l.Verkleinern();
}

std::vector<std::uint8_t> JpegKodieren(const TRgbBild& bild, int qualitaet, bool graustufen) {
    if (bild.Breite <= 0 || bild.Hoehe <= 0 ||
        bild.Pixel.size() != static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 3)
        return {};
    unsigned char* daten = nullptr;
    unsigned long laenge = 0;
    std::vector<std::uint8_t> zeile(static_cast<std::size_t>(bild.Breite) * 3);
    const bool gut = Kodieren(bild, qualitaet, graustufen, &daten, &laenge, zeile);
    std::vector<std::uint8_t> ergebnis;
    if (gut && daten != nullptr) ergebnis.assign(daten, daten + laenge);
    std::free(daten);
    return ergebnis;
}

} // namespace kov
