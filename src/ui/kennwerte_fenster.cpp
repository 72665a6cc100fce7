#include "ui/kennwerte_fenster.h"

#include "register/kennwerte_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kov {

namespace {

QTableWidget* TabelleAnlegen(QWidget* eltern, const QStringList& koepfe) {
    auto* tabelle = new QTableWidget(0, static_cast<int>(koepfe.size()), eltern);
    tabelle->setHorizontalHeaderLabels(koepfe);
    tabelle->verticalHeader()->hide();
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tabelle->setWordWrap(false);
    tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabelle->horizontalHeader()->setHighlightSections(false);
    // no cell stands out as current when the window opens
    tabelle->setFocusPolicy(Qt::NoFocus);
    return tabelle;
}

void ZelleSetzen(QTableWidget* tabelle, int zeile, int spalte, const std::string& text,
                 bool rechts) {
    auto* zelle = new QTableWidgetItem(QString::fromStdString(text));
    zelle->setTextAlignment(Qt::AlignVCenter | (rechts ? Qt::AlignRight : Qt::AlignLeft));
    tabelle->setItem(zeile, spalte, zelle);
}

// The table as large as its contents: every row and column visible without scrolling.
void GroesseAnpassen(QTableWidget* tabelle) {
    tabelle->resizeColumnsToContents();
    tabelle->resizeRowsToContents();
    int breite = 2 * tabelle->frameWidth();
    for (int s = 0; s < tabelle->columnCount(); ++s) {
        tabelle->setColumnWidth(s, tabelle->columnWidth(s) + 6); // air beside the text
        breite += tabelle->columnWidth(s);
    }
    int hoehe = 2 * tabelle->frameWidth() + tabelle->horizontalHeader()->sizeHint().height();
    for (int z = 0; z < tabelle->rowCount(); ++z)
        hoehe += tabelle->rowHeight(z);
    tabelle->setFixedSize(breite, hoehe);
}

} // namespace

TKennwerteFenster::TKennwerteFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("KennwerteFenster"));
    setWindowTitle(QStringLiteral("Programm KOV:  Kennwerte des Erdregisters"));
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);
    move(96, 123); // over the chart window, offset so that both can be seen

    Tabelle = TabelleAnlegen(this, {QStringLiteral("Kennwert"), QStringLiteral("Wert"),
                                    QStringLiteral("Einheit"), QStringLiteral("Zeitpunkt")});
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Monatstabelle =
        TabelleAnlegen(this, {QStringLiteral("Monat"), QStringLiteral("Heizenergie\nkWh"),
                              QStringLiteral("Kühlenergie\nkWh"), QStringLiteral("Kondensat\nkg")});
    Monatstabelle->setObjectName(QStringLiteral("Monatstabelle"));

    auto* hinweis = new QLabel(
        QStringLiteral("Energien und Ventilatorstrom über die Stunden 2 bis 8760 wie die "
                       "Jahressummen,\nExtremwerte, Stunden und Kondensat über alle 8760 "
                       "Stunden des Berichts."),
        this);

    Kopieren = new QPushButton(QStringLiteral("Kopieren"), this);
    Kopieren->setObjectName(QStringLiteral("Kopieren"));
    Kopieren->setToolTip(QStringLiteral("Beide Tabellen als Text in die Zwischenablage"));
    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(Kopieren, &QPushButton::clicked, this, &TKennwerteFenster::KopierenClick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::hide);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Monatstabelle);
    rechts->addStretch(1);
    auto* tabellen = new QHBoxLayout;
    tabellen->addWidget(Tabelle, 0, Qt::AlignTop);
    tabellen->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Kopieren);
    knoepfe->addWidget(Schliessen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(tabellen);
    aussen->addWidget(hinweis);
    aussen->addLayout(knoepfe);
    aussen->setSizeConstraint(QLayout::SetFixedSize);
}

void TKennwerteFenster::Anzeigen(const TKennwerte& kw, const TRegisterParameter& p,
                                 const TJahresErgebnis& e) {
    const std::vector<TKennwertZeile> zeilen = KennwerteZeilen(kw, p);
    Tabelle->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const TKennwertZeile& zeile = zeilen[static_cast<std::size_t>(z)];
        ZelleSetzen(Tabelle, z, 0, zeile.Bezeichnung, false);
        ZelleSetzen(Tabelle, z, 1, zeile.Wert, true);
        ZelleSetzen(Tabelle, z, 2, zeile.Einheit, false);
        ZelleSetzen(Tabelle, z, 3, zeile.Zeitpunkt, false);
    }
    const std::vector<TKennwertMonat> monate = KennwerteMonatsZeilen(kw, e);
    Monatstabelle->setRowCount(static_cast<int>(monate.size()));
    for (int z = 0; z < static_cast<int>(monate.size()); ++z) {
        const TKennwertMonat& monat = monate[static_cast<std::size_t>(z)];
        ZelleSetzen(Monatstabelle, z, 0, monat.Monat, false);
        ZelleSetzen(Monatstabelle, z, 1, monat.Heizenergie, true);
        ZelleSetzen(Monatstabelle, z, 2, monat.Kuehlenergie, true);
        ZelleSetzen(Monatstabelle, z, 3, monat.Kondensat, true);
    }
    // the year's sums set apart from the months
    QFont fett = font();
    fett.setBold(true);
    for (int s = 0; s < Monatstabelle->columnCount(); ++s)
        Monatstabelle->item(static_cast<int>(monate.size()) - 1, s)->setFont(fett);
    GroesseAnpassen(Tabelle);
    GroesseAnpassen(Monatstabelle);
    TextSpeicher = QString::fromStdString(KennwerteAlsText(kw, p, e));
}

void TKennwerteFenster::KopierenClick() {
    QGuiApplication::clipboard()->setText(TextSpeicher);
}

} // namespace kov
