#include "ui/neustart.h"

#include <QDir>
#include <QProcess>

namespace kov {

TNeustartAufruf NeustartAufrufBilden(const QString& programm, const std::string& projektDatei,
                                     const QString& arbeitsverzeichnis) {
    TNeustartAufruf aufruf{programm, {}, arbeitsverzeichnis};
    if (!projektDatei.empty()) {
        // absolute, so that the name cannot be read as an option and does not depend on the
        // directory the new process starts in
        aufruf.Argumente
            << QDir(arbeitsverzeichnis).absoluteFilePath(QString::fromStdString(projektDatei));
    }
    return aufruf;
}

QString StartProjekt(const QStringList& argumente) {
    for (const QString& a : argumente)
        if (!a.startsWith(QLatin1Char('-'))) return a;
    return {};
}

bool NeustartAusfuehren(const TNeustartAufruf& aufruf) {
    return QProcess::startDetached(aufruf.Programm, aufruf.Argumente, aufruf.Arbeitsverzeichnis);
}

} // namespace kov
