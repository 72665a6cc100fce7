#include "ablauf/auswertungs_lauf.h"

#include "ablauf/lauf_daten.h"
#include "files/klima.h"
#include "files/wetter.h"
#include "model/fehler.h"
#include "register/lauf.h"

namespace kov {

namespace {

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
    a.Bewertung = BewertungBilden(k, a.Kennwerte);
    a.RegisterAngaben = RegisterAngabenAus(k.RegisterErgebnis);
    a.Hoehe = k.RegisterErgebnis.Hoehe;
    return a;
}

TAuswertung AuswertungsLaufRechnen(const TRegisterParameter& p, const std::string& ordner,
                                   const std::string& eingabeOrdner) {
    const TLaufDaten daten = LaufDatenSammeln(p, {ordner, eingabeOrdner}, TLaufZweck::Rechnung);
    const auto k = std::make_shared<TKontext>();
    StandardwerteSetzen(*k);
    LaufRechnen(daten, *k);
    const std::string fehler = ErgebnisPruefen(*k);
    if (!fehler.empty()) throw TParameterFehler(fehler);
    TAuswertung a = LaufAuswerten(daten, *k);
    a.Modell = k;
    return a;
}

} // namespace kov
