#include "ui/zahl_eingabe.h"

#include <QByteArray>
#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace kov {

namespace {

bool IstZiffer(char z) {
    return z >= '0' && z <= '9';
}

// The text without surrounding blanks as ASCII; false for any other character.
bool AsciiKern(const QString& text, QByteArray& kern) {
    const QString getrimmt = text.trimmed();
    for (const QChar z : getrimmt)
        if (z.unicode() > 127) return false;
    kern = getrimmt.toLatin1();
    return true;
}

// sign? digits ("." digits)? or sign? "." digits, then an optional exponent: nothing else.
bool IstDezimalzahl(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < s.size() && IstZiffer(s[i])) {
        ++i;
        ++ziffern;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IstZiffer(s[i])) {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentZiffern = 0;
        while (i < s.size() && IstZiffer(s[i])) {
            ++i;
            ++exponentZiffern;
        }
        if (exponentZiffern == 0) return false;
    }
    return i == s.size();
}

} // namespace

QString ZahlAnzeigen(double wert, int dezimalen) {
    return QString::number(wert, 'f', dezimalen);
}

QString ZahlZeigen(double wert, int dezimalen) {
    if (!std::isfinite(wert)) return ZahlAnzeigen(wert, dezimalen);
    // the shortest fixed-point text that reads back to the same double
    char puffer[400];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    if (fehler != std::errc()) return ZahlAnzeigen(wert, dezimalen);
    std::string text(puffer, ende);
    const std::size_t punkt = text.find('.');
    const int vorhanden =
        punkt == std::string::npos ? 0 : static_cast<int>(text.size() - punkt - 1);
    if (vorhanden >= dezimalen)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (punkt == std::string::npos) text.push_back('.');
    text.append(static_cast<std::size_t>(dezimalen - vorhanden), '0');
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool EingabeZahlLesen(const QString& text, double& wert) {
    QByteArray kern;
    if (!AsciiKern(text, kern)) return false;
    if (kern.count(',') == 1 && !kern.contains('.')) kern.replace(',', '.');
    std::string_view s(kern.constData(), static_cast<std::size_t>(kern.size()));
    if (!IstDezimalzahl(s)) return false;
    // from_chars takes no "+"; it reads the same digits independent of the C locale
    const bool negativ = s.front() == '-';
    if (s.front() == '+' || negativ) s.remove_prefix(1);
    double gelesen = 0.0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), gelesen);
    if (fehler != std::errc() || ende != s.data() + s.size() || !std::isfinite(gelesen))
        return false;
    wert = negativ ? -gelesen : gelesen;
    return true;
}

bool EingabeGanzzahlLesen(const QString& text, std::int32_t& wert) {
    QByteArray kern;
    if (!AsciiKern(text, kern) || kern.isEmpty()) return false;
    std::string_view s(kern.constData(), static_cast<std::size_t>(kern.size()));
    std::size_t erste = 0;
    if (s.front() == '+')
        s.remove_prefix(1);
    else if (s.front() == '-')
        erste = 1;
    if (s.size() == erste) return false;
    for (std::size_t i = erste; i < s.size(); ++i)
        if (!IstZiffer(s[i])) return false;
    std::int32_t gelesen = 0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), gelesen);
    if (fehler != std::errc() || ende != s.data() + s.size()) return false;
    wert = gelesen;
    return true;
}

bool EingabeAusserhalbBereich(const QString& text, bool ganzzahl, QString& bereich) {
    QByteArray kern;
    if (!AsciiKern(text, kern)) return false;
    if (!ganzzahl && kern.count(',') == 1 && !kern.contains('.')) kern.replace(',', '.');
    std::string_view s(kern.constData(), static_cast<std::size_t>(kern.size()));
    if (s.empty()) return false;
    if (ganzzahl) {
        const std::string_view ziffern = s.substr(s.front() == '+' || s.front() == '-' ? 1 : 0);
        if (ziffern.empty() || ziffern.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        std::int64_t gelesen = 0;
        const auto [ende, fehler] = std::from_chars(ziffern.data(), ziffern.end(), gelesen);
        (void)ende;
        bereich = QCoreApplication::translate("kov::ZahlEingabe", "-2147483648 bis 2147483647");
        const std::int64_t zahl = s.front() == '-' ? -gelesen : gelesen;
        return fehler == std::errc::result_out_of_range ||
               zahl < std::numeric_limits<std::int32_t>::min() ||
               zahl > std::numeric_limits<std::int32_t>::max();
    }
    if (!IstDezimalzahl(s)) return false;
    if (s.front() == '+' || s.front() == '-') s.remove_prefix(1);
    double gelesen = 0.0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), gelesen);
    (void)ende;
    // too large or, not zero, too close to zero
    bereich = QCoreApplication::translate("kov::ZahlEingabe",
                                          "-1.8e308 bis 1.8e308 (Beträge ab 4.9e-324)");
    return fehler == std::errc::result_out_of_range;
}

} // namespace kov
