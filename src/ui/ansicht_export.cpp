#include "ui/ansicht_export.h"

#include "files/text_datei.h"
#include "model/fehler.h"
#include "register/kennwerte_text.h"
#include "ui/kern_texte.h"
#include "ui/seiten_satz.h"
#include "ui/zahl_format.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QSvgGenerator>

#include <algorithm>
#include <string>
#include <vector>

namespace kov {

namespace {

// the tables of the design figures side by side, the font as large as lets both fit
void KennwerteZeichnen(const TAuswertung& a, QPainter& maler, const QRectF& ziel) {
    const TKennwerte& kw = a.Kennwerte;
    QVector<TTabellenZeile> einzeln, monate;
    for (const TKennwertZeile& z : KennwerteZeilen(kw, a.Modell->Parameter))
        einzeln.append({{KernText(z.Bezeichnung), ZahlTextAnsicht(QString::fromStdString(z.Wert)),
                         QString::fromStdString(z.Einheit), KernText(z.Zeitpunkt)}});
    for (const TKennwertMonat& m : KennwerteMonatsZeilen(kw, a.Modell->Ergebnis))
        monate.append(
            {{m.Monat == "Jahr" ? QCoreApplication::translate("kov::Diagramme", "Jahr")
                                : QCoreApplication::translate("kov::Monate", m.Monat.c_str()),
              ZahlTextAnsicht(QString::fromStdString(m.Heizenergie)),
              ZahlTextAnsicht(QString::fromStdString(m.Kuehlenergie)),
              ZahlTextAnsicht(QString::fromStdString(m.Kondensat))},
             m.Monat == "Jahr"});
    const QVector<TSpalte> spaltenEinzeln{
        {QCoreApplication::translate("kov::Diagramme", "Kennwert"), 0.46},
        {QCoreApplication::translate("kov::Diagramme", "Wert"), 0.13, Qt::AlignRight},
        {QCoreApplication::translate("kov::Diagramme", "Einheit"), 0.11},
        {QCoreApplication::translate("kov::Diagramme", "Zeitpunkt"), 0.30}};
    const QVector<TSpalte> spaltenMonate{
        {QCoreApplication::translate("kov::Diagramme", "Monat"), 0.25},
        {QCoreApplication::translate("kov::Diagramme", "Heizenergie kWh"), 0.26, Qt::AlignRight},
        {QCoreApplication::translate("kov::Diagramme", "Kühlenergie kWh"), 0.26, Qt::AlignRight},
        {QCoreApplication::translate("kov::Diagramme", "Kondensat kg"), 0.23, Qt::AlignRight}};
    TTabellenZeile kopfEinzeln{{}, true}, kopfMonate{{}, true};
    for (const TSpalte& s : spaltenEinzeln)
        kopfEinzeln.Zellen.append(s.Kopf);
    for (const TSpalte& s : spaltenMonate)
        kopfMonate.Zellen.append(s.Kopf);
    einzeln.prepend(kopfEinzeln);
    monate.prepend(kopfMonate);

    const double rand = ziel.width() * 0.015;
    const QRectF innen = ziel.adjusted(rand, rand, -rand, -rand);
    const QRectF links(innen.left(), innen.top(), innen.width() * 0.62, innen.height());
    const QRectF rechts(links.right() + rand, innen.top(), innen.right() - links.right() - rand,
                        innen.height());
    // the largest pixel size at which both tables fit their height
    QFont schrift(QStringLiteral("DejaVu Sans"));
    int pixel = std::max(6, static_cast<int>(innen.height() / 20));
    for (; pixel > 4; --pixel) {
        schrift.setPixelSize(pixel);
        const bool passt =
            TabelleSetzen(maler, schrift, links, spaltenEinzeln, einzeln, false) <=
                links.height() &&
            TabelleSetzen(maler, schrift, rechts, spaltenMonate, monate, false) <=
                rechts.height() &&
            TabelleOhneWortbruch(maler, schrift, links.width(), spaltenEinzeln, einzeln) &&
            TabelleOhneWortbruch(maler, schrift, rechts.width(), spaltenMonate, monate);
        if (passt) break;
    }
    maler.fillRect(ziel, Qt::white);
    TabelleSetzen(maler, schrift, links, spaltenEinzeln, einzeln, true);
    TabelleSetzen(maler, schrift, rechts, spaltenMonate, monate, true);
}

} // namespace

void DiagrammZeichnen(std::unique_ptr<QChart> chart, QPainter& maler, const QRectF& ziel,
                      const QSizeF& logisch) {
    QGraphicsScene szene;
    QChart* gezeichnet = chart.release();
    szene.addItem(gezeichnet); // the scene owns the chart from here
    gezeichnet->setGeometry(QRectF(QPointF(0, 0), logisch));
    gezeichnet->layout()->activate();
    szene.setSceneRect(QRectF(QPointF(0, 0), logisch));
    szene.render(&maler, ziel, QRectF(QPointF(0, 0), logisch), Qt::IgnoreAspectRatio);
}

void AnsichtZeichnen(TAnsicht ansicht, const TAuswertung& auswertung, QPainter& maler,
                     const QRectF& ziel, double schrift) {
    constexpr double LogischeBreite = 1000;
    const QSizeF logisch(LogischeBreite, LogischeBreite * ziel.height() / ziel.width());
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    if (!IstDiagramm(ansicht)) {
        maler.translate(ziel.topLeft());
        maler.scale(ziel.width() / logisch.width(), ziel.height() / logisch.height());
        KennwerteZeichnen(auswertung, maler, QRectF(QPointF(0, 0), logisch));
        maler.restore();
        return;
    }
    DiagrammZeichnen(DiagrammErzeugen(ansicht, auswertung, LogischeBreite * schrift), maler, ziel,
                     logisch);
    maler.restore();
}

void ZeichnungSpeichern(const QString& datei, QSize groesse, const QString& titel,
                        const std::function<void(QPainter&, const QRectF&)>& zeichnen) {
    const std::string name = QDir::toNativeSeparators(datei).toStdString();
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung != QLatin1String("png") && endung != QLatin1String("svg"))
        throw TDateiFehler("Bilder werden als PNG oder SVG gespeichert (Endung .png oder .svg)",
                           name);
    if (groesse.width() < 1 || groesse.height() < 1)
        throw TDateiFehler("Die Bildgröße muss mindestens 1 × 1 Pixel sein", name);
    SchreibbarPruefen(name);
    const QRectF ziel(QPointF(0, 0), QSizeF(groesse));
    QByteArray inhalt;
    QBuffer ausgabe(&inhalt);
    ausgabe.open(QIODevice::WriteOnly);
    if (endung == QLatin1String("png")) {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            zeichnen(maler, ziel);
        }
        if (!bild.save(&ausgabe, "PNG")) throw TDateiFehler(MeldungPlatteVoll, name);
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&ausgabe);
        svg.setSize(groesse);
        svg.setViewBox(ziel);
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("KOV: ") + titel);
        QPainter maler;
        if (!maler.begin(&svg)) throw TDateiFehler(MeldungPlatteVoll, name);
        maler.fillRect(ziel, Qt::white);
        zeichnen(maler, ziel);
        maler.end();
    }
    DateiSchreiben(name,
                   std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())));
}

void AnsichtSpeichern(TAnsicht ansicht, const TAuswertung& auswertung, const QString& datei,
                      QSize groesse) {
    ZeichnungSpeichern(datei, groesse, AnsichtTitel(ansicht),
                       [&](QPainter& maler, const QRectF& ziel) {
                           AnsichtZeichnen(ansicht, auswertung, maler, ziel);
                       });
}

QStringList AlleAnsichtenSpeichern(const TAuswertung& auswertung, const QString& ordner,
                                   QSize groesse) {
    QStringList dateien;
    const QDir ziel(ordner);
    for (const TAnsicht ansicht : AlleAnsichten)
        for (const char* endung : {".png", ".svg"}) {
            const QString datei = ziel.filePath(AnsichtDateiName(ansicht) + QLatin1String(endung));
            AnsichtSpeichern(ansicht, auswertung, datei, groesse);
            dateien.append(datei);
        }
    return dateien;
}

void StundenCsvSpeichern(const TAuswertung& auswertung, const QString& datei,
                         TDezimalZeichen zeichen) {
    // the column titles for the translation tools; the table itself is data
    [[maybe_unused]] static const char* const titel[] = {
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Stunde"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Datum"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Uhrzeit"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Eintrittstemperatur Tein [°C]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Austrittstemperatur Taus [°C]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Relativer Volumenstrom [-]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Relative Feuchte [%]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Taupunkt [°C]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Monitortemperatur [°C]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Betrieb [-]"),
        QT_TRANSLATE_NOOP("kov::StundenCsv", "Kondensat [kg/h]")};
    std::vector<std::string> spalten;
    for (const char* deutsch : StundenCsvSpalten())
        spalten.push_back(QCoreApplication::translate("kov::StundenCsv", deutsch).toStdString());
    StundenCsvSchreiben(QDir::toNativeSeparators(datei).toStdString(), auswertung.Modell->Reihen,
                        auswertung.Modell->Parameter, zeichen, spalten);
}

} // namespace kov
