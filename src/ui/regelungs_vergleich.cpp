#include "ui/regelungs_vergleich.h"

#include "ui/zahl_format.h"

#include "register/regelung.h"
#include "ui/datei_fehler_text.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMetaObject>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

namespace kov {

namespace {

constexpr int SpalteKlassisch = 1;
constexpr int SpalteBedarf = 2;

struct TVergleichsZeile {
    const char* Bezeichnung;
    const char* Einheit;
    double TKennwerte::*Wert;
    int Dezimalen;
};

// the figures in which the two modes differ for the building
const TVergleichsZeile VergleichsZeilen[] = {
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Nutzbare Heizenergie"), "kWh",
     &TKennwerte::HeizenergieNutzbar, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Nutzbare Kühlenergie"), "kWh",
     &TKennwerte::KuehlenergieNutzbar, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Unerwünschte Heizenergie"), "kWh",
     &TKennwerte::HeizenergieUnerwuenscht, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Unerwünschte Kühlenergie"), "kWh",
     &TKennwerte::KuehlenergieUnerwuenscht, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Ventilator-Stromverbrauch im Jahr"), "kWh",
     &TKennwerte::Ventilatorenergie, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich",
                       "Leistungszahl (nutzbare Energie / Ventilatorstrom)"),
     "–", &TKennwerte::Leistungszahl, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich",
                       "Leistungszahl brutto (alle Energie / Ventilatorstrom)"),
     "–", &TKennwerte::LeistungszahlBrutto, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Wirkungsgrad η, Heizperiode"), "%",
     &TKennwerte::WirkungsgradHeizperiode, 1},
    {QT_TRANSLATE_NOOP("kov::TRegelungsVergleich", "Mittlere Ansaugtemperatur, Heizperiode"), "°C",
     &TKennwerte::TausMittelHeizperiode, 1},
};
constexpr int ZeilenZahl = static_cast<int>(std::size(VergleichsZeilen));

// the table as large as its contents, every row and column visible without scrolling
void GroesseAnpassen(QTableWidget* tabelle) {
    // the row and header heights of the style the table will be shown in
    tabelle->ensurePolished();
    tabelle->horizontalHeader()->ensurePolished();
    tabelle->resizeColumnsToContents();
    tabelle->resizeRowsToContents();
    int breite = 2 * tabelle->frameWidth();
    for (int s = 0; s < tabelle->columnCount(); ++s) {
        tabelle->setColumnWidth(s, tabelle->columnWidth(s) + 6);
        breite += tabelle->columnWidth(s);
    }
    int hoehe = 2 * tabelle->frameWidth() + tabelle->horizontalHeader()->sizeHint().height();
    for (int z = 0; z < tabelle->rowCount(); ++z)
        hoehe += tabelle->rowHeight(z);
    tabelle->setFixedSize(breite, hoehe);
    // the labels below move with the table also when it grows in a tab not shown
    if (QWidget* eltern = tabelle->parentWidget(); eltern != nullptr && eltern->layout() != nullptr)
        eltern->layout()->activate();
}

QTableWidgetItem* Zelle(const QString& text, bool rechts) {
    auto* zelle = new QTableWidgetItem(text);
    zelle->setTextAlignment(Qt::AlignVCenter | (rechts ? Qt::AlignRight : Qt::AlignLeft));
    return zelle;
}

} // namespace

std::optional<TKennwerte> AndereRegelungRechnen(const TRegisterParameter& p,
                                                const std::string& eingabeOrdner,
                                                const std::atomic<bool>* abbruch) {
    return AndereRegelungRechnen(
        LaufDatenSammeln(p, {eingabeOrdner, eingabeOrdner}, TLaufZweck::Rechnung), abbruch);
}

QString HeizperiodeDefinitionen() {
    return QCoreApplication::translate(
        "kov::TRegelungsVergleich",
        "Heizperiode: die Stunden mit Aussenluft bis zur Heizgrenze. Wirkungsgrad η des Registers "
        "gegen das ungestörte Erdreich in Rohrtiefe: η = Σ R·(Taus − Tein) / Σ R·(TErde − Tein) "
        "über die Betriebsstunden der Heizperiode mit TErde > Tein, mit R dem relativen "
        "Volumenstrom der Stunde, Tein der Aussenluft, Taus dem Austritt des Registers und TErde "
        "der Monatstemperatur des Erdreichs am Rand des Modells: die Energie, die das Register "
        "gewinnt, geteilt durch die, die ein Register mit Austritt auf Erdreichtemperatur gewänne. "
        "Mittlere Ansaugtemperatur: Σ R·Taus / Σ R über die Stunden der Heizperiode mit "
        "Volumenstrom, die Temperatur, mit der das Lüftungsgerät im Mittel ansaugt.");
}

TRegelungsVergleich::TRegelungsVergleich(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("RegelungsVergleich"));
    auto* titel = new QLabel(
        tr("<b>Regelung im Vergleich:</b> klassische Freigabegrenzen und Regelung nach Bedarf"),
        this);
    Tabelle = new QTableWidget(ZeilenZahl, 4, this);
    Tabelle->setObjectName(QStringLiteral("Vergleichstabelle"));
    Tabelle->setHorizontalHeaderLabels({tr("Kennwert"), tr("Freigabegrenzen\n(klassisch)"),
                                        tr("nach Bedarf\n(Regelung=bedarf)"), tr("Einheit")});
    Tabelle->verticalHeader()->hide();
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setFocusPolicy(Qt::NoFocus);
    Tabelle->setWordWrap(false);
    Tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int z = 0; z < ZeilenZahl; ++z) {
        const TVergleichsZeile& zeile = VergleichsZeilen[z];
        Tabelle->setItem(
            z, 0,
            Zelle(QCoreApplication::translate("kov::TRegelungsVergleich", zeile.Bezeichnung),
                  false));
        Tabelle->setItem(z, SpalteKlassisch, Zelle({}, true));
        Tabelle->setItem(z, SpalteBedarf, Zelle({}, true));
        Tabelle->setItem(z, 3, Zelle(QString::fromUtf8(zeile.Einheit), false));
    }
    Stand = new QLabel(this);
    Stand->setObjectName(QStringLiteral("Stand"));
    Stand->setWordWrap(true);
    Definitionen = new QLabel(HeizperiodeDefinitionen(), this);
    Definitionen->setObjectName(QStringLiteral("Definitionen"));
    Definitionen->setWordWrap(true);
    // a paragraph of a readable width; the layout asks its height for the full width, so the
    // height it needs at this width is its minimum
    const int breite = Definitionen->fontMetrics().averageCharWidth() * 120;
    Definitionen->setMaximumWidth(breite);
    Definitionen->setMinimumHeight(Definitionen->heightForWidth(breite));
    Definitionen->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(titel);
    aussen->addWidget(Tabelle, 0, Qt::AlignLeft);
    aussen->addWidget(Stand);
    aussen->addWidget(Definitionen);
}

TRegelungsVergleich::~TRegelungsVergleich() {
    Anhalten();
}

void TRegelungsVergleich::Anhalten() {
    Abbruch = true;
    if (Faden.joinable()) Faden.join();
    Abbruch = false;
}

void TRegelungsVergleich::SpalteFuellen(int spalte, const TKennwerte& kw) {
    for (int z = 0; z < ZeilenZahl; ++z) {
        const TVergleichsZeile& zeile = VergleichsZeilen[z];
        double wert = kw.*zeile.Wert;
        if (zeile.Wert == &TKennwerte::WirkungsgradHeizperiode) wert *= 100;
        // the number form of the figures beside the table
        Tabelle->item(z, spalte)->setText(ZahlAnsicht(wert, zeile.Dezimalen));
    }
}

void TRegelungsVergleich::Anzeigen(std::shared_ptr<const TAuswertung> a,
                                   const std::string& eingabeOrdner) {
    Anhalten();
    const std::uint64_t nummer = ++Nummer;
    const TRegisterParameter& p = a->Modell->Parameter;
    const bool bedarf = BedarfsRegelung(p);
    const int eigene = bedarf ? SpalteBedarf : SpalteKlassisch;
    const int andere = bedarf ? SpalteKlassisch : SpalteBedarf;
    for (int z = 0; z < ZeilenZahl; ++z)
        Tabelle->item(z, andere)->setText(QStringLiteral("…"));
    SpalteFuellen(eigene, a->Kennwerte);
    GroesseAnpassen(Tabelle);
    Stand->setText(bedarf ? tr("Die Spalte der Freigabegrenzen wird gerechnet …")
                          : tr("Die Spalte der Regelung nach Bedarf wird gerechnet …"));
    Offen = true;
    Faden = std::thread([this, p, eingabeOrdner, nummer, andere] {
        QString fehler;
        std::optional<TKennwerte> kw;
        try {
            kw = AndereRegelungRechnen(p, eingabeOrdner, &Abbruch);
            if (!kw) return; // stopped for a newer run or the window's end
        } catch (const std::exception& f) {
            fehler = AusnahmeText(f);
        }
        QMetaObject::invokeMethod(
            this,
            [this, kw, fehler, nummer, andere] {
                if (nummer != Nummer) return;
                Offen = false;
                if (kw) {
                    SpalteFuellen(andere, *kw);
                    GroesseAnpassen(Tabelle);
                    Stand->setText(tr("Beide Spalten: dasselbe Projekt, nur die Regelung anders."));
                } else {
                    for (int z = 0; z < ZeilenZahl; ++z)
                        Tabelle->item(z, andere)->setText(QStringLiteral("–"));
                    Stand->setText(
                        tr("Die andere Regelung ließ sich nicht rechnen: %1").arg(fehler));
                }
                emit Verglichen();
            },
            Qt::QueuedConnection);
    });
}

} // namespace kov
