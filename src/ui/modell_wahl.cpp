#include "ui/modell_wahl.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <iterator>

namespace kov {

namespace {

struct TModellText {
    const char* Name; // the value of the parameter Modell
    const char* Titel;
    const char* Satz;
};

constexpr TModellText Modelle[] = {
    {"klassisch", QT_TRANSLATE_NOOP("TModellWahl", "klassisch"),
     QT_TRANSLATE_NOOP("TModellWahl",
                       "Ein repräsentatives Rohr in radialen Erdringen, deren äußerer Rand die "
                       "ungestörte Erdtemperatur des Monats hält; Nachbarrohre, Oberfläche und "
                       "Luftfeuchte wirken nicht.")},
    {"register", QT_TRANSLATE_NOOP("TModellWahl", "Register"),
     QT_TRANSLATE_NOOP("TModellWahl",
                       "Alle Rohre nebeneinander im Erdreich unter der Oberfläche, die stündlich "
                       "mit der Außenluft Wärme tauscht, mit dem Kondensat der feuchten Luft; "
                       "die Gitterparameter des klassischen Modells gelten hier nicht.")},
};

QString Uebersetzt(const char* text) {
    return QCoreApplication::translate("TModellWahl", text);
}

} // namespace

QWidget* ModellWahlAnlegen(QLineEdit* feld, QWidget* eltern) {
    auto* rahmen = new QWidget(eltern);
    auto* spalte = new QVBoxLayout(rahmen);
    spalte->setContentsMargins(0, 0, 0, 0);
    auto* liste = new QComboBox(rahmen);
    liste->setObjectName(QStringLiteral("ModellWahl"));
    for (const TModellText& m : Modelle)
        liste->addItem(Uebersetzt(m.Titel), QString::fromLatin1(m.Name));
    auto* satz = new QLabel(rahmen);
    satz->setObjectName(QStringLiteral("ModellSatz"));
    satz->setWordWrap(true);
    spalte->addWidget(liste);
    spalte->addWidget(satz);
    feld->hide();

    const auto satzZeigen = [satz, liste] {
        const int i = liste->currentIndex();
        satz->setText(i >= 0 && i < static_cast<int>(std::size(Modelle))
                          ? Uebersetzt(Modelle[i].Satz)
                          : QString());
    };
    // a name the list does not know stays in the field, so the dialog's check names it
    const auto feldFolgen = [feld, liste, satzZeigen] {
        const int i = liste->findData(feld->text());
        if (i >= 0 && i != liste->currentIndex()) liste->setCurrentIndex(i);
        satzZeigen();
    };
    feldFolgen();
    QObject::connect(liste, &QComboBox::currentIndexChanged, feld, [feld, liste, satzZeigen] {
        const QString name = liste->currentData().toString();
        if (feld->text() != name) feld->setText(name);
        satzZeigen();
    });
    QObject::connect(feld, &QLineEdit::textChanged, liste, feldFolgen);
    return rahmen;
}

} // namespace kov
