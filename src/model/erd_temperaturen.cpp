#include "model/erd_temperaturen.h"

#include "model/kalender.h"

#include <cmath>

namespace kov {

void ErdTemperaturenBerechnen(const TRegisterParameter& p, const TStundenFeld& tein,
                              TArbeitswerte& w) {
    w.JahresMittelTemperatur = 0;
    for (int h = 1; h <= StundenImJahr; ++h)
        w.JahresMittelTemperatur += tein[static_cast<std::size_t>(h)] / 8760;

    for (int monat = 1; monat <= 12; ++monat) {
        double& mittel = w.MittelTemperaturMonat[static_cast<std::size_t>(monat)];
        mittel = 0;
        const int tage = TageImMonat(monat);
        for (int h = ErsteStundeImMonat(monat); h <= LetzteStundeImMonat(monat); ++h)
            mittel += tein[static_cast<std::size_t>(h)] / 24 / tage;
    }

    double maximum = -100;
    double minimum = 100;
    for (int monat = 1; monat <= 12; ++monat) {
        double& mittel = w.MittelTemperaturMonat[static_cast<std::size_t>(monat)];
        mittel += p.Sonnenerwaermung;
        if (mittel > maximum) maximum = mittel;
        if (mittel < minimum) minimum = mittel;
    }
    const double amplitude = (maximum - minimum) / 2;

    // damping of the yearly temperature wave with depth, 1/m
    const double a = p.LambdaErde / p.RhoErde / p.CpErde;
    const double k = std::sqrt(3.14159 / a / 365 / 24 / 3600);

    for (int monat = 1; monat <= 12; ++monat) {
        const int tag = (ErsteStundeImMonat(monat) - 1) / 24 + TageImMonat(monat) / 2;
        w.ErdTemperaturMonat[static_cast<std::size_t>(monat)] =
            amplitude * std::exp(-k * p.Tiefe) *
                std::cos((tag - 196) * 6.28318 / 365 - k * p.Tiefe) +
            w.JahresMittelTemperatur;
    }
    if (p.SpezielleRandbedingung)
        for (int monat = 1; monat <= 12; ++monat)
            w.ErdTemperaturMonat[static_cast<std::size_t>(monat)] =
                p.ErdTemperaturSpeziell[static_cast<std::size_t>(monat)];
    w.StartTemperatur = w.ErdTemperaturMonat[1];
}

} // namespace kov
