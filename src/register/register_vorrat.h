#pragma once
// What the register model's runs of one study share: the ground's response to the row of pipes
// and the undisturbed ground under the surface. Both depend on the soil, the surface, the depth,
// the pipes' outer radius and spacing, the number of pipes and the resolution (the undisturbed
// ground also on the weather year and the solar offset), not on the flow, the length, the
// control, the ventilation unit, the costs or the schedule. A vorrat builds each distinct set-up
// once, with the same functions and inputs a single run uses, so a run that takes it over gives
// the same bits as one that builds its own.

#include "ground/register_erdreich.h"
#include "model/modell.h"
#include "model/wetter_jahr.h"
#include "register/register_modell.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace kov {

// The soil and surface of the register model as p gives them.
TErdreichDaten RegisterErdreichDaten(const TRegisterParameter& p);

// The undisturbed ground at the depth of the axes under the hourly outdoor air tein (hours
// 1..8760, the year repeating) plus Sonnenerwaermung: hour means in its periodic state.
void UngestoertRechnen(const TRegisterParameter& p, const TStundenFeld& tein,
                       const TRegisterAufloesung& a, TStundenFeld& mittel);

// A small cache, safe to use from the workers of a study at once; a set-up is built outside the
// lock, and a worker asking for one that another worker is building waits for it. Holds at most
// MaxEintraege of each kind, dropping the oldest, so a study over many soils stays bounded.
class TRegisterVorrat {
public:
    static constexpr std::size_t MaxEintraege = 64;

    // The response of one pipe of p's row at the distances 1..AnzahlRohre-1 times Rohrabstand.
    std::shared_ptr<const TModalSystem> RohrAntwort(const TRegisterParameter& p,
                                                    const TRegisterAufloesung& a);
    // The undisturbed ground at the depth of the axes, hour means 1..8760 in its periodic state
    // under the outdoor air of wetter plus Sonnenerwaermung. wetter must outlive the vorrat: it
    // is told apart by its address.
    std::shared_ptr<const TStundenFeld> Ungestoert(const TRegisterParameter& p,
                                                   const TWetterJahr& wetter,
                                                   const TRegisterAufloesung& a);

    // set-ups built and taken over so far
    std::size_t Gebaut() const;
    std::size_t Uebernommen() const;

private:
    // the doubles by their bits: a set-up is taken over only for exactly the same inputs
    using TRohrSchluessel = std::tuple<std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t,
                                       std::uint64_t, std::uint64_t, int, int, int, int>;
    using TSaeulenSchluessel =
        std::tuple<std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t,
                   std::uint64_t, const TWetterJahr*>;
    template <class TWert> struct TEintrag {
        std::shared_ptr<const TWert> Wert; // null while it is being built
        std::size_t Folge = 0;             // when it was asked for first
    };
    template <class TSchluessel, class TWert, class TBauen>
    std::shared_ptr<const TWert> Holen(std::map<TSchluessel, TEintrag<TWert>>& tabelle,
                                       const TSchluessel& schluessel, TBauen bauen);

    mutable std::mutex Schutz;
    std::condition_variable Fertig;
    std::map<TRohrSchluessel, TEintrag<TModalSystem>> Rohre;
    std::map<TSaeulenSchluessel, TEintrag<TStundenFeld>> Saeulen;
    std::size_t Zaehler = 0;
    std::size_t AnzahlGebaut = 0;
    std::size_t AnzahlUebernommen = 0;
};

} // namespace kov
