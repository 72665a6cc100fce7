#pragma once
// Two views of the evaluation window beside the classic ones: "Anlage", what the register
// changes in the ventilation unit behind it, and "Stunden", the hourly temperatures of any
// period of the year (a week at first), zoomed with the mouse wheel or the number of days and
// moved through the year with the scroll bar.

#include "ablauf/auswertungs_lauf.h"
#include "ui/anlage_diagramme.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QChartView;
class QLabel;
class QScrollBar;
class QSpinBox;
class QStackedWidget;

namespace kov {

// A tab of the evaluation window that saves its own picture.
class TBildQuelle {
public:
    virtual ~TBildQuelle() = default;
    virtual QString BildTitel() const = 0;
    virtual QString BildDateiName() const = 0; // without suffix
    // PNG or SVG after the suffix; TDateiFehler naming the file on a fault
    virtual void BildSpeichern(const QString& datei, QSize groesse) const = 0;
};

class TAnlagenAnsicht : public QWidget, public TBildQuelle {
    Q_OBJECT
public:
    explicit TAnlagenAnsicht(QWidget* eltern = nullptr);
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung);

    QString BildTitel() const override;
    QString BildDateiName() const override;
    void BildSpeichern(const QString& datei, QSize groesse) const override;

    // the charts: duration curves, frost-protection hours, preheater energy
    std::array<QChartView*, 3> Diagramme{};
    QLabel* Hinweis = nullptr; // shown instead of the charts without a unit
    QStackedWidget* Seiten = nullptr;

    // The text of the value at the position punkt of chart i's viewport.
    QString WertAn(std::size_t i, QPointF punkt) const;

signals:
    void WertGeaendert(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::shared_ptr<const TAuswertung> Auswertung;
    TZuluftDauerlinien Dauerlinien;
};

class TStundenAnsicht : public QWidget, public TBildQuelle {
    Q_OBJECT
public:
    explicit TStundenAnsicht(QWidget* eltern = nullptr);
    // Shows a new run; the period chosen stays.
    void Anzeigen(std::shared_ptr<const TAuswertung> auswertung);
    // Shows tage days from day ersterTag (1..365) on, both kept within the year.
    void ZeitraumSetzen(int ersterTag, int tage);
    int VonStunde() const;
    int BisStunde() const;
    // Lengthens (faktor > 1) or shortens the period by at least a day, the hour stunde keeping
    // its place in the chart (0: the first day stays).
    void Zoomen(double faktor, int stunde = 0);

    QString BildTitel() const override;
    QString BildDateiName() const override;
    void BildSpeichern(const QString& datei, QSize groesse) const override;

    QChartView* Diagramm = nullptr;
    QSpinBox* Tage = nullptr;   // length of the period, days
    QScrollBar* Lage = nullptr; // first day of the period
    QLabel* Zeitraum = nullptr; // the period in words

signals:
    void WertGeaendert(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Zeichnen();
    int StundeAn(QPointF punkt) const; // hour under a viewport position, 0 outside the plot

    std::shared_ptr<const TAuswertung> Auswertung;
    bool Setzt = false; // the controls are being set together: draw once afterwards
};

} // namespace kov
