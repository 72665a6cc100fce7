#include "ui/fortschritts_balken.h"

namespace kov {

TFortschrittsBalken::TFortschrittsBalken(QWidget* eltern) : QProgressBar(eltern) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TFortschrittsBalken::Schritt() {
    int neu = value() + Schrittweite;
    if (neu > maximum()) neu = minimum();
    setValue(neu);
}

} // namespace kov
