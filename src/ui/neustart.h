#pragma once
// Starting KOV anew, as a change of the interface's language needs: the same program with the
// project file the user was working on.

#include <QString>
#include <QStringList>

#include <string>

namespace kov {

struct TNeustartAufruf {
    QString Programm;
    QStringList Argumente;
    QString Arbeitsverzeichnis;
};

// The call that starts `programm` with `projektDatei` ("" for a project never saved: the new
// process shows the start window), in the working directory `arbeitsverzeichnis`.
TNeustartAufruf NeustartAufrufBilden(const QString& programm, const std::string& projektDatei,
                                     const QString& arbeitsverzeichnis);

// The project file named on kov's command line (the arguments after the program, Qt's own
// options already taken out): the first that is no option, or "".
QString StartProjekt(const QStringList& argumente);

// Starts the call as a process of its own that outlives this one; false when it cannot start.
bool NeustartAusfuehren(const TNeustartAufruf& aufruf);

} // namespace kov
