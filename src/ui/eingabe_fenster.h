#pragma once
// The input window: pipe geometry, soil and operation of one earth register, the progress bar
// of the run, and the read-back of the fields into the parameter set.

#include "model/modell.h"
#include "ui/kennwert_vorschau.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolButton;

namespace kov {

class TFortschrittsBalken;
class TPruefAnzeige;

class TSitzung;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TSitzung& sitzung);

    void Kreate();
    void Wertsetzen();
    void vSetzen();
    void CErdeChange();
    // The soil list names the soil whose three values the parameter set holds, or says
    // "benutzerdefiniert" when they are those of no soil; the fields stay as they are.
    void BodenartZeigen();
    void WerteLesen();
    // Asks for a run of the fields' values in the chart window.
    void BerechnenClick();
    void SchliessenClick();
    // The window became active or its background was clicked: the chart window may close.
    void OnShow();

    // Before a run: every editable field must hold a well-formed number and the parameter set
    // with the fields taken over must be fit to run. Otherwise one message box names each
    // offending field and the result is false; nothing has been changed then.
    bool EingabenPruefen(QWidget* meldungsEltern, const QString& ueberschrift = QStringLiteral(
                                                      "Die Berechnung wurde nicht gestartet:"));

    // What is wrong with the editable fields, one line per field that holds no number.
    QStringList EingabeFehler() const;

    // Air velocity in one pipe as the window shows it (pi at full precision), m/s.
    static double GeschwindigkeitAnzeige(const TRegisterParameter& p);

    // The project commands. Each that would drop unsaved changes asks first; false when the
    // user cancelled or the command failed (the failure is shown).
    bool ProjektNeu();
    bool ProjektOeffnen();
    // Loads the project file; a refused file is reported and changes nothing.
    bool ProjektLaden(const QString& datei);
    bool ProjektSpeichern();
    bool ProjektSpeichernUnter();
    bool ProjektSpeichernNach(const QString& datei);
    // A variant's parameter set in the fields, boden the soil item it was run with (0: none).
    void VarianteZeigen(const TRegisterParameter& p, int boden);
    // The dialog with every settable parameter; true when its values were taken over.
    bool WeitereParameter();
    // With unsaved changes: "Speichern", "Verwerfen" (back to the saved state) or "Abbrechen".
    // True when the caller may go on.
    bool AenderungenKlaeren();
    // The parameter set with the input window's fields read in (fields that are no number
    // leave their parameter).
    TRegisterParameter AktuelleParameter() const;
    // Compares the input with the saved state and shows it in the title.
    void AenderungPruefen();
    // The folder the project's input file names are relative to ("" = working directory).
    std::string EingabeOrdner() const;

    // Site weather: reads the file, shows its summary and takes it over when the user agrees
    // (without asking when fragen is false). False for a file that cannot be read.
    bool WetterDateiWaehlen(const QString& pfad, bool fragen = true);
    void EingebautesWetterWaehlen();
    // Edit1: the site of the weather file, or the built-in year's name.
    void WetterAnzeigen();

    // The file dialogs, replaceable by tests: an empty name means cancelled.
    std::function<QString(bool speichern)> ProjektDateiDialog;
    std::function<QString()> WetterDateiDialog;

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
    QToolButton* WetterKnopf = nullptr;
    QMenuBar* Menue = nullptr;
    // the live figures: recomputed a moment after each edit
    QGroupBox* KennwerteKasten = nullptr;
    QLabel* KTausMin = nullptr;
    QLabel* KHeizenergie = nullptr;
    QLabel* KKuehlenergie = nullptr;
    QLabel* KDruckverlust = nullptr;
    QLabel* KGeschwindigkeit = nullptr;
    QLabel* KLeistungszahl = nullptr;
    QLabel* KZustand = nullptr; // "wird berechnet", or why nothing can be computed
    TKennwertVorschau* Vorschau = nullptr;
    TPruefAnzeige* Pruefung = nullptr; // the design check beside the live figures
    // the figures shown; true when they are those of the fields as they are now
    const TVorschauWerte& Kennwerte() const { return LetzteKennwerte; }
    bool KennwerteAktuell() const { return KennwerteGueltig && !Vorschau->Rechnet(); }
    QAction* AktionNeu = nullptr;
    QAction* AktionOeffnen = nullptr;
    QAction* AktionSpeichern = nullptr;
    QAction* AktionSpeichernUnter = nullptr;
    QAction* AktionWeitereParameter = nullptr;
    QAction* AktionVariantenvergleich = nullptr;

signals:
    void BerechnenGewuenscht();
    void Aktiviert();
    void StartfensterGewuenscht();
    void VariantenvergleichGewuenscht();
    // another project is shown (new, opened, or the saved state again): what belonged to the
    // one before is closed
    void ProjektGewechselt();
    // the language was changed in the menu and KOV is to start again with it now
    void NeustartGewuenscht();

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void KennwerteAnlegen();
    void KennwerteAnfordern();
    void KennwerteZeigen(const TVorschauWerte* werte, const QString& grund);
    TRegisterParameter& Parameter();
    void ProjektUebernehmen(const TRegisterParameter& p, const std::string& datei);
    bool FelderGueltig() const;
    // WerteLesen into any parameter set; a field that is not a number leaves its parameter.
    void FelderLesen(TRegisterParameter& p) const;
    QString ZeilenText(const QLineEdit* feld) const;

    TSitzung& Sitzung;
    TVorschauWerte LetzteKennwerte;
    bool KennwerteGueltig = false;
};

} // namespace kov
