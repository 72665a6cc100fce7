#include "files/wetter.h"

#include "files/bericht.h"
#include "files/wetter_tabelle.h"
#include "files/zahl_leser.h"
#include "model/erd_temperaturen.h"
#include "model/fehler.h"

#include <memory>

namespace kov {

const TWetterJahr& EingebautesWetterJahr() {
    static const std::unique_ptr<const TWetterJahr> jahr = [] {
        auto w = std::make_unique<TWetterJahr>();
        w->Tein = EingebauteWetterTabelle;
        w->RelFeuchte.fill(10.0);
        w->TTaupunkt.fill(0.0);
        return w;
    }();
    return *jahr;
}

void StandardwerteSetzen(TModell& m) {
    m.Reihen.Tein = EingebauteWetterTabelle;
    m.Reihen.RelFeuchte.fill(10.0);
    ParameterStandardwerteSetzen(m.Parameter);
    m.Werte.Stroemungsgeschwindigkeit = StroemungsGeschwindigkeit(m.Parameter);
}

namespace {

void BerichtZeilenLesen(TZahlLeser& leser, TStundenFeld& tein, TStundenFeld& relVolumenstrom,
                        TStundenFeld& relFeuchte, TStundenFeld& tTaupunkt) {
    for (int zeile = 0; zeile < BerichtKopfZeilen; ++zeile)
        leser.ZeileUeberspringen();
    for (std::size_t h = 1; h <= StundenImJahr; ++h) {
        // a year of 0 °C is never a result: the report must hold every hour
        if (!leser.NochEineZahl())
            throw TDateiFehler("Der Bericht endet nach Stunde " + std::to_string(h - 1) +
                                   " von 8760",
                               leser.Datei(), leser.Zeile());
        tein[h] = leser.ZahlLesen();
        leser.ZahlLesen();
        relVolumenstrom[h] = leser.ZahlLesen();
        relFeuchte[h] = leser.ZahlLesen();
        tTaupunkt[h] = leser.ZahlLesen();
        leser.ZeileUeberspringen();
    }
}

} // namespace

void BerichtWetterLesen(const std::string& datei, TStundenFeld& tein, TStundenFeld& relVolumenstrom,
                        TStundenFeld& relFeuchte, TStundenFeld& tTaupunkt) {
    TZahlLeser leser(datei);
    BerichtZeilenLesen(leser, tein, relVolumenstrom, relFeuchte, tTaupunkt);
}

void BerichtWetterTextLesen(const std::string& datei, std::string inhalt, TStundenFeld& tein,
                            TStundenFeld& relVolumenstrom, TStundenFeld& relFeuchte,
                            TStundenFeld& tTaupunkt) {
    TZahlLeser leser(datei, std::move(inhalt));
    BerichtZeilenLesen(leser, tein, relVolumenstrom, relFeuchte, tTaupunkt);
}

void WetterLesen(TModell& m, const std::string& hilfsDatei) {
    TStundenReihen& r = m.Reihen;
    if (m.Parameter.EingebautesWetter)
        WetterUebernehmen(EingebautesWetterJahr(), r);
    else {
        BerichtWetterLesen(hilfsDatei, r.Tein, r.RelVolumenstrom, r.RelFeuchte, r.TTaupunkt);
        r.Luftdruck.fill(0.0);
        r.MitFeuchte = false;
    }
    ErdTemperaturenBerechnen(m.Parameter, r.Tein, m.Werte);
}

} // namespace kov
