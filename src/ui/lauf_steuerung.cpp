#include "ui/lauf_steuerung.h"

#include "ui/datei_fehler_text.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kov {

namespace {

// The worker and the threads it starts (they inherit the nice value of the thread that makes
// them) yield to the interface thread when the processor is short.
void VorrangAbgeben() {
    constexpr int Nachrang = 5;
    const auto faden = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, faden, ::getpriority(PRIO_PROCESS, faden) + Nachrang);
}

// how often the study's counters are shown while it runs
constexpr int StudienTaktMs = 50;

} // namespace

TLaufSteuerung::TLaufSteuerung(QObject* eltern) : QObject(eltern) {
    Takt = new QTimer(this);
    Takt->setInterval(StudienTaktMs);
    connect(Takt, &QTimer::timeout, this,
            [this] { emit StudienFortschritt(Geprueft.load(), Berechnet.load(), Rechnet.load()); });
}

TLaufSteuerung::~TLaufSteuerung() {
    KlimaCheckAbbrechen();
    Abbruch = true;
    // what the worker posted after this is dropped with the object
    if (Faden.joinable()) Faden.join();
}

bool TLaufSteuerung::EinzellaufStarten(const TRegisterParameter& p, const TLaufOrte& orte) {
    if (Laeuft()) return false;
    Abbruch = false;
    emit LaufBegonnen();
    Faden = std::thread([this, p, orte] { EinzellaufRechnen(p, orte); });
    return true;
}

bool TLaufSteuerung::StudieStarten(std::shared_ptr<const TStudie> studie, TLaufDaten basis,
                                   unsigned faeden, std::size_t meldungsGrenze) {
    if (Laeuft() || studie == nullptr) return false;
    Abbruch = false;
    Geprueft = 0;
    Berechnet = 0;
    Rechnet = false;
    Faden = std::thread(
        [this, studie = std::move(studie), basis = std::move(basis), faeden, meldungsGrenze] {
            StudieRechnenLassen(studie, basis, faeden, meldungsGrenze);
        });
    Takt->start();
    return true;
}

bool TLaufSteuerung::StudieFortsetzen(std::shared_ptr<const TStudie> studie, TLaufDaten basis,
                                      unsigned faeden, std::vector<TVariantenErgebnis> fertige) {
    if (Laeuft() || studie == nullptr || fertige.empty()) return false;
    Abbruch = false;
    Geprueft = fertige.size();
    Berechnet = static_cast<std::size_t>(std::count_if(
        fertige.begin(), fertige.end(), [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    Rechnet = true;
    Faden = std::thread([this, studie = std::move(studie), basis = std::move(basis), faeden,
                         fertige = std::move(fertige)]() mutable {
        StudieRechnenLassen(studie, basis, faeden, 0, std::move(fertige));
    });
    Takt->start();
    return true;
}

void TLaufSteuerung::Abbrechen() {
    if (Laeuft()) Abbruch = true;
}

void TLaufSteuerung::AbbrechenUndWarten() {
    if (!Laeuft()) return;
    Abbruch = true;
    Abschliessen();
}

void TLaufSteuerung::Abschliessen() {
    // the job's own post may come after AbbrechenUndWarten has reported it
    if (!Faden.joinable()) return;
    Faden.join();
    Takt->stop();
    // every finished month and variant is reported before the job's end
    MonateMelden();
    VariantenMelden();
    const std::function<void()> abschluss = std::move(Abschluss);
    Abschluss = nullptr;
    if (abschluss) abschluss();
}

void TLaufSteuerung::EinzellaufRechnen(TRegisterParameter p, TLaufOrte orte) {
    VorrangAbgeben();
    try {
        const TLaufDaten daten = LaufDatenSammeln(p, orte, TLaufZweck::Bericht);
        auto ergebnis = std::make_shared<TEinzellaufErgebnis>();
        ergebnis->Kontext = std::make_shared<TKontext>();
        ergebnis->RechenFaden = std::this_thread::get_id();
        TLaufRueckmeldung rueckmeldung;
        rueckmeldung.Abbruch = &Abbruch;
        rueckmeldung.NachMonat = [this](int durchlauf, int monat, const TStundenReihen& reihen) {
            auto kopie = std::make_shared<const TStundenReihen>(reihen);
            {
                const std::lock_guard<std::mutex> sperre(MonateSchutz);
                Monate.push_back({durchlauf, monat, std::move(kopie)});
            }
            QMetaObject::invokeMethod(
                this, [this] { MonateMelden(); }, Qt::QueuedConnection);
            if (NachMonatHaken) NachMonatHaken(durchlauf, monat);
        };
        const TLaufStatus status = BerichtsLaufAusfuehren(daten, *ergebnis->Kontext, rueckmeldung);
        if (status == TLaufStatus::Abgebrochen) {
            AbschlussMelden([this] { emit LaufAbgebrochen(); });
            return;
        }
        ergebnis->Auswertung =
            std::make_shared<const TAuswertung>(LaufAuswerten(daten, *ergebnis->Kontext));
        ergebnis->Hinweise = daten.Hinweise;
        std::shared_ptr<const TEinzellaufErgebnis> fertig = std::move(ergebnis);
        AbschlussMelden([this, fertig] { emit LaufFertig(fertig); });
    } catch (const std::exception& f) {
        const QString meldung = AusnahmeText(f);
        AbschlussMelden([this, meldung] { emit LaufFehlgeschlagen(meldung); });
    }
}

void TLaufSteuerung::MonateMelden() {
    std::vector<TMonat> neue;
    {
        const std::lock_guard<std::mutex> sperre(MonateSchutz);
        neue.swap(Monate);
    }
    for (const TMonat& m : neue)
        emit MonatFertig(m.Durchlauf, m.Monat, m.Reihen);
}

void TLaufSteuerung::VariantenMelden() {
    std::vector<std::pair<std::size_t, TVariantenErgebnis>> neue;
    {
        const std::lock_guard<std::mutex> sperre(FertigeSchutz);
        neue.swap(Fertige);
    }
    for (const auto& [nummer, v] : neue)
        emit VarianteFertig(nummer, v);
}

void TLaufSteuerung::StudieRechnenLassen(std::shared_ptr<const TStudie> studie, TLaufDaten basis,
                                         unsigned faeden, std::size_t meldungsGrenze,
                                         std::vector<TVariantenErgebnis> fertige) {
    VorrangAbgeben();
    auto ergebnis = std::make_shared<TStudienErgebnis>();
    ergebnis->RechenFaden = std::this_thread::get_id();
    QString fehler;
    const bool fortsetzen = !fertige.empty();
    try {
        TStudienRueckmeldung pruefen;
        pruefen.Fertig = &Geprueft;
        pruefen.Abbruch = &Abbruch;
        std::vector<std::string> meldungen;
        if (!fortsetzen)
            meldungen = StudiePruefen(*studie, *basis.Wetter, faeden, meldungsGrenze, pruefen);
        if (!Abbruch && !meldungen.empty()) ergebnis->Abgelehnt = std::move(meldungen);
        if (!Abbruch && ergebnis->Abgelehnt.empty()) {
            Rechnet = true;
            TStudienRueckmeldung rechnen;
            rechnen.Fertig = &Berechnet;
            rechnen.Abbruch = &Abbruch;
            std::vector<TVariantenErgebnis>& varianten = ergebnis->Varianten;
            // in a worker's thread: varianten[nummer] is complete and only it writes there
            rechnen.NachVariante = [this, &varianten](std::size_t nummer, const TKontext&) {
                {
                    const std::lock_guard<std::mutex> sperre(FertigeSchutz);
                    Fertige.emplace_back(nummer, varianten[nummer]);
                }
                QMetaObject::invokeMethod(
                    this, [this] { VariantenMelden(); }, Qt::QueuedConnection);
            };
            const TStundenFeld* fahrplan =
                basis.Parameter.FahrplanGelesen ? basis.Fahrplan.get() : nullptr;
            if (fortsetzen) {
                varianten = std::move(fertige);
                kov::StudieFortsetzen(*studie, *basis.Wetter, fahrplan, faeden, varianten, rechnen);
            } else {
                StudieRechnen(*studie, *basis.Wetter, fahrplan, faeden, varianten, rechnen);
            }
        }
    } catch (const std::exception& f) {
        fehler = AusnahmeText(f);
    }
    const bool abgebrochen = Abbruch.load();
    std::shared_ptr<const TStudienErgebnis> fertig = std::move(ergebnis);
    AbschlussMelden([this, fertig, abgebrochen, fehler] {
        emit StudienFortschritt(Geprueft.load(), Berechnet.load(), Rechnet.load());
        emit StudieBeendet(fertig, abgebrochen, fehler);
    });
}

void TLaufSteuerung::AbschlussMelden(std::function<void()> abschluss) {
    // read on the interface thread only after the worker has been joined
    Abschluss = std::move(abschluss);
    QMetaObject::invokeMethod(
        this, [this] { Abschliessen(); }, Qt::QueuedConnection);
}

bool TLaufSteuerung::KlimaCheckStarten(const TRegisterParameter& p, const TLaufOrte& orte) {
    KlimaCheckAbbrechen();
    TKlimaWahl wahl;
    if (!KlimaWahlLesen(p.Klima, wahl)) return false;
    KlimaAbbruch = false;
    const std::uint64_t nummer = ++KlimaNummer;
    KlimaFaden = std::thread([this, p, orte, region = wahl.Region, nummer] {
        VorrangAbgeben();
        std::function<void()> ende;
        try {
            // the schedule as the run reads it; each year of the check is its own weather
            const TLaufDaten daten = LaufDatenSammeln(p, orte, TLaufZweck::Studie);
            auto jahre = std::make_shared<const std::vector<TKlimaCheckJahr>>(KlimaCheckRechnen(
                p, region, p.FahrplanGelesen ? daten.Fahrplan.get() : nullptr, 0, &KlimaAbbruch));
            ende = [this, jahre] { emit KlimaCheckFertig(jahre); };
        } catch (const std::exception& f) {
            ende = [this, meldung = AusnahmeText(f)] { emit KlimaCheckFehlgeschlagen(meldung); };
        }
        if (KlimaAbbruch) return;
        QMetaObject::invokeMethod(
            this,
            [this, nummer, ende = std::move(ende)] {
                if (nummer != KlimaNummer || !KlimaFaden.joinable()) return;
                KlimaFaden.join();
                ende();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void TLaufSteuerung::KlimaCheckAbbrechen() {
    ++KlimaNummer;
    if (!KlimaFaden.joinable()) return;
    KlimaAbbruch = true;
    KlimaFaden.join();
}

} // namespace kov
