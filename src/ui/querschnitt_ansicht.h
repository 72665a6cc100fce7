#pragma once
// The view "Querschnitt" of the evaluation window: the ground's temperature around the pipes of
// a register run at a chosen hour and place along the pipes, as colours. The run keeps no
// fields, so the chosen hour is computed again on a worker of its own.

#include "register/register_querschnitt.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kov {

struct TAuswertung;

// The picture alone: colours, pipes, surface and scale of one cross-section.
class TQuerschnittBild : public QWidget {
    Q_OBJECT
public:
    explicit TQuerschnittBild(QWidget* eltern = nullptr);
    void Zeigen(std::shared_ptr<const TRegisterQuerschnitt> feld);
    const TRegisterQuerschnitt* Feld() const { return Daten.get(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::shared_ptr<const TRegisterQuerschnitt> Daten;
};

// The picture of a register run's ground at the end of hour stunde (1..8760) in axial cell
// zelle, computed again from the run's own weather and flow, as PNG or SVG after the suffix of
// datei (ZeichnungSpeichern); TParameterFehler for a classic run.
void QuerschnittSpeichern(const TAuswertung& a, int stunde, int zelle, const QString& datei,
                          QSize groesse);

class TQuerschnittAnsicht : public QWidget {
    Q_OBJECT
public:
    explicit TQuerschnittAnsicht(QWidget* eltern = nullptr);
    // A computation still going on is stopped and waited for.
    ~TQuerschnittAnsicht() override;

    // A new evaluation: the picture is cleared; only a register run can be shown.
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung);
    // Computes the picture of the chosen day, hour and place on the worker.
    void RechnenClick();
    bool Rechnet() const { return Faden.joinable() && !Fertig; }

    QSpinBox* Tag = nullptr;
    QSpinBox* Stunde = nullptr;
    QComboBox* Ort = nullptr;
    QPushButton* Rechnen = nullptr;
    QLabel* Hinweis = nullptr;
    TQuerschnittBild* Bild = nullptr;

signals:
    // the picture of the chosen hour is shown (or its computation failed: Hinweis says why)
    void Gezeigt();

private:
    void Anhalten();
    void Ergebnis(std::shared_ptr<const TRegisterQuerschnitt> feld, const QString& fehler,
                  int nummer);

    std::shared_ptr<const TAuswertung> Auswertung;
    int Nummer = 0; // of the last computation asked for: an older one's result is dropped
    std::thread Faden;
    std::atomic<bool> Abbruch{false};
    std::atomic<bool> Fertig{true};
};

} // namespace kov
