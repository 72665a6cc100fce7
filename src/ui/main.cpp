#include "ui/anwendung.h"
#include "ui/start_fenster.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // creates the chart storage, then the start, input, chart and info windows, all hidden
    kov::TAnwendung anwendung;
    anwendung.Form3().showMaximized();
    return QApplication::exec();
}
