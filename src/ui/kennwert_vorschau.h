#pragma once
// The figures a planner watches while editing, computed on a worker a moment after the last
// edit: the whole year run without a file, the newest input always winning. The weather of a
// site file is read once and reused while the project names the same file.

#include "ablauf/lauf_daten.h"
#include "register/auslegungs_pruefung.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QTimer;

namespace kov {

struct TVorschauWerte {
    double TausMin = 0.0;                   // °C, lowest outlet temperature of the year
    double HeizenergieNutzbar = 0.0;        // kWh
    double KuehlenergieNutzbar = 0.0;       // kWh
    double Druckverlust = 0.0;              // Pa, the register's at nominal flow
    double Stroemungsgeschwindigkeit = 0.0; // m/s in one pipe
    double Leistungszahl = 0.0;
    std::vector<TPruefRegel> Pruefung; // the design check of the run
};

// The figures of a run of p with the inputs gathered relative to projektOrdner, nothing written.
// Throws what LaufDatenSammeln throws for inputs that cannot be run.
TVorschauWerte VorschauRechnen(const TLaufDaten& daten, const std::atomic<bool>* abbruch = nullptr,
                               bool* abgebrochen = nullptr);

class TKennwertVorschau : public QObject {
    Q_OBJECT
public:
    explicit TKennwertVorschau(QObject* eltern = nullptr);
    // The computation going on is stopped and its thread joined.
    ~TKennwertVorschau() override;
    TKennwertVorschau(const TKennwertVorschau&) = delete;
    TKennwertVorschau& operator=(const TKennwertVorschau&) = delete;

    // The input changed to p: computed once no further change came for Verzoegerung().
    void Anfordern(const TRegisterParameter& p, const std::string& projektOrdner);
    // The input cannot be computed (a field that is no number): grund is shown instead; a
    // computation still to come for an earlier input is dropped.
    void Ungueltig(const QString& grund);
    int Verzoegerung() const;
    void VerzoegerungSetzen(int ms);
    // the number of the newest input; a result is shown only for it
    std::uint64_t Stand() const { return Nummer; }
    bool Rechnet() const { return Offen; }
    // how often the inputs were read from their files (weather, schedule) so far
    int Sammlungen() const { return SammlungenZahl.load(); }

signals:
    // the figures shown are no longer those of the input
    void Veraltet();
    void Berechnet(const TVorschauWerte& werte, std::uint64_t stand);
    void NichtBerechenbar(const QString& grund, std::uint64_t stand);

private:
    struct TAuftrag {
        std::uint64_t Nummer = 0;
        TRegisterParameter Parameter;
        std::string Ordner;
    };
    void Losschicken();
    void Arbeiten();
    TLaufDaten Sammeln(const TAuftrag& auftrag);

    QTimer* Wecker = nullptr;
    std::uint64_t Nummer = 0; // interface thread only
    bool Offen = false;       // a newest input still waits for its figures
    std::optional<TAuftrag> Wartend;

    std::thread Faden;
    std::mutex Schutz;
    std::condition_variable Signal;
    std::optional<TAuftrag> Naechster; // under Schutz
    bool Ende = false;                 // under Schutz
    std::atomic<bool> Abbruch{false};  // the computation going on is stale

    // the worker's own: the inputs last gathered and what they were gathered for
    std::optional<TLaufDaten> Vorrat;
    std::string VorratOrdner;
    std::atomic<int> SammlungenZahl{0};
};

} // namespace kov
