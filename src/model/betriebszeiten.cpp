#include "model/betriebszeiten.h"

#include "model/fehler.h"
#include "model/kalender.h"

#include <algorithm>
#include <cctype>

namespace kov {

namespace {

constexpr std::array<std::string_view, 7> TagNamen{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

class TLeser {
public:
    explicit TLeser(std::string_view text) : Text(text) {}

    [[noreturn]] void Fehler(std::size_t stelle, const std::string& was) const {
        throw TParameterFehler("Betriebszeiten (Betriebszeiten), Zeichen " +
                               std::to_string(stelle + 1) + ": " + was);
    }
    [[noreturn]] void Erwartet(const std::string& was) const {
        LeerUeberspringen();
        if (Ende()) Fehler(Stelle, was + " erwartet, aber der Text ist zu Ende.");
        Fehler(Stelle, was + " erwartet, nicht \"" + std::string(Text.substr(Stelle, 1)) + "\".");
    }

    void LeerUeberspringen() const {
        while (Stelle < Text.size() && (Text[Stelle] == ' ' || Text[Stelle] == '\t'))
            ++Stelle;
    }
    bool Ende() const {
        LeerUeberspringen();
        return Stelle >= Text.size();
    }
    bool Zeichen(char c) {
        LeerUeberspringen();
        if (Stelle < Text.size() && Text[Stelle] == c) {
            ++Stelle;
            return true;
        }
        return false;
    }
    // the next character is c (not taken)
    bool Naechstes(char c) const {
        LeerUeberspringen();
        return Stelle < Text.size() && Text[Stelle] == c;
    }
    // the word w, any case, followed by no letter; taken when it is there
    bool Schluesselwort(std::string_view w) {
        LeerUeberspringen();
        if (Text.size() - Stelle < w.size()) return false;
        for (std::size_t i = 0; i < w.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(Text[Stelle + i])) !=
                std::tolower(static_cast<unsigned char>(w[i])))
                return false;
        const std::size_t danach = Stelle + w.size();
        if (danach < Text.size() && std::isalpha(static_cast<unsigned char>(Text[danach])))
            return false;
        Stelle = danach;
        return true;
    }
    std::size_t Position() const {
        LeerUeberspringen();
        return Stelle;
    }

    // a run of letters
    std::string_view Wort() {
        LeerUeberspringen();
        const std::size_t anfang = Stelle;
        while (Stelle < Text.size() && std::isalpha(static_cast<unsigned char>(Text[Stelle])))
            ++Stelle;
        return Text.substr(anfang, Stelle - anfang);
    }

    int Wochentag() {
        const std::size_t anfang = Position();
        const std::string_view wort = Wort();
        for (std::size_t t = 0; t < TagNamen.size(); ++t) {
            const std::string_view name = TagNamen[t];
            if (wort.size() == 2 &&
                std::tolower(static_cast<unsigned char>(wort[0])) ==
                    std::tolower(static_cast<unsigned char>(name[0])) &&
                std::tolower(static_cast<unsigned char>(wort[1])) == name[1])
                return static_cast<int>(t);
        }
        if (wort.empty()) Erwartet("Ein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So)");
        Fehler(anfang, "unbekannter Wochentag \"" + std::string(wort) +
                           "\" (erwartet Mo, Di, Mi, Do, Fr, Sa, So).");
    }

    // digits with an optional decimal point
    double Zahl(const std::string& was) {
        LeerUeberspringen();
        const std::size_t anfang = Stelle;
        double wert = 0;
        bool ziffer = false;
        while (Stelle < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Stelle]))) {
            wert = wert * 10 + (Text[Stelle++] - '0');
            ziffer = true;
        }
        if (Stelle < Text.size() && Text[Stelle] == '.' && ziffer) {
            ++Stelle;
            double stellenwert = 0.1;
            while (Stelle < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Stelle]))) {
                wert += (Text[Stelle++] - '0') * stellenwert;
                stellenwert /= 10;
            }
        }
        if (!ziffer) {
            Stelle = anfang;
            Erwartet(was);
        }
        return wert;
    }

    int Uhrzeit(const std::string& was) {
        const std::size_t anfang = Position();
        const double wert = Zahl(was);
        if (wert != static_cast<int>(wert) || wert > 24)
            Fehler(anfang, was + " muss eine volle Stunde von 0 bis 24 sein.");
        return static_cast<int>(wert);
    }

private:
    std::string_view Text;
    mutable std::size_t Stelle = 0;
};

struct TZeitraum {
    int Von = 0;
    int Bis = 0;
    double Anteil = 1.0;
};

// "7-18" or "22-6" and an optional share "50%"
TZeitraum ZeitraumLesen(TLeser& leser, bool ueberMitternacht) {
    TZeitraum z;
    const std::size_t anfang = leser.Position();
    z.Von = leser.Uhrzeit("Die Anfangsstunde");
    if (!leser.Zeichen('-')) leser.Erwartet("\"-\" zwischen Anfangs- und Endstunde");
    z.Bis = leser.Uhrzeit("Die Endstunde");
    if (z.Von == z.Bis || (!ueberMitternacht && z.Von > z.Bis))
        leser.Fehler(anfang, "die Endstunde muss nach der Anfangsstunde liegen (über Mitternacht "
                             "nur bei \"Nacht\").");
    if (leser.Ende() || leser.Naechstes(';')) return z;
    const std::size_t anteilStelle = leser.Position();
    const double prozent = leser.Zahl("Ein Anteil in % oder \";\"");
    if (!leser.Zeichen('%')) leser.Erwartet("\"%\" nach dem Anteil");
    if (!(prozent > 0 && prozent <= 100))
        leser.Fehler(anteilStelle, "der Anteil muss größer als 0 und höchstens 100 % sein.");
    z.Anteil = prozent / 100;
    return z;
}

// the days of "Mo-Fr", "Sa" or "Mo,Mi-Fr"
std::array<bool, 7> TageLesen(TLeser& leser) {
    std::array<bool, 7> tage{};
    do {
        const std::size_t anfang = leser.Position();
        const int von = leser.Wochentag();
        int bis = von;
        if (leser.Zeichen('-')) bis = leser.Wochentag();
        if (bis < von)
            leser.Fehler(anfang, "die Woche läuft von Mo bis So; \"" +
                                     std::string(TagNamen[static_cast<std::size_t>(von)]) + "-" +
                                     std::string(TagNamen[static_cast<std::size_t>(bis)]) +
                                     "\" läuft rückwärts.");
        for (int t = von; t <= bis; ++t)
            tage[static_cast<std::size_t>(t)] = true;
    } while (leser.Zeichen(','));
    return tage;
}

// the hours of the day a period covers, running over midnight when Bis < Von
void StundenSetzen(std::array<double, 24>& tag, const TZeitraum& z) {
    for (int stunde = 0; stunde < 24; ++stunde) {
        const bool drin =
            z.Von < z.Bis ? stunde >= z.Von && stunde < z.Bis : stunde >= z.Von || stunde < z.Bis;
        auto& wert = tag[static_cast<std::size_t>(stunde)];
        if (drin) wert = std::max(wert, z.Anteil);
    }
}

} // namespace

TBetriebszeiten BetriebszeitenLesen(std::string_view text) {
    TBetriebszeiten zeiten;
    TLeser leser(text);
    if (leser.Ende()) leser.Erwartet("Ein Eintrag wie \"Mo-Fr 7-18\"");
    do {
        if (leser.Ende()) break; // a closing ';' is allowed
        if (leser.Schluesselwort("Nacht")) {
            StundenSetzen(zeiten.Nacht, ZeitraumLesen(leser, true));
        } else {
            const std::array<bool, 7> tage = TageLesen(leser);
            const TZeitraum z = ZeitraumLesen(leser, false);
            for (std::size_t t = 0; t < tage.size(); ++t)
                if (tage[t]) StundenSetzen(zeiten.Woche[t], z);
        }
        if (!leser.Ende() && !leser.Naechstes(';'))
            leser.Erwartet("\";\" vor dem nächsten Eintrag");
    } while (leser.Zeichen(';'));
    return zeiten;
}

std::string BetriebszeitenFehler(std::string_view text) {
    try {
        BetriebszeitenLesen(text);
    } catch (const TParameterFehler& f) {
        return f.what();
    }
    return {};
}

void BetriebszeitenFahrplan(const TBetriebszeiten& zeiten, int ersterWochentag,
                            TStundenFeld& fahrplan) {
    for (int h = 1; h <= StundenImJahr; ++h) {
        const int tag = (h - 1) / 24; // day of the year from 0
        const auto stunde = static_cast<std::size_t>((h - 1) % 24);
        const auto wochentag = static_cast<std::size_t>((ersterWochentag + tag) % 7);
        double wert = zeiten.Woche[wochentag][stunde];
        const int monat = MonatDerStunde(h);
        if (monat >= NachtSpuelungVon && monat <= NachtSpuelungBis)
            wert = std::max(wert, zeiten.Nacht[stunde]);
        fahrplan[static_cast<std::size_t>(h)] = wert;
    }
}

bool FahrplanFolgen(const TRegisterParameter& p) {
    return p.FahrplanGelesen || !p.Betriebszeiten.empty();
}

} // namespace kov
