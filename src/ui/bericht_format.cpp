#include "ui/bericht_format.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kov {

namespace {

// digits and an optional fraction as the C locale writes them; the sign is the caller's
QString ZifferGruppen(const QLocale& ort, const QString& ganz, const QString& bruch) {
    QString text;
    if (ganz.size() >= 5 && ort.language() != QLocale::C) {
        for (qsizetype i = 0; i < ganz.size(); ++i) {
            if (i > 0 && (ganz.size() - i) % 3 == 0) text += SchmalesLeerzeichen;
            text += ganz[i];
        }
    } else {
        text = ganz;
    }
    if (!bruch.isEmpty()) text += ort.decimalPoint() + bruch;
    return text;
}

} // namespace

QString BerichtZahl(const QLocale& ort, double wert, int dezimalen) {
    QString c = QString::number(wert, 'f', dezimalen);
    const bool negativ = c.startsWith(QLatin1Char('-'));
    if (negativ) c.remove(0, 1);
    const qsizetype punkt = c.indexOf(QLatin1Char('.'));
    const QString ganz = punkt < 0 ? c : c.left(punkt);
    const QString bruch = punkt < 0 ? QString() : c.mid(punkt + 1);
    const bool null = !c.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negativ && !null ? ort.negativeSign() : QString()) + ZifferGruppen(ort, ganz, bruch);
}

QString ZahlenOertlich(const QLocale& ort, const QString& text) {
    // a number is not part of a word, a date, a version or a list of dotted numbers
    static const QRegularExpression zahl(
        QStringLiteral("(?<![\\w.,:])(\\d+)(?:\\.(\\d+))?(?![\\w]|[.,:]\\d)"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = zahl.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        // "26.01." is a day and month, not a number
        if (m.capturedLength(2) > 0 && text.mid(m.capturedEnd(), 1) == QLatin1String(".")) continue;
        ergebnis += text.mid(bis, m.capturedStart() - bis);
        ergebnis += ZifferGruppen(ort, m.captured(1), m.captured(2));
        bis = m.capturedEnd();
    }
    ergebnis += text.mid(bis);
    return ergebnis;
}

QString BerichtDateiName(const QString& pfad, const QString& projektOrdner) {
    if (pfad.isEmpty()) return pfad;
    const QFileInfo info(pfad);
    if (info.isRelative()) {
        // a file above the project's folder is named by its name, not by the way up
        const QString sauber = QDir::cleanPath(pfad);
        return sauber.startsWith(QLatin1String("..")) ? info.fileName()
                                                      : QDir::toNativeSeparators(sauber);
    }
    if (!projektOrdner.isEmpty()) {
        const QString relativ = QDir(projektOrdner).relativeFilePath(info.absoluteFilePath());
        if (!relativ.startsWith(QLatin1String("..")) && !QFileInfo(relativ).isAbsolute())
            return QDir::toNativeSeparators(relativ);
    }
    return info.fileName();
}

} // namespace kov
