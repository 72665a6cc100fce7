#include "ui/datei_fehler_text.h"

#include "ui/katalog_texte.h"
#include "ui/meldung_texte.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <array>
#include <iterator>

namespace kov {

namespace {

constexpr const char* Kontext = "kov::Dateifehler";

// What the readers say about a file: the message itself or the explanation after file and line.
// A number (with its unit), a quoted input, a field "Feld 7 (Lufttemperatur)" and the hour of a
// date "05.01. Stunde 3" stand where the %n is.
const char* const Saetze[] = {
    // any file
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine gewöhnliche Datei, sondern ein Ordner"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine gewöhnliche Datei, sondern ein Gerät"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine gewöhnliche Datei, sondern ein Socket"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine gewöhnliche Datei, sondern etwas anderes"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Datei größer als 64 MiB"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Steuerzeichen mit Code %1 an der Zahl %2"),
    // a previous report read as weather
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "der Bericht ist mit Dezimalkomma geschrieben (Land=D oder A); sein Wetter "
                      "lässt sich nur aus einem Bericht mit Dezimalpunkt lesen"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Spalte %1 ist leer"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Bericht endet nach Stunde %1 von %2"),
    // site weather files
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Keine Textdatei: Nullbyte (eine Wetterdatei in UTF-16 wird nicht gelesen)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Keine Textdatei, sondern Binärdaten (Nullbyte); eine Wetterdatei ist Text "
                      "(EPW, DWD-TRY oder eine Tabelle)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Die Datei enthält keine Daten"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 ist leer"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 ist keine Zahl: %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 ist keine ganze Zahl: %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 liegt mit %2 außerhalb von %3 bis %4"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Ungültige Zeitangabe: Monat %1, Tag %2, Stunde %3"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Zeitfolge unterbrochen: erwartet %1, gelesen %2, davor fehlt %3 Stunde"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Zeitfolge unterbrochen: erwartet %1, gelesen %2, davor fehlen %3 Stunden"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Zeitfolge unterbrochen: erwartet %1, gelesen %2, "
                                          "Stunde wiederholt oder außer der Reihe"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Nur %1 Stunden, ein Jahr hat %2 Stunden"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Nur %1 Stunden, ein Jahr hat %2 Stunden (ohne die %3 Zeilen vom %4. "
                      "Februar)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiger Wert der Lufttemperatur"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiger Wert der Luftdruck"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiger Wert der Mischungsverhältnis"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiger Wert der relativen Feuchte"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiger Wert der Taupunkttemperatur"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Fehlwert der Lufttemperatur in %1 aufeinanderfolgenden Stunden ab dieser "
                      "Zeile, höchstens %2 werden überbrückt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Fehlwert der Luftdruck in %1 aufeinanderfolgenden Stunden ab dieser Zeile, "
                      "höchstens %2 werden überbrückt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Fehlwert der Mischungsverhältnis in %1 aufeinanderfolgenden Stunden ab "
                      "dieser Zeile, höchstens %2 werden überbrückt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Fehlwert der relativen Feuchte in %1 aufeinanderfolgenden Stunden ab dieser "
                      "Zeile, höchstens %2 werden überbrückt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Fehlwert der Taupunkttemperatur in %1 aufeinanderfolgenden Stunden ab "
                      "dieser Zeile, höchstens %2 werden überbrückt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Spaltenkopf des Testreferenzjahrs nicht erkannt: erwartet \"RG IS MM DD HH "
                      "...\" (Ausgabe 2011) oder \"RW HW MM DD HH ...\" (Ausgabe 2015/2017)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Spaltenkopf hat %1 Spalten, höchstens %2 werden gelesen"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Spalte %1 (Lufttemperatur) fehlt im Spaltenkopf"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Spalte %1 (Luftdruck) fehlt im Spaltenkopf"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Spalte %1 (Mischungsverhältnis) fehlt im Spaltenkopf"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Spalte %1 (relative Feuchte) fehlt im Spaltenkopf"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Datenzeile hat %1 Felder, der Spaltenkopf %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 ist %2, der Taupunkt braucht einen Wert über %3"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Die erste Datenzeile ist 31.12. Stunde 24, aber keine Kopie der letzten "
                      "Stunde; das Jahr beginnt mit 01.01. Stunde 1"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Format nicht erkannt: weder EPW (erste Zeile LOCATION) noch "
                      "DWD-Testreferenzjahr (Spaltenkopf und ***) noch Stundentabelle (eine Zeile "
                      "je Stunde, erste Spalte Lufttemperatur)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Zeile hat %1 Spalten, eine Stundentabelle hat %2 (Lufttemperatur) oder %3 "
                      "(Lufttemperatur, relative Feuchte)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Zeile hat %1 Spalte, die erste Datenzeile %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Zeile hat %1 Spalten, die erste Datenzeile %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "LOCATION hat %1 Felder, erwartet %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "DATA PERIODS nennt %1 Datenabschnitte, gelesen wird eine Datei mit genau "
                      "einem"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "DATA PERIODS nennt %1 Werte je Stunde, gelesen werden Stundenwerte"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "LOCATION steht nicht in der ersten Zeile"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "DATA PERIODS fehlt vor der ersten Datenzeile"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Unbekannte Kopfzeile %1 vor DATA PERIODS"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Kopfzeile DATA PERIODS fehlt (erwartet in den ersten %1 Zeilen)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Datenzeile hat %1 Felder, erwartet mindestens %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1 ist %2, Stundenwerte tragen %3 oder %4"),
    // project files
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Kein gültiges JSON in Spalte %1 (die Datei endet mitten im JSON)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Kein gültiges JSON in Spalte %1 (unerwartetes Zeichen)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Die Zahl %1 liegt ausserhalb des Zahlenbereichs"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Schlüssel %1 steht mehr als einmal in der Datei"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine KOV-Projektdatei: die Datei ist kein JSON-Objekt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Keine KOV-Projektdatei: der Schlüssel \"Format\" fehlt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Keine KOV-Projektdatei: \"Format\" muss \"KOV-Projekt\" sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Die Version ist eine zu lange Zahl; dieses Programm "
                                          "liest Projektdateien bis Version %1"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Der Schlüssel \"Version\" fehlt oder ist keine ganze Zahl"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Die Projektdatei hat die Version %1 eines neueren Programms; dieses liest "
                      "Projektdateien bis Version %2"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Die Version %1 gibt es nicht"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 muss eine Zahl sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 im Monat %2 muss eine Zahl sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Der Wert von %1 liegt ausserhalb des Zahlenbereichs ganzer Zahlen (%2 bis "
                      "%3)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 muss eine ganze Zahl sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 muss true oder false sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Der Wert von %1 muss ein Text in Anführungszeichen sein"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Der Wert von %1 muss eine Liste von %2 Zahlen sein (Januar bis Dezember)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Unbekannter Schlüssel %1"),
    QT_TRANSLATE_NOOP(
        "kov::Dateifehler",
        "Der Schlüssel %1 wird vom Programm berechnet und gehört nicht in ein Projekt"),
    // built-in climates, exported pictures
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Eingebautes Klima nicht lesbar (Eintrag fehlt)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Bilder werden als PNG oder SVG gespeichert (Endung .png oder .svg)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Die Bildgröße muss mindestens 1 × 1 Pixel sein"),
};

// the fields of the weather files as "Feld 7 (Lufttemperatur)" names them
const char* const Felder[] = {
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Monat"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Tag"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Stunde"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Minute"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Lufttemperatur"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Taupunkt"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "relative Feuchte"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Luftdruck"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Mischungsverhältnis"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Breite"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Länge"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Höhe"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Anzahl der Datenabschnitte"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Werte je Stunde"),
};

// The frames the sentences and the file stand in; a label of the catalogue, a rule of a value
// and the parts above are put into them.
const char* const Rahmen[] = {
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Feld %1 (%2)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "%1.%2. Stunde %3"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Zeile %1"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Klima-Archiv %1"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "(temporäre Datei der Studie)"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 (%2) %3"),
    QT_TRANSLATE_NOOP("kov::Dateifehler", "Der Wert von %1 im Monat %2 (%3) %4"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Das Projekt lässt sich nicht speichern: %1 (%2) ist keine endliche Zahl"),
    QT_TRANSLATE_NOOP("kov::Dateifehler",
                      "Das Projekt lässt sich nicht speichern: %1 (%2) ist kein gültiger "
                      "UTF-8-Text"),
};

QString Uebersetzt(const char* deutsch) {
    return QCoreApplication::translate(Kontext, deutsch);
}

// an insert of a sentence: a field and a date are translated; a number written with a decimal
// comma gets the point outside a German interface; a quoted input stays as it is
QString Einsatz(const QString& teil) {
    static const QRegularExpression feld(QStringLiteral("^Feld (\\d+) \\((.*)\\)$"));
    static const QRegularExpression datum(QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\. Stunde (\\d+)$"));
    static const QRegularExpression komma(QStringLiteral("(\\d),(\\d)"));
    if (const auto m = feld.match(teil); m.hasMatch())
        return Uebersetzt(Rahmen[0]).arg(m.captured(1),
                                         Uebersetzt(m.captured(2).toUtf8().constData()));
    if (const auto m = datum.match(teil); m.hasMatch())
        return Uebersetzt(Rahmen[1]).arg(m.captured(1), m.captured(2), m.captured(3));
    if (teil.startsWith(QLatin1Char('"')) || QLocale().language() == QLocale::German) return teil;
    return QString(teil).replace(komma, QStringLiteral("\\1.\\2"));
}

// "Der Wert von \"Rohrlaenge\" (Rohrlänge) muss zwischen 1 und 500 liegen": a project value that
// breaks its rule, or one of the labelled faults of saving a project
QString BezeichneterSatz(const QString& deutsch) {
    static const QRegularExpression wert(
        QStringLiteral("^Der Wert von (\"[^\"]*\")(?: im Monat (\\d+))? \\(([^()]+)\\) ([^()]+)$"));
    static const QRegularExpression speichern(
        QStringLiteral("^Das Projekt lässt sich nicht speichern: (.+) \\((\\w+)\\) (.+)$"));
    if (const auto m = wert.match(deutsch); m.hasMatch()) {
        QString regel = RegelText(m.captured(4) + QLatin1Char('.'));
        if (regel.endsWith(QLatin1Char('.'))) regel.chop(1);
        const QString bezeichnung = KatalogText(m.captured(3).toStdString());
        return m.captured(2).isEmpty()
                   ? Uebersetzt(Rahmen[5]).arg(m.captured(1), bezeichnung, regel)
                   : Uebersetzt(Rahmen[6]).arg(m.captured(1), m.captured(2), bezeichnung, regel);
    }
    if (const auto m = speichern.match(deutsch); m.hasMatch()) {
        const QString muster =
            QStringLiteral("Das Projekt lässt sich nicht speichern: %1 (%2) ") + m.captured(3);
        for (const char* r : {Rahmen[7], Rahmen[8]})
            if (muster == QString::fromUtf8(r))
                return Uebersetzt(r).arg(KatalogText(m.captured(1).toStdString()), m.captured(2));
    }
    return deutsch;
}

QString SatzText(const std::string& text) {
    static const QRegularExpression einsatz(QStringLiteral(
        "Feld \\d+ \\([^)]*\\)|\\d\\d\\.\\d\\d\\. Stunde \\d+|\"[^\"]*\"|(?<![\\w%\\[.,])-?[0-9]+"
        "(?:[.,][0-9]+)?(?:[eE][+-]?[0-9]+)?(?: (?:°C|%|hPa|g/kg|°|m)(?!\\w))?"));
    const QString deutsch = QString::fromStdString(text);
    const QString satz = SatzAusTabelle(deutsch, Saetze, Kontext, einsatz, Einsatz);
    return satz.isNull() ? BezeichneterSatz(deutsch) : satz;
}

QString DateiText(const std::string& datei) {
    const QString name = QString::fromStdString(datei);
    if (name == QString::fromUtf8(Rahmen[4])) return Uebersetzt(Rahmen[4]);
    const QString archiv = QStringLiteral("Klima-Archiv ");
    if (name.startsWith(archiv)) return Uebersetzt(Rahmen[3]).arg(name.mid(archiv.size()));
    return name;
}

} // namespace

QString DateiFehlerText(const TDateiFehler& fehler) {
    // the parts put together as what() has them; a fault of another shape is read as a whole
    std::string deutsch = fehler.Meldung();
    if (!fehler.Datei().empty()) {
        deutsch += ": " + fehler.Datei();
        if (fehler.Zeile() > 0) deutsch += ", Zeile " + std::to_string(fehler.Zeile());
    }
    if (!fehler.Erklaerung().empty()) deutsch += " (" + fehler.Erklaerung() + ")";
    if (deutsch != fehler.what()) return MeldungText(fehler.what());

    QString text = SatzText(fehler.Meldung());
    if (!fehler.Datei().empty()) {
        text += QStringLiteral(": ") + DateiText(fehler.Datei());
        if (fehler.Zeile() > 0)
            text += QStringLiteral(", ") + Uebersetzt(Rahmen[2]).arg(fehler.Zeile());
    }
    if (!fehler.Erklaerung().empty())
        text += QStringLiteral(" (") + SatzText(fehler.Erklaerung()) + QLatin1Char(')');
    return text;
}

QString AusnahmeText(const std::exception& fehler) {
    if (const auto* datei = dynamic_cast<const TDateiFehler*>(&fehler))
        return DateiFehlerText(*datei);
    return MeldungText(fehler.what());
}

std::span<const char* const> DateiFehlerQuelltexte() {
    static const auto alle = [] {
        std::array<const char*, std::size(Saetze) + std::size(Felder) + std::size(Rahmen)> a{};
        std::size_t i = 0;
        for (const char* t : Saetze)
            a[i++] = t;
        for (const char* t : Felder)
            a[i++] = t;
        for (const char* t : Rahmen)
            a[i++] = t;
        return a;
    }();
    return alle;
}

} // namespace kov
