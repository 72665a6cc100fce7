#pragma once
// The input window: pipe geometry, soil and operation of one earth register, the progress bar
// of the run, and the read-back of the fields into the parameter set.

#include "model/modell.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kov {

class TAnwendung;
class TFortschrittsBalken;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TAnwendung& anwendung);

    void Kreate();
    void Wertsetzen();
    void vSetzen();
    void CErdeChange();
    void WerteLesen();
    void BerechnenClick();
    void SchliessenClick();
    // Hides the chart window when this window becomes active or its background is clicked.
    void OnShow();

    // Before a run: every editable field must hold a well-formed number and the parameter set
    // with the fields taken over must be fit to run. Otherwise one message box names each
    // offending field and the result is false; nothing has been changed then.
    bool EingabenPruefen(QWidget* meldungsEltern);

    // Air velocity in one pipe as the window shows it (pi at full precision), m/s.
    static double GeschwindigkeitAnzeige(const TRegisterParameter& p);

    QLineEdit* ERohrlaenge = nullptr;
    QLineEdit* EDRohr = nullptr;
    QLineEdit* EWandstaerkeRohr = nullptr;
    QLineEdit* EAnzahlrohre = nullptr;
    QLineEdit* ETiefe = nullptr;
    QComboBox* CErde = nullptr;
    QLineEdit* ElambdaErde = nullptr;
    QLineEdit* ErhoErde = nullptr;
    QLineEdit* EcpErde = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* EVolumenstrom = nullptr;
    QLineEdit* Ev = nullptr;
    QLineEdit* EHeizgrenze = nullptr;
    QLineEdit* EKuehlgrenze = nullptr;
    QPushButton* Berechnen = nullptr;
    TFortschrittsBalken* ProgressBar1 = nullptr;
    QPushButton* Schliessen = nullptr;

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    TRegisterParameter& Parameter();
    // WerteLesen into any parameter set; a field that is not a number leaves its parameter.
    void FelderLesen(TRegisterParameter& p) const;
    QString ZeilenText(const QLineEdit* feld) const;

    TAnwendung& Anwendung;
};

} // namespace kov
