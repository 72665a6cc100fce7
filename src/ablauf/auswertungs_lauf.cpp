#include "ablauf/auswertungs_lauf.h"

#include "files/fahrplan.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "register/lauf.h"
#include "register/parameter_pruefung.h"

namespace kov {

namespace {

std::string Zeilen(const std::vector<std::string>& meldungen) {
    std::string text;
    for (const std::string& meldung : meldungen)
        text += (text.empty() ? "" : "\n") + meldung;
    return text;
}

TWetterJahr WetterJahrDerReihen(const TStundenReihen& r) {
    TWetterJahr w;
    w.Tein = r.Tein;
    w.RelFeuchte = r.RelFeuchte;
    w.TTaupunkt = r.TTaupunkt;
    return w;
}

} // namespace

TWetterQuelle WetterQuelleBeschreiben(const TModell& m, const TWetterInfo* datei) {
    const TWetterKennwerte kennwerte = WetterKennwerteBerechnen(WetterJahrDerReihen(m.Reihen));
    TWetterQuelle q;
    if (datei != nullptr) {
        TWetterInfo info = *datei;
        info.Kennwerte = kennwerte;
        q.Bezeichnung = "Wetterdatei " + WetterOrtsName(info);
        q.Text = WetterInfoText(info);
    } else if (m.Parameter.EingebautesWetter) {
        q.Bezeichnung = "Eingebautes Auslegungsjahr (" + m.Parameter.WetterFile + ")";
        q.Text = "Quelle: im Programm eingebautes Auslegungsjahr, 8760 Stunden der "
                 "Aussenlufttemperatur; ohne Feuchte (relative Feuchte 10 %, Taupunkt 0 °C)\n" +
                 WetterKennwerteText(kennwerte, false);
    } else {
        q.Bezeichnung = "Stundenwerte des vorigen Berichts " + m.Parameter.OutputFile;
        q.Text = "Quelle: Aussentemperatur, relative Feuchte und Taupunkt der Stundenzeilen des "
                 "vorigen Berichts " +
                 m.Parameter.OutputFile + "\n" + WetterKennwerteText(kennwerte, true);
    }
    return q;
}

TAuswertung AuswertungBilden(const TKontext& k, TWetterQuelle wetter) {
    TAuswertung a;
    a.Modell = std::make_shared<const TModell>(static_cast<const TModell&>(k));
    a.Kennwerte = KennwerteBerechnen(k);
    a.Wetter = std::move(wetter);
    return a;
}

TAuswertung AuswertungsLaufRechnen(const TRegisterParameter& p, const std::string& ordner) {
    const std::vector<std::string> meldungen = ParameterPruefen(p);
    if (!meldungen.empty()) throw TParameterFehler(Zeilen(meldungen));

    const auto k = std::make_shared<TKontext>();
    StandardwerteSetzen(*k);
    std::vector<std::string> hinweise;

    // the weather and the schedule as the classic run takes them
    auto wetter = std::make_unique<TWetterJahr>(EingebautesWetterJahr());
    auto fahrplan = std::make_unique<TStundenFeld>();
    if (!p.EingebautesWetter) {
        BerichtWetterLesen(PfadImOrdner(ordner, p.OutputFile), wetter->Tein, *fahrplan,
                           wetter->RelFeuchte, wetter->TTaupunkt);
    } else if (p.FahrplanGelesen) {
        const std::string datei = PfadImOrdner(ordner, p.FahrplanFile);
        const std::string hinweis = FahrplanHinweis(datei, FahrplanLesen(datei, *fahrplan));
        if (!hinweis.empty()) hinweise.push_back(hinweis);
    }

    SimulationRechnen(p, *wetter, p.FahrplanGelesen ? fahrplan.get() : nullptr, *k);
    const std::string fehler = ErgebnisPruefen(*k);
    if (!fehler.empty()) throw TParameterFehler(fehler);

    TAuswertung a;
    a.Kennwerte = KennwerteBerechnen(*k);
    a.Wetter = WetterQuelleBeschreiben(*k);
    a.Hinweise = std::move(hinweise);
    a.Modell = k;
    return a;
}

} // namespace kov
