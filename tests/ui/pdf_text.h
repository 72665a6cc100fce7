#pragma once
// The text of a PDF as poppler's pdftotext reads it, for tests of what a report says.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace kov::test {

// The text of datei; "" without pdftotext.
inline QString PdfText(const QString& datei, const QStringList& optionen = {}) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), optionen + QStringList{datei, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace kov::test
