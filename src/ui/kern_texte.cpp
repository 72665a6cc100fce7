#include "ui/kern_texte.h"

#include "ui/zahl_format.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace kov {

namespace {

// The labels of the figures, costs, checks and study figures as the core writes them, for the
// translation tools.
[[maybe_unused]] const char* const Quelltexte[] = {
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Reynoldszahl bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrreibungszahl"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust Rohrreibung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust Einzelwiderstände"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Zusätzlicher Druckverlust"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust gesamt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilatorleistung bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilator-Stromverbrauch im Jahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl (nutzbare Energie / Ventilatorstrom)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl brutto (alle Energie / Ventilatorstrom)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Höchste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Eintrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Höchste Eintrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden mit Aussenluft unter Frostgrenze"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Betriebsstunden mit Austritt unter Frostgrenze"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Heizleistung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Kühlleistung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Heizenergie (Aussenluft bis Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Kühlenergie (Aussenluft ab Kühlgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbare Kühlenergie (Aussenluft ab Komfortgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Unerwünschte Heizenergie (Aussenluft über Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Unerwünschte Kühlenergie (Aussenluft unter Kühlgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte",
                      "Unerwünschte Kühlenergie (Aussenluft unter Komfortgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbarer Ertrag je m² Rohrinnenfläche"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nutzbarer Ertrag je m Rohr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden der Heizperiode (Aussenluft bis Heizgrenze)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wirkungsgrad η gegen ungestörtes Erdreich, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Mittlere Ansaugtemperatur nach Register, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Mittlere Aussentemperatur, Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kondensat im Jahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Stunden mit Kondensat"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Größte Kondensatmenge"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Änderung Heizenergie gegen letztes Einschwingjahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Änderung Kühlenergie gegen letztes Einschwingjahr"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "mit dem Volumenstrom gewichtet"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wetter ohne Feuchtedaten"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Amortisationszeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Kapital"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Ventilatorstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität Wartung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität der Erlöse"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Annuität der Kosten"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Investition"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kosten je kWh"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Nettonutzen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "CO₂-Einsparung"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Achsabstand der Rohre"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Luftgeschwindigkeit bei Nenn-Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Reynoldszahl beim kleinsten Volumenstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrlänge gegen nützliche Länge"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Tiefste Austrittstemperatur im Betrieb"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Verlegetiefe"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wetter des Standorts"),
    // the figures of a variant study
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Heizenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Kühlenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Heizenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Kühlenergie"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nutzbare Energie (Heizen + Kühlen)"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Ventilatorstrom"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "tiefste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "höchste Austrittstemperatur"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Froststunden nach dem Register"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Luftgeschwindigkeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Druckverlust"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Rohrlänge aller Rohre"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Leistungszahl brutto"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wirkungsgrad Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "mittlere Ansaugtemperatur Heizperiode"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Frostschutzstunden des Lüftungsgeräts"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Vorheizenergie des Lüftungsgeräts"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Wärmeersparnis im Gebäude nach WRG"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "tiefste Zuluft nach WRG"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "jährlicher Nettonutzen"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "dynamische Amortisationszeit"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "erfüllt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "nicht erfüllt"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Hinweis"),
    QT_TRANSLATE_NOOP("kov::Kennwerte", "Die Auslegung erfüllt alle Prüfungen."),
};

QString Uebersetzt(const QString& deutsch) {
    return QCoreApplication::translate("kov::Kennwerte", deutsch.toUtf8().constData());
}

} // namespace

QString KernText(const std::string& deutsch) {
    const QString text = QString::fromStdString(deutsch);
    // "26. Januar, 08–09 Uhr (Stunde 609)": the hour of an extreme
    static const QRegularExpression zeitpunkt(
        QStringLiteral("^(\\d+)\\. (\\S+), (\\d\\d)–(\\d\\d) Uhr \\(Stunde (\\d+)\\)$"));
    if (const auto t = zeitpunkt.match(text); t.hasMatch())
        return QCoreApplication::translate("kov::Kennwerte", "%1. %2, %3–%4 Uhr (Stunde %5)")
            .arg(t.captured(1),
                 QCoreApplication::translate("kov::Monate", t.captured(2).toUtf8().constData()),
                 t.captured(3), t.captured(4), t.captured(5));
    // "Stunden mit Aussenluft unter Frostgrenze (0.0 °C)": a label with its limit
    static const QRegularExpression grenze(QStringLiteral("^(.*) \\((-?[0-9.]+) °C\\)$"));
    if (const auto g = grenze.match(text); g.hasMatch())
        return QCoreApplication::translate("kov::Kennwerte", "%1 (%2 °C)")
            .arg(Uebersetzt(g.captured(1)), ZahlTextAnsicht(g.captured(2)));
    return Uebersetzt(text);
}

QString AussageText(const std::vector<TPruefRegel>& regeln) {
    QStringList verletzt, hinweise;
    for (const TPruefRegel& r : regeln) {
        if (r.Urteil == TUrteil::Erfuellt) continue;
        (r.Urteil == TUrteil::NichtErfuellt ? verletzt : hinweise) << KernText(r.Bezeichnung);
    }
    QString aussage =
        verletzt.isEmpty()
            ? QCoreApplication::translate("kov::Kennwerte", "Die Auslegung erfüllt alle Prüfungen.")
            : QCoreApplication::translate("kov::Kennwerte", "Die Auslegung erfüllt nicht: %1.")
                  .arg(verletzt.join(QStringLiteral(", ")));
    if (!hinweise.isEmpty())
        aussage += QLatin1Char(' ') + QCoreApplication::translate("kov::Kennwerte", "Hinweise: %1.")
                                          .arg(hinweise.join(QStringLiteral(", ")));
    return aussage;
}

} // namespace kov
