#pragma once
// The register model's run: every pipe of the row in the half-space under the ground surface,
// the undisturbed ground under the surface superposed with the disturbance of the pipes, and the
// air's moisture condensing at walls below its dew point. It fills what the classic run fills
// (series, yearly totals, working values), so the report rows carry its values, and its own
// results in k.RegisterErgebnis.

#include "register/lauf.h"

#include <string>
#include <vector>

namespace kov {

// True when p chooses the register model.
bool RegisterModell(const TRegisterParameter& p);

// German sentences for the fields the register model refuses; empty when it can run p (always
// empty for the classic model, except for a model name it does not know).
std::vector<std::string> RegisterParameterMeldungen(const TRegisterParameter& p);

// The soil, surface and pipe of p as the register model's ground takes them.
TErdreichDaten RegisterErdreich(const TRegisterParameter& p);

// Mean air velocity in one pipe at nominal flow, m/s.
double RohrGeschwindigkeit(const TRegisterParameter& p);

// The run of the register model, called by SimulationRechnen for Modell=register. The series
// carry the register's values: Taus is the mixed outlet of all pipes, TMonitor the outer wall of
// the middle pipe in its first axial cell. The classic grid's parameters (SimRadius,
// AnzahlGitter, Radiusteiler, AnzahlSubSchritte, Einschwingjahre, the cellar) are not used; the
// resolution is aufloesung's. Settling years
// run until the yearly heating and cooling energy change by less than 0.1 % (at most 10); the
// last pass is the recorded year. k.Lauf.Durchlauf ends at Durchlaeufe(p) like a classic run;
// the settling years used are in k.RegisterErgebnis. rueckmeldung.NachMonat is called for the
// twelve months of the recorded year once it is known to be the last. hoehe: the site's height
// above sea level for the air pressure (the weather year carries no pressure).
TLaufStatus RegisterLaufRechnen(const TRegisterParameter& p, const TWetterJahr& wetter,
                                const TStundenFeld* fahrplan, TKontext& k,
                                const TLaufRueckmeldung& rueckmeldung = {},
                                const TRegisterAufloesung& aufloesung = {}, double hoehe = 0.0);

// The same on the weather and schedule a classic preparation has already put into k's series
// (Tein, RelFeuchte, TTaupunkt, RelVolumenstrom), for the classic file sequence.
TLaufStatus RegisterLaufAusReihen(TKontext& k, const TLaufRueckmeldung& rueckmeldung = {});

} // namespace kov
