#include "ui/varianten_tabelle.h"

#include "model/bodenarten.h"
#include "model/parameter_katalog.h"
#include "ui/katalog_texte.h"
#include "ui/kern_texte.h"
#include "ui/zahl_format.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QStringList>

#include <charconv>
#include <cmath>

namespace kov {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Dezimalen(std::string_view einheit) {
    if (einheit == "kWh" || einheit == "h") return 0;
    if (einheit == "m/s" || einheit.empty()) return 2;
    return 1; // °C, Pa, m, kg
}

const QColor VerletztFarbe(150, 150, 150);
const QColor FrontHintergrund(255, 243, 196);

} // namespace

QString KennwertText(double wert, std::string_view einheit) {
    // an infinite payback: the variant does not pay back
    if (!std::isfinite(wert)) return QStringLiteral("–");
    return ZahlAnsicht(wert, Dezimalen(einheit));
}

QString KennwertTitel(const TStudienKennwert& k) {
    QString titel = KernText(std::string(k.Bezeichnung));
    if (!k.Einheit.empty()) titel += QStringLiteral(" [") + Text(k.Einheit) + QLatin1Char(']');
    return titel;
}

QString VariationsTitel(const TVariation& v) {
    if (v.Name == BodenDimension)
        return QCoreApplication::translate("kov::TVariantenTabelle", "Bodenart");
    const TKatalogEintrag* e = KatalogEintrag(v.Name);
    if (e == nullptr) return QString::fromStdString(v.Name);
    QString titel = KatalogText(e->Bezeichnung);
    if (!e->Einheit.empty()) titel += QStringLiteral(" [") + Text(e->Einheit) + QLatin1Char(']');
    return titel;
}

QString VariationsWert(const TVariation& v, double wert) {
    if (v.Name == BodenDimension) {
        const std::string_view name = Bodenarten()[static_cast<std::size_t>(wert)].Text;
        // the list pads its names with blanks to line up the conductivities
        return BodenartText(name).simplified();
    }
    if (!v.Texte.empty()) return QString::fromStdString(VariationsText(v, wert));
    char text[32];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    return QString::fromLatin1(text, ende - text);
}

TVariantenTabelle::TVariantenTabelle(QObject* eltern) : QAbstractTableModel(eltern) {}

void TVariantenTabelle::StudieSetzen(const TStudie* studie,
                                     const std::vector<TVariantenErgebnis>* ergebnis) {
    beginResetModel();
    Studie = studie;
    Ergebnis = ergebnis;
    Zeilen.clear();
    endResetModel();
}

void TVariantenTabelle::ZeilenAnfuegen(const std::vector<std::size_t>& nummern) {
    if (nummern.empty()) return;
    const int anfang = rowCount();
    beginInsertRows({}, anfang, anfang + static_cast<int>(nummern.size()) - 1);
    Zeilen.insert(Zeilen.end(), nummern.begin(), nummern.end());
    endInsertRows();
}

void TVariantenTabelle::AlleZeigen() {
    beginResetModel();
    Zeilen.clear();
    if (Ergebnis != nullptr)
        for (std::size_t i = 0; i < Ergebnis->size(); ++i)
            if ((*Ergebnis)[i].Berechnet) Zeilen.push_back(i);
    endResetModel();
}

void TVariantenTabelle::MarkenGeaendert() {
    if (Zeilen.empty()) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TVariantenTabelle::ParetoFrontSetzen(int front) {
    Front = front;
    MarkenGeaendert();
}

int TVariantenTabelle::ZeileDerVariante(std::size_t nummer) const {
    for (std::size_t z = 0; z < Zeilen.size(); ++z)
        if (Zeilen[z] == nummer) return static_cast<int>(z);
    return -1;
}

int TVariantenTabelle::ErsteKennwertSpalte() const {
    return 1 + (Studie == nullptr ? 0 : static_cast<int>(Studie->Variationen.size()));
}

int TVariantenTabelle::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Zeilen.size());
}

int TVariantenTabelle::columnCount(const QModelIndex& eltern) const {
    if (eltern.isValid() || Studie == nullptr) return 0;
    return ErsteKennwertSpalte() + static_cast<int>(StudienKennwerte().size()) + 2;
}

bool TVariantenTabelle::AufFront(const TVariantenErgebnis& v) const {
    return AufParetoFront(v, Front);
}

bool AufParetoFront(const TVariantenErgebnis& v, int front) {
    switch (front) {
    case 1:
        return v.ParetoVentilator;
    case 2:
        return v.ParetoAnnuitaet;
    default:
        return v.ParetoRohrlaenge;
    }
}

QVariant TVariantenTabelle::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || Studie == nullptr || Ergebnis == nullptr) return {};
    const std::size_t nummer = Zeilen[static_cast<std::size_t>(index.row())];
    const TVariantenErgebnis& v = (*Ergebnis)[nummer];
    const int spalte = index.column();
    const int kennwerte = ErsteKennwertSpalte();
    const int bedingungen = kennwerte + static_cast<int>(StudienKennwerte().size());

    switch (rolle) {
    case Qt::ForegroundRole:
        if (!v.Verletzt.empty()) return QBrush(VerletztFarbe);
        return {};
    case Qt::BackgroundRole:
        if (v.Verletzt.empty() && AufFront(v)) return QBrush(FrontHintergrund);
        return {};
    case Qt::FontRole:
        if (v.Verletzt.empty() && AufFront(v)) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (spalte >= bedingungen) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (spalte > 0 && spalte < kennwerte &&
            Studie->Variationen[static_cast<std::size_t>(spalte - 1)].Name == BodenDimension)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::DisplayRole:
    case Qt::UserRole:
    case Qt::ToolTipRole:
        break;
    default:
        return {};
    }

    const bool anzeige = rolle != Qt::UserRole;
    if (spalte == 0)
        return anzeige ? QVariant(QString::number(nummer + 1)) : QVariant(double(nummer));
    if (spalte < kennwerte) {
        const TVariation& variation = Studie->Variationen[static_cast<std::size_t>(spalte - 1)];
        const double wert = v.Werte[static_cast<std::size_t>(spalte - 1)];
        return anzeige ? QVariant(VariationsWert(variation, wert)) : QVariant(wert);
    }
    if (spalte < bedingungen) {
        const TStudienKennwert& k =
            StudienKennwerte()[static_cast<std::size_t>(spalte - kennwerte)];
        const double wert = k.Wert(v);
        if (!anzeige) return wert;
        if (rolle == Qt::ToolTipRole) return KennwertTitel(k);
        return KennwertText(wert, k.Einheit);
    }
    if (spalte == bedingungen) {
        if (!anzeige) return double(v.Verletzt.size());
        if (v.Verletzt.empty())
            return QCoreApplication::translate("kov::TVariantenTabelle", "erfüllt");
        QStringList namen;
        for (const std::string& name : v.Verletzt) {
            const TStudienKennwert* k = StudienKennwert(name);
            namen << (k != nullptr ? KernText(std::string(k->Bezeichnung))
                                   : QString::fromStdString(name));
        }
        return QCoreApplication::translate("kov::TVariantenTabelle", "verletzt: %1")
            .arg(namen.join(QStringLiteral(", ")));
    }
    if (!anzeige)
        return double((v.ParetoRohrlaenge ? 2 : 0) + (v.ParetoVentilator ? 1 : 0) +
                      (v.ParetoAnnuitaet ? 4 : 0));
    QStringList fronten;
    if (v.ParetoRohrlaenge)
        fronten << QCoreApplication::translate("kov::TVariantenTabelle", "Rohrlänge");
    if (v.ParetoVentilator)
        fronten << QCoreApplication::translate("kov::TVariantenTabelle", "Ventilatorstrom");
    if (v.ParetoAnnuitaet)
        fronten << QCoreApplication::translate("kov::TVariantenTabelle", "Annuität");
    return fronten.join(QStringLiteral(", "));
}

QVariant TVariantenTabelle::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || Studie == nullptr) return {};
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole) return {};
    const int kennwerte = ErsteKennwertSpalte();
    const int bedingungen = kennwerte + static_cast<int>(StudienKennwerte().size());
    if (abschnitt == 0) return QCoreApplication::translate("kov::TVariantenTabelle", "Variante");
    if (abschnitt < kennwerte)
        return VariationsTitel(Studie->Variationen[static_cast<std::size_t>(abschnitt - 1)]);
    if (abschnitt < bedingungen) {
        const TStudienKennwert& k =
            StudienKennwerte()[static_cast<std::size_t>(abschnitt - kennwerte)];
        return rolle == Qt::ToolTipRole ? QString::fromUtf8(k.Name.data(), k.Name.size())
                                        : KennwertTitel(k);
    }
    if (abschnitt == bedingungen)
        return rolle == Qt::ToolTipRole
                   ? QCoreApplication::translate("kov::TVariantenTabelle",
                                                 "Die Bedingungen, die eine Variante nicht einhält")
                   : QCoreApplication::translate("kov::TVariantenTabelle", "Bedingungen");
    return rolle == Qt::ToolTipRole
               ? QCoreApplication::translate(
                     "kov::TVariantenTabelle",
                     "Pareto-optimal: keine zulässige Variante gibt mehr nutzbare "
                     "Energie für weniger Rohrlänge (bzw. Ventilatorstrom)")
               : QCoreApplication::translate("kov::TVariantenTabelle", "Pareto-optimal");
}

} // namespace kov
