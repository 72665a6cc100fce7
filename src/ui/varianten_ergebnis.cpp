#include "ui/varianten_fenster.h"

#include "ablauf/lauf_daten.h"
#include "ablauf/studie_csv.h"
#include "files/text_datei.h"
#include "model/bodenarten.h"
#include "model/fehler.h"
#include "ui/anwendung.h"
#include "ui/ausgabe_pruefung.h"
#include "ui/datei_fehler_text.h"
#include "ui/diagramme.h"
#include "ui/meldung.h"
#include "ui/varianten_tabelle.h"
#include "ui/varianten_texte.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kov {

using namespace varianten;

namespace {

// pixel size of the chart's tick labels: small enough for the long figure names as axis titles
constexpr double DiagrammSchrift = 10.5;

void AchseSetzen(QValueAxis* achse, double kleinste, double groesste, const QString& titel) {
    if (!(kleinste <= groesste)) {
        kleinste = 0;
        groesste = 1;
    }
    const double rand = groesste > kleinste ? (groesste - kleinste) * 0.06
                                            : std::max(std::abs(groesste) * 0.05, 0.5);
    achse->setRange(kleinste - rand, groesste + rand);
    achse->applyNiceNumbers();
    // as many decimals as the ticks' step needs
    const double schritt = (achse->max() - achse->min()) / std::max(1, achse->tickCount() - 1);
    achse->setLabelFormat(schritt >= 1     ? QStringLiteral("%.0f")
                          : schritt >= 0.1 ? QStringLiteral("%.1f")
                                           : QStringLiteral("%.2f"));
    achse->setTitleText(titel);
}

} // namespace

void TVariantenFenster::ErgebnisAufbauen(QVBoxLayout* aussen) {
    // the table and the chart side by side
    auto* teilung = new QSplitter(Qt::Horizontal, this);
    aussen->addWidget(teilung, 1);
    Modell = new TVariantenTabelle(this);
    Modell->StudieSetzen(&StudieStand, &ErgebnisStand);
    Sortierung = new QSortFilterProxyModel(this);
    Sortierung->setSourceModel(Modell);
    Sortierung->setSortRole(Qt::UserRole);
    Tabelle = new QTableView(teilung);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setModel(Sortierung);
    Tabelle->setSortingEnabled(true);
    Tabelle->sortByColumn(0, Qt::AscendingOrder);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setWordWrap(false);
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(Tabelle->fontMetrics().height() + 6);
    Tabelle->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // before the first study the heads alone set the widths, in either language uncut
    Tabelle->resizeColumnsToContents();
    connect(Tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        Uebernehmen->setEnabled(GewaehlteVariante() >= 0 && !LaeuftGerade());
        AuswahlZeigen();
    });
    connect(Tabelle, &QTableView::doubleClicked, this, [this] { UebernehmenClick(); });

    auto* rechts = new QWidget(teilung);
    auto* rechtsSpalte = new QVBoxLayout(rechts);
    rechtsSpalte->setContentsMargins(0, 0, 0, 0);
    auto* achsen = new QGridLayout;
    rechtsSpalte->addLayout(achsen);
    AchseX = new QComboBox(rechts);
    AchseX->setObjectName(QStringLiteral("AchseX"));
    AchseY = new QComboBox(rechts);
    AchseY->setObjectName(QStringLiteral("AchseY"));
    for (QComboBox* achse : {AchseX, AchseY}) {
        for (const TStudienKennwert& k : StudienKennwerte())
            achse->addItem(KennwertTitel(k), Text(k.Name));
        achse->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        achse->setMinimumContentsLength(16);
        connect(achse, &QComboBox::currentIndexChanged, this, [this] { DiagrammZeichnen(); });
    }
    AchseX->setCurrentIndex(AchseX->findData(QStringLiteral("RohrlaengeGesamt")));
    AchseY->setCurrentIndex(AchseY->findData(QStringLiteral("EnergieNutzbar")));
    ParetoWahl = new QComboBox(rechts);
    ParetoWahl->setObjectName(QStringLiteral("ParetoWahl"));
    ParetoWahl->addItem(tr("meiste nutzbare Energie für wenig Rohrlänge"));
    ParetoWahl->addItem(tr("meiste nutzbare Energie für wenig Ventilatorstrom"));
    ParetoWahl->addItem(tr("meiste nutzbare Energie für wenig Annuität"));
    ParetoWahl->setToolTip(
        tr("Pareto-optimal ist eine Variante, die alle Bedingungen erfüllt und die keine andere "
           "mit mindestens so viel nutzbarer Energie bei weniger Rohrlänge (bzw. "
           "Ventilatorstrom oder Annuität der Kosten) übertrifft."));
    connect(ParetoWahl, &QComboBox::currentIndexChanged, this, [this](int front) {
        Modell->ParetoFrontSetzen(front);
        DiagrammZeichnen();
    });
    achsen->addWidget(new QLabel(tr("x-Achse:"), rechts), 0, 0);
    achsen->addWidget(AchseX, 0, 1);
    achsen->addWidget(new QLabel(tr("y-Achse:"), rechts), 1, 0);
    achsen->addWidget(AchseY, 1, 1);
    achsen->addWidget(new QLabel(tr("Pareto-Front:"), rechts), 2, 0);
    achsen->addWidget(ParetoWahl, 2, 1);
    achsen->setColumnStretch(1, 1);

    Chart = LeeresDiagramm(QString(), DiagrammSchrift).release();
    PunkteVerletzt = new QScatterSeries(Chart);
    PunkteVerletzt->setName(tr("verletzt eine Bedingung"));
    PunkteVerletzt->setColor(QColor(190, 190, 190));
    PunkteVerletzt->setBorderColor(QColor(160, 160, 160));
    PunkteVerletzt->setMarkerSize(7);
    PunkteZulaessig = new QScatterSeries(Chart);
    PunkteZulaessig->setName(tr("zulässig"));
    PunkteZulaessig->setColor(QColor(40, 100, 200));
    PunkteZulaessig->setBorderColor(QColor(20, 60, 140));
    PunkteZulaessig->setMarkerSize(8);
    FrontLinie = new QLineSeries(Chart);
    FrontLinie->setName(tr("Pareto-Front"));
    FrontLinie->setPen(QPen(QColor(220, 60, 30), 2));
    PunkteFront = new QScatterSeries(Chart);
    PunkteFront->setName(tr("Pareto-optimal"));
    PunkteFront->setColor(QColor(230, 70, 30));
    PunkteFront->setBorderColor(QColor(140, 30, 10));
    PunkteFront->setMarkerSize(11);
    PunktAuswahl = new QScatterSeries(Chart);
    PunktAuswahl->setName(tr("gewählt"));
    PunktAuswahl->setColor(Qt::transparent);
    PunktAuswahl->setBorderColor(Qt::black);
    PunktAuswahl->setPen(QPen(Qt::black, 2));
    PunktAuswahl->setMarkerSize(18);
    auto* x = new QValueAxis(Chart);
    auto* y = new QValueAxis(Chart);
    AchseGestalten(x, QString(), DiagrammSchrift);
    AchseGestalten(y, QString(), DiagrammSchrift);
    Chart->addAxis(x, Qt::AlignBottom);
    Chart->addAxis(y, Qt::AlignLeft);
    for (QXYSeries* reihe :
         {static_cast<QXYSeries*>(PunkteVerletzt), static_cast<QXYSeries*>(PunkteZulaessig),
          static_cast<QXYSeries*>(FrontLinie), static_cast<QXYSeries*>(PunkteFront),
          static_cast<QXYSeries*>(PunktAuswahl)}) {
        Chart->addSeries(reihe);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
    }
    connect(PunkteVerletzt, &QScatterSeries::clicked, this,
            [this](const QPointF& p) { PunktGeklickt(p, NummernVerletzt, PunkteVerletzt); });
    connect(PunkteZulaessig, &QScatterSeries::clicked, this,
            [this](const QPointF& p) { PunktGeklickt(p, NummernZulaessig, PunkteZulaessig); });
    connect(PunkteFront, &QScatterSeries::clicked, this,
            [this](const QPointF& p) { PunktGeklickt(p, NummernFront, PunkteFront); });
    // the line only joins the front's points; the legend names them once
    for (QLegendMarker* marke : Chart->legend()->markers(FrontLinie))
        marke->setVisible(false);
    Diagramm = new QChartView(Chart, rechts);
    Diagramm->setObjectName(QStringLiteral("Diagramm"));
    Diagramm->setRenderHint(QPainter::Antialiasing);
    Diagramm->setMinimumSize(420, 320);
    rechtsSpalte->addWidget(Diagramm, 1);
    teilung->addWidget(Tabelle);
    teilung->addWidget(rechts);
    teilung->setStretchFactor(0, 3);
    teilung->setStretchFactor(1, 2);
    teilung->setSizes({780, 540});

    // take over, export, close
    auto* unten = new QHBoxLayout;
    aussen->addLayout(unten);
    Uebernehmen = new QPushButton(tr("Übernehmen"), this);
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Uebernehmen->setToolTip(tr("Die Werte der gewählten Variante in das "
                               "Eingabefenster übernehmen"));
    Uebernehmen->setEnabled(false);
    Dezimalkomma = new QCheckBox(tr("Dezimalkomma (Trenner „;“)"), this);
    Dezimalkomma->setObjectName(QStringLiteral("Dezimalkomma"));
    Exportieren = new QPushButton(tr("CSV exportieren…"), this);
    Exportieren->setObjectName(QStringLiteral("Exportieren"));
    Exportieren->setEnabled(false);
    Schliessen = new QPushButton(tr("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    unten->addWidget(Uebernehmen);
    unten->addStretch(1);
    unten->addWidget(Dezimalkomma);
    unten->addWidget(Exportieren);
    unten->addWidget(Schliessen);
    connect(Uebernehmen, &QPushButton::clicked, this, [this] { UebernehmenClick(); });
    connect(Exportieren, &QPushButton::clicked, this, [this] { CsvExportieren(); });
    connect(Schliessen, &QPushButton::clicked, this, [this] { close(); });

    CsvDateiDialog = [this] {
        return QFileDialog::getSaveFileName(this, tr("Tabelle der Varianten exportieren"),
                                            // in the project's folder
                                            QDir(QString::fromStdString(Sitzung.EingabeOrdner()))
                                                .filePath(QStringLiteral("varianten.csv")),
                                            tr("CSV-Dateien (*.csv);;Alle Dateien (*)"));
    };
}

long TVariantenFenster::GewaehlteVariante() const {
    const QModelIndexList zeilen = Tabelle->selectionModel()->selectedRows();
    if (zeilen.isEmpty()) return -1;
    const QModelIndex quelle = Sortierung->mapToSource(zeilen.front());
    if (!quelle.isValid()) return -1;
    return static_cast<long>(Modell->Variante(quelle.row()));
}

void TVariantenFenster::VarianteWaehlen(std::size_t nummer) {
    const int zeile = Modell->ZeileDerVariante(nummer);
    if (zeile < 0) return;
    const QModelIndex index = Sortierung->mapFromSource(Modell->index(zeile, 0));
    Tabelle->selectRow(index.row());
    Tabelle->scrollTo(index);
}

bool TVariantenFenster::UebernehmenClick() {
    const long nummer = GewaehlteVariante();
    if (nummer < 0 || LaeuftGerade()) {
        MeldungZeigen(this, QMessageBox::Information, tr(Titel),
                      tr("Bitte zuerst eine berechnete Variante in der Tabelle "
                         "wählen."));
        return false;
    }
    TRegisterParameter p = EingabeParameter();
    const std::size_t boden = VarianteUebernehmen(p, StudieStand, static_cast<std::size_t>(nummer));
    ZustandZeigen(tr("Variante %1 ins Eingabefenster übernommen.").arg(nummer + 1));
    emit VarianteGewaehlt(p, static_cast<int>(boden), StudienProjekt);
    return true;
}

bool TVariantenFenster::CsvExportieren() {
    QString datei = CsvDateiDialog();
    if (datei.isEmpty()) return false;
    if (QFileInfo(datei).suffix().isEmpty()) datei += QStringLiteral(".csv");
    const std::string ordner = Sitzung.EingabeOrdner();
    if (!AusgabeZulassen(
            this, tr(Titel), datei, "Die Tabelle der Varianten", "die Tabelle der Varianten",
            LaufDateien(EingabeParameter(), {ordner, ordner, Sitzung.Projekt().Datei})))
        return false;
    try {
        DateiSchreiben(datei.toStdString(),
                       StudieAlsCsv(StudieStand, ErgebnisStand, Dezimalkomma->isChecked()));
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Critical, tr(Titel),
                      tr("Die Tabelle wurde nicht exportiert:\n\n") + DateiFehlerText(f));
        return false;
    }
    ZustandZeigen(tr("Tabelle nach %1 exportiert.").arg(datei));
    return true;
}

void TVariantenFenster::DiagrammZeichnen() {
    if (PunktAuswahl == nullptr) return; // still being built
    const TStudienKennwert* kx = StudienKennwert(AchseX->currentData().toString().toStdString());
    const TStudienKennwert* ky = StudienKennwert(AchseY->currentData().toString().toStdString());
    if (kx == nullptr || ky == nullptr) return;
    const int frontWahl = ParetoWahl->currentIndex();
    QList<QPointF> zulaessig, front, verletzt;
    NummernZulaessig.clear();
    NummernFront.clear();
    NummernVerletzt.clear();
    double xMin = std::numeric_limits<double>::infinity(), xMax = -xMin;
    double yMin = xMin, yMax = -xMin;
    for (std::size_t i = 0; i < ErgebnisStand.size(); ++i) {
        const TVariantenErgebnis& v = ErgebnisStand[i];
        if (!v.Berechnet) continue;
        const QPointF punkt(kx->Wert(v), ky->Wert(v));
        xMin = std::min(xMin, punkt.x());
        xMax = std::max(xMax, punkt.x());
        yMin = std::min(yMin, punkt.y());
        yMax = std::max(yMax, punkt.y());
        if (!v.Verletzt.empty()) {
            verletzt << punkt;
            NummernVerletzt.push_back(i);
        } else if (AufParetoFront(v, frontWahl)) {
            front << punkt;
            NummernFront.push_back(i);
        } else {
            zulaessig << punkt;
            NummernZulaessig.push_back(i);
        }
    }
    PunkteVerletzt->replace(verletzt);
    PunkteZulaessig->replace(zulaessig);
    PunkteFront->replace(front);
    QList<QPointF> linie = front;
    std::sort(linie.begin(), linie.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    FrontLinie->replace(linie);
    const QList<QAbstractAxis*> xAchsen = Chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> yAchsen = Chart->axes(Qt::Vertical);
    AchseSetzen(static_cast<QValueAxis*>(xAchsen.front()), xMin, xMax, KennwertTitel(*kx));
    AchseSetzen(static_cast<QValueAxis*>(yAchsen.front()), yMin, yMax, KennwertTitel(*ky));
    Chart->setTitle(StudieGelaufen ? QString() : tr("Noch keine Studie gerechnet"));
    AuswahlZeigen();
}

void TVariantenFenster::AuswahlZeigen() {
    const TStudienKennwert* kx = StudienKennwert(AchseX->currentData().toString().toStdString());
    const TStudienKennwert* ky = StudienKennwert(AchseY->currentData().toString().toStdString());
    const long nummer = GewaehlteVariante();
    QList<QPointF> punkt;
    if (kx != nullptr && ky != nullptr && nummer >= 0) {
        const TVariantenErgebnis& v = ErgebnisStand[static_cast<std::size_t>(nummer)];
        punkt << QPointF(kx->Wert(v), ky->Wert(v));
    }
    PunktAuswahl->replace(punkt);
}

void TVariantenFenster::PunktGeklickt(const QPointF& punkt, const std::vector<std::size_t>& nummern,
                                      QScatterSeries* reihe) {
    const QList<QPointF> punkte = reihe->points();
    for (qsizetype i = 0; i < punkte.size() && static_cast<std::size_t>(i) < nummern.size(); ++i)
        if (punkte[i] == punkt) {
            VarianteWaehlen(nummern[static_cast<std::size_t>(i)]);
            return;
        }
}
} // namespace kov
