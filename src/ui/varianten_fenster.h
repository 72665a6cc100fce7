#pragma once
// "Variantenvergleich": a variant study on the input window's parameter set. Up to four
// parameters with their lists and the soil types are combined, every variant is checked and
// then run on a thread of its own that drives the study's worker pool, while the window shows
// the progress, fills the table and the chart as variants finish and can cancel. A variant is
// taken over into the input window; the table is exported as CSV.

#include "register/variantenstudie.h"
#include "ui/studien_entwurf.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QLineSeries;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTimer;

namespace kov {

class TSitzung;
class TVariantenTabelle;

class TVariantenFenster : public QWidget {
    Q_OBJECT
public:
    // eingabeParameter: the input window's parameter set with its fields read in;
    // eingabenPruefen: its check before a study, with a message box on eltern for what is wrong
    using TEingabeParameter = std::function<TRegisterParameter()>;
    using TEingabenPruefen = std::function<bool(QWidget* eltern, const QString& ueberschrift)>;
    TVariantenFenster(TSitzung& sitzung, TEingabeParameter eingabeParameter,
                      TEingabenPruefen eingabenPruefen);
    // A running study is cancelled and its thread joined.
    ~TVariantenFenster() override;

    // Shows the window; the conditions take the project's Frostgrenze while no study ran.
    void Oeffnen();

    // The study as the rows now describe it.
    TStudienEntwurf Entwurf() const;
    // Checks the draft and the input window's parameter set, reads the weather and the schedule
    // of the project and starts the study; false with a message when it was not started.
    bool StartenClick();
    // Asks the running study to stop; the finished variants stay in the table.
    void AbbrechenClick();
    // Copies the selected variant's values into the input window.
    bool UebernehmenClick();
    // The table as CSV to the file the dialog gives, with a decimal comma when Dezimalkomma is
    // ticked; false when cancelled or the file could not be written (the fault is shown).
    bool CsvExportieren();
    // Selects the table row of variant nummer (0-based).
    void VarianteWaehlen(std::size_t nummer);

    bool LaeuftGerade() const { return Laeufer.joinable(); }
    const TStudie& Studie() const { return StudieStand; }
    // The variants as the table shows them: finished ones with Berechnet set.
    const std::vector<TVariantenErgebnis>& Ergebnis() const { return ErgebnisStand; }
    // How the last study ended.
    enum class TAusgang { Keiner, Fertig, Abgebrochen, Abgelehnt, Fehler };
    TAusgang Ausgang() const { return LetzterAusgang; }
    // The number of the variant in the selected row, or -1.
    long GewaehlteVariante() const;

    // The file dialog of the export, replaceable by tests: an empty name means cancelled.
    std::function<QString()> CsvDateiDialog;

    std::array<QComboBox*, EntwurfZeilen> ParameterWahl{};
    std::array<QLineEdit*, EntwurfZeilen> WerteFeld{};
    std::array<QLabel*, EntwurfZeilen> ZeilenHinweis{};
    QListWidget* BodenWahl = nullptr;
    QPushButton* BodenAlle = nullptr;
    QPushButton* BodenKeine = nullptr;
    QLabel* BodenHinweis = nullptr;
    static constexpr std::size_t BedingungsZeilen = 4;
    std::array<QComboBox*, BedingungsZeilen> BedingungsWahl{};
    std::array<QComboBox*, BedingungsZeilen> Vergleich{};
    std::array<QLineEdit*, BedingungsZeilen> GrenzFeld{};
    std::array<QLabel*, BedingungsZeilen> GrenzEinheit{};
    QLabel* Anzahl = nullptr;
    QSpinBox* Faeden = nullptr;
    QPushButton* Starten = nullptr;
    QPushButton* Abbrechen = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QLabel* Zustand = nullptr;
    QTableView* Tabelle = nullptr;
    TVariantenTabelle* Modell = nullptr;
    QSortFilterProxyModel* Sortierung = nullptr;
    QChartView* Diagramm = nullptr;
    QComboBox* AchseX = nullptr;
    QComboBox* AchseY = nullptr;
    QComboBox* ParetoWahl = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QCheckBox* Dezimalkomma = nullptr;
    QPushButton* Exportieren = nullptr;
    QPushButton* Schliessen = nullptr;

signals:
    // After a study ended, was cancelled or refused, once the table shows what it left.
    void LaufBeendet();
    // "Übernehmen": the input window's values with the variant's, boden the soil item it was
    // run with (0: none), for the project the study was made in
    void VarianteGewaehlt(const TRegisterParameter& p, int boden, quint64 projektNummer);

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void EntwurfAnzeigen();
    void BedingungEinheitZeigen(std::size_t zeile);
    // Changed conditions on a finished study: its variants marked again, nothing run again.
    void BedingungenNachtragen(const TEntwurfsPruefung& pruefung);
    void EingabenSperren(bool gesperrt);
    void Takt();
    // Takes over the variants the workers finished since the last call; true when there were.
    bool EingangUebernehmen();
    // Joins the thread and shows how the study ended; melden false: without message boxes.
    void LaufAbschliessen(bool melden);
    void DiagrammZeichnen();
    void AuswahlZeigen();
    void PunktGeklickt(const QPointF& punkt, const std::vector<std::size_t>& nummern,
                       QScatterSeries* reihe);
    void ZustandZeigen(const QString& text, bool fehler = false);

    TSitzung& Sitzung;
    TEingabeParameter EingabeParameter;
    TEingabenPruefen EingabenPruefen;
    bool StudieGelaufen = false;
    quint64 StudienProjekt = 0; // the project number the study was started in

    // the study the table shows, and what the UI thread took over of it
    TStudie StudieStand;
    std::vector<TVariantenErgebnis> ErgebnisStand;
    TAusgang LetzterAusgang = TAusgang::Keiner;

    // the run: the thread and what it alone writes until Beendet is set
    std::thread Laeufer;
    // the study's inputs as the gatherer read them: the project's weather and schedule
    std::shared_ptr<const TWetterJahr> Wetter;
    const TWetterJahr* LaufWetter = nullptr;
    std::shared_ptr<const TStundenFeld> Fahrplan;
    std::vector<TVariantenErgebnis> LaufErgebnis;
    std::vector<std::string> Abgelehnt;
    std::string LaufFehler;
    std::atomic<bool> Abbruch{false};
    std::atomic<bool> Beendet{false};
    std::atomic<bool> Rechnet{false}; // past the check
    std::atomic<std::size_t> Geprueft{0};
    std::atomic<std::size_t> Fertig{0};
    // the finished variants on their way from the workers to the UI thread
    std::mutex EingangSchutz;
    std::vector<std::pair<std::size_t, TVariantenErgebnis>> Eingang;

    QTimer* Taktgeber = nullptr;
    QElapsedTimer Uhr;
    qint64 RechnenSeit = -1; // ms on Uhr when the first variant started
    qint64 DiagrammStand = 0;

    QChart* Chart = nullptr;
    QScatterSeries* PunkteZulaessig = nullptr;
    QScatterSeries* PunkteFront = nullptr;
    QScatterSeries* PunkteVerletzt = nullptr;
    QScatterSeries* PunktAuswahl = nullptr;
    QLineSeries* FrontLinie = nullptr;
    std::vector<std::size_t> NummernZulaessig, NummernFront, NummernVerletzt;
};

} // namespace kov
