#include "model/version.h"
#include "ui/anwendung.h"
#include "ui/kopflos.h"
#include "ui/neustart.h"
#include "ui/sprache.h"
#include "ui/start_fenster.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("%s\n", kov::VersionText("kov").c_str());
            return 0;
        }
        if (std::string_view(argv[i]) == "--help") {
            std::printf("Aufruf: kov [PROJEKT.kov]\n"
                        "Öffnet PROJEKT im Eingabefenster, ohne PROJEKT das Startfenster.\n\n%s",
                        kov::KopflosHilfe().c_str());
            return 0;
        }
        argumente.append(QString::fromLocal8Bit(argv[i]));
    }
    if (kov::KopflosGewuenscht(argumente)) {
        kov::TKopflosAufruf aufruf;
        try {
            aufruf = kov::KopflosAufrufLesen(argumente);
        } catch (const kov::TKopflosFehler& e) {
            std::cerr << e.what() << "\n" << kov::KopflosHilfe();
            return 2;
        }
        // the report needs fonts and painting, not a screen
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return kov::KopflosAusfuehren(aufruf, std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kov::ProgrammSymbol());
    // before the first window, whose texts are translated when it is built
    kov::TUebersetzung uebersetzung;
    uebersetzung.Laden(kov::SpracheBestimmen());
    // creates the chart storage, then the start, input, chart and info windows, all hidden
    kov::TAnwendung anwendung;
    const QString projekt = kov::StartProjekt(QApplication::arguments().mid(1));
    if (projekt.isEmpty() || !anwendung.ProjektBeimStartOeffnen(projekt))
        anwendung.Form3().showMaximized();
    const int ergebnis = QApplication::exec();
    // a change of language: the program again, once this one has saved and closed everything
    if (const auto& neustart = anwendung.Neustart();
        neustart && !kov::NeustartAusfuehren(*neustart)) {
        std::cerr << "kov: " << neustart->Programm.toStdString()
                  << " konnte nicht neu gestartet werden / could not be started again\n";
        return 1;
    }
    return ergebnis;
}
