#pragma once
// Filling in the variant window as a user would: a parameter row, the soil types, waiting for the
// study.

#include "ui/studien_entwurf.h"
#include "ui/varianten_fenster.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace kov::test {

inline void VariantenZeileSetzen(TVariantenFenster& f, std::size_t zeile, const char* name,
                                 const char* liste) {
    QComboBox* wahl = f.ParameterWahl[zeile];
    wahl->setCurrentIndex(std::max(0, wahl->findData(QString::fromLatin1(name))));
    f.WerteFeld[zeile]->setText(QString::fromUtf8(liste));
}

inline void VariantenZeilenLeeren(TVariantenFenster& f) {
    for (std::size_t i = 0; i < EntwurfZeilen; ++i)
        VariantenZeileSetzen(f, i, "", "");
}

// the soil types 1.. in arten checked, all others not
inline void VariantenBoedenSetzen(TVariantenFenster& f, std::initializer_list<int> arten) {
    for (int i = 0; i < f.BodenWahl->count(); ++i)
        f.BodenWahl->item(i)->setCheckState(
            std::find(arten.begin(), arten.end(), i + 1) != arten.end() ? Qt::Checked
                                                                        : Qt::Unchecked);
}

// waits for the study to end; false when it did not within ms
inline bool VariantenLaufAbwarten(TVariantenFenster& f, int ms) {
    if (!f.LaeuftGerade()) return true;
    QSignalSpy ende(&f, &TVariantenFenster::LaufBeendet);
    return ende.wait(ms);
}

} // namespace kov::test
