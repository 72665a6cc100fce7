#include "files/zahl_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kov {

namespace {

constexpr int GueltigeStellen = 18;

constexpr std::array<std::uint64_t, 20> ZehnerPotenzen = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// An unsigned integer in base 10^9, least significant limb first, wide enough for the exact
// value of any double: 2^53 * 5^1074 has 767 decimal digits, 2^1024 has 309.
class TGrossZahl {
public:
    explicit TGrossZahl(std::uint64_t wert) {
        do {
            Glied[Anzahl++] = static_cast<std::uint32_t>(wert % Basis);
            wert /= Basis;
        } while (wert != 0);
    }

    void Multiplizieren(std::uint32_t faktor) {
        std::uint64_t uebertrag = 0;
        for (int i = 0; i < Anzahl; ++i) {
            const std::uint64_t t = std::uint64_t{Glied[i]} * faktor + uebertrag;
            Glied[i] = static_cast<std::uint32_t>(t % Basis);
            uebertrag = t / Basis;
        }
        while (uebertrag != 0) {
            Glied[Anzahl++] = static_cast<std::uint32_t>(uebertrag % Basis);
            uebertrag /= Basis;
        }
    }

    void MitZweierPotenz(int exponent) {
        for (; exponent >= 31; exponent -= 31)
            Multiplizieren(std::uint32_t{1} << 31);
        if (exponent > 0) Multiplizieren(std::uint32_t{1} << exponent);
    }

    void MitFuenferPotenz(int exponent) {
        constexpr std::uint32_t FuenfHoch13 = 1220703125;
        for (; exponent >= 13; exponent -= 13)
            Multiplizieren(FuenfHoch13);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent)
            rest *= 5;
        if (rest != 1) Multiplizieren(rest);
    }

    // Number of decimal digits and the leading digits (at most 19, cut, not rounded).
    int Stellen() const {
        int oben = 1;
        for (std::uint32_t g = Glied[Anzahl - 1]; g >= 10; g /= 10)
            ++oben;
        return oben + 9 * (Anzahl - 1);
    }
    int FuehrendeZiffern(char* ziel, int hoechstens) const {
        char puffer[32];
        char* ende = std::to_chars(puffer, puffer + 10, Glied[Anzahl - 1]).ptr;
        for (int i = Anzahl - 2; i >= 0 && ende - puffer < hoechstens; --i) {
            std::uint32_t g = Glied[i];
            for (int k = 8; k >= 0; --k) {
                ende[k] = static_cast<char>('0' + g % 10);
                g /= 10;
            }
            ende += 9;
        }
        const int anzahl = std::min(static_cast<int>(ende - puffer), hoechstens);
        std::memcpy(ziel, puffer, static_cast<std::size_t>(anzahl));
        return anzahl;
    }

private:
    static constexpr std::uint32_t Basis = 1000000000;
    std::array<std::uint32_t, 90> Glied; // only [0, Anzahl) is ever read
    int Anzahl = 0;
};

// |wert| taken to 18 significant digits, rounded half up in magnitude: |wert| ~ ziffern * 10^exp.
struct TGerundet {
    std::uint64_t Ziffern = 0; // at most 10^18 (a carry out of 18 nines)
    int Exponent = 0;
};

TGerundet AufGueltigeStellen(double betrag) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(betrag);
    const int rohExponent = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantisse = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent;
    if (rohExponent == 0) {
        exponent = -1074;
    } else {
        mantisse |= std::uint64_t{1} << 52;
        exponent = rohExponent - 1075;
    }
    if (mantisse == 0) return {};
    const int nullBits = std::countr_zero(mantisse);
    mantisse >>= nullBits;
    exponent += nullBits;

    // exact value = zahl * 10^zehnerExponent
    TGrossZahl zahl(mantisse);
    int zehnerExponent = 0;
    if (exponent >= 0) {
        zahl.MitZweierPotenz(exponent);
    } else {
        zahl.MitFuenferPotenz(-exponent);
        zehnerExponent = exponent;
    }

    char ziffern[GueltigeStellen + 1];
    const int gelesen = zahl.FuehrendeZiffern(ziffern, GueltigeStellen + 1);
    const int behalten = std::min(gelesen, GueltigeStellen);
    TGerundet r;
    for (int i = 0; i < behalten; ++i)
        r.Ziffern = r.Ziffern * 10 + static_cast<std::uint64_t>(ziffern[i] - '0');
    if (gelesen > GueltigeStellen && ziffern[GueltigeStellen] >= '5') ++r.Ziffern;
    r.Exponent = zehnerExponent + zahl.Stellen() - behalten;
    return r;
}

void RechtsbuendigAnhaengen(std::string& ziel, std::string_view text, bool minus, int breite) {
    const int laenge = static_cast<int>(text.size()) + (minus ? 1 : 0);
    if (breite > laenge) ziel.append(static_cast<std::size_t>(breite - laenge), ' ');
    if (minus) ziel.push_back('-');
    ziel.append(text);
}

} // namespace

void FeldAnhaengen(std::string& ziel, double wert, int breite, int dezimalen) {
    if (dezimalen < 0) dezimalen = 0;
    if (std::isnan(wert)) return RechtsbuendigAnhaengen(ziel, "NAN", false, breite);
    // a negative zero is zero, not a negative value that rounds to zero
    const bool minus = wert < 0;
    if (std::isinf(wert)) return RechtsbuendigAnhaengen(ziel, "INF", minus, breite);
    const double betrag = std::fabs(wert);

    // the value in units of 10^-dezimalen: kopf followed by nullen zeros
    char kopf[24];
    char* kopfEnde = nullptr;
    std::size_t nullen = 0;

    // Most report values are small and far from a rounding boundary. floor(v + 1/2) of the
    // exact v = (|wert| to 18 digits) * 10^d changes only where v is an integer and a half; the
    // product y differs from v by less than 2e-7 (half an ulp of y < 1e9, and the 18-digit
    // step of at most 5e-17 of y), so a fraction of y more than 1e-6 away from 1/2 gives the
    // same units. Everything else takes the exact way.
    const double y =
        dezimalen < 10
            ? betrag * static_cast<double>(ZehnerPotenzen[static_cast<std::size_t>(dezimalen)])
            : 1e300;
    const double unten = std::floor(y);
    if (y < 1e9 && std::fabs((y - unten) - 0.5) > 1e-6) {
        const std::uint64_t einheiten =
            static_cast<std::uint64_t>(unten) + (y - unten > 0.5 ? 1 : 0);
        kopfEnde = std::to_chars(kopf, kopf + sizeof kopf, einheiten).ptr;
    } else {
        const TGerundet g = AufGueltigeStellen(betrag);
        const int verschiebung = g.Exponent + dezimalen;
        if (verschiebung >= 0 || g.Ziffern == 0) {
            kopfEnde = std::to_chars(kopf, kopf + sizeof kopf, g.Ziffern).ptr;
            nullen = static_cast<std::size_t>(g.Ziffern == 0 ? dezimalen : verschiebung);
        } else {
            const int weg = -verschiebung;
            std::uint64_t einheiten = 0;
            if (weg < static_cast<int>(ZehnerPotenzen.size())) {
                const std::uint64_t teiler = ZehnerPotenzen[static_cast<std::size_t>(weg)];
                einheiten = g.Ziffern / teiler;
                // the first dropped digit is 5 or more
                if (g.Ziffern % teiler >= 5 * ZehnerPotenzen[static_cast<std::size_t>(weg - 1)])
                    ++einheiten;
            }
            kopfEnde = std::to_chars(kopf, kopf + sizeof kopf, einheiten).ptr;
        }
    }

    const std::size_t kopfLaenge = static_cast<std::size_t>(kopfEnde - kopf);
    const std::size_t d = static_cast<std::size_t>(dezimalen);
    const std::size_t ziffernZahl = kopfLaenge + nullen;
    // at least one digit before the decimal point
    const std::size_t fuehrend = (d > 0 && ziffernZahl <= d) ? d + 1 - ziffernZahl : 0;
    const std::size_t alleZiffern = fuehrend + ziffernZahl;
    const std::size_t laenge = (minus ? 1 : 0) + alleZiffern + (d > 0 ? 1 : 0);
    const std::size_t luecke =
        breite > static_cast<int>(laenge) ? static_cast<std::size_t>(breite) - laenge : 0;

    const std::size_t alt = ziel.size();
    ziel.resize(alt + luecke + laenge);
    char* p = ziel.data() + alt;
    std::memset(p, ' ', luecke);
    p += luecke;
    if (minus) *p++ = '-';
    const std::size_t punktVor = alleZiffern - d;
    for (std::size_t i = 0; i < alleZiffern; ++i) {
        if (d > 0 && i == punktVor) *p++ = '.';
        const std::size_t k = i - fuehrend;
        *p++ = (i < fuehrend || k >= kopfLaenge) ? '0' : kopf[k];
    }
}

std::string FeldFormatieren(double wert, int breite, int dezimalen) {
    std::string text;
    FeldAnhaengen(text, wert, breite, dezimalen);
    return text;
}

void GanzzahlAnhaengen(std::string& ziel, long long wert) {
    char puffer[24];
    const char* ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    ziel.append(puffer, static_cast<std::size_t>(ende - puffer));
}

std::string_view WahrheitswertText(bool wert) {
    return wert ? "TRUE" : "FALSE";
}

} // namespace kov
