#pragma once
// The result chart window: starts a run when it is shown, draws each month as the worker
// finishes it, redraws any month afterwards and puts the chart on the clipboard. Esc or
// "Abbrechen" stop the run at its next hour; a stopped run leaves results, charts and report as
// they were.

#include "model/modell.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <thread>
#include <utility>

class QPushButton;
class QTimer;

namespace kov {

class TAuswertungsFenster;
class TKennwerteFenster;
class TLaufSteuerung;
class TSitzung;
struct TAuswertung;
struct TEinzellaufErgebnis;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(TSitzung& sitzung, TLaufSteuerung& steuerung);
    // A run still going on is no longer shown; its busy cursor goes with the window.
    ~TForm1() override;

    // Showing a hidden window starts a run; hiding it stops a running one.
    void setVisible(bool sichtbar) override;

    // Starts a complete run on the worker; every month of every pass is drawn as soon as its
    // hours are computed. False when a run is already going on.
    bool Simulation();
    // After the next run that ends without fault, January is drawn (the input window's
    // "Berechnen").
    void JanuarNachDemLauf() { JanuarDanach = true; }
    // Stops the running run at its next hour.
    void AbbrechenClick();
    // The project was closed or replaced: a running run is dropped, the chart, the figures and
    // the evaluation are cleared and the window hidden.
    void ProjektSchliessen();
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
    // the thread the last finished run computed on
    std::thread::id LetzterRechenFaden() const { return RechenFaden; }

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
    QPushButton* Button18 = nullptr; // "Abbrechen", enabled while a run goes on
    TKennwerteFenster* Kennwerte = nullptr;
    TAuswertungsFenster* Auswertung = nullptr;

signals:
    // "Berechnung": the input window's fields are to be checked and taken over, then Simulation
    void BerechnungGewuenscht();
    // the progress bar: set to 0 of 12 at the start, one step per drawn month, 12 at the end
    void LaufBegonnen();
    void MonatGezeichnet();
    void LaufVollendet();
    // after every end of a run (finished, failed, stopped, dropped), once the window shows it
    void LaufBeendet();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void MonatFertig(int monat, std::shared_ptr<const TStundenReihen> reihen);
    void NaechstenMonatZeichnen();
    // ende once every month reported so far is drawn
    void NachDenMonaten(std::function<void()> ende);
    void LaufFertig(const TEinzellaufErgebnis& ergebnis);
    void LaufFehlgeschlagen(const QString& meldung);
    void LaufAbgebrochen();
    // the run is over: cursor back, buttons as the results allow
    void LaufEnde();
    void SanduhrAufheben();
    void KnoepfeSetzen();
    // the evaluation window shows the last run's evaluation
    void AuswertungFuellen();

    TSitzung& Sitzung;
    TLaufSteuerung& Steuerung;
    bool Lauf = false;
    bool Fehlerfrei = true;
    bool JanuarDanach = false;
    bool Sanduhr = false;
    bool Verworfen = false; // the run's project was closed while it ran
    // the series of the run as far as it went; null outside a run
    std::shared_ptr<const TStundenReihen> LaufReihen;
    QImage BildVorher; // the chart before the run, shown again when the run is stopped
    // months reported by the worker and not yet drawn, and the run's end waiting for them
    std::deque<std::pair<int, std::shared_ptr<const TStundenReihen>>> Warteschlange;
    QTimer* Zeichner = nullptr;
    std::function<void()> AufgeschobenesEnde;
    std::thread::id RechenFaden;
    std::shared_ptr<const TAuswertung> LetzteAuswertung;
    QString LetzteProjektdatei; // the project file of the last run, for its PDF report
    // why the study chose the last run's set, when it was a study's variant
    QStringList LetzteVariantenbegruendung;
};

} // namespace kov
