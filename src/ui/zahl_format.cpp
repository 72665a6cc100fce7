#include "ui/zahl_format.h"

#include <QLocale>
#include <QRegularExpression>

namespace kov {

namespace {

// a narrow no-break space: the thousands of a German number never part at a line end
constexpr char16_t TausenderTrenner = u'\u202F';

bool Deutsch() {
    return QLocale().language() == QLocale::German;
}

// digits of the integer part grouped in threes from the right, e.g. "12345" -> "12 345"
QString Gruppiert(const QString& ziffern) {
    QString text;
    const qsizetype n = ziffern.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += QChar(TausenderTrenner);
        text += ziffern[i];
    }
    return text;
}

QString DeutschSchreiben(const QString& punktZahl) {
    static const QRegularExpression zahl(QStringLiteral("^(-?)([0-9]+)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch treffer = zahl.match(punktZahl);
    if (!treffer.hasMatch()) return punktZahl;
    QString text = treffer.captured(1) + Gruppiert(treffer.captured(2));
    if (treffer.hasCaptured(3)) text += QLatin1Char(',') + treffer.captured(3);
    return text;
}

} // namespace

QString ZahlAnsicht(double wert, int dezimalen) {
    QString text = QString::number(wert, 'f', dezimalen);
    static const QRegularExpression nullMitVorzeichen(QStringLiteral("^-0(\\.0*)?$"));
    if (nullMitVorzeichen.match(text).hasMatch()) text.remove(0, 1);
    return Deutsch() ? DeutschSchreiben(text) : text;
}

QString ZahlTextAnsicht(const QString& text) {
    return Deutsch() ? DeutschSchreiben(text) : text;
}

QString GroesseTextAnsicht(const QString& text) {
    static const QRegularExpression groesse(
        QStringLiteral("^((?:[<>≤≥]=? )?)(-?[0-9]+(?:\\.[0-9]+)?)( \\S.*)?$"));
    const QRegularExpressionMatch treffer = groesse.match(text);
    if (!treffer.hasMatch() || !Deutsch()) return text;
    return treffer.captured(1) + DeutschSchreiben(treffer.captured(2)) + treffer.captured(3);
}

} // namespace kov
