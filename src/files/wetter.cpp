#include "files/wetter.h"

#include "files/bericht.h"
#include "files/wetter_tabelle.h"
#include "files/zahl_leser.h"
#include "model/erd_temperaturen.h"
#include "model/fehler.h"

#include <algorithm>
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

// The reader takes the numbers of an hour wherever the blanks put them; what it cannot see is a
// value missing between two tabs, which would shift the columns, and a decimal comma, which is
// no number to it: both are named before the hour is read.
void ZeileDesBerichtsPruefen(const TZahlLeser& leser) {
    const std::string_view zeile = leser.AktuelleZeile();
    if (zeile.find(',') != std::string_view::npos)
        throw TDateiFehler(MeldungUngueltigeZahl, leser.Datei(), leser.Zeile(),
                           "der Bericht ist mit Dezimalkomma geschrieben (Land=D oder A); sein "
                           "Wetter lässt sich nur aus einem Bericht mit Dezimalpunkt lesen");
    if (zeile.find('\t') == std::string_view::npos) return;
    std::size_t spalte = 1;
    for (std::size_t anfang = 0;; ++spalte) {
        const std::size_t ende = std::min(zeile.find('\t', anfang), zeile.size());
        if (zeile.substr(anfang, ende - anfang).find_first_not_of(' ') == std::string_view::npos)
            throw TDateiFehler(MeldungUngueltigeZahl, leser.Datei(), leser.Zeile(),
                               "Spalte " + std::to_string(spalte) + " ist leer");
        if (ende == zeile.size()) return;
        anfang = ende + 1;
    }
}

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
        ZeileDesBerichtsPruefen(leser);
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
