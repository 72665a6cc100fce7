#include "ui/pdf_bericht.h"

#include "ablauf/auslegungsbericht.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "model/version.h"
#include "register/kennwerte_text.h"
#include "ui/ansicht_export.h"
#include "ui/seiten_satz.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace kov {

namespace {

constexpr double Grundschrift = 9;    // pt, running text and tables
constexpr double Tabellenschrift = 8; // pt
constexpr int Aufloesung = 600;       // dpi of the page coordinates

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Zahl(double wert, int dezimalen) {
    return Text(KennwertZahl(wert, dezimalen));
}

struct TBerichtSatz {
    const TAuswertung& A;
    const TBerichtKopf& Kopf;
    QString Projektname;
    QString Datum;

    void Titel(TSeitenSatz& s) const {
        s.Ueberschrift(QStringLiteral("Auslegungsbericht Luft-Erdregister"), 18);
        QVector<TTabellenZeile> zeilen{
            {{QStringLiteral("Projekt"), Projektname}},
            {{QStringLiteral("Projektdatei"), Kopf.Projektdatei.isEmpty()
                                                  ? QStringLiteral("– (Eingaben ohne Projektdatei)")
                                                  : QDir::toNativeSeparators(Kopf.Projektdatei)}},
            {{QStringLiteral("Erstellt"),
              Datum + QStringLiteral(" mit ") + Text(VersionText("KOV"))}},
            {{QStringLiteral("Wetter"), Text(A.Wetter.Bezeichnung)}},
        };
        s.Tabelle({{QString(), 0.22}, {QString(), 0.78}}, zeilen, BerichtSchrift(Grundschrift),
                  s.Millimeter(4));

        const TJahresErgebnis& e = A.Modell->Ergebnis;
        const TKennwerte& kw = A.Kennwerte;
        s.Ueberschrift(QStringLiteral("Ergebnis in Kürze"), 12);
        s.Tabelle(
            {{QStringLiteral("Jahressumme"), 0.6},
             {QStringLiteral("Wert"), 0.25, Qt::AlignRight},
             {QStringLiteral("Einheit"), 0.15}},
            {{{QStringLiteral("Heizenergie"), Zahl(e.Heizenergie, 1), QStringLiteral("kWh")}},
             {{QStringLiteral("Kühlenergie"), Zahl(e.Kuehlenergie, 1), QStringLiteral("kWh")}},
             {{QStringLiteral("Wärmeentzug aus der Erde"), Zahl(e.WaermeentzugErde, 1),
               QStringLiteral("kWh")}},
             {{QStringLiteral("Wärmeentzug aus dem Keller"), Zahl(e.WaermeentzugKeller, 1),
               QStringLiteral("kWh")}},
             {{QStringLiteral("Ventilator-Stromverbrauch"), Zahl(kw.Ventilatorenergie, 1),
               QStringLiteral("kWh")}},
             {{QStringLiteral("Leistungszahl (nutzbare Energie / Ventilatorstrom)"),
               Zahl(kw.Leistungszahl, 1), QStringLiteral("–")}}},
            BerichtSchrift(Grundschrift), s.Millimeter(4));
    }

    void Eingaben(TSeitenSatz& s) const {
        s.Ueberschrift(QStringLiteral("1  Eingaben"), 13);
        s.Absatz(QStringLiteral("Grau hinterlegt und mit * markiert: Werte, die vom Standardwert "
                                "abweichen. „berechnet“: vom Programm aus den Eingaben ermittelt."),
                 BerichtSchrift(Grundschrift), s.Millimeter(2));
        QVector<TTabellenZeile> zeilen;
        std::string gruppe;
        for (const TEingabeZeile& z : EingabeZeilen(A.Modell->Parameter, &A.Modell->Werte)) {
            if (z.Gruppe != gruppe) {
                gruppe = z.Gruppe;
                TTabellenZeile titel;
                titel.Zellen = {Text(gruppe)};
                titel.Zwischentitel = true;
                zeilen.append(titel);
            }
            TTabellenZeile zeile;
            zeile.Zellen = {Text(z.Bezeichnung), Text(z.Name),
                            (z.Abweichend ? QStringLiteral("* ") : QString()) + Text(z.Wert),
                            Text(z.Einheit),
                            z.Abgeleitet ? QStringLiteral("berechnet") : Text(z.Standard)};
            zeile.Hinterlegt = z.Abweichend;
            zeilen.append(zeile);
        }
        s.Tabelle({{QStringLiteral("Eingabe"), 0.27},
                   {QStringLiteral("Name"), 0.25},
                   {QStringLiteral("Wert"), 0.19, Qt::AlignRight},
                   {QStringLiteral("Einheit"), 0.09},
                   {QStringLiteral("Standard"), 0.20, Qt::AlignRight}},
                  zeilen, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Wetter(TSeitenSatz& s) const {
        s.Ueberschrift(QStringLiteral("2  Wetter"), 13);
        s.Absatz(Text(A.Wetter.Bezeichnung), BerichtSchrift(Grundschrift, true), s.Millimeter(2));
        // "Name: Wert" lines as a table, indented lines continue the value above them
        QVector<TTabellenZeile> zeilen;
        for (const QString& zeile : Text(A.Wetter.Text).split(QLatin1Char('\n'))) {
            if (zeile.trimmed().isEmpty()) continue;
            const qsizetype doppelpunkt = zeile.indexOf(QLatin1Char(':'));
            if (zeile.startsWith(QLatin1Char(' ')) && !zeilen.isEmpty()) {
                QString& wert = zeilen.back().Zellen.back();
                wert += (wert.isEmpty() ? QString() : QStringLiteral("\n")) + zeile.trimmed();
            } else if (doppelpunkt > 0) {
                zeilen.append({{zeile.left(doppelpunkt), zeile.mid(doppelpunkt + 1).trimmed()}});
            } else {
                zeilen.append({{zeile.trimmed(), QString()}});
            }
        }
        s.Tabelle({{QStringLiteral("Angabe"), 0.25}, {QStringLiteral("Wert"), 0.75}}, zeilen,
                  BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Kennwerte(TSeitenSatz& s) const {
        QVector<TTabellenZeile> zeilen;
        for (const TKennwertZeile& z : KennwerteZeilen(A.Kennwerte, A.Modell->Parameter))
            zeilen.append(
                {{Text(z.Bezeichnung), Text(z.Wert), Text(z.Einheit), Text(z.Zeitpunkt)}});
        const QVector<TSpalte> spalten{{QStringLiteral("Kennwert"), 0.50},
                                       {QStringLiteral("Wert"), 0.10, Qt::AlignRight},
                                       {QStringLiteral("Einheit"), 0.09},
                                       {QStringLiteral("Zeitpunkt"), 0.31}};
        const QFont schrift = BerichtSchrift(Tabellenschrift);
        // the figures on one page with their heading where they fit on one
        s.Freihalten(s.TabellenHoehe(spalten, zeilen, schrift) + s.Millimeter(10));
        s.Ueberschrift(QStringLiteral("3  Kennwerte"), 13);
        s.Tabelle(spalten, zeilen, schrift, s.Millimeter(4));
        QVector<TTabellenZeile> monate;
        for (const TKennwertMonat& m : KennwerteMonatsZeilen(A.Kennwerte, A.Modell->Ergebnis))
            monate.append(
                {{Text(m.Monat), Text(m.Heizenergie), Text(m.Kuehlenergie), Text(m.Kondensat)},
                 m.Monat == "Jahr"});
        s.Tabelle({{QStringLiteral("Monat"), 0.25},
                   {QStringLiteral("Heizenergie kWh"), 0.25, Qt::AlignRight},
                   {QStringLiteral("Kühlenergie kWh"), 0.25, Qt::AlignRight},
                   {QStringLiteral("Kondensat kg"), 0.25, Qt::AlignRight}},
                  monate, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Diagramme(TSeitenSatz& s) const {
        s.Seitenumbruch();
        s.Ueberschrift(QStringLiteral("4  Diagramme"), 13);
        const double hoehe = s.Breite() * 0.62;
        for (const TAnsicht ansicht : {TAnsicht::Jahr, TAnsicht::Dauerlinie, TAnsicht::Energie})
            s.Block(
                hoehe,
                [&](QPainter& maler, const QRectF& rahmen) {
                    AnsichtZeichnen(ansicht, A, maler, rahmen, 1.0 / 62);
                },
                s.Millimeter(6));
    }

    void Verfahren(TSeitenSatz& s) const {
        s.Ueberschrift(QStringLiteral("5  Verfahren"), 13);
        for (const std::string& absatz : MethodenAbsaetze(*A.Modell, A.Kennwerte))
            s.Absatz(Text(absatz), BerichtSchrift(Grundschrift), s.Millimeter(2));
        for (const std::string& hinweis : A.Hinweise)
            s.Absatz(QStringLiteral("Hinweis: ") + Text(hinweis), BerichtSchrift(Grundschrift),
                     s.Millimeter(2));
    }

    void Setzen(TSeitenSatz& s) const {
        Titel(s);
        Eingaben(s);
        Wetter(s);
        Kennwerte(s);
        Diagramme(s);
        Verfahren(s);
    }
};

} // namespace

int PdfBerichtSchreiben(const TAuswertung& auswertung, const TBerichtKopf& kopf,
                        const QString& datei) {
    const std::string name = QDir::toNativeSeparators(datei).toStdString();
    SchreibbarPruefen(name);
    // set in memory, then written like every other file of KOV (atomically, a link replaced
    // rather than written through)
    QByteArray inhalt;
    QBuffer ausgabe(&inhalt);
    ausgabe.open(QIODevice::WriteOnly);

    const TBerichtSatz bericht{auswertung, kopf,
                               kopf.Projektname.isEmpty()
                                   ? Text(auswertung.Modell->Parameter.Projektname)
                                   : kopf.Projektname,
                               (kopf.Datum.isValid() ? kopf.Datum : QDate::currentDate())
                                   .toString(QStringLiteral("dd.MM.yyyy"))};

    QPdfWriter pdf(&ausgabe);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(Aufloesung);
    pdf.setTitle(QStringLiteral("Auslegungsbericht Luft-Erdregister: ") + bericht.Projektname);
    pdf.setCreator(Text(VersionText("KOV")));
    QPainter maler;
    if (!maler.begin(&pdf)) throw TDateiFehler(MeldungZugriffVerweigert, name);

    const auto mm = [](double wert) { return wert / 25.4 * Aufloesung; };
    const QRectF spiegel(mm(20), mm(18), mm(170), mm(297 - 18 - 22));
    const QRectF fuss(mm(20), mm(297 - 16), mm(170), mm(8));

    // the first pass counts the pages, the second draws them with "Seite i von n"
    TSeitenSatz zaehlen(maler, spiegel, false, {}, {});
    bericht.Setzen(zaehlen);
    const int seiten = zaehlen.Abschliessen();

    const QFont fussSchrift = BerichtSchrift(7.5);
    TSeitenSatz satz(
        maler, spiegel, true, [&pdf] { pdf.newPage(); },
        [&](int nummer) {
            maler.save();
            maler.setPen(QPen(QColor(120, 120, 120), mm(0.2)));
            maler.drawLine(QPointF(fuss.left(), fuss.top()), QPointF(fuss.right(), fuss.top()));
            maler.setPen(Qt::black);
            const QRectF innen = fuss.adjusted(0, mm(1.5), 0, 0);
            const QFontMetricsF masse(fussSchrift, &pdf);
            const QString rechts = QStringLiteral("Seite %1 von %2").arg(nummer).arg(seiten);
            const double rechtsBreite = masse.horizontalAdvance(rechts) + mm(4);
            // the full name is on the title page; the foot shortens it to its one line
            const QString links =
                masse.elidedText(QStringLiteral("KOV – Auslegungsbericht ") + bericht.Projektname,
                                 Qt::ElideRight, innen.width() - rechtsBreite);
            TextZeichnen(maler, fussSchrift, innen.adjusted(0, 0, -rechtsBreite, 0), links);
            TextZeichnen(maler, fussSchrift, innen, rechts, Qt::AlignRight);
            maler.restore();
        });
    bericht.Setzen(satz);
    satz.Abschliessen();
    maler.end();
    DateiSchreiben(name,
                   std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())));
    return seiten;
}

} // namespace kov
