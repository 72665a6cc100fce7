#pragma once
// The choice "Rechenmodell" in "Weitere Parameter": a list of the two ground models with one
// sentence on each, kept in step with the dialog's text field of the parameter Modell (which the
// dialog reads and checks like every other field).

class QLineEdit;
class QWidget;

namespace kov {

// A widget with the list and the chosen model's sentence, writing the model's name into feld
// whenever the choice changes and following feld's text when it is set from outside; feld
// itself is hidden.
QWidget* ModellWahlAnlegen(QLineEdit* feld, QWidget* eltern);

} // namespace kov
