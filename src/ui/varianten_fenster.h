#pragma once
// "Variantenvergleich": a variant study on the input window's parameter set. Up to four
// parameters with their lists and the soil types are combined (its set-up,
// varianten_entwurf.cpp), every variant is checked and then run by the run controller on the
// study's worker pool while the window shows the progress and can cancel (its run,
// varianten_lauf.cpp), and the table and the chart fill as variants finish; a variant is taken
// over into the input window, the table exported as CSV (its result view,
// varianten_ergebnis.cpp).

#include "ablauf/lauf_daten.h"
#include "register/variantenstudie.h"
#include "ui/studien_entwurf.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
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
class QVBoxLayout;

namespace kov {

class TLaufSteuerung;
class TSitzung;
class TVariantenTabelle;
struct TStudienErgebnis;

class TVariantenFenster : public QWidget {
    Q_OBJECT
public:
    // eingabeParameter: the input window's parameter set with its fields read in;
    // eingabenPruefen: its check before a study, with a message box on eltern for what is wrong
    using TEingabeParameter = std::function<TRegisterParameter()>;
    using TEingabenPruefen = std::function<bool(QWidget* eltern, const QString& ueberschrift)>;
    TVariantenFenster(TSitzung& sitzung, TEingabeParameter eingabeParameter,
                      TEingabenPruefen eingabenPruefen);
    // A running study is cancelled and its thread joined (by the run controller, a child).
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
    // Continues the cancelled study of this project with the variants it has not finished, on
    // the weather and schedule it started with; false when there is none to continue.
    bool FortsetzenClick();
    // Copies the selected variant's values into the input window.
    bool UebernehmenClick();
    // The table as CSV to the file the dialog gives, with a decimal comma when Dezimalkomma is
    // ticked; false when cancelled or the file could not be written (the fault is shown).
    bool CsvExportieren();
    // Selects the table row of variant nummer (0-based).
    void VarianteWaehlen(std::size_t nummer);

    bool LaeuftGerade() const;
    // the study's run controller
    TLaufSteuerung& Steuerung() { return *Lauf; }
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
    QPushButton* Fortsetzen = nullptr;
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
    // the three parts of the window, each in the file of its part
    void EntwurfAufbauen(QVBoxLayout* aussen);
    void LaufAufbauen(QVBoxLayout* aussen);
    void ErgebnisAufbauen(QVBoxLayout* aussen);

    void EntwurfAnzeigen();
    void BedingungEinheitZeigen(std::size_t zeile);
    // Changed conditions on a finished study: its variants marked again, nothing run again.
    void BedingungenNachtragen(const TEntwurfsPruefung& pruefung);
    void EingabenSperren(bool gesperrt);
    // the controller's reports
    void FortschrittZeigen(std::size_t geprueft, std::size_t berechnet, bool rechnet);
    void VarianteAngekommen(std::size_t nummer, const TVariantenErgebnis& v);
    // Takes over the variants that arrived since the last call; true when there were.
    bool EingangUebernehmen();
    // Shows how the study ended; with Melden, the fault or refusal also in a message box.
    void LaufAbschliessen(const TStudienErgebnis& ergebnis, bool abgebrochen,
                          const QString& fehler);
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

    // the run: the controller and what arrived of it
    TLaufSteuerung* Lauf = nullptr;
    bool Melden = true;               // the end of the study in a message box too
    bool Rechnet = false;             // past the check
    std::size_t Geprueft = 0;         // variants checked so far
    std::vector<std::size_t> Eingang; // numbers of the variants arrived since the last look
    QElapsedTimer Uhr;
    qint64 RechnenSeit = -1;       // ms on Uhr when the first variant started
    std::size_t FortgesetztAb = 0; // variants finished before the study was continued
    TLaufDaten StudienDaten;       // the inputs the study was started with, shared
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
