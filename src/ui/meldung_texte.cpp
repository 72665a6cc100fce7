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
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss mindestens %1 sein."),
};

// Labels that are not in the catalogue, and the parts of the model a trial run computes.
const char* const Teile[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Rohrpreistabelle"),
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
    // refusals of a combination of parameters, whole
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "Betriebszeiten (Betriebszeiten) und Lüftungsfahrplan (FahrplanGelesen) "
                      "schließen einander aus: der Volumenstrom kommt aus dem Wochenplan oder aus "
                      "der Fahrplandatei."),
    QT_TRANSLATE_NOOP(
        "kov::Meldungen",
        "Adiabater Anteil und Kelleranteil (AnteilAdiabat, AnteilKeller) müssen im "
        "Registermodell 0 sein: es rechnet die Rohre im offenen Erdreich ohne Keller."),
};

// What the readers of the weekly schedule and of the pipe price table say about their text; a
// quoted part of the text stands where the %n is.
const char* const LeserSaetze[] = {
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 (%2), Zeichen %3: %4"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 erwartet, aber der Text ist zu Ende."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "%1 erwartet, nicht %2."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So)"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\"-\" zwischen Anfangs- und Endstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Anteil in % oder \";\""),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\"%\" nach dem Anteil"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "\";\" vor dem nächsten Eintrag"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Ein Eintrag wie \"Mo-Fr 7-18\""),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Anfangsstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Endstunde"),
    QT_TRANSLATE_NOOP("kov::Meldungen", "unbekannter Wochentag %1 (erwartet Mo, Di, Mi, Do, Fr, "
                                        "Sa, So)."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "Die Anfangsstunde muss eine volle Stunde von 0 bis 24 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "Die Endstunde muss eine volle Stunde von 0 bis 24 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Endstunde muss nach der Anfangsstunde liegen (über "
                                        "Mitternacht nur bei \"Nacht\")."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "der Anteil muss größer als 0 und höchstens 100 % sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "die Woche läuft von Mo bis So; %1 läuft rückwärts."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss mindestens ein Paar Durchmesser:Preis enthalten."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss aus Paaren Durchmesser:Preis bestehen, getrennt "
                                        "durch %1 (%2 ist keins)."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "braucht Durchmesser größer als 0 m."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "darf keine negativen Preise enthalten."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "muss nach steigendem Durchmesser geordnet sein, jeder Durchmesser einmal."),
    // the choices of a text parameter, and what the register model asks of the geometry
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss %1 oder %2 sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "muss %1 oder %2 sein, nicht %3."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "muss im Registermodell größer als der Aussendurchmesser der Rohre sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen",
                      "muss im Registermodell größer als der Aussenradius der Rohre sein."),
    QT_TRANSLATE_NOOP("kov::Meldungen", "darf im Registermodell höchstens 200 sein."),
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

// A sentence of the study draft, or the German text when it is none. A quoted input and a
// number are its inserts: "\"1,5\" ist keine Zahl ..." is "%1 ist keine Zahl ...".
QString Satz(const QString& deutsch) {
    static const QRegularExpression einsatz(
        QStringLiteral("\"[^\"]*\"|(?<![\\w%\\[])-?[0-9]+(?:\\.[0-9]+)?"));
    const QString satz = SatzAusTabelle(deutsch, Saetze, Kontext, einsatz);
    return satz.isNull() ? deutsch : satz;
}

// "muss mindestens 3 sein.": a rule with its bound
QString MindestRegel(const QString& deutsch) {
    static const QRegularExpression mindestens(
        QStringLiteral("^muss mindestens (-?\\d+) sein\\.$"));
    const auto m = mindestens.match(deutsch);
    return m.hasMatch() ? Uebersetzt(Regeln[8]).arg(m.captured(1)) : QString();
}

// A sentence of the schedule's or the price table's reader; "Ein Wochentag (...) erwartet,
// nicht \"x\".": what was expected and the character found instead
QString LeserSatz(const QString& deutsch) {
    static const QRegularExpression zitat(QStringLiteral("\"[^\"]*\""));
    static const QRegularExpression ende(
        QStringLiteral("^(.+) erwartet, aber der Text ist zu Ende\\.$"));
    static const QRegularExpression nicht(QStringLiteral("^(.+) erwartet, nicht (\".*\")\\.$"));
    const auto teil = [](const QString& text) {
        const QString satz = SatzAusTabelle(text, LeserSaetze, Kontext, zitat);
        return satz.isNull() ? text : satz;
    };
    if (const auto m = ende.match(deutsch); m.hasMatch())
        return Uebersetzt(LeserSaetze[1]).arg(teil(m.captured(1)));
    if (const auto m = nicht.match(deutsch); m.hasMatch())
        return Uebersetzt(LeserSaetze[2]).arg(teil(m.captured(1)), m.captured(2));
    return teil(deutsch);
}

QString Zeile(const QString& deutsch) {
    if (const QString satz = Satz(deutsch); satz != deutsch) return satz;
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
    // "Betriebszeiten (Betriebszeiten), Zeichen 4: ...": a text parameter and where it goes wrong
    static const QRegularExpression zeichen(
        QStringLiteral("^(.+?) \\((\\w+)\\), Zeichen (\\d+): (.+)$"));
    if (const auto m = zeichen.match(deutsch); m.hasMatch())
        return Uebersetzt(LeserSaetze[0])
            .arg(Bezeichnung(m.captured(1), m.captured(2)), m.captured(2), m.captured(3),
                 LeserSatz(m.captured(4)));
    // "Label (Name) rule"; a name is a parameter, indexed by month or two names added
    static const QRegularExpression bereich(
        QStringLiteral("^(.+?) \\((\\w+(?:\\[\\d+\\])?(?: \\+ \\w+)?)\\) (.+)$"));
    if (const auto m = bereich.match(deutsch); m.hasMatch())
        return QStringLiteral("%1 (%2) %3")
            .arg(Bezeichnung(m.captured(1), m.captured(2)), m.captured(2),
                 RegelText(m.captured(3)));
    return deutsch;
}

} // namespace

QString SatzAusTabelle(const QString& deutsch, std::span<const char* const> saetze,
                       const char* kontext, const QRegularExpression& einsatz,
                       const std::function<QString(const QString&)>& einsetzen) {
    for (const char* s : saetze)
        if (deutsch == QString::fromUtf8(s)) return QCoreApplication::translate(kontext, s);
    QStringList teile;
    QString muster;
    qsizetype bis = 0;
    for (auto it = einsatz.globalMatch(deutsch); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        teile << m.captured(0);
        muster += deutsch.mid(bis, m.capturedStart() - bis) + QLatin1Char('%') +
                  QString::number(teile.size());
        bis = m.capturedEnd();
    }
    if (teile.isEmpty()) return {};
    muster += deutsch.mid(bis);
    for (const char* s : saetze) {
        if (muster != QString::fromUtf8(s)) continue;
        if (einsetzen)
            for (QString& t : teile)
                t = einsetzen(t);
        // in one pass: an insert that holds "%2" itself stays as it is
        const QString uebersetzt = QCoreApplication::translate(kontext, s);
        QString text;
        for (qsizetype i = 0; i < uebersetzt.size(); ++i) {
            qsizetype ende = i + 1;
            while (uebersetzt[i] == QLatin1Char('%') && ende < uebersetzt.size() &&
                   uebersetzt[ende].isDigit())
                ++ende;
            const int nummer = ende > i + 1 ? uebersetzt.mid(i + 1, ende - i - 1).toInt() : 0;
            if (nummer >= 1 && nummer <= teile.size()) {
                text += teile[nummer - 1];
                i = ende - 1;
            } else {
                text += uebersetzt[i];
            }
        }
        return text;
    }
    return {};
}

QString RegelText(const QString& deutsch) {
    static const QRegularExpression groesser(QStringLiteral("^muss größer als 0( .+)? sein\\.$"));
    static const QRegularExpression zwischen(
        QStringLiteral("^muss zwischen (\\S+) und (\\S+)( .+)? liegen\\.$"));
    if (const auto m = groesser.match(deutsch); m.hasMatch())
        return Uebersetzt(Regeln[1]).replace(QStringLiteral("%3"), m.captured(1));
    if (const auto m = zwischen.match(deutsch); m.hasMatch())
        return Uebersetzt(Regeln[4])
            .replace(QStringLiteral("%3"), m.captured(3))
            .arg(m.captured(1), m.captured(2));
    if (const QString mindestens = MindestRegel(deutsch); !mindestens.isNull()) return mindestens;
    for (const char* r : Regeln)
        if (deutsch == QString::fromUtf8(r)) return Uebersetzt(r);
    return LeserSatz(deutsch);
}

QString MeldungText(const std::string& deutsch) {
    QStringList zeilen = QString::fromStdString(deutsch).split(QLatin1Char('\n'));
    for (QString& z : zeilen)
        z = Zeile(z);
    return zeilen.join(QLatin1Char('\n'));
}

std::span<const char* const> MeldungQuelltexte() {
    static const auto alle = [] {
        std::array<const char*, std::size(Regeln) + std::size(Teile) + std::size(Saetze) +
                                    std::size(LeserSaetze)>
            a{};
        std::size_t i = 0;
        for (const char* t : LeserSaetze)
            a[i++] = t;
        for (const char* t : Regeln)
            a[i++] = t;
        for (const char* t : Teile)
            a[i++] = t;
        for (const char* t : Saetze)
            a[i++] = t;
        return a;
    }();
    return alle;
}

} // namespace kov
