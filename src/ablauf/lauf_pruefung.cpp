#include "ablauf/lauf_pruefung.h"

#include "files/text_datei.h"
#include "files/wetter.h"
#include "register/parameter_pruefung.h"

#include <filesystem>

namespace kov {

bool GleicheDatei(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    if (fs::equivalent(a, b, fehler)) return true;
    // a file that does not exist yet: compare where its name leads
    // absolute first: a name of which nothing exists would otherwise stay relative
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, fehler), fehler);
    if (fehler) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, fehler), fehler);
    if (fehler) return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
    return pa == pb;
}

std::vector<std::string> UeberschreibenPruefen(const std::vector<TDateiRolle>& ausgaben,
                                               const std::vector<TDateiRolle>& eingaben) {
    std::vector<std::string> meldungen;
    const auto pruefen = [&](const TDateiRolle& ausgabe, const TDateiRolle& andere) {
        if (GleicheDatei(ausgabe.Pfad, andere.Pfad))
            meldungen.push_back(ausgabe.Wer + " " + ausgabe.Name + " würde " + andere.Wen + " " +
                                andere.Name + " überschreiben.");
    };
    for (std::size_t i = 0; i < ausgaben.size(); ++i) {
        for (const TDateiRolle& eingabe : eingaben)
            pruefen(ausgaben[i], eingabe);
        for (std::size_t j = 0; j < i; ++j)
            pruefen(ausgaben[i], ausgaben[j]);
    }
    return meldungen;
}

std::vector<std::string> LaufPruefen(const TRegisterParameter& p, const std::string& ordner,
                                     const TWetterJahr* wetter, const std::string& eingabeOrdner,
                                     const std::string& projektDatei) {
    if (wetter == nullptr && p.EingebautesWetter) wetter = &EingebautesWetterJahr();
    std::vector<std::string> meldungen = ParameterPruefen(p, wetter);
    if (p.OutputFile.empty()) return meldungen;

    const std::string bericht = PfadImOrdner(ordner, p.OutputFile);
    const std::string hilfsDatei = PfadImOrdner(ordner, HilfsDatei);
    const std::string& eingaben = eingabeOrdner.empty() ? ordner : eingabeOrdner;
    // names that are already the same text are refused by ParameterPruefen
    const auto gleich = [](const std::string& a, const std::string& b) {
        return std::filesystem::path(a).lexically_normal() !=
                   std::filesystem::path(b).lexically_normal() &&
               GleicheDatei(a, b);
    };
    if (!projektDatei.empty()) {
        const TDateiRolle projekt{"Die Projektdatei", "die Projektdatei", projektDatei,
                                  projektDatei};
        // report and scratch file against each other below, with the texts of the classic check
        for (const TDateiRolle& ausgabe :
             {TDateiRolle{"Der Bericht", "den Bericht", p.OutputFile, bericht},
              TDateiRolle{"Die Hilfsdatei", "die Hilfsdatei", HilfsDatei, hilfsDatei}})
            for (const std::string& meldung : UeberschreibenPruefen({ausgabe}, {projekt}))
                meldungen.push_back(meldung);
    }
    if (gleich(bericht, hilfsDatei))
        meldungen.push_back("Ausgabedatei (OutputFile) \"" + p.OutputFile +
                            "\" ist dieselbe Datei wie die Hilfsdatei \"" + HilfsDatei + "\".");
    if (p.FahrplanGelesen && !p.FahrplanFile.empty()) {
        const std::string fahrplan = PfadImOrdner(eingaben, p.FahrplanFile);
        if (gleich(bericht, fahrplan))
            meldungen.push_back("Ausgabedatei (OutputFile) \"" + p.OutputFile +
                                "\" ist dieselbe Datei wie der Lüftungsfahrplan (FahrplanFile): "
                                "der Bericht würde den Fahrplan überschreiben.");
        if (GleicheDatei(fahrplan, hilfsDatei))
            meldungen.push_back("Fahrplandatei (FahrplanFile) \"" + p.FahrplanFile +
                                "\" ist die Hilfsdatei \"" + HilfsDatei +
                                "\", die der Lauf überschreibt.");
    }
    if (!p.WetterDatei.empty()) {
        const std::string wetterDatei = PfadImOrdner(eingaben, p.WetterDatei);
        if (GleicheDatei(bericht, wetterDatei))
            meldungen.push_back("Wetterdatei (WetterDatei) \"" + p.WetterDatei +
                                "\" ist die Ausgabedatei (OutputFile): der Bericht würde die "
                                "Wetterdaten überschreiben.");
        if (GleicheDatei(wetterDatei, hilfsDatei))
            meldungen.push_back("Wetterdatei (WetterDatei) \"" + p.WetterDatei +
                                "\" ist die Hilfsdatei \"" + HilfsDatei +
                                "\", die der Lauf überschreibt.");
    }
    return meldungen;
}

} // namespace kov
