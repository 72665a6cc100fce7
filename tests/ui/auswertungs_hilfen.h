#pragma once
// One evaluation of the default run for the tests of the views, the exports and the report:
// computed once, it is the same for every test that reads it.

#include "ablauf/auswertungs_lauf.h"
#include "model/modell.h"

#include <memory>

namespace kov::test {

inline const std::shared_ptr<const TAuswertung>& StandardAuswertung() {
    static const std::shared_ptr<const TAuswertung> auswertung = [] {
        TRegisterParameter p;
        ParameterStandardwerteSetzen(p);
        return std::make_shared<const TAuswertung>(AuswertungsLaufRechnen(p));
    }();
    return auswertung;
}

} // namespace kov::test
