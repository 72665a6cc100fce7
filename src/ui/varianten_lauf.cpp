#include "ui/varianten_fenster.h"

#include "ablauf/studien_klima.h"
#include "model/bodenarten.h"
#include "ui/anwendung.h"
#include "ui/datei_fehler_text.h"
#include "ui/lauf_steuerung.h"
#include "ui/meldung.h"
#include "ui/varianten_tabelle.h"
#include "ui/varianten_texte.h"
#include "ui/zahl_format.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kov {

using namespace varianten;

namespace {

// the chart is drawn again at most this often while variants arrive
constexpr qint64 DiagrammAbstandMs = 500;

QString Sekunden(qint64 ms) {
    return ZahlAnsicht(static_cast<double>(ms) / 1000.0, 1) + QStringLiteral(" s");
}

} // namespace

void TVariantenFenster::LaufAufbauen(QVBoxLayout* aussen) {
    // start, progress, cancel
    auto* lauf = new QHBoxLayout;
    aussen->addLayout(lauf);
    Starten = new QPushButton(tr("Studie starten"), this);
    Starten->setObjectName(QStringLiteral("Starten"));
    Abbrechen = new QPushButton(tr("Abbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setEnabled(false);
    Fortsetzen = new QPushButton(tr("Fortsetzen"), this);
    Fortsetzen->setObjectName(QStringLiteral("Fortsetzen"));
    Fortsetzen->setToolTip(tr("Rechnet die Varianten der abgebrochenen Studie, die noch fehlen; "
                              "die fertigen bleiben."));
    Fortsetzen->setEnabled(false);
    Anzahl = new QLabel(this);
    Anzahl->setObjectName(QStringLiteral("Anzahl"));
    Anzahl->setMinimumWidth(200);
    auto* faedenText = new QLabel(tr("Threads:"), this);
    Faeden = new QSpinBox(this);
    Faeden->setRange(0, 256);
    Faeden->setSpecialValueText(tr("alle Kerne"));
    Faeden->setValue(0);
    Faeden->setToolTip(tr("Zahl der Threads, auf denen die Varianten gerechnet "
                          "werden; „alle Kerne“: einer je Prozessorkern"));
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 1);
    Fortschritt->setValue(0);
    Fortschritt->setFormat(QString());
    lauf->addWidget(Starten);
    lauf->addWidget(Abbrechen);
    lauf->addWidget(Fortsetzen);
    lauf->addWidget(Anzahl);
    lauf->addWidget(faedenText);
    lauf->addWidget(Faeden);
    lauf->addWidget(Fortschritt, 1);
    connect(Starten, &QPushButton::clicked, this, [this] { StartenClick(); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { AbbrechenClick(); });
    connect(Fortsetzen, &QPushButton::clicked, this, [this] { FortsetzenClick(); });
    Zustand = new QLabel(this);
    Zustand->setObjectName(QStringLiteral("Zustand"));
    Zustand->setWordWrap(true);
    aussen->addWidget(Zustand);

    Lauf = new TLaufSteuerung(this);
    connect(Lauf, &TLaufSteuerung::StudienFortschritt, this, &TVariantenFenster::FortschrittZeigen);
    connect(Lauf, &TLaufSteuerung::VarianteFertig, this, &TVariantenFenster::VarianteAngekommen);
    connect(Lauf, &TLaufSteuerung::StudieBeendet, this,
            [this](const std::shared_ptr<const TStudienErgebnis>& ergebnis, bool abgebrochen,
                   const QString& fehler) { LaufAbschliessen(*ergebnis, abgebrochen, fehler); });
}

bool TVariantenFenster::LaeuftGerade() const {
    return Lauf->Laeuft();
}

bool TVariantenFenster::StartenClick() {
    if (LaeuftGerade()) return false;
    const QString nicht = tr("Die Studie wurde nicht gestartet:\n\n");
    const TStudienEntwurf entwurf = Entwurf();
    const TEntwurfsPruefung pruefung = EntwurfPruefen(entwurf);
    if (!pruefung.Gueltig()) {
        MeldungZeigen(this, QMessageBox::Warning, tr(Titel), nicht + Zeilen(pruefung.Meldungen()));
        return false;
    }
    if (!EingabenPruefen(this, tr("Die Studie wurde nicht gestartet:"))) return false;
    const TRegisterParameter basis = EingabeParameter();
    if (!basis.EingebautesWetter) {
        MeldungZeigen(this, QMessageBox::Warning, tr(Titel),
                      nicht + tr("Eine Studie rechnet mit dem eingebauten Wetterjahr "
                                 "oder der Wetterdatei des Projekts, nicht mit dem "
                                 "Wetter eines früheren Berichts."));
        return false;
    }
    // the weather file and the schedule lie beside the project file, as for a single run
    TLaufDaten daten;
    try {
        daten = LaufDatenSammeln(basis, {{}, Sitzung.EingabeOrdner()}, TLaufZweck::Studie);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Warning, tr(Titel), nicht + DateiFehlerText(f));
        return false;
    }
    QString hinweis;
    for (const std::string& text : daten.Hinweise)
        hinweis +=
            (hinweis.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(text);

    TStudie studie = StudieAufbauen(basis, entwurf);
    try {
        StudienWetterSammeln(studie, daten);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Warning, tr(Titel), nicht + DateiFehlerText(f));
        return false;
    }
    // The table reads the study and its results in place: it lets go of them before they are
    // replaced, or the views would ask for the old rows and columns in the new, smaller study.
    Modell->StudieSetzen(nullptr, nullptr);
    StudieStand = std::move(studie);
    FortgesetztAb = 0;
    StudienProjekt = Sitzung.ProjektNummer();
    const std::size_t anzahl = pruefung.Varianten;
    ErgebnisStand.assign(anzahl, TVariantenErgebnis{});
    Modell->StudieSetzen(&StudieStand, &ErgebnisStand);
    Tabelle->sortByColumn(0, Qt::AscendingOrder);
    const QFontMetrics masse = Tabelle->fontMetrics();
    for (int s = 0; s < Modell->columnCount(); ++s) {
        int breite = masse.horizontalAdvance(Modell->headerData(s, Qt::Horizontal).toString());
        // the soil's names are longer than its title
        const auto d = static_cast<std::size_t>(s - 1);
        if (s >= 1 && d < StudieStand.Variationen.size() &&
            StudieStand.Variationen[d].Name == BodenDimension)
            for (std::size_t art = 1; art < Bodenarten().size(); ++art)
                breite = std::max(breite, masse.horizontalAdvance(VariationsWert(
                                              StudieStand.Variationen[d], double(art))));
        Tabelle->setColumnWidth(s, std::max(60, breite + 24));
    }
    Eingang.clear();
    Rechnet = false;
    Geprueft = 0;
    StudieGelaufen = true;
    LetzterAusgang = TAusgang::Keiner;
    RechnenSeit = -1;
    DiagrammStand = -DiagrammAbstandMs; // the first variants drawn as they arrive
    Fortschritt->setRange(0, static_cast<int>(anzahl));
    Fortschritt->setValue(0);
    Fortschritt->setFormat(tr("Prüfe %v von %m Varianten"));
    ZustandZeigen(hinweis.isEmpty() ? tr("Jede Variante wird vor dem ersten Lauf geprüft …")
                                    : hinweis);
    DiagrammZeichnen();
    Uhr.start();
    StudienDaten = daten;
    Lauf->StudieStarten(std::make_shared<const TStudie>(StudieStand), std::move(daten),
                        static_cast<unsigned>(Faeden->value()));
    EingabenSperren(true);
    return true;
}

bool TVariantenFenster::FortsetzenClick() {
    if (LaeuftGerade() || LetzterAusgang != TAusgang::Abgebrochen || !Rechnet ||
        StudienProjekt != Sitzung.ProjektNummer())
        return false;
    const std::size_t anzahl = ErgebnisStand.size();
    FortgesetztAb = static_cast<std::size_t>(
        std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(),
                      [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    Eingang.clear();
    Rechnet = true;
    Geprueft = anzahl;
    LetzterAusgang = TAusgang::Keiner;
    RechnenSeit = -1;
    DiagrammStand = -DiagrammAbstandMs;
    Fortschritt->setRange(0, static_cast<int>(anzahl));
    Fortschritt->setValue(static_cast<int>(FortgesetztAb));
    Fortschritt->setFormat(tr("%v von %m Varianten berechnet"));
    ZustandZeigen(tr("Die Studie wird mit den %1 fehlenden Varianten fortgesetzt …")
                      .arg(anzahl - FortgesetztAb));
    Uhr.start();
    // the years and the schedule read at the start, so the rest runs on the same inputs
    Lauf->StudieFortsetzen(std::make_shared<const TStudie>(StudieStand), StudienDaten,
                           static_cast<unsigned>(Faeden->value()), ErgebnisStand);
    EingabenSperren(true);
    return true;
}

void TVariantenFenster::AbbrechenClick() {
    if (!LaeuftGerade()) return;
    Lauf->Abbrechen();
    ZustandZeigen(tr("Die Studie wird abgebrochen …"));
}

void TVariantenFenster::VarianteAngekommen(std::size_t nummer, const TVariantenErgebnis& v) {
    // what a study stopped by closing the window reported before it ended is in its table
    if (!LaeuftGerade() || nummer >= ErgebnisStand.size()) return;
    ErgebnisStand[nummer] = v;
    Eingang.push_back(nummer);
}

bool TVariantenFenster::EingangUebernehmen() {
    if (Eingang.empty()) return false;
    StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
    Modell->ZeilenAnfuegen(Eingang);
    Modell->MarkenGeaendert();
    Eingang.clear();
    return true;
}

void TVariantenFenster::FortschrittZeigen(std::size_t geprueft, std::size_t berechnet,
                                          bool rechnet) {
    Geprueft = geprueft;
    Rechnet = rechnet;
    if (!LaeuftGerade()) return;
    const bool neu = EingangUebernehmen();
    const std::size_t anzahl = ErgebnisStand.size();
    if (rechnet) {
        if (RechnenSeit < 0) RechnenSeit = Uhr.elapsed();
        Fortschritt->setValue(static_cast<int>(berechnet));
        const double sekunden = static_cast<double>(Uhr.elapsed() - RechnenSeit) / 1000.0;
        // the rate of this run alone: a continued study's earlier variants took no time here
        const std::size_t schon = std::min(FortgesetztAb, berechnet);
        const std::string rest =
            RestzeitText(RestzeitSchaetzen(berechnet - schon, anzahl - schon, sekunden));
        if (!Lauf->AbbruchVerlangt())
            ZustandZeigen(rest.empty()
                              ? tr("Die Restzeit wird geschätzt …")
                              : tr("Die Studie läuft, %1.").arg(QString::fromStdString(rest)));
        Fortschritt->setFormat(
            rest.empty()
                ? tr("%v von %m Varianten berechnet")
                : tr("%v von %m Varianten berechnet – %1").arg(QString::fromStdString(rest)));
    } else {
        Fortschritt->setValue(static_cast<int>(geprueft));
    }
    if (neu && Uhr.elapsed() - DiagrammStand >= DiagrammAbstandMs) {
        DiagrammStand = Uhr.elapsed();
        DiagrammZeichnen();
    }
}

void TVariantenFenster::LaufAbschliessen(const TStudienErgebnis& ergebnis, bool abgebrochen,
                                         const QString& fehler) {
    EingangUebernehmen();
    const qint64 dauer = Uhr.elapsed();
    const std::size_t anzahl = ErgebnisStand.size();
    // the engine's own table carries the marks over all finished variants
    if (fehler.isEmpty() && ergebnis.Abgelehnt.empty() && ergebnis.Varianten.size() == anzahl) {
        ErgebnisStand = ergebnis.Varianten;
        Modell->AlleZeigen();
    }
    const auto berechnet = static_cast<std::size_t>(
        std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(),
                      [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    const QString titel = tr(Titel);

    if (!fehler.isEmpty()) {
        LetzterAusgang = TAusgang::Fehler;
        StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
        Modell->MarkenGeaendert();
        ZustandZeigen(tr("Die Studie endete mit einem Fehler nach %1 von %2 Varianten: %3")
                          .arg(berechnet)
                          .arg(anzahl)
                          .arg(fehler),
                      true);
        if (Melden)
            MeldungZeigen(this, QMessageBox::Critical, titel,
                          tr("Die Studie endete mit einem Fehler:\n\n") + fehler);
    } else if (!ergebnis.Abgelehnt.empty()) {
        LetzterAusgang = TAusgang::Abgelehnt;
        ZustandZeigen(tr("Die Studie wurde abgelehnt, nichts berechnet."), true);
        if (Melden)
            MeldungZeigen(
                this, QMessageBox::Warning, titel,
                tr("Die Studie wurde nicht gestartet: nicht jede der %1 Varianten "
                   "lässt sich berechnen.%2\n\n")
                        .arg(anzahl)
                        .arg(ergebnis.Abgelehnt.size() >= 20 ? tr(" Die ersten 20:") : QString()) +
                    Zeilen(ergebnis.Abgelehnt));
    } else if (abgebrochen) {
        LetzterAusgang = TAusgang::Abgebrochen;
        ZustandZeigen(tr("Abgebrochen: %1 von %2 Varianten berechnet (%3).")
                          .arg(berechnet)
                          .arg(anzahl)
                          .arg(Sekunden(dauer)));
    } else {
        LetzterAusgang = TAusgang::Fertig;
        const auto zulaessig = std::count_if(
            ErgebnisStand.begin(), ErgebnisStand.end(),
            [](const TVariantenErgebnis& v) { return v.Berechnet && v.Verletzt.empty(); });
        ZustandZeigen(tr("Fertig: %1 Varianten in %2, davon %3 zulässig.")
                          .arg(anzahl)
                          .arg(Sekunden(dauer))
                          .arg(zulaessig));
    }
    Fortschritt->setValue(static_cast<int>(Rechnet ? berechnet : Geprueft));
    Fortschritt->setFormat(Rechnet ? tr("%v von %m Varianten berechnet")
                                   : tr("%v von %m Varianten geprüft"));
    // the marks are known now: the conditions' column as wide as its longest entry
    Tabelle->resizeColumnToContents(Modell->ErsteKennwertSpalte() +
                                    static_cast<int>(StudienKennwerte().size()));
    EingabenSperren(false);
    DiagrammZeichnen();
    emit LaufBeendet();
}

} // namespace kov
