#include "ablauf/auswertungs_lauf.h"

#include "ablauf/simulation.h"
#include "files/fahrplan.h"
#include "files/klima.h"
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

TWetterQuelle WetterQuelleBeschreiben(const TModell& m, const TWetterInfo* standortDatei) {
    const TWetterKennwerte kennwerte = WetterKennwerteBerechnen(WetterJahrDerReihen(m.Reihen));
    TWetterQuelle q;
    if (standortDatei != nullptr) {
        TWetterInfo info = *standortDatei;
        info.Kennwerte = kennwerte;
        const std::string ort = WetterOrtsName(info);
        const std::string& datei = m.Parameter.WetterDatei;
        // a file without a site is named by its file name alone
        const bool nurName = datei.size() >= ort.size() &&
                             datei.compare(datei.size() - ort.size(), ort.size(), ort) == 0;
        q.Bezeichnung = "Wetterdatei " + (nurName ? datei : ort + " (" + datei + ")");
        if (!m.Parameter.Klima.empty()) q.Bezeichnung = KlimaBezeichnung(m.Parameter.Klima);
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

TAuswertung AuswertungsLaufRechnen(const TRegisterParameter& p, const std::string& ordner,
                                   const std::string& eingabeOrdner) {
    const TLaufEingaben eingaben{eingabeOrdner, nullptr};
    const auto k = std::make_shared<TKontext>();
    StandardwerteSetzen(*k);
    std::vector<std::string> hinweise;

    // the weather and the schedule as the classic run takes them: a site file whenever one is
    // named, the previous report's hours (and flows) without the built-in year
    TWetterInfo info;
    std::unique_ptr<TWetterJahr> wetter = LaufWetterLesen(p, ordner, eingaben, &info);
    const bool standort = wetter != nullptr;
    auto fahrplan = std::make_unique<TStundenFeld>();
    if (!p.EingebautesWetter) {
        auto bericht = std::make_unique<TWetterJahr>(EingebautesWetterJahr());
        BerichtWetterLesen(PfadImOrdner(ordner, p.OutputFile), bericht->Tein, *fahrplan,
                           bericht->RelFeuchte, bericht->TTaupunkt);
        if (!standort) wetter = std::move(bericht);
    } else if (p.FahrplanGelesen) {
        const std::string datei = EingabePfad(ordner, eingaben, p.FahrplanFile);
        const std::string hinweis = FahrplanHinweis(datei, FahrplanLesen(datei, *fahrplan));
        if (!hinweis.empty()) hinweise.push_back(hinweis);
    }
    if (!wetter) wetter = std::make_unique<TWetterJahr>(EingebautesWetterJahr());

    const std::vector<std::string> meldungen = ParameterPruefen(p, wetter.get());
    if (!meldungen.empty()) throw TParameterFehler(Zeilen(meldungen));

    SimulationRechnen(p, *wetter, p.FahrplanGelesen ? fahrplan.get() : nullptr, *k);
    const std::string fehler = ErgebnisPruefen(*k);
    if (!fehler.empty()) throw TParameterFehler(fehler);

    TAuswertung a;
    a.Kennwerte = KennwerteBerechnen(*k);
    a.Wetter = WetterQuelleBeschreiben(*k, standort ? &info : nullptr);
    a.Hinweise = std::move(hinweise);
    a.Modell = k;
    return a;
}

} // namespace kov
