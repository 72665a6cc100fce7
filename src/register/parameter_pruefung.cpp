#include "register/parameter_pruefung.h"

#include "ground/erd_gitter.h"
#include "model/fehler.h"
#include "model/kalender.h"
#include "model/parameter_katalog.h"

#include <cmath>
#include <string_view>

namespace kov {

namespace {

class TPruefung {
public:
    explicit TPruefung(std::vector<std::string>& meldungen) : Meldungen(meldungen) {}

    void Melden(std::string_view bezeichnung, std::string_view name, std::string_view regel) {
        std::string text;
        text.reserve(bezeichnung.size() + name.size() + regel.size() + 4);
        text.append(bezeichnung).append(" (").append(name).append(") ").append(regel);
        Meldungen.push_back(std::move(text));
    }

    void Zahl(double wert, const TKatalogEintrag& e, std::string_view bezeichnung,
              std::string_view name) {
        if (!std::isfinite(wert)) return Melden(bezeichnung, name, "muss eine endliche Zahl sein.");
        switch (e.Bereich.Art) {
        case TBereichsArt::Positiv:
            if (!(wert > 0)) {
                std::string regel = "muss größer als 0";
                if (!e.Einheit.empty()) regel.append(" ").append(e.Einheit);
                Melden(bezeichnung, name, regel.append(" sein."));
            }
            break;
        case TBereichsArt::NichtNegativ:
            if (wert < 0) Melden(bezeichnung, name, "darf nicht negativ sein.");
            break;
        case TBereichsArt::Anteil:
            if (!(wert >= 0 && wert <= 1))
                Melden(bezeichnung, name, "muss zwischen 0 und 1 liegen.");
            break;
        default:
            break;
        }
    }

    void Ganzzahl(long wert, long von, long bis, const TKatalogEintrag& e) {
        if (bis < von) {
            if (wert < von)
                Melden(e.Bezeichnung, e.Name, "muss mindestens " + std::to_string(von) + " sein.");
            return;
        }
        if (wert < von || wert > bis)
            Melden(e.Bezeichnung, e.Name,
                   "muss zwischen " + std::to_string(von) + " und " + std::to_string(bis) +
                       " liegen.");
    }

private:
    std::vector<std::string>& Meldungen;
};

bool GitterzahlGueltig(int n) {
    return n >= 3 && n <= MaxGitter;
}

} // namespace

std::vector<std::string> ParameterPruefen(const TRegisterParameter& p) {
    std::vector<std::string> meldungen;
    TPruefung pruefe(meldungen);
    const int n = p.AnzahlGitter;

    for (const TKatalogEintrag& e : ParameterKatalog()) {
        if (e.Abgeleitet) continue;
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
            pruefe.Zahl(FeldWert<double>(p, e), e, e.Bezeichnung, e.Name);
            break;
        case TFeldTyp::Monate:
            for (int monat = 1; monat <= 12; ++monat) {
                std::string bezeichnung(e.Bezeichnung);
                bezeichnung.append(" ").append(MonatsName(monat));
                std::string name(e.Name);
                name.append("[").append(std::to_string(monat)).append("]");
                pruefe.Zahl(FeldWert<TMonatsFeld>(p, e)[static_cast<std::size_t>(monat)], e,
                            bezeichnung, name);
            }
            break;
        case TFeldTyp::Ganzzahl: {
            const std::int32_t wert = FeldWert<std::int32_t>(p, e);
            if (e.Bereich.Art == TBereichsArt::Ganzzahl)
                pruefe.Ganzzahl(wert, e.Bereich.Von, e.Bereich.Bis, e);
            // the monitor cell is checked against a grid that exists
            else if (e.Bereich.Art == TBereichsArt::MonitorAxial && GitterzahlGueltig(n))
                pruefe.Ganzzahl(wert, 1, n, e);
            else if (e.Bereich.Art == TBereichsArt::MonitorRadial && GitterzahlGueltig(n))
                pruefe.Ganzzahl(wert, 0, n + 1, e);
            break;
        }
        case TFeldTyp::Wahrheitswert:
        case TFeldTyp::Text:
            break;
        }
    }

    if (p.OutputFile.empty())
        pruefe.Melden("Ausgabedatei", "OutputFile", "darf nicht leer sein.");
    else if (p.OutputFile == HilfsDatei)
        pruefe.Melden("Ausgabedatei", "OutputFile",
                      "darf nicht \"" + std::string(HilfsDatei) + "\" heißen (Hilfsdatei).");
    if (p.FahrplanGelesen && p.FahrplanFile.empty())
        pruefe.Melden("Fahrplandatei", "FahrplanFile", "darf nicht leer sein.");

    // the ring geometry must settle for the grid to exist at all
    if (meldungen.empty()) {
        try {
            GitterfaktorBerechnen(p);
        } catch (const TParameterFehler& fehler) {
            meldungen.emplace_back(fehler.what());
        }
    }
    return meldungen;
}

} // namespace kov
