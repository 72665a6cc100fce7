#include "files/projekt_datei.h"

#include "files/text_datei.h"
#include "model/fehler.h"
#include "model/parameter_katalog.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <set>
#include <type_traits>

namespace kov {

namespace {

// A whole number in the file that its field cannot hold: JSON has no limit, so a long one is
// read as an unsigned or (beyond 64 bits) as a floating-point number without a fraction.
bool ZuLangeGanzzahl(const nlohmann::json& wert, long long klein, long long gross) {
    if (wert.is_number_unsigned())
        return wert.get<std::uint64_t>() > static_cast<std::uint64_t>(gross);
    if (wert.is_number_integer())
        return wert.get<long long>() < klein || wert.get<long long>() > gross;
    if (!wert.is_number_float()) return false;
    const double zahl = wert.get<double>();
    return std::isfinite(zahl) && zahl == std::floor(zahl) &&
           (zahl < static_cast<double>(klein) || zahl > static_cast<double>(gross));
}

namespace fs = std::filesystem;
using TJson = nlohmann::json;
using TGeordnetesJson = nlohmann::ordered_json;

constexpr const char* FormatSchluessel = "Format";
constexpr const char* VersionSchluessel = "Version";

bool IstEingabeDatei(const TKatalogEintrag& e) {
    return e.Bereich.Art == TBereichsArt::Datei && FeldTyp(e) == TFeldTyp::Text;
}

fs::path AbsoluterOrdner(const std::string& ordner) {
    return fs::absolute(ordner.empty() ? fs::path(".") : fs::path(ordner)).lexically_normal();
}

std::string Zitiert(std::string_view schluessel) {
    std::string text = "\"";
    for (const char c : schluessel)
        text.push_back(static_cast<unsigned char>(c) < 0x20 ? '?' : c);
    return text + "\"";
}

// The line of a key of the top-level object (our files put each key on a line of its own);
// 0 when the text does not show it.
long SchluesselZeile(std::string_view text, std::string_view schluessel) {
    const std::string gesucht = "\"" + std::string(schluessel) + "\"";
    std::size_t stelle = 0;
    while ((stelle = text.find(gesucht, stelle)) != std::string_view::npos) {
        std::size_t nach = stelle + gesucht.size();
        while (nach < text.size() && (text[nach] == ' ' || text[nach] == '\t' ||
                                      text[nach] == '\r' || text[nach] == '\n'))
            ++nach;
        if (nach < text.size() && text[nach] == ':')
            return 1 + static_cast<long>(std::count(text.begin(), text.begin() + stelle, '\n'));
        stelle = nach;
    }
    return 0;
}

class TProjektLeser {
public:
    TProjektLeser(std::string_view text, const std::string& datei) : Text(text), Datei(datei) {}

    [[noreturn]] void Fehler(const std::string& meldung, std::string_view schluessel = {}) const {
        throw TDateiFehler(meldung, Datei,
                           schluessel.empty() ? 0 : SchluesselZeile(Text, schluessel));
    }

    TJson Zerlegen() const {
        std::set<std::string> schluessel;
        std::string doppelt;
        // keys of the top-level object arrive at depth 1; a repeated one would silently win
        const auto beobachter = [&](int tiefe, TJson::parse_event_t ereignis, TJson& wert) {
            if (ereignis == TJson::parse_event_t::key && tiefe == 1 && wert.is_string() &&
                !schluessel.insert(wert.get<std::string>()).second && doppelt.empty())
                doppelt = wert.get<std::string>();
            return true;
        };
        TJson json;
        try {
            json = TJson::parse(Text.begin(), Text.end(), beobachter);
        } catch (const TJson::parse_error& f) {
            // byte is the 1-based position of the character the parser stopped at
            const std::size_t stelle =
                std::min<std::size_t>(f.byte > 0 ? f.byte - 1 : 0, Text.size());
            const auto anfang = Text.begin();
            const long zeile = 1 + static_cast<long>(std::count(anfang, anfang + stelle, '\n'));
            const std::size_t zeilenAnfang = Text.rfind('\n', stelle == 0 ? 0 : stelle - 1);
            const std::size_t spalte = zeilenAnfang == std::string_view::npos || stelle == 0
                                           ? stelle + 1
                                           : stelle - zeilenAnfang;
            const std::string grund =
                stelle >= Text.size() ? "die Datei endet mitten im JSON" : "unerwartetes Zeichen";
            throw TDateiFehler("Kein gültiges JSON in Spalte " + std::to_string(spalte) + " (" +
                                   grund + ")",
                               Datei, zeile);
        } catch (const TJson::out_of_range& f) {
            // a number beyond the doubles; the message quotes it, which finds its line
            const std::string_view was = f.what();
            const std::size_t auf = was.find('\'');
            const std::size_t zu = auf == std::string_view::npos ? auf : was.find('\'', auf + 1);
            const std::string_view zahl = zu == std::string_view::npos
                                              ? std::string_view()
                                              : was.substr(auf + 1, zu - auf - 1);
            const std::size_t stelle = zahl.empty() ? std::string_view::npos : Text.find(zahl);
            throw TDateiFehler(
                "Die Zahl " + std::string(zahl) + " liegt ausserhalb des Zahlenbereichs", Datei,
                stelle == std::string_view::npos
                    ? 0
                    : 1 + static_cast<long>(std::count(Text.begin(), Text.begin() + stelle, '\n')));
        }
        if (!doppelt.empty())
            Fehler("Der Schlüssel " + Zitiert(doppelt) + " steht mehr als einmal in der Datei",
                   doppelt);
        return json;
    }

    void KopfPruefen(const TJson& json) const {
        if (!json.is_object()) Fehler("Keine KOV-Projektdatei: die Datei ist kein JSON-Objekt");
        const auto format = json.find(FormatSchluessel);
        if (format == json.end()) Fehler("Keine KOV-Projektdatei: der Schlüssel \"Format\" fehlt");
        if (!format->is_string() || format->get<std::string>() != ProjektFormatName)
            Fehler("Keine KOV-Projektdatei: \"Format\" muss \"" + std::string(ProjektFormatName) +
                       "\" sein",
                   FormatSchluessel);
        const auto version = json.find(VersionSchluessel);
        if (version != json.end() &&
            ZuLangeGanzzahl(*version, std::numeric_limits<long long>::min(),
                            std::numeric_limits<long long>::max()))
            Fehler("Die Version ist eine zu lange Zahl; dieses Programm liest Projektdateien bis "
                   "Version " +
                       std::to_string(ProjektVersion),
                   VersionSchluessel);
        if (version == json.end() || !version->is_number_integer())
            Fehler("Der Schlüssel \"Version\" fehlt oder ist keine ganze Zahl", VersionSchluessel);
        const auto nummer = version->get<long long>();
        if (nummer > ProjektVersion)
            Fehler("Die Projektdatei hat die Version " + std::to_string(nummer) +
                       " eines neueren Programms; dieses liest Projektdateien bis Version " +
                       std::to_string(ProjektVersion),
                   VersionSchluessel);
        if (nummer < 1)
            Fehler("Die Version " + std::to_string(nummer) + " gibt es nicht", VersionSchluessel);
    }

    double Zahl(const TJson& wert, const TKatalogEintrag& e, const std::string& wo) const {
        if (!wert.is_number()) Fehler(wo + " muss eine Zahl sein", e.Name);
        const double zahl = wert.get<double>();
        Bereich(BereichsVerstoss(e, zahl), e, wo);
        return zahl;
    }

    void Bereich(std::string regel, const TKatalogEintrag& e, const std::string& wo) const {
        if (regel.empty()) return;
        if (regel.back() == '.') regel.pop_back();
        Fehler(wo + " (" + std::string(e.Bezeichnung) + ") " + regel, e.Name);
    }

    void Feld(const TJson& wert, const TKatalogEintrag& e, TRegisterParameter& p) const {
        const std::string wo = "Der Wert von " + Zitiert(e.Name);
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
            FeldWert<double>(p, e) = Zahl(wert, e, wo);
            break;
        case TFeldTyp::Ganzzahl: {
            constexpr auto klein = std::numeric_limits<std::int32_t>::min();
            constexpr auto gross = std::numeric_limits<std::int32_t>::max();
            const bool ganz = wert.is_number_integer() &&
                              (wert.is_number_unsigned() ? wert.get<std::uint64_t>() <= gross
                                                         : wert.get<std::int64_t>() >= klein &&
                                                               wert.get<std::int64_t>() <= gross);
            if (!ganz && ZuLangeGanzzahl(wert, klein, gross))
                Fehler(wo + " liegt ausserhalb des Zahlenbereichs ganzer Zahlen (" +
                           std::to_string(klein) + " bis " + std::to_string(gross) + ")",
                       e.Name);
            if (!ganz) Fehler(wo + " muss eine ganze Zahl sein", e.Name);
            FeldWert<std::int32_t>(p, e) = static_cast<std::int32_t>(wert.get<std::int64_t>());
            // the monitor cells depend on the grid count and are judged once all is read
            if (e.Bereich.Art == TBereichsArt::Ganzzahl)
                Bereich(BereichsVerstoss(e, FeldWert<std::int32_t>(p, e), 0), e, wo);
            break;
        }
        case TFeldTyp::Wahrheitswert:
            if (!wert.is_boolean()) Fehler(wo + " muss true oder false sein", e.Name);
            FeldWert<bool>(p, e) = wert.get<bool>();
            break;
        case TFeldTyp::Text:
            if (!wert.is_string()) Fehler(wo + " muss ein Text in Anführungszeichen sein", e.Name);
            FeldWert<std::string>(p, e) = wert.get<std::string>();
            break;
        case TFeldTyp::Monate: {
            if (!wert.is_array() || wert.size() != 12)
                Fehler(wo + " muss eine Liste von 12 Zahlen sein (Januar bis Dezember)", e.Name);
            TMonatsFeld& monate = FeldWert<TMonatsFeld>(p, e);
            for (std::size_t m = 1; m <= 12; ++m)
                monate[m] = Zahl(wert[m - 1], e, wo + " im Monat " + std::to_string(m));
            break;
        }
        }
    }

    TRegisterParameter Lesen() const {
        const TJson json = Zerlegen();
        KopfPruefen(json);
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        for (const auto& [schluessel, wert] : json.items()) {
            if (schluessel == FormatSchluessel || schluessel == VersionSchluessel) continue;
            const TKatalogEintrag* e = KatalogEintrag(schluessel);
            if (e == nullptr) Fehler("Unbekannter Schlüssel " + Zitiert(schluessel), schluessel);
            if (e->Abgeleitet)
                Fehler("Der Schlüssel " + Zitiert(schluessel) +
                           " wird vom Programm berechnet und gehört nicht in ein Projekt",
                       schluessel);
            Feld(wert, *e, p);
        }
        for (const TKatalogEintrag& e : ParameterKatalog())
            if (FeldTyp(e) == TFeldTyp::Ganzzahl && e.Bereich.Art != TBereichsArt::Ganzzahl)
                Bereich(BereichsVerstoss(e, FeldWert<std::int32_t>(p, e), p.AnzahlGitter), e,
                        "Der Wert von " + Zitiert(e.Name));
        AnteilErdeBerechnen(p);
        return p;
    }

private:
    std::string_view Text;
    const std::string& Datei;
};

[[noreturn]] void SchreibFehler(const std::string& datei, const TKatalogEintrag& e,
                                const std::string& was) {
    throw TDateiFehler("Das Projekt lässt sich nicht speichern: " + std::string(e.Bezeichnung) +
                           " (" + std::string(e.Name) + ") " + was,
                       datei);
}

double EndlicheZahl(double wert, const std::string& datei, const TKatalogEintrag& e) {
    if (!std::isfinite(wert)) SchreibFehler(datei, e, "ist keine endliche Zahl");
    return wert;
}

} // namespace

std::string ProjektOrdner(const std::string& datei) {
    return fs::path(datei).parent_path().string();
}

std::string PfadUmsetzen(const std::string& name, const std::string& vonOrdner,
                         const std::string& nachOrdner) {
    if (name.empty()) return name;
    const fs::path pfad(name);
    const fs::path absolut =
        (pfad.is_absolute() ? pfad : AbsoluterOrdner(vonOrdner) / pfad).lexically_normal();
    const fs::path relativ = absolut.lexically_relative(AbsoluterOrdner(nachOrdner));
    return relativ.empty() ? absolut.string() : relativ.generic_string();
}

void EingabePfadeUmsetzen(TRegisterParameter& p, const std::string& vonOrdner,
                          const std::string& nachOrdner) {
    for (const TKatalogEintrag& e : ParameterKatalog())
        if (IstEingabeDatei(e)) {
            std::string& name = FeldWert<std::string>(p, e);
            name = PfadUmsetzen(name, vonOrdner, nachOrdner);
        }
}

std::string ProjektText(const TRegisterParameter& p, const std::string& basisOrdner,
                        const std::string& datei) {
    TGeordnetesJson json;
    json[FormatSchluessel] = ProjektFormatName;
    json[VersionSchluessel] = ProjektVersion;
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        const std::string name(e.Name);
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
            json[name] = EndlicheZahl(FeldWert<double>(p, e), datei, e);
            break;
        case TFeldTyp::Ganzzahl:
            json[name] = FeldWert<std::int32_t>(p, e);
            break;
        case TFeldTyp::Wahrheitswert:
            json[name] = FeldWert<bool>(p, e);
            break;
        case TFeldTyp::Text: {
            const std::string& text = FeldWert<std::string>(p, e);
            json[name] =
                IstEingabeDatei(e) ? PfadUmsetzen(text, basisOrdner, ProjektOrdner(datei)) : text;
            break;
        }
        case TFeldTyp::Monate: {
            TGeordnetesJson monate = TGeordnetesJson::array();
            for (std::size_t m = 1; m <= 12; ++m)
                monate.push_back(EndlicheZahl(FeldWert<TMonatsFeld>(p, e)[m], datei, e));
            json[name] = std::move(monate);
            break;
        }
        }
    }
    try {
        return json.dump(2) + "\n";
    } catch (const TJson::type_error&) {
        // the only text fault dump knows: bytes that are no UTF-8
        for (const TKatalogEintrag& e : ParameterKatalog()) {
            if (FeldTyp(e) != TFeldTyp::Text) continue;
            try {
                (void)TJson(FeldWert<std::string>(p, e)).dump();
            } catch (const TJson::type_error&) {
                SchreibFehler(datei, e, "ist kein gültiger UTF-8-Text");
            }
        }
        throw;
    }
}

void ProjektSpeichern(const std::string& datei, const TRegisterParameter& p,
                      const std::string& basisOrdner) {
    DateiSchreiben(datei, ProjektText(p, basisOrdner, datei));
}

TRegisterParameter ProjektTextLesen(std::string_view text, const std::string& datei) {
    return TProjektLeser(text, datei).Lesen();
}

TRegisterParameter ProjektLesen(const std::string& datei) {
    const std::string text = DateiLesen(datei);
    return ProjektTextLesen(text, datei);
}

} // namespace kov
