#pragma once
// The result chart window: runs a simulation when it is shown, draws each month while the run
// advances, redraws any month afterwards and puts the chart on the clipboard.

#include <QString>
#include <QWidget>

class QPushButton;

namespace kov {

class TAnwendung;
class TAuswertungsFenster;
class TKennwerteFenster;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TAnwendung& anwendung);

    // Showing a hidden window runs the simulation once the window is on the screen.
    void setVisible(bool sichtbar) override;

    // A complete run, every month of every pass drawn as soon as its hours are computed.
    // False when it ended with a fault (reported in a message box).
    bool Simulation();
    void ZeichneMonat(const QString& monatsName, int ersteStunde, int tage);
    void Achsen(const QString& titel, const QString& untertitel, double xMin, double xMax,
                double yMin, double yMax, const QString& xText, const QString& yText,
                int dezimalen);
    void ZeichneGrafik(int ersteStunde, int stunden, double yMax, double yMin);
    // The month button's action for month 1..12.
    void MonatZeichnen(int monat);

    void Button2Click();
    void JanuarClick() { MonatZeichnen(1); }
    void FebruarClick() { MonatZeichnen(2); }
    void MaerzClick() { MonatZeichnen(3); }
    void AprilClick() { MonatZeichnen(4); }
    void MaiClick() { MonatZeichnen(5); }
    void JuniClick() { MonatZeichnen(6); }
    void JuliClick() { MonatZeichnen(7); }
    void AugustClick() { MonatZeichnen(8); }
    void SeptemberClick() { MonatZeichnen(9); }
    void OktoberClick() { MonatZeichnen(10); }
    void NovemberClick() { MonatZeichnen(11); }
    void DezemberClick() { MonatZeichnen(12); }
    void Button15Click();
    void Button1Click();
    // opens the design figures of the last run; enabled only after a run without fault
    void Button16Click();
    // opens the evaluation of the last run: views, pictures, CSV, PDF report; enabled like
    // Button16
    void Button17Click();

    bool LaufAktiv() const { return Lauf; }
    bool LetzterLaufFehlerfrei() const { return Fehlerfrei; }

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button14 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QPushButton* Button17 = nullptr;
    TKennwerteFenster* Kennwerte = nullptr;
    TAuswertungsFenster* Auswertung = nullptr;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void DarstellungAbwarten();

    TAnwendung& Anwendung;
    bool Lauf = false;
    bool Fehlerfrei = true;
};

} // namespace kov
