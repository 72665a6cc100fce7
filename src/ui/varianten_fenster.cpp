#include "ui/varianten_fenster.h"

#include "ui/lauf_steuerung.h"
#include "ui/varianten_texte.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace kov {

using namespace varianten;

TVariantenFenster::TVariantenFenster(TSitzung& sitzung, TEingabeParameter eingabeParameter,
                                     TEingabenPruefen eingabenPruefen)
    : Sitzung(sitzung), EingabeParameter(std::move(eingabeParameter)),
      EingabenPruefen(std::move(eingabenPruefen)) {
    setObjectName(QStringLiteral("Variantenvergleich"));
    setWindowTitle(tr(Titel));
    resize(1360, 940);

    auto* aussen = new QVBoxLayout(this);
    EntwurfAufbauen(aussen);
    LaufAufbauen(aussen);
    ErgebnisAufbauen(aussen);

    EntwurfAnzeigen();
    DiagrammZeichnen();
}

TVariantenFenster::~TVariantenFenster() {
    // first, while everything its reports reach still exists; it stops and joins the study
    delete Lauf;
    // The table reads the study in place. A window still shown is closed by the base class
    // after the study is gone, and closing lays out the header, which would ask the table for
    // titles of the destroyed study: the view lets go of it now.
    Tabelle->setModel(nullptr);
}

void TVariantenFenster::ZustandZeigen(const QString& text, bool fehler) {
    Zustand->setStyleSheet(fehler ? QStringLiteral("color: #b00000;") : QString());
    Zustand->setText(text);
}

void TVariantenFenster::closeEvent(QCloseEvent* ereignis) {
    // a running study ends with the window, its finished variants kept
    if (LaeuftGerade()) {
        Melden = false;
        Lauf->AbbrechenUndWarten();
        Melden = true;
    }
    QWidget::closeEvent(ereignis);
}

} // namespace kov