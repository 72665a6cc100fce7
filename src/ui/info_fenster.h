#pragma once
// The info window: program name and version, the maker's contact details with a web and a mail
// link, and a literature reference.

#include <QLabel>
#include <QWidget>

class QMouseEvent;
class QPushButton;

namespace kov {

// A text line that reports a click with the left mouse button, released over the line.
class TVerweisLabel : public QLabel {
    Q_OBJECT
public:
    TVerweisLabel(const QString& text, QWidget* eltern);

signals:
    void Geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
};

class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4();

public slots:
    void Label3Click();
    void Label8Click();
    void Button1Click();

private:
    TVerweisLabel* Label3;
    TVerweisLabel* Label8;
    QPushButton* Button1;
};

} // namespace kov
