#include "files/wetter_info.h"

#include "model/kalender.h"

#include <charconv>
#include <cmath>

namespace kov {

namespace {

constexpr const char* MonatKurz[13] = {"",    "Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                       "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

TWetterExtrem ExtremAnStunde(const TWetterJahr& jahr, int h) {
    TWetterExtrem e;
    e.Wert = jahr.Tein[static_cast<std::size_t>(h)];
    e.Stunde = h;
    e.Monat = 1;
    while (e.Monat < 12 && h > LetzteStundeImMonat(e.Monat))
        ++e.Monat;
    const int imMonat = h - ErsteStundeImMonat(e.Monat);
    e.Tag = imMonat / 24 + 1;
    e.TagesStunde = imMonat % 24 + 1;
    return e;
}

// fixed point with a decimal comma; a value that rounds to zero prints without a sign
std::string Zahl(double wert, int dezimalen) {
    const double skala = std::pow(10.0, dezimalen);
    if (std::round(std::fabs(wert) * skala) == 0.0) wert = 0.0;
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) return "?";
    std::string text(puffer, ende);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// two decimals at most, trailing zeros dropped down to one decimal: -22,8 and -2,34
std::string Temperatur(double wert) {
    std::string text = Zahl(wert, 2);
    if (text.size() > 1 && text.back() == '0') text.pop_back();
    return text;
}

std::string ZweiStellen(int wert) {
    return (wert < 10 ? "0" : "") + std::to_string(wert);
}

std::string ExtremText(const TWetterExtrem& e) {
    return Temperatur(e.Wert) + " °C am " + ZweiStellen(e.Tag) + "." + ZweiStellen(e.Monat) +
           "., Stunde " + std::to_string(e.TagesStunde) + " (" + std::to_string(e.TagesStunde - 1) +
           " bis " + std::to_string(e.TagesStunde) + " Uhr)";
}

std::string Verbunden(std::initializer_list<const std::string*> teile) {
    std::string text;
    for (const std::string* teil : teile) {
        if (teil->empty()) continue;
        if (!text.empty()) text += ", ";
        text += *teil;
    }
    return text;
}

std::string LageText(const TWetterInfo& info) {
    std::string text;
    if (info.HatKoordinaten) {
        text = Zahl(std::fabs(info.Breite), 4) + "° " + (info.Breite < 0 ? "S" : "N") + ", " +
               Zahl(std::fabs(info.Laenge), 4) + "° " + (info.Laenge < 0 ? "W" : "O");
    }
    if (info.HatHoehe) {
        if (!text.empty()) text += ", ";
        text += Zahl(info.Hoehe, 0) + " m ü. M.";
    }
    return text;
}

std::string FeuchteText(const TWetterInfo& info) {
    if (!info.HatFeuchte)
        return "keine Angaben in der Datei (relative Feuchte 10 %, Taupunkt 0 °C wie im "
               "eingebauten Jahr)";
    switch (info.Format) {
    case TWetterFormat::Try2011:
    case TWetterFormat::Try2015:
        return "relative Feuchte aus der Datei, Taupunkt aus Mischungsverhältnis und Luftdruck "
               "berechnet (Magnus-Formel über Wasser)";
    default:
        return info.TaupunktBerechnet ? "relative Feuchte aus der Datei, Taupunkt daraus berechnet "
                                        "(Magnus-Formel über Wasser)"
                                      : "relative Feuchte und Taupunkt aus der Datei";
    }
}

std::string DateiName(const std::string& pfad) {
    const std::size_t schraeg = pfad.find_last_of('/');
    return schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
}

} // namespace

const char* WetterFormatName(TWetterFormat format) {
    switch (format) {
    case TWetterFormat::Epw:
        return "EnergyPlus-Wetterdatei (EPW)";
    case TWetterFormat::Try2011:
        return "DWD-Testreferenzjahr, Ausgabe 2011";
    case TWetterFormat::Try2015:
        return "DWD-Testreferenzjahr, Ausgabe 2015/2017";
    case TWetterFormat::Tabelle:
        return "Stundentabelle (CSV/Text)";
    case TWetterFormat::Unbekannt:
        break;
    }
    return "unbekanntes Format";
}

TWetterKennwerte WetterKennwerteBerechnen(const TWetterJahr& jahr) {
    TWetterKennwerte k;
    double summe = 0.0;
    double taupunktSumme = 0.0;
    int kalt = 1;
    int warm = 1;
    for (int h = 1; h <= StundenImJahr; ++h) {
        const double t = jahr.Tein[static_cast<std::size_t>(h)];
        summe += t;
        taupunktSumme += jahr.TTaupunkt[static_cast<std::size_t>(h)];
        if (t < jahr.Tein[static_cast<std::size_t>(kalt)]) kalt = h;
        if (t > jahr.Tein[static_cast<std::size_t>(warm)]) warm = h;
        if (t < 0.0) ++k.StundenUnterNull;
    }
    k.JahresMittel = summe / StundenImJahr;
    k.TaupunktMittel = taupunktSumme / StundenImJahr;
    k.Minimum = ExtremAnStunde(jahr, kalt);
    k.Maximum = ExtremAnStunde(jahr, warm);
    for (int monat = 1; monat <= 12; ++monat) {
        double monatsSumme = 0.0;
        for (int h = ErsteStundeImMonat(monat); h <= LetzteStundeImMonat(monat); ++h)
            monatsSumme += jahr.Tein[static_cast<std::size_t>(h)];
        k.MonatsMittel[static_cast<std::size_t>(monat)] = monatsSumme / (24 * TageImMonat(monat));
    }
    return k;
}

std::string WetterInfoText(const TWetterInfo& info) {
    std::string text;
    auto zeile = [&text](const std::string& name, const std::string& wert) {
        if (!wert.empty()) text += name + ": " + wert + "\n";
    };
    zeile("Datei", info.Datei);
    zeile("Format", WetterFormatName(info.Format));
    std::string standort = Verbunden({&info.Ort, &info.Region, &info.Land});
    if (!info.Wmo.empty()) standort += (standort.empty() ? "WMO " : ", WMO ") + info.Wmo;
    zeile("Standort", standort);
    zeile("Lage", LageText(info));
    zeile("Datenquelle", info.Datenquelle);

    const std::string schalttag =
        info.SchalttagZeilen > 0 ? std::to_string(info.SchalttagZeilen) + " vom 29. Februar" : "";
    const std::string kopie =
        info.TryKopieVerworfen ? "die Kopie von 31.12. Stunde 24 vor der ersten Stunde" : "";
    const std::string verworfen = Verbunden({&schalttag, &kopie});
    zeile("Datenzeilen", std::to_string(info.DatenZeilen) +
                             (verworfen.empty() ? "" : ", nicht übernommen: " + verworfen));
    zeile("Ergänzte Stunden", info.StundenErgaenzt == 0
                                  ? std::string("keine")
                                  : std::to_string(info.StundenErgaenzt) +
                                        " (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)");
    zeile("Feuchte", FeuchteText(info));
    return text + WetterKennwerteText(info.Kennwerte, info.HatFeuchte);
}

std::string WetterKennwerteText(const TWetterKennwerte& k, bool mitTaupunkt) {
    std::string text;
    auto zeile = [&text](const std::string& name, const std::string& wert) {
        text += name + ": " + wert + "\n";
    };
    zeile("Jahresmittel", Zahl(k.JahresMittel, 2) + " °C");
    zeile("Minimum", ExtremText(k.Minimum));
    zeile("Maximum", ExtremText(k.Maximum));
    zeile("Stunden unter 0 °C", std::to_string(k.StundenUnterNull));
    if (mitTaupunkt) zeile("Mittlerer Taupunkt", Zahl(k.TaupunktMittel, 2) + " °C");
    text += "Monatsmittel in °C:\n";
    for (int monat = 1; monat <= 12; ++monat) {
        text += (monat == 1 || monat == 7) ? " " : "";
        text += std::string(" ") + MonatKurz[monat] + " " +
                Zahl(k.MonatsMittel[static_cast<std::size_t>(monat)], 1);
        if (monat == 6 || monat == 12) text += "\n";
    }
    return text;
}

std::string WetterOrtsName(const TWetterInfo& info) {
    if (!info.Ort.empty()) return info.Land.empty() ? info.Ort : info.Ort + ", " + info.Land;
    if (!info.Region.empty()) return info.Region;
    return DateiName(info.Datei);
}

} // namespace kov
