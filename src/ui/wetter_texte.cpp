#include "ui/wetter_texte.h"

#include "files/klima.h"
#include "ui/bericht_format.h"
#include "ui/diagramme.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <iterator>

namespace kov {

namespace {

constexpr const char* Kontext = "kov::Wetter";

const char* const Quelltexte[] = {
    // the names of the summary's lines
    QT_TRANSLATE_NOOP("kov::Wetter", "Datei"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Format"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Standort"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Lage"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Datenquelle"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Datenzeilen"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Ergänzte Stunden"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Feuchte"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Jahresmittel"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Minimum"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Maximum"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Stunden unter 0 °C"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Mittlerer Taupunkt"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Monatsmittel in °C"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Quelle"),
    // the formats
    QT_TRANSLATE_NOOP("kov::Wetter", "EnergyPlus-Wetterdatei (EPW)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "DWD-Testreferenzjahr, Ausgabe 2011"),
    QT_TRANSLATE_NOOP("kov::Wetter", "DWD-Testreferenzjahr, Ausgabe 2015/2017"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Stundentabelle (CSV/Text)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "unbekanntes Format"),
    // site and source of a test reference year
    QT_TRANSLATE_NOOP("kov::Wetter", "(Klimaregion %1)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "mittleres Jahr"),
    QT_TRANSLATE_NOOP("kov::Wetter", "extremer Sommer"),
    QT_TRANSLATE_NOOP("kov::Wetter", "extremer Winter"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Bezugszeitraum %1"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1° N"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1° S"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1° O"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1° W"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1 m ü. M."),
    // how the rows became the year
    QT_TRANSLATE_NOOP("kov::Wetter", "%1, nicht übernommen: %2"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1 vom 29. Februar"),
    QT_TRANSLATE_NOOP("kov::Wetter", "die Kopie von 31.12. Stunde 24 vor der ersten Stunde"),
    QT_TRANSLATE_NOOP("kov::Wetter", "keine"),
    QT_TRANSLATE_NOOP("kov::Wetter", "%1 (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "keine Angaben in der Datei (relative Feuchte 10 %, "
                                     "Taupunkt 0 °C wie im eingebauten Jahr)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "relative Feuchte aus der Datei, Taupunkt aus "
                                     "Mischungsverhältnis und Luftdruck berechnet (Magnus-Formel "
                                     "über Wasser)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "relative Feuchte aus der Datei, Taupunkt daraus berechnet "
                                     "(Magnus-Formel über Wasser)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "relative Feuchte und Taupunkt aus der Datei"),
    // the extremes: value, date, hour of the day and its span
    QT_TRANSLATE_NOOP("kov::Wetter", "%1 °C am %2, Stunde %3 (%4 bis %5 Uhr)"),
    // the weather without a site file
    QT_TRANSLATE_NOOP("kov::Wetter",
                      "im Programm eingebautes Auslegungsjahr, 8760 Stunden der "
                      "Aussenlufttemperatur; ohne Feuchte (relative Feuchte 10 %, Taupunkt 0 °C)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Aussentemperatur, relative Feuchte und Taupunkt der "
                                     "Stundenzeilen des vorigen Berichts %1"),
    // how a run names its weather
    QT_TRANSLATE_NOOP("kov::Wetter", "Wetterdatei %1"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Eingebautes Auslegungsjahr (%1)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Stundenwerte des vorigen Berichts %1"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Eingebautes Klima %1: %2 (%3)"),
    QT_TRANSLATE_NOOP("kov::Wetter", "Region %1 %2, %3 %4"),
};

QString T(const QString& deutsch) {
    return QCoreApplication::translate(Kontext, deutsch.toUtf8().constData());
}

QString T(const char* deutsch) {
    return QCoreApplication::translate(Kontext, deutsch);
}

// "-8,9" as the core writes it, in ort's form with as many decimals
QString Zahl(const QString& kommaZahl, const QLocale& ort) {
    const qsizetype komma = kommaZahl.indexOf(QLatin1Char(','));
    const int dezimalen = komma < 0 ? 0 : static_cast<int>(kommaZahl.size() - komma - 1);
    bool gelesen = false;
    const double wert =
        QString(kommaZahl).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&gelesen);
    return gelesen ? BerichtZahl(ort, wert, dezimalen) : kommaZahl;
}

constexpr const char* ZahlMuster = "-?[0-9]+(?:,[0-9]+)?";

QRegularExpression Ausdruck(const QString& muster) {
    return QRegularExpression(
        QStringLiteral("^") +
        QString(muster).replace(QStringLiteral("ZAHL"), QLatin1String(ZahlMuster)) +
        QStringLiteral("$"));
}

// "-8,9 °C am 01.02., Stunde 9 (8 bis 9 Uhr)"
QString ExtremText(const QString& wert, const QLocale& ort) {
    static const QRegularExpression extrem =
        Ausdruck(QStringLiteral("(ZAHL) °C am ([0-9]{2})\\.([0-9]{2})\\., Stunde ([0-9]+) "
                                "\\(([0-9]+) bis ([0-9]+) Uhr\\)"));
    const auto m = extrem.match(wert);
    if (!m.hasMatch()) return wert;
    const QDate tag(2001, m.captured(3).toInt(), m.captured(2).toInt());
    const QString datum = ort.language() == QLocale::German || !tag.isValid()
                              ? m.captured(2) + QLatin1Char('.') + m.captured(3) + QLatin1Char('.')
                              : ort.toString(tag, QStringLiteral("d MMM"));
    return T("%1 °C am %2, Stunde %3 (%4 bis %5 Uhr)")
        .arg(Zahl(m.captured(1), ort), datum, m.captured(4), m.captured(5), m.captured(6));
}

// "51,4000° N, 6,9667° O, 152 m ü. M."
QString LageText(const QString& wert, const QLocale& ort) {
    static const QRegularExpression winkel = Ausdruck(QStringLiteral("(ZAHL)° ([NSOW])"));
    static const QRegularExpression hoehe = Ausdruck(QStringLiteral("(ZAHL) m ü\\. M\\."));
    QStringList teile = wert.split(QStringLiteral(", "));
    for (QString& teil : teile) {
        if (const auto w = winkel.match(teil); w.hasMatch())
            teil = T(QStringLiteral("%1° ") + w.captured(2)).arg(Zahl(w.captured(1), ort));
        else if (const auto h = hoehe.match(teil); h.hasMatch())
            teil = T("%1 m ü. M.").arg(Zahl(h.captured(1), ort));
    }
    return teile.join(QStringLiteral(", "));
}

// "mittleres Jahr, Bezugszeitraum 1995-2012; Datenbasis: Deutscher Wetterdienst": the kind of
// year and the period translated, the weather service's attribution as it stands
QString DatenquelleText(const QString& wert) {
    static const QRegularExpression zeitraum(QStringLiteral("^Bezugszeitraum (.+)$"));
    QStringList abschnitte = wert.split(QStringLiteral("; "));
    for (QString& abschnitt : abschnitte) {
        QStringList teile = abschnitt.split(QStringLiteral(", "));
        for (QString& teil : teile) {
            if (const auto z = zeitraum.match(teil); z.hasMatch())
                teil = T("Bezugszeitraum %1").arg(z.captured(1));
            else
                teil = T(teil);
        }
        abschnitt = teile.join(QStringLiteral(", "));
    }
    return abschnitte.join(QStringLiteral("; "));
}

// "8784, nicht übernommen: 24 vom 29. Februar, die Kopie von 31.12. Stunde 24 vor der ersten
// Stunde"
QString DatenzeilenText(const QString& wert, const QLocale& ort) {
    static const QRegularExpression zeilen(
        QStringLiteral("^([0-9]+)(?:, nicht übernommen: (.*))?$"));
    static const QRegularExpression schalttag(QStringLiteral("^([0-9]+) vom 29\\. Februar$"));
    const auto z = zeilen.match(wert);
    if (!z.hasMatch()) return wert;
    const QString anzahl = Zahl(z.captured(1), ort);
    if (z.captured(2).isEmpty()) return anzahl;
    QStringList teile = z.captured(2).split(QStringLiteral(", "));
    for (QString& teil : teile) {
        if (const auto s = schalttag.match(teil); s.hasMatch())
            teil = T("%1 vom 29. Februar").arg(Zahl(s.captured(1), ort));
        else
            teil = T(teil);
    }
    return T("%1, nicht übernommen: %2").arg(anzahl, teile.join(QStringLiteral(", ")));
}

QString ErgaenztText(const QString& wert, const QLocale& ort) {
    static const QRegularExpression ergaenzt(
        QStringLiteral("^([0-9]+) \\(Fehlwerte, Lücken bis 6 Stunden linear überbrückt\\)$"));
    if (const auto e = ergaenzt.match(wert); e.hasMatch())
        return T("%1 (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)")
            .arg(Zahl(e.captured(1), ort));
    return T(wert);
}

QString QuelleText(const QString& wert) {
    const QString vorigerBericht = QStringLiteral(
        "Aussentemperatur, relative Feuchte und Taupunkt der Stundenzeilen des vorigen Berichts ");
    if (wert.startsWith(vorigerBericht))
        return T("Aussentemperatur, relative Feuchte und Taupunkt der Stundenzeilen des vorigen "
                 "Berichts %1")
            .arg(wert.mid(vorigerBericht.size()));
    return T(wert);
}

// "  Jan 3,1 Feb 3,5 ...": month names and their means
QString MonatsZeile(const QString& zeile, const QLocale& ort) {
    static const QStringList monate = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mär"), QStringLiteral("Apr"),
        QStringLiteral("Mai"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Okt"), QStringLiteral("Nov"), QStringLiteral("Dez")};
    qsizetype einzug = 0;
    while (einzug < zeile.size() && zeile[einzug] == QLatin1Char(' '))
        ++einzug;
    QStringList woerter = zeile.mid(einzug).split(QLatin1Char(' '));
    for (QString& wort : woerter) {
        if (const qsizetype monat = monate.indexOf(wort); monat >= 0)
            wort = MonatKurzName(static_cast<int>(monat) + 1);
        else
            wort = Zahl(wort, ort);
    }
    return zeile.left(einzug) + woerter.join(QLatin1Char(' '));
}

QString WertText(const QString& name, const QString& wert, const QLocale& ort) {
    static const QRegularExpression grad = Ausdruck(QStringLiteral("(ZAHL) °C"));
    static const QRegularExpression region(QStringLiteral("\\(Klimaregion ([0-9]+)\\)"));
    if (name == QLatin1String("Format") || name == QLatin1String("Feuchte")) return T(wert);
    if (name == QLatin1String("Standort")) {
        QString text = wert;
        if (const auto r = region.match(text); r.hasMatch())
            text.replace(r.capturedStart(), r.capturedLength(),
                         T("(Klimaregion %1)").arg(r.captured(1)));
        return text;
    }
    if (name == QLatin1String("Lage")) return LageText(wert, ort);
    if (name == QLatin1String("Datenquelle")) return DatenquelleText(wert);
    if (name == QLatin1String("Datenzeilen")) return DatenzeilenText(wert, ort);
    if (name == QStringLiteral("Ergänzte Stunden")) return ErgaenztText(wert, ort);
    if (name == QLatin1String("Minimum") || name == QLatin1String("Maximum"))
        return ExtremText(wert, ort);
    if (name == QStringLiteral("Stunden unter 0 °C")) return Zahl(wert, ort);
    if (name == QLatin1String("Quelle")) return QuelleText(wert);
    if (const auto g = grad.match(wert); g.hasMatch())
        return Zahl(g.captured(1), ort) + QStringLiteral(" °C");
    return wert;
}

QString ZeileText(const QString& zeile, const QLocale& ort) {
    if (zeile.startsWith(QLatin1Char(' '))) return MonatsZeile(zeile, ort);
    if (zeile.endsWith(QLatin1Char(':'))) return T(zeile.chopped(1)) + QLatin1Char(':');
    const qsizetype trenner = zeile.indexOf(QStringLiteral(": "));
    if (trenner < 0) return zeile;
    const QString name = zeile.left(trenner);
    return T(name) + QStringLiteral(": ") + WertText(name, zeile.mid(trenner + 2), ort);
}

} // namespace

QString WetterText(const std::string& deutsch, const QLocale& ort) {
    QStringList zeilen = QString::fromStdString(deutsch).split(QLatin1Char('\n'));
    for (QString& zeile : zeilen)
        zeile = ZeileText(zeile, ort);
    return zeilen.join(QLatin1Char('\n'));
}

QString WetterAngabeName(const char* deutsch) {
    return T(deutsch);
}

QString WetterBezeichnungText(const std::string& deutsch) {
    const QString text = QString::fromStdString(deutsch);
    const struct {
        QString Anfang;
        QString Ende;
        const char* Muster;
    } arten[] = {
        {QStringLiteral("Wetterdatei "), QString(), "Wetterdatei %1"},
        {QStringLiteral("Eingebautes Auslegungsjahr ("), QStringLiteral(")"),
         "Eingebautes Auslegungsjahr (%1)"},
        {QStringLiteral("Stundenwerte des vorigen Berichts "), QString(),
         "Stundenwerte des vorigen Berichts %1"},
    };
    for (const auto& a : arten) {
        if (text.startsWith(a.Anfang) && text.endsWith(a.Ende))
            return T(a.Muster).arg(
                text.mid(a.Anfang.size(), text.size() - a.Anfang.size() - a.Ende.size()));
    }
    return text;
}

QString KlimaBeschreibungText(const TKlimaWahl& wahl) {
    const auto utf8 = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    return T("Region %1 %2, %3 %4")
        .arg(QString::number(wahl.Region), utf8(KlimaRegion(wahl.Region).Station),
             T(utf8(KlimaArtText(wahl.Art))), utf8(KlimaPeriodenText(wahl.Periode)));
}

QString KlimaBezeichnungText(const std::string& klima) {
    TKlimaWahl wahl;
    if (!KlimaWahlLesen(klima, wahl)) return QString::fromStdString(klima);
    return T("Eingebautes Klima %1: %2 (%3)")
        .arg(QString::fromStdString(KlimaName(wahl)), KlimaBeschreibungText(wahl),
             QString::fromUtf8(KlimaQuellenHinweis.data(),
                               static_cast<qsizetype>(KlimaQuellenHinweis.size())));
}

std::span<const char* const> WetterQuelltexte() {
    return Quelltexte;
}

} // namespace kov
