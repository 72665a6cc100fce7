#include "ui/varianten_fenster.h"

#include "ablauf/simulation.h"
#include "ablauf/studie_csv.h"
#include "files/fahrplan.h"
#include "files/stunden_ausgabe.h"
#include "files/text_datei.h"
#include "files/wetter.h"
#include "model/bodenarten.h"
#include "model/fehler.h"
#include "ui/anwendung.h"
#include "ui/diagramme.h"
#include "ui/meldung.h"
#include "ui/varianten_tabelle.h"
#include "ui/zahl_eingabe.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kov {

namespace {

constexpr const char* Titel = "KOV - Variantenvergleich";
constexpr const char* FalschStil = "QLineEdit { background-color: #ffd6d6; }";
constexpr int TaktMs = 50;
// the chart is drawn again at most this often while variants arrive
constexpr qint64 DiagrammAbstandMs = 500;
// pixel size of the chart's tick labels: small enough for the long figure names as axis titles
constexpr double DiagrammSchrift = 10.5;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// the rows the window opens with: a small study of the pipe field, and the usual limits of a fan
// and of the unit behind the register
struct TVorgabe {
    const char* Name;
    const char* Liste;
};
constexpr TVorgabe ParameterVorgaben[EntwurfZeilen] = {
    {"AnzahlRohre", "10,15,20"}, {"Rohrlaenge", "30:60:10"}, {"DRohr", "0.15,0.2"}, {"", ""}};
struct TBedingungsVorgabe {
    const char* Kennwert;
    bool Hoechstens;
    const char* Grenze; // nullptr: the project's Frostgrenze
};
constexpr TBedingungsVorgabe BedingungsVorgaben[TVariantenFenster::BedingungsZeilen] = {
    {"Stroemungsgeschwindigkeit", true, "3"},
    {"TausMin", false, nullptr},
    {"DruckverlustGesamt", true, "50"},
    {"", true, ""}};

QString Zeilen(const std::vector<std::string>& meldungen) {
    QStringList zeilen;
    for (const std::string& meldung : meldungen)
        zeilen << QString::fromStdString(meldung);
    return zeilen.join(QLatin1Char('\n'));
}

QString Sekunden(qint64 ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

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

TVariantenFenster::TVariantenFenster(TSitzung& sitzung, TEingabeParameter eingabeParameter,
                                     TEingabenPruefen eingabenPruefen)
    : Sitzung(sitzung), EingabeParameter(std::move(eingabeParameter)),
      EingabenPruefen(std::move(eingabenPruefen)) {
    setObjectName(QStringLiteral("Variantenvergleich"));
    setWindowTitle(QString::fromUtf8(Titel));
    resize(1360, 940);

    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);
    auto* links = new QVBoxLayout;
    oben->addLayout(links, 3);

    // the varied parameters
    auto* parameterKasten = new QGroupBox(QStringLiteral("Variierte Parameter"), this);
    links->addWidget(parameterKasten);
    auto* parameterRaster = new QGridLayout(parameterKasten);
    parameterRaster->addWidget(new QLabel(QStringLiteral("Parameter"), parameterKasten), 0, 0);
    auto* werteKopf = new QLabel(
        QStringLiteral("Werte: Liste 10,12,15 · Bereich von:bis:schritt · mit Dezimalkomma "
                       "0,15; 0,2"),
        parameterKasten);
    parameterRaster->addWidget(werteKopf, 0, 1, 1, 2);
    const std::vector<const TKatalogEintrag*> parameter = StudienParameter();
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        auto* wahl = new QComboBox(parameterKasten);
        wahl->setObjectName(QStringLiteral("ParameterWahl%1").arg(i + 1));
        wahl->addItem(QStringLiteral("—"), QString());
        for (std::size_t j = 0; j < parameter.size(); ++j) {
            const TKatalogEintrag& e = *parameter[j];
            QString text = Text(e.Bezeichnung);
            if (!e.Einheit.empty()) text += QStringLiteral(" [") + Text(e.Einheit) + u']';
            wahl->addItem(text, Text(e.Name));
            wahl->setItemData(wahl->count() - 1,
                              Text(e.Beschreibung) + QStringLiteral("\nName: ") + Text(e.Name),
                              Qt::ToolTipRole);
            // the usual design parameters stand apart from the rest of the catalogue
            if (j == 7) wahl->insertSeparator(wahl->count());
        }
        wahl->setMaxVisibleItems(20);
        wahl->setMinimumContentsLength(24);
        wahl->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        auto* feld = new QLineEdit(parameterKasten);
        feld->setObjectName(QStringLiteral("WerteFeld%1").arg(i + 1));
        feld->setMinimumWidth(220);
        auto* hinweis = new QLabel(parameterKasten);
        hinweis->setWordWrap(true);
        hinweis->setMinimumWidth(260);
        parameterRaster->addWidget(wahl, static_cast<int>(i) + 1, 0);
        parameterRaster->addWidget(feld, static_cast<int>(i) + 1, 1);
        parameterRaster->addWidget(hinweis, static_cast<int>(i) + 1, 2);
        ParameterWahl[i] = wahl;
        WerteFeld[i] = feld;
        ZeilenHinweis[i] = hinweis;
        const int vorgabe = wahl->findData(QString::fromLatin1(ParameterVorgaben[i].Name));
        wahl->setCurrentIndex(std::max(vorgabe, 0));
        feld->setText(QString::fromLatin1(ParameterVorgaben[i].Liste));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(feld, &QLineEdit::textChanged, this, [this] { EntwurfAnzeigen(); });
    }
    parameterRaster->setColumnStretch(1, 1);
    parameterRaster->setColumnStretch(2, 2);

    // the conditions
    auto* bedingungsKasten = new QGroupBox(QStringLiteral("Bedingungen"), this);
    links->addWidget(bedingungsKasten);
    auto* bedingungsRaster = new QGridLayout(bedingungsKasten);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i) {
        auto* wahl = new QComboBox(bedingungsKasten);
        wahl->setObjectName(QStringLiteral("BedingungsWahl%1").arg(i + 1));
        wahl->addItem(QStringLiteral("—"), QString());
        for (const TStudienKennwert& k : StudienKennwerte())
            wahl->addItem(Text(k.Bezeichnung), Text(k.Name));
        auto* vergleich = new QComboBox(bedingungsKasten);
        vergleich->addItem(QStringLiteral("≤ höchstens"));
        vergleich->addItem(QStringLiteral("≥ mindestens"));
        auto* grenze = new QLineEdit(bedingungsKasten);
        grenze->setObjectName(QStringLiteral("GrenzFeld%1").arg(i + 1));
        grenze->setMaximumWidth(110);
        auto* einheit = new QLabel(bedingungsKasten);
        einheit->setMinimumWidth(260);
        einheit->setWordWrap(true);
        bedingungsRaster->addWidget(wahl, static_cast<int>(i), 0);
        bedingungsRaster->addWidget(vergleich, static_cast<int>(i), 1);
        bedingungsRaster->addWidget(grenze, static_cast<int>(i), 2);
        bedingungsRaster->addWidget(einheit, static_cast<int>(i), 3);
        BedingungsWahl[i] = wahl;
        Vergleich[i] = vergleich;
        GrenzFeld[i] = grenze;
        GrenzEinheit[i] = einheit;
        const TBedingungsVorgabe& vorgabe = BedingungsVorgaben[i];
        wahl->setCurrentIndex(std::max(wahl->findData(QString::fromLatin1(vorgabe.Kennwert)), 0));
        vergleich->setCurrentIndex(vorgabe.Hoechstens ? 0 : 1);
        grenze->setText(QString::fromLatin1(vorgabe.Grenze != nullptr ? vorgabe.Grenze : "0"));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(vergleich, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(grenze, &QLineEdit::textChanged, this, [this] { EntwurfAnzeigen(); });
    }
    bedingungsRaster->setColumnStretch(3, 1);

    // the soil types of the input window's list
    auto* bodenKasten = new QGroupBox(QStringLiteral("Bodenarten"), this);
    oben->addWidget(bodenKasten, 2);
    auto* bodenSpalte = new QVBoxLayout(bodenKasten);
    BodenWahl = new QListWidget(bodenKasten);
    BodenWahl->setObjectName(QStringLiteral("BodenWahl"));
    for (std::size_t art = 1; art < Bodenarten().size(); ++art) {
        auto* eintrag = new QListWidgetItem(Text(Bodenarten()[art].Text).simplified(), BodenWahl);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
    }
    connect(BodenWahl, &QListWidget::itemChanged, this, [this] { EntwurfAnzeigen(); });
    bodenSpalte->addWidget(BodenWahl);
    auto* bodenKnoepfe = new QHBoxLayout;
    BodenAlle = new QPushButton(QStringLiteral("Alle"), bodenKasten);
    BodenKeine = new QPushButton(QStringLiteral("Keine"), bodenKasten);
    bodenKnoepfe->addWidget(BodenAlle);
    bodenKnoepfe->addWidget(BodenKeine);
    bodenKnoepfe->addStretch(1);
    bodenSpalte->addLayout(bodenKnoepfe);
    const auto alleSetzen = [this](Qt::CheckState zustand) {
        for (int i = 0; i < BodenWahl->count(); ++i)
            BodenWahl->item(i)->setCheckState(zustand);
    };
    connect(BodenAlle, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Checked); });
    connect(BodenKeine, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Unchecked); });
    BodenHinweis = new QLabel(bodenKasten);
    BodenHinweis->setWordWrap(true);
    bodenSpalte->addWidget(BodenHinweis);

    // start, progress, cancel
    auto* lauf = new QHBoxLayout;
    aussen->addLayout(lauf);
    Starten = new QPushButton(QStringLiteral("Studie starten"), this);
    Starten->setObjectName(QStringLiteral("Starten"));
    Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setEnabled(false);
    Anzahl = new QLabel(this);
    Anzahl->setObjectName(QStringLiteral("Anzahl"));
    Anzahl->setMinimumWidth(200);
    auto* faedenText = new QLabel(QStringLiteral("Threads:"), this);
    Faeden = new QSpinBox(this);
    Faeden->setRange(0, 256);
    Faeden->setSpecialValueText(QStringLiteral("alle Kerne"));
    Faeden->setValue(0);
    Faeden->setToolTip(QStringLiteral("Zahl der Threads, auf denen die Varianten gerechnet "
                                      "werden; „alle Kerne“: einer je Prozessorkern"));
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 1);
    Fortschritt->setValue(0);
    Fortschritt->setFormat(QString());
    lauf->addWidget(Starten);
    lauf->addWidget(Abbrechen);
    lauf->addWidget(Anzahl);
    lauf->addWidget(faedenText);
    lauf->addWidget(Faeden);
    lauf->addWidget(Fortschritt, 1);
    connect(Starten, &QPushButton::clicked, this, [this] { StartenClick(); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { AbbrechenClick(); });
    Zustand = new QLabel(this);
    Zustand->setObjectName(QStringLiteral("Zustand"));
    Zustand->setWordWrap(true);
    aussen->addWidget(Zustand);

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
    ParetoWahl->addItem(QStringLiteral("meiste nutzbare Energie für wenig Rohrlänge"));
    ParetoWahl->addItem(QStringLiteral("meiste nutzbare Energie für wenig Ventilatorstrom"));
    ParetoWahl->setToolTip(QStringLiteral(
        "Pareto-optimal ist eine Variante, die alle Bedingungen erfüllt und die keine andere "
        "mit mindestens so viel nutzbarer Energie bei weniger Rohrlänge (bzw. "
        "Ventilatorstrom) übertrifft."));
    connect(ParetoWahl, &QComboBox::currentIndexChanged, this, [this](int front) {
        Modell->ParetoFrontSetzen(front == 1);
        DiagrammZeichnen();
    });
    achsen->addWidget(new QLabel(QStringLiteral("x-Achse:"), rechts), 0, 0);
    achsen->addWidget(AchseX, 0, 1);
    achsen->addWidget(new QLabel(QStringLiteral("y-Achse:"), rechts), 1, 0);
    achsen->addWidget(AchseY, 1, 1);
    achsen->addWidget(new QLabel(QStringLiteral("Pareto-Front:"), rechts), 2, 0);
    achsen->addWidget(ParetoWahl, 2, 1);
    achsen->setColumnStretch(1, 1);

    Chart = LeeresDiagramm(QString(), DiagrammSchrift).release();
    PunkteVerletzt = new QScatterSeries(Chart);
    PunkteVerletzt->setName(QStringLiteral("verletzt eine Bedingung"));
    PunkteVerletzt->setColor(QColor(190, 190, 190));
    PunkteVerletzt->setBorderColor(QColor(160, 160, 160));
    PunkteVerletzt->setMarkerSize(7);
    PunkteZulaessig = new QScatterSeries(Chart);
    PunkteZulaessig->setName(QStringLiteral("zulässig"));
    PunkteZulaessig->setColor(QColor(40, 100, 200));
    PunkteZulaessig->setBorderColor(QColor(20, 60, 140));
    PunkteZulaessig->setMarkerSize(8);
    FrontLinie = new QLineSeries(Chart);
    FrontLinie->setName(QStringLiteral("Pareto-Front"));
    FrontLinie->setPen(QPen(QColor(220, 60, 30), 2));
    PunkteFront = new QScatterSeries(Chart);
    PunkteFront->setName(QStringLiteral("Pareto-optimal"));
    PunkteFront->setColor(QColor(230, 70, 30));
    PunkteFront->setBorderColor(QColor(140, 30, 10));
    PunkteFront->setMarkerSize(11);
    PunktAuswahl = new QScatterSeries(Chart);
    PunktAuswahl->setName(QStringLiteral("gewählt"));
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
    Uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    Uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    Uebernehmen->setToolTip(QStringLiteral("Die Werte der gewählten Variante in das "
                                           "Eingabefenster übernehmen"));
    Uebernehmen->setEnabled(false);
    Dezimalkomma = new QCheckBox(QStringLiteral("Dezimalkomma (Trenner „;“)"), this);
    Dezimalkomma->setObjectName(QStringLiteral("Dezimalkomma"));
    Exportieren = new QPushButton(QStringLiteral("CSV exportieren…"), this);
    Exportieren->setObjectName(QStringLiteral("Exportieren"));
    Exportieren->setEnabled(false);
    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
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
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Tabelle der Varianten exportieren"),
            QStringLiteral("varianten.csv"),
            QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"));
    };

    Taktgeber = new QTimer(this);
    Taktgeber->setInterval(TaktMs);
    connect(Taktgeber, &QTimer::timeout, this, [this] { Takt(); });

    EntwurfAnzeigen();
    DiagrammZeichnen();
}

TVariantenFenster::~TVariantenFenster() {
    if (Laeufer.joinable()) {
        Abbruch = true;
        Laeufer.join();
    }
}

void TVariantenFenster::Oeffnen() {
    if (!StudieGelaufen && !LaeuftGerade()) {
        const TRegisterParameter p = EingabeParameter();
        for (std::size_t i = 0; i < BedingungsZeilen; ++i)
            if (BedingungsVorgaben[i].Grenze == nullptr)
                GrenzFeld[i]->setText(ZahlZeigen(p.Frostgrenze, 1));
        Dezimalkomma->setChecked(LandMitDezimalKomma(p.Land));
    }
    show();
    raise();
    activateWindow();
}

TStudienEntwurf TVariantenFenster::Entwurf() const {
    TStudienEntwurf entwurf;
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        entwurf.Zeilen[i].Name = ParameterWahl[i]->currentData().toString().toStdString();
        entwurf.Zeilen[i].Liste = WerteFeld[i]->text().toStdString();
    }
    for (int i = 0; i < BodenWahl->count(); ++i)
        if (BodenWahl->item(i)->checkState() == Qt::Checked)
            entwurf.Boeden.push_back(static_cast<std::size_t>(i) + 1);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i)
        entwurf.Bedingungen.push_back({BedingungsWahl[i]->currentData().toString().toStdString(),
                                       Vergleich[i]->currentIndex() == 0,
                                       GrenzFeld[i]->text().toStdString()});
    return entwurf;
}

void TVariantenFenster::EntwurfAnzeigen() {
    if (Anzahl == nullptr || BodenHinweis == nullptr) return; // still being built
    const TEntwurfsPruefung pruefung = EntwurfPruefen(Entwurf());
    const QString fehlerFarbe = QStringLiteral("color: #b00000;");
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        const bool benutzt = !ParameterWahl[i]->currentData().toString().isEmpty();
        const QString fehler = QString::fromStdString(pruefung.ZeilenFehler[i]);
        WerteFeld[i]->setEnabled(benutzt && !LaeuftGerade());
        WerteFeld[i]->setStyleSheet(fehler.isEmpty() ? QString() : QString::fromLatin1(FalschStil));
        WerteFeld[i]->setToolTip(fehler);
        ZeilenHinweis[i]->setStyleSheet(fehler.isEmpty() ? QString() : fehlerFarbe);
        if (!fehler.isEmpty())
            ZeilenHinweis[i]->setText(fehler);
        else if (benutzt)
            ZeilenHinweis[i]->setText(
                pruefung.ZeilenWerte[i] == 1
                    ? QStringLiteral("1 Wert")
                    : QStringLiteral("%1 Werte").arg(pruefung.ZeilenWerte[i]));
        else
            ZeilenHinweis[i]->clear();
    }
    for (std::size_t i = 0; i < BedingungsZeilen; ++i) {
        const QString fehler = QString::fromStdString(pruefung.BedingungsFehler[i]);
        GrenzFeld[i]->setStyleSheet(fehler.isEmpty() ? QString() : QString::fromLatin1(FalschStil));
        GrenzFeld[i]->setToolTip(fehler);
        const bool benutzt = !BedingungsWahl[i]->currentData().toString().isEmpty();
        Vergleich[i]->setEnabled(benutzt && !LaeuftGerade());
        GrenzFeld[i]->setEnabled(benutzt && !LaeuftGerade());
        if (!fehler.isEmpty()) {
            GrenzEinheit[i]->setStyleSheet(fehlerFarbe);
            GrenzEinheit[i]->setText(fehler);
        } else {
            GrenzEinheit[i]->setStyleSheet(QString());
            BedingungEinheitZeigen(i);
        }
    }
    std::size_t boeden = 0;
    for (int i = 0; i < BodenWahl->count(); ++i)
        if (BodenWahl->item(i)->checkState() == Qt::Checked) ++boeden;
    BodenHinweis->setText(
        boeden == 0 ? QStringLiteral("Keine gewählt: es gilt der Boden des Eingabefensters.")
        : boeden == Bodenarten().size() - 1
            ? QStringLiteral("Alle %1 Bodenarten: jede Variante wird auf jedem Boden "
                             "gerechnet, vom besten bis zum schlechtesten.")
                  .arg(boeden)
            : QStringLiteral("%1 Bodenart(en) gewählt.").arg(boeden));

    if (pruefung.Gueltig()) {
        Anzahl->setStyleSheet(QString());
        Anzahl->setText(pruefung.Varianten == 1
                            ? QStringLiteral("1 Variante")
                            : QStringLiteral("%1 Varianten").arg(pruefung.Varianten));
        Anzahl->setToolTip(QString());
    } else {
        Anzahl->setStyleSheet(fehlerFarbe);
        Anzahl->setText(pruefung.Fehler.empty() ? QStringLiteral("Eingaben prüfen")
                                                : QString::fromStdString(pruefung.Fehler));
        Anzahl->setToolTip(Zeilen(pruefung.Meldungen()));
    }
    Anzahl->setWordWrap(!pruefung.Gueltig());
    BedingungenNachtragen(pruefung);
}

void TVariantenFenster::BedingungenNachtragen(const TEntwurfsPruefung& pruefung) {
    if (!StudieGelaufen || LaeuftGerade()) return;
    for (const std::string& fehler : pruefung.BedingungsFehler)
        if (!fehler.empty()) return;
    const auto berechnet = std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(),
                                         [](const TVariantenErgebnis& v) { return v.Berechnet; });
    if (berechnet == 0) return;
    std::vector<TBedingung> neu = BedingungenAufbauen(Entwurf());
    const auto gleich = [](const TBedingung& a, const TBedingung& b) {
        return a.Kennwert == b.Kennwert && a.Hoechstens == b.Hoechstens && a.Grenze == b.Grenze;
    };
    if (std::equal(neu.begin(), neu.end(), StudieStand.Bedingungen.begin(),
                   StudieStand.Bedingungen.end(), gleich))
        return;
    StudieStand.Bedingungen = std::move(neu);
    StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
    Modell->MarkenGeaendert();
    DiagrammZeichnen();
    const auto zulaessig =
        std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(), [](const TVariantenErgebnis& v) {
            return v.Berechnet && v.Verletzt.empty();
        });
    ZustandZeigen(QStringLiteral("Bedingungen geändert: %1 von %2 berechneten Varianten "
                                 "zulässig, ohne neue Rechnung.")
                      .arg(zulaessig)
                      .arg(berechnet));
}

void TVariantenFenster::BedingungEinheitZeigen(std::size_t zeile) {
    const std::string name = BedingungsWahl[zeile]->currentData().toString().toStdString();
    const TStudienKennwert* k = StudienKennwert(name);
    if (k == nullptr) {
        GrenzEinheit[zeile]->clear();
        return;
    }
    QString text = Text(k->Einheit);
    if (name == "TausMin" && Vergleich[zeile]->currentIndex() == 1)
        text += QStringLiteral("  (Frostgrenze des Projekts: %1 °C)")
                    .arg(ZahlZeigen(EingabeParameter().Frostgrenze, 1));
    GrenzEinheit[zeile]->setText(text);
}

void TVariantenFenster::EingabenSperren(bool gesperrt) {
    for (std::size_t i = 0; i < EntwurfZeilen; ++i)
        ParameterWahl[i]->setEnabled(!gesperrt);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i)
        BedingungsWahl[i]->setEnabled(!gesperrt);
    BodenWahl->setEnabled(!gesperrt);
    BodenAlle->setEnabled(!gesperrt);
    BodenKeine->setEnabled(!gesperrt);
    Faeden->setEnabled(!gesperrt);
    Starten->setEnabled(!gesperrt);
    Abbrechen->setEnabled(gesperrt);
    Exportieren->setEnabled(!gesperrt &&
                            std::any_of(ErgebnisStand.begin(), ErgebnisStand.end(),
                                        [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    Uebernehmen->setEnabled(!gesperrt && GewaehlteVariante() >= 0);
    EntwurfAnzeigen();
}

bool TVariantenFenster::StartenClick() {
    if (LaeuftGerade()) return false;
    const QString nicht = QStringLiteral("Die Studie wurde nicht gestartet:\n\n");
    const TStudienEntwurf entwurf = Entwurf();
    const TEntwurfsPruefung pruefung = EntwurfPruefen(entwurf);
    if (!pruefung.Gueltig()) {
        MeldungZeigen(this, QMessageBox::Warning, QString::fromUtf8(Titel),
                      nicht + Zeilen(pruefung.Meldungen()));
        return false;
    }
    if (!EingabenPruefen(this, QStringLiteral("Die Studie wurde nicht gestartet:"))) return false;
    const TRegisterParameter basis = EingabeParameter();
    if (!basis.EingebautesWetter) {
        MeldungZeigen(this, QMessageBox::Warning, QString::fromUtf8(Titel),
                      nicht + QStringLiteral("Eine Studie rechnet mit dem eingebauten Wetterjahr "
                                             "oder der Wetterdatei des Projekts, nicht mit dem "
                                             "Wetter eines früheren Berichts."));
        return false;
    }
    // the weather file and the schedule lie beside the project file, as for a single run
    TLaufDaten daten;
    try {
        daten = LaufDatenSammeln(basis, {{}, Sitzung.EingabeOrdner()}, TLaufZweck::Studie);
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Warning, QString::fromUtf8(Titel),
                      nicht + QString::fromUtf8(f.what()));
        return false;
    }
    QString hinweis;
    for (const std::string& text : daten.Hinweise)
        hinweis +=
            (hinweis.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(text);

    StudieStand = StudieAufbauen(basis, entwurf);
    StudienProjekt = Sitzung.ProjektNummer();
    Wetter = daten.Wetter;
    LaufWetter = Wetter.get();
    Fahrplan = basis.FahrplanGelesen ? daten.Fahrplan : nullptr;
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
    LaufErgebnis.clear();
    Abgelehnt.clear();
    LaufFehler.clear();
    Eingang.clear();
    Abbruch = false;
    Beendet = false;
    Rechnet = false;
    Geprueft = 0;
    Fertig = 0;
    StudieGelaufen = true;
    LetzterAusgang = TAusgang::Keiner;
    RechnenSeit = -1;
    DiagrammStand = -DiagrammAbstandMs; // the first variants drawn as they arrive
    Fortschritt->setRange(0, static_cast<int>(anzahl));
    Fortschritt->setValue(0);
    Fortschritt->setFormat(QStringLiteral("Prüfe %v von %m Varianten"));
    ZustandZeigen(hinweis.isEmpty() ? QStringLiteral("Jede Variante wird vor dem ersten Lauf "
                                                     "geprüft …")
                                    : hinweis);
    DiagrammZeichnen();
    Uhr.start();

    const unsigned faeden = static_cast<unsigned>(Faeden->value());
    Laeufer = std::thread([this, faeden] {
        try {
            TStudienRueckmeldung pruefen;
            pruefen.Fertig = &Geprueft;
            pruefen.Abbruch = &Abbruch;
            std::vector<std::string> meldungen =
                StudiePruefen(StudieStand, *LaufWetter, faeden, 20, pruefen);
            const bool abgebrochen = Abbruch.load();
            if (!abgebrochen && !meldungen.empty()) Abgelehnt = std::move(meldungen);
            if (!abgebrochen && Abgelehnt.empty()) {
                Rechnet = true;
                TStudienRueckmeldung rechnen;
                rechnen.Fertig = &Fertig;
                rechnen.Abbruch = &Abbruch;
                // in a worker's thread: ergebnis[nummer] is complete and only it writes there
                rechnen.NachVariante = [this](std::size_t nummer, const TKontext&) {
                    const std::lock_guard<std::mutex> sperre(EingangSchutz);
                    Eingang.emplace_back(nummer, LaufErgebnis[nummer]);
                };
                StudieRechnen(StudieStand, *LaufWetter, Fahrplan.get(), faeden, LaufErgebnis,
                              rechnen);
            }
        } catch (const std::exception& f) {
            LaufFehler = f.what();
        }
        Beendet.store(true, std::memory_order_release);
    });
    EingabenSperren(true);
    Taktgeber->start();
    return true;
}

void TVariantenFenster::AbbrechenClick() {
    if (!LaeuftGerade()) return;
    Abbruch = true;
    ZustandZeigen(QStringLiteral("Die Studie wird abgebrochen …"));
}

bool TVariantenFenster::EingangUebernehmen() {
    std::vector<std::pair<std::size_t, TVariantenErgebnis>> neu;
    {
        const std::lock_guard<std::mutex> sperre(EingangSchutz);
        neu.swap(Eingang);
    }
    if (neu.empty()) return false;
    std::vector<std::size_t> nummern;
    nummern.reserve(neu.size());
    for (auto& [nummer, v] : neu) {
        ErgebnisStand[nummer] = std::move(v);
        nummern.push_back(nummer);
    }
    StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
    Modell->ZeilenAnfuegen(nummern);
    Modell->MarkenGeaendert();
    return true;
}

void TVariantenFenster::Takt() {
    if (!LaeuftGerade()) return;
    const bool neu = EingangUebernehmen();
    const std::size_t anzahl = ErgebnisStand.size();
    if (Rechnet) {
        if (RechnenSeit < 0) {
            RechnenSeit = Uhr.elapsed();
            Fortschritt->setFormat(QStringLiteral("%v von %m Varianten berechnet"));
        }
        const std::size_t fertig = Fertig.load();
        Fortschritt->setValue(static_cast<int>(fertig));
        const double sekunden = static_cast<double>(Uhr.elapsed() - RechnenSeit) / 1000.0;
        const std::string rest = RestzeitText(RestzeitSchaetzen(fertig, anzahl, sekunden));
        if (!Abbruch)
            ZustandZeigen(
                rest.empty()
                    ? QStringLiteral("Die Restzeit wird geschätzt …")
                    : QStringLiteral("Die Studie läuft, %1.").arg(QString::fromStdString(rest)));
        Fortschritt->setFormat(rest.empty() ? QStringLiteral("%v von %m Varianten berechnet")
                                            : QStringLiteral("%v von %m Varianten berechnet – ") +
                                                  QString::fromStdString(rest));
    } else {
        Fortschritt->setValue(static_cast<int>(Geprueft.load()));
    }
    if (neu && Uhr.elapsed() - DiagrammStand >= DiagrammAbstandMs) {
        DiagrammStand = Uhr.elapsed();
        DiagrammZeichnen();
    }
    if (Beendet.load(std::memory_order_acquire)) LaufAbschliessen(true);
}

void TVariantenFenster::LaufAbschliessen(bool melden) {
    if (!Laeufer.joinable()) return;
    Laeufer.join();
    Taktgeber->stop();
    EingangUebernehmen();
    const qint64 dauer = Uhr.elapsed();
    const std::size_t anzahl = ErgebnisStand.size();
    const auto berechnet = static_cast<std::size_t>(
        std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(),
                      [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    const QString titel = QString::fromUtf8(Titel);

    if (!LaufFehler.empty()) {
        LetzterAusgang = TAusgang::Fehler;
        StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
        Modell->MarkenGeaendert();
        ZustandZeigen(QStringLiteral("Die Studie endete mit einem Fehler nach %1 von %2 "
                                     "Varianten: %3")
                          .arg(berechnet)
                          .arg(anzahl)
                          .arg(QString::fromStdString(LaufFehler)),
                      true);
        if (melden)
            MeldungZeigen(this, QMessageBox::Critical, titel,
                          QStringLiteral("Die Studie endete mit einem Fehler:\n\n") +
                              QString::fromStdString(LaufFehler));
    } else if (!Abgelehnt.empty()) {
        LetzterAusgang = TAusgang::Abgelehnt;
        ZustandZeigen(QStringLiteral("Die Studie wurde abgelehnt, nichts berechnet."), true);
        if (melden)
            MeldungZeigen(
                this, QMessageBox::Warning, titel,
                QStringLiteral("Die Studie wurde nicht gestartet: nicht jede der %1 Varianten "
                               "lässt sich berechnen.%2\n\n")
                        .arg(anzahl)
                        .arg(Abgelehnt.size() >= 20 ? QStringLiteral(" Die ersten 20:")
                                                    : QString()) +
                    Zeilen(Abgelehnt));
    } else {
        // the engine's own table carries the marks over all finished variants
        if (LaufErgebnis.size() == anzahl) {
            ErgebnisStand = std::move(LaufErgebnis);
            Modell->AlleZeigen();
        }
        if (Abbruch) {
            LetzterAusgang = TAusgang::Abgebrochen;
            ZustandZeigen(QStringLiteral("Abgebrochen: %1 von %2 Varianten berechnet (%3).")
                              .arg(berechnet)
                              .arg(anzahl)
                              .arg(Sekunden(dauer)));
        } else {
            LetzterAusgang = TAusgang::Fertig;
            const auto zulaessig = std::count_if(
                ErgebnisStand.begin(), ErgebnisStand.end(),
                [](const TVariantenErgebnis& v) { return v.Berechnet && v.Verletzt.empty(); });
            ZustandZeigen(QStringLiteral("Fertig: %1 Varianten in %2, davon %3 zulässig.")
                              .arg(anzahl)
                              .arg(Sekunden(dauer))
                              .arg(zulaessig));
        }
    }
    Fortschritt->setValue(static_cast<int>(Rechnet ? berechnet : Geprueft.load()));
    Fortschritt->setFormat(Rechnet ? QStringLiteral("%v von %m Varianten berechnet")
                                   : QStringLiteral("%v von %m Varianten geprüft"));
    LaufErgebnis.clear();
    EingabenSperren(false);
    DiagrammZeichnen();
    emit LaufBeendet();
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
        MeldungZeigen(this, QMessageBox::Information, QString::fromUtf8(Titel),
                      QStringLiteral("Bitte zuerst eine berechnete Variante in der Tabelle "
                                     "wählen."));
        return false;
    }
    TRegisterParameter p = EingabeParameter();
    const std::size_t boden = VarianteUebernehmen(p, StudieStand, static_cast<std::size_t>(nummer));
    ZustandZeigen(QStringLiteral("Variante %1 ins Eingabefenster übernommen.").arg(nummer + 1));
    emit VarianteGewaehlt(p, static_cast<int>(boden), StudienProjekt);
    return true;
}

bool TVariantenFenster::CsvExportieren() {
    QString datei = CsvDateiDialog();
    if (datei.isEmpty()) return false;
    if (QFileInfo(datei).suffix().isEmpty()) datei += QStringLiteral(".csv");
    try {
        DateiSchreiben(datei.toStdString(),
                       StudieAlsCsv(StudieStand, ErgebnisStand, Dezimalkomma->isChecked()));
    } catch (const TDateiFehler& f) {
        MeldungZeigen(this, QMessageBox::Critical, QString::fromUtf8(Titel),
                      QStringLiteral("Die Tabelle wurde nicht exportiert:\n\n") +
                          QString::fromUtf8(f.what()));
        return false;
    }
    ZustandZeigen(QStringLiteral("Tabelle nach %1 exportiert.").arg(datei));
    return true;
}

void TVariantenFenster::DiagrammZeichnen() {
    if (PunktAuswahl == nullptr) return; // still being built
    const TStudienKennwert* kx = StudienKennwert(AchseX->currentData().toString().toStdString());
    const TStudienKennwert* ky = StudienKennwert(AchseY->currentData().toString().toStdString());
    if (kx == nullptr || ky == nullptr) return;
    const bool ventilator = ParetoWahl->currentIndex() == 1;
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
        } else if (ventilator ? v.ParetoVentilator : v.ParetoRohrlaenge) {
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
    Chart->setTitle(StudieGelaufen ? QString() : QStringLiteral("Noch keine Studie gerechnet"));
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

void TVariantenFenster::ZustandZeigen(const QString& text, bool fehler) {
    Zustand->setStyleSheet(fehler ? QStringLiteral("color: #b00000;") : QString());
    Zustand->setText(text);
}

void TVariantenFenster::closeEvent(QCloseEvent* ereignis) {
    // a running study ends with the window: its thread must not outlive what it writes into
    if (LaeuftGerade()) {
        Abbruch = true;
        LaufAbschliessen(false);
    }
    QWidget::closeEvent(ereignis);
}

} // namespace kov
