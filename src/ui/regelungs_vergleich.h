#pragma once
// The two ways of operating the register side by side: the classic release limits (Heizgrenze,
// Kuehlgrenze) and the control that follows the building's need (Regelung=bedarf). The run
// shown gives one column; the other mode is the same project run again on a worker, nothing
// written. Beneath the table the definitions of the heating-period figures.

#include "ablauf/andere_regelung.h"
#include "ablauf/auswertungs_lauf.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class QLabel;
class QTableWidget;

namespace kov {

// The design figures of p run again with the other control mode, the inputs read relative to
// eingabeOrdner as the window's run reads them. Empty when abbruch was set during the run;
// TDateiFehler / TParameterFehler when the inputs cannot be read or the run fails its check.
std::optional<TKennwerte> AndereRegelungRechnen(const TRegisterParameter& p,
                                                const std::string& eingabeOrdner,
                                                const std::atomic<bool>* abbruch = nullptr);

// How the heating-period efficiency and the mean intake are defined, for the reader of the
// figures: one German paragraph.
QString HeizperiodeDefinitionen();

class TRegelungsVergleich : public QWidget {
    Q_OBJECT
public:
    explicit TRegelungsVergleich(QWidget* eltern = nullptr);
    // A computation still going on is stopped and its thread joined.
    ~TRegelungsVergleich() override;
    TRegelungsVergleich(const TRegelungsVergleich&) = delete;
    TRegelungsVergleich& operator=(const TRegelungsVergleich&) = delete;

    // Shows the figures of the run a in its mode's column and starts the other mode.
    void Anzeigen(std::shared_ptr<const TAuswertung> a, const std::string& eingabeOrdner);
    bool Rechnet() const { return Offen; }

    QTableWidget* Tabelle = nullptr; // Kennwert, klassisch, bedarf, Einheit
    QLabel* Stand = nullptr;         // what the other column is waiting for or why it is empty
    QLabel* Definitionen = nullptr;

signals:
    // the other mode's column is filled, or Stand says why it stays empty
    void Verglichen();

private:
    void SpalteFuellen(int spalte, const TKennwerte& kw);
    void Anhalten();

    std::uint64_t Nummer = 0; // interface thread only: the run shown
    bool Offen = false;
    std::thread Faden;
    std::atomic<bool> Abbruch{false};
};

} // namespace kov
