#pragma once
// The run beside the window: one single run or one study at a time on a worker thread, its
// progress and results reported by signals that are always emitted on the thread the controller
// lives on (the interface thread). A run computes on a context of its own; what it hands over
// is not touched by the worker afterwards.

#include "ablauf/klima_check.h"
#include "ablauf/lauf_daten.h"
#include "register/variantenstudie.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class QTimer;

namespace kov {

// What a finished single run leaves: its context (series, totals, working values), the
// evaluation the result views read and the notes of the run.
struct TEinzellaufErgebnis {
    std::shared_ptr<TKontext> Kontext;
    std::shared_ptr<const TAuswertung> Auswertung;
    std::vector<std::string> Hinweise;
    std::thread::id RechenFaden; // the thread the year was computed on
};

// What a study leaves: one entry per variant (unfinished ones with Berechnet false), and the
// messages of a refused study.
struct TStudienErgebnis {
    std::vector<TVariantenErgebnis> Varianten;
    std::vector<std::string> Abgelehnt;
    std::thread::id RechenFaden;
};

class TLaufSteuerung : public QObject {
    Q_OBJECT
public:
    explicit TLaufSteuerung(QObject* eltern = nullptr);
    // A running job is cancelled and its thread joined; nothing is reported any more.
    ~TLaufSteuerung() override;
    TLaufSteuerung(const TLaufSteuerung&) = delete;
    TLaufSteuerung& operator=(const TLaufSteuerung&) = delete;

    // The classic run of p: inputs gathered relative to orte, the year computed, the report
    // written. False while another job runs.
    bool EinzellaufStarten(const TRegisterParameter& p, const TLaufOrte& orte);
    // Checks every variant of studie, then runs them on faeden workers with the gathered inputs
    // of basis (the weather and schedule shared). False while another job runs.
    bool StudieStarten(std::shared_ptr<const TStudie> studie, TLaufDaten basis, unsigned faeden,
                       std::size_t meldungsGrenze = 20);
    // Continues a cancelled study: the variants of fertige that are Berechnet stay, the others
    // are run (the study was checked when it started). False while another job runs.
    bool StudieFortsetzen(std::shared_ptr<const TStudie> studie, TLaufDaten basis, unsigned faeden,
                          std::vector<TVariantenErgebnis> fertige);
    // The job stops at its next hour; it then reports LaufAbgebrochen (a study: StudieBeendet).
    void Abbrechen();
    // The same, waiting for the job to end: its end is reported before this returns. Months or
    // variants the worker reported before it ended may still arrive afterwards.
    void AbbrechenUndWarten();
    bool Laeuft() const { return Faden.joinable(); }

    // The climate check of p on a thread of its own beside the jobs: p over the six built-in
    // years of its climate's region, the schedule read relative to orte. A check still running
    // is cancelled first. False (nothing started) when p names no built-in climate.
    bool KlimaCheckStarten(const TRegisterParameter& p, const TLaufOrte& orte);
    // The running check stops at its next hour and reports nothing; returns once it has ended.
    void KlimaCheckAbbrechen();
    bool KlimaCheckLaeuft() const { return KlimaFaden.joinable(); }

    // Test hook: called on the worker after each month of a single run has been reported; set
    // it before the run starts.
    std::function<void(int durchlauf, int monat)> NachMonatHaken;
    bool AbbruchVerlangt() const { return Abbruch.load(); }

signals:
    void LaufBegonnen();
    // the series as computed so far, a copy of the run's own
    void MonatFertig(int durchlauf, int monat, std::shared_ptr<const TStundenReihen> reihen);
    void LaufFertig(std::shared_ptr<const TEinzellaufErgebnis> ergebnis);
    void LaufFehlgeschlagen(const QString& meldung);
    void LaufAbgebrochen();

    // variants checked and variants computed so far; rechnet: past the check
    void StudienFortschritt(std::size_t geprueft, std::size_t berechnet, bool rechnet);
    void VarianteFertig(std::size_t nummer, const TVariantenErgebnis& ergebnis);
    // after the study ended, was cancelled or refused; fehler: what ended it with a fault
    void StudieBeendet(std::shared_ptr<const TStudienErgebnis> ergebnis, bool abgebrochen,
                       const QString& fehler);

    // the check's years in the order of KlimaCheckJahre
    void KlimaCheckFertig(std::shared_ptr<const std::vector<TKlimaCheckJahr>> jahre);
    void KlimaCheckFehlgeschlagen(const QString& meldung);

private:
    // Runs on the worker; posts the job's end to the interface thread as its last act.
    void EinzellaufRechnen(TRegisterParameter p, TLaufOrte orte);
    // fertige: the variants of a study continued, empty for a new one
    void StudieRechnenLassen(std::shared_ptr<const TStudie> studie, TLaufDaten basis,
                             unsigned faeden, std::size_t meldungsGrenze,
                             std::vector<TVariantenErgebnis> fertige = {});
    // Worker: its last act; abschluss reports the end on the interface thread.
    void AbschlussMelden(std::function<void()> abschluss);
    // Interface thread: joins the worker and reports how the job ended.
    void Abschliessen();
    // Interface thread: reports the variants the workers have finished since the last call.
    void VariantenMelden();
    // Interface thread: reports the months the worker has finished since the last call.
    void MonateMelden();

    std::thread Faden;
    std::atomic<bool> Abbruch{false};
    std::atomic<std::size_t> Geprueft{0};
    std::atomic<std::size_t> Berechnet{0};
    std::atomic<bool> Rechnet{false};
    QTimer* Takt = nullptr;
    std::function<void()> Abschluss; // written by the worker before it ends
    // finished variants on their way from the workers to the interface thread; handed over
    // under the lock, so that nothing a worker made is freed by it while the interface reads it
    std::mutex FertigeSchutz;
    std::vector<std::pair<std::size_t, TVariantenErgebnis>> Fertige;
    // a single run's finished months (settling pass, month, copy of the series), handed over the
    // same way
    struct TMonat {
        int Durchlauf;
        int Monat;
        std::shared_ptr<const TStundenReihen> Reihen;
    };
    std::mutex MonateSchutz;
    std::vector<TMonat> Monate;
    std::thread KlimaFaden;
    std::atomic<bool> KlimaAbbruch{false};
    // counts the checks started or cancelled: what an earlier one posts is dropped
    std::uint64_t KlimaNummer = 0;
};

} // namespace kov
