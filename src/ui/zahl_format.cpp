#include "ui/zahl_format.h"

#include "ui/bericht_format.h"

#include <QLocale>
#include <QRegularExpression>

namespace kov {

namespace {

// the views write German numbers only in a German interface; every other language sees the
// machine form
QLocale AnsichtsOrt() {
    return QLocale().language() == QLocale::German ? QLocale(QLocale::German) : QLocale::c();
}

} // namespace

QString ZahlAnsicht(double wert, int dezimalen) {
    return BerichtZahl(AnsichtsOrt(), wert, dezimalen);
}

QString ZahlTextAnsicht(const QString& text) {
    static const QRegularExpression zahl(QStringLiteral("^-?[0-9]+(?:\\.[0-9]+)?$"));
    return zahl.match(text).hasMatch() ? ZahlenOertlich(AnsichtsOrt(), text) : text;
}

QString ZahlenAnsicht(const QString& text) {
    return ZahlenOertlich(AnsichtsOrt(), text);
}

QString GroesseTextAnsicht(const QString& text) {
    static const QRegularExpression groesse(
        QStringLiteral("^((?:[<>≤≥]=? )?)(-?[0-9]+(?:\\.[0-9]+)?)( \\S.*)?$"));
    const QRegularExpressionMatch treffer = groesse.match(text);
    if (!treffer.hasMatch()) return text;
    return treffer.captured(1) + ZahlenOertlich(AnsichtsOrt(), treffer.captured(2)) +
           treffer.captured(3);
}

} // namespace kov
