#include "files/wetter.h"

#include "files/wetter_tabelle.h"
#include "files/zahl_leser.h"
#include "model/kalender.h"

#include <cmath>

namespace kov {

namespace {

constexpr int KopfZeilen = 100;

void MonatsMittelBilden(TModell& m) {
    for (int monat = 1; monat <= 12; ++monat) {
        double& mittel = m.Werte.MittelTemperaturMonat[monat];
        mittel = 0;
        const int tage = TageImMonat(monat);
        for (int h = ErsteStundeImMonat(monat); h <= LetzteStundeImMonat(monat); ++h)
            mittel += m.Reihen.Tein[h] / 24 / tage;
    }
}

void EingebautesWetterUebernehmen(TModell& m) {
    TStundenReihen& r = m.Reihen;
    r.Tein = EingebauteWetterTabelle;
    m.Werte.JahresMittelTemperatur = 0;
    for (int h = 1; h <= StundenImJahr; ++h) {
        m.Werte.JahresMittelTemperatur += r.Tein[h] / 8760;
        r.TTaupunkt[h] = 0.0;
        r.RelFeuchte[h] = 10.0;
    }
    MonatsMittelBilden(m);
}

// hourly part of a previous report: Tein, Taus (dropped), RelVolumenstrom, RelFeuchte, TTaupunkt
void BerichtWetterLesen(TModell& m) {
    TStundenReihen& r = m.Reihen;
    m.Werte.JahresMittelTemperatur = 0;
    TZahlLeser leser(HilfsDatei);
    for (int zeile = 0; zeile < KopfZeilen; ++zeile)
        leser.ZeileUeberspringen();
    for (int h = 1; h <= StundenImJahr; ++h) {
        r.Tein[h] = leser.ZahlLesen();
        leser.ZahlLesen();
        r.RelVolumenstrom[h] = leser.ZahlLesen();
        r.RelFeuchte[h] = leser.ZahlLesen();
        r.TTaupunkt[h] = leser.ZahlLesen();
        leser.ZeileUeberspringen();
        m.Werte.JahresMittelTemperatur += r.Tein[h] / 8760;
    }
    MonatsMittelBilden(m);
}

} // namespace

void WetterLesen(TModell& m) {
    const TRegisterParameter& p = m.Parameter;
    TArbeitswerte& w = m.Werte;
    if (p.EingebautesWetter)
        EingebautesWetterUebernehmen(m);
    else
        BerichtWetterLesen(m);

    double maximum = -100;
    double minimum = 100;
    for (int monat = 1; monat <= 12; ++monat) {
        w.MittelTemperaturMonat[monat] += p.Sonnenerwaermung;
        if (w.MittelTemperaturMonat[monat] > maximum) maximum = w.MittelTemperaturMonat[monat];
        if (w.MittelTemperaturMonat[monat] < minimum) minimum = w.MittelTemperaturMonat[monat];
    }
    const double amplitude = (maximum - minimum) / 2;

    // damping of the yearly temperature wave with depth, 1/m
    const double a = p.LambdaErde / p.RhoErde / p.CpErde;
    const double k = std::sqrt(3.14159 / a / 365 / 24 / 3600);

    for (int monat = 1; monat <= 12; ++monat) {
        const int tag = (ErsteStundeImMonat(monat) - 1) / 24 + TageImMonat(monat) / 2;
        w.ErdTemperaturMonat[monat] = amplitude * std::exp(-k * p.Tiefe) *
                                          std::cos((tag - 196) * 6.28318 / 365 - k * p.Tiefe) +
                                      w.JahresMittelTemperatur;
    }
    if (p.SpezielleRandbedingung)
        for (int monat = 1; monat <= 12; ++monat)
            w.ErdTemperaturMonat[monat] = p.ErdTemperaturSpeziell[monat];
    w.StartTemperatur = w.ErdTemperaturMonat[1];
}

} // namespace kov
