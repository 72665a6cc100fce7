#include "ui/kennwert_vorschau.h"

#include "model/fehler.h"
#include "register/kennwerte.h"
#include "register/parameter_pruefung.h"
#include "ui/datei_fehler_text.h"

#include <QMetaObject>
#include <QTimer>

#include <exception>
#include <utility>

namespace kov {

namespace {

constexpr int StandardVerzoegerungMs = 300;

// The inputs read from files are the same for both parameter sets.
bool GleicheDateien(const TRegisterParameter& a, const TRegisterParameter& b) {
    return a.EingebautesWetter == b.EingebautesWetter && a.WetterDatei == b.WetterDatei &&
           a.FahrplanGelesen == b.FahrplanGelesen && a.FahrplanFile == b.FahrplanFile;
}

} // namespace

TVorschauWerte VorschauRechnen(const TLaufDaten& daten, const std::atomic<bool>* abbruch,
                               bool* abgebrochen) {
    auto k = std::make_unique<TKontext>();
    TLaufRueckmeldung rueckmeldung;
    rueckmeldung.Abbruch = abbruch;
    const TLaufStatus status = LaufRechnen(daten, *k, rueckmeldung);
    if (abgebrochen != nullptr) *abgebrochen = status == TLaufStatus::Abgebrochen;
    if (status == TLaufStatus::Abgebrochen) return {};
    const std::string fehler = ErgebnisPruefen(*k);
    if (!fehler.empty()) throw TParameterFehler(fehler);
    const TKennwerte kw = KennwerteBerechnen(*k);
    TVorschauWerte w;
    w.TausMin = kw.TausMin;
    w.HeizenergieNutzbar = kw.HeizenergieNutzbar;
    w.KuehlenergieNutzbar = kw.KuehlenergieNutzbar;
    w.Druckverlust = kw.DruckverlustNenn.Gesamt;
    w.Stroemungsgeschwindigkeit = k->Werte.Stroemungsgeschwindigkeit;
    w.Leistungszahl = kw.Leistungszahl;
    w.Pruefung = AuslegungPruefen(k->Parameter, PruefDatenSammeln(*k, kw));
    return w;
}

TKennwertVorschau::TKennwertVorschau(QObject* eltern) : QObject(eltern) {
    Wecker = new QTimer(this);
    Wecker->setSingleShot(true);
    Wecker->setInterval(StandardVerzoegerungMs);
    connect(Wecker, &QTimer::timeout, this, [this] { Losschicken(); });
    Faden = std::thread([this] { Arbeiten(); });
}

TKennwertVorschau::~TKennwertVorschau() {
    {
        const std::lock_guard<std::mutex> sperre(Schutz);
        Ende = true;
        Abbruch = true;
    }
    Signal.notify_all();
    Faden.join();
}

int TKennwertVorschau::Verzoegerung() const {
    return Wecker->interval();
}

void TKennwertVorschau::VerzoegerungSetzen(int ms) {
    Wecker->setInterval(ms);
}

void TKennwertVorschau::Anfordern(const TRegisterParameter& p, const std::string& projektOrdner) {
    Wartend = TAuftrag{++Nummer, p, projektOrdner};
    Offen = true;
    // the computation going on is for an older input
    Abbruch = true;
    Wecker->start();
    emit Veraltet();
}

void TKennwertVorschau::Ungueltig(const QString& grund) {
    ++Nummer;
    Wartend.reset();
    Wecker->stop();
    Abbruch = true;
    Offen = false;
    emit NichtBerechenbar(grund, Nummer);
}

void TKennwertVorschau::Losschicken() {
    if (!Wartend) return;
    {
        const std::lock_guard<std::mutex> sperre(Schutz);
        Naechster = std::move(Wartend);
        Abbruch = true;
    }
    Wartend.reset();
    Signal.notify_all();
}

TLaufDaten TKennwertVorschau::Sammeln(const TAuftrag& auftrag) {
    const TRegisterParameter& p = auftrag.Parameter;
    // the weather of a site file is read once while the project keeps naming it
    if (Vorrat && p.EingebautesWetter && VorratOrdner == auftrag.Ordner &&
        GleicheDateien(Vorrat->Parameter, p)) {
        std::vector<std::string> meldungen = ParameterPruefen(p, Vorrat->Wetter.get());
        if (!meldungen.empty()) throw TLaufAbgelehnt(std::move(meldungen));
        return LaufDatenMitParametern(*Vorrat, p);
    }
    ++SammlungenZahl;
    TLaufDaten daten = LaufDatenSammeln(p, {{}, auftrag.Ordner}, TLaufZweck::Rechnung);
    Vorrat = daten;
    VorratOrdner = auftrag.Ordner;
    return daten;
}

void TKennwertVorschau::Arbeiten() {
    for (;;) {
        TAuftrag auftrag;
        {
            std::unique_lock<std::mutex> sperre(Schutz);
            Signal.wait(sperre, [this] { return Ende || Naechster.has_value(); });
            if (Ende) return;
            auftrag = std::move(*Naechster);
            Naechster.reset();
            Abbruch = false;
        }
        const std::uint64_t nummer = auftrag.Nummer;
        try {
            bool abgebrochen = false;
            const TVorschauWerte werte = VorschauRechnen(Sammeln(auftrag), &Abbruch, &abgebrochen);
            if (abgebrochen) continue;
            QMetaObject::invokeMethod(
                this,
                [this, werte, nummer] {
                    // a result for an input edited since is never shown
                    if (nummer != Nummer) return;
                    Offen = false;
                    emit Berechnet(werte, nummer);
                },
                Qt::QueuedConnection);
        } catch (const std::exception& f) {
            const QString grund = AusnahmeText(f);
            QMetaObject::invokeMethod(
                this,
                [this, grund, nummer] {
                    if (nummer != Nummer) return;
                    Offen = false;
                    emit NichtBerechenbar(grund, nummer);
                },
                Qt::QueuedConnection);
        }
    }
}

} // namespace kov
