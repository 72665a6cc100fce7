#include "ui/pruef_anzeige.h"

#include "ui/kern_texte.h"
#include "ui/zahl_format.h"

#include <QGridLayout>
#include <QLabel>

namespace kov {

namespace {

// the nine rules the check holds; a line is made for each before the first figures
constexpr std::size_t RegelZahl = 9;

QString Farbe(TUrteil urteil) {
    switch (urteil) {
    case TUrteil::Erfuellt:
        return QStringLiteral("#1a7f37");
    case TUrteil::Hinweis:
        return QStringLiteral("#b76e00");
    case TUrteil::NichtErfuellt:
        return QStringLiteral("#b00000");
    }
    return {};
}

} // namespace

TPruefAnzeige::TPruefAnzeige(QWidget* eltern) : QGroupBox(tr("Auslegungsprüfung"), eltern) {
    setObjectName(QStringLiteral("PruefAnzeige"));
    Raster = new QGridLayout(this);
    Raster->setVerticalSpacing(4);
    Gesamt = new QLabel(QStringLiteral("–"), this);
    Gesamt->setObjectName(QStringLiteral("PruefGesamt"));
    Gesamt->setWordWrap(true);
    QFont fett = Gesamt->font();
    fett.setBold(true);
    Gesamt->setFont(fett);
    Raster->addWidget(Gesamt, 0, 0, 1, 3);
    for (std::size_t i = 0; i < RegelZahl; ++i)
        Zeile(i);
    Raster->setRowStretch(static_cast<int>(RegelZahl) + 1, 1);
    Raster->setColumnStretch(1, 1);
}

TPruefAnzeige::TZeile& TPruefAnzeige::Zeile(std::size_t i) {
    while (Zeilen.size() <= i) {
        const int reihe = static_cast<int>(Zeilen.size()) + 1;
        TZeile z;
        z.Zeichen = new QLabel(QStringLiteral("●"), this);
        z.Name = new QLabel(QStringLiteral("–"), this);
        z.Wert = new QLabel(QStringLiteral("–"), this);
        z.Wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Raster->addWidget(z.Zeichen, reihe, 0);
        Raster->addWidget(z.Name, reihe, 1);
        Raster->addWidget(z.Wert, reihe, 2);
        Zeilen.push_back(z);
    }
    return Zeilen[i];
}

QString TPruefAnzeige::RegelName(const TPruefRegel& regel) {
    const std::string& s = regel.Schluessel;
    if (s == "Luftgeschwindigkeit") return tr("Luftgeschwindigkeit");
    if (s == "Frost") return tr("Frost am Austritt");
    if (s == "Druckverlust") return tr("Druckverlust");
    if (s == "Verlegetiefe") return tr("Verlegetiefe");
    if (s == "Rohrabstand") return tr("Rohrabstand");
    if (s == "Turbulenz") return tr("Turbulente Strömung");
    if (s == "Kondensat") return tr("Kondensat");
    if (s == "Rohrlaenge") return tr("Nützliche Rohrlänge");
    if (s == "Wetter") return tr("Wetter des Standorts");
    return QString::fromStdString(regel.Bezeichnung);
}

void TPruefAnzeige::Zeigen(const std::vector<TPruefRegel>* regeln) {
    if (regeln == nullptr) {
        Gesamt->setText(QStringLiteral("–"));
        Gesamt->setStyleSheet(QString());
        for (TZeile& z : Zeilen) {
            z.Zeichen->setStyleSheet(QStringLiteral("color: #a0a0a0;"));
            z.Wert->setText(QStringLiteral("–"));
            z.Zeichen->setToolTip(QString());
        }
        return;
    }
    int verletzt = 0, hinweise = 0;
    for (std::size_t i = 0; i < regeln->size(); ++i) {
        const TPruefRegel& r = (*regeln)[i];
        TZeile& z = Zeile(i);
        const QString urteil = r.Urteil == TUrteil::Erfuellt  ? tr("erfüllt")
                               : r.Urteil == TUrteil::Hinweis ? tr("Hinweis")
                                                              : tr("nicht erfüllt");
        z.Zeichen->setStyleSheet(QStringLiteral("color: %1;").arg(Farbe(r.Urteil)));
        z.Zeichen->setAccessibleName(urteil);
        z.Name->setText(RegelName(r));
        z.Wert->setText(r.HatWert ? ZahlAnsicht(r.Wert, r.Dezimalen) + QLatin1Char(' ') +
                                        QString::fromUtf8(r.Einheit.data(),
                                                          static_cast<qsizetype>(r.Einheit.size()))
                                  : urteil);
        const QString erklaerung =
            tr("%1: %2. %3").arg(KernText(r.Bezeichnung), urteil, KernText(r.Erlaeuterung));
        for (QLabel* l : {z.Zeichen, z.Name, z.Wert})
            l->setToolTip(erklaerung);
        verletzt += r.Urteil == TUrteil::NichtErfuellt ? 1 : 0;
        hinweise += r.Urteil == TUrteil::Hinweis ? 1 : 0;
    }
    QString gesamt;
    if (verletzt == 0 && hinweise == 0)
        gesamt = tr("Erfüllt alle Prüfungen");
    else if (verletzt == 0)
        gesamt = tr("Erfüllt; Hinweise: %1").arg(hinweise);
    else if (hinweise == 0)
        gesamt = tr("Nicht erfüllt: %1").arg(verletzt);
    else
        gesamt = tr("Nicht erfüllt: %1; Hinweise: %2").arg(verletzt).arg(hinweise);
    Gesamt->setText(gesamt);
    Gesamt->setStyleSheet(QStringLiteral("color: %1;")
                              .arg(Farbe(verletzt > 0   ? TUrteil::NichtErfuellt
                                         : hinweise > 0 ? TUrteil::Hinweis
                                                        : TUrteil::Erfuellt)));
}

} // namespace kov
