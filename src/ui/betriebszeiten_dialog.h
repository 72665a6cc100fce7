#pragma once
// The weekly operating times of the ventilation edited as a table: per weekday from-to and the
// share of the nominal flow, and the night flushing of the summer months. The table and the
// short form of the parameter Betriebszeiten ("Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6") follow each
// other; a short form with more than one period a day is edited as text.

#include "model/betriebszeiten.h"
#include "model/modell.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace kov {

// One row of the table: the hours Von..Bis of the clock (Bis 24 = midnight) at Anteil percent.
// The night row may run over midnight (Von > Bis).
struct TZeitZeile {
    bool Laeuft = false;
    int Von = 7;
    int Bis = 18;
    int Anteil = 100; // % of the nominal flow
    bool operator==(const TZeitZeile&) const = default;
};

struct TWochenPlan {
    std::array<TZeitZeile, 7> Tage{}; // Mo .. So
    TZeitZeile Nacht{true, 22, 6, 100};
};

// The table of zeiten: empty when a day (or the night) has more than one period, shares that
// change within a period or a share that is no whole percent, which only the text can hold.
std::optional<TWochenPlan> WochenPlanLesen(const TBetriebszeiten& zeiten);
// The short form of the table: equal neighbouring days joined ("Mo-Fr 7-18"), the night last.
// Empty when nothing runs.
std::string WochenPlanText(const TWochenPlan& plan);

// Hours per week of the weekly plan (the night flushing is not in it).
struct TWochenStunden {
    int Betrieb = 0;       // h with air flowing
    double Volllast = 0.0; // h at nominal flow that move the same air
    int Nacht = 0;         // h per night of the night flushing, June to August
};
TWochenStunden WochenStundenZaehlen(const TBetriebszeiten& zeiten);

class TBetriebszeitenDialog : public QDialog {
    Q_OBJECT
public:
    // text: the parameter Betriebszeiten; fahrplanGelesen: the schedule file is switched on,
    // which excludes a weekly plan.
    TBetriebszeitenDialog(QWidget* eltern, const std::string& text, bool fahrplanGelesen = false);

    // the short form as it stands, "" for operation at nominal flow round the clock
    std::string Text() const;
    // the reason the text is refused, "" when it reads
    const QString& Fehler() const { return FehlerText; }

    QCheckBox* Verwenden = nullptr;     // a weekly plan at all
    std::array<QCheckBox*, 8> Laeuft{}; // Mo .. So, the night last
    std::array<QSpinBox*, 8> Von{};
    std::array<QSpinBox*, 8> Bis{};
    std::array<QSpinBox*, 8> Anteil{};
    QLineEdit* Kurzform = nullptr;
    QLabel* Stunden = nullptr; // hours per week, or why the text is refused
    QLabel* Hinweis = nullptr; // the table cannot show the text / the schedule file
    QDialogButtonBox* Knoepfe = nullptr;

private:
    void TabelleGeaendert();
    void TextGeaendert();
    void TabelleSetzen(const TWochenPlan& plan);
    void Bewerten();

    bool Setzt = false;
    bool FahrplanGelesen = false;
    QString FehlerText;
};

// Opens the editor on p.Betriebszeiten; true when the user took a changed text over into p.
bool BetriebszeitenBearbeiten(QWidget* eltern, TRegisterParameter& p);

} // namespace kov
