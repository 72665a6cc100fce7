#pragma once
// The start window: the program's title page and main window. Closing it ends the program.

#include <QByteArray>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace kov {

class TAnwendung;

// The JPEG data of the building-site picture stored in the program.
QByteArray StartbildDaten();

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(TAnwendung& anwendung);

    // Shows the decoded picture stretched over its area; data that does not decode leaves the
    // area empty.
    void BildZeigen(const QByteArray& jpeg);

public slots:
    void ButtonNeuClick();
    void ButtonLadenClick();
    void Info();
    void ButtonBeendenClick();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    TAnwendung& Anwendung;
    QLabel* Image1;
    QPushButton* ButtonLaden;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* ButtonBeenden;
};

} // namespace kov
