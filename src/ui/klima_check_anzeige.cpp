#include "ui/klima_check_anzeige.h"

#include "ui/zahl_format.h"

#include "files/klima.h"
#include "register/kennwerte_text.h"
#include "ui/kern_texte.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kov {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TKlimaCheckAnzeige::TKlimaCheckAnzeige(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("KlimaCheck"));
    auto* titel = new QLabel(tr("<b>Klimacheck</b>"), this);
    Zustand = new QLabel(this);
    Zustand->setObjectName(QStringLiteral("KlimaCheckZustand"));
    Zustand->setWordWrap(true);
    Tabelle = new QTableWidget(this);
    Tabelle->setObjectName(QStringLiteral("KlimaCheckTabelle"));
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    Tabelle->hide();
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(titel);
    spalte->addWidget(Zustand);
    spalte->addWidget(Tabelle, 0, Qt::AlignLeft);
    OhneKlima();
}

void TKlimaCheckAnzeige::OhneKlima() {
    Jahre.clear();
    Tabelle->hide();
    Zustand->setText(
        tr("Der Klimacheck rechnet die Auslegung mit den Testreferenzjahren ihrer "
           "Region; er braucht ein eingebautes Klima (Wetter: „Eingebautes Klima…“)."));
}

void TKlimaCheckAnzeige::Rechnet(const std::string& klima) {
    Jahre.clear();
    Tabelle->hide();
    TKlimaWahl wahl;
    const QString region =
        KlimaWahlLesen(klima, wahl)
            ? tr("Region %1 %2").arg(wahl.Region).arg(Utf8(KlimaRegion(wahl.Region).Station))
            : Utf8(klima);
    Zustand->setText(tr("%1: die sechs Testreferenzjahre werden gerechnet …").arg(region));
}

void TKlimaCheckAnzeige::Fehlgeschlagen(const QString& meldung) {
    Jahre.clear();
    Tabelle->hide();
    Zustand->setText(tr("Klimacheck nicht gerechnet: %1").arg(meldung));
}

void TKlimaCheckAnzeige::Zeigen(const std::vector<TKlimaCheckJahr>& jahre) {
    if (jahre.empty()) return OhneKlima();
    const TKlimaRegion& region = KlimaRegion(jahre.front().Wahl.Region);
    Zustand->setText(
        tr("Region %1 %2 (%3). %4")
            .arg(region.Nummer)
            .arg(Utf8(region.Station), Utf8(region.Region), Utf8(KlimaQuellenHinweis)));
    const std::vector<TKlimaCheckZeile> zeilen = KlimaCheckZeilen(jahre);
    QStringList koepfe;
    for (const TKlimaCheckJahr& j : jahre)
        koepfe << tr("%1\n%2").arg(
            // the kinds of year as the climate dialog names them
            QCoreApplication::translate("kov::TKlimaDialog", KlimaArtText(j.Wahl.Art).data()),
            Utf8(KlimaPeriodenText(j.Wahl.Periode)));
    Tabelle->clear();
    Tabelle->setColumnCount(static_cast<int>(koepfe.size()));
    Tabelle->setRowCount(static_cast<int>(zeilen.size()));
    Tabelle->setHorizontalHeaderLabels(koepfe);
    QStringList namen;
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const TKlimaCheckZeile& zeile = zeilen[z];
        namen << tr("%1 [%2]").arg(KernText(zeile.Name), Utf8(zeile.Einheit));
        for (std::size_t s = 0; s < zeile.Werte.size(); ++s) {
            // as the figures beside it
            auto* zelle = new QTableWidgetItem(ZahlTextAnsicht(
                QString::fromStdString(KennwertZahl(zeile.Werte[s], zeile.Dezimalen))));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Tabelle->setItem(static_cast<int>(z), static_cast<int>(s), zelle);
        }
    }
    Tabelle->setVerticalHeaderLabels(namen);
    Jahre = jahre;
    Tabelle->resizeColumnsToContents();
    Tabelle->resizeRowsToContents();
    Tabelle->show();
}

} // namespace kov
