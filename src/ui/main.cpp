#include "ui/anwendung.h"
#include "ui/start_fenster.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kov::TAnwendung anwendung;
    anwendung.Form3().showMaximized();
    return app.exec();
}
