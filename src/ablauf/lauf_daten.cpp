#include "ablauf/lauf_daten.h"

#include "ablauf/lauf_pruefung.h"
#include "files/bericht.h"
#include "files/fahrplan.h"
#include "files/klima.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "files/wetter_datei.h"
#include "register/parameter_pruefung.h"
#include "register/register_lauf.h"

#include <algorithm>

namespace kov {

namespace {

std::string Zeilen(const std::vector<std::string>& meldungen) {
    std::string text;
    for (const std::string& meldung : meldungen)
        text += (text.empty() ? "" : "\n") + meldung;
    return text;
}

// the built-in year lives as long as the program; shared without being owned
std::shared_ptr<const TWetterJahr> EingebautesJahr() {
    return std::shared_ptr<const TWetterJahr>(std::shared_ptr<const TWetterJahr>{},
                                              &EingebautesWetterJahr());
}

template <class F> void EingabeLesen(TEingabeArt art, F&& lesen) {
    try {
        lesen();
    } catch (const TEingabeFehler&) {
        throw;
    } catch (const TDateiFehler& f) {
        throw TEingabeFehler(f, art);
    }
}

} // namespace

TLaufAbgelehnt::TLaufAbgelehnt(std::vector<std::string> meldungen)
    : TParameterFehler(Zeilen(meldungen)), Meldungen(std::move(meldungen)) {}

TLaufDaten LaufDatenSammeln(const TRegisterParameter& p, const TLaufOrte& orte, TLaufZweck zweck) {
    TLaufDaten d;
    d.Parameter = p;
    d.Orte = orte;
    const std::string& eingabeOrdner =
        orte.ProjektOrdner.empty() ? orte.ArbeitsOrdner : orte.ProjektOrdner;
    d.Bericht = PfadImOrdner(orte.ArbeitsOrdner, p.OutputFile);
    d.Hilfsdatei = PfadImOrdner(orte.ArbeitsOrdner, HilfsDatei);

    // a site file or a built-in climate is read before the check, which probes the model with
    // its year; beside each other, or with the weather of the previous report
    // (EingebautesWetter=false), they are a contradiction the check refuses, so neither is read
    auto klimaInfo = std::make_shared<TWetterInfo>();
    std::unique_ptr<TWetterJahr> klima;
    if (p.EingebautesWetter && !p.Klima.empty())
        EingabeLesen(TEingabeArt::Wetterdatei,
                     [&] { klima = KlimaWetterLesen(p, klimaInfo.get()); });
    if (klima) {
        d.Wetter = std::move(klima);
        d.WetterInfo = std::move(klimaInfo);
    } else if (p.EingebautesWetter && !p.WetterDatei.empty() && p.Klima.empty()) {
        auto jahr = std::make_shared<TWetterJahr>();
        auto info = std::make_shared<TWetterInfo>();
        EingabeLesen(TEingabeArt::Wetterdatei, [&] {
            WetterDateiLesen(PfadImOrdner(eingabeOrdner, p.WetterDatei), *jahr, *info);
        });
        d.Wetter = std::move(jahr);
        d.WetterInfo = std::move(info);
    } else if (p.EingebautesWetter) {
        d.Wetter = EingebautesJahr();
    }

    if (zweck != TLaufZweck::Studie) {
        std::vector<std::string> meldungen =
            zweck == TLaufZweck::Bericht ? LaufPruefen(p, orte.ArbeitsOrdner, d.Wetter.get(),
                                                       orte.ProjektOrdner, orte.ProjektDatei)
                                         : ParameterPruefen(p, d.Wetter.get());
        if (!meldungen.empty()) throw TLaufAbgelehnt(std::move(meldungen));
    }

    if (!p.EingebautesWetter) {
        // the hours of the previous report: outdoor air, humidity, dew point and its flows
        auto jahr = std::make_shared<TWetterJahr>(EingebautesWetterJahr());
        auto fluss = std::make_shared<TStundenFeld>();
        EingabeLesen(TEingabeArt::VorigerBericht, [&] {
            BerichtWetterLesen(d.Bericht, jahr->Tein, *fluss, jahr->RelFeuchte, jahr->TTaupunkt);
        });
        d.Wetter = std::move(jahr);
        if (p.FahrplanGelesen) d.Fahrplan = std::move(fluss);
    } else if (p.FahrplanGelesen) {
        auto fluss = std::make_shared<TStundenFeld>();
        const std::string datei = PfadImOrdner(eingabeOrdner, p.FahrplanFile);
        int stunden = 0;
        EingabeLesen(TEingabeArt::Fahrplan, [&] { stunden = FahrplanLesen(datei, *fluss); });
        const std::string hinweis = FahrplanHinweis(datei, stunden);
        if (!hinweis.empty()) d.Hinweise.push_back(hinweis);
        d.Fahrplan = std::move(fluss);
    }
    return d;
}

std::vector<TDateiRolle> LaufEingaben(const TRegisterParameter& p, const TLaufOrte& orte) {
    const std::string& eingabeOrdner =
        orte.ProjektOrdner.empty() ? orte.ArbeitsOrdner : orte.ProjektOrdner;
    std::vector<TDateiRolle> eingaben;
    if (!orte.ProjektDatei.empty())
        eingaben.push_back(
            {"Die Projektdatei", "die Projektdatei", orte.ProjektDatei, orte.ProjektDatei});
    if (p.EingebautesWetter && !p.WetterDatei.empty())
        eingaben.push_back({"Die Wetterdatei", "die Wetterdatei", p.WetterDatei,
                            PfadImOrdner(eingabeOrdner, p.WetterDatei)});
    if (!p.EingebautesWetter && !p.OutputFile.empty())
        eingaben.push_back({"Der vorige Bericht", "den vorigen Bericht", p.OutputFile,
                            PfadImOrdner(orte.ArbeitsOrdner, p.OutputFile)});
    else if (p.FahrplanGelesen && !p.FahrplanFile.empty())
        eingaben.push_back({"Der Lüftungsfahrplan", "den Lüftungsfahrplan", p.FahrplanFile,
                            PfadImOrdner(eingabeOrdner, p.FahrplanFile)});
    return eingaben;
}

std::vector<TDateiRolle> LaufDateien(const TRegisterParameter& p, const TLaufOrte& orte) {
    std::vector<TDateiRolle> dateien = LaufEingaben(p, orte);
    // a report read back is already there as the previous report
    if (p.EingebautesWetter && !p.OutputFile.empty())
        dateien.push_back({"Der Bericht", "den Bericht", p.OutputFile,
                           PfadImOrdner(orte.ArbeitsOrdner, p.OutputFile)});
    dateien.push_back({"Die Hilfsdatei", "die Hilfsdatei", HilfsDatei,
                       PfadImOrdner(orte.ArbeitsOrdner, HilfsDatei)});
    return dateien;
}

std::vector<TDateiRolle> BeimSpeichernGeschuetzt(const TRegisterParameter& p,
                                                 const std::string& eingabeOrdner,
                                                 const std::string& zielOrdner) {
    std::vector<TDateiRolle> dateien = LaufDateien(p, {eingabeOrdner, eingabeOrdner});
    for (const TDateiRolle& neu : LaufDateien(p, {zielOrdner, zielOrdner})) {
        const bool schonDa = std::any_of(dateien.begin(), dateien.end(), [&](const auto& d) {
            return GleicheDatei(d.Pfad, neu.Pfad);
        });
        if (!schonDa) dateien.push_back(neu);
    }
    return dateien;
}

TLaufDaten LaufDatenMitParametern(const TLaufDaten& basis, const TRegisterParameter& p) {
    TLaufDaten d = basis;
    d.Parameter = p;
    return d;
}

TLaufStatus LaufRechnen(const TLaufDaten& daten, TKontext& k,
                        const TLaufRueckmeldung& rueckmeldung) {
    const TRegisterParameter& p = daten.Parameter;
    const TStundenFeld* fahrplan = p.FahrplanGelesen ? daten.Fahrplan.get() : nullptr;
    // the register model takes the air's pressure from the site's height
    if (RegisterModell(p)) {
        const TWetterInfo* info = daten.WetterInfo.get();
        return RegisterLaufRechnen(p, *daten.Wetter, fahrplan, k, rueckmeldung, {},
                                   info != nullptr && info->HatHoehe ? info->Hoehe : 0.0);
    }
    return SimulationRechnen(p, *daten.Wetter, fahrplan, k, rueckmeldung);
}

TLaufStatus BerichtsLaufAusfuehren(const TLaufDaten& daten, TKontext& k,
                                   const TLaufRueckmeldung& rueckmeldung) {
    const TRegisterParameter& p = daten.Parameter;
    // a report that could not be written is found before a year is computed for it
    SchreibbarPruefen(daten.Bericht);
    const bool hilfsdatei = LandMitDezimalKomma(p.Land) || !p.EingebautesWetter;
    if (hilfsdatei) SchreibbarPruefen(daten.Hilfsdatei);
    if (LaufRechnen(daten, k, rueckmeldung) == TLaufStatus::Abgebrochen)
        return TLaufStatus::Abgebrochen;
    const std::string fehler = ErgebnisPruefen(k);
    if (!fehler.empty()) throw TParameterFehler(fehler + " Der alte Bericht bleibt erhalten.");
    // the scratch file keeps the previous report the weather was read from
    if (!p.EingebautesWetter) DateiKopieren(daten.Bericht, daten.Hilfsdatei);
    BerichtSchreiben(k, !k.Lauf.Einschwingen, daten.Bericht, daten.Hilfsdatei);
    return TLaufStatus::Fertig;
}

TAuswertung LaufAuswerten(const TLaufDaten& daten, const TKontext& k) {
    TAuswertung a = AuswertungBilden(k, WetterQuelleBeschreiben(k, daten.WetterInfo.get()));
    a.Hinweise = daten.Hinweise;
    a.Dateien = LaufDateien(daten.Parameter, daten.Orte);
    return a;
}

} // namespace kov
