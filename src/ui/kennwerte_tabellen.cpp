#include "ui/kennwerte_tabellen.h"

#include "register/kennwerte_text.h"
#include "register/kosten_text.h"
#include "ui/kern_texte.h"
#include "ui/regelungs_vergleich.h"
#include "ui/zahl_format.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

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
    const QString inhalt = QString::fromStdString(text);
    // the figures' columns hold numbers as the core writes them
    auto* zelle = new QTableWidgetItem(rechts ? ZahlTextAnsicht(inhalt) : inhalt);
    zelle->setTextAlignment(Qt::AlignVCenter | (rechts ? Qt::AlignRight : Qt::AlignLeft));
    tabelle->setItem(zeile, spalte, zelle);
}

// the core names the rows "Januar" .. "Dezember" and "Jahr"
std::string MonatsZeile(const std::string& name) {
    const QString text = name == "Jahr" ? QCoreApplication::translate("kov::Diagramme", "Jahr")
                                        : QCoreApplication::translate("kov::Monate", name.c_str());
    return text.toStdString();
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

QTableWidget* KennwerteTabelleAnlegen(QWidget* eltern) {
    return TabelleAnlegen(eltern,
                          {QCoreApplication::translate("kov::TKennwerteFenster", "Kennwert"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Wert"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Einheit"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Zeitpunkt")});
}

QTableWidget* MonatsTabelleAnlegen(QWidget* eltern) {
    return TabelleAnlegen(
        eltern, {QCoreApplication::translate("kov::TKennwerteFenster", "Monat"),
                 QCoreApplication::translate("kov::TKennwerteFenster", "Heizenergie\nkWh"),
                 QCoreApplication::translate("kov::TKennwerteFenster", "Kühlenergie\nkWh"),
                 QCoreApplication::translate("kov::TKennwerteFenster", "Kondensat\nkg")});
}

void KennwerteTabellenFuellen(QTableWidget* tabelle, QTableWidget* monatstabelle,
                              const TKennwerte& kw, const TRegisterParameter& p,
                              const TJahresErgebnis& e) {
    const std::vector<TKennwertZeile> zeilen = KennwerteZeilen(kw, p);
    tabelle->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const TKennwertZeile& zeile = zeilen[static_cast<std::size_t>(z)];
        ZelleSetzen(tabelle, z, 0, KernText(zeile.Bezeichnung).toStdString(), false);
        ZelleSetzen(tabelle, z, 1, zeile.Wert, true);
        ZelleSetzen(tabelle, z, 2, zeile.Einheit, false);
        ZelleSetzen(tabelle, z, 3, KernText(zeile.Zeitpunkt).toStdString(), false);
        // the heating-period figures carry their definitions
        if (zeile.Bezeichnung.starts_with("Wirkungsgrad η") ||
            zeile.Bezeichnung.starts_with("Mittlere Ansaugtemperatur"))
            for (int s = 0; s < 4; ++s)
                tabelle->item(z, s)->setToolTip(HeizperiodeDefinitionen());
    }
    const std::vector<TKennwertMonat> monate = KennwerteMonatsZeilen(kw, e);
    monatstabelle->setRowCount(static_cast<int>(monate.size()));
    for (int z = 0; z < static_cast<int>(monate.size()); ++z) {
        const TKennwertMonat& monat = monate[static_cast<std::size_t>(z)];
        ZelleSetzen(monatstabelle, z, 0, MonatsZeile(monat.Monat), false);
        ZelleSetzen(monatstabelle, z, 1, monat.Heizenergie, true);
        ZelleSetzen(monatstabelle, z, 2, monat.Kuehlenergie, true);
        ZelleSetzen(monatstabelle, z, 3, monat.Kondensat, true);
    }
    // the year's sums set apart from the months
    QFont fett = monatstabelle->font();
    fett.setBold(true);
    for (int s = 0; s < monatstabelle->columnCount(); ++s)
        monatstabelle->item(static_cast<int>(monate.size()) - 1, s)->setFont(fett);
    GroesseAnpassen(tabelle);
    GroesseAnpassen(monatstabelle);
}

QTableWidget* PruefungsTabelleAnlegen(QWidget* eltern) {
    return TabelleAnlegen(eltern,
                          {QCoreApplication::translate("kov::TKennwerteFenster", "Prüfung"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Wert"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Grenze"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Urteil")});
}

void PruefungsTabelleFuellen(QTableWidget* tabelle, const std::vector<TPruefRegel>& regeln) {
    const std::vector<TPruefZeile> zeilen = PruefZeilen(regeln);
    tabelle->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const TPruefZeile& zeile = zeilen[static_cast<std::size_t>(z)];
        ZelleSetzen(tabelle, z, 0, KernText(zeile.Bezeichnung).toStdString(), false);
        ZelleSetzen(tabelle, z, 1,
                    GroesseTextAnsicht(QString::fromStdString(zeile.Wert)).toStdString(), true);
        ZelleSetzen(tabelle, z, 2,
                    GroesseTextAnsicht(QString::fromStdString(zeile.Grenze)).toStdString(), false);
        ZelleSetzen(tabelle, z, 3, KernText(zeile.Urteil).toStdString(), false);
        const TUrteil urteil = regeln[static_cast<std::size_t>(z)].Urteil;
        for (int s = 0; s < tabelle->columnCount(); ++s) {
            QTableWidgetItem* zelle = tabelle->item(z, s);
            zelle->setToolTip(KernText(zeile.Erlaeuterung));
            if (urteil == TUrteil::NichtErfuellt) zelle->setBackground(QColor(255, 214, 214));
            if (urteil == TUrteil::Hinweis) zelle->setBackground(QColor(255, 243, 196));
        }
    }
    GroesseAnpassen(tabelle);
}

QTableWidget* KostenTabelleAnlegen(QWidget* eltern) {
    return TabelleAnlegen(eltern,
                          {QCoreApplication::translate("kov::TKennwerteFenster", "Kosten"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Wert"),
                           QCoreApplication::translate("kov::TKennwerteFenster", "Einheit")});
}

void KostenTabelleFuellen(QTableWidget* tabelle, const TWirtschaftlichkeit& w) {
    const std::vector<TKennwertZeile> zeilen = KostenUebersicht(w);
    tabelle->setRowCount(static_cast<int>(zeilen.size()));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z) {
        const TKennwertZeile& zeile = zeilen[static_cast<std::size_t>(z)];
        ZelleSetzen(tabelle, z, 0, KernText(zeile.Bezeichnung).toStdString(), false);
        ZelleSetzen(tabelle, z, 1, zeile.Wert, true);
        ZelleSetzen(tabelle, z, 2, zeile.Einheit, false);
    }
    GroesseAnpassen(tabelle);
}

} // namespace kov
