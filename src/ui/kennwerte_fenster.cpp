#include "ui/kennwerte_fenster.h"

#include "register/kennwerte_text.h"
#include "register/kosten_text.h"
#include "ui/kennwerte_tabellen.h"
#include "ui/kern_texte.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kov {

TKennwerteFenster::TKennwerteFenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("KennwerteFenster"));
    setWindowTitle(QCoreApplication::translate("kov::TKennwerteFenster",
                                               "Programm KOV:  Kennwerte des Erdregisters"));
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);
    move(96, 123); // over the chart window, offset so that both can be seen

    Tabelle = KennwerteTabelleAnlegen(this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Monatstabelle = MonatsTabelleAnlegen(this);
    Monatstabelle->setObjectName(QStringLiteral("Monatstabelle"));
    Aussage = new QLabel(this);
    Aussage->setObjectName(QStringLiteral("Aussage"));
    Aussage->setWordWrap(true);
    Pruefungstabelle = PruefungsTabelleAnlegen(this);
    Pruefungstabelle->setObjectName(QStringLiteral("Pruefungstabelle"));
    Kostentabelle = KostenTabelleAnlegen(this);
    Kostentabelle->setObjectName(QStringLiteral("Kostentabelle"));
    Aussage->hide();
    Pruefungstabelle->hide();
    Kostentabelle->hide();

    auto* hinweis =
        new QLabel(QCoreApplication::translate(
                       "kov::TKennwerteFenster",
                       "Energien und Ventilatorstrom über die Stunden 2 bis 8760 wie die "
                       "Jahressummen,\nExtremwerte, Stunden und Kondensat über alle 8760 "
                       "Stunden des Berichts."),
                   this);

    Kopieren =
        new QPushButton(QCoreApplication::translate("kov::TKennwerteFenster", "Kopieren"), this);
    Kopieren->setObjectName(QStringLiteral("Kopieren"));
    Kopieren->setToolTip(QCoreApplication::translate(
        "kov::TKennwerteFenster", "Beide Tabellen als Text in die Zwischenablage"));
    Schliessen =
        new QPushButton(QCoreApplication::translate("kov::TKennwerteFenster", "Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(Kopieren, &QPushButton::clicked, this, &TKennwerteFenster::KopierenClick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::hide);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Monatstabelle);
    rechts->addWidget(Kostentabelle);
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
    aussen->addWidget(Aussage);
    aussen->addWidget(Pruefungstabelle, 0, Qt::AlignLeft);
    aussen->addLayout(knoepfe);
    aussen->setSizeConstraint(QLayout::SetFixedSize);
}

void TKennwerteFenster::Anzeigen(const TKennwerte& kw, const TRegisterParameter& p,
                                 const TJahresErgebnis& e) {
    KennwerteTabellenFuellen(Tabelle, Monatstabelle, kw, p, e);
    TextSpeicher = QString::fromStdString(KennwerteAlsText(kw, p, e));
    // the check and costs of an earlier run must not stand beside these figures
    Aussage->hide();
    Pruefungstabelle->hide();
    Kostentabelle->hide();
}

void TKennwerteFenster::BewertungAnzeigen(const TBewertung& b) {
    Aussage->setText(tr("Auslegungsprüfung: %1").arg(AussageText(b.Pruefung)));
    PruefungsTabelleFuellen(Pruefungstabelle, b.Pruefung);
    KostenTabelleFuellen(Kostentabelle, b.Kosten);
    Aussage->show();
    Pruefungstabelle->show();
    Kostentabelle->show();
    TextSpeicher += QString::fromStdString(PruefungAlsText(b.Pruefung) + KostenAlsText(b.Kosten));
    AufDemBildschirmHalten();
}

// The window grows with the check and the costs: moved up (and left) as far as it takes to
// stay on its screen, never above or left of it.
void TKennwerteFenster::AufDemBildschirmHalten() {
    adjustSize();
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr) return;
    const QRect frei = bildschirm->availableGeometry();
    const QSize groesse = frameGeometry().size();
    QPoint ort = pos();
    ort.setX(std::max(frei.left(), std::min(ort.x(), frei.right() + 1 - groesse.width())));
    ort.setY(std::max(frei.top(), std::min(ort.y(), frei.bottom() + 1 - groesse.height())));
    move(ort);
}

void TKennwerteFenster::KopierenClick() {
    QGuiApplication::clipboard()->setText(TextSpeicher);
}

} // namespace kov
