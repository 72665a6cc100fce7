#pragma once
// The start window: the program's title page and main window. Closing it ends the program.

#include <QByteArray>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace kov {

// The JPEG data of the building-site picture stored in the program.
QByteArray StartbildDaten();

class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3();

    // Shows the decoded picture stretched over its area; data that does not decode leaves the
    // area empty.
    void BildZeigen(const QByteArray& jpeg);

    // Asked before the program ends (unsaved changes); false keeps it open.
    std::function<bool()> DarfSchliessen;

public slots:
    void ButtonNeuClick();
    void ButtonLadenClick();
    void Info();
    void ButtonBeendenClick();

signals:
    void NeuesProjektGewuenscht();
    void ProjektLadenGewuenscht();
    void InfoGewuenscht();
    // the program ends: every other window goes
    void Geschlossen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QLabel* Image1;
    QPushButton* ButtonLaden;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* ButtonBeenden;
};

} // namespace kov
