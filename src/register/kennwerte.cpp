#include "register/kennwerte.h"

#include "model/betriebszeiten.h"
#include "model/kalender.h"
#include "register/energie_bilanz.h"
#include "register/feuchte_luft.h"
#include "register/lauf.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kov {

namespace {

constexpr double ReLaminar = 2300;
constexpr double ReTurbulent = 10000;

// smooth-pipe friction factor of turbulent flow, the one of the heat transfer
double ReibungszahlGlatt(double Re) {
    const double nenner = 1.82 * std::log10(Re) - 1.64;
    return 1 / (nenner * nenner);
}

// change of an energy from the last settling pass to the recorded pass, relative to the
// larger of the two: bounded by -1 and 1 and defined when one of them is 0
double RelativeAenderung(double aufgezeichnet, double vorher) {
    const double bezug = std::max(aufgezeichnet, vorher);
    return bezug > 0 ? (aufgezeichnet - vorher) / bezug : 0;
}

// keeps the first hour of the smallest and of the largest value
void ExtremFuehren(double wert, int stunde, double& min, int& minStunde, double& max,
                   int& maxStunde) {
    if (wert < min) {
        min = wert;
        minStunde = stunde;
    }
    if (wert > max) {
        max = wert;
        maxStunde = stunde;
    }
}

} // namespace

double Reibungszahl(double Re) {
    if (!(Re > 0)) return 0;
    if (Re <= ReLaminar) return 64 / Re;
    if (Re >= ReTurbulent) return ReibungszahlGlatt(Re);
    const double laminar = 64 / ReLaminar;
    const double turbulent = ReibungszahlGlatt(ReTurbulent);
    return laminar * std::pow(turbulent / laminar,
                              std::log(Re / ReLaminar) / std::log(ReTurbulent / ReLaminar));
}

TDruckverlust DruckverlustBerechnen(const TRegisterParameter& p, double R) {
    TDruckverlust d;
    if (!(R > 0)) return d;
    const double w = R * StroemungsGeschwindigkeit(p); // m/s in one pipe
    d.Reynolds = w * p.DRohr / p.ViskositaetLuft;
    d.Reibungszahl = Reibungszahl(d.Reynolds);
    const double staudruck = p.RhoLuft * w * w / 2; // Pa
    d.Reibung = d.Reibungszahl * (p.Rohrlaenge / p.DRohr) * staudruck;
    d.Einzelverluste = p.Zeta * staudruck;
    d.Zusatz = p.DruckverlustZusatz * R * R;
    d.Gesamt = d.Reibung + d.Einzelverluste + d.Zusatz;
    return d;
}

double Ventilatorleistung(const TRegisterParameter& p, double R) {
    if (!(R > 0)) return 0;
    // m3/s through the whole register times Pa gives W of air power
    return R * p.Volumenstrom / 3600 * DruckverlustBerechnen(p, R).Gesamt /
           p.Ventilatorwirkungsgrad;
}

void EinschwingStundeZaehlen(const TRegisterParameter& p, const TSimulationsLauf& lauf,
                             TEinschwingSummen& summen) {
    if (lauf.Durchlauf != p.Einschwingjahre || lauf.Stunde < 2 || !lauf.InBetrieb) return;
    if (lauf.Leistung > 0) summen.Heizenergie += lauf.Leistung * p.Zeitschritt / 3600;
    if (lauf.Leistung < 0) summen.Kuehlenergie -= lauf.Leistung * p.Zeitschritt / 3600;
}

TKennwerte KennwerteBerechnen(const TKontext& k) {
    const TRegisterParameter& p = k.Parameter;
    const TStundenReihen& r = k.Reihen;
    if (k.Lauf.Einschwingen || k.Lauf.Stunde != StundenImJahr || k.Lauf.Durchlauf != Durchlaeufe(p))
        throw std::logic_error("Kennwerte gibt es nur zu einem vollständig gerechneten Lauf.");

    TKennwerte kw;
    kw.DruckverlustNenn = DruckverlustBerechnen(p, 1.0);
    kw.Ventilatorleistung = Ventilatorleistung(p, 1.0);
    kw.TausMin = kw.TausMax = r.Taus[1];
    kw.TeinMin = kw.TeinMax = r.Tein[1];
    kw.TausMinStunde = kw.TausMaxStunde = kw.TeinMinStunde = kw.TeinMaxStunde = 1;

    // a register run's condensate comes from its own moisture balance, and only with humidity
    // data; the classic run's from the outlet against the dew point
    const bool registerKondensat = r.KondensatGerechnet;
    kw.KondensatBekannt = registerKondensat ? k.RegisterErgebnis.Feuchtedaten : r.MitFeuchte;
    // sums of the heating period: efficiency and flow-weighted means
    double gewonnen = 0, moeglich = 0, tausSumme = 0, teinSumme = 0, flussSumme = 0;

    for (int monat = 1; monat <= 12; ++monat) {
        const auto m = static_cast<std::size_t>(monat);
        // the undisturbed ground at pipe depth: the month's outer boundary of the ground model
        const double tErde =
            p.SpezielleRandbedingung ? p.ErdTemperaturSpeziell[m] : k.Werte.ErdTemperaturMonat[m];
        for (int h = ErsteStundeImMonat(monat); h <= LetzteStundeImMonat(monat); ++h) {
            const auto i = static_cast<std::size_t>(h);
            const double tEin = r.Tein[i];
            const double tAus = r.Taus[i];
            const bool laeuft = r.Betrieb[i] > 0;
            // the flow and power of the hour exactly as the hour loop formed them
            const double R = FahrplanFolgen(p) ? r.RelVolumenstrom[i] : 1.0;
            const bool heizperiode = WaermeGewuenscht(p, tEin);
            ExtremFuehren(tAus, h, kw.TausMin, kw.TausMinStunde, kw.TausMax, kw.TausMaxStunde);
            ExtremFuehren(tEin, h, kw.TeinMin, kw.TeinMinStunde, kw.TeinMax, kw.TeinMaxStunde);
            if (tEin < p.Frostgrenze) ++kw.FrostStundenAussen;
            if (laeuft && tAus < p.Frostgrenze) ++kw.FrostStundenNachRegister;
            if (heizperiode) {
                ++kw.StundenHeizperiode;
                tausSumme += R * tAus;
                teinSumme += R * tEin;
                flussSumme += R;
            }

            if (kw.KondensatBekannt && laeuft) {
                const double kondensat = registerKondensat
                                             ? r.KondensatLauf[i]
                                             : KondensatStunde(tEin, tAus, r.TTaupunkt[i],
                                                               r.Luftdruck[i], R * p.Volumenstrom);
                if (kondensat > 0) {
                    ++kw.KondensatStunden;
                    kw.KondensatJahr += kondensat;
                    kw.KondensatMonat[m] += kondensat;
                    kw.KondensatMax = std::max(kw.KondensatMax, kondensat);
                }
            }

            if (!laeuft) continue;
            const double leistung = StundenLeistung(p, tAus, tEin, R);
            kw.HeizleistungMax = std::max(kw.HeizleistungMax, leistung);
            kw.KuehlleistungMax = std::max(kw.KuehlleistungMax, -leistung);
            if (h < 2) continue; // hour 1 of the recorded pass is outside the yearly totals
            if (heizperiode && tErde > tEin) {
                gewonnen += R * (tAus - tEin);
                moeglich += R * (tErde - tEin);
            }
            const double energie = leistung * p.Zeitschritt / 3600;
            if (leistung > 0) {
                kw.HeizenergieMonat[m] += energie;
                (heizperiode ? kw.HeizenergieNutzbar : kw.HeizenergieUnerwuenscht) += energie;
            }
            if (leistung < 0) {
                kw.KuehlenergieMonat[m] -= energie;
                (KuehlungGewuenscht(p, tEin) ? kw.KuehlenergieNutzbar
                                             : kw.KuehlenergieUnerwuenscht) -= energie;
            }
            const double strom = Ventilatorleistung(p, R) * p.Zeitschritt / 3600 / 1000; // kWh
            kw.Ventilatorenergie += strom;
            kw.VentilatorenergieMonat[m] += strom;
        }
    }

    const double brutto = k.Ergebnis.Heizenergie + k.Ergebnis.Kuehlenergie; // kWh
    const double nutzbar = kw.HeizenergieNutzbar + kw.KuehlenergieNutzbar;  // kWh
    kw.Leistungszahl = kw.Ventilatorenergie > 0 ? nutzbar / kw.Ventilatorenergie : 0;
    kw.LeistungszahlBrutto = kw.Ventilatorenergie > 0 ? brutto / kw.Ventilatorenergie : 0;
    const double rohrmeter = p.AnzahlRohre * p.Rohrlaenge;
    kw.ErtragJeRohrmeter = nutzbar / rohrmeter;
    kw.ErtragJeRohrflaeche = nutzbar / (rohrmeter * 3.14159 * p.DRohr);
    kw.WirkungsgradHeizperiode = moeglich > 0 ? gewonnen / moeglich : 0;
    kw.TausMittelHeizperiode = flussSumme > 0 ? tausSumme / flussSumme : 0;
    kw.TeinMittelHeizperiode = flussSumme > 0 ? teinSumme / flussSumme : 0;
    if (p.WRG) {
        kw.MitAnlage = true;
        kw.Anlage = LueftungsanlageRechnen(p, r);
    }
    kw.EinschwingAenderungHeizen =
        RelativeAenderung(k.Ergebnis.Heizenergie, k.LetzterEinschwingDurchlauf.Heizenergie);
    kw.EinschwingAenderungKuehlen =
        RelativeAenderung(k.Ergebnis.Kuehlenergie, k.LetzterEinschwingDurchlauf.Kuehlenergie);
    return kw;
}

} // namespace kov
