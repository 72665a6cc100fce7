#include "model/bodenarten.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/zahl_eingabe.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kov {

namespace {

// the list's strings read as the numbers the soil fields would hold after choosing it
bool WerteDerBodenart(const TBodenart& art, const TRegisterParameter& p) {
    const auto gleich = [](std::string_view text, double wert) {
        double zahl = 0.0;
        return EingabeZahlLesen(
                   QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), zahl) &&
               zahl == wert;
    };
    return gleich(art.Lambda, p.LambdaErde) && gleich(art.Rho, p.RhoErde) &&
           gleich(art.Cp, p.CpErde);
}

} // namespace

void TForm2::BodenartZeigen() {
    const TRegisterParameter p = AktuelleParameter();
    // choosing the item would write the list's strings into the fields; they hold these values
    // already, in the digits the parameter set has
    const QSignalBlocker ruhig(CErde);
    const auto arten = Bodenarten();
    for (std::size_t i = 1; i < arten.size(); ++i)
        if (WerteDerBodenart(arten[i], p)) {
            CErde->setCurrentIndex(static_cast<int>(i));
            return;
        }
    CErde->setCurrentIndex(0);
    CErde->setEditText(tr("benutzerdefiniert"));
}

} // namespace kov
