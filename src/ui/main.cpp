#include "model/version.h"
#include "ui/anwendung.h"
#include "ui/start_fenster.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("%s\n", kov::VersionText("kov").c_str());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kov::ProgrammSymbol());
    // creates the chart storage, then the start, input, chart and info windows, all hidden
    kov::TAnwendung anwendung;
    anwendung.Form3().showMaximized();
    return QApplication::exec();
}
