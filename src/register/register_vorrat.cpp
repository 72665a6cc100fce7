#include "register/register_vorrat.h"

#include "model/fehler.h"

#include <bit>
#include <exception>

namespace kov {

namespace {

std::uint64_t Bits(double wert) {
    return std::bit_cast<std::uint64_t>(wert);
}

} // namespace

TErdreichDaten RegisterErdreichDaten(const TRegisterParameter& p) {
    TErdreichDaten d;
    d.Lambda = p.LambdaErde;
    d.RhoC = p.RhoErde * p.CpErde;
    d.AlphaOberflaeche = p.AlphaOberflaeche;
    d.Tiefe = p.Tiefe;
    d.RadiusAussen = p.DRohr / 2 + p.WandstaerkeRohr;
    return d;
}

void UngestoertRechnen(const TRegisterParameter& p, const TStundenFeld& tein,
                       const TRegisterAufloesung& a, TStundenFeld& mittel) {
    TStundenFeld antrieb{};
    for (std::size_t h = 1; h <= StundenImJahr; ++h)
        antrieb[h] = tein[h] + p.Sonnenerwaermung;
    PeriodischRechnen(SaeuleAufbauen(RegisterErdreichDaten(p), p.Tiefe, a.Erdreich), antrieb,
                      mittel);
}

template <class TSchluessel, class TWert, class TBauen>
std::shared_ptr<const TWert> TRegisterVorrat::Holen(std::map<TSchluessel, TEintrag<TWert>>& tabelle,
                                                    const TSchluessel& schluessel, TBauen bauen) {
    std::unique_lock<std::mutex> sperre(Schutz);
    for (;;) {
        const auto stelle = tabelle.find(schluessel);
        if (stelle == tabelle.end()) break;
        if (stelle->second.Wert) {
            ++AnzahlUebernommen;
            return stelle->second.Wert;
        }
        // another worker builds it; it is erased again when that fails
        Fertig.wait(sperre);
    }
    if (tabelle.size() >= MaxEintraege) {
        auto aelteste = tabelle.end();
        for (auto e = tabelle.begin(); e != tabelle.end(); ++e)
            if (e->second.Wert &&
                (aelteste == tabelle.end() || e->second.Folge < aelteste->second.Folge))
                aelteste = e;
        if (aelteste != tabelle.end()) tabelle.erase(aelteste);
    }
    tabelle[schluessel].Folge = ++Zaehler;
    sperre.unlock();
    std::shared_ptr<const TWert> wert;
    try {
        wert = bauen();
    } catch (...) {
        sperre.lock();
        tabelle.erase(schluessel);
        sperre.unlock();
        Fertig.notify_all();
        throw;
    }
    sperre.lock();
    tabelle[schluessel].Wert = wert;
    ++AnzahlGebaut;
    sperre.unlock();
    Fertig.notify_all();
    return wert;
}

std::shared_ptr<const TModalSystem> TRegisterVorrat::RohrAntwort(const TRegisterParameter& p,
                                                                 const TRegisterAufloesung& a) {
    const TErdreichDaten d = RegisterErdreichDaten(p);
    const TRohrSchluessel schluessel{Bits(d.Lambda),
                                     Bits(d.RhoC),
                                     Bits(d.AlphaOberflaeche),
                                     Bits(d.Tiefe),
                                     Bits(d.RadiusAussen),
                                     Bits(p.Rohrabstand),
                                     a.Erdreich.ZellenWinkel,
                                     a.Erdreich.ZellenRadial,
                                     a.Erdreich.Zeitkonstanten,
                                     p.AnzahlRohre};
    return Holen(Rohre, schluessel, [&] {
        std::vector<double> abstaende;
        for (int m = 1; m < p.AnzahlRohre; ++m)
            abstaende.push_back(m * p.Rohrabstand);
        return std::make_shared<const TModalSystem>(RohrAntwortBerechnen(d, abstaende, a.Erdreich));
    });
}

std::shared_ptr<const TStundenFeld> TRegisterVorrat::Ungestoert(const TRegisterParameter& p,
                                                                const TWetterJahr& wetter,
                                                                const TRegisterAufloesung& a) {
    const TErdreichDaten d = RegisterErdreichDaten(p);
    const TSaeulenSchluessel schluessel{Bits(d.Lambda),
                                        Bits(d.RhoC),
                                        Bits(d.AlphaOberflaeche),
                                        Bits(d.Tiefe),
                                        Bits(p.Sonnenerwaermung),
                                        Bits(a.Erdreich.ErsteSchicht),
                                        &wetter};
    return Holen(Saeulen, schluessel, [&] {
        auto mittel = std::make_shared<TStundenFeld>();
        UngestoertRechnen(p, wetter.Tein, a, *mittel);
        return std::shared_ptr<const TStundenFeld>(std::move(mittel));
    });
}

std::size_t TRegisterVorrat::Gebaut() const {
    const std::lock_guard<std::mutex> sperre(Schutz);
    return AnzahlGebaut;
}

std::size_t TRegisterVorrat::Uebernommen() const {
    const std::lock_guard<std::mutex> sperre(Schutz);
    return AnzahlUebernommen;
}

} // namespace kov
