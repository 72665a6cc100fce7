#include "ui/meldung_texte.h"

#include "ui/katalog_texte.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <iterator>

namespace kov {

namespace {

constexpr const char* Kontext = "kov::Meldungen";

// What the core appends to a label: the rule a value breaks. %1, %2 are its bounds, %3 the
// unit with its leading blank (or nothing).
const char* const Regeln[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss eine endliche Zahl sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss größer als 0%3 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "darf nicht negativ sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss größer als 0 und höchstens 1 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss zwischen %1 und %2%3 liegen."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "dürfen zusammen höchstens 1 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "darf nicht leer sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 lässt sich mit diesen Parametern nicht berechnen; zu "
                                        "prüfen: %2."),
};

// Labels that are not in the catalogue, and the parts of the model a trial run computes.
const char* const Teile[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "Adiabater Anteil und Kelleranteil"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ausgabedatei"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Fahrplandatei"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Wetterdatei"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Eingebautes Klima"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Rohrpreistabelle"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Luftgeschwindigkeit"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Erdtemperatur am Rand"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Das radiale Gitter"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Das Gitter unter dem Keller"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Wärmekapazität der Rohrwand"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Wärmekapazität des Erdreichs"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Wärmekapazität der Schicht unter dem Keller"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Der Wärmekapazitätsstrom der Luft"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Wärmeleitung von Rohrwand und Erdreich"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Wärmeleitung zum Keller"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Der Wärmeübergang bei Stillstand"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Der Zeitschritt des Erdreichs"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die erste Stunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Variante %1: %2"),
};

// What the study draft says about a list, a range or a condition; a quoted input and a number
// of the draft stand where the %n is.
const char* const Saetze[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 ist keine Zahl (Dezimalpunkt verwenden)."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "ein Bereich hat die Form von:bis:schritt."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "der Schritt eines Bereichs muss größer als %1 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "der Bereich endet vor seinem Anfang."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "der Bereich hat mehr als %1 Werte."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "ist eine ganze Zahl; %1 passt nicht."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "nimmt nur %1 (nein) und %2 (ja)."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Liste der Werte ist leer."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Bodenart %1 gibt es nicht (%2..%3 oder alle)."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "ein Wert der Liste ist leer."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 steht zweimal in der Liste."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "unbekannter Parameter."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "wird vom Programm berechnet und kann nicht variiert werden."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "ist ein Text und kann nicht variiert werden."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Wetterjahre der Klimas sind nicht gelesen."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "%1: eine Bedingung hat die Form KENNWERT<=WERT oder KENNWERT>=WERT."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "unbekannter Kennwert einer Bedingung."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "wird zweimal variiert."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "Höchstens %1 Parameter (und die Bodenart) lassen sich zugleich variieren."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "Die Studie hätte mehr als %1 Varianten; bitte weniger Werte wählen."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Es wird nichts variiert: bitte einen Parameter mit "
                                        "seinen Werten oder Bodenarten wählen."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Ergebnisse gehören nicht zu dieser Studie."),
};

// What the parser of a weekly schedule says: where it stopped ("Betriebszeiten (Betriebszeiten),
// Zeichen 7: ..."), what it expected there and why a range is wrong. The schedule's own words
// (Mo, Di, ..., Nacht) are its syntax and stay as they are; a quoted input stands where the %n is.
const char* const Zeitplan[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 (%2), Zeichen %3: %4"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 erwartet, aber der Text ist zu Ende."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 erwartet, nicht %2."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So)"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\"-\" zwischen Anfangs- und Endstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Anfangsstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Endstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Anteil in % oder \";\""),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\"%\" nach dem Anteil"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Eintrag wie \"Mo-Fr 7-18\""),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\";\" vor dem nächsten Eintrag"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 muss eine volle Stunde von 0 bis 24 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "unbekannter Wochentag %1 (erwartet Mo, Di, Mi, Do, Fr, "
                                        "Sa, So)."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Endstunde muss nach der Anfangsstunde liegen (über "
                                        "Mitternacht nur bei \"Nacht\")."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "der Anteil muss größer als 0 und höchstens 100 % sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Woche läuft von Mo bis So; %1 läuft rückwärts."),
};

QString Uebersetzt(const char* deutsch) {
    return QCoreApplication::translate(Kontext, deutsch);
}

// A label of the catalogue or of the table above; "Erdtemperatur Januar" with name
// "ErdTemperaturSpeziell[1]" is the catalogue's label and a month.
QString Bezeichnung(const QString& deutsch, const QString& name) {
    const QString katalog = KatalogText(deutsch.toStdString());
    if (katalog != deutsch) return katalog;
    const QString teil = Uebersetzt(deutsch.toUtf8().constData());
    if (teil != deutsch) return teil;
    const qsizetype blank = deutsch.lastIndexOf(QLatin1Char(' '));
    if (name.endsWith(QLatin1Char(']')) && blank > 0)
        return KatalogText(deutsch.left(blank).toStdString()) + QLatin1Char(' ') +
               QCoreApplication::translate("kov::Monate",
                                           deutsch.mid(blank + 1).toUtf8().constData());
    return deutsch;
}

QString Regel(const QString& deutsch) {
    static const QRegularExpression groesser(QStringLiteral("^muss größer als 0( .+)? sein\\.$"));
    static const QRegularExpression zwischen(
        QStringLiteral("^muss zwischen (\\S+) und (\\S+)( .+)? liegen\\.$"));
    if (const auto m = groesser.match(deutsch); m.hasMatch())
        return Uebersetzt(Regeln[1]).replace(QStringLiteral("%3"), m.captured(1));
    if (const auto m = zwischen.match(deutsch); m.hasMatch())
        return Uebersetzt(Regeln[4])
            .replace(QStringLiteral("%3"), m.captured(3))
            .arg(m.captured(1), m.captured(2));
    for (const char* r : Regeln)
        if (deutsch == QString::fromUtf8(r)) return Uebersetzt(r);
    return deutsch;
}

// "Rohrlänge (Rohrlaenge), Erdreich Wärmeleitfähigkeit (LambdaErde)"
QString Felder(const QString& deutsch) {
    static const QRegularExpression feld(QStringLiteral("^(.+) \\((\\w+)\\)$"));
    QStringList felder = deutsch.split(QStringLiteral(", "));
    for (QString& f : felder)
        if (const auto m = feld.match(f); m.hasMatch())
            f = QStringLiteral("%1 (%2)").arg(Bezeichnung(m.captured(1), m.captured(2)),
                                              m.captured(2));
    return felder.join(QStringLiteral(", "));
}

// "\"1,5\" ist keine Zahl ..." -> "%1 ist keine Zahl ..." with the quoted input and the numbers
// apart, in their order
QString Maskiert(const QString& text, QStringList& teile) {
    static const QRegularExpression einsatz(
        QStringLiteral("\"[^\"]*\"|(?<![\\w%\\[])-?[0-9]+(?:\\.[0-9]+)?"));
    QString muster;
    qsizetype bis = 0;
    for (auto it = einsatz.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        teile << m.captured(0);
        muster += text.mid(bis, m.capturedStart() - bis) + QLatin1Char('%') +
                  QString::number(teile.size());
        bis = m.capturedEnd();
    }
    return muster + text.mid(bis);
}

// A sentence of the study draft, or the German text when it is none.
QString Satz(const QString& deutsch) {
    QStringList teile;
    const QString muster = Maskiert(deutsch, teile);
    for (const char* s : Saetze) {
        if (muster != QString::fromUtf8(s)) continue;
        QString text = Uebersetzt(s);
        for (const QString& t : teile)
            text = text.arg(t);
        return text;
    }
    return deutsch;
}

QString UebersetztText(const QString& deutsch) {
    return Uebersetzt(deutsch.toUtf8().constData());
}

// "Die Endstunde muss eine volle Stunde von 0 bis 24 sein.": the reason after the position
QString ZeitplanGrund(const QString& deutsch) {
    static const QRegularExpression zuEnde(
        QStringLiteral("^(.+) erwartet, aber der Text ist zu Ende\\.$"));
    static const QRegularExpression nicht(QStringLiteral("^(.+) erwartet, nicht (\".*\")\\.$"));
    static const QRegularExpression stunde(
        QStringLiteral("^(.+) muss eine volle Stunde von 0 bis 24 sein\\.$"));
    static const QRegularExpression tag(QStringLiteral(
        "^unbekannter Wochentag (\".*\") \\(erwartet Mo, Di, Mi, Do, Fr, Sa, So\\)\\.$"));
    static const QRegularExpression rueckwaerts(
        QStringLiteral("^die Woche läuft von Mo bis So; (\".*\") läuft rückwärts\\.$"));
    if (const auto m = zuEnde.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[1]).arg(UebersetztText(m.captured(1)));
    if (const auto m = nicht.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[2]).arg(UebersetztText(m.captured(1)), m.captured(2));
    if (const auto m = stunde.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[11]).arg(UebersetztText(m.captured(1)));
    if (const auto m = tag.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[12]).arg(m.captured(1));
    if (const auto m = rueckwaerts.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[15]).arg(m.captured(1));
    return UebersetztText(deutsch);
}

QString Zeile(const QString& deutsch) {
    if (const QString satz = Satz(deutsch); satz != deutsch) return satz;
    // "Betriebszeiten (Betriebszeiten), Zeichen 7: ...": the weekly schedule's parser
    static const QRegularExpression zeitplan(
        QStringLiteral("^(.+) \\((\\w+)\\), Zeichen (\\d+): (.+)$"));
    if (const auto m = zeitplan.match(deutsch); m.hasMatch())
        return Uebersetzt(Zeitplan[0])
            .arg(Bezeichnung(m.captured(1), m.captured(2)), m.captured(2), m.captured(3),
                 ZeitplanGrund(m.captured(4)));
    // "Rohrlaenge: die Liste der Werte ist leer.": a parameter of the study and what is wrong
    static const QRegularExpression studie(QStringLiteral("^(\\w+): (.+)$"));
    if (const auto m = studie.match(deutsch); m.hasMatch())
        if (const QString satz = Satz(m.captured(2)); satz != m.captured(2))
            return m.captured(1) + QStringLiteral(": ") + satz;
    // "Variante 3: ...": the run of one variant refused
    static const QRegularExpression variante(QStringLiteral("^Variante (\\d+): (.+)$"));
    if (const auto m = variante.match(deutsch); m.hasMatch())
        return QCoreApplication::translate(Kontext, "Variante %1: %2")
            .arg(m.captured(1), Zeile(m.captured(2)));
    static const QRegularExpression probe(QStringLiteral(
        "^(.+) lässt sich mit diesen Parametern nicht berechnen; zu prüfen: (.+)\\.$"));
    if (const auto m = probe.match(deutsch); m.hasMatch())
        return Uebersetzt(Regeln[7]).arg(Bezeichnung(m.captured(1), {}), Felder(m.captured(2)));
    // "Label (Name) rule"; a name is a parameter, indexed by month or two names added
    static const QRegularExpression bereich(
        QStringLiteral("^(.+?) \\((\\w+(?:\\[\\d+\\])?(?: \\+ \\w+)?)\\) (.+)$"));
    if (const auto m = bereich.match(deutsch); m.hasMatch())
        return QStringLiteral("%1 (%2) %3")
            .arg(Bezeichnung(m.captured(1), m.captured(2)), m.captured(2), Regel(m.captured(3)));
    return deutsch;
}

} // namespace

QString MeldungText(const std::string& deutsch) {
    QStringList zeilen = QString::fromStdString(deutsch).split(QLatin1Char('\n'));
    for (QString& z : zeilen)
        z = Zeile(z);
    return zeilen.join(QLatin1Char('\n'));
}

std::span<const char* const> MeldungQuelltexte() {
    static const auto alle = [] {
        std::array<const char*,
                   std::size(Regeln) + std::size(Teile) + std::size(Saetze) + std::size(Zeitplan)>
            a{};
        std::size_t i = 0;
        for (const char* t : Regeln)
            a[i++] = t;
        for (const char* t : Teile)
            a[i++] = t;
        for (const char* t : Saetze)
            a[i++] = t;
        for (const char* t : Zeitplan)
            a[i++] = t;
        return a;
    }();
    return alle;
}

} // namespace kov
