#pragma once
// The picker of a built-in climate: region (number, station, region), kind of year and period,
// the summary of the chosen year before it is taken, and the station nearest to a given
// latitude and longitude; a small map of the stations on which a click chooses a region.

#include <QDialog>

#include <string>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace kov {

class TKlimaKarte;

class TKlimaDialog : public QDialog {
    Q_OBJECT
public:
    // klima: the climate to show first ("TRY2015-05-Jahr"); empty or unknown: region 1.
    explicit TKlimaDialog(QWidget* eltern, const std::string& klima = {});

    // The chosen climate by name, "TRY2045-12-Wint".
    std::string Klima() const;
    // Selects the station nearest to the point in the latitude and longitude fields.
    void NaechsteStationWaehlen();

private:
    void ZusammenfassungZeigen();

    QComboBox* Region = nullptr;
    QComboBox* Art = nullptr;
    QComboBox* Zeitraum = nullptr;
    QDoubleSpinBox* Breite = nullptr;
    QDoubleSpinBox* Laenge = nullptr;
    QLabel* Entfernung = nullptr;
    QLabel* Zusammenfassung = nullptr;
    TKlimaKarte* Karte = nullptr;
};

} // namespace kov
