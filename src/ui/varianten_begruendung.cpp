#include "ui/varianten_begruendung.h"

#include "model/bodenarten.h"
#include "model/parameter_katalog.h"
#include "ui/bericht_format.h"

#include <QCoreApplication>

#include <algorithm>

namespace kov {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Zulaessig(const TVariantenErgebnis& v) {
    return v.Berechnet && v.Verletzt.empty();
}

// the value of a varied dimension: a soil by its name, else the number
QString DimensionsWert(const TVariation& variation, double wert, const QLocale& ort) {
    if (variation.Name == BodenDimension) {
        const auto boden = Bodenarten();
        const auto i = static_cast<std::size_t>(wert);
        if (wert >= 0 && i < boden.size()) return Text(boden[i].Text).trimmed();
    }
    return ZahlenOertlich(ort, QString::number(wert, 'g', 10));
}

} // namespace

QStringList VariantenBegruendung(const TStudie& studie,
                                 const std::vector<TVariantenErgebnis>& ergebnisse,
                                 std::size_t nummer, const QLocale& ort) {
    QStringList zeilen;
    if (nummer >= ergebnisse.size()) return zeilen;
    const TVariantenErgebnis& v = ergebnisse[nummer];
    const TStudienKennwert* energie = StudienKennwert(EnergieKennwert);
    const auto zahl = [&ort](double wert) {
        return ZahlenOertlich(ort, QString::number(wert, 'f', 2));
    };

    QStringList werte;
    for (std::size_t i = 0; i < studie.Variationen.size() && i < v.Werte.size(); ++i)
        werte.append(
            QStringLiteral("%1 = %2").arg(Text(studie.Variationen[i].Name),
                                          DimensionsWert(studie.Variationen[i], v.Werte[i], ort)));
    zeilen.append(QCoreApplication::translate("PdfBericht", "Variante %1 von %2 der Studie: %3.")
                      .arg(nummer + 1)
                      .arg(ergebnisse.size())
                      .arg(werte.join(QStringLiteral(", "))));

    const double eigene = energie->Wert(v);
    const auto zulaessige = std::count_if(ergebnisse.begin(), ergebnisse.end(), Zulaessig);
    if (Zulaessig(v)) {
        // equal energies share a rank
        const auto besser = std::count_if(ergebnisse.begin(), ergebnisse.end(), [&](const auto& w) {
            return Zulaessig(w) && energie->Wert(w) > eigene;
        });
        zeilen.append(QCoreApplication::translate(
                          "PdfBericht",
                          "Rang %1 von %2 nach nutzbarer Energie (%3 kWh/a) unter den Varianten, "
                          "die alle Bedingungen einhalten.")
                          .arg(besser + 1)
                          .arg(zulaessige)
                          .arg(BerichtZahl(ort, eigene, 0)));
    } else {
        QStringList verletzt;
        for (const std::string& name : v.Verletzt)
            verletzt.append(Text(name));
        zeilen.append(QCoreApplication::translate("PdfBericht",
                                                  "Die Variante hält nicht jede Bedingung ein: %1.")
                          .arg(verletzt.join(QStringLiteral(", "))));
    }

    QStringList fronten;
    for (const TParetoAchse& achse : ParetoAchsen())
        if (v.*achse.Marke)
            fronten.append(QCoreApplication::translate("PdfBericht", "nutzbare Energie gegen %1")
                               .arg(Text(StudienKennwert(achse.Kosten)->Bezeichnung)));
    zeilen.append(
        fronten.isEmpty()
            ? QCoreApplication::translate("PdfBericht",
                                          "Sie liegt auf keiner Pareto-Front der Studie.")
            : QCoreApplication::translate("PdfBericht", "Sie liegt auf der Pareto-Front: %1.")
                  .arg(fronten.join(QStringLiteral("; "))));

    for (const TBedingung& b : studie.Bedingungen) {
        const TStudienKennwert* k = StudienKennwert(b.Kennwert);
        if (k == nullptr) continue;
        const double wert = k->Wert(v);
        const bool erfuellt = b.Hoechstens ? wert <= b.Grenze : wert >= b.Grenze;
        zeilen.append(
            QCoreApplication::translate("PdfBericht", "Bedingung %1 %2 %3 %4: %5 mit %6 %4.")
                .arg(Text(k->Bezeichnung), b.Hoechstens ? QStringLiteral("≤") : QStringLiteral("≥"),
                     zahl(b.Grenze), Text(k->Einheit),
                     erfuellt ? QCoreApplication::translate("PdfBericht", "erfüllt")
                              : QCoreApplication::translate("PdfBericht", "nicht erfüllt"),
                     zahl(wert)));
    }
    return zeilen;
}

bool GleicheEingaben(const TRegisterParameter& a, const TRegisterParameter& b) {
    for (const TKatalogEintrag& e : ParameterKatalog())
        if (!e.Abgeleitet && !FeldGleich(a, b, e)) return false;
    return true;
}

} // namespace kov
