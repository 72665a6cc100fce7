#pragma once
// The run's progress bar: position, maximum, step and advance by one step.

#include <QProgressBar>

namespace kov {

class TFortschrittsBalken : public QProgressBar {
    Q_OBJECT
public:
    explicit TFortschrittsBalken(QWidget* eltern = nullptr);

    void SchrittweiteSetzen(int schrittweite) { Schrittweite = schrittweite; }
    int SchrittweiteLesen() const { return Schrittweite; }
    // Advances by one step; past the maximum the bar starts again from the minimum.
    void Schritt();

private:
    int Schrittweite = 1;
};

} // namespace kov
